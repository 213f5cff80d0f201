// Scrolls and full-screen pages: the play-screen slate, the second slate, the death page,
// the hero screen, the open book, the hero figure and the credit emblem.
#include "scenery.h"
#include "sheets.h"
#include "symbols.h"

namespace art {
namespace {

using namespace sdf;
using sym::Ink;
using sym::InkEmboss;

// Large-scale mottling of a 640 x 480 page, computed once per seed.
float Mottle(float x, float y, uint32_t seed) {
    static std::vector<std::pair<uint32_t, std::vector<float>>> cache;
    const std::vector<float>* field = nullptr;
    for (auto& c : cache)
        if (c.first == seed) field = &c.second;
    if (!field) {
        cache.push_back({seed, SmoothField(640, 480, 4, [seed](float fx, float fy) { return Fbm(fx / 55.0f, fy / 55.0f, seed, 4); })});
        field = &cache.back().second;
    }
    int ix = std::clamp(int(x), 0, 639), iy = std::clamp(int(y), 0, 479);
    return (*field)[size_t(iy) * 640 + ix];
}

Col ParchmentAt(float x, float y, uint32_t seed, float edgeDist) {
    float big = Mottle(x, y, seed);
    float fine = Fbm(x / 6.0f, y / 6.0f, seed + 17, 2);
    float grain = Hash01(int(x), int(y), seed + 31);
    float k = std::clamp((big - 0.5f) * 0.5f + (1.0f - std::min(edgeDist / 22.0f, 1.0f)) * 0.5f, 0.0f, 1.0f);
    Col c = Mix(Rgb(pal::kParchment), Rgb(pal::kParchmentDark), k);
    return Add(c, (fine - 0.5f) * 9.0f + (grain - 0.5f) * 5.0f);
}

// ---------------------------------------------------------------- scrolls

// A sheet of parchment between two rolls. `side` is where the sheet's edges run; the roll
// knobs stay within the outer `side` pixels, so the medium scroll's edge strips can be
// repeated beside it to widen it.
Image Scroll(int W, int H, int rollH, int side, uint32_t seed) {
    Layer L(W, H);
    const float top = rollH * 0.55f, bot = H - rollH * 0.55f;
    auto wob = [seed](float y, uint32_t k) { return (ValueNoise(y / 11.0f, float(k), seed) - 0.5f) * 2.4f; };
    auto sheet = [=](float x, float y) {
        float l = float(side) + wob(y, 1), r = float(W - side) + wob(y, 2);
        return std::max(std::max(l - x, x - r), std::max(top - y, y - bot));
    };
    L.Fill(Grow(sheet, 1.0f), Rgb(0x6A4A24));
    L.Paint(sheet, [&](float x, float y) {
        float e = -sheet(x, y);
        Col c = ParchmentAt(x, y, seed, e + 4);
        // shadow cast by the rolls onto the sheet
        float nearRoll = std::min(y - rollH, H - rollH - y);
        if (nearRoll < 8) c = Darken(c, std::clamp((8 - nearRoll) / 8.0f, 0.0f, 1.0f) * 0.35f);
        return c;
    });
    for (int which = 0; which < 2; ++which) {
        float y0 = which == 0 ? 1.0f : float(H - rollH - 1), y1 = y0 + rollH;
        float x0 = side - 4.0f, x1 = W - side + 4.0f;
        auto roll = Box(x0, y0, x1, y1, rollH * 0.3f);
        L.Fill(Grow(roll, 1.0f), kLine);
        L.Paint(roll, [&](float x, float y) {
            float t = (y - y0) / float(rollH);
            float light = 0.62f + 0.5f * std::sin(t * 3.14159265f) - 0.25f * t;
            if (t > 0.18f && t < 0.32f) light += 0.12f;
            Col c = Scale(Rgb(0xDCC490), light);
            return Add(c, (Fbm(x / 30.0f, t * 3, seed + 5, 2) - 0.5f) * 12.0f);
        });
        L.Fill(Seg(x0 + 3, y0 + rollH * 0.72f, x1 - 3, y0 + rollH * 0.72f, 0.5f), Rgb(0x8A6A3A), 0.6f);
        // wooden knobs at both ends
        for (int s = 0; s < 2; ++s) {
            float kx0 = s == 0 ? 1.0f : x1 - 1.0f, kx1 = s == 0 ? x0 + 1.0f : float(W - 1);
            auto knob = Box(kx0, y0 + rollH * 0.12f, kx1, y1 - rollH * 0.12f, 2.5f);
            L.Fill(Grow(knob, 1.0f), kLine);
            L.Paint(knob, [&](float, float y) {
                float t = (y - y0) / float(rollH);
                return Scale(Rgb(0x8A5A2C), 0.55f + 0.6f * std::sin(t * 3.14159265f));
            });
            float mx = (kx0 + kx1) / 2;
            L.Fill(Seg(mx, y0 + rollH * 0.2f, mx, y1 - rollH * 0.2f, 0.45f), Rgb(0xD8B050), 0.8f);
        }
    }
    Image img(W, H, kKeyColour);
    Stamp(L, img, 0, 0);
    KeepOffKey(img);
    return img;
}

// ---------------------------------------------------------------- hero figure

// The standing hero in a 217 x 231 design box; parts are kept apart so lines can be drawn.
struct Figure {
    float ox, oy, sx, sy;
    V2 P(float x, float y) const { return {ox + x * sx, oy + y * sy}; }
    float S(float v) const { return v * std::min(sx, sy); }
    auto Cap(float ax, float ay, float bx, float by, float r) const {
        V2 a = P(ax, ay), b = P(bx, by);
        return Seg(a.x, a.y, b.x, b.y, S(r));
    }
    auto El(float x, float y, float rx, float ry) const {
        V2 c = P(x, y);
        return Ellipse(c.x, c.y, rx * sx, ry * sy);
    }
    auto Bx(float x0, float y0, float x1, float y1, float r) const {
        V2 a = P(x0, y0), b = P(x1, y1);
        return Box(a.x, a.y, b.x, b.y, S(r));
    }
    Poly Pg(std::initializer_list<V2> pts) const {
        Poly p;
        for (V2 v : pts) p.v.push_back(P(v.x, v.y));
        return p;
    }
    auto Head() const { return El(108, 22, 11.5f, 14); }
    auto Hair() const { return Inter(El(108, 19, 13, 13), Union(Bx(90, 0, 126, 15, 0), Union(Bx(94, 0, 98.5f, 27, 0), Bx(117.5f, 0, 122, 27, 0)))); }
    Poly Cloak() const {
        return Pg({{86, 46}, {130, 46}, {148, 110}, {160, 206}, {134, 214}, {108, 208}, {82, 214}, {56, 206}, {68, 110}});
    }
    auto Body() const {
        auto torso = Pg({{82, 46}, {134, 46}, {134, 70}, {126, 118}, {90, 118}, {82, 70}});
        auto skirt = Pg({{89, 118}, {127, 118}, {135, 156}, {81, 156}});
        return Union(Union(torso, skirt), Bx(102, 32, 114, 48, 2));
    }
    auto Pauldrons() const { return Union(El(80, 56, 13, 9.5f), El(136, 56, 13, 9.5f)); }
    auto ArmL() const { return Union(Cap(79, 60, 69, 104, 7.5f), Cap(69, 104, 60, 144, 7)); }
    auto ArmR() const { return Union(Cap(137, 60, 147, 104, 7.5f), Cap(147, 104, 156, 144, 7)); }
    auto HandL() const { return El(58, 153, 7.5f, 8); }
    auto HandR() const { return El(158, 153, 7.5f, 8); }
    auto Legs() const {
        return Union(Union(Cap(98, 150, 95, 192, 9.5f), Cap(95, 192, 94, 210, 8)), Union(Cap(118, 150, 121, 192, 9.5f), Cap(121, 192, 122, 210, 8)));
    }
    auto Boots() const { return Union(Bx(82, 198, 105, 226, 4), Bx(111, 198, 134, 226, 4)); }
    auto Belt() const { return Bx(88, 113, 128, 122, 1); }
    auto Scabbard() const { return Cap(85, 128, 64, 204, 3.4f); }
    auto Hilt() const { return Union(Cap(88, 124, 94, 108, 1.9f), Cap(80, 126.5f, 95, 121, 1.7f)); }
};

// Ink drawing of the hero for the character pages: a sepia wash with outlines and a few lines.
Image HeroFigureDrawing() {
    Layer L(217, 231);
    Figure f{0, 0, 1, 1};
    const Col ink = Rgb(0x3A2410), wash = Rgb(0xD2BA8E), washDark = Rgb(0xB49A6E), cloak = Rgb(0x8E6C48),
              steel = Rgb(0xC4C0B4);
    auto part = [&](auto shape, Col fill) {
        L.Fill(Grow(shape, 1.3f), ink);
        L.Fill(shape, fill);
    };
    part(f.Cloak(), cloak);
    part(f.Scabbard(), washDark);
    part(f.Legs(), wash);
    part(f.Boots(), washDark);
    part(f.ArmL(), wash);
    part(f.ArmR(), wash);
    part(f.Body(), wash);
    part(f.Pauldrons(), steel);
    part(f.Belt(), washDark);
    part(f.Hilt(), Rgb(0xC8A050));
    part(f.HandL(), washDark);
    part(f.HandR(), washDark);
    part(f.Head(), wash);
    part(f.Hair(), Rgb(0x6A4A2A));
    auto line = [&](float ax, float ay, float bx, float by, float w = 0.6f) { L.Fill(Seg(ax, ay, bx, by, w), ink); };
    // face
    line(101, 22, 105, 22);
    line(111, 22, 115, 22);
    line(108, 23, 107, 28);
    line(105, 31, 111, 31, 0.5f);
    // breastplate, tunic and cloak folds
    L.Fill(Inter(Ring(f.El(108, 68, 22, 20), 0.6f), Box(80, 62, 140, 100)), ink);
    line(108, 50, 108, 112);
    line(100, 124, 97, 155);
    line(116, 124, 119, 155);
    line(108, 124, 108, 156);
    for (float x : {64.0f, 150.0f, 72.0f, 142.0f}) line(x, 150, x + (x < 108 ? -3.0f : 3.0f), 204, 0.5f);
    // bracers and boot cuffs
    line(62, 134, 75, 136, 0.8f);
    line(141, 136, 154, 134, 0.8f);
    line(83, 206, 104, 206, 0.8f);
    line(112, 206, 133, 206, 0.8f);
    L.Fill(Box(105, 114, 111, 121), Rgb(0xE0B850));
    L.Fill(Ring(Box(105, 114, 111, 121), 0.5f), ink);
    // hatching on the side away from the light
    for (int k = 0; k < 10; ++k) {
        float y = 60 + k * 8.0f;
        L.Fill(Seg(124, y + 4, 131, y - 3, 0.45f), ink, 0.8f);
    }
    for (int k = 0; k < 6; ++k) {
        float y = 160 + k * 7.0f;
        L.Fill(Seg(118, y + 3, 125, y - 2, 0.45f), ink, 0.8f);
    }
    Image img(217, 231, kKeyColour);
    Stamp(L, img, 0, 0);
    return img;
}

// ---------------------------------------------------------------- hero screen

void SlotWell(Layer& L, int x, int y, int w, int h) {
    L.Fill(Box(x - 3.5f, y - 3.5f, x + w + 3.5f, y + h + 3.5f, 3), Rgb(0x0C0A08));
    L.Fill(Ring(Box(x - 2.5f, y - 2.5f, x + w + 2.5f, y + h + 2.5f, 2.5f), 0.6f), Rgb(pal::kGilt));
    L.Paint(Box(x - 1.5f, y - 1.5f, x + w + 1.5f, y + h + 1.5f, 2), [=](float px, float py) {
        float t = std::min(std::min(px - x + 1.5f, py - y + 1.5f), 6.0f) / 6.0f;
        return Mix(Rgb(0x0A0C10), Rgb(0x1E242C), t);
    });
}

}  // namespace

Image BuildSmallScroll() { return Scroll(213, 167, 18, 9, 501); }
Image BuildMediumScroll() { return Scroll(187, 256, 20, 12, 502); }
Image BuildBigScroll() { return Scroll(456, 457, 26, 14, 503); }
Image BuildLongScroll() { return Scroll(456, 170, 20, 14, 504); }
Image BuildHeroFigure() {
    Image img = HeroFigureDrawing();
    KeepOffKey(img);
    return img;
}

Image BuildSlate() {
    Image img(640, 480, 0);
    PaintStoneWall(img, 0, 0, 640, 480, 71, Rgb(0x4A4E58), 40, 20);
    // the recess that holds the map view and its frame
    Layer L(640, 480);
    L.Fill(Box(3, 3, 444, 444, 4), Rgb(0x08080A), 0.85f);
    // the ledge under the view where the status icons and the map screen's zone name stand
    // (from y 440): its gilt edge runs just under the view's frame, above them
    L.Fill(Box(4, 437, 443, 476, 3), Rgb(0x0E0C0A));
    L.Paint(Box(6, 439, 441, 474, 2), [](float x, float y) {
        return Add(Mix(Rgb(0x3A2A1C), Rgb(0x22180E), (y - 439) / 35.0f), (Fbm(x / 30, y / 4, 7, 2) - 0.5f) * 14);
    });
    L.Fill(Box(6, 439, 441, 440), Rgb(pal::kGilt));
    // the board behind the action buttons
    L.Fill(Box(447, 347, 635, 467, 4), Rgb(0x0E0A06));
    L.Paint(Box(449, 349, 633, 465, 3), [](float x, float y) {
        float g = std::sin(y * 0.9f + Fbm(x / 40, y / 6, 9, 3) * 8) * 0.5f + 0.5f;
        return Scale(Rgb(0x4A3018), 0.8f + g * 0.25f);
    });
    L.Fill(Ring(Box(450.5f, 350.5f, 631.5f, 463.5f, 2.5f), 0.6f), Rgb(pal::kGilt));
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 5; ++c) {
            float x = 455 + 35 * c, y = 355 + 35 * r;
            L.Fill(Box(x - 1.5f, y - 1.5f, x + 33.5f, y + 33.5f, 3), Rgb(0x140C06), 0.8f);
        }
    // a shadow under the vitals panel and the side scroll
    L.Fill(Box(446, 10, 636, 74, 2), Rgb(0x000000), 0.45f);
    L.Fill(Box(450, 88, 636, 342, 10), Rgb(0x000000), 0.35f);
    // gilt pilaster between the view and the HUD
    L.Fill(Box(440.5f, 0, 443.5f, 480), Rgb(0x140C06));
    L.Paint(Box(441, 0, 443, 480), [](float x, float) { return x < 442 ? Rgb(pal::kGiltLight) : Rgb(pal::kGiltDark); });
    Stamp(L, img, 0, 0);
    return img;
}

