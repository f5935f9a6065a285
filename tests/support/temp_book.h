#pragma once

#include "store/database.h"

#include <initializer_list>
#include <memory>
#include <optional>
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <vector>

namespace ravelbook::testing {

// One address record as the tests write it; unset fields stay NULL.
struct Person {
    std::optional<QString> name;
    QString address;
    QString cityStateZip;
    QString country;
    QString contact;
    std::vector<int> groups;
};

// Whether this run keeps its books on the test server (RAVELBOOK_TEST_ENGINE=postgresql)
// instead of in files.
bool onServer();
// The URI of the test server's maintenance database, as its superuser.
QString serverUri();
// Runs `command` of tools/postgres-server (pause, resume) on the test server.
bool controlServer(const QString& command);

// Skips a test of what only a book file has (its bytes, its locks, its rights).
#define SKIP_ON_SERVER()                                                                           \
    do {                                                                                           \
        if (::ravelbook::testing::onServer())                                                      \
            GTEST_SKIP() << "a book file only";                                                    \
    } while (false)

// An address book in a temporary folder (or, on the test server, a database of
// its own), with a side connection of its own to arrange and inspect it the way
// another program would. The side connection's statements may name tables and
// columns bare, as SQLite reads them; on the server they are quoted for it.
class TempBook {
public:
    TempBook();
    ~TempBook();

    // The book: a file's path, or the URI of its server database.
    QString path() const { return path_; }
    QString folder() const { return dir_.path(); }

    // Creates the file through the program's own creation path.
    void create();
    // Opens the book as the program does, but waits only a moment for a lock.
    std::unique_ptr<Database> open() const;

    void exec(const QString& statement, const QVariantList& bindings = {});
    qint64 addPerson(const Person& person);
    void addPeople(std::initializer_list<Person> people);
    // First column of every row the query returns.
    QVariantList column(const QString& query, const QVariantList& bindings = {}) const;
    QVariant value(const QString& query, const QVariantList& bindings = {}) const;

    QByteArray bytes() const;

    // Holds the file the way another program writing to it would, until unlock().
    void lock() { exec(QStringLiteral("BEGIN EXCLUSIVE")); }
    void unlock() { exec(QStringLiteral("ROLLBACK")); }

    // Makes the file unwritable for this program (also as root, where the
    // file's rights don't count: then it is made immutable), and writable again.
    // False when this file system can't do it (no immutable files for root).
    bool setWritable(bool writable);

private:
    QTemporaryDir dir_;
    QString path_;
    QString connection_;
    QString database_; // on the server
    bool unwritable_ = false;
};

} // namespace ravelbook::testing
