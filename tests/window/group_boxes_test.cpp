// The group boxes: the grid filter of page "Mailings" and renaming a group with
// a right click.
#include "store/data_source.h"
#include "support/form_fixture.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace ravelbook {
namespace {

using testing::FormFixture;

const QString kBase =
    QStringLiteral("SELECT * FROM \"Addresses\" WHERE NOT \"Name\" = '' AND \"Name\" IS NOT NULL");

class GroupBoxes : public FormFixture {
protected:
    void SetUp() override {
        book.addPeople({
            {QStringLiteral("Zed, Personal0"), {}, {}, {}, {}, {0}},
            {QStringLiteral("Able, Both"), {}, {}, {}, {}, {0, 9}},
            {QStringLiteral("Mid, Business9"), {}, {}, {}, {}, {9}},
            {QStringLiteral("Last, Group17"), {}, {}, {}, {}, {17}},
            {QStringLiteral(""), {}, {}, {}, {}, {0, 9, 17}},
            {std::nullopt, {}, {}, {}, {}, {0, 9, 17}},
            {QStringLiteral("None, Atall")},
        });
        openForm();
    }

    QStringList gridNames() {
        QStringList names;
        const QAbstractItemModel* model = form->mailings().TDBGridS1->model();
        for (int row = 0; row < model->rowCount(); ++row)
            names << model->index(row, 0).data().toString();
        names.sort();
        return names;
    }

    void click(int index, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(form->groupBox(index), button);
    }
};

TEST_F(GroupBoxes, MailingsBoxesFilterTheGridByTheirGroups) {
    struct Case {
        std::vector<int> boxes; // toggled in this order, from all clear
        QString query;
        QStringList names;
    };
    const Case cases[] = {
        {{35}, kBase + " AND (\"0\" = -1)", {"Able, Both", "Zed, Personal0"}},
        {{18}, kBase + " AND (\"17\" = -1)", {"Last, Group17"}},
        // Columns in order 0 to 17 whatever the order of the clicks; the name
        // test holds for every group.
        {{26, 35},
         kBase + " AND (\"0\" = -1 OR \"9\" = -1)",
         {"Able, Both", "Mid, Business9", "Zed, Personal0"}},
        {{35, 35}, "SELECT * FROM \"Addresses\" WHERE \"Name\" = 'xxxxxxxxxxxx'", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.query.toStdString());
        for (QCheckBox* box : groupBoxes())
            box->setChecked(false);
        for (int box : c.boxes)
            click(box);
        EXPECT_EQ(form->mailings().strSQL, c.query);
        EXPECT_EQ(form->mailings().datGrid->recordSource().text, c.query);
        EXPECT_EQ(gridNames(), c.names);
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(GroupBoxes, NamesPageBoxesChangeTheRecordNotTheGrid) {
    click(35);
    const QString query = form->mailings().strSQL;
    const QStringList names = gridNames();
    ASSERT_EQ(form->names().txtAddress[0]->text(), QStringLiteral("Zed, Personal0"));
    click(5);
    EXPECT_EQ(form->mailings().strSQL, query);
    EXPECT_EQ(gridNames(), names);
    QTest::mouseClick(form->names().cmdEnter, Qt::LeftButton);
    EXPECT_EQ(book.value(QStringLiteral("SELECT [5] FROM Addresses WHERE Name = 'Zed, Personal0'"))
                  .toInt(),
              -1);
    EXPECT_EQ(gridNames(), names) << "editing doesn't refresh the grid";
}

TEST_F(GroupBoxes, RightClickRenamesABoxAndItsTwinAndTheTitleSurvivesARestart) {
    const std::pair<int, int> twins[] = {{30, 5}, {12, 23}};
    for (const auto& [clicked, twin] : twins) {
        SCOPED_TRACE(clicked);
        const bool wasChecked = form->groupBox(clicked)->isChecked();
        const QString before = form->groupCaption(clicked);
        const QString title = QStringLiteral("Friends & Family %1").arg(clicked);
        dialogs.shown.clear();
        dialogs.promptAnswers = {title};
        click(clicked, Qt::RightButton);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_TRUE(dialogs.shown[0].prompt);
        EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("Enter a new title for this category"));
        EXPECT_EQ(dialogs.shown[0].title, before);
        EXPECT_TRUE(dialogs.shown[0].defaultText.isEmpty());
        EXPECT_EQ(form->groupCaption(clicked), title);
        EXPECT_EQ(form->groupCaption(twin), title);
        EXPECT_EQ(form->groupBox(clicked)->isChecked(), wasChecked);
    }
    EXPECT_EQ(form->mailings().strSQL, QString()) << "a right click is no click";

    closeForm();
    openForm();
    EXPECT_EQ(form->groupCaption(5), QStringLiteral("Friends & Family 30"));
    EXPECT_EQ(form->groupCaption(30), QStringLiteral("Friends & Family 30"));
    EXPECT_EQ(form->groupCaption(23), QStringLiteral("Friends & Family 12"));
}

TEST_F(GroupBoxes, CancelledPromptAndOtherButtonsChangeNoTitle) {
    dialogs.promptAnswers = {QString()};
    click(20, Qt::RightButton);
    EXPECT_EQ(dialogs.shown.size(), 1u);
    click(20, Qt::LeftButton);
    click(20, Qt::MiddleButton);
    EXPECT_EQ(dialogs.shown.size(), 1u) << "only the right button asks";
    EXPECT_EQ(form->groupCaption(20), QStringLiteral("Business"));
    EXPECT_EQ(form->groupCaption(15), QStringLiteral("Business"));
}

TEST_F(GroupBoxes, MenuKeyRenamesTheFocusedBox) {
    dialogs.promptAnswers = {QStringLiteral("Choir")};
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(1, 1), QPoint(1, 1));
    QCoreApplication::sendEvent(form->groupBox(0), &menuKey);
    EXPECT_EQ(form->groupCaption(0), QStringLiteral("Choir"));
    EXPECT_EQ(form->groupCaption(35), QStringLiteral("Choir"));
}

} // namespace
} // namespace ravelbook
