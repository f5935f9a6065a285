#pragma once

#include <QSqlDatabase>

namespace ravelbook {

class Database;

// One transaction that writes a book; rolls back unless committed, so a failure
// anywhere leaves the book as it was.
class WriteTransaction {
public:
    // An import or a copy: holds the right to write the book's tables from its
    // start, so what it reads in them (the records already there, whether there
    // are any) stays true until it commits; another writer waits or is refused.
    // Throws StoreError when the book can't be taken for writing.
    explicit WriteTransaction(Database& db);
    // A new book being made on a connection of its own, before anyone else
    // knows its tables: a plain transaction. Throws SqlFailure.
    explicit WriteTransaction(QSqlDatabase& connection);
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;

    void commit();

private:
    void rollBack() noexcept;

    Database* db_ = nullptr;
    QSqlDatabase connection_; // without a Database
    bool done_ = false;
};

} // namespace ravelbook
