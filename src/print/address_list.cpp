// The address list: every chosen record as one row of a table, its cells
// wrapped into their columns, the rows laid out on pages that never split one.
#include "print/address_list.h"

#include "core/field_table.h"
#include "print/address_source.h"
#include "print/page_target.h"
#include "print/print_error.h"
#include "print/printer_surface.h"
#include "print/surface_steps.h"
#include "store/store_error.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QTextLayout>
#include <QTextLine>
#include <QTextOption>

namespace ravelbook {

namespace {

constexpr int kBodyPoints = 9;
constexpr int kTitlePoints = 11;
// The page's own margin inside the printable area, in twips.
constexpr int kInset = 360;
// Around a cell's text, across and down.
constexpr int kCellPadX = 60;
constexpr int kCellPadY = 40;
// Between the heading, the column headings and their rule.
constexpr int kHeadingGap = 160;
// A line is wrapped this much short of its cell's end, so that the surface,
// measuring on its own device, never has to shrink it.
constexpr qreal kWrapSlack = 0.03;
constexpr int kWrapSlackTwips = 40;

// The columns across the page: the field, its heading and its share of the width.
struct Column {
    Field field;
    const char* heading;
    int share; // in hundredths of the width
};
constexpr std::array<Column, kFieldCount> kColumns{{
    {Field::Name, "Name", 15},
    {Field::Address, "Address", 16},
    {Field::CityStateZip, "City", 16},
    {Field::Country, "Country", 8},
    {Field::Contact, "Contact", 12},
    {Field::Phone, "Phone", 10},
    {Field::Notes, "Notes", 23},
}};

QFont listFont(int points, bool bold) {
    QFont font(kPrintFont);
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

// A device of the pages' resolution, so that one dot measured is one twip.
QImage& measuringDevice() {
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = int(std::lround(kPageResolution / 0.0254));
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}

// Where everything of a page goes, in printable-area twips before the offset.
struct PageGeometry {
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
    int bodyLine = 0;  // the step from one line of a cell to the next
    int titleLine = 0; // the heading's height
    int columnHeadingsY = 0;
    int ruleY = 0;
    int bodyTop = 0;
    std::array<int, kFieldCount> cellStart{};
    std::array<int, kFieldCount> cellEnd{};

    explicit PageGeometry(const Layout& layout) {
        left = kInset;
        right = layout.paperWidth - 2 * kNominalMargin - kInset;
        top = kInset;
        bottom = layout.paperHeight - 2 * kNominalMargin - kInset;
        QImage& device = measuringDevice();
        bodyLine =
            int(std::ceil(QFontMetricsF(listFont(kBodyPoints, false), &device).lineSpacing()));
        titleLine =
            int(std::ceil(QFontMetricsF(listFont(kTitlePoints, true), &device).lineSpacing()));
        columnHeadingsY = top + titleLine + kHeadingGap;
        ruleY = columnHeadingsY + bodyLine + kCellPadY;
        bodyTop = ruleY;
        int x = left;
        for (std::size_t c = 0; c < kColumns.size(); ++c) {
            const int width = (right - left) * kColumns[c].share / 100;
            cellStart[c] = x + kCellPadX;
            x = c + 1 == kColumns.size() ? right : x + width;
            cellEnd[c] = x - kCellPadX;
        }
    }
};

// The lines of one cell, wrapped at its words, or anywhere in a word too long
// for the cell; each line break of the text begins a line.
QStringList wrapped(const QString& text, qreal width) {
    QStringList lines;
    const QString cell = text.trimmed();
    if (cell.isEmpty())
        return lines;
    QString normal = cell;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normal.replace(QChar('\r'), QChar('\n'));
    normal.replace(QChar('\t'), QChar(' '));
    static const QFont font = listFont(kBodyPoints, false);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString& paragraph : normal.split(QChar('\n'))) {
        if (paragraph.trimmed().isEmpty()) {
            lines << QString();
            continue;
        }
        QTextLayout layout(paragraph, font, &measuringDevice());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            line.setLineWidth(width);
        layout.endLayout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            const QString part = paragraph.mid(line.textStart(), line.textLength()).trimmed();
            if (!part.isEmpty())
                lines << part;
        }
    }
    return lines;
}

// One record's cells, wrapped, and how many lines its tallest has.
struct Row {
    std::array<QStringList, kFieldCount> cells;
    int lines = 1;

