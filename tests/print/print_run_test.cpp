// The print run against the line tables of every stationery: what is drawn
// where, in which type, and how sheets and documents are broken.
#include "print/book_addresses.h"
#include "print/calibration_sheet.h"
#include "print/layout.h"
#include "print/mailing_run.h"
#include "print/preview_target.h"
#include "print/print_run.h"
#include "print/stock_layout.h"
#include "store/database.h"
#include "support/recording_surface.h"
#include "support/stock_templates.h"
#include "support/temp_book.h"

#include <gtest/gtest.h>
#include <QImage>

namespace ravelbook {
namespace {

using testing::Person;
using testing::RecordingSurface;
using testing::TempBook;

// Records held in memory, in print order.
class Records final : public AddressSource {
public:
    int count(const RecordChoice& choice) override {
        return choice.single ? (choice.record && *choice.record < int(all.size()) ? 1 : 0)
                             : int(all.size());
    }
    void open(const RecordChoice& choice, int skip) override {
        next_ = choice.single ? std::size_t(choice.record.value_or(all.size())) : std::size_t(skip);
        end_ = choice.single ? std::min(next_ + 1, all.size()) : all.size();
        ++opened;
    }
    std::optional<AddressLines> next() override {
        if (next_ >= end_)
            return std::nullopt;
        return all[next_++];
    }

    std::vector<AddressLines> all;
    int opened = 0;

private:
    std::size_t next_ = 0;
    std::size_t end_ = 0;
};

const AddressLines kSmith{"Smith, John", "12 Elm St", "Springfield, IL 62701", "USA", "Mary Jones"};

class PrintRunTest : public ::testing::Test {
protected:
    PrintRunTest() {
        job.firstNameFirst = false;
        job.returnAddress = {"Ann Sender", "1 Main St", "Town, ST 00000"};
        job.specialText = "Happy Holidays";
    }

    PrintOutcome print(Stationery stationery, bool biFold = false) {
        job.stationery = stationery;
        job.biFold = biFold;
        return runPrint(job, records, surface);
    }

    // n records named "Name 01" and so on.
    void addMembers(int n) {
        records.all.clear();
        for (int i = 1; i <= n; ++i)
            records.all.push_back({QString("Name %1").arg(i, 2, 10, QChar('0')), "a", "c", "", ""});
    }

