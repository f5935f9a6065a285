#include "exchange/mapping.h"

#include "settings/settings_store.h"

#include <map>

namespace ravelbook::exchange {

namespace {

const QString kApplication = QStringLiteral("Ravelbook");

QString settingsSection(const QString& kind) {
    return QStringLiteral("Import %1").arg(kind);
}

// Headings other programs give their columns, lower case, with where they go.
// Home addresses are taken; business ones are left for the user to choose.
const std::map<QString, Target>& knownHeadings() {
    static const std::map<QString, Target> headings = [] {
        std::map<QString, Target> h;
        const auto add = [&h](Target target, std::initializer_list<const char*> names) {
            for (const char* name : names)
                h.emplace(QString::fromLatin1(name), target);
        };
        const auto field = [](Field f) { return Target{Target::BookField, int(f)}; };
        add(field(Field::Name), {"name", "full name", "display name", "fn"});
        add(field(Field::Address),
            {"address", "street", "home street", "home address", "address 1 - street",
             "street address", "home street address", "mailing street"});
        add(field(Field::CityStateZip), {"city state zip", "city, state  zip", "city, state zip"});
        add(field(Field::Country), {"country", "home country/region", "home country",
                                    "address 1 - country", "country/region"});
        add(field(Field::Contact), {"contact", "company", "organization", "organization 1 - name",
                                    "organization name", "attn", "attention"});
        add(field(Field::Phone), {"phone", "home phone", "telephone", "primary phone",
                                  "phone 1 - value", "home telephone"});
        add(field(Field::Notes), {"notes", "note", "comments"});
        add({Target::FirstName}, {"first name", "given name", "firstname", "first"});
        add({Target::MiddleName}, {"middle name", "additional name"});
        add({Target::LastName}, {"last name", "family name", "surname", "lastname", "last"});
        add({Target::Address2},
            {"home street 2", "home street 3", "home address 2", "address 2", "address line 2",
             "address 1 - extended address", "address 1 - po box"});
        add({Target::City}, {"city", "home city", "address 1 - city", "locality"});
        add({Target::State},
            {"state", "home state", "region", "address 1 - region", "province", "state/province"});
        add({Target::Zip}, {"zip", "zip code", "zipcode", "postal code", "home postal code",
                            "home zipcode", "address 1 - postal code", "postcode"});
        add({Target::Categories},
            {"categories", "category", "group membership", "labels", "groups"});
        add({Target::TitleLines}, {"group titles"});
        add({Target::GroupNumbers}, {"group columns"});
        return h;
    }();
    return headings;
}

} // namespace

bool isFlagText(const QString& text) {
    const QStringView t = QStringView(text).trimmed();
    return t.isEmpty() || t == u"0" || t.compare(u"no", Qt::CaseInsensitive) == 0 ||
           t.compare(u"false", Qt::CaseInsensitive) == 0 || isYes(text);
}

bool isYes(const QString& text) {
    const QStringView t = QStringView(text).trimmed();
    return t == u"-1" || t == u"1" || t.compare(u"yes", Qt::CaseInsensitive) == 0 ||
           t.compare(u"true", Qt::CaseInsensitive) == 0 ||
           t.compare(u"x", Qt::CaseInsensitive) == 0;
}

const std::vector<Target>& allTargets() {
    static const std::vector<Target> all = [] {
        std::vector<Target> t{{Target::Ignore}};
        for (int f = 0; f < kFieldCount; ++f)
            t.push_back({Target::BookField, f});
        for (Target::Kind k :
             {Target::FirstName, Target::MiddleName, Target::LastName, Target::Address2,
              Target::City, Target::State, Target::Zip, Target::Categories, Target::TitleLines,
              Target::TitledFlag, Target::GroupNumbers})
            t.push_back({k});
        for (int g = 0; g < kGroupColumns; ++g)
            t.push_back({Target::GroupColumn, g});
        return t;
    }();
    return all;
}

QString targetLabel(const Target& target, const GroupTitles& titles) {
    switch (target.kind) {
    case Target::Ignore:
        return QStringLiteral("(not imported)");
    case Target::BookField:
        return fieldColumns()[target.index];
    case Target::FirstName:
        return QStringLiteral("Name: first name");
    case Target::MiddleName:
        return QStringLiteral("Name: middle name");
    case Target::LastName:
        return QStringLiteral("Name: last name");
    case Target::Address2:
        return QStringLiteral("Address: second line");
    case Target::City:
        return QStringLiteral("City State Zip: city");
    case Target::State:
        return QStringLiteral("City State Zip: state");
    case Target::Zip:
        return QStringLiteral("City State Zip: zip");
    case Target::Categories:
        return QStringLiteral("Groups by title");
    case Target::TitleLines:
        return QStringLiteral("Groups by title, one a line");
    case Target::TitledFlag:
        return QStringLiteral("Group titled by the heading (yes/no)");
    case Target::GroupNumbers:
        return QStringLiteral("Groups by column number");
    case Target::GroupColumn:
        return QStringLiteral("Group %1 \"%2\" (yes/no)")
            .arg(target.index)
            .arg(titles[target.index]);
    }
    return {};
}

QString targetKey(const Target& target) {
    static const char* const names[] = {"ignore",    "field",        "first-name",  "middle-name",
                                        "last-name", "address-2",    "city",        "state",
                                        "zip",       "categories",   "title-lines", "titled-flag",
                                        "group",     "group-numbers"};
    return QStringLiteral("%1 %2").arg(QLatin1String(names[target.kind])).arg(target.index);
}

std::optional<Target> targetFromKey(const QString& key) {
    for (const Target& t : allTargets()) {
        if (targetKey(t) == key)
            return t;
    }
    return std::nullopt;
}

Mapping defaultMapping(const SourceTable& table, const GroupTitles& titles) {
    Mapping mapping(table.columns.size());
    std::map<QString, int> titleSeen; // the nth column titled T goes to the nth group titled T
    for (int c = 0; c < table.columns.size(); ++c) {
        const QString heading = table.columns[c].trimmed();
        bool number = false;
        const int group = heading.toInt(&number);
        if (number && group >= 0 && group < kGroupColumns && heading == QString::number(group)) {
            mapping[c] = {Target::GroupColumn, group};
            continue;
        }
        // A yes/no column holds nothing but yes/no texts, and at least one of them;
        // an empty column is no evidence either way.
        bool flags = true;
        bool anyValue = false;
        for (const QStringList& row : table.rows) {
            if (c >= row.size())
                continue;
            if (!isFlagText(row[c])) {
                flags = false;
                break;
            }
            anyValue = anyValue || !row[c].trimmed().isEmpty();
        }
        flags = flags && anyValue;
        // A yes/no column headed by a group title is that group, even when the
        // title is also a heading other programs use.
        if (flags) {
            int nth = titleSeen[heading.toLower()]++;
            for (int k = 0; k < kGroupColumns && mapping[c].kind == Target::Ignore; ++k) {
                if (QStringView(titles[k]).trimmed().compare(heading, Qt::CaseInsensitive) == 0 &&
                    nth-- == 0)
                    mapping[c] = {Target::GroupColumn, k};
            }
            if (mapping[c].kind != Target::Ignore)
                continue;
        }
        const auto known = knownHeadings().find(heading.toLower());
        if (known != knownHeadings().end())
            mapping[c] = known->second;
        else if (flags)
            mapping[c] = {Target::TitledFlag};
    }
    return mapping;
}

void applyRemembered(Mapping& mapping, const SourceTable& table, const SettingsStore& settings) {
    const auto entries = settings.readSection(kApplication, settingsSection(table.kind));
    for (int c = 0; c < table.columns.size(); ++c) {
        for (const auto& [heading, key] : entries) {
            if (heading == table.columns[c]) {
                if (const auto target = targetFromKey(key))
                    mapping[c] = *target;
            }
        }
    }
}

void remember(const Mapping& mapping, const Mapping& defaults, const SourceTable& table,
              SettingsStore& settings) {
    const auto entries = settings.readSection(kApplication, settingsSection(table.kind));
    const auto wasRemembered = [&entries](const QString& heading) {
        for (const auto& entry : entries) {
            if (entry.first == heading)
                return true;
        }
        return false;
    };
    for (int c = 0; c < table.columns.size() && c < int(mapping.size()); ++c) {
        const QString& heading = table.columns[c];
        if (!heading.isEmpty() && (mapping[c] != defaults.at(c) || wasRemembered(heading)))
            settings.saveSetting(kApplication, settingsSection(table.kind), table.columns[c],
                                 targetKey(mapping[c]));
    }
}

} // namespace ravelbook::exchange
