#include "app/printers_on_demand.h"

#include "app/program_module.h"
#include "print/page_target.h"

namespace ravelbook {

const Printers& PrintersOnDemand::printers() const {
    if (!loaded_)
        printersEntry()(loaded_);
    return *loaded_;
}

QString PrintersOnDemand::defaultPrinter() const {
    return printers().defaultPrinter();
}

bool PrintersOnDemand::exists(const QString& name) const {
    return printers().exists(name);
}

std::unique_ptr<PageTarget> PrintersOnDemand::open(const QString& name, int copies) const {
    return printers().open(name, copies);
}

} // namespace ravelbook
