// Drawing primitives shared by the sheet painters: colours, deterministic noise,
// signed-distance shapes and a premultiplied RGBA layer that is stamped onto sheets.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "pack.h"

namespace art {

// ---------------------------------------------------------------- colours

struct Col {
    float r = 0, g = 0, b = 0;  // 0..255
};

inline Col Rgb(uint32_t c) { return Col{float((c >> 16) & 255), float((c >> 8) & 255), float(c & 255)}; }
uint32_t ToRgb(Col c);
inline Col Mix(Col a, Col b, float t) {
    return Col{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
inline Col Scale(Col c, float k) { return Col{c.r * k, c.g * k, c.b * k}; }
inline Col Add(Col c, float v) { return Col{c.r + v, c.g + v, c.b + v}; }
inline Col Lighten(Col c, float t) { return Mix(c, Col{255, 255, 255}, t); }
inline Col Darken(Col c, float t) { return Mix(c, Col{0, 0, 0}, t); }
Col Hsv(float hueDegrees, float sat, float val);

// Shared palette, so every sheet and page speaks the same material language.
namespace pal {
constexpr uint32_t kParchment = 0xE9DAB4;
constexpr uint32_t kParchmentDark = 0xC9AE7C;
constexpr uint32_t kFieldLight = 0xF4EBD2;  // text field and small-font blanking block
constexpr uint32_t kWoodDark = 0x3A2414;
constexpr uint32_t kWood = 0x6B4424;
constexpr uint32_t kGilt = 0xD8B050;
constexpr uint32_t kGiltLight = 0xF6DE8A;
constexpr uint32_t kGiltDark = 0x8A6420;
}  // namespace pal

// ---------------------------------------------------------------- noise

uint32_t Hash(uint32_t x);
uint32_t Hash3(int x, int y, uint32_t seed);
float Hash01(int x, int y, uint32_t seed);
// Smooth value noise 0..1; a positive period makes it tile with that period (in lattice cells).
float ValueNoise(float x, float y, uint32_t seed, int periodX = 0, int periodY = 0);
// Fractal sum of octaves, 0..1. Periods double with the frequency so the tiling holds.
float Fbm(float x, float y, uint32_t seed, int octaves, int periodX = 0, int periodY = 0);

// A slowly varying field sampled every `step` pixels and filled in bilinearly (w x h values,
// row-major): large-scale noise does not need evaluating at every pixel.
std::vector<float> SmoothField(int w, int h, int step, const std::function<float(float, float)>& f);

// Small deterministic generator for placing things.
struct Rng {
    uint32_t s;
    explicit Rng(uint32_t seed) : s(Hash(seed) | 1u) {}
    uint32_t Next() {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return s;
    }
    float F() { return float(Next() >> 8) / 16777216.0f; }
    float Range(float a, float b) { return a + (b - a) * F(); }
    int Int(int lo, int hi) { return lo + int(Next() % uint32_t(hi - lo + 1)); }
};

// ---------------------------------------------------------------- shapes (signed distance, pixels)

struct V2 {
    float x, y;
};

namespace sdf {
inline float Len(float x, float y) { return std::sqrt(x * x + y * y); }

inline auto Circle(float cx, float cy, float r) {
    return [=](float x, float y) { return Len(x - cx, y - cy) - r; };
}
// Axis-aligned box from (x0,y0) to (x1,y1) with rounded corners of radius rad.
inline auto Box(float x0, float y0, float x1, float y1, float rad = 0) {
    float cx = (x0 + x1) * 0.5f, cy = (y0 + y1) * 0.5f;
    float hx = (x1 - x0) * 0.5f - rad, hy = (y1 - y0) * 0.5f - rad;
    return [=](float x, float y) {
        float dx = std::fabs(x - cx) - hx, dy = std::fabs(y - cy) - hy;
        float ox = std::max(dx, 0.0f), oy = std::max(dy, 0.0f);
        return Len(ox, oy) + std::min(std::max(dx, dy), 0.0f) - rad;
    };
}
inline auto Ellipse(float cx, float cy, float rx, float ry) {
    return [=](float x, float y) {
        float nx = (x - cx) / rx, ny = (y - cy) / ry;
        float k = Len(nx, ny);
        return (k - 1.0f) * std::min(rx, ry);
    };
}
// Capsule along a segment.
inline auto Seg(float ax, float ay, float bx, float by, float halfWidth) {
    return [=](float x, float y) {
        float px = x - ax, py = y - ay, vx = bx - ax, vy = by - ay;
        float vv = vx * vx + vy * vy;
        float t = vv > 0 ? std::clamp((px * vx + py * vy) / vv, 0.0f, 1.0f) : 0.0f;
        return Len(px - vx * t, py - vy * t) - halfWidth;
    };
}
// Filled polygon (any winding).
struct Poly {
    std::vector<V2> v;
    float operator()(float x, float y) const {
        float d = 1e9f;
        bool inside = false;
        size_t n = v.size();
        for (size_t i = 0, j = n - 1; i < n; j = i++) {
            float ex = v[j].x - v[i].x, ey = v[j].y - v[i].y;
            float wx = x - v[i].x, wy = y - v[i].y;
            float ee = ex * ex + ey * ey;
            float t = ee > 0 ? std::clamp((wx * ex + wy * ey) / ee, 0.0f, 1.0f) : 0.0f;
            float bx = wx - ex * t, by = wy - ey * t;
            d = std::min(d, bx * bx + by * by);
            if (((v[i].y > y) != (v[j].y > y)) && (x < (v[j].x - v[i].x) * (y - v[i].y) / (v[j].y - v[i].y) + v[i].x))
                inside = !inside;
        }
        float s = std::sqrt(d);
        return inside ? -s : s;
    }
};
// Thick open polyline.
struct Path {
    std::vector<V2> v;
    float half;
    float operator()(float x, float y) const {
        float d = 1e9f;
        for (size_t i = 0; i + 1 < v.size(); ++i) {
            float px = x - v[i].x, py = y - v[i].y, vx = v[i + 1].x - v[i].x, vy = v[i + 1].y - v[i].y;
            float vv = vx * vx + vy * vy;
            float t = vv > 0 ? std::clamp((px * vx + py * vy) / vv, 0.0f, 1.0f) : 0.0f;
            d = std::min(d, Len(px - vx * t, py - vy * t));
        }
        if (v.size() == 1) d = Len(x - v[0].x, y - v[0].y);
        return d - half;
    }
};
template <class A, class B>
auto Union(A a, B b) {
    return [=](float x, float y) { return std::min(a(x, y), b(x, y)); };
}
template <class A, class B>
auto Inter(A a, B b) {
    return [=](float x, float y) { return std::max(a(x, y), b(x, y)); };
}
template <class A, class B>
auto Sub(A a, B b) {
    return [=](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}
template <class A>
auto Grow(A a, float k) {
    return [=](float x, float y) { return a(x, y) - k; };
}
// Outline band of a shape, centred on its edge.
template <class A>
auto Ring(A a, float halfWidth) {
    return [=](float x, float y) { return std::fabs(a(x, y)) - halfWidth; };
}
template <class A>
auto Move(A a, float dx, float dy) {
    return [=](float x, float y) { return a(x - dx, y - dy); };
}
// Mirror left-right about x = cx.
template <class A>
auto MirrorX(A a, float cx) {
    return [=](float x, float y) { return std::min(a(x, y), a(2 * cx - x, y)); };
}
// Rotate about (cx, cy) by the angle in degrees, clockwise on the screen (y points down).
template <class A>
auto Rotate(A a, float cx, float cy, float deg) {
    float c = std::cos(deg * 3.14159265f / 180), s = std::sin(deg * 3.14159265f / 180);
    return [=](float x, float y) {
        float dx = x - cx, dy = y - cy;
        return a(cx + dx * c + dy * s, cy - dx * s + dy * c);
    };
}
}  // namespace sdf

// Regular polygon / star outlines as point lists.
std::vector<V2> RegularPoly(float cx, float cy, float r, int n, float rotDeg);
std::vector<V2> Star(float cx, float cy, float rOuter, float rInner, int points, float rotDeg);

// ---------------------------------------------------------------- layer

struct Rect {
    int x0, y0, x1, y1;  // half-open
};

// Premultiplied RGBA in floats; shapes are painted with analytic edge coverage.
class Layer {
public:
    Layer(int w, int h) : w_(w), h_(h), p_(size_t(w) * size_t(h) * 4, 0.0f) {}
    int W() const { return w_; }
    int H() const { return h_; }

    void Clear() { std::fill(p_.begin(), p_.end(), 0.0f); }
    float A(int x, int y) const { return In(x, y) ? p_[Idx(x, y) + 3] : 0.0f; }
    Col Get(int x, int y) const {
        if (!In(x, y)) return Col{};
        size_t i = Idx(x, y);
        float a = p_[i + 3];
        if (a <= 1e-6f) return Col{};
        return Col{p_[i] / a, p_[i + 1] / a, p_[i + 2] / a};
    }
    // Blends colour c with weight a over the pixel.
    void Blend(int x, int y, Col c, float a) {
        if (!In(x, y) || a <= 0) return;
        a = std::min(a, 1.0f);
        size_t i = Idx(x, y);
        p_[i] = p_[i] * (1 - a) + c.r * a;
        p_[i + 1] = p_[i + 1] * (1 - a) + c.g * a;
        p_[i + 2] = p_[i + 2] * (1 - a) + c.b * a;
        p_[i + 3] = p_[i + 3] * (1 - a) + a;
    }
    // Replaces the colour but keeps coverage (recolouring painted pixels).
    void Tint(int x, int y, Col c, float t) {
        if (!In(x, y)) return;
        size_t i = Idx(x, y);
        float a = p_[i + 3];
        if (a <= 0) return;
        p_[i] += (c.r * a - p_[i]) * t;
        p_[i + 1] += (c.g * a - p_[i + 1]) * t;
        p_[i + 2] += (c.b * a - p_[i + 2]) * t;
    }
    // Paints a shape with a per-pixel colour (shader(x, y) -> Col).
    template <class Sdf, class Shader>
    void Paint(const Sdf& d, const Shader& sh, float opacity = 1.0f) {
        PaintIn(Rect{0, 0, w_, h_}, d, sh, opacity);
    }
    template <class Sdf, class Shader>
    void PaintIn(Rect r, const Sdf& d, const Shader& sh, float opacity = 1.0f) {
        r.x0 = std::max(r.x0, 0);
        r.y0 = std::max(r.y0, 0);
        r.x1 = std::min(r.x1, w_);
        r.y1 = std::min(r.y1, h_);
        // Blocks whose centre lies well outside the shape are skipped whole; the margin allows
        // for distance estimates that change up to twice as fast as true distances.
        // Two levels: 64-pixel tiles first, then 8-pixel blocks.
        constexpr int kTile = 64, kBlock = 8;
        constexpr float kTileMargin = 2.0f * 45.3f + 1.0f, kMargin = 2.0f * 5.0f + 1.0f;
        for (int ty = r.y0; ty < r.y1; ty += kTile)
            for (int tx = r.x0; tx < r.x1; tx += kTile) {
                int tex = std::min(tx + kTile, r.x1), tey = std::min(ty + kTile, r.y1);
                if (d((tx + tex) * 0.5f, (ty + tey) * 0.5f) > kTileMargin) continue;
                for (int by = ty; by < tey; by += kBlock)
                    for (int bx = tx; bx < tex; bx += kBlock) {
                        int ex = std::min(bx + kBlock, tex), ey = std::min(by + kBlock, tey);
                        if (d((bx + ex) * 0.5f, (by + ey) * 0.5f) > kMargin) continue;
                        for (int y = by; y < ey; ++y)
                            for (int x = bx; x < ex; ++x) {
                                float dist = d(x + 0.5f, y + 0.5f);
                                if (dist >= 0.5f) continue;
                                float cov = std::clamp(0.5f - dist, 0.0f, 1.0f) * opacity;
                                Blend(x, y, sh(float(x) + 0.5f, float(y) + 0.5f), cov);
                            }
                    }
            }
    }
    template <class Sdf>
    void Fill(const Sdf& d, Col c, float opacity = 1.0f) {
        Paint(d, [c](float, float) { return c; }, opacity);
    }
    template <class Sdf>
    void FillIn(Rect r, const Sdf& d, Col c, float opacity = 1.0f) {
        PaintIn(r, d, [c](float, float) { return c; }, opacity);
    }
    // Fills a shape with an embossed look: the rim facing the light (top-left) is brighter,
    // the far rim darker, fading over `width` pixels inside the edge.
    template <class Sdf>
    void Emboss(const Sdf& d, Col base, float width, float strength = 0.45f, float opacity = 1.0f) {
        Paint(
            d,
            [&](float x, float y) {
                float v = d(x, y);
                float inside = std::clamp(-v / width, 0.0f, 1.0f);
                float gx = d(x + 0.5f, y) - d(x - 0.5f, y), gy = d(x, y + 0.5f) - d(x, y - 0.5f);
                float gl = std::sqrt(gx * gx + gy * gy);
                float light = gl > 1e-4f ? (-gx * 0.7071f - gy * 0.7071f) / gl : 0.0f;
                float k = light * strength * (1.0f - inside);
                return k > 0 ? Lighten(base, k) : Darken(base, -k);
            },
            opacity);
    }
    // Soft shadow: darkens by a blurred copy of the shape shifted by (dx, dy).
    template <class Sdf>
    void Shadow(const Sdf& d, float dx, float dy, float soft, float strength) {
        PaintIn(
            Rect{0, 0, w_, h_}, [&](float x, float y) { return d(x - dx, y - dy) / soft; },
            [](float, float) { return Col{0, 0, 0}; }, strength);
    }
    // Draws this layer over another at an offset.
    void DrawOn(Layer& dst, int dx, int dy) const;

private:
    bool In(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }
    size_t Idx(int x, int y) const { return (size_t(y) * w_ + x) * 4; }
    int w_, h_;
    std::vector<float> p_;
    friend void Stamp(const Layer&, Image&, int, int);
};

// Composites a layer onto an image. Over key-coloured pixels the result is hard-edged (coverage
// of at least one half becomes the colour, less stays key) so no key-tinted fringes appear.
void Stamp(const Layer& layer, Image& img, int x, int y);

// ---------------------------------------------------------------- image helpers

void FillRect(Image& img, int x, int y, int w, int h, uint32_t c);
void Blit(const Image& src, int sx, int sy, int w, int h, Image& dst, int dx, int dy);
Image Crop(const Image& src, int x, int y, int w, int h);
// Makes sure no drawn colour rounds to the key colour in 16-bit pixels.
void KeepOffKey(Image& img);

// Tiny 3 x 5 font of capitals, digits, '!' and '?' for labels and codes.
void DrawText3x5(Image& img, int x, int y, std::string_view text, uint32_t colour, int scale = 1);
int Text3x5Width(std::string_view text, int scale = 1);
void DrawDigits3x5(Image& img, int x, int y, int number, uint32_t colour, int scale = 1);
int Digits3x5Width(int number, int scale = 1);

// Big rendered word, for the game's name on the title pages.
void DrawTitleWord(Layer& layer, const std::string& word, float x, float y, float height, Col face, Col rim);
float TitleWordWidth(const std::string& word, float height);

}  // namespace art
