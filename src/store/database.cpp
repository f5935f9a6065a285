#include "store/database.h"

#include "store/schema.h"
#include "store/sql_failure.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <unistd.h>

namespace ravelbook {

namespace {

// Another program may hold the file for a moment; wait this long before reporting it.
constexpr int kBusyTimeoutMs = 2000;

QString newConnectionName() {
    static QAtomicInt counter;
    return QStringLiteral("ravelbook-%1").arg(counter.fetchAndAddRelaxed(1));
}

// Scoped Qt connection: Qt wants every copy of the handle gone before removal.
class Connection {
public:
    Connection(const QString& path, const QString& options) : name_(newConnectionName()) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path);
        db.setConnectOptions(options);
    }
    ~Connection() {
        if (name_.isEmpty())
            return;
        {
            QSqlDatabase db = QSqlDatabase::database(name_, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name_);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    QSqlDatabase handle() const { return QSqlDatabase::database(name_, false); }
    QString release() {
        QString name = name_;
        name_.clear();
        return name;
    }

private:
    QString name_;
};

QString busyOption() {
    return QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs);
}

[[noreturn]] void cantOpen(const QString& path, const QString& what) {
    throw StoreError(QStringLiteral("The address book \"%1\" can't be opened: %2.")
                         .arg(QDir::toNativeSeparators(path), what));
}

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

// Reads the three tables of an open file; a file that is not an address book
// is reported with the reason.
std::vector<schema::FoundTable> readTables(const QString& path, const QSqlDatabase& db) {
    std::vector<schema::FoundTable> found;
    try {
        found = schema::read(db);
    } catch (const SqlFailure& failure) {
        if (isBusy(failure.error()))
            cantOpen(path, explain(failure.error()));
        cantOpen(path, QStringLiteral("it is not a Ravelbook address book (%1)")
                           .arg(failure.error().databaseText()));
    }
    const QString problem = schema::problemWith(found);
    if (!problem.isEmpty())
        cantOpen(path, QStringLiteral("it is not a Ravelbook address book (%1)").arg(problem));
    return found;
}

// Checks an existing file without any chance of writing to it.
void checkExisting(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile())
        cantOpen(path, QStringLiteral("it is not a file"));
    if (!info.isReadable())
        cantOpen(path, QStringLiteral("it is not readable"));
    if (info.size() == 0)
        cantOpen(path, QStringLiteral("it is an empty file, with no address book in it"));
    if (isTruncated(path))
        cantOpen(path, QStringLiteral("the file is damaged (it is shorter than it should be)"));
    // After a crash a journal may be waiting to be rolled back, which a read-only
    // connection can't do; that roll-back is the repair the file needs.
    const bool journalWaiting = QFileInfo(path + QStringLiteral("-journal")).size() > 0;
    Connection probe(path, journalWaiting
                               ? busyOption()
                               : QStringLiteral("QSQLITE_OPEN_READONLY;") + busyOption());
    QSqlDatabase db = probe.handle();
    if (!db.open())
        cantOpen(path, explain(db.lastError()));
    readTables(path, db);
}

void prepareFolder(const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    const bool newFolder = !QFileInfo::exists(folder);
    if (!QDir().mkpath(folder))
        cantOpen(path, QStringLiteral("its folder can't be created"));
    // A folder made for the book is private to its owner, like the book.
    if (newFolder)
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool isStatementWrite(const QString& text) {
    static const char* const writes[] = {"INSERT", "UPDATE", "DELETE", "REPLACE"};
    const QString start = text.trimmed().left(8).toUpper();
    for (const char* word : writes) {
        if (start.startsWith(QLatin1String(word)))
            return true;
    }
    return false;
}

} // namespace

bool Database::isEmptyFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.size() == 0;
}

void Database::createNewBook(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const bool replacesEmptyFile = isEmptyFile(absolute);
    if (QFileInfo::exists(absolute) && !replacesEmptyFile)
        cantOpen(absolute, QStringLiteral("a file of that name is already there"));
    prepareFolder(absolute);
    // Owner-only rights from the start; SQLite's journal files take the book's rights.
    QByteArray pattern = QFile::encodeName(QFileInfo(absolute).absolutePath() +
                                           QStringLiteral("/.ravelbook-new-XXXXXX"));
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0)
        cantOpen(absolute, QString::fromLocal8Bit(strerror(errno)));
    ::close(fd);
    const QString temporary = QFile::decodeName(pattern);
    try {
        {
            Connection connection(temporary, busyOption());
            QSqlDatabase db = connection.handle();
            if (!db.open())
                cantOpen(absolute, explain(db.lastError()));
            schema::create(db);
        }
        const int done = ::open(pattern.constData(), O_RDONLY | O_CLOEXEC);
        if (done >= 0) {
            ::fsync(done);
            ::close(done);
        }
        const QByteArray target = QFile::encodeName(absolute);
        // A missing book is linked into place, which never replaces a file made
        // meanwhile; an empty file is renamed over.
        int placed = replacesEmptyFile ? ::rename(pattern.constData(), target.constData())
                                       : ::link(pattern.constData(), target.constData());
        // Some file systems (a FAT memory stick) have no links: rename, checking first.
        if (placed != 0 && !replacesEmptyFile && errno != EEXIST) {
            placed = QFileInfo::exists(absolute)
                         ? -1
                         : ::rename(pattern.constData(), target.constData());
            if (placed != 0 && QFileInfo::exists(absolute))
                errno = EEXIST;
        }
        if (placed != 0)
            cantOpen(absolute, QString::fromLocal8Bit(strerror(errno)));
    } catch (...) {
        ::unlink(pattern.constData());
        throw;
    }
    ::unlink(pattern.constData()); // the link's other name; gone already after a rename
}

