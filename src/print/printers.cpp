#include "print/printers.h"

#include <QPrinterInfo>

namespace ravelbook {

QString defaultPrinterName() {
    return QPrinterInfo::defaultPrinterName();
}

bool printerExists(const QString& name) {
    return !name.isEmpty() && QPrinterInfo::availablePrinterNames().contains(name);
}

} // namespace ravelbook
