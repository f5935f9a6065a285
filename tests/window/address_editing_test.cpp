// Finding, adding, saving and deleting records on page "Names", checked in the
// window and in the file.
#include "store/data_source.h"
#include "support/form_fixture.h"

#include <functional>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QTabWidget>
#include <QTest>

namespace ravelbook {
namespace {

using testing::FormFixture;

const QString kNamesAndAddresses =
    QStringLiteral("SELECT Name || ' / ' || coalesce(Address, '') FROM Addresses ORDER BY _rowid_");

class AddressEditing : public FormFixture {
protected:
    QStringList nameList() { return form->names().nameList()->stringList(); }

    // Chooses entry `entry` of the name list as a click in the list would.
    void choose(int entry) {
        form->names().cboName->setCurrentIndex(entry);
        Q_EMIT form->names().cboName->activated(entry);
    }
    void choose(const QString& name) {
        const int entry = int(nameList().indexOf(name));
        ASSERT_GE(entry, 0) << name.toStdString();
        choose(entry);
    }

    void retype(QLineEdit* box, const QString& text) {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

    QVariantList fileRows() { return book.column(kNamesAndAddresses); }

    void expectBrowsing(bool browsing) {
        EXPECT_EQ(form->names().newAddressMode(), !browsing);
        EXPECT_EQ(form->SSTab1->isTabEnabled(1), browsing);
        EXPECT_EQ(form->names().cmdNewAddress->isEnabled(), browsing);
        EXPECT_EQ(form->names().cmdDeleteRecord->isEnabled(), browsing);
        EXPECT_TRUE(form->names().Frame1->isEnabled());
    }
};

TEST_F(AddressEditing, LeavingARecordWithUnenteredChangesAsksFirst) {
    book.addPeople({{QStringLiteral("Nameonly"), QStringLiteral("1 Oak")},
                    {QStringLiteral("O'Brien, Pat"), QStringLiteral("2 Elm")}});
    openForm();
    const QVariantList stored = fileRows();
    const struct {
        const char* way;
        std::function<void()> leave;
        Dialogs::Answer answer;
        QString nameShown; // after leaving
    } cases[] = {
        {"name list", [&] { choose(QStringLiteral("Nameonly")); }, Dialogs::Answer::Cancel, "Nam"},
        {"name list", [&] { choose(QStringLiteral("Nameonly")); }, Dialogs::Answer::Discard,
         "Nameonly"},
        {"New Address", [&] { QTest::mouseClick(form->names().cmdNewAddress, Qt::LeftButton); },
         Dialogs::Answer::Cancel, "Nam"},
        {"New Address", [&] { QTest::mouseClick(form->names().cmdNewAddress, Qt::LeftButton); },
         Dialogs::Answer::Discard, ""},
        {"print", [&] { form->printer().PrintSmallLabels(); }, Dialogs::Answer::Cancel, "Nam"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.way);
        if (form->names().newAddressMode())
            QTest::keyClick(form.get(), Qt::Key_Escape); // an untouched new record goes quietly
        form->record().Data1->discardChanges();          // what the last case kept
        choose(QStringLiteral("O'Brien, Pat"));
        // Typing a name to look for someone is not renaming the record shown.
        retype(form->names().txtAddress[0], QStringLiteral("Nam"));
        dialogs.shown.clear();
        dialogs.answers = {c.answer};
        c.leave();
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("Save the changes to O'Brien, Pat?"));
        EXPECT_EQ(form->names().txtAddress[0]->text(), c.nameShown);
        EXPECT_EQ(fileRows(), stored);
        if (c.answer == Dialogs::Answer::Cancel) {
            EXPECT_EQ(form->names().txtAddress[1]->text(), QStringLiteral("2 Elm"));
            EXPECT_TRUE(form->record().Data1->isDirty());
        }
    }
    // Escape offers to drop a new record that was typed into.
    form->record().Data1->discardChanges();
    QTest::mouseClick(form->names().cmdNewAddress, Qt::LeftButton);
    QTest::keyClicks(form->names().txtAddress[1], QStringLiteral("9 Pine"));
    dialogs.answers = {Dialogs::Answer::No, Dialogs::Answer::Yes};
    QTest::keyClick(form->names().txtAddress[1], Qt::Key_Escape);
    EXPECT_TRUE(form->names().newAddressMode());
    QTest::keyClick(form->names().txtAddress[1], Qt::Key_Escape);
    EXPECT_FALSE(form->names().newAddressMode());
    EXPECT_EQ(dialogs.shown.back().text, QStringLiteral("Discard the new address?"));
    EXPECT_EQ(form->names().txtAddress[0]->text(), QStringLiteral("O'Brien, Pat"));
    EXPECT_EQ(fileRows(), stored);
}

TEST_F(AddressEditing, NameChangedElsewhereIsReportedAndTheListRefilled) {
    book.addPeople({{QStringLiteral("Smith, John"), QStringLiteral("1 Oak")}});
    openForm();
    book.exec(QStringLiteral("UPDATE Addresses SET Name = 'Smyth, John'"));
    choose(QStringLiteral("Smith, John"));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.startsWith(QStringLiteral("\"Smith, John\" is no longer")));
    EXPECT_EQ(nameList(), QStringList{QStringLiteral("Smyth, John")});
    // Typing now starts a new record, as on an empty editor after start-up.
    EXPECT_FALSE(form->record().Data1->hasCurrent());
    EXPECT_EQ(book.value(QStringLiteral("SELECT count(*) FROM Addresses")).toInt(), 1);
}

TEST_F(AddressEditing, NewAddressIsWrittenListedInItsPlaceAndShownAgain) {
    book.addPeople({{QStringLiteral("Adams, Zoe"), QStringLiteral("1 Oak")},
                    {QStringLiteral("Young, Al"), QStringLiteral("2 Elm")}});
    openForm();
    QTest::mouseClick(form->names().cmdNewAddress, Qt::LeftButton);
    expectBrowsing(false);
    EXPECT_EQ(form->focusWidget(), form->names().txtAddress[0]);
    for (QLineEdit* box : form->names().txtAddress)
        EXPECT_TRUE(box->text().isEmpty());
    for (int k = 0; k < 18; ++k)
        EXPECT_FALSE(form->groupBox(k)->isChecked());
    EXPECT_EQ(fileRows().size(), 2) << "a new row is not in the file before Enter Changes";

    QTest::keyClicks(form->names().txtAddress[0], QStringLiteral("Smith, John"));
    QTest::keyClicks(form->names().txtAddress[1], QStringLiteral("12 Elm Street"));
    QTest::mouseClick(form->groupBox(2), Qt::LeftButton);
    QTest::mouseClick(form->names().cmdEnter, Qt::LeftButton);

    expectBrowsing(true);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(nameList(), (QStringList{"Adams, Zoe", "Smith, John", "Young, Al"}));
    EXPECT_EQ(form->names().cboName->currentIndex(), 1) << "the list opens at the record saved";
    EXPECT_EQ(form->names().txtAddress[0]->text(), QStringLiteral("Smith, John"));
    EXPECT_EQ(form->names().txtAddress[1]->text(), QStringLiteral("12 Elm Street"));
    EXPECT_TRUE(form->groupBox(2)->isChecked());
    EXPECT_EQ(form->record().Data1->recordSource(),
              sql::selectAddressesNamed(QStringLiteral("Smith, John")));
    EXPECT_EQ(
        book.value(QStringLiteral("SELECT [2] FROM Addresses WHERE Address = '12 Elm Street'"))
            .toInt(),
        -1);
}

TEST_F(AddressEditing, NameListDropsDownBelowTheBoxAndChoosesByKeys) {
    book.addPeople({{QStringLiteral("Adams, Zoe"), QStringLiteral("1 Oak")},
                    {QStringLiteral("Young, Al"), QStringLiteral("2 Elm")}});
    openForm();
    form->names().cboName->showPopup();
    QWidget* list = form->names().cboName->view()->window();
    ASSERT_TRUE(list->isVisible());
    // Below the box, not laid over it as a menu.
    EXPECT_GE(list->geometry().top(),
              form->names().cboName->mapToGlobal(QPoint(0, form->names().cboName->height())).y() -
                  1);
    QTest::keyClick(form->names().cboName->view(), Qt::Key_Down);
    QTest::keyClick(form->names().cboName->view(), Qt::Key_Return);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(form->names().txtAddress[1]->text(), QStringLiteral("2 Elm"));
}

TEST_F(AddressEditing, ApostrophesAreChosenSavedReselectedAndDeletedLikeAnyName) {
    book.addPeople({{QStringLiteral("Adams, Zoe")},
                    {QStringLiteral("O'Brien, Pat"), QStringLiteral("old")},
                    {QStringLiteral("Pat' OR '1'='1")}});
    openForm();
    // A typed first letter jumps to the name and chooses it.
    QTest::keyClick(form->names().cboName, Qt::Key_O);
    EXPECT_EQ(form->names().txtAddress[0]->text(), QStringLiteral("O'Brien, Pat"));

    retype(form->names().txtAddress[1], QStringLiteral("new"));
    retype(form->names().txtAddress[0], QStringLiteral("O'Brien, Patricia"));
    QTest::mouseClick(form->names().cmdEnter, Qt::LeftButton);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(form->names().txtAddress[0]->text(), QStringLiteral("O'Brien, Patricia"));
    EXPECT_EQ(form->names().txtAddress[1]->text(), QStringLiteral("new"));

    dialogs.answers = {Dialogs::Answer::Yes};
    QTest::mouseClick(form->names().cmdDeleteRecord, Qt::LeftButton);
    EXPECT_EQ(fileRows(), (QVariantList{"Adams, Zoe / ", "Pat' OR '1'='1 / "}));
    EXPECT_EQ(nameList(), (QStringList{"Adams, Zoe", "Pat' OR '1'='1"}));
}

// Two windows on two connections to one book: neither writes over the other's
// save without saying so, and each sees the other's changes on refresh.
TEST_F(AddressEditing, TwoWindowsOnOneBookNeitherLosesTheOthersChangeUntold) {
    book.addPeople({{QStringLiteral("Brown, Bo"), QStringLiteral("1 Oak")}});
    openForm();
    const std::unique_ptr<Database> otherDb = book.open();
    testing::ScriptedDialogs otherDialogs;
    frmMailForm other(*otherDb, settings, otherDialogs);
    other.show();
    choose(0);
    other.names().cboName->setCurrentIndex(0);
    Q_EMIT other.names().cboName->activated(0);

    retype(form->names().txtAddress[1], QStringLiteral("2 Elm"));
    QTest::mouseClick(form->groupBox(0), Qt::LeftButton);
    QTest::mouseClick(form->names().cmdEnter, Qt::LeftButton);
    retype(other.names().txtAddress[1], QStringLiteral("3 Ash"));
    otherDialogs.answers = {Dialogs::Answer::No};
    QTest::mouseClick(other.names().cmdEnter, Qt::LeftButton);
    ASSERT_EQ(otherDialogs.shown.size(), 1u);
    EXPECT_TRUE(otherDialogs.shown[0].text.contains(QStringLiteral("\"Brown, Bo\" was changed")));
    EXPECT_EQ(other.names().txtAddress[1]->text(), QStringLiteral("3 Ash"));
    EXPECT_EQ(fileRows(), QVariantList{"Brown, Bo / 2 Elm"});
    // Shown the other version, the user may write over it.
    otherDialogs.answers = {Dialogs::Answer::Yes, Dialogs::Answer::Yes};
    QTest::mouseClick(other.names().cmdEnter, Qt::LeftButton);
    // Fields by name, groups by title, and what differs from the user's own marked.
    const QString shown = otherDialogs.shown.back().text;
    EXPECT_TRUE(shown.contains("Name: Brown, Bo\nAddress: 2 Elm (differs from yours)\n"
                               "Groups: Personal (differs from yours)\n"))
        << shown.toStdString();
    EXPECT_EQ(fileRows(), QVariantList{"Brown, Bo / 3 Ash"});
    form->actRefresh->trigger();
    EXPECT_EQ(form->names().txtAddress[1]->text(), QStringLiteral("3 Ash"));

    QTest::mouseClick(form->names().cmdNewAddress, Qt::LeftButton);
    QTest::keyClicks(form->names().txtAddress[0], QStringLiteral("Adams, Al"));
    QTest::mouseClick(form->names().cmdEnter, Qt::LeftButton);
    EXPECT_EQ(nameList(), (QStringList{"Adams, Al", "Brown, Bo"}));
    other.actRefresh->trigger();
    EXPECT_EQ(other.names().nameList()->stringList(), (QStringList{"Adams, Al", "Brown, Bo"}));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(AddressEditing, EnterChangesOutsideNewAddressModeWritesTheShownRecordOnly) {
    book.addPeople({{QStringLiteral("Brown, Bo"), QStringLiteral("1 Oak")},
                    {QStringLiteral("Smith, John"), QStringLiteral("2 Elm")}});
    openForm();
    choose(QStringLiteral("Smith, John"));
    retype(form->names().txtAddress[0], QStringLiteral("Smith, Jon"));
    QTest::mouseClick(form->names().cmdEnter, Qt::LeftButton);
    EXPECT_EQ(fileRows(), (QVariantList{"Brown, Bo / 1 Oak", "Smith, Jon / 2 Elm"}));
    EXPECT_EQ(nameList(), (QStringList{"Brown, Bo", "Smith, Jon"}));
    EXPECT_EQ(form->names().txtAddress[1]->text(), QStringLiteral("2 Elm"));
    expectBrowsing(true);
}

TEST_F(AddressEditing, ChoosingAnotherNameWritesTheEditsAndTheListFollowsThem) {
    book.addPeople({{QStringLiteral("Brown, Bo")}, {QStringLiteral("Smith, John")}});
    openForm();
    choose(QStringLiteral("Smith, John"));
    retype(form->names().txtAddress[0], QStringLiteral("Smyth, John"));
    dialogs.answers = {Dialogs::Answer::Save};
    choose(QStringLiteral("Brown, Bo"));
    EXPECT_EQ(form->names().txtAddress[0]->text(), QStringLiteral("Brown, Bo"));
    EXPECT_EQ(nameList(), (QStringList{"Brown, Bo", "Smyth, John"}));
    EXPECT_EQ(fileRows(), (QVariantList{"Brown, Bo / ", "Smyth, John / "}));
}

TEST_F(AddressEditing, EqualNamesListTwiceChooseTheFirstAndEnterShowsTheRecordWritten) {
    book.addPeople({{QStringLiteral("Jones, Ann"), QStringLiteral("first")},
                    {QStringLiteral("Jones, Ann"), QStringLiteral("second")}});
    openForm();
    EXPECT_EQ(nameList(), (QStringList{"Jones, Ann", "Jones, Ann"}));
    for (int entry : {1, 0, 1}) {
        choose(entry);
        EXPECT_EQ(form->names().txtAddress[1]->text(), entry == 0 ? "first" : "second");
    }
    // Enter Changes and Delete act on the entry chosen.
    retype(form->names().txtAddress[1], QStringLiteral("second, changed"));
    QTest::mouseClick(form->names().cmdEnter, Qt::LeftButton);
    EXPECT_EQ(fileRows(), (QVariantList{"Jones, Ann / first", "Jones, Ann / second, changed"}));
    choose(1);
    dialogs.answers = {Dialogs::Answer::Yes};
    QTest::mouseClick(form->names().cmdDeleteRecord, Qt::LeftButton);
    EXPECT_EQ(fileRows(), QVariantList{"Jones, Ann / first"});
    book.addPerson({QStringLiteral("Jones, Ann"), QStringLiteral("second")});
    // A third Ann: after Enter Changes the editor shows her, not the first one.
    QTest::mouseClick(form->names().cmdNewAddress, Qt::LeftButton);
    QTest::keyClicks(form->names().txtAddress[0], QStringLiteral("Jones, Ann"));
    QTest::keyClicks(form->names().txtAddress[1], QStringLiteral("third"));
    QTest::mouseClick(form->names().cmdEnter, Qt::LeftButton);
    EXPECT_EQ(form->names().txtAddress[1]->text(), QStringLiteral("third"));
    EXPECT_EQ(fileRows().size(), 3);
    // The one saved here is listed at once; another program's comes with a refresh.
    EXPECT_EQ(nameList().size(), 2);
    form->actRefresh->trigger();
    EXPECT_EQ(nameList().size(), 3);
}

TEST_F(AddressEditing, ChoosingANameInNewAddressModeShowsItAndKeepsTheMode) {
    book.addPeople({{QStringLiteral("Brown, Bo"), QStringLiteral("1 Oak")}});
    for (bool typed : {false, true}) {
        SCOPED_TRACE(typed ? "with typed input" : "untouched");
        openForm();
        QTest::mouseClick(form->names().cmdNewAddress, Qt::LeftButton);
        if (typed) {
            QTest::keyClicks(form->names().txtAddress[1], QStringLiteral("9 Pine"));
            dialogs.answers = {Dialogs::Answer::Save};
        }
        choose(QStringLiteral("Brown, Bo"));
        EXPECT_EQ(form->names().txtAddress[1]->text(), QStringLiteral("1 Oak"));
        expectBrowsing(false);
        // Only Enter Changes leaves the mode; it writes the record now shown.
        QTest::mouseClick(form->names().cmdEnter, Qt::LeftButton);
        expectBrowsing(true);
        closeForm();
    }
    // The untouched row was dropped; the typed one was kept and, unnamed, purged on close.
    EXPECT_EQ(fileRows(), QVariantList{"Brown, Bo / 1 Oak"});
}

TEST_F(AddressEditing, RecordWithoutANameIsSavedKeptOffTheListAndPurgedOnClose) {
    book.addPeople({{QStringLiteral("Brown, Bo")}});
    openForm();
    QTest::mouseClick(form->names().cmdNewAddress, Qt::LeftButton);
    QTest::keyClicks(form->names().txtAddress[1], QStringLiteral("nameless"));
    QTest::mouseClick(form->names().cmdEnter, Qt::LeftButton);
    EXPECT_EQ(form->names().txtAddress[1]->text(), QStringLiteral("nameless"));
    EXPECT_EQ(fileRows(), (QVariantList{"Brown, Bo / ", " / nameless"}));
    EXPECT_EQ(nameList(), QStringList{"Brown, Bo"});
    closeForm();
    EXPECT_EQ(fileRows(), QVariantList{"Brown, Bo / "});
}

TEST_F(AddressEditing, DeleteAsksByNameAndNoChangesNothing) {
    SKIP_ON_SERVER();
    book.addPeople({{QStringLiteral("Smith, John"), QStringLiteral("2 Elm")}});
    openForm();
    const QByteArray before = book.bytes();
    dialogs.answers = {Dialogs::Answer::No};
    QTest::mouseClick(form->names().cmdDeleteRecord, Qt::LeftButton);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text,
              QStringLiteral("Are you SURE you want to Delete Smith, John PERMANENTLY?"));
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Delete record?"));
    EXPECT_EQ(book.bytes(), before);
    EXPECT_EQ(nameList(), QStringList{"Smith, John"});
    EXPECT_EQ(form->names().txtAddress[1]->text(), QStringLiteral("2 Elm"));
}

TEST_F(AddressEditing, DeletingTheLastNamedRecordLeavesAnEmptyListAndShowsWhatRemains) {
    book.addPeople({{QStringLiteral("Smith, John")}, {std::nullopt, QStringLiteral("unnamed")}});
    openForm();
    for (const char* remaining : {"unnamed", ""}) {
        SCOPED_TRACE(remaining);
        dialogs.answers = {Dialogs::Answer::Yes};
        QTest::mouseClick(form->names().cmdDeleteRecord, Qt::LeftButton);
        EXPECT_TRUE(nameList().isEmpty());
        EXPECT_EQ(form->names().txtAddress[1]->text(), QLatin1String(remaining));
        EXPECT_EQ(form->record().Data1->recordSource(),
                  sql::selectAllAddressesByName(db->dialect()));
    }
    EXPECT_TRUE(fileRows().isEmpty());
    // Nothing left: the user is told so instead of being asked.
    dialogs.shown.clear();
    QTest::mouseClick(form->names().cmdDeleteRecord, Qt::LeftButton);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("There is no record to delete."));
}

