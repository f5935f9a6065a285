#include "print/painted_surface.h"
#include "print/pdf_target.h"
#include "print/printer_target.h"

namespace ravelbook {

std::unique_ptr<PaintedSurface> pdfSurface(const QString& file, const QString& book) {
    return std::make_unique<PaintedSurface>(std::make_unique<PdfTarget>(file, book));
}

std::unique_ptr<PaintedSurface> printerSurface(const QString& printerName) {
    return std::make_unique<PaintedSurface>(std::make_unique<PrinterTarget>(printerName));
}

} // namespace ravelbook
