// The book refusing a write (read-only, or held by another program) under each
// editing handler, and two windows saving alternately into one file.
#include "store/data_source.h"
#include "support/form_fixture.h"
#include "window/data_navigator.h"

#include <functional>
#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace ravelbook {
namespace {

using testing::TempBook;

enum class Refusal { ReadOnly, Locked };

void retype(QLineEdit* box, const QString& text) {
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

void choose(frmMailForm& form, const QString& name) {
    const int entry = int(form.names().nameList()->stringList().indexOf(name));
    ASSERT_GE(entry, 0) << name.toStdString();
    form.names().cboName->setCurrentIndex(entry);
    Q_EMIT form.names().cboName->activated(entry);
}

class RefusedWrite : public testing::FormFixture,
                     public ::testing::WithParamInterface<std::tuple<int, Refusal>> {
protected:
    // A user's edit, the handler that writes it, what the window shows of it,
    // and what the file holds of it before and after the write.
    struct Case {
        const char* handler;
        std::function<void()> edit;
        std::function<void()> write;
        std::function<QString()> shown;
        QString kept;
        QString query;
        QString before;
        QString after;
    };

    std::vector<Case> cases() {
        const auto click = [](QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); };
        const auto address = [this] { return form->names().txtAddress[1]->text(); };
        const QString addressQuery = QStringLiteral("SELECT Address FROM Addresses");
        auto* grid = form->mailings().TDBGridS1->model();
        auto* next = form->returnAddress().datReturnAddressesBar->findChild<QToolButton*>(
            QStringLiteral("next"));
        return {
            {"Enter Changes", [=] { retype(form->names().txtAddress[1], "9 New Road"); },
             [=] { click(form->names().cmdEnter); }, address, "9 New Road", addressQuery, "2 Elm",
             "9 New Road"},
            {"New Address over an edited record",
             [=] { retype(form->names().txtAddress[1], "9 New Road"); },
             [=] {
                 dialogs.answers = {Dialogs::Answer::Save};
                 click(form->names().cmdNewAddress);
             },
             address, "9 New Road", addressQuery, "2 Elm", "9 New Road"},
            {"Enter Changes on a new record",
             [=] {
                 click(form->names().cmdNewAddress);
                 QTest::keyClicks(form->names().txtAddress[0], "Adams, Zoe");
             },
             [=] { click(form->names().cmdEnter); },
             [=] { return form->names().txtAddress[0]->text(); }, "Adams, Zoe",
             "SELECT group_concat(Name, '|') FROM Addresses", "Smith, John",
             "Smith, John|Adams, Zoe"},
            {"Delete", [] {},
             [=] {
                 dialogs.answers = {Dialogs::Answer::Yes};
                 click(form->names().cmdDeleteRecord);
             },
             [=] { return form->names().nameList()->stringList().join('|'); }, "Smith, John",
             "SELECT count(*) FROM Addresses", "1", "0"},
            {"grid cell edit",
             [=] {
                 form->mailings().datGrid->setRecordSource(sql::selectAllAddresses());
                 form->mailings().datGrid->refresh();
             },
             [=] { grid->setData(grid->index(0, 1), "9 New Road"); },
             [=] { return grid->index(0, 1).data().toString(); }, "9 New Road", addressQuery,
             "2 Elm", "9 New Road"},
            {"group box on page Names", [=] { click(form->groupBox(3)); },
             [=] { click(form->names().cmdEnter); },
             [=] { return form->groupBox(3)->isChecked() ? "ticked" : "clear"; }, "ticked",
             "SELECT [3] FROM Addresses", "0", "-1"},
            {"return address",
             [=] { retype(form->returnAddress().txtReturnAddress[1], "1 Home Row"); },
             [=] {
                 dialogs.answers = {Dialogs::Answer::Save};
                 click(next);
             },
             [=] { return form->returnAddress().txtReturnAddress[1]->text(); }, "1 Home Row",
             "SELECT Address FROM \"Return Addresses\" WHERE rowid = 1", "", "1 Home Row"},
        };
    }
};

TEST_P(RefusedWrite, IsReportedLosesNothingAndTheRetrySucceeds) {
    const auto [index, refusal] = GetParam();
    book.addPerson({QStringLiteral("Smith, John"), QStringLiteral("2 Elm")});
    book.exec(QStringLiteral("INSERT INTO \"Return Addresses\" (Name) VALUES ('Office')"));
    // Read-only: the window was opened while the file was read-only.
    if (refusal == Refusal::ReadOnly && !book.setWritable(false))
        GTEST_SKIP() << "this file system can't make a file unwritable for root";
    openForm();
    // Waiting the full time out for the other program proves nothing more here.
    db->run(QStringLiteral("PRAGMA busy_timeout = 50"));
    const std::vector<Case> all = cases();
    ASSERT_EQ(all.size(), 7u);
    const Case& c = all.at(std::size_t(index));
    SCOPED_TRACE(c.handler);
    c.edit();
    ASSERT_TRUE(dialogs.shown.empty());
    const QByteArray before = book.bytes();

    if (refusal == Refusal::Locked)
        book.lock();
    c.write();
    if (refusal == Refusal::Locked)
        book.unlock();
    else
        ASSERT_TRUE(book.setWritable(true));
    ASSERT_FALSE(dialogs.shown.empty()) << "the refusal went unreported";
    const testing::ScriptedDialogs::Shown& report = dialogs.shown.back();
    EXPECT_EQ(report.title, kErrorTitle);
    EXPECT_TRUE(
        report.text.contains(refusal == Refusal::ReadOnly ? "read-only" : "another program"))
        << report.text.toStdString();
    EXPECT_EQ(c.shown(), c.kept);
    EXPECT_EQ(book.value(c.query).toString(), c.before);
    EXPECT_EQ(book.bytes(), before);

    // The other program is done, or the file was made writable: the user tries again.
    const std::size_t reports = dialogs.shown.size();
    c.write();
    // Delete asks again, and so does leaving a record with changes.
    const QLatin1String handler(c.handler);
    const bool asks = handler == "Delete" || handler == "return address" ||
                      handler == "New Address over an edited record";
    EXPECT_EQ(dialogs.shown.size(), reports + (asks ? 1 : 0));
    EXPECT_EQ(book.value(c.query).toString(), c.after);
    EXPECT_EQ(book.value(QStringLiteral("PRAGMA integrity_check")).toString(), "ok");
}

INSTANTIATE_TEST_SUITE_P(Handlers, RefusedWrite,
                         ::testing::Combine(::testing::Range(0, 7),
                                            ::testing::Values(Refusal::ReadOnly, Refusal::Locked)));

TEST(TwoWindows, SavingInTurnKeepsEverySaveAndASoundFile) {
    TempBook book;
    book.create();
    book.addPerson({QStringLiteral("Shared, Record"), QStringLiteral("start")});
    QTemporaryDir root;
    IniSettingsStore settings(root.path());
    struct Window {
        testing::ScriptedDialogs dialogs;
        std::unique_ptr<Database> db;
        std::unique_ptr<frmMailForm> form;
    };
    std::array<Window, 2> windows;
    for (Window& w : windows) {
        w.db = book.open();
        w.form = std::make_unique<frmMailForm>(*w.db, settings, w.dialogs);
        w.form->show();
    }
    // Window 0 edits the shared record's address, window 1 its contact, each
    // while the other saves a record of its own in between.
    std::array<QString, 2> shared;
    QStringList added;
    for (int round = 0; round < 10; ++round) {
        SCOPED_TRACE(round);
        const int editor = round % 2;
        frmMailForm& mine = *windows[editor].form;
        frmMailForm& other = *windows[1 - editor].form;
        choose(mine, QStringLiteral("Shared, Record"));
        shared[editor] = QStringLiteral("round %1").arg(round);
        retype(mine.names().txtAddress[editor == 0 ? 1 : 4], shared[editor]);

        QTest::mouseClick(other.names().cmdNewAddress, Qt::LeftButton);
        added << QStringLiteral("Added, In Round %1").arg(round);
        QTest::keyClicks(other.names().txtAddress[0], added.last());
        QTest::mouseClick(other.names().cmdEnter, Qt::LeftButton);
        QTest::mouseClick(mine.names().cmdEnter, Qt::LeftButton);

        for (const Window& w : windows)
            ASSERT_TRUE(w.dialogs.shown.empty()) << w.dialogs.shown[0].text.toStdString();
        EXPECT_EQ(book.value("SELECT coalesce(Address, '') || '/' || coalesce(Contact, '') FROM "
                             "Addresses WHERE Name = 'Shared, Record'")
                      .toString(),
                  (shared[0].isEmpty() ? "start" : shared[0]) + "/" + shared[1]);
        EXPECT_EQ(book.value("SELECT count(*) FROM Addresses WHERE Name LIKE 'Added, %'").toInt(),
                  added.size());
    }
    EXPECT_EQ(book.value(QStringLiteral("PRAGMA integrity_check")).toString(), "ok");
}

} // namespace
} // namespace ravelbook
