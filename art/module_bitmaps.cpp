// The module's picture files: title, title-menu backdrop, win pages, the campaign's map and two
// more world maps, objective pictures and the custom tile sheet.
#include <cstdio>

#include "scenery.h"
#include "sheets.h"
#include "symbols.h"

namespace art {
namespace {

using namespace sdf;

// ---------------------------------------------------------------- shared landscape

// Dusk over the moor: layered hills, a castle on its crag, stars.
void MoorScene(Image& img, uint32_t seed, Col skyTop, Col skyMid, Col skyLow, float castleX, V2 moon) {
    scene::Sky(img, 0, 0, img.width, img.height, skyTop, skyMid, skyLow, 0.58f);
    scene::Stars(img, 0, 0, img.width, int(img.height * 0.55f), seed, 260, 0.9f);
    scene::Clouds(img, 0, int(img.height * 0.12f), img.width, int(img.height * 0.4f), seed + 1, Lighten(skyMid, 0.15f), 0.45f);
    if (moon.x > 0) scene::Moon(img, moon.x, moon.y, img.height * 0.05f, Rgb(0xF4E6C8), 0.45f);
    scene::Ridge(img, 0, img.height * 0.64f, img.height * 0.06f, 200, seed + 2, Mix(skyMid, Rgb(0x1A1E2A), 0.7f), Rgb(0x141820));
    scene::Castle(img, img.width * castleX, img.height * 0.64f, img.width * 0.26f, Rgb(0x10121A), Rgb(0xF0B040), seed + 3);
    scene::Ridge(img, 0, img.height * 0.74f, img.height * 0.04f, 120, seed + 4, Rgb(0x1C1A18), Rgb(0x0E0C0A));
    Layer L(img.width, img.height);
    Rng r(seed + 5);
    for (int i = 0; i < 26; ++i) {
        float x = r.Range(0, float(img.width)), h = r.Range(18, 44) * img.height / 480.0f;
        scene::PineTree(L, x, img.height * 0.78f + r.Range(0, 14), h, Rgb(0x0A0C0A));
    }
    Stamp(L, img, 0, 0);
    scene::Ridge(img, 0, img.height * 0.86f, img.height * 0.03f, 70, seed + 6, Rgb(0x0C0A08), Rgb(0x050404));
}

void TitleLettering(Image& img, float cx, float baseline, float height) {
    Layer L(img.width, img.height);
    const std::string word = "Vexmoor";
    float w = TitleWordWidth(word, height);
    DrawTitleWord(L, word, cx - w / 2, baseline, height, Rgb(0xE8B848), Rgb(0x2A1404));
    Stamp(L, img, 0, 0);
}

Image TitlePage() {
    Image img(640, 480, 0);
    MoorScene(img, 4001, Rgb(0x0A0C1E), Rgb(0x3A2A4A), Rgb(0xC07848), 0.68f, V2{596, 40});
    TitleLettering(img, 320, 150, 84);
    return img;
}

// A rolled scroll with room for the menu labels.
void MenuScroll(Image& img, int x0, int y0, int x1, int y1) {
    Layer L(img.width, img.height);
    auto sheet = Box(float(x0), float(y0 + 10), float(x1), float(y1 - 10));
    L.Shadow(sheet, 6, 8, 10, 0.55f);
    L.Fill(Grow(sheet, 1), Rgb(0x5A3A1C));
    L.Paint(sheet, [&](float x, float y) {
        float e = -sheet(x, y);
        float n = Fbm(x / 40, y / 40, 4101, 3);
        Col c = Mix(Rgb(0xF0E2BE), Rgb(0xD8C090), std::clamp((n - 0.5f) * 0.5f + (1 - std::min(e / 18.0f, 1.0f)) * 0.6f, 0.0f, 1.0f));
        return Add(c, (Hash01(int(x), int(y), 4102) - 0.5f) * 5);
    });
    for (int which = 0; which < 2; ++which) {
        float ry0 = which == 0 ? float(y0 - 6) : float(y1 - 16), ry1 = ry0 + 22;
        auto roll = Box(float(x0 - 10), ry0, float(x1 + 10), ry1, 9);
        L.Fill(Grow(roll, 1), Rgb(0x1E120A));
        L.Paint(roll, [&](float, float y) {
            float t = (y - ry0) / 22.0f;
            return Scale(Rgb(0xDCC490), 0.6f + 0.55f * std::sin(t * 3.14159265f));
        });
        for (float kx : {float(x0 - 22), float(x1 + 10)}) {
            auto knob = Box(kx, ry0 + 3, kx + 12, ry1 - 3, 3);
            L.Fill(Grow(knob, 1), Rgb(0x1E120A));
            L.Paint(knob, [&](float, float y) { return Scale(Rgb(0x9A6A34), 0.55f + 0.6f * std::sin((y - ry0) / 22.0f * 3.14159265f)); });
        }
    }
    Stamp(L, img, 0, 0);
}

Image MenuPage() {
    Image img(640, 480, 0);
    MoorScene(img, 4201, Rgb(0x06081A), Rgb(0x2A2848), Rgb(0x8A4A3A), 0.16f, V2{590, 186});
    TitleLettering(img, 320, 112, 70);
    MenuScroll(img, 208, 140, 432, 352);
    // a plinth under the construction-kit icon in the corner
    Layer L(640, 480);
    L.Fill(Box(4, 444, 46, 476, 4), Rgb(0x0A0806));
    L.Emboss(Box(6, 446, 44, 474, 3), Rgb(0x5A5048), 2, 0.5f);
    L.Fill(Ring(Box(8.5f, 448.5f, 41.5f, 471.5f, 2), 0.5f), Rgb(pal::kGilt));
    Stamp(L, img, 0, 0);
    return img;
}

// Fireworks over the castle: a dark sky keeps the rising white text readable.
Image WinPage1() {
    Image img(640, 480, 0);
    MoorScene(img, 4301, Rgb(0x04061A), Rgb(0x1A1E44), Rgb(0x4A2A3A), 0.5f, V2{0, 0});
    Rng r(4302);
    const Col colours[5] = {Rgb(0xF0C040), Rgb(0xF05050), Rgb(0x60C0F0), Rgb(0x80F080), Rgb(0xF090F0)};
    for (int b = 0; b < 7; ++b) {
        // keep the bursts in the sky, clear of the castle's towers
        float cx = b % 2 ? r.Range(60, 230) : r.Range(410, 580), cy = r.Range(50, 190), rad = r.Range(26, 50);
        if (b == 6) cx = 320, cy = 60;
        Col c = colours[b % 5];
        for (int s = 0; s < 36; ++s) {
            float a = s * 3.14159265f * 2 / 36 + r.Range(-0.05f, 0.05f);
            float len = rad * r.Range(0.75f, 1.05f);
            for (float t = 0.08f; t <= 1.0f; t += 0.02f) {
                int x = int(cx + std::cos(a) * len * t), y = int(cy + std::sin(a) * len * t + t * t * 6);
                if (!img.Inside(x, y)) continue;
                float k = t * (1.0f - t * 0.35f);
                img.Set(x, y, ToRgb(Mix(Rgb(img.Get(x, y)), c, std::clamp(k, 0.0f, 1.0f))));
            }
        }
    }
    return img;
}

// A crown on a cushion in a beam of light, low in the picture, under a velvet darkness.
Image WinPage2() {
    Image img(640, 480, 0);
    std::vector<float> folds = SmoothField(640, 480, 4, [](float x, float y) { return Fbm(x / 50.0f, y / 120.0f, 4401, 3); });
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            float beam = std::max(0.0f, 1.0f - std::fabs(x - 320.0f + (y - 480) * 0.12f) / (60.0f + y * 0.25f));
            float fold = std::sin(x * 0.06f + folds[size_t(y) * 640 + x] * 5.0f) * 0.5f + 0.5f;
            Col c = Mix(Rgb(0x1A0612), Rgb(0x40101E), fold * 0.6f);
            c = Mix(c, Rgb(0xF0D090), beam * beam * 0.35f * (y / 480.0f));
            img.Set(x, y, ToRgb(c));
        }
    Layer L(640, 480);
    L.Fill(Box(230, 430, 410, 480, 4), Rgb(0x2A1A10));
    L.Emboss(Box(232, 432, 408, 480, 3), Rgb(0x6A4A2A), 4, 0.5f);
    L.Shadow(Ellipse(320, 418, 82, 20), 0, 6, 10, 0.5f);
    sym::InkEmboss(L, Ellipse(320, 416, 80, 20), Rgb(0x7A1420), 10, 0.5f);
    for (V2 p : {V2{244, 412}, V2{396, 412}}) sym::Ink(L, Circle(p.x, p.y, 5), Rgb(pal::kGilt));
    sym::Crown(L, 320, 370, 104, Rgb(0xE8B840));
    // hanging banners on both sides
    for (int side = 0; side < 2; ++side) {
        float x0 = side == 0 ? 70.0f : 500.0f, x1 = x0 + 70;
        L.Fill(Box(x0 - 12, 14, x1 + 12, 20, 3), Rgb(0x5A3A1C));
        Poly banner{{{x0, 18}, {x1, 18}, {x1, 300}, {(x0 + x1) / 2, 270}, {x0, 300}}};
        sym::Ink(L, banner, Rgb(0x1E3A7A), Rgb(0x0A0A14), 1.5f);
        L.Fill(Ring(Poly{{{x0 + 6, 24}, {x1 - 6, 24}, {x1 - 6, 286}, {(x0 + x1) / 2, 260}, {x0 + 6, 286}}}, 1.0f), Rgb(pal::kGilt));
        if (side == 0) sym::Tower(L, (x0 + x1) / 2, 120, 46, Rgb(0xE0B840));
        else sym::StarShape(L, (x0 + x1) / 2, 120, 44, 5, Rgb(0xE0B840));
    }
    Stamp(L, img, 0, 0);
    scene::Vignette(img, 0.7f);
    return img;
}

// ---------------------------------------------------------------- world maps

struct MapField {
    int w, h;
    std::vector<float> height;
    float At(int x, int y) const { return height[size_t(std::clamp(y, 0, h - 1)) * w + std::clamp(x, 0, w - 1)]; }
};

MapField MakeHeights(int w, int h, uint32_t seed, float landBias) {
    auto height = [=](float x, float y) {
        float nx = (x - w / 2.0f) / (w / 2.0f), ny = (y - h / 2.0f) / (h / 2.0f);
        float falloff = 1.0f - std::min(1.0f, nx * nx * 0.7f + ny * ny * 0.9f);
        return Fbm(x / 140.0f, y / 140.0f, seed, 6) * 0.75f + falloff * 0.45f + landBias;
    };
    return MapField{w, h, SmoothField(w, h, 2, height)};
}

void Mountain(Layer& L, float x, float y, float s) {
    Poly m{{{x - s, y}, {x - s * 0.15f, y - s * 1.2f}, {x + s * 0.2f, y - s * 0.95f}, {x + s, y}}};
    L.Fill(m, Rgb(0xE8D6AA));
    L.Fill(Poly{{{x - s * 0.15f, y - s * 1.2f}, {x + s * 0.2f, y - s * 0.95f}, {x + s, y}, {x + s * 0.05f, y}}}, Rgb(0xB8986A));
    L.Fill(Ring(m, 0.55f), Rgb(0x4A3018));
    for (int k = 1; k < 4; ++k) {
        float t = float(k) / 4.0f;
        L.Fill(Seg(x + s * 0.1f + t * s * 0.5f, y - s * 0.9f + t * s * 0.8f, x + s * 0.3f + t * s * 0.5f, y - s * 0.2f, 0.35f), Rgb(0x6A4A28), 0.7f);
    }
}

void TreeMark(Layer& L, float x, float y, float s, Col c) {
    L.Fill(Seg(x, y, x, y - s * 0.6f, 0.45f), Rgb(0x4A3018));
    L.Fill(Circle(x, y - s, s * 0.62f), Rgb(0x2A3A18));
    L.Fill(Circle(x - s * 0.12f, y - s * 1.08f, s * 0.45f), c);
}

void TownMark(Layer& L, float x, float y, bool city) {
    if (city) {
        sym::Tower(L, x, y, 16, Rgb(0xD8C8A8));
        L.Fill(Poly{{{x - 1, y - 12}, {x + 5, y - 10}, {x - 1, y - 8}}}, Rgb(0xB02020));
    } else {
        sym::Ink(L, Box(x - 4, y - 3, x + 4, y + 3), Rgb(0xE8D8B8), Rgb(0x3A2410), 0.8f);
        sym::Ink(L, Poly{{{x - 5.5f, y - 3}, {x + 5.5f, y - 3}, {x, y - 8}}}, Rgb(0xA83020), Rgb(0x3A2410), 0.8f);
    }
}

void CompassRose(Layer& L, float cx, float cy, float r) {
    L.Fill(Ring(Circle(cx, cy, r * 0.72f), 0.7f), Rgb(0x4A3018));
    L.Fill(Ring(Circle(cx, cy, r * 0.64f), 0.4f), Rgb(0x4A3018));
    for (int k = 0; k < 8; ++k) {
        float a = k * 3.14159265f / 4;
        float len = (k % 2) ? r * 0.6f : r;
        V2 tip{cx + std::sin(a) * len, cy - std::cos(a) * len};
        V2 l{cx + std::sin(a - 0.5f) * r * 0.16f, cy - std::cos(a - 0.5f) * r * 0.16f};
        V2 rr{cx + std::sin(a + 0.5f) * r * 0.16f, cy - std::cos(a + 0.5f) * r * 0.16f};
        L.Fill(Poly{{tip, l, {cx, cy}}}, k == 0 ? Rgb(0xA82020) : Rgb(0x3A2A1A));
        L.Fill(Poly{{tip, rr, {cx, cy}}}, Rgb(0xE8D8B0));
        L.Fill(Ring(Poly{{tip, l, {cx, cy}, rr}}, 0.4f), Rgb(0x3A2410));
    }
    L.Fill(Circle(cx, cy, 2.2f), Rgb(pal::kGilt));
}

Image WorldMap(uint32_t seed, float landBias) {
    const int W = 640, H = 480, mx0 = 14, my0 = 14, mx1 = 626, my1 = 434;
    Image img(W, H, 0);
    PaintParchment(img, 0, 0, W, H, seed + 1, 0.05f);
    MapField f = MakeHeights(W, H, seed, landBias);
    const float sea = 0.62f;
    auto land = [&](int x, int y) { return f.At(x, y) >= sea; };
    // sea wash with ripple lines that follow the coast
    for (int y = my0; y < my1; ++y)
        for (int x = mx0; x < mx1; ++x) {
            float v = f.At(x, y);
            Col c = Rgb(img.Get(x, y));
            if (v < sea) {
                float depth = sea - v;
                c = Mix(c, Rgb(0x8AA8B0), std::clamp(0.28f + depth * 1.2f, 0.0f, 0.6f));
                float band = std::fmod(depth * 90.0f, 1.0f);
                if (depth < 0.09f && band < 0.16f) c = Darken(c, 0.18f);
            } else {
                float hgt = (v - sea) / (1.2f - sea);
                c = Mix(c, Rgb(0xC8B07A), std::clamp(hgt * 0.5f, 0.0f, 0.4f));
            }
            img.Set(x, y, ToRgb(c));
        }
    // coastline in ink
    for (int y = my0; y < my1; ++y)
        for (int x = mx0; x < mx1; ++x) {
            bool l = land(x, y);
            if (l && (!land(x + 1, y) || !land(x - 1, y) || !land(x, y + 1) || !land(x, y - 1)))
                img.Set(x, y, 0x3A2814);
        }
    Layer L(W, H);
    // rivers run downhill from high ground to the sea
    Rng r(seed + 7);
    for (int k = 0; k < 4; ++k) {
        float x = 0, y = 0;
        for (int tries = 0; tries < 200; ++tries) {
            x = r.Range(mx0 + 30, mx1 - 30);
            y = r.Range(my0 + 30, my1 - 30);
            if (f.At(int(x), int(y)) > sea + 0.25f) break;
        }
        Path river{{}, 0.8f};
        float dx = 0, dy = 0;
        for (int step = 0; step < 600; ++step) {
            river.v.push_back({x, y});
            if (!land(int(x), int(y)) || x < mx0 || y < my0 || x > mx1 || y > my1) break;
            float gx = f.At(int(x) + 4, int(y)) - f.At(int(x) - 4, int(y));
            float gy = f.At(int(x), int(y) + 4) - f.At(int(x), int(y) - 4);
            float gl = std::sqrt(gx * gx + gy * gy) + 1e-5f;
            float wob = (ValueNoise(x / 25, y / 25, seed + 8) - 0.5f) * 0.8f;
            // downhill, but with momentum so flats do not stop the river
            float nx = -gx / gl + wob * gy / gl, ny = -gy / gl - wob * gx / gl;
            dx = dx * 0.75f + nx * 0.25f;
            dy = dy * 0.75f + ny * 0.25f;
            float dl = std::sqrt(dx * dx + dy * dy) + 1e-5f;
            x += dx / dl * 2.0f;
            y += dy / dl * 2.0f;
        }
        river.half = 0.7f;
        if (river.v.size() > 8) L.Fill(river, Rgb(0x3A6A8A));
    }
    // mountains and forests on a jittered grid
    for (int gy = my0 + 20; gy < my1 - 10; gy += 14)
        for (int gx = mx0 + 12; gx < mx1 - 12; gx += 16) {
            float x = gx + (Hash01(gx, gy, seed + 9) - 0.5f) * 10, y = gy + (Hash01(gx, gy, seed + 10) - 0.5f) * 8;
            float v = f.At(int(x), int(y));
            float moist = Fbm(x / 90, y / 90, seed + 11, 3);
            if (v > sea + 0.27f && Hash01(gx, gy, seed + 14) < 0.8f) Mountain(L, x, y, 7 + (v - sea - 0.27f) * 25);
            else if (v > sea + 0.03f && moist > 0.55f) {
                for (int t = 0; t < 3; ++t)
                    TreeMark(L, x + (Hash01(gx, t, seed + 12) - 0.5f) * 12, y + (Hash01(gy, t, seed + 13) - 0.5f) * 8, 4.5f, Rgb(0x5A7A30));
            }
        }
    // towns joined by roads
    std::vector<V2> towns;
    for (int tries = 0; tries < 4000 && towns.size() < 9; ++tries) {
        V2 p{r.Range(mx0 + 40, mx1 - 40), r.Range(my0 + 40, my1 - 40)};
        float v = f.At(int(p.x), int(p.y));
        if (v < sea + 0.03f || v > sea + 0.16f) continue;
        bool far = true;
        for (V2 t : towns) far = far && Len(t.x - p.x, t.y - p.y) > 70;
        if (far) towns.push_back(p);
    }
    std::vector<bool> joined(towns.size(), false);
    if (!towns.empty()) joined[0] = true;
    for (size_t n = 1; n < towns.size(); ++n) {
        float best = 1e9f;
        size_t a = 0, b = 0;
        for (size_t i = 0; i < towns.size(); ++i)
            for (size_t j = 0; j < towns.size(); ++j)
                if (joined[i] && !joined[j]) {
                    float d = Len(towns[i].x - towns[j].x, towns[i].y - towns[j].y);
                    // roads keep to the land where they can
                    for (int k = 1; k < 20; ++k) {
                        float t = float(k) / 20.0f;
                        if (!land(int(towns[i].x + (towns[j].x - towns[i].x) * t), int(towns[i].y + (towns[j].y - towns[i].y) * t))) d += 400;
                    }
                    if (d < best) best = d, a = i, b = j;
                }
        joined[b] = true;
        if (best > 400) continue;  // across the sea: no road, ships go there
        V2 p = towns[a], q = towns[b];
        best = Len(p.x - q.x, p.y - q.y);
        int steps = int(best / 3);
        for (int s = 0; s < steps; s += 2) {
            float t0 = float(s) / steps, t1 = float(s + 1) / steps;
            float bend0 = std::sin(t0 * 3.14159265f) * 12, bend1 = std::sin(t1 * 3.14159265f) * 12;
            float nx = -(q.y - p.y) / best, ny = (q.x - p.x) / best;
            L.Fill(Seg(p.x + (q.x - p.x) * t0 + nx * bend0, p.y + (q.y - p.y) * t0 + ny * bend0, p.x + (q.x - p.x) * t1 + nx * bend1,
                       p.y + (q.y - p.y) * t1 + ny * bend1, 0.7f),
                   Rgb(0x8A3A1A));
        }
    }
    for (size_t i = 0; i < towns.size(); ++i) TownMark(L, towns[i].x, towns[i].y, i % 3 == 0);
    // a compass rose in the emptiest sea corner
    V2 corners[4] = {{70, 70}, {570, 70}, {70, 380}, {570, 380}};
    V2 best = corners[0];
    float bestSea = -1;
    for (V2 c : corners) {
        float s = 0;
        for (int k = -30; k <= 30; k += 10)
            for (int j = -30; j <= 30; j += 10) s += land(int(c.x) + k, int(c.y) + j) ? 0 : 1;
        if (s > bestSea) bestSea = s, best = c;
    }
    CompassRose(L, best.x, best.y, 34);
    Stamp(L, img, 0, 0);
    // border of the map, and the plain band underneath it for the page controls
    PaintFrame(img, mx0 - 6, my0 - 6, mx1 - mx0 + 12, my1 - my0 + 12, 6);
    PaintParchment(img, 8, 441, 624, 36, seed + 20, -0.05f);
    PaintFrame(img, 4, 440, 632, 38, 4);
    return img;
}

// The campaign's own map: Thornwick in its pines, the vale road east past the Wolfwood and the
// lakes to the Barrow Hills, mountains round it all, each place named in the game's big font.
// The vale's places sit where its level has them (eight pixels to a square, from x 200).
Image CampaignMap(const Image& font) {
    const int W = 640, H = 480, mx0 = 14, my0 = 14, mx1 = 626, my1 = 434;
    Image img(W, H, 0);
    PaintParchment(img, 0, 0, W, H, 6301, 0.05f);
    Layer L(W, H);
    Rng r(6302);
    auto vale = [](float sx, float sy) { return V2{200 + 8 * sx, 14 + 8.4f * sy}; };
    // Lakes: a wash of blue inside an inked shore with a ripple line.
    for (const auto& [c, rx, ry] : {std::tuple{vale(43, 8), 24.0f, 18.0f}, std::tuple{vale(15, 34), 32.0f, 19.0f}}) {
        L.Fill(Ellipse(c.x, c.y, rx + 1.2f, ry + 1.2f), Rgb(0x3A2814));
        L.Fill(Ellipse(c.x, c.y, rx, ry), Rgb(0x9AB8C0));
        L.Fill(Ring(Ellipse(c.x, c.y, rx - 5, ry - 4), 0.5f), Rgb(0x6A8A98));
    }
    // The road: from the town's gate through the vale to the barrow, a dashed line in red ink.
    const std::vector<V2> road = {{150, 228}, {vale(0, 25).x, 228}, vale(19, 25), vale(20, 24), vale(38, 24),
                                  vale(39, 25), vale(44, 25)};
    for (size_t k = 0; k + 1 < road.size(); ++k) {
        const V2 a = road[k], b = road[k + 1];
        const float len = Len(b.x - a.x, b.y - a.y);
        for (float t = 0; t < len; t += 7) {
            const float t1 = std::min(len, t + 4);
            L.Fill(Seg(a.x + (b.x - a.x) * t / len, a.y + (b.y - a.y) * t / len, a.x + (b.x - a.x) * t1 / len,
                       a.y + (b.y - a.y) * t1 / len, 0.9f),
                   Rgb(0x8A3A1A));
        }
    }
    // Woods, mountains and hills by where they stand, on a jittered grid.
    auto within = [](V2 p, V2 a, V2 b) { return p.x >= a.x && p.x <= b.x && p.y >= a.y && p.y <= b.y; };
    const std::pair<V2, V2> woods[] = {
        {{24, 60}, {184, 200}}, {{24, 262}, {184, 410}},                       // the pines round Thornwick
        {vale(24, 8), vale(37, 20)},                                           // the Wolfwood
        {vale(2, 4), vale(14, 12)}, {vale(3, 38), vale(20, 45)}, {vale(28, 31), vale(40, 45)}, {vale(8, 27), vale(12, 29)},
    };
    for (int gy = my0 + 16; gy < my1 - 6; gy += 12)
        for (int gx = mx0 + 10; gx < mx1 - 8; gx += 14) {
            const V2 p{gx + (Hash01(gx, gy, 6303) - 0.5f) * 8, gy + (Hash01(gx, gy, 6304) - 0.5f) * 6};
            const bool peak = p.y < 52 || p.y > 404 || p.x > 590;
            if (peak) {
                if (!within(p, {520, 360}, {640, 480}) && Hash01(gx, gy, 6305) < 0.85f) Mountain(L, p.x, p.y, 8);
                continue;
            }
            for (const auto& [a, b] : woods)
                if (within(p, a, b) && Hash01(gx, gy, 6306) < 0.8f) {
                    TreeMark(L, p.x, p.y, 4.5f, p.x < 190 ? Rgb(0x3A6A2A) : Rgb(0x5A7A30));
                    break;
                }
        }
    for (int k = 0; k < 7; ++k) {  // the Barrow Hills
        const V2 c = vale(42.5f + float(k % 2) * 2.5f, 19.5f + float(k) * 1.6f);
        auto hill = Inter(Ellipse(c.x, c.y + 2, 11, 7), Box(c.x - 12, c.y - 8, c.x + 12, c.y + 3));
        L.Fill(Grow(hill, 0.7f), Rgb(0x4A3018));
        L.Fill(hill, Rgb(0xB8A070));
    }
    // The barrow: a great mound with a dark door and standing stones.
    const V2 barrow = vale(45, 24.5f);
    auto mound = Inter(Ellipse(barrow.x, barrow.y + 4, 18, 12), Box(barrow.x - 19, barrow.y - 9, barrow.x + 19, barrow.y + 5));
    L.Fill(Grow(mound, 0.8f), Rgb(0x3A2410));
    L.Fill(mound, Rgb(0x9A8A5A));
    L.Fill(Union(Circle(barrow.x, barrow.y, 3.5f), Box(barrow.x - 3.5f, barrow.y, barrow.x + 3.5f, barrow.y + 5)), Rgb(0x1A120A));
    for (float dx : {-15.0f, -9.0f, 9.0f, 15.0f}) L.Fill(Box(barrow.x + dx - 1.2f, barrow.y + 1, barrow.x + dx + 1.2f, barrow.y + 6), Rgb(0x5A5448));
    // Thornwick: the temple's tower among the houses.
    TownMark(L, 110, 226, true);
    for (const V2 h : {V2{92, 232}, V2{128, 232}, V2{100, 218}, V2{122, 218}, V2{110, 240}}) TownMark(L, h.x, h.y, false);
    CompassRose(L, 578, 408, 28);
    Stamp(L, img, 0, 0);
    // The names, each on a paler patch of the parchment so that it reads over the drawing.
    const struct {
        std::string_view name;
        int cx, y;
    } labels[] = {{"Thornwick", 110, 248}, {"Wolfwood", int(vale(31, 14).x), int(vale(31, 14).y) - 9},
                  {"The vale of Thornwick", 300, 258}, {"The Sunken Barrow", 533, 262}};
    for (const auto& l : labels) {
        const int w = 10 * int(l.name.size()), x = std::min(l.cx - w / 2, mx1 - 6 - w);
        Layer patch(W, H);
        patch.Fill(Box(float(x - 5), float(l.y - 1), float(x + w + 5), float(l.y + 18), 5), Rgb(0xF2E6C4), 0.8f);
        Stamp(patch, img, 0, 0);
        DrawBigFontText(img, font, x, l.y, l.name, 5);
    }
    // The border of the map, and the plain band underneath it for the page controls.
    PaintFrame(img, mx0 - 6, my0 - 6, mx1 - mx0 + 12, my1 - my0 + 12, 6);
    PaintParchment(img, 8, 441, 624, 36, 6320, -0.05f);
    PaintFrame(img, 4, 440, 632, 38, 4);
    return img;
}

// ---------------------------------------------------------------- objective pictures

// A small scene turned to sepia and set in an oval vignette on the page.
Image ObjectivePicture(int which) {
    const int W = 217, H = 231;
    Image img(W, H, 0);
    Layer L(W, H);
    switch (which) {
        case 0:  // the castle on its hill
            scene::Sky(img, 0, 0, W, H, Rgb(0x6A6A80), Rgb(0xC8B8A0), Rgb(0x8A7A60), 0.6f);
            scene::Ridge(img, 0, 150, 18, 60, 5001, Rgb(0x6A5A40), Rgb(0x3A3020));
            scene::Castle(img, 108, 150, 110, Rgb(0x2A2418), Rgb(0xE8C070), 5002);
            scene::Ridge(img, 0, 190, 10, 40, 5003, Rgb(0x4A3E2A), Rgb(0x2A2218));
            break;
        case 1:  // a lone tower under a storm
            scene::Sky(img, 0, 0, W, H, Rgb(0x202028), Rgb(0x606070), Rgb(0x404048), 0.6f);
            scene::Clouds(img, 0, 0, W, 120, 5011, Rgb(0x18181C), 0.9f);
            scene::Ridge(img, 0, 170, 12, 50, 5012, Rgb(0x38342C), Rgb(0x1A1814));
            sym::Tower(L, 108, 120, 120, Rgb(0x3A362E));
            sym::Bolt(L, 60, 60, 60, Rgb(0xF8F0C0));
            break;
        case 2:  // the road east into the hills, the sun rising over them
            scene::Sky(img, 0, 0, W, H, Rgb(0x8A90A0), Rgb(0xE0D0B0), Rgb(0xB0A080), 0.5f);
            scene::Moon(img, 160, 78, 16, Rgb(0xFFF4D0), 0.8f);
            scene::Ridge(img, 0, 100, 40, 40, 5031, Rgb(0x7A7468), Rgb(0x5A5448));
            scene::Ridge(img, 0, 150, 22, 60, 5032, Rgb(0x5A5040), Rgb(0x3A3428));
            L.Fill(Path{{{72, 231}, {100, 204}, {96, 180}, {122, 162}, {150, 150}}, 9}, Rgb(0xB8A480));
            L.Fill(Path{{{72, 231}, {100, 204}, {96, 180}, {122, 162}, {150, 150}}, 5}, Rgb(0xE0D0A8));
            for (int k = 0; k < 8; ++k)
                if (k != 2 && k != 3) scene::PineTree(L, 10 + k * 28.0f + (k % 2) * 6, 200 + (k % 3) * 8.0f, 40, Rgb(0x2A2A1C));
            break;
        case 3: {  // the knight asleep on his stone seat, his sword across his knees
            scene::Sky(img, 0, 0, W, H, Rgb(0x181818), Rgb(0x2A2826), Rgb(0x201E1C), 0.5f);
            const Col steel = Rgb(0xA8ACB4), dark = Rgb(0x4A4C52);
            sym::InkEmboss(L, Box(52, 60, 164, 200, 6), Rgb(0x5A5650), 6, 0.4f);         // the seat's back
            sym::InkEmboss(L, Box(40, 170, 176, 200, 3), Rgb(0x6A665E), 4, 0.4f);         // the seat
            sym::InkEmboss(L, Poly{{{78, 96}, {138, 96}, {130, 168}, {86, 168}}}, steel, 5, 0.5f);  // breastplate
            for (float x : {74.0f, 142.0f}) sym::InkEmboss(L, Ellipse(x, 104, 16, 12), steel, 4, 0.5f);  // shoulders
            for (float x : {66.0f, 150.0f}) sym::InkEmboss(L, Box(x - 8, 108, x + 8, 162, 6), dark, 3, 0.5f);  // arms
            sym::InkEmboss(L, Box(80, 160, 136, 182, 5), dark, 4, 0.5f);                  // thighs
            for (float x : {88.0f, 128.0f}) sym::InkEmboss(L, Box(x - 10, 180, x + 10, 222, 4), steel, 4, 0.5f);  // greaves
            sym::InkEmboss(L, Union(Circle(108, 72, 19), Box(90, 72, 126, 96, 4)), steel, 5, 0.5f);  // helm
            L.Fill(Box(94, 70, 122, 75), Rgb(0x101010));                                   // the visor's slit, shut
            L.Fill(Seg(108, 52, 108, 94, 1.5f), Lighten(steel, 0.3f));
            sym::LongSword(L, 108, 168, 150, 90);                                          // across his knees
            for (float x : {64.0f, 152.0f}) sym::InkEmboss(L, Circle(x, 166, 8), dark, 3, 0.5f);  // hands on it
            break;
        }
        default: {  // the Warden's Seal: silver round a disc of horn, a lantern on it
            scene::Sky(img, 0, 0, W, H, Rgb(0x2A2420), Rgb(0x4A4038), Rgb(0x2A2420), 0.5f);
            for (int k = 0; k < 16; ++k) {
                const float a = 0.3927f * float(k);
                L.Fill(Seg(108, 115, 108 + 104 * std::cos(a), 115 + 104 * std::sin(a), 3), Rgb(0x8A7A60), 0.6f);
            }
            L.Fill(Path{{{80, 170}, {60, 215}, {50, 231}}, 5}, Rgb(0x7A2A20));             // the cord
            L.Fill(Path{{{136, 170}, {156, 215}, {166, 231}}, 5}, Rgb(0x7A2A20));
            sym::InkEmboss(L, Circle(108, 115, 66), Rgb(0xD8DCE4), 10, 0.6f);             // silver
            L.Fill(Ring(Circle(108, 115, 56), 1.5f), Rgb(0x6A6E76));
            for (int k = 0; k < 24; ++k) {                                                  // the rim's beading
                const float a = 0.2618f * float(k);
                L.Fill(Circle(108 + 61 * std::cos(a), 115 + 61 * std::sin(a), 2.2f), Rgb(0xF4F6FA));
            }
            sym::InkEmboss(L, Circle(108, 115, 50), Rgb(0xE8DCC0), 8, 0.5f);              // horn
            sym::Lantern(L, 108, 112, 72, Rgb(0x3A3430), Rgb(0xFFF4C8));
            break;
        }
    }
    Stamp(L, img, 0, 0);
    // to sepia ink tones
    for (uint32_t& c : img.rgb) {
        Col v = Rgb(c);
        float lum = (v.r * 0.3f + v.g * 0.59f + v.b * 0.11f) / 255.0f;
        c = ToRgb(Mix(Rgb(0x2A1A0C), Rgb(0xF0E0BC), std::clamp(lum * 1.1f, 0.0f, 1.0f)));
    }
    // oval vignette with an ink border; outside is transparent
    Image out(W, H, kKeyColour);
    auto oval = Ellipse(108.5f, 115.5f, 104, 111);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            float d = oval(x + 0.5f, y + 0.5f);
            if (d > 0) continue;
            if (d > -1.6f) out.Set(x, y, 0x2A1A0C);
            else if (d > -3.0f) out.Set(x, y, 0xC8A050);
            else if (d > -4.0f) out.Set(x, y, 0x2A1A0C);
            else out.Set(x, y, img.Get(x, y));
        }
    KeepOffKey(out);
    return out;
}

}  // namespace

bool BuildModuleBitmaps(const std::string& dir, const PlayArt& art, const std::string& fontDir) {
    auto write = [&](const std::string& name, Image image) {
        KeepOffKey(image);
        if (WriteBmp(dir + "/" + name, image)) return true;
        std::fprintf(stderr, "make_art: cannot write %s/%s\n", dir.c_str(), name.c_str());
        return false;
    };
    bool ok = write("VexTitle.bmp", TitlePage()) && write("VexMenu.bmp", MenuPage()) && write("VexWin1.bmp", WinPage1()) &&
              write("VexWin2.bmp", WinPage2()) && write("VexMap.bmp", CampaignMap(BuildFontSheet(fontDir))) &&
              write("VexMap2.bmp", WorldMap(6101, 0.05f)) && write("VexMap3.bmp", WorldMap(6201, -0.03f)) &&
              write("VexObj.bmp", ObjectivePicture(0));
    for (int i = 1; ok && i <= 4; ++i) ok = write("VexObj" + std::to_string(i) + ".bmp", ObjectivePicture(i));
    return ok && write("custom.bmp", BuildCustomSheet(art));
}

}  // namespace art
