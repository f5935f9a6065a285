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
        Categories,   // group titles, separated by ";", "," or ":::"
        TitleLines,   // group titles, one a line (a title may hold a comma)
        TitledFlag,   // a yes/no column: a yes makes the heading one of the record's categories
        GroupColumn,  // a yes/no column of group `index`
        GroupNumbers, // group column numbers, separated by commas
    };
    Kind kind = Ignore;
    int index = 0;

    bool operator==(const Target& o) const { return kind == o.kind && index == o.index; }
    bool operator!=(const Target& o) const { return !(*this == o); }
};

using Mapping = std::vector<Target>; // one target per source column

// Every target a user can choose, in the order a list shows them.
const std::vector<Target>& allTargets();
// What the list shows; group columns carry their current title.
QString targetLabel(const Target& target, const GroupTitles& titles);
// Stable text for the settings file, and back.
QString targetKey(const Target& target);
std::optional<Target> targetFromKey(const QString& key);

// The mapping by column heading: the book's own names, the headings the common
// address books and mail programs export, group titles and yes/no columns.
Mapping defaultMapping(const SourceTable& table, const GroupTitles& titles);

// Mappings the user chose are remembered per source kind and heading: a column
// mapped other than by default, or one remembered before, is written.
void applyRemembered(Mapping& mapping, const SourceTable& table, const SettingsStore& settings);
void remember(const Mapping& mapping, const Mapping& defaults, const SourceTable& table,
              SettingsStore& settings);

// True for the texts a yes/no column holds: -1, 0, 1, yes, no, true, false, x, empty.
bool isFlagText(const QString& text);
bool isYes(const QString& text);

} // namespace ravelbook::exchange
