#include "window/mailing_printer.h"

#include "print/book_addresses.h"
#include "print/mailing_run.h"
#include "print/painted_destination.h"
#include "print/system_printers.h"
#include "settings/group_titles.h"
#include "settings/printer_calibration.h"
#include "store/database.h"
#include "window/current_record.h"
#include "window/dialogs.h"
#include "window/handler_edge.h"
#include "window/mailings_page.h"
#include "window/open_book.h"
#include "window/print_preview.h"
#include "window/system_print_destination.h"

#include <QElapsedTimer>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>

namespace ravelbook {

namespace {

// A run this long shows its progress and can be cancelled.
constexpr int kProgressFrom = 300;
// How often the progress dialog shows where the run is.
constexpr qint64 kProgressEveryMs = 40;

// Tells the user why a run has nothing to print.
void tell(Dialogs& dialogs, const Unprintable& nothing) {
    if (nothing.failed)
        showError(dialogs, nothing.refusal.text());
    else
        dialogs.message(nothing.refusal.text(), nothing.refusal.title(), Dialogs::Buttons::Ok);
}

// Label sheets are asked to be printed on one side, as they feed once.
bool isLabelSheetJob(const PrintJob& job) {
    return slotsPerSheet(job) > 0 && !job.addressList;
}

} // namespace

MailingPrinter::MailingPrinter(const OpenBook& book, CurrentRecord& record, MailingsPage& page,
                               QStatusBar& statusBar)
    : QObject(&page), book_(book), record_(record), page_(page), statusBar_(statusBar),
      ownDestination_(std::make_unique<SystemPrintDestination>(book.dialogs, book.db.path())),
      destination_(ownDestination_.get()) {
    connect(page_.cmdPrintMailingList, &QPushButton::clicked, this,
            &MailingPrinter::cmdPrintMailingList_Click);
    connect(page_.cmdPreview, &QPushButton::clicked, this, &MailingPrinter::preview);
}

MailingPrinter::~MailingPrinter() = default;

QWidget& MailingPrinter::window() const {
    return *page_.window();
}

void MailingPrinter::setPrintDestination(PrintDestination* destination) {
    destination_ = destination ? destination : ownDestination_.get();
}

void MailingPrinter::cmdPrintMailingList_Click() {
    runHandler(book_.dialogs, [this] {
        const std::optional<PrintJob> job = page_.requestedJob();
        if (!job)
            return;
        if (job->stock || job->addressList) {
            runJob(*job, *destination_);
            return;
        }
        const std::array<void (MailingPrinter::*)(), 5> routines = {
            &MailingPrinter::PrintSmallLabels, &MailingPrinter::PrintLargeLabels,
            &MailingPrinter::PrintLegalEnvelopes, &MailingPrinter::PrintCards,
            &MailingPrinter::PrintFlier};
        (this->*routines[std::size_t(job->stationery)])();
    });
}

void MailingPrinter::printSenderLabels() {
    runHandler(book_.dialogs, [this] {
        if (const std::optional<PrintJob> job = page_.requestedSenderLabels())
            runJob(*job, *destination_);
    });
}

void MailingPrinter::PrintSmallLabels() {
    print(Stationery::SmallLabels);
}

void MailingPrinter::PrintLargeLabels() {
    print(Stationery::LargeLabels);
}

void MailingPrinter::PrintLegalEnvelopes() {
    print(Stationery::Envelopes);
}

void MailingPrinter::PrintCards() {
    print(Stationery::Cards);
}

void MailingPrinter::PrintFlier() {
    print(Stationery::Fliers);
}

void MailingPrinter::print(Stationery stationery) {
    runJob(page_.printJob(stationery), *destination_);
}

void MailingPrinter::printOnChosenPrinter() {
    runHandler(book_.dialogs, [this] {
        const std::optional<PrintJob> job = page_.requestedJob();
        if (!job)
            return;
        const std::optional<Dialogs::PrinterChoice> printer = book_.dialogs.choosePrinter();
        if (!printer)
            return;
        // Without any printer the run goes to a PDF file, as from the print button.
        if (printer->name.isEmpty() && printer->pdfFile.isEmpty()) {
            runJob(*job, *destination_);
            return;
        }
        static const SystemPrinters printers;
        const std::unique_ptr<PaintedDestination> chosen =
            printer->pdfFile.isEmpty()
                ? PaintedDestination::printer(printers, printer->name, printer->copies)
                : PaintedDestination::pdf(printer->pdfFile, book_.db.path(), isLabelSheetJob(*job));
        runJob(*job, *chosen);
    });
}

void MailingPrinter::preview() {
    runHandler(book_.dialogs, [this] {
        if (const std::optional<PrintJob> job = page_.requestedJob())
            previewJob(*job);
    });
}

void MailingPrinter::previewSenderLabels() {
    runHandler(book_.dialogs, [this] {
        if (const std::optional<PrintJob> job = page_.requestedSenderLabels())
            previewJob(*job);
    });
}

void MailingPrinter::previewJob(const PrintJob& job) {
    // The preview shows what the book holds, so the editor's changes are
    // dealt with first, as the print button does.
    if (!record_.leaveEditedRecord())
        return;
    BookAddresses addresses(book_.db);
    MailingRun run(job, addresses);
    if (const std::optional<Unprintable> nothing = run.select()) {
        tell(book_.dialogs, *nothing);
        return;
    }
    bool print = false;
    {
        PrintPreviewDialog previewDialog(run.run(), &window());
        print = previewRunner_ ? previewRunner_(previewDialog)
                               : previewDialog.exec() == QDialog::Accepted;
    }
    // Printed anew by the print button's own path, on the window's destination.
    if (print)
        runJob(job, *destination_);
}

PrintOffset MailingPrinter::printerOffset(const QString& printer) const {
    const printer_calibration::Offset kept = printer_calibration::read(book_.settings, printer);
    return {kept.x, kept.y};
}

void MailingPrinter::runJob(const PrintJob& job, PrintDestination& destination) {
    lastPrint_ = {};
    lastTally_ = {};
    // The editor is left on the printed records afterwards: changes in it are
    // dealt with first, as the user says.
    try {
        if (!record_.leaveEditedRecord())
            return;
    } catch (const Error& error) {
        book_.report(error.message());
        return;
    }
    BookAddresses addresses(book_.db);
    MailingRun run(job, addresses);
    ownDestination_->setLabelSheets(isLabelSheetJob(job));
    // What can't be printed is said before a printer is started or a file asked for.
    const std::optional<Unprintable> nothing = run.select();
    lastPrint_ = run.outcome();
    if (nothing) {
        tell(book_.dialogs, *nothing);
        // Groups without members leave the editor on their query, as any group run does.
        if (lastPrint_.stop == PrintOutcome::Stop::Done && !lastPrint_.failure && !job.senderLabels)
            page_.showEditorOn(run.run().job());
        return;
    }

    std::unique_ptr<QProgressDialog> progressDialog;
    QElapsedTimer sinceShown;
    const PrintProgress progress = [&](int done, int total) {
        if (total < kProgressFrom || !window().isVisible())
            return true;
        if (!progressDialog) {
            progressDialog = std::make_unique<QProgressDialog>(tr("Printing..."), tr("Cancel"), 0,
                                                               total, &window());
            progressDialog->setWindowTitle(group_titles::kApplication);
            progressDialog->setWindowModality(Qt::WindowModal);
            progressDialog->setMinimumDuration(0);
        } else if (sinceShown.isValid() && sinceShown.elapsed() < kProgressEveryMs &&
                   done < total) {
            return true; // showing every item would cost more than printing it
        }
        progressDialog->setLabelText(tr("Item %1 of %2").arg(done).arg(total));
        progressDialog->setValue(done); // also lets Cancel through
        sinceShown.start();
        return !progressDialog->wasCanceled();
    };

    // A calibrated printer has its offsets added to every print.
    bool printed = false;
    try {
        printed = run.print(
            destination,
            [this, &job](const QString& printer) { return job.offset + printerOffset(printer); },
            progress);
    } catch (const Error& error) {
        book_.report(error.message());
        return;
    }
    if (!printed)
        return; // the user called it off
    lastPrint_ = run.outcome();
    lastTally_ = run.tally();
    progressDialog.reset();
    // Sender labels print no record: the editor stays where it is.
    if (!job.senderLabels)
        page_.showEditorOn(run.run().job());

    if (lastPrint_.failure) {
        statusBar_.clearMessage();
        showError(book_.dialogs, *lastPrint_.failure);
        return;
    }
    statusBar_.showMessage(run.summary(destination));
    // The next run starts on a fresh sheet unless the user says otherwise.
    if (lastPrint_.items > 0)
        page_.spnStartAt->setValue(1);
}

} // namespace ravelbook
