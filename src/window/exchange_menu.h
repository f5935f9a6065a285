#pragma once

#include <memory>
#include <QObject>

class QAction;
class QMenu;

namespace ravelbook {

class ExchangeDialogs;
class frmMailForm;
struct OpenBook;

// File: Import... and Export...: address records in from CSV, vCard and Access
// files through a preview, and out to CSV and vCard.
class ExchangeMenu : public QObject {
    Q_OBJECT

public:
    // The entries go into `menuFile` before `before`.
    ExchangeMenu(const OpenBook& book, QMenu& menuFile, QAction& before, frmMailForm& window);
    ~ExchangeMenu() override;

    QAction* actImport = nullptr;
    QAction* actExport = nullptr;
    void actImport_Click();
    void actExport_Click();
    // Where import and export ask for files and run the preview; nullptr for Qt's own.
    void setExchangeDialogs(ExchangeDialogs* dialogs);

private:
    ExchangeDialogs& exchangeDialogs();

    const OpenBook& book_;
    frmMailForm& window_;
    ExchangeDialogs* exchangeDialogs_ = nullptr;
    std::shared_ptr<ExchangeDialogs> ownExchangeDialogs_;
};

} // namespace ravelbook
