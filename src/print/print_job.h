#pragma once

#include "core/address_record.h"
#include "print/layout.h"
#include "print/stationery/stock_template.h"

#include <array>
#include <memory>
#include <optional>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace ravelbook {

// The order a run prints its records in.
enum class SortOrder {
    Book,       // as they were added
    Name,       // as the name list has them
    PostalCode, // by the postal code of the city line; records without one last, by name
};

// Which records a run prints, and in what order: the named members of some
// groups, or one record.
struct RecordChoice {
    GroupChoice groups{};
    SortOrder sort = SortOrder::Book;
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

// The paper an address list is printed on.
enum class ListPaper { Letter, A4 };

// The chosen records as a printed table rather than on stationery.
struct AddressListSetup {
    ListPaper paper = ListPaper::Letter;
    // The titles of the chosen groups, for the heading of every page.
    QStringList groupTitles;
    QDate printedOn;
};

// The most copies of each record a run prints.
inline constexpr int kMostCopies = 100;

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

    // Each record printed this many times in a row, 1 to kMostCopies.
    int copies = 1;
    // One record (or the return address) on every free label of the sheet,
    // in place of `copies`.
    bool fillSheet = false;
    // The return address on label stationery instead of the records: no
    // recipient, no "TO:".
    bool senderLabels = false;
    // Empty address lines leave no gap in the block.
    bool closeUp = false;
    // Set: the records as an address list, whatever the stationery.
    std::optional<AddressListSetup> addressList;

    const Layout& layout() const { return layoutFor(stationery, biFold); }
};

} // namespace ravelbook
