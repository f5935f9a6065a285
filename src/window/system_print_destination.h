#pragma once

#include "print/print_destination.h"

#include <memory>
#include <QString>

namespace ravelbook {

class Dialogs;
class PaintedDestination;

// Where the window's print runs go: the system's default printer, one print
// job per document. With no printer installed the run is not dropped: the
// user is asked for a PDF file to hold it.
class SystemPrintDestination final : public PrintDestination {
public:
    // `book` is the open address book, which a PDF may never replace.
    SystemPrintDestination(Dialogs& dialogs, QString book);
    ~SystemPrintDestination() override;

    PrinterSurface* begin() override;
    PrintTally end() override;

private:
    Dialogs& dialogs_;
    QString book_;
    std::unique_ptr<PaintedDestination> current_;
};

} // namespace ravelbook
