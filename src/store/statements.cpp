#include "store/statements.h"

#include "store/dialect.h"

#include <QRegularExpression>

namespace ravelbook::sql {

namespace {

// "NOT Name = Null" of the original texts is written in standard SQL; names
// are quoted, so that a server, which folds bare names to lower case, finds them.
const QString kNamed = QStringLiteral("NOT \"Name\" = '' AND \"Name\" IS NOT NULL");
const QString kFromAddresses = QStringLiteral("SELECT * FROM \"Addresses\"");

} // namespace

RecordSource selectAllAddresses() {
    return {kFromAddresses, {}};
}

RecordSource selectNamedAddresses(const Dialect& dialect) {
    return {kFromAddresses + QStringLiteral(" WHERE ") + kNamed + QStringLiteral(" ORDER BY ") +
                dialect.nameOrder() + QStringLiteral(", ") + dialect.key(),
            {}};
}

RecordSource selectAddressesNamed(const QString& name) {
    return {kFromAddresses + QStringLiteral(" WHERE \"Name\" = ?"), {name}};
}

RecordSource selectAllAddressesByName(const Dialect& dialect) {
    // Equal names in the order they were added, on every engine.
    return {kFromAddresses + QStringLiteral(" ORDER BY ") + dialect.nameOrder() +
                QStringLiteral(", ") + dialect.key(),
            {}};
}

namespace {

// The condition after WHERE of the named members of the groups.
QString groupCondition(const GroupChoice& groups) {
    QStringList terms;
    for (int k = 0; k < kGroupCount; ++k) {
        if (groups[k])
            terms << QStringLiteral("\"%1\" = -1").arg(k);
    }
    if (terms.isEmpty())
        return kNamed;
    // The brackets keep the name test in force for every chosen group.
    return kNamed + QStringLiteral(" AND (") + terms.join(QStringLiteral(" OR ")) +
           QStringLiteral(")");
}

const QString kPrintedColumns = QStringLiteral("\"Name\", \"Address\", \"City State Zip\", "
                                               "\"Country\", \"Contact\", \"Phone\", \"Notes\"");
const QString kPrintedLines =
    QStringLiteral("SELECT ") + kPrintedColumns + QStringLiteral(" FROM \"Addresses\"");

QString marks(int count) {
    QStringList all;
    for (int i = 0; i < count; ++i)
        all << QStringLiteral("?");
    return all.join(QStringLiteral(", "));
}

QString columnList(const QStringList& columns) {
    QStringList quoted;
    for (const QString& column : columns)
        quoted << quoteIdentifier(column);
    return quoted.join(QStringLiteral(", "));
}

// The row of the bound key, while each of `compared` holds the value bound for it.
QString unchangedRow(const Dialect& dialect, const QStringList& compared) {
    QString condition = dialect.key() + QStringLiteral(" = ?");
    for (const QString& column : compared)
        condition += QStringLiteral(" AND ") + quoteIdentifier(column) + QLatin1Char(' ') +
                     dialect.sameValue() + QStringLiteral(" ?");
    return condition;
}

// The key, then `columns`, of the rows a write touched.
QString returning(const Dialect& dialect, const QStringList& columns) {
    QString text = QStringLiteral(" RETURNING ") + dialect.key();
    if (!columns.isEmpty())
        text += QStringLiteral(", ") + columnList(columns);
    return text;
}

} // namespace

RecordSource selectGroups(const GroupChoice& groups) {
    return {kFromAddresses + QStringLiteral(" WHERE ") + groupCondition(groups), {}};
}

RecordSource countGroupMembers(const GroupChoice& groups) {
    return {QStringLiteral("SELECT COUNT(*) FROM \"Addresses\" WHERE ") + groupCondition(groups),
            {}};
}

RecordSource printedGroupMembers(const Dialect& dialect, const GroupChoice& groups, int skip) {
    return {kPrintedLines + QStringLiteral(" WHERE ") + groupCondition(groups) +
                QStringLiteral(" ORDER BY ") + dialect.key() + QLatin1Char(' ') +
                dialect.skipRows(),
            {skip}};
}

RecordSource printedGroupMembersByName(const Dialect& dialect, const GroupChoice& groups,
                                       int skip) {
    return {kPrintedLines + QStringLiteral(" WHERE ") + groupCondition(groups) +
                QStringLiteral(" ORDER BY ") + dialect.nameOrder() + QStringLiteral(", ") +
                dialect.key() + QLatin1Char(' ') + dialect.skipRows(),
            {skip}};
}

RecordSource keyedGroupMembers(const Dialect& dialect, const GroupChoice& groups) {
    return {QStringLiteral("SELECT ") + dialect.key() + QStringLiteral(", ") + kPrintedColumns +
                QStringLiteral(" FROM \"Addresses\" WHERE ") + groupCondition(groups) +
                QStringLiteral(" ORDER BY ") + dialect.key(),
            {}};
}

RecordSource printedRecord(const Dialect& dialect, qint64 key) {
    return {kPrintedLines + QStringLiteral(" WHERE ") + dialect.key() + QStringLiteral(" = ?"),
            {key}};
}

RecordSource firstGroupMemberNamed(const Dialect& dialect, const GroupChoice& groups,
                                   const QString& name) {
    return {QStringLiteral("SELECT ") + dialect.key() +
                QStringLiteral(" FROM \"Addresses\" WHERE ") + groupCondition(groups) +
                QStringLiteral(" AND \"Name\" = ? ORDER BY ") + dialect.key() +
                QStringLiteral(" LIMIT 1"),
            {name}};
}

RecordSource selectReturnAddressLines(const Dialect& dialect) {
    return {QStringLiteral("SELECT \"Name\", \"Address\", \"City State Zip\" FROM "
                           "\"Return Addresses\" ORDER BY ") +
                dialect.key(),
            {}};
}

RecordSource selectStoredAdjustment(const Dialect& dialect) {
    return {QStringLiteral("SELECT \"VerticalAdjustment\" FROM \"Ini\" ORDER BY ") + dialect.key() +
                QStringLiteral(" LIMIT 1"),
            {}};
}

RecordSource selectNothing() {
    return {kFromAddresses + QStringLiteral(" WHERE \"Name\" = 'xxxxxxxxxxxx'"), {}};
}

RecordSource deleteUnnamedAddresses() {
    return {QStringLiteral("DELETE FROM \"Addresses\" WHERE \"Name\" IS NULL OR \"Name\" = ''"),
            {}};
}

RecordSource selectTable(const QString& table) {
    return {QStringLiteral("SELECT * FROM ") + quoteIdentifier(table), {}};
}

bool anyGroup(const GroupChoice& groups) {
    for (bool chosen : groups) {
        if (chosen)
            return true;
    }
    return false;
}

QString quoteIdentifier(const QString& name) {
    QString inner = name;
    inner.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

QString keysOf(const Dialect& dialect, const QString& recordSourceText, const QString& column) {
    static const QRegularExpression selectStar(QStringLiteral(R"(^\s*SELECT\s+\*\s+FROM\s+(.+)$)"),
                                               QRegularExpression::CaseInsensitiveOption |
                                                   QRegularExpression::DotMatchesEverythingOption);
    const auto match = selectStar.match(recordSourceText);
    if (!match.hasMatch())
        return {};
    return QStringLiteral("SELECT ") + dialect.key() + QStringLiteral(", ") +
           quoteIdentifier(column) + QStringLiteral(" FROM ") + match.captured(1);
}

QString selectRows(const Dialect& dialect, const QString& table, const QStringList& columns,
                   int count) {
    return QStringLiteral("SELECT ") + dialect.key() + QStringLiteral(", ") + columnList(columns) +
           QStringLiteral(" FROM ") + quoteIdentifier(table) + QStringLiteral(" WHERE ") +
           dialect.key() + QStringLiteral(" IN (") + marks(count) + QStringLiteral(")");
}

QString updateRow(const Dialect& dialect, const QString& table, const QStringList& columns,
                  const QStringList& compared) {
    QStringList assignments;
    for (const QString& column : columns)
        assignments << quoteIdentifier(column) + QStringLiteral(" = ?");
    return QStringLiteral("UPDATE ") + quoteIdentifier(table) + QStringLiteral(" SET ") +
           assignments.join(QStringLiteral(", ")) + QStringLiteral(" WHERE ") +
           unchangedRow(dialect, compared) + returning(dialect, compared);
}

QString insertRow(const Dialect& dialect, const QString& table, const QStringList& columns,
                  const QStringList& returned) {
    const QString values = columns.isEmpty() ? QStringLiteral(" DEFAULT VALUES")
                                             : QStringLiteral(" (") + columnList(columns) +
                                                   QStringLiteral(") VALUES (") +
                                                   marks(int(columns.size())) + QStringLiteral(")");
    return QStringLiteral("INSERT INTO ") + quoteIdentifier(table) + values +
           returning(dialect, returned);
}

QString insertValues(const QString& table, const QStringList& columns, int rows) {
    const QString row = QStringLiteral("(") + marks(int(columns.size())) + QStringLiteral(")");
    QStringList values;
    for (int i = 0; i < rows; ++i)
        values << row;
    return QStringLiteral("INSERT INTO ") + quoteIdentifier(table) + QStringLiteral(" (") +
           columnList(columns) + QStringLiteral(") VALUES ") + values.join(QStringLiteral(", "));
}

QString columnDefinitions(const QStringList& texts, const QStringList& numbers) {
    QStringList definitions;
    for (const QString& column : texts)
        definitions << quoteIdentifier(column) + QStringLiteral(" TEXT");
    for (const QString& column : numbers)
        definitions << quoteIdentifier(column) + QStringLiteral(" INTEGER NOT NULL DEFAULT 0");
    return definitions.join(QStringLiteral(", "));
}

QString createTable(const Dialect& dialect, const QString& table, const QString& definitions) {
    return QStringLiteral("CREATE TABLE ") + quoteIdentifier(table) + QStringLiteral(" (") +
           definitions + dialect.keyColumnDefinition() + QStringLiteral(")");
}

QString insertDefaultRow(const QString& table) {
    return QStringLiteral("INSERT INTO ") + quoteIdentifier(table) +
           QStringLiteral(" DEFAULT VALUES");
}

QString deleteRow(const Dialect& dialect, const QString& table, const QStringList& compared) {
    return QStringLiteral("DELETE FROM ") + quoteIdentifier(table) + QStringLiteral(" WHERE ") +
           unchangedRow(dialect, compared);
}

} // namespace ravelbook::sql
