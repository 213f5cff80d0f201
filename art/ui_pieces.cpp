// The 20 x 20 interface pieces: widget parts that tile into fields, buttons, panels and tabs,
// and the icons of statuses, enhancements, gems, tattoos and navigation.
#include <functional>

#include "sheets.h"
#include "symbols.h"

namespace art {
namespace {

using namespace sdf;
using sym::Ink;
using sym::InkEmboss;

constexpr int kPiece = 20;

Image ToPiece(const Layer& L) {
    Image img(kPiece, kPiece, kKeyColour);
    Stamp(L, img, 0, 0);
    return img;
}

// Cuts three 20 x 20 pieces (left end, middle, right end) from a 60-pixel-wide prototype row.
void CutRow(const Image& proto, int y, std::vector<Image>& out, int left, int middle, int right) {
    out[left] = Crop(proto, 0, y, 20, 20);
    out[middle] = Crop(proto, 20, y, 20, 20);
    out[right] = Crop(proto, 40, y, 20, 20);
}

// Parchment that repeats every 20 pixels, shared by panel bodies, tabs and edges.
Col PanelParchment(int x, int y) {
    float n = Fbm(float(x) / 5.0f, float(y) / 5.0f, 711, 3, 4, 4);
    float fine = Hash01(((x % 20) + 20) % 20, ((y % 20) + 20) % 20, 712);
    Col base = Rgb(pal::kParchment);
    return Add(base, (n - 0.5f) * 14.0f + (fine - 0.5f) * 4.0f);
}

// Depth of a pixel inside a rounded box and which side faces it (for light from the top left).
struct Depth {
    float depth;   // pixels inside the edge (negative outside)
    bool litSide;  // the nearest edge is the top or the left one
};
Depth BoxDepth(float px, float py, float x0, float y0, float x1, float y1, float rad) {
    float d = Box(x0, y0, x1, y1, rad)(px, py);
    float dl = px - x0, dr = x1 - px, dt = py - y0, db = y1 - py;
    float m = std::min(std::min(dl, dr), std::min(dt, db));
    return Depth{-d, m == dl || m == dt};
}

// ---------------------------------------------------------------- framed panel

// A panel prototype of 60 x (rows*20) pixels; with a title the first two rows carry the banner.
Image PanelPrototype(int rows, bool title) {
    const int W = 60, H = rows * 20;
    Image img(W, H, kKeyColour);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            float px = x + 0.5f, py = y + 0.5f;
            Depth dp = BoxDepth(px, py, 0, 0, float(W), float(H), 4.0f);
            float t = dp.depth;
            if (t < 0.0f) continue;
            Col c;
            if (t < 1.2f) {
                c = kLine;
            } else if (t < 5.0f) {
                // dark wood band whose grain runs along the edge
                bool horizontal = std::min(py, H - py) < std::min(px, W - px);
                float along = horizontal ? float(x % 20) : float(y % 20);
                float g = Fbm(along / 10.0f, t * 0.9f, horizontal ? 31 : 32, 2, 2, 0);
                c = Add(Rgb(pal::kWood), (g - 0.5f) * 26.0f);
                float bevel = (t < 2.2f) ? 0.25f : (t > 4.0f ? -0.2f : 0.0f);
                if (!dp.litSide) bevel = -bevel - 0.12f;
                c = bevel > 0 ? Lighten(c, bevel) : Darken(c, -bevel);
            } else if (t < 6.0f) {
                c = dp.litSide ? Rgb(pal::kGiltLight) : Rgb(pal::kGilt);
            } else if (t < 7.0f) {
                c = Rgb(0x4A2E14);
            } else {
                c = PanelParchment(x, y);
                if (dp.litSide && t < 8.0f) c = Darken(c, 0.16f);
                else if (dp.litSide && t < 9.0f) c = Darken(c, 0.07f);
            }
            img.Set(x, y, ToRgb(c));
        }
    // brass studs in the four corners of the wood band
    Layer studs(W, H);
    for (V2 p : {V2{3.5f, 3.5f}, V2{W - 3.5f, 3.5f}, V2{3.5f, H - 3.5f}, V2{W - 3.5f, H - 3.5f}})
        InkEmboss(studs, Circle(p.x, p.y, 1.6f), Rgb(pal::kGilt), 1.2f, 0.7f, kLine);
    Stamp(studs, img, 0, 0);
    if (title) {
        // the banner under the title text, between the frame's inner lines
        for (int y = 7; y < 40; ++y)
            for (int x = 0; x < W; ++x) {
                Depth dp = BoxDepth(x + 0.5f, y + 0.5f, 0, 0, float(W), float(H), 4.0f);
                float sideDepth = std::min(x + 0.5f, W - x - 0.5f);
                if (sideDepth < 7.0f || dp.depth < 0) continue;
                Col c;
                if (y < 35) {
                    float k = float(y - 7) / 28.0f;
                    c = Mix(Rgb(0x34487C), Rgb(0x18203E), k);
                    c = Add(c, (Fbm(float(x % 20) / 5.0f, float(y) / 4.0f, 41, 2, 4, 0) - 0.5f) * 10.0f);
                    if (y == 7) c = Darken(c, 0.3f);
                } else if (y == 35) {
                    c = Rgb(pal::kGiltLight);
                } else if (y == 36) {
                    c = Rgb(pal::kGilt);
                } else if (y == 37) {
                    c = Rgb(0x4A2E14);
                } else {
                    c = Darken(PanelParchment(x, y), y == 38 ? 0.16f : 0.07f);
                }
                if (sideDepth < 8.0f && y >= 38) c = Darken(PanelParchment(x, y), 0.16f);
                img.Set(x, y, ToRgb(c));
            }
    }
    return img;
}

// ---------------------------------------------------------------- text field and button

// A 60 x 20 bar coloured by each pixel's depth in from its rounded rim (from y0 to y1); what
// lies shallower than `edge` stays see-through.
template <class Colour>
Image RimmedBar(float y0, float y1, float rad, float edge, Colour colour) {
    Image img(60, 20, kKeyColour);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x) {
            const Depth dp = BoxDepth(x + 0.5f, y + 0.5f, 0.5f, y0, 59.5f, y1, rad);
            if (dp.depth < edge) continue;
            img.Set(x, y, ToRgb(colour(dp, x, y)));
        }
    return img;
}

// Text field row: dark rim, bronze line, inset shadow at the top left, flat light middle.
Image FieldPrototype() {
    const Col light = Rgb(pal::kFieldLight);
    return RimmedBar(1.0f, 19.0f, 3.0f, 0.15f, [&](Depth dp, int, int) {
        const float t = dp.depth;
        if (t < 1.0f) return kLine;
        if (t < 2.0f) return dp.litSide ? Rgb(0x8A6428) : Rgb(0xC8A050);
        if (t < 3.0f && dp.litSide) return Darken(light, 0.16f);
        if (t < 4.0f && dp.litSide) return Darken(light, 0.07f);
        return light;
    });
}

Col ButtonFace(float y) {
    // light band through the label rows, darker toward the bottom rim
    if (y < 4) return Mix(Rgb(0xFFF4D4), Rgb(0xF4E2AE), (y - 1) / 3.0f);
    if (y < 15.5f) return Mix(Rgb(0xF2DFA8), Rgb(0xE2C585), (y - 4) / 11.5f);
    return Mix(Rgb(0xC9A460), Rgb(0xA07A3C), (y - 15.5f) / 2.5f);
}

Image ButtonPrototype() {
    return RimmedBar(0.5f, 19.5f, 5.0f, 0.2f, [](Depth dp, int, int y) {
        const float t = dp.depth;
        if (t < 1.0f) return Rgb(0x2A1A0A);
        if (t < 2.0f) return dp.litSide ? Rgb(0xFFF6DC) : Rgb(0x8A6430);
        return ButtonFace(y + 0.5f);
    });
}

// ---------------------------------------------------------------- tabs

Image TabPrototype(bool selected) {
    const float top = selected ? 0.5f : 2.5f;
    const float bottom = selected ? 26.0f : 20.0f;
    return RimmedBar(top, bottom, 5.0f, 0.2f, [&](Depth dp, int x, int y) {
        const float t = dp.depth;
        if (t < 1.0f) return kLine;
        if (t < 2.0f && dp.litSide) return selected ? Rgb(0xFFF4D8) : Rgb(0xE4D0A8);
        if (t < 2.0f) return selected ? Rgb(0xB89860) : Rgb(0x8A6C44);
        if (selected) return PanelParchment(x, y);
        return Darken(Mix(Rgb(0xD8C092), Rgb(0xC0A474), (y + 0.5f) / 20.0f), 0.0f);
    });
}

// ---------------------------------------------------------------- small widgets

Layer BronzeSquare() {
    Layer L(20, 20);
    L.Fill(Box(0.5f, 0.5f, 19.5f, 19.5f, 4), Rgb(0x2A1A0A));
    L.Paint(Box(1.5f, 1.5f, 18.5f, 18.5f, 3), [](float, float y) { return ButtonFace(y); });
    L.Fill(Ring(Box(1.5f, 1.5f, 18.5f, 18.5f, 3), 0.5f), Rgb(0xB08848), 0.6f);
    return L;
}

