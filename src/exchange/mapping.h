#pragma once

#include "core/address_record.h"
#include "exchange/source_table.h"

#include <QString>
#include <vector>

namespace ravelbook {
class SettingsStore;
}

namespace ravelbook::exchange {

// Where one source column goes in the book.
struct Target {
    enum Kind {
        Ignore,
        BookField, // `index` is a Field
        FirstName,
        MiddleName,
        LastName,
        Address2,
        City,
        State,
        Zip,
        Categories,      // group titles, separated by ";" or ":::" (a title may hold a comma)
        TitleLines,      // group titles, one a line (a title may hold a comma)
        TitledFlag,      // a yes/no column: a yes makes the heading one of the record's categories
        GroupColumn,     // a yes/no column of group `index`
        GroupNumbers,    // group column numbers, separated by commas
        Organization,    // the name when the row gives no person's name, else the contact
        OtherPhone,      // a phone taken when no better one is given: `index` is its PhoneKind
        BusinessAddress, // taken when the row has no other address: `index` is its AddressPart
    };
    Kind kind = Ignore;
    int index = 0;

    bool operator==(const Target& o) const { return kind == o.kind && index == o.index; }
    bool operator!=(const Target& o) const { return !(*this == o); }
};

using Mapping = std::vector<Target>; // one target per source column

// Of the phones a row gives, the preferred (the Phone field) is taken, else
// home, else mobile, else business, else any other.
enum class PhoneKind { Preferred, Home, Mobile, Business, Other };
enum class AddressPart { Street, Street2, City, State, Zip, Country };

// Every target a user can choose, in the order a list shows them.
const std::vector<Target>& allTargets();
// What the list shows; group columns carry their current title.
QString targetLabel(const Target& target, const GroupTitles& titles);
// Stable text for the settings file, and back.
QString targetKey(const Target& target);
std::optional<Target> targetFromKey(const QString& key);
// The target a user names on the command line ("zip", "Last Name", "group 3",
// "ignore"), or its label; case, blanks, "-" and "_" don't count.
std::optional<Target> targetNamed(const QString& name);
// Those names, for the command line's help.
QStringList targetNames();

// The mapping by column heading: the book's own names, the headings the common
// address books and mail programs export, group titles and yes/no columns.
Mapping defaultMapping(const SourceTable& table, const GroupTitles& titles);

// Maps every column headed `heading` (ignoring case and blanks at its ends) to
// `target`; throws StoreError naming the headings when there is none.
void mapHeading(Mapping& mapping, const SourceTable& table, const QString& heading,
                const Target& target);

// A heading as it is compared: lower case, without blanks, "-" or "_", so that
// "PostalCode", "Postal Code" and "postal_code" are one.
QString headingKey(const QString& heading);

// Mappings the user chose are remembered per source kind and heading: a column
// mapped other than by default, or one remembered before, is written.
void applyRemembered(Mapping& mapping, const SourceTable& table, const SettingsStore& settings);
void remember(const Mapping& mapping, const Mapping& defaults, const SourceTable& table,
              SettingsStore& settings);

// True for the texts a yes/no column holds: -1, 0, 1, yes, no, true, false, x, empty.
bool isFlagText(const QString& text);
bool isYes(const QString& text);

} // namespace ravelbook::exchange
