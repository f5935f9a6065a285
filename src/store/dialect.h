#pragma once

#include <QSqlError>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace ravelbook {

// Where the two engines a book can live on differ in their SQL. Every
// statement is written once, in the words both understand, and takes these
// few pieces from the book's engine.
class Dialect {
public:
    virtual ~Dialect() = default;

    // The Qt Sql driver of the engine.
    virtual QString driver() const = 0;
    // The column that tells rows apart: SQLite's rowid, a key column of its own on a server.
    virtual QString key() const = 0;
    // What follows ORDER BY to start the rows after the first `?` ones.
    virtual QString skipRows() const = 0;
    // The name list's order: names compared with the letters A to Z folded to
    // lower case, byte by byte otherwise, the same rule on every engine.
    virtual QString nameOrder() const = 0;
    // Comparison that holds also when both sides are NULL.
    virtual QString sameValue() const = 0;
    // Starts a transaction that holds the right to write from its start.
    virtual QString beginWrite() const = 0;
    // Run after beginWrite(): until the transaction ends nobody else writes these
    // tables (others still read them), so what it reads first stays true.
    virtual QStringList holdTables(const QStringList& tables) const = 0;
    // A value that changes whenever another connection has changed the book; cheap to read.
    virtual QString changeMark() const = 0;
    // The names of the tables, and the names of one table's columns in table
    // order (the table's name is bound to its one placeholder).
    virtual QString listTables() const = 0;
    virtual QString tableColumns() const = 0;
    // The layout of the book's tables as a number, written by setLayout() when a
    // book is made; a book without one has layout 0.
    virtual QString layout() const = 0;
    virtual QString setLayout(int layout) const = 0;
    // Statements run once after the tables of a new book are made.
    virtual QStringList bookExtras(const QStringList& tables) const = 0;
    // Whether table names match whatever their case (they do where unquoted
    // names fold, as in SQLite; a server book's tables are named exactly).
    virtual Qt::CaseSensitivity nameCase() const = 0;
    // A value as the engine can hold it: a server's text can't hold the
    // character U+0000, which is left out there.
    virtual QVariant storable(const QVariant& value) const = 0;
    // Appended to the column list of each new table: the key column where the engine needs one.
    virtual QString keyColumnDefinition() const = 0;

    // How a failed statement is told to the user, and what kind of failure it is.
    virtual QString explain(const QSqlError& error) const = 0;
    virtual bool isDamage(const QSqlError& error) const = 0;
    // The connection to the book is gone (a server stopped, a network cut).
    virtual bool isConnectionLost(const QSqlError& error) const = 0;
};

} // namespace ravelbook
