#pragma once

#include <optional>
#include <QString>

namespace ravelbook {

// The name line of an address. The book keeps names as "Last, First"; with
// firstNameFirst the part after the first comma comes first ("First Last").
// Nothing when there is no name to print.
std::optional<QString> recipientName(const QString& name, bool firstNameFirst);

} // namespace ravelbook
