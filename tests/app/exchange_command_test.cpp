// "ravelbook import" and "ravelbook export": exit status and summary of each
// outcome, the dry run and the export to standard output.
#include "support/program.h"
#include "support/temp_book.h"

#include <QDir>
#include <QFile>

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

} // namespace
} // namespace ravelbook
