#pragma once

#include "store/schema.h"

#include <chrono>
#include <QSqlError>
#include <QString>

struct sqlite3;

namespace ravelbook {
class Dialect;
}

// A book in a file of its own: the checks before a file is opened and the
// making of a new one.
namespace ravelbook::book_file {

// The connect options of the file's connections; a statement waits up to
// `busyWait` for another program holding the file.
QString connectOptions(bool readOnly, std::chrono::milliseconds busyWait);

// Throws StoreError, the file's name and what is wrong with it, when `path`
// can't be opened as an address book; never writes to it.
void checkExisting(const QString& path, std::chrono::milliseconds busyWait);

bool isEmptyFile(const QString& path);

// Reads the three tables of an open file; a file that is not an address book
// (or one of a newer layout) is reported with the reason.
schema::Found readTables(const QString& path, const QSqlDatabase& db);

// Writes a new, empty address book at `path`, which must be missing or an
// empty file. The book is made beside it under a temporary name and renamed
// into place. Throws StoreError naming the file and the reason.
void create(const QString& path, std::chrono::milliseconds busyWait);

[[noreturn]] void cantOpen(const QString& path, const QString& what);

// Whether two paths name one file, through links or not.
bool sameFile(const QString& a, const QString& b);

// A failure as SQLite tells it (the code of its last one on `db`), with the
// system's reason where it says more: an I/O error for want of room is a full disk.
QSqlError errorOf(sqlite3* db);
// The same for a failure the driver reported on the connection `connection`.
QSqlError withSystemCause(const QSqlError& error, const QSqlDatabase& connection);

} // namespace ravelbook::book_file
