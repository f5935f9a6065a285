#pragma once

#include <array>
#include <QString>
#include <QStringList>
#include <QVariantList>

// Every SQL text the program issues. Handlers and data sources take their
// statements from here and nowhere else; values from the user are always bound
// as parameters, never spliced into the text.
namespace ravelbook::sql {

// A statement together with the values bound to its '?' placeholders.
struct RecordSource {
    QString text;
    QVariantList bindings;

    bool operator==(const RecordSource& other) const {
        return text == other.text && bindings == other.bindings;
    }
};

inline constexpr int kGroupCount = 18;
using GroupChoice = std::array<bool, kGroupCount>;

// Start-up: the whole table, in the engine's order.
RecordSource selectAllAddresses();
// The name list: named records in name order.
RecordSource selectNamedAddresses();
// Choosing a name, re-selecting after Enter Changes, single-record printing.
RecordSource selectAddressesNamed(const QString& name);
// After a record is deleted: the whole table in name order, unnamed rows included.
RecordSource selectAllAddressesByName();
// Named members of the chosen groups. Without any group it is just the base text.
RecordSource selectGroups(const GroupChoice& groups);
// Printing reads only the lines it prints, in the book's order: how many named
// members the groups have, and their lines from the `skip`+1-th on.
RecordSource countGroupMembers(const GroupChoice& groups);
RecordSource printedGroupMembers(const GroupChoice& groups, int skip);
// The printed lines of the record with this key.
RecordSource printedRecord(qint64 key);
// The key of the first named member of the groups with exactly this name.
RecordSource firstGroupMemberNamed(const GroupChoice& groups, const QString& name);
// The sender lines of every return address, and the stored vertical adjustment.
RecordSource selectReturnAddressLines();
RecordSource selectStoredAdjustment();
// Empties the grid when no group is chosen.
RecordSource selectNothing();
// Shut-down purge of unnamed records.
RecordSource deleteUnnamedAddresses();

// Record source of a data source opened on a whole table.
RecordSource selectTable(const QString& table);

bool anyGroup(const GroupChoice& groups);

// Statements the data sources derive from a record source or issue on one row.
// A record source is either a bare table name or "SELECT * FROM ...".
QString quoteIdentifier(const QString& name);
// The keys of a record set: rowid and one column, same rows and order as the record source.
// Returns an empty text when the record source is not of a form the data sources read.
QString keysOf(const QString& recordSourceText, const QString& column);
QString selectRow(const QString& table);
// Rows by key, `count` keys at a time; each row starts with its key.
QString selectRows(const QString& table, int count);
QString updateRow(const QString& table, const QStringList& columns);
QString insertRow(const QString& table, const QStringList& columns);
QString insertDefaultRow(const QString& table);
QString deleteRow(const QString& table);
QString tableColumns(const QString& table);
QString listTables();

} // namespace ravelbook::sql
