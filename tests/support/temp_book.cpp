#include "support/temp_book.h"

#include "store/postgres/postgres_dialect.h"
#include "store/postgres/server_connection.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <unistd.h>

namespace ravelbook::testing {

namespace {

int nextConnection = 0;

QString stateFolder() {
    return qEnvironmentVariable("RAVELBOOK_TEST_POSTGRES_STATE");
}

// The side connection's SQLite words for the server: bare names quoted, the rowid its key.
QString forServer(const QString& statement) {
    static const QRegularExpression bare(
        QStringLiteral("\\b(Addresses|ADDRESSES|Name|Address|Country|Contact|Phone|Notes|Ini|"
                       "VerticalAdjustment)\\b"));
    static const QRegularExpression bracketed(QStringLiteral("\\[(\\d+)\\]"));
    static const QRegularExpression rowid(QStringLiteral("\\b(_rowid_|rowid)\\b"));
    // SQLite's printf('Name %05d', i) in the server's words.
    static const QRegularExpression printf(QStringLiteral("printf\\('([^'%]*)%05d', (\\w+)\\)"));
    const QString text =
        QString(statement).replace(printf, QStringLiteral("'\\1' || lpad(\\2::text, 5, '0')"));
    QString result;
    QString plain;
    const auto flush = [&] {
        plain.replace(bracketed, QStringLiteral("\"\\1\""));
        plain.replace(rowid, PostgresDialect::kKeyColumn);
        plain.replace(bare, QStringLiteral("\"\\1\""));
        plain.replace(QStringLiteral("\"ADDRESSES\""), QStringLiteral("\"Addresses\""));
        result += plain;
        plain.clear();
    };
    QChar quote;
    for (const QChar c : text) {
        if (quote.isNull() && (c == QLatin1Char('\'') || c == QLatin1Char('"'))) {
            flush();
            quote = c;
            result += c;
        } else if (!quote.isNull()) {
            result += c;
            if (c == quote)
                quote = QChar();
        } else {
            plain += c;
        }
    }
    flush();
    return result;
}

// The test server's maintenance database, for making and dropping the books' databases.
QSqlDatabase admin() {
    const QString name = QStringLiteral("test-server-admin");
    if (QSqlDatabase::contains(name))
        return QSqlDatabase::database(name);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    db.setConnectOptions(postgres::connectOptions(serverUri()));
    if (!db.open())
        ADD_FAILURE() << "the test server: " << db.lastError().text().toStdString();
    return db;
}

QSqlQuery runOn(const QString& connection, const QString& text, const QVariantList& bindings) {
    const QString statement = onServer() ? forServer(text) : text;
    QSqlQuery query(QSqlDatabase::database(connection));
    if (bindings.isEmpty()) {
        if (!query.exec(statement))
            ADD_FAILURE() << "exec: " << statement.toStdString() << ": "
                          << query.lastError().text().toStdString();
        return query;
    }
    if (!query.prepare(statement))
        ADD_FAILURE() << "prepare: " << statement.toStdString() << ": "
                      << query.lastError().text().toStdString();
    for (const QVariant& v : bindings)
        query.addBindValue(v);
    if (!query.exec())
        ADD_FAILURE() << "exec: " << statement.toStdString() << ": "
                      << query.lastError().text().toStdString();
    return query;
}

} // namespace

bool onServer() {
    return qEnvironmentVariable("RAVELBOOK_TEST_ENGINE") == QLatin1String("postgresql");
}

QString serverUri() {
    QFile file(stateFolder() + QStringLiteral("/uri"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).trimmed();
}

bool controlServer(const QString& command) {
    return QProcess::execute(QStringLiteral(RAVELBOOK_POSTGRES_SERVER), {command, stateFolder()}) ==
           0;
}

TempBook::TempBook()
    : path_(dir_.filePath(QStringLiteral("book.db"))),
      connection_(QStringLiteral("test-side-%1").arg(nextConnection++)) {
    if (!onServer()) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
        db.setDatabaseName(path_);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        return;
    }
    static int nextDatabase = 0;
    database_ =
        QStringLiteral("book_%1_%2").arg(QCoreApplication::applicationPid()).arg(nextDatabase++);
    QSqlQuery made(admin());
    if (!made.exec(QStringLiteral("CREATE DATABASE ") + database_))
        ADD_FAILURE() << "CREATE DATABASE: " << made.lastError().text().toStdString();
    path_ = serverUri().replace(QStringLiteral(":///postgres?"),
                                QStringLiteral(":///%1?").arg(database_));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection_);
    db.setConnectOptions(postgres::connectOptions(path_));
    if (!db.open())
        ADD_FAILURE() << "the test database: " << db.lastError().text().toStdString();
}

bool TempBook::setWritable(bool writable) {
    bool done = false;
    if (::geteuid() == 0) {
        done =
            QProcess::execute(QStringLiteral("chattr"),
                              {writable ? QStringLiteral("-i") : QStringLiteral("+i"), path_}) == 0;
    } else {
        const auto rights =
            QFile::ReadOwner | (writable ? QFile::WriteOwner : QFile::Permissions());
        done = QFile::setPermissions(path_, rights);
    }
    if (done)
        unwritable_ = !writable;
    return done;
}

TempBook::~TempBook() {
    if (unwritable_)
        setWritable(true); // an immutable file would outlive its temporary folder
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
    if (!database_.isEmpty())
        QSqlQuery(admin()).exec(QStringLiteral("DROP DATABASE %1 WITH (FORCE)").arg(database_));
}

void TempBook::create() {
    Database created(path_);
}

std::unique_ptr<Database> TempBook::open() const {
    // Another program holds a test's book only when the test says so, to see
    // the refusal: waiting the program's full time for it proves nothing more.
    Database::Opening opening;
    opening.busyWait = std::chrono::milliseconds(100);
    return std::make_unique<Database>(path_, opening);
}

void TempBook::exec(const QString& statement, const QVariantList& bindings) {
    runOn(connection_, statement, bindings).finish();
}

qint64 TempBook::addPerson(const Person& person) {
    QString columns = QStringLiteral("Name, Address, \"City State Zip\", Country, Contact");
    QString marks = QStringLiteral("?, ?, ?, ?, ?");
    for (int group : person.groups) {
        columns += QStringLiteral(", [%1]").arg(group);
        marks += QStringLiteral(", -1");
    }
    QSqlQuery query =
        runOn(connection_,
              QStringLiteral("INSERT INTO Addresses (%1) VALUES (%2) RETURNING _rowid_")
                  .arg(columns, marks),
              {person.name ? QVariant(*person.name) : QVariant(), person.address,
               person.cityStateZip, person.country, person.contact});
    return query.next() ? query.value(0).toLongLong() : -1;
}

void TempBook::addPeople(std::initializer_list<Person> people) {
    for (const Person& person : people)
        addPerson(person);
}

QVariantList TempBook::column(const QString& query, const QVariantList& bindings) const {
    QSqlQuery q = runOn(connection_, query, bindings);
    QVariantList values;
    while (q.next())
        values << q.value(0);
    return values;
}

QVariant TempBook::value(const QString& query, const QVariantList& bindings) const {
    return column(query, bindings).value(0);
}

QByteArray TempBook::bytes() const {
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace ravelbook::testing
