#include "store/sqlite/bulk_insert.h"

#include "store/database.h"
#include "store/sql_failure.h"
#include "store/sqlite/book_file.h"
#include "store/statements.h"

#include <QSqlDriver>
#include <QSqlError>
#include <sqlite3.h>

namespace ravelbook {

namespace {

[[noreturn]] void fail(sqlite3* db) {
    throw SqlFailure(book_file::errorOf(db),
                     QStringLiteral("The address book could not do this: %1."));
}

} // namespace

BulkInsert::BulkInsert(const Database& db, const QString& table, const QStringList& columns) {
    db.requireWritable();
    const QString text = sql::insertValues(table, columns);
    // The book's own connection, so the rows join the caller's transaction.
    QSqlQuery prepared = db.prepare(text);
    const QVariant handle = prepared.driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0 || !handle.isValid()) {
        batched_.emplace(db, table, columns,
                         QStringLiteral("The address book could not do this: %1."));
        row_.resize(columns.size());
        return;
    }
    db_ = *static_cast<sqlite3* const*>(handle.constData());
    if (sqlite3_prepare16_v2(db_, text.utf16(), -1, &statement_, nullptr) != SQLITE_OK)
        fail(db_);
}

BulkInsert::~BulkInsert() {
    sqlite3_finalize(statement_);
}

void BulkInsert::bindText(int column, const QString& text) {
    if (batched_) {
        row_[column] = text;
        return;
    }
    // The book holds UTF-8; Qt's conversion is faster than SQLite's own.
    if (int(utf8_.size()) <= column)
        utf8_.resize(column + 1);
    utf8_[column] = text.toUtf8();
    sqlite3_bind_text(statement_, column + 1, utf8_[column].constData(), int(utf8_[column].size()),
                      SQLITE_STATIC);
}

void BulkInsert::bindInt(int column, int value) {
    if (batched_) {
        row_[column] = value;
        return;
    }
    sqlite3_bind_int(statement_, column + 1, value);
}

void BulkInsert::add() {
    if (batched_) {
        batched_->add(row_);
        return;
    }
    const int result = sqlite3_step(statement_);
    sqlite3_reset(statement_);
    if (result != SQLITE_DONE)
        fail(db_);
}

void BulkInsert::finish() {
    if (batched_)
        batched_->finish();
}

} // namespace ravelbook
