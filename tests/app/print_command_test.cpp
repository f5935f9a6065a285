// "ravelbook print": whole runs into a PDF, checked in the PDF itself, and
// the exit status and message of every way a request can fail.
#include "app/print_command.h"
#include "settings/ini_settings_store.h"
#include "settings/printer_calibration.h"
#include "support/pdf_printers.h"
#include "support/program.h"
#include "support/temp_book.h"

#include <cmath>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextStream>

namespace ravelbook {
namespace {

using testing::Person;
using testing::TempBook;

struct Word {
    QString text;
    double x;
    double y;
    double right;
};

struct Page {
    double width;
    double height;
    std::vector<Word> words;

    const Word* find(const QString& text, int nth = 0) const {
        for (const Word& w : words) {
            if (w.text == text && nth-- == 0)
                return &w;
        }
        return nullptr;
    }
};

// Pages and word boxes of a PDF, in points from each page's top-left corner.
std::vector<Page> readPdf(const QString& file) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-bbox", file, "-"});
    EXPECT_TRUE(pdftotext.waitForFinished(30000));
    const QString xhtml = QString::fromUtf8(pdftotext.readAllStandardOutput());
    static const QRegularExpression tag(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)"[^>]*>([^<]*)</word>)re");
    std::vector<Page> pages;
    for (auto it = tag.globalMatch(xhtml); it.hasNext();) {
        const auto m = it.next();
        if (!m.captured(1).isEmpty()) {
            pages.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(), {}});
        } else if (!pages.empty()) {
            QString text = m.captured(6);
            text.replace("&apos;", "'").replace("&amp;", "&").replace("&quot;", "\"");
            pages.back().words.push_back({text, m.captured(3).toDouble(), m.captured(4).toDouble(),
                                          m.captured(5).toDouble()});
        }
    }
    return pages;
}

// Where a position in twips lands on the PDF page: a quarter inch in from its corner.
double points(int twips) {
    return (twips + 360) / 20.0;
}

#define EXPECT_AT(word, xTwips, yTwips)                                                            \
    do {                                                                                           \
        ASSERT_NE(word, nullptr);                                                                  \
        EXPECT_NEAR((word)->x, points(xTwips), 0.5);                                               \
        EXPECT_NEAR((word)->y, points(yTwips), 0.5);                                               \
    } while (0)

// Whether some word of the page is this text at this place.
bool shows(const Page& page, const QString& text, int xTwips, int yTwips) {
    return std::any_of(page.words.begin(), page.words.end(), [&](const Word& w) {
        return w.text == text && std::abs(w.x - points(xTwips)) < 0.5 &&
               std::abs(w.y - points(yTwips)) < 0.5;
    });
}

class PrintCommand : public testing::Program {
protected:
    PrintCommand() {
        book.create();
        pdf = home.filePath("out.pdf");
    }

    Outcome print(const QStringList& arguments) {
        return run(QStringList{"print", "--database", book.path()} + arguments);
    }

    TempBook book;
    QString pdf;
};

