#include "scenery.h"

#include "sheets.h"

namespace art {

// ---------------------------------------------------------------- materials

void PaintParchment(Image& img, int x0, int y0, int w, int h, uint32_t seed, float darkness) {
    const Col base = Rgb(pal::kParchment), dark = Rgb(pal::kParchmentDark);
    std::vector<float> mottle = SmoothField(w, h, 4, [seed](float x, float y) { return Fbm(x / 60.0f, y / 60.0f, seed, 4); });
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float big = mottle[size_t(y) * w + x];
            float fine = Fbm(x / 6.0f, y / 6.0f, seed + 17, 2);
            float grain = Hash01(x, y, seed + 31);
            float edge = std::min(std::min(x, w - 1 - x), std::min(y, h - 1 - y)) / 28.0f;
            float k = std::clamp(darkness + (big - 0.5f) * 0.55f + (1.0f - std::min(edge, 1.0f)) * 0.45f, 0.0f, 1.0f);
            Col c = Mix(base, dark, k);
            c = Add(c, (fine - 0.5f) * 10.0f + (grain - 0.5f) * 5.0f);
            img.Set(x0 + x, y0 + y, ToRgb(c));
        }
}

void PaintStoneWall(Image& img, int x0, int y0, int w, int h, uint32_t seed, Col base, int bw, int bh) {
    std::vector<float> stoneNoise = SmoothField(w, h, 2, [seed](float x, float y) { return Fbm(x / 9.0f, y / 9.0f, seed + 5, 3); });
    for (int y = 0; y < h; ++y) {
        int row = y / bh;
        int offset = (row % 2) ? bw / 2 : 0;
        for (int x = 0; x < w; ++x) {
            int col = (x + offset) / bw;
            int lx = (x + offset) % bw, ly = y % bh;
            float tone = (Hash01(col, row, seed) - 0.5f) * 0.22f;
            float n = stoneNoise[size_t(y) * w + x];
            Col c = Scale(base, 1.0f + tone + (n - 0.5f) * 0.35f);
            c = Add(c, (Hash01(x, y, seed + 9) - 0.5f) * 9.0f);
            if (lx == 0 || ly == 0) c = Scale(base, 0.38f);
            else if (lx == 1 || ly == 1) c = Lighten(c, 0.12f);
            else if (lx == bw - 1 || ly == bh - 1) c = Darken(c, 0.28f);
            img.Set(x0 + x, y0 + y, ToRgb(c));
        }
    }
}

void PaintWood(Image& img, int x0, int y0, int w, int h, uint32_t seed, Col base, bool vertical) {
    const int plank = 26;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float along = vertical ? float(y) : float(x);
            float across = vertical ? float(x) : float(y);
            int p = int(across) / plank;
            float warp = Fbm(along / 40.0f, across / 8.0f, seed + uint32_t(p), 3);
            float grain = std::sin(across * 1.3f + warp * 9.0f + float(p) * 2.1f) * 0.5f + 0.5f;
            float tone = (Hash01(p, 0, seed) - 0.5f) * 0.2f;
            Col c = Scale(base, 0.9f + tone + grain * 0.22f);
            c = Add(c, (Hash01(x, y, seed + 3) - 0.5f) * 6.0f);
            int inPlank = int(across) % plank;
            if (inPlank == 0) c = Scale(base, 0.35f);
            else if (inPlank == 1) c = Lighten(c, 0.1f);
            img.Set(x0 + x, y0 + y, ToRgb(c));
        }
}

void PaintFrame(Image& img, int x0, int y0, int w, int h, int width) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int d = std::min(std::min(x, w - 1 - x), std::min(y, h - 1 - y));
            if (d >= width) continue;
            bool lit = std::min(x, y) <= std::min(w - 1 - x, h - 1 - y);
            Col c;
            if (d == 0) c = Rgb(0x140C06);
            else if (d == width - 2) c = lit ? Rgb(pal::kGiltLight) : Rgb(pal::kGilt);
            else if (d == width - 1) c = Rgb(0x3A2410);
            else {
                c = Add(Rgb(pal::kWood), (Fbm(float(x + y) / 7.0f, float(d), 13, 2) - 0.5f) * 24.0f);
                c = lit ? Lighten(c, 0.12f) : Darken(c, 0.15f);
            }
            img.Set(x0 + x, y0 + y, ToRgb(c));
        }
}

