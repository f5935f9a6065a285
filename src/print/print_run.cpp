// The print run shared by every stationery: choose the records, then draw
// each one's return address, recipient block and special text where its
// layout says, breaking sheets and ending documents as the stationery needs.
#include "print/print_run.h"

#include "core/counted.h"
#include "print/address_source.h"
#include "print/print_error.h"
#include "print/printer_surface.h"
#include "print/recipient_name.h"
#include "print/stock_layout.h"
#include "print/surface_steps.h"
#include "store/store_error.h"

#include <algorithm>
#include <cmath>
#include <QCoreApplication>
#include <utility>
#include <vector>

namespace ravelbook {

namespace {

// The items of the pages asked for, as indexes into the run's records.
struct ItemSpan {
    int first = 0;
    int end = 0;
};

// A label's line of type this size steps down this far, in twips: the
// face's line spacing, 1.15 times its size.
int labelLineStep(int points) {
    return points * 23;
}

// Where a line may start and must end across a label, in printable-area twips.
struct LabelChord {
    int start = 0;
    int end = 0;
};

// The label's shape less its margin, across the whole height of a line
// whose cell begins `cellTop` twips below the label's top and is `height` high:
// the narrower of its chords at the cell's top and bottom.
LabelChord labelChord(const Layout& layout, const Layout::Stock& label, int cellTop, int height) {
    const int margin = layout.labelMargin;
    const double halfWidth = std::max(0.0, label.width / 2.0 - margin);
    const double halfHeight = std::max(0.0, label.height / 2.0 - margin);
    // How far the cell reaches from the label's middle, up or down.
    const double reach = std::max(std::abs(cellTop - label.height / 2.0),
                                  std::abs(cellTop + height - label.height / 2.0));
    double half = halfWidth;
    if (layout.shape != Layout::Shape::Rectangle) {
        const double ratio = halfHeight > 0 ? std::min(1.0, reach / halfHeight) : 1.0;
        half = halfWidth * std::sqrt(1 - ratio * ratio);
    } else if (layout.cornerRadius > margin) {
        // The corner's arc, inside the margin.
        const double radius = layout.cornerRadius - margin;
        const double intoCorner = reach - (halfHeight - radius);
        if (intoCorner > 0) {
            const double d = std::min(intoCorner, radius);
            half = halfWidth - radius + std::sqrt(radius * radius - d * d);
        }
    }
    const double middle = label.left + label.width / 2.0;
    return {int(std::ceil(middle - half)), int(std::floor(middle + half))};
}

// How many records with a fitted line a summary names.
constexpr int kFittedRecordsNamed = 3;

class Drawing : public SurfaceSteps {
public:
    Drawing(const PrintJob& job, const Layout& layout, PrinterSurface& surface,
            PrintOutcome& outcome)
        : SurfaceSteps(surface, outcome), job_(job), layout_(layout) {}

    // Items on the sheet before the first one drawn.
    void startAtSlot(int slot) { counter_ = slot; }
    void resetY();
    void placeItem();
    void drawItem(const AddressLines& lines);
    void endDocument() {
        step([&] { surface_.EndDocument(); });
    }

private:
    // Moves Y down by `twips`; a Y past 16 bits is not taken, Y stays.
    void moveDown(qint64 twips) {
        if (const auto y = fitTwips(y_ + twips))
            y_ = *y;
    }
    void lineDown() { moveDown(layout_.lineStep); }
    void setX(qint16 x) {
        at(qint64(ox_) + x, [&](qint16 to) { surface_.SetX(to); });
    }
    void setY() {
        at(qint64(oy_) + y_, [&](qint16 to) { surface_.SetY(to); });
    }
    void printLine(const QString& text) {
        step([&] { surface_.PrintLine(text); });
    }
    void setLineEnd();
    void setUpPage();
    void drawLines(const AddressLines& lines);
    void drawLabel(const AddressLines& lines);
    void endSheetWhenFull();

