#pragma once

#include <QString>

namespace ravelbook {

// Levenshtein distance, to name what a mistyped word was meant to be.
int editDistance(const QString& a, const QString& b);

} // namespace ravelbook
