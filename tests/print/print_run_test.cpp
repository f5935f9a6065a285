// The print run against the line tables of every stationery: what is drawn
// where, in which type, and how sheets and documents are broken.
#include "print/layout.h"
#include "print/print_inputs.h"
#include "print/print_run.h"
#include "store/data_source.h"
#include "support/recording_surface.h"
#include "support/temp_book.h"

#include <gtest/gtest.h>

namespace ravelbook {
namespace {

using testing::Person;
using testing::RecordingSurface;
using testing::TempBook;

// The boxes of the window as a run reads them: they show the current record.
class BoxesOverRecords final : public PrintInputs {
public:
    explicit BoxesOverRecords(const DataSource& records) : records_(records) {}

    bool printSample() const override { return sample; }
    bool firstNameFirst() const override { return nameFirst; }
    qint16 verticalAdjustment() const override { return adjustment; }
    std::optional<QString> selectedName() const override { return selected; }
    QString address(int line) const override {
        static const char* const columns[] = {"Name", "Address", "City State Zip", "Country",
                                              "Contact"};
        return records_.hasCurrent() ? records_.field(QString::fromLatin1(columns[line])).toString()
                                     : QString();
    }
    QString returnAddress(int line) const override { return returnLines[line]; }
    QString specialText() const override { return special; }

    bool sample = false;
    bool nameFirst = false;
    qint16 adjustment = 0;
    std::optional<QString> selected;
    QStringList returnLines = {"Ann Sender", "1 Main St", "Town, ST 00000"};
    QString special = "Happy Holidays";

private:
    const DataSource& records_;
};

const Person kSmith{"Smith, John", "12 Elm St", "Springfield, IL 62701", "USA", "Mary Jones", {0}};
const QString kGroup0 =
    "SELECT * FROM Addresses WHERE NOT Name = '' AND Name IS NOT NULL AND ([0] = -1)";

class PrintRun : public ::testing::Test {
protected:
    PrintOutcome print(Stationery stationery, bool biFold = false) {
        strSQL = kGroup0;
        return runPrint(layoutFor(stationery, biFold), strSQL, records, inputs, surface);
    }

    // Adds n members of group 0 named "Name 01" and so on.
    void addMembers(int n) {
        for (int i = 1; i <= n; ++i)
            book.addPerson({QString("Name %1").arg(i, 2, 10, QChar('0')), "a", "c", "", "", {0}});
    }

