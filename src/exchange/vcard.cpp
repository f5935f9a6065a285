#include "exchange/vcard.h"

#include "exchange/source_table.h"
#include "exchange/text_decoding.h"

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <QStringDecoder>
#include <QVarLengthArray>
#include <set>

namespace ravelbook::exchange {

namespace {

const QString kGroupsProperty = QStringLiteral("X-RAVELBOOK-GROUPS");
// Properties other programs keep a contact person in; the first found wins over ORG.
const char* const kContactProperties[] = {"X-RAVELBOOK-CONTACT", "X-ASSISTANT", "X-MS-ASSISTANT",
                                          "X-EVOLUTION-ASSISTANT",
                                          "X-KADDRESSBOOK-X-ASSISTANTSNAME"};

struct RawLine {
    QByteArray text;
    int line;
};

// Whether the parameters of a content line (what comes before its colon) say
// quoted-printable; the value itself may hold those words.
bool isQuotedPrintable(QByteArrayView parameters) {
    return parameters.toByteArray().toUpper().contains("QUOTED-PRINTABLE");
}

// Physical lines joined into content lines, one at a time: a line that starts
// with a blank continues the one before, and so does the line after a
// quoted-printable value that ends in "=".
class Unfolder {
public:
    explicit Unfolder(const QByteArray& bytes) : bytes_(bytes) {
        if (bytes_.startsWith("\xEF\xBB\xBF"))
            at_ = 3; // the file's byte order mark
        fetch();
    }

    std::optional<RawLine> next() {
        if (!ahead_)
            return std::nullopt;
        RawLine line{*ahead_, aheadLine_};
        // Whether the value is quoted-printable is known once the parameters
        // end; only what is joined is searched for their colon, once.
        std::optional<bool> quotedPrintable;
        qsizetype searched = 0;
        fetch();
        for (;;) {
            if (!quotedPrintable) {
                if (const qsizetype colon = line.text.indexOf(':', searched); colon > 0)
                    quotedPrintable = isQuotedPrintable(line.text.first(colon));
                else
                    searched = line.text.size();
            }
            const bool softBreak = line.text.endsWith('=') && quotedPrintable.value_or(false);
            if (softBreak && ahead_) {
                line.text.chop(1);
                line.text += *ahead_;
            } else if (ahead_ && !ahead_->isEmpty() &&
                       (ahead_->at(0) == ' ' || ahead_->at(0) == '\t')) {
                line.text += ahead_->mid(1);
            } else {
                if (softBreak)
                    line.text.chop(1);
                return line;
            }
            fetch();
        }
    }

private:
    void fetch() {
        if (at_ >= bytes_.size()) {
            ahead_.reset();
            return;
        }
        qsizetype end = bytes_.indexOf('\n', at_);
        if (end < 0)
            end = bytes_.size();
        qsizetype length = end - at_;
        if (length > 0 && bytes_[at_ + length - 1] == '\r')
            --length;
        // A view into the file; only a line that is joined gets a copy of its own.
        ahead_ = QByteArray::fromRawData(bytes_.constData() + at_, length);
        at_ = end + 1;
        aheadLine_ = ++line_;
    }

    const QByteArray& bytes_;
    qsizetype at_ = 0;
    int line_ = 0;
    std::optional<QByteArray> ahead_;
    int aheadLine_ = 0;
};

QByteArray decodeQuotedPrintable(const QByteArray& in) {
    QByteArray out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == '=' && i + 2 < in.size() + 0 && isxdigit(quint8(in[i + 1])) &&
            isxdigit(quint8(in[i + 2]))) {
            out += char(QByteArray::fromHex(in.mid(i + 1, 2)).at(0));
            i += 2;
        } else {
            out += in[i];
        }
    }
    return out;
}

QString decodeCharset(const QByteArray& bytes, const QString& charset) {
    const QString name = charset.toLower();
    if (name == QLatin1String("utf-8") || name == QLatin1String("utf8"))
        return QString::fromUtf8(bytes);
    if (name == QLatin1String("windows-1252") || name == QLatin1String("cp1252") ||
        name.startsWith(QLatin1String("iso-8859-1")) || name == QLatin1String("latin1"))
        return decodeWindows1252(bytes);
    return decodeBytes(bytes);
}

