#pragma once

#include <optional>
#include <QString>
#include <QtGlobal>

namespace ravelbook {

// What a print run reads from the window besides the records: the print
// options and the texts of the boxes that show the current record. Each is
// read at the moment the run needs it.
class PrintInputs {
public:
    virtual ~PrintInputs() = default;

    virtual bool printSample() const = 0;    // one record: the grid's current one
    virtual bool firstNameFirst() const = 0; // "Last, First" printed as "First Last"
    virtual qint16 verticalAdjustment() const = 0;
    // Name of the grid's current record; nothing when the grid has none.
    virtual std::optional<QString> selectedName() const = 0;
    virtual QString address(int line) const = 0;       // name, address, city, country, contact
    virtual QString returnAddress(int line) const = 0; // the sender's three lines
    virtual QString specialText() const = 0;
};

} // namespace ravelbook