    Row(const AddressLines& record, const PageGeometry& page) {
        for (std::size_t c = 0; c < kColumns.size(); ++c) {
            const qreal room = page.cellEnd[c] - page.cellStart[c];
            cells[c] = wrapped(record[std::size_t(kColumns[c].field)],
                               room * (1 - kWrapSlack) - kWrapSlackTwips);
            lines = std::max(lines, int(cells[c].size()));
        }
    }
    int height(const PageGeometry& page) const { return lines * page.bodyLine + 2 * kCellPadY; }
};

// Draws the pages of a list on a surface: a failing step is skipped and the
// drawing goes on, as in every print run.
class ListDrawing : public SurfaceSteps {
public:
    ListDrawing(const PrintJob& job, const Layout& layout, const PageGeometry& page,
                PrinterSurface& surface, PrintOutcome& outcome)
        : SurfaceSteps(surface, outcome), job_(job), layout_(layout), page_(page) {}

    void beginPage(int number, int pages);
    // Draws the row below the last one, with its rule.
    void drawRow(const AddressLines& record);
    void newPage() {
        step([&] { surface_.NewPage(); });
    }
    void endDocument() {
        step([&] { surface_.EndDocument(); });
    }

private:
    void text(int x, int y, int end, const QString& line);
    void rule(int y) {
        const auto x1 = fitTwips(qint64(job_.offset.x) + page_.left);
        const auto x2 = fitTwips(qint64(job_.offset.x) + page_.right);
        const auto at = fitTwips(qint64(job_.offset.y) + y);
        if (x1 && x2 && at)
            step([&] { surface_.DrawLine(*x1, *at, *x2, *at); });
    }
    void font(int points, bool bold) {
        step([&] { surface_.SetFontName(kPrintFont); });
        step([&] { surface_.SetBold(bold); });
        step([&] { surface_.SetFontSize(points); });
    }

    const PrintJob& job_;
    const Layout& layout_;
    const PageGeometry& page_;
    int y_ = 0; // the top of the next row
};

void ListDrawing::text(int x, int y, int end, const QString& line) {
    at(qint64(job_.offset.x) + end, [&](qint16 to) { surface_.SetLineEnd(to); });
    at(qint64(job_.offset.x) + x, [&](qint16 to) { surface_.SetX(to); });
    at(qint64(job_.offset.y) + y, [&](qint16 to) { surface_.SetY(to); });
    step([&] { surface_.PrintLine(line); });
}

void ListDrawing::beginPage(int number, int pages) {
    if (const auto& size = layout_.pageSize)
        step([&] { surface_.SetPageSize(size->width, size->height, size->landscape); });
    const AddressListSetup& setup = *job_.addressList;
    QString corner =
        QCoreApplication::translate("AddressList", "Page %1 of %2").arg(number).arg(pages);
    if (setup.printedOn.isValid())
        corner = setup.printedOn.toString(Qt::ISODate) + QStringLiteral("    ") + corner;
    QImage& device = measuringDevice();
    const QFont cornerFont = listFont(kBodyPoints, false);
    const int cornerWidth =
        int(std::ceil(QFontMetricsF(cornerFont, &device).horizontalAdvance(corner)));
    const int cornerX = page_.right - cornerWidth - kWrapSlackTwips;
    const int cornerY = page_.top + page_.titleLine - page_.bodyLine;

    font(kTitlePoints, true);
    const QString title =
        setup.groupTitles.isEmpty()
            ? QCoreApplication::translate("AddressList", "Address list")
            : QCoreApplication::translate("AddressList", "Address list: %1")
                  .arg(setup.groupTitles.join(QCoreApplication::translate("AddressList", ", ")));
    text(page_.left, page_.top, cornerX - kInset, title);
    font(kBodyPoints, false);
    text(cornerX, cornerY, page_.right, corner);

    font(kBodyPoints, true);
    for (std::size_t c = 0; c < kColumns.size(); ++c)
        text(page_.cellStart[c], page_.columnHeadingsY, page_.cellEnd[c],
             QLatin1String(kColumns[c].heading));
    rule(page_.ruleY);
    font(kBodyPoints, false);
    y_ = page_.bodyTop;
}

void ListDrawing::drawRow(const AddressLines& record) {
    const Row row(record, page_);
    const LineFits before = surface_.lineFits();
    // A row taller than a whole page keeps the lines that fit; the rest are cut.
    const int fitting = std::max(1, (page_.bottom - y_ - 2 * kCellPadY) / page_.bodyLine);
    int cut = 0;
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        const QStringList& lines = row.cells[c];
        for (int i = 0; i < int(lines.size()); ++i) {
            if (i >= fitting) {
                ++cut;
                continue;
            }
            text(page_.cellStart[c], y_ + kCellPadY + i * page_.bodyLine, page_.cellEnd[c],
                 lines[i]);
        }
    }
    y_ += std::min(row.lines, fitting) * page_.bodyLine + 2 * kCellPadY;
    rule(y_);

