#include "exchange/vcard_merge.h"

#include "core/error.h"
#include "exchange/import.h"
#include "exchange/mapping.h"
#include "exchange/vcard.h"
#include "exchange/vcard_writer.h"

#include <optional>
#include <QCoreApplication>
#include <vector>

namespace ravelbook::exchange {

namespace {

// A content line as the card holds it: its bytes with their folding and line
// end, and the property the reader makes of it.
struct CardLine {
    QByteArray bytes;
    std::optional<VCardProperty> property;
};

bool isQuotedPrintableHead(const QByteArray& line) {
    const qsizetype colon = line.indexOf(':');
    return colon > 0 && line.first(colon).toUpper().contains("QUOTED-PRINTABLE");
}

// The card's physical lines gathered into content lines, each read on its own.
std::vector<CardLine> splitCard(const QByteArray& card) {
    std::vector<CardLine> lines;
    bool softBreak = false;
    for (qsizetype at = 0; at < card.size();) {
        qsizetype end = card.indexOf('\n', at);
        end = end < 0 ? card.size() : end + 1;
        const QByteArray physical = card.mid(at, end - at);
        at = end;
        const bool folded = physical.startsWith(' ') || physical.startsWith('\t');
        if (!lines.empty() && (folded || softBreak))
            lines.back().bytes += physical;
        else
            lines.push_back({physical, std::nullopt});
        const QByteArray text = lines.back().bytes.trimmed();
        softBreak = text.endsWith('=') && isQuotedPrintableHead(text);
    }
    for (CardLine& line : lines) {
        QByteArray wrapped = "BEGIN:VCARD\r\n" + line.bytes;
        if (!wrapped.endsWith('\n'))
            wrapped += "\r\n";
        const VCardFile read = readVCards(wrapped + "END:VCARD\r\n");
        if (read.cards.size() == 1 && read.cards.front().properties.size() == 1)
            line.property = read.cards.front().properties.front();
    }
    return lines;
}

// The content line the vCard writer makes of these values, folded and ended.
QByteArray contentLine(const QString& head, const QStringList& values, QChar separator = u';') {
    VCardWriter writer;
    writer.add(head, values, separator);
    const QString card = std::move(writer).finish();
    const qsizetype from = card.indexOf(QLatin1String("\r\n"), card.indexOf(u'\n') + 1) + 2;
    return card.mid(from, card.lastIndexOf(QLatin1String("END:VCARD")) - from).toUtf8();
}

// A line's name and parameters, unfolded, for a new value: the value is
// written in UTF-8 without quoted-printable.
QString headOf(const QByteArray& bytes) {
    QByteArray line = bytes;
    line.replace("\r\n ", "").replace("\n ", "").replace("\r\n\t", "").replace("\n\t", "");
    bool quoted = false;
    qsizetype colon = 0;
    for (; colon < line.size() && (quoted || line[colon] != ':'); ++colon) {
        if (line[colon] == '"')
            quoted = !quoted;
    }
    QStringList kept;
    for (const QString& part : QString::fromLatin1(line.first(colon)).split(u';')) {
        const QString key = part.section(u'=', 0, 0).trimmed().toUpper();
        if (part.trimmed().compare(u"QUOTED-PRINTABLE", Qt::CaseInsensitive) == 0 ||
            (key == QLatin1String("ENCODING") &&
             part.contains(QLatin1String("QUOTED-PRINTABLE"), Qt::CaseInsensitive)))
            continue;
        kept << (key == QLatin1String("CHARSET") ? QStringLiteral("CHARSET=UTF-8") : part);
    }
    return kept.join(u';');
}

bool sameTitle(const QString& title, const QString& category) {
    return QStringView(title).trimmed().compare(QStringView(category).trimmed(),
                                                Qt::CaseInsensitive) == 0;
}

// The edits of one card: each line kept, replaced or removed, and the lines
// the card lacks added before its END.
class CardEdit {
public:
    explicit CardEdit(const QByteArray& serverCard) : lines_(splitCard(serverCard)) {
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            out_.push_back(lines_[i].bytes);
            if (lines_[i].property) {
                card_.properties.push_back(*lines_[i].property);
                lineOf_.push_back(i);
            }
        }
        crlf_ = serverCard.contains("\r\n") || !serverCard.contains('\n');
    }

    // The card as the reader sees it line by line, to choose from.
    const VCard& card() const { return card_; }
    // The line of a property of card().
    std::size_t lineOf(const VCardProperty* p) const {
        return lineOf_[std::size_t(p - card_.properties.data())];
    }
    std::vector<std::size_t> linesNamed(const char* name) const {
        std::vector<std::size_t> found;
        for (const VCardProperty& p : card_.properties) {
            if (p.name == QLatin1String(name))
                found.push_back(lineOf(&p));
        }
        return found;
    }
    const CardLine& line(std::size_t i) const { return lines_[i]; }

