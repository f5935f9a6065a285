// Writes a synthetic address book of N records, the same for the same N:
//   ravelbook_make_book BOOK N
//   ravelbook_make_book --database URI N   into an empty database on a PostgreSQL server
// The records are those of SyntheticBook.
#include "store/database.h"
#include "store/postgres/postgres_dialect.h"
#include "store/postgres/server_connection.h"
#include "store/schema.h"
#include "store/statements.h"
#include "synthetic_book.h"

#include <cstdio>
#include <cstdlib>
#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace {

int fail(const QString& what) {
    std::fprintf(stderr, "ravelbook_make_book: %s\n", qPrintable(what));
    return 1;
}

// Makes the tables of a new book in an empty server database, with the
// statements the program makes them with. Opening the empty database would make
// them too, but that path prepares every statement, and Qt's PostgreSQL driver
// prepares with SQL PREPARE, which takes no CREATE. Returns why it failed.
QString makeServerTables(const QString& uri) {
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("new"));
        if (const auto refused = ravelbook::postgres::open(db, uri, std::nullopt))
            return refused->message;
        const ravelbook::PostgresDialect dialect;
        QStringList statements;
        QStringList names;
        for (const ravelbook::schema::Table& table : ravelbook::schema::tables()) {
            statements << QStringLiteral("CREATE TABLE ") +
                              ravelbook::sql::quoteIdentifier(table.name) + QStringLiteral(" (") +
                              table.columnDefinitions + dialect.keyColumnDefinition() +
                              QStringLiteral(")");
            names << table.name;
        }
        statements << dialect.bookExtras(names) << dialect.setLayout(ravelbook::schema::kLayout)
                   << ravelbook::sql::insertDefaultRow(ravelbook::schema::kIni)
                   << ravelbook::sql::insertDefaultRow(ravelbook::schema::kReturnAddresses);
        db.transaction();
        for (const QString& statement : statements) {
            QSqlQuery query(db);
            if (!query.exec(statement)) {
                failure = query.lastError().text();
                break;
            }
        }
        if (failure.isEmpty() && !db.commit())
            failure = db.lastError().text();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("new"));
    return failure;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const bool server = argc == 4 && qstrcmp(argv[1], "--database") == 0;
    if (argc != 3 && !server)
        return fail(QStringLiteral("usage: ravelbook_make_book BOOK N | --database URI N"));
    const QString path = QString::fromLocal8Bit(argv[argc - 2]);
    const long count = std::strtol(argv[argc - 1], nullptr, 10);
    if (count < 0)
        return fail(QStringLiteral("N must be 0 or more"));
    if (server) {
        const QString failure = makeServerTables(path);
        if (!failure.isEmpty())
            return fail(failure);
    } else {
        QFile::remove(path);
    }

    try {
        // The program's own creation path makes a file's tables, as for a new
        // book; a server's it takes for a book.
        const ravelbook::Database created(path);
    } catch (const std::exception& error) {
        return fail(QString::fromUtf8(error.what()));
    }

    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(
            server ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"), QStringLiteral("make"));
        if (server) {
            if (const auto refused = ravelbook::postgres::open(db, path, std::nullopt))
                return fail(refused->message);
        } else {
            db.setDatabaseName(path);
            if (!db.open())
                return fail(db.lastError().text());
        }
        { // the statements are freed before their connection is closed
            // Quoted, so that a server, which folds bare names to lower case, finds them.
            QStringList columns;
            for (const QString& column : ravelbook::schema::tables().front().columns)
                columns << ravelbook::sql::quoteIdentifier(column);
            const QStringList marks(columns.size(), QStringLiteral("?"));
            db.transaction();
            QSqlQuery insert(db);
            insert.prepare(
                QStringLiteral("INSERT INTO \"Addresses\" (%1) VALUES (%2)")
                    .arg(columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))));
            ravelbook::bench::SyntheticBook book;
            for (long i = 0; i < count; ++i) {
                const ravelbook::bench::SyntheticRecord r = book.next();
                for (const QString& value :
                     {r.name(), r.address, r.city, r.country, r.contact, r.phone, r.notes})
                    insert.addBindValue(value);
                for (const bool member : r.groups)
                    insert.addBindValue(member ? -1 : 0);
                if (!insert.exec())
                    return fail(insert.lastError().text());
            }
            QSqlQuery returnAddress(db);
            returnAddress.exec(QStringLiteral(
                "UPDATE \"Return Addresses\" SET \"Name\" = 'Ravelbook Benchmarks', "
                "\"Address\" = '1 Bench Way', \"City State Zip\" = 'Springfield, IL 62701'"));
            ok = db.commit();
            // The server's autovacuum would soon do the same; done now, every run
            // is timed on the same plans and the same visibility map.
            if (ok && server)
                ok = QSqlQuery(db).exec(QStringLiteral("VACUUM ANALYZE"));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("make"));
    return ok ? 0 : fail(QStringLiteral("the records could not be written"));
}
