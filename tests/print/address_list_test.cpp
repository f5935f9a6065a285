// The address list through a PDF, read back with poppler: pages, headings,
// rows kept whole and cells wrapped inside their columns.
#include "print/address_list.h"
#include "print/address_source.h"
#include "print/painted_surface.h"
#include "print/print_run.h"
#include "support/pdf_words.h"

#include <gtest/gtest.h>
#include <map>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace ravelbook {
namespace {

class Records final : public AddressSource {
public:
    int count(const RecordChoice&) override { return int(all.size()); }
    void open(const RecordChoice&, int skip) override { next_ = std::size_t(skip); }
    std::optional<AddressLines> next() override {
        if (next_ >= all.size())
            return std::nullopt;
        return all[next_++];
    }
    std::vector<AddressLines> all;

private:
    std::size_t next_ = 0;
};

using testing::runTool;
using Word = testing::PdfWord;

class AddressListTest : public ::testing::Test {
protected:
    AddressListTest() {
        job.addressList =
            AddressListSetup{ListPaper::Letter, {"Christmas", "Family"}, QDate(2026, 12, 8)};
    }

    // n records named "Name 0001" and so on, each with `notes`.
    void add(int n, const QString& notes = {}) {
        for (int i = 1; i <= n; ++i)
            records.all.push_back({QString("Name %1").arg(i, 4, 10, QChar('0')), "12 Elm St",
                                   "Springfield, IL 62701", "USA", "Mary", "555-0100", notes});
    }

    PrintOutcome print() {
        PrintRun run(job, records);
        EXPECT_EQ(run.select().stop, PrintOutcome::Stop::Done);
        pages = run.pageCount();
        auto surface = pdfSurface(file);
        const PrintOutcome outcome = run.draw(*surface);
        surface->finish();
        return outcome;
    }

    QStringList layoutPages() { return runTool("pdftotext", {"-layout", file, "-"}).split('\f'); }

    std::vector<Word> words() { return testing::pdfWords(file); }

    int pdfPages() {
        static const QRegularExpression pagesLine(QStringLiteral(R"(Pages:\s+(\d+))"));
        return pagesLine.match(runTool("pdfinfo", {file})).captured(1).toInt();
    }

    // The first page's size in points, as pdfinfo says it.
    QString pdfInfoSize() {
        static const QRegularExpression sizeLine(QStringLiteral(R"(Page size:\s+(\S+ x \S+) pts)"));
        return sizeLine.match(runTool("pdfinfo", {file})).captured(1);
    }

