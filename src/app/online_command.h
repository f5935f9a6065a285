#pragma once

#include "app/command_options.h"

#include <optional>
#include <QString>
#include <QStringList>

class QTextStream;

namespace ravelbook {

// "ravelbook link", "ravelbook unlink" and "ravelbook sync": a book and the
// online address book it is kept in step with. Loaded with Qt Network only
// for these commands (libravelbook-online.so).
struct OnlineCommand {
    enum class Action { Link, Unlink, Sync };
    Action action = Action::Sync;
    QString database;
    QString user;           // link: the login; else the one the link keeps
    QString url;            // link: an address book's, or a server's to discover from
    bool list = false;      // link --list: the address books found, without linking
    QString keep;           // sync --keep book|server: how the conflict of --record ends
    QString record;         // sync --record NAME
    StandardRequests asked; // --help or --version instead of the work
};

std::optional<OnlineCommand> parseLinkCommand(const QStringList& arguments, QString& error);
std::optional<OnlineCommand> parseUnlinkCommand(const QStringList& arguments, QString& error);
std::optional<OnlineCommand> parseSyncCommand(const QStringList& arguments, QString& error);
QString linkUsage();
QString unlinkUsage();
QString syncUsage();

// Exit status 0 done (the summary on `out`), 1 not done or done with
// conflicts or refusals (why on `err`).
int runOnlineCommand(const OnlineCommand& command, QTextStream& out, QTextStream& err);

// libravelbook-online.so's whole run of these commands.
int runOnlineMain(int argc, char** argv);

} // namespace ravelbook
