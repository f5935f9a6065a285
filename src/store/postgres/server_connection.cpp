#include "store/postgres/server_connection.h"

#include "store/book_location.h"
#include "store/secret.h"
#include "store/store_error.h"

#include <condition_variable>
#include <libpq-fe.h>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <QCoreApplication>
#include <QLibrary>
#include <QRandomGenerator>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <sys/socket.h>
#include <thread>
#include <type_traits>
#include <vector>

namespace ravelbook::postgres {

namespace {

// Long enough for a server across a slow network, short enough that a
// mistyped host name is reported before the user wonders.
constexpr const char* kConnectTimeoutSeconds = "5";

// Where the server is reached over TCP: a server gone silent (a machine
// switched off, a cable pulled) is noticed by the kernel after this long.
const std::pair<const char*, const char*> kTcpDefaults[] = {
    {"keepalives", "1"},       {"keepalives_idle", "10"},     {"keepalives_interval", "5"},
    {"keepalives_count", "3"}, {"tcp_user_timeout", "20000"},
};

// The longest a statement may take when the server's settings give it no
// limit of their own: long enough for any statement of the program, short
// enough that a window waiting on it gives up while its user still waits.
constexpr int kStatementLimitMs = 15000;

// libpq is loaded when a server book is first used rather than linked: linked,
// it and the two dozen libraries it needs (TLS, Kerberos, LDAP) would load at
// every start of every command, on book files too.
struct LibPq {
    decltype(&::PQconninfoParse) conninfoParse = nullptr;
    decltype(&::PQconninfoFree) conninfoFree = nullptr;
    decltype(&::PQfreemem) freemem = nullptr;
    decltype(&::PQconnectdbParams) connectdbParams = nullptr;
    decltype(&::PQfinish) finish = nullptr;
    decltype(&::PQstatus) status = nullptr;
    decltype(&::PQerrorMessage) errorMessage = nullptr;
    decltype(&::PQconnectionNeedsPassword) connectionNeedsPassword = nullptr;
    decltype(&::PQconnectionUsedPassword) connectionUsedPassword = nullptr;
    decltype(&::PQsocket) socket = nullptr;
};

const LibPq& libpq() {
    static const std::optional<LibPq> loaded = []() -> std::optional<LibPq> {
        QLibrary library(QStringLiteral("pq"), 5); // stays loaded: QLibrary unloads only when told
        if (!library.load())
            return std::nullopt;
        LibPq functions;
        bool all = true;
        const auto resolve = [&](auto& function, const char* name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
                library.resolve(name));
            all = all && function;
        };
        resolve(functions.conninfoParse, "PQconninfoParse");
        resolve(functions.conninfoFree, "PQconninfoFree");
        resolve(functions.freemem, "PQfreemem");
        resolve(functions.connectdbParams, "PQconnectdbParams");
        resolve(functions.finish, "PQfinish");
        resolve(functions.status, "PQstatus");
        resolve(functions.errorMessage, "PQerrorMessage");
        resolve(functions.connectionNeedsPassword, "PQconnectionNeedsPassword");
        resolve(functions.connectionUsedPassword, "PQconnectionUsedPassword");
        resolve(functions.socket, "PQsocket");
        return all ? std::optional<LibPq>(functions) : std::nullopt;
    }();
    if (!loaded)
        throw StoreError(QCoreApplication::translate(
            "ServerConnection", "Books on a server need PostgreSQL's client library "
                                "(libpq.so.5, Debian package libpq5), which could not "
                                "be loaded."));
    return *loaded;
}

struct Parameter {
    QByteArray keyword;
    QByteArray value;
};

using Options = std::unique_ptr<PQconninfoOption, void (*)(PQconninfoOption*)>;

std::vector<Parameter> parameters(const QString& uri) {
    char* error = nullptr;
    Options options(libpq().conninfoParse(uri.toUtf8().constData(), &error), libpq().conninfoFree);
    if (!options) {
        QString why = error ? QString::fromUtf8(error).trimmed() : QStringLiteral("?");
        libpq().freemem(error);
        const QString shown = bookDisplayName(uri);
        // Libpq's words may quote the part it could not read, which may be the password.
        if (shown != uri)
            why = QCoreApplication::translate("ServerConnection",
                                              "it holds a password, and libpq can't read it");
        throw StoreError(
            QCoreApplication::translate("ServerConnection",
                                        "\"%1\" is not a server address Ravelbook can read: %2.")
                .arg(shown, why));
    }
    std::vector<Parameter> found;
    for (const PQconninfoOption* option = options.get(); option->keyword; ++option) {
        if (!option->val)
            continue;
        const QByteArray keyword(option->keyword);
        if (keyword == "password")
            throw StoreError(QCoreApplication::translate(
                                 "ServerConnection",
                                 "The server address \"%1\" holds a password. Leave it out: "
                                 "Ravelbook asks for it, "
                                 "or takes it from ~/.pgpass, PGPASSWORD or a service file.")
                                 .arg(bookDisplayName(uri)));
        found.push_back({keyword, QByteArray(option->val)});
    }
    const auto given = [&found](const char* keyword) {
        for (const Parameter& p : found) {
            if (p.keyword == keyword)
                return true;
        }
        return false;
    };
    if (!given("connect_timeout") && qEnvironmentVariableIsEmpty("PGCONNECT_TIMEOUT"))
        found.push_back({"connect_timeout", kConnectTimeoutSeconds});
    for (const auto& [keyword, value] : kTcpDefaults) {
        if (!given(keyword))
            found.push_back({keyword, value});
    }
    found.push_back({"fallback_application_name", "Ravelbook"});
    return found;
}

QByteArray quoted(const QByteArray& value) {
    QByteArray inner = value;
    inner.replace('\\', "\\\\").replace('\'', "\\'");
    return '\'' + inner + '\'';
}

using Connection = std::unique_ptr<PGconn, void (*)(PGconn*)>;

Connection probe(const std::vector<Parameter>& given, const std::optional<QString>& password) {
    std::vector<const char*> keywords;
    std::vector<const char*> values;
    QByteArray secret = password ? password->toUtf8() : QByteArray();
    for (const Parameter& p : given) {
        keywords.push_back(p.keyword.constData());
        values.push_back(p.value.constData());
    }
    if (password) {
        keywords.push_back("password");
        values.push_back(secret.constData());
    }
    keywords.push_back(nullptr);
    values.push_back(nullptr);
    Connection connection(libpq().connectdbParams(keywords.data(), values.data(), 0),
                          libpq().finish);
    Secret::wipe(secret);
    return connection;
}

// Libpq's words say whether the server itself refused: its refusals carry a severity.
bool serverAnswered(const QString& message) {
    return message.contains(QLatin1String("FATAL:"));
}

// Breaks the connections of statements the server has not answered in time,
// from a thread of its own: a caller blocked in libpq can't do it itself.
class Watchdog {
public:
    static Watchdog& instance() {
        static Watchdog watchdog;
        return watchdog;
    }
    ~Watchdog() {
        {
            const std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }

    quint64 arm(int socket, std::chrono::steady_clock::time_point deadline) {
        const std::lock_guard lock(mutex_);
        const quint64 id = next_++;
        watches_[id] = {socket, deadline, false};
        changed_.notify_all();
        return id;
    }
    // Whether the watch ran out (and broke the connection) before it was disarmed.
    bool disarm(quint64 id) {
        const std::lock_guard lock(mutex_);
        const bool expired = watches_[id].expired;
        watches_.erase(id);
        return expired;
    }

private:
    struct Watch {
        int socket;
        std::chrono::steady_clock::time_point deadline;
        bool expired;
    };

    Watchdog() : thread_([this] { run(); }) {}

    void run() {
        std::unique_lock lock(mutex_);
        while (!stopping_) {
            std::optional<std::chrono::steady_clock::time_point> earliest;
            const auto now = std::chrono::steady_clock::now();
            for (auto& [id, watch] : watches_) {
                if (watch.expired)
                    continue;
                if (watch.deadline <= now) {
                    // The blocked call returns at once, as if the server had closed the connection.
                    ::shutdown(watch.socket, SHUT_RDWR);
                    watch.expired = true;
                } else if (!earliest || watch.deadline < *earliest) {
                    earliest = watch.deadline;
                }
            }
            if (earliest)
                changed_.wait_until(lock, *earliest);
            else
                changed_.wait(lock);
        }
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    std::map<quint64, Watch> watches_;
    quint64 next_ = 0;
    bool stopping_ = false;
    std::thread thread_; // last: started once the rest is ready
};

PGconn* handleOf(const QSqlDatabase& db) {
    if (!db.driver())
        return nullptr;
    QVariant handle = db.driver()->handle();
    // The driver names the type by libpq's struct tag.
    if (!handle.isValid() ||
        (qstrcmp(handle.typeName(), "PGconn*") != 0 && qstrcmp(handle.typeName(), "pg_conn*") != 0))
        return nullptr;
    return *static_cast<PGconn**>(handle.data());
}

} // namespace

QString connectOptions(const QString& uri) {
    QByteArrayList pairs;
    for (const Parameter& p : parameters(uri))
        pairs << p.keyword + '=' + quoted(p.value);
    return QString::fromUtf8(pairs.join(';'));
}

QString userName(const QString& uri) {
    const std::vector<Parameter> given = parameters(uri);
    for (const Parameter& p : given) {
        if (p.keyword == "user")
            return QString::fromUtf8(p.value);
    }
    // libpq's default: the name of the user logged in.
    const QByteArray fromEnvironment = qgetenv("PGUSER");
    if (!fromEnvironment.isEmpty())
        return QString::fromUtf8(fromEnvironment);
    return qEnvironmentVariable("USER", qEnvironmentVariable("LOGNAME"));
}

std::optional<RefusedConnection> open(QSqlDatabase& db, const QString& uri,
                                      const std::optional<QString>& password) {
    // libpq tells whether a password is what is missing; Qt's driver only
    // passes its words on. A connection that works is then opened through Qt.
    const Connection tried = probe(parameters(uri), password);
    if (libpq().status(tried.get()) != CONNECTION_OK) {
        RefusedConnection refused;
        refused.message = QString::fromUtf8(libpq().errorMessage(tried.get())).trimmed();
        if (libpq().connectionNeedsPassword(tried.get()))
            refused.reason = password ? RefusedConnection::Reason::WrongPassword
                                      : RefusedConnection::Reason::NeedsPassword;
        else if (password && libpq().connectionUsedPassword(tried.get()))
            refused.reason = RefusedConnection::Reason::WrongPassword;
        else if (!serverAnswered(refused.message))
            refused.reason = RefusedConnection::Reason::Unreachable;
        return refused;
    }
    db.setConnectOptions(connectOptions(uri));
    if (!reopen(db, password)) {
        RefusedConnection refused;
        refused.message = db.lastError().text().trimmed();
        return refused;
    }
    return std::nullopt;
}

bool reopen(QSqlDatabase& db, const std::optional<QString>& password) {
    // Given to the driver for this opening only: the connection keeps no copy.
    return password ? db.open(db.userName(), *password) : db.open();
}

std::chrono::milliseconds setUpSession(QSqlDatabase& db, bool readOnly) {
    QSqlQuery session(db);
    session.exec(QStringLiteral("SET plan_cache_mode = force_generic_plan"));
    if (readOnly)
        session.exec(QStringLiteral("SET default_transaction_read_only = on"));
    // A shorter limit given by the server's settings, the user's or PGOPTIONS
    // stands; none, or a longer one, would keep a window waiting on a silent server.
    session.exec(
        QStringLiteral("SELECT setting::int FROM pg_settings WHERE name = 'statement_timeout'"));
    int limit = session.next() ? session.value(0).toInt() : 0;
    if (limit <= 0 || limit > kStatementLimitMs) {
        session.exec(QStringLiteral("SET statement_timeout = %1").arg(kStatementLimitMs));
        limit = kStatementLimitMs;
    }
    return std::chrono::milliseconds(limit);
}

std::chrono::milliseconds answerWait(std::chrono::milliseconds limit) {
    // The server's own limit cancels a slow statement and keeps the connection;
    // this wait is for a server that answers nothing at all, not even that.
    return limit + std::min(limit, std::chrono::milliseconds(5000));
}

AnswerDeadline::AnswerDeadline(const QSqlDatabase& db, std::chrono::milliseconds limit) {
    PGconn* connection = handleOf(db);
    const int socket = connection ? libpq().socket(connection) : -1;
    if (socket < 0)
        return;
    watch_ = Watchdog::instance().arm(socket, std::chrono::steady_clock::now() + answerWait(limit));
}

AnswerDeadline::~AnswerDeadline() {
    passed();
}

bool AnswerDeadline::passed() {
    if (watch_) {
        expired_ = Watchdog::instance().disarm(*watch_);
        watch_.reset();
    }
    return expired_;
}

bool sameDatabase(const QSqlDatabase& a, const QSqlDatabase& b) {
    // An advisory lock is held in one database of one server: taken through
    // one connection, the other can't have it only when they share it.
    const qint64 key = qint64(QRandomGenerator::global()->generate64() >> 1);
    QSqlQuery held(a);
    QSqlQuery tried(b);
    const bool locked = held.exec(QStringLiteral("SELECT pg_advisory_lock(%1)").arg(key));
    if (!locked || !tried.exec(QStringLiteral("SELECT pg_try_advisory_lock(%1)").arg(key)) ||
        !tried.next()) {
        const QString why = (locked ? tried : held).lastError().text().trimmed();
        if (locked)
            held.exec(QStringLiteral("SELECT pg_advisory_unlock(%1)").arg(key));
        // Not knowing would let a book be copied into itself.
        throw StoreError(
            QCoreApplication::translate(
                "ServerConnection", "Ravelbook can't tell whether the two server books are one: %1")
                .arg(why));
    }
    const bool shared = !tried.value(0).toBool();
    if (!shared)
        tried.exec(QStringLiteral("SELECT pg_advisory_unlock(%1)").arg(key));
    held.exec(QStringLiteral("SELECT pg_advisory_unlock(%1)").arg(key));
    return shared;
}

bool connectionBroken(const QSqlDatabase& db) {
    PGconn* connection = handleOf(db);
    return !connection || libpq().status(connection) != CONNECTION_OK;
}

} // namespace ravelbook::postgres
