#include "store/name_order.h"

namespace ravelbook {

namespace {

// Compares by code point (the order of UTF-8 bytes), not by UTF-16 unit, which
// would put U+10000 and above before U+E000.
int compareCodePoints(const QString& a, const QString& b, bool foldAToZ) {
    const auto next = [foldAToZ](const QString& text, qsizetype& i) -> char32_t {
        const QChar unit = text.at(i++);
        if (unit.isHighSurrogate() && i < text.size() && text.at(i).isLowSurrogate())
            return QChar::surrogateToUcs4(unit, text.at(i++));
        const char32_t point = unit.unicode();
        return foldAToZ && point >= U'A' && point <= U'Z' ? point - U'A' + U'a' : point;
    };
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        const char32_t x = next(a, i);
        const char32_t y = next(b, j);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return i < a.size() ? 1 : (j < b.size() ? -1 : 0);
}

} // namespace

bool comesBeforeInNameList(const QString& name, qint64 key, const QString& other, qint64 otherKey) {
    if (const int folded = compareCodePoints(name, other, true))
        return folded < 0;
    if (const int exact = compareCodePoints(name, other, false))
        return exact < 0;
    return key < otherKey;
}

} // namespace ravelbook
