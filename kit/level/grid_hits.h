// The cells of a screen grid under the cursor, as the toolkit's area test sees them: bounds
// included, so a point on the edge between two cells lies in both. Screens test only these
// cells instead of every cell of the grid, in the same order and with the same result.
#pragma once

#include <cstdint>

struct GridHits {
    int16_t first = 0, count = 0;  // cells first .. first + count - 1
};

// Along one axis: the cells of `size` pixels from `origin` that contain p, among 0..cells-1.
constexpr GridHits CellsAt(int32_t p, int32_t origin, int32_t size, int32_t cells) {
    const int32_t d = p - origin;
    if (d < 0) return {};
    int32_t last = d / size;
    int32_t first = d % size == 0 && last > 0 ? last - 1 : last;
    if (last > cells - 1) last = cells - 1;
    if (first > last) return {};
    return {int16_t(first), int16_t(last - first + 1)};
}