// Splits "NAME;PARAM=A,B;BARE" at unquoted semicolons.
QVarLengthArray<QByteArrayView, 8> splitParameters(QByteArrayView head) {
    QVarLengthArray<QByteArrayView, 8> parts;
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < head.size(); ++i) {
        if (head[i] == '"') {
            quoted = !quoted;
        } else if (head[i] == ';' && !quoted) {
            parts.append(head.sliced(start, i - start));
            start = i + 1;
        }
    }
    parts.append(head.sliced(start));
    return parts;
}

bool sameWord(QByteArrayView a, const char* b) {
    return a.compare(QByteArrayView(b), Qt::CaseInsensitive) == 0;
}

// A TYPE value in lower case; the common ones share one copy each.
QString typeName(QByteArrayView type) {
    static const QStringList common{QStringLiteral("home"),  QStringLiteral("work"),
                                    QStringLiteral("voice"), QStringLiteral("cell"),
                                    QStringLiteral("fax"),   QStringLiteral("internet")};
    for (const QString& known : common) {
        if (known.size() == type.size() && sameWord(type, qPrintable(known)))
            return known;
    }
    return QString::fromLatin1(type).toLower();
}

// The name of a property, in upper case. The common ones share one copy each:
// a large file repeats them in every card.
QString propertyName(QByteArrayView name) {
    static const QStringList common{
        QStringLiteral("BEGIN"),      QStringLiteral("END"),  QStringLiteral("VERSION"),
        QStringLiteral("N"),          QStringLiteral("FN"),   QStringLiteral("ADR"),
        QStringLiteral("TEL"),        QStringLiteral("NOTE"), QStringLiteral("ORG"),
        QStringLiteral("CATEGORIES"), kGroupsProperty};
    for (const QString& known : common) {
        if (known.size() == name.size() && QLatin1String(name) == known)
            return known;
    }
    return QString::fromLatin1(name).toUpper();
}

// A content line; a value in the file's own bytes is decoded as the whole file says.
std::optional<VCardProperty> parseLine(const QByteArray& raw, const FileDecoder& decoder, int line,
                                       QStringList& problems) {
    // The name and parameters are ASCII; only the value needs decoding.
    const qsizetype colon = [&] {
        bool quoted = false;
        for (qsizetype i = 0; i < raw.size(); ++i) {
            if (raw[i] == '"')
                quoted = !quoted;
            else if (raw[i] == ':' && !quoted)
                return i;
        }
        return qsizetype(-1);
    }();
    if (colon <= 0)
        return std::nullopt;
    const QVarLengthArray<QByteArrayView, 8> head =
        splitParameters(QByteArrayView(raw).first(colon));
    QByteArrayView name = head[0].trimmed();
    if (const qsizetype dot = name.lastIndexOf('.'); dot >= 0)
        name = name.sliced(dot + 1); // a group prefix ("item1.")
    if (name.isEmpty())
        return std::nullopt;
    VCardProperty property;
    property.name = propertyName(name);
    QString charset;
    bool quotedPrintable = false;
    bool base64 = false;
    for (qsizetype i = 1; i < head.size(); ++i) {
        const QByteArrayView parameter = head[i];
        const qsizetype equals = parameter.indexOf('=');
        // A bare 2.1 parameter ("HOME", "QUOTED-PRINTABLE") is a type or an encoding.
        const QByteArrayView key =
            equals < 0 ? QByteArrayView() : parameter.first(equals).trimmed();
        QByteArrayView value = (equals < 0 ? parameter : parameter.sliced(equals + 1)).trimmed();
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.sliced(1, value.size() - 2);
        if (sameWord(key, "ENCODING") || (equals < 0 && sameWord(value, "QUOTED-PRINTABLE"))) {
            quotedPrintable = sameWord(value, "QUOTED-PRINTABLE");
            base64 = sameWord(value, "BASE64") || sameWord(value, "B");
        } else if (sameWord(key, "CHARSET")) {
            charset = QString::fromLatin1(value);
        } else if (sameWord(key, "VALUE")) {
            property.uri = sameWord(value, "uri");
        } else if (sameWord(key, "PREF")) {
            bool number = false;
            const int rank = value.toByteArray().toInt(&number);
            property.preference = number && rank >= 1 ? rank : 1;
        } else if (equals < 0 || sameWord(key, "TYPE")) {
            qsizetype from = 0;
            while (from <= value.size()) {
                qsizetype comma = value.indexOf(',', from);
                if (comma < 0)
                    comma = value.size();
                const QByteArrayView type = value.sliced(from, comma - from).trimmed();
                if (sameWord(type, "pref"))
                    property.preference = 1;
                else if (!type.isEmpty())
                    property.types << typeName(type);
                from = comma + 1;
            }
        }
    }
    if (base64)
        return property; // pictures and keys: no text to take
    const QByteArrayView rest = QByteArrayView(raw).sliced(colon + 1);
    if (quotedPrintable || !charset.isEmpty()) {
        const QByteArray bytes =
            quotedPrintable ? decodeQuotedPrintable(rest.toByteArray()) : rest.toByteArray();
        property.value = charset.isEmpty() ? decodeBytes(bytes) : decodeCharset(bytes, charset);
    } else {
        property.value = decoder.decode(rest, line, problems);
    }
    return property;
}

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

