#pragma once

#include "core/field_table.h"

#include <array>
#include <QString>

namespace ravelbook {

// The book has 18 groups, each a yes/no column of every record.
constexpr int kGroupCount = 18;

// One row of the address book as a value: seven texts and the 18 group memberships.
struct AddressRecord {
    std::array<QString, kFieldCount> fields;
    std::array<bool, kGroupCount> groups{};

    QString& operator[](Field f) { return fields[std::size_t(f)]; }
    const QString& operator[](Field f) const { return fields[std::size_t(f)]; }

    bool operator==(const AddressRecord& other) const {
        return fields == other.fields && groups == other.groups;
    }
    bool operator!=(const AddressRecord& other) const { return !(*this == other); }
};

// Which of the 18 groups a mailing takes, by column.
using GroupChoice = std::array<bool, kGroupCount>;

// Titles of the 18 groups, by column.
using GroupTitles = std::array<QString, kGroupCount>;

} // namespace ravelbook
