#pragma once

#include "window/dialogs.h"

#include <QCoreApplication>

namespace ravelbook {

// The dialogs of the running program: QMessageBox and QInputDialog, on top of
// whichever window is active.
class QtDialogs final : public Dialogs {
    Q_DECLARE_TR_FUNCTIONS(ravelbook::QtDialogs)

public:
    Answer message(const QString& text, const QString& title, Buttons buttons) override;
    QString prompt(const QString& text, const QString& title, const QString& defaultText) override;
    QString saveFileName(const QString& title, const QString& suggested) override;
    QString bookFileName(BookUse use, const QString& title, const QString& folder) override;
    std::optional<PrinterChoice> choosePrinter() override;
    std::optional<QString> password(const QString& text, const QString& title) override;
    std::optional<QString> serverBook(const QString& suggested) override;
};

} // namespace ravelbook
