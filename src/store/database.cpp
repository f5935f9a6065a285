#include "store/database.h"

#include "store/book_location.h"
#include "store/connection.h"
#include "store/postgres/postgres_dialect.h"
#include "store/postgres/server_connection.h"
#include "store/schema.h"
#include "store/secret.h"
#include "store/sql_failure.h"
#include "store/sqlite/book_file.h"
#include "store/sqlite/sqlite_dialect.h"

#include <algorithm>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlError>
#include <unistd.h>
#include <utility>

namespace ravelbook {

namespace {

bool isStatementWrite(const QString& text) {
    static const char* const writes[] = {"INSERT", "UPDATE", "DELETE", "REPLACE"};
    const QString start = text.trimmed().left(8).toUpper();
    for (const char* word : writes) {
        if (start.startsWith(QLatin1String(word)))
            return true;
    }
    return false;
}

// The words of a statement outside its quoted names and texts, upper-cased.
QStringList bareWords(const QString& text) {
    QStringList words;
    QString word;
    QChar quote;
    for (const QChar c : text) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c.isLetterOrNumber() || c == QLatin1Char('_')) {
            word += c.toUpper();
            continue;
        }
        if (!word.isEmpty())
            words << std::exchange(word, QString());
    }
    if (!word.isEmpty())
        words << word;
    return words;
}

// The statements a const Database runs: they read the book and change nothing.
// A query is let through when no writing word stands outside its quoted names
// (WITH ... DELETE writes in SQLite); a pragma when it is one that only reads.
bool isReading(const QString& text) {
    static const QSet<QString> writing{
        "INSERT", "UPDATE",  "DELETE",  "REPLACE", "UPSERT",   "CREATE", "DROP",   "ALTER",
        "VACUUM", "REINDEX", "ATTACH",  "DETACH",  "TRUNCATE", "GRANT",  "REVOKE", "LOCK",
        "COPY",   "SETVAL",  "NEXTVAL", "INTO",    "NOTIFY",   "CALL",   "DO"};
    static const QSet<QString> readingPragmas{"DATA_VERSION", "USER_VERSION", "SCHEMA_VERSION",
                                              "TABLE_INFO",   "QUICK_CHECK",  "INTEGRITY_CHECK",
                                              "PAGE_COUNT",   "PAGE_SIZE",    "JOURNAL_MODE"};
    const QStringList words = bareWords(text);
    if (words.isEmpty())
        return false;
    if (words.first() == QLatin1String("PRAGMA"))
        return words.size() >= 2 && readingPragmas.contains(words[1]) &&
               (words[1] == QLatin1String("TABLE_INFO") || words.size() == 2) &&
               !text.contains(QLatin1Char('='));
    if (words.first() != QLatin1String("SELECT") && words.first() != QLatin1String("WITH"))
        return false;
    return std::none_of(words.begin(), words.end(),
                        [](const QString& word) { return writing.contains(word); });
}

[[noreturn]] void cantOpenServer(const QString& uri, const QString& what) {
    throw StoreError(QCoreApplication::translate(
                         "Database", "The address book on the server \"%1\" can't be opened: %2.")
                         .arg(bookDisplayName(uri), what));
}

// The driver's own words, for whoever looks into it, after the program's.
QString withDetail(const QString& message, const QString& detail) {
    return detail.isEmpty() ? message
                            : QCoreApplication::translate("Database", "%1\nDetails: %2")
                                  .arg(message, detail.trimmed());
}

// Calls `open` with a copy of the password made for it and wiped after it.
template <typename Open> auto withPassword(const Secret* password, Open open) {
    std::optional<QString> copy;
    if (password)
        copy = password->text();
    auto opened = open(copy);
    if (copy)
        Secret::wipe(*copy);
    return opened;
}

QString unreachable(const QString& uri, const QString& detail) {
    return withDetail(QCoreApplication::translate(
                          "Database", "The server book \"%1\" can't be reached: the server is not "
                                      "running or refused the connection.")
                          .arg(bookDisplayName(uri)),
                      detail);
}

} // namespace

bool Database::isEmptyFile(const QString& path) {
    return book_file::isEmptyFile(path);
}

void Database::createNewBook(const QString& path) {
    book_file::create(path, kBusyWait);
}

Database::Database(const QString& book, Access access) : Database(book, Opening{access, {}, {}}) {}

Database::Database(const QString& book, const Opening& opening)
    : path_(canonicalBook(book)), server_(isServerBook(book)),
      readOnly_(opening.access == Access::ReadOnly), busyWait_(opening.busyWait) {
    if (server_) {
        dialect_ = std::make_unique<PostgresDialect>();
        openServer(opening);
    } else {
        dialect_ = std::make_unique<SqliteDialect>();
        openFile();
    }
}

