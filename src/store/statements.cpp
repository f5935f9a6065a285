#include "store/statements.h"

#include <QRegularExpression>

namespace ravelbook::sql {

namespace {

// "NOT Name = Null" of the original texts is written in SQLite's form.
const QString kNamedBase =
    QStringLiteral("SELECT * FROM Addresses WHERE NOT Name = '' AND Name IS NOT NULL");

} // namespace

RecordSource selectAllAddresses() {
    return {QStringLiteral("SELECT * FROM Addresses"), {}};
}

RecordSource selectNamedAddresses() {
    return {kNamedBase + QStringLiteral(" ORDER BY Name"), {}};
}

RecordSource selectAddressesNamed(const QString& name) {
    return {QStringLiteral("SELECT * FROM Addresses WHERE Name = ?"), {name}};
}

RecordSource selectAllAddressesByName() {
    return {QStringLiteral("SELECT * FROM ADDRESSES ORDER BY Name"), {}};
}

namespace {

// The condition after WHERE of the named members of the groups.
QString groupCondition(const GroupChoice& groups) {
    QStringList terms;
    for (int k = 0; k < kGroupCount; ++k) {
        if (groups[k])
            terms << QStringLiteral("[%1] = -1").arg(k);
    }
    const QString named = QStringLiteral("NOT Name = '' AND Name IS NOT NULL");
    if (terms.isEmpty())
        return named;
    // The brackets keep the name test in force for every chosen group.
    return named + QStringLiteral(" AND (") + terms.join(QStringLiteral(" OR ")) +
           QStringLiteral(")");
}

const QString kPrintedLines =
    QStringLiteral("SELECT Name, Address, \"City State Zip\", Country, Contact FROM Addresses");

} // namespace

RecordSource selectGroups(const GroupChoice& groups) {
    return {QStringLiteral("SELECT * FROM Addresses WHERE ") + groupCondition(groups), {}};
}

RecordSource countGroupMembers(const GroupChoice& groups) {
    return {QStringLiteral("SELECT COUNT(*) FROM Addresses WHERE ") + groupCondition(groups), {}};
}

RecordSource printedGroupMembers(const GroupChoice& groups, int skip) {
    return {kPrintedLines + QStringLiteral(" WHERE ") + groupCondition(groups) +
                QStringLiteral(" ORDER BY _rowid_ LIMIT -1 OFFSET ?"),
            {skip}};
}

RecordSource printedRecord(qint64 key) {
    return {kPrintedLines + QStringLiteral(" WHERE _rowid_ = ?"), {key}};
}

RecordSource firstGroupMemberNamed(const GroupChoice& groups, const QString& name) {
    return {QStringLiteral("SELECT _rowid_ FROM Addresses WHERE ") + groupCondition(groups) +
                QStringLiteral(" AND Name = ? ORDER BY _rowid_ LIMIT 1"),
            {name}};
}

RecordSource selectReturnAddressLines() {
    return {QStringLiteral("SELECT Name, Address, \"City State Zip\" FROM \"Return Addresses\" "
                           "ORDER BY _rowid_"),
            {}};
}

RecordSource selectStoredAdjustment() {
    return {QStringLiteral("SELECT VerticalAdjustment FROM Ini ORDER BY _rowid_ LIMIT 1"), {}};
}

RecordSource selectNothing() {
    return {QStringLiteral("SELECT * FROM Addresses WHERE Name = 'xxxxxxxxxxxx'"), {}};
}

RecordSource deleteUnnamedAddresses() {
    return {QStringLiteral("DELETE FROM Addresses WHERE Name IS NULL OR Name = ''"), {}};
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

QString keysOf(const QString& recordSourceText, const QString& column) {
    static const QRegularExpression selectStar(QStringLiteral(R"(^\s*SELECT\s+\*\s+FROM\s+(.+)$)"),
                                               QRegularExpression::CaseInsensitiveOption |
                                                   QRegularExpression::DotMatchesEverythingOption);
    const auto match = selectStar.match(recordSourceText);
    if (!match.hasMatch())
        return {};
    return QStringLiteral("SELECT _rowid_, ") + quoteIdentifier(column) + QStringLiteral(" FROM ") +
           match.captured(1);
}

QString selectRow(const QString& table) {
    return QStringLiteral("SELECT * FROM ") + quoteIdentifier(table) +
           QStringLiteral(" WHERE _rowid_ = ?");
}

QString selectRows(const QString& table, int count) {
    QStringList marks;
    for (int i = 0; i < count; ++i)
        marks << QStringLiteral("?");
    return QStringLiteral("SELECT _rowid_, * FROM ") + quoteIdentifier(table) +
           QStringLiteral(" WHERE _rowid_ IN (") + marks.join(QStringLiteral(", ")) +
           QStringLiteral(")");
}

QString updateRow(const QString& table, const QStringList& columns) {
    QStringList assignments;
    for (const QString& column : columns)
        assignments << quoteIdentifier(column) + QStringLiteral(" = ?");
    return QStringLiteral("UPDATE ") + quoteIdentifier(table) + QStringLiteral(" SET ") +
           assignments.join(QStringLiteral(", ")) + QStringLiteral(" WHERE _rowid_ = ?");
}

QString insertRow(const QString& table, const QStringList& columns) {
    if (columns.isEmpty())
        return insertDefaultRow(table);
    QStringList quoted;
    QStringList marks;
    for (const QString& column : columns) {
        quoted << quoteIdentifier(column);
        marks << QStringLiteral("?");
    }
    return QStringLiteral("INSERT INTO ") + quoteIdentifier(table) + QStringLiteral(" (") +
           quoted.join(QStringLiteral(", ")) + QStringLiteral(") VALUES (") +
           marks.join(QStringLiteral(", ")) + QStringLiteral(")");
}

QString insertDefaultRow(const QString& table) {
    return QStringLiteral("INSERT INTO ") + quoteIdentifier(table) +
           QStringLiteral(" DEFAULT VALUES");
}

QString deleteRow(const QString& table) {
    return QStringLiteral("DELETE FROM ") + quoteIdentifier(table) +
           QStringLiteral(" WHERE _rowid_ = ?");
}

QString tableColumns(const QString& table) {
    return QStringLiteral("PRAGMA table_info(") + quoteIdentifier(table) + QStringLiteral(")");
}

QString listTables() {
    return QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'");
}

} // namespace ravelbook::sql
