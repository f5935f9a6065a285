#include "print/stationery/stock_template.h"

#include <algorithm>

namespace ravelbook {

std::vector<StockLabel> StockTemplate::labels() const {
    std::vector<StockLabel> all;
    all.reserve(std::size_t(labelCount()));
    for (const StockGrid& grid : grids) {
        for (int row = 0; row < grid.rows; ++row) {
            for (int column = 0; column < grid.columns; ++column)
                all.push_back({grid.left + grid.pitchX * column, grid.top + grid.pitchY * row});
        }
    }
    // Staggered grids interleave: a sheet is filled by rows whatever grid a label is of.
    std::stable_sort(all.begin(), all.end(), [](const StockLabel& a, const StockLabel& b) {
        if (a.top != b.top)
            return a.top < b.top;
        return a.left < b.left;
    });
    return all;
}

int StockTemplate::labelCount() const {
    int count = 0;
    for (const StockGrid& grid : grids)
        count += grid.columns * grid.rows;
    return count;
}

} // namespace ravelbook
