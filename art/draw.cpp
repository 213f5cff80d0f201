#include "draw.h"
#include "ink.h"


namespace art {

uint32_t ToRgb(Col c) {
    auto q = [](float v) { return uint32_t(std::clamp(int(std::lround(v)), 0, 255)); };
    uint32_t out = q(c.r) << 16 | q(c.g) << 8 | q(c.b);
    // A painted colour must never be the transparent one itself.
    if (out == kKeyColour) out ^= 0x000008;
    return out;
}

Col Hsv(float h, float s, float v) {
    h = std::fmod(std::fmod(h, 360.0f) + 360.0f, 360.0f) / 60.0f;
    int i = int(h);
    float f = h - float(i);
    float p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    float r, g, b;
    switch (i) {
        case 0: r = v, g = t, b = p; break;
        case 1: r = q, g = v, b = p; break;
        case 2: r = p, g = v, b = t; break;
        case 3: r = p, g = q, b = v; break;
        case 4: r = t, g = p, b = v; break;
        default: r = v, g = p, b = q; break;
    }
    return Col{r * 255, g * 255, b * 255};
}

// ---------------------------------------------------------------- noise

uint32_t Hash(uint32_t x) {
    x ^= x >> 16;
    x *= 0x7FEB352Du;
    x ^= x >> 15;
    x *= 0x846CA68Bu;
    x ^= x >> 16;
    return x;
}

uint32_t Hash3(int x, int y, uint32_t seed) {
    return Hash(uint32_t(x) * 0x9E3779B1u ^ Hash(uint32_t(y) * 0x85EBCA77u ^ Hash(seed + 0x632BE5ABu)));
}

float Hash01(int x, int y, uint32_t seed) { return float(Hash3(x, y, seed) >> 8) / 16777216.0f; }

static int Wrap(int v, int period) {
    if (period <= 0) return v;
    v %= period;
    return v < 0 ? v + period : v;
}

float ValueNoise(float x, float y, uint32_t seed, int px, int py) {
    float fx = std::floor(x), fy = std::floor(y);
    int ix = int(fx), iy = int(fy);
    float tx = x - fx, ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    int x0 = Wrap(ix, px), x1 = Wrap(ix + 1, px), y0 = Wrap(iy, py), y1 = Wrap(iy + 1, py);
    float a = Hash01(x0, y0, seed), b = Hash01(x1, y0, seed), c = Hash01(x0, y1, seed), d = Hash01(x1, y1, seed);
    return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
}

float Fbm(float x, float y, uint32_t seed, int octaves, int px, int py) {
    float sum = 0, amp = 0.5f, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * ValueNoise(x, y, seed + uint32_t(o) * 7919u, px, py);
        norm += amp;
        amp *= 0.5f;
        x *= 2;
        y *= 2;
        px *= 2;
        py *= 2;
    }
    return sum / norm;
}

std::vector<float> SmoothField(int w, int h, int step, const std::function<float(float, float)>& f) {
    const int gw = w / step + 2, gh = h / step + 2;
    std::vector<float> grid(size_t(gw) * gh);
    for (int j = 0; j < gh; ++j)
        for (int i = 0; i < gw; ++i) grid[size_t(j) * gw + i] = f(float(i * step), float(j * step));
    std::vector<float> out(size_t(w) * h);
    for (int y = 0; y < h; ++y) {
        int j = y / step;
        float ty = float(y - j * step) / float(step);
        for (int x = 0; x < w; ++x) {
            int i = x / step;
            float tx = float(x - i * step) / float(step);
            const float* g0 = &grid[size_t(j) * gw + i];
            const float* g1 = g0 + gw;
            out[size_t(y) * w + x] = (g0[0] + (g0[1] - g0[0]) * tx) * (1 - ty) + (g1[0] + (g1[1] - g1[0]) * tx) * ty;
        }
    }
    return out;
}

std::vector<V2> RegularPoly(float cx, float cy, float r, int n, float rotDeg) {
    std::vector<V2> v;
    for (int i = 0; i < n; ++i) {
        float a = (rotDeg + 360.0f * float(i) / float(n)) * 3.14159265f / 180.0f;
        v.push_back({cx + r * std::sin(a), cy - r * std::cos(a)});
    }
    return v;
}

std::vector<V2> Star(float cx, float cy, float ro, float ri, int points, float rotDeg) {
    std::vector<V2> v;
    for (int i = 0; i < points * 2; ++i) {
        float a = (rotDeg + 180.0f * float(i) / float(points)) * 3.14159265f / 180.0f;
        float r = (i % 2) ? ri : ro;
        v.push_back({cx + r * std::sin(a), cy - r * std::cos(a)});
    }
    return v;
}

