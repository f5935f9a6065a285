#include "print/address_source.h"
#include "print/calibration_sheet.h"
#include "print/layout.h"
#include "print/page_target.h"
#include "print/painted_surface.h"
#include "print/pdf_viewer_preferences.h"
#include "print/print_error.h"
#include "print/print_run.h"
#include "print/system_printers.h"
#include "support/pdf_words.h"
#include "support/stock_templates.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSizeF>
#include <QTemporaryDir>
#include <QThread>

namespace ravelbook {
namespace {

using testing::runTool;
using Word = testing::PdfWord;

std::vector<QSizeF> pageSizes(const QString& pdf) {
    static const QRegularExpression line(QStringLiteral(R"(Page\s+\d+ size:\s+(\S+) x (\S+) pts)"));
    std::vector<QSizeF> sizes;
    for (auto it = line.globalMatch(runTool("pdfinfo", {"-f", "1", "-l", "9999", pdf}));
         it.hasNext();) {
        const auto m = it.next();
        sizes.emplace_back(m.captured(1).toDouble(), m.captured(2).toDouble());
    }
    return sizes;
}

std::vector<Word> words(const QString& pdf) {
    return testing::pdfWords(pdf);
}

Word only(const std::vector<Word>& all, const QString& text) {
    std::vector<Word> hits;
    std::copy_if(all.begin(), all.end(), std::back_inserter(hits),
                 [&](const Word& w) { return w.text == text; });
    EXPECT_EQ(hits.size(), 1u) << text.toStdString();
    return hits.empty() ? Word{} : hits.front();
}

// Where a twip position on the printable area lands on the PDF page.
double toPoints(int twips) {
    return (twips + 360) / 20.0;
}

constexpr double kTolerance = 1.5;
// Times at 12 points spaces its lines this far apart.
constexpr double kLineSpacing12 = 13.8;

class PdfSurface : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString file = dir.filePath(QStringLiteral("run.pdf"));
    std::unique_ptr<PaintedSurface> surface = pdfSurface(file);

    void SetUp() override {
        surface->SetFontName(QStringLiteral("Times New Roman"));
        surface->SetFontSize(12);
    }

    void printAt(int x, int y, const QString& text) {
        surface->SetX(static_cast<qint16>(x));
        surface->SetY(static_cast<qint16>(y));
        surface->PrintLine(text);
    }

