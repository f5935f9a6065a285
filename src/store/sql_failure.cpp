#include "store/sql_failure.h"

#include <QCoreApplication>
#include <QSqlError>

namespace ravelbook {

namespace {

// SQLite's primary result codes (the low byte of an extended code).
enum : int {
    Busy = 5,
    Locked = 6,
    ReadOnly = 8,
    IoError = 10,
    Corrupt = 11,
    Full = 13,
    TooBig = 18,
    Constraint = 19,
    Mismatch = 20,
    NotADb = 26
};

int primaryCode(const QSqlError& error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? code & 0xff : -1;
}

} // namespace

bool isBusy(const QSqlError& error) {
    const int code = primaryCode(error);
    return code == Busy || code == Locked;
}

bool isReadOnly(const QSqlError& error) {
    return primaryCode(error) == ReadOnly;
}

bool isDamage(const QSqlError& error) {
    const int code = primaryCode(error);
    return code == Corrupt || code == NotADb;
}

bool isRowRefusal(const QSqlError& error) {
    const int code = primaryCode(error);
    return code == TooBig || code == Constraint || code == Mismatch;
}

QString explain(const QSqlError& error) {
    const QString detail = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    switch (primaryCode(error)) {
    case Busy:
    case Locked:
        return QCoreApplication::translate(
                   "SqlFailure",
                   "another program is using the address book; try again in a moment (%1)")
            .arg(detail);
    case ReadOnly:
        return QCoreApplication::translate("SqlFailure", "the address book file is read-only (%1)")
            .arg(detail);
    case IoError:
        return QCoreApplication::translate("SqlFailure",
                                           "the file could not be read or written (%1)")
            .arg(detail);
    case Corrupt:
        return QCoreApplication::translate("SqlFailure", "the file is damaged (%1)").arg(detail);
    case Full:
        return QCoreApplication::translate("SqlFailure", "the disk is full (%1)").arg(detail);
    case NotADb:
        return QCoreApplication::translate("SqlFailure", "it is not a database file (%1)")
            .arg(detail);
    default:
        return detail;
    }
}

} // namespace ravelbook
