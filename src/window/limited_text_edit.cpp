#include "window/limited_text_edit.h"

#include <QTextCursor>

namespace ravelbook {

LimitedTextEdit::LimitedTextEdit(QWidget* parent) : QPlainTextEdit(parent) {
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (settingText_)
            return;
        enforceLimit();
        Q_EMIT textEdited(toPlainText());
    });
}

void LimitedTextEdit::setMaxLength(int length) {
    maxLength_ = length;
    enforceLimit();
}

void LimitedTextEdit::setText(const QString& text) {
    settingText_ = true;
    setPlainText(text);
    settingText_ = false;
}

void LimitedTextEdit::enforceLimit() {
    const QString text = toPlainText();
    if (text.size() <= maxLength_)
        return;
    // Cut what goes past the limit at the cursor, where the new text went in.
    QTextCursor cursor = textCursor();
    const int excess = text.size() - maxLength_;
    const int end = cursor.position();
    const int start = std::max(0, end - excess);
    const bool wasSetting = settingText_;
    settingText_ = true;
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    if (toPlainText().size() > maxLength_) {
        cursor.movePosition(QTextCursor::End);
        cursor.setPosition(maxLength_, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    settingText_ = wasSetting;
    setTextCursor(cursor);
}

} // namespace ravelbook
