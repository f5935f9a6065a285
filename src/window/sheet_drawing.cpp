#include "window/sheet_drawing.h"

#include <QPainter>
#include <QPainterPath>

namespace ravelbook {

namespace {

constexpr int kRoom = 8; // pixels kept free around the paper

} // namespace

SheetDrawing::SheetDrawing(QWidget* parent) : QWidget(parent) {
    setMinimumSize(120, 140);
}

void SheetDrawing::setStock(std::optional<StockTemplate> stock) {
    stock_ = std::move(stock);
    update();
}

void SheetDrawing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!stock_ || stock_->paperWidth.exactTwips() <= 0 || stock_->paperHeight.exactTwips() <= 0)
        return;
    const StockTemplate& stock = *stock_;
    const double paperWidth = stock.paperWidth.exactTwips();
    const double paperHeight = stock.paperHeight.exactTwips();
    const double scale =
        std::min((width() - 2 * kRoom) / paperWidth, (height() - 2 * kRoom) / paperHeight);
    if (scale <= 0)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate((width() - paperWidth * scale) / 2, (height() - paperHeight * scale) / 2);
    const auto scaled = [scale](Length length) { return length.exactTwips() * scale; };
    const QRectF paper(0, 0, paperWidth * scale, paperHeight * scale);
    painter.setPen(QPen(palette().color(QPalette::Dark), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(paper);
    // Labels may reach past the paper while the user is still typing: they show where.
    painter.setPen(QPen(QColor(70, 110, 170), 1));
    painter.setBrush(QColor(225, 235, 248));
    const double labelWidth = scaled(stock.labelWidth);
    const double labelHeight =
        stock.shape == StockShape::Round ? labelWidth : scaled(stock.labelHeight);
    const double radius =
        std::min(scaled(stock.cornerRadius), std::min(labelWidth, labelHeight) / 2);
    for (const StockLabel& label : stock.labels()) {
        const QRectF box(scaled(label.left), scaled(label.top), labelWidth, labelHeight);
        if (stock.shape == StockShape::Rectangle)
            painter.drawRoundedRect(box, radius, radius);
        else
            painter.drawEllipse(box);
    }
}

} // namespace ravelbook
