#pragma once

#include "settings/settings_store.h"

#include <QString>

namespace ravelbook {

// Settings kept in one small INI file per application, <root>/<application>/<application>.ini,
// entries in first-written order. Each save rewrites the file atomically. A file
// that can't be read or parsed counts as empty and is replaced by the next save.
class IniSettingsStore final : public SettingsStore {
public:
    explicit IniSettingsStore(QString rootFolder);

    void saveSetting(const QString& application, const QString& section, const QString& key,
                     const QString& value) override;
    Entries readSection(const QString& application, const QString& section) const override;

    QString filePath(const QString& application) const;

private:
    QString root_;
};

} // namespace ravelbook
