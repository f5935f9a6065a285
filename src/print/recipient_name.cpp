#include "print/recipient_name.h"

namespace ravelbook {

namespace {

// Only blanks are trimmed; a tab or a non-breaking space is part of the name.
QString trimBlanks(const QString& text) {
    int first = 0;
    int last = int(text.size());
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

} // namespace

std::optional<QString> recipientName(const QString& name, bool firstNameFirst) {
    if (!firstNameFirst)
        return name;
    const QString s = trimBlanks(name);
    const int n = int(s.size());
    for (int k = 1; k <= n; ++k) {
        // A comma in the last place splits nothing: the name is printed as typed.
        if (k >= n)
            return name;
        if (s[k - 1] == QLatin1Char(','))
            return trimBlanks(s.mid(k)) + QLatin1Char(' ') + trimBlanks(s.left(k - 1));
    }
    return std::nullopt;
}

} // namespace ravelbook
