#include "store/data_source.h"
#include "store/record_conflict.h"
#include "store/statements.h"
#include "store/store_error.h"
#include "support/temp_book.h"

#include <csignal>
#include <gtest/gtest.h>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QSqlQuery>

namespace ravelbook {
namespace {

using testing::Person;
using testing::TempBook;

class DataSourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        book.create();
        book.addPeople({
            {QStringLiteral("Smith, John"), QStringLiteral("12 Elm Street")},
            {QStringLiteral("Jones, Ann"), QStringLiteral("1 First Street")},
            {QStringLiteral("Jones, Ann"), QStringLiteral("2 Second Street")},
            {QStringLiteral("O'Brien, Pat"), QStringLiteral("4 Harbour Road")},
        });
        openBook();
    }

    void openBook() {
        source.reset();
        db = book.open();
        source = std::make_unique<DataSource>(*db, QStringLiteral("Addresses"));
        source->bindColumn(QStringLiteral("Name"), QString());
        source->bindColumn(QStringLiteral("Address"), QString());
        source->bindColumn(QStringLiteral("0"), 0);
    }

    void open(const sql::RecordSource& recordSource) {
        source->setRecordSource(recordSource);
        source->refresh();
    }

    QVariantList addresses() const {
        return book.column(QStringLiteral("SELECT Address FROM Addresses ORDER BY rowid"));
    }

    TempBook book;
    std::unique_ptr<Database> db;
    std::unique_ptr<DataSource> source;
};

TEST_F(DataSourceTest, MovesThroughTheRecordSetAndReportsItsEnds) {
    open(sql::selectAllAddressesByName(db->dialect()));
    EXPECT_EQ(source->recordCount(), 4);
    EXPECT_FALSE(source->bof());
    EXPECT_EQ(source->field(0).toString(), QStringLiteral("Jones, Ann"));
    source->moveLast();
    EXPECT_EQ(source->field(QStringLiteral("Name")).toString(), QStringLiteral("Smith, John"));
    source->moveNext();
    EXPECT_TRUE(source->eof());
    EXPECT_FALSE(source->hasCurrent());
    EXPECT_THROW(source->moveNext(), StoreError);
    EXPECT_THROW(source->field(0), StoreError);
    source->moveFirst();
    source->movePrevious();
    EXPECT_TRUE(source->bof());
    EXPECT_THROW(source->movePrevious(), StoreError);
    EXPECT_EQ(source->firstFields(),
              (QStringList{"Jones, Ann", "Jones, Ann", "O'Brien, Pat", "Smith, John"}));
}

TEST_F(DataSourceTest, EmptyRecordSetIsAtBothEnds) {
    open(sql::selectNothing());
    EXPECT_TRUE(source->bof());
    EXPECT_TRUE(source->eof());
    EXPECT_EQ(source->recordCount(), 0);
    EXPECT_THROW(source->moveFirst(), StoreError);
    EXPECT_THROW(source->update(), StoreError);
    EXPECT_THROW(source->remove(), StoreError);
}

TEST_F(DataSourceTest, SaveAndDeleteTouchOnlyTheCurrentRowAmongEqualNames) {
    open(sql::selectAddressesNamed(QStringLiteral("Jones, Ann")));
    ASSERT_EQ(source->recordCount(), 2);
    source->moveNext();
    source->setField(QStringLiteral("Address"), QStringLiteral("2 Changed Street"));
    source->update();
    EXPECT_EQ(addresses(), (QVariantList{"12 Elm Street", "1 First Street", "2 Changed Street",
                                         "4 Harbour Road"}));

    source->moveFirst();
    source->remove();
    EXPECT_EQ(addresses(), (QVariantList{"12 Elm Street", "2 Changed Street", "4 Harbour Road"}));
    EXPECT_EQ(source->recordCount(), 1);
    EXPECT_EQ(source->field(QStringLiteral("Address")).toString(),
              QStringLiteral("2 Changed Street"));
}

TEST_F(DataSourceTest, ChangedRowIsWrittenBeforeTheSourceLeavesIt) {
    open(sql::selectAllAddresses());
    source->setField(QStringLiteral("Address"), QStringLiteral("moved away"));
    source->moveNext();
    EXPECT_EQ(addresses().value(0).toString(), QStringLiteral("moved away"));

    source->setField(QStringLiteral("Address"), QStringLiteral("new record source"));
    open(sql::selectNamedAddresses(db->dialect()));
    EXPECT_EQ(addresses().value(1).toString(), QStringLiteral("new record source"));
}

