#pragma once

#include <optional>
#include <QString>
#include <QStringList>

namespace ravelbook {

struct CommandLine {
    QString database;           // the address book to open
    bool databaseGiven = false; // named on the command line, not the default
    bool help = false;
};

// Parses the arguments after the program name. Returns nothing and sets `error`
// for a usage error.
std::optional<CommandLine> parseCommandLine(const QStringList& arguments, QString& error);
QString usage();
// "ravelbook 0.1": what --version prints.
QString versionLine();

} // namespace ravelbook
