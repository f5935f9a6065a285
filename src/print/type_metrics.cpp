#include "print/type_metrics.h"

namespace ravelbook {

namespace {

// Enough for the lines every item repeats; names and streets, each printed
// once, would only fill it.
constexpr qsizetype kWidthsKept = 256;

} // namespace

qreal TypeMetrics::width(const QString& text) {
    if (const auto known = widths_.constFind(text); known != widths_.constEnd())
        return *known;
    if (widths_.size() >= kWidthsKept)
        widths_.clear();
    const qreal measured = metrics_.horizontalAdvance(text);
    widths_.insert(text, measured);
    return measured;
}

} // namespace ravelbook
