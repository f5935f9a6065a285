#pragma once

#include <QString>

class QAbstractButton;
class QWidget;

namespace ravelbook {

// Whether a button, label or frame shows its whole caption at its present size
// and font. Controls without a caption always fit.
bool captionFits(const QWidget* control);

// A box whose caption is cut gets the whole caption as its tooltip; one that
// shows it all gets none.
void tipIfCut(QAbstractButton* box, const QString& caption);

// A label or button whose caption is cut at its present size shows it elided
// instead, with the whole caption (before any tooltip of its own) as its
// tooltip; one that fits again shows it whole. A translated caption can be
// longer than the box designed for the English one.
void fitCaption(QWidget* control);

} // namespace ravelbook