    const PrintJob& job_;
    const Layout& layout_;

    qint16 y_ = 0;
    qint16 ox_ = 0;
    qint16 oy_ = 0;
    int counter_ = 0; // items on the current sheet
};

void Drawing::resetY() {
    if (!layout_.followsAdjustment)
        y_ = layout_.startY;
    else if (const auto y = fitTwips(qint64(job_.verticalAdjustment) + layout_.startY))
        y_ = *y;
}

void Drawing::placeItem() {
    ++counter_;
    const int slot = counter_ - 1;
    const int slotX = layout_.documentPerItem() ? 0 : slot % layout_.columns * layout_.columnPitch;
    const int slotY = layout_.documentPerItem() ? 0 : slot / layout_.columns * layout_.rowPitch;
    if (const auto x = fitTwips(qint64(job_.offset.x) + slotX))
        ox_ = *x;
    if (const auto y = fitTwips(qint64(job_.offset.y) + slotY))
        oy_ = *y;
}

// A line reaches no further than its label, or than the printable area of an
// envelope, card or flier; the surface fits it in.
void Drawing::setLineEnd() {
    const Layout::Stock stock = layout_.stockOf(counter_ - 1);
    const int margin = layout_.documentPerItem() ? kNominalMargin : 0;
    at(qint64(job_.offset.x) + stock.left + stock.width - margin,
       [&](qint16 end) { surface_.SetLineEnd(end); });
}

void Drawing::drawItem(const AddressLines& lines) {
    const LineFits before = surface_.lineFits();
    drawLines(lines);
    const LineFits after = surface_.lineFits();
    if (after == before)
        return;
    outcome_.fits.shrunk += after.shrunk - before.shrunk;
    outcome_.fits.cut += after.cut - before.cut;
    ++outcome_.recordsFitted;
    if (outcome_.fittedRecords.size() < kFittedRecordsNamed)
        outcome_.fittedRecords << lines[0];
}

void Drawing::setUpPage() {
    if (layout_.orientation)
        step([&] { surface_.SetOrientation(*layout_.orientation); });
    if (layout_.paperSize)
        step([&] { surface_.SetPaperSize(*layout_.paperSize); });
    if (const auto& page = layout_.pageSize)
        step([&] { surface_.SetPageSize(page->width, page->height, page->landscape); });
}

void Drawing::endSheetWhenFull() {
    if (layout_.itemsPerSheet != 0 && counter_ == layout_.itemsPerSheet) {
        step([&] { surface_.NewPage(); });
        counter_ = 0;
    }
}

void Drawing::drawLines(const AddressLines& lines) {
    if (layout_.fitsLabel) {
        drawLabel(lines);
        return;
    }
    setUpPage();

    step([&] { surface_.SetFontName(kPrintFont); });
    step([&] { surface_.SetBold(layout_.bold); });
    step([&] { surface_.SetFontSize(layout_.fontSize); });
    setLineEnd();

    // Without any return address the block is left out, not printed as a bare
    // heading; the lines below it keep their places.
    const auto& sender = job_.returnAddress;
    const bool noReturnAddress = layout_.heading && sender[0].trimmed().isEmpty() &&
                                 sender[1].trimmed().isEmpty() && sender[2].trimmed().isEmpty();
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
        int closedUp = 0;
        for (const QString& line : sender) {
            if (job_.closeUp && line.isEmpty()) {
                ++closedUp;
                continue;
            }
            setX(layout_.returnX);
            lineDown();
            setY();
            printLine(line);
        }
        // The recipient block keeps its place below a closed-up sender.
        for (; closedUp > 0; --closedUp)
            lineDown();
    }