    PrintJob job;
    Records records;
    RecordingSurface surface;
};

struct Line {
    QString text;
    int x;
    int y;
    int size;
    bool bold;
    bool endsLine = true;
};

void expectLines(const std::vector<RecordingSurface::Drawn>& drawn, std::size_t first,
                 const std::vector<Line>& lines) {
    ASSERT_GE(drawn.size(), first + lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto& d = drawn[first + i];
        const Line& l = lines[i];
        SCOPED_TRACE("line " + std::to_string(i) + " \"" + l.text.toStdString() + "\"");
        EXPECT_EQ(d.text, l.text);
        EXPECT_EQ(d.x, l.x);
        EXPECT_EQ(d.y, l.y);
        EXPECT_EQ(d.size, l.size);
        EXPECT_EQ(d.bold, l.bold);
        EXPECT_EQ(d.endsLine, l.endsLine);
        EXPECT_EQ(d.font, "Times New Roman");
    }
}

// The return address and recipient block of envelopes, cards and fliers, the
// "TO:" line at toY; the special text at specialY.
std::vector<Line> singleItemLines(int toY, int specialY) {
    return {{"From: ", 360, 600, 14, false, false},
            {"Ann Sender", 360, 960, 14, false},
            {"1 Main St", 360, 1320, 14, false},
            {"Town, ST 00000", 360, 1680, 14, false},
            {"TO:", 5400, toY, 14, true},
            {"Smith, John", 6000, toY, 14, true},
            {"12 Elm St", 6000, toY + 360, 14, true},
            {"Springfield, IL 62701", 6000, toY + 720, 14, true},
            {"USA", 6000, toY + 1080, 14, true},
            {"ATTN: ", 6000, toY + 1440, 14, true, false},
            {"Mary Jones", 6000, toY + 1440, 14, true},
            {"Happy Holidays", 360, specialY, 18, true}};
}

TEST_F(PrintRunTest, EveryStationeryDrawsItsLinesWhereItsTableSays) {
    records.all = {kSmith};
    struct Case {
        const char* name;
        Stationery stationery;
        bool biFold;
        std::vector<Line> lines;
    };
    const Case cases[] = {
        {"small labels",
         Stationery::SmallLabels,
         false,
         {{"TO:", 400, 340, 12, true},
          {"Smith, John", 1000, 340, 12, true},
          {"12 Elm St", 1000, 600, 12, true},
          {"Springfield, IL 62701", 1000, 860, 12, true},
          {"USA", 1000, 1120, 12, true},
          {"ATTN: ", 1000, 1380, 12, true, false},
          {"Mary Jones", 1000, 1380, 12, true}}},
        {"large labels",
         Stationery::LargeLabels,
         false,
         {{"From:", 360, 360, 12, false},
          {"Ann Sender", 360, 650, 12, false},
          {"1 Main St", 360, 940, 12, false},
          {"Town, ST 00000", 360, 1230, 12, false},
          {"TO:", 1400, 1665, 12, true},
          {"Smith, John", 2000, 1665, 12, true},
          {"12 Elm St", 2000, 1955, 12, true},
          {"Springfield, IL 62701", 2000, 2245, 12, true},
          {"USA", 2000, 2535, 12, true},
          {"ATTN: ", 2000, 2825, 12, true, false},
          {"Mary Jones", 2000, 2825, 12, true}}},
        {"envelopes", Stationery::Envelopes, false, singleItemLines(2340, 4140)},
        {"cards", Stationery::Cards, false, singleItemLines(2540, 4700)},
        {"fliers", Stationery::Fliers, false, singleItemLines(2540, 4340)},
        {"bi-fold fliers", Stationery::Fliers, true, singleItemLines(3480, 5640)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        surface = {};
        const PrintOutcome outcome = print(c.stationery, c.biFold);
        EXPECT_EQ(outcome.items, 1);
        EXPECT_EQ(surface.drawn.size(), c.lines.size());
        expectLines(surface.drawn, 0, c.lines);
        EXPECT_EQ(surface.calls.back(), "EndDocument");
        EXPECT_EQ(surface.calls.count("EndDocument"), 1);
    }
}

TEST_F(PrintRunTest, PageSetUpComesFirstInEveryItemOfItsOwnDocument) {
    records.all = {kSmith,
                   {"Doe, Jane", "1 Road", "Place", "", "Him"},
                   {"Roe, Rich", "2 Road", "Place", "", "Her"}};
    struct Case {
        Stationery stationery;
        QStringList setUp;
    };
    const Case cases[] = {
        {Stationery::Envelopes, {"SetPaperSize 20"}},
        {Stationery::Cards, {"SetOrientation 2", "SetPaperSize 6"}},
        {Stationery::Fliers, {}},
    };
    for (const Case& c : cases) {
        surface = {};
        print(c.stationery);
        EXPECT_EQ(surface.documentsEnded, 3);
        EXPECT_EQ(surface.calls.count("NewPage"), 0);
        // Each document: its set-up, the font, then drawing; ended before the next begins.
        int item = 0;
        for (int i = 0; i < surface.calls.size(); ++i) {
            if (i == 0 || surface.calls[i - 1] == "EndDocument") {
                EXPECT_EQ(surface.calls.mid(i, c.setUp.size() + 1),
                          c.setUp + QStringList{"SetFontName Times New Roman"});
                ++item;
            }
        }
        EXPECT_EQ(item, 3);
        // One document per item, each with all twelve lines.
        for (int document = 0; document < 3; ++document) {
            const auto count = std::count_if(surface.drawn.begin(), surface.drawn.end(),
                                             [&](const auto& d) { return d.document == document; });
            EXPECT_EQ(count, 12);
        }
    }
}

TEST_F(PrintRunTest, LabelSheetsFillAcrossThenDownAndBreakWhenFull) {
    struct Case {
        Stationery stationery;
        int records;
        int perSheet;
        int rowPitch;
        int firstY; // of "TO:"
    };
    const Case cases[] = {
        {Stationery::SmallLabels, 20, 20, 1440, 340},
        {Stationery::SmallLabels, 21, 20, 1440, 340},
        {Stationery::LargeLabels, 10, 10, 2880, 1665},
        {Stationery::LargeLabels, 11, 10, 2880, 1665},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.records);
        addMembers(c.records);
        surface = {};
        EXPECT_EQ(print(c.stationery).items, c.records);

        QStringList ends;
        for (const QString& call : surface.calls) {
            if (call == "NewPage" || call == "EndDocument")
                ends << call;
        }
        // A full sheet is followed by NewPage even when nothing comes after it.
        EXPECT_EQ(ends, (QStringList{"NewPage", "EndDocument"}));

        std::vector<RecordingSurface::Drawn> to;
        for (const auto& d : surface.drawn) {
            if (d.text == "TO:")
                to.push_back(d);
        }
        ASSERT_EQ(int(to.size()), c.records);
        for (int i = 0; i < c.records; ++i) {
            const int slot = i % c.perSheet;
            SCOPED_TRACE(i);
            EXPECT_EQ(to[i].page, i / c.perSheet);
            EXPECT_EQ(to[i].x - (c.stationery == Stationery::SmallLabels ? 400 : 1400),
                      slot % 2 * 6000);
            EXPECT_EQ(to[i].y, c.firstY + slot / 2 * c.rowPitch);
        }
    }
}

TEST_F(PrintRunTest, AdjustmentMovesLabelsOnlyOffsetsMoveEverythingOverflowSkipsItsSteps) {
    records.all = {kSmith};
    struct Case {
        Stationery stationery;
        qint16 adjustment;
        PrintOffset offset;
        int toX;
        int toY;
        int lineEnd; // the edge of the label, or of the printable area
    };
    const Case cases[] = {
        {Stationery::SmallLabels, 180, {}, 400, 340 + 180, -135 + 5760},
        {Stationery::SmallLabels, -60, {}, 400, 340 - 60, 5625},
        {Stationery::SmallLabels, 180, {-90, 45}, 400 - 90, 340 + 180 + 45, 5625 - 90},
        {Stationery::LargeLabels, 180, {}, 1400, 1665 + 180, 5625},
        {Stationery::LargeLabels, 180, {100, -100}, 1500, 1665 + 80, 5725},
        {Stationery::Envelopes, 180, {}, 5400, 2340, 9 * 1440},
        {Stationery::Envelopes, 180, {30, 60}, 5430, 2400, 9 * 1440 + 30},
        {Stationery::Cards, -300, {}, 5400, 2540, 8 * 1440},
        {Stationery::Fliers, 180, {-20, 0}, 5380, 2540, 8 * 1440 - 20},
        // The start can't be formed: Y keeps its value from before the run (0).
        {Stationery::SmallLabels, 32500, {}, 400, 0, 5625},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.adjustment);
        surface = {};
        job.verticalAdjustment = c.adjustment;
        job.offset = c.offset;
        print(c.stationery);
        const auto to = std::find_if(surface.drawn.begin(), surface.drawn.end(),
                                     [](const auto& d) { return d.text == "TO:"; });
        ASSERT_NE(to, surface.drawn.end());
        EXPECT_EQ(to->x, c.toX);
        EXPECT_EQ(to->y, c.toY);
        EXPECT_EQ(to->lineEnd, c.lineEnd);
    }

