#pragma once

#include <memory>
#include <QtGlobal>

namespace ravelbook {

class Printers;

// The program users run starts on Qt Core and Qt Sql alone, which is all that
// import, export and copy need. What needs more is a library of its own,
// loaded only when used: the print command (Qt Gui), the system's printers
// (Qt's print support, which brings Qt Widgets along) and the window. They lie
// beside the program in the build and in lib/ravelbook once installed.

// libravelbook-print.so's ravelbook_print_main and libravelbook-window.so's
// ravelbook_window_main: the whole run from the program's command line, its
// application and all; they return the exit status.
using MainEntry = int(int argc, char** argv);
// libravelbook-printers.so's ravelbook_system_printers: the system's printers.
using PrintersEntry = void(std::unique_ptr<Printers>& into);

// The entry points, from the loaded libraries. Throw Error (of kind File)
// saying what is missing when a library can't be loaded.
MainEntry* printEntry();
MainEntry* windowEntry();
// libravelbook-online.so's ravelbook_online_main: link, unlink and sync, on Qt Network.
MainEntry* onlineEntry();
PrintersEntry* printersEntry();

} // namespace ravelbook