Image CheckBox(bool ticked) {
    Layer L(20, 20);
    L.Fill(Box(1.5f, 1.5f, 15.5f, 15.5f, 2), kLine);
    L.Fill(Box(2.5f, 2.5f, 14.5f, 14.5f, 1.2f), Rgb(0xC8A050));
    L.Fill(Box(3.5f, 3.5f, 13.5f, 13.5f, 0.5f), Rgb(pal::kFieldLight));
    L.Fill(Box(3.5f, 3.5f, 13.5f, 5.0f), Darken(Rgb(pal::kFieldLight), 0.14f));
    L.Fill(Box(3.5f, 3.5f, 5.0f, 13.5f), Darken(Rgb(pal::kFieldLight), 0.14f));
    if (ticked) {
        Path tick{{{5.0f, 8.6f}, {8.0f, 12.2f}, {16.4f, 2.4f}}, 1.5f};
        L.Fill(Grow(tick, 0.9f), Rgb(0xF4EBD2));
        L.Fill(tick, Rgb(0x1C4A16));
    }
    return ToPiece(L);
}

// Its ink keeps to rows 8..14: screens stand a check box just above the piece and just
// inside its top.
Image Divider() {
    Image img(20, 20, kKeyColour);
    const uint32_t rows[5] = {0x3A2410, 0xF2D488, 0xC89838, 0x8A6420, 0x2A1808};
    for (int r = 0; r < 5; ++r) FillRect(img, 0, 8 + r, 20, 1, rows[r]);
    Layer L(20, 20);
    auto diamond = Poly{{{10, 8.6f}, {12.6f, 11.0f}, {10, 13.4f}, {7.4f, 11.0f}}};
    InkEmboss(L, diamond, Rgb(pal::kGilt), 0.8f, 0.6f, Rgb(0x2A1808));
    L.Fill(Circle(10, 11.0f, 0.9f), Rgb(0x8A1C18));
    Stamp(L, img, 0, 0);
    return img;
}

Image ListTrack() {
    Image img(20, 20, kKeyColour);
    for (int y = 0; y < 20; ++y)
        for (int x = 3; x <= 16; ++x) {
            Col c;
            if (x == 3 || x == 16) c = kLine;
            else if (x == 4) c = Rgb(0x8A6234);
            else if (x == 15) c = Rgb(0x3A2414);
            else {
                float g = Fbm(float(x) / 3.0f, float(y) / 10.0f, 55, 2, 0, 2);
                c = Add(Rgb(pal::kWoodDark), (g - 0.5f) * 18.0f);
                if (x >= 8 && x <= 11) c = Darken(c, 0.45f);
                if (x == 7) c = Darken(c, 0.2f);
                if (x == 12) c = Lighten(c, 0.12f);
            }
            img.Set(x, y, ToRgb(c));
        }
    return img;
}

Image ArrowButton(bool up) {
    Layer L = BronzeSquare();
    Poly tri = up ? Poly{{{10, 5.0f}, {15.0f, 13.0f}, {5.0f, 13.0f}}} : Poly{{{5.0f, 7.0f}, {15.0f, 7.0f}, {10, 15.0f}}};
    L.Fill(tri, Rgb(0x2A1A0A));
    return ToPiece(L);
}

Image ChoiceMarker() {
    Layer L(20, 20);
    L.Fill(Box(0.5f, 1.0f, 19.5f, 19.0f, 3), Rgb(0x2A1A0A));
    L.Paint(Box(1.5f, 2.0f, 18.5f, 18.0f, 2), [](float, float y) { return ButtonFace(y); });
    L.Fill(Poly{{{5.0f, 8.0f}, {15.0f, 8.0f}, {10, 14.0f}}}, Rgb(0x2A1A0A));
    L.Fill(Box(5.0f, 5.0f, 15.0f, 6.2f), Rgb(0x2A1A0A));
    return ToPiece(L);
}

// Round bronze button with a pictogram (the stat and picker arrows).
template <class Draw>
Image RoundButton(Draw draw) {
    Layer L(20, 20);
    L.Fill(Circle(10, 10, 9.0f), Rgb(0x2A1A0A));
    L.Paint(Circle(10, 10, 8.0f), [](float, float y) { return ButtonFace(y); });
    L.Fill(Ring(Circle(10, 10, 7.6f), 0.5f), Rgb(0xB08848), 0.6f);
    draw(L);
    return ToPiece(L);
}

Poly ArrowHead(float cx, float cy, float s, bool right) {
    float d = right ? 1.0f : -1.0f;
    return Poly{{{cx + d * s, cy}, {cx - d * s * 0.7f, cy - s}, {cx - d * s * 0.7f, cy + s}}};
}

// Enamel medallion of the page navigation (cancel, next, previous).
template <class Draw>
Image Medallion(Col enamel, Draw draw) {
    Layer L(20, 20);
    L.Fill(Circle(10, 10, 9.6f), Rgb(0x22160A));
    L.Emboss(Circle(10, 10, 8.8f), Rgb(pal::kGilt), 1.8f, 0.6f);
    L.Paint(Circle(10, 10, 6.8f), [&](float x, float y) {
        float k = std::clamp((Len(x - 8, y - 8)) / 9.0f, 0.0f, 1.0f);
        return Mix(Lighten(enamel, 0.35f), Darken(enamel, 0.3f), k);
    });
    draw(L);
    return ToPiece(L);
}

// ---------------------------------------------------------------- badges

// Afflictions: parchment tile in a dark red rim, readable on stone and on parchment.
Layer AfflictionBadge() {
    Layer L(20, 20);
    L.Fill(Box(1, 1, 19, 19, 4), Rgb(0x2A0806));
    L.Emboss(Box(2, 2, 18, 18, 3.2f), Rgb(0x9A2A20), 1.6f, 0.5f);
    L.Paint(Box(3.5f, 3.5f, 16.5f, 16.5f, 2), [](float x, float y) {
        return Mix(Rgb(0xF6EAC8), Rgb(0xDCC699), (x + y) / 40.0f);
    });
    return L;
}

// Enhancements: gilt-rimmed round medallion with a deep blue field.
Layer BoonBadge() {
    Layer L(20, 20);
    L.Fill(Circle(10, 10, 9.7f), Rgb(0x22160A));
    L.Emboss(Circle(10, 10, 8.9f), Rgb(pal::kGilt), 1.6f, 0.6f);
    L.Paint(Circle(10, 10, 7.5f), [](float x, float y) {
        float k = std::clamp(Len(x - 8, y - 7) / 10.0f, 0.0f, 1.0f);
        return Mix(Rgb(0x3A56A0), Rgb(0x121A3A), k);
    });
    return L;
}

// Tattoos: ink on a round patch of skin.
const Col kTattooInk = Rgb(0x1C3278);
Layer SkinPatch() {
    Layer L(20, 20);
    L.Fill(Circle(10, 10, 9.6f), Rgb(0x5A3420));
    L.Emboss(Circle(10, 10, 8.8f), Rgb(0xE6BC94), 3.0f, 0.35f);
    return L;
}

// ---------------------------------------------------------------- gems

