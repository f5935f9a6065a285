#include "print/printer_target.h"

#include "print/page_setup.h"
#include "print/print_error.h"
#include "print/system_printers.h"

#include <QPrinter>

namespace ravelbook {

namespace {

QString cantStart(const QString& name) {
    return QStringLiteral("The printer \"%1\" could not start the print job.").arg(name);
}

} // namespace

PrinterTarget::PrinterTarget(QString printerName, int copies)
    : name_(std::move(printerName)), copies_(copies) {}

PrinterTarget::~PrinterTarget() {
    // A job left open by a failed run is thrown away rather than printed.
    if (painter_.isActive()) {
        printer_->abort();
        painter_.end();
    }
}

QPainter& PrinterTarget::beginDocument(const PageSetup& setup) {
    const QString name = name_.isEmpty() ? defaultPrinterName() : name_;
    if (name.isEmpty())
        throw PrintError(QStringLiteral("There is no printer to print on."));
    // Without this check an unknown name would quietly fall back to another
    // printer or to a PDF file.
    if (!printerExists(name))
        throw PrintError(cantStart(name));
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setPrinterName(name);
    if (printer_->outputFormat() != QPrinter::NativeFormat || !printer_->isValid())
        throw PrintError(cantStart(name));
    printer_->setDocName(QStringLiteral("Ravelbook"));
    printer_->setCopyCount(copies_);
    applySetup(setup);
    if (!painter_.begin(printer_.get()))
        throw PrintError(cantStart(name));
    return painter_;
}

void PrinterTarget::newPage(const PageSetup& setup) {
    applySetup(setup);
    if (!printer_->newPage())
        throw PrintError(QStringLiteral("The printer \"%1\" could not begin a new page.")
                             .arg(printer_->printerName()));
}

void PrinterTarget::endDocument() {
    if (!painter_.isActive())
        return;
    // Ending the painter sends the job.
    if (!painter_.end() || printer_->printerState() == QPrinter::Error)
        throw PrintError(QStringLiteral("The printer \"%1\" could not finish the print job.")
                             .arg(printer_->printerName()));
}

void PrinterTarget::applySetup(const PageSetup& setup) {
    // The printer's own paper stays unless the layout asks for another.
    if (setup.paper() != PageSetup::Paper::TargetDefault)
        printer_->setPageSize(setup.pageSize(printer_->pageLayout().pageSize()));
    printer_->setPageOrientation(setup.orientation());
}

} // namespace ravelbook
