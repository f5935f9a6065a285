// File: Print Preview... and the Preview button: the pages of the current
// choice before they are printed.
#include "print/book_addresses.h"
#include "window/dialogs.h"
#include "window/handler_edge.h"
#include "window/mail_form.h"
#include "window/print_preview.h"

namespace ravelbook {

void frmMailForm::actPrintPreview_Click() {
    runHandler(dialogs_, [this] {
        const std::optional<PrintJob> job = requestedJob();
        if (!job)
            return;
        // The preview shows what the book holds, so the editor's changes are
        // dealt with first, as the print button does.
        leaveEditedRecord();
        BookAddresses addresses(db_);
        PrintRun run(*job, addresses);
        if (!printable(run, run.select()))
            return;
        bool print = false;
        {
            PrintPreviewDialog preview(run, this);
            print = previewRunner_ ? previewRunner_(preview) : preview.exec() == QDialog::Accepted;
        }
        // Printed anew by the print button's own path, on the window's destination.
        if (print)
            runJob(*job, *destination_);
    });
}

} // namespace ravelbook