    // Large labels at 30000: moving Y down to the contact line would pass 32767;
    // that step is skipped and the contact lands on the line above.
    surface = {};
    job.offset = {};
    job.verticalAdjustment = 30000;
    print(Stationery::LargeLabels);
    const QStringList tail = surface.calls.mid(surface.calls.indexOf("PrintLine USA") - 1);
    EXPECT_EQ(tail, (QStringList{"SetY 32535", "PrintLine USA", "SetX 2000", "SetY 32535",
                                 "PrintInline ATTN: ", "PrintLine Mary Jones", "EndDocument"}));
}

TEST_F(PrintRunTest, ContactLineAndEmptyLinesKeepTheirPlaces) {
    records.all = {{"Blank, Contact", "", "", "", ""}, {"Space, Contact", "1 Rd", "", "", " "}};
    job.returnAddress = {"", " ", ""};
    print(Stationery::Envelopes);
    QStringList texts;
    for (const auto& d : surface.drawn)
        texts << d.text;
    // An empty contact draws nothing on its line; a blank one is a contact.
    EXPECT_EQ(texts.count("ATTN: "), 1);
    const auto attn = std::find_if(surface.drawn.begin(), surface.drawn.end(),
                                   [](const auto& d) { return d.text == "ATTN: "; });
    EXPECT_EQ(attn->document, 1);
    EXPECT_EQ((attn + 1)->text, " ");
    // Empty address lines are drawn in their places; the special text doesn't move up.
    const auto special = std::find_if(surface.drawn.begin(), surface.drawn.end(),
                                      [](const auto& d) { return d.text == "Happy Holidays"; });
    EXPECT_EQ(special->y, 4140);
    EXPECT_EQ(special->document, 0);
    // No return address: no bare heading, and "TO:" stays where it was.
    EXPECT_EQ(texts.count("From: "), 0);
    EXPECT_EQ(surface.drawn.front().text, "TO:");
    EXPECT_EQ(surface.drawn.front().y, 2340);
}

// Closed up, the block's lines follow one another; the special text and the
// recipient block below a closed-up return address keep their places.
TEST_F(PrintRunTest, ClosedUpLinesLeaveNoGapOnEveryStationery) {
    records.all = {{"Gap, Ann", "", "Town", "", "Jo"}};
    job.returnAddress = {"Ann Sender", "", "Town, ST 00000"};
    struct Case {
        Stationery stationery;
        std::shared_ptr<const StockTemplate> stock;
    };
    const Case cases[] = {{Stationery::SmallLabels, nullptr},
                          {Stationery::LargeLabels, nullptr},
                          {Stationery::Envelopes, nullptr},
                          {Stationery::Cards, nullptr},
                          {Stationery::Fliers, nullptr},
                          {Stationery::SmallLabels, testing::avery5160()},
                          {Stationery::SmallLabels, testing::roundLabels()}};
    const auto yOf = [this](const QString& text) {
        for (const auto& d : surface.drawn)
            if (d.text == text)
                return d.y;
        ADD_FAILURE() << text.toStdString();
        return 0;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.stationery));
        job.stock = c.stock;
        job.closeUp = false;
        surface = {};
        print(c.stationery);
        const Layout layout = layoutOf(job);
        const bool fitted = layout.fitsLabel;
        const int special = layout.special ? yOf("Happy Holidays") : 0;
        const int to = fitted ? 0 : yOf("TO:");
        const int gappedName = yOf("Gap, Ann");

        job.closeUp = true;
        surface = {};
        print(c.stationery);
        const int step = fitted ? surface.drawn.front().size * 23 : layout.lineStep;
        const int name = yOf("Gap, Ann");
        EXPECT_EQ(yOf("Town"), name + step);
        EXPECT_EQ(yOf("ATTN: "), name + 2 * step);
        if (fitted) {
            EXPECT_GT(name, gappedName); // the shorter block centred again
            continue;
        }
        EXPECT_EQ(name, gappedName);
        EXPECT_EQ(yOf("TO:"), to);
        if (layout.special) {
            EXPECT_EQ(yOf("Happy Holidays"), special);
        }
        if (layout.heading) {
            EXPECT_EQ(yOf("Town, ST 00000"), yOf("Ann Sender") + layout.lineStep);
        }
    }
}