// Staying is the user's choice, not a failure: nothing moves and nothing is thrown.
TEST_F(DataSourceTest, GuardThatSaysStayKeepsTheRowAndItsChanges) {
    open(sql::selectAllAddresses());
    source->setLeaveGuard([](const DataSource&) { return DataSource::Leave::Stay; });
    source->setField(QStringLiteral("Address"), QStringLiteral("kept here"));
    EXPECT_FALSE(source->flushPending());
    EXPECT_NO_THROW(source->moveNext());
    EXPECT_NO_THROW(source->refresh());
    EXPECT_NO_THROW(source->addNew());
    EXPECT_EQ(source->position(), 0);
    EXPECT_TRUE(source->isDirty());
    EXPECT_EQ(source->field(QStringLiteral("Address")).toString(), QStringLiteral("kept here"));
    EXPECT_EQ(addresses().value(0).toString(), QStringLiteral("12 Elm Street"));
}

TEST_F(DataSourceTest, UnsavedCellsAreNotWrittenOverWithBlanks) {
    book.exec(QStringLiteral("UPDATE Addresses SET Country = NULL"));
    open(sql::selectAllAddresses());
    source->setField(QStringLiteral("Address"), QStringLiteral("changed"));
    source->update();
    EXPECT_TRUE(
        book.value(QStringLiteral("SELECT Country FROM Addresses WHERE rowid = 1")).isNull());
}

TEST_F(DataSourceTest, NewRowIsWrittenWithItsBoundBlanksOrDroppedWhenUntouched) {
    open(sql::selectAllAddresses());
    source->addNew();
    EXPECT_TRUE(source->isNew());
    EXPECT_FALSE(source->bof() || source->eof());
    open(sql::selectAllAddresses());
    EXPECT_EQ(source->recordCount(), 4) << "an untouched new row is dropped";

    source->addNew();
    source->setField(QStringLiteral("Name"), QStringLiteral("Adams, Zoe"));
    source->moveFirst(); // leaving the row writes it
    EXPECT_EQ(book.value(QStringLiteral("SELECT count(*) FROM Addresses")).toInt(), 5);
    const QVariantList row =
        book.column(QStringLiteral("SELECT Address FROM Addresses WHERE Name = 'Adams, Zoe'"));
    EXPECT_EQ(row, QVariantList{QString()});

    source->addNew();
    source->setField(QStringLiteral("Name"), QStringLiteral("Baker, Bo"));
    source->update();
    EXPECT_FALSE(source->isNew());
    EXPECT_EQ(source->field(QStringLiteral("Name")).toString(), QStringLiteral("Baker, Bo"));
    EXPECT_EQ(source->recordCount(), 6);
}

TEST_F(DataSourceTest, FailedRefreshKeepsThePreviousRecordSet) {
    open(sql::selectAllAddresses());
    source->moveNext();
    source->setRecordSource({QStringLiteral("SELECT * FROM Addresses WHERE Nonsense = 1"), {}});
    EXPECT_THROW(source->refresh(), StoreError);
    EXPECT_EQ(source->recordCount(), 4);
    EXPECT_EQ(source->position(), 1);
}

TEST_F(DataSourceTest, FailedSaveKeepsTheEditsForARetry) {
    open(sql::selectAllAddresses());
    source->setField(QStringLiteral("Address"), QStringLiteral("kept"));
    book.exec(QStringLiteral("DELETE FROM Addresses WHERE rowid = 1"));
    EXPECT_THROW(source->update(), StoreError);
    EXPECT_TRUE(source->isDirty());
    EXPECT_EQ(source->field(QStringLiteral("Address")).toString(), QStringLiteral("kept"));
}

// Another program holding the file makes each of these wait a moment and fail;
// nothing may be lost, written twice or mixed up, and a retry succeeds.
TEST_F(DataSourceTest, LockedBookLeavesPositionAndRowTogether) {
    SKIP_ON_SERVER();
    open(sql::selectAllAddresses());
    book.lock();
    EXPECT_THROW(source->moveNext(), StoreError);
    EXPECT_EQ(source->position(), 0);
    EXPECT_EQ(source->field(0).toString(), QStringLiteral("Smith, John"));
    EXPECT_EQ(source->rowValues(0).value(0).toString(), QStringLiteral("Smith, John"));
    book.unlock();
    source->moveNext();
    EXPECT_EQ(source->field(QStringLiteral("Address")).toString(),
              QStringLiteral("1 First Street"));
}