Database::Database(const QString& path, Access access)
    : path_(QFileInfo(path).absoluteFilePath()), readOnly_(access == Access::ReadOnly) {
    if (QFileInfo::exists(path_))
        checkExisting(path_);
    else if (readOnly_)
        cantOpen(path_, QStringLiteral("there is no such file"));
    else
        createNewBook(path_);

    Connection connection(path_, readOnly_ ? QStringLiteral("QSQLITE_OPEN_READONLY;") + busyOption()
                                           : busyOption());
    QSqlDatabase db = connection.handle();
    if (!db.open())
        cantOpen(path_, explain(db.lastError()));
    tables_ = readTables(path_, db);
    db = QSqlDatabase();
    connectionName_ = connection.release();
}

Database::~Database() {
    retired_.push_back(connectionName_);
    for (const QString& name : retired_) {
        {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
}

QString Database::damageNotice() const {
    return QStringLiteral("The address book \"%1\" is damaged (%2): restore it from a backup "
                          "copy. Until then Ravelbook writes nothing more to it.")
        .arg(QDir::toNativeSeparators(path_), damage_);
}

void Database::fail(const QSqlError& error, const QString& context) const {
    if (isDamage(error) && !damaged_) {
        // Said once, naming the file; later failures say what they failed to do.
        damaged_ = true;
        damage_ = error.databaseText().isEmpty() ? error.text() : error.databaseText();
        throw SqlFailure(error, damageNotice(), true);
    }
    throw SqlFailure(error, context);
}

void Database::refuseWriteWhenDamaged(const QString& text) const {
    if (isStatementWrite(text))
        requireWritable();
}

void Database::requireWritable() const {
    if (damaged_)
        throw StoreError(QStringLiteral("Nothing was written: the address book \"%1\" is damaged "
                                        "(%2). Restore the file from a backup copy.")
                             .arg(QDir::toNativeSeparators(path_), damage_));
}

bool Database::reopenForWriting() const {
    if (readOnly_ || ::access(QFile::encodeName(path_).constData(), W_OK) != 0)
        return false;
    Connection fresh(path_, busyOption());
    if (!fresh.handle().open())
        return false;
    retired_.push_back(connectionName_);
    connectionName_ = fresh.release();
    return true;
}

QSqlDatabase Database::connection() const {
    return QSqlDatabase::database(connectionName_, false);
}

QSqlQuery Database::prepare(const QString& text) const {
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (!query.prepare(text))
        fail(query.lastError(), QStringLiteral("The address book refused a statement: %1."));
    return query;
}

QSqlQuery Database::execute(const QString& text, const QVariantList& bindings) const {
    QSqlQuery query = prepare(text);
    for (const QVariant& value : bindings)
        query.addBindValue(value);
    query.exec();
    return query;
}

QSqlQuery Database::run(const QString& text, const QVariantList& bindings) const {
    refuseWriteWhenDamaged(text);
    QSqlQuery query = execute(text, bindings);
    if (query.lastError().isValid() && isReadOnly(query.lastError()) && reopenForWriting())
        query = execute(text, bindings);
    if (query.lastError().isValid())
        fail(query.lastError(), QStringLiteral("The address book could not do this: %1."));
    return query;
}

const schema::FoundTable& Database::found(const QString& table) const {
    for (const schema::FoundTable& t : tables_) {
        if (t.name.compare(table, Qt::CaseInsensitive) == 0)
            return t;
    }
    throw StoreError(QStringLiteral("The address book has no table \"%1\".").arg(table));
}

QString Database::tableName(const QString& table) const {
    return found(table).name;
}

QStringList Database::columns(const QString& table) const {
    return found(table).columns;
}

void Database::runDirect(const QString& path, const sql::RecordSource& statement) {
    if (!QFileInfo::exists(path))
        throw StoreError(QStringLiteral("The address book \"%1\" is missing.")
                             .arg(QDir::toNativeSeparators(path)));
    const QString context = QStringLiteral("The address book could not do this: %1.");
    Connection connection(path, busyOption());
    QSqlDatabase db = connection.handle();
    if (!db.open())
        throw SqlFailure(db.lastError(), context);
    QSqlQuery query(db);
    if (!query.prepare(statement.text))
        throw SqlFailure(query.lastError(), context);
    for (const QVariant& value : statement.bindings)
        query.addBindValue(value);
    if (!query.exec())
        throw SqlFailure(query.lastError(), context);
}

} // namespace ravelbook
