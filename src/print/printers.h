#pragma once

#include <QString>

namespace ravelbook {

// The system's default printer; empty when no printer is installed.
QString defaultPrinterName();
bool printerExists(const QString& name);

} // namespace ravelbook