Image BuildKitSlate() {
    Image img = BuildSlate();
    // Pale parchment where the level editor writes in the dark ink: the square numbers along
    // the top and the left of its view, and the tile number at the top right.
    Layer L(640, 480);
    auto strip = [&](float x0, float y0, float x1, float y1) {
        L.Fill(Box(x0 - 1, y0 - 1, x1 + 1, y1 + 1, 2), Rgb(pal::kGiltDark));
        L.Paint(Box(x0, y0, x1, y1, 1.5f), [](float x, float y) {
            return Add(Rgb(pal::kParchment), (Fbm(x / 9, y / 9, 81, 3) - 0.5f) * 16);
        });
    };
    strip(15, 0, 431, 11);
    strip(0, 12, 14, 428);
    strip(447, 12, 562, 27);
    Stamp(L, img, 0, 0);
    return img;
}

Image BuildSlate2() {
    Image img(640, 480, 0);
    PaintWood(img, 0, 0, 640, 480, 91, Rgb(0x4A2C18), false);
    // a tooled leather inlay under the book area
    Layer L(640, 480);
    L.Fill(Box(14, 14, 626, 466, 6), Rgb(0x140A06));
    L.Paint(Box(16, 16, 624, 464, 5), [](float x, float y) {
        float n = Fbm(x / 14, y / 14, 93, 4);
        return Add(Mix(Rgb(0x2E3A30), Rgb(0x1E2820), n), (Hash01(int(x), int(y), 94) - 0.5f) * 6);
    });
    L.Fill(Ring(Box(24, 24, 616, 456, 4), 0.7f), Rgb(pal::kGilt), 0.9f);
    L.Fill(Ring(Box(28, 28, 612, 452, 3), 0.4f), Rgb(pal::kGiltDark), 0.9f);
    for (V2 p : {V2{24, 24}, V2{616, 24}, V2{24, 456}, V2{616, 456}})
        InkEmboss(L, Poly{RegularPoly(p.x, p.y, 6, 4, 0)}, Rgb(pal::kGilt), 2, 0.6f);
    Stamp(L, img, 0, 0);
    scene::Vignette(img, 0.6f);
    return img;
}

