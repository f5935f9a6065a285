#include "app/exchange_command.h"

#include "app/paths.h"
#include "core/counted.h"
#include "core/output_file.h"
#include "exchange/import.h"
#include "exchange/source_file.h"
#include "print/vertical_adjustment.h"
#include "settings/group_titles.h"
#include "settings/ini_settings_store.h"
#include "store/book_location.h"
#include "store/database.h"
#include "store/store_error.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <unordered_set>

namespace ravelbook {

namespace {

using exchange::Format;

// Options of the form "--name VALUE" or "--name=VALUE", flags, and one operand.
class Arguments {
public:
    Arguments(const QStringList& arguments, QString& error) : args_(arguments), error_(error) {}

    // Calls `option(name, value)` for every option and `operand(text)` for the rest;
    // `takesValue(name)` says which options need a value.
    template <typename TakesValue, typename Option, typename Operand>
    bool parse(TakesValue takesValue, Option option, Operand operand) {
        for (int i = 0; i < args_.size(); ++i) {
            QString name = args_[i];
            if (!name.startsWith(QLatin1String("--"))) {
                if (!operand(name))
                    return false;
                continue;
            }
            std::optional<QString> value;
            if (const int equals = int(name.indexOf(QLatin1Char('='))); equals > 0) {
                value = name.mid(equals + 1);
                name = name.left(equals);
            }
            if (!takesValue(name)) {
                if (value)
                    return fail(QStringLiteral("%1 takes no value").arg(name));
            } else if (!value) {
                if (i + 1 >= args_.size())
                    return fail(QStringLiteral("%1 needs a value").arg(name));
                value = args_[++i];
            }
            if (value && value->isEmpty())
                return fail(QStringLiteral("%1 needs a value").arg(name));
            if (!option(name, value.value_or(QString())))
                return false;
        }
        return true;
    }