TEST_F(PrintCommand, SmallLabelsFillTwoSheetsOfOnePdfAndLeaveTheBookAsItWas) {
    for (int i = 1; i <= 21; ++i)
        book.addPerson(
            {QString("Last%1, First").arg(i, 2, 10, QChar('0')), "1 Road", "Town", "", "", {0}});
    book.addPerson({"Other, Group", "x", "", "", "", {1}});
    book.addPerson({"", "unnamed", "", "", "", {0}}); // neither printed nor purged
    const QByteArray before = book.bytes();

    const Outcome outcome =
        print({"--stationery", "small-labels", "--group", "0", "--adjust", "180", "--pdf", pdf});
    ASSERT_EQ(outcome.exitCode, 0) << outcome.standardError.toStdString();
    EXPECT_EQ(outcome.standardOutput.trimmed(), "Printed 21 items on 2 pages.");

    const std::vector<Page> pages = readPdf(pdf);
    ASSERT_EQ(pages.size(), 2u);
    for (const Page& page : pages) {
        EXPECT_EQ(page.width, 612);
        EXPECT_EQ(page.height, 792);
    }
    // Slots fill across, then down; the adjustment moves every line 180 twips.
    EXPECT_AT(pages[0].find("TO:", 0), 400, 340 + 180);
    EXPECT_AT(pages[0].find("TO:", 1), 6000 + 400, 340 + 180);
    EXPECT_AT(pages[0].find("TO:", 19), 6000 + 400, 9 * 1440 + 340 + 180);
    EXPECT_AT(pages[0].find("First", 0), 1000, 340 + 180);
    EXPECT_AT(pages[0].find("Road", 0), 1000 + 190, 600 + 180); // "1 Road"
    EXPECT_AT(pages[1].find("TO:"), 400, 340 + 180);
    EXPECT_NE(pages[1].find("Last21"), nullptr);
    EXPECT_EQ(pages[1].find("TO:", 1), nullptr);

    EXPECT_EQ(book.bytes(), before);
    EXPECT_FALSE(QFileInfo::exists(home.filePath("config/Ravelbook/Ravelbook.ini")));
}

TEST_F(PrintCommand, EnvelopesOfGroupsByTitleAreOnePagePerEnvelope) {
    {
        IniSettingsStore settings(home.filePath("config"));
        for (int k = 0; k < 18; ++k) {
            const QString title = k == 2 || k == 5 ? "Family" : QString("Group %1").arg(k);
            settings.saveSetting("Ravelbook", "Startup", QString("Label %1Caption").arg(k), title);
        }
    }
    book.exec("UPDATE \"Return Addresses\" SET Name = 'Ann Sender', Address = '1 Main St', "
              "\"City State Zip\" = 'Town'");
    book.addPeople({{"Aunt, May", "3 Lane", "City", "", "", {2}},
                    {"Cousin, Lou", "4 Lane", "City", "", "", {5}},
                    {"Boss, Big", "5 Lane", "City", "", "", {1}}});

    const Outcome outcome = print({"--stationery", "envelopes", "--group", "Family", "--special",
                                   "Season's greetings", "--pdf", pdf});
    ASSERT_EQ(outcome.exitCode, 0) << outcome.standardError.toStdString();
    EXPECT_EQ(outcome.standardOutput.trimmed(), "Printed 2 items on 2 pages.");
    const std::vector<Page> pages = readPdf(pdf);
    ASSERT_EQ(pages.size(), 2u);
    for (const Page& page : pages) {
        EXPECT_EQ(page.width, 684); // 9 1/2 in across
        EXPECT_EQ(page.height, 297);
        EXPECT_AT(page.find("From:"), 360, 600);
        EXPECT_AT(page.find("Ann"), 360, 960);
        EXPECT_AT(page.find("TO:"), 5400, 2340);
        EXPECT_AT(page.find("Season's"), 360, 4140);
    }
    EXPECT_NE(pages[0].find("May"), nullptr);
    EXPECT_NE(pages[1].find("Lou"), nullptr);
}

TEST_F(PrintCommand, OneSelectedCardPrintsExactlyThatRecord) {
    book.addPeople({{"Pat' OR '1'='1", "Wrong", "", "", "", {0}},
                    {"O'Brien, Pat", "Her Street", "Dublin", "Ireland", "Desk 4", {0}}});
    const Outcome outcome = print({"--stationery", "cards", "--group", "0", "--selected",
                                   "O'Brien, Pat", "--last-name-first", "--pdf", pdf});
    ASSERT_EQ(outcome.exitCode, 0) << outcome.standardError.toStdString();
    const std::vector<Page> pages = readPdf(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].width, 612); // statement paper, landscape
    EXPECT_EQ(pages[0].height, 396);
    EXPECT_AT(pages[0].find("O'Brien,"), 6000, 2540);
    EXPECT_AT(pages[0].find("ATTN:"), 6000, 3980);
    EXPECT_EQ(pages[0].find("Wrong"), nullptr);
}

