#include "print/page_setup.h"

#include "print/printer_surface.h"

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

QPageSize PageSetup::pageSize() const {
    switch (paper_) {
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
