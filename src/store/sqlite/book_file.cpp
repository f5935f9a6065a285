#include "store/sqlite/book_file.h"

#include "core/error.h"
#include "core/scratch_file.h"
#include "store/connection.h"
#include "store/schema.h"
#include "store/sql_failure.h"
#include "store/sqlite/sqlite_dialect.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ravelbook::book_file {

namespace {

quint32 bigEndian(const QByteArray& bytes, int at, int size) {
    quint32 value = 0;
    for (int i = 0; i < size; ++i)
        value = (value << 8) | quint8(bytes[at + i]);
    return value;
}

// A file cut short (an interrupted copy) still shows its schema on the first
// page, so compare its length with the size its SQLite header gives.
bool isTruncated(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(100);
    if (header.size() < 100 || !header.startsWith("SQLite format 3"))
        return false;
    const quint32 changeCounter = bigEndian(header, 24, 4);
    const quint32 validFor = bigEndian(header, 92, 4);
    if (changeCounter != validFor)
        return false; // written by an old library; the size field is not kept up to date
    quint64 pageSize = bigEndian(header, 16, 2);
    if (pageSize == 1)
        pageSize = 65536;
    const quint64 pages = bigEndian(header, 28, 4);
    return quint64(file.size()) < pageSize * pages;
}

} // namespace

schema::Found readTables(const QString& path, const QSqlDatabase& db) {
    schema::Found found;
    try {
        found = schema::read(db, SqliteDialect());
    } catch (const SqlFailure& failure) {
        if (isBusy(failure.error()))
            cantOpen(path, explain(failure.error()));
        cantOpen(path,
                 QCoreApplication::translate("BookFile", "it is not a Ravelbook address book (%1)")
                     .arg(failure.error().databaseText()));
    }
    const QString refused = schema::refusal(found, schema::layoutOf(db, SqliteDialect()));
    if (!refused.isEmpty())
        cantOpen(path, refused);
    return found;
}

QString connectOptions(bool readOnly, std::chrono::milliseconds busyWait) {
    const QString busy = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyWait.count());
    return readOnly ? QStringLiteral("QSQLITE_OPEN_READONLY;") + busy : busy;
}

void cantOpen(const QString& path, const QString& what) {
    throw StoreError(
        QCoreApplication::translate("BookFile", "The address book \"%1\" can't be opened: %2.")
            .arg(QDir::toNativeSeparators(path), what));
}

bool isEmptyFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.size() == 0;
}

// Checks an existing file without any chance of writing to it.
void checkExisting(const QString& path, std::chrono::milliseconds busyWait) {
    const QFileInfo info(path);
    if (!info.isFile())
        cantOpen(path, QCoreApplication::translate("BookFile", "it is not a file"));
    if (!info.isReadable())
        cantOpen(path, QCoreApplication::translate("BookFile", "it is not readable"));
    if (info.size() == 0)
        cantOpen(path, QCoreApplication::translate(
                           "BookFile", "it is an empty file, with no address book in it"));
    if (isTruncated(path))
        cantOpen(path, QCoreApplication::translate(
                           "BookFile", "the file is damaged (it is shorter than it should be)"));
    // After a crash a journal may be waiting to be rolled back, which a read-only
    // connection can't do; that roll-back is the repair the file needs.
    const bool journalWaiting = QFileInfo(path + QStringLiteral("-journal")).size() > 0;
    Connection probe(QStringLiteral("QSQLITE"));
    QSqlDatabase db = probe.handle();
    db.setDatabaseName(path);
    db.setConnectOptions(connectOptions(!journalWaiting, busyWait));
    if (!db.open())
        cantOpen(path, explain(db.lastError()));
    readTables(path, db);
}

