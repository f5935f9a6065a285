#include "window/twip_geometry.h"

#include "window/twips.h"

#include <QWidget>

namespace ravelbook {

void TwipGeometry::place(QWidget* control, const QRect& twips, QWidget* measuredFrom) {
    placed_.push_back({control, twips, measuredFrom});
}

void TwipGeometry::apply(qreal dotsPerInch) const {
    for (const Placed& p : placed_) {
        if (!p.control)
            continue;
        QRect pixels = twipsToPixels(p.twips, dotsPerInch);
        if (p.measuredFrom && p.control->parentWidget())
            pixels.translate(-p.control->parentWidget()->mapTo(p.measuredFrom, QPoint(0, 0)));
        if (p.control->isWindow())
            p.control->resize(pixels.size()); // a window's place is the screen's business
        else
            p.control->setGeometry(pixels);
    }
}

} // namespace ravelbook
