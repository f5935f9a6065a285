#include "window/system_print_destination.h"

#include "print/painted_destination.h"
#include "print/printers.h"
#include "window/dialogs.h"

#include <QDir>
#include <QStandardPaths>

namespace ravelbook {

SystemPrintDestination::SystemPrintDestination(Dialogs& dialogs, QString book)
    : dialogs_(dialogs), book_(std::move(book)) {}

SystemPrintDestination::~SystemPrintDestination() = default;

PrinterSurface* SystemPrintDestination::begin() {
    current_.reset();
    const QString printer = defaultPrinterName();
    if (!printer.isEmpty()) {
        current_ = PaintedDestination::printer(printer);
    } else {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString file = dialogs_.saveFileName(
            QStringLiteral("No printer is installed: save the pages as a PDF file"),
            QDir(folder).filePath(QStringLiteral("Ravelbook.pdf")));
        if (file.isEmpty())
            return nullptr;
        current_ = PaintedDestination::pdf(file, book_);
    }
    return current_->begin();
}

PrintTally SystemPrintDestination::end() {
    if (!current_)
        return {};
    const std::unique_ptr<PaintedDestination> current = std::move(current_);
    return current->end();
}

} // namespace ravelbook