// A used sheet finished from label 19; lines too long for their label or
// envelope are made smaller and cut, never reaching the next label or the edge.
TEST_F(PrintCommand, StartAtLabelAndLongLinesStayOnTheirLabels) {
    const QString wide = "Wolfgang-Amadeus-Strasse 1234, Hinterhaus, Wohnung 56 WWWW"; // 58
    book.addPeople({{"First, One", wide, "Town", "", "", {0}},
                    {"Second, Two", wide, "Town", "", "", {0}},
                    {"Third, Three", "3 Road", "Town", "", "", {0}}});
    Outcome outcome =
        print({"--stationery", "small-labels", "--group", "0", "--start-at", "19", "--pdf", pdf});
    ASSERT_EQ(outcome.exitCode, 0) << outcome.standardError.toStdString();
    // The summary says what was fitted in, naming whose lines they were.
    EXPECT_EQ(outcome.standardOutput.trimmed().toStdString(),
              "Printed 3 items on 2 pages. 2 lines were printed smaller to fit (First, One; "
              "Second, Two).");
    std::vector<Page> pages = readPdf(pdf);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_AT(pages[0].find("TO:", 0), 400, 9 * 1440 + 340);
    EXPECT_AT(pages[0].find("TO:", 1), 6000 + 400, 9 * 1440 + 340);
    EXPECT_AT(pages[1].find("TO:", 0), 400, 340);
    // The left label ends 5/32 in + 4 in from the paper's edge, the right one
    // at the printable area's edge, a quarter inch in.
    const double leftLabelEnd = (5.0 / 32 + 4) * 72;
    ASSERT_NE(pages[0].find("Wohnung", 0), nullptr);
    for (const Word& w : pages[0].words) {
        if (w.x < leftLabelEnd) {
            EXPECT_LE(w.right, leftLabelEnd + 0.5) << w.text.toStdString();
        }
        EXPECT_LE(w.right, 612 - 18 + 0.5) << w.text.toStdString();
    }

    const QString special = QString(60, 'W');
    outcome = print({"--stationery", "envelopes", "--group", "0", "--selected", "Third, Three",
                     "--special", special, "--pdf", pdf});
    ASSERT_EQ(outcome.exitCode, 0) << outcome.standardError.toStdString();
    EXPECT_EQ(outcome.standardOutput.trimmed().toStdString(),
              "Printed 1 item on 1 page. 1 line was printed smaller to fit (Third, Three).");
    pages = readPdf(pdf);
    ASSERT_EQ(pages.size(), 1u);
    for (const Word& w : pages[0].words)
        EXPECT_LE(w.right, 684 - 18 + 0.5) << w.text.toStdString();

    // A name in a script no installed font has is reported once, however
    // many copies carry it.
    const QString linearB = QString::fromUcs4(U"\U00010000\U00010001, \U00010002");
    book.addPeople({{linearB, "3 Road", "Town", "", "", {0}}});
    outcome = print({"--stationery", "small-labels", "--group", "0", "--selected", linearB,
                     "--copies", "2", "--pdf", pdf});
    ASSERT_EQ(outcome.exitCode, 0) << outcome.standardError.toStdString();
    EXPECT_EQ(outcome.standardOutput.trimmed(),
              "Printed 2 items on 1 page. 1 name had characters no installed font has, printed "
              "as boxes (" +
                  linearB + ").");
}

