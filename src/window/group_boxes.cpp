#include "window/group_boxes.h"

#include "window/control_placer.h"

#include <algorithm>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QMouseEvent>

namespace ravelbook {

namespace {

QRect groupBoxTwips(int column, bool onMailingsPage) {
    const bool right = column >= 9;
    const int left = right ? 2160 : 120;
    const int top = 240 + 240 * (right ? column - 9 : column);
    const int width = right && onMailingsPage ? 975 : 1815;
    return {left, top, width, 255};
}

// Only the frame's own caption is blue; the boxes inside keep the usual colour.
void keepUsualTextColour(QWidget* control, const QWidget* window) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, window->palette().color(QPalette::WindowText));
    control->setPalette(palette);
}

const QColor kFrameCaptionColour(0, 0, 192);

} // namespace

void colourFrameCaption(QGroupBox* frame) {
    QPalette palette = frame->palette();
    palette.setColor(QPalette::WindowText, kFrameCaptionColour);
    frame->setPalette(palette);
}

std::array<QCheckBox*, kGroupCount> buildGroupBoxes(QGroupBox* frame, bool onMailingsPage,
                                                    TwipGeometry& geometry, const QWidget* window) {
    std::array<QCheckBox*, kGroupCount> boxes{};
    Placer inFrame(geometry, nullptr);
    for (int k = 0; k < kGroupCount; ++k) {
        const int index = onMailingsPage ? twinOf(k) : k;
        QCheckBox* box = inFrame.add<QCheckBox>(frame, indexed("chkGroups", index),
                                                groupBoxTwips(k, onMailingsPage));
        keepUsualTextColour(box, window);
        // The caption is the group's title, which the user may change: say what the box is.
        box->setAccessibleDescription(
            QCoreApplication::translate("ravelbook::GroupBoxMouse", "Group %1").arg(k + 1));
        boxes[std::size_t(k)] = box;
    }
    return boxes;
}

GroupBoxMouse::GroupBoxMouse(const std::array<QCheckBox*, kGroupCount>& boxes, bool onMailingsPage,
                             QObject* parent)
    : QObject(parent), boxes_(boxes), onMailingsPage_(onMailingsPage) {
    for (QCheckBox* box : boxes_)
        box->installEventFilter(this);
}

bool GroupBoxMouse::eventFilter(QObject* watched, QEvent* event) {
    const auto found = std::find(boxes_.begin(), boxes_.end(), watched);
    if (found == boxes_.end())
        return QObject::eventFilter(watched, event);
    const int group = int(found - boxes_.begin());
    const int index = onMailingsPage_ ? twinOf(group) : group;
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        // Released over the box it was pressed on, as a click would be.
        if ((*found)->rect().contains(mouse->position().toPoint()))
            Q_EMIT mouseUp(index, mouse->button());
    } else if (event->type() == QEvent::ContextMenu &&
               static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        // The menu key renames the focused box, for those who work without a mouse.
        Q_EMIT mouseUp(index, Qt::RightButton);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ravelbook
