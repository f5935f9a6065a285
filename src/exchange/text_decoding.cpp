#include "exchange/text_decoding.h"

#include "exchange/source_table.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace ravelbook::exchange {

namespace {

// 0x80 to 0x9F of Windows-1252; the five unassigned bytes keep their Latin-1 value.
// Hand-written: Qt 6.4 has no Windows-1252 decoder, and its Latin-1 makes these controls.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QChar windows1252(quint8 b) {
    return (b >= 0x80 && b < 0xA0) ? QChar(kHighControls[b - 0x80]) : QChar(b);
}

// The length of the valid UTF-8 sequence of more than one byte at `i`, or 0.
// Hand-written: QStringDecoder turns a stray byte into U+FFFD, where it must be
// found, read as Windows-1252 and reported.
qsizetype utf8Sequence(QByteArrayView bytes, qsizetype i) {
    const auto at = [&bytes](qsizetype k) { return quint8(bytes[k]); };
    const quint8 lead = at(i);
    qsizetype length = 0;
    quint8 low = 0x80, high = 0xBF; // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else
        return 0;
    if (i + length > bytes.size() || at(i + 1) < low || at(i + 1) > high)
        return 0;
    for (qsizetype k = 2; k < length; ++k) {
        if (at(i + k) < 0x80 || at(i + k) > 0xBF)
            return 0;
    }
    return length;
}

struct Evidence {
    qsizetype sequences = 0; // valid UTF-8 characters of more than one byte
    qsizetype invalid = 0;   // bytes above 0x7F that are part of none
    // UTF-8 with a few stray bytes, not a file of another encoding whose
    // bytes happen to form a few UTF-8 characters.
    bool utf8() const { return invalid == 0 || sequences >= 2 * invalid; }
};

Evidence weigh(QByteArrayView bytes) {
    Evidence evidence;
    for (qsizetype i = 0; i < bytes.size();) {
        if (quint8(bytes[i]) < 0x80) {
            ++i;
        } else if (const qsizetype length = utf8Sequence(bytes, i)) {
            ++evidence.sequences;
            i += length;
        } else {
            ++evidence.invalid;
            ++i;
        }
    }
    return evidence;
}

// UTF-8 that may begin with U+FEFF: QString::fromUtf8 takes it for a byte order
// mark and drops it, which is right only at the start of a file.
QString utf8KeepingMark(QByteArrayView bytes) {
    return QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                      QStringConverter::Flag::ConvertInitialBom)
        .decode(bytes);
}

// UTF-8 with each byte that is not read as Windows-1252; `line` is where the bytes
// start. Only a whole file's first bytes may hold a byte order mark to drop.
QString decodeMixed(QByteArrayView bytes, QStringList* problems, int line = 1,
                    bool wholeFile = true) {
    const auto utf8 = [&](qsizetype from, qsizetype length) {
        const QByteArrayView run = bytes.sliced(from, length);
        return from == 0 && wholeFile ? QString::fromUtf8(run) : utf8KeepingMark(run);
    };
    QString text;
    text.reserve(bytes.size());
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < bytes.size();) {
        const auto b = quint8(bytes[i]);
        if (b < 0x80) {
            line += b == '\n';
            ++i;
        } else if (const qsizetype length = utf8Sequence(bytes, i)) {
            i += length;
        } else {
            text += utf8(runStart, i - runStart);
            text += windows1252(b);
            if (problems)
                addProblem(*problems,
                           QCoreApplication::translate(
                               "TextDecoding", "line %1: the byte 0x%2 is not UTF-8 like the rest "
                                               "of the file; it is read as \"%3\"")
                               .arg(line)
                               .arg(b, 2, 16, QLatin1Char('0'))
                               .arg(windows1252(b)));
            runStart = ++i;
        }
    }
    text += utf8(runStart, bytes.size() - runStart);
    return text;
}

QString decode(QByteArrayView bytes, QStringList* problems) {
    if (bytes.isValidUtf8())
        return QString::fromUtf8(bytes);
    if (!weigh(bytes).utf8())
        return decodeWindows1252(bytes.toByteArray());
    return decodeMixed(bytes, problems);
}

} // namespace

FileDecoder::FileDecoder(QByteArrayView whole)
    : utf8_(whole.isValidUtf8() || weigh(whole).utf8()) {}

QString FileDecoder::decode(QByteArrayView piece, int line, QStringList& problems) const {
    if (!utf8_)
        return decodeWindows1252(piece.toByteArray());
    return piece.isValidUtf8() ? utf8KeepingMark(piece)
                               : decodeMixed(piece, &problems, line, false);
}

bool isValidUtf8(const QByteArray& bytes) {
    return bytes.isValidUtf8();
}

QString decodeWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes)
        *out++ = windows1252(quint8(c));
    return text;
}

QString decodeBytes(QByteArrayView bytes) {
    return decode(bytes, nullptr);
}

DecodedText decodeFile(const QByteArray& bytes) {
    QByteArrayView body(bytes);
    if (body.startsWith("\xEF\xBB\xBF"))
        body = body.sliced(3);
    DecodedText decoded;
    decoded.text = decode(body, &decoded.problems);
    return decoded;
}

QString decodeText(const QByteArray& bytes) {
    return decodeFile(bytes).text;
}

} // namespace ravelbook::exchange
