#pragma once

#include <memory>

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
};

} // namespace ravelbook
