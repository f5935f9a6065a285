#include "exchange/csv.h"

#include "core/error.h"
#include "exchange/text_decoding.h"

#include <optional>
#include <QCoreApplication>

namespace ravelbook::exchange {

QChar detectSeparator(QStringView text) {
    const QChar candidates[] = {QLatin1Char(','), QLatin1Char(';'), QLatin1Char('\t')};
    int counts[3] = {0, 0, 0};
    bool quoted = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && (c == QLatin1Char('\n') || c == QLatin1Char('\r')))
            break;
        else if (!quoted)
            for (int i = 0; i < 3; ++i)
                counts[i] += c == candidates[i];
    }
    int best = 0;
    for (int i = 1; i < 3; ++i) {
        if (counts[i] > counts[best])
            best = i;
    }
    return candidates[best];
}

namespace {

// The separator an Excel file names on a first line of its own ("sep=;"), and
// where the rows start after it.
std::optional<QChar> namedSeparator(QStringView text, qsizetype& rowsStart) {
    if (text.size() < 5 || !text.startsWith(u"sep=", Qt::CaseInsensitive))
        return std::nullopt;
    qsizetype end = 5;
    if (end < text.size() && text[end] == QLatin1Char('\r'))
        ++end;
    if (end < text.size() && text[end] != QLatin1Char('\n'))
        return std::nullopt;
    rowsStart = std::min(end + 1, text.size());
    return text[4];
}

// Yes/no columns repeat "0" and "-1" in every row; one shared copy of each
// spares a large file a small allocation per field.
void appendField(QStringList& row, QString& field) {
    static const QString zero = QStringLiteral("0");
    static const QString minusOne = QStringLiteral("-1");
    if (field.size() <= 2 && (field == zero || field == minusOne))
        row << (field == zero ? zero : minusOne);
    else
        row << field;
    field.clear();
}

} // namespace

CsvRows readCsv(const QString& text) {
    qsizetype rowsStart = 0;
    const std::optional<QChar> named = namedSeparator(text, rowsStart);
    return readCsv(text, named ? *named : detectSeparator(QStringView(text).sliced(rowsStart)));
}

CsvRows readCsv(const QString& text, QChar separator) {
    CsvRows out;
    out.separator = separator;
    qsizetype rowsStart = 0;
    namedSeparator(text, rowsStart);
    const QChar* p = text.constData() + rowsStart;
    const QChar* const end = text.constData() + text.size();
    int line = rowsStart > 0 ? 2 : 1;
    QStringList row;
    QString field;
    int rowLine = 1;
    bool rowHasContent = false;

    const auto endRow = [&] {
        appendField(row, field);
        if (rowHasContent || row.size() > 1 || !row.first().isEmpty()) {
            out.rows.push_back(std::move(row));
            out.lines.push_back(rowLine);
        }
        row = QStringList();
        // Rows are as wide as the first, as a rule; their lists are then allocated once.
        row.reserve(out.rows.empty() ? 8 : out.rows.front().size());
        rowHasContent = false;
    };

    while (p < end) {
        rowLine = line;
        // One row.
        for (;;) {
            if (p < end && *p == QLatin1Char('"')) {
                // A quoted field runs to the quote that is not doubled.
                rowHasContent = true;
                const int openedOn = line;
                ++p;
                bool closed = false;
                while (p < end) {
                    if (*p == QLatin1Char('"')) {
                        if (p + 1 < end && p[1] == QLatin1Char('"')) {
                            field += QLatin1Char('"');
                            p += 2;
                            continue;
                        }
                        ++p;
                        closed = true;
                        break;
                    }
                    if (*p == QLatin1Char('\r') && p + 1 < end && p[1] == QLatin1Char('\n'))
                        ++p; // CRLF inside quotes is one line break
                    if (*p == QLatin1Char('\n') || *p == QLatin1Char('\r')) {
                        ++line;
                        field += QLatin1Char('\n');
                        ++p;
                        continue;
                    }
                    field += *p++;
                }
                if (!closed) {
                    const bool lineEnded =
                        text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r'));
                    const int lastLine = lineEnded ? line - 1 : line;
                    out.unclosed = lastLine == openedOn
                                       ? QCoreApplication::translate(
                                             "Csv", "row %1 is inside an unclosed quote")
                                             .arg(openedOn)
                                       : QCoreApplication::translate(
                                             "Csv", "rows %1 to %2 are inside an unclosed quote")
                                             .arg(openedOn)
                                             .arg(lastLine);
                    out.problems << QStringLiteral("line %1: %2").arg(openedOn).arg(out.unclosed);
                    return out;
                }
                // Text after the closing quote joins the field, as spreadsheets read it.
                const QChar* start = p;
                while (p < end && *p != separator && *p != QLatin1Char('\n') &&
                       *p != QLatin1Char('\r'))
                    ++p;
                field.append(start, p - start);
            } else {
                const QChar* start = p;
                while (p < end && *p != separator && *p != QLatin1Char('\n') &&
                       *p != QLatin1Char('\r'))
                    ++p;
                field.append(start, p - start);
            }
            if (p < end && *p == separator) {
                ++p;
                appendField(row, field);
                rowHasContent = true;
                continue;
            }
            break;
        }
        endRow();
        if (p < end && *p == QLatin1Char('\r'))
            ++p;
        if (p < end && *p == QLatin1Char('\n'))
            ++p;
        ++line;
    }
    return out;
}

void appendCsvField(QString& line, const QString& field, QChar separator) {
    const bool quote =
        field.contains(separator) || field.contains(QLatin1Char('"')) ||
        field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r')) ||
        (!field.isEmpty() && (field.front().isSpace() || field.back().isSpace())) ||
        // alone on a first line it would name the separator
        (field.size() == 5 && field.startsWith(QLatin1String("sep="), Qt::CaseInsensitive));
    if (!quote) {
        line += field;
        return;
    }
    line += QLatin1Char('"');
    for (const QChar c : field) {
        if (c == QLatin1Char('"'))
            line += QLatin1Char('"');
        line += c;
    }
    line += QLatin1Char('"');
}

QString csvLine(const QStringList& fields, QChar separator) {
    QString line;
    for (int i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += separator;
        appendCsvField(line, fields[i], separator);
    }
    line += QLatin1String("\r\n");
    return line;
}

SourceTable csvSource(QByteArray bytes) {
    DecodedText decoded = decodeFile(bytes);
    bytes = QByteArray(); // the text is all that is needed from here on
    CsvRows csv = readCsv(decoded.text);
    decoded.text = QString();
    // The rows after an opening quote that is never closed are one field: what
    // the file meant there can't be told.
    if (!csv.unclosed.isEmpty())
        throw Error(csv.unclosed, Error::Kind::Format);
    SourceTable table;
    table.kind = QStringLiteral("CSV");
    table.problems = std::move(decoded.problems);
    table.problems << csv.problems;
    if (csv.rows.empty())
        return table;
    table.columns = csv.rows.front();
    table.rows.assign(std::make_move_iterator(csv.rows.begin() + 1),
                      std::make_move_iterator(csv.rows.end()));
    table.lines.assign(csv.lines.begin() + 1, csv.lines.end());
    return table;
}

} // namespace ravelbook::exchange
