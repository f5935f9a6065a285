// The print run shared by every stationery: choose the records, then draw
// each one's return address, recipient block and special text where its
// layout says, breaking sheets and ending documents as the stationery needs.
#include "print/print_run.h"

#include "print/print_error.h"
#include "print/print_inputs.h"
#include "print/printer_surface.h"
#include "print/recipient_name.h"
#include "store/data_source.h"
#include "store/statements.h"
#include "store/store_error.h"

namespace ravelbook {

namespace {

// Records read with one statement during a run.
constexpr int kReadAhead = 200;

// A position outside 16 bits; it skips the step that computed it.
struct Overflow {};

qint16 to16(int value) {
    if (value < -32768 || value > 32767)
        throw Overflow{};
    return qint16(value);
}

class Run {
public:
    Run(const Layout& layout, QString& strSQL, DataSource& records, const PrintInputs& inputs,
        PrinterSurface& surface, const PrintProgress& progress)
        : layout_(layout), strSQL_(strSQL), records_(records), inputs_(inputs), surface_(surface),
          progress_(progress) {}

    PrintOutcome execute();

private:
    // One step of the run: a step that fails is skipped, the run goes on.
    template <typename F> void step(F&& f) {
        try {
            f();
        } catch (const Overflow&) {
        } catch (const PrintError& error) {
            remember(error.message());
        }
    }
    void remember(const QString& message) {
        if (!outcome_.failure)
            outcome_.failure = message;
    }

    bool selectSingleRecord();
    void selectGroupRecords();
    void resetY();
    void placeItem();
    void drawItem();
    void lineDown() {
        step([&] { y_ = to16(y_ + layout_.lineStep); });
    }
    void setX(qint16 x) {
        step([&] { surface_.SetX(to16(ox_ + x)); });
    }
    void setY() {
        step([&] { surface_.SetY(to16(oy_ + y_)); });
    }
    void printLine(const QString& text) {
        step([&] { surface_.PrintLine(text); });
    }
    void endDocument() {
        step([&] { surface_.EndDocument(); });
    }

    const Layout& layout_;
    QString& strSQL_;
    DataSource& records_;
    const PrintInputs& inputs_;
    PrinterSurface& surface_;
    const PrintProgress& progress_;

