#include "store/schema.h"

#include "store/sql_failure.h"
#include "store/statements.h"

#include <algorithm>
#include <QSqlError>
#include <QSqlQuery>

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

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QSqlQuery runOrThrow(const QSqlDatabase& db, const QString& text) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(text))
        throw SqlFailure(query.lastError());
    return query;
}

} // namespace

std::vector<FoundTable> read(const QSqlDatabase& db) {
    QStringList present;
    QSqlQuery names = runOrThrow(db, sql::listTables());
    while (names.next())
        present << names.value(0).toString();
    if (names.lastError().isValid())
        throw SqlFailure(names.lastError());

    std::vector<FoundTable> found;
    for (const Table& table : tables()) {
        FoundTable f;
        for (const QString& name : present) {
            if (sameName(name, table.name))
                f.name = name;
        }
        if (!f.name.isEmpty()) {
            QSqlQuery info = runOrThrow(db, sql::tableColumns(f.name));
            while (info.next())
                f.columns << info.value(1).toString();
        }
        found.push_back(f);
    }
    return found;
}

QString problemWith(const std::vector<FoundTable>& found) {
    for (std::size_t i = 0; i < tables().size(); ++i) {
        const Table& table = tables()[i];
        const FoundTable& f = found.at(i);
        if (f.name.isEmpty())
            return QStringLiteral("the table \"%1\" is missing").arg(table.name);
        for (const QString& column : table.columns) {
            const bool has = std::any_of(f.columns.begin(), f.columns.end(),
                                         [&](const QString& c) { return sameName(c, column); });
            if (!has)
                return QStringLiteral("the table \"%1\" has no column \"%2\"").arg(f.name, column);
        }
        if (!sameName(f.columns.first(), table.columns.first()))
            return QStringLiteral("\"%1\" must be the first column of the table \"%2\"")
                .arg(table.columns.first(), f.name);
    }
    return {};
}

void create(QSqlDatabase& db) {
    auto run = [&db](const QString& text) { runOrThrow(db, text); };
    if (!db.transaction())
        throw SqlFailure(db.lastError());
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
        throw SqlFailure(db.lastError());
}

} // namespace ravelbook::schema