    std::vector<Word> finishedWords() {
        surface->finish();
        return words(file);
    }
};

TEST_F(PdfSurface, TextCellTopLeftLandsAtThePenOnThePrintableArea) {
    struct Case {
        int x, y;
        QString text;
    };
    const Case cases[] = {{0, 0, "Corner"}, {400, 340, "Hello"}, {11000, 14000, "Far"}};
    for (const Case& c : cases)
        printAt(c.x, c.y, c.text);
    const auto all = finishedWords();
    for (const Case& c : cases) {
        const Word w = only(all, c.text);
        EXPECT_NEAR(w.xMin, toPoints(c.x), kTolerance) << c.text.toStdString();
        EXPECT_NEAR(w.yMin, toPoints(c.y), kTolerance) << c.text.toStdString();
    }
}

// A line separator in a field breaks nothing: the whole line is drawn on its line.
TEST_F(PdfSurface, LineSeparatorInTextBreaksNothing) {
    printAt(1000, 1000, QStringLiteral("Main") + QChar(QChar::LineSeparator) + "Street");
    const auto all = finishedWords();
    const auto street = std::find_if(all.begin(), all.end(),
                                     [](const Word& w) { return w.text.endsWith("Street"); });
    ASSERT_NE(street, all.end());
    EXPECT_NEAR(street->yMin, toPoints(1000), kTolerance);
}

TEST_F(PdfSurface, LinesTooLongForTheirEndAreCountedAsShrunkOrCut) {
    surface->SetLineEnd(2880); // two inches
    const struct {
        QString text;
        LineFits after;
    } lines[] = {
        {"Short", {0, 0}},
        {"A line a little too long for two inches", {1, 0}},
        {QString(80, 'W'), {1, 1}},
    };
    for (const auto& line : lines) {
        printAt(0, 0, line.text);
        EXPECT_EQ(surface->lineFits(), line.after) << line.text.toStdString();
    }
}

// Right-to-left names come out in their reading order; a script no font has
// is counted, not drawn as boxes unnoticed.
TEST_F(PdfSurface, OtherScriptsPrintInTheirOrderAndMissingOnesAreCounted) {
    if (QFontDatabase::families(QFontDatabase::Arabic).isEmpty() ||
        QFontDatabase::families(QFontDatabase::Hebrew).isEmpty())
        GTEST_SKIP() << "no Arabic or Hebrew font installed (fonts-dejavu-core has both)";
    const QString arabic = QStringLiteral("محمد علي");
    const QString hebrew = QStringLiteral("דוד כהן");
    printAt(1000, 1000, arabic);
    printAt(1000, 2000, hebrew);
    printAt(1000, 3000, "12 Main Street");
    EXPECT_EQ(surface->linesMissingGlyphs(), 0);
    printAt(1000, 4000, QString::fromUcs4(U"\U00010000\U00010001"));
    EXPECT_EQ(surface->linesMissingGlyphs(), 1);
    surface->finish();
    // Poppler gives Arabic back in its presentation forms, in bidi marks.
    QString text = runTool("pdftotext", {file, "-"}).normalized(QString::NormalizationForm_KC);
    text.remove(QRegularExpression(QStringLiteral("[\\x{202a}-\\x{202e}]")));
    for (const QString& line : {arabic, hebrew, QStringLiteral("12 Main Street")})
        EXPECT_TRUE(text.contains(line)) << line.toStdString() << " in " << text.toStdString();
}

TEST_F(PdfSurface, InlinePiecesJoinLikeOneLineAndPrintLineReturnsToTheLeftEdge) {
    printAt(1000, 1000, "Ravelbook");
    surface->PrintInline("Ravel");
    surface->PrintLine("book");
    surface->PrintInline("Dear ");
    surface->PrintLine("Reader");
    const auto all = finishedWords();

    std::vector<Word> joined;
    std::copy_if(all.begin(), all.end(), std::back_inserter(joined),
                 [](const Word& w) { return w.text == "Ravelbook"; });
    ASSERT_EQ(joined.size(), 2u);
    EXPECT_NEAR(joined[1].xMin, toPoints(0), kTolerance);
    EXPECT_NEAR(joined[1].xMax - joined[1].xMin, joined[0].xMax - joined[0].xMin, 0.2);
    EXPECT_NEAR(joined[1].yMin - joined[0].yMin, kLineSpacing12, 0.5);

    const Word dear = only(all, "Dear");
    const Word reader = only(all, "Reader");
    EXPECT_NEAR(reader.yMin, dear.yMin, 0.01);
    EXPECT_NEAR(dear.yMin - joined[1].yMin, kLineSpacing12, 0.5);
    // One space apart.
    EXPECT_GT(reader.xMin, dear.xMax + 1.0);
    EXPECT_LT(reader.xMin, dear.xMax + 5.0);
}

TEST_F(PdfSurface, FontSizeAndBoldPersistUntilChanged) {
    surface->SetFontSize(24);
    surface->SetBold(true);
    printAt(0, 0, "Large");
    surface->SetFontName("Times New Roman");
    surface->PrintLine("Still");
    surface->SetFontSize(8);
    surface->SetBold(false);
    surface->PrintLine("Small");
    surface->PrintLine("Smaller");
    const auto all = finishedWords();
    const Word large = only(all, "Large"), still = only(all, "Still"), small = only(all, "Small");
    // The line after an 8-point line is one 8-point line lower.
    EXPECT_NEAR(only(all, "Smaller").yMin - small.yMin, kLineSpacing12 * 8 / 12, 0.5);
    EXPECT_NEAR(still.yMax - still.yMin, large.yMax - large.yMin, 0.1);
    EXPECT_NEAR((large.yMax - large.yMin) / (small.yMax - small.yMin), 3.0, 0.1);
    EXPECT_NEAR(still.yMin - large.yMin, 2 * kLineSpacing12, 1.0);

    const QString fonts = runTool("pdffonts", {file});
    EXPECT_TRUE(fonts.contains(
        QRegularExpression(R"((^|\+)LiberationSerif-Bold\s)", QRegularExpression::MultilineOption)))
        << fonts.toStdString();
    EXPECT_TRUE(fonts.contains(
        QRegularExpression(R"((^|\+)LiberationSerif\s)", QRegularExpression::MultilineOption)))
        << fonts.toStdString();
    EXPECT_FALSE(fonts.contains("Italic"));
}

TEST_F(PdfSurface, LinesAreThinAndBlackBetweenTheirEnds) {
    struct Case {
        int x1, y1, x2, y2;
    };
    const Case cases[] = {{0, 1440, 2880, 1440}, {4320, 0, 4320, 2880}, {-135, 360, 5625, 360}};
    for (const Case& c : cases)
        surface->DrawLine(c.x1, c.y1, c.x2, c.y2);
    surface->finish();
    // At 144 dots an inch one dot is ten twips.
    runTool("pdftoppm", {"-gray", "-r", "144", "-singlefile", file, dir.filePath("page")});
    const QImage page(dir.filePath("page.pgm"));
    ASSERT_FALSE(page.isNull());
    const auto dark = [&](int x, int y) {
        const QPoint at((x + 360) / 10, (y + 360) / 10);
        int darkest = 255;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                darkest = std::min(darkest, qGray(page.pixel(at + QPoint(dx, dy))));
        return darkest < 128;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x1);
        const int x = (c.x1 + c.x2) / 2, y = (c.y1 + c.y2) / 2;
        const bool across = c.y1 == c.y2;
        EXPECT_TRUE(dark(x, y));
        EXPECT_FALSE(dark(across ? x : x - 60, across ? y - 60 : y));
        EXPECT_FALSE(dark(across ? x : x + 60, across ? y + 60 : y));
        EXPECT_TRUE(dark(c.x2 - (across ? 40 : 0), c.y2 - (across ? 0 : 40)));
        EXPECT_FALSE(dark(c.x2 + (across ? 60 : 0), c.y2 + (across ? 0 : 60)));
    }
}

