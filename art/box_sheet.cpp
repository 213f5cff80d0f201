// VBOX: runes, hieroglyphs, heraldry, cards, the interface pieces and the small HUD parts.
#include <cstring>
#include <functional>

#include "sheets.h"
#include "symbols.h"

namespace art {
namespace {

using namespace sdf;
using sym::Ink;
using sym::InkEmboss;

// Parchment tone inside the HUD windows: a gentle cloud, no grain, so digits stay clean.
Col PanelTone(float x, float y) { return Add(Rgb(0xF0E2C0), (Fbm(x / 9, y / 9, 5, 2) - 0.5f) * 8.0f); }

// ---------------------------------------------------------------- runes

// Rune strokes join the nodes of a 3 x 5 grid; "cr" names column c and row r.
const char* const kRunes[40] = {
    "10-14 10-21 11-22",       "00-04 00-22 22-24",       "10-14 11-22 22-13",       "10-14 10-21 12-23",
    "00-04 00-21 21-02 02-23", "21-12 12-23",             "00-24 20-04",             "00-04 00-21 21-02",
    "00-04 20-24 01-23",       "00-04 20-24 02-22",       "10-14 01-23",             "10-14",
    "00-11 11-02 22-13 13-24", "10-14 10-21 14-03",       "00-04 00-21 04-23",       "10-14 11-00 11-20",
    "20-01 01-23 23-04",       "10-14 10-01 10-21",       "00-04 00-11 11-02 02-13 13-04", "00-04 20-24 00-12 12-20",
    "00-04 20-24 00-22 20-02", "10-14 10-21 21-22",       "11-02 02-13 13-22 22-11", "00-04 20-24 00-24 20-04",
    "11-02 02-13 13-22 22-11 13-04 13-24", "10-14 11-21 13-03", "10-14 01-21",      "10-14 02-22 11-21 13-01",
    "00-04 04-24 24-20",       "10-14 14-03 14-23",       "01-21 21-13 13-01 13-14", "00-04 02-22 20-24 00-20",
    "10-14 11-02 11-22 13-04 13-24", "01-10 10-21 03-14 14-23", "00-22 22-04 10-12",  "10-14 10-21 12-21 14-23",
    "00-04 00-21 02-21 04-23", "01-21 03-23 10-14",       "00-20 02-22 04-24 10-12", "00-20 10-14",
};

V2 RuneNode(char c, char r) { return V2{8.5f + float(c - '0') * 6.5f, 6.0f + float(r - '0') * 4.5f}; }

std::vector<std::pair<V2, V2>> RuneSegments(const char* strokes) {
    std::vector<std::pair<V2, V2>> segs;
    for (const char* s = strokes; *s;) {
        while (*s == ' ') ++s;
        if (!*s) break;
        V2 a = RuneNode(s[0], s[1]), b = RuneNode(s[3], s[4]);
        segs.push_back({a, b});
        s += 5;
    }
    return segs;
}

// A weathered rune stone with the symbol cut into it.
Image RuneStone(int index) {
    Layer L(30, 30);
    uint32_t seed = 900 + uint32_t(index);
    auto stone = [seed](float x, float y) {
        float n = (ValueNoise(x / 4.0f, y / 4.0f, seed) - 0.5f) * 2.4f;
        return Box(2, 1.5f, 28, 28.5f, 7)(x, y) + n;
    };
    L.Fill(Grow(stone, 1.0f), Rgb(0x16181E));
    Col base = index == 39 ? Rgb(0x6A6258) : Rgb(0x8A8E98);
    L.Emboss(stone, base, 4.0f, 0.5f);
    // speckle
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x) {
            if (L.A(x, y) < 0.5f) continue;
            float h = Hash01(x, y, seed * 3);
            if (h < 0.12f) L.Tint(x, y, Darken(L.Get(x, y), 0.25f), 1.0f);
            else if (h > 0.93f) L.Tint(x, y, Lighten(L.Get(x, y), 0.18f), 1.0f);
        }
    auto segs = RuneSegments(kRunes[index]);
    auto cut = [&](float grow, float dx, float dy) {
        return [=](float x, float y) {
            float d = 1e9f;
            for (auto& s : segs) d = std::min(d, Seg(s.first.x + dx, s.first.y + dy, s.second.x + dx, s.second.y + dy, 1.15f + grow)(x, y));
            return d;
        };
    };
    if (index == 39) {
        // the builder's rune: a hammer, inlaid with gold
        auto hammer = Union(Box(7, 5, 23, 11.5f, 1.5f), Box(13.5f, 10, 16.5f, 25.5f, 1));
        L.Fill(Move(hammer, 0.9f, 0.9f), Rgb(0xC8C0B0));
        L.Fill(Grow(hammer, 0.6f), Rgb(0x2A1E10));
        L.Emboss(hammer, Rgb(0xE0B848), 1.6f, 0.6f);
        L.Fill(Seg(8.5f, 21.5f, 22.5f, 21.5f, 0.8f), Rgb(0xE0B848));
        L.Fill(Ring(Seg(8.5f, 21.5f, 22.5f, 21.5f, 0.8f), 0.35f), Rgb(0x2A1E10));
    } else {
        L.Fill(cut(0.0f, 0.8f, 0.8f), Lighten(base, 0.45f));
        L.Fill(cut(0.0f, 0.0f, 0.0f), Rgb(0x22262E));
        L.Fill(cut(-0.6f, -0.3f, -0.3f), Rgb(0x3A4A6A));
    }
    Image img(30, 30, kKeyColour);
    Stamp(L, img, 0, 0);
    return img;
}

// ---------------------------------------------------------------- hieroglyphs

// Carved and painted pictographs on sandstone tablets.
Image Hieroglyph(int index) {
    Layer L(30, 30);
    uint32_t seed = 1300 + uint32_t(index);
    auto tablet = Box(1.5f, 1.5f, 28.5f, 28.5f, 3);
    L.Fill(Grow(tablet, 0.8f), Rgb(0x3A2410));
    L.Emboss(tablet, Rgb(0xDCBC84), 2.5f, 0.45f);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x) {
            if (L.A(x, y) < 0.5f) continue;
            float n = Fbm(x / 5.0f, y / 5.0f, seed, 2);
            L.Tint(x, y, Add(L.Get(x, y), (n - 0.5f) * 26.0f + (Hash01(x, y, seed) - 0.5f) * 10.0f), 1.0f);
        }
    const Col paints[4] = {Rgb(0x7A2A14), Rgb(0x1E3E7A), Rgb(0x24402A), Rgb(0x5A1A30)};
    const Col ink = paints[index % 4];
    const Col hole = Rgb(0xDCBC84);
    auto F = [&](auto shape) { L.Fill(shape, ink); };
    auto S = [&](float ax, float ay, float bx, float by, float w = 1.1f) { F(Seg(ax, ay, bx, by, w)); };
    auto waves = [&](float y0, int n) {
        for (int k = 0; k < n; ++k) {
            Path p{{}, 0.8f};
            for (int i = 0; i <= 8; ++i) p.v.push_back({7.0f + i * 2.0f, y0 + k * 4.0f + ((i % 2) ? -1.2f : 1.2f)});
            F(p);
        }
    };
    switch (index % 40) {
        case 0:  // eye
            F(Ring(Inter(Circle(15, 19, 9), Circle(15, 7, 9)), 0.8f));
            F(Circle(15, 13, 2.4f));
            S(15, 17, 12, 23, 0.8f);
            S(20, 16, 23, 21, 0.8f);
            break;
        case 1:  // standing bird
            F(Ellipse(14, 14, 6, 4));
            F(Circle(20, 9, 2.6f));
            F(Poly{{{22, 8.5f}, {26, 10}, {22, 10.5f}}});
            F(Poly{{{8, 13}, {4, 17}, {9, 16}}});
            S(13, 17, 12, 24, 0.8f);
            S(16, 17, 17, 24, 0.8f);
            break;
        case 2: waves(9, 3); break;
        case 3:  // reed
            F(Rotate(Ellipse(15, 11, 3, 7), 15, 11, 15));
            S(15, 15, 14, 25);
            break;
        case 4:  // loop cross
            F(Ring(Ellipse(15, 9, 3.5f, 4.5f), 1.1f));
            S(15, 13, 15, 25);
            S(9, 15, 21, 15);
            break;
        case 5:  // sun disc
            F(Ring(Circle(15, 15, 7), 1.2f));
            F(Circle(15, 15, 2));
            break;
        case 6:  // sun on the horizon
            F(Inter(Circle(15, 18, 7), Box(0, 0, 30, 18)));
            S(6, 19.5f, 24, 19.5f);
            for (int k = 0; k < 3; ++k) S(8 + k * 7.0f, 22.5f, 8 + k * 7.0f + 1, 25, 0.7f);
            break;
        case 7: {  // snake
            Path p{{}, 1.2f};
            for (int i = 0; i <= 12; ++i) p.v.push_back({6.0f + i * 1.5f, 17.0f + std::sin(i * 0.9f) * 3.0f});
            F(p);
            F(Ellipse(24, 15, 2.4f, 1.8f));
            break;
        }
        case 8:  // hand
            F(Box(9, 13, 19, 24, 2));
            for (int k = 0; k < 4; ++k) S(10.5f + k * 2.6f, 13, 10.5f + k * 2.6f, 6.5f + (k == 1 || k == 2 ? -1.0f : 0.5f), 1.0f);
            S(19, 17, 23, 13, 1.0f);
            break;
        case 9:  // mountain
            F(Inter(Union(Circle(10.5f, 20, 5.5f), Circle(19.5f, 20, 5.5f)), Box(0, 0, 30, 20.5f)));
            S(4, 21, 26, 21, 0.9f);
            break;
        case 10:  // house plan
            F(Ring(Box(8, 8, 22, 22), 1.1f));
            L.Fill(Box(13, 19, 17, 24), hole);
            break;
        case 11:  // leg
            S(14, 6, 14, 22, 1.3f);
            S(14, 22, 22, 22, 1.3f);
            break;
        case 12:  // bowl
            F(Inter(Ring(Circle(15, 13, 8), 1.2f), Box(0, 13, 30, 30)));
            S(7, 13, 23, 13, 1.0f);
            break;
        case 13:  // loaf
            F(Inter(Circle(15, 20, 7), Box(0, 0, 30, 20)));
            break;
        case 14: {  // coiled rope
            Path p{{}, 1.0f};
            for (int i = 0; i <= 40; ++i) {
                float a = i * 0.42f;
                float r = 1.0f + i * 0.16f;
                p.v.push_back({15 + r * std::cos(a), 15 + r * std::sin(a)});
            }
            F(p);
            break;
        }
        case 15:  // owl
            F(Union(Ellipse(15, 17, 5.5f, 7), Circle(15, 10, 4.5f)));
            L.Fill(Circle(13, 10, 1.4f), hole);
            L.Fill(Circle(17, 10, 1.4f), hole);
            S(12, 24, 11, 26, 0.7f);
            S(18, 24, 19, 26, 0.7f);
            break;
        case 16:  // scarab
            F(Ellipse(15, 16, 4.5f, 6));
            F(Circle(15, 8.5f, 2.4f));
            for (int k = -1; k <= 1; ++k) {
                S(11, 16 + k * 3.5f, 6.5f, 14 + k * 5.0f, 0.7f);
                S(19, 16 + k * 3.5f, 23.5f, 14 + k * 5.0f, 0.7f);
            }
            L.Fill(Seg(15, 11, 15, 21, 0.4f), hole);
            break;
        case 17:  // jar
            F(Union(Ellipse(15, 17, 5.5f, 6.5f), Box(12, 6, 18, 12)));
            F(Box(10.5f, 5, 19.5f, 7, 0.8f));
            break;
        case 18: F(Poly{Star(15, 15.5f, 9, 3.6f, 5, 0)}); break;
        case 19: {  // crook
            Path p{{{15, 25}, {15, 9}}, 1.1f};
            for (int i = 0; i <= 10; ++i) {
                float a = 3.14159265f + i * 0.3f;
                p.v.push_back({18.5f + 3.5f * std::cos(a), 9 + 3.5f * std::sin(a)});
            }
            F(p);
            break;
        }
        case 20:  // flail
            S(10, 25, 17, 7, 1.0f);
            for (int k = 0; k < 3; ++k) S(17, 7, 22 + k * 1.5f, 12 + k * 3.0f, 0.7f);
            break;
        case 21:  // basket
            F(Inter(Circle(15, 12, 9), Box(0, 12, 30, 30)));
            for (int k = 0; k < 3; ++k) L.Fill(Seg(9 + k * 6.0f, 13.5f, 12 + k * 6.0f, 18, 0.5f), hole);
            break;
        case 22:  // arm
            S(5, 16, 19, 16, 1.6f);
            F(Ellipse(22, 15, 3, 2.2f));
            S(22, 13, 25, 11, 0.8f);
            break;
        case 23:  // mouth
            F(Inter(Circle(15, 24, 12), Circle(15, 6, 12)));
            break;
        case 24:  // lotus
            F(Ellipse(15, 12, 2.4f, 6));
            F(Rotate(Ellipse(11, 13, 2.0f, 5), 11, 13, -30));
            F(Rotate(Ellipse(19, 13, 2.0f, 5), 19, 13, 30));
            S(15, 17, 15, 25, 0.9f);
            break;
        case 25:  // fish
            F(Union(Ellipse(14, 15, 7, 4), Poly{{{20, 15}, {25, 11}, {25, 19}}}));
            L.Fill(Circle(10, 14, 1.1f), hole);
            break;
        case 26:  // boat
            F(Inter(Ring(Circle(15, 6, 13), 1.6f), Box(0, 12, 30, 30)));
            F(Box(12, 11, 18, 17));
            S(15, 5, 15, 11, 0.8f);
            break;
        case 27:  // pillar with bands
            F(Box(12, 9, 18, 25));
            for (int k = 0; k < 4; ++k) F(Box(9, 5.5f + k * 2.6f, 21, 6.8f + k * 2.6f));
            break;
        case 28:  // bolt
            F(Box(6, 12.5f, 24, 17.5f, 1));
            F(Box(12, 9, 14, 21));
            break;
        case 29: F(Sub(Circle(15, 15, 8), Circle(19, 13, 7))); break;
        case 30:  // pool
            F(Ring(Box(7, 8, 23, 22), 1.0f));
            waves(12.5f, 2);
            break;
        case 31:  // spread wings
            F(Ellipse(15, 14, 2.2f, 5));
            F(Poly{{{14, 12}, {4, 7}, {6, 12}, {4, 14}, {14, 16}}});
            F(Poly{{{16, 12}, {26, 7}, {24, 12}, {26, 14}, {16, 16}}});
            F(Circle(15, 8, 2));
            break;
        case 32:  // rearing cobra
            F(Union(Ellipse(15, 10, 4, 4.5f), Box(13.5f, 12, 16.5f, 21)));
            S(15, 21, 22, 23, 1.2f);
            L.Fill(Circle(15, 9, 1.0f), hole);
            break;
        case 33:  // steps
            F(Poly{{{6, 24}, {6, 19}, {11, 19}, {11, 14}, {16, 14}, {16, 9}, {21, 9}, {21, 6}, {24, 6}, {24, 24}}});
            break;
        case 34:  // comb
            F(Box(7, 8, 23, 12.5f, 1));
            for (int k = 0; k < 6; ++k) S(8.5f + k * 2.6f, 12, 8.5f + k * 2.6f, 22, 0.7f);
            break;
        case 35:  // cartouche
            F(Ring(Box(9, 4, 21, 22, 6), 1.0f));
            S(8, 25, 22, 25, 1.0f);
            F(Circle(15, 13, 2));
            break;
        case 36:  // sceptre
            S(15, 9, 15, 25, 1.0f);
            S(15, 25, 12, 27, 0.8f);
            S(15, 25, 18, 27, 0.8f);
            F(Poly{{{13, 9}, {20, 5}, {21, 8}, {16, 10}}});
            break;
        case 37:  // eye with a teardrop mark
            F(Ring(Inter(Circle(15, 18, 8), Circle(15, 6, 8)), 0.8f));
            F(Circle(15, 12, 2.0f));
            F(Path{{{13, 15}, {12, 20}, {9, 23}}, 0.8f});
            S(7, 8, 23, 8, 0.8f);
            break;
        case 38:  // pyramid and sun
            F(Poly{{{5, 24}, {25, 24}, {15, 12}}});
            F(Circle(22, 8, 2.6f));
            break;
        default:  // twin reeds
            F(Rotate(Ellipse(11.5f, 11, 2.4f, 6), 11.5f, 11, -8));
            F(Rotate(Ellipse(18.5f, 11, 2.4f, 6), 18.5f, 11, 8));
            S(11.5f, 15, 12, 25);
            S(18.5f, 15, 18, 25);
            break;
    }
    Image img(30, 30, kKeyColour);
    Stamp(L, img, 0, 0);
    return img;
}

