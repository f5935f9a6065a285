#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <vector>

namespace ravelbook::schema {

inline const QString kAddresses = QStringLiteral("Addresses");
inline const QString kReturnAddresses = QStringLiteral("Return Addresses");
inline const QString kIni = QStringLiteral("Ini");

struct Table {
    QString name;
    QStringList columns; // in file order; the first one is field 0
    QString createText;
};

// The three tables of an address book with the columns the program relies on.
const std::vector<Table>& tables();

QString groupColumn(int group);

// One of the three tables as a file has it: its name as spelled there and its
// columns in file order. The name is empty when the file lacks the table.
struct FoundTable {
    QString name;
    QStringList columns;
};

// Reads how the file holds the three tables, in the order of tables(). Table
// names match without regard to case. Throws StoreError carrying the engine's
// error when the file can't be read (not SQLite, locked, damaged).
std::vector<FoundTable> read(const QSqlDatabase& db);

// Why the tables found are not an address book, or an empty text when they are
// one. Extra tables and columns are fine.
QString problemWith(const std::vector<FoundTable>& found);

// Creates the three tables, one Ini row (adjustment 0) and one empty return address.
void create(QSqlDatabase& db);

} // namespace ravelbook::schema
