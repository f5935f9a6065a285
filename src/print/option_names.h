#pragma once

#include "print/print_job.h"

#include <optional>
#include <QString>
#include <utility>

namespace ravelbook {

// The names of the run's choices as the command line takes them and the
// settings keep them; one table each, so both read and write the same words.
inline constexpr std::pair<const char*, SortOrder> kSortOrderNames[] = {
    {"book", SortOrder::Book},
    {"name", SortOrder::Name},
    {"postal-code", SortOrder::PostalCode},
};

inline constexpr std::pair<const char*, ListPaper> kListPaperNames[] = {
    {"letter", ListPaper::Letter},
    {"a4", ListPaper::A4},
};

// The value of a table's row named `text`; nothing when none is.
template <typename T, std::size_t N>
std::optional<T> named(const std::pair<const char*, T> (&table)[N], const QString& text) {
    for (const auto& [name, value] : table) {
        if (text == QLatin1String(name))
            return value;
    }
    return std::nullopt;
}

// The name of a table's row holding `value`.
template <typename T, std::size_t N>
QString nameOf(const std::pair<const char*, T> (&table)[N], T value) {
    for (const auto& [name, rowValue] : table) {
        if (rowValue == value)
            return QLatin1String(name);
    }
    return QString();
}

} // namespace ravelbook
