#pragma once

#include "print/job_selection.h"
#include "print/print_destination.h"
#include "print/print_run.h"

#include <functional>
#include <optional>
#include <QString>

namespace ravelbook {

class AddressSource;

// Why a run has nothing to print: a refusal for a message box, or the book's
// failure to say, to be shown as an error.
struct Unprintable {
    Refusal refusal;
    bool failed = false;
};

// One mailing printed, as the window and the command line both print it: the
// records chosen, what stands in the way told before any output is opened, the
// items drawn on a destination, and what went out summed up.
class MailingRun {
public:
    MailingRun(const PrintJob& job, AddressSource& addresses);

    // Chooses the records; none when there is something to print.
    std::optional<Unprintable> select();
    // What every position of the run is moved by on this printer (empty for a
    // file): the job's own offset with a calibrated printer's added.
    using OffsetFor = std::function<PrintOffset(const QString& printer)>;
    // Draws the run on `destination`, moved by the offset for the printer it
    // began on. False when the user called it off before it began. Throws
    // PrintError when the output can't be opened; a failure while closing it
    // is the outcome's.
    bool print(PrintDestination& destination, const OffsetFor& offsetFor,
               const PrintProgress& progress = {});

    // The run selected, for a preview of its pages.
    PrintRun& run() { return run_; }
    // The selection's outcome until the run is drawn, then the drawing's.
    const PrintOutcome& outcome() const { return outcome_; }
    const PrintTally& tally() const { return tally_; }

    // For the window's status line: "Printed 3 labels on 1 sheet to …", or
    // where a cancelled run left its items.
    QString summary(const PrintDestination& destination) const;
    // For the command line: items, pages and, for a printer, print jobs.
    QString itemSummary(bool toPrinter) const;

private:
    QString withFitsNote(const QString& summary) const;

    PrintRun run_;
    PrintOutcome outcome_;
    PrintTally tally_;
};

} // namespace ravelbook
