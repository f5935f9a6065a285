#include "print/pdf_target.h"

#include "print/page_setup.h"
#include "print/print_error.h"

#include <QDir>
#include <QPdfWriter>
#include <QSaveFile>

namespace ravelbook {

namespace {

// One device unit is one twip.
constexpr int kResolution = 1440;
// The printable area is the page less a quarter inch on every side.
constexpr qreal kMarginPoints = 18.0;

QPageLayout layoutFor(const PageSetup& setup) {
    return QPageLayout(setup.pageSize(QPageSize(QPageSize::Letter)), setup.orientation(),
                       QMarginsF(kMarginPoints, kMarginPoints, kMarginPoints, kMarginPoints),
                       QPageLayout::Point);
}

QString cantWrite(const QString& file) {
    return QStringLiteral("The PDF file \"%1\" can't be written.")
        .arg(QDir::toNativeSeparators(file));
}

} // namespace

PdfTarget::PdfTarget(QString file) : file_(std::move(file)) {}

PdfTarget::~PdfTarget() {
    // An unfinished run is dropped; the writer still needs its painter ended.
    if (painter_.isActive())
        painter_.end();
}

void PdfTarget::startFile(const PageSetup& setup) {
    if (!buffer_.open(QIODevice::WriteOnly))
        throw PrintError(cantWrite(file_));
    writer_ = std::make_unique<QPdfWriter>(&buffer_);
    writer_->setResolution(kResolution);
    writer_->setCreator(QStringLiteral("Ravelbook"));
    writer_->setPageLayout(layoutFor(setup));
    if (!painter_.begin(writer_.get()))
        throw PrintError(cantWrite(file_));
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
        throw PrintError(cantWrite(file_));
}

void PdfTarget::finish() {
    if (!painter_.isActive())
        return;
    painter_.end();
    writer_.reset();
    buffer_.close();
    QSaveFile out(file_);
    if (!out.open(QIODevice::WriteOnly) || out.write(buffer_.data()) != buffer_.size() ||
        !out.commit())
        throw PrintError(cantWrite(file_));
}

} // namespace ravelbook
