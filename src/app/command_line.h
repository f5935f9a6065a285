#pragma once

#include "app/command_options.h"

#include <optional>
#include <QString>
#include <QStringList>

namespace ravelbook {

// The window's command line.
struct CommandLine {
    QString database;           // the address book to open
    bool databaseGiven = false; // named on the command line, not the default
    StandardRequests asked;     // --help or --version instead of the work
};

// Parses the arguments after the program name, once QApplication has taken
// its own (-platform, -style) out. Returns nothing and sets `error` for a usage error.
std::optional<CommandLine> parseCommandLine(const QStringList& arguments, QString& error);
QString usage();

// The commands that run without the window: "ravelbook print ...".
enum class Subcommand { Print, Import, Export, Copy, Stationery, Link, Unlink, Sync };
std::optional<Subcommand> subcommandNamed(const QString& word);

// What a usage error prints: the error on one line, then where the usage is.
// `command` is the subcommand's name, or empty for the window's own options.
QString usageError(const QString& command, const QString& error);
// "ravelbook 0.1": what --version prints.
QString versionLine();
// Prints `usage` or the version line on standard output when the line asked
// for them; returns whether it did.
bool answered(const StandardRequests& asked, const QString& usage);

} // namespace ravelbook
