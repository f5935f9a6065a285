#include "store/database.h"
#include "store/schema.h"
#include "store/store_error.h"
#include "support/bad_books.h"
#include "support/temp_book.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <sys/stat.h>

namespace ravelbook {
namespace {

using testing::TempBook;

QStringList columnsOf(const TempBook& book, const QString& table) {
    QStringList names;
    for (const QVariant& v :
         book.column(QStringLiteral("SELECT name FROM pragma_table_info(?)"), {table}))
        names << v.toString();
    return names;
}

TEST(Database, MissingFileIsCreatedWithTheThreeTables) {
    SKIP_ON_SERVER();
    TempBook book;
    const QString nested = QDir(book.folder()).filePath(QStringLiteral("deep/er/book.db"));
    { Database db(nested); }
    ASSERT_TRUE(QFileInfo::exists(nested));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(nested).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    ASSERT_EQ(::stat(QFile::encodeName(QFileInfo(nested).absolutePath()).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    TempBook created;
    created.create();
    QStringList addressColumns{"Name",    "Address", "City State Zip", "Country",
                               "Contact", "Phone",   "Notes"};
    for (int k = 0; k < 18; ++k)
        addressColumns << QString::number(k);
    EXPECT_EQ(columnsOf(created, QStringLiteral("Addresses")), addressColumns);
    EXPECT_EQ(columnsOf(created, QStringLiteral("Return Addresses")),
              (QStringList{"Name", "Address", "City State Zip"}));
    EXPECT_EQ(columnsOf(created, QStringLiteral("Ini")), QStringList{"VerticalAdjustment"});
    EXPECT_EQ(created.column(QStringLiteral("SELECT VerticalAdjustment FROM Ini")),
              QVariantList{0});
    EXPECT_EQ(created.value(QStringLiteral("SELECT count(*) FROM \"Return Addresses\"")).toInt(),
              1);
    EXPECT_EQ(created.value(QStringLiteral("SELECT count(*) FROM Addresses")).toInt(), 0);
}

TEST(Database, ExistingBookIsOpenedUnchanged) {
    SKIP_ON_SERVER();
    TempBook book;
    book.create();
    book.exec(QStringLiteral("INSERT INTO Addresses (Name) VALUES ('Smith, John')"));
    const QByteArray before = book.bytes();
    { Database db(book.path()); }
    EXPECT_EQ(book.bytes(), before);
}

TEST(Database, TableNamesMatchWithoutRegardToCase) {
    SKIP_ON_SERVER();
    TempBook book;
    book.exec(QStringLiteral("CREATE TABLE ADDRESSES (name TEXT, Address, \"City State Zip\", "
                             "Country, Contact, Phone, Notes, [0],[1],[2],[3],[4],[5],[6],[7],[8],"
                             "[9],[10],[11],[12],[13],[14],[15],[16],[17], Extra)"));
    book.exec(
        QStringLiteral("CREATE TABLE \"return addresses\" (Name, Address, \"City State Zip\")"));
    book.exec(QStringLiteral("CREATE TABLE ini (VerticalAdjustment)"));
    Database db(book.path());
    EXPECT_EQ(db.tableName(QStringLiteral("Addresses")), QStringLiteral("ADDRESSES"));
}

TEST(Database, FileThatIsNoAddressBookIsReportedAndLeftAlone) {
    SKIP_ON_SERVER();
    for (const testing::BadBook& c : testing::badBooks()) {
        SCOPED_TRACE(c.what);
        TempBook book;
        c.make(book);
        const QByteArray before = book.bytes();
        try {
            Database db(book.path());
            ADD_FAILURE() << "opened";
        } catch (const StoreError& error) {
            EXPECT_TRUE(error.message().contains(book.path())) << error.what();
            EXPECT_TRUE(error.message().contains(QLatin1String(c.reason))) << error.what();
        }
        EXPECT_EQ(book.bytes(), before);
        EXPECT_FALSE(QFileInfo::exists(book.path() + QStringLiteral("-journal")));
    }
}

TEST(Database, BookLockedByAnotherProgramIsReportedAsSuch) {
    SKIP_ON_SERVER();
    TempBook book;
    book.create();
    book.lock();
    try {
        Database db(book.path());
        ADD_FAILURE() << "opened";
    } catch (const StoreError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("another program is using")))
            << error.what();
    }
    book.unlock();
    EXPECT_NO_THROW(Database db(book.path()));
}

TEST(Database, RefusedStatementThrowsStoreError) {
    SKIP_ON_SERVER();
    TempBook book;
    book.create();
    Database db(book.path());
    EXPECT_THROW(db.run(QStringLiteral("SELECT * FROM Nowhere")), StoreError);
    QFile::remove(book.path());
    EXPECT_THROW(db.runDirect({QStringLiteral("SELECT 1"), {}}), StoreError);
}

} // namespace
} // namespace ravelbook
