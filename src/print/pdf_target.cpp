#include "print/pdf_target.h"

#include "core/output_file.h"
#include "print/page_setup.h"
#include "print/print_error.h"

#include <QPdfWriter>

namespace ravelbook {

namespace {

// The printable area is the page less a quarter inch on every side.
constexpr qreal kMarginPoints = 18.0;

QPageLayout layoutFor(const PageSetup& setup) {
    return QPageLayout(setup.pageSize(), setup.orientation(),
                       QMarginsF(kMarginPoints, kMarginPoints, kMarginPoints, kMarginPoints),
                       QPageLayout::Point);
}

// The output guard's failures are the run's: a printing failure.
template <typename Step> void asPrintError(Step&& step) {
    try {
        step();
    } catch (const PrintError&) {
        throw;
    } catch (const Error& error) {
        throw PrintError(error.message());
    }
}

} // namespace

PdfTarget::PdfTarget(const QString& file, const QString& protectedFile) {
    asPrintError([&] {
        output_ = std::make_unique<OutputFile>(
            file, protectedFile, QStringLiteral("The PDF file \"%1\" can't be written: %2."));
    });
}

PdfTarget::~PdfTarget() {
    // An unfinished run is dropped; the writer still needs its painter ended.
    if (painter_.isActive())
        painter_.end();
}

void PdfTarget::startFile(const PageSetup& setup) {
    writer_ = std::make_unique<QPdfWriter>(&output_->device());
    writer_->setResolution(kPageResolution);
    writer_->setCreator(QStringLiteral("Ravelbook"));
    writer_->setPageLayout(layoutFor(setup));
    if (!painter_.begin(writer_.get()))
        asPrintError([this] { output_->commit(); }); // says why, when the device failed
    if (!painter_.isActive())
        throw PrintError(QStringLiteral("The PDF file could not be started."));
}

QPainter& PdfTarget::beginDocument(const PageSetup& setup) {
    // Later documents go on as new pages of the same file.
    if (painter_.isActive())
        newPage(setup);
    else
        startFile(setup);
    return painter_;
}

void PdfTarget::newPage(const PageSetup& setup) {
    // The writer takes a new layout for the page begun next.
    writer_->setPageLayout(layoutFor(setup));
    if (!writer_->newPage())
        throw PrintError(QStringLiteral("The PDF file could not take a new page."));
}

void PdfTarget::finish() {
    if (!painter_.isActive())
        return;
    painter_.end();
    writer_.reset();
    asPrintError([this] { output_->commit(); });
}

} // namespace ravelbook