    if (layout_.boldBeforeTo)
        step([&] { surface_.SetBold(true); });
    if (layout_.moveBeforeTo != 0)
        moveDown(layout_.moveBeforeTo);
    setX(layout_.toX);
    setY();
    printLine(QStringLiteral("TO:"));
    setX(layout_.textX);
    setY();
    step([&] {
        if (const auto name = recipientName(lines[0], job_.firstNameFirst))
            surface_.PrintLine(*name);
    });
    // Closed up, an empty line takes no place in the block; what follows the
    // block (the special text) stays where it is.
    int closedUp = 0;
    for (int line = 1; line <= 3; ++line) {
        const QString& text = lines[std::size_t(line)];
        if (job_.closeUp && text.isEmpty()) {
            ++closedUp;
            continue;
        }
        setX(layout_.textX);
        lineDown();
        setY();
        printLine(text);
    }
    // A contact of blanks is still a contact; only an empty one leaves the line blank.
    const QString& contact = lines[std::size_t(Field::Contact)];
    if (job_.closeUp && contact.isEmpty()) {
        ++closedUp;
    } else {
        setX(layout_.textX);
        lineDown();
        setY();
        if (!contact.isEmpty()) {
            step([&] { surface_.PrintInline(QStringLiteral("ATTN: ")); });
            printLine(contact);
        }
    }
    for (; closedUp > 0; --closedUp)
        lineDown();

    endSheetWhenFull();

    if (layout_.special) {
        setX(layout_.specialX);
        moveDown(layout_.specialMove);
        setY();
        step([&] { surface_.SetBold(true); });
        step([&] { surface_.SetFontSize(layout_.specialFontSize); });
        printLine(job_.specialText);
    }
    resetY();
}

// A catalogue label: its address block centred down the label at the
// largest size that fits its height, each line from the shape's edge to its
// edge at that line's height, less the label's margin.
void Drawing::drawLabel(const AddressLines& lines) {
    setUpPage();
    // A sender's name is printed as the sender wrote it.
    const QString name = job_.senderLabels
                             ? lines[0]
                             : recipientName(lines[0], job_.firstNameFirst).value_or(QString());
    std::vector<std::pair<QString, QString>> block; // lead-in and text of each line
    // The name, address and city keep their places unless closed up.
    for (const QString& line : {name, lines[1], lines[2]}) {
        if (!job_.closeUp || !line.isEmpty())
            block.emplace_back(QString(), line);
    }
    if (!lines[3].isEmpty())
        block.emplace_back(QString(), lines[3]);
    if (!lines[4].isEmpty())
        block.emplace_back(QStringLiteral("ATTN: "), lines[4]);

    const Layout::Stock label = layout_.stockOf(counter_ - 1);
    const int n = int(block.size());
    const int room = label.height - 2 * layout_.labelMargin;
    int points = layout_.fontSize;
    while (points > kSmallestFit && n * labelLineStep(points) > room)
        --points;
    const int lineStep = labelLineStep(points);

    step([&] { surface_.SetFontName(kPrintFont); });
    step([&] { surface_.SetBold(layout_.bold); });
    step([&] { surface_.SetFontSize(points); });
    const int blockTop = (label.height - n * lineStep) / 2; // below the label's top
    const qint64 adjustment = layout_.followsAdjustment ? job_.verticalAdjustment : 0;
    for (int i = 0; i < n; ++i) {
        const int cellTop = blockTop + i * lineStep;
        const qint64 y = qint64(job_.offset.y) + adjustment + label.top + cellTop;
        const LabelChord chord = labelChord(layout_, label, cellTop, lineStep);
        at(qint64(job_.offset.x) + chord.end, [&](qint16 end) { surface_.SetLineEnd(end); });
        at(qint64(job_.offset.x) + chord.start, [&](qint16 x) { surface_.SetX(x); });
        at(y, [&](qint16 to) { surface_.SetY(to); });
        // Not a structured binding: lambdas may not capture one in C++17.
        const QString& lead = block[std::size_t(i)].first;
        if (!lead.isEmpty())
            step([&] { surface_.PrintInline(lead); });
        printLine(block[std::size_t(i)].second);
    }
    endSheetWhenFull();
}

// Slots before the first item on the first sheet.
int skippedSlots(const Layout& layout, const PrintJob& job) {
    if (layout.documentPerItem())
        return 0;
    return std::clamp(job.startAt, 1, layout.itemsPerSheet) - 1;
}

ItemSpan itemsOf(const Layout& layout, const PrintJob& job, int total, PageSpan pages) {
    const qint64 perPage = layout.documentPerItem() ? 1 : layout.itemsPerSheet;
    const qint64 skipped = skippedSlots(layout, job);
    const qint64 first = std::max<qint64>(0, pages.first * perPage - skipped);
    const qint64 end =
        std::min<qint64>(total, (qint64(pages.first) + pages.count) * perPage - skipped);
    return {int(std::min<qint64>(first, total)), int(std::max(first, end))};
}

// The return address as a source of one record, for sender labels.
class ReturnAddressSource final : public AddressSource {
public:
    explicit ReturnAddressSource(const std::array<QString, 3>& sender) {
        for (std::size_t i = 0; i < sender.size(); ++i)
            lines_[i] = sender[i];
    }
    int count(const RecordChoice&) override {
        const bool any = std::any_of(lines_.begin(), lines_.end(),
                                     [](const QString& line) { return !line.trimmed().isEmpty(); });
        return any ? 1 : 0;
    }
    void open(const RecordChoice&, int skip) override { left_ = skip > 0 ? 0 : 1; }
    std::optional<AddressLines> next() override {
        if (left_ == 0)
            return std::nullopt;
        --left_;
        return lines_;
    }

private:
    AddressLines lines_;
    int left_ = 0;
};

// The margin inside the built-in labels for a block centred in them.
constexpr int kBuiltInLabelMargin = kTwipsPerInch / 16;

// What a run draws with: sender labels centre their block in every label,
// the built-in sheets' too, since they have no "TO:" to line up with.
Layout runLayout(const PrintJob& job) {
    Layout layout = layoutOf(job);
    if (job.senderLabels && !layout.documentPerItem() && !layout.fitsLabel) {
        layout.fitsLabel = true;
        layout.labelMargin = kBuiltInLabelMargin;
    }
    return layout;
}

// The items of each record: filling the sheet takes every label left free
// on it after the first skipped.
int copiesOf(const Layout& layout, const PrintJob& job) {
    if (job.fillSheet)
        return layout.documentPerItem() ? 1 : layout.itemsPerSheet - skippedSlots(layout, job);
    return std::clamp(job.copies, 1, kMostCopies);
}

} // namespace