// Copies in name order, closed up; a sheet of sender labels from label 11.
TEST_F(PrintCommand, MailingOptionsShapeTheRun) {
    book.addPeople({{"Young, Zoe", "", "Zeetown", "", "", {0}},
                    {"Adams, Al", "1 Road", "Atown", "", "", {0}}});
    Outcome outcome = print({"--stationery", "small-labels", "--group", "0", "--copies", "2",
                             "--sort", "name", "--close-up", "--pdf", pdf});
    ASSERT_EQ(outcome.exitCode, 0) << outcome.standardError.toStdString();
    EXPECT_EQ(outcome.standardOutput.trimmed(), "Printed 4 items on 1 page.");
    std::vector<Page> pages = readPdf(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_AT(pages[0].find("Al", 1), 6000 + 1000, 340);
    EXPECT_AT(pages[0].find("Zoe", 0), 1000, 1440 + 340);
    EXPECT_AT(pages[0].find("Zeetown", 0), 1000, 1440 + 340 + 260); // no gap above

    outcome = print({"--stationery", "address-list", "--group", "0", "--sort", "name", "--paper",
                     "a4", "--pdf", pdf});
    ASSERT_EQ(outcome.exitCode, 0) << outcome.standardError.toStdString();
    EXPECT_EQ(outcome.standardOutput.trimmed(), "Printed 2 items on 1 page.");
    pages = readPdf(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].width, 595);
    ASSERT_NE(pages[0].find("Adams,"), nullptr);
    ASSERT_NE(pages[0].find("Young,"), nullptr);
    EXPECT_LT(pages[0].find("Adams,")->y, pages[0].find("Young,")->y);

    book.exec("UPDATE \"Return Addresses\" SET Name = 'Ann Sender'");
    outcome = print(
        {"--stationery", "small-labels", "--sender-labels", "--start-at", "11", "--pdf", pdf});
    ASSERT_EQ(outcome.exitCode, 0) << outcome.standardError.toStdString();
    EXPECT_EQ(outcome.standardOutput.trimmed(), "Printed 10 items on 1 page.");
    pages = readPdf(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].find("TO:"), nullptr);
    EXPECT_NE(pages[0].find("Sender", 9), nullptr);
    EXPECT_EQ(pages[0].find("Sender", 10), nullptr);
}

TEST_F(PrintCommand, PdfGoesStraightIntoStandardOutputAndPipes) {
    book.addPerson({"Smith, John", "1 Road", "", "", "", {0}});
    const QStringList labels = {"--stationery", "small-labels", "--group", "0", "--pdf"};
    const Outcome piped = print(labels + QStringList{"-"});
    EXPECT_EQ(piped.exitCode, 0) << piped.standardError.toStdString();
    EXPECT_TRUE(piped.standardOutput.startsWith("%PDF-"));
    EXPECT_TRUE(piped.standardError.contains("Printed 1 item"));

    // The reader of a FIFO gets the whole PDF, and the FIFO stays one.
    const QString fifo = home.filePath("labels.fifo");
    ASSERT_EQ(QProcess::execute("mkfifo", {fifo}), 0);
    QProcess reader;
    reader.start("cat", {fifo});
    ASSERT_TRUE(reader.waitForStarted());
    const Outcome intoFifo = print(labels + QStringList{fifo});
    ASSERT_TRUE(reader.waitForFinished(30000));
    EXPECT_EQ(intoFifo.exitCode, 0) << intoFifo.standardError.toStdString();
    EXPECT_TRUE(intoFifo.standardOutput.contains("Printed 1 item"));
    const QByteArray received = reader.readAllStandardOutput();
    EXPECT_TRUE(received.startsWith("%PDF-") && received.trimmed().endsWith("%%EOF"));
    EXPECT_FALSE(QFileInfo(fifo).isFile());
}

