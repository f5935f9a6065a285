// Inputs at and past the limits, from the window to the file and back.
#include "print/vertical_adjustment.h"
#include "store/data_source.h"
#include "support/form_fixture.h"
#include "window/limited_text_edit.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QTableView>
#include <QTest>

namespace ravelbook {
namespace {

using testing::FormFixture;

// Types text key by key, as a keyboard of its script would; QTest::keyClicks knows Latin-1 only.
void type(QWidget* box, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

class Limits : public FormFixture {
protected:
    // Replaces the box's whole text with the clipboard's, as Ctrl+A, Ctrl+V would.
    static void paste(QWidget* box, const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }
};

TEST_F(Limits, TypedAndPastedTextStopsAtEachBoxsLimitAndTheFileGetsJustThat) {
    book.addPerson({QStringLiteral("Smith, John")});
    openForm();
    const QString address = QStringLiteral("SELECT %1 FROM Addresses");
    const QString sender = QStringLiteral("SELECT %1 FROM \"Return Addresses\"");
    const std::pair<QWidget*, QString> boxes[] = {
        {form->names().txtAddress[0], address.arg("Name")},
        {form->names().txtAddress[1], address.arg("Address")},
        {form->names().txtAddress[2], address.arg("\"City State Zip\"")},
        {form->names().txtAddress[3], address.arg("Country")},
        {form->names().txtAddress[4], address.arg("Contact")},
        {form->names().txtAddress[5], address.arg("Phone")},
        {form->names().txtNotes, address.arg("Notes")},
        {form->returnAddress().txtReturnAddress[0], sender.arg("Name")},
        {form->returnAddress().txtReturnAddress[1], sender.arg("Address")},
        {form->returnAddress().txtReturnAddress[2], sender.arg("\"City State Zip\"")},
    };
    LimitedTextEdit* notes = form->names().txtNotes;
    const auto text = [notes](QWidget* box) {
        return box == notes ? notes->text() : static_cast<QLineEdit*>(box)->text();
    };
    for (const auto& [box, query] : boxes) {
        SCOPED_TRACE(query.toStdString());
        const int limit =
            box == notes ? notes->maxLength() : static_cast<QLineEdit*>(box)->maxLength();
        ASSERT_GT(limit, 1);
        // A character beyond the first plane takes two places; the limit falls
        // inside it and must not keep half of it.
        paste(box, QString(limit - 1, u'x') + QStringLiteral("\U0001F600 tail"));
        EXPECT_EQ(text(box), QString(limit - 1, u'x'));
        // Letters of other scripts, cut at the limit.
        const QString full = QStringLiteral("Żó, 山田 ").repeated(limit);
        paste(box, full);
        EXPECT_EQ(text(box), full.left(limit));
        // Typing at the end or pasting at the start of a full box adds nothing.
        QTest::keyClicks(box, QStringLiteral("zz"));
        QTest::keyClick(box, Qt::Key_Home);
        QGuiApplication::clipboard()->setText(QStringLiteral("XY"));
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(text(box), full.left(limit));
    }
    QStringList shown;
    for (const auto& box : boxes)
        shown << text(box.first);
    dialogs.answers = {Dialogs::Answer::Save, Dialogs::Answer::Save};
    closeForm();
    for (std::size_t i = 0; i < std::size(boxes); ++i)
        EXPECT_EQ(book.value(boxes[i].second).toString(), shown[int(i)])
            << boxes[i].second.toStdString();
    EXPECT_EQ(dialogs.shown.size(), 2u) << "the record and the return address were asked about";
}

TEST_F(Limits, BoxesAndGridCellsKeepOneLineTheirLimitsAndGroupValues) {
    book.addPerson({QStringLiteral("Smith, John")});
    openForm();
    // Pasted into the boxes: one line, or several for the notes.
    paste(form->names().txtAddress[1], QStringLiteral("1 Main St\r\nSecond\x07 line\n"));
    EXPECT_EQ(form->names().txtAddress[1]->text(), QStringLiteral("1 Main St Second line "));
    paste(form->names().txtNotes, QStringLiteral("a\r\nb\x07\tc"));
    EXPECT_EQ(form->names().txtNotes->text(), QStringLiteral("a\nb\tc"));

    form->mailings().datGrid->setRecordSource(sql::selectAllAddresses());
    form->mailings().datGrid->refresh();
    QAbstractItemModel* grid = form->mailings().TDBGridS1->model();
    const auto cell = [&](const char* column) {
        return grid->index(0, form->mailings().datGrid->columnIndex(QLatin1String(column)));
    };
    const struct {
        const char* column;
        QVariant value;
        int role;
        bool taken;
        QVariant stored;
    } cases[] = {
        {"Contact", QString(10000, u'c'), Qt::EditRole, true, QString(30, u'c')},
        {"Address", "1 Main St\nSecond line", Qt::EditRole, true, "1 Main St Second line"},
        {"Phone", "555\r\n0101\x1b", Qt::EditRole, true, "555 0101"},
        {"Notes", "a\r\nb\x07", Qt::EditRole, true, "a\nb"},
        {"3", "abc", Qt::EditRole, false, 0},
        {"3", 7, Qt::EditRole, false, 0},
        {"3", Qt::Checked, Qt::CheckStateRole, true, -1},
        {"3", Qt::Unchecked, Qt::CheckStateRole, true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.column);
        EXPECT_EQ(grid->setData(cell(c.column), c.value, c.role), c.taken);
        EXPECT_EQ(book.value(QStringLiteral("SELECT \"%1\" FROM Addresses").arg(c.column)),
                  c.stored);
    }
    EXPECT_FALSE(grid->flags(cell("3")) & Qt::ItemIsEditable);
    EXPECT_TRUE(grid->flags(cell("3")) & Qt::ItemIsUserCheckable);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Limits, NamesWithQuotesWildcardsAndOtherScriptsAreSavedAndFoundAgain) {
    const QStringList names{"O'Neil; DROP TABLE Addresses; --",
                            "\"Quoted\", Name",
                            "100% Sure_Name",
                            "1000 Sure-Name",
                            "Ødegård, Åsa",
                            "Иванов, Пётр",
                            "山田, 太郎",
                            "عبد الله, محمد"};
    openForm();
    for (int i = 0; i < names.size(); ++i) {
        QTest::mouseClick(form->names().cmdNewAddress, Qt::LeftButton);
        type(form->names().txtAddress[0], names[i]);
        QTest::keyClicks(form->names().txtAddress[1], QStringLiteral("address %1").arg(i));
        QTest::mouseClick(form->names().cmdEnter, Qt::LeftButton);
    }
    closeForm();
    openForm();
    QStringList listed = form->names().nameList()->stringList();
    QStringList sorted = names;
    listed.sort();
    sorted.sort();
    EXPECT_EQ(listed, sorted);
    for (int i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(names[i].toStdString());
        const int entry = int(form->names().nameList()->stringList().indexOf(names[i]));
        form->names().cboName->setCurrentIndex(entry);
        Q_EMIT form->names().cboName->activated(entry);
        EXPECT_EQ(form->names().txtAddress[0]->text(), names[i]);
        EXPECT_EQ(form->names().txtAddress[1]->text(), QStringLiteral("address %1").arg(i));
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Limits, GroupTitleOfFiveHundredCharactersIsCutTo255AndSurvivesCloseAndReopen) {
    const QString title = QStringLiteral("Ünïcødé [a=b]; #c \\n & %1 ")
                              .repeated(30)
                              .arg(QStringLiteral("山"))
                              .left(500);
    ASSERT_EQ(title.size(), 500);
    openForm();
    dialogs.promptAnswers = {title};
    QTest::mouseClick(form->groupBox(7), Qt::RightButton);
    EXPECT_EQ(form->groupCaption(28), title.left(255));
    // A longer title put into the file by hand is cut the same way.
    settings.saveSetting(QStringLiteral("Ravelbook"), QStringLiteral("Startup"),
                         QStringLiteral("Label 7Caption"), title);
    for (int reopen = 0; reopen < 2; ++reopen) {
        closeForm();
        openForm();
        EXPECT_EQ(form->groupCaption(7), title.left(255));
        EXPECT_EQ(form->groupCaption(28), title.left(255));
        EXPECT_EQ(form->groupCaption(8), QStringLiteral("Personal"));
    }
}

TEST_F(Limits, VerticalAdjustmentKeepsItsMeaningThroughTheFile) {
    // A refused entry is never kept: the value accepted before it stays, in the file too.
    qint16 accepted = 0;
    for (const QString text : {"99999", "-0", "4e2", "1e3", "  42  "}) {
        SCOPED_TRACE(text.toStdString());
        openForm();
        paste(form->mailings().txtVerticalAdjustment, text);
        QTest::keyClick(form->mailings().txtVerticalAdjustment, Qt::Key_Return);
        accepted = usableVerticalAdjustment(text).value_or(accepted);
        EXPECT_EQ(form->mailings().intVerticalAdjustment, accepted);
        closeForm();
        openForm();
        EXPECT_EQ(usableVerticalAdjustment(form->mailings().txtVerticalAdjustment->text()),
                  accepted)
            << form->mailings().txtVerticalAdjustment->text().toStdString();
        EXPECT_EQ(form->mailings().intVerticalAdjustment, accepted);
        EXPECT_TRUE(form->mailings().txtVerticalAdjustment->toolTip().isEmpty());
        closeForm();
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

} // namespace
} // namespace ravelbook
