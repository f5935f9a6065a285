// libravelbook-online.so: "ravelbook link", "unlink" and "sync", loaded by the
// program only for them, with Qt Network.
#include "app/online_command.h"
#include "app/program_module.h"

#include <type_traits>

extern "C" Q_DECL_EXPORT int ravelbook_online_main(int argc, char** argv) {
    return ravelbook::runOnlineMain(argc, argv);
}
static_assert(std::is_same_v<decltype(ravelbook_online_main), ravelbook::MainEntry>);