TEST_F(PrintCommand, PdfsAskViewersToPrintAtActualSizeAndStayValid) {
    if (QStandardPaths::findExecutable("qpdf").isEmpty())
        GTEST_SKIP() << "qpdf is missing (Debian package qpdf): the PDFs can't be read back";
    book.addPerson({"Smith, John", "1 Road", "", "", "", {0}});
    ASSERT_EQ(print({"--stationery", "small-labels", "--group", "0", "--pdf", pdf}).exitCode, 0);
    // As "ravelbook print ... --pdf - > cards.pdf".
    const QString cards = home.filePath("cards.pdf");
    QProcess piped;
    piped.setProcessEnvironment(environment);
    piped.setStandardOutputFile(cards);
    piped.start(RAVELBOOK_PROGRAM, {"print", "--database", book.path(), "--stationery", "cards",
                                    "--group", "0", "--pdf", "-"});
    ASSERT_TRUE(piped.waitForFinished(60000) && piped.exitCode() == 0);

    const auto qpdf = [](const QStringList& arguments) {
        QProcess process;
        process.start("qpdf", arguments);
        EXPECT_TRUE(process.waitForFinished(30000) && process.exitCode() == 0)
            << arguments.join(' ').toStdString() << process.readAllStandardError().toStdString();
        return QString::fromLatin1(process.readAllStandardOutput());
    };
    for (const auto& [file, preferences] :
         {std::pair{pdf, "/ViewerPreferences << /Duplex /Simplex /PrintScaling /None >>"},
          std::pair{cards, "/ViewerPreferences << /PrintScaling /None >>"}}) {
        SCOPED_TRACE(file.toStdString());
        qpdf({"--check", file});
        QProcess pdfinfo;
        pdfinfo.start("pdfinfo", {file});
        ASSERT_TRUE(pdfinfo.waitForFinished(30000));
        EXPECT_EQ(pdfinfo.exitCode(), 0);
        EXPECT_EQ(pdfinfo.readAllStandardError(), "");
        const QString trailer = qpdf({"--show-object=trailer", file});
        EXPECT_TRUE(trailer.contains("/Prev ")) << trailer.toStdString();
        const QString root = QRegularExpression(R"(/Root (\d+) 0 R)").match(trailer).captured(1);
        EXPECT_TRUE(qpdf({"--show-object=" + root, file}).contains(preferences));
    }
}