    const LineFits after = surface_.lineFits();
    const int shrunk = after.shrunk - before.shrunk;
    cut += after.cut - before.cut;
    if (shrunk == 0 && cut == 0)
        return;
    outcome_.fits.shrunk += shrunk;
    outcome_.fits.cut += cut;
    ++outcome_.recordsFitted;
    if (outcome_.fittedRecords.size() < 3)
        outcome_.fittedRecords << record[std::size_t(Field::Name)];
}

} // namespace

AddressList::AddressList(const PrintJob& job, AddressSource& source) : job_(job), source_(source) {}

void AddressList::paginate(int total) {
    total_ = 0;
    pageStarts_.clear();
    if (total <= 0)
        return;
    const PageGeometry page(addressListLayout(*job_.addressList));
    source_.open(job_.records, 0);
    int y = page.bottom; // no page begun yet
    while (total_ < total) {
        const std::optional<AddressLines> record = source_.next();
        if (!record)
            break; // fewer than counted: deleted meanwhile
        const int height = Row(*record, page).height(page);
        // A row too tall for any page still takes one page of its own.
        if (y + height > page.bottom) {
            pageStarts_.push_back(total_);
            y = page.bodyTop;
        }
        y += height;
        ++total_;
    }
}

PrintOutcome AddressList::draw(PrinterSurface& surface, const PrintProgress& progress,
                               PageSpan pages) {
    PrintOutcome outcome;
    const int count = pageCount();
    const int first = std::clamp(pages.first, 0, count);
    const int end = int(std::min<qint64>(count, qint64(first) + std::max(0, pages.count)));
    const auto startOf = [&](int p) { return p < count ? pageStarts_[std::size_t(p)] : total_; };
    outcome.total = startOf(end) - startOf(first);
    const Layout layout = addressListLayout(*job_.addressList);
    const PageGeometry page(layout);
    ListDrawing drawing(job_, layout, page, surface, outcome);
    if (outcome.total > 0) {
        try {
            source_.open(job_.records, startOf(first));
        } catch (const StoreError& error) {
            outcome.stop = PrintOutcome::Stop::QueryFailed;
            outcome.failure = error.message();
            return outcome;
        }
    }
    bool stopped = false;
    for (int p = first; p < end && !stopped; ++p) {
        for (int row = startOf(p); row < startOf(p + 1); ++row) {
            std::optional<AddressLines> record;
            try {
                record = source_.next();
            } catch (const StoreError& error) {
                outcome.stop = PrintOutcome::Stop::ReadFailed;
                drawing.remember(error.message());
                stopped = true;
                break;
            }
            if (!record) {
                stopped = true;
                break;
            }
            if (row == startOf(p)) {
                if (p > first)
                    drawing.newPage();
                drawing.beginPage(p + 1, count);
            }
            drawing.drawRow(*record);
            ++outcome.items;
            if (progress && !progress(outcome.items, outcome.total)) {
                outcome.stop = PrintOutcome::Stop::Cancelled;
                stopped = true;
                break;
            }
        }
    }
    drawing.endDocument();
    return outcome;
}

std::unique_ptr<RunPages> makeAddressList(const PrintJob& job, AddressSource& source) {
    return std::make_unique<AddressList>(job, source);
}

Layout AddressList::layout() const {
    return addressListLayout(*job_.addressList);
}

Layout addressListLayout(const AddressListSetup& setup) {
    Layout l;
    const bool a4 = setup.paper == ListPaper::A4;
    l.paperWidth = a4 ? 11906 : 12240;
    l.paperHeight = a4 ? 16838 : 15840;
    l.pageSize = Layout::PageSize{l.paperWidth, l.paperHeight, false};
    l.stock = {-kNominalMargin, -kNominalMargin, l.paperWidth, l.paperHeight};
    return l;
}

ListPaper listPaperForLocale(const QLocale& locale) {
    // The countries that print on US Letter; the rest of the world uses A4.
    static const QLocale::Territory letter[] = {
        QLocale::UnitedStates, QLocale::Canada,    QLocale::Mexico,   QLocale::Philippines,
        QLocale::PuertoRico,   QLocale::Chile,     QLocale::Colombia, QLocale::Venezuela,
        QLocale::Guatemala,    QLocale::CostaRica, QLocale::Panama,   QLocale::ElSalvador,
        QLocale::Nicaragua,    QLocale::Belize,
    };
    return std::find(std::begin(letter), std::end(letter), locale.territory()) != std::end(letter)
               ? ListPaper::Letter
               : ListPaper::A4;
}

} // namespace ravelbook
