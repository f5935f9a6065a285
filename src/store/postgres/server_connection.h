#pragma once

#include <chrono>
#include <optional>
#include <QSqlDatabase>
#include <QString>

namespace ravelbook::postgres {

// Why a server would not let us in.
struct RefusedConnection {
    // Unreachable: no server answered (none running there, a wrong address, a
    // network cut); Other: the server answered and refused.
    enum class Reason { NeedsPassword, WrongPassword, Unreachable, Other };
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

// Opens `db` again, its options already set, after its connection was lost;
// the password is handed to the driver for this opening only.
bool reopen(QSqlDatabase& db, const std::optional<QString>& password);

// Sets up a connection just opened: read-only when asked, and statements kept
// prepared are planned once (the program's statements find rows by key or read
// whole tables; planning them again for every run only costs time). Gives
// the time the server lets a statement take, which it sets where the server's
// settings give none.
std::chrono::milliseconds setUpSession(QSqlDatabase& db, bool readOnly);

// How long a statement waits for the server's answer: a little longer than
// `limit`, the time after which the server would have cancelled it itself.
std::chrono::milliseconds answerWait(std::chrono::milliseconds limit);

// Held while a statement runs on `db`: when the server has not answered in
// answerWait(limit), the connection is broken off, so the caller gets a
// failure instead of waiting for as long as the server is silent.
class AnswerDeadline {
public:
    AnswerDeadline(const QSqlDatabase& db, std::chrono::milliseconds limit);
    ~AnswerDeadline();
    AnswerDeadline(const AnswerDeadline&) = delete;
    AnswerDeadline& operator=(const AnswerDeadline&) = delete;

    // Ends the watch; whether the time ran out and the connection was broken off.
    bool passed();

private:
    std::optional<quint64> watch_;
    bool expired_ = false;
};

// Whether two open connections reach the same database of the same server,
// however differently their addresses name it. Throws StoreError when the
// server can't be asked.
bool sameDatabase(const QSqlDatabase& a, const QSqlDatabase& b);

// Whether the connection under `db` is gone (the server went away).
bool connectionBroken(const QSqlDatabase& db);

} // namespace ravelbook::postgres
