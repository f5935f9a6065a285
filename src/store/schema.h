#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <vector>

namespace ravelbook {
class Dialect;
}

namespace ravelbook::schema {

// The layout of the tables this program makes; a book of a later layout was
// made by a newer Ravelbook and is not opened.
inline constexpr int kLayout = 1;

inline const QString kAddresses = QStringLiteral("Addresses");
inline const QString kReturnAddresses = QStringLiteral("Return Addresses");
inline const QString kIni = QStringLiteral("Ini");

struct Table {
    QString name;
    QStringList columns;       // in file order; the first one is field 0
    QString columnDefinitions; // inside the brackets of CREATE TABLE
};

// The three tables of an address book with the columns the program relies on.
const std::vector<Table>& tables();

QString groupColumn(int group);

// One of the three tables as a file has it: its name as spelled there and its
// columns in file order. The name is empty when the file lacks the table.
struct FoundTable {
    QString name;
    QStringList columns; // without the engine's key column
    bool keyed = true;   // has the key column the engine needs
};

// What a database holds: the three tables as found, and whether it holds any table at all.
struct Found {
    std::vector<FoundTable> tables;
    bool empty = true;
};

// Reads how the book holds the three tables, in the order of tables(). Table
// names match without regard to case where the engine's names do. Throws
// SqlFailure carrying the engine's error when the book can't be read (not
// SQLite, locked, damaged).
Found read(const QSqlDatabase& db, const Dialect& dialect);

// Why the tables found are not an address book, or an empty text when they are
// one. Extra tables and columns are fine.
QString problemWith(const std::vector<FoundTable>& found);

// The layout number a book carries.
int layoutOf(const QSqlDatabase& db, const Dialect& dialect);

// Why a database with these tables and this layout is not a book this program
// opens, in the words of "can't be opened: ..."; empty when it is one.
QString refusal(const Found& found, int layout);

// Creates the three tables, one Ini row (adjustment 0) and one empty return
// address, in one transaction.
void create(QSqlDatabase& db, const Dialect& dialect);

} // namespace ravelbook::schema
