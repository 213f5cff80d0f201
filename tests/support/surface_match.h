// Whether a picture shows at a place of a surface: every pixel of it that is not its key.
#pragma once

#include <algorithm>

#include "platform/display.h"
#include "platform/host/headless.h"
#include "platform/host/surface.h"
#include "platform/source_rects.h"

inline bool Shows(const Surface* on, int32_t x, int32_t y, const Surface* picture) {
    if (!on || !picture || x < 0 || y < 0 || x + picture->width > on->width || y + picture->height > on->height)
        return false;
    for (int32_t r = 0; r < picture->height; ++r)
        for (int32_t c = 0; c < picture->width; ++c) {
            const uint16_t p = picture->Row(r)[c];
            if (picture->keyed && p == picture->key) continue;
            if (on->Row(y + r)[x + c] != p) return false;
        }
    return true;
}

// The same on a frame that reached the window.
inline bool Shows(const host::Frame& on, int32_t x, int32_t y, const Surface* picture) {
    Surface shown(on.width, on.height);
    std::copy(on.pixels.begin(), on.pixels.end(), shown.pixels.get());
    return Shows(&shown, x, y, picture);
}

// The share, 0 to 1, of a picture's own pixels (not its key) that show at (x, y) of a frame;
// pixels that fall inside `aside` or off the frame are left out.
inline double ShownShare(const host::Frame& on, int32_t x, int32_t y, const Surface* picture, const Rect& aside = {}) {
    if (!picture) return 0;
    int64_t own = 0, shown = 0;
    for (int32_t r = 0; r < picture->height; ++r)
        for (int32_t c = 0; c < picture->width; ++c) {
            const uint16_t p = picture->Row(r)[c];
            const int32_t fx = x + c, fy = y + r;
            if ((picture->keyed && p == picture->key) || fx < 0 || fy < 0 || fx >= on.width || fy >= on.height) continue;
            if (fx >= aside.left && fx < aside.right && fy >= aside.top && fy < aside.bottom) continue;
            ++own;
            shown += on.At(fx, fy) == p;
        }
    return own ? double(shown) / double(own) : 0.0;
}

// A copy of a surface's pixels.
inline Surface Snapshot(const Surface* s) {
    Surface copy(s->width, s->height);
    std::copy(s->pixels.get(), s->pixels.get() + size_t(s->width) * size_t(s->height), copy.pixels.get());
    return copy;
}

// Whether two surfaces of one size agree over a rectangle.
inline bool SameIn(const Surface& a, const Surface* b, const Rect& r) {
    for (int32_t y = r.top; y < r.bottom; ++y)
        if (!std::equal(a.Row(y) + r.left, a.Row(y) + r.right, b->Row(y) + r.left)) return false;
    return true;
}

inline void Clear(Surface* s, uint16_t value = 0) {
    if (s) std::fill(s->pixels.get(), s->pixels.get() + size_t(s->width) * size_t(s->height), value);
}

// Whether a kept frame shows the scroll of a message box or question at (x, y); the words and
// buttons on it cover a little of it.
inline bool BoxShown(const host::Headless& host, int32_t x, int32_t y) {
    return std::any_of(host.frames.begin(), host.frames.end(),
                       [&](const host::Frame& f) { return ShownShare(f, x, y, SmallScroll) > 0.8; });
}

// Whether a kept frame shows a box at (x, y) with an earlier box at (earlierX, earlierY) still
// standing beside it: the screen was not drawn again between the two.
inline bool BoxLeftBeside(const host::Headless& host, int32_t x, int32_t y, int32_t earlierX, int32_t earlierY) {
    const Rect box{x, y, x + SmallScrollRect.Width(), y + SmallScrollRect.Height()};
    return std::any_of(host.frames.begin(), host.frames.end(), [&](const host::Frame& f) {
        return ShownShare(f, x, y, SmallScroll) > 0.8 && ShownShare(f, earlierX, earlierY, SmallScroll, box) > 0.5;
    });
}
