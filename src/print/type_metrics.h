#pragma once

#include <QFontMetricsF>
#include <QHash>
#include <QPointF>
#include <QString>
#include <QTextLayout>

class QFont;
class QPaintDevice;
class QPainter;

namespace ravelbook {

// One font on one device, in the device's dots: its metrics, the widths of the
// lines measured so far, and the last line measured, shaped once for both its
// width and its drawing. A run measures the same few lines ("TO:", "ATTN: ", a
// city) again and again, and every measurement shapes the text.
class TypeMetrics {
public:
    TypeMetrics(const QFont& font, QPaintDevice* device);

    qreal ascent() const { return metrics_.ascent(); }
    qreal height() const { return metrics_.height(); }
    qreal lineSpacing() const { return metrics_.lineSpacing(); }
    // How far the text reaches across.
    qreal width(const QString& text);
    // Draws the text in this font with its baseline at `baseline`; the painter
    // must have the same font. A line just measured is not shaped again.
    void draw(QPainter& painter, QPointF baseline, const QString& text) const;
    // Whether this font or one the system falls back to has every character
    // of the text; a missing one is drawn as a box.
    bool hasEveryGlyph(const QString& text) const;

private:
    QFont font_;
    QPaintDevice* device_;
    QFontMetricsF metrics_;
    QHash<QString, qreal> widths_;
    QTextLayout shaped_;
    bool holdsShaped_ = false;
};

} // namespace ravelbook
