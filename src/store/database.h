#pragma once

#include "store/dialect.h"
#include "store/schema.h"
#include "store/statements.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <unordered_map>
#include <utility>
#include <vector>

class QSqlError;

namespace ravelbook {
class Secret;
class SqlFailure;
} // namespace ravelbook

namespace ravelbook {

// One open address book: a file of its own (SQLite) or a database on a
// PostgreSQL server, named by a connection URI. Opening never changes a
// database that is not an address book; a missing file is created with the
// three empty tables, in a temporary file renamed into place, so an interrupted
// creation leaves nothing. An empty server database becomes a book only when
// the opener agrees.
//
// Once a statement finds the book damaged, nothing more is written to it:
// every later change is refused, reading what can be read goes on.
class Database {
public:
    // ReadOnly never writes: a missing file is an error and every change is refused.
    enum class Access { ReadWrite, ReadOnly };
    static constexpr std::chrono::milliseconds kBusyWait{2000};

    // Asked when the server wants a password that libpq's own sources
    // (~/.pgpass, PGPASSWORD, a service file) don't give; none to give up.
    struct PasswordRequest {
        QString book;
        QString user;
        QString question; // for the user, naming the server and the user
        bool refusedBefore = false;
    };
    using AskPassword = std::function<std::optional<QString>(const PasswordRequest&)>;
    // Asked before an empty server database is made a book.
    using AskToMakeBook = std::function<bool(const QString& question)>;
    struct Opening {
        Access access = Access::ReadWrite;
        AskPassword askPassword;     // none: a password the server wants is an error
        AskToMakeBook askToMakeBook; // none: made when writing, refused when reading
        // How long a book file's statement waits for another program holding
        // the file before it is refused.
        std::chrono::milliseconds busyWait = kBusyWait;
    };

    // Throws StoreError naming the book and what is wrong with it.
    explicit Database(const QString& book, Access access = Access::ReadWrite);
    Database(const QString& book, const Opening& opening);
    ~Database();

    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // The book: the absolute path of its file, or the server's URI.
    const QString& path() const { return path_; }
    // How to open this book again on a connection of its own (another
    // thread's): with the password the user gave this one, when one was given.
    Opening reopening(Access access = Access::ReadWrite) const;
    // Whether `other` is this very book under another name: the same file
    // (through a link too), or the same database of the same server.
    bool isSameBook(const Database& other) const;
    bool isServer() const { return server_; }
    // A server book whose connection is gone (the next statement reconnects).
    bool connectionLost() const;
    // The book's name as the user reads it.
    QString displayName() const;
    const Dialect& dialect() const { return *dialect_; }

    // A value that differs from the last one read when another connection has
    // changed the book since; none when it can't be told (then assume a change).
    std::optional<qint64> changeMark() const;
    // Counts the connections opened to the book: prepared statements of an
    // earlier one are gone after the connection to the server was lost.
    int connectionGeneration() const { return generation_; }

    // Whether a statement has found the file damaged, and what the user is told of it.
    bool damaged() const { return damaged_; }
    QString damageNotice() const;
    // Throws StoreError when nothing may be written any more (the book is damaged):
    // for writers that go around run().
    void requireWritable() const;

    // True for a file of no bytes: nothing to lose, it may be made a new book.
    static bool isEmptyFile(const QString& path);

    // Writes a new, empty address book at `path`, which must be missing or an
    // empty file. The book is made beside it under a temporary name and renamed
    // into place. Throws StoreError naming the file and the reason.
    static void createNewBook(const QString& path);

    // Statements. Through a const Database only statements that read the book
    // (a query that names no writing word, a pragma that only reads) run; any other is refused with
    // StoreError. Writing takes a Database that is not const.

