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

[[noreturn]] void fail(const QString& path, const QString& what) {
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
            fail(path, explain(failure.error()));
        fail(path, QStringLiteral("it is not a Ravelbook address book (%1)")
                       .arg(failure.error().databaseText()));
    }
    const QString problem = schema::problemWith(found);
    if (!problem.isEmpty())
        fail(path, QStringLiteral("it is not a Ravelbook address book (%1)").arg(problem));
    return found;
}

// Checks an existing file without any chance of writing to it.
void checkExisting(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile())
        fail(path, QStringLiteral("it is not a file"));
    if (!info.isReadable())
        fail(path, QStringLiteral("it is not readable"));
    if (isTruncated(path))
        fail(path, QStringLiteral("the file is damaged (it is shorter than it should be)"));
    // After a crash a journal may be waiting to be rolled back, which a read-only
    // connection can't do; that roll-back is the repair the file needs.
    const bool journalWaiting = QFileInfo(path + QStringLiteral("-journal")).size() > 0;
    Connection probe(path, journalWaiting
                               ? busyOption()
                               : QStringLiteral("QSQLITE_OPEN_READONLY;") + busyOption());
    QSqlDatabase db = probe.handle();
    if (!db.open())
        fail(path, explain(db.lastError()));
    readTables(path, db);
}

void createNew(const QString& path) {
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    const bool newFolder = !QFileInfo::exists(folder);
    if (!QDir().mkpath(folder))
        fail(path, QStringLiteral("its folder can't be created"));
    // A folder made for the book is private to its owner, like the book.
    if (newFolder)
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // Created by us with owner-only rights before SQLite sees it; SQLite's journal
    // files take the rights of the database file.
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0)
        fail(path, QString::fromLocal8Bit(strerror(errno)));
    ::close(fd);
    try {
        Connection connection(path, busyOption());
        QSqlDatabase db = connection.handle();
        if (!db.open())
            fail(path, explain(db.lastError()));
        schema::create(db);
    } catch (...) {
        QFile::remove(path);
        throw;
    }
}

} // namespace

Database::Database(const QString& path, Access access) : path_(QFileInfo(path).absoluteFilePath()) {
    const bool readOnly = access == Access::ReadOnly;
    if (QFileInfo::exists(path_))
        checkExisting(path_);
    else if (readOnly)
        fail(path_, QStringLiteral("there is no such file"));
    else
        createNew(path_);

    Connection connection(path_, readOnly ? QStringLiteral("QSQLITE_OPEN_READONLY;") + busyOption()
                                          : busyOption());
    QSqlDatabase db = connection.handle();
    if (!db.open())
        fail(path_, explain(db.lastError()));
    tables_ = readTables(path_, db);
    db = QSqlDatabase();
    connectionName_ = connection.release();
}

Database::~Database() {
    {
        QSqlDatabase db = connection();
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName_);
}

QSqlDatabase Database::connection() const {
    return QSqlDatabase::database(connectionName_, false);
}

QSqlQuery Database::prepare(const QString& text) const {
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (!query.prepare(text))
        throw SqlFailure(query.lastError(),
                         QStringLiteral("The address book refused a statement: %1."));
    return query;
}

QSqlQuery Database::run(const QString& text, const QVariantList& bindings) const {
    QSqlQuery query = prepare(text);
    for (const QVariant& value : bindings)
        query.addBindValue(value);
    if (!query.exec())
        throw SqlFailure(query.lastError(),
                         QStringLiteral("The address book could not do this: %1."));
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
