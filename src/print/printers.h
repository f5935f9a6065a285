#pragma once

#include <memory>
#include <QString>

namespace ravelbook {

class PageTarget;

// The printers of the system, as the print core reaches them: the window and
// the command line hand it the system's, which need Qt's print support.
class Printers {
public:
    virtual ~Printers() = default;

    // The system's default printer; empty when no printer is installed.
    virtual QString defaultPrinter() const = 0;
    virtual bool exists(const QString& name) const = 0;
    // Pages for the named printer, each document one print job of `copies` copies.
    virtual std::unique_ptr<PageTarget> open(const QString& name, int copies = 1) const = 0;
};

} // namespace ravelbook