    PrintOutcome outcome_;
    qint16 y_ = 0;
    qint16 ox_ = 0;
    qint16 oy_ = 0;
    int counter_ = 0; // items on the current sheet
};

void Run::resetY() {
    step([&] {
        y_ = layout_.followsAdjustment ? to16(inputs_.verticalAdjustment() + layout_.startY)
                                       : layout_.startY;
    });
}

bool Run::selectSingleRecord() {
    if (!records_.hasRecordSet() || (records_.bof() && records_.eof())) {
        outcome_.stop = PrintOutcome::Stop::NoRecord;
        return false;
    }
    // Without a record current in the grid there is nothing the user selected.
    const std::optional<QString> name = inputs_.selectedName();
    if (!name) {
        outcome_.stop = PrintOutcome::Stop::NoRecord;
        return false;
    }
    const sql::RecordSource query = sql::selectAddressesNamed(*name);
    strSQL_ = query.text;
    records_.setRecordSource(query);
    records_.refresh();
    // Renamed or deleted since the grid was filled.
    if (!records_.hasCurrent()) {
        outcome_.stop = PrintOutcome::Stop::NoRecord;
        return false;
    }
    outcome_.total = 1;
    return true;
}

void Run::selectGroupRecords() {
    records_.setRecordSource({strSQL_, {}});
    records_.refresh();
    outcome_.total = records_.recordCount();
}

void Run::placeItem() {
    ++counter_;
    if (layout_.documentPerItem())
        return;
    const int slot = counter_ - 1;
    step([&] { ox_ = to16(slot % layout_.columns * layout_.columnPitch); });
    step([&] { oy_ = to16(slot / layout_.columns * layout_.rowPitch); });
}

void Run::drawItem() {
    if (layout_.orientation)
        step([&] { surface_.SetOrientation(*layout_.orientation); });
    if (layout_.paperSize)
        step([&] { surface_.SetPaperSize(*layout_.paperSize); });

    step([&] { surface_.SetFontName(kPrintFont); });
    step([&] { surface_.SetBold(layout_.bold); });
    step([&] { surface_.SetFontSize(layout_.fontSize); });

    // Without any return address the block is left out, not printed as a bare
    // heading; the lines below it keep their places.
    const bool noReturnAddress = layout_.heading && inputs_.returnAddress(0).trimmed().isEmpty() &&
                                 inputs_.returnAddress(1).trimmed().isEmpty() &&
                                 inputs_.returnAddress(2).trimmed().isEmpty();
    if (noReturnAddress) {
        for (int line = 0; line < 3; ++line)
            lineDown();
    } else if (layout_.heading) {
        setX(layout_.returnX);
        setY();
        step([&] {
            if (layout_.headingEndsLine)
                surface_.PrintLine(*layout_.heading);
            else
                surface_.PrintInline(*layout_.heading);
        });
        for (int line = 0; line < 3; ++line) {
            setX(layout_.returnX);
            lineDown();
            setY();
            printLine(inputs_.returnAddress(line));
        }
    }

    if (layout_.boldBeforeTo)
        step([&] { surface_.SetBold(true); });
    if (layout_.moveBeforeTo != 0)
        step([&] { y_ = to16(y_ + layout_.moveBeforeTo); });
    setX(layout_.toX);
    setY();
    printLine(QStringLiteral("TO:"));
    setX(layout_.textX);
    setY();
    step([&] {
        if (const auto name = recipientName(inputs_.address(0), inputs_.firstNameFirst()))
            surface_.PrintLine(*name);
    });
    for (int line = 1; line <= 3; ++line) {
        setX(layout_.textX);
        lineDown();
        setY();
        printLine(inputs_.address(line));
    }
    setX(layout_.textX);
    lineDown();
    setY();
    // A contact of blanks is still a contact; only an empty one leaves the line blank.
    const QString contact = inputs_.address(4);
    if (!contact.isEmpty()) {
        step([&] { surface_.PrintInline(QStringLiteral("ATTN: ")); });
        printLine(contact);
    }

    if (layout_.itemsPerSheet != 0 && counter_ == layout_.itemsPerSheet) {
        step([&] { surface_.NewPage(); });
        counter_ = 0;
    }

    if (layout_.special) {
        setX(layout_.specialX);
        step([&] { y_ = to16(y_ + layout_.specialMove); });
        setY();
        step([&] { surface_.SetBold(true); });
        step([&] { surface_.SetFontSize(kSpecialFontSize); });
        printLine(inputs_.specialText());
    }
    resetY();
}

PrintOutcome Run::execute() {
    // A run reads every record once, in order: read them a block at a time.
    const DataSource::ReadAhead readAhead(records_, kReadAhead);
    resetY();
    const bool single = inputs_.printSample();
    try {
        if (single && !selectSingleRecord())
            return outcome_;
        if (!single)
            selectGroupRecords();
    } catch (const StoreError& error) {
        // Printing whatever the editor held before would put the wrong addresses on paper.
        outcome_.stop = PrintOutcome::Stop::QueryFailed;
        outcome_.failure = error.message();
        return outcome_;
    }

    for (int index = 1; index <= outcome_.total; ++index) {
        placeItem();
        drawItem();
        ++outcome_.items;
        if (single) {
            endDocument();
            return outcome_;
        }
        try {
            records_.moveNext();
        } catch (const StoreError& error) {
            // Going on would print the last record's texts again.
            outcome_.stop = PrintOutcome::Stop::ReadFailed;
            remember(error.message());
            if (layout_.documentPerItem())
                endDocument();
            break;
        }
        if (layout_.documentPerItem())
            endDocument();
        if (progress_ && !progress_(index, outcome_.total)) {
            outcome_.stop = PrintOutcome::Stop::Cancelled;
            break;
        }
    }
    if (!layout_.documentPerItem())
        endDocument();
    return outcome_;
}

} // namespace

PrintOutcome runPrint(const Layout& layout, QString& strSQL, DataSource& records,
                      const PrintInputs& inputs, PrinterSurface& surface,
                      const PrintProgress& progress) {
    return Run(layout, strSQL, records, inputs, surface, progress).execute();
}

} // namespace ravelbook