// ---------------------------------------------------------------- heraldry

// Heater shield outline in the 69 x 86 picture: straight top and sides, two arcs to the point.
struct ShieldShape {
    Poly poly;
    ShieldShape() {
        const float deg = 3.14159265f / 180.0f;
        poly.v = {{4.5f, 4.5f}, {64.5f, 4.5f}};
        for (int i = 0; i <= 16; ++i) {
            float a = 71.1f * deg * float(i) / 16.0f;
            poly.v.push_back({20.1f + 44.4f * std::cos(a), 40.0f + 44.4f * std::sin(a)});
        }
        for (int i = 0; i <= 16; ++i) {
            float a = (108.9f + 71.1f * float(i) / 16.0f) * deg;
            poly.v.push_back({48.9f + 44.4f * std::cos(a), 40.0f + 44.4f * std::sin(a)});
        }
    }
    float operator()(float x, float y) const { return poly(x, y); }
};

Image Heraldry(int index) {
    Layer L(69, 86);
    ShieldShape shield;
    auto inside = [&](auto s) { return Inter(s, shield); };
    const Col gules = Rgb(0xB01E1E), azure = Rgb(0x1E48A8), vert = Rgb(0x1E7A34), sable = Rgb(0x1A1A20),
              purpure = Rgb(0x6A2A8A), argent = Rgb(0xECEEF2), orC = Rgb(0xE0B030);
    Col field[10] = {orC, azure, vert, gules, sable, azure, purpure, argent, orC, gules};
    L.Fill(Grow(shield, 2.6f), kLine);
    L.Fill(Grow(shield, 1.6f), Rgb(0xD8B050));
    L.Fill(shield, field[index]);
    switch (index) {
        case 0:  // Thornwick's: a lantern over a thorn
            sym::Lantern(L, 34.5f, 29, 42, sable, Rgb(0xFFF0B0));
            sym::ThornBranch(L, 34.5f, 63, 58, vert);
            break;
        case 1: L.Fill(inside(Union(Box(29, 0, 40, 90), Box(0, 30, 69, 41))), argent); break;
        case 2: L.Fill(inside(Seg(0, 0, 69, 86, 7.5f)), orC); break;
        case 3:
            L.Fill(inside(Box(34.5f, 0, 69, 38)), argent);
            L.Fill(inside(Box(0, 38, 34.5f, 90)), argent);
            break;
        case 4: InkEmboss(L, Poly{Star(34.5f, 36, 20, 8.5f, 5, 0)}, orC, 4.0f, 0.5f); break;
        case 5:
            L.Fill(inside(Box(0, 38, 69, 90)), argent);
            for (V2 p : {V2{17, 20}, V2{34.5f, 20}, V2{52, 20}}) InkEmboss(L, Circle(p.x, p.y, 6), orC, 3, 0.5f);
            L.Fill(inside(Box(0, 36.5f, 69, 39.5f)), Rgb(0xD8B050));
            break;
        case 6: L.Fill(inside(Union(Seg(0, 0, 69, 86, 6), Seg(69, 0, 0, 86, 6))), argent); break;
        case 7:
            L.Fill(inside(Box(25, 0, 44, 90)), gules);
            sym::Crown(L, 34.5f, 24, 22, orC);
            break;
        case 8: sym::Bird(L, 34.5f, 38, 46, sable); break;
        default: sym::Tower(L, 34.5f, 40, 40, orC); break;
    }
    // sheen from the upper left and a darker lower right
    for (int y = 0; y < 86; ++y)
        for (int x = 0; x < 69; ++x) {
            if (shield(x + 0.5f, y + 0.5f) > 0) continue;
            float k = (float(x) / 69.0f + float(y) / 86.0f) * 0.5f;
            Col c = L.Get(x, y);
            c = k < 0.35f ? Lighten(c, (0.35f - k) * 0.45f) : Darken(c, (k - 0.35f) * 0.35f);
            L.Tint(x, y, c, 1.0f);
        }
    L.Fill(Ring(Grow(shield, -2.0f), 0.5f), Rgb(0xFFFFFF), 0.25f);
    Image img(69, 86, kKeyColour);
    Stamp(L, img, 0, 0);
    return img;
}

