#include "app/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ravelbook {

namespace {

// Installed beside the program's share folder; the build embeds the same files,
// which serve a program run from its build or copied elsewhere.
QStringList ownFolders() {
    const QDir bin(QCoreApplication::applicationDirPath());
    return {bin.filePath(QStringLiteral(RAVELBOOK_TRANSLATIONS_FROM_BIN)),
            QStringLiteral(":/i18n")};
}

} // namespace

Translations::Translations() {
    const QLocale locale;
    const auto install = [this, &locale](const QString& name, const QString& folder) {
        auto translator = std::make_unique<QTranslator>();
        // QTranslator walks the locale's languages (LANGUAGE, then LC_ALL,
        // LC_MESSAGES, LANG) and takes the first it has a file for.
        if (!translator->load(locale, name, QStringLiteral("_"), folder) ||
            !QCoreApplication::installTranslator(translator.get()))
            return false;
        installed_.push_back(std::move(translator));
        return true;
    };
    for (const QString& folder : ownFolders()) {
        if (install(QStringLiteral("ravelbook"), folder))
            break;
    }
    // Only for a language the program speaks: Qt's own buttons in German
    // around English texts would read worse than all English.
    if (!installed_.empty())
        install(QStringLiteral("qt"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

Translations::~Translations() {
    for (const auto& translator : installed_)
        QCoreApplication::removeTranslator(translator.get());
}

} // namespace ravelbook
