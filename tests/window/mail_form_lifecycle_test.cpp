// Start-up and shut-down of the window on missing, empty and populated books.
#include "settings/group_titles.h"
#include "store/data_source.h"
#include "support/form_fixture.h"
#include "window/limited_text_edit.h"

#include <algorithm>
#include <map>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStringListModel>
#include <QTest>
#include <QTextCursor>

namespace ravelbook {
namespace {

using testing::FormFixture;
using testing::Person;

const QString kApp = QStringLiteral("Ravelbook");
const QString kSection = QStringLiteral("Startup");

class MailFormLifecycle : public FormFixture {
protected:
    QStringList nameList() { return form->names().nameList()->stringList(); }

    void saveTitles(const QStringList& titles) {
        for (int i = 0; i < titles.size(); ++i)
            settings.saveSetting(kApp, kSection, group_titles::key(i), titles[i]);
    }

    int rows() { return book.value(QStringLiteral("SELECT count(*) FROM Addresses")).toInt(); }
};

TEST_F(MailFormLifecycle, MissingBookIsCreatedAndOpensEmpty) {
    testing::TempBook missing;
    ASSERT_FALSE(QFileInfo::exists(missing.path()));
    Database created(missing.path());
    frmMailForm window(created, settings, dialogs);
    EXPECT_TRUE(window.names().nameList()->stringList().isEmpty());
    EXPECT_EQ(window.mailings().txtVerticalAdjustment->text(), QStringLiteral("0"));
    EXPECT_TRUE(window.returnAddress().datReturnAddresses->hasCurrent());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(MailFormLifecycle, EmptyBookGivesEmptyListBlankEditorAndDesignCaptions) {
    openForm();
    EXPECT_TRUE(nameList().isEmpty());
    for (QLineEdit* box : form->names().txtAddress)
        EXPECT_TRUE(box->text().isEmpty());
    EXPECT_FALSE(form->record().Data1->hasCurrent());
    EXPECT_EQ(form->groupBox(4)->text(), QStringLiteral("Personal"));
    EXPECT_EQ(form->groupBox(31)->text(), QStringLiteral("Personal"));
    EXPECT_EQ(form->mailings().txtVerticalAdjustment->text(), QStringLiteral("0"));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(MailFormLifecycle, PopulatedBookListsNamedRecordsInOrderAndShowsTheFirstRow) {
    book.addPeople({
        {QStringLiteral("Smith, John"),
         QStringLiteral("12 Elm Street"),
         QStringLiteral("Springfield, IL  62701"),
         QStringLiteral("USA"),
         QStringLiteral("Jim"),
         {0, 9}},
        {QStringLiteral("")},
        {QStringLiteral("O'Brien, Pat")},
        {std::nullopt},
        {QStringLiteral("Jones, Ann")},
        {QStringLiteral("Jones, Ann")},
    });
    openForm();
    EXPECT_EQ(nameList(), (QStringList{"Jones, Ann", "Jones, Ann", "O'Brien, Pat", "Smith, John"}));
    EXPECT_EQ(form->names().txtAddress[0]->text(), QStringLiteral("Smith, John"));
    EXPECT_EQ(form->names().txtAddress[2]->text(), QStringLiteral("Springfield, IL  62701"));
    EXPECT_EQ(form->names().txtAddress[4]->text(), QStringLiteral("Jim"));
    EXPECT_TRUE(form->groupBox(0)->isChecked());
    EXPECT_TRUE(form->groupBox(9)->isChecked());
    EXPECT_FALSE(form->groupBox(1)->isChecked());
    // The Mailings twins choose groups; they don't show membership.
    EXPECT_FALSE(form->groupBox(35)->isChecked());
    EXPECT_EQ(form->record().Data1->recordSource(), sql::selectAllAddresses());
}

TEST_F(MailFormLifecycle, BookOfFortyThousandNamesListsEveryName) {
    book.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                             "WHERE i < 40000) INSERT INTO Addresses (Name) "
                             "SELECT printf('Name %05d', i) FROM n"));
    openForm();
    ASSERT_EQ(nameList().size(), 40000);
    EXPECT_EQ(nameList().last(), QStringLiteral("Name 40000"));
}

TEST_F(MailFormLifecycle, SavedTitlesAreRestoredOnBothTwinsByPosition) {
    QStringList titles;
    for (int i = 0; i < 18; ++i)
        titles << QStringLiteral("Group %1").arg(i);
    titles[4] = QStringLiteral("Family");
    titles[10] = QStringLiteral("Friends & Neighbours");
    saveTitles(titles);
    openForm();
    for (int i = 0; i < 18; ++i) {
        EXPECT_EQ(form->groupCaption(i), titles[i]);
        EXPECT_EQ(form->groupCaption(35 - i), titles[i]);
    }
    EXPECT_EQ(form->groupBox(31)->text(), QStringLiteral("Family"));
}

TEST_F(MailFormLifecycle, TitlesAreFoundByTheirKeysWhateverTheFileHoldsAroundThem) {
    SKIP_ON_SERVER();
    const struct {
        const char* file;
        std::vector<std::pair<QString, QString>> entries;
        std::map<int, QString> expected; // the rest keep "Personal"/"Business"
    } cases[] = {
        {"one entry",
         {{QStringLiteral("Label 3Caption"), QStringLiteral("Lonely")}},
         {{3, QStringLiteral("Lonely")}}},
        {"reversed, with a foreign key",
         {{QStringLiteral("Label 17Caption"), QStringLiteral("Last")},
          {QStringLiteral("Window Width"), QStringLiteral("900")},
          {QStringLiteral("Label 10Caption"), QStringLiteral("Ten")},
          {QStringLiteral("Label 1Caption"), QStringLiteral("One")},
          {QStringLiteral("Label 18Caption"), QStringLiteral("None")},
          {QStringLiteral("Label 01Caption"), QStringLiteral("None")}},
         {{17, QStringLiteral("Last")}, {10, QStringLiteral("Ten")}, {1, QStringLiteral("One")}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        QFile::remove(settings.filePath(kApp));
        for (const auto& [key, value] : c.entries)
            settings.saveSetting(kApp, kSection, key, value);
        openForm();
        for (int g = 0; g < 18; ++g) {
            const QString design = g < 9 ? QStringLiteral("Personal") : QStringLiteral("Business");
            const auto found = c.expected.find(g);
            const QString want = found == c.expected.end() ? design : found->second;
            EXPECT_EQ(form->groupCaption(g), want) << g;
            EXPECT_EQ(form->groupCaption(35 - g), want) << g;
        }
        closeForm();
        // Unknown keys stay in the file, and the titles come back the same.
        const auto entries = settings.readSection(kApp, kSection);
        EXPECT_EQ(std::count_if(entries.begin(), entries.end(),
                                [](const auto& e) { return e.first == "Window Width"; }),
                  c.entries.size() > 1 ? 1 : 0);
        openForm();
        for (const auto& [g, title] : c.expected)
            EXPECT_EQ(form->groupCaption(g), title);
        closeForm();
    }
}

TEST_F(MailFormLifecycle, TwoWindowsOnOneBookBothKeepTheirRenames) {
    openForm();
    std::unique_ptr<Database> otherDb = book.open();
    frmMailForm other(*otherDb, settings, dialogs);
    dialogs.promptAnswers = {QStringLiteral("Family")};
    form->chkGroups_MouseUp(1, Qt::RightButton);
    dialogs.promptAnswers = {QStringLiteral("Clients")};
    other.chkGroups_MouseUp(2, Qt::RightButton);
    closeForm();
    other.close();
    openForm();
    EXPECT_EQ(form->groupCaption(1), QStringLiteral("Family"));
    EXPECT_EQ(form->groupCaption(2), QStringLiteral("Clients"));
}

TEST_F(MailFormLifecycle, CloseSavesAllEighteenTitlesInOrderAndTheyComeBack) {
    openForm();
    form->setGroupCaption(4, QStringLiteral("Family"));
    form->setGroupCaption(31, QStringLiteral("Family"));
    closeForm();

    const auto entries = settings.readSection(kApp, kSection);
    ASSERT_EQ(entries.size(), 18u);
    for (int i = 0; i < 18; ++i)
        EXPECT_EQ(entries[i].first, QStringLiteral("Label %1Caption").arg(i));
    EXPECT_EQ(entries[5].first, QStringLiteral("Label 5Caption"));
    EXPECT_EQ(entries[4].second, QStringLiteral("Family"));
    EXPECT_EQ(entries[0].second, QStringLiteral("Personal"));
    EXPECT_EQ(entries[17].second, QStringLiteral("Business"));

    openForm();
    EXPECT_EQ(form->groupCaption(4), QStringLiteral("Family"));
    EXPECT_EQ(form->groupCaption(31), QStringLiteral("Family"));
}

TEST_F(MailFormLifecycle, ExitButtonAndCloseCommandBothPurgeUnnamedRecordsAndSave) {
    SKIP_ON_SERVER();
    for (bool byButton : {true, false}) {
        SCOPED_TRACE(byButton ? "E&xit" : "close command");
        book.addPeople({{QStringLiteral("Kept, Named")}, {QStringLiteral("")}, {std::nullopt}});
        QFile::remove(settings.filePath(kApp));
        openForm();
        EXPECT_EQ(book.value(QStringLiteral(
                                 "SELECT count(*) FROM Addresses WHERE Name IS NULL OR Name = ''"))
                      .toInt(),
                  2)
            << "unnamed records stay while the window is open";
        if (byButton)
            QTest::mouseClick(form->cmdExit, Qt::LeftButton);
        else
            form->close();
        EXPECT_FALSE(form->isVisible());
        form.reset();
        EXPECT_EQ(book.column(QStringLiteral("SELECT DISTINCT Name FROM Addresses")),
                  QVariantList{QStringLiteral("Kept, Named")});
        EXPECT_EQ(settings.readSection(kApp, kSection).size(), 18u);
    }
}

TEST_F(MailFormLifecycle, EditsLeftInTheBoxesAreSavedOrDiscardedOnCloseAsTheUserSays) {
    book.addPeople({{QStringLiteral("Smith, John"), QStringLiteral("old street")}});
    const auto edit = [this] {
        openForm();
        form->names().txtAddress[1]->selectAll();
        QTest::keyClicks(form->names().txtAddress[1], QStringLiteral("new street"));
        QTest::mouseClick(form->groupBox(3), Qt::LeftButton);
        form->mailings().txtVerticalAdjustment->selectAll();
        QTest::keyClicks(form->mailings().txtVerticalAdjustment, QStringLiteral("180"));
    };
    // Cancel keeps the window and what was typed.
    edit();
    dialogs.answers = {Dialogs::Answer::Cancel};
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->names().txtAddress[1]->text(), QStringLiteral("new street"));
    EXPECT_EQ(dialogs.shown.back().text, QStringLiteral("Save the changes to Smith, John?"));
    for (const auto answer : {Dialogs::Answer::Discard, Dialogs::Answer::Save}) {
        const bool saved = answer == Dialogs::Answer::Save;
        dialogs.answers = {answer};
        closeForm();
        EXPECT_EQ(book.value(QStringLiteral("SELECT Address FROM Addresses")).toString(),
                  saved ? QStringLiteral("new street") : QStringLiteral("old street"));
        EXPECT_EQ(book.value(QStringLiteral("SELECT [3] FROM Addresses")).toInt(), saved ? -1 : 0);
        // The adjustment is a setting, not a record: kept without a question.
        EXPECT_EQ(book.value(QStringLiteral("SELECT VerticalAdjustment FROM Ini")).toInt(), 180);
        if (!saved)
            edit();
    }
}

TEST_F(MailFormLifecycle, ClearingANameBeforeClosingPurgesThatRecord) {
    book.addPeople({{QStringLiteral("Smith, John")}, {QStringLiteral("Jones, Ann")}});
    openForm();
    form->names().txtAddress[0]->selectAll();
    QTest::keyClick(form->names().txtAddress[0], Qt::Key_Delete);
    dialogs.answers = {Dialogs::Answer::Save};
    closeForm();
    EXPECT_EQ(book.column(QStringLiteral("SELECT Name FROM Addresses")),
              QVariantList{QStringLiteral("Jones, Ann")});
}

TEST_F(MailFormLifecycle, TypingIntoTheEditorOfAnEmptyBookKeepsWhatWasTyped) {
    openForm();
    QTest::keyClicks(form->names().txtAddress[0], QStringLiteral("Adams, Zoe"));
    EXPECT_EQ(form->names().txtAddress[0]->text(), QStringLiteral("Adams, Zoe"));
    QTest::keyClicks(form->names().txtAddress[1], QStringLiteral("3 Pine Road"));
    dialogs.answers = {Dialogs::Answer::Save};
    closeForm();
    EXPECT_EQ(
        book.value(QStringLiteral("SELECT Name || ' / ' || Address FROM Addresses")).toString(),
        QStringLiteral("Adams, Zoe / 3 Pine Road"));
}

TEST_F(MailFormLifecycle, TypingIntoTheNotesOfAnEmptyBookKeepsTheOrderOfTheLetters) {
    openForm();
    QTest::keyClicks(form->names().txtNotes, QStringLiteral("abc"));
    EXPECT_EQ(form->names().txtNotes->toPlainText(), QStringLiteral("abc"));
}

TEST_F(MailFormLifecycle, LongerStoredTextIsShownWholeAndSurvivesAnEdit) {
    book.addPeople({{QStringLiteral("Smith, John")}});
    const QString phone = QStringLiteral("+44 20 7946 0958 ext 123");
    book.exec(QStringLiteral("UPDATE Addresses SET Phone = ?, Notes = ?"),
              {phone, QString(300, 'n')});
    openForm();
    EXPECT_EQ(form->names().txtAddress[5]->text(), phone);
    QTest::keyClick(form->names().txtAddress[5], Qt::Key_End);
    QTest::keyClick(form->names().txtAddress[5], Qt::Key_Backspace);
    QTest::keyClicks(form->names().txtAddress[5], QStringLiteral("4"));
    form->names().txtNotes->moveCursor(QTextCursor::End);
    QTest::keyClick(form->names().txtNotes, Qt::Key_Backspace);
    dialogs.answers = {Dialogs::Answer::Save};
    closeForm();
    EXPECT_EQ(book.value(QStringLiteral("SELECT Phone FROM Addresses")).toString(),
              QStringLiteral("+44 20 7946 0958 ext 124"));
    EXPECT_EQ(book.value(QStringLiteral("SELECT length(Notes) FROM Addresses")).toInt(), 299);
}

TEST_F(MailFormLifecycle, CloseThatCantSaveTheEditsAsksAndKeepsTheWindowForARetry) {
    SKIP_ON_SERVER();
    book.addPeople({{QStringLiteral("Smith, John"), QStringLiteral("old street")}});
    openForm();
    form->names().txtAddress[1]->selectAll();
    QTest::keyClicks(form->names().txtAddress[1], QStringLiteral("new street"));
    book.lock();
    dialogs.answers = {Dialogs::Answer::Save, Dialogs::Answer::Yes};
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_TRUE(dialogs.shown[1].text.contains(QStringLiteral("another program is using")));
    book.unlock();
    dialogs.answers = {Dialogs::Answer::Save};
    closeForm();
    EXPECT_EQ(book.value(QStringLiteral("SELECT Address FROM Addresses")).toString(),
              QStringLiteral("new street"));
}

TEST_F(MailFormLifecycle, GarbledSettingsGiveDesignCaptionsAndAGoodFileOnClose) {
    QDir().mkpath(QFileInfo(settings.filePath(kApp)).absolutePath());
    QFile file(settings.filePath(kApp));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x89PNG\r\n\x1a\n garbage");
    file.close();
    openForm();
    EXPECT_EQ(form->groupCaption(0), QStringLiteral("Personal"));
    closeForm();
    EXPECT_EQ(settings.readSection(kApp, kSection).size(), 18u);
}

TEST_F(MailFormLifecycle, WindowIsCentredOnTheScreen) {
    openForm();
    const QRect screen = form->screen()->geometry();
    const QRect frame = form->frameGeometry();
    EXPECT_NEAR(frame.center().x(), screen.center().x(), 2);
    EXPECT_NEAR(frame.center().y(), screen.center().y(), 2);
}

} // namespace
} // namespace ravelbook
