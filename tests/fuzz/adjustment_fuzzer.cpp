// Fuzzes the reading of the label sheets' vertical adjustment against a plain
// reference reader and against rewrites of the text that must not change it.
#include "print/vertical_adjustment.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using ravelbook::readVerticalAdjustment;
using Result = std::optional<qint16>;

bool skipped(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool digit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// The leading number matched by hand on the text with the skipped characters
// taken out, then converted by strtold: wider than the double the program
// uses and written without it.
long double referenceValue(const QString& text) {
    std::u16string s;
    for (const QChar c : text)
        if (!skipped(c.unicode()))
            s += c.unicode();
    std::string number;
    size_t i = 0;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        number += char(s[i++]);
    size_t digits = 0;
    for (; i < s.size() && digit(s[i]); ++i, ++digits)
        number += char(s[i]);
    if (i < s.size() && s[i] == u'.') {
        number += '.';
        for (++i; i < s.size() && digit(s[i]); ++i, ++digits)
            number += char(s[i]);
    }
    if (digits == 0)
        return 0;
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E' || s[i] == u'd' || s[i] == u'D')) {
        std::string exponent = "e";
        size_t j = i + 1;
        if (j < s.size() && (s[j] == u'+' || s[j] == u'-'))
            exponent += char(s[j++]);
        if (j < s.size() && digit(s[j])) {
            for (; j < s.size() && digit(s[j]); ++j)
                exponent += char(s[j]);
            number += exponent;
        }
    }
    // Overflow gives HUGE_VALL, which fails the range check; underflow gives
    // (nearly) zero. No setlocale here, so the decimal point is '.'.
    return std::strtold(number.c_str(), nullptr);
}

Result referenceRead(long double value) {
    const long double rounded = std::nearbyint(value); // half to even
    if (!(rounded >= -32768.0L && rounded <= 32767.0L))
        return std::nullopt;
    return qint16(rounded);
}

// The program converts through a double, so a value within a double's
// precision of a half, but not on it, may round the other way than the wider
// reference says. Halves only matter inside the 16-bit range, where that
// precision is below 1e-11.
bool nearHalf(long double value) {
    const long double distance = std::fabs(value - std::floor(value) - 0.5L);
    return distance > 0 && distance <= 1e-11L;
}

void check(bool ok) {
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const Result result = readVerticalAdjustment(text);

    const long double value = referenceValue(text);
    check(result == referenceRead(value) || nearHalf(value));

    // Blanks, tabs and line breaks anywhere are ignored.
    static const char16_t blanks[] = {u' ', u'\t', u'\n', u'\r'};
    QString spaced{QChar(blanks[size % 4])};
    for (qsizetype i = 0; i < text.size(); ++i) {
        spaced += text[i];
        spaced += QChar(blanks[(size + size_t(i)) % 4]);
    }
    check(readVerticalAdjustment(spaced) == result);

    // Reading stops at the first character that cannot continue the number.
    check(readVerticalAdjustment(text + QLatin1Char('x') + text) == result);

    // A minus in front of an unsigned number negates it; only -32768 has no
    // positive counterpart.
    qsizetype first = 0;
    while (first < text.size() && skipped(text[first].unicode()))
        ++first;
    if (first < text.size() && (digit(text[first].unicode()) || text[first] == QLatin1Char('.'))) {
        const Result negated = readVerticalAdjustment(QLatin1Char('-') + text);
        if (result)
            check(negated == Result(qint16(-*result)));
        else
            check(!negated || *negated == -32768);
    }
    return 0;
}
