#pragma once

namespace ravelbook {

class Database;

// One transaction that writes a book: an import or a copy. It holds the right
// to write the book's tables from its start, so what it reads in them (the
// records already there, whether there are any) stays true until it commits;
// another writer waits or is refused. Rolls back unless committed: a failure
// anywhere leaves the book as it was.
class WriteTransaction {
public:
    // Throws StoreError when the book can't be taken for writing.
    explicit WriteTransaction(const Database& db);
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;

    void commit();

private:
    void rollBack() noexcept;

    const Database& db_;
    bool done_ = false;
};

} // namespace ravelbook