QString escapeValue(const QString& text) {
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case ',':
            out += QLatin1String("\\,");
            break;
        case ';':
            out += QLatin1String("\\;");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            break;
        default:
            out += c;
        }
    }
    return out;
}

// A content line folded after 75 octets, never inside a character.
void appendFolded(QString& out, const QString& line) {
    int octets = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char32_t c = line[i].unicode();
        const bool pair = line[i].isHighSurrogate() && i + 1 < line.size();
        const int size = pair ? 4 : c < 0x80 ? 1 : c < 0x800 ? 2 : 3;
        if (octets + size > 75) {
            out += QLatin1String("\r\n ");
            octets = 1;
        }
        out += line[i];
        if (pair)
            out += line[++i];
        octets += size;
    }
    out += QLatin1String("\r\n");
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

void readVCards(const QByteArray& bytes, const std::function<void(VCard&&)>& onCard,
                QStringList& problems) {
    std::optional<VCard> card;
    Unfolder lines(bytes);
    const FileDecoder decoder(bytes);
    const auto is = [](const VCardProperty& p, const char* name) {
        return p.name == QLatin1String(name) &&
               QStringView(p.value).trimmed().compare(u"VCARD", Qt::CaseInsensitive) == 0;
    };
    while (const std::optional<RawLine> raw = lines.next()) {
        if (std::all_of(raw->text.begin(), raw->text.end(),
                        [](char c) { return c == ' ' || c == '\t'; }))
            continue;
        std::optional<VCardProperty> property = parseLine(raw->text, decoder, raw->line, problems);
        if (property && is(*property, "BEGIN")) {
            if (card)
                addProblem(problems,
                           QStringLiteral("line %1: the card is cut short (no END:VCARD); "
                                          "it is left out")
                               .arg(card->line));
            card = VCard{raw->line, {}};
            card->properties.reserve(16);
        } else if (property && card && is(*property, "END")) {
            onCard(std::move(*card));
            card.reset();
        } else if (!property || !card) {
            addProblem(problems, QStringLiteral("line %1: can't be read: %2")
                                     .arg(raw->line)
                                     .arg(decodeText(raw->text.left(60))));
        } else {
            card->properties.push_back(std::move(*property));
        }
    }
    if (card)
        problems << QStringLiteral("line %1: the card is cut short (the file ends before "
                                   "END:VCARD); it is left out")
                        .arg(card->line);
}

VCardFile readVCards(const QByteArray& bytes) {
    VCardFile file;
    readVCards(
        bytes, [&file](VCard&& card) { file.cards.push_back(std::move(card)); }, file.problems);
    return file;
}

namespace {

// The parts of a value between its unescaped separators, escapes kept.
QStringList splitRaw(const QString& value, QChar separator) {
    QStringList parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == QLatin1Char('\\')) {
            ++i; // the escaped character is never a separator
        } else if (value[i] == separator) {
            parts << value.mid(start, i - start);
            start = i + 1;
        }
    }
    parts << value.mid(start);
    return parts;
}

} // namespace

QStringList splitEscaped(const QString& value, QChar separator) {
    QStringList parts = splitRaw(value, separator);
    for (QString& part : parts)
        part = unescapeValue(part);
    return parts;
}

