#include "app/print_command.h"

#include "app/command_options.h"
#include "app/group_names.h"
#include "app/paths.h"
#include "core/counted.h"
#include "core/error.h"
#include "core/length.h"
#include "core/output_file.h"
#include "print/address_list.h"
#include "print/book_addresses.h"
#include "print/calibration_sheet.h"
#include "print/job_selection.h"
#include "print/mailing_run.h"
#include "print/option_names.h"
#include "print/painted_destination.h"
#include "print/print_error.h"
#include "print/print_run.h"
#include "print/printer_surface.h"
#include "print/printers.h"
#include "print/stationery/stationery_catalogue.h"
#include "print/vertical_adjustment.h"
#include "settings/group_titles.h"
#include "settings/ini_settings_store.h"
#include "settings/printer_calibration.h"
#include "store/database.h"

#include <algorithm>
#include <cmath>
#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QTextStream>

namespace ravelbook {

namespace {

// The address list's stand-in among the stationery names.
const QString kAddressListName = QStringLiteral("address-list");

const std::pair<const char*, Stationery> kKinds[] = {
    {"small-labels", Stationery::SmallLabels},
    {"large-labels", Stationery::LargeLabels},
    {"envelopes", Stationery::Envelopes},
    {"cards", Stationery::Cards},
    {"fliers", Stationery::Fliers},
};

// The job as the window would describe it with these choices made.
PrintJob jobFor(const PrintCommand& command, const Database& db, const SettingsStore& settings) {
    PrintJob job;
    job.stationery = command.stationery;
    job.stock = command.stock;
    job.biFold = command.biFold;
    job.firstNameFirst = !command.lastNameFirst;
    job.specialText = command.special.value_or(QString());
    job.startAt = command.startAt;
    job.copies = command.copies;
    job.fillSheet = command.fillSheet;
    job.senderLabels = command.senderLabels;
    job.closeUp = command.closeUp;
    job.records.sort = command.sort;

    const auto titles = group_titles::current(settings);
    job.records.groups = groupsNamed(command.groups, titles);
    if (command.addressList) {
        AddressListSetup list{*command.addressList, {}, QDate::currentDate()};
        for (int k = 0; k < kGroupCount; ++k) {
            if (job.records.groups[k])
                list.groupTitles << titles[std::size_t(k)];
        }
        job.addressList = list;
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
        throw cantDo(QCoreApplication::translate(
                         "PrintCommand", "The address book has %1 return address(es), not %2.")
                         .arg(rows)
                         .arg(command.returnAddress));

    job.records.single = command.selected.has_value();
    if (command.selected) {
        QSqlQuery key =
            db.run(sql::firstGroupMemberNamed(db.dialect(), job.records.groups, *command.selected));
        if (!key.next())
            throw cantDo(QCoreApplication::translate(
                             "PrintCommand", "No record named \"%1\" is in the chosen groups.")
                             .arg(*command.selected));
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
        error = QCoreApplication::translate(
                    "PrintCommand", "--offset \"%1\" needs two numbers of inches, X,Y (such as "
                                    "0.05,-0.03)")
                    .arg(text);
        return std::nullopt;
    }
    const double largest = Length::fromTwips(printer_calibration::kLargestOffset).inches();
    if (std::abs(inches[0]) > largest || std::abs(inches[1]) > largest) {
        error = QCoreApplication::translate("PrintCommand",
                                            "--offset \"%1\" lies outside -%2..%2 inch either way")
                    .arg(text)
                    .arg(largest);
        return std::nullopt;
    }
    return PrintOffset{Length::fromInches(inches[0]).twips(),
                       Length::fromInches(inches[1]).twips()};
}

// The first usage error of the values given, or nothing.
QString valueError(const CommandOptions& options, PrintCommand& command) {
    if (options.isSet("stationery")) {
        const QString text = options.value("stationery");
        if (text == kAddressListName) {
            command.addressList = ListPaper::Letter;
        } else if (const auto kind = named(kKinds, text)) {
            command.stationery = *kind;
        } else {
            // Beyond the five, the catalogue is read: only then, since it takes a moment.
            const auto catalogue = StationeryCatalogue::standard();
            const StockTemplate* entry = catalogue->find(text);
            if (!entry)
                return catalogue->unknownIdError(text);
            // The entries of the five keep their own layouts, as the window's buttons do.
            if (entry->builtIn)
                command.stationery = *entry->builtIn;
            else
                command.stock = std::shared_ptr<const StockTemplate>(catalogue, entry);
        }
    }
    if (options.isSet("adjust")) {
        const QString text = options.value("adjust");
        if (!readVerticalAdjustment(text))
            return QCoreApplication::translate("PrintCommand",
                                               "--adjust \"%1\" lies outside -32768..32767 twips")
                .arg(text);
        if (!usableVerticalAdjustment(text)) {
            const AdjustmentRange range = usableAdjustments();
            return QCoreApplication::translate(
                       "PrintCommand", "--adjust \"%1\" would put lines of the labels off the "
                                       "printable area; use %2 to %3 twips")
                .arg(text)
                .arg(range.lowest)
                .arg(range.highest);
        }
        command.adjust = text;
    }
    // Numbers from 1 up.
    const struct {
        const char* option;
        int PrintCommand::*into;
        const char* error;
    } counts[] = {
        {"start-at", &PrintCommand::startAt, "--start-at needs a label number from 1 up"},
        {"return-address", &PrintCommand::returnAddress,
         "--return-address needs a number from 1 up"},
        {"copies", &PrintCommand::copies, "--copies needs a number from 1 to 100"},
    };
    for (const auto& count : counts) {
        bool ok = true;
        if (options.isSet(count.option))
            command.*count.into = options.value(count.option).toInt(&ok);
        if (!ok || command.*count.into < 1)
            return QLatin1String(count.error);
    }
    if (command.copies > kMostCopies)
        return QCoreApplication::translate("PrintCommand", "--copies needs a number from 1 to 100");
    if (options.isSet("sort")) {
        const auto sort = named(kSortOrderNames, options.value("sort"));
        if (!sort)
            return QCoreApplication::translate("PrintCommand",
                                               "--sort \"%1\": use book, name or postal-code")
                .arg(options.value("sort"));
        command.sort = *sort;
    }
    if (options.isSet("paper")) {
        const auto paper = named(kListPaperNames, options.value("paper").toLower());
        if (!paper)
            return QCoreApplication::translate("PrintCommand", "--paper \"%1\": use letter or a4")
                .arg(options.value("paper"));
        if (command.addressList)
            command.addressList = *paper;
    } else if (command.addressList) {
        command.addressList = listPaperForLocale(QLocale());
    }
    if (options.isSet("offset")) {
        QString error;
        const std::optional<PrintOffset> offset = readOffset(options.value("offset"), error);
        if (!offset)
            return error;
        command.offset = *offset;
    }
    return {};
}

// What the line as a whole lacks or has too much of, or nothing.
QString lineError(const CommandOptions& options, const PrintCommand& command) {
    PrintJob job;
    job.stationery = command.stationery;
    job.stock = command.stock;
    const int slots = command.addressList ? 0 : slotsPerSheet(job);
    if (!options.operands().isEmpty())
        return CommandOptions::unknownArgument(options.operands().first());
    if (!options.isSet("stationery"))
        return QCoreApplication::translate("PrintCommand", "--stationery is missing");
    if (options.isSet("paper") && !command.addressList)
        return QCoreApplication::translate("PrintCommand",
                                           "--paper is for --stationery address-list only");
    if (command.senderLabels && slots == 0)
        return QCoreApplication::translate("PrintCommand",
                                           "--sender-labels needs a label stationery");
    if (command.fillSheet && slots == 0)
        return QCoreApplication::translate("PrintCommand", "--fill-sheet is for label sheets only");
    if (command.fillSheet && !command.selected && !command.senderLabels)
        return QCoreApplication::translate("PrintCommand",
                                           "--fill-sheet needs --selected NAME or --sender-labels");
    if (command.fillSheet && options.isSet("copies"))
        return QCoreApplication::translate("PrintCommand", "give either --copies or --fill-sheet");
    if (command.calibrationSheet && command.addressList)
        return QCoreApplication::translate("PrintCommand",
                                           "the address list has no calibration sheet");
    if (command.startAt != 1 && (slots == 0 || command.startAt > slots))
        return slots == 0 ? QCoreApplication::translate("PrintCommand",
                                                        "--start-at is for label sheets only")
                          : QCoreApplication::translate(
                                "PrintCommand", "--start-at %1: a sheet of these labels has %2")
                                .arg(command.startAt)
                                .arg(slots);
    if (command.groups.isEmpty() && !command.calibrationSheet && !command.senderLabels)
        return QCoreApplication::translate("PrintCommand", "at least one --group is needed");
    if (command.pdf.isEmpty() == command.printer.isEmpty())
        return QCoreApplication::translate("PrintCommand",
                                           "give either --pdf FILE or --printer NAME");
    return {};
}

} // namespace

QString printUsage() {
    return QCoreApplication::translate(
        "PrintCommand",
        "Usage: ravelbook print [--database BOOK] --stationery KIND --group G [--group G]...\n"
        "                       [--selected NAME] [--last-name-first] [--bi-fold]\n"
        "                       [--special TEXT] [--adjust TWIPS] [--return-address N]\n"
        "                       [--start-at N] [--offset X,Y] [--copies N | --fill-sheet]\n"
        "                       [--sort ORDER] [--close-up] [--paper PAPER]\n"
        "                       (--pdf FILE | --printer NAME)\n"
        "       ravelbook print --sender-labels --stationery KIND [--return-address N]\n"
        "                       [--start-at N] [--copies N] (--pdf FILE | --printer NAME)\n"
        "       ravelbook print --calibration-sheet --stationery KIND [--offset X,Y]\n"
        "                       (--pdf FILE | --printer NAME)\n"
        "\n"
        "Prints the chosen groups of the address book without opening the window;\n"
        "the address book is not changed. On a --printer calibrated in the window\n"
        "(File: Calibrate Printer), everything is moved by the offsets kept for it.\n"
        "\n"
        "  --database BOOK       the address book: a file, or a server's URI\n"
        "  --stationery KIND     small-labels, large-labels, envelopes, cards, fliers or\n"
        "                        any id of \"ravelbook stationery list\" (avery-5160,\n"
        "                        avery-l7160, envelope-dl, postcard-a6, …), or\n"
        "                        address-list: the records as a table of pages\n"
        "  --group G             a group column 0 to 17, or a group title (every group\n"
        "                        with that title); may be given more than once\n"
        "  --selected NAME       print only the first record of the chosen groups named NAME\n"
        "  --last-name-first     print names as stored (\"Last, First\")\n"
        "  --bi-fold             fliers in the bi-fold layout\n"
        "  --special TEXT        the special text of envelopes, cards and fliers\n"
        "  --adjust TWIPS        vertical adjustment of labels for this run (180 = 1/8\")\n"
        "  --return-address N    the Nth return address of the book (default 1)\n"
        "  --start-at N          labels: begin the first sheet at label N (1 to 20 for\n"
        "                        small labels, 1 to 10 for large, 1 to 30 for avery-5160),\n"
        "                        to finish a used sheet\n"
        "  --offset X,Y          move everything X inches right and Y inches down for\n"
        "                        this run (negative: left, up), on top of the printer's\n"
        "                        calibration; at most 1 inch either way\n"
        "  --copies N            print each record N times in a row (1 to 100)\n"
        "  --fill-sheet          with --selected or --sender-labels: fill every free\n"
        "                        label of the sheet\n"
        "  --sender-labels       labels of the return address (--return-address N), from\n"
        "                        --start-at to the end of the sheet, or --copies N of\n"
        "                        them; no --group is needed\n"
        "  --sort ORDER          book (as added, the default), name, or postal-code (by\n"
        "                        the code in the city line; those without one last)\n"
        "  --close-up            leave no gap for empty address lines\n"
        "  --paper PAPER         the address list's paper: letter or a4 (default: the\n"
        "                        locale's)\n"
        "  --calibration-sheet   print the calibration sheet of the stationery instead of\n"
        "                        addresses: its outlines and rulers, to measure how far\n"
        "                        the printer's print lands off; no --group is needed\n"
        "  --pdf FILE            write the whole run into one PDF file\n"
        "  --printer NAME        print on this printer\n");
}

std::optional<PrintCommand> parsePrintCommand(const QStringList& arguments, QString& error) {
    using Value = OptionRow::Value;
    CommandOptions options({
        {"database", Value::NotEmpty, QT_TRANSLATE_NOOP("CommandOptions", "a file name")},
        {"stationery", Value::Any},
        {"group", Value::Any},
        {"selected", Value::Any},
        {"last-name-first"},
        {"bi-fold"},
        {"special", Value::Any},
        {"adjust", Value::Any},
        {"return-address", Value::Any},
        {"start-at", Value::Any},
        {"offset", Value::Any},
        {"copies", Value::Any},
        {"fill-sheet"},
        {"sender-labels"},
        {"sort", Value::Any},
        {"close-up"},
        {"paper", Value::Any},
        {"calibration-sheet"},
        {"pdf", Value::NotEmpty, QT_TRANSLATE_NOOP("CommandOptions", "a file name")},
        {"printer", Value::NotEmpty, QT_TRANSLATE_NOOP("CommandOptions", "a printer name")},
    });
    PrintCommand command;
    if (!options.parse(arguments, command.asked, error))
        return std::nullopt;
    if (command.asked.any())
        return command;
    command.database = options.valueOr("database", defaultDatabasePath());
    command.groups = options.values("group");
    if (options.isSet("selected"))
        command.selected = options.value("selected");
    command.lastNameFirst = options.isSet("last-name-first");
    command.biFold = options.isSet("bi-fold");
    if (options.isSet("special"))
        command.special = options.value("special");
    command.calibrationSheet = options.isSet("calibration-sheet");
    command.senderLabels = options.isSet("sender-labels");
    // Sender labels fill the sheet unless a number of them is asked for.
    command.fillSheet =
        options.isSet("fill-sheet") || (command.senderLabels && !options.isSet("copies"));
    command.closeUp = options.isSet("close-up");
    command.pdf = options.value("pdf");
    command.printer = options.value("printer");
    error = valueError(options, command);
    if (error.isEmpty())
        error = lineError(options, command);
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
            throw cantDo(
                QCoreApplication::translate("PrintCommand", "There is no printer named \"%1\".")
                    .arg(command.printer));
        // A calibrated printer has its offsets added to every print, this run's on top.
        const printer_calibration::Offset kept =
            printer_calibration::read(settings, command.printer);
        const PrintOffset offset = command.offset + PrintOffset{kept.x, kept.y};
        const auto openDestination = [&](bool labelSheets) {
            return command.pdf.isEmpty()
                       ? PaintedDestination::printer(printers, command.printer)
                       : PaintedDestination::pdf(command.pdf, command.database, labelSheets);
        };
        // A PDF piped to standard output must not have the summary mixed into it.
        QTextStream& summary =
            !command.pdf.isEmpty() && OutputFile::namesStandardOutput(command.pdf) ? err : out;

        // The sheet needs no book.
        if (command.calibrationSheet) {
            PrintJob sheet;
            sheet.stationery = command.stationery;
            sheet.stock = command.stock;
            const std::unique_ptr<PaintedDestination> destination =
                openDestination(slotsPerSheet(sheet) > 0);
            if (command.stock)
                drawCalibrationSheet(*destination->begin(), *command.stock, offset);
            else
                drawCalibrationSheet(*destination->begin(), command.stationery, offset);
            const PrintTally tally = destination->end();
            summary << counted(tally.pages,
                               QCoreApplication::translate(
                                   "PrintCommand", "Printed the calibration sheet on %1 page."),
                               QCoreApplication::translate(
                                   "PrintCommand", "Printed the calibration sheet on %1 pages."))
                    << Qt::endl;
            return 0;
        }

        const Database db(command.database, Database::Access::ReadOnly);
        BookAddresses addresses(db);
        MailingRun run(jobFor(command, db, settings), addresses);
        if (const std::optional<Unprintable> nothing = run.select()) {
            if (nothing->failed)
                throw PrintError(nothing->refusal.text);
            throw cantDo(nothing->refusal.text);
        }

        const std::unique_ptr<PaintedDestination> destination =
            openDestination(run.run().layout().itemsPerSheet > 0);
        run.print(*destination, [&](const QString&) { return offset; });
        if (run.outcome().failure)
            throw PrintError(*run.outcome().failure);
        summary << run.itemSummary(command.pdf.isEmpty()) << Qt::endl;
        return 0;
    } catch (const Error& error) {
        err << "ravelbook: " << error.message() << Qt::endl;
    }
    return 1;
}

} // namespace ravelbook
