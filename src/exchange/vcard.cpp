#include "exchange/vcard.h"

#include "core/name_rules.h"
#include "exchange/source_table.h"
#include "exchange/vcard_writer.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

namespace ravelbook::exchange {

namespace {

// Properties other programs keep a contact person in; the first found wins over ORG.
const char* const kContactProperties[] = {kContactProperty, "X-ASSISTANT", "X-MS-ASSISTANT",
                                          "X-EVOLUTION-ASSISTANT",
                                          "X-KADDRESSBOOK-X-ASSISTANTSNAME"};

const VCardProperty* first(const VCard& card, const char* name) {
    for (const VCardProperty& p : card.properties) {
        if (p.name == QLatin1String(name))
            return &p;
    }
    return nullptr;
}

// The most preferred one (PREF=1 before PREF=2), else the first of the
// earliest of `types`, else the first; one of a type `unwanted` (a fax for a
// phone) only when there is no other.
const VCardProperty* choose(const VCard& card, const char* name,
                            std::initializer_list<const char*> types,
                            std::initializer_list<const char*> unwanted = {}) {
    const VCardProperty* preferred = nullptr;
    const VCardProperty* typed = nullptr;
    std::size_t typeRank = types.size();
    const VCardProperty* any = nullptr;
    const VCardProperty* lastResort = nullptr;
    for (const VCardProperty& p : card.properties) {
        if (p.name != QLatin1String(name))
            continue;
        if (std::any_of(unwanted.begin(), unwanted.end(),
                        [&p](const char* type) { return p.types.contains(QLatin1String(type)); })) {
            if (!lastResort)
                lastResort = &p;
            continue;
        }
        if (p.preference > 0 && (!preferred || p.preference < preferred->preference))
            preferred = &p;
        for (std::size_t t = 0; t < typeRank; ++t) {
            if (p.types.contains(QLatin1String(types.begin()[t]))) {
                typed = &p;
                typeRank = t;
            }
        }
        if (!any)
            any = &p;
    }
    return preferred ? preferred : typed ? typed : any ? any : lastResort;
}

QString joinNonEmpty(const QStringList& parts, const QString& separator) {
    QString joined;
    for (const QString& part : parts) {
        if (part.isEmpty())
            continue;
        if (!joined.isEmpty())
            joined += separator;
        joined += part;
    }
    return joined;
}

QString component(const QStringList& parts, int i) {
    return i < parts.size() ? parts[i] : QString();
}

} // namespace

QString cityStateZip(const QString& city, const QString& state, const QString& zip) {
    QString line = city;
    if (!state.isEmpty())
        line += (line.isEmpty() ? QString() : QStringLiteral(", ")) + state;
    if (!zip.isEmpty())
        line += (line.isEmpty() ? QString() : QStringLiteral("  ")) + zip;
    return line;
}

const QStringList& vCardColumns() {
    static const QStringList columns = [] {
        QStringList names(fieldColumns().begin(), fieldColumns().end());
        names << QStringLiteral("Group Titles") << QStringLiteral("Group Columns")
              << QStringLiteral("Organization");
        return names;
    }();
    return columns;
}

namespace {

// "Last, First Additional" from N: each part trimmed, a part's several values
// (N:Doe;John;Richter,James) one after the other, separated by blanks.
QString nameOf(const VCardProperty& n) {
    const QStringList parts = splitRaw(n.value, QLatin1Char(';'));
    const auto part = [&parts](int i) {
        QStringList values;
        for (const QString& value : splitEscaped(component(parts, i), QLatin1Char(',')))
            values << value.trimmed();
        return joinNonEmpty(values, QStringLiteral(" "));
    };
    return lastFirst(part(0), joinNonEmpty({part(1), part(2)}, QStringLiteral(" ")));
}

// Whether the card is of a person rather than of an organization or a group.
bool isPerson(const VCard& card, const QString& fullName) {
    const VCardProperty* kind = first(card, "KIND");
    if (!kind)
        kind = first(card, "X-ADDRESSBOOKSERVER-KIND");
    if (kind && QStringView(kind->value).trimmed().compare(u"individual", Qt::CaseInsensitive))
        return false;
    const VCardProperty* showAs = first(card, "X-ABSHOWAS");
    if (showAs &&
        QStringView(showAs->value).trimmed().compare(u"COMPANY", Qt::CaseInsensitive) == 0)
        return false;
    const VCardProperty* org = first(card, "ORG");
    return !org || joinNonEmpty(splitEscaped(org->value, QLatin1Char(';')), QStringLiteral(", ")) !=
                       fullName;
}

// The word as a table of words has it: lower case, without a closing full stop.
QString wordKey(QStringView word) {
    if (word.endsWith(u'.'))
        word.chop(1);
    return word.toString().toLower();
}

// The last words of a company's name, which is never turned round.
bool endsLikeACompany(QStringView word) {
    static const QStringList forms{
        QStringLiteral("inc"),    QStringLiteral("ltd"),     QStringLiteral("llc"),
        QStringLiteral("llp"),    QStringLiteral("gmbh"),    QStringLiteral("co"),
        QStringLiteral("corp"),   QStringLiteral("company"), QStringLiteral("corporation"),
        QStringLiteral("plc"),    QStringLiteral("ag"),      QStringLiteral("sa"),
        QStringLiteral("s.a"),    QStringLiteral("bv"),      QStringLiteral("nv"),
        QStringLiteral("kg"),     QStringLiteral("srl"),     QStringLiteral("spa"),
        QStringLiteral("limited")};
    return forms.contains(wordKey(word));
}

// What may follow a person's last name: "John Smith Jr." is Smith's.
bool isNameSuffix(QStringView word) {
    static const QStringList suffixes{
        QStringLiteral("jr"), QStringLiteral("sr"),  QStringLiteral("ii"), QStringLiteral("iii"),
        QStringLiteral("iv"), QStringLiteral("phd"), QStringLiteral("md"), QStringLiteral("esq")};
    return suffixes.contains(wordKey(word));
}

// A person's full name ("Pat O'Brien") as "O'Brien, Pat": the last word is
// the last name, before a suffix ("Smith, John Jr."). A company's name stays.
QString lastNameFirst(const QString& fullName) {
    const QString name = fullName.simplified();
    if (name.contains(QLatin1Char(',')))
        return name;
    QStringList words = name.split(QLatin1Char(' '));
    if (words.size() < 2 || endsLikeACompany(words.last()))
        return name;
    QString suffix;
    if (words.size() > 2 && isNameSuffix(words.last()))
        suffix = QLatin1Char(' ') + words.takeLast();
    const QString last = words.takeLast();
    return lastFirst(last, words.join(QLatin1Char(' ')) + suffix);
}

} // namespace

const VCardProperty* chosenAddress(const VCard& card) {
    return choose(card, "ADR", {"home"});
}

const VCardProperty* chosenPhone(const VCard& card) {
    return choose(card, "TEL", {"home", "cell", "work"}, {"fax", "pager", "modem", "textphone"});
}

const VCardProperty* contactProperty(const VCard& card) {
    for (const char* property : kContactProperties) {
        if (const VCardProperty* p = first(card, property); p && !unescapeValue(p->value).isEmpty())
            return p;
    }
    return nullptr;
}

QStringList cardRow(const VCard& card) {
    QString name;
    if (const VCardProperty* n = first(card, "N"))
        name = nameOf(*n);
    if (name.isEmpty()) {
        if (const VCardProperty* fn = first(card, "FN")) {
            name = unescapeValue(fn->value).simplified();
            if (isPerson(card, name))
                name = lastNameFirst(name);
        }
    }

    QString address, cityLine, country;
    if (const VCardProperty* adr = chosenAddress(card)) {
        const QStringList parts = splitEscaped(adr->value, QLatin1Char(';'));
        // Street lines, then the extended address, then the post box, on one line.
        address = joinNonEmpty({component(parts, 2), component(parts, 1), component(parts, 0)},
                               QStringLiteral(", "));
        cityLine = cityStateZip(component(parts, 3), component(parts, 4), component(parts, 5));
        country = component(parts, 6);
    }

    const VCardProperty* contactLine = contactProperty(card);
    const QString contact = contactLine ? unescapeValue(contactLine->value) : QString();
    const VCardProperty* org = first(card, "ORG");
    const QString organization =
        org ? joinNonEmpty(splitEscaped(org->value, QLatin1Char(';')), QStringLiteral(", "))
            : QString();

    const VCardProperty* tel = chosenPhone(card);
    QString phone = tel ? unescapeValue(tel->value) : QString();
    if (tel && tel->uri && phone.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive))
        phone = phone.mid(4);
    QStringList notes, categories;
    QString groupColumns;
    for (const VCardProperty& p : card.properties) {
        if (p.name == QLatin1String("NOTE"))
            notes << unescapeValue(p.value);
        else if (p.name == QLatin1String("CATEGORIES"))
            categories << splitEscaped(p.value, QLatin1Char(','));
        else if (p.name == kGroupsProperty)
            groupColumns = p.value;
    }
    // One title a line: a title may hold a comma.
    for (QString& c : categories)
        c = c.trimmed();
    return {name,
            address,
            cityLine,
            country,
            contact,
            phone,
            notes.join(QLatin1Char('\n')),
            categories.join(QLatin1Char('\n')),
            groupColumns,
            organization};
}

