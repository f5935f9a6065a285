#include "window/app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace ravelbook {

namespace {

QPixmap envelope(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const qreal unit = size / 16.0;
    const QRectF body(1 * unit, 4 * unit, 14 * unit - 1, 9 * unit - 1);
    painter.setPen(QPen(QColor(0, 0, 128), 1));
    painter.setBrush(QColor(255, 255, 224));
    painter.drawRect(body);
    QPainterPath flap;
    flap.moveTo(body.topLeft());
    flap.lineTo(body.center().x(), body.top() + 5 * unit);
    flap.lineTo(body.topRight());
    painter.drawPath(flap);
    // The stamp.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(192, 0, 0));
    painter.drawRect(QRectF(11 * unit, 5 * unit, 3 * unit, 3 * unit));
    return pixmap;
}

} // namespace

QIcon appIcon() {
    QIcon icon;
    icon.addPixmap(envelope(16));
    icon.addPixmap(envelope(32));
    return icon;
}

} // namespace ravelbook