// Each call is a letter and a code: P SetPaperSize, O SetOrientation.
struct SetupCase {
    const char* calls;
    QSizeF points;
};

TEST(PdfPageSetup, PaperAndOrientationCodesGiveThePageSize) {
    const SetupCase cases[] = {
        {"", {612, 792}},       {"O2", {792, 612}},           {"P6", {396, 612}},
        {"O2 P6", {612, 396}},  {"P20", {684, 297}},          {"O1 P20", {684, 297}},
        {"P20 P1", {612, 792}}, {"O2 P6 P99 O0", {612, 396}},
    };
    for (const SetupCase& c : cases) {
        QTemporaryDir dir;
        const QString file = dir.filePath("setup.pdf");
        auto surface = pdfSurface(file);
        for (const QString& call : QString(c.calls).split(' ', Qt::SkipEmptyParts)) {
            const int code = call.mid(1).toInt();
            call[0] == 'P' ? surface->SetPaperSize(code) : surface->SetOrientation(code);
        }
        surface->PrintLine("x");
        surface->finish();
        EXPECT_EQ(pageSizes(file), std::vector<QSizeF>{c.points}) << c.calls;
    }
}

TEST_F(PdfSurface, DocumentsFollowEachOtherInOneFileEachPageWithItsSetUp) {
    surface->SetPaperSize(20);
    printAt(6000, 2000, "First");
    surface->SetPaperSize(6); // only for the page begun next
    surface->PrintLine("Same");
    surface->NewPage();
    surface->SetPaperSize(20);
    printAt(6000, 2000, "Second");
    surface->EndDocument();
    surface->SetOrientation(2);
    surface->SetPaperSize(6);
    printAt(400, 340, "Card");
    surface->EndDocument();
    surface->SetPaperSize(1);
    surface->SetOrientation(1);
    printAt(0, 0, "Flier");
    const auto all = finishedWords();

    EXPECT_EQ(surface->documents(), 3);
    EXPECT_EQ(surface->pages(), 4);
    EXPECT_EQ(pageSizes(file),
              (std::vector<QSizeF>{{684, 297}, {684, 297}, {612, 396}, {612, 792}}));
    struct Expected {
        QString text;
        int page, x, y;
    };
    const Expected expected[] = {{"First", 1, 6000, 2000},
                                 {"Second", 2, 6000, 2000},
                                 {"Card", 3, 400, 340},
                                 {"Flier", 4, 0, 0}};
    for (const Expected& e : expected) {
        const Word w = only(all, e.text);
        EXPECT_EQ(w.page, e.page) << e.text.toStdString();
        EXPECT_NEAR(w.xMin, toPoints(e.x), kTolerance) << e.text.toStdString();
        EXPECT_NEAR(w.yMin, toPoints(e.y), kTolerance) << e.text.toStdString();
    }
    EXPECT_EQ(only(all, "Same").page, 1);
}

