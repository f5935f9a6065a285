// The floor of printing: a bare QPdfWriter program that draws the small labels
// of one group of the synthetic book of N records, exactly the lines the
// print run draws ("TO:", the name first name first, the address lines, the
// contact after "ATTN: "), at the same places and in the same type. It reads
// no book: the records are made as the book was. The bench times the whole
// process, as it times ravelbook print.
//   ravelbook_floor_pdf OUT.pdf N [GROUP]   (GROUP 17, everybody, by default)
#include "core/length.h"
#include "print/layout.h"
#include "synthetic_book.h"

#include <cstdio>
#include <cstdlib>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: ravelbook_floor_pdf OUT.pdf N [GROUP]\n");
        return 2;
    }
    const long count = std::strtol(argv[2], nullptr, 10);
    const long group = argc == 4 ? std::strtol(argv[3], nullptr, 10) : 17;
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
