#include "app/paths.h"

#include <QDir>

namespace ravelbook {

namespace {

// An XDG variable counts only when it holds an absolute path.
QString xdgFolder(const char* variable, const QString& fallbackBelowHome) {
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return value;
    return QDir::home().filePath(fallbackBelowHome);
}

} // namespace

QString defaultDatabasePath() {
    return QDir(xdgFolder("XDG_DATA_HOME", QStringLiteral(".local/share")))
        .filePath(QStringLiteral("Ravelbook/Ravelbook.db"));
}

QString settingsRoot() {
    return xdgFolder("XDG_CONFIG_HOME", QStringLiteral(".config"));
}

} // namespace ravelbook