void Database::openFile() {
    if (QFileInfo::exists(path_))
        book_file::checkExisting(path_, busyWait_);
    else if (readOnly_)
        book_file::cantOpen(path_,
                            QCoreApplication::translate("Database", "there is no such file"));
    else
        book_file::create(path_, busyWait_);

    Connection connection(dialect_->driver());
    QSqlDatabase db = connection.handle();
    db.setDatabaseName(path_);
    db.setConnectOptions(book_file::connectOptions(readOnly_, busyWait_));
    if (!db.open())
        book_file::cantOpen(path_, explain(db.lastError()));
    tables_ = book_file::readTables(path_, db).tables;
    db = QSqlDatabase();
    connectionName_ = connection.release();
}

void Database::openServer(const Opening& opening) {
    Connection connection(dialect_->driver());
    QSqlDatabase db = connection.handle();
    std::optional<postgres::RefusedConnection> refused = postgres::open(db, path_, std::nullopt);
    using Reason = postgres::RefusedConnection::Reason;
    const auto asking = [](Reason reason) {
        return reason == Reason::NeedsPassword || reason == Reason::WrongPassword;
    };
    while (refused && asking(refused->reason)) {
        const QString user = postgres::userName(path_);
        if (!opening.askPassword)
            cantOpenServer(path_,
                           refused->reason == Reason::NeedsPassword
                               ? QCoreApplication::translate(
                                     "Database",
                                     "the server asks for the password of \"%1\". Give it in "
                                     "~/.pgpass, PGPASSWORD or a service file; Ravelbook never "
                                     "takes it on the command line")
                                     .arg(user)
                               : refused->message);
        const QString question =
            refused->reason == Reason::NeedsPassword
                ? QCoreApplication::translate(
                      "Database", "The server of \"%1\" asks for the password of \"%2\":")
                      .arg(path_, user)
                : QCoreApplication::translate(
                      "Database", "The server did not accept that password (%1). The password of "
                                  "\"%2\" on \"%3\":")
                      .arg(refused->message, user, displayName());
        std::optional<QString> typed =
            opening.askPassword({path_, user, question, refused->reason == Reason::WrongPassword});
        if (!typed)
            cantOpenServer(path_, QCoreApplication::translate("Database", "no password was given"));
        password_ = std::make_unique<Secret>(*typed);
        Secret::wipe(*typed);
        refused = withPassword(password_.get(), [&](const std::optional<QString>& password) {
            return postgres::open(db, path_, password);
        });
    }
    if (refused && refused->reason == Reason::Unreachable)
        throw StoreError(unreachable(path_, refused->message));
    if (refused)
        cantOpenServer(path_, refused->message);
    answerLimit_ = postgres::setUpSession(db, readOnly_);

    schema::Found found;
    try {
        found = schema::read(db, *dialect_);
    } catch (const SqlFailure& failure) {
        cantOpenServer(path_, dialect_->explain(failure.error()));
    }
    if (found.empty) {
        const QString question =
            QCoreApplication::translate(
                "Database", "The database \"%1\" holds no address book yet. Make it a new "
                            "address book?")
                .arg(displayName());
        const bool make = opening.askToMakeBook ? opening.askToMakeBook(question) : !readOnly_;
        if (!make)
            cantOpenServer(path_, QCoreApplication::translate(
                                      "Database", "the database holds no address book"));
        try {
            schema::create(db, *dialect_);
            found = schema::read(db, *dialect_);
        } catch (const SqlFailure& failure) {
            // Another run opening the same empty database may have made the
            // book a moment before: then that book is the one opened.
            try {
                found = schema::read(db, *dialect_);
            } catch (const SqlFailure&) {
                found.empty = true;
            }
            if (found.empty)
                cantOpenServer(path_, QCoreApplication::translate(
                                          "Database", "the new book could not be made (%1)")
                                          .arg(dialect_->explain(failure.error())));
        }
    }
    try {
        const QString refused = schema::refusal(found, schema::layoutOf(db, *dialect_));
        if (!refused.isEmpty())
            cantOpenServer(path_, refused);
    } catch (const SqlFailure& failure) {
        cantOpenServer(path_, dialect_->explain(failure.error()));
    }
    tables_ = found.tables;
    db = QSqlDatabase();
    connectionName_ = connection.release();
}

Database::~Database() {
    kept_.clear();     // before their connection goes
    password_.reset(); // wiped with the book's closing
    retired_.push_back(connectionName_);
    for (const QString& name : retired_)
        Connection::remove(name);
}

bool Database::isSameBook(const Database& other) const {
    if (server_ != other.server_)
        return false;
    if (server_)
        return postgres::sameDatabase(connection(), other.connection());
    return book_file::sameFile(path_, other.path_);
}

QString Database::displayName() const {
    return bookDisplayName(path_);
}

