#pragma once

#include "print/printers.h"

#include <memory>
#include <QString>

namespace ravelbook {

class PaintedSurface;

// The printers the system's print service knows.
class SystemPrinters final : public Printers {
public:
    QString defaultPrinter() const override;
    bool exists(const QString& name) const override;
    std::unique_ptr<PageTarget> open(const QString& name, int copies = 1) const override;
};

// The system's default printer; empty when no printer is installed.
QString defaultPrinterName();
bool printerExists(const QString& name);
// An empty name prints on the system's default printer.
std::unique_ptr<PaintedSurface> printerSurface(const QString& printerName);

} // namespace ravelbook