// Names "N001" on; no country, no contact: three lines a label.
class Numbered final : public AddressSource {
public:
    explicit Numbered(int n) : n_(n) {}
    int count(const RecordChoice&) override { return n_; }
    void open(const RecordChoice&, int skip) override { next_ = skip; }
    std::optional<AddressLines> next() override {
        if (next_ >= n_)
            return std::nullopt;
        ++next_;
        return AddressLines{QStringLiteral("N%1").arg(next_, 3, 10, QChar('0')), "Street", "Town",
                            "", ""};
    }

private:
    int n_;
    int next_ = 0;
};

// Catalogue sheets on their paper: every name at its label, on sheet 1 and 2,
// after the first slots left free, moved by the adjustment and the offsets.
TEST(PdfStock, LabelsLandInTheirSlotsOnTheirPaper) {
    struct Case {
        std::shared_ptr<const StockTemplate> stock;
        int startAt;
        qint16 adjustment;
        PrintOffset offset;
        QSizeF paper;
    };
    const Case cases[] = {
        {testing::avery5160(), 1, 0, {}, {612, 792}},
        {testing::avery5160(), 29, 144, {-72, 36}, {612, 792}},
        {testing::averyL7160(), 5, -72, {36, 0}, {595, 842}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stock->id.toStdString());
        const int count = c.stock->labelCount();
        const int items = count + 3;
        QTemporaryDir dir;
        const QString file = dir.filePath("stock.pdf");
        PrintJob job;
        job.stock = c.stock;
        job.startAt = c.startAt;
        job.verticalAdjustment = c.adjustment;
        job.offset = c.offset;
        Numbered source(items);
        auto surface = pdfSurface(file);
        EXPECT_EQ(runPrint(job, source, *surface).items, items);
        surface->finish();
        EXPECT_EQ(pageSizes(file),
                  std::vector<QSizeF>((c.startAt - 1 + items + count - 1) / count, c.paper));
        const auto all = words(file);
        const auto labels = c.stock->labels();
        // Three 12-point lines centred in the label: the first cell this far down.
        const double blockTop = (c.stock->labelHeight.points() - 3 * 13.8) / 2;
        for (int i = 0; i < items; ++i) {
            const int slot = c.startAt - 1 + i;
            const StockLabel& label = labels[std::size_t(slot % count)];
            const Word w = only(all, QStringLiteral("N%1").arg(i + 1, 3, 10, QChar('0')));
            SCOPED_TRACE(i);
            EXPECT_EQ(w.page, slot / count + 1);
            EXPECT_NEAR(w.xMin, (label.left + c.stock->margin).points() + c.offset.x / 20.0,
                        kTolerance);
            EXPECT_NEAR(w.yMin, label.top.points() + blockTop + (c.adjustment + c.offset.y) / 20.0,
                        kTolerance);
        }
    }
}

