#pragma once

#include <QString>

namespace ravelbook {

// "1 record", "3 records": a count with the word that goes with it. Both
// texts are whole, translated phrases with %1 for the number.
inline QString counted(int n, const QString& one, const QString& many) {
    return (n == 1 ? one : many).arg(n);
}

} // namespace ravelbook
