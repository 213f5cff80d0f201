#include "surface.h"

#include <cstring>

Surface::Surface(int32_t w, int32_t h)
    : width(w), height(h), pixels(std::make_unique<uint16_t[]>(size_t(w) * size_t(h))) {}

namespace {

// Most copies are 32-pixel tiles: rows of a known width unroll, with no call per row.
template <int32_t W>
void KeyedRows(uint16_t* d, size_t dPitch, const uint16_t* s, size_t sPitch, int32_t w, int32_t h, uint16_t key) {
    const int32_t n = W ? W : w;
    for (int32_t row = 0; row < h; ++row, d += dPitch, s += sPitch)
        for (int32_t i = 0; i < n; ++i) d[i] = s[i] == key ? d[i] : s[i];  // branch-free, so it vectorises
}

template <int32_t W>
void OpaqueRows(uint16_t* d, size_t dPitch, const uint16_t* s, size_t sPitch, int32_t w, int32_t h) {
    const size_t bytes = size_t(W ? W : w) * sizeof(uint16_t);
    for (int32_t row = 0; row < h; ++row, d += dPitch, s += sPitch) std::memmove(d, s, bytes);
}

}  // namespace

bool CopyRect(Surface* dest, int32_t x, int32_t y, const Surface* src, const Rect& r, BltMode mode) {
    if (!dest || !src) return false;
    const int32_t w = r.Width(), h = r.Height();
    if (w <= 0 || h <= 0) return false;
    if (r.left < 0 || r.top < 0 || r.right > src->width || r.bottom > src->height) return false;
    if (x < 0 || y < 0 || int64_t(x) + w > dest->width || int64_t(y) + h > dest->height) return false;
    const uint16_t* s = src->Row(r.top) + r.left;
    uint16_t* d = dest->Row(y) + x;
    const size_t sPitch = size_t(src->width), dPitch = size_t(dest->width);
    if (mode == kBltKeyed && src->keyed) {
        if (w == 32) KeyedRows<32>(d, dPitch, s, sPitch, w, h, src->key);
        else KeyedRows<0>(d, dPitch, s, sPitch, w, h, src->key);
    } else {
        if (w == 32) OpaqueRows<32>(d, dPitch, s, sPitch, w, h);
        else OpaqueRows<0>(d, dPitch, s, sPitch, w, h);
    }
    return true;
}