Image Gem(int kind) {
    Layer L(20, 20);
    switch (kind) {
        case 0: {  // emerald: step-cut rectangle
            auto g = Poly{{{6, 3}, {14, 3}, {17, 6}, {17, 14}, {14, 17}, {6, 17}, {3, 14}, {3, 6}}};
            InkEmboss(L, g, Rgb(0x1E9A48), 3.0f, 0.6f);
            L.Fill(Ring(Box(6.5f, 6.5f, 13.5f, 13.5f, 0.5f), 0.4f), Rgb(0x8AE8A8), 0.8f);
            break;
        }
        case 1: {  // sapphire: oval
            InkEmboss(L, Ellipse(10, 10, 6.5f, 8.0f), Rgb(0x2450C8), 3.0f, 0.6f);
            L.Fill(Ring(Ellipse(10, 10, 3.5f, 4.6f), 0.4f), Rgb(0x9AB8FF), 0.8f);
            break;
        }
        case 2: {  // diamond: brilliant seen from the side
            auto g = Poly{{{5, 4}, {15, 4}, {18, 8}, {10, 18}, {2, 8}}};
            InkEmboss(L, g, Rgb(0xE8F2FA), 2.0f, 0.3f);
            L.Fill(Seg(2.5f, 8, 17.5f, 8, 0.4f), Rgb(0x8AA8C8));
            L.Fill(Seg(7, 8, 10, 17, 0.35f), Rgb(0x9AB4D0));
            L.Fill(Seg(13, 8, 10, 17, 0.35f), Rgb(0x9AB4D0));
            L.Fill(Seg(7, 4.5f, 8, 8, 0.35f), Rgb(0x9AB4D0));
            L.Fill(Seg(13, 4.5f, 12, 8, 0.35f), Rgb(0x9AB4D0));
            break;
        }
        case 3: {  // ruby: round brilliant from above
            InkEmboss(L, Poly{RegularPoly(10, 10, 8.0f, 8, 22.5f)}, Rgb(0xC8182C), 3.0f, 0.6f);
            L.Fill(Ring(Poly{RegularPoly(10, 10, 4.0f, 8, 22.5f)}, 0.4f), Rgb(0xFF8A96), 0.8f);
            break;
        }
        case 4: {  // skystone: pale blue cabochon with a cloud
            InkEmboss(L, Circle(10, 10, 7.6f), Rgb(0x78C4F0), 4.0f, 0.6f);
            L.Fill(Union(Circle(8.5f, 11, 2.2f), Union(Circle(11.5f, 10.5f, 2.6f), Circle(13.8f, 12, 1.6f))), Rgb(0xF4FAFF), 0.9f);
            break;
        }
        case 5: {  // amethyst: crystal points
            InkEmboss(L, Poly{{{10, 1.5f}, {14, 6}, {14, 17}, {6, 17}, {6, 6}}}, Rgb(0x8A3AC8), 2.5f, 0.6f);
            InkEmboss(L, Poly{{{15.5f, 6}, {18, 9}, {18, 17}, {14, 17}, {14, 9}}}, Rgb(0x6A2AA0), 1.5f, 0.5f);
            L.Fill(Seg(10, 2.5f, 10, 16, 0.4f), Rgb(0xC898F0), 0.8f);
            break;
        }
        case 6: {  // kingstone: golden cushion cut
            InkEmboss(L, Box(3, 3, 17, 17, 4.5f), Rgb(0xE8B820), 3.5f, 0.6f);
            InkEmboss(L, Poly{RegularPoly(10, 10, 3.6f, 4, 45)}, Rgb(0xFFE070), 1.2f, 0.5f, Rgb(0x8A6010));
            break;
        }
        case 7: {  // jadestone: veined oval cabochon
            InkEmboss(L, Ellipse(10, 10, 8.0f, 6.2f), Rgb(0x4A9A6A), 4.0f, 0.55f);
            L.Fill(Path{{{4, 11}, {8, 9}, {11, 11.5f}, {15.5f, 8.5f}}, 0.35f}, Rgb(0xB8E8C8), 0.8f);
            break;
        }
        default: {  // seastone: aqua pearl in a shell curl
            InkEmboss(L, Circle(10, 10.5f, 7.4f), Rgb(0x3CC8C0), 3.5f, 0.6f);
            L.Fill(Path{{{10, 6}, {13.5f, 8.5f}, {12.5f, 13}, {8.5f, 13.5f}, {7, 10.5f}, {9, 8.6f}, {11, 10}}, 0.45f}, Rgb(0xE0FFFA), 0.9f);
            break;
        }
    }
    L.Fill(Circle(7, 6.5f, 1.0f), Col{255, 255, 255}, 0.95f);
    return ToPiece(L);
}

// ---------------------------------------------------------------- alien numerals

// Geometric symbols on a dark stone disc (also the floor-inscription pictures).
Image GeoSymbol(int n) {
    Layer L(20, 20);
    L.Fill(Circle(10, 10, 9.6f), Rgb(0x101418));
    L.Emboss(Circle(10, 10, 8.8f), Rgb(0x4A525C), 2.0f, 0.5f);
    L.Fill(Circle(10, 10, 7.2f), Rgb(0x1A2228));
    const Col glow = Rgb(0x66F0E0), halo = Rgb(0x1E6A66);
    auto put = [&](auto shape) {
        L.Fill(Grow(shape, 1.0f), halo);
        L.Fill(shape, glow);
    };
    switch (n) {
        case 0: put(Ring(Circle(10, 10, 4.0f), 0.8f)); break;
        case 1: put(Circle(10, 10, 2.6f)); break;
        case 2: put(Poly{RegularPoly(10, 10.8f, 5.0f, 3, 0)}); break;
        case 3: put(Box(6, 6, 14, 14)); break;
        case 4: put(Poly{RegularPoly(10, 10, 5.2f, 4, 0)}); break;
        case 5: put(Poly{RegularPoly(10, 10.4f, 5.0f, 5, 0)}); break;
        case 6: put(Poly{RegularPoly(10, 10, 5.0f, 6, 30)}); break;
        case 7: put(Poly{Star(10, 10.5f, 5.6f, 2.4f, 5, 0)}); break;
        case 8: put(Sub(Circle(9.2f, 10, 5.0f), Circle(11.6f, 8.6f, 4.2f))); break;
        default: put(Union(Box(8.8f, 4.5f, 11.2f, 15.5f), Box(4.5f, 8.8f, 15.5f, 11.2f))); break;
    }
    return ToPiece(L);
}

// Bar-and-dot numerals (a bar is five) glowing green on a slate tablet.
Image BarDotNumeral(int n) {
    Layer L(20, 20);
    L.Fill(Box(1, 1, 19, 19, 3), Rgb(0x0E1210));
    L.Emboss(Box(2, 2, 18, 18, 2.4f), Rgb(0x3A4440), 1.6f, 0.5f);
    L.Fill(Box(3.5f, 3.5f, 16.5f, 16.5f, 1.5f), Rgb(0x162018));
    const Col glow = Rgb(0x8CF27A), halo = Rgb(0x2A6A22);
    auto put = [&](auto shape) {
        L.Fill(Grow(shape, 0.9f), halo);
        L.Fill(shape, glow);
    };
    if (n == 0) {
        put(Ring(Ellipse(10, 10, 5.0f, 3.2f), 0.7f));
        put(Seg(7.5f, 10, 12.5f, 10, 0.5f));
    } else {
        int dots = n % 5;
        bool bar = n >= 5;
        float dotY = bar ? 7.0f : 10.0f;
        for (int i = 0; i < dots; ++i) {
            float x = 10.0f + (float(i) - (dots - 1) / 2.0f) * 3.3f;
            put(Circle(x, dotY, 1.3f));
        }
        if (bar) put(Box(4.8f, 11.2f, 15.2f, 13.8f, 0.6f));
    }
    return ToPiece(L);
}

// ---------------------------------------------------------------- pictograms

const Col kBlack{24, 16, 10};
const Col kWhiteC{250, 246, 236};

void DrawFace(Layer& L, float cx, float cy, float r, Col skin) { InkEmboss(L, Circle(cx, cy, r), skin, 2.5f, 0.35f); }

void Spiral(Layer& L, float cx, float cy, float r, Col c, float w) {
    Path p{{}, w};
    for (int i = 0; i <= 60; ++i) {
        float t = float(i) / 60.0f;
        float a = t * 3.14159265f * 4.2f;
        float rr = r * t;
        p.v.push_back({cx + rr * std::cos(a), cy + rr * std::sin(a)});
    }
    L.Fill(Grow(p, 0.8f), kBlack);
    L.Fill(p, c);
}

void Trefoil(Layer& L, bool radiation) {
    Col y = Rgb(0xF4D020);
    L.Fill(Circle(10, 10, 8.2f), kBlack);
    L.Fill(Circle(10, 10, 7.2f), y);
    if (radiation) {
        auto blades = [](float x, float yy) {
            float dx = x - 10, dy = yy - 10.5f;
            float r = Len(dx, dy);
            float a = std::atan2(dy, dx) * 180.0f / 3.14159265f + 90.0f;
            float m = std::fmod(a + 720.0f, 120.0f);
            float ang = std::fabs(m - 60.0f) - 30.0f;  // inside a 60 degree blade when negative
            float radial = std::max(2.4f - r, r - 6.4f);
            return std::max(radial, ang * r * 0.0174f);
        };
        L.Fill(blades, kBlack);
        L.Fill(Circle(10, 10.5f, 1.4f), kBlack);
    } else {
        for (int k = 0; k < 3; ++k) {
            float a = (float(k) * 120.0f - 90.0f) * 3.14159265f / 180.0f;
            float cx = 10 + std::cos(a) * 3.2f, cy = 10.5f + std::sin(a) * 3.2f;
            L.Fill(Sub(Circle(cx, cy, 3.0f), Circle(10 + std::cos(a) * 4.2f, 10.5f + std::sin(a) * 4.2f, 1.8f)), kBlack);
        }
        L.Fill(Ring(Circle(10, 10.5f, 2.6f), 0.6f), kBlack);
        L.Fill(Circle(10, 10.5f, 1.0f), y);
    }
}

