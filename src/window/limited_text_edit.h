#pragma once

#include <QPlainTextEdit>

class QLineEdit;

namespace ravelbook {

// A one-line box admits at most maxLength() UTF-16 units, so pasted text cut
// at the limit may keep the first half of a character beyond the first plane,
// which no file can hold; and it takes pasted line breaks and control
// characters as they are. This drops the halves and the control characters as
// they arrive and makes each line break one blank.
void keepOneLineText(QLineEdit* box);

// A text box of several lines that, like a one-line box, admits at most a given
// number of characters, also when longer text is pasted.
class LimitedTextEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit LimitedTextEdit(QWidget* parent = nullptr);

    int maxLength() const { return maxLength_; }
    void setMaxLength(int length);

    QString text() const { return toPlainText(); }
    // Replaces the text without counting as the user's edit. The limit holds for
    // typing and pasting only; raise it first to show a longer text whole.
    void setText(const QString& text);

Q_SIGNALS:
    // The user changed the text (typing, pasting, cutting).
    void textEdited(const QString& text);

protected:
    void insertFromMimeData(const QMimeData* source) override;

private:
    void enforceLimit();

    int maxLength_ = 32767;
    bool settingText_ = false;
};

} // namespace ravelbook
