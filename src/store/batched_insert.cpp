#include "store/batched_insert.h"

#include "store/database.h"
#include "store/statements.h"

#include <QSqlQuery>

namespace ravelbook {

namespace {

// Small enough for any engine's limit on bound values, large enough that the
// round trips no longer count.
constexpr int kRowsPerStatement = 100;

} // namespace

BatchedInsert::BatchedInsert(Database& db, const QString& table, const QStringList& columns,
                             const QString& context)
    : db_(db), table_(table), columns_(columns), context_(context) {
    db_.requireWritable();
}

void BatchedInsert::add(const QVariantList& row) {
    waiting_ << row;
    if (++rows_ == kRowsPerStatement)
        write();
}

void BatchedInsert::finish() {
    if (rows_ > 0)
        write();
}

void BatchedInsert::write() {
    // Full batches all share one prepared statement; the last, shorter one has its own.
    db_.runKept(sql::insertValues(table_, columns_, rows_), waiting_, context_).finish();
    waiting_.clear();
    rows_ = 0;
}

} // namespace ravelbook
