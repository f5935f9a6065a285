#pragma once

namespace ravelbook {

// The window's run, from the program's command line: its QApplication, the
// book named there and a window on it, and a window of its own for every
// book opened from File: New Book and Open Book. Returns the exit status.
int runWindow(int argc, char* argv[]);

} // namespace ravelbook
