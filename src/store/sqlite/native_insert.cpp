#include "store/sqlite/native_insert.h"

#include "store/sql_failure.h"
#include "store/sqlite/book_file.h"

#include <QCoreApplication>
#include <sqlite3.h>

namespace ravelbook {

namespace {

[[noreturn]] void fail(sqlite3* db) {
    throw SqlFailure(
        book_file::errorOf(db),
        QCoreApplication::translate("NativeInsert", "The address book could not do this: %1."));
}

} // namespace

bool NativeInsert::takes(const QVariant& handle) {
    return handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0;
}

NativeInsert::NativeInsert(const QVariant& handle, const QString& text)
    : db_(*static_cast<sqlite3* const*>(handle.constData())) {
    if (sqlite3_prepare16_v2(db_, text.utf16(), -1, &statement_, nullptr) != SQLITE_OK)
        fail(db_);
}

NativeInsert::~NativeInsert() {
    sqlite3_finalize(statement_);
}

void NativeInsert::bindText(int column, const QString& text) {
    // The book holds UTF-8; Qt's conversion is faster than SQLite's own.
    if (int(utf8_.size()) <= column)
        utf8_.resize(column + 1);
    utf8_[column] = text.toUtf8();
    sqlite3_bind_text(statement_, column + 1, utf8_[column].constData(), int(utf8_[column].size()),
                      SQLITE_STATIC);
}

void NativeInsert::bindInt(int column, int value) {
    sqlite3_bind_int(statement_, column + 1, value);
}

void NativeInsert::add() {
    const int result = sqlite3_step(statement_);
    sqlite3_reset(statement_);
    if (result != SQLITE_DONE)
        fail(db_);
}

} // namespace ravelbook
