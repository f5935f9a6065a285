#include "app/print_command.h"

#include "app/paths.h"
#include "core/counted.h"
#include "core/output_file.h"
#include "print/book_addresses.h"
#include "print/calibration_sheet.h"
#include "print/job_selection.h"
#include "print/mailing_run.h"
#include "print/painted_destination.h"
#include "print/print_error.h"
#include "print/print_run.h"
#include "print/printer_surface.h"
#include "print/printers.h"
#include "print/vertical_adjustment.h"
#include "settings/group_titles.h"
#include "settings/ini_settings_store.h"
#include "settings/printer_calibration.h"
#include "store/database.h"
#include "store/store_error.h"

#include <cmath>
#include <QTextStream>
#include <vector>

namespace ravelbook {

namespace {

const std::pair<const char*, Stationery> kKinds[] = {
    {"small-labels", Stationery::SmallLabels},
    {"large-labels", Stationery::LargeLabels},
    {"envelopes", Stationery::Envelopes},
    {"cards", Stationery::Cards},
    {"fliers", Stationery::Fliers},
};

// Thrown for a request the book can't satisfy; exit status 1.
struct CantPrint {
    QString message;
};

std::vector<int> groupsNamed(const std::array<QString, kGroupCount>& titles, const QString& group) {
    bool number = false;
    const int column = group.toInt(&number);
    if (number) {
        if (column < 0 || column >= kGroupCount)
            throw CantPrint{QStringLiteral("There is no group %1; groups are 0 to 17.").arg(group)};
        return {column};
    }
    std::vector<int> found;
    for (int k = 0; k < kGroupCount; ++k) {
        if (titles[std::size_t(k)] == group)
            found.push_back(k);
    }
    if (found.empty())
        throw CantPrint{QStringLiteral("There is no group titled \"%1\".").arg(group)};
    return found;
}

// The job as the window would describe it with these choices made.
PrintJob jobFor(const PrintCommand& command, const Database& db, const SettingsStore& settings) {
    PrintJob job;
    job.stationery = command.stationery;
    job.biFold = command.biFold;
    job.firstNameFirst = !command.lastNameFirst;
    job.specialText = command.special.value_or(QString());
    job.startAt = command.startAt;

    const auto titles = group_titles::current(settings);
    for (const QString& group : command.groups) {
        for (int k : groupsNamed(titles, group))
            job.records.groups[std::size_t(k)] = true;
    }

    // The labels follow the adjustment kept in the book unless one is given.
    QString adjustment = command.adjust.value_or(QString());
    if (!command.adjust) {
        QSqlQuery stored = db.run(sql::selectStoredAdjustment(db.dialect()));
        if (stored.next())
            adjustment = stored.value(0).toString();
    }
    job.verticalAdjustment = usableVerticalAdjustment(adjustment).value_or(0);

    QSqlQuery senders = db.run(sql::selectReturnAddressLines(db.dialect()));
    int rows = 0;
    while (senders.next()) {
        if (++rows == command.returnAddress) {
            for (int line = 0; line < 3; ++line)
                job.returnAddress[std::size_t(line)] = senders.value(line).toString();
        }
    }
    if (command.returnAddress > rows)
        throw CantPrint{QStringLiteral("The address book has %1 return address(es), not %2.")
                            .arg(rows)
                            .arg(command.returnAddress)};

    job.records.single = command.selected.has_value();
    if (command.selected) {
        QSqlQuery key =
            db.run(sql::firstGroupMemberNamed(db.dialect(), job.records.groups, *command.selected));
        if (!key.next())
            throw CantPrint{QStringLiteral("No record named \"%1\" is in the chosen groups.")
                                .arg(*command.selected)};
        job.records.record = key.value(0).toLongLong();
    }
    return job;
}

// --offset's "X,Y" in inches, decimals allowed, as twips; `error` says why not.
std::optional<PrintOffset> readOffset(const QString& text, QString& error) {
    const QStringList parts = text.split(QLatin1Char(','));
    double inches[2] = {0, 0};
    bool ok = parts.size() == 2;
    for (int i = 0; ok && i < 2; ++i) {
        // QString reads numbers the same in every locale: a point, never a comma.
        inches[i] = parts[i].trimmed().toDouble(&ok);
        ok = ok && std::isfinite(inches[i]);
    }
    if (!ok) {
        error = QStringLiteral("--offset \"%1\" needs two numbers of inches, X,Y (such as "
                               "0.05,-0.03)")
                    .arg(text);
        return std::nullopt;
    }
    const double largest = printer_calibration::kLargestOffset / 1440.0;
    if (std::abs(inches[0]) > largest || std::abs(inches[1]) > largest) {
        error = QStringLiteral("--offset \"%1\" lies outside -%2..%2 inch either way")
                    .arg(text)
                    .arg(largest);
        return std::nullopt;
    }
    return PrintOffset{int(std::lround(inches[0] * 1440)), int(std::lround(inches[1] * 1440))};
}

} // namespace

QString printUsage() {
    return QStringLiteral(
        "Usage: ravelbook print [--database BOOK] --stationery KIND --group G [--group G]...\n"
        "                       [--selected NAME] [--last-name-first] [--bi-fold]\n"
        "                       [--special TEXT] [--adjust TWIPS] [--return-address N]\n"
        "                       [--start-at N] [--offset X,Y] (--pdf FILE | --printer NAME)\n"
        "       ravelbook print --calibration-sheet --stationery KIND [--offset X,Y]\n"
        "                       (--pdf FILE | --printer NAME)\n"
        "\n"
        "Prints the chosen groups of the address book without opening the window;\n"
        "the address book is not changed. On a --printer calibrated in the window\n"
        "(File: Calibrate Printer), everything is moved by the offsets kept for it.\n"
        "\n"
        "  --database BOOK       the address book: a file, or a server's URI\n"
        "  --stationery KIND     small-labels, large-labels, envelopes, cards or fliers\n"
        "  --group G             a group column 0 to 17, or a group title (every group\n"
        "                        with that title); may be given more than once\n"
        "  --selected NAME       print only the first record of the chosen groups named NAME\n"
        "  --last-name-first     print names as stored (\"Last, First\")\n"
        "  --bi-fold             fliers in the bi-fold layout\n"
        "  --special TEXT        the special text of envelopes, cards and fliers\n"
        "  --adjust TWIPS        vertical adjustment of labels for this run (180 = 1/8\")\n"
        "  --return-address N    the Nth return address of the book (default 1)\n"
        "  --start-at N          labels: begin the first sheet at label N (1 to 20 for\n"
        "                        small labels, 1 to 10 for large), to finish a used sheet\n"
        "  --offset X,Y          move everything X inches right and Y inches down for\n"
        "                        this run (negative: left, up), on top of the printer's\n"
        "                        calibration; at most 1 inch either way\n"
        "  --calibration-sheet   print the calibration sheet of the stationery instead of\n"
        "                        addresses: its outlines and rulers, to measure how far\n"
        "                        the printer's print lands off; no --group is needed\n"
        "  --pdf FILE            write the whole run into one PDF file\n"
        "  --printer NAME        print on this printer\n");
}

std::optional<PrintCommand> parsePrintCommand(const QStringList& arguments, QString& error) {
    PrintCommand command;
    command.database = defaultDatabasePath();
    bool stationery = false;
    for (int i = 0; i < arguments.size(); ++i) {
        QString option = arguments[i];
        std::optional<QString> inlineValue;
        const int equals = int(option.indexOf(QLatin1Char('=')));
        if (option.startsWith(QLatin1String("--")) && equals > 0) {
            inlineValue = option.mid(equals + 1);
            option = option.left(equals);
        }
        const auto value = [&]() -> std::optional<QString> {
            if (inlineValue)
                return inlineValue;
            if (i + 1 >= arguments.size())
                return std::nullopt;
            return arguments[++i];
        };
        // `what` names the value in the message; a named thing can't be empty.
        const auto needValue = [&](QString& into, const char* what = nullptr) {
            const std::optional<QString> v = value();
            if (!v || (what && v->isEmpty())) {
                error = QStringLiteral("%1 needs %2")
                            .arg(option, QLatin1String(what ? what : "a value"));
                return false;
            }
            into = *v;
            return true;
        };
        const auto flag = [&](bool& into) {
            if (inlineValue) {
                error = QStringLiteral("%1 takes no value").arg(option);
                return false;
            }
            into = true;
            return true;
        };
        QString text;
        bool ok = true;
        if (option == QLatin1String("--database")) {
            ok = needValue(command.database, "a file name");
        } else if (option == QLatin1String("--stationery")) {
            ok = needValue(text);
            if (ok) {
                stationery = false;
                for (const auto& [name, kind] : kKinds) {
                    if (text == QLatin1String(name)) {
                        command.stationery = kind;
                        stationery = true;
                    }
                }
                if (!stationery) {
                    error = QStringLiteral("unknown stationery \"%1\"").arg(text);
                    ok = false;
                }
            }
        } else if (option == QLatin1String("--group")) {
            ok = needValue(text);
            if (ok)
                command.groups << text;
        } else if (option == QLatin1String("--selected")) {
            ok = needValue(text);
            if (ok)
                command.selected = text;
        } else if (option == QLatin1String("--last-name-first")) {
            ok = flag(command.lastNameFirst);
        } else if (option == QLatin1String("--bi-fold")) {
            ok = flag(command.biFold);
        } else if (option == QLatin1String("--special")) {
            ok = needValue(text);
            if (ok)
                command.special = text;
        } else if (option == QLatin1String("--adjust")) {
            ok = needValue(text);
            if (ok && !readVerticalAdjustment(text)) {
                error =
                    QStringLiteral("--adjust \"%1\" lies outside -32768..32767 twips").arg(text);
                ok = false;
            } else if (ok && !usableVerticalAdjustment(text)) {
                const AdjustmentRange range = usableAdjustments();
                error = QStringLiteral("--adjust \"%1\" would put lines of the labels off the "
                                       "printable area; use %2 to %3 twips")
                            .arg(text)
                            .arg(range.lowest)
                            .arg(range.highest);
                ok = false;
            }
            if (ok)
                command.adjust = text;
        } else if (option == QLatin1String("--start-at")) {
            ok = needValue(text);
            if (ok)
                command.startAt = text.toInt(&ok);
            if (!ok || command.startAt < 1) {
                error = QStringLiteral("--start-at needs a label number from 1 up");
                ok = false;
            }
        } else if (option == QLatin1String("--return-address")) {
            ok = needValue(text);
            if (ok) {
                command.returnAddress = text.toInt(&ok);
                if (!ok || command.returnAddress < 1) {
                    error = QStringLiteral("--return-address needs a number from 1 up");
                    ok = false;
                }
            }
        } else if (option == QLatin1String("--offset")) {
            ok = needValue(text);
            if (ok) {
                const std::optional<PrintOffset> offset = readOffset(text, error);
                ok = offset.has_value();
                command.offset = offset.value_or(PrintOffset{});
            }
        } else if (option == QLatin1String("--calibration-sheet")) {
            ok = flag(command.calibrationSheet);
        } else if (option == QLatin1String("--pdf")) {
            ok = needValue(command.pdf, "a file name");
        } else if (option == QLatin1String("--printer")) {
            ok = needValue(command.printer, "a printer name");
        } else {
            error = QStringLiteral("unknown argument \"%1\"").arg(arguments[i]);
            ok = false;
        }
        if (!ok)
            return std::nullopt;
    }
    const int slots = slotsPerSheet(command.stationery);
    if (!stationery)
        error = QStringLiteral("--stationery is missing");
    else if (command.startAt != 1 && (slots == 0 || command.startAt > slots))
        error = slots == 0 ? QStringLiteral("--start-at is for label sheets only")
                           : QStringLiteral("--start-at %1: a sheet of these labels has %2")
                                 .arg(command.startAt)
                                 .arg(slots);
    else if (command.groups.isEmpty() && !command.calibrationSheet)
        error = QStringLiteral("at least one --group is needed");
    else if (command.pdf.isEmpty() == command.printer.isEmpty())
        error = QStringLiteral("give either --pdf FILE or --printer NAME");
    return error.isEmpty() ? std::optional<PrintCommand>(command) : std::nullopt;
}

int runPrintCommand(const PrintCommand& command, const Printers& printers, QTextStream& out,
                    QTextStream& err) {
    const IniSettingsStore settings(settingsRoot());
    return runPrintCommand(command, printers, settings, out, err);
}

int runPrintCommand(const PrintCommand& command, const Printers& printers,
                    const SettingsStore& settings, QTextStream& out, QTextStream& err) {
    try {
        if (!command.printer.isEmpty() && !printers.exists(command.printer))
            throw CantPrint{
                QStringLiteral("There is no printer named \"%1\".").arg(command.printer)};
        // A calibrated printer has its offsets added to every print, this run's on top.
        const printer_calibration::Offset kept =
            printer_calibration::read(settings, command.printer);
        const PrintOffset offset = command.offset + PrintOffset{kept.x, kept.y};
        const auto openDestination = [&] {
            return command.pdf.isEmpty() ? PaintedDestination::printer(printers, command.printer)
                                         : PaintedDestination::pdf(command.pdf, command.database);
        };
        // A PDF piped to standard output must not have the summary mixed into it.
        QTextStream& summary =
            !command.pdf.isEmpty() && OutputFile::namesStandardOutput(command.pdf) ? err : out;

        // The sheet needs no book.
        if (command.calibrationSheet) {
            const std::unique_ptr<PaintedDestination> destination = openDestination();
            drawCalibrationSheet(*destination->begin(), command.stationery, offset);
            const PrintTally tally = destination->end();
            summary << "Printed the calibration sheet on " << counted(tally.pages, "page", "pages")
                    << "." << Qt::endl;
            return 0;
        }

        const Database db(command.database, Database::Access::ReadOnly);
        BookAddresses addresses(db);
        MailingRun run(jobFor(command, db, settings), addresses);
        if (const std::optional<Unprintable> nothing = run.select())
            throw CantPrint{nothing->refusal.text};

        const std::unique_ptr<PaintedDestination> destination = openDestination();
        run.print(*destination, [&](const QString&) { return offset; });
        if (run.outcome().failure)
            throw CantPrint{*run.outcome().failure};
        summary << run.itemSummary(command.pdf.isEmpty()) << Qt::endl;
        return 0;
    } catch (const CantPrint& cant) {
        err << "ravelbook: " << cant.message << Qt::endl;
    } catch (const PrintError& error) {
        err << "ravelbook: " << error.message() << Qt::endl;
    } catch (const StoreError& error) {
        err << "ravelbook: " << error.message() << Qt::endl;
    }
    return 1;
}

} // namespace ravelbook
