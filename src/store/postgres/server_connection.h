#pragma once

#include <optional>
#include <QSqlDatabase>
#include <QString>

namespace ravelbook::postgres {

// Why a server would not let us in.
struct RefusedConnection {
    enum class Reason { NeedsPassword, WrongPassword, Other };
    Reason reason = Reason::Other;
    QString message; // libpq's words
};

// The Qt connection options for a connection URI; any libpq parameter may
// follow in its query part. Throws StoreError for a URI libpq does not read, or
// one that carries a password (it would show in the process list and the
// recent books).
QString connectOptions(const QString& uri);

// The user name the server will be asked for, as libpq works it out.
QString userName(const QString& uri);

// Opens `db` (a QPSQL connection) on the server of `uri`. Nothing when it is
// open; otherwise why not, told apart well enough to ask for a password.
std::optional<RefusedConnection> open(QSqlDatabase& db, const QString& uri,
                                      const std::optional<QString>& password);

// Sets up a connection just opened: read-only when asked, and statements kept
// prepared are planned once (the program's statements find rows by key or read
// whole tables; planning them again for every run only costs time).
void setUpSession(QSqlDatabase& db, bool readOnly);

// Whether the connection under `db` is gone (the server went away).
bool connectionBroken(const QSqlDatabase& db);

} // namespace ravelbook::postgres