// ---------------------------------------------------------------- playing cards

Image Card(int index) {
    Layer L(69, 86);
    const Col frames[7] = {Rgb(0x2A4A8A), Rgb(0x1E6A7A), Rgb(0x5A5E68), Rgb(0xB08A20), Rgb(0xC8A030), Rgb(0x8A1A18), Rgb(0x5A2A7A)};
    Col fr = frames[index];
    auto card = Box(0.5f, 0.5f, 68.5f, 85.5f, 6);
    L.Fill(card, kLine);
    L.Paint(Box(1.5f, 1.5f, 67.5f, 84.5f, 5), [](float x, float y) {
        float n = Fbm(x / 8, y / 8, 77, 2);
        return Add(Mix(Rgb(0xF8F0DC), Rgb(0xE8DCC0), (x + y) / 155.0f), (n - 0.5f) * 8);
    });
    L.Fill(Ring(Box(5, 5, 64, 81, 3), 1.0f), fr);
    L.Fill(Ring(Box(7.5f, 7.5f, 61.5f, 78.5f, 2), 0.4f), fr, 0.7f);
    // corner marks
    for (V2 p : {V2{12, 13}, V2{57, 73}}) InkEmboss(L, Poly{RegularPoly(p.x, p.y, 3.6f, 4, 0)}, fr, 1.2f, 0.5f);
    const float cx = 34.5f, cy = 43;
    switch (index) {
        case 0:  // castle
            sym::Tower(L, cx - 12, cy + 4, 22, Rgb(0xA8A8B0));
            sym::Tower(L, cx + 12, cy + 4, 22, Rgb(0xA8A8B0));
            sym::Tower(L, cx, cy - 2, 30, Rgb(0xC0C0C8));
            L.Fill(Poly{{{cx, cy - 26}, {cx + 6, cy - 23}, {cx, cy - 20}}}, Rgb(0xC02020));
            L.Fill(Seg(cx, cy - 26, cx, cy - 16, 0.5f), kLine);
            break;
        case 1:  // ship
            for (int k = 0; k < 2; ++k) {
                Path w{{}, 1.0f};
                for (int i = 0; i <= 20; ++i) w.v.push_back({12.0f + i * 2.2f, cy + 16 + k * 5 + std::sin(i * 1.1f) * 1.5f});
                L.Fill(w, Rgb(0x2A70C0));
            }
            sym::Ship(L, cx, cy, 40, Rgb(0x8A5A2C), Rgb(0xF4F0E4));
            break;
        case 2: sym::Sword(L, cx, cy, 50, 0); break;
        case 3: sym::Crown(L, cx, cy, 40, Rgb(0xE8B830)); break;
        case 4:  // victory: a star in a laurel wreath
            sym::Laurel(L, cx, cy + 2, 46, Rgb(0x4A9A30));
            InkEmboss(L, Poly{Star(cx, cy - 1, 11, 4.6f, 5, 0)}, Rgb(0xF0C030), 3, 0.6f);
            break;
        case 5:  // execution: axe in the block
            InkEmboss(L, Box(cx - 16, cy + 10, cx + 16, cy + 22, 2), Rgb(0x7A4A24), 2.5f, 0.5f);
            sym::Axe(L, cx + 2, cy - 4, 40);
            L.Fill(Circle(cx - 8, cy + 9, 2.2f), Rgb(0xA01010));
            break;
        default:  // empire: crowned eagle
            sym::Bird(L, cx, cy + 6, 40, Rgb(0x6A2A8A));
            sym::Crown(L, cx, cy - 20, 16, Rgb(0xE8B830));
            break;
    }
    Image img(69, 86, kKeyColour);
    Stamp(L, img, 0, 0);
    return img;
}