// ---------------------------------------------------------------- layer

void Layer::DrawOn(Layer& dst, int dx, int dy) const {
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) {
            size_t i = Idx(x, y);
            float a = p_[i + 3];
            if (a <= 0) continue;
            int tx = x + dx, ty = y + dy;
            if (!dst.In(tx, ty)) continue;
            size_t j = dst.Idx(tx, ty);
            for (int k = 0; k < 3; ++k) dst.p_[j + k] = dst.p_[j + k] * (1 - a) + p_[i + k];
            dst.p_[j + 3] = dst.p_[j + 3] * (1 - a) + a;
        }
}

void Stamp(const Layer& layer, Image& img, int ox, int oy) {
    for (int y = 0; y < layer.h_; ++y)
        for (int x = 0; x < layer.w_; ++x) {
            int tx = ox + x, ty = oy + y;
            if (!img.Inside(tx, ty)) continue;
            size_t i = layer.Idx(x, y);
            float a = layer.p_[i + 3];
            if (a <= 0.002f) continue;
            uint32_t& dst = img.rgb[size_t(ty) * img.width + tx];
            if (dst == kKeyColour) {
                if (a < 0.5f) continue;
                dst = ToRgb(Col{layer.p_[i] / a, layer.p_[i + 1] / a, layer.p_[i + 2] / a});
            } else {
                Col d = Rgb(dst);
                dst = ToRgb(Col{layer.p_[i] + d.r * (1 - a), layer.p_[i + 1] + d.g * (1 - a), layer.p_[i + 2] + d.b * (1 - a)});
            }
        }
}

// ---------------------------------------------------------------- image helpers

void FillRect(Image& img, int x, int y, int w, int h, uint32_t c) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) img.Set(i, j, c);
}

void Blit(const Image& src, int sx, int sy, int w, int h, Image& dst, int dx, int dy) {
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            if (src.Inside(sx + i, sy + j)) dst.Set(dx + i, dy + j, src.Get(sx + i, sy + j));
}

Image Mirrored(const Image& img) {
    Image out(img.width, img.height, kKeyColour);
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) out.Set(img.width - 1 - x, y, img.Get(x, y));
    return out;
}

Image Crop(const Image& src, int x, int y, int w, int h) {
    Image out(w, h, kKeyColour);
    Blit(src, x, y, w, h, out, 0, 0);
    return out;
}

void KeepOffKey(Image& img) {
    auto to565 = [](uint32_t c) { return ((c >> 19) & 0x1F) << 11 | ((c >> 10) & 0x3F) << 5 | ((c >> 3) & 0x1F); };
    const uint32_t key = to565(kKeyColour);
    for (uint32_t& c : img.rgb) {
        if (c == kKeyColour || to565(c) != key) continue;
        // Move the blue channel out of the key's 16-bit bucket.
        uint32_t b = c & 0xFF;
        b = b >= 8 ? b - 8 : b + 8;
        c = (c & 0xFFFF00) | b;
    }
}

// ---------------------------------------------------------------- 3 x 5 letters and digits

// Each glyph is 15 bits, rows top first, the left column the highest bit of its row.
static uint16_t Glyph3x5(char ch) {
    static const uint16_t kLetters[26] = {
        0x2BED, 0x6BAE, 0x3923, 0x6B6E, 0x79A7, 0x79A4, 0x396B, 0x5BED, 0x7497, 0x126A, 0x5BAD, 0x4927, 0x5FED,
        0x6B6D, 0x2B6A, 0x6BA4, 0x2B73, 0x6BAD, 0x388E, 0x7492, 0x5B6F, 0x5B6A, 0x5BFD, 0x5AAD, 0x5AA4, 0x72A7,
    };
    static const uint16_t kDigits[10] = {0x7B6F, 0x2C97, 0x73E7, 0x73CF, 0x5BC9, 0x79CF, 0x79EF, 0x7292, 0x7BEF, 0x7BCF};
    if (ch >= 'A' && ch <= 'Z') return kLetters[ch - 'A'];
    if (ch >= '0' && ch <= '9') return kDigits[ch - '0'];
    if (ch == '!') return 0x2482;
    if (ch == '?') return 0x7282;
    return 0;
}

int Text3x5Width(std::string_view text, int scale) { return (int(text.size()) * 4 - 1) * scale; }

