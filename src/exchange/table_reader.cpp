#include "exchange/table_reader.h"

#include "store/store_error.h"

#include <QCoreApplication>

namespace ravelbook::exchange {

namespace {

std::optional<QString> findTable(const TableReader& reader, const QString& name) {
    for (const QString& table : reader.tableNames()) {
        if (table.compare(name, Qt::CaseInsensitive) == 0)
            return table;
    }
    return std::nullopt;
}

int columnOf(const SourceTable& table, const char* name) {
    for (int c = 0; c < table.columns.size(); ++c) {
        if (table.columns[c].compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return c;
    }
    return -1;
}

QString valueAt(const QStringList& row, int column) {
    return column >= 0 && column < row.size() ? row[column] : QString();
}

} // namespace

bool isBookLayout(const TableReader& reader) {
    const auto addresses = findTable(reader, QStringLiteral("Addresses"));
    if (!addresses)
        return false;
    const QStringList columns = reader.columnNames(*addresses);
    if (!columns.contains(QStringLiteral("Name"), Qt::CaseInsensitive))
        return false;
    for (int k = 0; k < kGroupCount; ++k) {
        if (!columns.contains(QString::number(k)))
            return false;
    }
    return true;
}

ImportSource importTables(const TableReader& reader, const QString& table) {
    ImportSource source;
    if (!table.isEmpty()) {
        const auto found = findTable(reader, table);
        if (!found)
            throw StoreError(QCoreApplication::translate(
                                 "TableReader", "The file has no table \"%1\"; its tables are: %2.")
                                 .arg(table, reader.tableNames().join(QStringLiteral(", "))));
        source.table = reader.readTable(*found);
        if (found->compare(QLatin1String("Addresses"), Qt::CaseInsensitive) != 0 ||
            !isBookLayout(reader))
            return source;
    } else if (isBookLayout(reader)) {
        source.table = reader.readTable(*findTable(reader, QStringLiteral("Addresses")));
    } else {
        throw StoreError(
            QCoreApplication::translate("TableReader",
                                        "The file is not an address book in Ravelbook's layout; "
                                        "choose one of its tables: %1.")
                .arg(reader.tableNames().join(QStringLiteral(", "))));
    }

    BookExtras extras;
    if (const auto returns = findTable(reader, QStringLiteral("Return Addresses"))) {
        const SourceTable rows = reader.readTable(*returns);
        const int name = columnOf(rows, "Name"), address = columnOf(rows, "Address"),
                  city = columnOf(rows, "City State Zip");
        for (const QStringList& row : rows.rows) {
            const std::array<QString, 3> values{valueAt(row, name), valueAt(row, address),
                                                valueAt(row, city)};
            if (!(values[0] + values[1] + values[2]).isEmpty())
                extras.returnAddresses.push_back(values);
        }
    }
    if (const auto ini = findTable(reader, QStringLiteral("Ini"))) {
        const SourceTable rows = reader.readTable(*ini);
        const int column = columnOf(rows, "VerticalAdjustment");
        bool ok = false;
        const int value = rows.rows.empty() ? 0 : valueAt(rows.rows.front(), column).toInt(&ok);
        if (ok)
            extras.verticalAdjustment = value;
    }
    source.book = extras;
    return source;
}

} // namespace ravelbook::exchange
