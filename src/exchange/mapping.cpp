#include "exchange/mapping.h"

#include "settings/settings_store.h"
#include "store/store_error.h"

#include <map>
#include <QCoreApplication>

namespace ravelbook::exchange {

namespace {

const QString kApplication = QStringLiteral("Ravelbook");

QString settingsSection(const QString& kind) {
    return QStringLiteral("Import %1").arg(kind);
}

// The targets other than the book's fields and its group columns: the key the
// settings file keeps, the label a list shows and the name the command line takes.
struct PartTarget {
    Target target;
    const char* key;
    const char* label;
    const char* name;
};

const std::vector<PartTarget>& partTargets() {
    static const std::vector<PartTarget> parts{
        {{Target::FirstName},
         "first-name",
         QT_TRANSLATE_NOOP("Mapping", "Name: first name"),
         "first name"},
        {{Target::MiddleName},
         "middle-name",
         QT_TRANSLATE_NOOP("Mapping", "Name: middle name"),
         "middle name"},
        {{Target::LastName},
         "last-name",
         QT_TRANSLATE_NOOP("Mapping", "Name: last name"),
         "last name"},
        {{Target::Organization},
         "organization",
         QT_TRANSLATE_NOOP("Mapping", "Name, else Contact: organization"),
         "organization"},
        {{Target::Address2},
         "address-2",
         QT_TRANSLATE_NOOP("Mapping", "Address: second line"),
         "address 2"},
        {{Target::City}, "city", QT_TRANSLATE_NOOP("Mapping", "City State Zip: city"), "city"},
        {{Target::State}, "state", QT_TRANSLATE_NOOP("Mapping", "City State Zip: state"), "state"},
        {{Target::Zip}, "zip", QT_TRANSLATE_NOOP("Mapping", "City State Zip: zip"), "zip"},
        {{Target::OtherPhone, int(PhoneKind::Home)},
         "phone",
         QT_TRANSLATE_NOOP("Mapping", "Phone: home"),
         "home phone"},
        {{Target::OtherPhone, int(PhoneKind::Mobile)},
         "phone",
         QT_TRANSLATE_NOOP("Mapping", "Phone: mobile"),
         "mobile phone"},
        {{Target::OtherPhone, int(PhoneKind::Business)},
         "phone",
         QT_TRANSLATE_NOOP("Mapping", "Phone: business"),
         "business phone"},
        {{Target::OtherPhone, int(PhoneKind::Other)},
         "phone",
         QT_TRANSLATE_NOOP("Mapping", "Phone: other"),
         "other phone"},
        {{Target::BusinessAddress, int(AddressPart::Street)},
         "business-address",
         QT_TRANSLATE_NOOP("Mapping", "Address, when no other: business street"),
         "business street"},
        {{Target::BusinessAddress, int(AddressPart::Street2)},
         "business-address",
         QT_TRANSLATE_NOOP("Mapping", "Address, when no other: business street, second line"),
         "business street 2"},
        {{Target::BusinessAddress, int(AddressPart::City)},
         "business-address",
         QT_TRANSLATE_NOOP("Mapping", "City State Zip, when no other: business city"),
         "business city"},
        {{Target::BusinessAddress, int(AddressPart::State)},
         "business-address",
         QT_TRANSLATE_NOOP("Mapping", "City State Zip, when no other: business state"),
         "business state"},
        {{Target::BusinessAddress, int(AddressPart::Zip)},
         "business-address",
         QT_TRANSLATE_NOOP("Mapping", "City State Zip, when no other: business zip"),
         "business zip"},
        {{Target::BusinessAddress, int(AddressPart::Country)},
         "business-address",
         QT_TRANSLATE_NOOP("Mapping", "Country, when no other: business country"),
         "business country"},
        {{Target::Categories},
         "categories",
         QT_TRANSLATE_NOOP("Mapping", "Groups by title"),
         "groups"},
        {{Target::TitleLines},
         "title-lines",
         QT_TRANSLATE_NOOP("Mapping", "Groups by title, one a line"),
         "group lines"},
        {{Target::TitledFlag},
         "titled-flag",
         QT_TRANSLATE_NOOP("Mapping", "Group titled by the heading (yes/no)"),
         "group flag"},
        {{Target::GroupNumbers},
         "group-numbers",
         QT_TRANSLATE_NOOP("Mapping", "Groups by column number"),
         "group numbers"},
    };
    return parts;
}

const PartTarget* partTarget(const Target& target) {
    for (const PartTarget& part : partTargets()) {
        if (part.target == target)
            return &part;
    }
    return nullptr;
}

// Headings other programs give their columns, as headingKey() has them, with
// where they go. Home addresses are taken, a business one when a row has no
// other (a company's), as a business phone is.
const std::map<QString, Target>& knownHeadings() {
    static const std::map<QString, Target> headings = [] {
        std::map<QString, Target> h;
        const auto add = [&h](Target target, std::initializer_list<const char*> names) {
            for (const char* name : names)
                h.emplace(headingKey(QString::fromLatin1(name)), target);
        };
        const auto field = [](Field f) { return Target{Target::BookField, int(f)}; };
        const auto phone = [](PhoneKind kind) { return Target{Target::OtherPhone, int(kind)}; };
        add(field(Field::Name), {"name", "full name", "display name", "fn"});
        add(field(Field::Address),
            {"address", "street", "home street", "home address", "address 1 - street",
             "street address", "home street address", "mailing street"});
        add(field(Field::CityStateZip), {"city state zip"});
        add(field(Field::Country), {"country", "home country/region", "home country",
                                    "address 1 - country", "country/region"});
        add(field(Field::Contact), {"contact", "contact name", "attn", "attention"});
        add({Target::Organization}, {"company", "company name", "organization",
                                     "organization 1 - name", "organization name"});
        add(field(Field::Phone), {"phone", "telephone", "primary phone", "phone 1 - value"});
        add(phone(PhoneKind::Home), {"home phone", "home telephone", "home phone 2"});
        add(phone(PhoneKind::Mobile), {"mobile phone", "mobile", "cell phone", "cell"});
        add(phone(PhoneKind::Business),
            {"business phone", "business phone 2", "work phone", "company main phone"});
        add(phone(PhoneKind::Other), {"other phone", "phone 2 - value", "phone 3 - value"});
        add(field(Field::Notes), {"notes", "note", "comments", "contact title"});
        add({Target::FirstName}, {"first name", "given name", "first"});
        add({Target::MiddleName}, {"middle name", "additional name"});
        add({Target::LastName}, {"last name", "family name", "surname", "last"});
        add({Target::Address2},
            {"home street 2", "home street 3", "home address 2", "address 2", "address line 2",
             "address 1 - extended address", "address 1 - po box"});
        add({Target::City}, {"city", "home city", "address 1 - city", "locality"});
        add({Target::State},
            {"state", "home state", "region", "address 1 - region", "province", "state/province"});
        add({Target::Zip}, {"zip", "zip code", "postal code", "home postal code", "home zipcode",
                            "address 1 - postal code", "postcode"});
        const auto business = [](AddressPart part) {
            return Target{Target::BusinessAddress, int(part)};
        };
        add(business(AddressPart::Street),
            {"business street", "business address", "work address", "work street"});
        add(business(AddressPart::Street2),
            {"business street 2", "business street 3", "work address 2", "work street 2"});
        add(business(AddressPart::City), {"business city", "work city"});
        add(business(AddressPart::State), {"business state", "work state"});
        add(business(AddressPart::Zip), {"business postal code", "business zip", "work zipcode",
                                         "work zip", "work postal code"});
        add(business(AddressPart::Country),
            {"business country/region", "business country", "work country"});
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
        for (const PartTarget& part : partTargets())
            t.push_back(part.target);
        for (int g = 0; g < kGroupCount; ++g)
            t.push_back({Target::GroupColumn, g});
        return t;
    }();
    return all;
}

QString targetLabel(const Target& target, const GroupTitles& titles) {
    switch (target.kind) {
    case Target::Ignore:
        return QCoreApplication::translate("Mapping", "(not imported)");
    case Target::BookField:
        return fieldColumns()[target.index];
    case Target::GroupColumn:
        return QCoreApplication::translate("Mapping", "Group %1 \"%2\" (yes/no)")
            .arg(target.index)
            .arg(titles[target.index]);
    default:
        return QCoreApplication::translate("Mapping", partTarget(target)->label);
    }
}

QString targetKey(const Target& target) {
    const char* name = target.kind == Target::Ignore        ? "ignore"
                       : target.kind == Target::BookField   ? "field"
                       : target.kind == Target::GroupColumn ? "group"
                                                            : partTarget(target)->key;
    return QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(target.index);
}

std::optional<Target> targetFromKey(const QString& key) {
    for (const Target& t : allTargets()) {
        if (targetKey(t) == key)
            return t;
    }
    return std::nullopt;
}

QStringList targetNames() {
    QStringList names{QStringLiteral("ignore")};
    for (const QString& column : fieldColumns())
        names << column.toLower();
    for (const PartTarget& part : partTargets())
        names << QLatin1String(part.name);
    names << QStringLiteral("group 0") << QStringLiteral("...") << QStringLiteral("group 17");
    return names;
}

std::optional<Target> targetNamed(const QString& name) {
    const QString key = headingKey(name);
    const auto named = [&key](const QString& text) { return headingKey(text) == key; };
    if (named(QStringLiteral("ignore")))
        return Target{Target::Ignore};
    for (int f = 0; f < kFieldCount; ++f) {
        if (named(fieldColumns()[f]))
            return Target{Target::BookField, f};
    }
    for (const PartTarget& part : partTargets()) {
        if (named(QLatin1String(part.name)) || named(QLatin1String(part.label)))
            return part.target;
    }
    for (int k = 0; k < kGroupCount; ++k) {
        if (named(QStringLiteral("group %1").arg(k)))
            return Target{Target::GroupColumn, k};
    }
    return std::nullopt;
}

QString headingKey(const QString& heading) {
    QString key;
    key.reserve(heading.size());
    for (const QChar c : heading) {
        if (c.isLetterOrNumber())
            key += c.toLower();
    }
    return key;
}

Mapping defaultMapping(const SourceTable& table, const GroupTitles& titles) {
    Mapping mapping(table.columns.size());
    std::map<QString, int> titleSeen; // the nth column titled T goes to the nth group titled T
    for (int c = 0; c < table.columns.size(); ++c) {
        const QString heading = table.columns[c].trimmed();
        bool number = false;
        const int group = heading.toInt(&number);
        if (number && group >= 0 && group < kGroupCount && heading == QString::number(group)) {
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
            for (int k = 0; k < kGroupCount && mapping[c].kind == Target::Ignore; ++k) {
                if (QStringView(titles[k]).trimmed().compare(heading, Qt::CaseInsensitive) == 0 &&
                    nth-- == 0)
                    mapping[c] = {Target::GroupColumn, k};
            }
            if (mapping[c].kind != Target::Ignore)
                continue;
        }
        const auto known = knownHeadings().find(headingKey(heading));
        if (known != knownHeadings().end())
            mapping[c] = known->second;
        else if (flags)
            mapping[c] = {Target::TitledFlag};
    }
    return mapping;
}

void mapHeading(Mapping& mapping, const SourceTable& table, const QString& heading,
                const Target& target) {
    bool found = false;
    for (int c = 0; c < table.columns.size(); ++c) {
        if (QStringView(table.columns[c])
                .trimmed()
                .compare(QStringView(heading).trimmed(), Qt::CaseInsensitive) == 0) {
            mapping[c] = target;
            found = true;
        }
    }
    if (!found)
        throw StoreError(QCoreApplication::translate(
                             "Mapping", "The file has no column \"%1\"; its columns are: %2.")
                             .arg(heading, table.columns.join(QStringLiteral(", "))));
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
