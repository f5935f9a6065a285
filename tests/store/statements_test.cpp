#include "store/postgres/postgres_dialect.h"
#include "store/sqlite/sqlite_dialect.h"
#include "store/statements.h"
#include "support/temp_book.h"

#include <gtest/gtest.h>

namespace ravelbook {
namespace {

using testing::Person;
using testing::TempBook;

const QString kBase =
    QStringLiteral("SELECT * FROM \"Addresses\" WHERE NOT \"Name\" = '' AND \"Name\" IS NOT NULL");

GroupChoice groups(std::initializer_list<int> chosen) {
    GroupChoice choice{};
    for (int k : chosen)
        choice[k] = true;
    return choice;
}

struct GroupQueryCase {
    std::vector<int> chosen;
    const char* tail;
};

TEST(GroupQuery, TermsFollowColumnOrderWithOneAndAndBrackets) {
    const GroupQueryCase cases[] = {
        {{}, ""},
        {{0}, " AND (\"0\" = -1)"},
        {{17}, " AND (\"17\" = -1)"},
        {{0, 2}, " AND (\"0\" = -1 OR \"2\" = -1)"},
        {{5, 3}, " AND (\"3\" = -1 OR \"5\" = -1)"},
        {{0, 9, 17}, " AND (\"0\" = -1 OR \"9\" = -1 OR \"17\" = -1)"},
    };
    for (const auto& c : cases) {
        GroupChoice choice{};
        for (int k : c.chosen)
            choice[k] = true;
        EXPECT_EQ(sql::selectGroups(choice).text, kBase + QLatin1String(c.tail)) << c.tail;
        EXPECT_EQ(sql::anyGroup(choice), !c.chosen.empty());
    }
}

TEST(GroupQuery, AllEighteenGroups) {
    GroupChoice all{};
    all.fill(true);
    const QString text = sql::selectGroups(all).text;
    EXPECT_TRUE(text.endsWith(QStringLiteral("\"16\" = -1 OR \"17\" = -1)")));
    EXPECT_EQ(text.count(QStringLiteral(" OR ")), 17);
}

TEST(Statements, NamesAreBoundNeverSpliced) {
    const auto statement = sql::selectAddressesNamed(QStringLiteral("O'Brien, Pat"));
    EXPECT_FALSE(statement.text.contains(QStringLiteral("O'Brien")));
    EXPECT_EQ(statement.bindings, QVariantList{QStringLiteral("O'Brien, Pat")});
}

TEST(Statements, KeysKeepTheRecordSourceRowsAndOrder) {
    const SqliteDialect sqlite;
    EXPECT_EQ(sql::keysOf(sqlite, QStringLiteral("SELECT * FROM ADDRESSES ORDER BY Name"), "Name"),
              QStringLiteral("SELECT _rowid_, \"Name\" FROM ADDRESSES ORDER BY Name"));
    EXPECT_EQ(sql::keysOf(PostgresDialect(),
                          sql::selectTable(QStringLiteral("Return Addresses")).text, "Name"),
              QStringLiteral("SELECT ravelbook_key, \"Name\" FROM \"Return Addresses\""));
    EXPECT_TRUE(sql::keysOf(sqlite, QStringLiteral("DELETE FROM Addresses"), "Name").isEmpty());
}

// The statements run against a real file and select what the window relies on.
class StatementsOnFile : public ::testing::Test {
protected:
    void SetUp() override {
        book.create();
        book.addPeople({
            {QStringLiteral("Smith, John"), {}, {}, {}, {}, {0}},
            {QStringLiteral("O'Brien, Pat"), {}, {}, {}, {}, {5}},
            {QStringLiteral(""), {}, {}, {}, {}, {5}},
            {std::nullopt, {}, {}, {}, {}, {5, 3}},
            {QStringLiteral("Adams, Zoe"), {}, {}, {}, {}, {3, 5}},
            {QStringLiteral("xxxxxxxxxxxx"), {}, {}, {}, {}, {}},
            {QStringLiteral("Jones, Ann"), {}, {}, {}, {}, {}},
        });
        db = book.open();
    }

    QStringList names(const sql::RecordSource& statement) {
        QStringList result;
        QSqlQuery query = db->run(statement);
        while (query.next())
            result << (query.value(0).isNull() ? QStringLiteral("<null>")
                                               : query.value(0).toString());
        return result;
    }

    TempBook book;
    std::unique_ptr<Database> db;
};

TEST_F(StatementsOnFile, NameListHoldsNamedRecordsInNameOrder) {
    EXPECT_EQ(
        names(sql::selectNamedAddresses(db->dialect())),
        (QStringList{"Adams, Zoe", "Jones, Ann", "O'Brien, Pat", "Smith, John", "xxxxxxxxxxxx"}));
}

TEST_F(StatementsOnFile, WholeTableInNameOrderKeepsUnnamedRows) {
    EXPECT_EQ(names(sql::selectAllAddressesByName(db->dialect())),
              (QStringList{"<null>", "", "Adams, Zoe", "Jones, Ann", "O'Brien, Pat", "Smith, John",
                           "xxxxxxxxxxxx"}));
    EXPECT_EQ(names(sql::selectAllAddresses()).size(), 7);
}

TEST_F(StatementsOnFile, ApostropheNameIsFound) {
    EXPECT_EQ(names(sql::selectAddressesNamed(QStringLiteral("O'Brien, Pat"))),
              QStringList{"O'Brien, Pat"});
    EXPECT_TRUE(names(sql::selectAddressesNamed(QStringLiteral("' OR '1'='1"))).isEmpty());
}

TEST_F(StatementsOnFile, GroupQuerySelectsNamedMembersOfEveryChosenGroupOnly) {
    EXPECT_EQ(names(sql::selectGroups(groups({5}))), (QStringList{"O'Brien, Pat", "Adams, Zoe"}));
    // Unnamed members of the later group stay out: the group terms are bracketed.
    EXPECT_EQ(names(sql::selectGroups(groups({3, 5}))),
              (QStringList{"O'Brien, Pat", "Adams, Zoe"}));
    EXPECT_EQ(names(sql::selectGroups(groups({0, 5}))),
              (QStringList{"Smith, John", "O'Brien, Pat", "Adams, Zoe"}));
}

TEST_F(StatementsOnFile, SentinelSelectsOnlyTheTwelveXRecord) {
    EXPECT_EQ(names(sql::selectNothing()), QStringList{"xxxxxxxxxxxx"});
}

TEST_F(StatementsOnFile, PurgeDeletesEmptyAndNullNamesOnly) {
    db->runDirect(sql::deleteUnnamedAddresses());
    EXPECT_EQ(book.value(QStringLiteral("SELECT count(*) FROM Addresses")).toInt(), 5);
    EXPECT_EQ(
        book.value(QStringLiteral("SELECT count(*) FROM Addresses WHERE Name IS NULL OR Name = ''"))
            .toInt(),
        0);
}

} // namespace
} // namespace ravelbook