namespace scene {

void Sky(Image& img, int x0, int y0, int w, int h, Col top, Col mid, Col bottom, float midAt) {
    for (int y = 0; y < h; ++y) {
        float t = float(y) / float(std::max(1, h - 1));
        Col c = t < midAt ? Mix(top, mid, t / midAt) : Mix(mid, bottom, (t - midAt) / (1 - midAt));
        for (int x = 0; x < w; ++x) {
            float dither = (Hash01(x, y, 4242) - 0.5f) * 3.0f;
            img.Set(x0 + x, y0 + y, ToRgb(Add(c, dither)));
        }
    }
}

void Stars(Image& img, int x0, int y0, int w, int h, uint32_t seed, int count, float maxB) {
    Rng r(seed);
    for (int i = 0; i < count; ++i) {
        int x = x0 + int(r.F() * w), y = y0 + int(r.F() * r.F() * h);
        float b = r.Range(0.3f, 1.0f) * maxB;
        Col c = Mix(Rgb(img.Get(x, y)), Col{255, 250, 230}, b);
        img.Set(x, y, ToRgb(c));
        if (b > 0.8f * maxB) {
            for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                img.Set(x + dx, y + dy, ToRgb(Mix(Rgb(img.Get(x + dx, y + dy)), Col{255, 250, 230}, b * 0.4f)));
        }
    }
}

void Clouds(Image& img, int x0, int y0, int w, int h, uint32_t seed, Col tint, float amount) {
    std::vector<float> field = SmoothField(w, h, 3, [seed](float x, float y) { return Fbm(x / 120.0f, y / 30.0f, seed, 5); });
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float n = field[size_t(y) * w + x];
            float fade = std::min(1.0f, std::min(float(y), float(h - 1 - y)) / (h * 0.3f));
            float k = std::clamp((n - 0.52f) * 3.0f, 0.0f, 1.0f) * amount * fade;
            if (k <= 0) continue;
            img.Set(x0 + x, y0 + y, ToRgb(Mix(Rgb(img.Get(x0 + x, y0 + y)), tint, k)));
        }
}

void Ridge(Image& img, int y0, float baseline, float amp, float scale, uint32_t seed, Col c, Col below) {
    for (int x = 0; x < img.width; ++x) {
        float top = baseline - (Fbm(x / scale, 0.5f, seed, 4) - 0.5f) * 2.0f * amp;
        for (int y = std::max(y0, int(top)); y < img.height; ++y) {
            float t = std::clamp((y - top) / 120.0f, 0.0f, 1.0f);
            Col k = Mix(c, below, t);
            if (y == int(top)) {
                float cover = 1.0f - (top - std::floor(top));
                k = Mix(Rgb(img.Get(x, y)), k, cover);
            }
            img.Set(x, y, ToRgb(Add(k, (Hash01(x, y, seed) - 0.5f) * 4.0f)));
        }
    }
}

void Castle(Image& img, float cx, float baseY, float size, Col c, Col windows, uint32_t seed) {
    Layer L(img.width, img.height);
    float u = size / 100.0f;
    Rng r(seed);
    auto tower = [&](float x, float w, float hgt, bool spire) {
        float top = baseY - hgt * u;
        L.Fill(sdf::Box(cx + (x - w / 2) * u, top, cx + (x + w / 2) * u, baseY + 2), c);
        if (spire) {
            L.Fill(sdf::Poly{{{cx + (x - w / 2 - 2) * u, top + 1}, {cx + (x + w / 2 + 2) * u, top + 1}, {cx + x * u, top - w * 1.3f * u}}}, c);
        } else {
            for (float bx = x - w / 2; bx < x + w / 2 - 1; bx += 4)
                L.Fill(sdf::Box(cx + bx * u, top - 3 * u, cx + (bx + 2) * u, top + 0.5f), c);
        }
        for (int k = 0; k < 3; ++k) {
            if (r.F() < 0.45f) continue;
            float wy = top + (8 + k * 11) * u;
            if (wy > baseY - 6 * u) break;
            L.Fill(sdf::Box(cx + (x - 0.8f) * u, wy, cx + (x + 0.8f) * u, wy + 3.2f * u), windows);
        }
    };
    L.Fill(sdf::Box(cx - 42 * u, baseY - 26 * u, cx + 42 * u, baseY + 2), c);
    for (float bx = -42; bx < 41; bx += 5) L.Fill(sdf::Box(cx + bx * u, baseY - 29 * u, cx + (bx + 2.5f) * u, baseY - 25 * u), c);
    tower(-40, 10, 40, false);
    tower(40, 10, 40, false);
    tower(-20, 12, 55, true);
    tower(20, 12, 50, true);
    tower(0, 16, 75, true);
    tower(8, 6, 88, true);
    L.Fill(sdf::Box(cx - 5 * u, baseY - 12 * u, cx + 5 * u, baseY + 2, 4 * u), Darken(c, 0.5f));
    Stamp(L, img, 0, 0);
}