// ---------------------------------------------------------------- HUD parts

Image VitalsPanel() {
    Image img(189, 64, 0);
    PaintWood(img, 0, 0, 189, 64, 61, Rgb(0x5A3A1E), false);
    PaintFrame(img, 0, 0, 189, 64, 4);
    Layer L(189, 64);
    // damage-reduction shield, the number sits in its upper half
    ShieldShape s;
    auto dr = [&](float x, float y) { return s((x - 16.5f) * 69.0f / 31.0f, (y - 9.5f) * 86.0f / 46.0f) * 0.45f; };
    L.Fill(Grow(dr, 1.2f), kLine);
    L.Paint(dr, [](float x, float y) { return Mix(Rgb(0xF2F0E8), Rgb(0xB8BCC4), (x - 16 + y - 10) / 70.0f); });
    L.Fill(Ring(Grow(dr, -1.5f), 0.6f), Rgb(0x8A8E98));
    // gauge troughs
    for (float gx : {54.0f, 66.0f}) {
        L.Fill(Box(gx - 0.5f, 9.5f, gx + 12.5f, 54.5f, 2), kLine);
        L.Fill(Box(gx + 0.5f, 10.5f, gx + 11.5f, 53.5f, 1.5f), Rgb(0xC8A050));
        L.Fill(Box(gx + 1.5f, 11.5f, gx + 10.5f, 52.5f, 1), Rgb(0x141010));
    }
    // little marks under the gauges would be hidden by nothing: heart for life, star for energy
    sym::Heart(L, 60, 59.0f, 7, Rgb(0xD02030));
    L.Fill(Poly{Star(72, 59.0f, 3.8f, 1.6f, 4, 0)}, Rgb(0x60A0F0));
    // purse and food
    sym::Coin(L, 110, 22.5f, 15);
    {
        auto loaf = Union(Ellipse(110, 43, 7, 4.2f), Box(103, 43, 117, 47.5f, 1.8f));
        InkEmboss(L, loaf, Rgb(0xC88A40), 2.5f, 0.5f);
        for (int i = 0; i < 3; ++i) L.Fill(Seg(106 + i * 3.2f, 40.5f, 107.4f + i * 3.2f, 44, 0.4f), Rgb(0x8A5420));
    }
    for (float wy : {13.5f, 33.5f}) {
        L.Fill(Box(119.5f, wy, 183.5f, wy + 18, 2), kLine);
        L.Fill(Box(120.5f, wy + 1, 182.5f, wy + 17, 1.5f), Rgb(0xA88040));
        L.Paint(Box(121.5f, wy + 2, 181.5f, wy + 16, 1), [](float x, float y) { return PanelTone(x, y); });
    }
    Stamp(L, img, 0, 0);
    return img;
}


