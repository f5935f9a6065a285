#pragma once

#include "print/layout.h"

#include <functional>
#include <optional>
#include <QString>

namespace ravelbook {

class DataSource;
class PrintInputs;
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
};

// Told after every item; returns false to stop the run after it.
using PrintProgress = std::function<bool(int done, int total)>;

// One print run: selects the records into `records` (the editor's data
// source, which the run leaves on its query), and for each draws one item of
// `layout` on `surface` from what `inputs` show. Single-record mode replaces
// `strSQL` by the query for the selected name.
//
// A printer step that fails is skipped and the run goes on, so one bad line
// doesn't cost a sheet; the first failure is handed back for the user. A
// position that doesn't fit 16 bits skips just its step.
PrintOutcome runPrint(const Layout& layout, QString& strSQL, DataSource& records,
                      const PrintInputs& inputs, PrinterSurface& surface,
                      const PrintProgress& progress = {});

} // namespace ravelbook
