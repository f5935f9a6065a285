#pragma once

#include "window/dialogs.h"

#include <QString>

namespace ravelbook {

// Dialogs for a window nobody can see (the offscreen platform): messages go to
// standard error, questions are answered No and prompts are cancelled.
class ConsoleDialogs final : public Dialogs {
public:
    Answer message(const QString& text, const QString& title, Buttons buttons) override;
    QString prompt(const QString& text, const QString& title, const QString& defaultText) override;
    QString saveFileName(const QString& title, const QString& suggested) override;
};

} // namespace ravelbook
