#pragma once

#include <optional>
#include <QString>

namespace ravelbook {

// A text field of an address record and what its box in the editor admits.
struct FieldRule {
    const char* column;
    int maxLength;  // UTF-16 units, as the box counts them
    bool multiLine; // only the notes keep line breaks
};

inline constexpr FieldRule kAddressFields[] = {
    {"Name", 60, false},    {"Address", 60, false}, {"City State Zip", 60, false},
    {"Country", 60, false}, {"Contact", 30, false}, {"Phone", 15, false},
    {"Notes", 255, true},
};

// The rule of a text column of Addresses; none for any other column.
std::optional<FieldRule> addressFieldRule(const QString& column);

// Whether the column is one of the 18 group columns "0" to "17" (-1 member, 0 not).
bool isGroupColumn(const QString& column);

// Text as a box keeps it: in one line, a line break becomes one blank and other
// control characters are dropped; several lines keep their breaks (as "\n") and tabs.
QString cleanText(const QString& text, bool multiLine);

// The first `limit` UTF-16 units of the text, without half of a character.
QString cutAt(const QString& text, int limit);

} // namespace ravelbook
