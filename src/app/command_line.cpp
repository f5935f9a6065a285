#include "app/command_line.h"

#include "app/paths.h"

namespace ravelbook {

QString usage() {
    return QStringLiteral(
               "Usage: ravelbook [--database BOOK | FILE]\n"
               "       ravelbook --version\n"
               "       ravelbook print --help\n"
               "       ravelbook import --help\n"
               "       ravelbook export --help\n"
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
               "window.\n")
        .arg(defaultDatabasePath());
}

QString versionLine() {
    return QStringLiteral("ravelbook %1\n").arg(QStringLiteral(RAVELBOOK_VERSION));
}

std::optional<CommandLine> parseCommandLine(const QStringList& arguments, QString& error) {
    CommandLine line;
    line.database = defaultDatabasePath();
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            line.help = true;
        } else if (argument == QLatin1String("--database")) {
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
                error = QStringLiteral("--database needs a file name");
                return std::nullopt;
            }
            line.database = arguments[++i];
            line.databaseGiven = true;
        } else if (argument.startsWith(QLatin1String("--database="))) {
            line.database = argument.mid(int(qstrlen("--database=")));
            line.databaseGiven = true;
            if (line.database.isEmpty()) {
                error = QStringLiteral("--database needs a file name");
                return std::nullopt;
            }
        } else if (!argument.startsWith(QLatin1Char('-')) && !line.databaseGiven) {
            // "ravelbook FILE", as the desktop opens a book from the file manager.
            line.database = argument;
            line.databaseGiven = true;
        } else {
            error = QStringLiteral("unknown argument \"%1\"").arg(argument);
            return std::nullopt;
        }
    }
    return line;
}

} // namespace ravelbook
