#pragma once

#include <optional>
#include <QString>

namespace ravelbook {

// A postal code found in a record's city line.
struct PostalCode {
    // The country whose rule read it, as an ISO 3166 code ("US", "CA", "GB",
    // "DE" …); empty for a code read by the general rule of leading or
    // trailing digits.
    QString country;
    // The code as the post writes it: upper case, one blank where it has one
    // ("K1A 0B1", "SW1A 1AA", "62701-1234", "1012 AB").
    QString code;
};

// The postal code of a city line, read by the rule of `country` (the record's
// Country line, in English or the country's own language, or a common
// abbreviation; empty for a domestic address, read by the patterns that
// can't be mistaken: US ZIP after a state, Canadian and British codes).
// Nothing when no code is recognisable: a house number, "Apt 5" or a lone
// number is not one.
std::optional<PostalCode> readPostalCode(const QString& cityLine, const QString& country);

// A key that orders records by postal code: codes of one country together,
// in the post's order. Empty when the line has no recognisable code.
QString postalSortKey(const QString& cityLine, const QString& country);

} // namespace ravelbook
