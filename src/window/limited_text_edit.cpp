#include "window/limited_text_edit.h"

#include "core/address_fields.h"

#include <QLineEdit>
#include <QMimeData>
#include <QTextCursor>
#include <QValidator>

namespace ravelbook {

namespace {

bool splitsPair(const QString& text, int at) {
    return at > 0 && at < text.size() && text[at - 1].isHighSurrogate() &&
           text[at].isLowSurrogate();
}

// Keeps one line of whole characters: a pasted line break becomes a blank,
// control characters and halves of characters go; the cursor stays where it was.
class OneLineText final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override {
        pos = int(cleanText(input.left(pos), false).size());
        input = cleanText(input, false);
        for (int i = 0; i < input.size(); ++i) {
            if (!input[i].isSurrogate())
                continue;
            if (input[i].isHighSurrogate() && i + 1 < input.size() &&
                input[i + 1].isLowSurrogate()) {
                ++i;
                continue;
            }
            input.remove(i, 1);
            if (pos > i)
                --pos;
            --i;
        }
        return Acceptable;
    }
};

} // namespace

void keepOneLineText(QLineEdit* box) {
    box->setValidator(new OneLineText(box));
}

LimitedTextEdit::LimitedTextEdit(QWidget* parent) : QPlainTextEdit(parent) {
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (settingText_)
            return;
        enforceLimit();
        Q_EMIT textEdited(toPlainText());
    });
}

void LimitedTextEdit::insertFromMimeData(const QMimeData* source) {
    // Pasted or dropped text keeps its line breaks but no other control characters.
    if (source->hasText())
        insertPlainText(cleanText(source->text(), true));
    else
        QPlainTextEdit::insertFromMimeData(source);
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
    int start = std::max(0, end - excess);
    if (splitsPair(text, start))
        --start; // the whole character, not half of it
    const bool wasSetting = settingText_;
    settingText_ = true;
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    if (toPlainText().size() > maxLength_) {
        cursor.movePosition(QTextCursor::End);
        cursor.setPosition(maxLength_ - (splitsPair(toPlainText(), maxLength_) ? 1 : 0),
                           QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    settingText_ = wasSetting;
    setTextCursor(cursor);
}

} // namespace ravelbook
