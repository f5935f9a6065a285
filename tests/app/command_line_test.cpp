#include "app/command_line.h"
#include "app/copy_command.h"
#include "app/exchange_command.h"
#include "app/online_command.h"
#include "app/paths.h"
#include "app/startup.h"
#include "app/stationery_command.h"
#include "store/database.h"
#include "support/scripted_dialogs.h"
#include "support/temp_book.h"

#include <gtest/gtest.h>
#include <optional>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace ravelbook {
namespace {

using testing::ScriptedDialogs;
using testing::TempBook;

// Sets an environment variable for one scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnv() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

TEST(CommandLine, DatabaseOptionAndItsErrors) {
    QString error;
    auto line =
        parseCommandLine({QStringLiteral("--database"), QStringLiteral("/tmp/a.db")}, error);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->database, QStringLiteral("/tmp/a.db"));
    EXPECT_TRUE(line->databaseGiven);
    line = parseCommandLine({QStringLiteral("--database=/tmp/b.db")}, error);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->database, QStringLiteral("/tmp/b.db"));
    // As the desktop's file manager passes a book it opens.
    line = parseCommandLine({QStringLiteral("/tmp/c.db")}, error);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->database, QStringLiteral("/tmp/c.db"));
    EXPECT_TRUE(line->databaseGiven);
    EXPECT_FALSE(parseCommandLine({}, error)->databaseGiven);
    EXPECT_TRUE(parseCommandLine({QStringLiteral("--help")}, error)->asked.help);

    for (const QStringList& bad :
         {QStringList{QStringLiteral("--database")}, QStringList{QStringLiteral("--database=")},
          QStringList{QStringLiteral("--frobnicate")},
          QStringList{QStringLiteral("a.db"), QStringLiteral("b.db")},
          QStringList{QStringLiteral("prnt")}}) {
        error.clear();
        EXPECT_FALSE(parseCommandLine(bad, error)) << bad.join(' ').toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
}

// Qt's parser finds the fault; the program names it in its own words.
TEST(CommandLine, UsageErrorsOfEveryCommandSayWhatIsWrong) {
    using Parse = bool (*)(const QStringList&, QString&);
    const Parse window = [](const QStringList& a, QString& e) {
        return bool(parseCommandLine(a, e));
    };
    const Parse copy = [](const QStringList& a, QString& e) {
        return bool(parseCopyCommand(a, e));
    };
    const Parse import = [](const QStringList& a, QString& e) {
        return bool(parseImportCommand(a, e));
    };
    const Parse exporting = [](const QStringList& a, QString& e) {
        return bool(parseExportCommand(a, e));
    };
    const Parse stationery = [](const QStringList& a, QString& e) {
        return bool(parseStationeryCommand(a, e));
    };
    const Parse link = [](const QStringList& a, QString& e) {
        return bool(parseLinkCommand(a, e));
    };
    const Parse unlink = [](const QStringList& a, QString& e) {
        return bool(parseUnlinkCommand(a, e));
    };
    const Parse sync = [](const QStringList& a, QString& e) {
        return bool(parseSyncCommand(a, e));
    };
    const struct {
        Parse parse;
        QStringList arguments;
        const char* error;
    } cases[] = {
        {window, {"--frobnicate=1", "a.db"}, "unknown argument \"--frobnicate=1\""},
        {window, {"-x"}, "unknown argument \"-x\""},
        {window, {"-help"}, "unknown argument \"-help\""},
        {import, {"a.csv", "--database"}, "--database needs a value"},
        {copy, {"--from", "a.db", "--to"}, "--to needs a book"},
        {copy, {"--from=a.db", "--to=b.db", "c.db"}, "unknown argument \"c.db\""},
        {import, {"--dry-run=yes", "a.csv"}, "--dry-run takes no value"},
        {import, {"a.csv", "b.csv"}, "only one file can be imported at a time"},
        {exporting, {"--format=", "csv"}, "--format needs a value"},
        {stationery, {}, "say \"list\" or \"show ID\""},
        {stationery, {"show"}, "the stationery to show is missing"},
        {stationery, {"list", "x"}, "unknown argument \"x\""},
        {stationery, {"lst"}, "unknown argument \"lst\""},
        {link, {"--database", "a.db"}, "the address book's URL is needed"},
        {link, {"--user=", "http://h/"}, "--user needs a user name"},
        {unlink, {"http://h/"}, "unknown argument \"http://h/\""},
        {sync, {"--keep", "mine", "--record", "Ada"}, "--keep takes book or server"},
        {sync, {"--keep", "book"}, "--keep and --record go together"},
    };
    for (const auto& c : cases) {
        QString error;
        EXPECT_FALSE(c.parse(c.arguments, error)) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(error, QLatin1String(c.error));
    }
    // Help and the version are answered whatever else the line holds.
    QString error;
    const auto help = parseImportCommand({"--frobnicate", "-h"}, error);
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->asked.help);
    EXPECT_TRUE(parseCopyCommand({"--version"}, error)->asked.version);
    EXPECT_TRUE(parseCommandLine({"--database", "--help"}, error)->asked.help);
    // A file whose name begins with one dash is a file, as it always was.
    const auto dashed = parseImportCommand({"--database", "b.db", "-data.csv"}, error);
    ASSERT_TRUE(dashed) << error.toStdString();
    EXPECT_EQ(dashed->file, QStringLiteral("-data.csv"));
}