QString unescapeValue(const QString& value) {
    qsizetype backslash = value.indexOf(QLatin1Char('\\'));
    if (backslash < 0)
        return value;
    QString out;
    out.reserve(value.size());
    qsizetype from = 0;
    while (backslash >= 0 && backslash + 1 < value.size()) {
        out.append(value.constData() + from, backslash - from);
        const QChar next = value[backslash + 1];
        out += (next == QLatin1Char('n') || next == QLatin1Char('N')) ? QChar(u'\n') : next;
        from = backslash + 2;
        backslash = value.indexOf(QLatin1Char('\\'), from);
    }
    out.append(value.constData() + from, value.size() - from);
    return out;
}

const QStringList& vCardColumns() {
    static const QStringList columns{
        QStringLiteral("Name"),           QStringLiteral("Address"),
        QStringLiteral("City State Zip"), QStringLiteral("Country"),
        QStringLiteral("Contact"),        QStringLiteral("Phone"),
        QStringLiteral("Notes"),          QStringLiteral("Group Titles"),
        QStringLiteral("Group Columns"),  QStringLiteral("Organization")};
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
    return joinNonEmpty({part(0), joinNonEmpty({part(1), part(2)}, QStringLiteral(" "))},
                        QStringLiteral(", "));
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
    return last + QStringLiteral(", ") + words.join(QLatin1Char(' ')) + suffix;
}

} // namespace

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
    if (const VCardProperty* adr = choose(card, "ADR", {"home"})) {
        const QStringList parts = splitEscaped(adr->value, QLatin1Char(';'));
        // Street lines, then the extended address, then the post box, on one line.
        address = joinNonEmpty({component(parts, 2), component(parts, 1), component(parts, 0)},
                               QStringLiteral(", "));
        cityLine = cityStateZip(component(parts, 3), component(parts, 4), component(parts, 5));
        country = component(parts, 6);
    }

    QString contact;
    for (const char* property : kContactProperties) {
        if (const VCardProperty* p = first(card, property); p && contact.isEmpty())
            contact = unescapeValue(p->value);
    }
    const VCardProperty* org = first(card, "ORG");
    const QString organization =
        org ? joinNonEmpty(splitEscaped(org->value, QLatin1Char(';')), QStringLiteral(", "))
            : QString();

    const VCardProperty* tel =
        choose(card, "TEL", {"home", "cell", "work"}, {"fax", "pager", "modem", "textphone"});
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
    QString out = QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\n");
    const QString& name = record[Field::Name];
    // "Last, First" goes to N as its two parts when they give the name back
    // exactly; a reader trims each part.
    QString last = name, given;
    if (const qsizetype comma = name.indexOf(QLatin1String(", ")); comma > 0) {
        const QString l = name.left(comma), g = name.mid(comma + 2);
        if (!g.isEmpty() && l == l.trimmed() && g == g.trimmed()) {
            last = l;
            given = g;
        }
    }
    appendFolded(out, QStringLiteral("FN:") +
                          escapeValue(given.isEmpty() ? name : given + QLatin1Char(' ') + last));
    appendFolded(out, QStringLiteral("N:") + escapeValue(last) + QLatin1Char(';') +
                          escapeValue(given) + QStringLiteral(";;;"));

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
        appendFolded(out, QStringLiteral("ADR;TYPE=home:;;") + escapeValue(record[Field::Address]) +
                              QLatin1Char(';') + escapeValue(city) + QLatin1Char(';') +
                              escapeValue(state) + QLatin1Char(';') + escapeValue(zip) +
                              QLatin1Char(';') + escapeValue(record[Field::Country]));
    if (!record[Field::Phone].isEmpty())
        appendFolded(out, QStringLiteral("TEL;TYPE=voice:") + escapeValue(record[Field::Phone]));
    if (!record[Field::Contact].isEmpty())
        appendFolded(out, QStringLiteral("ORG:") + escapeValue(record[Field::Contact]));
    if (!record[Field::Notes].isEmpty())
        appendFolded(out, QStringLiteral("NOTE:") + escapeValue(record[Field::Notes]));
    QStringList categories, columns;
    for (int k = 0; k < kGroupCount; ++k) {
        if (!record.groups[k])
            continue;
        if (!categories.contains(escapeValue(titles[k])))
            categories << escapeValue(titles[k]);
        columns << QString::number(k);
    }
    if (!categories.isEmpty()) {
        appendFolded(out, QStringLiteral("CATEGORIES:") + categories.join(QLatin1Char(',')));
        appendFolded(out, kGroupsProperty + QLatin1Char(':') + columns.join(QLatin1Char(',')));
    }
    out += QLatin1String("END:VCARD\r\n");
    return out;
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