QString lineFitsNote(const PrintOutcome& outcome) {
    const LineFits& fits = outcome.fits;
    if (fits.shrunk == 0 && fits.cut == 0)
        return {};
    const auto lines = [](int n) {
        return counted(n, QCoreApplication::translate("PrintRun", "%1 line was"),
                       QCoreApplication::translate("PrintRun", "%1 lines were"));
    };
    QString said;
    if (fits.shrunk > 0 && fits.cut > 0)
        said = QCoreApplication::translate("PrintRun", "%1 printed smaller and %2 cut to fit")
                   .arg(lines(fits.shrunk))
                   .arg(fits.cut);
    else if (fits.shrunk > 0)
        said = QCoreApplication::translate("PrintRun", "%1 printed smaller to fit")
                   .arg(lines(fits.shrunk));
    else
        said = QCoreApplication::translate("PrintRun", "%1 cut to fit").arg(lines(fits.cut));
    const bool more = outcome.recordsFitted > outcome.fittedRecords.size();
    return QStringLiteral("%1 (%2%3).")
        .arg(said, outcome.fittedRecords.join(QStringLiteral("; ")),
             more ? QStringLiteral("; …") : QString());
}

int slotsPerSheet(const PrintJob& job) {
    return layoutOf(job).itemsPerSheet;
}

int slotsPerSheet(Stationery stationery) {
    return layoutFor(stationery).itemsPerSheet;
}