TEST(PdfStock, EnvelopesAndCardsGoOutLandscapeOnTheirPaper) {
    struct Case {
        std::shared_ptr<const StockTemplate> stock;
        QSizeF paper;
    };
    const Case cases[] = {{testing::envelopeDL(), {623.6, 311.8}},
                          {testing::postcardA6(), {419.5, 297.6}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stock->id.toStdString());
        QTemporaryDir dir;
        const QString file = dir.filePath("stock.pdf");
        PrintJob job;
        job.stock = c.stock;
        job.returnAddress = {"Ann Sender", "1 Main St", "Town"};
        Numbered source(2);
        auto surface = pdfSurface(file);
        runPrint(job, source, *surface);
        surface->finish();
        const auto sizes = pageSizes(file);
        ASSERT_EQ(sizes.size(), 2u);
        for (const QSizeF& size : sizes) {
            EXPECT_NEAR(size.width(), c.paper.width(), 1);
            EXPECT_NEAR(size.height(), c.paper.height(), 1);
        }
        // The recipient right of the centre line, below the middle.
        const Word name = only(words(file), "N001");
        EXPECT_GT(name.xMin, c.paper.width() / 2);
        EXPECT_GE(name.yMin + 0.5, c.paper.height() / 2);
        EXPECT_LT(name.yMax, c.paper.height());
    }
}

// Each letter is one call: L PrintLine, I PrintInline, D DrawLine, N NewPage, E EndDocument.
struct LazyCase {
    const char* calls;
    int pages;
    int documents;
};

TEST(PdfLazyPages, OnlyPagesWithSomethingOnThemAreEmitted) {
    const LazyCase cases[] = {
        {"", 0, 0},    {"E", 0, 0},    {"NNE", 0, 0},   {"L", 1, 1},     {"LLI", 1, 1},
        {"LNE", 1, 1}, {"LNNN", 1, 1}, {"NNL", 1, 1},   {"LNL", 2, 1},   {"LNNNI", 2, 1},
        {"LEE", 1, 1}, {"LENE", 1, 1}, {"LEL", 2, 2},   {"LNENL", 2, 2}, {"ILNLNLNE", 3, 1},
        {"D", 1, 1},   {"DNL", 2, 1},  {"LNDED", 3, 2},
    };
    for (const LazyCase& c : cases) {
        QTemporaryDir dir;
        const QString file = dir.filePath("lazy.pdf");
        auto surface = pdfSurface(file);
        for (const char* call = c.calls; *call; ++call) {
            if (*call == 'L')
                surface->PrintLine("line");
            else if (*call == 'I')
                surface->PrintInline("inline");
            else if (*call == 'D')
                surface->DrawLine(0, 0, 1440, 0);
            else if (*call == 'N')
                surface->NewPage();
            else
                surface->EndDocument();
        }
        surface->finish();
        EXPECT_EQ(surface->pages(), c.pages) << c.calls;
        EXPECT_EQ(surface->documents(), c.documents) << c.calls;
        EXPECT_EQ(QFile::exists(file), c.pages > 0) << c.calls;
        if (c.pages > 0) {
            EXPECT_EQ(pageSizes(file).size(), size_t(c.pages)) << c.calls;
        }
    }
}

