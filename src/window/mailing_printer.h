#pragma once

#include "print/layout.h"
#include "print/print_destination.h"
#include "print/print_job.h"
#include "print/print_run.h"

#include <functional>
#include <memory>
#include <QObject>

class QStatusBar;
class QWidget;

namespace ravelbook {

class CurrentRecord;
class MailingsPage;
class PrintPreviewDialog;
class SystemPrintDestination;
struct OpenBook;

// Prints the job page "Mailings" describes: on the print button, from the
// preview and on a printer the user chooses. Tells the user on the status line
// or, for a failure, in a box; leaves the editor on the records printed.
class MailingPrinter : public QObject {
    Q_OBJECT

public:
    MailingPrinter(const OpenBook& book, CurrentRecord& record, MailingsPage& page,
                   QStatusBar& statusBar);
    ~MailingPrinter() override;

    void cmdPrintMailingList_Click();
    // The print routines, one for each stationery.
    void PrintSmallLabels();
    void PrintLargeLabels();
    void PrintLegalEnvelopes();
    void PrintCards();
    void PrintFlier();
    // Page "Return Address"'s "Print return address labels" and its preview.
    void printSenderLabels();
    void previewSenderLabels();
    // File: Print...: the job on a printer or PDF file the user chooses.
    void printOnChosenPrinter();
    // File: Print Preview... and the Preview button.
    void preview();

    // Where print runs go; nullptr restores the window's own (the system's printer).
    void setPrintDestination(PrintDestination* destination);
    SystemPrintDestination& ownDestination() const { return *ownDestination_; }
    // Runs the print preview, true when the user asked to print from it; by
    // default modally. Tests and the benchmark look at the dialog instead.
    using PreviewRunner = std::function<bool(PrintPreviewDialog&)>;
    void setPreviewRunner(PreviewRunner runner) { previewRunner_ = std::move(runner); }
    // How the last print run ended and what it put out.
    const PrintOutcome& lastPrint() const { return lastPrint_; }
    const PrintTally& lastPrintTally() const { return lastTally_; }

private:
    void print(Stationery stationery);
    // Shows the job's pages; prints it when the user asks from the preview.
    void previewJob(const PrintJob& job);
    // Prints the job on `destination`.
    void runJob(const PrintJob& job, PrintDestination& destination);
    // The offsets kept for this printer's calibration; none for a file.
    PrintOffset printerOffset(const QString& printer) const;
    QWidget& window() const;

    const OpenBook& book_;
    CurrentRecord& record_;
    MailingsPage& page_;
    QStatusBar& statusBar_;
    std::unique_ptr<SystemPrintDestination> ownDestination_;
    PrintDestination* destination_ = nullptr;
    PreviewRunner previewRunner_;
    PrintOutcome lastPrint_;
    PrintTally lastTally_;
};

} // namespace ravelbook
