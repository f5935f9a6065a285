#pragma once

#include "print/page_target.h"
#include "print/print_run.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSizeF>

namespace ravelbook {

struct Layout;

// One page of a run as a picture, for the print preview: the page's paper at
// `dpi` dots per inch, white, and a painter whose origin is the corner of the
// printable area a quarter inch in, as on the PDF. On a sheet of labels every
// label is outlined faintly first, so the lines can be seen against the real
// stationery; only the preview draws these outlines.
class PreviewTarget final : public PageTarget {
public:
    // Without `outlines` the labels are not outlined: the calibration sheet draws its own.
    PreviewTarget(const Layout& layout, int dpi, bool outlines = true);
    ~PreviewTarget() override;

    QPainter& beginDocument(const PageSetup& setup) override;
    // The picture holds one page: a second one is refused, the first kept.
    void newPage(const PageSetup& setup) override;
    void endDocument() override;
    void finish() override {}
    Length printableWidth(const QPainter& painter) const override;

    // The page as drawn; blank stationery when nothing was drawn on it.
    QImage takePage();

private:
    void startPage(const PageSetup& setup);

    const Layout& layout_;
    int dpi_;
    bool outlines_;
    QSizeF paperPoints_;
    QImage image_;
    QPainter painter_;
    bool started_ = false;
};

// A page of the run drawn for the preview, and how its drawing went.
struct PreviewPage {
    QImage image;
    PrintOutcome outcome;
};

// Draws page `page` (from 0) of a selected run, and nothing else of it, through
// the same surface the printer gets.
PreviewPage drawPreviewPage(PrintRun& run, int page, int dpi);
// The calibration sheet of a stationery, moved by `offset`, as the preview shows it.
PreviewPage drawCalibrationPreview(Stationery stationery, PrintOffset offset, int dpi);
PreviewPage drawCalibrationPreview(const StockTemplate& stock, PrintOffset offset, int dpi);

// The outlines the preview draws around the labels of a sheet.
inline const QColor kLabelOutline(150, 185, 225);

} // namespace ravelbook
