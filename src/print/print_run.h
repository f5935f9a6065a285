#pragma once

#include "print/print_job.h"
#include "print/printer_surface.h"

#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <QString>
#include <QStringList>

namespace ravelbook {

class AddressSource;
class PrinterSurface;

struct PrintOutcome {
    enum class Stop {
        Done,
        NoRecord,    // single-record mode without a record to print
        QueryFailed, // the records could not be read; nothing was printed
        Cancelled,
        ReadFailed, // the records stopped being readable part way
    };
    Stop stop = Stop::Done;
    int items = 0;                  // items drawn
    int total = 0;                  // items the run set out to print
    std::optional<QString> failure; // the first printer or store failure, for the user
    LineFits fits;                  // lines printed smaller or cut to fit their place
    int recordsFitted = 0;          // records with such a line
    QStringList fittedRecords;      // the first few of them, by name
    // Records with a character no installed font has, by name, each once.
    QStringList missingGlyphRecords;
};

// What a run's summary adds about lines fitted in, e.g. "2 lines were printed
// smaller and 1 was cut to fit (Smith, John; Doe, Jane)."; empty when none was.
QString lineFitsNote(const PrintOutcome& outcome);
// What a run's summary adds about names printed with boxes for characters no
// font has; empty when there was none.
QString missingGlyphsNote(const PrintOutcome& outcome);

// Told after every item; returns false to stop the run after it.
using PrintProgress = std::function<bool(int done, int total)>;

// Pages of a run, counted from 0: a sheet of labels, or one item's page.
struct PageSpan {
    int first = 0;
    int count = std::numeric_limits<int>::max();
};

// Pages a run lays out by itself rather than as items on stationery: the
// address list. Behind an interface so that what uses the run without a list
// (the vertical adjustment's rule) links no text measuring, which needs Qt Gui.
class RunPages {
public:
    virtual ~RunPages() = default;
    virtual Layout layout() const = 0;
    // Reads the run's `total` records to lay them out. Throws StoreError.
    virtual void paginate(int total) = 0;
    virtual int pageCount() const = 0;
    virtual PrintOutcome draw(PrinterSurface& surface, const PrintProgress& progress,
                              PageSpan pages) = 0;
};

// Makes the address list of a job; the default of every run that may print one.
std::unique_ptr<RunPages> makeAddressList(const PrintJob& job, AddressSource& source);
using ListMaker = std::unique_ptr<RunPages> (*)(const PrintJob& job, AddressSource& source);

// One print run of a job: the window's print button, its preview, the command
// line and the calibration sheet all draw through it. select() chooses the
// records; draw() draws the items of some pages of the run on a surface.
//
// A printer step that fails is skipped and the run goes on, so one bad line
// doesn't cost a sheet; the first failure is handed back for the user. A
// position that doesn't fit 16 bits skips just its step.
class PrintRun {
public:
    // Without `makeList` the job must not be an address list.
    PrintRun(PrintJob job, AddressSource& source, ListMaker makeList = &makeAddressList);
    ~PrintRun();
    PrintRun(const PrintRun&) = delete;
    PrintRun& operator=(const PrintRun&) = delete;

    // Counts the chosen records. Stop::NoRecord for a single record that is not
    // there, Stop::QueryFailed when the book can't say.
    PrintOutcome select();
    // Items the run prints: every record (or the return address) as many times as copied.
    int total() const { return total_; }
    // Each record's items in a row: the job's copies, or a sheet's free labels.
    int copies() const { return copies_; }
    // Sheets of labels, or items, the run fills; the first sheet starts at the job's slot.
    int pageCount() const;

    PrintOutcome draw(PrinterSurface& surface, const PrintProgress& progress = {},
                      PageSpan pages = {});

    const PrintJob& job() const { return job_; }
    // What the run draws with: the stationery's layout, or its catalogue stock's.
    const Layout& layout() const { return layout_; }
    // Moves every position of the run, as a calibrated printer needs.
    void setOffset(PrintOffset offset) { job_.offset = offset; }

private:
    PrintJob job_;
    Layout layout_;
    AddressSource* source_;
    // The return address as the one record of sender labels.
    std::unique_ptr<AddressSource> sender_;
    // The job's address list, which lays its rows out when selected.
    std::unique_ptr<RunPages> list_;
    int total_ = 0;
    int copies_ = 1;
};

// select() and draw() of the whole run, for callers that need no page count first.
PrintOutcome runPrint(const PrintJob& job, AddressSource& source, PrinterSurface& surface,
                      const PrintProgress& progress = {}, ListMaker makeList = &makeAddressList);

// The slot of the first sheet a label job starts at, from 1, and the slots a sheet has.
int slotsPerSheet(Stationery stationery);
int slotsPerSheet(const PrintJob& job);

} // namespace ravelbook
