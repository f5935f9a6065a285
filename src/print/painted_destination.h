#pragma once

#include "print/print_destination.h"

#include <functional>
#include <memory>
#include <QString>

namespace ravelbook {

class PaintedSurface;
class Printers;

// A destination that draws every run anew on a surface from `open`: a PDF
// file or a printer. `open` may return nothing to call the run off.
class PaintedDestination : public PrintDestination {
public:
    using Opener = std::function<std::unique_ptr<PaintedSurface>()>;

    PaintedDestination(Opener open, QString where, QString printer = {});
    ~PaintedDestination() override;

    PrinterSurface* begin() override;
    PrintTally end() override;
    QString where() const override { return where_; }
    QString printer() const override { return printer_; }

    // `book`, the open address book, is never written over; `labelSheets`
    // asks viewers to print the file one-sided.
    static std::unique_ptr<PaintedDestination> pdf(const QString& file, const QString& book = {},
                                                   bool labelSheets = false);
    static std::unique_ptr<PaintedDestination> printer(const Printers& printers,
                                                       const QString& name, int copies = 1);

private:
    Opener open_;
    QString where_;
    QString printer_;
    std::unique_ptr<PaintedSurface> surface_;
};

} // namespace ravelbook
