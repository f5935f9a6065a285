#pragma once

#include "core/address_record.h"
#include "exchange/source_table.h"

#include <QString>
#include <QStringList>

namespace ravelbook::exchange {

// A database file seen as named tables of text; the Access reader is one.
class TableReader {
public:
    virtual ~TableReader() = default;
    virtual QStringList tableNames() const = 0;
    virtual QStringList columnNames(const QString& table) const = 0;
    // The table's columns and rows as text; yes/no columns read -1 or 0. Throws
    // Error when the table can't be read.
    virtual SourceTable readTable(const QString& name) const = 0;
};

// True when the file holds a book in Ravelbook's own layout: a table Addresses
// with Name and the group columns 0 to 17.
bool isBookLayout(const TableReader& reader);

// A book in Ravelbook's layout comes in whole: its addresses, its return
// addresses and its adjustment. Any other table (`table`, which must then be
// given) comes in as rows to map like a CSV file's.
ImportSource importTables(const TableReader& reader, const QString& table);

} // namespace ravelbook::exchange
