#include "exchange/vcard_reader.h"

#include "exchange/source_table.h"
#include "exchange/text_decoding.h"

#include <algorithm>
#include <optional>
#include <QCoreApplication>
#include <QStringDecoder>
#include <QVarLengthArray>

namespace ravelbook::exchange {

namespace {

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

// Qt's fromPercentEncoding(in, '=') takes any two characters after "=" for hex
// digits; a stray "=" that starts no escape must stay as it is.
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

// A value in the charset its CHARSET parameter names; an unknown one is
// decoded as a file of unstated encoding is.
QString decodeCharset(const QByteArray& bytes, const QString& charset) {
    const QString name = charset.toLower();
    // Senders that say Latin-1 write Windows-1252, which Qt 6.4 has no decoder for.
    if (name == QLatin1String("windows-1252") || name == QLatin1String("cp1252") ||
        name.startsWith(QLatin1String("iso-8859-1")) || name == QLatin1String("latin1"))
        return decodeWindows1252(bytes);
    // Only the two usual spellings: Qt also takes "u-t-f-8" and the like, whose
    // senders are better read as a file of unstated encoding (stray bytes kept).
    if (name == QLatin1String("utf-8") || name == QLatin1String("utf8"))
        return QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless)
            .decode(bytes);
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

} // namespace

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
                           QCoreApplication::translate(
                               "VCardReader", "line %1: the card is cut short (no END:VCARD); "
                                              "it is left out")
                               .arg(card->line));
            card = VCard{raw->line, {}};
            card->properties.reserve(16);
        } else if (property && card && is(*property, "END")) {
            onCard(std::move(*card));
            card.reset();
        } else if (!property || !card) {
            addProblem(problems,
                       QCoreApplication::translate("VCardReader", "line %1: can't be read: %2")
                           .arg(raw->line)
                           .arg(decodeText(raw->text.left(60))));
        } else {
            card->properties.push_back(std::move(*property));
        }
    }
    if (card)
        problems << QCoreApplication::translate(
                        "VCardReader", "line %1: the card is cut short (the file ends before "
                                       "END:VCARD); it is left out")
                        .arg(card->line);
}

VCardFile readVCards(const QByteArray& bytes) {
    VCardFile file;
    readVCards(
        bytes, [&file](VCard&& card) { file.cards.push_back(std::move(card)); }, file.problems);
    return file;
}

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

} // namespace ravelbook::exchange
