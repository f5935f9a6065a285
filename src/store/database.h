#pragma once

#include "store/schema.h"
#include "store/statements.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <vector>

namespace ravelbook {

// One open address book file. Opening never changes a file that is not an
// address book; a missing file is created with the three empty tables.
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

private:
    QSqlDatabase connection() const;
    const schema::FoundTable& found(const QString& table) const;

    QString path_;
    QString connectionName_;
    std::vector<schema::FoundTable> tables_;
};

} // namespace ravelbook