void DrawText3x5(Image& img, int x, int y, std::string_view text, uint32_t colour, int scale) {
    for (char ch : text) {
        const uint16_t bits = Glyph3x5(ch);
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 3; ++c)
                if (bits >> (14 - (r * 3 + c)) & 1) FillRect(img, x + c * scale, y + r * scale, scale, scale, colour);
        x += 4 * scale;
    }
}

int Digits3x5Width(int number, int scale) { return Text3x5Width(std::to_string(std::abs(number)), scale); }

void DrawDigits3x5(Image& img, int x, int y, int number, uint32_t colour, int scale) {
    DrawText3x5(img, x, y, std::to_string(std::abs(number)), colour, scale);
}

// ---------------------------------------------------------------- title lettering

namespace {

struct Glyph {
    float advance;
    std::vector<std::vector<V2>> strokes;  // open polylines in a 1-high box, y down
    std::vector<std::vector<V2>> serifs;   // thinner strokes
};

std::vector<V2> Arc(float cx, float cy, float rx, float ry, float a0, float a1, int steps) {
    std::vector<V2> v;
    for (int i = 0; i <= steps; ++i) {
        float a = (a0 + (a1 - a0) * float(i) / float(steps)) * 3.14159265f / 180.0f;
        v.push_back({cx + rx * std::cos(a), cy - ry * std::sin(a)});
    }
    return v;
}

Glyph TitleGlyph(char ch) {
    switch (ch) {
        case 'V':
            return {0.95f, {{{0.02f, 0.02f}, {0.46f, 1.0f}, {0.9f, 0.02f}}}, {{{-0.1f, 0.02f}, {0.18f, 0.02f}}, {{0.76f, 0.02f}, {1.02f, 0.02f}}}};
        case 'E':
            return {0.8f,
                    {{{0.08f, 0.02f}, {0.08f, 0.98f}}, {{0.08f, 0.02f}, {0.66f, 0.02f}}, {{0.08f, 0.5f}, {0.52f, 0.5f}}, {{0.08f, 0.98f}, {0.7f, 0.98f}}},
                    {{{0.66f, 0.02f}, {0.68f, 0.16f}}, {{0.7f, 0.98f}, {0.72f, 0.82f}}, {{-0.04f, 0.02f}, {0.08f, 0.02f}}, {{-0.04f, 0.98f}, {0.08f, 0.98f}}}};
        case 'X':
            return {0.95f,
                    {{{0.04f, 0.02f}, {0.84f, 0.98f}}, {{0.84f, 0.02f}, {0.04f, 0.98f}}},
                    {{{-0.08f, 0.02f}, {0.18f, 0.02f}}, {{0.7f, 0.02f}, {0.96f, 0.02f}}, {{-0.08f, 0.98f}, {0.18f, 0.98f}}, {{0.7f, 0.98f}, {0.96f, 0.98f}}}};
        case 'M':
            return {1.15f,
                    {{{0.06f, 0.98f}, {0.1f, 0.02f}, {0.54f, 0.8f}, {0.98f, 0.02f}, {1.02f, 0.98f}}},
                    {{{-0.06f, 0.98f}, {0.2f, 0.98f}}, {{0.9f, 0.98f}, {1.14f, 0.98f}}}};
        case 'O':
            return {1.0f, {Arc(0.46f, 0.5f, 0.4f, 0.48f, 0, 360, 48)}, {}};
        case 'R': {
            std::vector<V2> bowl = {{0.08f, 0.02f}, {0.42f, 0.02f}};
            auto a = Arc(0.42f, 0.26f, 0.26f, 0.24f, 90, -90, 16);
            bowl.insert(bowl.end(), a.begin(), a.end());
            bowl.push_back({0.08f, 0.5f});
            return {0.92f,
                    {{{0.08f, 0.02f}, {0.08f, 0.98f}}, bowl, {{0.36f, 0.5f}, {0.8f, 0.98f}}},
                    {{{-0.04f, 0.98f}, {0.22f, 0.98f}}, {{0.7f, 0.98f}, {0.9f, 0.98f}}, {{-0.04f, 0.02f}, {0.08f, 0.02f}}}};
        }
        default:
            return {0.6f, {}, {}};
    }
}

}  // namespace

static float LetterScale(char ch) { return (ch >= 'a' && ch <= 'z') ? 0.78f : 1.0f; }

float TitleWordWidth(const std::string& word, float height) {
    float w = 0;
    for (char ch : word) {
        float s = LetterScale(ch) * height;
        w += (TitleGlyph(char(std::toupper(static_cast<unsigned char>(ch)))).advance + 0.12f) * s;
    }
    return w;
}