TEST_F(DataSourceTest, NewRowIsWrittenOnceWhenTheReadAfterItFails) {
    SKIP_ON_SERVER();
    open(sql::selectAllAddresses());
    source->addNew();
    source->setField(QStringLiteral("Name"), QStringLiteral("Zed, New"));
    // The lock arrives right after the insert, before anything that may follow it.
    QObject::connect(source.get(), &DataSource::recordSetReset, [this] { book.lock(); });
    try {
        source->update();
    } catch (const StoreError&) {
    }
    book.unlock();
    EXPECT_TRUE(source->flushPending());
    source->moveFirst();
    EXPECT_EQ(book.value(QStringLiteral("SELECT count(*) FROM Addresses WHERE Name = 'Zed, New'"))
                  .toInt(),
              1);
}

TEST_F(DataSourceTest, RowValuesShowOtherRowsAndTheCurrentEdits) {
    open(sql::selectAllAddresses());
    source->setField(QStringLiteral("Address"), QStringLiteral("typed"));
    EXPECT_EQ(source->rowValues(0).value(1).toString(), QStringLiteral("typed"));
    EXPECT_EQ(source->rowValues(3).value(0).toString(), QStringLiteral("O'Brien, Pat"));
    EXPECT_TRUE(source->rowValues(4).isEmpty());
}

TEST_F(DataSourceTest, CountsAreNotCutToSixteenBits) {
    book.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                             "WHERE i < 40000) INSERT INTO Addresses (Name) "
                             "SELECT printf('Person %05d', i) FROM n"));
    open(sql::selectNamedAddresses(db->dialect()));
    EXPECT_EQ(source->recordCount(), 40004);
    EXPECT_EQ(source->firstFields().size(), 40004);
    source->moveLast();
    EXPECT_EQ(source->field(0).toString(), QStringLiteral("Smith, John"));
}

// Every row read ahead, whatever the block size, is the row a plain read gives;
// a row deleted by another program after the record set was read shows empty.
TEST_F(DataSourceTest, ReadingAheadGivesTheSameRowsInTheRecordSetsOrder) {
    book.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                             "WHERE i < 9) INSERT INTO Addresses (Name, Address) "
                             "SELECT 'Person ' || i, i || ' Road' FROM n"));
    const auto walk = [this] {
        QStringList seen;
        for (source->moveFirst(); !source->eof(); source->moveNext())
            seen << source->field(0).toString() + QLatin1Char('|') + source->field(1).toString();
        return seen;
    };
    open(sql::selectAllAddressesByName(db->dialect()));
    const QStringList plain = walk();
    ASSERT_EQ(plain.size(), 13);

    for (const int block : {1, 3, 13, 50}) {
        SCOPED_TRACE(block);
        open(sql::selectAllAddressesByName(db->dialect()));
        {
            const DataSource::ReadAhead ahead(*source, block);
            EXPECT_EQ(walk(), plain);
        }
        // Afterwards the current row is read fresh again.
        open(sql::selectAllAddressesByName(db->dialect()));
        book.exec(
            QStringLiteral("UPDATE Addresses SET Notes = 'moved' WHERE Name = 'O''Brien, Pat'"));
        source->moveTo(2);
        EXPECT_EQ(source->field(QStringLiteral("Notes")).toString(), QStringLiteral("moved"));
        book.exec(QStringLiteral("UPDATE Addresses SET Notes = NULL"));
    }

    open(sql::selectAllAddressesByName(db->dialect()));
    const DataSource::ReadAhead ahead(*source, 4);
    book.exec(QStringLiteral("DELETE FROM Addresses WHERE Name = 'Person 5'"));
    QStringList seen = walk();
    ASSERT_EQ(seen.size(), 13);
    EXPECT_EQ(seen.filter(QStringLiteral("Person 5")), QStringList());
    EXPECT_EQ(seen.count(QStringLiteral("|")), 1);
}

TEST_F(DataSourceTest, SignalsLetBoundControlsFollow) {
    QSignalSpy current(source.get(), &DataSource::currentChanged);
    QSignalSpy reset(source.get(), &DataSource::recordSetReset);
    open(sql::selectAllAddresses());
    source->moveNext();
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(current.count(), 2);
}

