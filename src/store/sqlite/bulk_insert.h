#pragma once

#include "store/batched_insert.h"

#include <optional>
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace ravelbook {

class Database;

// Adds many rows to one table through SQLite's own interface: for an import of
// many thousand records the driver's cost per bound value is most of the time.
// Runs inside whatever transaction the caller holds. On a server book the rows
// go in batches through the driver instead.
class BulkInsert {
public:
    // Throws StoreError when the statement can't be prepared.
    BulkInsert(const Database& db, const QString& table, const QStringList& columns);
    ~BulkInsert();
    BulkInsert(const BulkInsert&) = delete;
    BulkInsert& operator=(const BulkInsert&) = delete;

    // Values of the next row, by column index.
    void bindText(int column, const QString& text);
    void bindInt(int column, int value);
    // Writes the row (on a server, with its batch); throws StoreError with the
    // engine's reason when it is refused.
    void add();
    // Writes the rows still waiting; call before committing.
    void finish();
    // Whether rows wait to be written a batch at a time (a server book).
    bool writesInBatches() const { return batched_.has_value(); }

private:
    sqlite3* db_ = nullptr;
    sqlite3_stmt* statement_ = nullptr;
    std::vector<QByteArray> utf8_; // the texts bound to the next row

    std::optional<BatchedInsert> batched_;
    QVariantList row_;
};

} // namespace ravelbook
