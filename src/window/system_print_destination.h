#pragma once

#include "print/print_destination.h"

#include <memory>

namespace ravelbook {

class Dialogs;
class PaintedDestination;

// Where the window's print runs go: the system's default printer, one print
// job per document. With no printer installed the run is not dropped: the
// user is asked for a PDF file to hold it.
class SystemPrintDestination final : public PrintDestination {
public:
    explicit SystemPrintDestination(Dialogs& dialogs);
    ~SystemPrintDestination() override;

    PrinterSurface* begin() override;
    PrintTally end() override;

private:
    Dialogs& dialogs_;
    std::unique_ptr<PaintedDestination> current_;
};

} // namespace ravelbook
