#include "symbols.h"

#include <array>

namespace art::sym {

using namespace sdf;

namespace {
// Maps the 16-unit design box centred on (cx, cy) to pixels.
struct Frame {
    float cx, cy, u;
    float X(float x) const { return cx + x * u; }
    float Y(float y) const { return cy + y * u; }
    float R(float r) const { return r * u; }
    V2 P(float x, float y) const { return {X(x), Y(y)}; }
    Poly Pg(std::initializer_list<V2> pts) const {
        Poly p;
        for (V2 v : pts) p.v.push_back(P(v.x, v.y));
        return p;
    }
};
// The distance to n spokes spread evenly round the centre, the first pointing up, each from
// radius r0 to r1 (design units) and `width` pixels thick.
float Spokes(const Frame& f, int n, float r0, float r1, float width, float x, float y) {
    float d = 1e9f;
    for (int k = 0; k < n; ++k) {
        const float a = float(k) * 3.14159265f / (float(n) / 2);
        d = std::min(d, Seg(f.X(std::sin(a) * r0), f.Y(-std::cos(a) * r0), f.X(std::sin(a) * r1),
                            f.Y(-std::cos(a) * r1), width)(x, y));
    }
    return d;
}
const Col kDark{24, 16, 10};
const Col kWhite{250, 248, 240};
}  // namespace

void Skull(Layer& L, float cx, float cy, float s, Col bone) {
    Frame f{cx, cy, s / 16};
    auto head = Union(Circle(f.X(0), f.Y(-1.5f), f.R(6.3f)), Box(f.X(-3.8f), f.Y(1), f.X(3.8f), f.Y(7.2f), f.R(1.6f)));
    InkEmboss(L, head, bone, f.R(2.5f), 0.35f);
    L.Fill(Ellipse(f.X(-2.6f), f.Y(-0.8f), f.R(2.0f), f.R(2.2f)), kDark);
    L.Fill(Ellipse(f.X(2.6f), f.Y(-0.8f), f.R(2.0f), f.R(2.2f)), kDark);
    L.Fill(f.Pg({{0, 1.6f}, {1.1f, 3.4f}, {-1.1f, 3.4f}}), kDark);
    for (int i = -1; i <= 1; ++i) L.Fill(Seg(f.X(i * 1.6f), f.Y(4.8f), f.X(i * 1.6f), f.Y(7.0f), f.R(0.35f)), kDark);
}

void Eye(Layer& L, float cx, float cy, float s, Col iris) {
    Frame f{cx, cy, s / 16};
    auto lens = Inter(Circle(f.X(0), f.Y(5.5f), f.R(9.5f)), Circle(f.X(0), f.Y(-5.5f), f.R(9.5f)));
    Ink(L, lens, kWhite);
    auto ir = Inter(Circle(f.X(0), f.Y(0), f.R(3.4f)), lens);
    L.Emboss(ir, iris, f.R(1.5f), 0.4f);
    L.Fill(Circle(f.X(0), f.Y(0), f.R(1.5f)), kDark);
    L.Fill(Circle(f.X(-1.0f), f.Y(-1.1f), f.R(0.8f)), kWhite);
}

void Drop(Layer& L, float cx, float cy, float s, Col c) {
    Frame f{cx, cy, s / 16};
    auto d = Union(Circle(f.X(0), f.Y(2.6f), f.R(4.8f)), f.Pg({{0, -7.8f}, {-4.5f, 1.2f}, {4.5f, 1.2f}}));
    InkEmboss(L, d, c, f.R(3), 0.55f);
    L.Fill(Ellipse(f.X(-1.8f), f.Y(2.0f), f.R(0.9f), f.R(1.6f)), Lighten(c, 0.7f));
}

void Flame(Layer& L, float cx, float cy, float s) {
    Frame f{cx, cy, s / 16};
    auto outer = Union(Circle(f.X(0), f.Y(3.2f), f.R(4.8f)),
                       f.Pg({{0.6f, -8.0f}, {4.6f, 1.0f}, {-4.6f, 1.8f}, {-3.6f, -3.0f}, {-2.0f, -1.2f}}));
    Ink(L, outer, Col{226, 74, 20});
    auto mid = Union(Circle(f.X(0), f.Y(4.0f), f.R(3.2f)), f.Pg({{0.4f, -4.0f}, {3.0f, 3.0f}, {-3.0f, 3.0f}}));
    L.Fill(mid, Col{250, 160, 30});
    L.Fill(Union(Circle(f.X(0), f.Y(5.0f), f.R(1.7f)), f.Pg({{0.2f, 0.0f}, {1.6f, 4.6f}, {-1.6f, 4.6f}})), Col{255, 236, 120});
}

void Snowflake(Layer& L, float cx, float cy, float s, Col c) {
    Frame f{cx, cy, s / 16};
    auto arms = [&](float grow) {
        return [=](float x, float y) {
            float d = Spokes(f, 6, 0, 7.2f, f.R(0.75f) + grow, x, y);
            for (int k = 0; k < 6; ++k) {
                float a = float(k) * 3.14159265f / 3.0f;
                float ex = std::sin(a), ey = -std::cos(a);
                float bx = ex * 4.4f, by = ey * 4.4f;
                for (int side = -1; side <= 1; side += 2) {
                    float b = a + side * 0.75f;
                    d = std::min(d, Seg(f.X(bx), f.Y(by), f.X(bx + std::sin(b) * 2.6f), f.Y(by - std::cos(b) * 2.6f),
                                        f.R(0.6f) + grow)(x, y));
                }
            }
            return d;
        };
    };
    L.Fill(arms(0.9f), kOutline);
    L.Fill(arms(0.0f), c);
}

void Bolt(Layer& L, float cx, float cy, float s, Col c) {
    Frame f{cx, cy, s / 16};
    auto b = f.Pg({{1.8f, -8.0f}, {-4.6f, 1.2f}, {-0.6f, 1.2f}, {-2.8f, 8.2f}, {4.8f, -1.8f}, {0.6f, -1.8f}, {3.8f, -8.0f}});
    InkEmboss(L, b, c, f.R(1.5f), 0.5f);
}

void Heart(Layer& L, float cx, float cy, float s, Col c) {
    Frame f{cx, cy, s / 16};
    auto h = Union(Union(Circle(f.X(-2.7f), f.Y(-2.0f), f.R(3.7f)), Circle(f.X(2.7f), f.Y(-2.0f), f.R(3.7f))),
                   f.Pg({{-6.1f, -0.9f}, {6.1f, -0.9f}, {0, 7.0f}}));
    InkEmboss(L, h, c, f.R(3), 0.5f);
    L.Fill(Circle(f.X(-3.0f), f.Y(-3.0f), f.R(1.1f)), Lighten(c, 0.7f));
}

void StarShape(Layer& L, float cx, float cy, float s, int points, Col c) {
    Poly p{Star(cx, cy, s * 0.5f, s * 0.5f * (points == 4 ? 0.32f : 0.43f), points, 0)};
    InkEmboss(L, p, c, s * 0.18f, 0.55f);
}

void Moon(Layer& L, float cx, float cy, float s, Col c) {
    Frame f{cx, cy, s / 16};
    auto m = Sub(Circle(f.X(-0.5f), f.Y(0), f.R(7)), Circle(f.X(3.2f), f.Y(-2.2f), f.R(6)));
    InkEmboss(L, m, c, f.R(2), 0.4f);
}

void Sun(Layer& L, float cx, float cy, float s, Col c) {
    Frame f{cx, cy, s / 16};
    auto rays = [&](float grow) {
        return [=](float x, float y) { return Spokes(f, 8, 5.4f, 7.6f, f.R(0.8f) + grow, x, y); };
    };
    L.Fill(rays(0.9f), kOutline);
    L.Fill(rays(0), c);
    InkEmboss(L, Circle(f.X(0), f.Y(0), f.R(4.2f)), c, f.R(2), 0.5f);
}

void Hourglass(Layer& L, float cx, float cy, float s) {
    Frame f{cx, cy, s / 16};
    Col wood{120, 72, 34}, glass{214, 232, 240}, sand{226, 182, 90};
    Ink(L, f.Pg({{-4.6f, -6.2f}, {4.6f, -6.2f}, {0.7f, 0}, {4.6f, 6.2f}, {-4.6f, 6.2f}, {-0.7f, 0}}), glass);
    L.Fill(f.Pg({{-3.0f, 6.0f}, {3.0f, 6.0f}, {0.4f, 2.2f}, {-0.4f, 2.2f}}), sand);
    L.Fill(f.Pg({{-1.6f, -2.4f}, {1.6f, -2.4f}, {0.3f, -0.4f}, {-0.3f, -0.4f}}), sand);
    L.Fill(Seg(f.X(0), f.Y(-0.5f), f.X(0), f.Y(5.0f), f.R(0.3f)), sand);
    InkEmboss(L, Box(f.X(-6), f.Y(-8), f.X(6), f.Y(-5.8f), f.R(0.8f)), wood, f.R(1), 0.5f);
    InkEmboss(L, Box(f.X(-6), f.Y(5.8f), f.X(6), f.Y(8), f.R(0.8f)), wood, f.R(1), 0.5f);
}

void Sword(Layer& L, float cx, float cy, float s, float ang) {
    Frame f{cx, cy, s / 16};
    Col steel{206, 212, 222}, gold{216, 172, 70}, grip{96, 58, 30};
    auto blade = Rotate(f.Pg({{0, -8.4f}, {1.3f, -6.6f}, {1.3f, 3.2f}, {-1.3f, 3.2f}, {-1.3f, -6.6f}}), cx, cy, ang);
    auto guard = Rotate(Box(f.X(-3.8f), f.Y(3.2f), f.X(3.8f), f.Y(4.6f), f.R(0.6f)), cx, cy, ang);
    auto hilt = Rotate(Box(f.X(-0.7f), f.Y(4.6f), f.X(0.7f), f.Y(7.0f)), cx, cy, ang);
    auto pommel = Rotate(Circle(f.X(0), f.Y(7.6f), f.R(1.1f)), cx, cy, ang);
    L.Fill(Grow(Union(Union(blade, guard), Union(hilt, pommel)), 1.0f), kOutline);
    L.Emboss(blade, steel, f.R(1.2f), 0.5f);
    L.Fill(hilt, grip);
    L.Emboss(guard, gold, f.R(0.8f), 0.5f);
    L.Emboss(pommel, gold, f.R(0.8f), 0.5f);
}

void LongSword(Layer& L, float cx, float cy, float len, float ang) {
    Col steel{206, 212, 222}, gold{216, 172, 70}, grip{96, 58, 30};
    float top = cy - len * 0.5f, guardY = cy + len * 0.22f;
    float bw = len * 0.032f;
    auto blade = Rotate(Poly{{{cx, top}, {cx + bw, top + bw * 3}, {cx + bw, guardY}, {cx - bw, guardY}, {cx - bw, top + bw * 3}}}, cx, cy, ang);
    auto fuller = Rotate(Seg(cx, top + bw * 5, cx, guardY - bw, bw * 0.25f), cx, cy, ang);
    auto guard = Rotate(Box(cx - len * 0.13f, guardY, cx + len * 0.13f, guardY + len * 0.03f, len * 0.012f), cx, cy, ang);
    auto hilt = Rotate(Box(cx - bw * 0.8f, guardY + len * 0.03f, cx + bw * 0.8f, cy + len * 0.45f), cx, cy, ang);
    auto pommel = Rotate(Circle(cx, cy + len * 0.47f, len * 0.03f), cx, cy, ang);
    L.Fill(Grow(Union(Union(blade, guard), Union(hilt, pommel)), 1.0f), kOutline);
    L.Emboss(blade, steel, bw, 0.5f);
    L.Fill(fuller, Darken(steel, 0.25f));
    L.Fill(hilt, grip);
    L.Emboss(guard, gold, len * 0.012f, 0.5f);
    L.Emboss(pommel, gold, len * 0.015f, 0.5f);
}

void Crown(Layer& L, float cx, float cy, float s, Col c) {
    Frame f{cx, cy, s / 16};
    auto body = f.Pg({{-6.2f, 5.0f}, {6.2f, 5.0f}, {6.8f, -4.2f}, {3.2f, 0.2f}, {0, -6.2f}, {-3.2f, 0.2f}, {-6.8f, -4.2f}});
    InkEmboss(L, body, c, f.R(2), 0.5f);
    L.Fill(Box(f.X(-6.0f), f.Y(2.6f), f.X(6.0f), f.Y(3.3f)), Darken(c, 0.4f));
    Col jewel{190, 30, 40};
    for (V2 p : {V2{-6.8f, -4.2f}, V2{0, -6.2f}, V2{6.8f, -4.2f}}) Ink(L, Circle(f.X(p.x), f.Y(p.y), f.R(1.3f)), jewel);
    Ink(L, Circle(f.X(0), f.Y(0.8f), f.R(1.2f)), Col{40, 90, 200});
}

void Tower(Layer& L, float cx, float cy, float s, Col c) {
    Frame f{cx, cy, s / 16};
    auto top = Sub(Sub(Box(f.X(-5.6f), f.Y(-7.6f), f.X(5.6f), f.Y(-3.0f)), Box(f.X(-3.2f), f.Y(-8), f.X(-1.2f), f.Y(-5.6f))),
                   Box(f.X(1.2f), f.Y(-8), f.X(3.2f), f.Y(-5.6f)));
    auto body = Union(top, Box(f.X(-4.2f), f.Y(-3.5f), f.X(4.2f), f.Y(8)));
    InkEmboss(L, body, c, f.R(1.6f), 0.45f);
    L.Fill(Box(f.X(-1.7f), f.Y(3.0f), f.X(1.7f), f.Y(8.2f), f.R(1.6f)), kDark);
    L.Fill(Box(f.X(-0.5f), f.Y(-2.0f), f.X(0.5f), f.Y(0.8f)), kDark);
}

void Ship(Layer& L, float cx, float cy, float s, Col hull, Col sail) {
    Frame f{cx, cy, s / 16};
    Ink(L, Seg(f.X(0), f.Y(-8.0f), f.X(0), f.Y(2.5f), f.R(0.45f)), Col{90, 60, 30});
    Ink(L, f.Pg({{0.7f, -7.2f}, {6.4f, 0.8f}, {0.7f, 0.8f}}), sail);
    Ink(L, f.Pg({{-0.7f, -6.2f}, {-5.4f, 0.8f}, {-0.7f, 0.8f}}), sail);
    InkEmboss(L, f.Pg({{-7.8f, 2.0f}, {7.8f, 2.0f}, {5.0f, 6.2f}, {-5.0f, 6.2f}}), hull, f.R(1.2f), 0.5f);
    Ink(L, f.Pg({{0, -8.6f}, {2.4f, -7.6f}, {0, -6.8f}}), Col{190, 40, 40}, kOutline, 0.6f);
}

void Bird(Layer& L, float cx, float cy, float s, Col c) {
    Frame f{cx, cy, s / 16};
    auto wingL = f.Pg({{-1.0f, -1.2f}, {-5.0f, -4.6f}, {-8.2f, -4.4f}, {-6.4f, -2.0f}, {-7.6f, -0.6f}, {-5.0f, 0.2f}, {-6.0f, 1.6f}, {-1.0f, 2.4f}});
    auto wings = MirrorX(wingL, cx);
    auto body = Union(Ellipse(f.X(0), f.Y(1.0f), f.R(1.9f), f.R(4.0f)), Circle(f.X(0), f.Y(-3.2f), f.R(1.7f)));
    auto tail = f.Pg({{-1.4f, 4.2f}, {1.4f, 4.2f}, {2.8f, 7.6f}, {0, 6.6f}, {-2.8f, 7.6f}});
    auto all = Union(Union(wings, body), tail);
    InkEmboss(L, all, c, f.R(1.5f), 0.4f);
    L.Fill(f.Pg({{-0.6f, -3.0f}, {0.6f, -3.0f}, {0, -1.4f}}), Col{230, 180, 60});
}

void Laurel(Layer& L, float cx, float cy, float s, Col c) {
    Frame f{cx, cy, s / 16};
    // two branches rising from the bottom along the sides
    for (int side = -1; side <= 1; side += 2)
        for (int k = 0; k < 7; ++k) {
            float deg = 255.0f - float(k) * 19.0f;
            float a = deg * 3.14159265f / 180.0f;
            float px = std::cos(a) * 6.6f, py = -std::sin(a) * 6.6f;
            float x = f.X(side < 0 ? px : -px), y = f.Y(py);
            float tangent = deg - 90.0f;  // leaves point along the branch, away from the bottom
            float ang = side < 0 ? (90.0f - tangent) : (tangent - 90.0f);
            auto leaf = Rotate(Ellipse(x, y, f.R(1.0f), f.R(2.2f)), x, y, ang + side * 25.0f);
            Ink(L, leaf, c, kOutline, 0.7f);
        }
}

void Axe(Layer& L, float cx, float cy, float s) {
    Frame f{cx, cy, s / 16};
    Ink(L, Seg(f.X(-5.6f), f.Y(7.4f), f.X(3.6f), f.Y(-6.6f), f.R(0.9f)), Col{120, 74, 36});
    auto head = Sub(f.Pg({{0.6f, -7.4f}, {7.6f, -8.2f}, {8.2f, 0.4f}, {1.2f, -2.4f}}), Circle(f.X(10.5f), f.Y(-4.0f), f.R(3.2f)));
    InkEmboss(L, head, Col{200, 206, 214}, f.R(1.5f), 0.5f);
}

void HeaterShield(Layer& L, float cx, float cy, float s, Col c) {
    Frame f{cx, cy, s / 16};
    auto sh = Inter(Box(f.X(-6.2f), f.Y(-7.2f), f.X(6.2f), f.Y(8)),
                    Inter(Circle(f.X(5.6f), f.Y(-4.0f), f.R(12.4f)), Circle(f.X(-5.6f), f.Y(-4.0f), f.R(12.4f))));
    InkEmboss(L, sh, c, f.R(2.2f), 0.5f);
}

void Key(Layer& L, float cx, float cy, float s, Col c) {
    Frame f{cx, cy, s / 16};
    auto bow = Sub(Circle(f.X(-4.0f), f.Y(-4.0f), f.R(3.4f)), Circle(f.X(-4.0f), f.Y(-4.0f), f.R(1.5f)));
    auto shaft = Seg(f.X(-1.8f), f.Y(-1.8f), f.X(6.2f), f.Y(6.2f), f.R(1.0f));
    auto bit1 = Seg(f.X(4.6f), f.Y(4.6f), f.X(6.8f), f.Y(2.4f), f.R(0.9f));
    auto bit2 = Seg(f.X(2.8f), f.Y(2.8f), f.X(4.4f), f.Y(1.2f), f.R(0.9f));
    InkEmboss(L, Union(Union(bow, shaft), Union(bit1, bit2)), c, f.R(1.2f), 0.5f);
}

void Lantern(Layer& L, float cx, float cy, float s, Col frame, Col light) {
    Frame f{cx, cy, s / 16};
    InkEmboss(L, Sub(Circle(f.X(0), f.Y(-7.0f), f.R(1.8f)), Circle(f.X(0), f.Y(-7.0f), f.R(0.9f))), frame, f.R(0.6f));
    InkEmboss(L, f.Pg({{-3.5f, -5.4f}, {3.5f, -5.4f}, {2.4f, -3.6f}, {-2.4f, -3.6f}}), frame, f.R(0.8f));  // the cap
    auto glass = Box(f.X(-3.0f), f.Y(-3.6f), f.X(3.0f), f.Y(4.0f), f.R(0.8f));
    L.Fill(Grow(glass, 1.0f), kOutline);
    L.Emboss(glass, light, f.R(2.0f), 0.5f);
    Flame(L, f.X(0), f.Y(0.6f), f.R(5.0f));
    for (float x : {-3.0f, 0.0f, 3.0f}) L.Fill(Seg(f.X(x), f.Y(-3.6f), f.X(x), f.Y(4.0f), f.R(0.45f)), frame);
    InkEmboss(L, f.Pg({{-3.6f, 4.0f}, {3.6f, 4.0f}, {4.2f, 6.0f}, {-4.2f, 6.0f}}), frame, f.R(0.8f));  // the base
}

void ThornBranch(Layer& L, float cx, float cy, float s, Col c) {
    Frame f{cx, cy, s / 16};
    auto stem = Path{{f.P(-7.5f, 2.5f), f.P(-3.0f, 0.5f), f.P(1.5f, 1.5f), f.P(7.5f, -1.0f)}, f.R(0.9f)};
    L.Fill(Grow(stem, 1.0f), kOutline);
    for (auto [x, y, dx, dy] : std::initializer_list<std::array<float, 4>>{
             {-5.5f, 1.7f, -1.0f, -2.6f}, {-3.0f, 0.5f, 0.8f, -2.6f}, {-1.0f, 0.9f, -0.6f, 2.6f},
             {2.0f, 1.3f, 0.8f, 2.6f}, {4.5f, 0.3f, -0.4f, -2.8f}, {6.5f, -0.6f, 1.6f, 2.2f}}) {
        auto thorn = f.Pg({{x - 0.8f, y}, {x + 0.8f, y}, {x + dx, y + dy}});
        L.Fill(Grow(thorn, 0.8f), kOutline);
        L.Fill(thorn, c);
    }
    L.Fill(stem, c);
}

void Potion(Layer& L, float cx, float cy, float s, Col liquid) {
    Frame f{cx, cy, s / 16};
    auto body = Union(Circle(f.X(0), f.Y(2.8f), f.R(5.0f)), Box(f.X(-1.6f), f.Y(-5.2f), f.X(1.6f), f.Y(0)));
    Ink(L, Union(body, Box(f.X(-2.4f), f.Y(-6.2f), f.X(2.4f), f.Y(-4.8f), f.R(0.5f))), Col{214, 230, 236});
    L.Emboss(Inter(Circle(f.X(0), f.Y(2.8f), f.R(4.2f)), Box(f.X(-6), f.Y(1.0f), f.X(6), f.Y(9))), liquid, f.R(2), 0.4f);
    L.Fill(Box(f.X(-1.3f), f.Y(-8.2f), f.X(1.3f), f.Y(-6.0f), f.R(0.4f)), Col{140, 92, 50});
    L.Fill(Ellipse(f.X(-2.4f), f.Y(1.6f), f.R(0.7f), f.R(1.4f)), kWhite, 0.8f);
}

void Coin(Layer& L, float cx, float cy, float s) {
    Frame f{cx, cy, s / 16};
    Col gold{226, 180, 64};
    InkEmboss(L, Circle(f.X(0), f.Y(0), f.R(7)), gold, f.R(2.2f), 0.6f);
    L.Fill(Ring(Circle(f.X(0), f.Y(0), f.R(4.6f)), f.R(0.35f)), Darken(gold, 0.35f));
    L.Fill(Poly{Star(f.X(0), f.Y(0), f.R(3.2f), f.R(1.4f), 5, 0)}, Lighten(gold, 0.35f));
}

}  // namespace art::sym
