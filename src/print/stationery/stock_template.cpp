#include "print/stationery/stock_template.h"

#include <algorithm>
#include <limits>

namespace ravelbook {

std::vector<StockLabel> StockTemplate::labels() const {
    std::vector<StockLabel> all;
    all.reserve(std::size_t(std::max(0, labelCount())));
    for (const StockGrid& grid : grids) {
        for (int row = 0; row < grid.rows; ++row) {
            for (int column = 0; column < grid.columns; ++column)
                all.push_back({grid.left + grid.pitchX * column, grid.top + grid.pitchY * row});
        }
    }
    // Staggered grids interleave: reading order is by the labels' edges, not by grid.
    std::stable_sort(all.begin(), all.end(), [](const StockLabel& a, const StockLabel& b) {
        // Whole twips, so that millimetres rounded apart still share a row.
        if (a.top.twips() != b.top.twips())
            return a.top.twips() < b.top.twips();
        return a.left.twips() < b.left.twips();
    });
    return all;
}

int StockTemplate::labelCount() const {
    long long count = 0;
    for (const StockGrid& grid : grids)
        count += (long long)std::max(0, grid.columns) * std::max(0, grid.rows);
    return int(std::min<long long>(count, std::numeric_limits<int>::max()));
}

} // namespace ravelbook
