#pragma once

#include <memory>
#include <QString>

namespace ravelbook {

class PrinterSurface;

// What a print run put out.
struct PrintTally {
    int pages = 0;
    int documents = 0;
};

// Where the pages of a print run go: a printer, a PDF file, or in tests a recording.
class PrintDestination {
public:
    virtual ~PrintDestination() = default;

    // The surface for one run; nothing when the user called the run off.
    // Throws PrintError when the output can't be opened.
    virtual PrinterSurface* begin() = 0;
    // Closes the run's output: sends the last job, writes the file. Throws PrintError.
    virtual PrintTally end() = 0;

    // Where the last run began went, for the user: "the printer "X"", "the PDF file Y".
    virtual QString where() const { return {}; }
    // The printer of the last run begun; empty for a file.
    virtual QString printer() const { return {}; }
};

} // namespace ravelbook
