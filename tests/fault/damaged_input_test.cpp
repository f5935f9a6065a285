// Damaged files given to the program: books that are no address book, started
// as users start it, and garbled settings under the window.
#include "settings/group_titles.h"
#include "support/bad_books.h"
#include "support/form_fixture.h"
#include "support/program.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace ravelbook {
namespace {

using testing::Program;
using testing::TempBook;

TEST_F(Program, BookThatCantBeOpenedEndsTheProgramNamingItAndIsLeftAlone) {
    for (const testing::BadBook& c : testing::badBooks()) {
        SCOPED_TRACE(c.what);
        TempBook book;
        c.make(book);
        const QByteArray before = book.bytes();
        const Outcome outcome = run({QStringLiteral("--database"), book.path()});
        EXPECT_EQ(outcome.exitCode, 1);
        EXPECT_TRUE(outcome.standardError.contains(book.path()))
            << outcome.standardError.toStdString();
        EXPECT_TRUE(outcome.standardError.contains(QLatin1String(c.reason)))
            << outcome.standardError.toStdString();
        EXPECT_EQ(book.bytes(), before);
        EXPECT_FALSE(QFileInfo::exists(book.path() + QStringLiteral("-journal")));
    }
}

TEST_F(Program, ImportOfAbsurdVCardsAndDevicesEnds) {
    QByteArray many = "BEGIN:VCARD\nN:A;B\n";
    for (int i = 0; i < 250000; ++i)
        many += "X-P" + QByteArray::number(i) + ":v\n";
    QByteArray folded = "BEGIN:VCARD\nN:C;D\nNOTE" + QByteArray("\n xxxxxxxx=").repeated(2500000);
    const std::pair<const char*, QByteArray> cards[] = {{"many.vcf", many + "END:VCARD\n"},
                                                        {"folded.vcf", folded + "\nEND:VCARD\n"}};
    TempBook book;
    for (const auto& [name, bytes] : cards) {
        const QString path = home.filePath(name);
        testing::writeBytes(path, bytes);
        // Read in a moment, where reading card by card again for every line took minutes.
        const Outcome outcome = run({"import", "--dry-run", "--database", book.path(), path});
        EXPECT_EQ(outcome.exitCode, 0) << name << outcome.standardError.toStdString();
    }
    // A device has no size to refuse it by; it is read only as far as the limit.
    const Outcome zeros =
        run({"import", "--dry-run", "--format", "csv", "--database", book.path(), "/dev/zero"});
    EXPECT_EQ(zeros.exitCode, 1);
    EXPECT_TRUE(zeros.standardError.contains("not a text file"))
        << zeros.standardError.toStdString();
}

class DamagedBook : public testing::FormFixture {};

TEST_F(DamagedBook, WindowSaysSoOnceNamingTheFileAndWritesNothingMore) {
    book.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                             "WHERE i < 300) INSERT INTO Addresses (Name, Notes) "
                             "SELECT 'Name ' || i, zeroblob(300) FROM n"));
    book.addPerson({QStringLiteral("")}); // unnamed: the purge on close would delete it
    {
        QFile file(book.path());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.seek(4096 * 8);
        file.write(QByteArray(4096, '\xff'));
    }
    const QByteArray before = book.bytes();
    openForm();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.contains(book.path()));
    EXPECT_TRUE(dialogs.shown[0].text.contains("damaged"));

    // Whatever the window still shows can't be written back.
    QTest::mouseClick(form->names().cmdNewAddress, Qt::LeftButton);
    QTest::keyClicks(form->names().txtAddress[0], QStringLiteral("New, Person"));
    QTest::mouseClick(form->names().cmdEnter, Qt::LeftButton);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_TRUE(dialogs.shown[1].text.startsWith("Nothing was written"));
    dialogs.answers = {Dialogs::Answer::No}; // don't keep the window open for another try
    closeForm();
    EXPECT_EQ(book.bytes(), before);
}

class GarbledSettings : public testing::FormFixture {};

TEST_F(GarbledSettings, WindowShowsTheDesignTitlesAndCloseWritesAGoodFile) {
    const QString file = settings.filePath(group_titles::kApplication);
    openForm();
    QStringList design;
    for (int i = 0; i < kGroupBoxes; ++i)
        design << form->groupCaption(i);
    closeForm();

    const QByteArray cases[] = {
        QByteArray("\x7f"
                   "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x03\0>\0",
                   20)
            .repeated(200),
        // Cut off in the middle of the third title.
        "[Startup]\nLabel 0Caption=Family\nLabel 1Caption=Friends\nLabel 2Capt",
        "[Startup]\n" + QByteArray(8 << 20, 'x'),
        "[Startup]\r\nLabel 0Caption=F\xe9tes\r\nLabel 1Caption=\xc9t\xe9\r\n", // Latin-1
        QByteArray("\xff\xfe[\0S\0t\0a\0r\0t\0u\0p\0]\0\n\0", 22),              // UTF-16
    };
    for (const QByteArray& bytes : cases) {
        SCOPED_TRACE(bytes.left(40).toStdString());
        testing::writeBytes(file, bytes);
        openForm();
        for (int i = 0; i < kGroupBoxes; ++i)
            EXPECT_EQ(form->groupCaption(i), design[i]) << i;
        closeForm();
        const auto entries =
            settings.readSection(group_titles::kApplication, group_titles::kSection);
        ASSERT_EQ(entries.size(), 18u);
        for (int i = 0; i < 18; ++i)
            EXPECT_EQ(entries[i], std::make_pair(group_titles::key(i), design[i]));
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

} // namespace
} // namespace ravelbook