void DeadTree(Image& img, float x, float baseY, float height, Col c, uint32_t seed) {
    Layer L(img.width, img.height);
    Rng r(seed);
    struct Branch {
        float x, y, ang, len, w;
        int depth;
    };
    std::vector<Branch> stack{{x, baseY, -90.0f, height * 0.42f, height * 0.05f, 0}};
    while (!stack.empty()) {
        Branch b = stack.back();
        stack.pop_back();
        float a = b.ang * 3.14159265f / 180.0f;
        float ex = b.x + std::cos(a) * b.len, ey = b.y + std::sin(a) * b.len;
        L.Fill(sdf::Seg(b.x, b.y, ex, ey, std::max(0.6f, b.w)), c);
        if (b.depth >= 5) continue;
        int kids = b.depth == 0 ? 3 : 2;
        for (int k = 0; k < kids; ++k)
            stack.push_back({ex, ey, b.ang + r.Range(-38, 38), b.len * r.Range(0.55f, 0.75f), b.w * 0.62f, b.depth + 1});
    }
    Stamp(L, img, 0, 0);
}

void PineTree(Layer& L, float x, float baseY, float h, Col c) {
    L.Fill(sdf::Box(x - h * 0.04f, baseY - h * 0.25f, x + h * 0.04f, baseY), Darken(c, 0.3f));
    for (int k = 0; k < 3; ++k) {
        float top = baseY - h + k * h * 0.22f;
        float bot = baseY - h * 0.2f - (2 - k) * h * 0.16f;
        float half = h * (0.16f + k * 0.07f);
        L.Fill(sdf::Poly{{{x, top}, {x + half, bot}, {x - half, bot}}}, c);
    }
}

void Moon(Image& img, float cx, float cy, float r, Col c, float glow) {
    for (int y = int(cy - r * 4); y <= int(cy + r * 4); ++y)
        for (int x = int(cx - r * 4); x <= int(cx + r * 4); ++x) {
            if (!img.Inside(x, y)) continue;
            float d = sdf::Len(x + 0.5f - cx, y + 0.5f - cy);
            Col bg = Rgb(img.Get(x, y));
            if (d < r + 0.5f) {
                float cover = std::clamp(r + 0.5f - d, 0.0f, 1.0f);
                float n = Fbm(x / 6.0f, y / 6.0f, 88, 3);
                Col m = Scale(c, 0.85f + n * 0.25f);
                img.Set(x, y, ToRgb(Mix(bg, m, cover)));
            } else {
                float g = glow * std::exp(-(d - r) / (r * 0.9f));
                img.Set(x, y, ToRgb(Mix(bg, c, std::clamp(g, 0.0f, 1.0f))));
            }
        }
}

void Vignette(Image& img, float strength) {
    float cx = img.width / 2.0f, cy = img.height / 2.0f;
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            float dx = (x - cx) / cx, dy = (y - cy) / cy;
            float k = std::clamp((dx * dx + dy * dy - 0.45f) * strength, 0.0f, 0.9f);
            img.Set(x, y, ToRgb(Darken(Rgb(img.Get(x, y)), k)));
        }
}

}  // namespace scene
}  // namespace art
