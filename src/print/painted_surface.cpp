#include "print/painted_surface.h"

#include "core/length.h"
#include "print/page_target.h"
#include "print/pdf_target.h"

#include <algorithm>
#include <cmath>
#include <QPainter>
#include <QPen>

namespace ravelbook {

namespace {

// Lines are half a point wide: dark on any printer, thin enough to measure against.
constexpr Length kLineWidth = Length::fromPoints(0.5);

// Twips from dots of a device of `dotsPerInch`.
qreal twipsOf(qreal dots, qreal dotsPerInch) {
    return dots * kTwipsPerInch / dotsPerInch;
}

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

void PaintedSurface::SetPageSize(int width, int height, bool landscape) {
    setup_.applyPageSize(width, height, landscape);
}

void PaintedSurface::SetX(qint16 twips) {
    pen_.setX(twips);
}

void PaintedSurface::SetY(qint16 twips) {
    pen_.setY(twips);
}

void PaintedSurface::SetLineEnd(qint16 twips) {
    lineEnd_ = twips;
}

void PaintedSurface::PrintLine(const QString& text) {
    draw(text);
    pen_ = QPointF(0, pen_.y() + twipsOf(metrics_->lineSpacing(), dpiY_));
}

void PaintedSurface::PrintInline(const QString& text) {
    pen_.rx() += draw(text);
}

void PaintedSurface::DrawLine(qint16 x1, qint16 y1, qint16 x2, qint16 y2) {
    QPainter& painter = page();
    const QPaintDevice* device = painter.device();
    const qreal dpiX = device->logicalDpiX();
    const qreal dpiY = device->logicalDpiY();
    const auto at = [&](qint16 x, qint16 y) {
        return QPointF(Length::fromTwips(x).dots(dpiX), Length::fromTwips(y).dots(dpiY));
    };
    painter.save();
    painter.setPen(QPen(Qt::black, kLineWidth.dots(dpiX), Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(at(x1, y1), at(x2, y2));
    painter.restore();
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
        printableWidth_.reset();
        ++pages_;
        break;
    case State::BetweenPages:
        target_->newPage(setup_);
        painterHasFont_ = false;
        printableWidth_.reset();
        ++pages_;
        break;
    case State::OnPage:
        break;
    }
    state_ = State::OnPage;
    return *painter_;
}

qreal PaintedSurface::draw(const QString& text) {
    QPainter& painter = page();
    QPaintDevice* device = painter.device();
    if (!metrics_) {
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
    if (!metrics_->hasEveryGlyph(text))
        ++missingGlyphs_;
    const QPointF cellTop(Length::fromTwips(pen_.x()).dots(dpiX_),
                          Length::fromTwips(pen_.y()).dots(dpiY_));
    const qreal width = twipsOf(metrics_->width(text), dpiX_);
    if (!printableWidth_)
        printableWidth_ = target_->printableWidth(painter).exactTwips();
    qreal end = *printableWidth_;
    if (lineEnd_)
        end = std::min(end, *lineEnd_);
    const qreal room = end - pen_.x();
    if (width <= room) {
        metrics_->draw(painter, cellTop + QPointF(0, metrics_->ascent()), text);
        return width;
    }

    // Too wide: a smaller size, as large as fits, down to the smallest; then cut at the end.
    QFont smaller = font_;
    qreal points = font_.pointSizeF();
    qreal fitted = width;
    for (;;) {
        const qreal next =
            std::max<qreal>(kSmallestFit, std::floor(points * room / fitted * 2) / 2);
        points = next < points ? next : points - 0.5;
        smaller.setPointSizeF(std::max<qreal>(points, kSmallestFit));
        fitted = twipsOf(QFontMetricsF(smaller, device).horizontalAdvance(text), dpiX_);
        if (fitted <= room || points <= kSmallestFit)
            break;
    }
    ++(fitted > room ? fits_.cut : fits_.shrunk);
    painter.save();
    painter.setFont(smaller);
    if (fitted > room) {
        const qreal lineHeight = metrics_->height() * 2;
        painter.setClipRect(QRectF(cellTop.x(), cellTop.y() - lineHeight / 2,
                                   Length::fromTwips(std::max<qreal>(0, room)).dots(dpiX_),
                                   lineHeight));
    }
    // The smaller type sits on the same baseline as the line's own would.
    painter.drawText(cellTop + QPointF(0, metrics_->ascent()), text);
    painter.restore();
    return std::min(fitted, room);
}

std::unique_ptr<PaintedSurface> pdfSurface(const QString& file, const QString& book,
                                           bool labelSheets) {
    return std::make_unique<PaintedSurface>(std::make_unique<PdfTarget>(file, book, labelSheets));
}

} // namespace ravelbook