Image BuildDeathPage() {
    Image img(640, 480, 0);
    scene::Sky(img, 0, 0, 640, 480, Rgb(0x120A14), Rgb(0x6A1E18), Rgb(0x2A0A08), 0.62f);
    scene::Clouds(img, 0, 40, 640, 230, 301, Rgb(0x200A10), 0.8f);
    scene::Moon(img, 470, 110, 34, Rgb(0xE8C8B0), 0.35f);
    scene::Ridge(img, 0, 330, 30, 160, 302, Rgb(0x241014), Rgb(0x12080A));
    scene::Castle(img, 120, 318, 150, Rgb(0x1A0C10), Rgb(0x7A2A10), 303);
    scene::Ridge(img, 0, 392, 18, 90, 304, Rgb(0x0E0608), Rgb(0x060304));
    scene::DeadTree(img, 560, 400, 210, Rgb(0x0A0406), 305);
    scene::DeadTree(img, 40, 410, 150, Rgb(0x0A0406), 306);
    Layer L(640, 480);
    for (V2 s : {V2{230, 425}, V2{420, 428}, V2{470, 436}, V2{180, 438}}) {
        L.Fill(Union(Box(s.x - 9, s.y - 26, s.x + 9, s.y, 1), Circle(s.x, s.y - 26, 9)), Rgb(0x180C0E));
    }
    // a sword driven into a grave mound, lit by the red sky
    {
        Layer sword(640, 480);
        sym::LongSword(sword, 320, 392, 130, 180);
        for (int y = 330; y < 460; ++y)
            for (int x = 280; x < 360; ++x) sword.Tint(x, y, Mix(sword.Get(x, y), Rgb(0x401414), 0.55f), 1.0f);
        sword.DrawOn(L, 0, 0);
    }
    L.Fill(Ellipse(320, 442, 120, 28), Rgb(0x0A0506));
    L.Fill(Box(0, 452, 640, 480), Rgb(0x050203));
    // crows
    Rng r(307);
    for (int i = 0; i < 5; ++i) {
        float x = r.Range(200, 600), y = r.Range(40, 160), s = r.Range(5, 9);
        Path w{{{x - s, y - s * 0.4f}, {x - s * 0.4f, y}, {x, y - s * 0.2f}, {x + s * 0.4f, y}, {x + s, y - s * 0.45f}}, 0.8f};
        L.Fill(w, Rgb(0x08040A));
    }
    Stamp(L, img, 0, 0);
    scene::Vignette(img, 0.9f);
    return img;
}

