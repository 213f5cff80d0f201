// Props: the furniture, stores, stones and plants that stand on the map, each a small drawing
// on the key colour with a dark outline and light from the upper left.
#include "symbols.h"
#include "tile_art.h"

namespace art::tiles {
namespace {

using namespace sdf;

const Col kLeaf{62, 122, 50};
const Col kFlame{250, 170, 40};

// Shapes placed in the 32 x 32 square from (ox, oy).
struct At {
    float ox, oy;
    auto B(float x0, float y0, float x1, float y1, float r = 0) const { return Box(ox + x0, oy + y0, ox + x1, oy + y1, r); }
    auto Ci(float x, float y, float r) const { return Circle(ox + x, oy + y, r); }
    auto El(float x, float y, float rx, float ry) const { return Ellipse(ox + x, oy + y, rx, ry); }
    auto S(float ax, float ay, float bx, float by, float w) const { return Seg(ox + ax, oy + ay, ox + bx, oy + by, w); }
    Poly Pg(std::initializer_list<V2> pts) const {
        Poly p;
        for (V2 v : pts) p.v.push_back({ox + v.x, oy + v.y});
        return p;
    }
};

void Flames(Layer& L, float x, float y, float s) { sym::Flame(L, x, y, s); }

}  // namespace

void DrawProp(Layer& L, Prop prop, const Palette& pal, uint32_t v, float ox, float oy) {
    const At a{ox, oy};
    Rng r(v * 2654435761u + uint32_t(prop));
    const Col wood = Mix(kWood, pal.floor, 0.15f);
    const Col stone = Mix(kStone, pal.wall, 0.35f);
    switch (prop) {
        case kPropBarrel:
            Solid(L, a.B(8, 8, 24, 29, 4), wood);
            for (float y : {12.0f, 24.0f}) L.Fill(a.B(7.5f, y, 24.5f, y + 2), kIron);
            L.Fill(a.El(16, 8.5f, 7.6f, 2.6f), kInk);
            L.Fill(a.El(16, 8.5f, 6.5f, 1.8f), Darken(wood, 0.2f));
            break;
        case kPropCrate:
            Solid(L, a.B(6, 7, 26, 28, 1), Lighten(wood, 0.15f), 2.5f);
            L.Fill(a.S(8, 9, 24, 26, 1.2f), Darken(wood, 0.25f));
            L.Fill(a.S(24, 9, 8, 26, 1.2f), Darken(wood, 0.25f));
            L.Fill(Ring(a.B(8, 9, 24, 26), 0.6f), Darken(wood, 0.35f));
            break;
        case kPropSack:
            Solid(L, Union(a.El(16, 21, 9, 8), a.El(16, 11, 4, 4)), Col{196, 170, 120}, 4);
            L.Fill(a.S(12, 10, 20, 10, 0.8f), Col{110, 80, 40});
            L.Fill(a.S(11, 22, 20, 18, 0.5f), Col{160, 136, 92});
            break;
        case kPropPot:
            Solid(L, Union(a.El(16, 20, 9, 9), a.B(11, 7, 21, 13, 1)), Col{178, 100, 58}, 4);
            L.Fill(a.El(16, 8, 5, 1.6f), Col{60, 30, 16});
            L.Fill(a.B(7.5f, 18, 24.5f, 19.5f), Col{120, 60, 30});
            break;
        case kPropUrn:
            Solid(L, Union(Union(a.El(16, 18, 7, 9), a.B(12, 4, 20, 10, 1)), a.B(11, 26, 21, 30, 1)), Mix(pal.trim, Col{190, 150, 90}, 0.5f), 3.5f);
            L.Fill(Ring(a.El(9, 14, 2.5f, 3.5f), 0.8f), kInk);
            L.Fill(Ring(a.El(23, 14, 2.5f, 3.5f), 0.8f), kInk);
            L.Fill(a.B(9, 16, 23, 18), Darken(pal.trim, 0.4f));
            break;
        case kPropTable:
            Solid(L, a.B(4, 9, 28, 21, 1.5f), Lighten(wood, 0.1f), 2.5f);
            for (float x : {5.5f, 24.5f}) Solid(L, a.B(x, 20, x + 2, 28), Darken(wood, 0.2f), 1);
            if (v % 2) {  // a meal laid out
                L.Fill(a.Ci(11, 14, 3), Col{235, 232, 220});
                L.Fill(a.Ci(11, 14, 1.8f), Col{170, 90, 40});
                Solid(L, a.B(19, 11, 22, 17, 1), Col{120, 140, 170}, 1);
            }
            break;
        case kPropChair:
            Solid(L, a.B(10, 4, 22, 16, 1), wood, 2);
            Solid(L, a.B(9, 15, 23, 22, 1), Lighten(wood, 0.15f), 2);
            for (float x : {10.0f, 20.0f}) L.Fill(a.B(x, 22, x + 2, 29), Darken(wood, 0.3f));
            break;
        case kPropStool:
            Solid(L, a.El(16, 14, 8, 4), Lighten(wood, 0.1f), 2);
            for (float x : {10.0f, 15.0f, 20.0f}) L.Fill(a.S(x + 1, 17, x, 27, 1), Darken(wood, 0.3f));
            break;
        case kPropBed:
            Solid(L, a.B(6, 2, 26, 30, 2), Darken(wood, 0.1f), 2);
            L.Fill(a.B(8, 4, 24, 28, 1), Col{236, 232, 220});
            Solid(L, a.B(9, 5, 23, 11, 3), Col{250, 248, 240}, 2);
            L.Fill(a.B(8, 13, 24, 28, 1), v % 2 ? Col{150, 40, 40} : Col{50, 80, 150});
            L.Fill(a.B(8, 13, 24, 15), Col{236, 232, 220});
            break;
        case kPropShelf: {
            Solid(L, a.B(4, 3, 28, 29, 1), Darken(wood, 0.2f), 2);
            for (int row = 0; row < 3; ++row) {
                const float y = 5 + 8.0f * float(row);
                L.Fill(a.B(6, y, 26, y + 6), Col{40, 26, 14});
                float x = 6.5f;
                while (x < 25) {
                    const float w = r.Range(1.8f, 3.2f);
                    const Col book = Hsv(r.Range(0, 360), 0.55f, r.Range(0.45f, 0.75f));
                    L.Fill(a.B(x, y + r.Range(0.5f, 1.8f), std::min(x + w, 25.5f), y + 6), book);
                    x += w + 0.4f;
                }
            }
            break;
        }
        case kPropCupboard:
            Solid(L, a.B(6, 3, 26, 29, 1), wood, 2);
            L.Fill(a.S(16, 5, 16, 27, 0.5f), kInk);
            L.Fill(Ring(a.B(8, 5, 14.5f, 27), 0.5f), Darken(wood, 0.3f));
            L.Fill(Ring(a.B(17.5f, 5, 24, 27), 0.5f), Darken(wood, 0.3f));
            for (float x : {14.0f, 18.0f}) L.Fill(a.Ci(x, 16, 0.9f), pal.trim);
            break;
        case kPropAnvil:
            Solid(L, a.B(11, 20, 21, 29, 1), Darken(wood, 0.1f), 2);
            Solid(L, Union(a.Pg({{5, 10}, {27, 10}, {25, 15}, {20, 15}, {19, 20}, {13, 20}, {12, 15}, {9, 14}}), a.B(5, 10, 27, 13)), kIron, 2, 0.6f);
            break;
        case kPropWell:
            Solid(L, a.Ci(16, 18, 11), stone, 3.5f);
            L.Fill(a.Ci(16, 18, 7), Col{20, 30, 46});
            L.Fill(a.El(15, 17, 3, 1.5f), Col{60, 90, 130});
            for (float x : {5.0f, 25.0f}) Solid(L, a.B(x, 2, x + 2.5f, 18), wood, 1);
            Solid(L, a.B(4, 2, 28.5f, 5, 1), Darken(wood, 0.2f), 1.5f);
            L.Fill(a.S(16, 5, 16, 14, 0.5f), Col{90, 70, 40});
            break;
        case kPropFountain:
            Solid(L, a.Ci(16, 17, 13), stone, 3);
            L.Fill(a.Ci(16, 17, 10), Col{50, 110, 170});
            L.Fill(Ring(a.Ci(16, 17, 6), 0.5f), Col{160, 210, 240});
            Solid(L, a.Ci(16, 17, 3.5f), Lighten(stone, 0.1f), 2);
            L.Fill(a.Ci(16, 12, 2.2f), Col{200, 235, 255});
            break;
        case kPropLampPost:
            Solid(L, a.B(15, 10, 17, 29), kIron, 1);
            Solid(L, a.B(12, 27, 20, 30, 1), kIron, 1);
            Solid(L, a.Pg({{11, 4}, {21, 4}, {19, 12}, {13, 12}}), Col{250, 220, 120}, 2, 0.3f);
            L.Fill(a.B(11, 3, 21, 5), kIron);
            break;
        case kPropBrazier:
            Solid(L, a.Pg({{6, 14}, {26, 14}, {22, 21}, {10, 21}}), kIron, 2, 0.6f);
            for (float x : {10.0f, 21.0f}) L.Fill(a.S(x + 1, 20, x, 29, 1), kIron);
            if (v % 3 != 2) Flames(L, ox + 16, oy + 8, 13);
            else L.Fill(a.El(16, 14, 8, 2), Col{50, 44, 40});
            break;
        case kPropCandles:
            Solid(L, a.B(14.5f, 14, 17.5f, 29), pal.trim, 1);
            Solid(L, a.B(9, 27, 23, 30, 1), pal.trim, 1);
            L.Fill(a.S(8, 14, 24, 14, 1), pal.trim);
            for (float x : {8.0f, 16.0f, 24.0f}) {
                Solid(L, a.B(x - 1.3f, 7, x + 1.3f, 14), Col{240, 234, 210}, 1);
                L.Fill(a.El(x, 5, 1.2f, 2.2f), kFlame);
            }
            break;
        case kPropTorchStand:
            Solid(L, a.B(15, 12, 17.5f, 30), wood, 1);
            Solid(L, a.B(13, 11, 19.5f, 14, 0.5f), kIron, 1);
            Flames(L, ox + 16.2f, oy + 6, 11);
            break;
        case kPropSignpost:
            Solid(L, a.B(15, 6, 18, 30), wood, 1);
            Solid(L, a.Pg({{6, 7}, {24, 7}, {27, 10}, {24, 13}, {6, 13}}), Lighten(wood, 0.2f), 1.5f);
            Solid(L, a.Pg({{26, 15}, {8, 15}, {5, 18}, {8, 21}, {26, 21}}), Lighten(wood, 0.1f), 1.5f);
            break;
        case kPropFence:
            for (float x : {4.0f, 15.0f, 26.0f}) Solid(L, a.B(x, 8, x + 3, 26, 0.5f), wood, 1);
            for (float y : {11.0f, 19.0f}) Solid(L, a.B(-1, y, 33, y + 3), Lighten(wood, 0.1f), 1);
            break;
        case kPropGrave:
            L.Fill(a.El(16, 25, 10, 5), Col{90, 70, 46});
            Solid(L, Union(a.B(9, 8, 23, 24), a.Ci(16, 9, 7)), stone, 2.5f);
            if (v % 2) {
                L.Fill(a.S(16, 8, 16, 19, 0.9f), Darken(stone, 0.4f));
                L.Fill(a.S(12, 12, 20, 12, 0.9f), Darken(stone, 0.4f));
            } else {
                for (float y : {12.0f, 15.0f, 18.0f}) L.Fill(a.S(12, y, 20, y, 0.4f), Darken(stone, 0.4f));
            }
            break;
        case kPropCoffin:
            Solid(L, a.Pg({{12, 2}, {20, 2}, {24, 9}, {21, 30}, {11, 30}, {8, 9}}), Darken(wood, 0.25f), 2.5f);
            L.Fill(a.S(16, 8, 16, 20, 0.8f), pal.trim);
            L.Fill(a.S(12.5f, 12, 19.5f, 12, 0.8f), pal.trim);
            break;
        case kPropPillar:
            Solid(L, a.B(9, 4, 23, 30, 2), Lighten(stone, 0.1f), 4);
            for (float x : {12.5f, 16.0f, 19.5f}) L.Fill(a.S(x, 8, x, 26, 0.5f), Darken(stone, 0.2f));
            Solid(L, a.B(7, 2, 25, 6, 1), stone, 1.5f);
            Solid(L, a.B(7, 27, 25, 31, 1), stone, 1.5f);
            break;
        case kPropRock:
        case kPropBoulder: {
            const float rad = prop == kPropBoulder ? 12 : 7.5f;
            const uint32_t s = v + 31;
            auto rock = [=](float x, float y) {
                return Ellipse(ox + 16, oy + 19, rad, rad * 0.8f)(x, y) + (ValueNoise(x / 3.5f, y / 3.5f, s) - 0.5f) * rad * 0.35f;
            };
            Solid(L, rock, stone, rad * 0.7f, 0.5f);
            L.Fill(a.S(16 - rad * 0.3f, 16, 16 + rad * 0.1f, 21, 0.4f), Darken(stone, 0.35f));
            break;
        }
        case kPropBush:
            for (int i = 0; i < 5; ++i) {
                const float x = 16 + r.Range(-7, 7), y = 18 + r.Range(-5, 5), rad = r.Range(5, 7.5f);
                Solid(L, a.Ci(x, y, rad), Lighten(kLeaf, r.Range(-0.1f, 0.15f)), rad * 0.8f, 0.3f);
            }
            if (v % 3 == 1)
                for (int i = 0; i < 5; ++i) L.Fill(a.Ci(r.Range(8, 24), r.Range(11, 25), 1.2f), Col{200, 30, 40});
            break;
        case kPropStump:
            Solid(L, a.B(8, 13, 24, 27, 3), Darken(wood, 0.15f), 2);
            L.Fill(a.El(16, 13, 8, 3.5f), Col{200, 160, 110});
            for (float rr : {2.0f, 4.5f, 6.5f}) L.Fill(Ring(a.El(16, 13, rr, rr * 0.42f), 0.3f), Col{150, 110, 70});
            L.Fill(a.S(9, 27, 5, 29, 1.2f), Darken(wood, 0.2f));
            L.Fill(a.S(23, 27, 27, 29, 1.2f), Darken(wood, 0.2f));
            break;
        case kPropLog:
            Solid(L, a.B(3, 12, 27, 24, 5), Darken(wood, 0.15f), 3);
            for (float x : {8.0f, 14.0f, 20.0f}) L.Fill(a.S(x, 14, x + 3, 22, 0.4f), Darken(wood, 0.4f));
            L.Fill(a.El(27, 18, 3.5f, 6), Col{200, 160, 110});
            L.Fill(Ring(a.El(27, 18, 2, 3.5f), 0.3f), Col{150, 110, 70});
            break;
        case kPropCrystal: {
            const Col c = Mix(pal.trim, Col{150, 230, 255}, 0.4f);
            const float xs[3] = {11, 16, 21}, hs[3] = {16, 24, 14};
            for (int i = 0; i < 3; ++i) {
                const float x = xs[i], h = hs[i];
                Solid(L, a.Pg({{x - 3, 29}, {x - 3, 29 - h + 4}, {x, 29 - h}, {x + 3, 29 - h + 4}, {x + 3, 29}}), c, 2, 0.6f);
                L.Fill(a.S(x - 0.8f, 27, x - 0.8f, 31 - h + 3, 0.5f), Lighten(c, 0.6f));
            }
            break;
        }
        case kPropMushroom:
            for (int i = 0; i < 3; ++i) {
                const float x = 9 + 7.0f * float(i) + r.Range(-1, 1), h = r.Range(8, 14), rad = r.Range(4, 6);
                Solid(L, a.B(x - 1.5f, 28 - h, x + 1.5f, 28, 1), Col{230, 220, 196}, 1);
                const Col cap = v % 2 ? Col{190, 40, 30} : Col{170, 130, 80};
                Solid(L, Inter(a.Ci(x, 28 - h + 1, rad), a.B(x - rad - 1, 28 - h - rad, x + rad + 1, 28 - h + 1)), cap, 2.5f);
                if (v % 2) L.Fill(a.Ci(x - 1.5f, 28 - h - 2, 1), Col{250, 250, 240});
            }
            break;
        case kPropSkeleton:
            sym::Skull(L, ox + 9, oy + 9, 10, kBone);
            L.Fill(a.S(11, 13, 22, 22, 1.2f), kBone);
            for (int i = 0; i < 4; ++i) L.Fill(a.S(12.0f + 2.5f * float(i), 14.0f + 2.5f * float(i), 8.0f + 2.5f * float(i), 19.0f + 2.5f * float(i), 0.6f), kBone);
            for (int i = 0; i < 4; ++i) L.Fill(a.S(14.0f + 2.5f * float(i), 12.0f + 2.5f * float(i), 18.0f + 2.5f * float(i), 8.0f + 2.5f * float(i), 0.6f), kBone);
            L.Fill(a.S(22, 22, 28, 21, 1), kBone);
            L.Fill(a.S(22, 22, 24, 29, 1), kBone);
            break;
        case kPropBones:
            for (int i = 0; i < 5; ++i) {
                const float x = r.Range(7, 25), y = r.Range(9, 25), ang = r.Range(0, 3.14f), len = r.Range(3, 6);
                const float dx = std::cos(ang) * len, dy = std::sin(ang) * len;
                L.Fill(a.S(x - dx, y - dy, x + dx, y + dy, 1.6f), kInk);
                L.Fill(a.S(x - dx, y - dy, x + dx, y + dy, 0.9f), kBone);
                L.Fill(a.Ci(x - dx, y - dy, 1.5f), kBone);
                L.Fill(a.Ci(x + dx, y + dy, 1.5f), kBone);
            }
            break;
        case kPropSkulls:
            for (int i = 0; i < 5; ++i) {
                const float x = i < 3 ? 8 + 8.0f * float(i) : 12 + 8.0f * float(i - 3), y = i < 3 ? 23 : 15;
                sym::Skull(L, ox + x, oy + y, 9, Darken(kBone, r.Range(0, 0.15f)));
            }
            if (v % 2) sym::Skull(L, ox + 16, oy + 8, 9, kBone);
            break;
        case kPropCorpse: {
            const Col cloth = Hsv(r.Range(0, 360), 0.4f, 0.45f);
            Solid(L, a.El(17, 18, 9, 5), cloth, 3);
            Solid(L, a.Ci(7, 16, 3.5f), Col{210, 170, 140}, 2);
            L.Fill(a.S(20, 21, 28, 25, 1.4f), Darken(cloth, 0.2f));
            L.Fill(a.S(20, 16, 28, 13, 1.4f), Darken(cloth, 0.2f));
            L.Fill(a.El(18, 25, 6, 2.5f), Col{120, 20, 16});
            break;
        }
        case kPropCage:
            Solid(L, a.B(6, 26, 26, 30, 1), kIron, 1.5f);
            Solid(L, a.El(16, 6, 10, 3), kIron, 1.5f);
            for (float x : {6.5f, 11.0f, 16.0f, 21.0f, 25.5f}) L.Fill(a.S(x, 6, x, 27, 0.7f), Lighten(kIron, 0.2f));
            if (v % 2) sym::Skull(L, ox + 16, oy + 21, 7, kBone);
            break;
        case kPropConsole:
            Solid(L, a.Pg({{4, 12}, {28, 12}, {30, 28}, {2, 28}}), pal.wall, 2, 0.5f);
            L.Fill(a.B(6, 4, 26, 13, 1), kInk);
            L.Fill(a.B(7, 5, 25, 12, 1), Mix(pal.trim, Col{10, 30, 30}, 0.55f));
            for (int i = 0; i < 3; ++i) L.Fill(a.S(9, 7 + 2.0f * float(i), 9 + r.Range(6, 14), 7 + 2.0f * float(i), 0.45f), pal.trim);
            for (int i = 0; i < 5; ++i) L.Fill(a.Ci(7 + 4.5f * float(i), 20, 1.3f), Hsv(float(i) * 70, 0.7f, 0.95f));
            break;
        case kPropPipe:
            for (float x : {8.0f, 20.0f}) {
                Solid(L, a.B(x, 0, x + 6, 32), Lighten(pal.wall, 0.1f), 2, 0.6f);
                L.Fill(a.B(x - 1, 12, x + 7, 15, 0.5f), Darken(pal.wall, 0.3f));
            }
            Solid(L, a.Ci(17, 22, 4), Col{180, 40, 30}, 2);
            break;
        case kPropPod: {
            const Col c = Mix(pal.trim, Col{120, 160, 60}, 0.5f);
            Solid(L, a.El(16, 18, 9, 11), c, 5, 0.5f);
            for (float x : {12.0f, 16.0f, 20.0f}) L.Fill(a.S(x, 9, x + (x - 16) * 0.4f, 27, 0.5f), Darken(c, 0.35f));
            L.Fill(a.El(13, 13, 2, 3), Lighten(c, 0.5f), 0.8f);
            break;
        }
        case kPropCauldron:
            for (float x : {9.0f, 23.0f}) L.Fill(a.S(x, 20, x + (x < 16 ? -2.0f : 2.0f), 29, 1.2f), kIron);
            Solid(L, Inter(a.Ci(16, 14, 11), a.B(4, 11, 28, 28)), Col{46, 44, 48}, 3, 0.6f);
            L.Fill(a.El(16, 11, 10.5f, 3), kInk);
            L.Fill(a.El(16, 11.2f, 9, 2.2f), Col{90, 200, 60});
            for (int i = 0; i < 3; ++i) L.Fill(a.Ci(r.Range(10, 22), r.Range(9.5f, 12), 1.2f), Col{190, 250, 140});
            break;
        case kPropAltar:
            Solid(L, a.B(4, 12, 28, 28, 1), stone, 3);
            L.Fill(a.B(4, 12, 28, 17), v % 2 ? Col{140, 30, 40} : Col{236, 230, 216});
            L.Fill(a.B(12, 16, 20, 24), v % 2 ? Col{140, 30, 40} : Col{236, 230, 216});
            for (float x : {8.0f, 24.0f}) {
                Solid(L, a.B(x - 1.2f, 5, x + 1.2f, 12), Col{240, 234, 210}, 1);
                L.Fill(a.El(x, 3.5f, 1.1f, 2), kFlame);
            }
            // a gilt diamond sewn into the hanging cloth: nothing lies on the altar's top, so an
            // altar never seems to hold a thing that was taken from it
            L.Fill(a.Pg({{16, 17.5f}, {18.5f, 20}, {16, 22.5f}, {13.5f, 20}}), pal.trim);
            break;
        case kPropStandingStone: {
            Solid(L, a.Pg({{9, 30}, {8, 8}, {12, 2}, {20, 3}, {23, 9}, {23, 30}}), Mix(stone, Col{110, 120, 130}, 0.5f), 4);
            const Col glow = Mix(pal.trim, Col{120, 220, 255}, 0.5f);
            L.Fill(a.S(13, 10, 19, 10, 0.6f), glow);
            L.Fill(a.S(16, 10, 16, 24, 0.6f), glow);
            L.Fill(a.S(16, 17, 20, 14, 0.6f), glow);
            L.Fill(a.S(16, 21, 12, 18, 0.6f), glow);
            break;
        }
        case kPropTotem: {
            const Col c = Lighten(wood, 0.1f);
            Solid(L, a.B(10, 2, 22, 30, 1), c, 2);
            L.Fill(a.Pg({{5, 6}, {10, 4}, {10, 9}}), pal.trim);
            L.Fill(a.Pg({{27, 6}, {22, 4}, {22, 9}}), pal.trim);
            for (float y : {4.0f, 17.0f}) {
                L.Fill(a.Ci(13, y + 3, 1.5f), kInk);
                L.Fill(a.Ci(19, y + 3, 1.5f), kInk);
                L.Fill(a.B(12, y + 7, 20, y + 9.5f, 1), Col{200, 50, 40});
                L.Fill(a.B(10, y + 11.5f, 22, y + 12.5f), Darken(c, 0.4f));
            }
            break;
        }
        case kPropObelisk:
            Solid(L, a.Pg({{11, 30}, {12.5f, 6}, {16, 1}, {19.5f, 6}, {21, 30}}), Lighten(stone, 0.05f), 3);
            for (float y : {10.0f, 15.0f, 20.0f, 25.0f}) L.Fill(a.S(14.5f, y, 17.5f, y, 0.5f), Darken(stone, 0.4f));
            L.Fill(a.Pg({{14, 6}, {16, 1.5f}, {18, 6}}), pal.trim);
            break;
        case kPropBanner:
            Solid(L, a.B(6, 2, 8.5f, 31), wood, 1);
            Solid(L, a.Pg({{8, 4}, {26, 4}, {26, 21}, {17, 17}, {8, 21}}), v % 2 ? Col{40, 70, 160} : Col{170, 30, 30}, 2);
            sym::StarShape(L, ox + 17, oy + 11, 8, 5, pal.trim);
            break;
        case kPropWeaponRack:
            Solid(L, a.B(3, 24, 29, 28, 1), wood, 1.5f);
            Solid(L, a.B(3, 6, 29, 9, 1), wood, 1.5f);
            for (int i = 0; i < 3; ++i) {
                const float x = 8 + 8.0f * float(i);
                L.Fill(a.S(x, 2, x, 27, 1.3f), kInk);
                L.Fill(a.S(x, 4, x, 26, 0.6f), Col{200, 204, 214});
                L.Fill(a.S(x - 2.5f, 20, x + 2.5f, 20, 0.8f), pal.trim);
            }
            break;
        case kPropArmourStand:
            Solid(L, a.B(15, 20, 17, 30), wood, 1);
            Solid(L, a.B(10, 28, 22, 31, 1), wood, 1);
            Solid(L, a.Pg({{9, 10}, {23, 10}, {21, 22}, {11, 22}}), Col{170, 174, 184}, 3, 0.6f);
            Solid(L, a.Ci(16, 6, 4), Col{170, 174, 184}, 2, 0.6f);
            L.Fill(a.B(13, 6, 19, 7.2f), kInk);
            break;
        case kPropCart:
            Solid(L, a.B(3, 8, 26, 20, 1), wood, 2);
            L.Fill(a.S(26, 14, 31, 12, 0.9f), Darken(wood, 0.2f));
            for (float x : {8.0f, 21.0f}) {
                Solid(L, a.Ci(x, 22, 5.5f), Darken(wood, 0.2f), 2);
                L.Fill(a.Ci(x, 22, 1.3f), kIron);
            }
            if (v % 2) Solid(L, a.El(14, 8, 9, 4), Col{220, 190, 90}, 2);
            break;
        case kPropHay:
            Solid(L, a.B(5, 9, 27, 27, 4), Col{214, 184, 90}, 3);
            for (int i = 0; i < 12; ++i) {
                const float x = r.Range(7, 25), y = r.Range(11, 25);
                L.Fill(a.S(x, y, x + r.Range(-2, 2), y + 2.5f, 0.35f), Col{170, 140, 60});
            }
            for (float y : {14.0f, 22.0f}) L.Fill(a.B(5, y, 27, y + 1), Col{130, 90, 50});
            break;
        case kPropVase:
            Solid(L, Union(a.El(16, 22, 6, 6), a.B(13, 12, 19, 20, 1)), v % 2 ? Col{60, 90, 170} : Col{200, 190, 170}, 3);
            for (int i = 0; i < 4; ++i) {
                const float x = 11 + 3.0f * float(i);
                L.Fill(a.S(16, 13, x, 5, 0.5f), Col{60, 120, 50});
                L.Fill(a.Ci(x, 5, 2), Hsv(float(i) * 80 + 10, 0.6f, 0.95f));
            }
            break;
        case kPropBench:
            Solid(L, a.B(2, 11, 30, 17, 1), Lighten(wood, 0.1f), 2);
            Solid(L, a.B(2, 5, 30, 9, 1), wood, 2);
            for (float x : {4.0f, 26.0f}) L.Fill(a.B(x, 17, x + 2, 26), Darken(wood, 0.3f));
            break;
        case kPropReeds:
            for (int i = 0; i < 9; ++i) {
                const float x = r.Range(5, 27), top = r.Range(4, 12);
                L.Fill(a.S(x, 29, x + r.Range(-2, 2), top, 0.7f), Col{110, 140, 60});
                if (i % 3 == 0) L.Fill(a.El(x + 0.3f, top + 2, 1.3f, 3), Col{110, 70, 40});
            }
            break;
        case kPropFlowers:
            for (int i = 0; i < 7; ++i) {
                const float x = r.Range(6, 26), y = r.Range(8, 26);
                L.Fill(a.S(x, y, x, y + 5, 0.5f), Col{60, 120, 50});
                const Col petal = Hsv(r.Range(0, 360), 0.55f, 0.98f);
                for (int k = 0; k < 5; ++k) {
                    const float ang = float(k) * 1.2566f;
                    L.Fill(a.Ci(x + 1.8f * std::cos(ang), y + 1.8f * std::sin(ang), 1.3f), petal);
                }
                L.Fill(a.Ci(x, y, 1), Col{250, 220, 60});
            }
            break;
        case kPropCactus:
            Solid(L, a.B(13, 5, 19, 30, 3), Col{70, 140, 70}, 2);
            Solid(L, Union(a.B(6, 12, 10, 21, 2), a.B(6, 19, 14, 22, 1)), Col{70, 140, 70}, 1.5f);
            Solid(L, Union(a.B(22, 9, 26, 17, 2), a.B(18, 15, 26, 18, 1)), Col{70, 140, 70}, 1.5f);
            break;
        case kPropPalm: {
            Path trunk{{{ox + 17, oy + 31}, {ox + 16, oy + 20}, {ox + 13, oy + 9}}, 1.8f};
            L.Fill(Grow(trunk, 0.8f), kInk);
            L.Fill(trunk, Col{150, 110, 60});
            for (int k = 0; k < 6; ++k) {
                const float ang = float(k) * 1.047f + 0.3f;
                const float ex = 13 + 11 * std::cos(ang), ey = 9 + 7 * std::sin(ang) + 2;
                Path frond{{{ox + 13, oy + 9}, {ox + (13 + ex) / 2, oy + (9 + ey) / 2 - 3}, {ox + ex, oy + ey}}, 2.0f};
                L.Fill(Grow(frond, 0.7f), Darken(kLeaf, 0.5f));
                L.Fill(frond, Lighten(kLeaf, 0.1f));
            }
            break;
        }
        case kPropShell:
            Solid(L, a.Pg({{10, 24}, {5, 14}, {10, 8}, {16, 6}, {22, 8}, {27, 14}, {22, 24}}), Col{236, 200, 180}, 3);
            for (float x : {8.0f, 12.0f, 16.0f, 20.0f, 24.0f}) L.Fill(a.S(16, 24, x, 9, 0.5f), Col{200, 150, 130});
            sym::StarShape(L, ox + 24, oy + 26, 9, 5, Col{230, 120, 60});
            break;
        case kPropAnchor:
            L.Fill(Grow(Union(Union(a.S(16, 6, 16, 26, 1.4f), a.S(10, 10, 22, 10, 1.2f)), Inter(Ring(a.Ci(16, 18, 9), 1.2f), a.B(4, 18, 28, 30))), 1), kInk);
            L.Fill(Union(Union(a.S(16, 6, 16, 26, 1.4f), a.S(10, 10, 22, 10, 1.2f)), Inter(Ring(a.Ci(16, 18, 9), 1.2f), a.B(4, 18, 28, 30))), kIron);
            L.Fill(Ring(a.Ci(16, 4, 2.2f), 0.8f), kIron);
            break;
        case kPropStatue:
            Solid(L, a.B(8, 24, 24, 30, 1), Darken(stone, 0.1f), 1.5f);
            Solid(L, Union(Union(a.Ci(16, 6, 3.5f), a.Pg({{11, 10}, {21, 10}, {20, 24}, {12, 24}})), a.S(21, 11, 25, 4, 1.2f)), Lighten(stone, 0.1f), 2.5f);
            break;
        case kPropBookStack:
            for (int i = 0; i < 5; ++i) {
                const float y = 26 - 4.0f * float(i), x0 = 8 + r.Range(-2, 2);
                Solid(L, a.B(x0, y - 3.5f, x0 + r.Range(13, 17), y, 0.5f), Hsv(r.Range(0, 360), 0.55f, 0.6f), 1);
                L.Fill(a.B(x0 + 1, y - 2.8f, x0 + 2, y - 0.7f), Col{240, 230, 200});
            }
            break;
        case kPropTent:
            Solid(L, a.Pg({{2, 28}, {16, 4}, {30, 28}}), v % 2 ? Col{200, 180, 130} : Col{170, 60, 50}, 3);
            L.Fill(a.Pg({{12, 28}, {16, 14}, {20, 28}}), Col{40, 28, 18});
            break;
        case kPropIdol:
            Solid(L, a.B(10, 24, 22, 30, 1), stone, 1.5f);
            Solid(L, Union(a.Ci(16, 10, 6), a.El(16, 20, 6, 5)), Col{220, 180, 60}, 3, 0.6f);
            L.Fill(a.Ci(14, 9, 1.3f), Col{200, 30, 30});
            L.Fill(a.Ci(18, 9, 1.3f), Col{200, 30, 30});
            break;
        case kPropChains:
            for (float x : {9.0f, 23.0f}) {
                Solid(L, a.B(x - 2, 2, x + 2, 7, 1), kIron, 1);
                for (int k = 0; k < 5; ++k) L.Fill(Ring(a.El(x, 9 + 4.0f * float(k), 1.5f, 2.3f), 0.6f), Lighten(kIron, 0.3f));
                Solid(L, Ring(a.Ci(x, 29, 2.5f), 0.9f), kIron, 1);
            }
            break;
        case kPropLantern:
            Solid(L, a.B(7, 3, 9, 30), kIron, 1);
            L.Fill(a.S(8, 5, 20, 5, 0.8f), kIron);
            L.Fill(a.S(18, 5, 18, 9, 0.4f), kIron);
            Solid(L, a.B(14, 9, 22, 19, 1.5f), Col{255, 226, 130}, 2, 0.35f);
            L.Fill(Ring(a.B(14, 9, 22, 19, 1.5f), 0.5f), kIron);
            break;
        case kPropIcicle:
            for (int i = 0; i < 4; ++i) {
                const float x = 8 + 5.5f * float(i), h = r.Range(12, 24);
                Solid(L, a.Pg({{x - 3, 29}, {x + 3, 29}, {x + 0.4f, 29 - h}}), Col{210, 235, 250}, 2, 0.5f);
            }
            break;
        case kPropSnowman:
            Solid(L, a.Ci(16, 22, 8), Col{248, 250, 255}, 4, 0.3f);
            Solid(L, a.Ci(16, 10, 5.5f), Col{248, 250, 255}, 3, 0.3f);
            L.Fill(a.Pg({{16, 10}, {21, 11}, {16, 12}}), Col{240, 130, 30});
            L.Fill(a.Ci(14, 8.5f, 0.9f), kInk);
            L.Fill(a.Ci(18, 8.5f, 0.9f), kInk);
            L.Fill(a.B(11, 3, 21, 5), kInk);
            L.Fill(a.B(13, -1, 19, 4), kInk);
            break;
        case kPropWoodpile:
            for (int row = 0; row < 3; ++row)
                for (int k = 0; k < 3 - row; ++k) {
                    const float x = 9 + 7.0f * float(k) + 3.5f * float(row), y = 25 - 6.0f * float(row);
                    Solid(L, a.Ci(x, y, 3.4f), Darken(wood, 0.1f), 1.5f);
                    L.Fill(a.Ci(x, y, 2.0f), Col{200, 160, 110});
                }
            break;
        case kPropSpinningWheel:
            Solid(L, a.B(6, 24, 26, 27, 1), wood, 1);
            L.Fill(Ring(a.Ci(19, 14, 8), 1), kInk);
            L.Fill(Ring(a.Ci(19, 14, 8), 0.6f), wood);
            for (int k = 0; k < 4; ++k) {
                const float ang = float(k) * 0.785f;
                L.Fill(a.S(19 - 8 * std::cos(ang), 14 - 8 * std::sin(ang), 19 + 8 * std::cos(ang), 14 + 8 * std::sin(ang), 0.4f), wood);
            }
            L.Fill(a.S(8, 24, 9, 10, 0.8f), wood);
            L.Fill(a.Ci(9, 10, 1.8f), Col{230, 220, 200});
            break;
        case kPropCannon:
            for (float x : {11.0f, 21.0f}) Solid(L, a.Ci(x, 24, 4.5f), wood, 2);
            Solid(L, a.Pg({{5, 12}, {27, 9}, {28, 17}, {5, 20}}), Col{60, 60, 66}, 2.5f, 0.6f);
            L.Fill(a.El(27.5f, 13, 1.5f, 3.2f), kInk);
            break;
        case kPropDrum:
            Solid(L, a.B(8, 10, 24, 28, 2), Col{170, 60, 40}, 2);
            L.Fill(a.El(16, 10, 8, 3), Col{230, 214, 180});
            L.Fill(Ring(a.El(16, 10, 8, 3), 0.5f), kInk);
            for (int k = 0; k < 4; ++k) L.Fill(a.S(8 + 5.3f * float(k), 12, 10.6f + 5.3f * float(k), 27, 0.5f), Col{240, 220, 160});
            break;
        case kPropGenerator:
            Solid(L, a.B(4, 8, 28, 28, 2), pal.wall, 2, 0.5f);
            L.Fill(a.Ci(16, 18, 6), kInk);
            L.Fill(a.Ci(16, 18, 4.5f), pal.trim);
            L.Fill(a.Ci(15, 17, 1.5f), Col{240, 255, 250});
            for (float x : {7.0f, 25.0f}) L.Fill(a.S(x, 4, x, 9, 1), kIron);
            L.Fill(a.S(7, 4, 25, 4, 0.6f), pal.trim);
            break;
        case kPropVent:
            Solid(L, a.El(16, 24, 9, 5), Darken(pal.wall, 0.2f), 2);
            L.Fill(a.El(16, 23.5f, 6, 3), kInk);
            for (int k = 0; k < 3; ++k) L.Fill(a.Ci(16 + r.Range(-3, 3), 16 - 5.0f * float(k), 3.0f + float(k)), Col{200, 200, 196}, 0.75f);
            break;
    }
}

void PaintObject(Image& img, const Tile& t) {
    // The props of each family, handed out in turn along a run of numbers.
    static const std::vector<Prop> kLists[kFamilyCount] = {
        /* Ground   */ {kPropRock, kPropBush, kPropStump, kPropBoulder, kPropLog, kPropHay, kPropWoodpile, kPropSignpost, kPropFlowers},
        /* WallX    */ {kPropPillar, kPropTorchStand, kPropWeaponRack, kPropArmourStand, kPropBanner, kPropBarrel, kPropStatue, kPropBrazier},
        /* WallY    */ {kPropTable, kPropChair, kPropBed, kPropShelf, kPropCupboard, kPropBench, kPropBarrel, kPropSpinningWheel, kPropDrum},
        /* Water    */ {kPropReeds, kPropRock, kPropLog, kPropShell, kPropReeds},
        /* Path     */ {kPropSignpost, kPropFence, kPropCart, kPropLampPost, kPropHay, kPropRock},
        /* Forest   */ {kPropBush, kPropStump, kPropLog, kPropMushroom, kPropRock, kPropFlowers, kPropWoodpile},
        /* Cave     */ {kPropRock, kPropCrystal, kPropBoulder, kPropMushroom, kPropBones, kPropSkulls},
        /* Marsh    */ {kPropReeds, kPropStump, kPropLog, kPropMushroom, kPropBones, kPropBush},
        /* Ice      */ {kPropIcicle, kPropSnowman, kPropRock, kPropCrystal, kPropBoulder, kPropCrate},
        /* Bits1    */ {kPropBarrel, kPropCrate, kPropSack, kPropPot, kPropTable, kPropChair, kPropStool, kPropBed, kPropShelf,
                        kPropCupboard, kPropAnvil, kPropWell, kPropFountain, kPropLampPost, kPropBrazier, kPropCandles,
                        kPropTorchStand, kPropCart, kPropHay, kPropVase, kPropBench, kPropBookStack, kPropTent, kPropWoodpile,
                        kPropSpinningWheel, kPropDrum, kPropCannon, kPropCauldron},
        /* Bits2    */ {kPropUrn, kPropPot, kPropVase, kPropCoffin, kPropGrave, kPropAltar, kPropStatue, kPropIdol, kPropBookStack,
                        kPropCandles, kPropCage, kPropChains, kPropLantern, kPropBanner, kPropWeaponRack, kPropArmourStand,
                        kPropBarrel, kPropCrate, kPropSack},
        /* Bits3    */ {kPropTable, kPropChair, kPropShelf, kPropCupboard, kPropBarrel, kPropCrate, kPropAnvil, kPropCauldron,
                        kPropPillar, kPropLampPost, kPropFence, kPropBench, kPropCart},
        /* Life     */ {kPropFlowers, kPropBush, kPropMushroom, kPropCactus, kPropPalm, kPropReeds},
        /* Bodies   */ {kPropSkeleton, kPropBones, kPropSkulls, kPropCorpse, kPropCoffin, kPropGrave},
        /* Statues  */ {kPropStatue, kPropPillar, kPropObelisk, kPropIdol, kPropUrn, kPropAltar},
        /* Runic    */ {kPropStandingStone, kPropAltar, kPropObelisk, kPropCrystal, kPropPillar},
        /* Sea      */ {kPropShell, kPropAnchor, kPropRock, kPropLog, kPropBarrel, kPropCrate, kPropPalm, kPropCannon},
        /* Dark     */ {kPropCage, kPropChains, kPropBrazier, kPropAltar, kPropSkulls, kPropBones, kPropCoffin, kPropIdol,
                        kPropGrave, kPropCauldron},
        /* Enda     */ {kPropLantern, kPropFountain, kPropStatue, kPropBench, kPropFlowers, kPropVase, kPropPillar, kPropCrystal},
        /* Kintara  */ {kPropTotem, kPropIdol, kPropUrn, kPropPot, kPropBrazier, kPropDrum, kPropTent, kPropPalm},
        /* Araboria */ {kPropUrn, kPropVase, kPropFountain, kPropPillar, kPropPalm, kPropLantern, kPropBench, kPropStatue},
        /* Osirian  */ {kPropObelisk, kPropUrn, kPropStatue, kPropPot, kPropIdol, kPropCoffin, kPropPillar, kPropPalm},
        /* Alien    */ {kPropConsole, kPropPipe, kPropPod, kPropGenerator, kPropVent, kPropCrystal, kPropCage},
        /* Vx3      */ {kPropVent, kPropRock, kPropCrystal, kPropBoulder, kPropBones, kPropBrazier, kPropChains},
        /* Wild1    */ {kPropRock, kPropBush, kPropStump},
        /* Wild2    */ {kPropRock, kPropBush, kPropStump},
        /* Custom   */ {kPropCrate, kPropBarrel, kPropStatue, kPropBanner, kPropSignpost, kPropFountain, kPropCrystal,
                        kPropBrazier, kPropTent, kPropCart, kPropWell, kPropAltar, kPropTotem, kPropConsole, kPropPalm},
        /* None     */ {kPropCrate},
    };
    const std::vector<Prop>& list = kLists[t.family];
    // a run starting partway into a family's list keeps neighbouring runs apart
    const Prop prop = list[size_t(t.variant + t.number / 20) % list.size()];
    Layer L(32, 32);
    DrawProp(L, prop, PaletteOf(t.family), t.seed, 0, 0);
    Put(img, L);
}

}  // namespace art::tiles