TEST(CommandLine, DefaultBookFollowsXdgDataHome) {
    {
        ScopedEnv data("XDG_DATA_HOME", "/srv/data");
        ScopedEnv config("XDG_CONFIG_HOME", "/srv/config");
        QString error;
        EXPECT_EQ(parseCommandLine({}, error)->database,
                  QStringLiteral("/srv/data/Ravelbook/Ravelbook.db"));
        EXPECT_EQ(settingsRoot(), QStringLiteral("/srv/config"));
    }
    {
        ScopedEnv data("XDG_DATA_HOME", QByteArray());
        ScopedEnv config("XDG_CONFIG_HOME", "relative/is/ignored");
        EXPECT_EQ(defaultDatabasePath(),
                  QDir::home().filePath(QStringLiteral(".local/share/Ravelbook/Ravelbook.db")));
        EXPECT_EQ(settingsRoot(), QDir::home().filePath(QStringLiteral(".config")));
    }
}

TEST(Startup, BookThatCantBeOpenedIsReportedInABoxAndOnStderr) {
    TempBook book;
    QFile file(book.path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("name,address\nSmith,12 Elm\n");
    file.close();

    ScriptedDialogs dialogs;
    QString errors;
    QTextStream stream(&errors);
    EXPECT_EQ(openAddressBook(book.path(), dialogs, stream), nullptr);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.contains(book.path()));
    EXPECT_TRUE(errors.contains(book.path()));
    EXPECT_TRUE(errors.startsWith(QStringLiteral("ravelbook: ")));
    EXPECT_EQ(book.bytes(), QByteArray("name,address\nSmith,12 Elm\n"));
}

TEST(Startup, MissingBookIsCreatedSilentlyOrWhenTheUserSaysSo) {
    struct Case {
        bool ask;
        std::optional<Dialogs::Answer> answer;
        bool created;
    };
    const Case cases[] = {
        {false, std::nullopt, true}, // the default book on a first start
        {true, Dialogs::Answer::No, false},
        {true, Dialogs::Answer::Yes, true},
    };
    for (const Case& c : cases) {
        TempBook book;
        ScriptedDialogs dialogs;
        if (c.answer)
            dialogs.answers = {*c.answer};
        QString errors;
        QTextStream stream(&errors);
        EXPECT_EQ(openAddressBook(book.path(), dialogs, stream, c.ask) != nullptr, c.created);
        EXPECT_EQ(QFile::exists(book.path()), c.created);
        EXPECT_TRUE(QDir(book.folder())
                        .entryList(QDir::Hidden | QDir::Files)
                        .filter(".ravelbook")
                        .isEmpty())
            << "the temporary file it was made in is gone";
        ASSERT_EQ(dialogs.shown.size(), c.ask ? 1u : 0u);
        if (c.ask) {
            EXPECT_EQ(dialogs.shown[0].text,
                      QStringLiteral("There is no address book at %1. Create a new one?")
                          .arg(book.path()));
        }
    }
}

TEST(Startup, EmptyFileBecomesANewBookOnlyWhenTheUserSaysSo) {
    for (const auto answer : {Dialogs::Answer::No, Dialogs::Answer::Yes}) {
        TempBook book;
        QFile(book.path()).open(QIODevice::WriteOnly);
        ScriptedDialogs dialogs;
        dialogs.answers = {answer};
        QString errors;
        QTextStream stream(&errors);
        const std::unique_ptr<Database> db = openAddressBook(book.path(), dialogs, stream);
        EXPECT_TRUE(dialogs.shown.at(0).text.contains("is empty"));
        EXPECT_EQ(db != nullptr, answer == Dialogs::Answer::Yes);
        EXPECT_EQ(QFileInfo(book.path()).size() > 0, answer == Dialogs::Answer::Yes);
    }
}

} // namespace
} // namespace ravelbook