Image BuildHeroScreen() {
    Image img(640, 480, 0);
    PaintStoneWall(img, 0, 0, 640, 480, 111, Rgb(0x4A4E58), 48, 24);
    // the equipment alcove
    PaintFrame(img, 2, 58, 328, 336, 6);
    for (int y = 64; y < 388; ++y)
        for (int x = 8; x < 324; ++x) {
            float d = Len((x - 163) / 150.0f, (y - 220) / 190.0f);
            Col c = Mix(Rgb(0x34404C), Rgb(0x141A22), std::clamp(d, 0.0f, 1.0f));
            c = Add(c, (Fbm(x / 5.0f, y / 40.0f, 113, 2) - 0.5f) * 10.0f);
            img.Set(x, y, ToRgb(c));
        }
    Layer L(640, 480);
    Figure f{45.8f, 97.0f, 1.09f, 1.15f};
    const Col shade = Rgb(0x44525F), rim = Rgb(0x8A7A5A);
    auto ghost = [&](auto shape) {
        L.Fill(Grow(shape, 1.0f), rim, 0.7f);
        L.Fill(shape, shade);
    };
    ghost(f.Cloak());
    ghost(f.Legs());
    ghost(f.Boots());
    ghost(f.ArmL());
    ghost(f.ArmR());
    ghost(f.Body());
    ghost(f.Pauldrons());
    ghost(f.HandL());
    ghost(f.HandR());
    ghost(f.Head());
    struct Slot {
        int x, y, w, h;
    };
    const Slot slots[] = {{131, 154, 60, 120}, {211, 95, 30, 60}, {82, 246, 30, 30}, {181, 354, 30, 30},
                          {84, 94, 30, 30},    {45, 342, 30, 30}, {253, 342, 30, 30}, {14, 151, 60, 180},
                          {253, 275, 60, 60},  {253, 145, 30, 60}, {159, 280, 30, 30}};
    for (const Slot& s : slots) SlotWell(L, s.x, s.y, s.w, s.h);
    // a carved crest over the alcove
    L.Fill(Box(70, 8, 262, 52, 6), Rgb(0x0C0A08));
    L.Paint(Box(72, 10, 260, 50, 5), [](float x, float y) {
        return Add(Mix(Rgb(0x6A4424), Rgb(0x3E2614), (y - 10) / 40.0f), (Fbm(x / 30, y / 3, 119, 2) - 0.5f) * 18);
    });
    L.Fill(Ring(Box(76, 14, 256, 46, 3), 0.6f), Rgb(pal::kGilt));
    sym::Laurel(L, 166, 30, 44, Rgb(0x4A8A30));
    sym::HeaterShield(L, 166, 29, 26, Rgb(0x8A1C18));
    sym::StarShape(L, 166, 28, 10, 5, Rgb(0xE8C050));
    for (float x : {96.0f, 236.0f}) sym::LongSword(L, x, 30, 34, 90);
    // socket of the beacon stone
    L.Fill(Circle(552, 64, 21), Rgb(0x0C0A08));
    L.Emboss(Circle(552, 64, 19.5f), Rgb(pal::kGilt), 3, 0.6f);
    L.Fill(Circle(552, 64, 16.5f), Rgb(0x1A1E26));
    Stamp(L, img, 0, 0);
    // the page under the tabs, and the strip along the bottom
    PaintFrame(img, 330, 98, 298, 296, 6);
    PaintParchment(img, 336, 104, 286, 284, 115, -0.1f);
    PaintFrame(img, 2, 394, 636, 85, 4);
    PaintParchment(img, 6, 398, 628, 77, 117, -0.1f);
    // where the mode is switched, as it stands in melee mode
    const Image caption = ModeCaption(false);
    for (auto [x, y] : {std::pair{13, 137}, std::pair{252, 260}})
        for (int r = 0; r < 15; ++r)
            for (int c = 0; c < 63; ++c)
                if (caption.Get(c, r) != kKeyColour) img.Set(x + c, y + r, caption.Get(c, r));
    return img;
}

