#include "store/postgres/server_connection.h"

#include "store/store_error.h"

#include <libpq-fe.h>
#include <memory>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <vector>

namespace ravelbook::postgres {

namespace {

// Long enough for a server across a slow network, short enough that a
// mistyped host name is reported before the user wonders.
constexpr const char* kConnectTimeoutSeconds = "5";

struct Parameter {
    QByteArray keyword;
    QByteArray value;
};

using Options = std::unique_ptr<PQconninfoOption, decltype(&PQconninfoFree)>;

std::vector<Parameter> parameters(const QString& uri) {
    char* error = nullptr;
    Options options(PQconninfoParse(uri.toUtf8().constData(), &error), &PQconninfoFree);
    if (!options) {
        const QString why = error ? QString::fromUtf8(error).trimmed() : QStringLiteral("?");
        PQfreemem(error);
        throw StoreError(
            QStringLiteral("\"%1\" is not a server address Ravelbook can read: %2.").arg(uri, why));
    }
    std::vector<Parameter> found;
    bool timeout = false;
    for (const PQconninfoOption* option = options.get(); option->keyword; ++option) {
        if (!option->val)
            continue;
        const QByteArray keyword(option->keyword);
        if (keyword == "password")
            throw StoreError(
                QStringLiteral("The server address \"%1\" holds a password. Leave it out: "
                               "Ravelbook asks for it, "
                               "or takes it from ~/.pgpass, PGPASSWORD or a service file.")
                    .arg(uri));
        timeout = timeout || keyword == "connect_timeout";
        found.push_back({keyword, QByteArray(option->val)});
    }
    if (!timeout && qEnvironmentVariableIsEmpty("PGCONNECT_TIMEOUT"))
        found.push_back({"connect_timeout", kConnectTimeoutSeconds});
    found.push_back({"fallback_application_name", "Ravelbook"});
    return found;
}

QByteArray quoted(const QByteArray& value) {
    QByteArray inner = value;
    inner.replace('\\', "\\\\").replace('\'', "\\'");
    return '\'' + inner + '\'';
}

using Connection = std::unique_ptr<PGconn, decltype(&PQfinish)>;

Connection probe(const std::vector<Parameter>& given, const std::optional<QString>& password) {
    std::vector<const char*> keywords;
    std::vector<const char*> values;
    const QByteArray secret = password ? password->toUtf8() : QByteArray();
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
    return Connection(PQconnectdbParams(keywords.data(), values.data(), 0), &PQfinish);
}

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
    if (PQstatus(tried.get()) != CONNECTION_OK) {
        RefusedConnection refused;
        refused.message = QString::fromUtf8(PQerrorMessage(tried.get())).trimmed();
        if (PQconnectionNeedsPassword(tried.get()))
            refused.reason = password ? RefusedConnection::Reason::WrongPassword
                                      : RefusedConnection::Reason::NeedsPassword;
        else if (password && PQconnectionUsedPassword(tried.get()))
            refused.reason = RefusedConnection::Reason::WrongPassword;
        return refused;
    }
    db.setConnectOptions(connectOptions(uri));
    db.setPassword(password.value_or(QString()));
    if (!db.open()) {
        RefusedConnection refused;
        refused.message = db.lastError().text().trimmed();
        return refused;
    }
    return std::nullopt;
}

void setUpSession(QSqlDatabase& db, bool readOnly) {
    QSqlQuery session(db);
    session.exec(QStringLiteral("SET plan_cache_mode = force_generic_plan"));
    if (readOnly)
        session.exec(QStringLiteral("SET default_transaction_read_only = on"));
}

bool connectionBroken(const QSqlDatabase& db) {
    PGconn* connection = handleOf(db);
    return !connection || PQstatus(connection) != CONNECTION_OK;
}

} // namespace ravelbook::postgres