TEST(PdfFile, UnwritablePathIsRefusedBeforeDrawingAndDroppedRunsWriteNothing) {
    QTemporaryDir dir;
    // Every reason is told through the print command's refusals; here only when.
    EXPECT_THROW(pdfSurface(dir.filePath("missing/out.pdf")), PrintError);
    const QString dropped = dir.filePath("dropped.pdf");
    pdfSurface(dropped)->PrintLine("x");
    EXPECT_TRUE(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        << "neither the file nor its temporary file";
}

TEST(PdfFile, ViewerPreferencesGoOnAsAnUpdateOfWhatQtWrote) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        QPainter painter(&writer);
        painter.drawText(100, 100, "x");
    }
    const QByteArray qt = buffer.data();
    const QByteArray previous = qt.mid(qt.lastIndexOf("startxref")).split('\n').value(1).trimmed();
    const QByteArray updated = qt + pdfViewerPreferencesUpdate(qt, qt, qt.size(), false);
    const QByteArray head = qt.left(PdfEnds::kHeadBytes);
    const QByteArray tail = qt.right(PdfEnds::kTailBytes);
    const struct {
        const char* what;
        QByteArray head, tail;
        qint64 length;
        bool labelSheets;
        QByteArrayList shown; // none: the file is left as it was
    } cases[] = {
        {"label sheets",
         head,
         tail,
         qt.size(),
         true,
         {"/Type /Catalog", "/ViewerPreferences << /PrintScaling /None /Duplex /Simplex >>",
          "/Prev " + previous}},
        {"cards", head, tail, qt.size(), false, {"/ViewerPreferences << /PrintScaling /None >>"}},
        {"the catalogue cut off", qt.left(100), tail, qt.size(), true, {}},
        {"more after the trailer", head, tail + "x", qt.size() + 1, true, {}},
        {"updated already", updated, updated.right(PdfEnds::kTailBytes), updated.size(), true, {}},
        {"not a PDF", "%!PS", "showpage", 12, false, {}},
    };
    for (const auto& c : cases) {
        const QByteArray update =
            pdfViewerPreferencesUpdate(c.head, c.tail, c.length, c.labelSheets);
        EXPECT_EQ(update.isEmpty(), c.shown.isEmpty()) << c.what;
        for (const QByteArray& text : c.shown)
            EXPECT_TRUE(update.contains(text)) << c.what << ": " << text.toStdString();
        EXPECT_EQ(update.contains("/Duplex"), c.labelSheets && !update.isEmpty()) << c.what;
    }
}

TEST(Printers, UnknownPrinterFailsWhenTheJobStartsAndNotBefore) {
    EXPECT_FALSE(printerExists("No Such Printer 7"));
    EXPECT_FALSE(printerExists(QString()));
    auto surface = printerSurface("No Such Printer 7");
    surface->SetPaperSize(20);
    surface->SetX(100);
    surface->NewPage();
    EXPECT_NO_THROW(surface->finish());
    try {
        surface->PrintLine("x");
        ADD_FAILURE() << "no error";
    } catch (const PrintError& e) {
        EXPECT_EQ(e.message(), "The printer \"No Such Printer 7\" could not start the print job.");
    }
    EXPECT_EQ(surface->pages(), 0);
    EXPECT_NO_THROW(surface->EndDocument());
    EXPECT_EQ(surface->documents(), 0);

    if (defaultPrinterName().isEmpty())
        EXPECT_THROW(printerSurface(QString())->PrintLine("x"), PrintError);
    else
        EXPECT_TRUE(printerExists(defaultPrinterName()));
}

// The queue of the print service the test run starts for itself
// (tools/cups-server), whose printable area starts half an inch in; its jobs
// land in one file as the PDF the printer would be sent.
struct TestQueue {
    QString name;
    QString output;
};

