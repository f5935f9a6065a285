#pragma once

#include "core/address_record.h"
#include "settings/settings_store.h"

#include <array>
#include <optional>
#include <QString>

namespace ravelbook::group_titles {

// A title longer than this is cut when read: the boxes can't show more, and a
// huge value in a hand-edited file must not hold up the start.
constexpr int kLongestTitle = 255;

inline const QString kApplication = QStringLiteral("Ravelbook");
inline const QString kSection = QStringLiteral("Startup");

// Settings key of group `group`'s title. The blank stands where a number's sign would go.
QString key(int group);

// The titles kept in the settings, found by their keys ("Label NCaption"), in
// whatever order the file has them; none for a group without a key. Other keys
// of the section are ignored.
std::array<std::optional<QString>, kGroupCount> read(const SettingsStore& store);

// The title a group has before the user renames it: the window's design captions.
QString designTitle(int group);
// Every group's title as the window shows it: the saved one, else the design caption.
std::array<QString, kGroupCount> current(const SettingsStore& store);

// Saves `titles[g]` for each group `g` that `changed` marks, and for any group
// whose key the file doesn't hold yet, on top of what the file holds now: two
// windows that each renamed a group both keep their rename.
void save(SettingsStore& store, const std::array<QString, kGroupCount>& titles,
          const std::array<bool, kGroupCount>& changed);

} // namespace ravelbook::group_titles
