#include "window/caption_fit.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QVariant>

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

namespace {

// What an elided control keeps: its whole caption, the text it shows instead
// (a caption set since replaces both) and the tooltip it had.
constexpr const char* kWholeCaption = "ravelbookWholeCaption";
constexpr const char* kElidedCaption = "ravelbookElidedCaption";
constexpr const char* kOwnToolTip = "ravelbookOwnToolTip";

QString captionOf(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    return {};
}

void setCaptionOf(QWidget* control, const QString& caption) {
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(caption);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(caption);
}

// "&Print" is read "Print" in a tooltip.
QString withoutAccessKeys(QString caption) {
    static const QRegularExpression accessKey(QStringLiteral("&(.)"));
    return caption.replace(accessKey, QStringLiteral("\\1"));
}

} // namespace

void fitCaption(QWidget* control) {
    const QString shown = captionOf(control);
    const bool wasElided = control->property(kWholeCaption).isValid();
    if (!wasElided && (shown.isEmpty() || captionFits(control)))
        return;
    const bool stillElided = wasElided && control->property(kElidedCaption).toString() == shown;
    const QString whole = stillElided ? control->property(kWholeCaption).toString() : shown;
    const QString ownTip =
        wasElided ? control->property(kOwnToolTip).toString() : control->toolTip();
    setCaptionOf(control, whole);
    if (whole.isEmpty() || captionFits(control)) {
        control->setToolTip(ownTip);
        for (const char* kept : {kWholeCaption, kElidedCaption, kOwnToolTip})
            control->setProperty(kept, QVariant());
        return;
    }
    // Cut one character at a time: the style, not the font alone, decides what fits.
    QString cut = whole;
    while (!cut.isEmpty() && !captionFits(control)) {
        cut.chop(1);
        setCaptionOf(control, cut.trimmed() + QChar(0x2026));
    }
    const QString tip = withoutAccessKeys(whole);
    control->setToolTip(ownTip.isEmpty() ? tip : tip + QLatin1Char('\n') + ownTip);
    control->setProperty(kWholeCaption, whole);
    control->setProperty(kElidedCaption, captionOf(control));
    control->setProperty(kOwnToolTip, ownTip);
}

} // namespace ravelbook
