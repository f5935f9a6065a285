#pragma once

#include "core/address_record.h"

#include <array>
#include <QString>
#include <QStringList>
#include <QVariantList>

namespace ravelbook {
class Dialect;
}

// Every SQL text the program issues, in words both engines read; the few
// differences come from the book's Dialect. Handlers and data sources take their
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

// Start-up: the whole table, in the engine's order.
RecordSource selectAllAddresses();
// The name list: named records in name order.
RecordSource selectNamedAddresses(const Dialect& dialect);
// Choosing a name, re-selecting after Enter Changes, single-record printing.
RecordSource selectAddressesNamed(const QString& name);
// After a record is deleted: the whole table in name order, unnamed rows included.
RecordSource selectAllAddressesByName(const Dialect& dialect);
// Named members of the chosen groups. Without any group it is just the base text.
RecordSource selectGroups(const GroupChoice& groups);
// Printing reads only the lines it prints, in the book's order: how many named
// members the groups have, and their lines from the `skip`+1-th on.
RecordSource countGroupMembers(const GroupChoice& groups);
RecordSource printedGroupMembers(const Dialect& dialect, const GroupChoice& groups, int skip);
// The same in the name list's order, equal names in the book's order.
RecordSource printedGroupMembersByName(const Dialect& dialect, const GroupChoice& groups, int skip);
// Every named member of the groups, its key before its printed lines, in the
// book's order: for orders the program works out itself.
RecordSource keyedGroupMembers(const Dialect& dialect, const GroupChoice& groups);
// The printed lines of the record with this key.
RecordSource printedRecord(const Dialect& dialect, qint64 key);
// The key of the first named member of the groups with exactly this name.
RecordSource firstGroupMemberNamed(const Dialect& dialect, const GroupChoice& groups,
                                   const QString& name);
// The sender lines of every return address, and the stored vertical adjustment.
RecordSource selectReturnAddressLines(const Dialect& dialect);
RecordSource selectStoredAdjustment(const Dialect& dialect);
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
// The keys of a record set and one column, same rows and order as the record source.
// Returns an empty text when the record source is not of a form the data sources read.
QString keysOf(const Dialect& dialect, const QString& recordSourceText, const QString& column);
// Rows by key, `count` keys at a time; each row starts with its key.
QString selectRows(const Dialect& dialect, const QString& table, const QStringList& columns,
                   int count);
// Writes `columns` of the row whose key is bound after them, only while every
// column of `compared` still holds the value bound for it last: a row someone
// else changed since it was read is left alone (no row comes back). The row
// written comes back as its key and `compared`.
QString updateRow(const Dialect& dialect, const QString& table, const QStringList& columns,
                  const QStringList& compared);
// Adds a row and gives back its key and `returned`.
QString insertRow(const Dialect& dialect, const QString& table, const QStringList& columns,
                  const QStringList& returned);
QString insertDefaultRow(const QString& table);
// What goes inside the brackets of CREATE TABLE: columns of text, then
// columns of numbers that are 0 unless set.
QString columnDefinitions(const QStringList& texts, const QStringList& numbers);
QString createTable(const Dialect& dialect, const QString& table, const QString& definitions);
// Adds `rows` rows, for many rows in a row: nothing comes back.
QString insertValues(const QString& table, const QStringList& columns, int rows = 1);
// Deletes the row of the key bound first while `compared` hold the values bound after it.
QString deleteRow(const Dialect& dialect, const QString& table, const QStringList& compared);

} // namespace ravelbook::sql
