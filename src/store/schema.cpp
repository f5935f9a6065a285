#include "store/schema.h"

#include "core/field_table.h"
#include "store/dialect.h"
#include "store/sql_failure.h"
#include "store/statements.h"
#include "store/write_transaction.h"

#include <algorithm>
#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

namespace ravelbook::schema {

QString groupColumn(int group) {
    return QString::number(group);
}

const std::vector<Table>& tables() {
    static const std::vector<Table> all = [] {
        const QStringList fields(fieldColumns().begin(), fieldColumns().end());
        QStringList groups;
        for (int k = 0; k < kGroupCount; ++k)
            groups << groupColumn(k);
        // A return address has the first three fields of a record.
        const QStringList returnColumns = fields.mid(0, 3);
        const QStringList iniColumns{QStringLiteral("VerticalAdjustment")};
        return std::vector<Table>{
            {kAddresses, fields + groups, sql::columnDefinitions(fields, groups)},
            {kReturnAddresses, returnColumns, sql::columnDefinitions(returnColumns, {})},
            {kIni, iniColumns, sql::columnDefinitions({}, iniColumns)},
        };
    }();
    return all;
}

namespace {

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QSqlQuery runOrThrow(const QSqlDatabase& db, const QString& text,
                     const QVariantList& bindings = {}) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    bool done = false;
    if (bindings.isEmpty()) {
        done = query.exec(text); // a server prepares no CREATE or COMMENT
    } else {
        done = query.prepare(text);
        for (const QVariant& value : bindings)
            query.addBindValue(value);
        done = done && query.exec();
    }
    if (!done)
        throw SqlFailure(query.lastError());
    return query;
}

} // namespace

Found read(const QSqlDatabase& db, const Dialect& dialect) {
    QStringList present;
    QSqlQuery names = runOrThrow(db, dialect.listTables());
    while (names.next())
        present << names.value(0).toString();
    if (names.lastError().isValid())
        throw SqlFailure(names.lastError());

    Found found;
    found.empty = present.isEmpty();
    const QString key = dialect.key();
    const bool needsKey = !dialect.keyColumnDefinition().isEmpty();
    for (const Table& table : tables()) {
        FoundTable f;
        for (const QString& name : present) {
            if (name.compare(table.name, dialect.nameCase()) == 0)
                f.name = name;
        }
        if (!f.name.isEmpty()) {
            QSqlQuery info = runOrThrow(db, dialect.tableColumns(), {f.name});
            f.keyed = !needsKey;
            while (info.next()) {
                const QString column = info.value(0).toString();
                if (needsKey && column == key)
                    f.keyed = true;
                else
                    f.columns << column;
            }
        }
        found.tables.push_back(f);
    }
    return found;
}

int layoutOf(const QSqlDatabase& db, const Dialect& dialect) {
    QSqlQuery query = runOrThrow(db, dialect.layout());
    return query.next() ? query.value(0).toInt() : 0;
}

QString problemWith(const std::vector<FoundTable>& found) {
    for (std::size_t i = 0; i < tables().size(); ++i) {
        if (!found.at(i).name.isEmpty() && !found.at(i).keyed)
            return QCoreApplication::translate("Schema", "the table \"%1\" has lost its key column")
                .arg(found.at(i).name);
    }
    for (std::size_t i = 0; i < tables().size(); ++i) {
        const Table& table = tables()[i];
        const FoundTable& f = found.at(i);
        if (f.name.isEmpty())
            return QCoreApplication::translate("Schema", "the table \"%1\" is missing")
                .arg(table.name);
        for (const QString& column : table.columns) {
            const bool has = std::any_of(f.columns.begin(), f.columns.end(),
                                         [&](const QString& c) { return sameName(c, column); });
            if (!has)
                return QCoreApplication::translate("Schema",
                                                   "the table \"%1\" has no column \"%2\"")
                    .arg(f.name, column);
        }
        if (!sameName(f.columns.first(), table.columns.first()))
            return QCoreApplication::translate(
                       "Schema", "\"%1\" must be the first column of the table \"%2\"")
                .arg(table.columns.first(), f.name);
    }
    return {};
}

QString refusal(const Found& found, int layout) {
    const QString problem = problemWith(found.tables);
    if (!problem.isEmpty())
        return QCoreApplication::translate("Schema", "it is not a Ravelbook address book (%1)")
            .arg(problem);
    if (layout > kLayout)
        return QCoreApplication::translate("Schema", "it was made by a newer Ravelbook");
    return {};
}

void create(QSqlDatabase& db, const Dialect& dialect) {
    auto run = [&db](const QString& text) { runOrThrow(db, text); };
    WriteTransaction transaction(db);
    QStringList names;
    for (const Table& table : tables()) {
        run(sql::createTable(dialect, table.name, table.columnDefinitions));
        names << table.name;
    }
    for (const QString& extra : dialect.bookExtras(names))
        run(extra);
    run(dialect.setLayout(kLayout));
    run(sql::insertDefaultRow(kIni));
    run(sql::insertDefaultRow(kReturnAddresses));
    transaction.commit();
}

} // namespace ravelbook::schema