// The return address on every free label, as its sender wrote it; nothing
// but labels takes it, and an empty one prints nothing.
TEST_F(PrintRunTest, SenderLabelsPrintTheReturnAddressOnTheLabelsAskedFor) {
    job.returnAddress = {"Sender, Ann", "1 Main St", "Town, ST 00000"};
    job.firstNameFirst = true;
    job.senderLabels = true;
    job.records.single = true; // no record chosen: none is needed
    struct Case {
        Stationery stationery;
        std::shared_ptr<const StockTemplate> stock;
        int startAt;
        int copies;
        bool fillSheet;
        int labels;
        int pages;
    };
    const Case cases[] = {
        {Stationery::SmallLabels, nullptr, 5, 1, true, 16, 1},
        {Stationery::LargeLabels, nullptr, 9, 3, false, 3, 2},
        {Stationery::SmallLabels, testing::avery5160(), 1, 1, true, 30, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.labels);
        job.stationery = c.stationery;
        job.stock = c.stock;
        job.startAt = c.startAt;
        job.copies = c.copies;
        job.fillSheet = c.fillSheet;
        surface = {};
        MailingRun run(job, records);
        ASSERT_FALSE(run.select());
        EXPECT_EQ(run.run().pageCount(), c.pages);
        EXPECT_EQ(run.run().draw(surface).items, c.labels);
        QStringList texts;
        for (const auto& d : surface.drawn)
            texts << d.text;
        EXPECT_EQ(texts.count("Sender, Ann"), c.labels);
        EXPECT_EQ(texts.count("Town, ST 00000"), c.labels);
        EXPECT_FALSE(texts.contains("TO:"));
        EXPECT_FALSE(texts.contains("From:"));
        // Inside the label of the first slot.
        const Layout::Stock label = run.run().layout().stockOf(c.startAt - 1);
        EXPECT_GT(surface.drawn.front().x, label.left);
        EXPECT_GT(surface.drawn.front().y, label.top);
        EXPECT_LT(surface.drawn.front().y, label.top + label.height);
    }
    job.stock = nullptr;
    job.stationery = Stationery::Envelopes;
    EXPECT_EQ(MailingRun(job, records).select()->refusal.text(), kSenderLabelsNeedLabels.text());
    job.stationery = Stationery::SmallLabels;
    job.returnAddress = {"", " ", ""};
    EXPECT_EQ(MailingRun(job, records).select()->refusal.text(), kNoReturnAddress.text());
}

// Slots on the first and second sheet for a run that starts part way down a sheet.
TEST_F(PrintRunTest, StartAtLabelLeavesTheFirstSlotsOfTheFirstSheetEmpty) {
    struct Case {
        Stationery stationery;
        int startAt;
        int records;
        std::vector<std::pair<int, int>> pageAndSlot; // of each item
        int copies = 1;
        bool fillSheet = false; // of the first record alone
    };
    const std::vector<std::pair<int, int>> lastSix = {{0, 14}, {0, 15}, {0, 16},
                                                      {0, 17}, {0, 18}, {0, 19}};
    const Case cases[] = {
        {Stationery::SmallLabels, 1, 2, {{0, 0}, {0, 1}}},
        {Stationery::SmallLabels, 2, 3, {{0, 1}, {0, 2}, {0, 3}}},
        {Stationery::SmallLabels, 20, 3, {{0, 19}, {1, 0}, {1, 1}}},
        {Stationery::LargeLabels, 10, 2, {{0, 9}, {1, 0}}},
        {Stationery::LargeLabels, 9, 1, {{0, 8}}}, // fewer records than free slots
        // Copies in a row, across the sheet's end.
        {Stationery::SmallLabels, 19, 2, {{0, 18}, {0, 19}, {1, 0}, {1, 1}}, 2},
        {Stationery::LargeLabels, 9, 1, {{0, 8}, {0, 9}, {1, 0}}, 3},
        {Stationery::SmallLabels, 15, 3, lastSix, 1, true},
        {Stationery::SmallLabels, 15, 1, lastSix, 40, true}, // the sheet, not the copies
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.startAt) + " x" + std::to_string(c.copies));
        addMembers(c.records);
        surface = {};
        job.startAt = c.startAt;
        job.verticalAdjustment = 90;
        job.offset = {15, 30};
        job.stationery = c.stationery;
        job.copies = c.copies;
        job.fillSheet = c.fillSheet;
        job.records.single = c.fillSheet;
        job.records.record = 0;
        PrintRun run(job, records);
        run.select();
        EXPECT_EQ(run.pageCount(), int(c.pageAndSlot.back().first) + 1);
        EXPECT_EQ(run.draw(surface).items, int(c.pageAndSlot.size()));

        const Layout& layout = layoutFor(c.stationery);
        std::vector<RecordingSurface::Drawn> to;
        QStringList names;
        for (std::size_t i = 0; i + 1 < surface.drawn.size(); ++i) {
            if (surface.drawn[i].text == "TO:") {
                to.push_back(surface.drawn[i]);
                names << surface.drawn[i + 1].text;
            }
        }
        ASSERT_EQ(to.size(), c.pageAndSlot.size());
        for (std::size_t i = 0; i < to.size(); ++i) {
            const auto [page, slot] = c.pageAndSlot[i];
            EXPECT_EQ(names[int(i)], c.fillSheet ? "Name 01" : records.all[i / c.copies][0]);
            EXPECT_EQ(to[i].page, page);
            EXPECT_EQ(to[i].x, 15 + layout.toX + slot % 2 * 6000);
            EXPECT_EQ(to[i].y, 30 + 90 + layout.startY + layout.moveBeforeTo +
                                   (layout.heading ? 3 * layout.lineStep : 0) +
                                   slot / 2 * layout.rowPitch);
            EXPECT_EQ(to[i].lineEnd, 15 + layout.stockOf(slot).left + 5760);
        }
    }
}

