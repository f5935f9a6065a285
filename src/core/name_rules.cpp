#include "core/name_rules.h"

namespace ravelbook {

namespace {

QStringView trimBlanks(QStringView text) {
    while (!text.isEmpty() && text.front() == u' ')
        text = text.sliced(1);
    while (!text.isEmpty() && text.back() == u' ')
        text.chop(1);
    return text;
}

} // namespace

std::optional<NameParts> splitLastFirst(const QString& name) {
    const QStringView trimmed = trimBlanks(name);
    const qsizetype comma = trimmed.indexOf(u',');
    if (comma < 0 || comma + 1 == trimmed.size())
        return std::nullopt;
    return NameParts{trimBlanks(trimmed.first(comma)).toString(),
                     trimBlanks(trimmed.sliced(comma + 1)).toString()};
}

QString lastFirst(const QString& last, const QString& first) {
    if (last.isEmpty())
        return first;
    if (first.isEmpty())
        return last;
    return last + QStringLiteral(", ") + first;
}

QString firstLast(const NameParts& name) {
    return name.first + u' ' + name.last;
}

} // namespace ravelbook
