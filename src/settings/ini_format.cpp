#include "settings/ini_format.h"

#include <QStringDecoder>
#include <QStringList>

namespace ravelbook::ini {

namespace {

// Backslash escapes keep line breaks, '=' in keys and blanks at either end intact.
QString escape(const QString& text, bool isKey) {
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool atEdge = i == 0 || i == text.size() - 1;
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else if (c == QLatin1Char('\t'))
            out += QStringLiteral("\\t");
        else if (isKey && c == QLatin1Char('='))
            out += QStringLiteral("\\=");
        else if (atEdge && c == QLatin1Char(' '))
            out += QStringLiteral("\\s");
        else if (i == 0 && isKey &&
                 (c == QLatin1Char('[') || c == QLatin1Char(';') || c == QLatin1Char('#')))
            out += QLatin1Char('\\') + c;
        else
            out += c;
    }
    return out;
}

QString unescape(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\\')) {
            out += c;
            continue;
        }
        // A backslash that starts no known escape (a hand-written Windows path)
        // stands for itself.
        if (i + 1 >= text.size()) {
            out += c;
            continue;
        }
        switch (text[++i].unicode()) {
        case 'n':
            out += QLatin1Char('\n');
            break;
        case 'r':
            out += QLatin1Char('\r');
            break;
        case 't':
            out += QLatin1Char('\t');
            break;
        case 's':
            out += QLatin1Char(' ');
            break;
        case '\\':
        case '=':
        case '[':
        case ';':
        case '#':
            out += text[i];
            break;
        default:
            out += c;
            out += text[i];
            break;
        }
    }
    return out;
}

// Position of the first '=' that is not escaped, or -1.
int separator(QStringView line) {
    for (int i = 0; i < line.size(); ++i) {
        if (line[i] == QLatin1Char('\\'))
            ++i;
        else if (line[i] == QLatin1Char('='))
            return i;
    }
    return -1;
}

} // namespace

std::optional<Document> parse(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    if (decoder.hasError() || text.contains(QChar(0)))
        return std::nullopt;

    Document document;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';')) ||
            trimmed.startsWith(QLatin1Char('#')))
            continue;
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
            document.push_back({trimmed.mid(1, trimmed.size() - 2), {}});
            continue;
        }
        const int at = separator(line);
        if (at <= 0 || document.empty())
            return std::nullopt;
        document.back().entries.emplace_back(unescape(QStringView(line).left(at)),
                                             unescape(QStringView(line).mid(at + 1)));
    }
    return document;
}

QByteArray write(const Document& document) {
    QString text;
    for (const Section& section : document) {
        if (!text.isEmpty())
            text += QLatin1Char('\n');
        text += QLatin1Char('[') + section.name + QStringLiteral("]\n");
        for (const auto& [key, value] : section.entries)
            text += escape(key, true) + QLatin1Char('=') + escape(value, false) + QLatin1Char('\n');
    }
    return text.toUtf8();
}

} // namespace ravelbook::ini
