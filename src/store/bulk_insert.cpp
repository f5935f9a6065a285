#include "store/bulk_insert.h"

#include "store/database.h"
#include "store/sqlite/native_insert.h"
#include "store/statements.h"

#include <QCoreApplication>
#include <QSqlDriver>

namespace ravelbook {

BulkInsert::BulkInsert(Database& db, const QString& table, const QStringList& columns) {
    db.requireWritable();
    const QString text = sql::insertValues(table, columns);
    // The book's own connection, so the rows join the caller's transaction.
    const QVariant handle = db.prepare(text).driver()->handle();
    if (NativeInsert::takes(handle)) {
        native_ = std::make_unique<NativeInsert>(handle, text);
        return;
    }
    batched_.emplace(
        db, table, columns,
        QCoreApplication::translate("BulkInsert", "The address book could not do this: %1."));
    row_.resize(columns.size());
}

BulkInsert::~BulkInsert() = default;

void BulkInsert::bindText(int column, const QString& text) {
    if (native_)
        native_->bindText(column, text);
    else
        row_[column] = text;
}

void BulkInsert::bindInt(int column, int value) {
    if (native_)
        native_->bindInt(column, value);
    else
        row_[column] = value;
}

void BulkInsert::add() {
    if (native_)
        native_->add();
    else
        batched_->add(row_);
}

void BulkInsert::finish() {
    if (batched_)
        batched_->finish();
}

} // namespace ravelbook
