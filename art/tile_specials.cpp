// The tiles the game gives a meaning: doors shut and open, chests closed, open and bashed,
// things whole and smashed, levers, buttons, pads, portals, splats. Each state of a thing is
// the same drawing changed in shape, so that the states tell apart at a glance.
#include "symbols.h"
#include "tile_art.h"

namespace art::tiles {
namespace {

using namespace sdf;
using sym::Ink;


// Scatters shards of colour c around the middle of the tile: what is left of a broken thing.
void Shards(Layer& L, uint32_t seed, Col c, int count, float spread) {
    Rng r(seed);
    for (int i = 0; i < count; ++i) {
        const float a = r.Range(0, 6.28f), d = r.Range(2, spread);
        const float x = 16 + std::cos(a) * d, y = 20 + std::sin(a) * d * 0.6f, s = r.Range(1.5f, 3.5f);
        Poly p{{{x, y - s}, {x + s, y + s * 0.4f}, {x - s * 0.5f, y + s}}};
        L.Fill(Grow(p, 0.6f), kInk);
        L.Fill(p, Lighten(c, r.Range(-0.15f, 0.15f)));
    }
}

// ---------------------------------------------------------------- doors

struct DoorLook {
    Col panel, frame;
    int kind;  // 0 planks, 1 studded, 2 stone slab, 3 iron plates, 4 ornate, 5 portcullis, 6 grate, 7 rotten
};

void DoorFrame(Layer& L, Col frame) {
    Solid(L, Box(0, 0, 5, 32), frame, 2);
    Solid(L, Box(27, 0, 32, 32), frame, 2);
    Solid(L, Box(0, 0, 32, 5), Lighten(frame, 0.08f), 2);
}

void DoorPanel(Layer& L, const DoorLook& d, float x0, float x1) {
    const auto panel = Box(x0, 5, x1, 32);
    switch (d.kind) {
        case 5:  // portcullis: a grid of iron bars
        case 6: {
            for (float x = x0 + 2; x < x1; x += d.kind == 5 ? 5.0f : 4.0f) Solid(L, Box(x - 0.9f, 5, x + 0.9f, 32), kIron, 1, 0.6f);
            for (float y = 9; y < 32; y += d.kind == 5 ? 7.0f : 5.0f) Solid(L, Box(x0, y - 0.9f, x1, y + 0.9f), kIron, 1, 0.6f);
            if (d.kind == 5)
                for (float x = x0 + 2; x < x1; x += 5) L.Fill(Poly{{{x - 1.5f, 30}, {x + 1.5f, 30}, {x, 32.5f}}}, Lighten(kIron, 0.3f));
            return;
        }
        default: break;
    }
    Solid(L, panel, d.panel, 2.5f);
    switch (d.kind) {
        case 0:
        case 7:
            for (float x = x0 + 4.5f; x < x1 - 1; x += 4.5f) L.Fill(Seg(x, 6, x, 31, 0.45f), Darken(d.panel, 0.35f));
            break;
        case 1:
            for (float y : {10.0f, 24.0f}) L.Fill(Box(x0, y, x1, y + 2.2f), kIron);
            for (float y : {11.0f, 25.0f})
                for (float x = x0 + 2.5f; x < x1 - 1; x += 4.5f) L.Fill(Circle(x, y, 0.8f), Lighten(kIron, 0.5f));
            break;
        case 2:
            L.Fill(Ring(Box(x0 + 3, 8, x1 - 3, 29, 1), 0.6f), Darken(d.panel, 0.3f));
            break;
        case 3:
            L.Fill(Seg((x0 + x1) / 2, 6, (x0 + x1) / 2, 31, 0.5f), Darken(d.panel, 0.45f));
            L.Fill(Seg(x0 + 1, 18, x1 - 1, 18, 0.5f), Darken(d.panel, 0.45f));
            for (float x : {x0 + 2.5f, x1 - 2.5f})
                for (float y : {8.0f, 16.0f, 20.0f, 29.0f}) L.Fill(Circle(x, y, 0.8f), Lighten(d.panel, 0.4f));
            break;
        case 4:
            L.Fill(Ring(Box(x0 + 2.5f, 8, x1 - 2.5f, 29, 3), 0.8f), kGold);
            sym::StarShape(L, (x0 + x1) / 2, 18, 8, 6, kGold);
            break;
        default: break;
    }
    if (d.kind == 7) {  // holes and a missing board
        L.Fill(Ellipse(x0 + 7, 13, 2, 3), C(0x140C06));
        L.Fill(Box(x1 - 6, 20, x1 - 2, 32), C(0x140C06));
    }
    if (x1 - x0 > 12) {  // the ring handle
        L.Fill(Ring(Circle(x1 - 4.5f, 19, 1.8f), 0.6f), d.kind == 4 ? kGold : C(0x202020));
    }
}

DoorLook DoorOf(int kind) {
    switch (kind) {
        case 1: return {C(0x7A4E2A), C(0x8A8680), 1};
        case 2: return {C(0x9A968E), C(0x7A766E), 2};
        case 3: return {C(0x6E7078), C(0x5A5650), 3};
        case 4: return {C(0x8A2C24), C(0xB4A890), 4};
        case 5: return {kIron, C(0x8A8680), 5};
        case 6: return {kIron, C(0x6E6A62), 6};
        case 7: return {C(0x6A5A40), C(0x7A7268), 7};
        default: return {C(0x8E5E32), C(0x8A8680), 0};
    }
}

void ShutDoor(Image& img, int kind) {
    Layer L(32, 32);
    const DoorLook d = DoorOf(kind);
    if (kind == 5) {
        DoorFrame(L, d.frame);
        DoorPanel(L, d, 5, 27);
    } else {
        DoorFrame(L, d.frame);
        DoorPanel(L, d, 5, 27);
    }
    Put(img, L);
}

// An opened door: the frame stands, the leaf turned against the left post (a portcullis is
// raised: only its spikes show under the lintel).
void OpenDoor(Image& img, int kind) {
    Layer L(32, 32);
    const DoorLook d = DoorOf(kind);
    DoorFrame(L, d.frame);
    if (kind == 5 || kind == 6) {
        if (kind == 5) {
            for (float x = 7; x < 27; x += 5) L.Fill(Poly{{{x - 1.5f, 5}, {x + 1.5f, 5}, {x, 8.5f}}}, kIron);
        } else {  // the grate hinged open, seen edge-on
            Solid(L, Box(5, 5, 9, 32), kIron, 1, 0.6f);
        }
    } else {
        Solid(L, Poly{{{5, 5}, {11, 9}, {11, 32}, {5, 32}}}, Darken(d.panel, 0.15f), 1.5f);
    }
    L.Fill(Box(6, 30, 26, 32), C(0x3A3026), 0.9f);  // the threshold
    Put(img, L);
}

// A small boat drawn up to block a landing (the boat doors).
void MooredBoat(Image& img, bool right) {
    Layer L(32, 32);
    const float dir = right ? 1.0f : -1.0f;
    Poly hull{{{16 - 13 * dir, 12}, {16 + 10 * dir, 12}, {16 + 14 * dir, 17}, {16 + 10 * dir, 23}, {16 - 13 * dir, 23}}};
    Solid(L, hull, C(0x8E5E32), 3);
    L.Fill(Box(6, 14.5f, 26, 20.5f), C(0x5A3A1C));
    for (float x : {10.0f, 17.0f, 23.0f}) L.Fill(Box(x - 1, 13, x + 1, 22), C(0xA87A48));
    L.Fill(Seg(16 - 13 * dir, 17, 16 - 16 * dir, 22, 0.7f), C(0xC8B890));  // mooring rope
    Put(img, L);
}

// ---------------------------------------------------------------- chests

struct ChestLook {
    Col body, band;
    int shape;  // 0 wood, 1 pirate, 2 boxy, 3 ornate, 4 stone, 5 tomb, 6 mummy case, 7 safe
};

ChestLook ChestOf(int base) {
    switch (base) {
        case 565: return {C(0x6E4424), kGold, 1};
        case 568: return {C(0x9A7448), kIron, 2};
        case 517: return {C(0x7A2424), kGold, 3};
        case 1112: return {C(0x8E8A82), C(0x5E5A54), 4};
        case 571: return {C(0x9A968C), C(0x6A665E), 5};
        case 915: return {C(0xC8A050), C(0x284696), 6};
        case 562: return {C(0x5A5E66), C(0x9A9EA8), 7};
        default: return {C(0x96693E), kIron, 0};
    }
}

// state 0 closed, 1 open (lid up, the hoard inside), 2 bashed (lock broken, lid split).
void Chest(Image& img, int base, int state) {
    Layer L(32, 32);
    const ChestLook c = ChestOf(base);
    if (c.shape == 5 || c.shape == 6) {  // a tomb or a mummy case, seen from above
        const bool mummy = c.shape == 6;
        auto box = mummy ? Box(7, 2, 25, 30, 7) : Box(5, 4, 27, 29, 1);
        if (state == 0) {
            Solid(L, box, c.body, 3);
            if (mummy) {
                L.Fill(Ellipse(16, 9, 5, 5.5f), C(0xE0C070));
                L.Fill(Box(11, 4, 21, 7, 2), c.band);
                for (float y : {17.0f, 21.0f, 25.0f}) L.Fill(Box(9, y, 23, y + 1.6f), c.band);
                L.Fill(Circle(14, 9, 0.9f), kInk);
                L.Fill(Circle(18, 9, 0.9f), kInk);
            } else {
                L.Fill(Seg(16, 8, 16, 25, 1), c.band);
                L.Fill(Seg(10, 13, 22, 13, 1), c.band);
            }
        } else {
            Solid(L, box, Darken(c.body, 0.1f), 2);
            L.Fill(Grow(box, -2.5f), C(0x1A140E));
            if (mummy) L.Fill(Ellipse(16, 16, 4, 10), C(0xD8CCB0));  // the wrapped one inside
            else sym::Skull(L, 16, 12, 9, kBone);
            if (state == 1) Solid(L, Poly{{{24, 3}, {31, 6}, {31, 31}, {24, 28}}}, c.body, 2);  // lid slid aside
            else Shards(L, uint32_t(base), c.body, 9, 12);
        }
        Put(img, L);
        return;
    }
    // a box with a lid, seen from the front and a little above
    const float top = c.shape == 1 ? 10 : 12;
    Solid(L, Box(4, top + 4, 28, 29, 1.5f), c.body, 2.5f);
    if (c.shape == 7) {  // the safe: a steel box with a dial
        L.Fill(Ring(Box(6, top + 6, 26, 27, 1), 0.6f), Darken(c.body, 0.4f));
        if (state == 0) {
            Solid(L, Circle(16, 21, 3.5f), c.band, 1.5f);
            L.Fill(Seg(16, 21, 16, 18.5f, 0.5f), kInk);
        } else if (state == 1) {
            L.Fill(Box(6, top + 6, 26, 27, 1), C(0x141416));
            for (float x : {10.0f, 16.0f, 22.0f}) sym::Coin(L, x, 24, 6);
            Solid(L, Poly{{{26, top + 6}, {31, top + 3}, {31, 30}, {26, 27}}}, c.body, 2);
        } else {
            L.Fill(Circle(16, 21, 3.5f), C(0x141416));
            Shards(L, 7, c.band, 5, 8);
            L.Fill(Seg(8, 16, 24, 27, 0.6f), C(0x141416));
        }
        Put(img, L);
        return;
    }
    if (state == 1) {  // open: the dark inside with gold, the lid thrown back
        L.Fill(Box(5, top + 4, 27, top + 9), C(0x1A120A));
        for (float x : {9.0f, 14.0f, 19.0f, 24.0f}) sym::Coin(L, x, top + 6, 5);
        L.Fill(Circle(13, top + 3.5f, 1.5f), C(0xE03040));
        Solid(L, Box(4, 1, 28, top + 3, 3), Darken(c.body, 0.15f), 2);
        L.Fill(Box(5, 2.5f, 27, top + 1.5f, 2), Darken(c.body, 0.45f));
    } else {
        const float lidTop = state == 2 ? top + 1 : top;
        auto lid = c.shape == 1 ? Box(4, lidTop - 2, 28, top + 6, 6) : Box(4, lidTop, 28, top + 6, 2.5f);
        Solid(L, lid, Lighten(c.body, 0.08f), 2.5f);
        if (state == 2) {  // the lid split and askew, the lock torn out
            L.Fill(Seg(12, lidTop, 18, top + 6, 0.9f), kInk);
            L.Fill(Poly{{{4, top + 4}, {12, top + 6}, {4, top + 8}}}, C(0x1A120A));
        }
    }
    // bands, corners and the lock
    const bool closed = state != 1;
    if (c.shape == 0 || c.shape == 1 || c.shape == 3) {
        for (float x : {8.0f, 24.0f}) L.Fill(Box(x - 1.2f, closed ? top : top + 4, x + 1.2f, 29), c.band);
    }
    if (c.shape == 2 || c.shape == 4) {
        L.Fill(Ring(Box(5.5f, top + 5.5f, 26.5f, 27.5f, 1), 0.6f), c.band);
    }
    if (c.shape == 3) {
        sym::StarShape(L, 12, 22, 6, 5, kGold);
        sym::StarShape(L, 20, 22, 6, 5, kGold);
    }
    if (state == 0) {
        Solid(L, Box(13.5f, top + 3, 18.5f, top + 9, 1), c.band, 1);
        L.Fill(Box(15.4f, top + 5, 16.6f, top + 7.5f), kInk);
    } else if (state == 2) {
        L.Fill(Box(13.5f, top + 3, 18.5f, top + 9, 1), C(0x1A120A));
        Shards(L, uint32_t(base) + 3, c.band, 4, 10);
    }
    Put(img, L);
}

// ---------------------------------------------------------------- breakables, whole and broken

void Breakable(Image& img, int kind, bool broken) {
    Layer L(32, 32);
    const Palette& bits = PaletteOf(kFamilyBits1);
    auto prop = [&](Prop p) { DrawProp(L, p, bits, uint32_t(kind), 0, 0); };
    switch (kind) {
        case 0:  // pot
            if (!broken) prop(kPropPot);
            else Shards(L, 10, C(0xB2643A), 11, 11);
            break;
        case 1:  // a tall pot
            if (!broken) prop(kPropUrn);
            else Shards(L, 11, C(0xBE965A), 11, 11);
            break;
        case 2:  // barrel
            if (!broken) prop(kPropBarrel);
            else {
                for (int i = 0; i < 5; ++i) {
                    const float x = 7 + 4.5f * float(i);
                    Solid(L, Box(x - 1.6f, 14 + float(i % 2) * 3, x + 1.6f, 29), kWood, 1);
                }
                L.Fill(Ring(Ellipse(16, 24, 11, 4), 0.9f), kIron);
            }
            break;
        case 3:  // crate
            if (!broken) prop(kPropCrate);
            else {
                Rng r(33);
                for (int i = 0; i < 6; ++i) {
                    const float x = r.Range(6, 26), y = r.Range(10, 26), a = r.Range(0, 3.1f);
                    Solid(L, Seg(x - 6 * std::cos(a), y - 6 * std::sin(a), x + 6 * std::cos(a), y + 6 * std::sin(a), 1.3f), Lighten(kWood, 0.15f), 1);
                }
            }
            break;
        case 4:  // a grave: the headstone, and when broken into, the dug hole
        case 5:
            if (!broken) {
                prop(kPropGrave);
                if (kind == 5) L.Fill(Seg(10, 24, 22, 24, 0.8f), C(0x5A4A30));
            } else {
                Solid(L, Union(Box(9, 2, 23, 12), Circle(16, 3, 7)), kStone, 2);
                L.Fill(Ellipse(16, 22, 10, 7), C(0x5A4228));
                L.Fill(Ellipse(16, 22, 7.5f, 5), C(0x140C06));
                sym::Skull(L, 21, 27, 6, kBone);
            }
            break;
        case 6:  // muck pile
            if (!broken) {
                for (int i = 0; i < 5; ++i) Solid(L, Circle(10 + 3.0f * float(i), 22 - float(i % 2) * 4 - (i == 2 ? 5.0f : 0), 6), C(0x5A4A2A), 4, 0.3f);
                L.Fill(Circle(13, 17, 1.2f), C(0x9AA04A));
            } else {
                L.Fill(Ellipse(16, 23, 11, 5), C(0x5A4A2A));
                L.Fill(Ellipse(18, 23, 5, 2.5f), C(0x3A3018));
            }
            break;
        case 7:  // an orb of an element on its stand
        case 8:
        case 9: {
            const Col orb = kind == 7 ? C(0x3C8CE0) : kind == 8 ? C(0x8A6A3A) : C(0xD8E8F0);
            Solid(L, Poly{{{10, 29}, {22, 29}, {19, 22}, {13, 22}}}, kStone, 2);
            if (!broken) {
                Solid(L, Circle(16, 14, 8), orb, 6, 0.55f);
                L.Fill(Circle(13, 11, 2), Lighten(orb, 0.7f));
            } else {
                Shards(L, uint32_t(kind), orb, 10, 12);
                L.Fill(Ellipse(16, 21, 5, 1.5f), Darken(orb, 0.3f));
            }
            break;
        }
        case 10:  // block of ice
            if (!broken) {
                Solid(L, Box(5, 6, 27, 29, 2), C(0xB4DCF4), 4, 0.6f);
                L.Fill(Seg(9, 10, 14, 15, 0.8f), C(0xF4FCFF));
                L.Fill(Seg(18, 22, 24, 17, 0.6f), C(0xF4FCFF));
            } else {
                Shards(L, 41, C(0xB4DCF4), 13, 12);
            }
            break;
        case 11:  // jewel case
            if (!broken) {
                Solid(L, Box(7, 13, 25, 26, 1.5f), C(0x5A2470), 2);
                L.Fill(Box(7, 13, 25, 17), kGold);
                L.Fill(Circle(16, 21, 2), C(0x60E0F0));
            } else {
                L.Fill(Box(7, 17, 25, 26, 1.5f), C(0x1A0C20));
                Shards(L, 42, C(0x5A2470), 6, 10);
                Shards(L, 43, kGold, 3, 9);
            }
            break;
        case 12:  // the Kintaran tomb: a carved stone box with a jade lid
            Solid(L, Box(4, 6, 28, 29, 1), C(0xAA5A3C), 2.5f);
            if (!broken) {
                Solid(L, Box(6, 8, 26, 27, 1), C(0x3C9A6E), 2);
                sym::Sun(L, 16, 17, 11, C(0x2A6A4A));
            } else {
                L.Fill(Box(6, 8, 26, 27, 1), C(0x140C06));
                sym::Skull(L, 16, 15, 9, kBone);
                Shards(L, 44, C(0x3C9A6E), 6, 13);
            }
            break;
        default: break;
    }
    Put(img, L);
}

// ---------------------------------------------------------------- switches and floor mechanisms

void Lever(Image& img, bool right) {
    Layer L(32, 32);
    Solid(L, Box(8, 20, 24, 28, 2), kStone, 2);
    L.Fill(Box(11, 22, 21, 24.5f, 1), kInk);
    const float tip = right ? 25.0f : 7.0f;
    Solid(L, Seg(16, 23, tip, 7, 1.3f), kIron, 1, 0.5f);
    Solid(L, Circle(tip, 6, 2.8f), right ? C(0x30A040) : C(0xC03028), 1.5f, 0.6f);
    Put(img, L);
}

void PushButton(Image& img, bool pressed) {
    Layer L(32, 32);
    Solid(L, Box(6, 6, 26, 26, 3), kStone, 3);
    if (pressed) {
        L.Fill(Circle(16, 16, 6), C(0x3A1010));
        L.Emboss(Circle(16, 17, 5), C(0x7A2020), 2, -0.5f);
    } else {
        Solid(L, Circle(16, 15, 6), C(0xD03030), 4, 0.6f);
        L.Fill(Circle(14, 13, 1.6f), C(0xFFB0A0));
    }
    Put(img, L);
}

// The dial on its pedestal; lit, the same bowl holds a flame.
void DialPedestal(Image& img, bool lit) {
    Layer L(32, 32);
    Solid(L, Poly{{{10, 30}, {22, 30}, {19, 20}, {13, 20}}}, kStone, 2);
    Solid(L, Ellipse(16, 17, 10, 5), Darken(kIron, 0.1f), 2, 0.6f);
    if (lit) {
        sym::Flame(L, 16, 9, 16);
    } else {
        L.Fill(Ellipse(16, 16.5f, 7, 3.2f), C(0xC8C0A8));
        for (int k = 0; k < 10; ++k) {
            const float a = float(k) * 0.628f;
            L.Fill(Circle(16 + 5.6f * std::cos(a), 16.5f + 2.5f * std::sin(a), 0.5f), kInk);
        }
        L.Fill(Seg(16, 16.5f, 19, 15, 0.5f), C(0xB02020));
    }
    Put(img, L);
}

void Valve(Image& img, bool open) {
    Layer L(32, 32);
    Solid(L, Box(-1, 20, 33, 26), kIron, 2, 0.6f);
    Solid(L, Box(14, 12, 18, 22), kIron, 1);
    // the wheel: turned along the pipe when open, across it when shut
    if (open) {
        Solid(L, Ring(Circle(16, 10, 7), 1.3f), C(0x30A040), 1, 0.6f);
        L.Fill(Seg(9, 10, 23, 10, 0.9f), C(0x30A040));
        L.Fill(Seg(16, 3, 16, 17, 0.9f), C(0x30A040));
    } else {
        Solid(L, Box(14.5f, 3, 17.5f, 17, 1), C(0xC03028), 1);
        L.Fill(Seg(11, 10, 21, 10, 1.3f), C(0xC03028));
    }
    Put(img, L);
}

void SlimePod(Image& img, bool burst) {
    Layer L(32, 32);
    const Col c = C(0x7AA03A);
    if (!burst) {
        Solid(L, Ellipse(16, 19, 10, 10), c, 5, 0.5f);
        L.Fill(Ellipse(13, 15, 2.5f, 3.5f), Lighten(c, 0.5f));
        for (float x : {11.0f, 16.0f, 21.0f}) L.Fill(Seg(x, 11, x + (x - 16) * 0.3f, 28, 0.5f), Darken(c, 0.35f));
    } else {
        L.Fill(Ellipse(16, 24, 13, 6), C(0x9AC050));
        Solid(L, Poly{{{8, 26}, {6, 17}, {11, 21}, {13, 14}, {16, 20}, {20, 13}, {22, 21}, {27, 16}, {25, 26}}}, Darken(c, 0.1f), 2);
        L.Fill(Ellipse(16, 24, 6, 2.5f), C(0x2A3A14));
    }
    Put(img, L);
}

void PressurePad(Image& img, bool pressed) {
    Layer L(32, 32);
    if (pressed) {
        L.Fill(Box(4, 4, 28, 28, 2), C(0x2A2620));
        L.Emboss(Box(6, 6, 26, 26, 1), Darken(kStone, 0.25f), 2, -0.5f);
    } else {
        L.Fill(Box(3, 3, 29, 29, 2), C(0x2A2620));
        L.Emboss(Box(4, 4, 28, 28, 2), Lighten(kStone, 0.05f), 3, 0.6f);
    }
    L.Fill(Ring(Box(10, 10, 22, 22, 1), 0.5f), Darken(kStone, 0.4f));
    Put(img, L);
}

// A magic circle on the floor: dark and still, or burning with an element.
void SpawnPoint(Image& img, int element) {
    Layer L(32, 32);
    const Col colours[5] = {C(0x4A4450), C(0x60D040), C(0x80C8F8), C(0xF0E040), C(0xF06A20)};
    const Col c = colours[element + 1];
    L.Fill(Ring(Circle(16, 16, 13), 1.2f), c);
    L.Fill(Ring(Circle(16, 16, 9.5f), 0.6f), c);
    L.Fill(Ring(Poly{Star(16, 16, 12.5f, 5, 5, 0)}, 0.6f), c);
    if (element >= 0) {
        L.Fill(Circle(16, 16, 5), Lighten(c, 0.5f), 0.8f);
        switch (element) {
            case 0: sym::Drop(L, 16, 16, 8, c); break;
            case 1: sym::Snowflake(L, 16, 16, 8, Lighten(c, 0.3f)); break;
            case 2: sym::Bolt(L, 16, 16, 8, c); break;
            default: sym::Flame(L, 16, 15, 9); break;
        }
    }
    Put(img, L);
}

void PentaStone(Image& img) {
    Layer L(32, 32);
    Solid(L, Circle(16, 16, 13), C(0x4A4850), 3);
    L.Fill(Ring(Poly{Star(16, 16, 10, 4, 5, 0)}, 0.6f), C(0x8A8494));
    L.Fill(Ring(Circle(16, 16, 10.5f), 0.5f), C(0x8A8494));
    Put(img, L);
}

void Forge(Image& img, int kind) {
    Layer L(32, 32);
    switch (kind) {
        case 0:  // witches' cauldron
            DrawProp(L, kPropCauldron, PaletteOf(kFamilyDark), 1, 0, 0);
            sym::Flame(L, 16, 28, 8);
            break;
        case 1:  // bone forge
            Solid(L, Box(5, 12, 27, 29, 2), C(0xD8CCAA), 3);
            for (float x : {9.0f, 16.0f, 23.0f}) sym::Skull(L, x, 19, 7, kBone);
            sym::Flame(L, 16, 7, 11);
            break;
        case 2:  // mystic forge
            Solid(L, Box(5, 14, 27, 29, 2), C(0x4A3A6A), 3);
            L.Fill(Box(9, 17, 23, 24, 1), C(0x1A1030));
            sym::StarShape(L, 16, 20.5f, 6, 6, C(0xC890FF));
            sym::Flame(L, 16, 8, 12);
            L.Fill(Circle(16, 9, 3), C(0xD8A0FF), 0.8f);
            break;
        default:  // forge of Deroz: anvil and hearth
            Solid(L, Box(3, 14, 20, 29, 1), C(0x6A625A), 2);
            L.Fill(Box(6, 18, 17, 25, 1), C(0x1A0C06));
            sym::Flame(L, 11.5f, 18, 9);
            DrawProp(L, kPropAnvil, PaletteOf(kFamilyBits1), 0, 9, 4);
            break;
    }
    Put(img, L);
}

// Giant mushrooms: whole, hacked into, cleared to the stumps.
void GiantMushrooms(Image& img, int kind, int state) {
    Layer L(32, 32);
    const Col cap = kind == 0 ? C(0xA0603C) : kind == 1 ? C(0xB43830) : C(0x7A6AA0);
    const int count = kind == 0 ? 1 : 3;
    for (int i = 0; i < count; ++i) {
        const float x = count == 1 ? 16 : 8 + 8.0f * float(i), rad = count == 1 ? 13 : 6.5f;
        const float h = count == 1 ? 14 : 10.0f + float(i % 2) * 4;
        if (state == 2) {
            Solid(L, Box(x - rad * 0.3f, 26, x + rad * 0.3f, 30, 1), C(0xE6DCC4), 1);
            L.Fill(Ellipse(x, 26, rad * 0.3f, 1.2f), C(0xC8B894));
            continue;
        }
        Solid(L, Box(x - rad * 0.3f, 30 - h, x + rad * 0.3f, 30, 1.5f), C(0xE6DCC4), 1.5f);
        auto top = Inter(Circle(x, 30 - h + 2, rad), Box(x - rad - 1, 30 - h - rad, x + rad + 1, 30 - h + 2));
        if (state == 1) {
            Solid(L, Sub(top, Box(x, 0, x + rad + 2, 30)), cap, 3);  // half hacked away
            L.Fill(Box(x - 0.5f, 30 - h - rad, x + 0.5f, 30 - h + 2), C(0xE6DCC4));
        } else {
            Solid(L, top, cap, 3);
            L.Fill(Circle(x - rad * 0.4f, 30 - h - rad * 0.35f, rad * 0.15f), C(0xF4ECDC));
            L.Fill(Circle(x + rad * 0.3f, 30 - h - rad * 0.5f, rad * 0.12f), C(0xF4ECDC));
        }
    }
    if (state == 1) Shards(L, 71, cap, 5, 12);
    Put(img, L);
}

// ---------------------------------------------------------------- splats: things alive and splatted

void Cat(Layer& L, bool facingRight, Col fur) {
    const float d = facingRight ? 1.0f : -1.0f;
    Solid(L, Ellipse(16 - 2 * d, 20, 8, 5), fur, 3);
    Solid(L, Circle(16 + 7 * d, 14, 4.5f), fur, 2.5f);
    L.Fill(Poly{{{16 + 4.5f * d, 11}, {16 + 5.5f * d, 6}, {16 + 7.5f * d, 10}}}, fur);
    L.Fill(Poly{{{16 + 8.5f * d, 10}, {16 + 10 * d, 6}, {16 + 10.5f * d, 11}}}, fur);
    L.Fill(Circle(16 + 8.5f * d, 13.5f, 0.8f), C(0x50C040));
    Path tail{{{16 - 9 * d, 19}, {16 - 13 * d, 14}, {16 - 12 * d, 9}}, 1.2f};
    L.Fill(Grow(tail, 0.8f), kInk);
    L.Fill(tail, fur);
    for (float x : {-5.0f, 4.0f}) L.Fill(Box(16 + x * d - 1, 23, 16 + x * d + 1, 28), Darken(fur, 0.2f));
}

void Chicken(Layer& L) {
    Solid(L, Ellipse(15, 19, 7, 6), C(0xF4F0E4), 3);
    Solid(L, Circle(9, 12, 3.5f), C(0xF4F0E4), 2);
    L.Fill(Poly{{{5.5f, 12}, {3, 13}, {6, 14}}}, C(0xF0A020));
    L.Fill(Ellipse(9, 8.5f, 1.5f, 2), C(0xD02020));
    L.Fill(Circle(8.5f, 11.5f, 0.8f), kInk);
    L.Fill(Poly{{{21, 14}, {26, 11}, {24, 19}}}, C(0xE8E4D8));
    for (float x : {13.0f, 17.0f}) L.Fill(Seg(x, 24, x, 29, 0.6f), C(0xF0A020));
}

void Splatted(Layer& L, Col c, uint32_t seed) {
    Rng r(seed);
    L.Fill(Ellipse(16, 20, 11, 7), C(0x8A1410));
    for (int i = 0; i < 7; ++i) L.Fill(Circle(16 + r.Range(-12, 12), 20 + r.Range(-8, 8), r.Range(1, 2.5f)), C(0x8A1410));
    L.Fill(Ellipse(16, 20, 7, 3.5f), Darken(c, 0.2f));
    L.Fill(Seg(10, 19, 22, 21, 1), Darken(c, 0.45f));
}

void SplatThing(Image& img, int which) {
    Layer L(32, 32);
    switch (which) {
        case 0: Cat(L, true, C(0x9A9A9E)); break;           // right cat
        case 1: Cat(L, false, C(0xD88A3A)); break;          // left cat
        case 2: Splatted(L, C(0x9A9A9E), 3); break;         // right cat splatted
        case 3: Splatted(L, C(0xD88A3A), 4); break;         // left cat splatted
        case 4: Splatted(L, C(0xF4F0E4), 5); L.Fill(Circle(10, 17, 1.5f), C(0xF4F0E4)); break;  // chook splatted
        case 5: Chicken(L); break;                          // left chook alive
        default: break;
    }
    Put(img, L);
}

void PsiCrystal(Image& img, bool smashed) {
    Layer L(32, 32);
    Solid(L, Poly{{{9, 30}, {23, 30}, {20, 24}, {12, 24}}}, C(0x4A4A56), 2);
    if (!smashed) {
        Solid(L, Poly{{{16, 2}, {23, 12}, {16, 25}, {9, 12}}}, C(0xC070F0), 3, 0.6f);
        L.Fill(Seg(13, 10, 16, 4, 0.7f), C(0xF4D8FF));
        L.Fill(Circle(16, 13, 9), C(0xE0A0FF), 0.25f);
    } else {
        Shards(L, 91, C(0xC070F0), 12, 12);
    }
    Put(img, L);
}

// The training dummy, whole (-1 and 0 blows) and more battered with every blow.
void Dummy(Image& img, int blows) {
    Layer L(32, 32);
    Solid(L, Box(15, 12, 17.5f, 31), kWood, 1);
    if (blows < 3) {
        Solid(L, Box(blows >= 2 ? 9 : 5, 13, 27, 16, 1), kWood, 1);  // arms, one lost at the second blow
        Solid(L, Ellipse(16, 19, 6, 7), C(0xD8B870), 3, 0.3f);
        if (blows < 2) Solid(L, Circle(16, 8, 5), C(0xD8B870), 2.5f, 0.3f);
        else Solid(L, Poly{{{12, 12}, {13, 6}, {17, 8}, {20, 4}, {21, 12}}}, C(0xD8B870), 2, 0.3f);
        L.Fill(Seg(10, 17, 22, 17, 0.5f), C(0x8A6A30));
        if (blows >= 0) L.Fill(Ring(Circle(16, 19, 3), 0.6f), C(0xC02020));  // the target painted on
        if (blows >= 1) {
            L.Fill(Seg(12, 22, 19, 15, 0.7f), C(0x5A4020));
            Shards(L, 51, C(0xE6CC78), 4 * blows, 13);
        }
    } else {  // only the post and a heap of straw
        L.Fill(Ellipse(16, 26, 10, 4), C(0xD8B870));
        Shards(L, 53, C(0xE6CC78), 10, 14);
    }
    Put(img, L);
}

// A stone idol of an orog that breaks a little more with every blow.
void OrogStatue(Image& img, int blows) {
    Layer L(32, 32);
    const Col stone = C(0x7A8070);
    Solid(L, Box(6, 25, 26, 30, 1), Darken(stone, 0.15f), 1.5f);
    if (blows < 3) {
        Solid(L, Union(Ellipse(16, 17, 8, 8), Circle(16, 7, 5)), stone, 3);
        L.Fill(Poly{{{11, 4}, {9, -1}, {13, 3}}}, stone);
        L.Fill(Poly{{{21, 4}, {23, -1}, {19, 3}}}, stone);
        L.Fill(Box(13, 9, 19, 10.5f), kInk);
        L.Fill(Circle(14, 6, 0.9f), blows < 0 ? C(0xE02020) : kInk);
        L.Fill(Circle(18, 6, 0.9f), blows < 0 ? C(0xE02020) : kInk);
        if (blows >= 1) L.Fill(Seg(12, 12, 18, 22, 0.6f), kInk);
        if (blows >= 2) {
            L.Fill(Seg(20, 10, 15, 25, 0.6f), kInk);
            L.Fill(Poly{{{19, 1}, {24, 4}, {21, 7}}}, kInk);  // a horn broken off
        }
        if (blows >= 0) Shards(L, 60 + uint32_t(blows), stone, 2 + blows * 3, 14);
    } else {
        Shards(L, 64, stone, 14, 13);
        Solid(L, Ellipse(16, 23, 7, 4), stone, 2);
    }
    Put(img, L);
}

// A drain in the floor by a wall; blocked, it is stopped with muck.
void Drain(Image& img, int side, bool blocked) {
    Layer L(32, 32);
    const float ax = side == 1 ? 16.0f : side == 3 ? 16.0f : side == 0 ? 4.0f : 28.0f;
    const float ay = side == 1 ? 4.0f : side == 2 ? 28.0f : 16.0f;
    Solid(L, Circle(ax, ay, 8), kIron, 2, 0.5f);
    L.Fill(Circle(ax, ay, 6), C(0x101418));
    for (int k = -1; k <= 1; ++k) {
        if (side == 1 || side == 2) L.Fill(Box(ax + 3.0f * float(k) - 0.7f, ay - 6, ax + 3.0f * float(k) + 0.7f, ay + 6), kIron);
        else L.Fill(Box(ax - 6, ay + 3.0f * float(k) - 0.7f, ax + 6, ay + 3.0f * float(k) + 0.7f), kIron);
    }
    if (blocked) {
        Solid(L, Ellipse(ax, ay, 7, 6), C(0x4A4020), 3, 0.3f);
        L.Fill(Circle(ax - 2, ay - 1, 1.2f), C(0x8A9A3A));
    } else {  // water running away into it
        const float dx = 16 - ax, dy = 16 - ay;
        L.Fill(Seg(ax + dx * 0.5f, ay + dy * 0.5f, ax + dx * 1.6f, ay + dy * 1.6f, 2.5f), C(0x4A8AC8), 0.9f);
    }
    Put(img, L);
}

void DrugLab(Image& img, bool done) {
    Layer L(32, 32);
    DrawProp(L, kPropTable, PaletteOf(kFamilyBits1), 0, 0, 2);
    if (!done) {
        Solid(L, Union(Circle(11, 12, 4), Box(10, 4, 12, 9)), C(0x70E060), 2, 0.5f);
        Solid(L, Box(17, 6, 21, 15, 1), C(0xE070C0), 1.5f, 0.5f);
        L.Fill(Circle(11, 5, 1.5f), C(0xD8F8D0), 0.7f);
    } else {
        Shards(L, 81, C(0x9AC8D8), 9, 11);
        L.Fill(Ellipse(16, 26, 8, 2.5f), C(0x5AA040));
    }
    Put(img, L);
}

void Generator(Image& img, bool done) {
    Layer L(32, 32);
    const Palette& p = PaletteOf(kFamilyAlien);
    if (!done) {
        DrawProp(L, kPropGenerator, p, 0, 0, 0);
        for (int k = 0; k < 3; ++k) L.Fill(Seg(16, 18, 16 + 9 * std::cos(float(k) * 2.1f), 18 + 9 * std::sin(float(k) * 2.1f), 0.5f), C(0xE0FFF0));
    } else {
        Solid(L, Box(4, 14, 28, 28, 2), Darken(p.wall, 0.3f), 2);
        L.Fill(Circle(16, 21, 5), C(0x141414));
        Shards(L, 82, p.wall, 6, 13);
        L.Fill(Circle(20, 10, 4), C(0x606060), 0.6f);
    }
    Put(img, L);
}

// Roots by a dry channel: withered, watered and green, or sick with a blight.
void WaterRoots(Image& img, int state) {
    Layer L(32, 32);
    const Col root = state == 0 ? C(0x6A4A2A) : state == 1 ? C(0x7A5A30) : C(0x5A4A3A);
    L.Fill(Ellipse(16, 24, 13, 6), state == 1 ? C(0x3A5A7A) : C(0x6A5030));
    Rng r(77);
    for (int i = 0; i < 6; ++i) {
        const float a = -2.6f + float(i) * 0.45f;
        Path p{{{16, 14}, {16 + 7 * std::cos(a), 14 - 7 * std::sin(a) * 0.2f + 6}, {16 + 12 * std::cos(a), 26}}, 1.3f};
        L.Fill(Grow(p, 0.7f), kInk);
        L.Fill(p, root);
    }
    if (state == 1)
        for (int i = 0; i < 6; ++i) L.Fill(Circle(r.Range(6, 26), r.Range(4, 14), 2.5f), C(0x4A9A3A));
    if (state == 2)
        for (int i = 0; i < 6; ++i) L.Fill(Circle(r.Range(6, 26), r.Range(8, 22), 1.4f), C(0xA0A030));
    if (state == 0)
        for (int i = 0; i < 3; ++i) L.Fill(Seg(r.Range(8, 24), r.Range(6, 12), r.Range(8, 24), r.Range(10, 16), 0.5f), C(0x8A7A5A));
    Put(img, L);
}

void SmokeFire(Image& img, bool smoking) {
    Layer L(32, 32);
    for (int k = 0; k < 7; ++k) {
        const float a = float(k) * 0.9f;
        Solid(L, Ellipse(16 + 9 * std::cos(a), 25 + 3.5f * std::sin(a), 3, 2), kStone, 1.5f);
    }
    DrawProp(L, kPropWoodpile, PaletteOf(kFamilyBits1), 0, 0, 2);
    if (smoking) {
        sym::Flame(L, 16, 21, 10);
        for (int k = 0; k < 3; ++k) L.Fill(Circle(16 + float(k % 2) * 3, 11 - 4.5f * float(k), 3.5f + float(k)), C(0xC8C8C0), 0.9f);
    }
    Put(img, L);
}

// Water with a floating way across: lily pads, or a sheet of ice.
void BridgeWater(Image& img, const Tile& t, bool ice) {
    PaintWater(img, t);
    Layer L(32, 32);
    if (ice) {
        L.Fill(Box(-1, 6, 33, 26, 3), C(0xDCEEFA));
        L.Fill(Seg(4, 12, 14, 16, 0.5f), C(0xA8CCE8));
        L.Fill(Seg(18, 20, 28, 14, 0.5f), C(0xA8CCE8));
    } else {
        const float xs[4] = {4, 12, 20, 28};
        for (int i = 0; i < 4; ++i) {
            const float y = 16 + (i % 2 ? 3.0f : -3.0f);
            L.Fill(Sub(Circle(xs[i], y, 5.5f), Poly{{{xs[i], y}, {xs[i] + 6, y - 2}, {xs[i] + 6, y + 2}}}), C(0x3C8A34));
            L.Fill(Ring(Circle(xs[i], y, 5.5f), 0.4f), C(0x205A1C));
        }
        L.Fill(Circle(13, 13, 1.6f), C(0xF0A0C0));
    }
    Put(img, L);
}

void IceBlockOnIce(Image& img) {
    Layer L(32, 32);
    DrawProp(L, kPropCrate, PaletteOf(kFamilyIce), 0, 0, 0);
    L.Fill(Box(4, 5, 28, 30, 2), C(0xC8E8FA), 0.55f);
    Put(img, L);
}

// ---------------------------------------------------------------- the table of special tiles

using Painter = void (*)(Image&, const Tile&, int);

struct Special {
    int16_t first, last;
    Painter paint;
};

const Special kSpecials[] = {
    // doors shut: kinds 0..7 and the two boat doors; doors open
    {1531, 1534, [](Image& i, const Tile&, int k) { ShutDoor(i, k); }},
    {1537, 1537, [](Image& i, const Tile&, int) { ShutDoor(i, 4); }},
    {1136, 1136, [](Image& i, const Tile&, int) { ShutDoor(i, 5); }},
    {1104, 1104, [](Image& i, const Tile&, int) { ShutDoor(i, 6); }},
    {1517, 1517, [](Image& i, const Tile&, int) { ShutDoor(i, 7); }},
    {401, 402, [](Image& i, const Tile&, int k) { MooredBoat(i, k == 1); }},
    {496, 499, [](Image& i, const Tile&, int k) { OpenDoor(i, k); }},
    {516, 516, [](Image& i, const Tile&, int) { OpenDoor(i, 4); }},
    {1218, 1218, [](Image& i, const Tile&, int) { OpenDoor(i, 5); }},
    {1149, 1149, [](Image& i, const Tile&, int) { OpenDoor(i, 6); }},
    // chests: closed, open, bashed
    {1470, 1472, [](Image& i, const Tile&, int k) { Chest(i, 1470, k); }},
    {565, 567, [](Image& i, const Tile&, int k) { Chest(i, 565, k); }},
    {568, 570, [](Image& i, const Tile&, int k) { Chest(i, 568, k); }},
    {517, 519, [](Image& i, const Tile&, int k) { Chest(i, 517, k); }},
    {1112, 1114, [](Image& i, const Tile&, int k) { Chest(i, 1112, k); }},
    {571, 573, [](Image& i, const Tile&, int k) { Chest(i, 571, k); }},
    {915, 917, [](Image& i, const Tile&, int k) { Chest(i, 915, k); }},
    {562, 564, [](Image& i, const Tile&, int k) { Chest(i, 562, k); }},
    // things to smash: whole and broken
    {673, 673, [](Image& i, const Tile&, int) { Breakable(i, 0, false); }},
    {674, 674, [](Image& i, const Tile&, int) { Breakable(i, 0, true); }},
    {39, 39, [](Image& i, const Tile&, int) { Breakable(i, 1, false); }},
    {19, 19, [](Image& i, const Tile&, int) { Breakable(i, 1, true); }},
    {720, 720, [](Image& i, const Tile&, int) { Breakable(i, 2, false); }},
    {33, 33, [](Image& i, const Tile&, int) { Breakable(i, 2, true); }},
    {662, 662, [](Image& i, const Tile&, int) { Breakable(i, 3, false); }},
    {108, 108, [](Image& i, const Tile&, int) { Breakable(i, 3, true); }},
    {642, 642, [](Image& i, const Tile&, int) { Breakable(i, 4, false); }},
    {574, 574, [](Image& i, const Tile&, int) { Breakable(i, 4, true); }},
    {641, 641, [](Image& i, const Tile&, int) { Breakable(i, 5, false); }},
    {644, 644, [](Image& i, const Tile&, int) { Breakable(i, 5, true); }},
    {1450, 1450, [](Image& i, const Tile&, int) { Breakable(i, 6, false); }},
    {1871, 1871, [](Image& i, const Tile&, int) { Breakable(i, 6, true); }},
    {1139, 1139, [](Image& i, const Tile&, int) { Breakable(i, 7, false); }},
    {1119, 1119, [](Image& i, const Tile&, int) { Breakable(i, 7, true); }},
    {285, 285, [](Image& i, const Tile&, int) { Breakable(i, 8, false); }},
    {305, 305, [](Image& i, const Tile&, int) { Breakable(i, 8, true); }},
    {286, 286, [](Image& i, const Tile&, int) { Breakable(i, 9, false); }},
    {306, 306, [](Image& i, const Tile&, int) { Breakable(i, 9, true); }},
    {1530, 1530, [](Image& i, const Tile&, int) { Breakable(i, 10, false); }},
    {1821, 1821, [](Image& i, const Tile&, int) { Breakable(i, 10, true); }},
    {1036, 1036, [](Image& i, const Tile&, int) { Breakable(i, 11, false); }},
    {2157, 2157, [](Image& i, const Tile&, int) { Breakable(i, 11, true); }},
    {887, 887, [](Image& i, const Tile&, int) { Breakable(i, 12, false); }},
    {1023, 1023, [](Image& i, const Tile&, int) { Breakable(i, 12, true); }},
    {1787, 1787, [](Image& i, const Tile&, int) { SlimePod(i, false); }},
    {1788, 1788, [](Image& i, const Tile&, int) { SlimePod(i, true); }},
    // switches, pads, spawn points, forges, portals
    {713, 714, [](Image& i, const Tile&, int k) { Lever(i, k == 1); }},
    {715, 716, [](Image& i, const Tile&, int k) { PushButton(i, k == 1); }},
    {717, 717, [](Image& i, const Tile&, int) { DialPedestal(i, false); }},
    {1526, 1526, [](Image& i, const Tile&, int) { DialPedestal(i, true); }},
    {732, 733, [](Image& i, const Tile&, int k) { Valve(i, k == 0); }},
    {491, 491, [](Image& i, const Tile&, int) { SlimePod(i, false); }},
    {511, 511, [](Image& i, const Tile&, int) { SlimePod(i, true); }},
    {718, 719, [](Image& i, const Tile&, int k) { PressurePad(i, k == 1); }},
    {678, 678, [](Image& i, const Tile&, int) { SpawnPoint(i, -1); }},
    {728, 731, [](Image& i, const Tile&, int k) { SpawnPoint(i, k); }},
    {1680, 1683, [](Image& i, const Tile&, int k) { Forge(i, k); }},
    {754, 754, [](Image& i, const Tile&, int) { PentaStone(i); }},
    {1140, 1148, [](Image& i, const Tile&, int k) { GiantMushrooms(i, k / 3, k % 3); }},
    // splats
    {1782, 1782, [](Image& i, const Tile&, int) { SplatThing(i, 0); }},
    {1783, 1783, [](Image& i, const Tile&, int) { SplatThing(i, 1); }},
    {1784, 1784, [](Image& i, const Tile&, int) { SplatThing(i, 2); }},
    {1785, 1785, [](Image& i, const Tile&, int) { SplatThing(i, 3); }},
    {1786, 1786, [](Image& i, const Tile&, int) { SplatThing(i, 4); }},
    {257, 257, [](Image& i, const Tile&, int) { SplatThing(i, 5); }},
    {1730, 1731, [](Image& i, const Tile&, int k) { PsiCrystal(i, k == 1); }},
    {577, 577, [](Image& i, const Tile&, int) { Dummy(i, -1); }},
    {1826, 1829, [](Image& i, const Tile&, int k) { Dummy(i, k); }},
    {2161, 2165, [](Image& i, const Tile&, int k) { OrogStatue(i, k - 1); }},
    {1846, 1847, [](Image& i, const Tile&, int k) { Drain(i, 0, k == 0); }},
    {1848, 1848, [](Image& i, const Tile&, int) { Drain(i, 1, true); }},
    {1868, 1868, [](Image& i, const Tile&, int) { Drain(i, 1, false); }},
    {1869, 1869, [](Image& i, const Tile&, int) { Drain(i, 2, true); }},
    {1849, 1849, [](Image& i, const Tile&, int) { Drain(i, 2, false); }},
    {1867, 1867, [](Image& i, const Tile&, int) { Drain(i, 3, true); }},
    {1866, 1866, [](Image& i, const Tile&, int) { Drain(i, 3, false); }},
    {2079, 2079, [](Image& i, const Tile&, int) { DrugLab(i, false); }},
    {2099, 2099, [](Image& i, const Tile&, int) { DrugLab(i, true); }},
    {2181, 2182, [](Image& i, const Tile&, int k) { Generator(i, k == 1); }},
    {1452, 1452, [](Image& i, const Tile&, int) { WaterRoots(i, 0); }},
    {1487, 1487, [](Image& i, const Tile&, int) { WaterRoots(i, 1); }},
    {1527, 1527, [](Image& i, const Tile&, int) { WaterRoots(i, 2); }},
    {1609, 1610, [](Image& i, const Tile&, int k) { SmokeFire(i, k == 1); }},
    {215, 215, [](Image& i, const Tile& t, int) { BridgeWater(i, t, false); }},
    {235, 235, [](Image& i, const Tile& t, int) { BridgeWater(i, t, true); }},
    {420, 420, [](Image& i, const Tile&, int) { IceBlockOnIce(i); }},
    {163, 163, [](Image& i, const Tile& t, int) {
         Tile wall = t;
         wall.variant = 0;
         PaintWall(i, wall);
         Layer L(32, 32);
         Path crack{{{6, 0}, {12, 8}, {10, 14}, {18, 19}, {16, 25}, {24, 32}}, 1.3f};
         L.Fill(crack, C(0x140A06));
         L.Fill(Seg(12, 8, 20, 6, 0.6f), C(0x140A06));
         L.Fill(Seg(18, 19, 26, 20, 0.6f), C(0x140A06));
         Put(i, L);
     }},
};

}  // namespace

int PaintSpecial(Image& img, const Tile& t) {
    for (const Special& s : kSpecials)
        if (t.number >= s.first && t.number <= s.last) {
            s.paint(img, t, t.number - s.first);
            return 1;
        }
    return PaintCampaignTile(img, t) || PaintMarkSpecial(img, t);
}

}  // namespace art::tiles