    void replace(std::size_t i, const QByteArray& bytes) { out_[i] = bytes; }
    void remove(std::size_t i) { out_[i].reset(); }
    void add(const QByteArray& bytes) { added_ += bytes; }
    // The first line of `lines` becomes `bytes` (or `bytes` is added), the others go.
    void replaceAll(const std::vector<std::size_t>& lines, const std::optional<QByteArray>& bytes) {
        for (std::size_t k = 0; k < lines.size(); ++k) {
            if (k == 0 && bytes)
                replace(lines[k], *bytes);
            else
                remove(lines[k]);
        }
        if (lines.empty() && bytes)
            add(*bytes);
    }

    QByteArray result() const {
        std::size_t end = lines_.size();
        for (std::size_t i = lines_.size(); i-- > 0;) {
            if (lines_[i].bytes.trimmed().toUpper().startsWith("END:VCARD")) {
                end = i;
                break;
            }
        }
        QByteArray out;
        for (std::size_t i = 0; i < out_.size(); ++i) {
            if (i == end)
                out += lineEnds(added_);
            if (out_[i])
                out += *out_[i] == lines_[i].bytes ? *out_[i] : lineEnds(*out_[i]);
        }
        return out;
    }

private:
    QByteArray lineEnds(QByteArray bytes) const {
        return crlf_ ? bytes : bytes.replace("\r\n", "\n");
    }

    std::vector<CardLine> lines_;
    std::vector<std::optional<QByteArray>> out_;
    QByteArray added_;
    VCard card_;
    std::vector<std::size_t> lineOf_;
    bool crlf_ = true;
};

// The lines the vCard export writes for the record, by property name.
class WrittenCard {
public:
    WrittenCard(const AddressRecord& record, const GroupTitles& titles)
        : lines_(splitCard(writeVCard(record, titles).toUtf8())) {}

    const CardLine* find(const QString& name) const {
        for (const CardLine& line : lines_) {
            if (line.property && line.property->name == name)
                return &line;
        }
        return nullptr;
    }
    std::optional<QByteArray> bytes(const QString& name) const {
        const CardLine* line = find(name);
        return line ? std::optional<QByteArray>(line->bytes) : std::nullopt;
    }

private:
    std::vector<CardLine> lines_;
};

QStringList padded(QStringList parts, qsizetype size) {
    while (parts.size() < size)
        parts << QString();
    return parts;
}

void mergeName(CardEdit& edit, const WrittenCard& written) {
    for (const char* name : {"FN", "N"})
        edit.replaceAll(edit.linesNamed(name), written.bytes(QString::fromLatin1(name)));
}

void mergeAddress(CardEdit& edit, const WrittenCard& written, const AddressRecord& old,
                  const AddressRecord& record) {
    const VCardProperty* adr = chosenAddress(edit.card());
    const CardLine* wanted = written.find(QStringLiteral("ADR"));
    if (!adr) {
        if (wanted)
            edit.add(wanted->bytes);
        return;
    }
    const std::size_t i = edit.lineOf(adr);
    if (!wanted) {
        edit.remove(i);
        return;
    }
    // Parts: post box, extended address, street, city, region, code, country.
    QStringList parts = padded(splitEscaped(adr->value, u';'), 7);
    const QStringList ours = padded(splitEscaped(wanted->property->value, u';'), 7);
    if (old[Field::Address] != record[Field::Address]) {
        parts[0].clear(); // the reader joins them into the street line
        parts[1].clear();
        parts[2] = ours[2];
    }
    if (old[Field::CityStateZip] != record[Field::CityStateZip]) {
        for (int k = 3; k <= 5; ++k)
            parts[k] = ours[k];
    }
    if (old[Field::Country] != record[Field::Country])
        parts[6] = ours[6];
    edit.replace(i, contentLine(headOf(edit.line(i).bytes), parts));
}

void mergePhone(CardEdit& edit, const WrittenCard& written, const AddressRecord& record) {
    const VCardProperty* tel = chosenPhone(edit.card());
    const QString& phone = record[Field::Phone];
    if (!tel) {
        if (const auto bytes = written.bytes(QStringLiteral("TEL")))
            edit.add(*bytes);
    } else if (phone.isEmpty()) {
        edit.remove(edit.lineOf(tel));
    } else {
        const std::size_t i = edit.lineOf(tel);
        edit.replace(i, contentLine(headOf(edit.line(i).bytes),
                                    {tel->uri ? QStringLiteral("tel:") + phone : phone}));
    }
}

// `orgIsName`: the card names no one but its ORG, which stays the record's name.
void mergeContact(CardEdit& edit, const WrittenCard& written, const AddressRecord& record,
                  bool orgIsName) {
    const QString& contact = record[Field::Contact];
    const VCardProperty* property = contactProperty(edit.card());
    const std::vector<std::size_t> orgs =
        orgIsName ? std::vector<std::size_t>{} : edit.linesNamed("ORG");
    if (contact.isEmpty()) {
        // ORG would give the contact again once the contact property is gone.
        if (property)
            edit.remove(edit.lineOf(property));
        for (std::size_t i : orgs)
            edit.remove(i);
    } else if (orgIsName && !property) {
        edit.add(contentLine(QString::fromLatin1(kContactProperty), {contact}));
    } else if (property || !orgs.empty()) {
        const std::size_t i = property ? edit.lineOf(property) : orgs.front();
        edit.replace(i, contentLine(headOf(edit.line(i).bytes), {contact}));
    } else if (const auto bytes = written.bytes(QStringLiteral("ORG"))) {
        edit.add(*bytes);
    }
}

void mergeNotes(CardEdit& edit, const WrittenCard& written, const AddressRecord& record) {
    const std::vector<std::size_t> notes = edit.linesNamed("NOTE");
    if (record[Field::Notes].isEmpty() || notes.empty())
        edit.replaceAll(notes, written.bytes(QStringLiteral("NOTE")));
    else
        edit.replaceAll(
            notes, contentLine(headOf(edit.line(notes.front()).bytes), {record[Field::Notes]}));
}

// Categories that match a title stay while a group of that title is ticked;
// the titles of ticked groups the card lacks are added; the others stay as they are.
void mergeCategories(CardEdit& edit, const WrittenCard& written, const AddressRecord& record,
                     const GroupTitles& titles) {
    const auto ticked = [&](const QString& category) {
        bool titled = false;
        for (int k = 0; k < kGroupCount; ++k) {
            if (sameTitle(titles[k], category)) {
                titled = true;
                if (record.groups[k])
                    return true;
            }
        }
        return !titled;
    };
    const std::vector<std::size_t> lines = edit.linesNamed("CATEGORIES");
    QStringList categories;
    for (std::size_t i : lines) {
        for (const QString& category : splitEscaped(edit.line(i).property->value, u',')) {
            if (!category.trimmed().isEmpty() && ticked(category))
                categories << category.trimmed();
        }
    }
    for (int k = 0; k < kGroupCount; ++k) {
        const bool present = std::any_of(categories.begin(), categories.end(),
                                         [&](const QString& c) { return sameTitle(titles[k], c); });
        if (record.groups[k] && !titles[k].trimmed().isEmpty() && !present)
            categories << titles[k].trimmed();
    }
    std::optional<QByteArray> bytes;
    if (!categories.isEmpty())
        bytes = contentLine(lines.empty() ? QStringLiteral("CATEGORIES")
                                          : headOf(edit.line(lines.front()).bytes),
                            categories, u',');
    edit.replaceAll(lines, bytes);
    // The group columns tell apart groups whose titles repeat.
    edit.replaceAll(edit.linesNamed(qPrintable(kGroupsProperty)), written.bytes(kGroupsProperty));
}

} // namespace