PrintRun::PrintRun(PrintJob job, AddressSource& source, ListMaker makeList)
    : job_(std::move(job)), source_(&source) {
    if (job_.senderLabels) {
        sender_ = std::make_unique<ReturnAddressSource>(job_.returnAddress);
        source_ = sender_.get();
    }
    if (job_.addressList && makeList)
        list_ = makeList(job_, *source_);
    layout_ = list_ ? list_->layout() : runLayout(job_);
}

PrintRun::~PrintRun() = default;

PrintOutcome PrintRun::select() {
    PrintOutcome outcome;
    total_ = 0;
    if (!job_.senderLabels && job_.records.single && !job_.records.record) {
        outcome.stop = PrintOutcome::Stop::NoRecord;
        return outcome;
    }
    try {
        total_ = source_->count(job_.records);
        if (list_)
            list_->paginate(total_);
    } catch (const StoreError& error) {
        // Printing anything else would put the wrong addresses on paper.
        outcome.stop = PrintOutcome::Stop::QueryFailed;
        outcome.failure = error.message();
        return outcome;
    }
    // Deleted since the grid was filled.
    if (!job_.senderLabels && job_.records.single && total_ == 0)
        outcome.stop = PrintOutcome::Stop::NoRecord;
    copies_ = list_ ? 1 : copiesOf(layout_, job_);
    total_ *= copies_;
    outcome.total = total_;
    return outcome;
}

int PrintRun::pageCount() const {
    if (list_)
        return list_->pageCount();
    if (layout_.documentPerItem())
        return total_;
    const int slots = skippedSlots(layout_, job_) + total_;
    return total_ == 0 ? 0 : (slots + layout_.itemsPerSheet - 1) / layout_.itemsPerSheet;
}

PrintOutcome PrintRun::draw(PrinterSurface& surface, const PrintProgress& progress,
                            PageSpan pages) {
    if (list_)
        return list_->draw(surface, progress, pages);
    PrintOutcome outcome;
    const ItemSpan items = itemsOf(layout_, job_, total_, pages);
    outcome.total = items.end - items.first;
    const Layout& layout = layout_;
    Drawing drawing(job_, layout_, surface, outcome);
    if (!layout.documentPerItem())
        drawing.startAtSlot((skippedSlots(layout_, job_) + items.first) % layout.itemsPerSheet);
    drawing.resetY();
    try {
        source_->open(job_.records, items.first / copies_);
    } catch (const StoreError& error) {
        outcome.stop = PrintOutcome::Stop::QueryFailed;
        outcome.failure = error.message();
        return outcome;
    }

    // The copy of its record the first item is.
    int copy = items.first % copies_;
    std::optional<AddressLines> lines;
    for (int done = 1; done <= outcome.total; ++done, copy = (copy + 1) % copies_) {
        if (done == 1 || copy == 0) {
            try {
                lines = source_->next();
            } catch (const StoreError& error) {
                // Going on would leave the wrong labels empty.
                outcome.stop = PrintOutcome::Stop::ReadFailed;
                drawing.remember(error.message());
                break;
            }
        }
        if (!lines)
            break; // fewer records than counted: deleted meanwhile
        drawing.placeItem();
        drawing.drawItem(*lines);
        ++outcome.items;
        if (layout.documentPerItem())
            drawing.endDocument();
        if (progress && !progress(done, outcome.total)) {
            outcome.stop = PrintOutcome::Stop::Cancelled;
            break;
        }
    }
    if (!layout.documentPerItem())
        drawing.endDocument();
    return outcome;
}

PrintOutcome runPrint(const PrintJob& job, AddressSource& source, PrinterSurface& surface,
                      const PrintProgress& progress, ListMaker makeList) {
    PrintRun run(job, source, makeList);
    const PrintOutcome selected = run.select();
    if (selected.stop != PrintOutcome::Stop::Done)
        return selected;
    return run.draw(surface, progress);
}

} // namespace ravelbook
