#pragma once

#include <optional>
#include <QString>
#include <QStringList>

namespace ravelbook {

struct CommandLine {
    QString database; // the address book to open
    bool help = false;
};

// Parses the arguments after the program name. Returns nothing and sets `error`
// for a usage error.
std::optional<CommandLine> parseCommandLine(const QStringList& arguments, QString& error);
QString usage();

} // namespace ravelbook
