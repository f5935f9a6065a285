#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <vector>

class QWidget;

namespace ravelbook {

// Places controls from positions given in twips. A control on a tab page is
// measured from the tab control's top-left corner (its tab strip included), as
// the window's layout states; every other control from its parent's corner.
class TwipGeometry : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    void place(QWidget* control, const QRect& twips, QWidget* measuredFrom = nullptr);
    // Sets every control's pixel geometry at the given logical resolution.
    void apply(qreal dotsPerInch) const;

private:
    struct Placed {
        QPointer<QWidget> control;
        QRect twips;
        QPointer<QWidget> measuredFrom;
    };
    std::vector<Placed> placed_;
};

} // namespace ravelbook
