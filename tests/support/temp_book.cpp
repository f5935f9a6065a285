#include "support/temp_book.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <unistd.h>

namespace ravelbook::testing {

namespace {

int nextConnection = 0;

QSqlQuery runOn(const QString& connection, const QString& statement, const QVariantList& bindings) {
    QSqlQuery query(QSqlDatabase::database(connection));
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

TempBook::TempBook()
    : path_(dir_.filePath(QStringLiteral("book.db"))),
      connection_(QStringLiteral("test-side-%1").arg(nextConnection++)) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(path_);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
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
}

void TempBook::create() {
    Database created(path_);
}

std::unique_ptr<Database> TempBook::open() const {
    return std::make_unique<Database>(path_);
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
    QSqlQuery query = runOn(
        connection_, QStringLiteral("INSERT INTO Addresses (%1) VALUES (%2)").arg(columns, marks),
        {person.name ? QVariant(*person.name) : QVariant(), person.address, person.cityStateZip,
         person.country, person.contact});
    return query.lastInsertId().toLongLong();
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
