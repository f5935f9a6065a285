#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

namespace ravelbook {

class Database;

// Adds many rows to one table, a hundred to a statement: a server answers every
// statement separately, so rows sent one at a time would cost a round trip
// each. Runs inside whatever transaction the caller holds.
class BatchedInsert {
public:
    // `context` words a failure, "%1" standing for the engine's reason.
    BatchedInsert(Database& db, const QString& table, const QStringList& columns,
                  const QString& context);

    // The values of one row, by column; written with its batch.
    void add(const QVariantList& row);
    // Writes the rows still waiting. Throws StoreError when the book refuses a batch.
    void finish();

private:
    void write();

    Database& db_;
    QString table_;
    QStringList columns_;
    QString context_;
    QVariantList waiting_; // row after row
    int rows_ = 0;
};

} // namespace ravelbook
