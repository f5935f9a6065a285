#include "print/recipient_name.h"

#include "core/name_rules.h"

#include <algorithm>

namespace ravelbook {

std::optional<QString> recipientName(const QString& name, bool firstNameFirst) {
    if (!firstNameFirst)
        return name;
    // Only blanks make a name empty; a tab or a non-breaking space is printed.
    if (std::all_of(name.begin(), name.end(), [](QChar c) { return c == u' '; }))
        return std::nullopt;
    if (const std::optional<NameParts> parts = splitLastFirst(name))
        return firstLast(*parts);
    return name;
}

} // namespace ravelbook