// Emblem pictograms for the pieces without a fixed role.
void Emblem(Layer& L, int which) {
    switch (which) {
        case 0: sym::Coin(L, 10, 10, 17); break;
        case 1: sym::Key(L, 10, 10, 17, Rgb(0xD8B050)); break;
        case 2: sym::Potion(L, 10, 10.5f, 17, Rgb(0xC82030)); break;
        case 3: {  // scroll
            Ink(L, Box(4, 5, 16, 15, 0.5f), Rgb(0xEEDCB0));
            InkEmboss(L, Box(2.5f, 3, 17.5f, 6.2f, 1.6f), Rgb(0xD8C090), 1.5f, 0.5f);
            InkEmboss(L, Box(2.5f, 13.8f, 17.5f, 17, 1.6f), Rgb(0xD8C090), 1.5f, 0.5f);
            for (int i = 0; i < 3; ++i) L.Fill(Seg(6, 8 + i * 2.0f, 14 - (i == 2) * 3.0f, 8 + i * 2.0f, 0.4f), kBlack);
            break;
        }
        case 4: {  // closed book
            InkEmboss(L, Box(4, 2.5f, 16.5f, 17.5f, 1), Rgb(0x8A2A24), 2.0f, 0.5f);
            L.Fill(Box(14.5f, 3.5f, 16, 16.5f), Rgb(0xF0E4C4));
            L.Fill(Box(6.5f, 6, 13, 8), Rgb(0xD8B050));
            L.Fill(Seg(5.5f, 3, 5.5f, 17, 0.5f), Darken(Rgb(0x8A2A24), 0.4f));
            break;
        }
        case 5: {  // torch
            Ink(L, Poly{{{8.6f, 9}, {11.4f, 9}, {10.8f, 18}, {9.2f, 18}}}, Rgb(0x7A4A24));
            sym::Flame(L, 10, 5.5f, 10);
            break;
        }
        case 6: sym::Sword(L, 10, 10, 17, 45); break;
        case 7: {  // round shield
            InkEmboss(L, Circle(10, 10, 8), Rgb(0x7A4A24), 2.0f, 0.5f);
            L.Fill(Ring(Circle(10, 10, 6.5f), 0.6f), Rgb(0xB0B4BC));
            InkEmboss(L, Circle(10, 10, 2.4f), Rgb(0xC8CCD4), 1.2f, 0.6f);
            break;
        }
        case 8: {  // helm
            auto helm = Union(Inter(Circle(10, 10, 7.5f), Box(2, 2, 18, 10)), Box(2.5f, 9.5f, 17.5f, 16.5f, 1.5f));
            InkEmboss(L, helm, Rgb(0xB8BEC8), 2.5f, 0.5f);
            L.Fill(Box(4.5f, 9.5f, 15.5f, 11.2f), kBlack);
            L.Fill(Box(9.2f, 11, 10.8f, 16.5f), kBlack);
            break;
        }
        case 9: sym::Axe(L, 10, 10, 17); break;
        case 10: {  // bow
            Path bow{{}, 0.9f};
            for (int i = 0; i <= 20; ++i) {
                float a = (-70.0f + 140.0f * float(i) / 20.0f) * 3.14159265f / 180.0f;
                bow.v.push_back({6.0f + 8.0f * std::cos(a) * 0.9f, 10.0f + 8.0f * std::sin(a)});
            }
            L.Fill(Grow(bow, 0.9f), kBlack);
            L.Fill(bow, Rgb(0x9A6434));
            L.Fill(Seg(8.5f, 2.5f, 8.5f, 17.5f, 0.35f), Rgb(0xE8E0D0));
            break;
        }
        case 11: {  // arrow
            Ink(L, Seg(4, 16, 15, 5, 0.6f), Rgb(0x9A6434));
            Ink(L, Poly{{{17, 3}, {12, 5}, {15, 8}}}, Rgb(0xC8CCD4));
            Ink(L, Poly{{{3, 17}, {3.5f, 12.5f}, {6, 14}}}, Rgb(0xE8E0D0), kBlack, 0.6f);
            Ink(L, Poly{{{3, 17}, {7.5f, 16.5f}, {6, 14}}}, Rgb(0xC83030), kBlack, 0.6f);
            break;
        }
        case 12: {  // ring
            L.Fill(Ring(Ellipse(10, 12, 6, 5), 2.2f), kBlack);
            L.Emboss(Ring(Ellipse(10, 12, 6, 5), 1.3f), Rgb(0xE0B840), 1.2f, 0.6f);
            InkEmboss(L, Poly{RegularPoly(10, 5.5f, 3.2f, 6, 30)}, Rgb(0x30A0E0), 1.5f, 0.6f);
            break;
        }
        case 13: sym::Crown(L, 10, 10.5f, 17, Rgb(0xE0B840)); break;
        case 14: {  // chest
            InkEmboss(L, Box(2.5f, 8, 17.5f, 17, 1), Rgb(0x8A5A2C), 1.5f, 0.5f);
            InkEmboss(L, Box(2.5f, 3.5f, 17.5f, 8.5f, 3), Rgb(0x9A6634), 1.5f, 0.5f);
            L.Fill(Box(2.5f, 7.6f, 17.5f, 9.2f), Rgb(0xC8A040));
            L.Fill(Box(8.5f, 8, 11.5f, 12, 0.5f), Rgb(0xE0C060));
            L.Fill(Circle(10, 10.4f, 0.7f), kBlack);
            break;
        }
        case 15: {  // folded map
            Ink(L, Poly{{{2.5f, 5}, {7, 3}, {13, 5}, {17.5f, 3}, {17.5f, 15}, {13, 17}, {7, 15}, {2.5f, 17}}}, Rgb(0xEAD8A8));
            L.Fill(Seg(7, 3.5f, 7, 15, 0.35f), Rgb(0xA08050));
            L.Fill(Seg(13, 5, 13, 16.5f, 0.35f), Rgb(0xA08050));
            L.Fill(Path{{{4, 13}, {8, 10}, {11, 12}, {15, 7}}, 0.45f}, Rgb(0xB02020));
            L.Fill(Seg(14, 6, 16, 8, 0.5f), Rgb(0xB02020));
            L.Fill(Seg(16, 6, 14, 8, 0.5f), Rgb(0xB02020));
            break;
        }
        case 16: {  // compass rose
            InkEmboss(L, Circle(10, 10, 8), Rgb(0xE8D8B0), 2, 0.4f);
            L.Fill(Poly{{{10, 2.5f}, {11.6f, 10}, {10, 17.5f}, {8.4f, 10}}}, Rgb(0x303038));
            L.Fill(Poly{{{10, 2.5f}, {11.6f, 10}, {8.4f, 10}}}, Rgb(0xC02020));
            L.Fill(Poly{{{2.5f, 10}, {10, 8.6f}, {17.5f, 10}, {10, 11.4f}}}, Rgb(0x505058));
            L.Fill(Circle(10, 10, 1.2f), Rgb(0xD8B050));
            break;
        }
        case 17: {  // bell
            auto bell = Union(Inter(Circle(10, 8, 5.5f), Box(4, 2, 16, 9)), Poly{{{4.5f, 8}, {15.5f, 8}, {17.5f, 15}, {2.5f, 15}}});
            InkEmboss(L, bell, Rgb(0xD8A838), 2.5f, 0.55f);
            Ink(L, Circle(10, 16.3f, 1.6f), Rgb(0xB08828));
            Ink(L, Ring(Circle(10, 2.2f, 1.2f), 0.4f), Rgb(0xB08828), kBlack, 0.5f);
            break;
        }
        case 18: {  // candle
            Ink(L, Box(7, 8, 13, 17, 0.8f), Rgb(0xF0E8D0));
            Ink(L, Ellipse(10, 17.2f, 5.5f, 1.5f), Rgb(0xB08828));
            sym::Flame(L, 10, 4.6f, 7);
            L.Fill(Seg(10, 7, 10, 8.4f, 0.35f), kBlack);
            break;
        }
        case 19: {  // lantern
            Ink(L, Box(5, 5, 15, 16, 1), Rgb(0xF8D870));
            L.Fill(Box(7, 7, 13, 14), Rgb(0xFFF4C0));
            L.Fill(Seg(10, 7, 10, 14, 0.5f), Rgb(0x3A2A1A));
            L.Fill(Seg(5, 10.5f, 15, 10.5f, 0.5f), Rgb(0x3A2A1A));
            InkEmboss(L, Box(4, 3, 16, 5.5f, 1), Rgb(0x505058), 1, 0.5f);
            InkEmboss(L, Box(4, 15.5f, 16, 18, 1), Rgb(0x505058), 1, 0.5f);
            Ink(L, Ring(Circle(10, 2, 1.5f), 0.4f), Rgb(0x505058), kBlack, 0.5f);
            break;
        }
        case 20: {  // quill
            auto vane = Poly{{{16.5f, 2}, {12, 3.5f}, {7, 9}, {4.5f, 14}, {6, 14.5f}, {11, 11}, {15, 6.5f}}};
            Ink(L, vane, Rgb(0xF4F0E4));
            L.Fill(Seg(16, 2.5f, 5, 14, 0.35f), Rgb(0x8A8070));
            Ink(L, Seg(5.5f, 13.5f, 3, 17.5f, 0.5f), Rgb(0x202020), kBlack, 0.4f);
            break;
        }
        case 21: {  // anvil
            auto anvil = Union(Union(Poly{{{2, 5}, {15, 5}, {18, 6}, {15, 9}, {12, 9}, {11.5f, 12}, {7.5f, 12}, {7, 9}, {4, 9}}},
                                     Box(5, 12, 14, 14.5f)),
                               Box(4, 14.5f, 15, 17, 0.5f));
            InkEmboss(L, anvil, Rgb(0x5A5E68), 2, 0.6f);
            break;
        }
        case 22: {  // hammer
            Ink(L, Seg(5, 17, 12, 8, 1.0f), Rgb(0x8A5A2C));
            InkEmboss(L, Rotate(Box(6.5f, 2.5f, 17.5f, 7.5f, 0.8f), 12, 5, -38), Rgb(0x8A8E98), 1.6f, 0.6f);
            break;
        }
        case 23: {  // mushroom
            Ink(L, Box(8, 9, 12, 17, 1.5f), Rgb(0xF0E4CC));
            auto cap = Inter(Ellipse(10, 10, 8, 7), Box(1, 2, 19, 10));
            InkEmboss(L, cap, Rgb(0xC82828), 2, 0.5f);
            for (V2 p : {V2{6.5f, 7}, V2{11, 5}, V2{14, 8}}) L.Fill(Circle(p.x, p.y, 1.1f), kWhiteC);
            break;
        }
        case 24: {  // leaf
            auto leaf = Rotate(Inter(Circle(10, 4, 9), Circle(10, 16, 9)), 10, 10, 40);
            InkEmboss(L, leaf, Rgb(0x4A9A30), 2, 0.5f);
            L.Fill(Seg(5, 15, 15, 5, 0.4f), Rgb(0x2A5A18));
            break;
        }
        case 25: {  // apple
            auto apple = Union(Circle(7.8f, 11, 5.4f), Circle(12.2f, 11, 5.4f));
            InkEmboss(L, apple, Rgb(0xC82820), 3, 0.5f);
            L.Fill(Seg(10, 6.5f, 11, 3, 0.5f), Rgb(0x5A3A1A));
            Ink(L, Rotate(Ellipse(13, 4, 2.4f, 1.1f), 13, 4, -25), Rgb(0x4A9A30), kBlack, 0.6f);
            break;
        }
        case 26: {  // bread loaf
            auto loaf = Union(Ellipse(10, 11, 8, 5), Box(2, 11, 18, 16, 2));
            InkEmboss(L, loaf, Rgb(0xC88A40), 2.5f, 0.5f);
            for (int i = 0; i < 3; ++i) L.Fill(Seg(6 + i * 3.5f, 8, 7.5f + i * 3.5f, 12, 0.4f), Rgb(0x8A5420));
            break;
        }
        case 27: sym::Potion(L, 10, 10.5f, 17, Rgb(0x2A60D0)); break;
        case 28: {  // bone
            auto bone = Union(Seg(5, 15, 15, 5, 1.4f), Union(Union(Circle(3.8f, 14, 1.9f), Circle(6, 16.2f, 1.9f)),
                                                             Union(Circle(14, 3.8f, 1.9f), Circle(16.2f, 6, 1.9f))));
            InkEmboss(L, bone, Rgb(0xF0E8D4), 1.5f, 0.4f);
            break;
        }
        case 29: {  // pair of dice
            InkEmboss(L, Rotate(Box(2.5f, 6, 11.5f, 15, 1.5f), 7, 10.5f, -12), kWhiteC, 1.5f, 0.3f);
            InkEmboss(L, Rotate(Box(9, 3, 17.5f, 11.5f, 1.5f), 13, 7, 14), kWhiteC, 1.5f, 0.3f);
            L.Fill(Circle(7, 10.5f, 1.0f), Rgb(0xB01818));
            for (V2 p : {V2{11.2f, 5.2f}, V2{13.2f, 7.2f}, V2{15.2f, 9.2f}}) L.Fill(Circle(p.x, p.y, 0.8f), kBlack);
            break;
        }
        case 30: sym::Heart(L, 10, 10.5f, 17, Rgb(0xD02030)); break;
        case 31: {  // padlock
            L.Fill(Ring(Inter(Circle(10, 8, 4.6f), Box(4, 2, 16, 9)), 1.6f), kBlack);
            L.Fill(Ring(Inter(Circle(10, 8, 4.6f), Box(4, 2, 16, 9)), 0.8f), Rgb(0xB0B4BC));
            L.Fill(Box(5.4f, 8, 6.4f, 10), kBlack);
            L.Fill(Box(13.6f, 8, 14.6f, 10), kBlack);
            InkEmboss(L, Box(3.5f, 9, 16.5f, 17.5f, 1.5f), Rgb(0xD8A838), 1.8f, 0.55f);
            L.Fill(Union(Circle(10, 12.2f, 1.3f), Box(9.4f, 12, 10.6f, 15.5f)), kBlack);
            break;
        }
        case 32: {  // horn
            auto horn = Poly{{{3, 5}, {6, 4}, {10, 7}, {14, 11}, {17.5f, 11.5f}, {17.5f, 16.5f}, {13, 15}, {8, 11}, {4, 8}}};
            InkEmboss(L, horn, Rgb(0xE8D8B0), 2, 0.5f);
            L.Fill(Box(11, 10, 12.6f, 15.5f), Rgb(0xB08828));
            break;
        }
        case 33: {  // feather of a bird (plume)
            auto plume = Rotate(Ellipse(10, 9, 3.2f, 7.5f), 10, 10, 25);
            Ink(L, plume, Rgb(0x3AA0C8));
            L.Fill(Rotate(Ellipse(10, 8, 1.6f, 4.4f), 10, 10, 25), Rgb(0x1E4A9A));
            L.Fill(Rotate(Seg(10, 4, 10, 19, 0.4f), 10, 10, 25), Rgb(0xF0E8D0));
            break;
        }
        default: {  // gauntlet
            auto g = Union(Box(5, 9, 14, 18, 1.5f), Union(Box(5, 3.5f, 13.5f, 10, 2), Box(13, 8, 17, 12, 1.8f)));
            InkEmboss(L, g, Rgb(0xA8AEB8), 2, 0.5f);
            for (int i = 0; i < 3; ++i) L.Fill(Seg(7.5f + i * 2.5f, 4, 7.5f + i * 2.5f, 8.5f, 0.3f), kBlack);
            L.Fill(Box(4.5f, 13.5f, 14.5f, 14.5f), Rgb(0x5A5E68));
            break;
        }
    }
}

