#include "print/painted_surface.h"

#include "print/page_target.h"

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
    if (face == font_.family())
        return;
    font_.setFamily(face);
    fontChanged();
}

void PaintedSurface::SetFontSize(int points) {
    if (points <= 0 || points == font_.pointSize())
        return;
    font_.setPointSize(points);
    fontChanged();
}

void PaintedSurface::SetBold(bool on) {
    if (on == font_.bold())
        return;
    font_.setBold(on);
    fontChanged();
}

void PaintedSurface::fontChanged() {
    metrics_.reset();
    painterHasFont_ = false;
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
    draw(text, false);
    pen_ = QPointF(0, pen_.y() + metrics_->lineSpacing() * kTwipsPerInch / dpiY_);
}

void PaintedSurface::PrintInline(const QString& text) {
    pen_.rx() += draw(text, true);
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
        // A new document may come with a new device and painter.
        fontChanged();
        ++pages_;
        break;
    case State::BetweenPages:
        target_->newPage(setup_);
        painterHasFont_ = false;
        ++pages_;
        break;
    case State::OnPage:
        break;
    }
    state_ = State::OnPage;
    return *painter_;
}

qreal PaintedSurface::draw(const QString& text, bool advance) {
    QPainter& painter = page();
    if (!metrics_) {
        QPaintDevice* device = painter.device();
        // Metrics for the device, not the screen, so advances match what is drawn.
        metrics_.emplace(font_, device);
        dpiX_ = device->logicalDpiX();
        dpiY_ = device->logicalDpiY();
    }
    if (!painterHasFont_) {
        painter.setFont(font_);
        painter.setPen(Qt::black);
        painterHasFont_ = true;
    }
    const QPointF cellTop(pen_.x() * dpiX_ / kTwipsPerInch, pen_.y() * dpiY_ / kTwipsPerInch);
    painter.drawText(cellTop + QPointF(0, metrics_->ascent()), text);
    return advance ? metrics_->horizontalAdvance(text) * kTwipsPerInch / dpiX_ : 0.0;
}

} // namespace ravelbook