Image BuildBook() {
    // The book lies on a desk that fills the screen: whatever screen it is laid over (the play
    // screen's slate, the hero screen) shows nothing of itself around it.
    Image img(640, 480, 0);
    PaintWood(img, 0, 0, 640, 480, 124, Rgb(0x3A2414), false);
    scene::Vignette(img, 0.5f);
    Layer L(640, 480);
    // leather cover with tooled border and gilt corner caps, and its shadow on the desk
    auto cover = Box(20, 30, 620, 454, 10);
    L.Fill(Grow(Move(cover, 4, 6), 3.0f), Rgb(0x000000), 0.45f);
    L.Fill(Grow(cover, 1.0f), Rgb(0x120806));
    L.Paint(cover, [&](float x, float y) {
        float n = Fbm(x / 9, y / 9, 121, 4);
        Col c = Mix(Rgb(0x6A1E18), Rgb(0x3A0E0C), n);
        float e = -cover(x, y);
        if (e < 3) c = Lighten(c, (3 - e) * 0.05f);
        return Add(c, (Hash01(int(x), int(y), 122) - 0.5f) * 8);
    });
    L.Fill(Ring(Box(27, 37, 613, 447, 7), 0.7f), Rgb(pal::kGilt));
    for (V2 p : {V2{20, 30}, V2{620, 30}, V2{20, 454}, V2{620, 454}}) {
        float dx = p.x < 320 ? 1.0f : -1.0f, dy = p.y < 240 ? 1.0f : -1.0f;
        InkEmboss(L, Poly{{{p.x, p.y}, {p.x + dx * 30, p.y}, {p.x, p.y + dy * 30}}}, Rgb(pal::kGilt), 3, 0.6f);
    }
    // page stacks peeking out under the pages
    for (int k = 3; k >= 1; --k) {
        float o = float(k) * 2.0f;
        L.Fill(Box(40 - o, 48 + o * 0.5f, 318, 436 + o), k % 2 ? Rgb(0xCDB88C) : Rgb(0xE6D6B0));
        L.Fill(Box(322, 48 + o * 0.5f, 600 + o, 436 + o), k % 2 ? Rgb(0xCDB88C) : Rgb(0xE6D6B0));
    }
    // the two pages, shaded toward the binding
    auto pageL = Box(42, 46, 319, 434, 2), pageR = Box(321, 46, 598, 434, 2);
    auto pageShader = [&](float x, float y) {
        float edge = std::min(std::min(x - 42, 598 - x), std::min(y - 46, 434 - y));
        Col c = ParchmentAt(x, y, 123, edge + 6);
        float g = std::fabs(x - 320.0f);
        if (g < 34) c = Darken(c, (34 - g) / 34.0f * (g < 6 ? 0.45f : 0.25f));
        return c;
    };
    L.Paint(pageL, pageShader);
    L.Paint(pageR, pageShader);
    L.Fill(Box(319, 44, 321, 436), Rgb(0x4A3420));
    // a ribbon marker
    auto ribbon = Poly{{{326, 420}, {338, 420}, {340, 468}, {333, 461}, {327, 470}}};
    L.Fill(Grow(ribbon, 1.0f), Rgb(0x2A0606));
    L.Paint(ribbon, [](float x, float) { return Mix(Rgb(0xB02020), Rgb(0x701010), (x - 326) / 14.0f); });
    Stamp(L, img, 0, 0);
    KeepOffKey(img);
    return img;
}