// The preview draws a run a page at a time: the pages together are the run.
TEST_F(PrintRunTest, PagesDrawnOneByOneAreTheWholeRun) {
    struct Case {
        Stationery stationery;
        int records;
        int startAt;
        int pages;
        int copies = 1;
    };
    const Case cases[] = {
        {Stationery::SmallLabels, 40, 1, 2}, // a full last sheet
        {Stationery::SmallLabels, 25, 7, 2},    {Stationery::LargeLabels, 11, 1, 2},
        {Stationery::Envelopes, 3, 5, 3}, // one page an item, whatever the start
        {Stationery::Cards, 2, 1, 2},           {Stationery::Fliers, 2, 1, 2},
        {Stationery::SmallLabels, 15, 7, 3, 3}, // a record's copies split by the sheets
        {Stationery::Envelopes, 2, 1, 4, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.records);
        addMembers(c.records);
        job.stationery = c.stationery;
        job.startAt = c.startAt;
        job.copies = c.copies;
        PrintRun run(job, records);
        run.select();
        ASSERT_EQ(run.pageCount(), c.pages);
        RecordingSurface whole;
        run.draw(whole);
        std::vector<RecordingSurface::Drawn> paged;
        for (int page = 0; page < c.pages; ++page) {
            RecordingSurface one;
            run.draw(one, {}, {page, 1});
            for (auto d : one.drawn) {
                EXPECT_EQ(d.page + d.document, 0); // each page drawn alone
                d.page = page;
                paged.push_back(d);
            }
        }
        ASSERT_EQ(paged.size(), whole.drawn.size());
        for (std::size_t i = 0; i < paged.size(); ++i) {
            auto expected = whole.drawn[i];
            expected.page += expected.document; // documents of one item each are pages
            expected.document = 0;
            EXPECT_EQ(paged[i].text, expected.text);
            EXPECT_EQ(paged[i].x, expected.x);
            EXPECT_EQ(paged[i].y, expected.y);
            EXPECT_EQ(paged[i].page, expected.page);
        }
    }
}

// The preview's picture of a page: its paper, ink where the printer draws the
// lines, and on a sheet of labels every label outlined where the sheet has it.
TEST_F(PrintRunTest, PreviewPageShowsTheInkWhereThePrinterDrawsItAndOutlinesTheLabels) {
    constexpr int kDpi = 144; // ten twips a pixel
    struct Case {
        Stationery stationery;
        QSize paper; // pixels
        int startAt;
    };
    const Case cases[] = {
        {Stationery::SmallLabels, {1224, 1584}, 4}, {Stationery::LargeLabels, {1224, 1584}, 1},
        {Stationery::Envelopes, {1368, 594}, 1},    {Stationery::Cards, {1224, 792}, 1},
        {Stationery::Fliers, {1224, 1584}, 1},
    };
    const auto pixel = [](int twips) { return (twips + kNominalMargin) / 10; };
    const auto any = [](const QImage& image, const QRect& area, auto is) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (is(image.pixel(x, y)))
                    return true;
            }
        }
        return false;
    };
    const auto ink = [](QRgb p) { return qGray(p) < 100; };
    const auto outline = [](QRgb p) { return p == kLabelOutline.rgb(); };
    records.all = {kSmith};
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.stationery));
        job.stationery = c.stationery;
        job.startAt = c.startAt;
        PrintRun run(job, records);
        run.select();
        const QImage image = drawPreviewPage(run, 0, kDpi).image;
        ASSERT_EQ(image.size(), c.paper);
        EXPECT_EQ(image.logicalDpiX(), kDpi); // the type is measured for what it is drawn on
        EXPECT_EQ(image.pixel(2, 2), qRgb(255, 255, 255));

        RecordingSurface printer;
        run.draw(printer);
        for (const auto& d : printer.drawn) {
            if (d.text.isEmpty())
                continue;
            SCOPED_TRACE(d.text.toStdString());
            // Ink in the first character's cell, none just before it.
            EXPECT_TRUE(any(image, QRect(pixel(d.x), pixel(d.y), 8, 20), ink));
            if (d.text == "TO:") {
                EXPECT_FALSE(any(image, QRect(pixel(d.x) - 10, pixel(d.y), 7, 20), ink));
            }
        }

        const Layout& layout = job.layout();
        if (layout.documentPerItem()) {
            EXPECT_FALSE(any(image, image.rect(), outline));
            continue;
        }
        for (int slot = 0; slot < layout.itemsPerSheet; ++slot) {
            SCOPED_TRACE(slot);
            const Layout::Stock label = layout.stockOf(slot);
            for (const QPoint corner : {QPoint(label.left, label.top),
                                        QPoint(label.left + label.width, label.top + label.height)})
                EXPECT_TRUE(
                    any(image, QRect(pixel(corner.x()) - 1, pixel(corner.y()) - 1, 3, 3), outline));
        }
        // A label skipped at the start of the sheet is left blank.
        if (c.startAt > 1) {
            const Layout::Stock skipped = layout.stockOf(0);
            EXPECT_FALSE(any(image,
                             QRect(pixel(skipped.left) + 2, pixel(skipped.top) + 2,
                                   skipped.width / 10 - 4, skipped.height / 10 - 4),
                             ink));
        }
    }
}

TEST_F(PrintRunTest, SingleRecordModePrintsTheChosenRecordOnce) {
    TempBook book;
    book.create();
    book.addPerson({"O'Brien, Pat", "Her street", "", "", "", {0}});
    book.addPerson({"Pat' OR '1'='1", "Wrong street", "", "", "", {0}});
    book.addPerson({"O'Brien, Pat", "Second Pat", "", "", "", {0}});
    const auto db = book.open();
    BookAddresses fromBook(*db);
    job.records.single = true;
    job.stationery = Stationery::LargeLabels;
    struct Case {
        std::optional<qint64> record;
        const char* street; // nothing printed without one
    };
    const Case cases[] = {
        {3, "Second Pat"}, {1, "Her street"}, {std::nullopt, nullptr}, {99, nullptr}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.record.value_or(0));
        surface = {};
        job.records.record = c.record;
        const PrintOutcome outcome = runPrint(job, fromBook, surface);
        if (!c.street) {
            EXPECT_EQ(outcome.stop, PrintOutcome::Stop::NoRecord);
            EXPECT_TRUE(surface.calls.isEmpty());
            continue;
        }
        EXPECT_EQ(outcome.items, 1);
        QStringList texts;
        for (const auto& d : surface.drawn)
            texts << d.text;
        EXPECT_TRUE(texts.contains(c.street));
        EXPECT_EQ(surface.calls.count("EndDocument"), 1);
        EXPECT_EQ(surface.calls.back(), "EndDocument");
    }
}

