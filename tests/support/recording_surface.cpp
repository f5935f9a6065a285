#include "support/recording_surface.h"

namespace ravelbook::testing {

void RecordingSurface::SetFontName(const QString& face) {
    calls << QStringLiteral("SetFontName ") + face;
    font_ = face;
}

void RecordingSurface::SetFontSize(int points) {
    calls << QStringLiteral("SetFontSize %1").arg(points);
    size_ = points;
}

void RecordingSurface::SetBold(bool on) {
    calls << QStringLiteral("SetBold %1").arg(on ? 1 : 0);
    bold_ = on;
}

void RecordingSurface::SetPaperSize(int code) {
    calls << QStringLiteral("SetPaperSize %1").arg(code);
    paperSize_ = code;
}

void RecordingSurface::SetOrientation(int code) {
    calls << QStringLiteral("SetOrientation %1").arg(code);
    orientation_ = code;
}

void RecordingSurface::SetPageSize(int width, int height, bool landscape) {
    calls << QStringLiteral("SetPageSize %1 %2 %3").arg(width).arg(height).arg(landscape ? 1 : 0);
}

void RecordingSurface::SetX(qint16 twips) {
    calls << QStringLiteral("SetX %1").arg(twips);
    x_ = twips;
}

void RecordingSurface::SetY(qint16 twips) {
    calls << QStringLiteral("SetY %1").arg(twips);
    y_ = twips;
}

void RecordingSurface::SetLineEnd(qint16 twips) {
    calls << QStringLiteral("SetLineEnd %1").arg(twips);
    lineEnd_ = twips;
}

void RecordingSurface::draw(const QString& text, bool endsLine) {
    drawn.push_back({text, x_, y_, size_, bold_, endsLine, font_, documentsEnded, page_, paperSize_,
                     orientation_, lineEnd_});
}

void RecordingSurface::PrintLine(const QString& text) {
    calls << QStringLiteral("PrintLine ") + text;
    draw(text, true);
}

void RecordingSurface::PrintInline(const QString& text) {
    calls << QStringLiteral("PrintInline ") + text;
    draw(text, false);
}

void RecordingSurface::DrawLine(qint16 x1, qint16 y1, qint16 x2, qint16 y2) {
    calls << QStringLiteral("DrawLine %1 %2 %3 %4").arg(x1).arg(y1).arg(x2).arg(y2);
    lines.push_back({x1, y1, x2, y2});
}

void RecordingSurface::NewPage() {
    calls << QStringLiteral("NewPage");
    ++page_;
}

void RecordingSurface::EndDocument() {
    calls << QStringLiteral("EndDocument");
    ++documentsEnded;
    page_ = 0;
}

} // namespace ravelbook::testing
