#pragma once

#include "print/layout.h"
#include "print/print_job.h"

#include <QString>

namespace ravelbook {

class PrinterSurface;

// The page that shows how far a printer's print lands off: the outline of every
// label of a sheet (or the edge of the envelope, card or flier paper) with a
// cross at each corner, rulers along the top and left edges of the printable
// area graduated from the paper's edge, and a heading saying how to use it.
// Everything is moved by `offset`, as a print run moves its lines. Draws one
// page as one document and ends it; any surface takes it (a printer, a PDF, a
// preview). Throws PrintError as the surface does.
void drawCalibrationSheet(PrinterSurface& surface, Stationery stationery, PrintOffset offset = {});
// The same for a catalogue stationery: every label of its sheet in its own shape.
void drawCalibrationSheet(PrinterSurface& surface, const StockTemplate& stock,
                          PrintOffset offset = {});

// The stationery as the sheet's heading and the calibration dialog name it:
// "Avery 8161 labels, 4 x 1 in, 20 a sheet".
QString stationeryTitle(Stationery stationery);
// A catalogue stationery by brand, part and description: "Avery 5160 Address Labels".
QString stationeryTitle(const StockTemplate& stock);

} // namespace ravelbook
