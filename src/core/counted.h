#pragma once

#include <QString>

namespace ravelbook {

// "1 record", "3 records": a count with the word that goes with it.
inline QString counted(int n, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

} // namespace ravelbook