// ---------------------------------------------------------------- tattoo pictures

void Tattoo(Layer& L, int which) {
    const Col ink = kTattooInk;
    const Col skin = Rgb(0xE6BC94);
    switch (which) {
        case 0:  // hawk, wings raised
            L.Fill(MirrorX(Poly{{{9.4f, 8.5f}, {5.5f, 5.0f}, {2.4f, 3.2f}, {3.2f, 6.0f}, {2.6f, 7.4f}, {4.2f, 8.2f}, {3.8f, 9.8f}, {6.0f, 10.2f}, {9.2f, 12.0f}}}, 10), ink);
            L.Fill(Union(Ellipse(10, 11, 1.9f, 4.0f), Circle(10, 6.6f, 1.7f)), ink);
            L.Fill(Poly{{{8.8f, 14}, {11.2f, 14}, {12.8f, 17.2f}, {10, 16.2f}, {7.2f, 17.2f}}}, ink);
            L.Fill(Poly{{{10, 6.2f}, {11.8f, 7.0f}, {10, 7.6f}}}, skin);
            break;
        case 1:  // owl
            L.Fill(Union(Ellipse(10, 12, 4.6f, 5.2f), Union(Circle(10, 7.5f, 4.2f),
                                                            Union(Poly{{{6, 6}, {6.5f, 2.5f}, {8.5f, 4.5f}}}, Poly{{{14, 6}, {13.5f, 2.5f}, {11.5f, 4.5f}}}))),
                   ink);
            L.Fill(Circle(8.2f, 7.6f, 1.6f), skin);
            L.Fill(Circle(11.8f, 7.6f, 1.6f), skin);
            L.Fill(Circle(8.2f, 7.6f, 0.7f), ink);
            L.Fill(Circle(11.8f, 7.6f, 0.7f), ink);
            L.Fill(Poly{{{9.3f, 9}, {10.7f, 9}, {10, 10.8f}}}, skin);
            break;
        case 2:  // phoenix: bird rising from flame strokes
            L.Fill(MirrorX(Poly{{{10, 7}, {4.5f, 2.5f}, {3, 5}, {5, 7.5f}, {9.2f, 10}}}, 10), ink);
            L.Fill(Union(Ellipse(10, 9, 1.6f, 3.4f), Circle(10, 5.2f, 1.5f)), ink);
            L.Fill(Path{{{10, 12}, {8, 14.5f}, {9, 17}}, 0.7f}, ink);
            L.Fill(Path{{{10, 12}, {12, 14.5f}, {11, 17}}, 0.7f}, ink);
            L.Fill(Path{{{10, 12}, {10, 17.5f}}, 0.7f}, ink);
            break;
        case 3:  // bear head
            L.Fill(Union(Circle(10, 11, 5.6f), Union(Circle(5.6f, 6.2f, 2.2f), Circle(14.4f, 6.2f, 2.2f))), ink);
            L.Fill(Ellipse(10, 13, 2.6f, 2.0f), skin);
            L.Fill(Circle(10, 12.2f, 0.9f), ink);
            L.Fill(Circle(8, 9.4f, 0.8f), skin);
            L.Fill(Circle(12, 9.4f, 0.8f), skin);
            break;
        case 4:  // troll face with tusks
            L.Fill(Union(Ellipse(10, 10.5f, 5.4f, 6.2f), Union(Poly{{{4.8f, 8}, {2, 5.5f}, {5.5f, 6}}}, Poly{{{15.2f, 8}, {18, 5.5f}, {14.5f, 6}}})), ink);
            L.Fill(Box(6.5f, 8, 13.5f, 9.2f), skin);
            L.Fill(Circle(8, 10.2f, 0.8f), skin);
            L.Fill(Circle(12, 10.2f, 0.8f), skin);
            L.Fill(Poly{{{7.4f, 15.5f}, {8.6f, 15.5f}, {8, 12.5f}}}, skin);
            L.Fill(Poly{{{11.4f, 15.5f}, {12.6f, 15.5f}, {12, 12.5f}}}, skin);
            break;
        case 5:  // basilisk: crowned serpent
            L.Fill(Path{{{4, 16}, {7, 14}, {5, 11}, {8, 8.5f}, {11.5f, 9.5f}, {12.5f, 7}}, 1.1f}, ink);
            L.Fill(Ellipse(13.5f, 6.2f, 2.6f, 1.8f), ink);
            L.Fill(Poly{{{11.5f, 4.8f}, {12.5f, 2.2f}, {13.3f, 4.2f}, {14.4f, 2}, {15, 4.6f}}}, ink);
            L.Fill(Circle(14.2f, 5.8f, 0.5f), skin);
            break;
        case 6:  // shark
            L.Fill(Union(Ellipse(10, 12, 7.2f, 2.8f), Union(Poly{{{8, 10}, {11, 4.5f}, {12.5f, 10}}}, Poly{{{2, 9}, {4.5f, 12}, {2, 15}}})), ink);
            L.Fill(Circle(14.5f, 11.2f, 0.6f), skin);
            L.Fill(Seg(12, 12.4f, 13, 13.4f, 0.35f), skin);
            break;
        case 7: {  // dolphin
            Path body{{}, 1.5f};
            for (int i = 0; i <= 16; ++i) {
                float a = (200.0f - 160.0f * float(i) / 16.0f) * 3.14159265f / 180.0f;
                body.v.push_back({10 + 6.2f * std::cos(a), 13 - 6.2f * std::sin(a)});
            }
            L.Fill(body, ink);
            L.Fill(Poly{{{9, 6.8f}, {8, 4}, {11, 6.6f}}}, ink);
            L.Fill(Poly{{{3.6f, 14}, {2, 17}, {6, 16}}}, ink);
            L.Fill(Circle(14.8f, 9.6f, 0.5f), skin);
            break;
        }
        case 8: {  // eel
            Path body{{}, 1.1f};
            for (int i = 0; i <= 24; ++i) {
                float t = float(i) / 24.0f;
                body.v.push_back({3.0f + 13.0f * t, 10.0f + 3.6f * std::sin(t * 3.14159265f * 2.4f)});
            }
            L.Fill(body, ink);
            L.Fill(Circle(16.2f, 9.2f, 1.6f), ink);
            L.Fill(Circle(16.6f, 8.8f, 0.5f), skin);
            break;
        }
        default:  // knot of three loops
            for (int k = 0; k < 3; ++k) {
                float a = (float(k) * 120.0f - 90.0f) * 3.14159265f / 180.0f;
                L.Fill(Ring(Circle(10 + std::cos(a) * 3.0f, 10.5f + std::sin(a) * 3.0f, 3.4f), 0.7f), ink);
            }
            break;
    }
}

