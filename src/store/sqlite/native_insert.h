#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace ravelbook {

// One INSERT run again and again through SQLite's own interface: for an
// import of many thousand records the driver's cost per bound value is most
// of the time.
class NativeInsert {
public:
    // Whether `handle` (a Qt Sql driver's) is an SQLite connection.
    static bool takes(const QVariant& handle);
    // Throws SqlFailure when SQLite can't prepare `text` on the connection.
    NativeInsert(const QVariant& handle, const QString& text);
    ~NativeInsert();
    NativeInsert(const NativeInsert&) = delete;
    NativeInsert& operator=(const NativeInsert&) = delete;

    void bindText(int column, const QString& text);
    void bindInt(int column, int value);
    // Writes the row; throws SqlFailure with SQLite's reason when it is refused.
    void add();

private:
    sqlite3* db_ = nullptr;
    sqlite3_stmt* statement_ = nullptr;
    std::vector<QByteArray> utf8_; // the texts bound to the next row
};

} // namespace ravelbook
