#pragma once

#include "core/length.h"
#include "print/layout.h"

#include <optional>
#include <QString>
#include <QStringList>
#include <vector>

namespace ravelbook {

// What a stationery is for: a sheet of labels, one envelope, or one card or
// postcard a page.
enum class StockKind { Labels, Envelope, Card };

// The outline of one label; an envelope or card is one rectangle the size of its paper.
enum class StockShape { Rectangle, Round, Ellipse };

// One grid of labels on a sheet, as a template's Layout element gives it;
// staggered sheets have several. Lengths from the paper's top-left corner.
struct StockGrid {
    int columns = 1; // nx
    int rows = 1;    // ny
    Length left;     // x0
    Length top;      // y0
    Length pitchX;   // dx
    Length pitchY;   // dy
};

// One label of a sheet, from the paper's top-left corner.
struct StockLabel {
    Length left;
    Length top;
};

// One product of the catalogue, as read from a template file (or built in):
// the paper, the label's shape and size, and where the labels sit.
struct StockTemplate {
    QString id;          // "avery-5160", "envelope-dl", "small-labels"
    QString brand;       // "Avery"
    QString part;        // "5160"
    QString description; // "Address Labels"
    QString paperName;   // "US-Letter", "A4", … or "Other"
    Length paperWidth;   // the paper as the file has it, portrait or not
    Length paperHeight;
    StockKind kind = StockKind::Labels;
    StockShape shape = StockShape::Rectangle;
    Length labelWidth; // for round labels, the diameter
    Length labelHeight;
    Length cornerRadius;
    Length margin = Length::fromInches(1.0 / 16); // Markup-margin, or this
    std::vector<StockGrid> grids;
    // The five stationeries the program always had are drawn by their own
    // layouts: their entries, and the catalogue's entries for the same
    // products, point here.
    std::optional<Stationery> builtIn;
    QString file; // where it was read; empty for the built-in set
    int line = 0;
    bool userOwn = false;       // from a user's folder
    bool replacesOther = false; // a user's file took the place of an entry with its id

    // Every label of the sheet, left to right, then top to bottom (by their
    // top edges, then left edges, whatever grid they belong to).
    std::vector<StockLabel> labels() const;
    int labelCount() const;
};

} // namespace ravelbook
