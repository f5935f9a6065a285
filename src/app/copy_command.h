#pragma once

#include "app/command_options.h"

#include <optional>
#include <QString>
#include <QStringList>

class QTextStream;

namespace ravelbook {

// "ravelbook copy --from BOOK --to BOOK [--append]": a whole book into another,
// file or server either way.
struct CopyCommand {
    QString from;
    QString to;
    bool append = false;
    StandardRequests asked; // --help or --version instead of the work
};

std::optional<CopyCommand> parseCopyCommand(const QStringList& arguments, QString& error);
QString copyUsage();

// Exit status 0 done (the summary on `out`), 1 nothing done (why on `err`):
// the receiving book gets all of it, in one transaction, or nothing.
int runCopyCommand(const CopyCommand& command, QTextStream& out, QTextStream& err);

} // namespace ravelbook
