#include "support/bad_books.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ravelbook::testing {

void writeBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const std::vector<BadBook>& badBooks() {
    static const std::vector<BadBook> all = {
        {"text file", [](TempBook& b) { writeBytes(b.path(), "Dear John,\nthis is a letter.\n"); },
         "not a database"},
        {"empty file", [](TempBook& b) { writeBytes(b.path(), {}); }, "it is an empty file"},
        {"missing table",
         [](TempBook& b) {
             b.create();
             b.exec(QStringLiteral("DROP TABLE Ini"));
         },
         "\"Ini\" is missing"},
        {"missing column",
         [](TempBook& b) {
             b.create();
             b.exec(QStringLiteral("ALTER TABLE Addresses DROP COLUMN Phone"));
         },
         "no column \"Phone\""},
        {"name not first",
         [](TempBook& b) {
             b.create();
             b.exec(QStringLiteral("DROP TABLE \"Return Addresses\""));
             b.exec(QStringLiteral(
                 "CREATE TABLE \"Return Addresses\" (Address, Name, \"City State Zip\")"));
         },
         "must be the first column"},
        {"truncated book",
         [](TempBook& b) {
             b.create();
             for (int i = 0; i < 50; ++i)
                 b.exec(QStringLiteral(
                     "INSERT INTO Addresses (Name, Notes) VALUES ('n', zeroblob(400))"));
             QFile file(b.path());
             ASSERT_TRUE(file.resize(4096 + 100));
         },
         "damaged"},
    };
    return all;
}

} // namespace ravelbook::testing
