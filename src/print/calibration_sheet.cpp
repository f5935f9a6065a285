// The calibration sheet, drawn from the layouts' own stock and paper, so that
// it shows where a print run puts the stationery.
#include "print/calibration_sheet.h"

#include "core/length.h"
#include "print/printer_surface.h"
#include "print/stock_layout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <optional>
#include <QCoreApplication>
#include <QStringList>
#include <utility>

namespace ravelbook {

namespace {

constexpr int kSixteenth = kTwipsPerInch / 16;
// How far a corner's cross reaches out from the corner, each way.
constexpr int kCrossArm = kTwipsPerInch / 8;
// Ruler ticks: whole inches longest, then halves, quarters, the rest.
constexpr int kInchTick = 300;
constexpr int kHalfTick = 210;
constexpr int kQuarterTick = 150;
constexpr int kShortTick = 90;
constexpr int kRulerFontSize = 7;
// Inch numbers sit beside their tick, clear of the short ticks around it.
constexpr int kNumberAside = 40;
constexpr int kNumberAcross = 120;
// The heading keeps clear of the rulers and inside the first label.
constexpr int kInset = kSixteenth;
constexpr int kHeadingSize = 9;
constexpr int kTextSize = 8;
constexpr int kHeadingStep = 220;
constexpr int kTextStep = 190;

struct Name {
    const char* name;
    bool perSheet;
};
// In the order of Stationery.
constexpr std::array<Name, 5> kNames = {{{"Avery 8161 labels", true},
                                         {"Avery 8163 labels", true},
                                         {"#10 envelope", false},
                                         {"Card", false},
                                         {"Flier", false}}};

// "4", "9 1/2", "4 1/8": twips as inches with a fraction in sixteenths.
QString inches(int twips) {
    const int whole = twips / kTwipsPerInch;
    const int sixteenths = twips % kTwipsPerInch / kSixteenth;
    if (twips % kSixteenth != 0)
        return QString::number(Length::fromTwips(twips).inches(), 'f', 3);
    if (sixteenths == 0)
        return QString::number(whole);
    const int common = std::gcd(sixteenths, 16);
    const QString fraction = QStringLiteral("%1/%2").arg(sixteenths / common).arg(16 / common);
    return whole == 0 ? fraction : QStringLiteral("%1 %2").arg(whole).arg(fraction);
}

QString signedInches(int twips) {
    return QString::number(Length::fromTwips(twips).inches(), 'f', 3);
}

int tickLength(int sixteenths) {
    if (sixteenths % 16 == 0)
        return kInchTick;
    if (sixteenths % 8 == 0)
        return kHalfTick;
    if (sixteenths % 4 == 0)
        return kQuarterTick;
    return kShortTick;
}

// Draws in printable-area twips, every position moved by the offset; a step
// that would leave 16 bits is left out, as in a print run.
class Sheet {
public:
    Sheet(PrinterSurface& surface, PrintOffset offset) : surface_(surface), offset_(offset) {}

    void line(int x1, int y1, int x2, int y2) {
        const auto a = fitTwips(qint64(x1) + offset_.x);
        const auto b = fitTwips(qint64(y1) + offset_.y);
        const auto c = fitTwips(qint64(x2) + offset_.x);
        const auto d = fitTwips(qint64(y2) + offset_.y);
        if (a && b && c && d)
            surface_.DrawLine(*a, *b, *c, *d);
    }

    void text(int x, int y, const QString& text) {
        const auto a = fitTwips(qint64(x) + offset_.x);
        const auto b = fitTwips(qint64(y) + offset_.y);
        if (!a || !b)
            return;
        surface_.SetX(*a);
        surface_.SetY(*b);
        surface_.PrintLine(text);
    }

    void lineEnd(int x) {
        if (const auto end = fitTwips(qint64(x) + offset_.x))
            surface_.SetLineEnd(*end);
    }

    // The label's own shape, and a cross at each corner of its box.
    void outline(const Layout& layout, const Layout::Stock& s) {
        const int right = s.left + s.width;
        const int bottom = s.top + s.height;
        const int radius = std::min({layout.cornerRadius, s.width / 2, s.height / 2});
        if (layout.shape != Layout::Shape::Rectangle) {
            arc(s.left + s.width / 2.0, s.top + s.height / 2.0, s.width / 2.0, s.height / 2.0, 0,
                kArcSteps * 4);
        } else {
            line(s.left + radius, s.top, right - radius, s.top);
            line(right, s.top + radius, right, bottom - radius);
            line(right - radius, bottom, s.left + radius, bottom);
            line(s.left, bottom - radius, s.left, s.top + radius);
            if (radius > 0) {
                arc(right - radius, bottom - radius, radius, radius, 0, kArcSteps);
                arc(s.left + radius, bottom - radius, radius, radius, kArcSteps, kArcSteps);
                arc(s.left + radius, s.top + radius, radius, radius, 2 * kArcSteps, kArcSteps);
                arc(right - radius, s.top + radius, radius, radius, 3 * kArcSteps, kArcSteps);
            }
        }
        for (const int x : {s.left, right}) {
            for (const int y : {s.top, bottom}) {
                line(x - kCrossArm, y, x + kCrossArm, y);
                line(x, y - kCrossArm, x, y + kCrossArm);
            }
        }
    }

