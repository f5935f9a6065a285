#include "window/twip_geometry.h"

#include "window/twips.h"

#include <algorithm>
#include <QWidget>

namespace ravelbook {

void TwipGeometry::place(QWidget* control, const QRect& twips, QWidget* measuredFrom) {
    placed_.push_back({control, twips, measuredFrom, Stays});
}

void TwipGeometry::anchor(QWidget* control, Anchors anchors) {
    const auto found = std::find_if(placed_.begin(), placed_.end(),
                                    [&](const Placed& p) { return p.control == control; });
    if (found != placed_.end())
        found->anchors = anchors;
}

void TwipGeometry::apply(qreal dotsPerInch, QSize growth) const {
    growth = growth.expandedTo({0, 0});
    for (const Placed& p : placed_) {
        if (!p.control)
            continue;
        QRect pixels = twipsToPixels(p.twips, dotsPerInch);
        if (p.measuredFrom && p.control->parentWidget())
            pixels.translate(-p.control->parentWidget()->mapTo(p.measuredFrom, QPoint(0, 0)));
        if (p.anchors & MovesRight)
            pixels.translate(growth.width(), 0);
        if (p.anchors & MovesDown)
            pixels.translate(0, growth.height());
        if (p.anchors & GrowsWide)
            pixels.setWidth(pixels.width() + growth.width());
        if (p.anchors & GrowsTall)
            pixels.setHeight(pixels.height() + growth.height());
        if (p.control->isWindow())
            p.control->resize(pixels.size()); // a window's place is the screen's business
        else
            p.control->setGeometry(pixels);
    }
}

} // namespace ravelbook
