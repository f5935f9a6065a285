#include "core/postal_code.h"

namespace ravelbook {

std::optional<PostalCode> readPostalCode(const QString& cityLine, const QString& country) {
    (void)cityLine;
    (void)country;
    return std::nullopt;
}

QString postalSortKey(const QString& cityLine, const QString& country) {
    const std::optional<PostalCode> code = readPostalCode(cityLine, country);
    return code ? code->country + QChar(0x1f) + code->code : QString();
}

} // namespace ravelbook