TEST_F(PrintRunTest, GroupsAreReadFromTheBookInItsOrderAndAFailedQueryPrintsNothing) {
    SKIP_ON_SERVER();
    TempBook book;
    book.create();
    book.addPeople({{"Zed, A", "x", "", "", "", {3}},
                    {"Other, Group", "x", "", "", "", {4}},
                    {"", "unnamed", "", "", "", {3}},
                    {"Abe, B", "y", "", "", "", {3, 5}}});
    const auto db = book.open();
    BookAddresses fromBook(*db);
    job.records.groups[3] = true;
    job.records.groups[5] = true;
    job.stationery = Stationery::SmallLabels;
    EXPECT_EQ(runPrint(job, fromBook, surface).items, 2);
    QStringList names;
    for (std::size_t i = 0; i + 1 < surface.drawn.size(); ++i) {
        if (surface.drawn[i].text == "TO:")
            names << surface.drawn[i + 1].text;
    }
    EXPECT_EQ(names, (QStringList{"Zed, A", "Abe, B"}));

    job.records.groups = {};
    job.records.groups[7] = true;
    surface = {};
    EXPECT_EQ(runPrint(job, fromBook, surface).items, 0);
    EXPECT_TRUE(surface.drawn.empty());

    // A locked book: nothing else may be printed instead.
    book.lock();
    job.stationery = Stationery::Envelopes;
    const PrintOutcome outcome = runPrint(job, fromBook, surface);
    book.unlock();
    EXPECT_EQ(outcome.stop, PrintOutcome::Stop::QueryFailed);
    EXPECT_TRUE(outcome.failure.has_value());
    EXPECT_TRUE(surface.drawn.empty());
}

// Each order on every engine, with equal names and equal codes falling back
// on the name and then on the order the records were added.
TEST_F(PrintRunTest, GroupsAreReadInTheChosenSortOrderFromAnySkip) {
    TempBook book;
    book.create();
    book.addPeople({{"Zed, A", "1", "Springfield, IL 62702", "", "", {2}},
                    {"abe, B", "2", "10115 Berlin", "Deutschland", "", {2}},
                    {"Abe, B", "3", "Springfield, IL 62701", "USA", "", {2}},
                    {"Mid, C", "4", "nowhere", "", "", {2}},
                    {"Abe, B", "5", "Springfield IL 62701", "", "", {2}},
                    {"Cat, D", "6", "Springfield, IL 62701", "U.S.", "", {2}},
                    {"Other, Group", "8", "", "", "", {4}},
                    {"Bee", "7", "Apt 5", "", "", {2}}});
    const auto db = book.open();
    BookAddresses fromBook(*db);
    struct Case {
        SortOrder sort;
        int skip;
        QString streets;
    };
    const Case cases[] = {
        {SortOrder::Book, 0, "1234567"},       {SortOrder::Book, 2, "34567"},
        {SortOrder::Name, 0, "3527641"},       {SortOrder::Name, 3, "7641"},
        {SortOrder::PostalCode, 0, "2356174"}, {SortOrder::PostalCode, 4, "174"},
        {SortOrder::PostalCode, 9, ""},
    };
    RecordChoice choice;
    choice.groups[2] = true;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(int(c.sort)) + " from " + std::to_string(c.skip));
        choice.sort = c.sort;
        EXPECT_EQ(fromBook.count(choice), 7);
        fromBook.open(choice, c.skip);
        QString streets;
        while (const std::optional<AddressLines> lines = fromBook.next())
            streets += (*lines)[std::size_t(Field::Address)];
        EXPECT_EQ(streets, c.streets);
    }
}

TEST_F(PrintRunTest, CancellingEndsTheDocumentCleanly) {
    addMembers(5);
    int told = 0;
    const PrintOutcome outcome = runPrint(job, records, surface, [&](int, int total) {
        EXPECT_EQ(total, 5);
        return ++told < 2;
    });
    EXPECT_EQ(outcome.stop, PrintOutcome::Stop::Cancelled);
    EXPECT_EQ(outcome.items, 2);
    EXPECT_EQ(surface.calls.back(), "EndDocument");
}

