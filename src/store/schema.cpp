#include "store/schema.h"

#include "store/statements.h"
#include "store/store_error.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace ravelbook::schema {

QString groupColumn(int group) {
    return QString::number(group);
}

const std::vector<Table>& tables() {
    static const std::vector<Table> all = [] {
        QStringList addressColumns{QStringLiteral("Name"),           QStringLiteral("Address"),
                                   QStringLiteral("City State Zip"), QStringLiteral("Country"),
                                   QStringLiteral("Contact"),        QStringLiteral("Phone"),
                                   QStringLiteral("Notes")};
        QString create = QStringLiteral(
            "CREATE TABLE Addresses (Name TEXT, Address TEXT, \"City State Zip\" TEXT, "
            "Country TEXT, Contact TEXT, Phone TEXT, Notes TEXT");
        for (int k = 0; k < sql::kGroupCount; ++k) {
            addressColumns << groupColumn(k);
            create += QStringLiteral(", [%1] INTEGER NOT NULL DEFAULT 0").arg(k);
        }
        create += QStringLiteral(")");
        return std::vector<Table>{
            {kAddresses, addressColumns, create},
            {kReturnAddresses,
             {QStringLiteral("Name"), QStringLiteral("Address"), QStringLiteral("City State Zip")},
             QStringLiteral("CREATE TABLE \"Return Addresses\" (Name TEXT, Address TEXT, "
                            "\"City State Zip\" TEXT)")},
            {kIni,
             {QStringLiteral("VerticalAdjustment")},
             QStringLiteral("CREATE TABLE Ini (VerticalAdjustment INTEGER NOT NULL DEFAULT 0)")},
        };
    }();
    return all;
}

namespace {

QString actualTableName(const QSqlDatabase& db, const QString& wanted) {
    const QStringList present = db.tables(QSql::Tables);
    for (const QString& name : present) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return name;
    }
    return {};
}

bool hasColumn(const QSqlRecord& record, const QString& column) {
    for (int i = 0; i < record.count(); ++i) {
        if (record.fieldName(i).compare(column, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

QString problemWith(const QSqlDatabase& db) {
    // Reading the schema is the first thing that touches the file, so this is
    // also where a file that is not SQLite at all shows itself.
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
        return probe.lastError().databaseText();
    probe.finish();

    for (const Table& table : tables()) {
        const QString actual = actualTableName(db, table.name);
        if (actual.isEmpty())
            return QStringLiteral("the table \"%1\" is missing").arg(table.name);
        const QSqlRecord record = db.record(actual);
        for (const QString& column : table.columns) {
            if (!hasColumn(record, column))
                return QStringLiteral("the table \"%1\" has no column \"%2\"").arg(actual, column);
        }
        if (record.fieldName(0).compare(table.columns.first(), Qt::CaseInsensitive) != 0)
            return QStringLiteral("\"%1\" must be the first column of the table \"%2\"")
                .arg(table.columns.first(), actual);
    }
    return {};
}

void create(QSqlDatabase& db) {
    auto run = [&db](const QString& text) {
        QSqlQuery query(db);
        if (!query.exec(text))
            throw StoreError(query.lastError().databaseText());
    };
    if (!db.transaction())
        throw StoreError(db.lastError().databaseText());
    try {
        for (const Table& table : tables())
            run(table.createText);
        run(sql::insertDefaultRow(kIni));
        run(sql::insertDefaultRow(kReturnAddresses));
    } catch (...) {
        db.rollback();
        throw;
    }
    if (!db.commit())
        throw StoreError(db.lastError().databaseText());
}

} // namespace ravelbook::schema