// ---------------------------------------------------------------- the icon table

Image Affliction(const std::function<void(Layer&)>& draw) {
    Layer L = AfflictionBadge();
    draw(L);
    return ToPiece(L);
}
Image Boon(const std::function<void(Layer&)>& draw) {
    Layer L = BoonBadge();
    draw(L);
    return ToPiece(L);
}
Image Plain(const std::function<void(Layer&)>& draw) {
    Layer L(20, 20);
    draw(L);
    return ToPiece(L);
}

// Shield-shaped enhancement icons: a coloured shield carrying an element's mark.
Image ElementShield(Col shield, const std::function<void(Layer&)>& mark) {
    return Boon([&](Layer& L) {
        sym::HeaterShield(L, 10, 10, 15, shield);
        mark(L);
    });
}

}  // namespace

std::vector<Image> BuildUiIcons() {
    std::vector<Image> p(160, Image(20, 20, kKeyColour));

    // widgets
    Image field = FieldPrototype();
    CutRow(field, 0, p, 0, 1, 2);
    p[3] = CheckBox(false);
    p[4] = CheckBox(true);
    Image button = ButtonPrototype();
    CutRow(button, 0, p, 5, 6, 7);
    p[10] = Divider();
    Image panel = PanelPrototype(3, false);
    CutRow(panel, 0, p, 43, 44, 45);
    p[48] = Crop(panel, 0, 20, 20, 20);
    p[16] = Crop(panel, 20, 20, 20, 20);
    p[50] = Crop(panel, 40, 20, 20, 20);
    p[46] = Crop(panel, 0, 40, 20, 20);
    p[49] = Crop(panel, 20, 40, 20, 20);
    p[47] = Crop(panel, 40, 40, 20, 20);
    Image titled = PanelPrototype(3, true);
    CutRow(titled, 0, p, 60, 61, 62);
    CutRow(titled, 20, p, 63, 64, 65);
    p[69] = ListTrack();
    p[70] = ChoiceMarker();
    p[71] = ArrowButton(false);
    p[72] = ArrowButton(true);
    CutRow(TabPrototype(true), 0, p, 73, 74, 75);
    CutRow(TabPrototype(false), 0, p, 76, 77, 78);

    // arrows of the pickers and the statistic steps
    const Col dark = Rgb(0x2A1A0A);
    p[34] = RoundButton([&](Layer& L) { L.Fill(ArrowHead(9.2f, 10, 4.2f, false), dark); });
    p[35] = RoundButton([&](Layer& L) { L.Fill(ArrowHead(10.8f, 10, 4.2f, true), dark); });
    p[17] = RoundButton([&](Layer& L) {
        L.Fill(ArrowHead(7.0f, 10, 3.4f, false), dark);
        L.Fill(ArrowHead(11.6f, 10, 3.4f, false), dark);
    });
    p[18] = RoundButton([&](Layer& L) {
        L.Fill(ArrowHead(8.4f, 10, 3.4f, true), dark);
        L.Fill(ArrowHead(13.0f, 10, 3.4f, true), dark);
    });

    // page navigation: cancel, go on, go back
    const Col white = Rgb(0xFAF4E4);
    p[86] = Medallion(Rgb(0xA82420), [&](Layer& L) {
        L.Fill(Seg(7, 7, 13, 13, 1.2f), white);
        L.Fill(Seg(13, 7, 7, 13, 1.2f), white);
    });
    p[87] = Medallion(Rgb(0x2A7A34), [&](Layer& L) {
        L.Fill(Union(ArrowHead(12.4f, 10, 3.6f, true), Box(6, 8.8f, 11, 11.2f)), white);
    });
    p[88] = Medallion(Rgb(0x2A4E9A), [&](Layer& L) {
        L.Fill(Union(ArrowHead(7.6f, 10, 3.6f, false), Box(9, 8.8f, 14, 11.2f)), white);
    });

    // gems of the gem bag
    const int gemPieces[9] = {19, 20, 21, 22, 23, 24, 25, 26, 56};
    for (int i = 0; i < 9; ++i) p[gemPieces[i]] = Gem(i);

    // charge pips: a small orb in the upper left, so that neighbours 9 pixels apart stay apart
    p[66] = Plain([](Layer& L) {
        L.Fill(Circle(4.5f, 5.5f, 3.8f), Rgb(0x2A1A0A));
        L.Emboss(Circle(4.5f, 5.5f, 3.0f), Rgb(0xF0C040), 1.5f, 0.7f);
        L.Fill(Circle(3.6f, 4.6f, 0.9f), Rgb(0xFFFFF0));
    });
    p[67] = Plain([](Layer& L) {
        L.Fill(Ring(Circle(4.5f, 5.5f, 3.0f), 0.9f), Rgb(0x5A4024));
        L.Fill(Circle(4.5f, 5.5f, 2.1f), Rgb(0xC8B088), 0.6f);
    });

    // markers
    p[41] = Plain([](Layer& L) {  // map pin; the point is at (15, 16)
        L.Fill(Seg(6.5f, 6.5f, 15.0f, 16.0f, 1.3f), Rgb(0x1A1A1A));
        L.Fill(Seg(6.5f, 6.5f, 15.0f, 16.0f, 0.5f), Rgb(0xC8CCD4));
        InkEmboss(L, Circle(6.0f, 6.0f, 4.6f), Rgb(0xD02020), 2.5f, 0.6f, Rgb(0x1A0A0A));
        L.Fill(Circle(4.6f, 4.6f, 1.2f), Rgb(0xFFD0D0));
    });
    p[57] = Plain([](Layer& L) {  // pointer toward a button
        auto head = Poly{{{18.5f, 10}, {8, 3}, {10.5f, 10}, {8, 17}}};
        InkEmboss(L, head, Rgb(0xC02828), 2.0f, 0.6f);
        InkEmboss(L, Box(2, 8.6f, 10, 11.4f, 1), Rgb(0xD8B050), 1.0f, 0.5f);
    });
    p[59] = Plain([](Layer& L) {  // burst
        InkEmboss(L, Poly{Star(10, 10, 9.4f, 4.2f, 8, 10)}, Rgb(0xF89A20), 2.5f, 0.5f);
        L.Fill(Poly{Star(10, 10, 5.0f, 2.4f, 8, 32)}, Rgb(0xFFF070));
    });
    p[118] = Plain([](Layer& L) {  // level-up star
        InkEmboss(L, Poly{Star(10, 10.6f, 9.6f, 4.2f, 5, 0)}, Rgb(0xF6C830), 3.5f, 0.6f, Rgb(0x3A2204));
        L.Fill(Poly{Star(10, 10.6f, 4.0f, 1.8f, 5, 0)}, Rgb(0xFFF4B0));
    });
    p[9] = Plain([](Layer& L) {  // healing light
        L.Fill(Poly{Star(10, 10, 9.8f, 2.2f, 4, 0)}, Rgb(0xF8E070));
        L.Fill(Poly{Star(10, 10, 6.5f, 1.6f, 4, 45)}, Rgb(0xFFF6C8));
        L.Fill(Union(Box(8.8f, 5.5f, 11.2f, 14.5f), Box(5.5f, 8.8f, 14.5f, 11.2f)), Rgb(0xFFFFFF));
        L.Fill(Ring(Union(Box(8.8f, 5.5f, 11.2f, 14.5f), Box(5.5f, 8.8f, 14.5f, 11.2f)), 0.4f), Rgb(0xC89020));
    });
    p[13] = Plain([](Layer& L) {  // curse: baleful eye in a dark aura
        L.Fill(Poly{Star(10, 10, 9.8f, 6.0f, 9, 0)}, Rgb(0x2A0A3A));
        L.Fill(Poly{Star(10, 10, 8.6f, 5.6f, 9, 20)}, Rgb(0x6A1E8A));
        sym::Eye(L, 10, 10, 13, Rgb(0xE02020));
    });

    // afflictions (the status row under the map view)
    p[8] = Affliction([](Layer& L) {  // starving: an empty plate between fork and knife
        InkEmboss(L, Circle(10, 10.5f, 3.6f), Rgb(0xF4F4F0), 1.2f, 0.4f);
        L.Fill(Ring(Circle(10, 10.5f, 2.0f), 0.35f), Rgb(0xB0B0B8));
        const Col steel = Rgb(0x4A4E58);
        L.Fill(Seg(4.5f, 9.5f, 4.5f, 15.5f, 0.55f), steel);
        for (float x : {3.8f, 5.2f}) L.Fill(Seg(x, 5.0f, x, 9.0f, 0.35f), steel);
        L.Fill(Box(3.5f, 8.4f, 5.5f, 9.8f), steel);
        L.Fill(Seg(15.5f, 10.5f, 15.5f, 15.5f, 0.55f), steel);
        L.Fill(Poly{{{15.0f, 11.0f}, {15.0f, 5.0f}, {16.4f, 6.2f}, {16.2f, 11.0f}}}, steel);
    });
    p[120] = Affliction([](Layer& L) {  // exhausted: night falling
        sym::Moon(L, 9, 10.5f, 12, Rgb(0xE8D070));
        L.Fill(Poly{Star(14.2f, 5.6f, 2.2f, 0.9f, 4, 0)}, Rgb(0x4A5AA0));
    });
    p[122] = Affliction([](Layer& L) {  // poisoned
        sym::Drop(L, 10, 10, 13, Rgb(0x48B030));
        L.Fill(Circle(14.5f, 5, 1.1f), Rgb(0x48B030));
    });
    p[123] = Affliction([](Layer& L) {  // diseased: a blotched face
        DrawFace(L, 10, 10, 6.2f, Rgb(0xC8D890));
        for (V2 s : {V2{7.5f, 8}, V2{12.5f, 8.6f}, V2{9.5f, 12.5f}, V2{13, 12.2f}, V2{6.8f, 11.6f}}) L.Fill(Circle(s.x, s.y, 1.1f), Rgb(0xB02828));
    });
    p[124] = Affliction([](Layer& L) {  // drained: a cracked grey heart
        sym::Heart(L, 10, 10.5f, 13, Rgb(0x8A8E98));
        L.Fill(Path{{{10, 5.6f}, {8.6f, 8.4f}, {11, 10.4f}, {9.2f, 13}, {10, 15}}, 0.55f}, Rgb(0x2A1A0A));
    });
    p[125] = Affliction([](Layer& L) {  // cursed: pentacle
        L.Fill(Ring(Circle(10, 10, 5.8f), 0.7f), Rgb(0x5A1478));
        auto s = Star(10, 10.3f, 5.8f, 2.3f, 5, 0);
        Path p{{}, 0.55f};
        for (int i : {0, 4, 8, 2, 6, 0}) p.v.push_back(s[size_t(i)]);
        L.Fill(p, Rgb(0x5A1478));
    });
    p[126] = Affliction([](Layer& L) { Spiral(L, 10, 10, 6.0f, Rgb(0xB040C0), 0.7f); });
    p[144] = Affliction([](Layer& L) { Trefoil(L, false); });
    p[145] = Affliction([](Layer& L) { Trefoil(L, true); });
    p[146] = Affliction([](Layer& L) { sym::Hourglass(L, 10, 10, 13); });
    p[147] = Affliction([](Layer& L) {  // clutz: a broken blade
        Layer a(20, 20), b(20, 20);
        sym::Sword(a, 10, 10, 14, 40);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) {
                bool tip = (x - y) > 1;
                if (tip) b.Blend(x - 1, y - 2, a.Get(x, y), a.A(x, y));
                else b.Blend(x, y, a.Get(x, y), a.A(x, y));
            }
        b.DrawOn(L, 0, 0);
    });
    p[148] = Affliction([](Layer& L) {  // searing heat
        sym::Sun(L, 10, 10, 13, Rgb(0xF05A18));
    });
    p[149] = Affliction([](Layer& L) { sym::Snowflake(L, 10, 10, 13, Rgb(0x9ADCFF)); });
    p[68] = Affliction([](Layer& L) {  // fear: a screaming face
        DrawFace(L, 10, 10, 6.4f, Rgb(0xF0F0F4));
        L.Fill(Ellipse(7.8f, 8.4f, 1.2f, 1.6f), Rgb(0x1A1A2A));
        L.Fill(Ellipse(12.2f, 8.4f, 1.2f, 1.6f), Rgb(0x1A1A2A));
        L.Fill(Ellipse(10, 13, 1.6f, 2.2f), Rgb(0x3A0A0A));
    });
    p[51] = Affliction([](Layer& L) { sym::Skull(L, 10, 10, 13, Rgb(0xE8E0CC)); });
    p[142] = Affliction([](Layer& L) {  // antimagic
        L.Fill(Poly{Star(10, 10, 5.6f, 2.2f, 4, 0)}, Rgb(0x4A7AE0));
        L.Fill(Ring(Circle(10, 10, 6.0f), 0.9f), Rgb(0xC02020));
        L.Fill(Seg(6, 6, 14, 14, 0.9f), Rgb(0xC02020));
    });
    p[30] = Affliction([](Layer& L) {  // drowning: a head going under, bubbles rising
        DrawFace(L, 9, 10.5f, 4.4f, Rgb(0xE8C098));
        L.Fill(Circle(7.6f, 9.8f, 0.7f), Rgb(0x1A1A2A));
        L.Fill(Circle(10.4f, 9.8f, 0.7f), Rgb(0x1A1A2A));
        L.Fill(Box(3.5f, 12, 16.5f, 16.5f, 2), Rgb(0x2A70C0));
        Path wave{{}, 0.7f};
        for (int i = 0; i <= 16; ++i) wave.v.push_back({3.5f + float(i) * 13.0f / 16.0f, 12.0f + std::sin(float(i) * 0.9f) * 0.8f});
        L.Fill(wave, Rgb(0xC8E8FF));
        for (V2 b : {V2{14, 8.5f}, V2{15, 5}, V2{12.6f, 4.4f}}) L.Fill(Ring(Circle(b.x, b.y, b.y < 6 ? 1.0f : 1.4f), 0.45f), Rgb(0x2A70C0));
    });

    // enhancements (the side panel's list)
    const Col gold = Rgb(0xF0C848);
    p[127] = Boon([&](Layer& L) {  // blessing: radiant cross
        L.Fill(Poly{Star(10, 10, 7.0f, 2.0f, 8, 22.5f)}, Rgb(0xF8E8A0), 0.8f);
        L.Fill(Union(Box(8.8f, 4.5f, 11.2f, 15.5f), Box(5.8f, 7.5f, 14.2f, 9.9f)), Rgb(0xFFFFFF));
    });
    p[128] = Boon([&](Layer& L) {  // heroism: sword in a wreath
        sym::Laurel(L, 10, 10.5f, 13, Rgb(0x58B040));
        sym::Sword(L, 10, 9.5f, 12, 0);
    });
    p[29] = Boon([&](Layer& L) {  // combat bonus: crossed swords
        sym::Sword(L, 10, 10, 13, 40);
        sym::Sword(L, 10, 10, 13, -40);
    });
    p[129] = Boon([&](Layer& L) {  // magic shield
        sym::HeaterShield(L, 10, 10, 13, Rgb(0x6AA8F0));
        L.Fill(Poly{Star(10, 9.4f, 3.4f, 1.2f, 4, 0)}, Rgb(0xFFFFFF));
    });
    p[133] = Boon([&](Layer& L) { sym::Eye(L, 10, 10, 13, Rgb(0x40B0F0)); });
    p[134] = Boon([&](Layer& L) {  // invisible: a dashed figure
        auto fig = Union(Circle(10, 6.2f, 2.2f), Box(6.5f, 9, 13.5f, 16, 2.5f));
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) {
                float d = std::fabs(fig(x + 0.5f, y + 0.5f));
                if (d < 0.9f && ((x + y) / 2) % 2 == 0) L.Blend(x, y, Rgb(0xF4F8FF), 1.0f);
                else if (fig(x + 0.5f, y + 0.5f) < 0) L.Blend(x, y, Rgb(0x8AA8E0), 0.35f);
            }
    });
    p[135] = Boon([&](Layer& L) {  // water walk: footprints over waves
        for (int k = 0; k < 2; ++k) {
            Path wave{{}, 0.6f};
            for (int i = 0; i <= 12; ++i) wave.v.push_back({4.0f + i, 12.5f + k * 2.6f + std::sin(float(i) * 1.1f) * 0.8f});
            L.Fill(wave, Rgb(0x80C8FF));
        }
        Ink(L, Ellipse(8, 7.5f, 1.6f, 2.6f), Rgb(0xF0E8D8), Rgb(0x101830), 0.6f);
        Ink(L, Ellipse(12, 5.5f, 1.6f, 2.6f), Rgb(0xF0E8D8), Rgb(0x101830), 0.6f);
    });
    p[136] = ElementShield(Rgb(0x58B840), [](Layer& L) { sym::Drop(L, 10, 9.4f, 7, Rgb(0xC8F8A0)); });
    p[137] = ElementShield(Rgb(0x4A90D8), [](Layer& L) { sym::Snowflake(L, 10, 9.2f, 8, Rgb(0xFFFFFF)); });
    p[138] = ElementShield(Rgb(0xD8B020), [](Layer& L) { sym::Bolt(L, 10, 9.2f, 8, Rgb(0xFFF6A0)); });
    p[139] = ElementShield(Rgb(0xC83020), [](Layer& L) { sym::Flame(L, 10, 9.4f, 8); });
    p[140] = ElementShield(Rgb(0x8A48C0), [](Layer& L) { Spiral(L, 10, 9.2f, 3.2f, Rgb(0xF8E0FF), 0.5f); });
    p[141] = ElementShield(Rgb(0xA8B0BC), [](Layer& L) { sym::Heart(L, 10, 9.4f, 7, Rgb(0xD02030)); });
    p[143] = Boon([&](Layer& L) {  // gills: a fish
        auto fish = Union(Ellipse(9, 10, 5.2f, 3.2f), Poly{{{13, 10}, {16.5f, 6.8f}, {16.5f, 13.2f}}});
        InkEmboss(L, fish, Rgb(0x58C8B0), 2, 0.5f);
        L.Fill(Circle(6.2f, 9.2f, 0.8f), Rgb(0x101010));
        for (int i = 0; i < 2; ++i) L.Fill(Seg(8 + i * 1.6f, 8, 8 + i * 1.6f, 12, 0.35f), Rgb(0x1A5A50));
    });
    p[119] = Boon([&](Layer& L) {  // hidden: hooded figure
        auto hood = Union(Circle(10, 8.5f, 4.6f), Poly{{{5.4f, 8.5f}, {14.6f, 8.5f}, {16.5f, 17}, {3.5f, 17}}});
        Ink(L, Inter(hood, Circle(10, 10, 7.4f)), Rgb(0x4A4A58), Rgb(0x0A0A14));
        L.Fill(Ellipse(10, 9.4f, 2.8f, 3.0f), Rgb(0x0A0A12));
        L.Fill(Circle(8.9f, 9.2f, 0.6f), Rgb(0xF0E070));
        L.Fill(Circle(11.1f, 9.2f, 0.6f), Rgb(0xF0E070));
    });
    p[89] = Boon([&](Layer& L) {  // life drain
        sym::Drop(L, 10, 11, 11, Rgb(0xC81828));
        L.Fill(Poly{{{6.2f, 3.5f}, {8.2f, 3.5f}, {7.2f, 6.6f}}}, Rgb(0xFFFFFF));
        L.Fill(Poly{{{11.8f, 3.5f}, {13.8f, 3.5f}, {12.8f, 6.6f}}}, Rgb(0xFFFFFF));
    });
    p[31] = Boon([&](Layer& L) {  // aura
        L.Fill(Ring(Circle(10, 10, 5.8f), 0.7f), gold);
        L.Fill(Ring(Circle(10, 10, 3.4f), 0.6f), Rgb(0xFFF0B0));
        L.Fill(Circle(10, 10, 1.4f), Rgb(0xFFFFFF));
    });
    // beast forms
    p[52] = Boon([&](Layer& L) {  // snake
        Path s{{{5, 15}, {9, 15}, {12.5f, 13}, {9, 10.5f}, {6.5f, 8}, {9, 5.5f}, {12.5f, 5.5f}}, 1.3f};
        L.Fill(Grow(s, 0.8f), Rgb(0x0A1A08));
        L.Fill(s, Rgb(0x68C040));
        L.Fill(Ellipse(13.5f, 5.5f, 2.2f, 1.6f), Rgb(0x68C040));
        L.Fill(Circle(14.0f, 5.0f, 0.5f), Rgb(0x101010));
        L.Fill(Path{{{15.5f, 5.6f}, {17, 5.6f}, {17.6f, 5}}, 0.3f}, Rgb(0xE02020));
    });
    p[53] = Boon([&](Layer& L) { sym::Bird(L, 10, 10, 13, Rgb(0xB07838)); });
    p[54] = Boon([&](Layer& L) {  // wolf head
        auto head = Union(Poly{{{4.5f, 3.5f}, {8.5f, 7}, {11.5f, 7}, {15.5f, 3.5f}, {15.5f, 10}, {12, 16}, {8, 16}, {4.5f, 10}}},
                          Ellipse(10, 13.5f, 2.6f, 2.8f));
        InkEmboss(L, head, Rgb(0x9AA0AC), 2, 0.45f);
        L.Fill(Poly{{{6.6f, 9}, {8.8f, 9.8f}, {6.8f, 10.6f}}}, Rgb(0xF0D040));
        L.Fill(Poly{{{13.4f, 9}, {11.2f, 9.8f}, {13.2f, 10.6f}}}, Rgb(0xF0D040));
        L.Fill(Circle(10, 14.6f, 1.0f), Rgb(0x101010));
    });
    p[55] = Boon([&](Layer& L) {  // bear head
        auto head = Union(Circle(10, 11, 5.6f), Union(Circle(5.4f, 6.0f, 2.2f), Circle(14.6f, 6.0f, 2.2f)));
        InkEmboss(L, head, Rgb(0x7A4A28), 2, 0.45f);
        L.Fill(Ellipse(10, 13, 2.6f, 2.0f), Rgb(0xC89868));
        L.Fill(Circle(10, 12.2f, 0.9f), Rgb(0x101010));
        L.Fill(Circle(8, 9.4f, 0.7f), Rgb(0x101010));
        L.Fill(Circle(12, 9.4f, 0.7f), Rgb(0x101010));
    });

    // tattoos 108..117
    for (int t = 0; t < 10; ++t) {
        Layer L = SkinPatch();
        Tattoo(L, t);
        p[108 + t] = ToPiece(L);
    }

    // alien numerals: geometric (90..99, also the floor symbols) and bar-and-dot (150..159)
    for (int d = 0; d < 10; ++d) {
        p[90 + d] = GeoSymbol(d);
        p[150 + d] = BarDotNumeral(d);
    }

    // the pieces without a fixed role carry distinct emblems
    const int spare[] = {11, 12, 14, 15, 27, 28, 32, 33, 36, 37, 38, 39, 40, 42, 58, 79, 80, 81,
                         82, 83, 84, 85, 100, 101, 102, 103, 104, 105, 106, 107, 121, 130, 131, 132, 1000};
    for (int i = 0; spare[i] < 1000; ++i) {
        Layer L(20, 20);
        Emblem(L, i);
        p[spare[i]] = ToPiece(L);
    }
    return p;
}

}  // namespace art
