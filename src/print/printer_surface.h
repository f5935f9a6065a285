#pragma once

#include <limits>
#include <optional>
#include <QString>
#include <QtGlobal>

namespace ravelbook {

// Paper and orientation codes as the layouts hand them to the surface.
inline constexpr int kPaperStatement = 6;   // 5 1/2 x 8 1/2 in
inline constexpr int kPaperEnvelope10 = 20; // #10 envelope, 4 1/8 x 9 1/2 in
inline constexpr int kOrientationLandscape = 2;
// The smallest type a line is shrunk to before it is cut, in points.
inline constexpr int kSmallestFit = 7;

// A position in twips as a surface takes it: 16 bits. Nothing when it doesn't
// fit; the step that would use it is skipped.
inline std::optional<qint16> fitTwips(qint64 twips) {
    if (twips < std::numeric_limits<qint16>::min() || twips > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return qint16(twips);
}

// How many of the lines drawn so far had to be fitted in before their end.
struct LineFits {
    int shrunk = 0; // printed smaller, but whole
    int cut = 0;    // cut at the end even at the smallest size

    bool operator==(const LineFits& o) const { return shrunk == o.shrunk && cut == o.cut; }
};

// The page a print run draws on. Positions are twips from the top-left corner
// of the printable area; text is drawn with the top-left corner of its first
// character cell at the pen. Any operation may throw PrintError.
class PrinterSurface {
public:
    virtual ~PrinterSurface() = default;

    virtual void SetFontName(const QString& face) = 0;
    virtual void SetFontSize(int points) = 0;
    virtual void SetBold(bool on) = 0;
    // Page set-up for the next page begun.
    virtual void SetPaperSize(int code) = 0;
    virtual void SetOrientation(int code) = 0;
    // Any paper, by its portrait size in twips, turned when landscape; in
    // place of the codes for the next page begun.
    virtual void SetPageSize(int width, int height, bool landscape) = 0;
    virtual void SetX(qint16 twips) = 0;
    virtual void SetY(qint16 twips) = 0;
    // Where the lines drawn from now on must end: a line that would reach
    // further is drawn in a smaller size, down to kSmallestFit points, and what
    // still doesn't fit is cut off there. The surface also keeps every line
    // inside its printable area.
    virtual void SetLineEnd(qint16 twips) = 0;
    // Draws at the pen, then moves the pen to the left edge of the next line.
    virtual void PrintLine(const QString& text) = 0;
    // Draws at the pen; the pen stays on the line, just after the text.
    virtual void PrintInline(const QString& text) = 0;
    // A thin black line between two points; the pen does not move.
    virtual void DrawLine(qint16 x1, qint16 y1, qint16 x2, qint16 y2) = 0;
    // Ends the current page; the next drawing begins a new one.
    virtual void NewPage() = 0;
    // Ends the document and hands it over; the next drawing begins a new one.
    virtual void EndDocument() = 0;

    // The lines fitted in so far; a surface that measures nothing fits nothing.
    virtual LineFits lineFits() const { return {}; }
    // The lines drawn so far with a character no installed font has, which
    // came out as a box; a surface that draws no type finds none.
    virtual int linesMissingGlyphs() const { return 0; }
};

} // namespace ravelbook
