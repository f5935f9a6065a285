#pragma once

#include <optional>
#include <QString>

namespace ravelbook {

// The book keeps a person's name as "Last, First": the last name up to the
// first comma, the first name (with any middle names and suffixes) after it.
struct NameParts {
    QString last;
    QString first;
};

// The two parts of "Last, First", each without blanks at its ends (a tab or a
// non-breaking space belongs to the name). None without a comma or with
// nothing after it: the name is then one piece, as for a company.
std::optional<NameParts> splitLastFirst(const QString& name);

// "Last, First" from its parts; an empty part is left out with its comma.
QString lastFirst(const QString& last, const QString& first);

// "First Last", the form a label prints with First Name First.
QString firstLast(const NameParts& name);

} // namespace ravelbook