Image XpBarFrame() {
    Layer L(56, 8);
    L.Fill(Box(0, 0, 56, 8, 3.5f), kLine);
    L.Emboss(Box(1, 1, 55, 7, 2.5f), Rgb(pal::kGilt), 1.5f, 0.6f);
    L.Fill(Box(6.5f, 1.5f, 49.5f, 6.5f, 1), kLine);
    L.Fill(Box(7.5f, 2.5f, 48.5f, 5.5f), Rgb(0x181010));
    Image img(56, 8, kKeyColour);
    Stamp(L, img, 0, 0);
    return img;
}

// The eight columns of a vertical gauge stripe: a lit cylinder.
void GaugeStripe(Image& img, int x, int y, Col c) {
    const float shade[8] = {0.45f, 0.75f, 1.0f, 1.18f, 1.08f, 0.9f, 0.7f, 0.45f};
    for (int i = 0; i < 8; ++i) {
        Col v = shade[i] > 1 ? Lighten(c, (shade[i] - 1) * 1.6f) : Scale(c, shade[i]);
        img.Set(x + i, y, ToRgb(v));
    }
}

// A frame bar of the map view: symmetric across its width so one piece serves both sides.
Image FrameBar(int w, int h) {
    Image img(w, h, 0);
    const bool horizontal = w > h;
    const uint32_t bands[8] = {0x140C06, 0x4A3018, 0x7A5430, 0xE0BC60, 0xB08838, 0x6A4626, 0x3E2814, 0x140C06};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int across = horizontal ? y : x;
            int along = horizontal ? x : y;
            Col c = Rgb(bands[across]);
            if (across != 0 && across != 7 && across != 3 && across != 4)
                c = Add(c, (Fbm(float(along) / 8.0f, float(across), 71, 2, 4, 0) - 0.5f) * 22.0f);
            img.Set(x, y, ToRgb(c));
        }
    return img;
}