QString writeVCard(const AddressRecord& record, const GroupTitles& titles) {
    VCardWriter card;
    const QString& name = record[Field::Name];
    // "Last, First" goes to N as its two parts when they give the name back
    // exactly; a reader trims each part.
    std::optional<NameParts> parts = splitLastFirst(name);
    if (parts && (lastFirst(parts->last, parts->first) != name ||
                  parts->last != parts->last.trimmed() || parts->first != parts->first.trimmed()))
        parts.reset();
    card.add(u"FN", {parts ? firstLast(*parts) : name});
    card.add(u"N", {parts ? parts->last : name, parts ? parts->first : QString(), {}, {}, {}});

    const QString& cityLine = record[Field::CityStateZip];
    QString city = cityLine, state, zip;
    // "City, ST  12345" is split for other programs when its parts give it back exactly.
    if (const qsizetype gap = cityLine.lastIndexOf(QLatin1String("  ")); gap > 0) {
        const QString head = cityLine.left(gap);
        const qsizetype comma = head.lastIndexOf(QLatin1String(", "));
        const QString c = comma > 0 ? head.left(comma) : head;
        const QString s = comma > 0 ? head.mid(comma + 2) : QString();
        const QString z = cityLine.mid(gap + 2);
        if (cityStateZip(c, s, z) == cityLine) {
            city = c;
            state = s;
            zip = z;
        }
    }
    if (!record[Field::Address].isEmpty() || !cityLine.isEmpty() ||
        !record[Field::Country].isEmpty())
        card.add(u"ADR;TYPE=home",
                 {{}, {}, record[Field::Address], city, state, zip, record[Field::Country]});
    const std::pair<Field, const char16_t*> single[] = {
        {Field::Phone, u"TEL;TYPE=voice"}, {Field::Contact, u"ORG"}, {Field::Notes, u"NOTE"}};
    for (const auto& [field, property] : single) {
        if (!record[field].isEmpty())
            card.add(property, {record[field]});
    }
    QStringList categories, columns;
    for (int k = 0; k < kGroupCount; ++k) {
        if (!record.groups[k])
            continue;
        if (!categories.contains(titles[k]))
            categories << titles[k];
        columns << QString::number(k);
    }
    if (!categories.isEmpty()) {
        card.add(u"CATEGORIES", categories, u',');
        card.add(kGroupsProperty, columns, u',');
    }
    return std::move(card).finish();
}

