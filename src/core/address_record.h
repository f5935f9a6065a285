#pragma once

#include <array>
#include <QString>

namespace ravelbook {

// The text fields of an address record, in the book's column order.
enum class Field { Name, Address, CityStateZip, Country, Contact, Phone, Notes };
constexpr int kFieldCount = 7;
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

// The book's column name of each field, and the longest text its box in the window takes.
inline const std::array<QString, kFieldCount>& fieldColumns() {
    static const std::array<QString, kFieldCount> names{
        QStringLiteral("Name"),    QStringLiteral("Address"), QStringLiteral("City State Zip"),
        QStringLiteral("Country"), QStringLiteral("Contact"), QStringLiteral("Phone"),
        QStringLiteral("Notes")};
    return names;
}
constexpr std::array<int, kFieldCount> kFieldBoxLength{60, 60, 60, 60, 30, 15, 255};

// Which of the 18 groups a mailing takes, by column.
using GroupChoice = std::array<bool, kGroupCount>;

// Titles of the 18 groups, by column.
using GroupTitles = std::array<QString, kGroupCount>;

} // namespace ravelbook
