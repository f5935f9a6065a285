#pragma once

#include "print/print_error.h"
#include "print/print_run.h"
#include "print/printer_surface.h"

#include <QString>

namespace ravelbook {

// The steps of a run on a printer surface: a step that fails is skipped and
// the run goes on, so one bad line doesn't cost a sheet; the first failure is
// kept for the user. A step at a position past 16 bits is skipped.
class SurfaceSteps {
public:
    SurfaceSteps(PrinterSurface& surface, PrintOutcome& outcome)
        : surface_(surface), outcome_(outcome) {}

    void remember(const QString& message) {
        if (!outcome_.failure)
            outcome_.failure = message;
    }
    template <typename F> void step(F&& f) {
        try {
            f();
        } catch (const PrintError& error) {
            remember(error.message());
        }
    }
    template <typename F> void at(qint64 position, F&& f) {
        if (const auto fitted = fitTwips(position))
            step([&] { f(*fitted); });
    }

protected:
    PrinterSurface& surface_;
    PrintOutcome& outcome_;
};

} // namespace ravelbook