namespace {

void prepareFolder(const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    const bool newFolder = !QFileInfo::exists(folder);
    if (!QDir().mkpath(folder))
        cantOpen(path, QCoreApplication::translate("BookFile", "its folder can't be created"));
    // A folder made for the book is private to its owner, like the book.
    if (newFolder)
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

void create(const QString& path, std::chrono::milliseconds busyWait) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const bool replacesEmptyFile = isEmptyFile(absolute);
    if (QFileInfo::exists(absolute) && !replacesEmptyFile)
        cantOpen(absolute,
                 QCoreApplication::translate("BookFile", "a file of that name is already there"));
    prepareFolder(absolute);
    // Owner-only rights from the start (SQLite's journal files take the book's
    // rights), and locked while it is made, so that one left by a killed start
    // is removed by the next.
    std::optional<ScratchFile> scratch;
    try {
        scratch.emplace(QFileInfo(absolute).absolutePath(), QStringLiteral(".ravelbook-new-"));
    } catch (const Error& error) {
        cantOpen(absolute, error.message());
    }
    {
        Connection connection(QStringLiteral("QSQLITE"));
        QSqlDatabase db = connection.handle();
        db.setDatabaseName(scratch->path());
        db.setConnectOptions(connectOptions(false, busyWait));
        if (!db.open())
            cantOpen(absolute, explain(db.lastError()));
        schema::create(db, SqliteDialect());
    }
    if (const int failure = scratch->sync())
        cantOpen(absolute, reasonFor(failure));
    const QByteArray temporary = QFile::encodeName(scratch->path());
    const QByteArray target = QFile::encodeName(absolute);
    // A missing book is linked into place, which never replaces a file made
    // meanwhile (the scratch name goes with the scratch file); an empty file is renamed over.
    int failure = replacesEmptyFile ? scratch->renameTo(absolute)
                  : ::link(temporary.constData(), target.constData()) == 0 ? 0
                                                                           : errno;
    // Some file systems (a FAT memory stick) have no links: rename, checking first.
    if (failure != 0 && !replacesEmptyFile && failure != EEXIST)
        failure = QFileInfo::exists(absolute) ? EEXIST : scratch->renameTo(absolute);
    if (failure != 0)
        cantOpen(absolute, QString::fromLocal8Bit(strerror(failure)));
}

bool sameFile(const QString& a, const QString& b) {
    struct stat first {};
    struct stat second {};
    if (::stat(QFile::encodeName(a).constData(), &first) != 0 ||
        ::stat(QFile::encodeName(b).constData(), &second) != 0)
        return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

namespace {

// SQLite calls some writes that found no room an I/O error; the system's
// reason tells a full disk (or a quota, or a limit on a file's size) apart.
std::optional<int> noRoom(sqlite3* db, int code) {
    const int system = sqlite3_system_errno(db);
    if ((code & 0xff) != SQLITE_IOERR || (system != ENOSPC && system != EDQUOT && system != EFBIG))
        return std::nullopt;
    return system;
}

QSqlError full(const QSqlError& error, int system) {
    return QSqlError(error.driverText(),
                     error.databaseText() + QStringLiteral(": ") +
                         QString::fromLocal8Bit(strerror(system)),
                     error.type(), QString::number(SQLITE_FULL));
}

} // namespace

QSqlError errorOf(sqlite3* db) {
    const int code = sqlite3_extended_errcode(db);
    const QSqlError error(QString(), QString::fromUtf8(sqlite3_errmsg(db)),
                          QSqlError::StatementError, QString::number(code));
    const std::optional<int> system = noRoom(db, code);
    return system ? full(error, *system) : error;
}

QSqlError withSystemCause(const QSqlError& error, const QSqlDatabase& connection) {
    if (!error.isValid() || !connection.driver())
        return error;
    const QVariant handle = connection.driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0 || !handle.isValid())
        return error;
    const std::optional<int> system =
        noRoom(*static_cast<sqlite3* const*>(handle.constData()), error.nativeErrorCode().toInt());
    return system ? full(error, *system) : error;
}

} // namespace ravelbook::book_file
