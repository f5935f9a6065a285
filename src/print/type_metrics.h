#pragma once

#include <QFontMetricsF>
#include <QHash>
#include <QString>

class QFont;
class QPaintDevice;

namespace ravelbook {

// The metrics of one font on one device, in the device's dots, and the widths
// of the lines measured so far: a run measures the same few lines ("TO:",
// "ATTN: ", a city) again and again, and each measurement shapes the text.
class TypeMetrics {
public:
    TypeMetrics(const QFont& font, QPaintDevice* device) : metrics_(font, device) {}

    qreal ascent() const { return metrics_.ascent(); }
    qreal height() const { return metrics_.height(); }
    qreal lineSpacing() const { return metrics_.lineSpacing(); }
    // How far the text reaches across.
    qreal width(const QString& text);

private:
    QFontMetricsF metrics_;
    QHash<QString, qreal> widths_;
};

} // namespace ravelbook