Image FrameCorner() {
    Image img = FrameBar(8, 8);
    Layer L(8, 8);
    L.Fill(Box(0, 0, 8, 8), Rgb(0x140C06));
    L.Emboss(Box(0.8f, 0.8f, 7.2f, 7.2f, 1), Rgb(pal::kGilt), 1.6f, 0.7f);
    L.Fill(Circle(4, 4, 1.1f), Rgb(0x3A2410));
    Stamp(L, img, 0, 0);
    return img;
}

// A gloved hand closed around a grip; the knuckles face the held item.
Image Hand(bool mirrored) {
    Layer L(42, 45);
    const Col glove = Rgb(0x8A5A30);
    auto palm = Box(14, 12, 33, 36, 6);
    InkEmboss(L, Union(palm, Box(24, 32, 34, 44, 3)), Darken(glove, 0.1f), 3, 0.4f);
    for (int k = 0; k < 4; ++k) {
        float y = 14 + k * 5.6f;
        InkEmboss(L, Box(6, y, 20, y + 5.4f, 2.6f), glove, 2, 0.5f);
    }
    InkEmboss(L, Rotate(Box(12, 7, 30, 13, 3), 21, 10, -12), Lighten(glove, 0.08f), 2, 0.5f);
    L.Fill(Box(24, 38, 34, 40), Rgb(0xC8A050));
    Image img(42, 45, kKeyColour);
    Stamp(L, img, 0, 0);
    if (mirrored) {
        Image m(42, 45, kKeyColour);
        for (int y = 0; y < 45; ++y)
            for (int x = 0; x < 42; ++x) m.Set(41 - x, y, img.Get(x, y));
        return m;
    }
    return img;
}