AddressRecord recordOfCard(const VCard& card, const GroupTitles& titles) {
    SourceTable table;
    table.kind = QStringLiteral("vCard");
    table.columns = vCardColumns();
    return recordOf(cardRow(card), table.columns, defaultMapping(table, titles), titles, {});
}

QByteArray mergeIntoCard(const QByteArray& serverCard, const AddressRecord& record,
                         const GroupTitles& titles) {
    const VCardFile read = readVCards(serverCard);
    if (read.cards.empty())
        throw Error(
            QCoreApplication::translate("VCardMerge", "The card on the server can't be read."),
            Error::Kind::Format, read.problems.join(u'\n'));
    const AddressRecord old = recordOfCard(read.cards.front(), titles);
    const auto changed = [&](Field f) { return old[f] != record[f]; };
    CardEdit edit(serverCard);
    const WrittenCard written(record, titles);
    if (changed(Field::Name))
        mergeName(edit, written);
    if (changed(Field::Address) || changed(Field::CityStateZip) || changed(Field::Country))
        mergeAddress(edit, written, old, record);
    if (changed(Field::Phone))
        mergePhone(edit, written, record);
    // A card without a name of its own is named by its ORG; once N and FN
    // name it, its ORG is read as the contact.
    const bool orgIsName =
        cardRow(read.cards.front()).front().isEmpty() && !edit.linesNamed("ORG").empty();
    if (changed(Field::Contact) || (orgIsName && changed(Field::Name)))
        mergeContact(edit, written, record, orgIsName && !changed(Field::Name));
    if (changed(Field::Notes))
        mergeNotes(edit, written, record);
    if (old.groups != record.groups)
        mergeCategories(edit, written, record, titles);
    return edit.result();
}

QByteArray newCard(const AddressRecord& record, const GroupTitles& titles, const QString& uid) {
    QByteArray card = writeVCard(record, titles).toUtf8();
    const qsizetype afterVersion = card.indexOf("\r\n", card.indexOf("VERSION:")) + 2;
    return card.insert(afterVersion, contentLine(QStringLiteral("UID"), {uid}));
}

} // namespace ravelbook::exchange
