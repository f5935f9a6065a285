#include "print/page_setup.h"

#include "core/length.h"
#include "print/printer_surface.h"

#include <QSizeF>
#include <QString>

namespace ravelbook {

namespace {
constexpr int kPaperLetter = 1;
constexpr int kOrientationPortrait = 1;
} // namespace

void PageSetup::applyPaperCode(int code) {
    switch (code) {
    case kPaperLetter:
        paper_ = Paper::Letter;
        break;
    case kPaperStatement:
        paper_ = Paper::Statement;
        break;
    case kPaperEnvelope10:
        paper_ = Paper::Envelope10;
        break;
    default:
        break;
    }
}

void PageSetup::applyOrientationCode(int code) {
    if (code == kOrientationPortrait)
        landscape_ = false;
    else if (code == kOrientationLandscape)
        landscape_ = true;
}

void PageSetup::applyPageSize(int width, int height, bool landscape) {
    if (width <= 0 || height <= 0)
        return;
    paper_ = Paper::Other;
    width_ = width;
    height_ = height;
    landscape_ = landscape;
}

QPageSize PageSetup::pageSize() const {
    switch (paper_) {
    case Paper::Other:
        // A size Qt knows by name goes out by that name (A4 is A4 to the
        // printer); any other as a custom size.
        return QPageSize(
            QSizeF(Length::fromTwips(width_).points(), Length::fromTwips(height_).points()),
            QPageSize::Point, QString(), QPageSize::FuzzyMatch);
    case Paper::Statement:
        return QPageSize(QPageSize::Statement);
    case Paper::Envelope10:
        return QPageSize(QPageSize::Comm10E);
    case Paper::Letter:
        break;
    }
    return QPageSize(QPageSize::Letter);
}

QPageLayout::Orientation PageSetup::orientation() const {
    return landscape_ || paper_ == Paper::Envelope10 ? QPageLayout::Landscape
                                                     : QPageLayout::Portrait;
}

} // namespace ravelbook
