#include "window/system_print_destination.h"

#include "print/painted_destination.h"
#include "window/dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace ravelbook {

SystemPrintDestination::SystemPrintDestination(Dialogs& dialogs, QString book)
    : dialogs_(dialogs), book_(std::move(book)),
      lastFolder_(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)) {}

SystemPrintDestination::~SystemPrintDestination() = default;

void SystemPrintDestination::setPdfFolder(const QString& folder) {
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        lastFolder_ = folder;
}

PrinterSurface* SystemPrintDestination::begin() {
    current_.reset();
    const QString printer = printers_.defaultPrinter();
    if (!printer.isEmpty()) {
        current_ = PaintedDestination::printer(printers_, printer);
    } else {
        const QString file =
            dialogs_.saveFileName(tr("No printer is installed: save the pages as a PDF file"),
                                  QDir(lastFolder_).filePath(QStringLiteral("Ravelbook.pdf")));
        if (file.isEmpty())
            return nullptr;
        pdfFolder_ = QFileInfo(file).absolutePath();
        current_ = PaintedDestination::pdf(file, book_, labelSheets_);
    }
    return current_->begin();
}

PrintTally SystemPrintDestination::end() {
    if (!current_)
        return {};
    const std::unique_ptr<PaintedDestination> current = std::move(current_);
    where_ = current->where();
    const PrintTally tally = current->end();
    // The next file is first looked for where this one went.
    if (current->printer().isEmpty())
        lastFolder_ = pdfFolder_;
    return tally;
}

QString SystemPrintDestination::where() const {
    return current_ ? current_->where() : where_;
}

QString SystemPrintDestination::printer() const {
    return current_ ? current_->printer() : QString();
}

} // namespace ravelbook