TEST_F(PrintCommand, RequestsThatCantPrintSayWhyAndWriteNothing) {
    book.addPerson({"Smith, John", "1 Road", "", "", "", {0}});
    const QByteArray before = book.bytes();
    struct Case {
        QStringList arguments;
        int exitCode;
        QString says;
    };
    const QStringList to = {"--pdf", pdf};
    const QStringList cards = {"--stationery", "cards", "--group", "0", "--pdf"};
    // A PDF must never land on the book, whatever name leads to it, nor on another book.
    const QString link = home.filePath("book-link.pdf");
    QFile::link(book.path(), link);
    TempBook other;
    other.create();
    const QByteArray otherBefore = other.bytes();
    const Case cases[] = {
        {cards + QStringList{book.path()}, 1, "it is the open address book"},
        {cards + QStringList{link}, 1, "it is the open address book"},
        {cards + QStringList{other.path()}, 1, "it is a database file"},
        {cards + QStringList{"/dev/full"}, 1, "the disk is full"},
        {cards + QStringList{home.path()}, 1, "it is a folder, not a file"},
        {cards + QStringList{home.filePath("no/such/folder.pdf")}, 1, "its folder does not exist"},
        {cards + QStringList{home.filePath(QString(300, 'n') + ".pdf")}, 1, "the name is too long"},
        {QStringList{"--stationery", "cards"} + to, 2, "at least one --group"},
        {QStringList{"--stationery", "posters", "--group", "0"} + to, 2, "unknown stationery"},
        {QStringList{"--stationery", "cards", "--group", "0", "--adjust", "99999"} + to, 2,
         "outside -32768..32767"},
        {QStringList{"--stationery", "cards", "--group", "0", "--adjust", "-32768"} + to, 2,
         "off the printable area"},
        {QStringList{"--stationery", "small-labels", "--group", "0", "--start-at", "21"} + to, 2,
         "a sheet of these labels has 20"},
        {QStringList{"--stationery", "cards", "--group", "0", "--start-at", "2"} + to, 2,
         "label sheets only"},
        {{"--stationery", "cards", "--group", "0", "--pdf", pdf, "--printer", "x"},
         2,
         "either --pdf"},
        {QStringList{"--stationery", "cards", "--group", "0", "--offset", "abc"} + to, 2,
         "--offset \"abc\" needs two numbers of inches"},
        {QStringList{"--stationery", "cards", "--group", "0", "--offset", "0.1"} + to, 2,
         "needs two numbers"},
        {QStringList{"--stationery", "cards", "--group", "0", "--offset", "0,1,2"} + to, 2,
         "needs two numbers"},
        {QStringList{"--stationery", "cards", "--group", "0", "--offset", "0.1,inf"} + to, 2,
         "needs two numbers"},
        {QStringList{"--stationery", "cards", "--group", "0", "--offset", "1.01,0"} + to, 2,
         "lies outside -1..1 inch"},
        {QStringList{"--calibration-sheet", "--group", "0"} + to, 2, "--stationery is missing"},
        {QStringList{"--stationery", "cards", "--group", "Nobody"} + to, 1,
         "There is no group titled \"Nobody\"."},
        {QStringList{"--stationery", "cards", "--group", "18"} + to, 1, "groups are 0 to 17"},
        {QStringList{"--stationery", "cards", "--group", "7"} + to, 1, "Nothing was printed"},
        {QStringList{"--stationery", "cards", "--group", "0", "--selected", "Doe, Jane"} + to, 1,
         "No record named \"Doe, Jane\""},
        {QStringList{"--stationery", "cards", "--group", "0", "--return-address", "2"} + to, 1,
         "return address"},
        {QStringList{"--stationery", "cards", "--group", "0", "--copies", "0"} + to, 2,
         "--copies needs a number from 1 to 100"},
        {QStringList{"--stationery", "cards", "--group", "0", "--copies", "101"} + to, 2,
         "--copies needs a number from 1 to 100"},
        {QStringList{"--stationery", "cards", "--group", "0", "--sort", "zip"} + to, 2,
         "use book, name or postal-code"},
        {QStringList{"--stationery", "cards", "--group", "0", "--paper", "a4"} + to, 2,
         "--paper is for --stationery address-list only"},
        {QStringList{"--stationery", "cards", "--sender-labels"} + to, 2,
         "--sender-labels needs a label stationery"},
        {QStringList{"--stationery", "small-labels", "--group", "0", "--fill-sheet"} + to, 2,
         "--fill-sheet needs --selected NAME or --sender-labels"},
        {QStringList{"--stationery", "small-labels", "--sender-labels", "--return-address", "2"} +
             to,
         1, "return address"},
        {{"--stationery", "cards", "--group", "0", "--printer", "No Such Printer"},
         1,
         "There is no printer named \"No Such Printer\"."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Outcome outcome = print(c.arguments);
        EXPECT_EQ(outcome.exitCode, c.exitCode);
        EXPECT_TRUE(outcome.standardError.contains(c.says)) << outcome.standardError.toStdString();
        EXPECT_TRUE(outcome.standardOutput.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(pdf));
    }
    EXPECT_EQ(book.bytes(), before);
    EXPECT_EQ(other.bytes(), otherBefore);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(QFileInfo("/dev/full").exists() && !QFileInfo("/dev/full").isFile());
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Hidden | QDir::Files).filter(".ravelbook").size(),
              0)
        << "no temporary file is left behind";

    // A book that isn't there is not created.
    const QString missing = home.filePath("missing.db");
    const Outcome outcome = run(
        {"print", "--database", missing, "--stationery", "cards", "--group", "0", "--pdf", pdf});
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_TRUE(outcome.standardError.contains(QDir::toNativeSeparators(missing)));
    EXPECT_FALSE(QFileInfo::exists(missing));
}