// Two users on one book: a save never goes over a change it didn't see, and a
// record deleted by the other is never made again.
TEST_F(DataSourceTest, SaveRefusesOverAnotherUsersChangeOrDeletion) {
    enum class Other { Edits, Deletes };
    enum class Mine { Edits, Deletes };
    struct Case {
        Other other;
        Mine mine;
        std::optional<RecordConflict::Change> refused;
    };
    const Case cases[] = {{Other::Edits, Mine::Edits, RecordConflict::Change::Changed},
                          {Other::Deletes, Mine::Edits, RecordConflict::Change::Deleted},
                          {Other::Edits, Mine::Deletes, RecordConflict::Change::Changed},
                          {Other::Deletes, Mine::Deletes, std::nullopt}};
    for (const Case& c : cases) {
        const QString name = QStringLiteral("Case %1, Anne").arg(&c - cases);
        book.addPerson({name, QStringLiteral("as read")});
        open(sql::selectAllAddresses());
        source->moveLast();
        const auto theirs = book.open();
        DataSource other(*theirs, QStringLiteral("Addresses"));
        other.setRecordSource(sql::selectAddressesNamed(name));
        other.refresh();
        if (c.other == Other::Edits) {
            other.setField(QStringLiteral("Address"), QStringLiteral("theirs"));
            other.update();
        } else {
            other.remove();
        }
        try {
            if (c.mine == Mine::Edits) {
                source->setField(QStringLiteral("Address"), QStringLiteral("mine"));
                source->update();
            } else {
                source->remove();
            }
            EXPECT_FALSE(c.refused);
        } catch (const RecordConflict& conflict) {
            ASSERT_TRUE(c.refused);
            EXPECT_EQ(conflict.change(), *c.refused);
            EXPECT_TRUE(conflict.message().contains(name));
            if (c.mine == Mine::Edits) {
                EXPECT_EQ(source->field(QStringLiteral("Address")).toString(), "mine");
            }
            if (conflict.change() == RecordConflict::Change::Changed && c.mine == Mine::Edits) {
                EXPECT_EQ(conflict.theirs().value(1).toString(), "theirs");
                conflict.writeOver(); // asked for: mine goes over theirs
                EXPECT_EQ(book.value("SELECT Address FROM Addresses WHERE Name = ?", {name}),
                          "mine");
            }
        }
        const int left =
            book.value("SELECT count(*) FROM Addresses WHERE Name = ?", {name}).toInt();
        EXPECT_EQ(left, c.other == Other::Deletes || !c.refused ? 0 : 1);
        source->discardChanges();
    }
}

// A server that goes away during a save: told, the edit kept, saved once it is back.
TEST_F(DataSourceTest, SaveWhileTheServerIsAwayIsKeptForARetry) {
    if (!testing::onServer())
        GTEST_SKIP() << "a server book only";
    open(sql::selectAllAddresses());
    source->setField(QStringLiteral("Address"), QStringLiteral("typed while away"));
    ASSERT_TRUE(testing::controlServer(QStringLiteral("pause")));
    try {
        source->update();
        ADD_FAILURE() << "saved without a server";
    } catch (const StoreError& error) {
        EXPECT_TRUE(error.message().startsWith(
            QStringLiteral("The server book \"%1\" can't be reached: the server is not running")
                .arg(book.path())))
            << error.message().toStdString();
    }
    EXPECT_TRUE(source->isDirty());
    ASSERT_TRUE(testing::controlServer(QStringLiteral("resume")));
    source->update();
    EXPECT_FALSE(source->isDirty());
    const auto again = book.open(); // the side connection went with the server
    QSqlQuery saved = again->run(QStringLiteral("SELECT count(*) FROM \"Addresses\" WHERE "
                                                "\"Address\" = 'typed while away'"));
    ASSERT_TRUE(saved.next());
    EXPECT_EQ(saved.value(0).toInt(), 1);
}

// A server that answers nothing at all (its machine frozen): the save gives
// up after a bounded time, saying so, and the edit stays for a retry.
TEST_F(DataSourceTest, SaveToAServerThatGivesNoAnswerGivesUpInTimeKeepingTheEdit) {
    if (!testing::onServer())
        GTEST_SKIP() << "a server book only";
    qputenv("PGOPTIONS", "-c statement_timeout=1000");
    openBook();
    qunsetenv("PGOPTIONS");
    open(sql::selectAllAddresses());
    QSqlQuery backend = db->run(QStringLiteral("SELECT pg_backend_pid()"));
    ASSERT_TRUE(backend.next());
    // Let go of however the test ends: a stopped server process holds up the whole server.
    struct Frozen {
        pid_t server;
        ~Frozen() {
            ::kill(server, SIGTERM);
            ::kill(server, SIGCONT);
        }
    } const frozen{pid_t(backend.value(0).toInt())};
    source->setField(QStringLiteral("Address"), QStringLiteral("typed while frozen"));
    ASSERT_EQ(::kill(frozen.server, SIGSTOP), 0);
    QElapsedTimer clock;
    clock.start();
    try {
        source->update();
        ADD_FAILURE() << "saved to a frozen server";
    } catch (const StoreError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("gave no answer in 2 seconds")))
            << error.message().toStdString();
    }
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_TRUE(source->isDirty());
    EXPECT_EQ(source->field(QStringLiteral("Address")).toString(), "typed while frozen");
}

} // namespace
} // namespace ravelbook
