#include "store/exchange_statements.h"

#include "store/dialect.h"
#include "store/statements.h"

#include <QStringList>

namespace ravelbook::sql {

QString beginWrite(const Dialect& dialect) {
    return dialect.beginWrite();
}

QString commit() {
    return QStringLiteral("COMMIT");
}

QString rollback() {
    return QStringLiteral("ROLLBACK");
}

QString countRows(const QString& table) {
    return QStringLiteral("SELECT COUNT(*) FROM ") + quoteIdentifier(table);
}

QString selectAddressKeys(const QString& table) {
    return QStringLiteral("SELECT \"Name\", \"Address\", \"City State Zip\", \"Country\" FROM ") +
           quoteIdentifier(table);
}

QString selectColumns(const Dialect& dialect, const QString& table, const QStringList& columns) {
    QStringList quoted;
    for (const QString& column : columns)
        quoted << quoteIdentifier(column);
    return QStringLiteral("SELECT ") + quoted.join(QStringLiteral(", ")) +
           QStringLiteral(" FROM ") + quoteIdentifier(table) + QStringLiteral(" ORDER BY ") +
           dialect.key();
}

QString deleteBlankReturnAddresses(const QString& table) {
    return QStringLiteral("DELETE FROM ") + quoteIdentifier(table) +
           QStringLiteral(" WHERE COALESCE(\"Name\", '') = '' AND COALESCE(\"Address\", '') = '' "
                          "AND COALESCE(\"City State Zip\", '') = ''");
}

QString setVerticalAdjustment(const Dialect& dialect, const QString& table) {
    return QStringLiteral("UPDATE ") + quoteIdentifier(table) +
           QStringLiteral(" SET \"VerticalAdjustment\" = ? WHERE ") + dialect.key() +
           QStringLiteral(" = (SELECT MIN(") + dialect.key() + QStringLiteral(") FROM ") +
           quoteIdentifier(table) + QStringLiteral(")");
}

} // namespace ravelbook::sql
