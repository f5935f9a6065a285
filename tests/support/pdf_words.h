#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace ravelbook::testing {

// Runs a tool (poppler's, CUPS') to its end; a failure fails the test.
QString runTool(const QString& program, const QStringList& arguments);

// A word as poppler reports it, in points from the page's top-left corner.
// yMin is the baseline less the font's ascent: the top of the character cell.
struct PdfWord {
    QString text;
    int page = 0; // from 1
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};

// Every word of a PDF, page by page, as `pdftotext -bbox` finds them.
std::vector<PdfWord> pdfWords(const QString& pdf);

} // namespace ravelbook::testing
