#include "exchange/vcard_writer.h"

namespace ravelbook::exchange {

namespace {

void appendEscaped(QString& out, const QString& text) {
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
}

// A content line folded after 75 octets, never inside a character.
void appendFolded(QString& out, QStringView line) {
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

VCardWriter::VCardWriter() : out_(QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\n")) {}

void VCardWriter::add(QStringView property, const QStringList& values, QChar separator) {
    QString line = property.toString() + u':';
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i > 0)
            line += separator;
        appendEscaped(line, values[i]);
    }
    appendFolded(out_, line);
}

QString VCardWriter::finish() && {
    out_ += QLatin1String("END:VCARD\r\n");
    return std::move(out_);
}

} // namespace ravelbook::exchange
