#pragma once

#include "core/length.h"

#include <QPaintDevice>
#include <QPainter>

namespace ravelbook {

class PageSetup;

// The dots per inch of the PDF and the printer pages: one dot is one twip, and
// both lay type out alike.
inline constexpr int kPageResolution = kTwipsPerInch;

// Where a painted surface's pages go: a PDF file or a printer. The painter it
// hands out has its origin at the top-left corner of the printable area, a
// quarter inch in from the paper's corner on every target, and stays valid
// until endDocument(). Any operation may throw PrintError.
class PageTarget {
public:
    virtual ~PageTarget() = default;

    // Begins a document and its first page.
    virtual QPainter& beginDocument(const PageSetup& setup) = 0;
    // Ends the current page and begins the next one of the same document.
    virtual void newPage(const PageSetup& setup) = 0;
    // Ends the open document and hands it over.
    virtual void endDocument() = 0;
    // Closes the output once the last document has ended.
    virtual void finish() = 0;
    // How wide the printable area of the painter's page is.
    virtual Length printableWidth(const QPainter& painter) const;
};

} // namespace ravelbook
