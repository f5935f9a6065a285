#include "app/command_line.h"

#include "app/paths.h"
#include "core/edit_distance.h"

#include <algorithm>
#include <cstdio>
#include <QCoreApplication>
#include <QFileInfo>

namespace ravelbook {

namespace {

struct SubcommandName {
    const char* name;
    Subcommand command;
};

const SubcommandName kSubcommands[] = {
    {"print", Subcommand::Print},           {"import", Subcommand::Import},
    {"export", Subcommand::Export},         {"copy", Subcommand::Copy},
    {"stationery", Subcommand::Stationery}, {"link", Subcommand::Link},
    {"unlink", Subcommand::Unlink},         {"sync", Subcommand::Sync},
};

QString closestSubcommand(const QString& word) {
    const auto closest =
        std::min_element(std::begin(kSubcommands), std::end(kSubcommands),
                         [&word](const SubcommandName& a, const SubcommandName& b) {
                             return editDistance(word, QLatin1String(a.name)) <
                                    editDistance(word, QLatin1String(b.name));
                         });
    return QLatin1String(closest->name);
}

// A bare word that names no file is a mistyped command, not a book to make:
// a book's name has a folder or an extension.
bool looksLikeCommand(const QString& argument) {
    return !argument.startsWith(QLatin1Char('-')) && !argument.contains(QLatin1Char('/')) &&
           !argument.contains(QLatin1Char('.')) && !QFileInfo::exists(argument);
}

} // namespace

std::optional<Subcommand> subcommandNamed(const QString& word) {
    for (const SubcommandName& known : kSubcommands) {
        if (word == QLatin1String(known.name))
            return known.command;
    }
    return std::nullopt;
}

QString usageError(const QString& command, const QString& error) {
    const QString name =
        command.isEmpty() ? QStringLiteral("ravelbook") : QStringLiteral("ravelbook ") + command;
    return QCoreApplication::translate("CommandLine", "%1: %2\nSee \"%1 --help\".\n")
        .arg(name, error);
}

QString usage() {
    return QCoreApplication::translate(
               "CommandLine",
               "Usage: ravelbook [--database BOOK | FILE]\n"
               "       ravelbook --version\n"
               "       ravelbook print --help\n"
               "       ravelbook import --help\n"
               "       ravelbook export --help\n"
               "       ravelbook copy --help\n"
               "       ravelbook stationery --help\n"
               "       ravelbook link|unlink|sync --help\n"
               "\n"
               "Keeps an address book and prints it onto labels, envelopes, cards and "
               "fliers.\n"
               "\n"
               "  --database BOOK  open this address book instead of the default: a file, or\n"
               "                   a server's postgresql://user@host:port/dbname\n"
               "                   (%1); for a missing file you are asked\n"
               "                   before a new book is created there\n"
               "  --version        show the version\n"
               "  --help           show this text\n"
               "\n"
               "\"ravelbook print\" prints groups of the address book without the "
               "window;\n"
               "\"ravelbook import\" and \"ravelbook export\" bring records in and write "
               "them out;\n"
               "\"ravelbook copy\" copies a whole book into another;\n"
               "\"ravelbook stationery\" lists the stationery it can print on;\n"
               "\"ravelbook link\" and \"ravelbook sync\" keep it in step with an online "
               "address book.\n")
        .arg(defaultDatabasePath());
}

QString versionLine() {
    return QStringLiteral("ravelbook %1\n").arg(QStringLiteral(RAVELBOOK_VERSION));
}

bool answered(const StandardRequests& asked, const QString& usage) {
    if (asked.any())
        std::fputs(qPrintable(asked.help ? usage : versionLine()), stdout);
    return asked.any();
}

std::optional<CommandLine> parseCommandLine(const QStringList& arguments, QString& error) {
    CommandOptions options({{"database", OptionRow::Value::NotEmpty,
                             QT_TRANSLATE_NOOP("CommandOptions", "a file name")}});
    CommandLine line;
    line.database = defaultDatabasePath();
    const bool parsed = options.parse(arguments, line.asked, error);
    if (line.asked.any())
        return line;
    // A mistyped command is the likeliest mistake, whatever else the line holds.
    const QStringList files = options.operands();
    for (const QString& file : files) {
        if (looksLikeCommand(file)) {
            error = QCoreApplication::translate(
                        "CommandLine", "\"%1\" is no command and no file; did you mean \"ravelbook "
                                       "%2\"?")
                        .arg(file, closestSubcommand(file));
            return std::nullopt;
        }
    }
    if (!parsed)
        return std::nullopt;
    for (const QString& file : files) {
        if (file.size() > 1 && file.startsWith(QLatin1Char('-'))) {
            error = CommandOptions::unknownArgument(file);
            return std::nullopt;
        }
    }
    // "ravelbook FILE", as the desktop opens a book from the file manager.
    const int named = options.isSet("database") ? 1 : 0;
    if (files.size() + named > 1) {
        error = CommandOptions::unknownArgument(files.at(1 - named));
        return std::nullopt;
    }
    if (named || !files.isEmpty()) {
        line.database = named ? options.value("database") : files.first();
        line.databaseGiven = true;
    }
    return line;
}

} // namespace ravelbook
