#pragma once

#include "core/address_record.h"
#include "exchange/mapping.h"
#include "exchange/source_table.h"

#include <functional>
#include <map>
#include <optional>
#include <QString>
#include <QStringList>
#include <unordered_set>
#include <vector>

namespace ravelbook {
class Database;
}

namespace ravelbook::exchange {

// Name and address lines of a record: two records with the same key are the same address.
QString duplicateKey(const AddressRecord& record);

// The keys of every record in the book.
std::unordered_set<QString> bookKeys(const Database& db);

// Lower-case category name to the group column the user gave it.
using CategoryAssignments = std::map<QString, int>;

// A category of the source that no group title matches, and what becomes of it.
struct UnknownCategory {
    QString name;                // as first seen
    int records = 0;             // how many records name it
    std::optional<int> assigned; // the group column the user gave it, which takes its title
};

// Everything an import will do, worked out before anything is written.
struct ImportPlan {
    std::vector<AddressRecord> records; // to be added, in file order
    int rowsRead = 0;
    int duplicates = 0;
    int empty = 0;
    int nameless = 0; // rows left out as they give neither a name nor an organization
    QStringList warnings;
    std::vector<UnknownCategory> unknownCategories;
    // What the file holds that no field takes: columns left unmapped that have
    // values, and what the reader left out, each with how many rows have it.
    std::vector<std::pair<QString, int>> notKept;
    // Columns whose values are not kept because another column fills the same
    // field (a second Phone, a business phone beside a home one), with how many rows.
    std::vector<std::pair<QString, int>> crowdedOut;
    GroupTitles titles; // the group titles after the import, assigned categories included
    std::optional<BookExtras> book;
};

// Maps every row, matches categories to group titles (ignoring case) and
// leaves out exact duplicates of records in `existing`. Pass the source by
// std::move when it is no longer needed: its rows are let go as they are mapped.
// A book's vertical adjustment comes in only when `usableAdjustment` (the
// labels' rule) takes it; else the book's own stays and a warning says so.
using AdjustmentRule = std::function<bool(int twips)>;
ImportPlan planImport(ImportSource source, const Mapping& mapping, const GroupTitles& titles,
                      const std::unordered_set<QString>& existing,
                      const CategoryAssignments& assignments = {},
                      const AdjustmentRule& usableAdjustment = {});

// The record one row gives, for the preview's first rows.
AddressRecord recordOf(const QStringList& row, const QStringList& columns, const Mapping& mapping,
                       const GroupTitles& titles, const CategoryAssignments& assignments = {});

// Called every few hundred records; returning false cancels the import.
using Progress = std::function<bool(int done, int total)>;

// Adds the plan's records (and a book's return addresses and adjustment) in one
// transaction: all of it lands or none of it. A record that has become a
// duplicate since the plan was made is left out. Returns how many records were
// added, or nothing when cancelled. Throws StoreError, with the book unchanged.
std::optional<int> runImport(Database& db, const ImportPlan& plan, const Progress& progress);

// What the preview and `ravelbook import` say about a plan.
QString summary(const ImportPlan& plan, int maxWarnings = 20);

} // namespace ravelbook::exchange