QString Database::damageNotice() const {
    return QCoreApplication::translate(
               "Database", "The address book \"%1\" is damaged (%2): restore it from a backup "
                           "copy. Until then Ravelbook writes nothing more to it.")
        .arg(displayName(), damage_);
}

void Database::fail(const QSqlError& failed, const QString& context) const {
    if (server_) {
        const QString detail =
            failed.databaseText().isEmpty() ? failed.text() : failed.databaseText();
        if (unanswered_)
            throw SqlFailure(
                failed,
                withDetail(QCoreApplication::translate(
                               "Database", "The server book \"%1\" gave no answer in %2 seconds: "
                                           "the server may be stopped or out of reach. Ravelbook "
                                           "stopped waiting; try again in a moment.")
                               .arg(displayName())
                               .arg((postgres::answerWait(answerLimit_).count() + 999) / 1000),
                           detail),
                true);
        if (dialect_->isConnectionLost(failed) || postgres::connectionBroken(connection()))
            throw SqlFailure(failed, unreachable(path_, detail), true);
    }
    const QSqlError error = server_ ? failed : book_file::withSystemCause(failed, connection());
    if (dialect_->isDamage(error) && !damaged_) {
        // Said once, naming the book; later failures say what they failed to do.
        damaged_ = true;
        damage_ = error.databaseText().isEmpty() ? error.text() : error.databaseText();
        throw SqlFailure(error, damageNotice(), true);
    }
    throw SqlFailure(error, context.arg(dialect_->explain(error)), true);
}

void Database::refuseWriteWhenDamaged(const QString& text) const {
    if (isStatementWrite(text))
        requireWritable();
}

void Database::requireWritable() const {
    if (damaged_)
        throw StoreError(QCoreApplication::translate(
                             "Database", "Nothing was written: the address book \"%1\" is damaged "
                                         "(%2). Restore the file from a backup copy.")
                             .arg(displayName(), damage_));
}

bool Database::mayRetryForWriting(const QSqlError& error) {
    return error.isValid() && !server_ && isReadOnly(error) && reopenForWriting();
}

bool Database::reopenForWriting() {
    if (server_ || readOnly_ || ::access(QFile::encodeName(path_).constData(), W_OK) != 0)
        return false;
    Connection fresh(dialect_->driver());
    QSqlDatabase db = fresh.handle();
    db.setDatabaseName(path_);
    db.setConnectOptions(book_file::connectOptions(false, busyWait_));
    if (!db.open())
        return false;
    db = QSqlDatabase();
    retired_.push_back(connectionName_);
    connectionName_ = fresh.release();
    return true;
}

bool Database::connectionLost() const {
    return server_ && postgres::connectionBroken(connection());
}

void Database::reconnectIfLost() const {
    if (!server_)
        return;
    QSqlDatabase db = connection();
    if (!postgres::connectionBroken(db))
        return;
    // Statements prepared on the lost connection are gone with it.
    db.close();
    ++generation_;
    const bool opened = withPassword(password_.get(), [&](const std::optional<QString>& password) {
        return postgres::reopen(db, password);
    });
    if (!opened)
        throw StoreError(unreachable(path_, db.lastError().text()));
    answerLimit_ = postgres::setUpSession(db, readOnly_);
}

bool Database::forwardOnly() const {
    // A server's driver reads a forward-only result row by row, and loses it
    // when another statement runs meanwhile on the connection (as while a
    // print run reads its records); there results come whole.
    return !server_;
}

QSqlDatabase Database::connection() const {
    return QSqlDatabase::database(connectionName_, false);
}

QSqlQuery Database::newQuery() const {
    reconnectIfLost();
    QSqlQuery query(connection());
    query.setForwardOnly(forwardOnly());
    return query;
}

template <typename Call> bool Database::awaitingAnswer(Call call) const {
    if (!server_)
        return call();
    postgres::AnswerDeadline deadline(connection(), answerLimit_);
    const bool done = call();
    unanswered_ = deadline.passed();
    return done;
}

bool Database::exec(QSqlQuery& query) const {
    return awaitingAnswer([&query] { return query.exec(); });
}

void Database::bind(QSqlQuery& query, const QVariantList& bindings) const {
    for (const QVariant& value : bindings)
        query.addBindValue(dialect_->storable(value));
}

void Database::requireReading(const QString& text) const {
    if (!isReading(text))
        throw StoreError(QCoreApplication::translate(
                             "Database", "Nothing was written to the address book \"%1\": it was "
                                         "given here for reading only.")
                             .arg(displayName()));
}

QSqlQuery Database::prepared(const QString& text) const {
    QSqlQuery query = newQuery();
    if (!awaitingAnswer([&] { return query.prepare(text); }))
        fail(query.lastError(),
             QCoreApplication::translate("Database", "The address book refused a statement: %1."));
    return query;
}

