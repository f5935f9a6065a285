// The window's online address book against a radicale of the test's own: the
// link dialog driven by clicks, View: Sync, the conflict list, a wrong password.
#include "exchange/carddav/carddav_client.h"
#include "store/book_link.h"
#include "support/form_fixture.h"
#include "support/radicale.h"
#include "window/link_book_dialog.h"
#include "window/online_menu.h"
#include "window/sync_conflicts_dialog.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

namespace ravelbook {
namespace {

QByteArray card(const QString& name, const QString& street) {
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:ada\r\nFN:" + name.toUtf8() +
           "\r\nN:" + name.toUtf8() + ";;;;\r\nADR:;;" + street.toUtf8() +
           ";Springfield;;;\r\nEMAIL:kept@example.org\r\nEND:VCARD\r\n";
}

class OnlineWindow : public testing::FormFixture {
protected:
    static void SetUpTestSuite() {
        server_ = std::make_unique<testing::Radicale>();
        // No desktop session: the keyring answers "none" at once and ~/.netrc is asked.
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    }
    static void TearDownTestSuite() {
        server_.reset();
        qunsetenv("NETRC");
    }
    void SetUp() override {
        if (value("url").isEmpty())
            GTEST_SKIP() << "radicale did not start (is it installed?): no CardDAV server";
        openForm();
        form->online().runDialog = [this](QDialog& dialog) {
            dialog.show();
            inDialog(dialog);
            return dialog.result();
        };
    }
    static QString value(const char* name) { return server_->value(name); }
    void netrc(const QString& password) {
        const QString file = settingsRoot.filePath("netrc");
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(QString("machine 127.0.0.1 login %1 password \"%2\"\n")
                      .arg(value("user"), password)
                      .toUtf8());
        qputenv("NETRC", file.toUtf8());
    }
    HttpResponse send(const QByteArray& method, const QUrl& url, const QByteArray& body = {}) {
        return transport_.send(
            {method,
             url,
             {{"Authorization",
               "Basic " + (value("user") + ":" + value("password")).toUtf8().toBase64()},
              {"Content-Type", method == "PUT" ? "text/vcard" : "application/xml"}},
             body});
    }
    // An address book of its own for the case, holding one card.
    QUrl newAddressBook() {
        static int next = 0;
        const QUrl url =
            QUrl(value("url"))
                .resolved(QUrl(QString("%1/window%2/").arg(value("user")).arg(next++)));
        EXPECT_EQ(
            send(
                "MKCOL", url,
                R"(<?xml version="1.0"?><d:mkcol xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:carddav">)"
                R"(<d:set><d:prop><d:resourcetype><d:collection/><c:addressbook/></d:resourcetype>)"
                R"(</d:prop></d:set></d:mkcol>)")
                .status,
            201);
        EXPECT_EQ(
            send("PUT", url.resolved(QUrl("ada.vcf")), card("Ada Lovelace", "1 Elm St")).status,
            201);
        return url;
    }
    // Replaces the card on the server, as another client of the address book would.
    void changeCard(const QUrl& book, const QByteArray& vcard) {
        CardDavClient dav(transport_, value("user"), value("password"));
        const auto entries = dav.list(book);
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_EQ(
            dav.put(CardDavClient::urlOf(book, entries.front().href), vcard, entries.front().etag)
                .outcome,
            CardDavWrite::Outcome::Stored);
    }
    // Fills in the link dialog and finds the address books on the server.
    void findIn(LinkBookDialog& link) {
        link.txtServer->setText(QString());
        QTest::keyClicks(link.txtServer, value("url"));
        link.txtUser->setText(value("user"));
        QTest::mouseClick(link.cmdFind, Qt::LeftButton);
    }
    void waitForSync() {
        QSignalSpy ended(&form->online(), &OnlineMenu::syncFinished);
        ASSERT_TRUE(ended.wait(20000));
    }
    QStringList namesListed() const {
        QStringList names;
        for (int i = 0; i < form->names().cboName->count(); ++i)
            names << form->names().cboName->itemText(i);
        return names;
    }

