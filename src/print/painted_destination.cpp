#include "print/painted_destination.h"

#include "print/page_target.h"
#include "print/painted_surface.h"
#include "print/printers.h"

#include <QCoreApplication>
#include <QString>

namespace ravelbook {

PaintedDestination::PaintedDestination(Opener open, QString where, QString printer)
    : open_(std::move(open)), where_(std::move(where)), printer_(std::move(printer)) {}

PaintedDestination::~PaintedDestination() = default;

PrinterSurface* PaintedDestination::begin() {
    surface_ = open_();
    return surface_.get();
}

PrintTally PaintedDestination::end() {
    if (!surface_)
        return {};
    // Let go of the surface even when finishing fails, so the next run starts clean.
    const std::unique_ptr<PaintedSurface> surface = std::move(surface_);
    surface->finish();
    return {surface->pages(), surface->documents()};
}

std::unique_ptr<PaintedDestination> PaintedDestination::pdf(const QString& file,
                                                            const QString& book, bool labelSheets) {
    return std::make_unique<PaintedDestination>(
        [file, book, labelSheets] { return pdfSurface(file, book, labelSheets); },
        QCoreApplication::translate("PaintedDestination", "the PDF file %1").arg(file));
}

std::unique_ptr<PaintedDestination> PaintedDestination::printer(const Printers& printers,
                                                                const QString& name, int copies) {
    const QString shown = name.isEmpty() ? printers.defaultPrinter() : name;
    return std::make_unique<PaintedDestination>(
        [&printers, name, copies] {
            return std::make_unique<PaintedSurface>(printers.open(name, copies));
        },
        QCoreApplication::translate("PaintedDestination", "the printer \"%1\"").arg(shown), shown);
}

} // namespace ravelbook
