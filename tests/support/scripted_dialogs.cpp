#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace ravelbook::testing {

Dialogs::Answer ScriptedDialogs::message(const QString& text, const QString& title,
                                         Buttons buttons) {
    shown.push_back({text, title, false});
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return Answer::No;
    }
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

QString ScriptedDialogs::prompt(const QString& text, const QString& title,
                                const QString& defaultText) {
    shown.push_back({text, title, true, defaultText});
    if (promptAnswers.empty()) {
        ADD_FAILURE() << "unexpected prompt: " << text.toStdString();
        return {};
    }
    const QString answer = promptAnswers.front();
    promptAnswers.pop_front();
    return answer;
}

QString ScriptedDialogs::saveFileName(const QString& title, const QString& suggested) {
    shown.push_back({title, title, true, suggested});
    if (fileAnswers.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << title.toStdString();
        return {};
    }
    const QString answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

QString ScriptedDialogs::bookFileName(BookUse, const QString& title, const QString& folder) {
    return saveFileName(title, folder);
}

std::optional<Dialogs::PrinterChoice> ScriptedDialogs::choosePrinter() {
    if (printerAnswers.empty())
        return std::nullopt;
    const PrinterChoice answer = printerAnswers.front();
    printerAnswers.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::password(const QString& text, const QString& title) {
    shown.push_back({text, title, true, QString()});
    if (passwordAnswers.empty())
        return std::nullopt;
    const QString answer = passwordAnswers.front();
    passwordAnswers.pop_front();
    return answer;
}

} // namespace ravelbook::testing