    PrintJob job;
    Records records;
    QTemporaryDir dir;
    QString file = dir.filePath(QStringLiteral("list.pdf"));
    int pages = 0;
};

TEST_F(AddressListTest, PagesHoldEveryRecordOnceWithTheirHeadings) {
    for (const int n : {1, 40, 1000}) {
        SCOPED_TRACE(n);
        records.all.clear();
        add(n);
        const PrintOutcome outcome = print();
        EXPECT_EQ(outcome.stop, PrintOutcome::Stop::Done);
        EXPECT_EQ(outcome.items, n);
        EXPECT_EQ(outcome.total, n);
        EXPECT_EQ(pdfPages(), pages);
        EXPECT_EQ(pdfInfoSize(), "612 x 792");
        EXPECT_EQ(pages == 1, n == 1);
        const QStringList text = layoutPages();
        const QString all = text.join('\n');
        EXPECT_TRUE(text[0].contains("Address list: Christmas, Family"));
        EXPECT_TRUE(text[0].contains("2026-12-08"));
        EXPECT_TRUE(text[0].contains(QString("Page 1 of %1").arg(pages)));
        if (pages > 1) {
            EXPECT_TRUE(text[1].contains(QString("Page 2 of %1").arg(pages)));
        }
        EXPECT_EQ(all.count("Phone"), pages); // the column heading of every page
        for (const AddressLines& r : records.all)
            ASSERT_EQ(all.count(r[0]), 1) << r[0].toStdString();
    }
}

TEST_F(AddressListTest, RowsWrapInsideTheirColumnsAndNeverSplit) {
    job.addressList->paper = ListPaper::A4;
    // Notes of 255 characters with a line break, and rows of three lines.
    QString longNotes = "first\n";
    for (int w = 0; longNotes.size() < 250; ++w)
        longNotes += QString("word%1 ").arg(w, 2, 10, QChar('0'));
    records.all.push_back(
        {"Longford, Ann", "1 Main St", "Town", "", "", "555-0199", longNotes.left(255).trimmed()});
    for (int i = 1; i <= 150; ++i) {
        const QString id = QString("r%1").arg(i, 3, 10, QChar('0'));
        records.all.push_back(
            {id + "name", "a", "c", "", "", "5",
             id + "x " + id + "y " + id + "z" + QString(40, 'q') + " " + id + "end"});
    }
    const PrintOutcome outcome = print();
    EXPECT_EQ(outcome.fits, LineFits{}); // wrapped lines fit without shrinking
    EXPECT_EQ(pdfInfoSize(), "595 x 842");

    const std::vector<Word> found = words();
    std::map<QString, Word> byText;
    for (const Word& w : found)
        byText[w.text] = w;
    // Every word of the long notes, each inside the notes column, right of the phone.
    const Word phone = byText.at("555-0199");
    double notesLeft = 1e9, notesRight = 0;
    for (const QString& w :
         longNotes.left(255).split(QRegularExpression("\\s+"), Qt::SkipEmptyParts)) {
        ASSERT_TRUE(byText.count(w)) << w.toStdString();
        notesLeft = std::min(notesLeft, byText[w].xMin);
        notesRight = std::max(notesRight, byText[w].xMax);
    }
    EXPECT_GT(notesLeft, phone.xMax);
    EXPECT_LT(notesRight, 595.276 - 36);
    EXPECT_GT(pages, 1);
    // A row's lines, name to last word of its notes, on one page.
    for (int i = 1; i <= 150; ++i) {
        const QString id = QString("r%1").arg(i, 3, 10, QChar('0'));
        SCOPED_TRACE(id.toStdString());
        ASSERT_TRUE(byText.count(id + "name") && byText.count(id + "end"));
        EXPECT_EQ(byText[id + "end"].page, byText[id + "name"].page);
        EXPECT_GT(byText[id + "end"].xMin, phone.xMax);
    }
}

TEST_F(AddressListTest, ARowTallerThanAPageTakesOneAndIsCut) {
    add(1, QString("a\n").repeated(127) + "a");
    add(2);
    const PrintOutcome outcome = print();
    EXPECT_EQ(pages, 2);
    EXPECT_EQ(outcome.items, 3);
    EXPECT_GT(outcome.fits.cut, 0);
    EXPECT_EQ(outcome.fittedRecords, QStringList{"Name 0001"});
}

TEST_F(AddressListTest, APageAskedForAndACancelDrawJustTheirRows) {
    add(100);
    PrintRun run(job, records);
    run.select();
    ASSERT_GT(run.pageCount(), 1);
    {
        auto surface = pdfSurface(file);
        const PrintOutcome outcome = run.draw(*surface, {}, PageSpan{1, 1});
        surface->finish();
        EXPECT_EQ(outcome.items, outcome.total);
        const QString text = layoutPages().join('\n');
        EXPECT_TRUE(text.contains(QString("Page 2 of %1").arg(run.pageCount())));
        EXPECT_FALSE(text.contains("Name 0001"));
        EXPECT_EQ(pdfPages(), 1);
    }
    auto surface = pdfSurface(file);
    const PrintOutcome cancelled = run.draw(*surface, [](int done, int) { return done < 5; });
    EXPECT_EQ(cancelled.stop, PrintOutcome::Stop::Cancelled);
    EXPECT_EQ(cancelled.items, 5);
}

TEST(ListPaper, FollowsTheLocale) {
    EXPECT_EQ(listPaperForLocale(QLocale(QLocale::English, QLocale::UnitedStates)),
              ListPaper::Letter);
    EXPECT_EQ(listPaperForLocale(QLocale(QLocale::French, QLocale::Canada)), ListPaper::Letter);
    EXPECT_EQ(listPaperForLocale(QLocale(QLocale::German, QLocale::Germany)), ListPaper::A4);
    EXPECT_EQ(listPaperForLocale(QLocale(QLocale::English, QLocale::UnitedKingdom)), ListPaper::A4);
}

} // namespace
} // namespace ravelbook
