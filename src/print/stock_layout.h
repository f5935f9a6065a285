#pragma once

#include "print/layout.h"
#include "print/print_job.h"
#include "print/stationery/stock_template.h"

namespace ravelbook {

// The layout a print run draws a catalogue stationery with: its paper, its
// labels at the template's geometry, or an envelope's or card's blocks placed
// and sized for its paper; the entries of the built-in five keep their own layouts.
Layout stockLayout(const StockTemplate& stock, bool biFold = false);

// The layout of a job: its catalogue stock, or the built-in stationery's own
// (the catalogue's entries for the built-in five among them).
Layout layoutOf(const PrintJob& job);

} // namespace ravelbook
