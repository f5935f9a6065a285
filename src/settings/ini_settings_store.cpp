#include "settings/ini_settings_store.h"

#include "core/output_file.h"
#include "settings/ini_format.h"
#include "store/store_error.h"

#include <algorithm>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ravelbook {

namespace {

// The file's sections; nothing when it is missing, unreadable or garbled.
std::optional<ini::Document> load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return ini::parse(file.readAll());
}

QString cantSave() {
    return QCoreApplication::translate("IniSettingsStore",
                                       "The settings file \"%1\" could not be saved: %2.");
}

void write(const QString& path, const QByteArray& bytes) {
    try {
        OutputFile file(path, {}, cantSave());
        file.device().write(bytes);
        file.commit();
    } catch (const Error& error) {
        throw StoreError(error.message());
    }
}

} // namespace

IniSettingsStore::IniSettingsStore(QString rootFolder) : root_(std::move(rootFolder)) {}

QString IniSettingsStore::filePath(const QString& application) const {
    return QDir(root_).filePath(application + QLatin1Char('/') + application +
                                QStringLiteral(".ini"));
}

SettingsStore::Entries IniSettingsStore::readSection(const QString& application,
                                                     const QString& section) const {
    const ini::Document document = load(filePath(application)).value_or(ini::Document{});
    const auto found = std::find_if(document.begin(), document.end(),
                                    [&](const ini::Section& s) { return s.name == section; });
    return found == document.end() ? Entries{} : found->entries;
}

void IniSettingsStore::saveSetting(const QString& application, const QString& section,
                                   const QString& key, const QString& value) {
    const QString path = filePath(application);
    std::optional<ini::Document> loaded = load(path);
    if (!loaded && QFileInfo::exists(path)) {
        // Replaced by a good file below; the old one is kept beside it for whoever wants it.
        QFile garbled(path);
        if (garbled.open(QIODevice::ReadOnly))
            write(path + QStringLiteral(".garbled"), garbled.readAll());
    }
    ini::Document document = loaded.value_or(ini::Document{});

    auto found = std::find_if(document.begin(), document.end(),
                              [&](const ini::Section& s) { return s.name == section; });
    if (found == document.end())
        found = document.insert(document.end(), ini::Section{section, {}});
    auto& entries = found->entries;
    const auto entry =
        std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return e.first == key; });
    if (entry == entries.end())
        entries.emplace_back(key, value);
    else
        entry->second = value;

    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        throw StoreError(cantSave().arg(
            QDir::toNativeSeparators(path),
            QCoreApplication::translate("IniSettingsStore", "its folder can't be created")));
    write(path, ini::write(document));
}

} // namespace ravelbook
