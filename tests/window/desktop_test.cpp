// What the window offers a desktop user around its designed controls: Find,
// the choices kept for the next start, and other books from the File menu.
#include "store/data_source.h"
#include "support/form_fixture.h"
#include "window/name_filter.h"
#include "window/screen_fit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QSet>
#include <QSignalSpy>
#include <QStringListModel>
#include <QTabWidget>
#include <QTest>
#include <utility>

namespace ravelbook {
namespace {

using testing::FormFixture;

QStringList filtered(QStringListModel& names, const QString& query) {
    NameFilterModel model(names);
    model.setQuery(query);
    QStringList shown;
    for (int row = 0; row < model.rowCount(); ++row)
        shown << model.index(row).data().toString();
    return shown;
}

TEST(Find, MatchesAnywhereWithoutRegardToCaseOrAccents) {
    QStringListModel names({"Núñez, Ana", "Nunn, Bo", "O'Brien, Pat", "Ølberg, Øyvind",
                            "Smith, John", "Zoë, Ünal", "Ǖlmer, Ed", "O’Neill, Sam", "Weiß, Eva"});
    struct Case {
        const char* query;
        QStringList shown;
    };
    const Case cases[] = {
        {"", names.stringList()},   {"nun", {"Núñez, Ana", "Nunn, Bo"}},
        {"NÚÑE", {"Núñez, Ana"}},   {"john", {"Smith, John"}},
        {", j", {"Smith, John"}},   {"o'b", {"O'Brien, Pat"}},
        {"zoe, u", {"Zoë, Ünal"}},  {"ulm", {"Ǖlmer, Ed"}},
        {"øy", {"Ølberg, Øyvind"}}, {"xyz", {}},
        {"o'n", {"O’Neill, Sam"}},  {"o’b", {"O'Brien, Pat"}},
        {"weiss", {"Weiß, Eva"}},   {"WEIẞ", {"Weiß, Eva"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(filtered(names, QString::fromUtf8(c.query)), c.shown) << c.query;
}

TEST(Find, NarrowsOnAsTypedAndFollowsANewList) {
    QStringListModel names({"Adams, Zoe", "Brown, Al", "Zane, Ann"});
    NameFilterModel model(names);
    const std::pair<const char*, int> typed[] = {{"a", 3}, {"an", 1}, {"a", 3}, {"z", 2}};
    for (const auto& [query, rows] : typed) {
        model.setQuery(QString::fromUtf8(query));
        EXPECT_EQ(model.rowCount(), rows) << query;
    }
    names.setStringList({"Zed, Al", "Young, Bo"});
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.index(0).data().toString(), QStringLiteral("Zed, Al"));
}

class Desktop : public FormFixture {
protected:
    void SetUp() override {
        book.addPeople({{QStringLiteral("Adams, Zoe"), QStringLiteral("1 First St")},
                        {QStringLiteral("Núñez, Ana"), QStringLiteral("2 Second St")},
                        {QStringLiteral("Nunn, Bo"), QStringLiteral("3 Third St")}});
        openForm();
    }
};

TEST_F(Desktop, FindNarrowsTheNameListAndEnterShowsTheFirstMatchWithoutEditingIt) {
    form->SSTab1->setCurrentIndex(1);
    const QString shownName = form->names().txtAddress[0]->text();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->actFind->trigger();
    QTest::keyClicks(form->txtFind, QStringLiteral("nun"));
    EXPECT_EQ(form->names().cboName->count(), 2);
    EXPECT_TRUE(form->lstFound->isVisible());
    EXPECT_EQ(form->names().txtAddress[0]->text(), shownName)
        << "typing never edits the record shown";

    QTest::keyClick(form->txtFind, Qt::Key_Down);
    QTest::keyClick(form->txtFind, Qt::Key_Return);
    EXPECT_EQ(form->SSTab1->currentIndex(), 0);
    // The book sorts "Nunn" before "Núñez"; Down chose the second match.
    EXPECT_EQ(form->names().txtAddress[0]->text(), QStringLiteral("Núñez, Ana"));
    EXPECT_EQ(form->names().txtAddress[1]->text(), QStringLiteral("2 Second St"));
    EXPECT_FALSE(form->record().Data1->isDirty());

    QTest::keyClick(form->txtFind, Qt::Key_Escape);
    EXPECT_EQ(form->names().cboName->count(), 3);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Desktop, EveryMenuOfTheMenuBarHasAnAccessKeyOfItsOwn) {
    QSet<QChar> keys;
    for (QAction* menu : form->menuBar->actions()) {
        const int amp = menu->text().indexOf('&');
        ASSERT_GE(amp, 0) << menu->text().toStdString();
        keys.insert(menu->text().at(amp + 1).toLower());
    }
    EXPECT_EQ(keys.size(), form->menuBar->actions().size());
}

TEST(ScreenFit, DialogsOpenInsideTheScreenWithTheirButtonsOnIt) {
    static bool installed = false;
    if (!std::exchange(installed, true))
        keepDialogsOnScreen(*qApp);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // A password asked after a long refusal, and a dialog sized for a larger screen.
    QInputDialog asking;
    asking.setLabelText(QString("The server refused the password: ").repeated(20));
    asking.setTextEchoMode(QLineEdit::Password);
    QDialog large;
    large.resize(screen.width() + 100, screen.height() + 100);
    for (QDialog* dialog : {static_cast<QDialog*>(&asking), &large}) {
        dialog->show();
        EXPECT_TRUE(screen.contains(dialog->geometry())) << dialog->geometry().width();
        dialog->hide();
    }
}

TEST_F(Desktop, ChoicesSurviveARestart) {
    form->SSTab1->setCurrentIndex(1);
    form->mailings().optFlier->click();
    form->mailings().optBiFold->click();
    form->mailings().chkFirstNameFirst->setChecked(false);
    form->mailings().chkPrintSample->setChecked(false);
    form->mailings().txtSpecial->setText(QStringLiteral("Season's greetings"));
    form->returnAddress().datReturnAddresses->addNew();
    QTest::keyClicks(form->returnAddress().txtReturnAddress[0], QStringLiteral("Second sender"));
    form->returnAddress().datReturnAddresses->update();
    form->returnAddress().datReturnAddresses->moveLast();
    form->mailings().actShowGroupColumns->setChecked(false);
    form->resize(form->size() + QSize(100, 50));
    const QSize grown = form->size();
    closeForm();

    openForm();
    EXPECT_TRUE(form->mailings().optFlier->isChecked());
    EXPECT_FALSE(form->mailings().txtSpecial->isHidden()) << "the flier's options are shown";
    EXPECT_TRUE(form->mailings().optBiFold->isChecked());
    EXPECT_FALSE(form->mailings().chkFirstNameFirst->isChecked());
    EXPECT_FALSE(form->mailings().chkPrintSample->isChecked());
    EXPECT_EQ(form->mailings().txtSpecial->text(), QStringLiteral("Season's greetings"));
    EXPECT_EQ(form->returnAddress().txtReturnAddress[0]->text(), QStringLiteral("Second sender"));
    EXPECT_FALSE(form->mailings().actShowGroupColumns->isChecked());
    EXPECT_EQ(form->size(), grown);
}

TEST_F(Desktop, OpenBookAsksBeforeCreatingAndRecentBooksAreOffered) {
    SKIP_ON_SERVER();
    const QString missing = book.folder() + QStringLiteral("/other.db");
    QSignalSpy chosen(form.get(), &frmMailForm::bookChosen);

    dialogs.fileAnswers = {missing};
    dialogs.answers = {Dialogs::Answer::No};
    form->books().actOpenBook->trigger();
    EXPECT_EQ(dialogs.shown.back().text,
              QStringLiteral("There is no address book at %1. Create a new one?").arg(missing));
    EXPECT_FALSE(QFileInfo::exists(missing));
    EXPECT_TRUE(chosen.isEmpty());
    EXPECT_TRUE(form->isVisible());

    dialogs.fileAnswers = {missing};
    dialogs.answers = {Dialogs::Answer::Yes};
    form->books().actOpenBook->trigger();
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toString(), missing);
    EXPECT_TRUE(QFileInfo(missing).size() > 0);
    EXPECT_FALSE(form->isVisible());

    // The window on the new book offers the one before it.
    form.reset();
    db = std::make_unique<Database>(missing);
    form = std::make_unique<frmMailForm>(*db, settings, dialogs);
    EXPECT_EQ(form->books().recentBooks(), QStringList{book.path()});
    Q_EMIT form->menuFile->aboutToShow();
    QStringList offered;
    for (QAction* action : form->menuFile->actions())
        offered << action->text();
    EXPECT_TRUE(offered.contains(QStringLiteral("&1 ") + book.path()))
        << offered.join('|').toStdString();
}

TEST_F(Desktop, NewBookIsMadeWithoutAskingAgainAndGetsItsEnding) {
    SKIP_ON_SERVER();
    QSignalSpy chosen(form.get(), &frmMailForm::bookChosen);
    dialogs.fileAnswers = {book.folder() + QStringLiteral("/Club")};
    form->books().actNewBook->trigger();
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toString(), book.folder() + QStringLiteral("/Club.db"));
    EXPECT_TRUE(Database(book.folder() + QStringLiteral("/Club.db"), Database::Access::ReadOnly)
                    .columns(QStringLiteral("Addresses"))
                    .contains(QStringLiteral("Name")));
    EXPECT_EQ(dialogs.shown.size(), 1u) << "only the file dialog";
}

TEST_F(Desktop, FileThatIsNoBookIsReportedAndTheWindowStays) {
    const QString notes = book.folder() + QStringLiteral("/notes.txt");
    QFile file(notes);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("shopping: eggs\n");
    file.close();
    QSignalSpy chosen(form.get(), &frmMailForm::bookChosen);
    dialogs.fileAnswers = {notes};
    form->books().actOpenBook->trigger();
    EXPECT_TRUE(chosen.isEmpty());
    EXPECT_TRUE(form->isVisible());
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_TRUE(dialogs.shown[1].text.contains(QStringLiteral("not a Ravelbook address book")));
}

TEST_F(Desktop, AboutShowsTheVersion) {
    form->actAbout->trigger();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.startsWith(QStringLiteral("Ravelbook " RAVELBOOK_VERSION)));
}

} // namespace
} // namespace ravelbook
