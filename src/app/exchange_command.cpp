#include "app/exchange_command.h"

#include "app/command_options.h"
#include "app/group_names.h"
#include "app/paths.h"
#include "core/counted.h"
#include "core/error.h"
#include "core/output_file.h"
#include "exchange/import.h"
#include "exchange/source_file.h"
#include "print/vertical_adjustment.h"
#include "settings/group_titles.h"
#include "settings/ini_settings_store.h"
#include "store/book_location.h"
#include "store/database.h"
#include "store/store_error.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <unordered_set>

namespace ravelbook {

namespace {

using exchange::Format;

std::optional<Format> formatNamed(const QString& name) {
    if (name == QLatin1String("csv"))
        return Format::Csv;
    if (name == QLatin1String("vcard"))
        return Format::VCard;
    if (name == QLatin1String("mdb"))
        return Format::Access;
    return std::nullopt;
}

// Runs a command; what keeps it from being done goes to `err`, with exit status 1.
template <typename Command> int reportingFailures(QTextStream& err, Command command) {
    try {
        return command();
    } catch (const Error& error) {
        err << "ravelbook: " << error.message() << Qt::endl;
    }
    return 1;
}

// Whether a book in Ravelbook's own layout brings return addresses or its adjustment.
bool bringsExtras(const exchange::ImportPlan& plan) {
    return plan.book && (!plan.book->returnAddresses.empty() || plan.book->verticalAdjustment);
}

// Why a plan adds no record, for a file that has rows.
QString whyNothing(const exchange::ImportPlan& plan) {
    if (plan.rowsRead == 0)
        return QCoreApplication::translate("ExchangeCommand", "no record could be read.");
    QStringList reasons;
    const auto add = [&reasons](int n, const QString& one, const QString& many) {
        if (n > 0)
            reasons << counted(n, one, many);
    };
    add(plan.duplicates,
        QCoreApplication::translate("ExchangeCommand", "%1 is already in the book"),
        QCoreApplication::translate("ExchangeCommand", "%1 are already in the book"));
    add(plan.nameless, QCoreApplication::translate("ExchangeCommand", "%1 has no name"),
        QCoreApplication::translate("ExchangeCommand", "%1 have no name"));
    add(plan.empty, QCoreApplication::translate("ExchangeCommand", "%1 is empty"),
        QCoreApplication::translate("ExchangeCommand", "%1 are empty"));
    return counted(plan.rowsRead,
                   QCoreApplication::translate("ExchangeCommand", "of the file's %1 row, %2."),
                   QCoreApplication::translate("ExchangeCommand", "of the file's %1 rows, %2."))
        .arg(reasons.join(QStringLiteral(", ")));
}

// The names --map takes, in lines of the help's width.
QString fieldNamesIndented() {
    const QString indent(18, QLatin1Char(' '));
    QString text, line;
    for (const QString& name : exchange::targetNames()) {
        if (line.isEmpty()) {
            line = name;
        } else if (indent.size() + line.size() + name.size() + 2 > 80) {
            text += indent + line + QStringLiteral(",\n");
            line = name;
        } else {
            line += QStringLiteral(", ") + name;
        }
    }
    return text + indent + line + QLatin1Char('\n');
}

} // namespace

QString importUsage() {
    return QCoreApplication::translate(
               "ExchangeCommand",
               "Usage: ravelbook import [--database BOOK] [--format csv|vcard|mdb] [--table NAME]\n"
               "                        [--map HEADING=FIELD]... [--dry-run] FILE\n"
               "\n"
               "Adds the records of a CSV, vCard or Access file to the address book, in one\n"
               "step: all of them or, when anything fails, none. Records already in the book\n"
               "(same name and address) are skipped; groups are matched by their titles.\n"
               "\n"
               "  --database BOOK the address book: a file, or a server's URI\n"
               "  --format KIND   csv, vcard or mdb; by default told by the file's name\n"
               "  --table NAME    the table of an Access file that is not a Ravelbook book\n"
               "  --map HEADING=FIELD\n"
               "                  the column of that heading goes to FIELD (may be repeated;\n"
               "                  other columns go where their headings say):\n"
               "%1"
               "  --dry-run       say what would be imported, and write nothing\n")
        .arg(fieldNamesIndented());
}

QString exportUsage() {
    return QCoreApplication::translate(
        "ExchangeCommand",
        "Usage: ravelbook export [--database BOOK] [--group G]... --format csv|vcard\n"
        "                        [--output FILE]\n"
        "\n"
        "Writes the address book, or the records of the chosen groups, as CSV (one\n"
        "column per group, -1 for a member) or as vCard 3.0 (groups as CATEGORIES).\n"
        "\n"
        "  --database BOOK the address book: a file, or a server's URI\n"
        "  --group G       a group column 0 to 17, or a group title; may be repeated\n"
        "  --format KIND   csv or vcard\n"
        "  --output FILE   write to this file (replaced only once all is written);\n"
        "                  standard output when left out or given as -\n");
}

std::optional<ImportCommand> parseImportCommand(const QStringList& arguments, QString& error) {
    using Value = OptionRow::Value;
    CommandOptions options({{"database", Value::NotEmpty},
                            {"format", Value::NotEmpty},
                            {"table", Value::NotEmpty},
                            {"map", Value::NotEmpty},
                            {"dry-run"}});
    ImportCommand command;
    if (!options.parse(arguments, command.asked, error))
        return std::nullopt;
    if (command.asked.any())
        return command;
    command.database = options.valueOr("database", defaultDatabasePath());
    command.table = options.value("table");
    command.dryRun = options.isSet("dry-run");
    for (const QString& map : options.values("map")) {
        const qsizetype equals = map.lastIndexOf(QLatin1Char('='));
        const auto target = exchange::targetNamed(map.mid(equals + 1));
        if (equals <= 0 || !target) {
            error = QCoreApplication::translate("ExchangeCommand",
                                                "--map takes HEADING=FIELD, FIELD one of: %1")
                        .arg(exchange::targetNames().join(QStringLiteral(", ")));
            return std::nullopt;
        }
        command.maps.emplace_back(map.left(equals), *target);
    }
    if (options.isSet("format")) {
        command.format = formatNamed(options.value("format"));
        if (!command.format)
            error = QCoreApplication::translate("ExchangeCommand", "unknown format \"%1\"")
                        .arg(options.value("format"));
    }
    const QStringList files = options.operands();
    if (!error.isEmpty())
        return std::nullopt;
    if (files.size() > 1)
        error = QCoreApplication::translate("ExchangeCommand",
                                            "only one file can be imported at a time");
    else if (files.isEmpty())
        error = QCoreApplication::translate("ExchangeCommand", "the file to import is missing");
    else
        command.file = files.first();
    return error.isEmpty() ? std::optional<ImportCommand>(command) : std::nullopt;
}

std::optional<ExportCommand> parseExportCommand(const QStringList& arguments, QString& error) {
    using Value = OptionRow::Value;
    CommandOptions options({{"database", Value::NotEmpty},
                            {"group", Value::NotEmpty},
                            {"format", Value::NotEmpty},
                            {"output", Value::NotEmpty}});
    ExportCommand command;
    if (!options.parse(arguments, command.asked, error))
        return std::nullopt;
    if (command.asked.any())
        return command;
    command.database = options.valueOr("database", defaultDatabasePath());
    command.groups = options.values("group");
    command.output = options.value("output");
    const std::optional<Format> format = formatNamed(options.value("format"));
    if (!options.operands().isEmpty())
        error = CommandOptions::unknownArgument(options.operands().first());
    else if (!options.isSet("format"))
        error = QCoreApplication::translate("ExchangeCommand", "--format is missing");
    else if (!format || *format == Format::Access)
        error = QCoreApplication::translate("ExchangeCommand", "unknown format \"%1\"")
                    .arg(options.value("format"));
    else
        command.format = *format;
    return error.isEmpty() ? std::optional<ExportCommand>(command) : std::nullopt;
}

int runImportCommand(const ImportCommand& command, QTextStream& out, QTextStream& err) {
    return reportingFailures(err, [&] {
        const std::optional<Format> format =
            command.format ? command.format : exchange::guessFormat(command.file);
        if (!format)
            throw cantDo(
                QCoreApplication::translate(
                    "ExchangeCommand", "Can't tell what kind of file \"%1\" is; give --format.")
                    .arg(command.file));
        // A dry run never writes, not even a new empty book: a missing file or
        // an empty server database is read as the empty book the import would
        // make. A missing file becomes a book only once there is something to put in it.
        const bool missingFile =
            !isServerBook(command.database) && !QFileInfo::exists(command.database);
        std::unique_ptr<Database> db;
        if (!command.dryRun && !missingFile) {
            db = std::make_unique<Database>(command.database);
        } else if (!missingFile) {
            bool empty = false;
            Database::Opening reading{Database::Access::ReadOnly, {}, [&empty](const QString&) {
                                          empty = true;
                                          return false;
                                      }};
            try {
                db = std::make_unique<Database>(command.database, reading);
            } catch (const StoreError&) {
                if (!empty)
                    throw;
            }
        }
        const exchange::ImportPlan plan = [&] {
            // The rows read are let go once mapped; only the records are kept.
            exchange::ImportSource source =
                exchange::readSource(command.file, *format, command.table);
            IniSettingsStore settings(settingsRoot());
            const GroupTitles titles = group_titles::current(settings);
            // Only what the command line says: a mapping chosen once in the
            // window is not applied unseen to a later command.
            exchange::Mapping mapping = exchange::defaultMapping(source.table, titles);
            for (const auto& [heading, target] : command.maps)
                exchange::mapHeading(mapping, source.table, heading, target);
            return exchange::planImport(std::move(source), mapping, titles,
                                        db ? exchange::bookKeys(*db)
                                           : std::unordered_set<QString>{},
                                        {}, isUsableAdjustment);
        }();
        out << exchange::summary(plan, 1000) << Qt::endl;
        if (plan.records.empty() && !bringsExtras(plan))
            throw cantDo(QCoreApplication::translate("ExchangeCommand", "Nothing was imported: %1")
                             .arg(whyNothing(plan)));
        if (command.dryRun) {
            out << QCoreApplication::translate("ExchangeCommand", "Dry run: nothing was written.")
                << Qt::endl;
            return 0;
        }
        if (!db)
            db = std::make_unique<Database>(command.database);
        const std::optional<int> added = exchange::runImport(*db, plan, {});
        out << (added == 1 ? QCoreApplication::translate("ExchangeCommand", "Imported %1 record.")
                           : QCoreApplication::translate("ExchangeCommand", "Imported %1 records."))
                   .arg(added.value_or(0))
            << Qt::endl;
        if (added.value_or(0) == 0 && !bringsExtras(plan))
            throw cantDo(QCoreApplication::translate(
                "ExchangeCommand", "Nothing was imported: the records came into the book "
                                   "from elsewhere while the file was read."));
        return 0;
    });
}

int runExportCommand(const ExportCommand& command, QTextStream& out, QTextStream& err) {
    return reportingFailures(err, [&] {
        const Database db(command.database, Database::Access::ReadOnly);
        IniSettingsStore settings(settingsRoot());
        const GroupTitles titles = group_titles::current(settings);
        const auto records = exchange::readRecords(db, groupsNamed(command.groups, titles));
        const QString output = command.output.isEmpty() ? QStringLiteral("-") : command.output;
        out.flush();
        exchange::exportToFile(output, records, command.format, titles, db.path());
        // What went to standard output is the export alone.
        if (!OutputFile::namesStandardOutput(output))
            out << (records.size() == 1 ? QCoreApplication::translate("ExchangeCommand",
                                                                      "Exported %1 record to %2.")
                                        : QCoreApplication::translate("ExchangeCommand",
                                                                      "Exported %1 records to %2."))
                       .arg(records.size())
                       .arg(output)
                << Qt::endl;
        return 0;
    });
}

} // namespace ravelbook
