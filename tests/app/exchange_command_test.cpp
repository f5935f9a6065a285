// "ravelbook import" and "ravelbook export": exit status and summary of each
// outcome, the dry run and the export to standard output.
#include "settings/ini_settings_store.h"
#include "settings/trusted_certificates.h"
#include "support/program.h"
#include "support/radicale.h"
#include "support/temp_book.h"

#include <array>
#include <csignal>
#include <cstring>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace ravelbook {
namespace {

using testing::TempBook;

class ExchangeCommand : public testing::Program {
protected:
    ExchangeCommand() { book.create(); }

    QString write(const QString& name, const QByteArray& bytes) const {
        const QString path = home.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    TempBook book;
};

TEST_F(ExchangeCommand, ImportSaysWhatItDidAndExitsByTheOutcome) {
    const QString csv = write("in.csv", "Name,Address\n\"Smith, Jo\",1 Main\n\"Lee, Al\",2 Elm\n");
    const QString binary = write("in.vcf", QByteArray("BEGIN:VCARD\0\1\2", 14));
    const QString unclosed = write("open.csv", "Name\nA\n\"B\nC\nD\n");
    const QString nameless = write("nameless.csv", "Name,Address\n,1 Main\n,2 Elm\n");
    const QString memo = write("memo.csv", "Memo,Address\n\"Kim, Al\",3 Oak\n");
    // A mapping chosen in the window (Address to Notes) is not the command line's.
    QDir(home.path()).mkpath("config/Ravelbook");
    write("config/Ravelbook/Ravelbook.ini", "[Import CSV]\nAddress=field 6\n");
    struct Case {
        const char* what;
        QStringList arguments;
        int exitCode;
        const char* said; // on standard output for 0, standard error otherwise
        int records;      // in the book afterwards
    };
    const Case cases[] = {
        {"dry run", {"--dry-run", csv}, 0, "Dry run: nothing was written.", 0},
        {"import", {csv}, 0, "Imported 2 records.", 2},
        {"again: all duplicates", {csv}, 1, "2 are already in the book", 2},
        {"dry run: all duplicates", {"--dry-run", csv}, 1, "already in the book", 2},
        {"unclosed quote", {unclosed}, 1, "rows 3 to 5 are inside an unclosed quote", 2},
        {"no names", {nameless}, 1, "2 have no name", 2},
        {"--map", {"--map", "memo=Name", memo}, 0, "Imported 1 record.", 3},
        {"--map of no column", {"--map", "Nope=notes", csv}, 1, "no column \"Nope\"", 3},
        {"--map to no field", {"--map", "Memo=Nowhere", memo}, 2, "HEADING=FIELD", 3},
        {"binary file", {binary}, 1, "it is not a text file", 3},
        {"missing file", {home.filePath("none.csv")}, 1, "can't be imported", 3},
        {"unknown format", {"--format", "xls", csv}, 2, "unknown format \"xls\"", 3},
        {"no file", {"--dry-run"}, 2, "the file to import is missing", 3},
    };
    for (const Case& c : cases) {
        const QByteArray before = book.bytes();
        const Outcome outcome = run(QStringList{"import", "--database", book.path()} + c.arguments);
        EXPECT_EQ(outcome.exitCode, c.exitCode) << c.what;
        const QString& said = c.exitCode == 0 ? outcome.standardOutput : outcome.standardError;
        EXPECT_TRUE(said.contains(c.said)) << c.what << ": " << said.toStdString();
        EXPECT_EQ(book.value("SELECT COUNT(*) FROM Addresses").toInt(), c.records) << c.what;
        if (c.records == 0 || c.exitCode != 0) {
            EXPECT_EQ(book.bytes(), before) << c.what;
        }
    }
    EXPECT_EQ(book.column("SELECT Address FROM Addresses ORDER BY Name"),
              QVariantList({"3 Oak", "2 Elm", "1 Main"}));
    // A file that gives nothing makes no new book either.
    if (!testing::onServer()) {
        const QString fresh = home.filePath("fresh.db");
        EXPECT_EQ(run({"import", "--database", fresh, unclosed}).exitCode, 1);
        EXPECT_FALSE(QFileInfo::exists(fresh));
    }
}

TEST_F(ExchangeCommand, ExportWritesTheChosenGroups) {
    book.addPeople(
        {{"Smith, Jo", "1 Main", "", "", "", {0}}, {"Lee, Al", "2 Elm", "", "", "", {9}}});
    const Outcome csv = run({"export", "--database", book.path(), "--format", "csv"});
    ASSERT_EQ(csv.exitCode, 0) << csv.standardError.toStdString();
    EXPECT_TRUE(csv.standardOutput.startsWith("Name,Address,City State Zip,Country,Contact,Phone,"
                                              "Notes,Personal,"));
    EXPECT_EQ(csv.standardOutput.count("\n"), 3);

    const QString out = home.filePath("business.vcf");
    const Outcome vcf = run({"export", "--database", book.path(), "--format", "vcard", "--group",
                             "Business", "--output", out});
    ASSERT_EQ(vcf.exitCode, 0) << vcf.standardError.toStdString();
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray cards = file.readAll();
    EXPECT_EQ(cards.count("BEGIN:VCARD"), 1);
    EXPECT_TRUE(cards.contains("N:Lee;Al;;;\r\n"));
    EXPECT_TRUE(cards.contains("CATEGORIES:Business\r\n"));

    EXPECT_EQ(
        run({"export", "--database", book.path(), "--format", "csv", "--group", "Golf"}).exitCode,
        1);
    EXPECT_EQ(run({"export", "--database", book.path()}).exitCode, 2);
}

TEST_F(ExchangeCommand, ExportRefusesWhatItWouldDestroyAndLeavesNoHalfFile) {
    SKIP_ON_SERVER();
    book.addPerson({"Smith, Jo", "1 Main", "", "", "", {0}});
    const QByteArray before = book.bytes();
    const QString link = home.filePath("book-link.csv");
    QFile::link(book.path(), link);
    TempBook other;
    other.create();
    const QString fifo = home.filePath("unread.fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString kept = write("kept.csv", "the good old file");
    QFile::setPermissions(kept, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    // A scratch file a killed run left is removed; one another run holds is
    // not, nor a file of the user's that looks alike.
    QFile::setPermissions(write(".ravelbook-scratch-aB3dE9", "left by a killed run"),
                          QFile::ReadOwner | QFile::WriteOwner);
    write(".ravelbook-scratch-backup", "the user's own");
    QFile held(write(".ravelbook-scratch-Zy12xW", "being written"));
    held.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_TRUE(held.open(QIODevice::ReadOnly));
    ASSERT_EQ(::flock(held.handle(), LOCK_EX), 0);
    // What SQLite keeps beside a book: a hot journal, a write-ahead log (of
    // either byte order) and its index (two copies of its header, each
    // starting with the version in the writer's byte order).
    QByteArray index(32768, '\0');
    const quint32 version = 3007000;
    std::memcpy(index.data(), &version, 4);
    std::memcpy(index.data() + 48, &version, 4);
    const QString journal =
        write("a.db-journal", QByteArray::fromHex("d9d505f920a163d7") + QByteArray(504, '\0'));
    const QString wal = write("a.db-wal", QByteArray::fromHex("377f0682") + QByteArray(28, '\0'));
    const QString walBig =
        write("b.db-wal", QByteArray::fromHex("377f0683") + QByteArray(28, '\0'));
    const QString walIndex = write("a.db-shm", index);
    struct Case {
        QString output;
        int exitCode;
        const char* said;
    };
    const Case cases[] = {
        {book.path(), 1, "it is the open address book"},
        {journal, 1, "it is a database file"},
        {wal, 1, "it is a database file"},
        {walBig, 1, "it is a database file"},
        {walIndex, 1, "it is a database file"},
        {link, 1, "it is the open address book"},
        {other.path(), 1, "it is a database file"},
        {"/dev/full", 1, "the disk is full"},
        {home.path(), 1, "it is a folder, not a file"},
        {"/dev/null", 0, "Exported 1 record to /dev/null."},
        {kept, 0, "Exported 1 record"},
        {home.filePath("new.csv"), 0, "Exported 1 record"},
        {"-", 0, "Name,Address"},
        {fifo, 1, "nothing is reading from the pipe"},
    };
    for (const Case& c : cases) {
        const Outcome outcome =
            run({"export", "--database", book.path(), "--format", "csv", "--output", c.output});
        EXPECT_EQ(outcome.exitCode, c.exitCode) << c.output.toStdString();
        const QString& said = c.exitCode == 0 ? outcome.standardOutput : outcome.standardError;
        EXPECT_TRUE(said.contains(c.said)) << c.output.toStdString() << ": " << said.toStdString();
    }
    // Standard output sent onto the book by the shell is refused as well.
    QProcess redirected;
    redirected.setProcessEnvironment(environment);
    redirected.setStandardOutputFile(book.path(), QIODevice::Append);
    redirected.start(RAVELBOOK_PROGRAM, {"export", "--database", book.path(), "--format", "csv"});
    ASSERT_TRUE(redirected.waitForFinished(30000));
    EXPECT_EQ(redirected.exitCode(), 1);
    EXPECT_EQ(book.bytes(), before);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(other.value("SELECT COUNT(*) FROM Addresses").toInt(), 0);
    EXPECT_FALSE(QFileInfo("/dev/null").isFile());
    // A replaced file keeps its mode; a new one, holding addresses, is its owner's alone.
    EXPECT_EQ(QFileInfo(kept).permissions(), QFile::ReadOwner | QFile::WriteOwner |
                                                 QFile::ReadUser | QFile::WriteUser |
                                                 QFile::ReadGroup);
    EXPECT_EQ(QFileInfo(home.filePath("new.csv")).permissions(),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    EXPECT_EQ(QDir(home.path()).entryList({".ravelbook-*"}, QDir::Files | QDir::Hidden),
              (QStringList{".ravelbook-scratch-backup", ".ravelbook-scratch-Zy12xW"}));
}

TEST_F(ExchangeCommand, ExportOntoAFullDiskFailsAndKeepsTheOldFile) {
    SKIP_ON_SERVER();
    // A disk of four pages, three of them taken, in a mount namespace of its own.
    const QString disk = home.filePath("disk");
    QDir().mkpath(disk);
    book.addPerson({"Smith, Jo", "1 Main", "", "", "", {0}});
    QProcess shell;
    shell.setProcessEnvironment(environment);
    shell.start("unshare",
                {"-rm", "sh", "-c",
                 "mount -t tmpfs -o size=16k tmpfs \"$1\" || exit 77; printf good >\"$1/out.csv\"; "
                 "head -c 12288 /dev/zero >\"$1/fill\"; \"$2\" export --format csv --database "
                 "\"$3\" --output "
                 "\"$1/out.csv\" 2>&1; echo \"exit $?\"; cat \"$1/out.csv\"; echo; ls -A \"$1\"",
                 "sh", disk, RAVELBOOK_PROGRAM, book.path()});
    ASSERT_TRUE(shell.waitForFinished(30000));
    if (shell.exitCode() == 77)
        GTEST_SKIP() << "no tmpfs can be mounted here to make a full disk";
    const QString said = shell.readAllStandardOutput();
    EXPECT_TRUE(said.contains("the disk is full")) << said.toStdString();
    EXPECT_TRUE(said.contains("exit 1\ngood\nfill\nout.csv\n")) << said.toStdString();
}

// A book that can't take the records says why, in the words of its cause.
TEST_F(ExchangeCommand, ImportIntoABookThatCantTakeItSaysWhy) {
    const QString csv = write("in.csv", "Name,Address\n\"Smith, Jo\",1 Main\n");
    if (testing::onServer()) {
        QString missing = book.path();
        missing.replace(QRegularExpression(QStringLiteral(":///[^?]*")),
                        QStringLiteral(":///no_such_book"));
        const Outcome dry = run({"import", "--database", missing, "--dry-run", csv});
        EXPECT_EQ(dry.exitCode, 1);
        EXPECT_TRUE(dry.standardError.contains("does not exist"))
            << dry.standardError.toStdString();
        TempBook empty; // a database with no book yet, which the import would make one
        const Outcome fresh = run({"import", "--database", empty.path(), "--dry-run", csv});
        EXPECT_EQ(fresh.exitCode, 0) << fresh.standardError.toStdString();
        EXPECT_TRUE(fresh.standardOutput.contains("1 record to add"))
            << fresh.standardOutput.toStdString();
        EXPECT_EQ(empty.value("SELECT count(*) FROM information_schema.tables").toInt(),
                  empty
                      .value("SELECT count(*) FROM information_schema.tables WHERE "
                             "table_schema <> 'public'")
                      .toInt());
        // Two imports at once into it: one makes the book, the other takes it.
        std::array<QProcess, 2> imports;
        for (QProcess& import : imports) {
            import.setProcessEnvironment(environment);
            import.start(RAVELBOOK_PROGRAM, {"import", "--database", empty.path(), csv});
        }
        QStringList said;
        for (QProcess& import : imports) {
            ASSERT_TRUE(import.waitForFinished(60000));
            said << QString::fromLocal8Bit(import.readAllStandardError());
        }
        EXPECT_FALSE(said.join(' ').contains("could not be made")) << said.join(' ').toStdString();
        EXPECT_EQ(empty.value("SELECT count(*) FROM \"Addresses\"").toInt(), 1);
        return;
    }
    if (!book.setWritable(false))
        GTEST_SKIP() << "this file system can't make a file unwritable for root";
    const Outcome readOnly = run({"import", "--database", book.path(), csv});
    book.setWritable(true);
    EXPECT_EQ(readOnly.exitCode, 1);
    EXPECT_TRUE(readOnly.standardError.contains("read-only"))
        << readOnly.standardError.toStdString();
    EXPECT_FALSE(readOnly.standardError.contains("record 1"))
        << readOnly.standardError.toStdString();

    // The disk fills up: the system refuses to let the file grow.
    QByteArray many = "Name,Notes\n";
    for (int i = 0; i < 3000; ++i)
        many += "\"Person " + QByteArray::number(i) + "\"," + QByteArray(200, 'x') + "\n";
    const QString full = home.filePath("full.db");
    Database::createNewBook(full);
    QProcess import;
    import.setProcessEnvironment(environment);
    import.setChildProcessModifier([] {
        const rlimit room{64 * 1024, 64 * 1024};
    ::setrlimit(RLIMIT_FSIZE, &room);
    std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead
});
import.start(RAVELBOOK_PROGRAM, {"import", "--database", full, write("many.csv", many)});
ASSERT_TRUE(import.waitForFinished(60000));
EXPECT_EQ(import.exitCode(), 1);
const QString said = QString::fromLocal8Bit(import.readAllStandardError());
EXPECT_TRUE(said.contains("the disk is full")) << said.toStdString();
EXPECT_FALSE(said.contains("was refused")) << said.toStdString();
const Database left(full, Database::Access::ReadOnly);
QSqlQuery count = left.run("SELECT count(*) FROM \"Addresses\"");
ASSERT_TRUE(count.next());
EXPECT_EQ(count.value(0).toInt(), 0);
} // namespace

// Two books linked to one address book on a radicale of the test's own: what one
// sends the other gets, and a conflict is ended from the command line.
TEST_F(ExchangeCommand, LinkSyncAndUnlinkAnOnlineAddressBook) {
    const testing::Radicale dav;
    const QString state = dav.state();
    const auto value = [&](const char* name) { return dav.value(name); };
    if (value("url").isEmpty())
        GTEST_SKIP() << "radicale did not start (is it installed?): no CardDAV server";
    const QString user = value("user");
    environment.insert("NETRC", home.filePath("netrc"));
    Outcome outcome = run({"link", "--database", book.path(), "--user", user, value("url")});
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_TRUE(outcome.standardError.contains(
        "no password for ravelbook at 127.0.0.1: put it in ~/.netrc (machine 127.0.0.1 login "
        "ravelbook password ...) or the keyring"))
        << outcome.standardError.toStdString();
    // A password of one word, as ~/.netrc holds them.
    const QString password = "right-horse";
    QFile htpasswd(state + "/htpasswd");
    ASSERT_TRUE(htpasswd.open(QIODevice::WriteOnly));
    htpasswd.write((user + ":" + password + "\n").toUtf8());
    htpasswd.close();
    write("netrc", ("machine 127.0.0.1 login " + user + " password " + password + "\n").toUtf8());

    book.addPerson({"Ada", "1 Main St", "Springfield"});
    outcome = run({"link", "--database", book.path(), "--user", user, value("url")});
    ASSERT_EQ(outcome.exitCode, 0) << outcome.standardError.toStdString();
    EXPECT_TRUE(outcome.standardOutput.contains("Went out: 1 new"))
        << outcome.standardOutput.toStdString();
    outcome = run({"link", "--list", "--user", user, value("url")});
    EXPECT_EQ(outcome.standardOutput, "Contacts\t" + value("book") + "\t1 cards\n");

    TempBook other;
    other.create();
    outcome = run({"link", "--database", other.path(), "--user", user, value("book")});
    EXPECT_TRUE(outcome.standardOutput.contains("Came in: 1 new"))
        << outcome.standardOutput.toStdString();
    other.exec("UPDATE Addresses SET Address = '2 Elm St'");
    book.exec("UPDATE Addresses SET Address = '9 Book St'");
    EXPECT_EQ(run({"sync", "--database", other.path()}).exitCode, 0);
    outcome = run({"sync", "--database", book.path()});
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_TRUE(outcome.standardOutput.contains("Conflict: \"Ada\""));
    outcome = run({"sync", "--database", book.path(), "--keep", "server", "--record", "Ada"});
    EXPECT_EQ(outcome.exitCode, 0) << outcome.standardError.toStdString();
    EXPECT_EQ(book.value("SELECT Address FROM Addresses").toString(), "2 Elm St");
    for (const Outcome& said : {outcome, run({"unlink", "--database", book.path()})}) {
        EXPECT_FALSE(said.standardOutput.contains(password));
        EXPECT_FALSE(said.standardError.contains(password));
    }
    outcome = run({"sync", "--database", book.path()});
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_TRUE(outcome.standardError.contains("is not linked"))
        << outcome.standardError.toStdString();
}

// Over HTTPS with a certificate of its own, refused naming it until it is trusted
// in the settings, as the window trusts it.
TEST_F(ExchangeCommand, LinksOverHttpsOnceTheCertificateIsTrusted) {
    const testing::Radicale dav(testing::Radicale::Over::Https);
    const QString state = dav.state();
    const auto value = [&](const char* name) { return dav.value(name); };
    if (value("url").isEmpty())
        GTEST_SKIP() << "radicale did not start over HTTPS (are radicale and openssl installed?)";
    const QString user = value("user");
    QFile htpasswd(state + "/htpasswd");
    ASSERT_TRUE(htpasswd.open(QIODevice::WriteOnly));
    htpasswd.write((user + ":horse\n").toUtf8());
    htpasswd.close();
    write("netrc", ("machine 127.0.0.1 login " + user + " password horse\n").toUtf8());
    environment.insert("NETRC", home.filePath("netrc"));
    const QStringList link{"link", "--database", book.path(), "--user", user, value("book")};
    Outcome outcome = run(link);
    EXPECT_EQ(outcome.exitCode, 1);
    const QRegularExpression said("SHA-256 ([0-9A-F:]{95})\\). It can be trusted from the "
                                  "window: File: Link Online Address Book…");
    const QRegularExpressionMatch match = said.match(outcome.standardError);
    ASSERT_TRUE(match.hasMatch()) << outcome.standardError.toStdString();
    {
        IniSettingsStore settings(home.filePath("config"));
        TrustedCertificateSettings(settings).trust(
            QString("127.0.0.1:%1").arg(QUrl(value("url")).port()), match.captured(1));
    }
    outcome = run(link);
    EXPECT_EQ(outcome.exitCode, 0) << outcome.standardError.toStdString();
    EXPECT_EQ(run({"sync", "--database", book.path()}).exitCode, 0);
}

} // namespace ravelbook
} // namespace ravelbook
