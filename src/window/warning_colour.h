#pragma once

#include <QColor>
#include <QPalette>

namespace ravelbook {

// The red of a warning or a refused entry, readable on the palette's own
// background: dark on a light one, light on a dark or high-contrast one.
inline QColor warningColour(const QPalette& palette, QPalette::ColorRole background) {
    return palette.color(background).lightness() < 128 ? QColor(0xff, 0x8a, 0x80)
                                                       : QColor(0xb0, 0x00, 0x20);
}

// Shows `widget`'s text (`role`, on `background`) in the warning red, or in
// the colour it inherits again.
inline void setWarningLook(QWidget* widget, bool warning, QPalette::ColorRole role,
                           QPalette::ColorRole background) {
    if (!warning) {
        widget->setPalette(QPalette()); // inherits the window's, a dark one too
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(role, warningColour(palette, background));
    widget->setPalette(palette);
}

} // namespace ravelbook
