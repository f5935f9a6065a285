// Catalogue stock as constants of the one print run: the same layout the
// built-in five are drawn with, worked out from a template.
#include "print/stock_layout.h"

#include "core/length.h"

#include <algorithm>
#include <cmath>

namespace ravelbook {

namespace {

// The built-in envelope, #10, is what envelopes and cards are scaled against.
constexpr int kEnvelope10Width = 9 * kTwipsPerInch + kTwipsPerInch / 2;
constexpr int kEnvelope10Height = 4 * kTwipsPerInch + kTwipsPerInch / 8;
constexpr int kEnvelopeFontSize = 14;
constexpr int kSmallestEnvelopeFont = 8;
// Its line step for 14-point type.
constexpr int kEnvelopeLineStep = 360;

Layout::Shape shapeOf(StockShape shape) {
    switch (shape) {
    case StockShape::Round:
        return Layout::Shape::Round;
    case StockShape::Ellipse:
        return Layout::Shape::Ellipse;
    case StockShape::Rectangle:
        break;
    }
    return Layout::Shape::Rectangle;
}

// The paper as it lies on the page, and as the surface is told it.
void lay(Layout& l, int width, int height) {
    l.paperWidth = width;
    l.paperHeight = height;
    l.pageSize = Layout::PageSize{std::min(width, height), std::max(width, height), width > height};
}

Layout labelSheet(const StockTemplate& stock) {
    Layout l;
    lay(l, stock.paperWidth.twips(), stock.paperHeight.twips());
    l.fitsLabel = true;
    l.followsAdjustment = true;
    l.bold = true; // as the built-in labels print their recipients
    l.fontSize = 12;
    l.shape = shapeOf(stock.shape);
    l.cornerRadius = stock.cornerRadius.twips();
    l.labelMargin = stock.margin.twips();
    const int width = stock.labelWidth.twips();
    const int height = stock.shape == StockShape::Round ? width : stock.labelHeight.twips();
    for (const StockLabel& label : stock.labels())
        l.labels.push_back({label.left.twips() - kNominalMargin, label.top.twips() - kNominalMargin,
                            width, height});
    l.itemsPerSheet = int(l.labels.size());
    if (!l.labels.empty())
        l.stock = l.labels.front();
    return l;
}

// An envelope or card: long side across, the return address top left, the
// recipient right of the centre line from the middle down, type scaled down
// from the #10 envelope's for smaller paper.
Layout singleItem(const StockTemplate& stock) {
    Layout l;
    const int longSide = std::max(stock.paperWidth.twips(), stock.paperHeight.twips());
    const int shortSide = std::min(stock.paperWidth.twips(), stock.paperHeight.twips());
    lay(l, longSide, shortSide);
    l.stock = {-kNominalMargin, -kNominalMargin, longSide, shortSide};

    const double scale =
        std::min({1.0, double(longSide) / kEnvelope10Width, double(shortSide) / kEnvelope10Height});
    l.fontSize = std::max(kSmallestEnvelopeFont, int(std::lround(kEnvelopeFontSize * scale)));
    l.specialFontSize = std::max(kSmallestEnvelopeFont, int(std::lround(kSpecialFontSize * scale)));
    l.lineStep = qint16(kEnvelopeLineStep * l.fontSize / kEnvelopeFontSize);
    l.startY = qint16(std::lround(600 * scale));
    //: Printed on paper before the return address
    l.heading = QString::fromUtf8(QT_TRANSLATE_NOOP("Layouts", "From: "));
    l.returnX = qint16(std::lround(360 * scale));

    const int middle = shortSide / 2 - kNominalMargin;
    const int returnEnd = l.startY + 3 * l.lineStep;
    l.moveBeforeTo = qint16(std::max(middle, returnEnd + l.lineStep) - returnEnd);
    l.toX = qint16(longSide / 2 - kNominalMargin);
    l.textX = qint16(l.toX + std::lround(600 * scale));
    l.special = true;
    l.specialX = l.returnX;
    l.specialMove = l.lineStep;
    return l;
}

} // namespace

Layout stockLayout(const StockTemplate& stock, bool biFold) {
    if (stock.builtIn)
        return layoutFor(*stock.builtIn, biFold);
    return stock.kind == StockKind::Labels ? labelSheet(stock) : singleItem(stock);
}

Layout layoutOf(const PrintJob& job) {
    return job.stock ? stockLayout(*job.stock, job.biFold) : job.layout();
}

} // namespace ravelbook
