#pragma once

#include "core/address_record.h"

#include <array>
#include <QObject>

class QCheckBox;
class QGroupBox;
class QWidget;

namespace ravelbook {

class TwipGeometry;

// The window has 36 group boxes: box i on page "Names" and box 35 - i on page
// "Mailings" carry the same group.
constexpr int kGroupBoxes = 2 * kGroupCount;
constexpr int twinOf(int index) {
    return kGroupBoxes - 1 - index;
}

// The frames of the group boxes have blue captions.
void colourFrameCaption(QGroupBox* frame);

// The 18 boxes of one page's frame, by group: box k on "Names", box 35 - k on "Mailings".
std::array<QCheckBox*, kGroupCount> buildGroupBoxes(QGroupBox* frame, bool onMailingsPage,
                                                    TwipGeometry& geometry, const QWidget* window);

// Tells of a mouse button released over a group box, as a click would be, and
// of the menu key pressed on one: both rename the box's group.
class GroupBoxMouse : public QObject {
    Q_OBJECT

public:
    GroupBoxMouse(const std::array<QCheckBox*, kGroupCount>& boxes, bool onMailingsPage,
                  QObject* parent);

Q_SIGNALS:
    // `index` is the box's index in the window, 0 to 35.
    void mouseUp(int index, Qt::MouseButton button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const std::array<QCheckBox*, kGroupCount>& boxes_;
    bool onMailingsPage_;
};

} // namespace ravelbook
