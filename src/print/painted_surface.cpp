#include "print/painted_surface.h"

#include "print/page_target.h"

#include <QFontMetricsF>
#include <QPainter>

namespace ravelbook {

namespace {

constexpr qreal kTwipsPerInch = 1440.0;

QFont plainFont(const QString& face, int points) {
    QFont font(face);
    font.setPointSize(points);
    font.setItalic(false);
    font.setUnderline(false);
    return font;
}

} // namespace

// The layouts always name their face and size; this only covers a run that doesn't.
PaintedSurface::PaintedSurface(std::unique_ptr<PageTarget> target)
    : target_(std::move(target)), font_(plainFont(QStringLiteral("Times New Roman"), 12)) {}

PaintedSurface::~PaintedSurface() = default;

void PaintedSurface::SetFontName(const QString& face) {
    font_.setFamily(face);
}

void PaintedSurface::SetFontSize(int points) {
    if (points > 0)
        font_.setPointSize(points);
}

void PaintedSurface::SetBold(bool on) {
    font_.setBold(on);
}

void PaintedSurface::SetPaperSize(int code) {
    setup_.applyPaperCode(code);
}

void PaintedSurface::SetOrientation(int code) {
    setup_.applyOrientationCode(code);
}

void PaintedSurface::SetX(qint16 twips) {
    pen_.setX(twips);
}

void PaintedSurface::SetY(qint16 twips) {
    pen_.setY(twips);
}

void PaintedSurface::PrintLine(const QString& text) {
    const QPointF step = draw(text);
    pen_ = QPointF(0, pen_.y() + step.y());
}

void PaintedSurface::PrintInline(const QString& text) {
    pen_.rx() += draw(text).x();
}

void PaintedSurface::NewPage() {
    if (state_ == State::OnPage)
        state_ = State::BetweenPages;
}

void PaintedSurface::EndDocument() {
    if (state_ == State::NoDocument)
        return;
    state_ = State::NoDocument;
    painter_ = nullptr;
    target_->endDocument();
    ++documents_;
}

void PaintedSurface::finish() {
    EndDocument();
    target_->finish();
}

QPainter& PaintedSurface::page() {
    switch (state_) {
    case State::NoDocument:
        painter_ = &target_->beginDocument(setup_);
        ++pages_;
        break;
    case State::BetweenPages:
        target_->newPage(setup_);
        ++pages_;
        break;
    case State::OnPage:
        break;
    }
    state_ = State::OnPage;
    return *painter_;
}

QPointF PaintedSurface::draw(const QString& text) {
    QPainter& painter = page();
    QPaintDevice* device = painter.device();
    const qreal dotsPerTwipX = device->logicalDpiX() / kTwipsPerInch;
    const qreal dotsPerTwipY = device->logicalDpiY() / kTwipsPerInch;
    // Metrics for the device, not the screen, so advances match what is drawn.
    const QFontMetricsF metrics(font_, device);
    painter.setFont(font_);
    painter.setPen(Qt::black);
    const QPointF cellTop(pen_.x() * dotsPerTwipX, pen_.y() * dotsPerTwipY);
    painter.drawText(cellTop + QPointF(0, metrics.ascent()), text);
    return {metrics.horizontalAdvance(text) / dotsPerTwipX, metrics.lineSpacing() / dotsPerTwipY};
}

} // namespace ravelbook
