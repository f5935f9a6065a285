#pragma once

#include "print/print_destination.h"
#include "print/system_printers.h"

#include <memory>
#include <QCoreApplication>
#include <QString>

namespace ravelbook {

class Dialogs;
class PaintedDestination;

// Where the window's print runs go: a printer (the system's default unless
// one is chosen), one print job per document. With no printer installed the
// run is not dropped: the user is asked for a PDF file to hold it, starting in
// the folder of the last one.
class SystemPrintDestination final : public PrintDestination {
    Q_DECLARE_TR_FUNCTIONS(ravelbook::SystemPrintDestination)

public:
    // `book` is the open address book, which a PDF may never replace.
    SystemPrintDestination(Dialogs& dialogs, QString book);
    ~SystemPrintDestination() override;

    const Printers& printers() const { return printers_; }
    // The folder the PDF file is first looked for in; one that is gone is not taken.
    void setPdfFolder(const QString& folder);
    const QString& pdfFolder() const { return lastFolder_; }

    // Whether the next runs print label sheets, which a PDF asks to print one-sided.
    void setLabelSheets(bool labelSheets) { labelSheets_ = labelSheets; }

    PrinterSurface* begin() override;
    PrintTally end() override;
    QString where() const override;
    QString printer() const override;

private:
    Dialogs& dialogs_;
    QString book_;
    SystemPrinters printers_;
    QString lastFolder_;
    bool labelSheets_ = false;
    QString where_;     // of the last run ended
    QString pdfFolder_; // of the PDF file being written
    std::unique_ptr<PaintedDestination> current_;
};

} // namespace ravelbook
