#include "print/printer_target.h"

#include "core/length.h"
#include "print/layout.h"
#include "print/page_setup.h"
#include "print/print_error.h"
#include "print/system_printers.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPrinter>

namespace ravelbook {

namespace {

QString cantStart(const QString& name) {
    return QCoreApplication::translate("PrinterTarget",
                                       "The printer \"%1\" could not start the print job.")
        .arg(name);
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
        throw PrintError(
            QCoreApplication::translate("PrinterTarget", "There is no printer to print on."));
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
    // At the PDF's resolution type is measured and laid out as on the PDF.
    printer_->setResolution(kPageResolution);
    // The painter's origin is the paper's corner, not the printable area's.
    printer_->setFullPage(true);
    applySetup(setup);
    if (!painter_.begin(printer_.get()))
        throw PrintError(cantStart(name));
    placeOrigin();
    return painter_;
}

void PrinterTarget::newPage(const PageSetup& setup) {
    applySetup(setup);
    if (!printer_->newPage())
        throw PrintError(QCoreApplication::translate(
                             "PrinterTarget", "The printer \"%1\" could not begin a new page.")
                             .arg(printer_->printerName()));
    placeOrigin();
}

void PrinterTarget::endDocument() {
    if (!painter_.isActive())
        return;
    // Ending the painter sends the job.
    if (!painter_.end() || printer_->printerState() == QPrinter::Error)
        throw PrintError(QCoreApplication::translate(
                             "PrinterTarget", "The printer \"%1\" could not finish the print job.")
                             .arg(printer_->printerName()));
}

void PrinterTarget::applySetup(const PageSetup& setup) {
    // Qt asks the printer for its own name of the size, as the job's media.
    printer_->setPageSize(setup.pageSize());
    printer_->setPageOrientation(setup.orientation());
}

void PrinterTarget::placeOrigin() {
    const qreal margin = Length::fromTwips(kNominalMargin).dots(printer_->resolution());
    painter_.resetTransform();
    painter_.translate(margin, margin);
}

Length PrinterTarget::printableWidth(const QPainter&) const {
    // Lines are fitted as on the PDF; what lies past the printer's own
    // printable area is the printer's to lose, as it would be from the PDF.
    return Length::fromPoints(printer_->pageLayout().fullRect(QPageLayout::Point).width()) -
           Length::fromTwips(2 * kNominalMargin);
}

} // namespace ravelbook
