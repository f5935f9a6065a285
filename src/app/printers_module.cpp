// libravelbook-printers.so: the system's printers through Qt's print support,
// loaded by the program only for a print on a printer.
#include "app/program_module.h"
#include "print/system_printers.h"

#include <type_traits>

extern "C" Q_DECL_EXPORT void
ravelbook_system_printers(std::unique_ptr<ravelbook::Printers>& into) {
    into = std::make_unique<ravelbook::SystemPrinters>();
}
static_assert(std::is_same_v<decltype(ravelbook_system_printers), ravelbook::PrintersEntry>);
