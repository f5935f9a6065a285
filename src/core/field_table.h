#pragma once

#include <array>
#include <QString>

namespace ravelbook {

// The text fields of an address record, in the book's column order.
enum class Field { Name, Address, CityStateZip, Country, Contact, Phone, Notes };
constexpr int kFieldCount = 7;

// A text field of an address record and what its box in the editor admits.
struct FieldRule {
    const char* column;
    int maxLength;  // UTF-16 units, as the box counts them
    bool multiLine; // only the notes keep line breaks
};

// The book's text columns, in the order of Field: the one table of their
// names and box lengths that everything else is read from.
inline constexpr std::array<FieldRule, kFieldCount> kAddressFields{{
    {"Name", 60, false},
    {"Address", 60, false},
    {"City State Zip", 60, false},
    {"Country", 60, false},
    {"Contact", 30, false},
    {"Phone", 15, false},
    {"Notes", 255, true},
}};

// The book's column name of each field, and the longest text its box in the window takes.
inline const std::array<QString, kFieldCount>& fieldColumns() {
    static const std::array<QString, kFieldCount> names = [] {
        std::array<QString, kFieldCount> columns;
        for (int f = 0; f < kFieldCount; ++f)
            columns[f] = QLatin1String(kAddressFields[f].column);
        return columns;
    }();
    return names;
}
inline constexpr std::array<int, kFieldCount> kFieldBoxLength = [] {
    std::array<int, kFieldCount> lengths{};
    for (int f = 0; f < kFieldCount; ++f)
        lengths[f] = kAddressFields[f].maxLength;
    return lengths;
}();

} // namespace ravelbook