// Row shading strip of the hero screen's lists.
Image ListBar() {
    Layer L(278, 18);
    L.Paint(Box(0.5f, 1, 277.5f, 17, 6), [](float x, float y) {
        float edge = std::min(x, 278 - x) / 30.0f;
        Col c = Mix(Rgb(0xD9C497), Rgb(0xCDB582), y / 18.0f);
        return Mix(Rgb(0xE6D4AA), c, std::clamp(edge, 0.0f, 1.0f));
    });
    L.Fill(Box(4, 1, 274, 1.8f), Rgb(0xF6ECD0), 0.8f);
    L.Fill(Box(4, 16.2f, 274, 17), Rgb(0xA88A58), 0.8f);
    Image img(278, 18, kKeyColour);
    Stamp(L, img, 0, 0);
    return img;
}

// A district box of the city map: framed parchment, a well for the picture, a label band.
Image CityMarker() {
    Image img(74, 74, 0);
    PaintParchment(img, 0, 0, 74, 74, 811, 0.05f);
    PaintFrame(img, 0, 0, 74, 74, 4);
    Layer L(74, 74);
    L.Fill(Box(15.5f, 15.5f, 54.5f, 52.5f, 4), Rgb(0x8A6A3A), 0.9f);
    L.Fill(Box(16.5f, 16.5f, 53.5f, 51.5f, 3), Rgb(0xC8B088));
    L.Fill(Box(17.5f, 17.5f, 52.5f, 50.5f, 3), Rgb(0xD8C49C));
    Stamp(L, img, 0, 0);
    return img;
}

}  // namespace

