#include "print/preview_target.h"

#include "core/length.h"
#include "print/calibration_sheet.h"
#include "print/layout.h"
#include "print/page_setup.h"
#include "print/painted_surface.h"
#include "print/print_error.h"
#include "print/stock_layout.h"

#include <memory>
#include <QCoreApplication>
#include <QPageLayout>

namespace ravelbook {

namespace {

constexpr qreal kInchesPerMeter = 1000 / kMillimetresPerInch;

const QString kNoPicture = QStringLiteral("there is not room in memory for its picture.");

// The stationery an item is drawn on, when nothing was drawn to say so.
PageSetup setupOf(const Layout& layout) {
    PageSetup setup;
    if (layout.orientation)
        setup.applyOrientationCode(*layout.orientation);
    if (layout.paperSize)
        setup.applyPaperCode(*layout.paperSize);
    if (const auto& page = layout.pageSize)
        setup.applyPageSize(page->width, page->height, page->landscape);
    return setup;
}

} // namespace

PreviewTarget::PreviewTarget(const Layout& layout, int dpi, bool outlines)
    : layout_(layout), dpi_(dpi), outlines_(outlines) {}

PreviewTarget::~PreviewTarget() {
    if (painter_.isActive())
        painter_.end();
}

void PreviewTarget::startPage(const PageSetup& setup) {
    const QPageLayout page(setup.pageSize(), setup.orientation(), QMarginsF());
    paperPoints_ = page.fullRect(QPageLayout::Point).size();
    image_ = QImage(page.fullRectPixels(dpi_).size(), QImage::Format_RGB32);
    // The surface measures type and places lines with the device's resolution.
    const int dotsPerMeter = qRound(dpi_ * kInchesPerMeter);
    image_.setDotsPerMeterX(dotsPerMeter);
    image_.setDotsPerMeterY(dotsPerMeter);
    image_.fill(Qt::white);
    started_ = true;
    if (!painter_.begin(&image_))
        throw PrintError(kNoPicture);
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    const qreal margin = Length::fromTwips(kNominalMargin).dots(dpi_);
    painter_.translate(margin, margin);

    if (layout_.documentPerItem() || !outlines_)
        return;
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setPen(QPen(kLabelOutline, 0));
    painter_.setBrush(Qt::NoBrush);
    const auto dots = [this](int twips) { return Length::fromTwips(twips).dots(dpi_); };
    for (int slot = 0; slot < layout_.itemsPerSheet; ++slot) {
        const Layout::Stock label = layout_.stockOf(slot);
        const QRectF box(dots(label.left), dots(label.top), dots(label.width), dots(label.height));
        if (layout_.shape != Layout::Shape::Rectangle)
            painter_.drawEllipse(box);
        else if (layout_.cornerRadius > 0)
            painter_.drawRoundedRect(box, dots(layout_.cornerRadius), dots(layout_.cornerRadius));
        else
            painter_.drawRect(box);
    }
    painter_.restore();
}

QPainter& PreviewTarget::beginDocument(const PageSetup& setup) {
    if (started_)
        throw PrintError(
            QCoreApplication::translate("PreviewTarget", "The preview shows one page at a time."));
    startPage(setup);
    return painter_;
}

void PreviewTarget::newPage(const PageSetup&) {
    throw PrintError(
        QCoreApplication::translate("PreviewTarget", "The preview shows one page at a time."));
}

void PreviewTarget::endDocument() {
    if (painter_.isActive())
        painter_.end();
}

Length PreviewTarget::printableWidth(const QPainter&) const {
    return Length::fromPoints(paperPoints_.width()) - Length::fromTwips(2 * kNominalMargin);
}

QImage PreviewTarget::takePage() {
    try {
        if (!started_)
            startPage(setupOf(layout_));
    } catch (const PrintError&) {
        // Comes back empty; drawPreviewPage() says why.
    }
    endDocument();
    return std::move(image_);
}

PreviewPage drawPreviewPage(PrintRun& run, int page, int dpi) {
    auto owned = std::make_unique<PreviewTarget>(run.layout(), dpi);
    PreviewTarget& target = *owned;
    PaintedSurface surface(std::move(owned));
    PreviewPage drawn;
    drawn.outcome = run.draw(surface, {}, {page, 1});
    surface.finish();
    drawn.image = target.takePage();
    if (drawn.image.isNull() && !drawn.outcome.failure)
        drawn.outcome.failure = kNoPicture;
    return drawn;
}

namespace {

template <typename Sheet>
PreviewPage drawCalibrationPreview(const Layout& layout, const Sheet& sheet, PrintOffset offset,
                                   int dpi) {
    auto owned = std::make_unique<PreviewTarget>(layout, dpi, false);
    PreviewTarget& target = *owned;
    PaintedSurface surface(std::move(owned));
    PreviewPage drawn;
    try {
        drawCalibrationSheet(surface, sheet, offset);
        surface.finish();
    } catch (const PrintError& error) {
        drawn.outcome.failure = error.message();
    }
    drawn.image = target.takePage();
    if (drawn.image.isNull() && !drawn.outcome.failure)
        drawn.outcome.failure = kNoPicture;
    return drawn;
}

} // namespace

PreviewPage drawCalibrationPreview(Stationery stationery, PrintOffset offset, int dpi) {
    return drawCalibrationPreview(layoutFor(stationery), stationery, offset, dpi);
}

PreviewPage drawCalibrationPreview(const StockTemplate& stock, PrintOffset offset, int dpi) {
    return drawCalibrationPreview(stockLayout(stock), stock, offset, dpi);
}

} // namespace ravelbook
