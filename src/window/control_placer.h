#pragma once

#include "window/twip_geometry.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QRect>
#include <QString>
#include <vector>

namespace ravelbook {

// "txtAddress(3)": the name of one control of an array.
inline QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

template <typename Widget> Widget* makeNamed(QWidget* parent, const QString& name) {
    auto* widget = new Widget(parent);
    widget->setObjectName(name);
    return widget;
}

// A control with its name, caption (translated by the caller; empty for
// none) and place; `measuredFrom` is the tab control
// for controls on a tab page.
class Placer {
public:
    Placer(TwipGeometry& geometry, QWidget* measuredFrom)
        : geometry_(geometry), measuredFrom_(measuredFrom) {}

    template <typename Widget>
    Widget* add(QWidget* parent, const QString& name, const QRect& twips,
                const QString& caption = QString()) {
        Widget* widget = makeNamed<Widget>(parent, name);
        if (!caption.isEmpty())
            setCaption(widget, caption);
        geometry_.place(widget, twips, parent->isWindow() ? nullptr : measuredFrom_);
        return widget;
    }

private:
    static void setCaption(QLabel* w, const QString& caption) { w->setText(caption); }
    static void setCaption(QAbstractButton* w, const QString& caption) { w->setText(caption); }
    static void setCaption(QGroupBox* w, const QString& caption) { w->setTitle(caption); }
    static void setCaption(QWidget*, const QString&) {}

    TwipGeometry& geometry_;
    QWidget* measuredFrom_;
};

// Tab goes through `order` in turn: the reading order of a page, each column
// of controls top to bottom and the columns left to right, which the order
// the controls are made in does not follow.
inline void setTabOrderOf(const std::vector<QWidget*>& order) {
    for (std::size_t k = 1; k < order.size(); ++k)
        QWidget::setTabOrder(order[k - 1], order[k]);
}

// A table of the tab order with an array of controls in its place.
template <typename Controls>
void appendAll(std::vector<QWidget*>& order, const Controls& controls) {
    order.insert(order.end(), std::begin(controls), std::end(controls));
}

} // namespace ravelbook
