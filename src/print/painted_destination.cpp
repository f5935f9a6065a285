#include "print/painted_destination.h"

#include "print/painted_surface.h"

#include <QString>

namespace ravelbook {

PaintedDestination::PaintedDestination(Opener open) : open_(std::move(open)) {}

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
                                                            const QString& book) {
    return std::make_unique<PaintedDestination>([file, book] { return pdfSurface(file, book); });
}

std::unique_ptr<PaintedDestination> PaintedDestination::printer(const QString& name) {
    return std::make_unique<PaintedDestination>([name] { return printerSurface(name); });
}

} // namespace ravelbook
