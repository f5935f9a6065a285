// libravelbook-print.so: "ravelbook print", loaded by the program only for a print.
#include "app/print_main.h"
#include "app/program_module.h"

#include <type_traits>

extern "C" Q_DECL_EXPORT int ravelbook_print_main(int argc, char** argv) {
    return ravelbook::runPrintMain(argc, argv);
}
static_assert(std::is_same_v<decltype(ravelbook_print_main), ravelbook::MainEntry>);