SourceTable vCardSource(const QByteArray& bytes) {
    SourceTable table;
    table.kind = QStringLiteral("vCard");
    table.columns = vCardColumns();
    const qsizetype cards = bytes.count("END:VCARD");
    table.rows.reserve(cards);
    table.lines.reserve(cards);
    // Properties that say nothing about the person, or that a row takes.
    static const QStringList taken{
        "VERSION",    "PRODID",        "REV",  "UID",        "N",
        "FN",         "ADR",           "TEL",  "NOTE",       "ORG",
        "CATEGORIES", kGroupsProperty, "KIND", "X-ABSHOWAS", "X-ADDRESSBOOKSERVER-KIND"};
    std::map<QString, int> leftOut;
    // Each card becomes its row as soon as it is read; only the rows are kept.
    readVCards(
        bytes,
        [&](VCard&& card) {
            table.rows.push_back(cardRow(card));
            table.lines.push_back(card.line);
            std::set<QString> seen;
            // A record has one address and one phone; the others of a card are not kept.
            for (const char* several : {"ADR", "TEL"}) {
                const auto count = std::count_if(
                    card.properties.begin(), card.properties.end(),
                    [several](const VCardProperty& p) { return p.name == QLatin1String(several); });
                if (count > 1)
                    seen.insert(QStringLiteral("%1 but the one taken").arg(QLatin1String(several)));
            }
            for (const VCardProperty& p : card.properties) {
                const bool contact =
                    std::any_of(std::begin(kContactProperties), std::end(kContactProperties),
                                [&p](const char* name) { return p.name == QLatin1String(name); });
                if (!contact && !taken.contains(p.name))
                    seen.insert(p.name);
            }
            for (const QString& name : seen)
                ++leftOut[name];
        },
        table.problems);
    table.leftOut.assign(leftOut.begin(), leftOut.end());
    return table;
}

} // namespace ravelbook::exchange