// Catalogue labels: each line inside its label's shape less the margin, at the
// largest size from 12 points down at which the block fits the label's height.
TEST_F(PrintRunTest, CatalogueLabelsKeepEveryLineInsideTheShapeAtTheSizeThatFits) {
    const AddressLines longLine{"Smith, John", QString(80, 'W'), "Springfield", "", ""};
    struct Case {
        std::shared_ptr<const StockTemplate> stock;
        AddressLines record;
        int lines;
        int size;
    };
    const Case cases[] = {
        {testing::avery5160(), kSmith, 5, 10},   {testing::avery5160(), longLine, 3, 12},
        {testing::averyL7160(), kSmith, 5, 12},  {testing::avery5167(), longLine, 3, 7},
        {testing::roundLabels(), kSmith, 5, 12}, {testing::roundLabels(), longLine, 3, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stock->id.toStdString() + " " + c.record[1].left(5).toStdString());
        records.all = {c.record};
        job.stock = c.stock;
        job.startAt = 2;
        surface = {};
        EXPECT_EQ(print(Stationery::SmallLabels).items, 1);
        ASSERT_EQ(int(surface.drawn.size()), c.lines + (c.record[4].isEmpty() ? 0 : 1));
        // The second label of the sheet, in printable-area twips.
        const StockLabel at = c.stock->labels()[1];
        const double left = at.left.exactTwips() - kNominalMargin;
        const double top = at.top.exactTwips() - kNominalMargin;
        const double width = c.stock->labelWidth.exactTwips();
        const double height = c.stock->labelHeight.exactTwips();
        const double margin = c.stock->margin.exactTwips();
        const auto inside = [&](double x, double y) {
            if (c.stock->shape == StockShape::Rectangle)
                return x >= left + margin - 1 && x <= left + width - margin + 1 &&
                       y >= top + margin - 1 && y <= top + height - margin + 1;
            const double rx = width / 2 - margin, ry = height / 2 - margin;
            const double dx = (x - left - width / 2) / rx, dy = (y - top - height / 2) / ry;
            return dx * dx + dy * dy <= 1.001;
        };
        const int cell = c.size * 23;
        for (const auto& d : surface.drawn) {
            SCOPED_TRACE(d.text.toStdString());
            EXPECT_EQ(d.size, c.size);
            EXPECT_TRUE(d.bold);
            for (const int x : {d.x, d.lineEnd}) {
                EXPECT_TRUE(inside(x, d.y)) << x << "," << d.y;
                EXPECT_TRUE(inside(x, d.y + cell)) << x << "," << d.y + cell;
            }
        }
        // Centred down the label.
        const double above = surface.drawn.front().y - top;
        const double below = top + height - (surface.drawn.back().y + cell);
        EXPECT_NEAR(above, below, 2);
        EXPECT_TRUE(surface.calls.front().startsWith("SetPageSize "));
    }
}

// Envelopes and cards of any size: long side across, the return address top
// left, the recipient right of the centre line from the middle down, type
// scaled to the paper.
TEST_F(PrintRunTest, CatalogueEnvelopesAndCardsPlaceTheirBlocksForTheirPaper) {
    records.all = {kSmith};
    struct Case {
        std::shared_ptr<const StockTemplate> stock;
        QString setUp;
        int size;
    };
    const Case cases[] = {
        {testing::envelopeDL(), "SetPageSize 6236 12472 1", 13},
        {testing::postcardA6(), "SetPageSize 5953 8391 1", 9},
        {testing::singleStock("envelope-10", StockKind::Envelope, testing::in(4.125),
                              testing::in(9.5)),
         "SetPageSize 5940 13680 1", 14},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.setUp.toStdString());
        job.stock = c.stock;
        surface = {};
        print(Stationery::SmallLabels);
        EXPECT_EQ(surface.calls.front(), c.setUp);
        const QStringList sizes = c.setUp.split(' ');
        const int across = sizes[2].toInt(), down = sizes[1].toInt(); // as the paper lies
        ASSERT_EQ(surface.drawn.size(), 12u);
        EXPECT_EQ(surface.drawn[0].text, "From: ");
        EXPECT_EQ(surface.drawn[0].size, c.size);
        EXPECT_LT(surface.drawn[0].x, across / 4);
        EXPECT_LT(surface.drawn[0].y, down / 4);
        const auto to = surface.drawn[4];
        EXPECT_EQ(to.text, "TO:");
        EXPECT_GE(to.x + kNominalMargin, across / 2);
        EXPECT_GE(to.y + kNominalMargin, down / 2);
        for (const auto& d : surface.drawn) {
            SCOPED_TRACE(d.text.toStdString());
            EXPECT_LE(d.lineEnd, across - 2 * kNominalMargin);
            EXPECT_LE(d.y + d.size * 23, down - 2 * kNominalMargin);
            EXPECT_GE(d.size, 8);
        }
        EXPECT_EQ(surface.calls.back(), "EndDocument");
    }
}

