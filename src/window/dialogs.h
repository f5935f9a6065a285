#pragma once

#include <QString>

namespace ravelbook {

// The two dialogs the window asks the user with. The program shows Qt's;
// tests answer them by script.
class Dialogs {
public:
    enum class Buttons { Ok, YesNo, SaveDiscardCancel };
    enum class Answer { Ok, Yes, No, Save, Discard, Cancel };

    virtual ~Dialogs() = default;

    // A message box without icon; with YesNo, Yes is the default button; with
    // SaveDiscardCancel, Save is, and closing the box is Cancel.
    virtual Answer message(const QString& text, const QString& title, Buttons buttons) = 0;
    // A one-line text prompt; returns the empty text when cancelled.
    virtual QString prompt(const QString& text, const QString& title,
                           const QString& defaultText) = 0;
    // Asks where to save a file; returns the empty text when cancelled.
    virtual QString saveFileName(const QString& title, const QString& suggested) = 0;
};

// Title of the boxes that report a failure to the user.
inline const QString kErrorTitle = QStringLiteral("Ravelbook");

inline void showError(Dialogs& dialogs, const QString& text) {
    dialogs.message(text, kErrorTitle, Dialogs::Buttons::Ok);
}

} // namespace ravelbook
