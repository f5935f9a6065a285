#pragma once

// The records of the synthetic address book, the same for the same count:
// the benchmarks write them into a book, and the print floor draws them
// without any book.
#include "core/address_record.h"

#include <QString>
#include <random>

namespace ravelbook::bench {

struct SyntheticRecord {
    QString last;
    QString first;
    QChar initial;
    QString address;
    QString city;
    QString country;
    QString contact;
    QString phone;
    QString notes;
    GroupChoice groups{};

    // "Last, First I.", as the book holds it.
    QString name() const;
    // "First I. Last", as a label prints it.
    QString printedName() const;
};

// Names carry accents and apostrophes; about half the book is in group 0, a
// tenth in each of groups 1 to 16, and everybody in group 17.
class SyntheticBook {
public:
    SyntheticRecord next();

private:
    std::mt19937 random_{20261207}; // the engine's output is fixed by the standard
};

} // namespace ravelbook::bench
