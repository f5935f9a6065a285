#pragma once

#include "core/length.h"

#include <cmath>
#include <QRect>

namespace ravelbook {

// Window positions are given in twips and turned into pixels at the screen's
// logical resolution.

inline int twipsToPixels(int twips, qreal dotsPerInch) {
    return static_cast<int>(std::lround(twips * dotsPerInch / kTwipsPerInch));
}

inline QRect twipsToPixels(const QRect& twips, qreal dotsPerInch) {
    return {twipsToPixels(twips.left(), dotsPerInch), twipsToPixels(twips.top(), dotsPerInch),
            twipsToPixels(twips.width(), dotsPerInch), twipsToPixels(twips.height(), dotsPerInch)};
}

} // namespace ravelbook
