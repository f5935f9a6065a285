#pragma once

#include <QString>

namespace ravelbook {
class Dialect;
}

// The statements of imports and exports, beside the window's in statements.h.
namespace ravelbook::sql {

// An import writes under one transaction, taken for writing at its start so
// that another writer is noticed before any work is done.
QString beginWrite(const Dialect& dialect);
QString commit();
QString rollback();

// How many rows the table holds.
QString countRows(const QString& table);
// Name and address lines of every record, for the duplicate test.
QString selectAddressKeys(const QString& table);
// Every record with its columns in the given order, in the order they were added.
QString selectColumns(const Dialect& dialect, const QString& table, const QStringList& columns);
// Return addresses with nothing in them (the one a new book starts with).
QString deleteBlankReturnAddresses(const QString& table);
// The adjustment of the first Ini row, the only one the window reads.
QString setVerticalAdjustment(const Dialect& dialect, const QString& table);

} // namespace ravelbook::sql
