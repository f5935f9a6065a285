#pragma once

#include "print/page_setup.h"
#include "print/printer_surface.h"
#include "print/type_metrics.h"

#include <memory>
#include <optional>
#include <QFont>
#include <QPointF>

class QPainter;

namespace ravelbook {

class PageTarget;

// A printer surface that draws with QPainter on the pages of a target. Pages
// are begun only when something is drawn on them, so a run never emits blank
// sheets. Without finish() the output is dropped.
class PaintedSurface final : public PrinterSurface {
public:
    explicit PaintedSurface(std::unique_ptr<PageTarget> target);
    ~PaintedSurface() override;

    void SetFontName(const QString& face) override;
    void SetFontSize(int points) override;
    void SetBold(bool on) override;
    void SetPaperSize(int code) override;
    void SetOrientation(int code) override;
    void SetPageSize(int width, int height, bool landscape) override;
    void SetX(qint16 twips) override;
    void SetY(qint16 twips) override;
    void SetLineEnd(qint16 twips) override;
    void PrintLine(const QString& text) override;
    void PrintInline(const QString& text) override;
    void DrawLine(qint16 x1, qint16 y1, qint16 x2, qint16 y2) override;
    void NewPage() override;
    void EndDocument() override;

    // Ends an open document and closes the output; a PDF file is written here.
    void finish();

    // What was actually emitted so far.
    LineFits lineFits() const override { return fits_; }
    int linesMissingGlyphs() const override { return missingGlyphs_; }
    int pages() const { return pages_; }
    int documents() const { return documents_; }

private:
    enum class State { NoDocument, OnPage, BetweenPages };

    QPainter& page();
    // Draws at the pen, fitted in before the line's end; returns how far the
    // text reaches across, in twips.
    qreal draw(const QString& text);
    void fontChanged();

    // The device's metrics of font_, and whether the painter has font_ yet; kept
    // between lines, since most lines of a run share one font.
    std::optional<TypeMetrics> metrics_;
    bool painterHasFont_ = false;
    qreal dpiX_ = 0; // the device's dots per inch, read with the metrics
    qreal dpiY_ = 0;
    // Of the page begun last, in twips; the PDF writer works it out anew each time.
    std::optional<qreal> printableWidth_;

    std::unique_ptr<PageTarget> target_;
    QPainter* painter_ = nullptr;
    State state_ = State::NoDocument;
    PageSetup setup_;
    QFont font_;
    QPointF pen_;                  // twips from the printable area's top-left corner
    std::optional<qreal> lineEnd_; // twips; nothing: the printable area's edge
    LineFits fits_;
    int missingGlyphs_ = 0;
    int pages_ = 0;
    int documents_ = 0;
};

std::unique_ptr<PaintedSurface> pdfSurface(const QString& file, const QString& book = {},
                                           bool labelSheets = false);

} // namespace ravelbook
