// VMODULE: the frame pieces of the module description card, one set per card colour, and the
// wax seal stamped on the card.
#include "sheets.h"
#include "symbols.h"

namespace art {
namespace {

using namespace sdf;

constexpr int kCardW = 270, kCardH = 360;
// The world-map inset shows through the card here.
constexpr int kInsetX0 = 14, kInsetY0 = 90, kInsetX1 = 256, kInsetY1 = 240;

// Card colours by the module colour number: green, purple, cyan, yellow, blue, cyan, orange,
// grey, pink. Mid tones: black small text and the shadowed white title both read on them.
const uint32_t kCardTints[9] = {0x78A068, 0x947AAA, 0x68A0A4, 0xC0AC58, 0x7288BA, 0x5E98A0, 0xC88C54, 0x969692, 0xC48894};

Image CardPrototype(int colour) {
    Image img(kCardW, kCardH, kKeyColour);
    const Col tint = Rgb(kCardTints[colour]);
    for (int y = 0; y < kCardH; ++y)
        for (int x = 0; x < kCardW; ++x) {
            float px = x + 0.5f, py = y + 0.5f;
            float d = -Box(0, 0, float(kCardW), float(kCardH), 8)(px, py);
            if (d < 0.3f) continue;
            bool inset = x >= kInsetX0 && x < kInsetX1 && y >= kInsetY0 && y < kInsetY1;
            Col c;
            if (d < 1.5f) {
                c = Rgb(0x1E120A);
            } else if (d < 5.0f) {
                bool lit = std::min(px, py) < std::min(kCardW - px, kCardH - py);
                c = lit ? Rgb(pal::kGiltLight) : Rgb(pal::kGilt);
                if (d > 3.8f) c = Rgb(pal::kGiltDark);
            } else if (d < 6.0f) {
                c = Rgb(0x3A2410);
            } else if (inset) {
                // the map shows through, apart from a thin gilt border on its edge
                int e = std::min(std::min(x - kInsetX0, kInsetX1 - 1 - x), std::min(y - kInsetY0, kInsetY1 - 1 - y));
                if (e == 0) c = Rgb(0x1E120A);
                else if (e == 1) c = Rgb(pal::kGilt);
                else continue;
            } else if (y < 30) {
                // the neutral header row shared by every colour
                c = Add(Rgb(0xF0E4C4), (Fbm(float(x % 30) / 6.0f, y / 6.0f, 601, 2, 5, 0) - 0.5f) * 10.0f);
                if (y >= 27) c = Rgb(y == 27 ? 0x3A2410 : (y == 28 ? pal::kGilt : 0x6A4A20));
            } else {
                // coloured body: a soft weave that repeats every 30 pixels
                float n = Fbm(float(x % 30) / 7.5f, float(y % 30) / 7.5f, 602 + uint32_t(colour), 2, 4, 4);
                c = Add(tint, (n - 0.5f) * 16.0f);
                int ex = std::min(x - kInsetX0 + 2, kInsetX1 + 1 - x), ey = std::min(y - kInsetY0 + 2, kInsetY1 + 1 - y);
                bool aroundInset = x >= kInsetX0 - 2 && x < kInsetX1 + 2 && y >= kInsetY0 - 2 && y < kInsetY1 + 2;
                if (aroundInset && std::min(ex, ey) < 2) c = Darken(c, 0.35f);
            }
            img.Set(x, y, ToRgb(c));
        }
    return img;
}

Image Seal() {
    Layer L(68, 37);
    const Col wax = Rgb(0xA81C1C);
    for (int s = -1; s <= 1; s += 2) {
        Poly tail{{{34.0f + s * 6, 22}, {34.0f + s * 22, 34}, {34.0f + s * 18, 36}, {34.0f + s * 24, 36.5f}, {34.0f + s * 30, 27}, {34.0f + s * 14, 16}}};
        sym::InkEmboss(L, tail, Rgb(0x2A4A9A), 2, 0.45f);
    }
    auto blob = [](float x, float y) { return Circle(34, 17.5f, 15.5f)(x, y) + (ValueNoise(x / 3.0f, y / 3.0f, 777) - 0.5f) * 2.0f; };
    sym::InkEmboss(L, blob, wax, 4, 0.55f, Rgb(0x3A0606));
    L.Fill(Ring(Circle(34, 17.5f, 10.5f), 0.7f), Darken(wax, 0.35f));
    L.Fill(Poly{Star(34, 18, 8, 3.4f, 5, 0)}, Lighten(wax, 0.25f));
    L.Fill(Ring(Poly{Star(34, 18, 8, 3.4f, 5, 0)}, 0.4f), Darken(wax, 0.4f));
    Image img(68, 37, kKeyColour);
    Stamp(L, img, 0, 0);
    return img;
}

}  // namespace

Image BuildModuleSheet() {
    Image img(94, 1465, kKeyColour);
    auto put = [&](const Image& card, int piece, int row, int col) {
        // a row's left piece is its first column, the right piece its last, the middle the second
        int sx = col == 0 ? 0 : (col == 1 ? 30 : 240);
        Blit(card, sx, row * 30, 30, 30, img, 31 * (piece % 3) + 1, 31 * (piece / 3) + 1);
    };
    Image first = CardPrototype(0);
    for (int c = 0; c < 3; ++c) put(first, c, 0, c);
    for (int colour = 0; colour < 9; ++colour) {
        Image card = CardPrototype(colour);
        int b = 15 * colour;
        // pieces b+3..b+17 in rows: body, inset top, inset sides, inset bottom, card bottom
        const int rows[5] = {1, 3, 4, 7, 11};
        for (int k = 0; k < 5; ++k)
            for (int c = 0; c < 3; ++c) put(card, b + 3 + 3 * k + c, rows[k], c);
    }
    Blit(Seal(), 0, 0, 68, 37, img, 1, 1427);
    KeepOffKey(img);
    return img;
}

}  // namespace art
