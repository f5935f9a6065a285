// The ravelbook program itself, started as users and scripts start it.
#include "support/program.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace ravelbook {
namespace {

using testing::Program;

TEST_F(Program, FileThatIsNoAddressBookEndsTheProgramWithItsNameAndReason) {
    const QString path = home.filePath(QStringLiteral("notes.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("shopping: eggs, milk\n");
    file.close();

    const Outcome outcome = run({QStringLiteral("--database"), path});
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_TRUE(outcome.standardError.contains(path)) << outcome.standardError.toStdString();
    EXPECT_TRUE(outcome.standardError.contains(QStringLiteral("not a Ravelbook address book")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("shopping: eggs, milk\n"));
}

TEST_F(Program, UsageErrorsAndHelp) {
    struct Case {
        QStringList arguments;
        QString said; // the first of two lines; the second says where the usage is
    };
    const Case cases[] = {
        {{"--frobnicate"},
         "ravelbook: unknown argument \"--frobnicate\"\nSee \"ravelbook --help\"."},
        {{"prnt"},
         "ravelbook: \"prnt\" is no command and no file; did you mean \"ravelbook print\"?"},
        {{"exprot", "--output", "x"}, "did you mean \"ravelbook export\"?"},
        {{"print", "--frobnicate"}, "\nSee \"ravelbook print --help\".\n"},
        {{"import"}, "ravelbook import: the file to import is missing\n"},
        {{"copy", "--to"}, "\nSee \"ravelbook copy --help\".\n"},
        {{"stationery", "show", "avery-516"},
         "ravelbook stationery: unknown stationery \"avery-516\"; did you mean avery-5160, "
         "avery-5161, avery-5162?"},
    };
    Outcome outcome;
    for (const Case& c : cases) {
        outcome = run(c.arguments);
        EXPECT_EQ(outcome.exitCode, 2) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(outcome.standardError.contains(c.said)) << outcome.standardError.toStdString();
        EXPECT_EQ(outcome.standardError.count('\n'), 2) << outcome.standardError.toStdString();
    }

    QProcessEnvironment noDisplay = environment;
    noDisplay.remove(QStringLiteral("QT_QPA_PLATFORM"));
    noDisplay.remove(QStringLiteral("DISPLAY"));
    noDisplay.remove(QStringLiteral("WAYLAND_DISPLAY"));
    outcome = run({QStringLiteral("--help")}, noDisplay);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_TRUE(outcome.standardOutput.contains(QStringLiteral("--database BOOK")));
    EXPECT_TRUE(outcome.standardOutput.contains(QStringLiteral("ravelbook copy --help")));
    outcome = run({QStringLiteral("--version")}, noDisplay);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.standardOutput, QStringLiteral("ravelbook " RAVELBOOK_VERSION "\n"));
    outcome = run({}, noDisplay);
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_TRUE(outcome.standardError.contains(QStringLiteral("no display")));
    // Every command answers --help with its options, and --version alike.
    for (const char* command : {"print", "import", "export", "copy", "stationery"}) {
        outcome = run({command, "--help"}, noDisplay);
        EXPECT_EQ(outcome.exitCode, 0) << command;
        EXPECT_TRUE(
            outcome.standardOutput.startsWith(QStringLiteral("Usage: ravelbook ") + command))
            << outcome.standardOutput.toStdString();
        outcome = run({command, "--version"}, noDisplay);
        EXPECT_EQ(outcome.standardOutput, QStringLiteral("ravelbook " RAVELBOOK_VERSION "\n"));
    }
}

// A French user reads the commands' messages and summaries in French; the exit
// statuses that scripts test stay the same.
TEST_F(Program, CommandsSpeakTheUsersLanguageWithTheSameExitStatuses) {
    QProcessEnvironment french = environment;
    for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        french.remove(QString::fromLatin1(variable));
    french.insert(QStringLiteral("LANG"), QStringLiteral("fr_FR.UTF-8"));
    const QString csv = home.filePath(QStringLiteral("one.csv"));
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Name,Address\n\"Smith, John\",1 Main St\n");
    file.close();
    const QString book = home.filePath(QStringLiteral("book.db"));

    Outcome outcome = run({"import", "--database", book, csv}, french);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_TRUE(outcome.standardOutput.contains(QStringLiteral("1 fiche importée.")))
        << outcome.standardOutput.toStdString();
    outcome = run({"stationery", "show", "avery-516"}, french);
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_TRUE(outcome.standardError.contains(
        QStringLiteral("ravelbook stationery : support inconnu « avery-516 »")))
        << outcome.standardError.toStdString();
    outcome = run({"import", "--help"}, french);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_FALSE(outcome.standardOutput.contains(QStringLiteral("Usage:")));
}

// Import, export and copy start on Qt Core alone; a print into a PDF adds Qt Gui,
// and only the window and a print on a printer load Qt Widgets and print support.
TEST_F(Program, CommandsLoadOnlyTheQtLibrariesTheyNeed) {
    const QString book = home.filePath(QStringLiteral("book.db"));
    const QString csv = home.filePath(QStringLiteral("in.csv"));
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Name,Address\n\"Smith, Jo\",1 Main\n");
    file.close();
    struct Case {
        QStringList arguments;
        int exitCode;
        QStringList loaded; // of Qt's Gui, Widgets and PrintSupport
    };
    const QStringList all = {"Gui", "Widgets", "PrintSupport"};
    const QStringList sheet = {"print", "--calibration-sheet", "--stationery", "cards"};
    const Case cases[] = {
        {{"import", "--database", book, csv}, 0, {}},
        {{"export", "--database", book, "--format", "vcard", "--output", home.filePath("out.vcf")},
         0,
         {}},
        {{"copy", "--from", book, "--to", home.filePath("copy.db")}, 0, {}},
        {{"stationery", "list"}, 0, {}},
        {{"sync", "--database", book}, 1, {}}, // not linked; Qt Network only
        {sheet + QStringList{"--pdf", home.filePath("sheet.pdf")}, 0, {"Gui"}},
        {sheet + QStringList{"--printer", "No Such Printer"}, 1, all},
        {{"--database", csv}, 1, all}, // the window, on a file that is no book
    };
    QProcessEnvironment tracing = environment;
    tracing.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("libs"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Outcome outcome = run(c.arguments, tracing);
        EXPECT_EQ(outcome.exitCode, c.exitCode);
        for (const QString& library : all) {
            EXPECT_EQ(outcome.standardError.contains("libQt6" + library + ".so"),
                      c.loaded.contains(library))
                << library.toStdString();
        }
        // PostgreSQL's client library is for server books only.
        EXPECT_FALSE(outcome.standardError.contains("libpq.so"));
    }
}

TEST_F(Program, StationeryListsAndShowsTheCatalogue) {
    struct Case {
        QStringList arguments;
        QString said;
    };
    const Case cases[] = {
        {{"stationery", "list"},
         "small-labels  Small labels  Avery 8161 address labels, 1 x 4 in, "
         "20 a sheet  US-Letter  20 a sheet  101.6 x 25.4 mm (4 x 1 in)\n"},
        {{"stationery", "list", "--search", "l7160"},
         "avery-l7160  Avery L7160  Mailing labels  A4  21 a sheet  64 x 38.1 mm (2.519 x 1.5 "
         "in)\n"},
        {{"stationery", "show", "Envelope-DL"},
         "Paper: dl, 110 x 220 mm (4.331 x 8.661 in)\nShape: rectangle, 110 x 220 mm"},
        {{"stationery", "show", "avery-5160"},
         "Grid: 3 x 10 from 4 x 12.7 mm (0.156 x 0.5 in), every 70.6 x 25.4 mm (2.781 x 1 in)\n"
         "Labels: 30 a sheet\n"},
    };
    for (const Case& c : cases) {
        const Outcome outcome = run(c.arguments);
        EXPECT_EQ(outcome.exitCode, 0) << outcome.standardError.toStdString();
        EXPECT_TRUE(outcome.standardOutput.contains(c.said))
            << outcome.standardOutput.toStdString();
    }
    const Outcome searched = run({"stationery", "list", "--search", "l7160"});
    EXPECT_EQ(searched.standardOutput.count('\n'), 1);
}

TEST_F(Program, NamedBookThatIsMissingIsNotCreatedWithoutAYes) {
    // Nobody can answer on the offscreen platform: the question is written and taken as No.
    const QString path = home.filePath(QStringLiteral("typo.db"));
    const Outcome outcome = run({QStringLiteral("--database"), path});
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_TRUE(outcome.standardError.contains(
        QStringLiteral("There is no address book at %1. Create a new one?").arg(path)))
        << outcome.standardError.toStdString();
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(Program, StartsOnItsDefaultBookAndCreatesIt) {
    const QString book = home.filePath(QStringLiteral("data/Ravelbook/Ravelbook.db"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(RAVELBOOK_PROGRAM), {});
    ASSERT_TRUE(process.waitForStarted());
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo(book).size() > 0; }, 20000));
    // Still running: the window is up and waits for the user.
    EXPECT_EQ(process.state(), QProcess::Running);
    process.kill();
    process.waitForFinished();
    EXPECT_EQ(QFileInfo(book).permissions() & (QFile::ReadGroup | QFile::ReadOther), 0);
}

} // namespace
} // namespace ravelbook
