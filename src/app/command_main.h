#pragma once

#include "app/command_line.h"
#include "app/translations.h"

#include <optional>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QTextStream>

namespace ravelbook {

// A command's run once its application is made: its arguments read (those
// after the command's name), then its help, the version, its usage error
// (exit status 2) or its work.
template <typename Command, typename Run>
int commandMain(const QString& name, std::optional<Command> (*parse)(const QStringList&, QString&),
                QString (*commandUsage)(), Run run) {
    const Translations translations;
    QTextStream out(stdout);
    QTextStream err(stderr);
    QString error;
    const std::optional<Command> command = parse(QCoreApplication::arguments().mid(2), error);
    if (!command) {
        err << usageError(name, error);
        return 2;
    }
    if (answered(command->asked, commandUsage()))
        return 0;
    return run(*command, out, err);
}

} // namespace ravelbook
