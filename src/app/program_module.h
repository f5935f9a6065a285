#pragma once

#include <memory>
#include <QString>

namespace ravelbook {

class Printers;

// The parts of the program that need Qt Widgets (the window, and the printers
// through Qt's print support, which brings Widgets along) are libraries of
// their own, loaded only when used, so that the commands start without them.
// They lie beside the program in the build and in lib/ravelbook once installed.

// libravelbook-window.so's ravelbook_window_main: runs the window, QApplication
// and all, and returns its exit status.
using WindowEntry = int(int argc, char** argv);
// libravelbook-printers.so's ravelbook_system_printers: the system's printers.
using PrintersEntry = void(std::unique_ptr<Printers>& into);

// The entry points, from the loaded libraries. Throw Error (of kind File)
// saying what is missing when a library can't be loaded.
WindowEntry* windowEntry();
PrintersEntry* printersEntry();

} // namespace ravelbook