QSqlQuery Database::prepare(const QString& text) const {
    requireReading(text);
    return prepared(text);
}

QSqlQuery Database::prepare(const QString& text) {
    return prepared(text);
}

QSqlQuery Database::execute(const QString& text, const QVariantList& bindings) const {
    if (bindings.isEmpty()) {
        // Nothing to bind: sent as it is, one round trip to a server, which
        // also prepares no BEGIN or COMMIT.
        QSqlQuery query = newQuery();
        awaitingAnswer([&] { return query.exec(text); });
        return query;
    }
    QSqlQuery query = prepared(text);
    bind(query, bindings);
    exec(query);
    return query;
}

QSqlQuery Database::run(const QString& text, const QVariantList& bindings) const {
    requireReading(text);
    QSqlQuery query = execute(text, bindings);
    if (query.lastError().isValid())
        fail(query.lastError(),
             QCoreApplication::translate("Database", "The address book could not do this: %1."));
    return query;
}

QSqlQuery Database::run(const QString& text, const QVariantList& bindings) {
    refuseWriteWhenDamaged(text);
    QSqlQuery query = execute(text, bindings);
    if (mayRetryForWriting(query.lastError()))
        query = execute(text, bindings);
    if (query.lastError().isValid())
        fail(query.lastError(),
             QCoreApplication::translate("Database", "The address book could not do this: %1."));
    return query;
}

QSqlQuery& Database::kept(const QString& text) {
    reconnectIfLost();
    const std::pair<QString, int> on{connectionName_, generation_};
    // Few texts are ever kept; a long-lived window that made many starts afresh.
    constexpr std::size_t kMostKept = 64;
    if (keptOn_ != on || kept_.size() >= kMostKept) {
        kept_.clear();
        keptOn_ = on;
    }
    auto found = kept_.find(text);
    if (found == kept_.end())
        found = kept_.emplace(text, prepared(text)).first;
    return found->second;
}

QSqlQuery& Database::runKept(const QString& text, const QVariantList& bindings,
                             const QString& context) {
    refuseWriteWhenDamaged(text);
    const auto attempt = [&]() -> QSqlQuery& {
        QSqlQuery& query = kept(text);
        bind(query, bindings);
        exec(query);
        return query;
    };
    QSqlQuery* query = &attempt();
    if (mayRetryForWriting(query->lastError()))
        query = &attempt();
    if (query->lastError().isValid()) {
        const QSqlError error = query->lastError();
        kept_.erase(text); // a statement the engine failed on is prepared afresh
        fail(error, context);
    }
    return *query;
}

std::optional<qint64> Database::changeMark() const {
    try {
        QSqlQuery query = run(dialect_->changeMark());
        if (query.next())
            return query.value(0).toLongLong();
    } catch (const StoreError&) {
        // A book without the mark (or out of reach) is read again whenever asked.
    }
    return std::nullopt;
}

const schema::FoundTable& Database::found(const QString& table) const {
    for (const schema::FoundTable& t : tables_) {
        if (t.name.compare(table, Qt::CaseInsensitive) == 0)
            return t;
    }
    throw StoreError(
        QCoreApplication::translate("Database", "The address book has no table \"%1\".")
            .arg(table));
}

QString Database::tableName(const QString& table) const {
    return found(table).name;
}

QStringList Database::columns(const QString& table) const {
    return found(table).columns;
}

void Database::runDirect(const sql::RecordSource& statement) {
    if (server_) {
        run(statement); // a server applies each statement when it returns
        return;
    }
    if (!QFileInfo::exists(path_))
        throw StoreError(
            QCoreApplication::translate("Database", "The address book \"%1\" is missing.")
                .arg(displayName()));
    const QString context =
        QCoreApplication::translate("Database", "The address book could not do this: %1.");
    Connection connection(dialect_->driver());
    QSqlDatabase db = connection.handle();
    db.setDatabaseName(path_);
    db.setConnectOptions(book_file::connectOptions(false, busyWait_));
    if (!db.open())
        throw SqlFailure(db.lastError(), context);
    QSqlQuery query(db);
    if (!query.prepare(statement.text))
        throw SqlFailure(query.lastError(), context);
    bind(query, statement.bindings);
    if (!query.exec())
        throw SqlFailure(query.lastError(), context);
}

Database::Opening Database::reopening(Access access) const {
    Opening opening;
    opening.access = access;
    if (password_) {
        // A copy of its own, wiped when the opening is dropped.
        QString copy = password_->text();
        std::shared_ptr<const Secret> kept = std::make_shared<Secret>(copy);
        Secret::wipe(copy);
        opening.askPassword = [kept](const PasswordRequest& request) -> std::optional<QString> {
            // Refused once already: asking again would only be refused again.
            if (request.refusedBefore)
                return std::nullopt;
            return kept->text();
        };
    }
    return opening;
}

} // namespace ravelbook