Image BuildCreditPicture() {
    Layer L(231, 203);
    const float cx = 115, cy = 116;
    sym::Laurel(L, cx, cy + 6, 170, Rgb(0x4A8A30));
    // a quill and a sword crossed behind a shield bearing a tower
    sym::LongSword(L, cx, cy + 4, 170, 40);
    {
        Poly vane{{{cx - 56, cy - 62}, {cx - 38, cy - 50}, {cx - 10, cy - 12}, {cx + 26, cy + 44}, {cx + 17, cy + 42}, {cx - 16, cy - 2}, {cx - 46, cy - 38}}};
        Ink(L, vane, Rgb(0xF4F0E4), Rgb(0x3A3020), 1.2f);
        L.Fill(Seg(cx - 54, cy - 60, cx + 26, cy + 48, 0.8f), Rgb(0x9A8E78));
        L.Fill(Seg(cx + 26, cy + 48, cx + 34, cy + 62, 1.4f), Rgb(0x202020));
    }
    sym::HeaterShield(L, cx, cy - 2, 70, Rgb(0x2A4A9A));
    sym::Tower(L, cx, cy - 5, 34, Rgb(0xE0B840));
    // ribbon under the wreath
    auto ribbon = Poly{{{cx - 60, cy + 64}, {cx + 60, cy + 64}, {cx + 52, cy + 80}, {cx + 70, cy + 84}, {cx + 40, cy + 86},
                        {cx - 40, cy + 86}, {cx - 70, cy + 84}, {cx - 52, cy + 80}}};
    InkEmboss(L, ribbon, Rgb(0xA82420), 3, 0.45f);
    Image img(231, 203, kKeyColour);
    Stamp(L, img, 0, 0);
    // the top rows stay clear for the version line drawn behind the picture
    FillRect(img, 0, 0, 231, 22, kKeyColour);
    KeepOffKey(img);
    return img;
}

}  // namespace art
