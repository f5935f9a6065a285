// A book kept in step with an address book on a radicale of the test's own,
// on a book file and (with RAVELBOOK_TEST_ENGINE=postgresql) a server book.
#include "core/error.h"
#include "exchange/carddav/address_book_sync.h"
#include "exchange/vcard_merge.h"
#include "exchange/vcard_reader.h"
#include "store/book_link.h"
#include "store/database.h"
#include "support/radicale.h"
#include "support/temp_book.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using namespace ravelbook;
using namespace std::chrono_literals;
using ravelbook::testing::TempBook;

namespace {

// What the book does not hold: it must come back byte for byte after a change made in the book.
const QByteArray kUnmapped = "EMAIL;TYPE=work,pref:ada@example.org\r\n"
                             "BDAY:1815-12-10\r\n"
                             "PHOTO;VALUE=uri:http://example.org/ada.jpg\r\n"
                             "X-FOO;X-PARAM=1:bar\\, baz\r\n";

QByteArray card(const QString& uid, const QString& name, const QString& street,
                const QByteArray& extra = {}) {
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:" + uid.toUtf8() + "\r\nFN:" + name.toUtf8() +
           "\r\nN:" + name.toUtf8() + ";;;;\r\nADR;TYPE=home:;;" + street.toUtf8() +
           ";Springfield;;;\r\n" + extra + "END:VCARD\r\n";
}

// Counts the requests, and after `cutAfter` of them sends each one but loses its answer,
// as when the server or the network goes away part way (or, with `sendsCut` false,
// sends none of them).
class WatchedTransport : public HttpTransport {
public:
    explicit WatchedTransport(std::chrono::milliseconds timeout = 5s) : inner_(timeout) {}
    HttpResponse send(const HttpRequest& request) override {
        ++sent;
        if (!sendsCut && cutAfter >= 0 && sent > cutAfter)
            throw Error(QStringLiteral("The server could not be reached."), Error::Kind::Network);
        const HttpResponse response = inner_.send(request);
        if (cutAfter >= 0 && sent > cutAfter)
            throw Error(QStringLiteral("The server did not answer."), Error::Kind::Network);
        return response;
    }
    int sent = 0;
    int cutAfter = -1;
    bool sendsCut = true;

private:
    NetworkTransport inner_;
};

class AddressBookSyncTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server_ = std::make_unique<ravelbook::testing::Radicale>(); }
    static void TearDownTestSuite() { server_.reset(); }
    void SetUp() override {
        if (value("url").isEmpty())
            GTEST_SKIP()
                << "radicale did not start (is it installed?): no CardDAV server to test against";
    }
    static QString value(const char* name) { return server_->value(name); }
    // An empty address book of its own for each case.
    QUrl newAddressBook() {
        static int next = 0;
        const QUrl url = server_->newAddressBook(transport_, QString("book%1").arg(next++));
        EXPECT_FALSE(url.isEmpty());
        return url;
    }
    CardDavClient client() { return CardDavClient(transport_, value("user"), value("password")); }
    // The cards on the server, by UID.
    std::map<QString, QByteArray> cards(const QUrl& url) {
        auto dav = client();
        QStringList hrefs;
        for (const auto& entry : dav.list(url))
            hrefs << entry.href;
        std::map<QString, QByteArray> all;
        for (const auto& c : dav.fetch(url, hrefs)) {
            const auto read = exchange::readVCards(c.vcard);
            for (const auto& property : read.cards.front().properties) {
                if (property.name == "UID")
                    all[property.value] = c.vcard;
            }
        }
        return all;
    }
    // "Name / Address" of each card, sorted.
    QStringList serverPeople(const QUrl& url) {
        QStringList people;
        for (const auto& [uid, vcard] : cards(url)) {
            const auto record =
                exchange::recordOfCard(exchange::readVCards(vcard).cards.front(), {});
            people << record[Field::Name] + " / " + record[Field::Address];
        }
        people.sort();
        return people;
    }
    static QStringList bookPeople(const TempBook& book) {
        QStringList people;
        for (const QVariant& person :
             book.column("SELECT Name || ' / ' || COALESCE(Address, '') FROM Addresses"))
            people << person.toString();
        people.sort();
        return people;
    }
    void putCard(const QUrl& url, const QString& uid, const QByteArray& vcard) {
        auto dav = client();
        QString etag;
        for (const auto& entry : dav.list(url)) {
            if (entry.href.endsWith(uid + ".vcf"))
                etag = entry.etag;
        }
        ASSERT_EQ(dav.put(CardDavClient::urlOf(url, uid + ".vcf"), vcard, etag).outcome,
                  CardDavWrite::Outcome::Stored);
    }
    void removeCard(const QUrl& url, const QString& uid) {
        client().remove(CardDavClient::urlOf(url, uid + ".vcf"), {});
    }

    inline static std::unique_ptr<ravelbook::testing::Radicale> server_;
    NetworkTransport transport_{5s};
    GroupTitles titles_{};
};