std::optional<TestQueue> testQueue() {
    const QString state = qEnvironmentVariable("RAVELBOOK_TEST_CUPS_STATE");
    const auto read = [&](const char* name) {
        QFile file(QDir(state).filePath(name));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed()
                                              : QString();
    };
    if (state.isEmpty() || read("queue").isEmpty())
        return std::nullopt;
    return TestQueue{read("queue"), read("output")};
}

// Until the queue holds no job; false when one is still there after a while.
bool queueDrained(const QString& queue) {
    for (int tries = 0; tries < 300; ++tries) {
        if (runTool("lpstat", {"-o", queue}).trimmed().isEmpty())
            return true;
        QThread::msleep(100);
    }
    return false;
}

// A word of a printed page where it lies on the PDF's page: a landscape page
// comes out on paper fed the other way, turned a quarter.
Word asOnPage(const Word& w, const QSizeF& printed, const QSizeF& page) {
    if (printed == page)
        return w;
    return {w.text, w.page, page.width() - w.yMax, w.xMin, page.width() - w.yMin, w.xMax};
}

TEST(Printers, DirectPrintLandsOnThePaperOfThePdfWhereThePdfPutsIt) {
    const auto queue = testQueue();
    if (!queue)
        GTEST_SKIP() << "no test print queue: RAVELBOOK_TEST_CUPS_STATE does not name a running "
                        "tools/cups-server (cupsd from Debian's cups-daemon)";
    for (const Stationery stationery :
         {Stationery::SmallLabels, Stationery::Envelopes, Stationery::Cards}) {
        SCOPED_TRACE(stationeryTitle(stationery).toStdString());
        // A page with one line, then the calibration sheet, whose rulers and
        // heading put text all over the next page of the same job.
        const auto draw = [&](PaintedSurface& surface) {
            const Layout& layout = layoutFor(stationery);
            if (layout.orientation)
                surface.SetOrientation(*layout.orientation);
            if (layout.paperSize)
                surface.SetPaperSize(*layout.paperSize);
            surface.SetY(340);
            surface.PrintLine("First");
            surface.NewPage();
            drawCalibrationSheet(surface, stationery);
            surface.finish();
        };
        QTemporaryDir dir;
        const QString pdf = dir.filePath("sheet.pdf");
        draw(*pdfSurface(pdf));
        QFile::remove(queue->output);
        PaintedSurface onPrinter(SystemPrinters().open(queue->name));
        draw(onPrinter);
        ASSERT_TRUE(queueDrained(queue->name)) << "the job is still queued, or stopped";

        // The job is on the paper of the PDF's pages, fed either way.
        const auto pages = pageSizes(pdf);
        const auto printedPages = pageSizes(queue->output);
        ASSERT_EQ(pages.size(), 2u);
        ASSERT_EQ(printedPages.size(), 2u);
        EXPECT_EQ(printedPages[1], printedPages[0]);
        const QSizeF page = pages[0], printedPage = printedPages[0];
        EXPECT_TRUE(printedPage == page || printedPage == page.transposed())
            << printedPage.width() << " x " << printedPage.height() << " pt";

        std::vector<Word> printed;
        for (const Word& w : words(queue->output))
            printed.push_back(asOnPage(w, printedPage, page));
        const auto expected = words(pdf);
        EXPECT_EQ(printed.size(), expected.size());
        QStringList missed;
        for (const Word& e : expected) {
            const bool found = std::any_of(printed.begin(), printed.end(), [&](const Word& p) {
                return p.text == e.text && p.page == e.page && std::abs(p.xMin - e.xMin) < 0.2 &&
                       std::abs(p.yMin - e.yMin) < 0.2;
            });
            if (!found)
                missed << QStringLiteral("\"%1\" at %2, %3 pt").arg(e.text).arg(e.xMin).arg(e.yMin);
        }
        EXPECT_TRUE(missed.isEmpty()) << missed.size() << " words printed elsewhere, such as "
                                      << missed.mid(0, 3).join("; ").toStdString();
    }
}

} // namespace
} // namespace ravelbook
