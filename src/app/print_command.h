#pragma once

#include "app/command_options.h"
#include "print/layout.h"
#include "print/print_job.h"

#include <memory>
#include <optional>
#include <QString>
#include <QStringList>

class QTextStream;

namespace ravelbook {

class Printers;
class SettingsStore;

// "ravelbook print ...": a print run as the window would make it, without
// showing the window and without changing the address book.
struct PrintCommand {
    QString database;
    Stationery stationery = Stationery::SmallLabels;
    // A stationery of the catalogue, when --stationery names one beyond the five.
    std::shared_ptr<const StockTemplate> stock;
    QStringList groups; // column numbers or titles
    std::optional<QString> selected;
    bool lastNameFirst = false;
    bool biFold = false;
    std::optional<QString> special;
    std::optional<QString> adjust;
    int returnAddress = 1;
    int startAt = 1; // label sheets: the first label of the first sheet, from 1
    int copies = 1;
    bool fillSheet = false;
    bool senderLabels = false;
    bool closeUp = false;
    SortOrder sort = SortOrder::Book;
    // The records as an address list, on this paper.
    std::optional<ListPaper> addressList;
    QString pdf;
    QString printer;
    // The calibration sheet of the stationery instead of addresses.
    bool calibrationSheet = false;
    // Added for this run to the calibration kept for the printer, in twips.
    PrintOffset offset;
    StandardRequests asked; // --help or --version instead of the work
};

// Parses the arguments after "print". Returns nothing and sets `error` for a usage error.
std::optional<PrintCommand> parsePrintCommand(const QStringList& arguments, QString& error);
QString printUsage();

// Exit status: 0 printed (one line on `out`), 1 could not print (why on `err`).
// Needs no widget: a QGuiApplication is enough, with `printers` for --printer.
int runPrintCommand(const PrintCommand& command, const Printers& printers, QTextStream& out,
                    QTextStream& err);
// The same with the settings given: the group titles and the printers' calibration.
int runPrintCommand(const PrintCommand& command, const Printers& printers,
                    const SettingsStore& settings, QTextStream& out, QTextStream& err);

} // namespace ravelbook
