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

} // namespace ravelbook
