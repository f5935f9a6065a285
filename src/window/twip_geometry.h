#pragma once

#include <QFlags>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <vector>

class QWidget;

namespace ravelbook {

// Places controls from positions given in twips. A control on a tab page is
// measured from the tab control's top-left corner (its tab strip included), as
// the window's layout states; every other control from its parent's corner.
//
// When the window is larger than designed, an anchored control grows by the
// extra size or moves with the edge it is anchored to; the others stay put.
class TwipGeometry : public QObject {
    Q_OBJECT

public:
    enum Anchor {
        Stays = 0,
        GrowsWide = 1,
        GrowsTall = 2,
        MovesRight = 4,
        MovesDown = 8,
    };
    Q_DECLARE_FLAGS(Anchors, Anchor)

    using QObject::QObject;

    void place(QWidget* control, const QRect& twips, QWidget* measuredFrom = nullptr);
    void anchor(QWidget* control, Anchors anchors);
    // Sets every control's pixel geometry at the given logical resolution, with
    // `growth` pixels more than designed in each direction.
    void apply(qreal dotsPerInch, QSize growth = {}) const;

private:
    struct Placed {
        QPointer<QWidget> control;
        QRect twips;
        QPointer<QWidget> measuredFrom;
        Anchors anchors;
    };
    std::vector<Placed> placed_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TwipGeometry::Anchors)

} // namespace ravelbook