    inline static std::unique_ptr<testing::Radicale> server_;
    NetworkTransport transport_;
    std::function<void(QDialog&)> inDialog;
};

TEST_F(OnlineWindow, LinksSyncsAndResolvesAConflictThroughTheWindow) {
    netrc(value("password"));
    const QUrl url = newAddressBook();
    inDialog = [&](QDialog& dialog) {
        auto& link = dynamic_cast<LinkBookDialog&>(dialog);
        findIn(link);
        for (int i = 0; i < link.lstBooks->topLevelItemCount(); ++i) {
            QTreeWidgetItem* item = link.lstBooks->topLevelItem(i);
            if (item->data(0, Qt::UserRole).toUrl().path() == url.path()) {
                EXPECT_EQ(item->text(1), "1"); // the cards it holds
                link.lstBooks->setCurrentItem(item);
            }
        }
        QTest::mouseClick(link.cmdLink, Qt::LeftButton);
    };
    form->online().actLinkBook->trigger();
    waitForSync();
    EXPECT_EQ(form->statusBar->currentMessage(), "Synced: 1 in, 0 out");
    EXPECT_TRUE(namesListed().contains("Ada Lovelace"));

    // A card changed on the server comes in with View: Sync.
    EXPECT_EQ(form->online().actSync->shortcut(), QKeySequence("Ctrl+R"));
    changeCard(url, card("Ada King", "1 Elm St"));
    form->online().actSync->trigger();
    waitForSync();
    EXPECT_EQ(form->statusBar->currentMessage(), "Synced: 1 in, 0 out");
    EXPECT_TRUE(namesListed().contains("Ada King"));

    // Changed on both sides: neither is written until the user chooses.
    book.exec("UPDATE Addresses SET Address = '2 Oak St' WHERE Name = 'Ada King'");
    changeCard(url, card("Ada King", "3 Pine St"));
    form->online().actSync->trigger();
    waitForSync();
    EXPECT_EQ(form->statusBar->currentMessage(), "Synced: 0 in, 0 out, 1 conflict");
    auto* conflicts = form->statusBar->findChild<QLabel*>("lblConflicts");
    EXPECT_TRUE(conflicts->text().contains("1 conflict"));
    inDialog = [](QDialog& dialog) {
        auto& list = dynamic_cast<SyncConflictsDialog&>(dialog);
        ASSERT_EQ(list.lstConflicts->count(), 1);
        EXPECT_EQ(list.grdVersions->item(1, 0)->text(), "2 Oak St");
        EXPECT_EQ(list.grdVersions->item(1, 1)->text(), "3 Pine St");
        QTest::mouseClick(list.cmdKeepServer, Qt::LeftButton);
        EXPECT_EQ(list.lstConflicts->count(), 0);
        dialog.reject();
    };
    form->online().actSyncConflicts->trigger();
    EXPECT_EQ(book.column("SELECT Address FROM Addresses WHERE Name = 'Ada King'"),
              QVariantList({"3 Pine St"}));
    EXPECT_TRUE(conflicts->isHidden());
}

TEST_F(OnlineWindow, WrongPasswordIsToldAndTheBookStaysUnlinked) {
    netrc("wrong horse");
    newAddressBook();
    inDialog = [&](QDialog& dialog) {
        auto& link = dynamic_cast<LinkBookDialog&>(dialog);
        findIn(link);
        EXPECT_TRUE(link.lblMessage->text().contains("refused the user name or password"))
            << link.lblMessage->text().toStdString();
        EXPECT_EQ(link.lstBooks->topLevelItemCount(), 0);
        EXPECT_FALSE(link.cmdLink->isEnabled());
        dialog.reject();
    };
    form->online().actLinkBook->trigger();
    EXPECT_FALSE(form->online().syncing());
    EXPECT_FALSE(book_link::read(*db));
    EXPECT_TRUE(book.column("SELECT Name FROM Addresses").isEmpty());
}

} // namespace
} // namespace ravelbook