TEST_F(PrintCommand, CalibrationSheetNeedsNoBookAndMovesWithTheOffset) {
    struct Case {
        QString stationery;
        QString offset;
        int dx, dy; // twips
        double width, height;
        QString lastTopNumber;
        int lastTopX;
        int headingY;
    };
    // Inch numbers sit beside their tick of the top ruler; the heading inside
    // the first label, or the paper, clear of the rulers.
    const Case cases[] = {
        {"small-labels", "", 0, 0, 612, 792, "8", 8 * 1440 - 360 + 40, 450},
        {"small-labels", "0.05,-0.025", 72, -36, 612, 792, "8", 8 * 1440 - 360 + 40, 450},
        {"envelopes", " -.1 , 0.1", -144, 144, 684, 297, "9", 9 * 1440 - 360 + 40, 390},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.offset.toStdString());
        QStringList arguments = {
            "print", "--calibration-sheet", "--stationery", c.stationery, "--pdf", pdf};
        if (!c.offset.isEmpty())
            arguments << "--offset" << c.offset;
        const Outcome outcome = run(arguments); // the default book is not there
        ASSERT_EQ(outcome.exitCode, 0) << outcome.standardError.toStdString();
        EXPECT_EQ(outcome.standardOutput.trimmed(), "Printed the calibration sheet on 1 page.");
        const std::vector<Page> pages = readPdf(pdf);
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_EQ(pages[0].width, c.width);
        EXPECT_EQ(pages[0].height, c.height);
        EXPECT_TRUE(shows(pages[0], "1", 1440 - 360 + 40 + c.dx, 120 + c.dy));
        EXPECT_TRUE(shows(pages[0], c.lastTopNumber, c.lastTopX + c.dx, 120 + c.dy));
        EXPECT_TRUE(shows(pages[0], "1", 120 + c.dx, 1440 - 360 + 40 + c.dy));
        EXPECT_TRUE(shows(pages[0], "Calibration", 390 + c.dx, c.headingY + c.dy));
    }
    EXPECT_FALSE(QFileInfo::exists(home.filePath("data/Ravelbook/Ravelbook.db")));
}

TEST_F(PrintCommand, TheCalibrationKeptForThePrinterAddsToEveryRunAndToTheOffset) {
    book.addPerson({"Smith, John", "1 Road", "", "", "", {0}});
    const IniSettingsStore settings(home.filePath("config"));
    {
        IniSettingsStore writer(home.filePath("config"));
        printer_calibration::save(writer, "Office", {144, -72});
    }
    const testing::PdfPrinters printers(pdf);
    struct Case {
        QStringList arguments;
        QString word;
        int x, y; // twips, before any offset
        PrintOffset moved;
    };
    const QStringList labels = {"--stationery", "small-labels", "--group", "0"};
    const Case cases[] = {
        {labels, "TO:", 400, 340, {144, -72}},
        {labels + QStringList{"--offset", "-0.05,0.1"}, "TO:", 400, 340, {144 - 72, -72 + 144}},
        {{"--calibration-sheet", "--stationery", "cards", "--offset", "0.1,0"},
         "Calibration",
         390,
         390,
         {144 + 144, -72}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        QString error;
        const auto command = parsePrintCommand(
            QStringList{"--database", book.path(), "--printer", "Office"} + c.arguments, error);
        ASSERT_TRUE(command) << error.toStdString();
        QString said;
        QTextStream out(&said), err(&said);
        EXPECT_EQ(runPrintCommand(*command, printers, settings, out, err), 0) << said.toStdString();
        const std::vector<Page> pages = readPdf(pdf);
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_AT(pages[0].find(c.word), c.x + c.moved.x, c.y + c.moved.y);
    }
}

} // namespace
} // namespace ravelbook
