#include "surface.h"

#include <algorithm>

Surface::Surface(int32_t w, int32_t h)
    : width(w), height(h), pixels(std::make_unique<uint16_t[]>(size_t(w) * size_t(h))) {}

bool CopyRect(Surface* dest, int32_t x, int32_t y, const Surface* src, const Rect& r, BltMode mode) {
    if (!dest || !src) return false;
    const int32_t w = r.Width(), h = r.Height();
    if (w <= 0 || h <= 0) return false;
    if (r.left < 0 || r.top < 0 || r.right > src->width || r.bottom > src->height) return false;
    if (x < 0 || y < 0 || int64_t(x) + w > dest->width || int64_t(y) + h > dest->height) return false;
    const bool keyed = mode == kBltKeyed && src->keyed;
    const uint16_t key = src->key;
    for (int32_t row = 0; row < h; ++row) {
        const uint16_t* s = src->Row(r.top + row) + r.left;
        uint16_t* d = dest->Row(y + row) + x;
        if (!keyed) {
            std::copy(s, s + w, d);
            continue;
        }
        for (int32_t i = 0; i < w; ++i) d[i] = s[i] == key ? d[i] : s[i];  // branch-free, so it vectorises
    }
    return true;
}
