#pragma once

#include "core/address_record.h"
#include "print/layout.h"
#include "print/stationery/stock_template.h"

#include <array>
#include <memory>
#include <optional>
#include <QString>
#include <QtGlobal>

namespace ravelbook {

// Which records a run prints: the named members of some groups, or one record.
struct RecordChoice {
    GroupChoice groups{};
    bool single = false;
    // In single-record mode, the book's key of that record; nothing when none was selected.
    std::optional<qint64> record;
};

// How far every position of a run is moved, in twips: a printer's calibration
// plus any shift asked for one run. Positive moves right and down.
struct PrintOffset {
    int x = 0;
    int y = 0;

    PrintOffset operator+(const PrintOffset& other) const { return {x + other.x, y + other.y}; }
    bool operator==(const PrintOffset& other) const { return x == other.x && y == other.y; }
};

// Everything a print run needs to know besides the address lines of the records
// it prints. The window builds one from its controls, the command line from its
// arguments.
struct PrintJob {
    Stationery stationery = Stationery::SmallLabels;
    bool biFold = false;
    // A stationery of the catalogue; when set, the run prints on it rather
    // than on `stationery` (entries of the built-in five keep their layouts).
    std::shared_ptr<const StockTemplate> stock;
    RecordChoice records;
    bool firstNameFirst = true; // "Last, First" printed as "First Last"
    QString specialText;
    std::array<QString, 3> returnAddress; // the sender's name, address and city
    qint16 verticalAdjustment = 0;        // label sheets only
    int startAt = 1; // label sheets: the slot the first sheet starts at, from 1
    PrintOffset offset;

    const Layout& layout() const { return layoutFor(stationery, biFold); }
};

} // namespace ravelbook
