#pragma once

#include "core/field_table.h"

#include <optional>
#include <QString>

namespace ravelbook {

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
