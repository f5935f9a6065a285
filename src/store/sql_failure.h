#pragma once

#include "store/store_error.h"

#include <QSqlError>
#include <QString>

namespace ravelbook {

// What went wrong with a statement, in words for the user.
QString explain(const QSqlError& error);
// Another connection holds the file; a retry a little later may succeed.
bool isBusy(const QSqlError& error);
// The connection can't write to the file (it was opened while the file was read-only).
bool isReadOnly(const QSqlError& error);
// The file's pages are damaged, or it is no database at all.
bool isDamage(const QSqlError& error);
// The file refused one row for what it holds (a constraint, its size), not
// the whole write (a read-only file, a full disk).
bool isRowRefusal(const QSqlError& error);

// A StoreError that keeps the engine's error, so callers can tell a busy file
// from a damaged one. `context` may hold %1 for the explanation.
class SqlFailure : public StoreError {
public:
    explicit SqlFailure(const QSqlError& error, const QString& context = QStringLiteral("%1"))
        : StoreError(context.arg(explain(error))), error_(error) {}
    // With a message of its own instead of the engine's explanation.
    SqlFailure(const QSqlError& error, const QString& message, bool)
        : StoreError(message), error_(error) {}

    const QSqlError& error() const { return error_; }

private:
    QSqlError error_;
};

} // namespace ravelbook
