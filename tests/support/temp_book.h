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

// An address book file in a temporary folder, with a side connection of its own
// to arrange and inspect the file the way another program would.
class TempBook {
public:
    TempBook();
    ~TempBook();

    QString path() const { return path_; }
    QString folder() const { return dir_.path(); }

    // Creates the file through the program's own creation path.
    void create();
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
    bool unwritable_ = false;
};

} // namespace ravelbook::testing
