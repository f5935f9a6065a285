#pragma once

#include "core/length.h"

#include <optional>
#include <QString>
#include <QtGlobal>
#include <vector>

namespace ravelbook {

// The stationery a print run is for, in the order the print button looks at
// its options; the window's option buttons and routines are listed in this order.
enum class Stationery { SmallLabels, LargeLabels, Envelopes, Cards, Fliers };

inline constexpr int kSpecialFontSize = 18;

// Everything in which one kind of stationery differs from another. One print
// run draws them all from these constants; positions are twips.
struct Layout {
    // Where an item's first line starts; label sheets add the vertical adjustment.
    qint16 startY = 0;
    bool followsAdjustment = false;
    qint16 lineStep = 0;

    // Label sheets: items per sheet, filled left to right, then top to bottom.
    // Zero for stationery that takes one document per item.
    int itemsPerSheet = 0;
    int columns = 1;
    qint16 columnPitch = 0;
    qint16 rowPitch = 0;

    // Page set-up made before every item, orientation first.
    std::optional<int> orientation;
    std::optional<int> paperSize;
    // Or, for catalogue stock, the paper itself: its portrait size in twips,
    // turned when landscape.
    struct PageSize {
        int width = 0;
        int height = 0;
        bool landscape = false;
    };
    std::optional<PageSize> pageSize;

    bool bold = false; // weight of the return address (and of the whole small label)
    int fontSize = 12;

    // The return-address block under its heading; no heading, no block.
    std::optional<QString> heading;
    bool headingEndsLine = false;
    qint16 returnX = 0;

    bool boldBeforeTo = true;
    qint16 moveBeforeTo = 0; // from the last return-address line down to "TO:"
    qint16 toX = 0;
    qint16 textX = 0;

    // The special-text line under the recipient block.
    bool special = false;
    qint16 specialX = 0;
    qint16 specialMove = 0;
    int specialFontSize = kSpecialFontSize;

    // Catalogue label sheets: the address block alone, centred in each label
    // at the largest size that fits, every line inside the label's shape.
    bool fitsLabel = false;
    int labelMargin = 0;

    // The real stationery, in twips from the top-left corner of the printable
    // area as a printer that leaves a quarter inch all round has it: the first
    // label of a sheet, or the envelope, card or sheet itself; label sheets
    // repeat the label at these pitches, filled like the items.
    struct Stock {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
    } stock;
    int stockPitchX = 0;
    int stockPitchY = 0;
    // The outline of a label; the built-in sheets' labels are square-cornered.
    enum class Shape { Rectangle, Round, Ellipse } shape = Shape::Rectangle;
    int cornerRadius = 0;
    // Catalogue sheets: every label, in the order they are filled; when
    // empty, the labels repeat at the pitches above.
    std::vector<Stock> labels;
    // The paper the stationery is on, in twips, as it lies on the page.
    int paperWidth = 0;
    int paperHeight = 0;

    bool documentPerItem() const { return itemsPerSheet == 0; }
    // The stationery of one item; for label sheets, the label in slot `slot` (from 0).
    Stock stockOf(int slot) const {
        if (!labels.empty())
            return labels[std::size_t(slot)];
        Stock s = stock;
        if (!documentPerItem()) {
            s.left += slot % columns * stockPitchX;
            s.top += slot / columns * stockPitchY;
        }
        return s;
    }
};

// The margin a printer is taken to leave on every side of the paper, in twips.
inline constexpr int kNominalMargin = kTwipsPerInch / 4;

inline const QString kPrintFont = QStringLiteral("Times New Roman");

// The layout of a stationery; fliers have a bi-fold variant.
const Layout& layoutFor(Stationery stationery, bool biFold = false);

} // namespace ravelbook
