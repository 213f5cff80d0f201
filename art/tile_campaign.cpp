// The default campaign's own tiles, first of the custom range that its custom.bmp carries: a
// kneeling stone warden, stairs down and up (and up to daylight), a cave mouth, a carter's
// cart, a pantry, bones strewn on the floor, a heap of skulls and the shrine's stone where one
// may rest. Each is drawn to be known at a glance on the map.
#include "symbols.h"
#include "tile_art.h"

namespace art::tiles {
namespace {

using namespace sdf;

const Col kGranite{168, 166, 160};
const Col kGemRed{230, 40, 50};

// A warden of stone kneels on a plinth, hands on a sword's hilt, gems for eyes.
void StoneWarden(Layer& L) {
    Solid(L, Box(4, 25, 28, 31, 1), Darken(kGranite, 0.25f), 1.5f);                          // plinth
    Solid(L, Poly{{{9, 25}, {23, 25}, {21, 13}, {11, 13}}}, kGranite, 2.5f);                   // robed body
    Solid(L, Box(7, 20, 25, 26, 2), Darken(kGranite, 0.1f), 1.5f);                             // kneeling legs
    Solid(L, Union(Circle(16, 9, 5), Poly{{{10, 10}, {22, 10}, {19, 3}, {13, 3}}}), kGranite, 2); // hooded head
    L.Fill(Box(15.2f, 12, 16.8f, 24), Darken(kGranite, 0.45f));                                // the sword's blade
    L.Fill(Box(12.5f, 13, 19.5f, 14.5f), Darken(kGranite, 0.45f));                             // its guard
    L.Fill(Circle(13.8f, 9, 1.4f), kGemRed);
    L.Fill(Circle(18.2f, 9, 1.4f), kGemRed);
    L.Fill(Circle(13.4f, 8.5f, 0.5f), Col{255, 220, 220});
    L.Fill(Circle(17.8f, 8.5f, 0.5f), Col{255, 220, 220});
}

// Worn steps going down into the dark (or up, towards a light at the top).
void Stairs(Layer& L, bool up, bool daylight = false) {
    Solid(L, Box(3, 3, 29, 29, 1.5f), Darken(kStone, 0.45f), 1.5f);
    for (int k = 0; k < 5; ++k) {
        const float y = 5 + 4.6f * float(k);
        const float shade = up ? 0.5f - 0.1f * float(k) : 0.05f + 0.16f * float(k);
        const float inset = up ? 2.0f * float(4 - k) : 2.0f * float(k);
        L.Fill(Box(5 + inset, y, 27 - inset, y + 4.0f), Darken(kStone, shade));
        L.Fill(Box(5 + inset, y, 27 - inset, y + 1.0f), Lighten(kStone, 0.25f - shade * 0.4f));
    }
    if (daylight) {  // the sky and the grass at the top
        L.Fill(Box(4, 4, 28, 7), Col{150, 200, 240});
        L.Fill(Box(4, 7, 28, 8.5f), Col{96, 150, 60});
    } else if (up) {
        L.Fill(Box(13, 4, 19, 6), Col{250, 236, 180});  // lamplight above
    }
    else
        L.Fill(Box(13, 25, 19, 28), Col{10, 8, 8});  // the dark below
    // an arrow that says which way
    const Col arrow{240, 220, 120};
    if (up)
        L.Fill(Union(Poly{{{16, 8}, {21, 14}, {11, 14}}}, Box(14.5f, 13, 17.5f, 20)), arrow);
    else
        L.Fill(Union(Poly{{{16, 24}, {21, 18}, {11, 18}}}, Box(14.5f, 12, 17.5f, 19)), arrow);
}

// A dark arch in a grassy hillside, with stones round its mouth.
void CaveMouth(Layer& L) {
    Solid(L, Union(Ellipse(16, 22, 15, 10), Box(1, 22, 31, 31, 2)), Col{96, 120, 60}, 2.5f);
    Solid(L, Union(Circle(16, 16, 9), Box(7, 16, 25, 29)), Col{132, 126, 116}, 2);
    L.Fill(Union(Circle(16, 17, 6.5f), Box(9.5f, 17, 22.5f, 29)), Col{12, 10, 10});
    for (V2 p : {V2{7, 15}, V2{10, 8.5f}, V2{16, 6.5f}, V2{22, 8.5f}, V2{25, 15}})
        Solid(L, Circle(p.x, p.y, 2.4f), Lighten(kStone, 0.1f), 1);
}

// A two-wheeled cart with sacks in it and its shafts out to the right.
void Cart(Layer& L) {
    const Col wood = Lighten(kWood, 0.1f);
    L.Fill(Seg(24, 19, 31, 21, 1.1f), Darken(wood, 0.2f));
    L.Fill(Seg(24, 16, 31, 18, 1.1f), Darken(wood, 0.2f));
    Solid(L, Box(2, 12, 26, 21, 1), wood, 2);
    for (float x : {8.0f, 14.0f, 20.0f}) L.Fill(Box(x, 12, x + 0.8f, 21), Darken(wood, 0.35f));
    Solid(L, Ellipse(10, 10, 5, 4), Col{206, 182, 130}, 2);
    Solid(L, Ellipse(18, 10, 5, 4), Col{196, 170, 118}, 2);
    Solid(L, Circle(9, 23, 6.5f), Darken(wood, 0.3f), 1.5f);
    L.Fill(Ring(Circle(9, 23, 4.5f), 0.6f), Darken(wood, 0.55f));
    for (int k = 0; k < 4; ++k) {
        const float a = 0.785f * float(k);
        L.Fill(Seg(9 - 4.5f * std::cos(a), 23 - 4.5f * std::sin(a), 9 + 4.5f * std::cos(a), 23 + 4.5f * std::sin(a), 0.5f),
               Darken(wood, 0.55f));
    }
    L.Fill(Circle(9, 23, 1.3f), kIron);
}

// Shelves of food: loaves, a cheese, a ham hung from a hook, jars.
void Pantry(Layer& L) {
    const Col wood = Darken(kWood, 0.05f);
    Solid(L, Box(2, 2, 30, 30, 1), Darken(wood, 0.35f), 1.5f);
    for (float y : {12.0f, 21.0f, 29.0f}) L.Fill(Box(2.5f, y, 29.5f, y + 1.5f), Lighten(wood, 0.2f));
    Solid(L, Ellipse(8, 9.5f, 4.5f, 2.5f), Col{214, 160, 80}, 1.5f);  // loaves
    Solid(L, Ellipse(16, 9.5f, 4, 2.5f), Col{200, 146, 70}, 1.5f);
    L.Fill(Seg(6, 9, 10, 9, 0.4f), Col{150, 96, 40});
    Solid(L, Union(Ellipse(25, 5.5f, 3, 2.5f), Ellipse(25, 9, 3.5f, 3)), Col{170, 70, 60}, 1.5f);  // a ham
    L.Fill(Seg(25, 2, 25, 3.5f, 0.4f), kIron);
    Solid(L, Ellipse(9, 18.5f, 5.5f, 2.5f), Col{236, 200, 90}, 1.5f);  // a cheese
    L.Fill(Box(9, 16.5f, 14, 19), Col{250, 226, 130});
    for (float x : {18.0f, 24.0f}) {  // jars
        Solid(L, Box(x - 2.2f, 14.5f, x + 2.2f, 20.5f, 1), Col{150, 110, 180}, 1);
        L.Fill(Box(x - 2.4f, 14, x + 2.4f, 15), Col{220, 210, 190});
    }
    for (float x : {7.0f, 13.0f, 19.0f, 25.0f}) Solid(L, Ellipse(x, 26, 2.8f, 2.6f), Col{220, 120, 40}, 1);  // apples
}

// A skull and scattered long bones, pale on the floor.
void StrewnBones(Layer& L) {
    const V2 bones[4][2] = {{{5, 22}, {14, 27}}, {{18, 24}, {27, 19}}, {{20, 6}, {27, 11}}, {{4, 9}, {9, 5}}};
    for (const auto& b : bones) {
        L.Fill(Seg(b[0].x, b[0].y, b[1].x, b[1].y, 1.8f), kInk);
        L.Fill(Seg(b[0].x, b[0].y, b[1].x, b[1].y, 1.0f), kBone);
        for (V2 end : b) {
            L.Fill(Circle(end.x, end.y, 2.0f), kInk);
            L.Fill(Circle(end.x, end.y, 1.4f), kBone);
        }
    }
    sym::Skull(L, 14, 13, 12, kBone);
}

// Skulls heaped against the wall of an ossuary.
void SkullHeap(Layer& L) {
    Solid(L, Ellipse(16, 27, 14, 4), Darken(kBone, 0.45f), 1);
    for (V2 p : {V2{6, 25}, V2{16, 26}, V2{26, 25}, V2{11, 18}, V2{21, 18}, V2{16, 10}})
        sym::Skull(L, p.x, p.y, 10, Darken(kBone, p.y > 20 ? 0.12f : 0.0f));
}

// A slab of pale stone set into the floor, the word REST cut into it: dark grooves with the
// light catching their lower lips, as the runes of the rune stones are cut.
void RestStone(Layer& L) {
    const Col slab = Lighten(kGranite, 0.12f);
    Solid(L, Box(2, 5, 30, 27, 3), slab, 2.5f, 0.5f);
    L.Fill(Ring(Box(4.5f, 7.5f, 27.5f, 24.5f, 1.5f), 0.35f), Darken(slab, 0.3f));
    // The letters as strokes in a box one unit wide and high, y down.
    using Stroke = std::vector<V2>;
    const std::vector<Stroke> letters[4] = {
        {{{0, 1}, {0, 0}, {0.75f, 0}, {1, 0.18f}, {1, 0.34f}, {0.75f, 0.5f}, {0, 0.5f}}, {{0.45f, 0.5f}, {1, 1}}},
        {{{1, 0}, {0, 0}, {0, 1}, {1, 1}}, {{0, 0.5f}, {0.7f, 0.5f}}},
        {{{1, 0.12f}, {0.8f, 0}, {0.2f, 0}, {0, 0.15f}, {0, 0.36f}, {0.2f, 0.5f}, {0.8f, 0.5f}, {1, 0.64f}, {1, 0.86f},
          {0.8f, 1}, {0.2f, 1}, {0, 0.88f}}},
        {{{0, 0}, {1, 0}}, {{0.5f, 0}, {0.5f, 1}}},
    };
    const float w = 4.6f, h = 8.0f, gap = 1.7f, x0 = 16 - (4 * w + 3 * gap) / 2, y0 = 12;
    auto word = [&](float dx, float dy, float half) {
        return [=](float x, float y) {
            float d = 1e9f;
            for (int k = 0; k < 4; ++k)
                for (const Stroke& s : letters[k]) {
                    Path p{{}, half};
                    for (V2 v : s) p.v.push_back({x0 + float(k) * (w + gap) + v.x * w + dx, y0 + v.y * h + dy});
                    d = std::min(d, p(x, y));
                }
            return d;
        };
    };
    L.Fill(word(0.6f, 0.6f, 0.75f), Lighten(slab, 0.35f));
    L.Fill(word(0, 0, 0.75f), C(0x2E2A26));
    L.Fill(word(-0.25f, -0.25f, 0.35f), Darken(slab, 0.55f));
}

struct CampaignTile {
    int number;
    void (*paint)(Layer&);
};
constexpr CampaignTile kCampaignTiles[] = {
    {2240, StoneWarden},
    {2241, [](Layer& L) { Stairs(L, false); }},
    {2242, [](Layer& L) { Stairs(L, true); }},
    {2243, CaveMouth},
    {2244, Cart},
    {2245, Pantry},
    {2246, StrewnBones},
    {2247, SkullHeap},
    {2248, [](Layer& L) { Stairs(L, true, true); }},
    {2249, RestStone},
};

}  // namespace

int PaintCampaignTile(Image& img, const Tile& t) {
    for (const CampaignTile& c : kCampaignTiles)
        if (c.number == t.number) {
            Layer L(kTileSize, kTileSize);
            c.paint(L);
            Put(img, L);
            return 1;
        }
    return 0;
}

}  // namespace art::tiles