enum class Side { Nothing, New, Changed, Deleted, SameChange, NewOtherPhone };

TEST_F(AddressBookSyncTest, KeepsBothSidesInStep) {
    struct Row {
        const char* what;
        Side server;
        Side book;
        QStringList bookAfter;   // "Name / Address"
        QStringList serverAfter; // the same of the cards
        QString summary;         // a line the summary has
        int conflicts;
    };
    const QStringList ada{"Ada / 1 Main St"};
    const QStringList adaMoved{"Ada / 2 Elm St"};
    const Row rows[] = {
        {"nothing", Side::Nothing, Side::Nothing, ada, ada, "Came in: 0 new, 0 changed", 0},
        {"server new",
         Side::New,
         Side::Nothing,
         {"Ada / 1 Main St", "Bob / 3 Oak St"},
         {"Ada / 1 Main St", "Bob / 3 Oak St"},
         "Came in: 1 new",
         0},
        {"server changed", Side::Changed, Side::Nothing, adaMoved, adaMoved, "1 changed", 0},
        {"server deleted", Side::Deleted, Side::Nothing, {}, {}, "1 in the book", 0},
        {"book new",
         Side::Nothing,
         Side::New,
         {"Ada / 1 Main St", "Bob / 3 Oak St"},
         {"Ada / 1 Main St", "Bob / 3 Oak St"},
         "Went out: 1 new",
         0},
        {"book changed",
         Side::Nothing,
         Side::Changed,
         {"Ada / 9 Book St"},
         {"Ada / 9 Book St"},
         "Went out: 0 new, 1 changed",
         0},
        {"book deleted", Side::Nothing, Side::Deleted, {}, {}, "1 on the server", 0},
        {"both new",
         Side::New,
         Side::New,
         {"Ada / 1 Main St", "Bob / 3 Oak St"},
         {"Ada / 1 Main St", "Bob / 3 Oak St"},
         "Came in: 0 new",
         0},
        {"both new, another phone in each",
         Side::New,
         Side::NewOtherPhone,
         {"Ada / 1 Main St", "Bob / 3 Oak St"},
         {"Ada / 1 Main St", "Bob / 3 Oak St"},
         "Conflict: \"Bob\"",
         1},
        {"both changed",
         Side::Changed,
         Side::Changed,
         {"Ada / 9 Book St"},
         adaMoved,
         "Conflict: \"Ada\"",
         1},
        {"both changed alike", Side::Changed, Side::SameChange, adaMoved, adaMoved,
         "Went out: 0 new, 0 changed", 0},
        {"both deleted", Side::Deleted, Side::Deleted, {}, {}, "0 on the server", 0},
        {"changed on the server, deleted in the book",
         Side::Changed,
         Side::Deleted,
         {},
         adaMoved,
         "Conflict",
         1},
        {"deleted on the server, changed in the book",
         Side::Deleted,
         Side::Changed,
         {"Ada / 9 Book St"},
         {},
         "Conflict",
         1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const QUrl url = newAddressBook();
        putCard(url, "ada", card("ada", "Ada", "1 Main St", kUnmapped));
        TempBook book;
        book.create();
        auto db = book.open();
        auto dav = client();
        AddressBookSync sync(*db, dav, titles_);
        const SyncSummary first = sync.link(url, value("user"));
        ASSERT_EQ(first.cameInNew, 1);
        ASSERT_EQ(bookPeople(book), ada);

        if (row.server == Side::New)
            putCard(url, "bob", card("bob", "Bob", "3 Oak St", "TEL:555 0100\r\nNOTE:Tea\r\n"));
        if (row.server == Side::Changed)
            putCard(url, "ada", card("ada", "Ada", "2 Elm St", kUnmapped));
        if (row.server == Side::Deleted)
            removeCard(url, "ada");
        if (row.book == Side::New || row.book == Side::NewOtherPhone)
            book.addPerson({"Bob", "3 Oak St", "Springfield"});
        if (row.book == Side::NewOtherPhone)
            book.exec("UPDATE Addresses SET Phone = '555 0199' WHERE Name = 'Bob'");
        if (row.book == Side::Changed || row.book == Side::SameChange)
            book.exec("UPDATE Addresses SET Address = ?",
                      {row.book == Side::Changed ? "9 Book St" : "2 Elm St"});
        if (row.book == Side::Deleted)
            book.exec("DELETE FROM Addresses");

        const SyncSummary second = sync.sync();
        EXPECT_TRUE(second.text().contains(row.summary)) << second.text().toStdString();
        EXPECT_EQ(second.conflicts.size(), row.conflicts);
        EXPECT_EQ(bookPeople(book), row.bookAfter);
        EXPECT_EQ(serverPeople(url), row.serverAfter);
        // A card paired with a record loses nothing the record lacks, and gives it to the record.
        if (row.server == Side::New) {
            EXPECT_TRUE(cards(url).at("bob").contains("NOTE:Tea"));
            EXPECT_EQ(book.value("SELECT Notes FROM Addresses WHERE Name = 'Bob'"), "Tea");
            EXPECT_EQ(book.value("SELECT Phone FROM Addresses WHERE Name = 'Bob'"),
                      row.book == Side::NewOtherPhone ? "555 0199" : "555 0100");
        }
        // Whatever the book did to the card, the lines it has no field for are as they were.
        // (The server keeps the lines, in an order of its own; its XML ends them with LF.)
        if (const auto cards = this->cards(url); cards.count("ada")) {
            for (const QByteArray& line : kUnmapped.split('\n'))
                EXPECT_TRUE(cards.at("ada").contains(line.trimmed())) << line.toStdString();
        }
        // In step now: another sync has nothing to do.
        const SyncSummary third = sync.sync();
        EXPECT_EQ(third.conflicts, second.conflicts);
        EXPECT_TRUE(
            third.text().startsWith("Came in: 0 new, 0 changed.\nWent out: 0 new, 0 changed.\n"
                                    "Deleted: 0 in the book, 0 on the server.\n"))
            << third.text().toStdString();
    }
}

TEST_F(AddressBookSyncTest, ConflictsKeepBothVersionsUntilChosen) {
    struct Row {
        KeepVersion keep;
        QStringList after;  // on both sides
        const char* newest; // the card changed again on the server, while in conflict
    };
    const Row rows[] = {{KeepVersion::Book, {"Ada / 9 Book St"}, nullptr},
                        {KeepVersion::Server, {"Ada / 2 Elm St"}, nullptr},
                        {KeepVersion::Book, {"Ada / 9 Book St"}, "3 New St"},
                        {KeepVersion::Server, {"Ada / 3 New St"}, "3 New St"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(int(row.keep));
        const QUrl url = newAddressBook();
        putCard(url, "ada", card("ada", "Ada", "1 Main St", kUnmapped));
        TempBook book;
        book.create();
        auto db = book.open();
        auto dav = client();
        AddressBookSync sync(*db, dav, titles_);
        sync.link(url, value("user"));
        putCard(url, "ada", card("ada", "Ada", "2 Elm St", kUnmapped));
        book.exec("UPDATE Addresses SET Address = '9 Book St'");
        QString server = "2 Elm St";
        for (int again = 0; again < 2; ++again) {
            EXPECT_EQ(sync.sync().conflicts, QStringList{"Ada"});
            const auto conflicts = sync.conflicts();
            ASSERT_EQ(conflicts.size(), 1u);
            EXPECT_EQ((*conflicts[0].book)[Field::Address], "9 Book St");
            EXPECT_EQ((*conflicts[0].server)[Field::Address], server);
            EXPECT_EQ(bookPeople(book), QStringList{"Ada / 9 Book St"});
            EXPECT_EQ(serverPeople(url), QStringList{"Ada / " + server});
            if (row.newest && again == 0) {
                server = row.newest;
                putCard(url, "ada", card("ada", "Ada", server, kUnmapped));
            }
        }
        sync.resolve(sync.conflicts().front().href, row.keep);
        EXPECT_TRUE(sync.sync().clean());
        EXPECT_TRUE(sync.conflicts().empty());
        EXPECT_EQ(bookPeople(book), row.after);
        EXPECT_EQ(serverPeople(url), row.after);
        EXPECT_TRUE(cards(url).at("ada").contains("X-FOO;X-PARAM=1:bar\\, baz"));
        // And the book's edits go out again.
        book.exec("UPDATE Addresses SET Address = '7 Last St'");
        EXPECT_TRUE(sync.sync().clean());
        EXPECT_EQ(serverPeople(url), QStringList{"Ada / 7 Last St"});
    }
}

// The card changed on the server between the listing and the write: the write
// is refused (412), nothing is overwritten, and the next sync sees a conflict.
TEST_F(AddressBookSyncTest, AWriteOvertakenOnTheServerIsRefused) {
    const QUrl url = newAddressBook();
    putCard(url, "ada", card("ada", "Ada", "1 Main St"));
    TempBook book;
    book.create();
    auto db = book.open();
    auto dav = client();
    AddressBookSync sync(*db, dav, titles_);
    sync.link(url, value("user"));
    book.exec("UPDATE Addresses SET Address = '9 Book St'");
    bool overtaken = false;
    const SyncSummary refused = sync.sync([&](const QString& step, int, int) {
        if (step == "Sending changes" && !overtaken) {
            putCard(url, "ada", card("ada", "Ada", "2 Elm St"));
            overtaken = true;
        }
        return true;
    });
    ASSERT_EQ(refused.refusals.size(), 1);
    EXPECT_TRUE(refused.refusals[0].startsWith("Ada: changed on the server meanwhile"));
    EXPECT_EQ(serverPeople(url), QStringList{"Ada / 2 Elm St"});
    EXPECT_EQ(bookPeople(book), QStringList{"Ada / 9 Book St"});
    EXPECT_EQ(sync.sync().conflicts, QStringList{"Ada"});
}

// A record saved in the book while a sync waits on the server is neither
// overwritten nor deleted: the next sync sees it changed on both sides.
TEST_F(AddressBookSyncTest, ARecordSavedDuringASyncIsKept) {
    for (const bool deleted : {false, true}) {
        SCOPED_TRACE(deleted);
        const QUrl url = newAddressBook();
        putCard(url, "ada", card("ada", "Ada", "1 Main St"));
        TempBook book;
        book.create();
        auto db = book.open();
        auto dav = client();
        AddressBookSync sync(*db, dav, titles_);
        sync.link(url, value("user"));
        if (deleted)
            removeCard(url, "ada");
        else
            putCard(url, "ada", card("ada", "Ada", "2 Elm St"));
        putCard(url, "bob", card("bob", "Bob", "3 Oak St")); // a card to wait for
        sync.sync([&](const QString& step, int, int) {
            if (step == "Fetching cards")
                book.exec("UPDATE Addresses SET Address = '9 Book St' WHERE Name = 'Ada'");
            return true;
        });
        EXPECT_EQ(bookPeople(book), (QStringList{"Ada / 9 Book St", "Bob / 3 Oak St"}));
        EXPECT_EQ(sync.sync().conflicts, QStringList{"Ada"});
    }
}

// Writes the server took before it went away stay linked: a record edited
// before the next sync is not sent twice. A first sync that fails is finished
// by the next.
TEST_F(AddressBookSyncTest, WritesTakenBeforeAFailureStayLinked) {
    const QUrl url = newAddressBook();
    TempBook book;
    book.create();
    book.addPeople({{"Dan", "4 Ash St", "Springfield"}, {"Eve", "5 Fir St", "Springfield"}});
    auto db = book.open();
    WatchedTransport watched;
    watched.sendsCut = false;
    CardDavClient dav(watched, value("user"), value("password"));
    AddressBookSync sync(*db, dav, titles_);
    watched.cutAfter = 0;
    try {
        sync.link(url, value("user"));
        ADD_FAILURE() << "linked without a server";
    } catch (const Error& error) {
        EXPECT_TRUE(error.message().contains("the next sync finishes linking it"));
    }
    watched.cutAfter = -1;
    // The first record goes out, the second finds the server gone.
    EXPECT_THROW(sync.sync([&](const QString& step, int, int) {
        if (step == "Sending new records")
            watched.cutAfter = watched.sent + 1;
        return true;
    }),
                 Error);
    watched.cutAfter = -1;
    book.exec("UPDATE Addresses SET Address = '6 Elm St' WHERE Name = 'Dan'");
    EXPECT_TRUE(sync.sync().clean());
    const QStringList after{"Dan / 6 Elm St", "Eve / 5 Fir St"};
    EXPECT_EQ(bookPeople(book), after);
    EXPECT_EQ(serverPeople(url), after);
}

// The answers stop after each number of requests in turn; the next sync
// completes with nothing lost and nothing twice, whatever had been written.
TEST_F(AddressBookSyncTest, ASyncCutShortIsCompletedByTheNext) {
    const QStringList after{"Ada / 2 Elm St", "Bob / 3 Oak St", "Cid / 9 Book St",
                            "Dan / 4 Ash St"};
    for (int cut = 0;; ++cut) {
        SCOPED_TRACE(cut);
        const QUrl url = newAddressBook();
        putCard(url, "ada", card("ada", "Ada", "1 Main St"));
        putCard(url, "cid", card("cid", "Cid", "5 Fir St"));
        TempBook book;
        book.create();
        auto db = book.open();
        WatchedTransport watched;
        CardDavClient dav(watched, value("user"), value("password"));
        AddressBookSync sync(*db, dav, titles_);
        sync.link(url, value("user"));
        putCard(url, "bob", card("bob", "Bob", "3 Oak St"));
        putCard(url, "ada", card("ada", "Ada", "2 Elm St"));
        book.addPerson({"Dan", "4 Ash St", "Springfield"});
        book.exec("UPDATE Addresses SET Address = '9 Book St' WHERE Name = 'Cid'");
        watched.sent = 0;
        watched.cutAfter = cut;
        bool completed = false;
        try {
            completed = sync.sync().clean();
        } catch (const Error& error) {
            EXPECT_EQ(error.kind(), Error::Kind::Network);
        }
        watched.cutAfter = -1;
        EXPECT_TRUE(sync.sync().clean());
        EXPECT_EQ(bookPeople(book), after);
        EXPECT_EQ(serverPeople(url), after);
        watched.sent = 0;
        EXPECT_TRUE(sync.sync().clean());
        EXPECT_EQ(watched.sent, 1); // what changed: nothing
        if (completed)
            break;
    }
}

TEST_F(AddressBookSyncTest, AThousandCardsComeInOnceAndThenOnlyWhatChanged) {
    const QUrl url = newAddressBook();
    // Written straight into the server's folder, as fast as the test needs them.
    const QString folder = server_->state() + "/collections/collection-root" + url.path();
    for (int i = 0; i < 1000; ++i) {
        QFile file(folder + QString("card%1.vcf").arg(i));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(card(QString("card%1").arg(i), QString("Person %1").arg(i), "1 Main St"));
    }
    TempBook book;
    book.create();
    auto db = book.open();
    // The server reads the cards it didn't write itself once, slowly.
    WatchedTransport watched(60s);
    CardDavClient dav(watched, value("user"), value("password"));
    AddressBookSync sync(*db, dav, titles_);
    EXPECT_EQ(sync.link(url, value("user")).cameInNew, 1000);
    EXPECT_EQ(book.value("SELECT COUNT(*) FROM Addresses").toInt(), 1000);

    watched.sent = 0;
    EXPECT_EQ(sync.sync().cameInChanged, 0);
    EXPECT_EQ(watched.sent, 1);
    putCard(url, "card7", card("card7", "Person 7", "2 Elm St"));
    watched.sent = 0;
    EXPECT_EQ(sync.sync().cameInChanged, 1);
    EXPECT_EQ(watched.sent, 2); // what changed, and the one card
    // A token the server no longer knows: every ETag, and still no card.
    book.exec(
        "UPDATE \"Online Address Book\" SET \"Sync Token\" = 'http://radicale.org/ns/sync/x'");
    watched.sent = 0;
    EXPECT_TRUE(sync.sync().clean());
    EXPECT_EQ(watched.sent, 2);
    EXPECT_EQ(book.value("SELECT COUNT(*) FROM Addresses").toInt(), 1000);
}

} // namespace