    // A prepared statement for repeated use; throws StoreError when the engine refuses it.
    QSqlQuery prepare(const QString& text) const;
    QSqlQuery prepare(const QString& text);
    // Runs a statement from prepare() with its values bound; on a server it
    // gives up when the server does not answer in time. Then, and for any
    // failure, pass query.lastError() to fail().
    bool exec(QSqlQuery& query) const;
    // Prepares, binds and runs one statement; throws StoreError when the engine refuses.
    QSqlQuery run(const QString& text, const QVariantList& bindings = {}) const;
    QSqlQuery run(const QString& text, const QVariantList& bindings = {});
    QSqlQuery run(const sql::RecordSource& statement) const {
        return run(statement.text, statement.bindings);
    }
    QSqlQuery run(const sql::RecordSource& statement) {
        return run(statement.text, statement.bindings);
    }
    // Like run(), for a statement that writes again and again (the rows of an
    // import, a record's saves): it stays prepared on the connection, which
    // saves a server two round trips a run. The query is the book's: read it
    // at once, then finish() it.
    QSqlQuery& runKept(const QString& text, const QVariantList& bindings,
                       const QString& context = QCoreApplication::translate(
                           "Database", "The address book could not do this: %1."));

    // One of the address book's tables as the file spells it, and its columns in
    // file order, as read when the file was opened.
    QString tableName(const QString& table) const;
    QStringList columns(const QString& table) const;

    // Runs one statement so that it has taken effect in the book when this
    // returns: a file's on a connection of its own, opened and closed for it.
    void runDirect(const sql::RecordSource& statement);

    // Throws the failure of a statement run on this book (and notes damage).
    [[noreturn]] void fail(const QSqlError& error, const QString& context) const;

private:
    void openFile();
    void openServer(const Opening& opening);
    QSqlDatabase connection() const;
    bool forwardOnly() const;
    // A statement on the book's connection, opened again first if it was lost.
    QSqlQuery newQuery() const;
    // A server connection that was lost is opened again before the next statement.
    void reconnectIfLost() const;
    const schema::FoundTable& found(const QString& table) const;
    // Prepares any statement: for the public prepare()s, which say which ones.
    QSqlQuery prepared(const QString& text) const;
    QSqlQuery execute(const QString& text, const QVariantList& bindings) const;
    // Throws StoreError for a statement that is not one of those that only read.
    void requireReading(const QString& text) const;
    // Binds values as the engine can hold them.
    void bind(QSqlQuery& query, const QVariantList& bindings) const;
    // Runs `call` (a statement's round trip); on a server, breaks it off when
    // the server gives no answer in time, and notes that it did.
    template <typename Call> bool awaitingAnswer(Call call) const;
    // The kept prepared statement of this text on the current connection.
    QSqlQuery& kept(const QString& text);
    // A connection opened while the file was read-only stays so; once the file
    // may be written again, a new one is opened for writing.
    bool reopenForWriting();
    // Whether a statement that failed this way may run again: the file refused
    // it as read-only and has just been opened again for writing.
    bool mayRetryForWriting(const QSqlError& error);
    void refuseWriteWhenDamaged(const QString& text) const;

    QString path_;
    bool server_ = false;
    std::unique_ptr<Dialect> dialect_;
    bool readOnly_ = false;
    std::unique_ptr<Secret> password_; // what the user gave, for reconnecting; never stored
    std::chrono::milliseconds busyWait_;
    // What any statement, a reading one too, may change: a lost server
    // connection is opened again, a damaged file is found so.
    mutable std::chrono::milliseconds answerLimit_{0}; // the server's time for a statement
    mutable bool unanswered_ = false; // the last statement's server gave no answer in time
    mutable int generation_ = 0;
    mutable bool damaged_ = false;
    mutable QString damage_;
    QString connectionName_;
    // Connections replaced by reopenForWriting(); prepared reads may still use them.
    std::vector<QString> retired_;
    std::unordered_map<QString, QSqlQuery> kept_;
    std::pair<QString, int> keptOn_; // the connection and its generation
    std::vector<schema::FoundTable> tables_;
};

} // namespace ravelbook
