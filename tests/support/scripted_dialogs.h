#pragma once

#include "window/dialogs.h"

#include <deque>
#include <QString>
#include <vector>

namespace ravelbook::testing {

// Answers the window's dialogs from a script and records every one shown.
class ScriptedDialogs final : public Dialogs {
public:
    struct Shown {
        QString text;
        QString title;
        bool prompt = false;
        QString defaultText; // prompts only
    };

    Answer message(const QString& text, const QString& title, Buttons buttons) override;
    QString prompt(const QString& text, const QString& title, const QString& defaultText) override;
    // Shown as a prompt whose text is the title and whose default is the suggestion.
    QString saveFileName(const QString& title, const QString& suggested) override;
    // Shown and answered as saveFileName is.
    QString bookFileName(BookUse use, const QString& title, const QString& folder) override;
    // The next of printerAnswers; cancelled when there is none.
    std::optional<PrinterChoice> choosePrinter() override;
    // The next of passwordAnswers, shown as a prompt; cancelled when there is none.
    std::optional<QString> password(const QString& text, const QString& title) override;

    // Answers for questions (Yes/No, Save/Discard/Cancel) and prompts, used in
    // order. A question without a scripted answer fails the test.
    std::deque<Answer> answers;
    std::deque<QString> promptAnswers;
    std::deque<QString> fileAnswers;
    std::deque<PrinterChoice> printerAnswers;
    std::deque<QString> passwordAnswers;
    std::vector<Shown> shown;
};

} // namespace ravelbook::testing