TEST_F(AddressEditing, LockedBookIsReportedAndTheRetrySucceedsWithNothingLost) {
    SKIP_ON_SERVER();
    book.addPeople({{QStringLiteral("Smith, John"), QStringLiteral("2 Elm")}});
    openForm();
    QTest::mouseClick(form->names().cmdNewAddress, Qt::LeftButton);
    QTest::keyClicks(form->names().txtAddress[0], QStringLiteral("Adams, Zoe"));

    book.lock();
    QTest::mouseClick(form->names().cmdEnter, Qt::LeftButton);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Ravelbook"));
    EXPECT_TRUE(dialogs.shown[0].text.contains(QStringLiteral("another program")))
        << dialogs.shown[0].text.toStdString();
    expectBrowsing(false);
    EXPECT_EQ(form->names().txtAddress[0]->text(), QStringLiteral("Adams, Zoe"));
    book.unlock();

    QTest::mouseClick(form->names().cmdEnter, Qt::LeftButton);
    EXPECT_EQ(dialogs.shown.size(), 1u);
    expectBrowsing(true);
    EXPECT_EQ(nameList(), (QStringList{"Adams, Zoe", "Smith, John"}));

    book.lock();
    dialogs.answers = {Dialogs::Answer::Yes};
    QTest::mouseClick(form->names().cmdDeleteRecord, Qt::LeftButton);
    EXPECT_EQ(dialogs.shown.size(), 3u) << "question, then the failure";
    book.unlock();
    EXPECT_EQ(fileRows(), (QVariantList{"Smith, John / 2 Elm", "Adams, Zoe / "}));
}

TEST_F(AddressEditing, EnterChangesWithNothingShownSaysSo) {
    book.addPeople({{QStringLiteral("Smith, John")}});
    openForm();
    dialogs.answers = {Dialogs::Answer::Yes};
    QTest::mouseClick(form->names().cmdDeleteRecord, Qt::LeftButton);
    QTest::mouseClick(form->names().cmdEnter, Qt::LeftButton);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_TRUE(dialogs.shown[1].text.startsWith(QStringLiteral("There is no record to save.")));
    EXPECT_TRUE(fileRows().isEmpty());
}

} // namespace
} // namespace ravelbook
