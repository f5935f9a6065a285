#pragma once

#include "core/length.h"
#include "settings/settings_store.h"

#include <QString>

namespace ravelbook::printer_calibration {

// How far a printer's print lands off where it should, kept per printer name
// in the settings file (not in the book: the book may travel to another
// computer, the printer does not). Twips; positive moves right and down.
struct Offset {
    int x = 0;
    int y = 0;

    bool operator==(const Offset& other) const { return x == other.x && y == other.y; }
};

// The unit the calibration dialog shows the offsets in.
enum class Unit { Inches, Millimetres };

inline const QString kSection = QStringLiteral("Printer Calibration");
// Offsets are kept within an inch either way: a printer further off than that
// needs its paper guides seen to, and a hand-edited value beyond is not used.
constexpr int kLargestOffset = kTwipsPerInch;

// The settings key of a printer: its name with every character that the
// settings file could read differently written as %XXXX (its UTF-16 code).
QString key(const QString& printer);

// The offsets kept for the printer; none for an empty name, a printer never
// calibrated, or a value that can't be read.
Offset read(const SettingsStore& store, const QString& printer);
// Keeps the offsets for the printer, brought within kLargestOffset. A printer
// without a name (a PDF file, no printer installed) keeps nothing.
void save(SettingsStore& store, const QString& printer, Offset offset);

// The unit the user chose, or else the locale's. Only a choice other than the
// locale's is kept, so that a user who never chose follows a change of locale.
Unit readUnit(const SettingsStore& store);
void saveUnit(SettingsStore& store, Unit unit);

} // namespace ravelbook::printer_calibration
