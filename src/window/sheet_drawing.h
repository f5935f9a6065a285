#pragma once

#include "print/stationery/stock_template.h"

#include <optional>
#include <QWidget>

namespace ravelbook {

// A drawing of one stationery: the paper's outline and every label in its
// shape, scaled to fit the widget. Empty when no stationery is shown.
class SheetDrawing final : public QWidget {
    Q_OBJECT

public:
    explicit SheetDrawing(QWidget* parent = nullptr);

    void setStock(std::optional<StockTemplate> stock);
    const std::optional<StockTemplate>& stock() const { return stock_; }
    QSize sizeHint() const override { return {220, 260}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<StockTemplate> stock_;
};

} // namespace ravelbook