TEST(CalibrationSheet, OutlinesEveryStockAtItsSlotsWithRulersAllMovedByTheOffset) {
    struct Case {
        Stationery stationery;
        PrintOffset offset;
        QStringList setUp; // page set-up before anything is drawn
        QString offsetsSaid;
    };
    const Case cases[] = {
        {Stationery::SmallLabels, {}, {}, "0.000 in right, 0.000 in down"},
        {Stationery::SmallLabels, {-72, 36}, {}, "-0.050 in right, 0.025 in down"},
        {Stationery::LargeLabels, {144, 0}, {}, "0.100 in right, 0.000 in down"},
        {Stationery::Envelopes, {0, -144}, {"SetPaperSize 20"}, "0.000 in right, -0.100 in down"},
        {Stationery::Cards, {}, {"SetOrientation 2", "SetPaperSize 6"}, "0.000 in right"},
        {Stationery::Fliers, {36, 36}, {}, "0.025 in right, 0.025 in down"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(stationeryTitle(c.stationery).toStdString());
        RecordingSurface surface;
        drawCalibrationSheet(surface, c.stationery, c.offset);
        EXPECT_EQ(surface.calls.mid(0, c.setUp.size()), c.setUp);
        EXPECT_EQ(surface.calls.count("NewPage"), 0);
        EXPECT_EQ(surface.calls.last(), "EndDocument");
        EXPECT_EQ(surface.documentsEnded, 1);

        const auto& lines = surface.lines;
        const auto count = [&](auto&& is) { return std::count_if(lines.begin(), lines.end(), is); };
        const auto edge = [&](int x1, int y1, int x2, int y2) {
            return count([&](const auto& l) {
                return (l.x1 == x1 && l.y1 == y1 && l.x2 == x2 && l.y2 == y2) ||
                       (l.x1 == x2 && l.y1 == y2 && l.x2 == x1 && l.y2 == y1);
            });
        };
        // A line through the corner, along and across, centred on it.
        const auto cross = [&](int x, int y) {
            return count([&](const auto& l) {
                return (l.y1 == y && l.y2 == y && l.x1 + l.x2 == 2 * x && l.x1 != l.x2) ||
                       (l.x1 == x && l.x2 == x && l.y1 + l.y2 == 2 * y && l.y1 != l.y2);
            });
        };
        const Layout& layout = layoutFor(c.stationery);
        const int slots = layout.documentPerItem() ? 1 : layout.itemsPerSheet;
        for (int slot = 0; slot < slots; ++slot) {
            const Layout::Stock s = layout.stockOf(slot);
            const int l = s.left + c.offset.x, t = s.top + c.offset.y;
            const int r = l + s.width, b = t + s.height;
            SCOPED_TRACE(slot); // rows of labels share their edges
            EXPECT_GE(edge(l, t, r, t), 1);
            EXPECT_GE(edge(r, t, r, b), 1);
            EXPECT_GE(edge(l, b, r, b), 1);
            EXPECT_GE(edge(l, t, l, b), 1);
            for (const auto& [x, y] : {std::pair{l, t}, {r, t}, {l, b}, {r, b}})
                EXPECT_GE(cross(x, y), 2);
        }
        // No outline for a slot the sheet doesn't have.
        EXPECT_EQ(count([&](const auto& l) {
                      return l.y1 == l.y2 && std::abs(l.x2 - l.x1) == layout.stock.width;
                  }),
                  2 * slots);

        // Ruler ticks every sixteenth of an inch of the paper along the top and
        // left edges of the printable area, numbered at whole inches.
        const int width = layout.paperWidth - 2 * kNominalMargin;
        const int height = layout.paperHeight - 2 * kNominalMargin;
        const auto ticks = [&](bool across) {
            return count([&](const auto& l) {
                return across ? l.x1 == l.x2 && l.y1 == c.offset.y && (l.x1 - c.offset.x) % 90 == 0
                              : l.y1 == l.y2 && l.x1 == c.offset.x && (l.y1 - c.offset.y) % 90 == 0;
            });
        };
        EXPECT_GE(ticks(true), width / 90 + 1);
        EXPECT_GE(ticks(false), height / 90 + 1);
        QStringList numbers;
        for (const auto& d : surface.drawn) {
            if (d.text.toInt() > 0)
                numbers << d.text;
        }
        QStringList expected;
        for (int inch = 1; inch * 1440 <= layout.paperWidth - kNominalMargin; ++inch)
            expected << QString::number(inch);
        for (int inch = 1; inch * 1440 <= layout.paperHeight - kNominalMargin; ++inch)
            expected << QString::number(inch);
        EXPECT_EQ(numbers, expected);

        // The heading names the stationery and the offsets, inside the first
        // label (or the paper) and clear of the rulers.
        const Layout::Stock first = layout.stockOf(0);
        QString heading;
        for (const auto& d : surface.drawn) {
            if (d.text.toInt() > 0)
                continue;
            heading += d.text + " ";
            EXPECT_GT(d.x - c.offset.x, 300);
            EXPECT_GT(d.y - c.offset.y, std::max(first.top, 300));
            EXPECT_LT(d.y - c.offset.y + d.size * 23, first.top + first.height);
            EXPECT_LE(d.lineEnd - c.offset.x, first.left + first.width);
        }
        EXPECT_TRUE(heading.contains(stationeryTitle(c.stationery)));
        EXPECT_TRUE(heading.contains(c.offsetsSaid)) << heading.toStdString();
    }
}

TEST(CalibrationSheet, OutlinesEveryLabelOfACatalogueSheetInItsShape) {
    struct Case {
        std::shared_ptr<const StockTemplate> stock;
        int straightLength; // of the top and bottom edge of a label; none when round
    };
    const Case cases[] = {{testing::avery5160(), 3780 - 180},
                          {testing::averyL7160(), 3600},
                          {testing::roundLabels(), 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stock->id.toStdString());
        RecordingSurface surface;
        drawCalibrationSheet(surface, *c.stock, {30, 0});
        const auto labels = c.stock->labels();
        int edges = 0;
        for (const auto& l : surface.lines)
            edges += l.y1 == l.y2 && std::abs(l.x2 - l.x1) == c.straightLength;
        if (c.straightLength > 0) {
            EXPECT_EQ(edges, 2 * int(labels.size()));
        }
        // Every label's leftmost and rightmost point is on its outline.
        const double w = c.stock->labelWidth.exactTwips(), h = c.stock->labelHeight.exactTwips();
        for (const StockLabel& label : labels) {
            const int y = int(std::lround(label.top.exactTwips() + h / 2)) - kNominalMargin;
            for (const double x : {label.left.exactTwips(), label.left.exactTwips() + w}) {
                const int at = int(std::lround(x)) - kNominalMargin + 30;
                EXPECT_TRUE(std::any_of(surface.lines.begin(), surface.lines.end(),
                                        [&](auto& l) {
                                            return std::abs(l.x1 - at) <= 1 &&
                                                   std::min(l.y1, l.y2) - 2 <= y &&
                                                   std::max(l.y1, l.y2) + 2 >= y;
                                        }))
                    << at << "," << y;
            }
        }
        QString text;
        for (const auto& d : surface.drawn)
            text += d.text;
        EXPECT_TRUE(text.contains("Calibration sheet: Avery " + c.stock->part + " Address Labels"));
    }
}

} // namespace
} // namespace ravelbook
