#pragma once

#include "print/printers.h"

#include <memory>

namespace ravelbook {

// The system's printers, with Qt's print support loaded at the first question
// about them: a print into a PDF never loads it. Throws Error when the
// program's printers library can't be loaded.
class PrintersOnDemand final : public Printers {
public:
    QString defaultPrinter() const override;
    bool exists(const QString& name) const override;
    std::unique_ptr<PageTarget> open(const QString& name, int copies = 1) const override;

private:
    const Printers& printers() const;

    mutable std::unique_ptr<Printers> loaded_;
};

} // namespace ravelbook
