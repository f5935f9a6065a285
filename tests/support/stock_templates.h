#pragma once

#include "print/stationery/stock_template.h"

#include <memory>

namespace ravelbook::testing {

// Catalogue products as the tests need them, built in code.
inline std::shared_ptr<const StockTemplate>
labelStock(const char* id, Length paperWidth, Length paperHeight, Length width, Length height,
           StockGrid grid, StockShape shape = StockShape::Rectangle, Length radius = {}) {
    auto stock = std::make_shared<StockTemplate>();
    stock->id = QString::fromLatin1(id);
    stock->brand = QStringLiteral("Avery");
    stock->part = stock->id.section('-', 1).toUpper();
    stock->description = QStringLiteral("Address Labels");
    stock->paperWidth = paperWidth;
    stock->paperHeight = paperHeight;
    stock->shape = shape;
    stock->labelWidth = width;
    stock->labelHeight = height;
    stock->cornerRadius = radius;
    stock->grids = {grid};
    return stock;
}

inline Length in(double inches) {
    return Length::fromInches(inches);
}
inline Length mm(double millimetres) {
    return Length::fromMillimetres(millimetres);
}

inline std::shared_ptr<const StockTemplate> avery5160() {
    return labelStock("avery-5160", in(8.5), in(11), in(2.625), in(1),
                      {3, 10, in(0.15625), in(0.5), in(2.78125), in(1)}, StockShape::Rectangle,
                      in(0.0625));
}

inline std::shared_ptr<const StockTemplate> averyL7160() {
    return labelStock("avery-l7160", mm(210), mm(297), mm(63.5), mm(38.1),
                      {3, 7, mm(7.25), mm(15.15), mm(66.04), mm(38.1)});
}

// Avery 5167: 1.75 x 0.5 in, 80 a sheet.
inline std::shared_ptr<const StockTemplate> avery5167() {
    return labelStock("avery-5167", in(8.5), in(11), in(1.75), in(0.5),
                      {4, 20, in(0.3), in(0.5), in(2.05), in(0.5)});
}

inline std::shared_ptr<const StockTemplate> roundLabels() {
    return labelStock("avery-5294", in(8.5), in(11), in(2.5), in(2.5),
                      {3, 4, in(0.5), in(0.5), in(2.75), in(2.625)}, StockShape::Round);
}

inline std::shared_ptr<const StockTemplate> singleStock(const char* id, StockKind kind,
                                                        Length width, Length height) {
    auto stock = std::make_shared<StockTemplate>();
    stock->id = QString::fromLatin1(id);
    stock->kind = kind;
    stock->paperWidth = width;
    stock->paperHeight = height;
    stock->labelWidth = width;
    stock->labelHeight = height;
    return stock;
}

// As the files have them: the DL envelope 220 x 110 mm, the A6 postcard portrait.
inline std::shared_ptr<const StockTemplate> envelopeDL() {
    return singleStock("envelope-dl", StockKind::Envelope, mm(220), mm(110));
}
inline std::shared_ptr<const StockTemplate> postcardA6() {
    return singleStock("postcard-a6", StockKind::Card, mm(105), mm(148));
}

} // namespace ravelbook::testing
