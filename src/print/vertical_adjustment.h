#pragma once

#include <optional>
#include <QString>
#include <QtGlobal>

namespace ravelbook {

// The label sheets' vertical adjustment from the text the user typed: the
// number the text starts with (blanks, tabs, line feeds and carriage returns anywhere are
// ignored; no number reads as 0), rounded half to even. Nothing when that
// value lies outside -32768..32767 twips.
std::optional<qint16> readVerticalAdjustment(const QString& text);

// The adjustments that keep every line of a full sheet of either kind of
// labels on the printable area, in twips.
struct AdjustmentRange {
    int lowest = 0;
    int highest = 0;
};
AdjustmentRange usableAdjustments();
// Whether the labels take this adjustment.
bool isUsableAdjustment(int twips);

// The adjustment the labels use for this text: read as above, and inside the
// usable range. Nothing when it is outside.
std::optional<qint16> usableVerticalAdjustment(const QString& text);

// Whether the text is a whole number written plainly ("-60", " 180"): for any
// other text the user may not expect the number it is read as.
bool isPlainWholeNumber(const QString& text);

} // namespace ravelbook
