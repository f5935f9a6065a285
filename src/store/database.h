#pragma once

#include "store/schema.h"
#include "store/statements.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <vector>

class QSqlError;

namespace ravelbook {
class SqlFailure;
}

namespace ravelbook {

// One open address book file. Opening never changes a file that is not an
// address book; a missing file is created with the three empty tables, in a
// temporary file renamed into place, so an interrupted creation leaves nothing.
//
// Once a statement finds the file damaged, nothing more is written to it:
// every later change is refused, reading what can be read goes on.
class Database {
public:
    // ReadOnly never writes: a missing file is an error and every change is refused.
    enum class Access { ReadWrite, ReadOnly };

    // Throws StoreError naming the file and what is wrong with it.
    explicit Database(const QString& path, Access access = Access::ReadWrite);
    ~Database();

    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const QString& path() const { return path_; }

    // Whether a statement has found the file damaged, and what the user is told of it.
    bool damaged() const { return damaged_; }
    QString damageNotice() const;
    // Throws StoreError when nothing may be written any more (the book is damaged):
    // for writers that go around run().
    void requireWritable() const;

    // True for a file of no bytes: nothing to lose, it may be made a new book.
    static bool isEmptyFile(const QString& path);
    // Writes a new, empty address book at `path`, which must be missing or an
    // empty file. The book is made beside it under a temporary name and renamed
    // into place. Throws StoreError naming the file and the reason.
    static void createNewBook(const QString& path);

    // A prepared statement for repeated use; throws StoreError when the engine refuses it.
    QSqlQuery prepare(const QString& text) const;
    // Prepares, binds and runs one statement; throws StoreError when the engine refuses.
    QSqlQuery run(const QString& text, const QVariantList& bindings = {}) const;
    QSqlQuery run(const sql::RecordSource& statement) const {
        return run(statement.text, statement.bindings);
    }

    // One of the address book's tables as the file spells it, and its columns in
    // file order, as read when the file was opened.
    QString tableName(const QString& table) const;
    QStringList columns(const QString& table) const;

    // Opens the file on a connection of its own, runs one statement and closes it,
    // so the statement has taken effect in the file when this returns.
    static void runDirect(const QString& path, const sql::RecordSource& statement);

    // Throws the failure of a statement run on this book (and notes damage).
    [[noreturn]] void fail(const QSqlError& error, const QString& context) const;

private:
    QSqlDatabase connection() const;
    const schema::FoundTable& found(const QString& table) const;
    QSqlQuery execute(const QString& text, const QVariantList& bindings) const;
    // A connection opened while the file was read-only stays so; once the file
    // may be written again, a new one is opened for writing.
    bool reopenForWriting() const;
    void refuseWriteWhenDamaged(const QString& text) const;

    QString path_;
    bool readOnly_ = false;
    mutable QString connectionName_;
    // Connections replaced by reopenForWriting(); prepared reads may still use them.
    mutable std::vector<QString> retired_;
    mutable bool damaged_ = false;
    mutable QString damage_;
    std::vector<schema::FoundTable> tables_;
};

} // namespace ravelbook