void DrawTitleWord(Layer& layer, const std::string& word, float x, float baseline, float height, Col face, Col rim) {
    // Every letter becomes a set of thick strokes; the rim is the same set grown outward.
    std::vector<sdf::Path> paths;
    float cx = x;
    for (char ch : word) {
        float s = LetterScale(ch) * height;
        Glyph g = TitleGlyph(char(std::toupper(static_cast<unsigned char>(ch))));
        float top = baseline - s;
        for (auto& st : g.strokes) {
            sdf::Path p{{}, height * 0.075f};
            for (V2 v : st) p.v.push_back({cx + v.x * s, top + v.y * s});
            paths.push_back(p);
        }
        for (auto& st : g.serifs) {
            sdf::Path p{{}, height * 0.035f};
            for (V2 v : st) p.v.push_back({cx + v.x * s, top + v.y * s});
            paths.push_back(p);
        }
        cx += (g.advance + 0.12f) * s;
    }
    // Distance to the nearest stroke, computed once per pixel of the lettering's box; a stroke
    // is only measured when its bounding box could be nearer than the best so far.
    struct Bounds {
        float x0, y0, x1, y1;
    };
    std::vector<Bounds> bounds;
    for (auto& p : paths) {
        Bounds b{1e9f, 1e9f, -1e9f, -1e9f};
        for (V2 v : p.v) b = {std::min(b.x0, v.x), std::min(b.y0, v.y), std::max(b.x1, v.x), std::max(b.y1, v.y)};
        bounds.push_back({b.x0 - p.half, b.y0 - p.half, b.x1 + p.half, b.y1 + p.half});
    }
    const int gx0 = int(x - height * 0.3f), gy0 = int(baseline - height * 1.3f);
    const int gw = int(cx + height * 0.3f) - gx0 + 2, gh = int(height * 1.6f) + 2;
    std::vector<float> field(size_t(gw) * gh);
    for (int j = 0; j < gh; ++j)
        for (int i = 0; i < gw; ++i) {
            float px = gx0 + i + 0.5f, py = gy0 + j + 0.5f;
            float d = 1e9f;
            for (size_t k = 0; k < paths.size(); ++k) {
                const Bounds& b = bounds[k];
                float bx = std::max(std::max(b.x0 - px, px - b.x1), 0.0f), by = std::max(std::max(b.y0 - py, py - b.y1), 0.0f);
                if (bx * bx + by * by >= d * d && d < 1e8f) continue;
                d = std::min(d, paths[k](px, py));
            }
            field[size_t(j) * gw + i] = d;
        }
    auto all = [&](float px, float py) {
        float fx = px - gx0 - 0.5f, fy = py - gy0 - 0.5f;
        int i = int(std::floor(fx)), j = int(std::floor(fy));
        if (i < 0 || j < 0 || i + 1 >= gw || j + 1 >= gh) return 1e3f;
        float tx = fx - float(i), ty = fy - float(j);
        const float* a = &field[size_t(j) * gw + i];
        return (a[0] + (a[1] - a[0]) * tx) * (1 - ty) + (a[gw] + (a[gw + 1] - a[gw]) * tx) * ty;
    };
    Rect box{int(x - height * 0.3f), int(baseline - height * 1.3f), int(cx + height * 0.3f), int(baseline + height * 0.3f)};
    float rimW = std::max(1.5f, height * 0.035f);
    // Drop shadow, rim, then a vertically graded face.
    layer.PaintIn(box, [&](float px, float py) { return all(px - height * 0.04f, py - height * 0.05f) - rimW; },
                  [](float, float) { return Col{0, 0, 0}; }, 0.55f);
    layer.PaintIn(box, [&](float px, float py) { return all(px, py) - rimW; }, [&](float, float) { return rim; });
    float top = baseline - height;
    layer.PaintIn(box, all, [&](float px, float py) {
        float t = std::clamp((py - top) / height, 0.0f, 1.0f);
        Col c = t < 0.45f ? Mix(Lighten(face, 0.55f), face, t / 0.45f) : Mix(face, Darken(face, 0.35f), (t - 0.45f) / 0.55f);
        float d = all(px, py);
        // a bright bevel along the upper-left of each stroke
        float gx = all(px + 0.5f, py) - all(px - 0.5f, py), gy = all(px, py + 0.5f) - all(px, py - 0.5f);
        float gl = std::sqrt(gx * gx + gy * gy);
        if (gl > 1e-4f && d > -height * 0.04f) {
            float l = (-gx - gy) / (gl * 1.414f);
            c = l > 0 ? Lighten(c, l * 0.5f) : Darken(c, -l * 0.3f);
        }
        return c;
    });
}

}  // namespace art
