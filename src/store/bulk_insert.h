#pragma once

#include "store/batched_insert.h"

#include <memory>
#include <optional>
#include <QString>
#include <QStringList>
#include <QVariantList>

namespace ravelbook {

class Database;
class NativeInsert;

// Adds many rows to one table the engine's fastest way: a book file through
// SQLite's own interface, a server book in batches. Runs inside whatever
// transaction the caller holds.
class BulkInsert {
public:
    // Throws StoreError when nothing may be written or the statement can't be prepared.
    BulkInsert(Database& db, const QString& table, const QStringList& columns);
    ~BulkInsert();
    BulkInsert(const BulkInsert&) = delete;
    BulkInsert& operator=(const BulkInsert&) = delete;

    // Values of the next row, by column index.
    void bindText(int column, const QString& text);
    void bindInt(int column, int value);
    // Writes the row (on a server, with its batch); throws SqlFailure with the
    // engine's reason when it is refused.
    void add();
    // Writes the rows still waiting; call before committing.
    void finish();
    // Whether rows wait to be written a batch at a time (a server book): then
    // a refusal can't name the row refused.
    bool writesInBatches() const { return batched_.has_value(); }

private:
    std::unique_ptr<NativeInsert> native_;
    std::optional<BatchedInsert> batched_;
    QVariantList row_;
};

} // namespace ravelbook
