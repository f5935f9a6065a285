#include "settings/group_titles.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace ravelbook::group_titles {

namespace {

// The group a key names, or none for any other key.
std::optional<int> groupOfKey(const QString& key) {
    static const QRegularExpression pattern(QStringLiteral("^Label (\\d{1,2})Caption$"));
    const QRegularExpressionMatch match = pattern.match(key);
    if (!match.hasMatch())
        return std::nullopt;
    const int group = match.captured(1).toInt();
    if (group >= kGroupCount || key != group_titles::key(group))
        return std::nullopt; // "Label 05Caption" is not a key the program writes
    return group;
}

} // namespace

QString key(int group) {
    return QStringLiteral("Label %1Caption").arg(group);
}

std::array<std::optional<QString>, kGroupCount> read(const SettingsStore& store) {
    std::array<std::optional<QString>, kGroupCount> titles;
    for (const auto& [entryKey, value] : store.readSection(kApplication, kSection)) {
        if (const std::optional<int> group = groupOfKey(entryKey))
            titles[*group] = value.left(kLongestTitle);
    }
    return titles;
}

QString designTitle(int group) {
    // The defaults are offered in the user's language; once kept, a title is the user's own.
    return group < 9 ? QCoreApplication::translate("GroupTitles", "Personal")
                     : QCoreApplication::translate("GroupTitles", "Business");
}

std::array<QString, kGroupCount> current(const SettingsStore& store) {
    const auto saved = read(store);
    std::array<QString, kGroupCount> titles;
    for (int group = 0; group < kGroupCount; ++group)
        titles[group] = saved[group].value_or(designTitle(group));
    return titles;
}

void save(SettingsStore& store, const std::array<QString, kGroupCount>& titles,
          const std::array<bool, kGroupCount>& changed) {
    const auto kept = read(store);
    for (int group = 0; group < kGroupCount; ++group) {
        if (changed[group] || !kept[group])
            store.saveSetting(kApplication, kSection, key(group), titles[group]);
    }
}

} // namespace ravelbook::group_titles
