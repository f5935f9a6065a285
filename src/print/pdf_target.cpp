#include "print/pdf_target.h"

#include "core/length.h"
#include "core/output_file.h"
#include "print/layout.h"
#include "print/page_setup.h"
#include "print/pdf_viewer_preferences.h"
#include "print/print_error.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QIODevice>
#include <QPdfWriter>

namespace ravelbook {

namespace {

// The printable area is the page less a quarter inch on every side.
constexpr qreal kMarginPoints = Length::fromTwips(kNominalMargin).points();

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

// Large enough that a page of labels goes out in a write or two.
constexpr qsizetype kChunkBytes = 64 * 1024;

} // namespace

// Hands the many small writes of the PDF writer on to the output guard's
// device in large pieces: the guard makes a system call of every write. Keeps
// the ends of the PDF for the update that adds the viewer preferences.
class ChunkedWriter final : public QIODevice {
public:
    explicit ChunkedWriter(QIODevice& to);
    // Writes on what is held; false when the device failed to take it all.
    bool flush();
    const PdfEnds& ends() const { return ends_; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

private:
    QIODevice& to_;
    QByteArray held_;
    PdfEnds ends_;
};

ChunkedWriter::ChunkedWriter(QIODevice& to) : to_(to) {
    held_.reserve(kChunkBytes);
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 ChunkedWriter::writeData(const char* data, qint64 size) {
    ends_.take(data, size);
    if (held_.size() + size > kChunkBytes && !flush())
        return -1;
    if (size >= kChunkBytes)
        return to_.write(data, size);
    held_.append(data, size);
    return size;
}

bool ChunkedWriter::flush() {
    const bool whole = held_.isEmpty() || to_.write(held_) == held_.size();
    held_.clear();
    return whole;
}

PdfTarget::PdfTarget(const QString& file, const QString& protectedFile, bool labelSheets)
    : labelSheets_(labelSheets) {
    asPrintError([&] {
        output_ = std::make_unique<OutputFile>(
            file, protectedFile,
            QCoreApplication::translate("PdfTarget", "The PDF file \"%1\" can't be written: %2."));
    });
}

PdfTarget::~PdfTarget() {
    // An unfinished run is dropped; the writer still needs its painter ended.
    if (painter_.isActive())
        painter_.end();
}

void PdfTarget::startFile(const PageSetup& setup) {
    chunks_ = std::make_unique<ChunkedWriter>(output_->device());
    writer_ = std::make_unique<QPdfWriter>(chunks_.get());
    writer_->setResolution(kPageResolution);
    writer_->setCreator(QStringLiteral("Ravelbook"));
    writer_->setPageLayout(layoutFor(setup));
    if (!painter_.begin(writer_.get())) {
        chunks_->flush();
        asPrintError([this] { output_->commit(); }); // says why, when the device failed
    }
    if (!painter_.isActive())
        throw PrintError(
            QCoreApplication::translate("PdfTarget", "The PDF file could not be started."));
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
        throw PrintError(
            QCoreApplication::translate("PdfTarget", "The PDF file could not take a new page."));
}

void PdfTarget::finish() {
    if (!painter_.isActive())
        return;
    painter_.end();
    writer_.reset();
    // Appended to what Qt wrote, so that it streams into pipes as well.
    chunks_->write(chunks_->ends().update(labelSheets_));
    chunks_->flush(); // a failure is the guard's to report
    asPrintError([this] { output_->commit(); });
}

} // namespace ravelbook
