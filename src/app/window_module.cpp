// libravelbook-window.so: the window, loaded by the program only when it opens.
#include "app/program_module.h"
#include "app/window_main.h"

#include <type_traits>

extern "C" Q_DECL_EXPORT int ravelbook_window_main(int argc, char** argv) {
    return ravelbook::runWindow(argc, argv);
}
static_assert(std::is_same_v<decltype(ravelbook_window_main), ravelbook::MainEntry>);
