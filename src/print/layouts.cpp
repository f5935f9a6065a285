// The five kinds of stationery, as constants of the one print run.
#include "core/length.h"
#include "print/layout.h"
#include "print/printer_surface.h"

namespace ravelbook {

namespace {

// The paper of an item as it lies on the page, its edge where the stationery ends.
void paper(Layout& l, int width, int height) {
    l.paperWidth = width;
    l.paperHeight = height;
    l.stock = {-kNominalMargin, -kNominalMargin, width, height};
}

// The common shape of label sheets: two columns 6000 twips apart, filled
// across then down, following the vertical adjustment, 12-point type. The
// labels themselves are 4 inches wide, 5/32 inch in from the sides of a letter
// sheet, 3/16 inch apart, the first row half an inch down.
Layout labelSheet(qint16 startY, qint16 lineStep, int perSheet, qint16 rowPitch) {
    Layout l;
    l.paperWidth = 8 * kTwipsPerInch + kTwipsPerInch / 2;
    l.paperHeight = 11 * kTwipsPerInch;
    l.stock = {kTwipsPerInch * 5 / 32 - kNominalMargin, kTwipsPerInch / 2 - kNominalMargin,
               4 * kTwipsPerInch, rowPitch};
    l.stockPitchX = 4 * kTwipsPerInch + kTwipsPerInch * 3 / 16;
    l.stockPitchY = rowPitch;
    l.startY = startY;
    l.followsAdjustment = true;
    l.lineStep = lineStep;
    l.itemsPerSheet = perSheet;
    l.columns = 2;
    l.columnPitch = 6000;
    l.rowPitch = rowPitch;
    l.fontSize = 12;
    return l;
}

// Avery 8161: 1 x 4 in, two columns of ten; the recipient block only, all bold.
Layout smallLabels() {
    Layout l = labelSheet(340, 260, 20, kTwipsPerInch);
    l.bold = true;
    l.boldBeforeTo = false; // already bold
    l.toX = 400;
    l.textX = 1000;
    return l;
}

// Avery 8163: 2 x 4 in, two columns of five, the return address on every label.
Layout largeLabels() {
    Layout l = labelSheet(360, 290, 10, 2880);
    //: Printed on paper above the return address
    l.heading = QString::fromUtf8(QT_TRANSLATE_NOOP("Layouts", "From:"));
    l.headingEndsLine = true;
    l.returnX = 360;
    l.moveBeforeTo = 435; // one and a half line steps
    l.toX = 1400;
    l.textX = 2000;
    return l;
}

// The common shape of envelopes, cards and fliers: one item a document.
Layout singleItem(qint16 gapBeforeTo, qint16 specialMove) {
    Layout l;
    l.startY = 600;
    l.lineStep = 360;
    l.fontSize = 14;
    //: Printed on paper before the return address
    l.heading = QString::fromUtf8(QT_TRANSLATE_NOOP("Layouts", "From: "));
    l.returnX = 360;
    l.moveBeforeTo = qint16(l.lineStep + gapBeforeTo);
    l.toX = 5400;
    l.textX = 6000;
    l.special = true;
    l.specialX = 360;
    l.specialMove = specialMove;
    return l;
}

Layout envelopes() {
    Layout l = singleItem(300, 360);
    l.paperSize = kPaperEnvelope10;
    paper(l, 9 * kTwipsPerInch + kTwipsPerInch / 2, 4 * kTwipsPerInch + kTwipsPerInch / 8);
    return l;
}

Layout cards() {
    Layout l = singleItem(500, 720);
    l.orientation = kOrientationLandscape;
    l.paperSize = kPaperStatement;
    paper(l, 8 * kTwipsPerInch + kTwipsPerInch / 2, 5 * kTwipsPerInch + kTwipsPerInch / 2);
    return l;
}

// A flier is a letter sheet.
Layout fliers(qint16 gapBeforeTo, qint16 specialMove) {
    Layout l = singleItem(gapBeforeTo, specialMove);
    paper(l, 8 * kTwipsPerInch + kTwipsPerInch / 2, 11 * kTwipsPerInch);
    return l;
}

} // namespace

const Layout& layoutFor(Stationery stationery, bool biFold) {
    static const Layout small = smallLabels();
    static const Layout large = largeLabels();
    static const Layout envelope = envelopes();
    static const Layout card = cards();
    static const Layout flier = fliers(500, 360);
    static const Layout biFoldFlier = fliers(kTwipsPerInch, 720);
    switch (stationery) {
    case Stationery::SmallLabels:
        return small;
    case Stationery::LargeLabels:
        return large;
    case Stationery::Envelopes:
        return envelope;
    case Stationery::Cards:
        return card;
    case Stationery::Fliers:
        break;
    }
    return biFold ? biFoldFlier : flier;
}

} // namespace ravelbook