    TempBook book;
    std::unique_ptr<Database> db = (book.create(), book.open());
    DataSource records{*db, "Addresses"};
    BoxesOverRecords inputs{records};
    RecordingSurface surface;
    QString strSQL;
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

TEST_F(PrintRun, EveryStationeryDrawsItsLinesWhereItsTableSays) {
    book.addPerson(kSmith);
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

TEST_F(PrintRun, PageSetUpComesFirstInEveryItemOfItsOwnDocument) {
    book.addPerson(kSmith);
    book.addPerson({"Doe, Jane", "1 Road", "Place", "", "Him", {0}});
    book.addPerson({"Roe, Rich", "2 Road", "Place", "", "Her", {0}});
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

TEST_F(PrintRun, LabelSheetsFillAcrossThenDownAndBreakWhenFull) {
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
        book.exec("DELETE FROM Addresses");
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

TEST_F(PrintRun, VerticalAdjustmentMovesLabelsOnlyAndOverflowSkipsItsSteps) {
    book.addPerson(kSmith);
    struct Case {
        Stationery stationery;
        qint16 adjustment;
        int toY;
    };
    const Case cases[] = {
        {Stationery::SmallLabels, 180, 340 + 180},
        {Stationery::SmallLabels, -60, 340 - 60},
        {Stationery::LargeLabels, 180, 1665 + 180},
        {Stationery::Envelopes, 180, 2340},
        {Stationery::Cards, -300, 2540},
        {Stationery::Fliers, 180, 2540},
        // The start can't be formed: Y keeps its value from before the run (0).
        {Stationery::SmallLabels, 32500, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.adjustment);
        surface = {};
        inputs.adjustment = c.adjustment;
        print(c.stationery);
        const auto to = std::find_if(surface.drawn.begin(), surface.drawn.end(),
                                     [](const auto& d) { return d.text == "TO:"; });
        ASSERT_NE(to, surface.drawn.end());
        EXPECT_EQ(to->y, c.toY);
    }

    // Large labels at 30000: moving Y down to the contact line would pass 32767;
    // that step is skipped and the contact lands on the line above.
    surface = {};
    inputs.adjustment = 30000;
    print(Stationery::LargeLabels);
    const QStringList tail = surface.calls.mid(surface.calls.indexOf("PrintLine USA") - 1);
    EXPECT_EQ(tail, (QStringList{"SetY 32535", "PrintLine USA", "SetX 2000", "SetY 32535",
                                 "PrintInline ATTN: ", "PrintLine Mary Jones", "EndDocument"}));
}

TEST_F(PrintRun, ContactLineAndEmptyLinesKeepTheirPlaces) {
    book.addPerson({"Blank, Contact", "", "", "", "", {0}});
    book.addPerson({"Space, Contact", "1 Rd", "", "", " ", {0}});
    inputs.returnLines = {"", " ", ""};
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

TEST_F(PrintRun, SingleRecordModePrintsTheSelectedNameOnce) {
    book.addPerson({"O'Brien, Pat", "Her street", "", "", "", {0}});
    book.addPerson({"Pat' OR '1'='1", "Wrong street", "", "", "", {0}});
    book.addPerson({"O'Brien, Pat", "Second Pat", "", "", "", {0}});
    records.setRecordSource(sql::selectAllAddresses());
    records.refresh();
    inputs.sample = true;
    inputs.selected = "O'Brien, Pat";

    const PrintOutcome outcome = print(Stationery::LargeLabels);
    EXPECT_EQ(outcome.items, 1);
    EXPECT_EQ(strSQL, "SELECT * FROM Addresses WHERE Name = ?");
    const auto street = std::find_if(surface.drawn.begin(), surface.drawn.end(),
                                     [](const auto& d) { return d.text == "Her street"; });
    ASSERT_NE(street, surface.drawn.end());
    EXPECT_EQ(street->x, 2000); // slot 1
    EXPECT_EQ(surface.calls.count("EndDocument"), 1);
    EXPECT_EQ(surface.calls.back(), "EndDocument");
    EXPECT_TRUE(records.hasCurrent()); // left on the printed record
}

TEST_F(PrintRun, SingleRecordModeWithoutARecordDrawsNothing) {
    book.addPerson(kSmith);
    inputs.sample = true;
    struct Case {
        const char* name;
        bool editorHasRecords;
        std::optional<QString> selected;
    };
    const Case cases[] = {
        {"editor without records", false, QString("Smith, John")},
        {"grid without a current record", true, std::nullopt},
        {"name gone since the grid was filled", true, QString("Renamed, Meanwhile")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        records.setRecordSource(c.editorHasRecords ? sql::selectAllAddresses()
                                                   : sql::selectNothing());
        records.refresh();
        inputs.selected = c.selected;
        surface = {};
        EXPECT_EQ(print(Stationery::SmallLabels).stop, PrintOutcome::Stop::NoRecord);
        EXPECT_TRUE(surface.calls.isEmpty());
    }
}

TEST_F(PrintRun, GroupWithoutMembersPrintsNothingAndAFailedQueryPrintsNothingElse) {
    book.addPerson({"Other, Group", "x", "", "", "", {3}});
    records.setRecordSource(sql::selectAllAddresses());
    records.refresh();

    PrintOutcome outcome = print(Stationery::SmallLabels);
    EXPECT_EQ(outcome.items, 0);
    EXPECT_EQ(surface.drawn.size(), 0u);

    // A locked book: the editor's records must not be printed instead.
    surface = {};
    book.lock();
    records.setRecordSource(sql::selectAllAddresses()); // leave it on something printable
    outcome = print(Stationery::Envelopes);
    book.unlock();
    EXPECT_EQ(outcome.stop, PrintOutcome::Stop::QueryFailed);
    EXPECT_TRUE(outcome.failure.has_value());
    EXPECT_EQ(surface.drawn.size(), 0u);
}

TEST_F(PrintRun, CancellingEndsTheDocumentCleanly) {
    addMembers(5);
    int told = 0;
    strSQL = kGroup0;
    const PrintOutcome outcome = runPrint(layoutFor(Stationery::SmallLabels), strSQL, records,
                                          inputs, surface, [&](int, int total) {
                                              EXPECT_EQ(total, 5);
                                              return ++told < 2;
                                          });
    EXPECT_EQ(outcome.stop, PrintOutcome::Stop::Cancelled);
    EXPECT_EQ(outcome.items, 2);
    EXPECT_EQ(surface.calls.back(), "EndDocument");
}

} // namespace
} // namespace ravelbook