    // Ticks every sixteenth of an inch of the paper along one edge of the
    // printable area, `across` the printable width or down its height.
    void ruler(int paperLength, bool across) {
        const int first = (kNominalMargin + kSixteenth - 1) / kSixteenth;
        const int last = (paperLength - kNominalMargin) / kSixteenth;
        const int end = paperLength - 2 * kNominalMargin;
        across ? line(0, 0, end, 0) : line(0, 0, 0, end);
        for (int n = first; n <= last; ++n) {
            const int at = n * kSixteenth - kNominalMargin;
            const int length = tickLength(n);
            across ? line(at, 0, at, length) : line(0, at, length, at);
            if (n % 16 != 0)
                continue;
            const QString number = QString::number(n / 16);
            across ? text(at + kNumberAside, kNumberAcross, number)
                   : text(kNumberAcross, at + kNumberAside, number);
        }
    }

private:
    // Segments of a quarter of an ellipse's outline.
    static constexpr int kArcSteps = 12;

    // `steps` segments of the ellipse about (cx, cy), from segment `from` on;
    // y grows downwards, so the first quarter is the bottom right one.
    void arc(double cx, double cy, double rx, double ry, int from, int steps) {
        const auto at = [&](int k) {
            const double angle = k * M_PI / (2 * kArcSteps);
            return std::pair<int, int>(int(std::lround(cx + rx * std::cos(angle))),
                                       int(std::lround(cy + ry * std::sin(angle))));
        };
        for (int k = from; k < from + steps; ++k) {
            const auto [x1, y1] = at(k);
            const auto [x2, y2] = at(k + 1);
            line(x1, y1, x2, y2);
        }
    }

    PrinterSurface& surface_;
    PrintOffset offset_;
};

} // namespace

QString stationeryTitle(Stationery stationery) {
    const Layout& layout = layoutFor(stationery);
    const Name& name = kNames[std::size_t(stationery)];
    if (name.perSheet)
        return QStringLiteral("%1, %2 x %3 in, %4 a sheet")
            .arg(QLatin1String(name.name), inches(layout.stock.width), inches(layout.stock.height))
            .arg(layout.itemsPerSheet);
    return QStringLiteral("%1, %2 x %3 in")
        .arg(QLatin1String(name.name), inches(layout.paperWidth), inches(layout.paperHeight));
}

QString stationeryTitle(const StockTemplate& stock) {
    if (stock.builtIn)
        return stationeryTitle(*stock.builtIn);
    return QStringList{stock.brand, stock.part, stock.description}
        .join(QLatin1Char(' '))
        .simplified();
}

namespace {

void drawSheet(PrinterSurface& surface, const Layout& layout, const QString& title,
               PrintOffset offset) {
    if (layout.orientation)
        surface.SetOrientation(*layout.orientation);
    if (layout.paperSize)
        surface.SetPaperSize(*layout.paperSize);
    if (const auto& page = layout.pageSize)
        surface.SetPageSize(page->width, page->height, page->landscape);
    Sheet sheet(surface, offset);

    const int slots = layout.documentPerItem() ? 1 : layout.itemsPerSheet;
    for (int slot = 0; slot < slots; ++slot)
        sheet.outline(layout, layout.stockOf(slot));

    const int printableWidth = layout.paperWidth - 2 * kNominalMargin;
    surface.SetFontName(kPrintFont);
    surface.SetBold(false);
    surface.SetFontSize(kRulerFontSize);
    sheet.lineEnd(printableWidth);
    sheet.ruler(layout.paperWidth, true);
    sheet.ruler(layout.paperHeight, false);

    // The heading, inside the first label (or the paper) and clear of the rulers.
    const Layout::Stock first = layout.stockOf(0);
    const int x = std::max(first.left, kInchTick) + kInset;
    int y = std::max(first.top, kInchTick) + kInset;
    sheet.lineEnd(std::min(first.left + first.width, printableWidth) - kInset);
    surface.SetBold(true);
    surface.SetFontSize(kHeadingSize);
    sheet.text(x, y, //: Printed on paper, the heading of the calibration sheet
               QCoreApplication::translate("CalibrationSheet", "Calibration sheet: %1").arg(title));
    y += kHeadingStep;
    surface.SetBold(false);
    surface.SetFontSize(kTextSize);
    const QString lines[] = {
        //: Printed on paper; the five lines of the calibration sheet's instructions.
        QCoreApplication::translate(
            "CalibrationSheet", "Hold this sheet against the stationery in front of a light and"),
        QCoreApplication::translate(
            "CalibrationSheet", "enter how far the printed outlines are off its edges under File:"),
        QCoreApplication::translate(
            "CalibrationSheet", "Calibrate Printer (right and down count positive), on top of the"),
        QCoreApplication::translate("CalibrationSheet",
                                    "offsets it was printed with: %1 in right, %2 in down.")
            .arg(signedInches(offset.x), signedInches(offset.y)),
        QCoreApplication::translate("CalibrationSheet",
                                    "Ruler: 1/16 in ticks, inches counted from the paper's edge."),
    };
    for (const QString& line : lines) {
        sheet.text(x, y, line);
        y += kTextStep;
    }
    surface.EndDocument();
}

} // namespace

void drawCalibrationSheet(PrinterSurface& surface, Stationery stationery, PrintOffset offset) {
    drawSheet(surface, layoutFor(stationery), stationeryTitle(stationery), offset);
}

void drawCalibrationSheet(PrinterSurface& surface, const StockTemplate& stock, PrintOffset offset) {
    if (stock.builtIn) {
        drawCalibrationSheet(surface, *stock.builtIn, offset);
        return;
    }
    drawSheet(surface, stockLayout(stock), stationeryTitle(stock), offset);
}

} // namespace ravelbook
