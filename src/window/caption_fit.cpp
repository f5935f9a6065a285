#include "window/caption_fit.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

namespace ravelbook {

bool captionFits(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        if (label->wordWrap())
            return label->heightForWidth(label->width()) <= label->height();
        return label->sizeHint().width() <= label->width();
    }
    // The style's size for the caption: indicator, spacing and text of a box,
    // margins of a button, the title of a frame.
    if (const auto* frame = qobject_cast<const QGroupBox*>(control))
        return frame->minimumSizeHint().width() <= frame->width();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text().isEmpty() || button->sizeHint().width() <= button->width();
    return true;
}

void tipIfCut(QAbstractButton* box, const QString& caption) {
    box->setToolTip(captionFits(box) ? QString() : caption);
}

} // namespace ravelbook
