#include "print/type_metrics.h"

#include <algorithm>
#include <QGlyphRun>
#include <QPainter>
#include <QTextLine>
#include <QTextOption>

namespace ravelbook {

namespace {

// Enough for the lines every item repeats; names and streets, each printed
// once, would only fill it.
constexpr qsizetype kWidthsKept = 256;
// Wider than any line, in dots; a line of the layout is never broken.
constexpr qreal kUnbounded = 1e6;

// Text a text layout shapes and places as QPainter::drawText() does: printable
// characters of the scripts written left to right up to Armenian, with no soft
// hyphen. A layout would break a line at a line separator, widen a tab to its
// own stops and treat right-to-left text as a paragraph; such text is drawn
// by the painter itself.
bool laidOutAsDrawn(const QString& text) {
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        const char16_t u = c.unicode();
        return u >= 0x20 && u < 0x0590 && !(u >= 0x7f && u < 0xa0) && u != 0xad;
    });
}

} // namespace

TypeMetrics::TypeMetrics(const QFont& font, QPaintDevice* device)
    : font_(font), device_(device), metrics_(font, device), shaped_(QString(), font, device) {
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    shaped_.setTextOption(option);
    // Keeps the glyphs past endLayout(), for draw().
    shaped_.setCacheEnabled(true);
}

qreal TypeMetrics::width(const QString& text) {
    if (const auto known = widths_.constFind(text); known != widths_.constEnd())
        return *known;
    if (widths_.size() >= kWidthsKept)
        widths_.clear();
    qreal measured = 0;
    holdsShaped_ = !text.isEmpty() && laidOutAsDrawn(text);
    if (holdsShaped_) {
        shaped_.setText(text);
        shaped_.beginLayout();
        QTextLine line = shaped_.createLine();
        line.setLineWidth(kUnbounded);
        shaped_.endLayout();
        measured = line.horizontalAdvance();
    } else {
        measured = metrics_.horizontalAdvance(text);
    }
    widths_.insert(text, measured);
    return measured;
}

void TypeMetrics::draw(QPainter& painter, QPointF baseline, const QString& text) const {
    if (!holdsShaped_ || shaped_.text() != text) {
        painter.drawText(baseline, text);
        return;
    }
    const QTextLine line = shaped_.lineAt(0);
    line.draw(&painter, baseline - QPointF(0, line.ascent()));
}

// The type of the scripts up to Armenian is in every font the layouts name,
// so only other text is shaped to look: glyph 0 is what a font draws for a
// character it lacks, after the fallbacks have been tried.
bool TypeMetrics::hasEveryGlyph(const QString& text) const {
    if (laidOutAsDrawn(text))
        return true;
    QTextLayout layout(text, font_, device_);
    layout.beginLayout();
    layout.createLine().setLineWidth(kUnbounded);
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    return std::none_of(runs.cbegin(), runs.cend(),
                        [](const QGlyphRun& run) { return run.glyphIndexes().contains(0); });
}

} // namespace ravelbook
