// The floor of printing: a bare QPdfWriter program that draws N small labels,
// the same lines at the same places and in the same type as the print run.
// Prints the seconds from opening the writer to closing the file.
//   ravelbook_floor_pdf OUT.pdf N
#include "print/layout.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: ravelbook_floor_pdf OUT.pdf N\n");
        return 2;
    }
    const long count = std::strtol(argv[2], nullptr, 10);
    const auto start = std::chrono::steady_clock::now();
    const ravelbook::Layout& layout = ravelbook::layoutFor(ravelbook::Stationery::SmallLabels);

    QPdfWriter writer(QString::fromLocal8Bit(argv[1]));
    writer.setResolution(1440); // one device unit a twip
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                     QMarginsF(18, 18, 18, 18), QPageLayout::Point));
    QPainter painter(&writer);
    QFont font(ravelbook::kPrintFont);
    font.setPointSize(layout.fontSize);
    font.setBold(true);
    painter.setFont(font);
    const int ascent = painter.fontMetrics().ascent();

    for (long i = 0; i < count; ++i) {
        const int slot = int(i % layout.itemsPerSheet);
        if (i > 0 && slot == 0)
            writer.newPage();
        const int x = slot % layout.columns * layout.columnPitch;
        const int y = slot / layout.columns * layout.rowPitch + layout.startY;
        const QString lines[] = {QStringLiteral("Núñez, Renée K. %1").arg(i),
                                 QStringLiteral("%1 Main St").arg(i % 9999),
                                 QStringLiteral("Springfield, IL 62701"), QStringLiteral("Canada"),
                                 QStringLiteral("ATTN: Accounts Payable")};
        painter.drawText(x + layout.toX, y + ascent, QStringLiteral("TO:"));
        for (int line = 0; line < 5; ++line)
            painter.drawText(x + layout.textX, y + line * layout.lineStep + ascent, lines[line]);
    }
    if (!painter.end())
        return 1;
    std::printf("%.6f\n",
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    return 0;
}
