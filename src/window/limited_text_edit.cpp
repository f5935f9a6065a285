#include "window/limited_text_edit.h"

#include <QLineEdit>
#include <QTextCursor>
#include <QValidator>

namespace ravelbook {

namespace {

bool splitsPair(const QString& text, int at) {
    return at > 0 && at < text.size() && text[at - 1].isHighSurrogate() &&
           text[at].isLowSurrogate();
}

// Takes out halves of characters, keeping the cursor where it was.
class WholeCharacters final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override {
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

void keepWholeCharacters(QLineEdit* box) {
    box->setValidator(new WholeCharacters(box));
}

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
