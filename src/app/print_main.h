#pragma once

namespace ravelbook {

// "ravelbook print ...": the window's print run without the window, from the
// program's command line, on Qt Gui. Returns the exit status.
int runPrintMain(int argc, char* argv[]);

} // namespace ravelbook