    bool fail(const QString& message) {
        error_ = message;
        return false;
    }

private:
    const QStringList& args_;
    QString& error_;
};

std::optional<Format> formatNamed(const QString& name) {
    if (name == QLatin1String("csv"))
        return Format::Csv;
    if (name == QLatin1String("vcard"))
        return Format::VCard;
    if (name == QLatin1String("mdb"))
        return Format::Access;
    return std::nullopt;
}

// Thrown for a request that can't be done; exit status 1.
struct CantDo {
    QString message;
};

// Runs a command; what keeps it from being done goes to `err`, with exit status 1.
template <typename Command> int reportingFailures(QTextStream& err, Command command) {
    try {
        return command();
    } catch (const CantDo& cant) {
        err << "ravelbook: " << cant.message << Qt::endl;
    } catch (const Error& error) {
        err << "ravelbook: " << error.message() << Qt::endl;
    }
    return 1;
}

std::array<bool, kGroupCount> groupsNamed(const QStringList& names, const GroupTitles& titles) {
    std::array<bool, kGroupCount> chosen{};
    for (const QString& name : names) {
        bool number = false;
        const int column = name.toInt(&number);
        if (number) {
            if (column < 0 || column >= kGroupCount)
                throw CantDo{QStringLiteral("There is no group %1; groups are 0 to 17.").arg(name)};
            chosen[column] = true;
            continue;
        }
        bool found = false;
        for (int k = 0; k < kGroupCount; ++k) {
            if (titles[k] == name)
                chosen[k] = found = true;
        }
        if (!found)
            throw CantDo{QStringLiteral("There is no group titled \"%1\".").arg(name)};
    }
    return chosen;
}

// Whether a book in Ravelbook's own layout brings return addresses or its adjustment.
bool bringsExtras(const exchange::ImportPlan& plan) {
    return plan.book && (!plan.book->returnAddresses.empty() || plan.book->verticalAdjustment);
}

// Why a plan adds no record, for a file that has rows.
QString whyNothing(const exchange::ImportPlan& plan) {
    if (plan.rowsRead == 0)
        return QStringLiteral("no record could be read.");
    QStringList reasons;
    const auto add = [&reasons](int n, const char* one, const char* many) {
        if (n > 0)
            reasons << counted(n, one, many);
    };
    add(plan.duplicates, "is already in the book", "are already in the book");
    add(plan.nameless, "has no name", "have no name");
    add(plan.empty, "is empty", "are empty");
    return QStringLiteral("of the file's %1 %2, %3.")
        .arg(plan.rowsRead)
        .arg(QLatin1String(plan.rowsRead == 1 ? "row" : "rows"))
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
    return QStringLiteral(
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
    return QStringLiteral(
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
    ImportCommand command;
    command.database = defaultDatabasePath();
    Arguments args(arguments, error);
    const bool ok = args.parse(
        [](const QString& name) { return name != QLatin1String("--dry-run"); },
        [&](const QString& name, const QString& value) {
            if (name == QLatin1String("--database"))
                command.database = value;
            else if (name == QLatin1String("--table"))
                command.table = value;
            else if (name == QLatin1String("--dry-run"))
                command.dryRun = true;
            else if (name == QLatin1String("--map")) {
                const qsizetype equals = value.lastIndexOf(QLatin1Char('='));
                const auto target = exchange::targetNamed(value.mid(equals + 1));
                if (equals <= 0 || !target)
                    return args.fail(QStringLiteral("--map takes HEADING=FIELD, FIELD one of: %1")
                                         .arg(exchange::targetNames().join(QStringLiteral(", "))));
                command.maps.emplace_back(value.left(equals), *target);
            } else if (name == QLatin1String("--format")) {
                command.format = formatNamed(value);
                if (!command.format)
                    return args.fail(QStringLiteral("unknown format \"%1\"").arg(value));
            } else
                return args.fail(QStringLiteral("unknown argument \"%1\"").arg(name));
            return true;
        },
        [&](const QString& operand) {
            if (!command.file.isEmpty())
                return args.fail(QStringLiteral("only one file can be imported at a time"));
            command.file = operand;
            return true;
        });
    if (!ok)
        return std::nullopt;
    if (command.file.isEmpty()) {
        error = QStringLiteral("the file to import is missing");
        return std::nullopt;
    }
    return command;
}

std::optional<ExportCommand> parseExportCommand(const QStringList& arguments, QString& error) {
    ExportCommand command;
    command.database = defaultDatabasePath();
    bool format = false;
    Arguments args(arguments, error);
    const bool ok =
        args.parse([](const QString&) { return true; },
                   [&](const QString& name, const QString& value) {
                       if (name == QLatin1String("--database"))
                           command.database = value;
                       else if (name == QLatin1String("--group"))
                           command.groups << value;
                       else if (name == QLatin1String("--output"))
                           command.output = value;
                       else if (name == QLatin1String("--format")) {
                           const auto f = formatNamed(value);
                           if (!f || *f == Format::Access)
                               return args.fail(QStringLiteral("unknown format \"%1\"").arg(value));
                           command.format = *f;
                           format = true;
                       } else
                           return args.fail(QStringLiteral("unknown argument \"%1\"").arg(name));
                       return true;
                   },
                   [&](const QString& operand) {
                       return args.fail(QStringLiteral("unknown argument \"%1\"").arg(operand));
                   });
    if (!ok)
        return std::nullopt;
    if (!format) {
        error = QStringLiteral("--format is missing");
        return std::nullopt;
    }
    return command;
}

int runImportCommand(const ImportCommand& command, QTextStream& out, QTextStream& err) {
    return reportingFailures(err, [&] {
        const std::optional<Format> format =
            command.format ? command.format : exchange::guessFormat(command.file);
        if (!format)
            throw CantDo{QStringLiteral("Can't tell what kind of file \"%1\" is; give --format.")
                             .arg(command.file)};
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
            throw CantDo{QStringLiteral("Nothing was imported: %1").arg(whyNothing(plan))};
        if (command.dryRun) {
            out << "Dry run: nothing was written." << Qt::endl;
            return 0;
        }
        if (!db)
            db = std::make_unique<Database>(command.database);
        const std::optional<int> added = exchange::runImport(*db, plan, {});
        out << "Imported " << added.value_or(0) << (added == 1 ? " record." : " records.")
            << Qt::endl;
        if (added.value_or(0) == 0 && !bringsExtras(plan))
            throw CantDo{QStringLiteral("Nothing was imported: the records came into the book "
                                        "from elsewhere while the file was read.")};
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
            out << "Exported " << records.size() << (records.size() == 1 ? " record" : " records")
                << " to " << output << "." << Qt::endl;
        return 0;
    });
}

} // namespace ravelbook
