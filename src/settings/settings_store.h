#pragma once

#include <QString>
#include <utility>
#include <vector>

namespace ravelbook {

// Per-user settings: text values under application, section and key.
class SettingsStore {
public:
    using Entries = std::vector<std::pair<QString, QString>>;

    virtual ~SettingsStore() = default;

    // Stores the value, replacing an older one; a rewritten key keeps its place.
    virtual void saveSetting(const QString& application, const QString& section, const QString& key,
                             const QString& value) = 0;
    // The section's entries in the order their keys were first written; empty
    // when there is no such section.
    virtual Entries readSection(const QString& application, const QString& section) const = 0;
};

} // namespace ravelbook
