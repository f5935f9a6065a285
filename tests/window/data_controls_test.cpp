// The bound controls, the return-address navigator and the grid.
#include "store/data_source.h"
#include "support/form_fixture.h"
#include "window/data_navigator.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace ravelbook {
namespace {

using testing::FormFixture;
using testing::Person;

class DataControls : public FormFixture {
protected:
    void SetUp() override {
        book.exec(QStringLiteral(
            "UPDATE \"Return Addresses\" SET Name = 'Home', Address = '1 Home Row'"));
        book.exec(QStringLiteral(
            "INSERT INTO \"Return Addresses\" (Name, Address) VALUES ('Office', '2 Work St')"));
        book.exec(QStringLiteral(
            "INSERT INTO \"Return Addresses\" (Name, Address) VALUES ('Cabin', '3 Lake Rd')"));
        book.exec(QStringLiteral("UPDATE Ini SET VerticalAdjustment = -60"));
        openForm();
    }

    void press(const char* button) {
        auto* b = form->returnAddress().datReturnAddressesBar->findChild<QToolButton*>(
            QLatin1String(button));
        ASSERT_NE(b, nullptr);
        QTest::mouseClick(b, Qt::LeftButton);
    }
};

TEST_F(DataControls, SettingsAndReturnAddressesOpenOnTheirFirstRow) {
    EXPECT_EQ(form->mailings().txtVerticalAdjustment->text(), QStringLiteral("-60"));
    EXPECT_EQ(form->returnAddress().txtReturnAddress[0]->text(), QStringLiteral("Home"));
    EXPECT_EQ(form->returnAddress().txtReturnAddress[1]->text(), QStringLiteral("1 Home Row"));
    EXPECT_EQ(form->mailings().txtReturnAddress3->text(), QStringLiteral("Home"));
    EXPECT_EQ(form->returnAddress().datReturnAddressesBar->caption(),
              QStringLiteral("Return Addresses"));
}

TEST_F(DataControls, NavigatorStepsThroughAddsAndDeletesReturnAddresses) {
    const auto names = [this] {
        return book.column(QStringLiteral("SELECT Name FROM \"Return Addresses\" ORDER BY rowid"));
    };
    const auto position = [this] { return form->returnAddress().lblReturnAddressPosition->text(); };
    EXPECT_EQ(position(), QStringLiteral("1 of 3"));
    EXPECT_EQ(form->returnAddress().lblReturnAddress[2]->text(),
              QStringLiteral("City, State  Zip"));
    press("next");
    EXPECT_EQ(form->returnAddress().txtReturnAddress[0]->text(), QStringLiteral("Office"));
    press("last");
    EXPECT_EQ(form->returnAddress().txtReturnAddress[0]->text(), QStringLiteral("Cabin"));
    // Past the last row a new return address starts; left untouched, it goes.
    press("next");
    EXPECT_EQ(form->returnAddress().txtReturnAddress[0]->text(), QString());
    EXPECT_EQ(position(), QStringLiteral("new (4 of 4)"));
    press("previous");
    EXPECT_EQ(form->mailings().txtReturnAddress3->text(), QStringLiteral("Cabin"));
    press("first");
    EXPECT_EQ(form->returnAddress().txtReturnAddress[0]->text(), QStringLiteral("Home"));

    QTest::mouseClick(form->returnAddress().cmdNewReturnAddress, Qt::LeftButton);
    QTest::keyClicks(form->returnAddress().txtReturnAddress[0], QStringLiteral("Shed"));
    dialogs.answers = {Dialogs::Answer::Save};
    press("first");
    EXPECT_EQ(names(), (QVariantList{"Home", "Office", "Cabin", "Shed"}));

    // Deleting asks first; the last one left can't be deleted.
    dialogs.answers = {Dialogs::Answer::No, Dialogs::Answer::Yes, Dialogs::Answer::Yes,
                       Dialogs::Answer::Yes};
    for (int click = 0; click < 4; ++click)
        QTest::mouseClick(form->returnAddress().cmdDeleteReturnAddress, Qt::LeftButton);
    EXPECT_EQ(dialogs.shown[1].text, QStringLiteral("Delete Home from the return addresses?"));
    EXPECT_EQ(names(), QVariantList{"Shed"});
    EXPECT_FALSE(form->returnAddress().cmdDeleteReturnAddress->isEnabled());
    EXPECT_EQ(position(), QStringLiteral("1 of 1"));
}

TEST_F(DataControls, ReturnAddressEditsFollowTheTwinBoxAndAreSavedWhenMovingOn) {
    form->mailings().txtReturnAddress3->selectAll();
    QTest::keyClicks(form->mailings().txtReturnAddress3, QStringLiteral("Home Sweet Home"));
    EXPECT_EQ(form->returnAddress().txtReturnAddress[0]->text(), QStringLiteral("Home Sweet Home"));
    dialogs.answers = {Dialogs::Answer::Save};
    press("next");
    EXPECT_EQ(book.value(QStringLiteral("SELECT Name FROM \"Return Addresses\" WHERE rowid = 1"))
                  .toString(),
              QStringLiteral("Home Sweet Home"));
}

TEST_F(DataControls, GridShowsTheRecordSetOfItsSourceAndWritesCellEditsBack) {
    book.addPeople(
        {{QStringLiteral("Smith, John"), QStringLiteral("12 Elm Street"), {}, {}, {}, {2}},
         {QStringLiteral("Jones, Ann"), QStringLiteral("9 Oak Lane"), {}, {}, {}, {2}},
         {QStringLiteral("Other, One"), {}, {}, {}, {}, {3}}});
    GroupChoice two{};
    two[2] = true;
    form->mailings().datGrid->setRecordSource(sql::selectGroups(two));
    form->mailings().datGrid->refresh();

    QAbstractItemModel* model = form->mailings().TDBGridS1->model();
    ASSERT_EQ(model->rowCount(), 2);
    ASSERT_EQ(model->columnCount(), 25);
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Name"));
    // A group column is headed by its title and shows membership as a check box.
    form->setGroupCaption(2, QStringLiteral("Café & Cousins"));
    EXPECT_EQ(model->headerData(9, Qt::Horizontal).toString(), QStringLiteral("Café & Cousins"));
    EXPECT_EQ(model->index(1, 9).data(Qt::AccessibleDescriptionRole).toString(),
              QStringLiteral("Café & Cousins"));
    EXPECT_EQ(model->index(1, 9).data(Qt::CheckStateRole), Qt::Checked);
    EXPECT_EQ(model->index(1, 10).data(Qt::CheckStateRole), Qt::Unchecked);
    EXPECT_EQ(model->index(1, 0).data().toString(), QStringLiteral("Jones, Ann"));
    EXPECT_TRUE(model->flags(model->index(1, 1)) & Qt::ItemIsEditable);

    EXPECT_TRUE(model->setData(model->index(1, 1), QStringLiteral("10 Oak Lane")));
    EXPECT_EQ(book.value(QStringLiteral("SELECT Address FROM Addresses WHERE Name = 'Jones, Ann'"))
                  .toString(),
              QStringLiteral("10 Oak Lane"));
    EXPECT_EQ(model->index(1, 1).data().toString(), QStringLiteral("10 Oak Lane"));
    // Read again after moving off the edited row: not an old copy of it.
    form->mailings().datGrid->moveTo(0);
    EXPECT_EQ(model->index(1, 1).data().toString(), QStringLiteral("10 Oak Lane"));
    EXPECT_EQ(book.value(QStringLiteral("SELECT Address FROM Addresses WHERE Name = 'Smith, John'"))
                  .toString(),
              QStringLiteral("12 Elm Street"));

    EXPECT_TRUE(model->setData(model->index(1, 9), Qt::Unchecked, Qt::CheckStateRole));
    EXPECT_EQ(book.value(QStringLiteral("SELECT [2] FROM Addresses WHERE Name = 'Jones, Ann'")), 0);

    // Narrow, and hidden from the header's menu, also for the next record set.
    QHeaderView* header = form->mailings().TDBGridS1->horizontalHeader();
    EXPECT_LT(header->sectionSize(9), header->sectionSize(1) / 2);
    ASSERT_TRUE(header->actions().contains(form->mailings().actShowGroupColumns));
    EXPECT_EQ(form->mailings().actShowGroupColumns->text(), QStringLiteral("Show group columns"));
    form->mailings().actShowGroupColumns->trigger();
    form->mailings().datGrid->refresh();
    EXPECT_TRUE(header->isSectionHidden(9));
    EXPECT_FALSE(header->isSectionHidden(1));
}

TEST_F(DataControls, GridCurrentRowIsTheGridSourcesCurrentRecord) {
    book.addPeople({{QStringLiteral("Smith, John")},
                    {QStringLiteral("Jones, Ann")},
                    {QStringLiteral("Adams, Zoe")}});
    form->SSTab1->setCurrentIndex(1);
    form->mailings().datGrid->setRecordSource(sql::selectNamedAddresses(db->dialect()));
    form->mailings().datGrid->refresh();
    EXPECT_EQ(form->mailings().TDBGridS1->currentIndex().row(), 0);
    EXPECT_EQ(form->mailings().TDBGridS1->model()->headerData(0, Qt::Vertical).toString(),
              QStringLiteral("\u25B6"));

    const QRect cell =
        form->mailings().TDBGridS1->visualRect(form->mailings().TDBGridS1->model()->index(2, 0));
    QTest::mouseClick(form->mailings().TDBGridS1->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(form->mailings().datGrid->field(0).toString(), QStringLiteral("Smith, John"));
    EXPECT_TRUE(
        form->mailings().TDBGridS1->model()->headerData(0, Qt::Vertical).toString().isEmpty());
}

TEST_F(DataControls, GridThatCantReadItsRowsSaysSoOnce) {
    SKIP_ON_SERVER();
    book.addPeople({{QStringLiteral("Smith, John")}, {QStringLiteral("Jones, Ann")}});
    form->SSTab1->setCurrentIndex(1);
    form->mailings().datGrid->setRecordSource(sql::selectNamedAddresses(db->dialect()));
    form->mailings().datGrid->refresh();
    book.lock();
    form->mailings().TDBGridS1->model()->index(1, 1).data();
    form->mailings().TDBGridS1->grab();
    QCoreApplication::processEvents();
    book.unlock();
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(DataControls, GridEditThatTheBookRefusesIsReported) {
    book.addPeople({{QStringLiteral("Smith, John")}});
    form->mailings().datGrid->setRecordSource(sql::selectAllAddresses());
    form->mailings().datGrid->refresh();
    book.exec(QStringLiteral("DELETE FROM Addresses"));
    QAbstractItemModel* model = form->mailings().TDBGridS1->model();
    EXPECT_FALSE(model->setData(model->index(0, 1), QStringLiteral("lost?")));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Ravelbook"));
    EXPECT_TRUE(dialogs.shown[0].text.contains(QStringLiteral("deleted by someone else")));
}

} // namespace
} // namespace ravelbook
