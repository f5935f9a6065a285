#include "print/system_printers.h"

#include "print/painted_surface.h"
#include "print/printer_target.h"

#include <QPrinterInfo>

namespace ravelbook {

QString SystemPrinters::defaultPrinter() const {
    return defaultPrinterName();
}

bool SystemPrinters::exists(const QString& name) const {
    return printerExists(name);
}

std::unique_ptr<PageTarget> SystemPrinters::open(const QString& name, int copies) const {
    return std::make_unique<PrinterTarget>(name, copies);
}

QString defaultPrinterName() {
    return QPrinterInfo::defaultPrinterName();
}

bool printerExists(const QString& name) {
    return !name.isEmpty() && QPrinterInfo::availablePrinterNames().contains(name);
}

std::unique_ptr<PaintedSurface> printerSurface(const QString& printerName) {
    return std::make_unique<PaintedSurface>(std::make_unique<PrinterTarget>(printerName));
}

} // namespace ravelbook
