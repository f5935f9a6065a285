// Fuzzes the name line of an address: the first byte picks the name order,
// the rest is the stored name in UTF-8.
#include "print/recipient_name.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <QStringView>

namespace {

using ravelbook::recipientName;

void check(bool ok) {
    if (!ok)
        std::abort();
}

// Only blanks count as blank here: a tab or a non-breaking space belongs to the name.
QStringView trimBlanks(QStringView s) {
    while (!s.isEmpty() && s.front() == QLatin1Char(' '))
        s = s.mid(1);
    while (!s.isEmpty() && s.back() == QLatin1Char(' '))
        s.chop(1);
    return s;
}

// The characters other than blanks, in a canonical order.
QString nonBlankSorted(QStringView s) {
    QString kept;
    for (const QChar c : s)
        if (c != QLatin1Char(' '))
            kept += c;
    std::sort(kept.begin(), kept.end());
    return kept;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const bool firstNameFirst = data[0] & 1;
    const QString name =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const std::optional<QString> result = recipientName(name, firstNameFirst);
    check(recipientName(name, firstNameFirst) == result);

    if (!firstNameFirst) {
        check(result == name);
        return 0;
    }

    const QStringView trimmed = trimBlanks(name);
    check(result.has_value() == !trimmed.isEmpty());
    if (!result)
        return 0;
    check(result->size() <= name.size() + 1);
    check(QStringView(*result).isValidUtf16());

    // Without a comma that has something after it the name is printed as typed.
    const qsizetype comma = trimmed.indexOf(QLatin1Char(','));
    if (comma < 0 || comma == trimmed.size() - 1) {
        check(*result == name);
        return 0;
    }
    // Otherwise nothing but blanks and that comma goes, and the text before
    // the comma (the last name) ends the line after one blank.
    QString expected = nonBlankSorted(name);
    expected.remove(expected.indexOf(QLatin1Char(',')), 1);
    check(nonBlankSorted(*result) == expected);
    check(result->endsWith(QLatin1Char(' ') + trimBlanks(trimmed.left(comma)).toString()));
    return 0;
}
