#include "settings/printer_calibration.h"

#include "settings/choices.h"
#include "settings/group_titles.h"

#include <algorithm>
#include <optional>
#include <QStringList>

namespace ravelbook::printer_calibration {

namespace {

// The unit is a choice of the window, kept with the others.
const QString kUnitKey = QStringLiteral("CalibrationUnit");
const QString kInches = QStringLiteral("inches");
const QString kMillimetres = QStringLiteral("millimetres");

// Kept as written: letters, digits, inner blanks and the ASCII marks that mean
// nothing to the settings file. Anything else (controls, other white space,
// '=', '\', a leading '[', ';' or '#', half a surrogate pair) is encoded, and
// so is '%' itself, which keeps two names from ever sharing a key.
bool keptAsWritten(QChar c) {
    static const QString meaningful = QStringLiteral("%=\\[;#");
    if (c == QLatin1Char(' '))
        return true;
    if (c.unicode() < 128)
        return c.isPrint() && !meaningful.contains(c);
    return c.isLetterOrNumber();
}

Unit localeUnit() {
    return measuresInInches() ? Unit::Inches : Unit::Millimetres;
}

int within(int value) {
    return std::clamp(value, -kLargestOffset, kLargestOffset);
}

std::optional<QString> entry(const SettingsStore& store, const QString& section,
                             const QString& key) {
    for (const auto& [k, value] : store.readSection(group_titles::kApplication, section)) {
        if (k == key)
            return value;
    }
    return std::nullopt;
}

} // namespace

QString key(const QString& printer) {
    QString out;
    out.reserve(printer.size());
    for (const QChar c : printer) {
        if (keptAsWritten(c))
            out += c;
        else
            out += QStringLiteral("%%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
    }
    return out;
}

Offset read(const SettingsStore& store, const QString& printer) {
    if (printer.isEmpty())
        return {};
    const std::optional<QString> value = entry(store, kSection, key(printer));
    if (!value)
        return {};
    const QStringList parts = value->split(QLatin1Char(','));
    if (parts.size() != 2)
        return {};
    bool xOk = false;
    bool yOk = false;
    const Offset offset{parts[0].trimmed().toInt(&xOk), parts[1].trimmed().toInt(&yOk)};
    if (!xOk || !yOk || offset.x != within(offset.x) || offset.y != within(offset.y))
        return {};
    return offset;
}

void save(SettingsStore& store, const QString& printer, Offset offset) {
    if (printer.isEmpty())
        return;
    store.saveSetting(group_titles::kApplication, kSection, key(printer),
                      QStringLiteral("%1,%2").arg(within(offset.x)).arg(within(offset.y)));
}

Unit readUnit(const SettingsStore& store) {
    const std::optional<QString> kept = entry(store, choices::kSection, kUnitKey);
    if (kept == kMillimetres)
        return Unit::Millimetres;
    if (kept == kInches)
        return Unit::Inches;
    return localeUnit();
}

void saveUnit(SettingsStore& store, Unit unit) {
    store.saveSetting(group_titles::kApplication, choices::kSection, kUnitKey,
                      unit == localeUnit()        ? QString()
                      : unit == Unit::Millimetres ? kMillimetres
                                                  : kInches);
}

} // namespace ravelbook::printer_calibration