Image ModeCaption(bool missile) {
    Layer L(63, 15);
    L.Fill(Box(0.5f, 0.5f, 62.5f, 14.5f, 3), kLine);
    // The halves meet where the two click areas meet; the active one is a lit bronze plate,
    // the other a dark recess.
    auto half = [&](float x0, float x1, bool lit) {
        if (lit)
            L.Paint(Box(x0, 1.5f, x1, 13.5f, 2), [](float, float y) { return Mix(Rgb(0xF4D890), Rgb(0xA07A34), y / 15.0f); });
        else
            L.Paint(Box(x0, 1.5f, x1, 13.5f, 2), [](float, float y) { return Mix(Rgb(0x2A2118), Rgb(0x3C3024), y / 15.0f); });
    };
    half(1.5f, 30.5f, !missile);
    half(32.5f, 61.5f, missile);
    Image img(63, 15, kKeyColour);
    Stamp(L, img, 0, 0);
    const uint32_t litInk = 0x2A1606, dimInk = 0x8C7A5E;
    DrawText3x5(img, 16 - Text3x5Width("MELEE") / 2, 5, "MELEE", missile ? dimInk : litInk);
    DrawText3x5(img, 47 - Text3x5Width("MISSILE") / 2, 5, "MISSILE", missile ? litInk : dimInk);
    return img;
}

Image BuildBoxSheet() {
    Image img(701, 544, kKeyColour);
    for (int i = 0; i < 40; ++i) {
        Image r = RuneStone(i);
        Blit(r, 0, 0, 30, 30, img, 31 * (i % 20) + 1, i < 20 ? 1 : 32);
        Image h = Hieroglyph(i);
        Blit(h, 0, 0, 30, 30, img, 31 * (i % 20) + 1, i < 20 ? 440 : 471);
    }
    for (int i = 0; i < 10; ++i) Blit(Heraldry(i), 0, 0, 69, 86, img, 70 * i + 1, 63);
    for (int i = 0; i < 7; ++i) Blit(Card(i), 0, 0, 69, 86, img, 70 * i + 1, 349);

    std::vector<Image> icons = BuildUiIcons();
    for (int i = 0; i < 150; ++i) Blit(icons[size_t(i)], 0, 0, 20, 20, img, 21 * (i % 30) + 1, 21 * (i / 30) + 151);
    for (int i = 150; i < 160; ++i) Blit(icons[size_t(i)], 0, 0, 20, 20, img, 21 * (i - 150) + 421, 256);

    // gauge stripes: life, energy and a spare gold one
    GaugeStripe(img, 193, 292, Rgb(0xC82018));
    GaugeStripe(img, 203, 292, Rgb(0x2458D0));
    GaugeStripe(img, 213, 292, Rgb(0xD8A020));
    // monster bar pieces: filled, empty
    const uint32_t filled[3] = {0xF05A48, 0xC8281C, 0x7A1010};
    const uint32_t empty[3] = {0x4A3C38, 0x2E2624, 0x1A1412};
    for (int r = 0; r < 3; ++r) {
        img.Set(193, 296 + r, filled[r]);
        img.Set(195, 296 + r, empty[r]);
    }

    Blit(FrameBar(32, 8), 0, 0, 32, 8, img, 192, 282);
    Blit(FrameBar(8, 32), 0, 0, 8, 32, img, 225, 282);
    Image corner = FrameCorner();
    for (int k = 0; k < 4; ++k) Blit(corner, 0, 0, 8, 8, img, 234 + 9 * k, 282);

    Blit(VitalsPanel(), 0, 0, 189, 64, img, 0, 281);
    Blit(XpBarFrame(), 0, 0, 56, 8, img, 3, 272);
    img.Set(60, 275, 0xFFE890);
    img.Set(60, 276, 0xD8A030);
    Blit(ModeCaption(true), 0, 0, 63, 15, img, 199, 320);
    Blit(ListBar(), 0, 0, 278, 18, img, 381, 297);
    Blit(Hand(false), 0, 0, 42, 45, img, 279, 289);
    Blit(Hand(true), 0, 0, 42, 45, img, 322, 289);

    // effect marks on monsters: small light digits on dark red
    for (int d = 0; d < 10; ++d) {
        FillRect(img, 6 * d + 13, 507, 5, 7, 0x5A0C0A);
        DrawDigits3x5(img, 6 * d + 14, 508, d, 0xFFE070);
    }
    Blit(CityMarker(), 0, 0, 74, 74, img, 509, 354);
    KeepOffKey(img);
    return img;
}

}  // namespace art
