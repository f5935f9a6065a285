// The floor of printing: a bare QPdfWriter program that draws the small labels
// of one group of the synthetic book of N records, exactly the lines the
// print run draws ("TO:", the name first name first, the address lines, the
// contact after "ATTN: "), at the same places and in the same type. It reads
// no book: the records are made as the book was. The bench times the whole
// process, as it times ravelbook print.
//   ravelbook_floor_pdf OUT.pdf N [GROUP] [SHEET]   (GROUP 17, everybody, by default)
// With SHEET (avery-5160 or avery-l7160) it draws the address blocks of a
// catalogue sheet instead, one a label at 12 points, from the label's margin.
#include "core/length.h"
#include "print/layout.h"
#include "synthetic_book.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>

namespace {

// A catalogue sheet as the floor knows it, in twips from the paper's corner.
struct Sheet {
    const char* id;
    QPageSize::PageSizeId paper;
    int columns, rows;
    double left, top, pitchX, pitchY, height;
};

constexpr double kMm = ravelbook::kTwipsPerInch / ravelbook::kMillimetresPerInch;
constexpr int kIn = ravelbook::kTwipsPerInch;
const Sheet kSheets[] = {
    {"avery-5160", QPageSize::Letter, 3, 10, kIn * 0.15625, kIn * 0.5, kIn * 2.78125, kIn, kIn},
    {"avery-l7160", QPageSize::A4, 3, 7, 7.25 * kMm, 15.15 * kMm, 66.04 * kMm, 38.1 * kMm,
     38.1 * kMm},
};

int drawSheet(const QString& file, long count, long group, const char* id) {
    const auto sheet = std::find_if(std::begin(kSheets), std::end(kSheets),
                                    [&](const Sheet& s) { return std::strcmp(s.id, id) == 0; });
    if (sheet == std::end(kSheets)) {
        std::fprintf(stderr, "ravelbook_floor_pdf: no sheet %s\n", id);
        return 2;
    }
    QPdfWriter writer(file);
    writer.setResolution(ravelbook::kTwipsPerInch);
    writer.setCreator(QStringLiteral("Ravelbook"));
    writer.setPageLayout(QPageLayout(QPageSize(sheet->paper), QPageLayout::Portrait, QMarginsF(),
                                     QPageLayout::Point));
    QPainter painter(&writer);
    QFont font(ravelbook::kPrintFont);
    font.setPointSize(12);
    font.setBold(true);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &writer);
    const qreal ascent = metrics.ascent();
    const QString attention = QStringLiteral("ATTN: ");
    const qreal attentionWidth = metrics.horizontalAdvance(attention);
    const int perSheet = sheet->columns * sheet->rows;
    const int margin = kIn / 16;
    const int step = 12 * 23;

    ravelbook::bench::SyntheticBook book;
    long printed = 0;
    for (long i = 0; i < count; ++i) {
        const ravelbook::bench::SyntheticRecord r = book.next();
        if (!r.groups[std::size_t(group)])
            continue;
        const int slot = int(printed++ % perSheet);
        if (printed > 1 && slot == 0)
            writer.newPage();
        const int lines = 3 + !r.country.isEmpty() + !r.contact.isEmpty();
        const qreal x = sheet->left + slot % sheet->columns * sheet->pitchX + margin;
        qreal y = sheet->top + slot / sheet->columns * sheet->pitchY +
                  (sheet->height - lines * step) / 2 + ascent;
        const QString block[] = {r.printedName(), r.address, r.city, r.country};
        for (int n = 0; n < (r.country.isEmpty() ? 3 : 4); ++n) {
            painter.drawText(QPointF(x, y), block[n]);
            y += step;
        }
        if (!r.contact.isEmpty()) {
            painter.drawText(QPointF(x, y), attention);
            painter.drawText(QPointF(x + attentionWidth, y), r.contact);
        }
    }
    return painter.end() ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3 || argc > 5) {
        std::fprintf(stderr, "usage: ravelbook_floor_pdf OUT.pdf N [GROUP] [SHEET]\n");
        return 2;
    }
    const long count = std::strtol(argv[2], nullptr, 10);
    const long group = argc >= 4 ? std::strtol(argv[3], nullptr, 10) : 17;
    if (argc == 5)
        return drawSheet(QString::fromLocal8Bit(argv[1]), count, group, argv[4]);
    if (group < 0 || group >= ravelbook::kGroupCount) {
        std::fprintf(stderr, "ravelbook_floor_pdf: no group %ld\n", group);
        return 2;
    }
    const ravelbook::Layout& layout = ravelbook::layoutFor(ravelbook::Stationery::SmallLabels);

    QPdfWriter writer(QString::fromLocal8Bit(argv[1]));
    writer.setResolution(ravelbook::kTwipsPerInch); // one device unit a twip
    writer.setCreator(QStringLiteral("Ravelbook"));
    const qreal margin = ravelbook::Length::fromTwips(ravelbook::kNominalMargin).points();
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                     QMarginsF(margin, margin, margin, margin),
                                     QPageLayout::Point));
    QPainter painter(&writer);
    QFont font(ravelbook::kPrintFont);
    font.setPointSize(layout.fontSize);
    font.setBold(layout.bold);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &writer);
    const qreal ascent = metrics.ascent();
    const QString attention = QStringLiteral("ATTN: ");
    const qreal attentionWidth = metrics.horizontalAdvance(attention);

    ravelbook::bench::SyntheticBook book;
    long printed = 0;
    for (long i = 0; i < count; ++i) {
        const ravelbook::bench::SyntheticRecord r = book.next();
        if (!r.groups[std::size_t(group)])
            continue;
        const int slot = int(printed++ % layout.itemsPerSheet);
        if (printed > 1 && slot == 0)
            writer.newPage();
        const int left = slot % layout.columns * layout.columnPitch;
        const int top = slot / layout.columns * layout.rowPitch + layout.startY;
        // The top of line n's cell at `x`, and its baseline.
        const auto at = [&](qreal x, int n) {
            return QPointF(x, top + n * layout.lineStep + ascent);
        };
        const int text = left + layout.textX;
        painter.drawText(at(left + layout.toX, 0), QStringLiteral("TO:"));
        painter.drawText(at(text, 0), r.printedName());
        painter.drawText(at(text, 1), r.address);
        painter.drawText(at(text, 2), r.city);
        if (!r.country.isEmpty())
            painter.drawText(at(text, 3), r.country);
        if (!r.contact.isEmpty()) {
            painter.drawText(at(text, 4), attention);
            painter.drawText(at(text + attentionWidth, 4), r.contact);
        }
    }
    return painter.end() ? 0 : 1;
}
