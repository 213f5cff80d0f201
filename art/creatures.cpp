#include "creatures.h"

#include "symbols.h"

namespace art {
namespace {

using namespace sdf;

// A box in which a creature is laid out in units: u across (0 left .. 1 right), v down.
struct Fr {
    float x0, y0, w, h;
    float X(float u) const { return x0 + u * w; }
    float Y(float v) const { return y0 + v * h; }
    float S(float r) const { return r * std::min(w, h); }
    V2 P(float u, float v) const { return {X(u), Y(v)}; }
    Poly Pg(std::initializer_list<V2> pts) const {
        Poly p;
        for (V2 v : pts) p.v.push_back(P(v.x, v.y));
        return p;
    }
    auto Ci(float u, float v, float r) const { return Circle(X(u), Y(v), S(r)); }
    auto El(float u, float v, float ru, float rv) const { return Ellipse(X(u), Y(v), ru * w, rv * h); }
    auto Sg(float u0, float v0, float u1, float v1, float r) const { return Seg(X(u0), Y(v0), X(u1), Y(v1), S(r)); }
    auto Bx(float u0, float v0, float u1, float v1, float r = 0) const { return Box(X(u0), Y(v0), X(u1), Y(v1), S(r)); }
    Path Pa(std::initializer_list<V2> pts, float r) const {
        Path p{{}, S(r)};
        for (V2 v : pts) p.v.push_back(P(v.x, v.y));
        return p;
    }
};

// Outlined and lit, with the bevel in proportion to the figure.
template <class Sh>
void Part(Layer& L, const Fr& f, const Sh& s, Col c, float bevel = 0.09f, float strength = 0.45f) {
    L.Fill(Grow(s, std::max(0.8f, f.S(0.03f))), kInk);
    L.Emboss(s, c, std::max(1.0f, f.S(bevel)), strength);
}

void Eye(Layer& L, const Fr& f, float u, float v, float r, Col c) {
    L.Fill(f.Ci(u, v, r), c);
    if (r * std::min(f.w, f.h) > 1.6f) L.Fill(f.Ci(u + r * 0.25f, v - r * 0.25f, r * 0.35f), kWhite);
}

// ---------------------------------------------------------------- weapons, held at a hand

// A weapon gripped at (hx, hy) pointing along the angle in degrees (0 right, -90 up).
void HeldWeapon(Layer& L, const Fr& f, int weapon, float hx, float hy, float deg) {
    const float a = deg * 3.14159265f / 180.0f, ca = std::cos(a), sa = std::sin(a);
    // t runs along the weapon in widths of the box; across it the box's shape is made up for
    auto at = [&](float t) { return V2{hx + ca * t, hy + sa * t * f.w / f.h}; };
    auto line = [&](float t0, float t1, float r, Col c) {
        const V2 p = at(t0), q = at(t1);
        L.Fill(Seg(f.X(p.x), f.Y(p.y), f.X(q.x), f.Y(q.y), f.S(r) + 0.6f), kInk);
        L.Fill(Seg(f.X(p.x), f.Y(p.y), f.X(q.x), f.Y(q.y), f.S(r)), c);
    };
    auto blob = [&](float t, float r, Col c) {
        const V2 p = at(t);
        Part(L, f, Circle(f.X(p.x), f.Y(p.y), f.S(r)), c, 0.04f, 0.5f);
    };
    const Col steel{206, 210, 220}, wood{130, 88, 48}, gold{220, 180, 60};
    switch (weapon) {
        case kWeaponSword:
        case kWeaponBigSword: {
            const float len = weapon == kWeaponBigSword ? 0.42f : 0.3f;
            line(-0.06f, 0.02f, 0.025f, C(0x5A3A1C));
            line(0.06f, len, weapon == kWeaponBigSword ? 0.04f : 0.03f, steel);
            const V2 g = at(0.04f);
            L.Fill(Seg(f.X(g.x - sa * 0.07f), f.Y(g.y + ca * 0.07f), f.X(g.x + sa * 0.07f), f.Y(g.y - ca * 0.07f), f.S(0.025f)), gold);
            break;
        }
        case kWeaponDagger: line(-0.04f, 0.02f, 0.025f, C(0x5A3A1C)); line(0.03f, 0.16f, 0.028f, steel); break;
        case kWeaponAxe:
        case kWeaponBigAxe: {
            const float len = weapon == kWeaponBigAxe ? 0.4f : 0.28f;
            line(-0.06f, len, 0.025f, wood);
            const V2 b = at(len - 0.05f);
            const float bs = weapon == kWeaponBigAxe ? 0.13f : 0.09f;
            // the blade stands out to the side of the haft
            Poly blade{{{f.X(b.x), f.Y(b.y)}, {f.X(b.x - sa * bs + ca * 0.06f), f.Y(b.y + ca * bs + sa * 0.06f)},
                        {f.X(b.x - sa * bs - ca * 0.06f), f.Y(b.y + ca * bs - sa * 0.06f)}}};
            Part(L, f, blade, steel, 0.03f, 0.6f);
            break;
        }
        case kWeaponClub: line(-0.05f, 0.24f, 0.04f, wood); blob(0.22f, 0.07f, C(0x8A5A30)); break;
        case kWeaponMace:
        case kWeaponHammer: {
            line(-0.05f, 0.26f, 0.025f, wood);
            const V2 p = at(0.26f);
            if (weapon == kWeaponMace) {
                L.Fill(Poly{Star(f.X(p.x), f.Y(p.y), f.S(0.1f), f.S(0.06f), 7, deg)}, kInk);
                L.Fill(Poly{Star(f.X(p.x), f.Y(p.y), f.S(0.085f), f.S(0.05f), 7, deg)}, steel);
            } else {
                Part(L, f, Rotate(Box(f.X(p.x) - f.S(0.06f), f.Y(p.y) - f.S(0.11f), f.X(p.x) + f.S(0.06f), f.Y(p.y) + f.S(0.11f)), f.X(p.x), f.Y(p.y), deg),
                     C(0x8A8A92), 0.03f, 0.6f);
            }
            break;
        }
        case kWeaponFlail: {
            line(-0.06f, 0.2f, 0.025f, wood);
            const V2 p = at(0.2f);
            const V2 q{p.x + 0.12f, p.y + 0.1f};
            L.Fill(Seg(f.X(p.x), f.Y(p.y), f.X(q.x), f.Y(q.y), f.S(0.012f) + 0.3f), C(0x6A6A6A));
            L.Fill(Poly{Star(f.X(q.x), f.Y(q.y), f.S(0.08f), f.S(0.05f), 7, 0)}, kInk);
            L.Fill(Poly{Star(f.X(q.x), f.Y(q.y), f.S(0.065f), f.S(0.04f), 7, 0)}, steel);
            break;
        }
        case kWeaponSpear:
        case kWeaponTrident:
        case kWeaponPolearm: {
            line(-0.14f, 0.34f, 0.022f, wood);
            const V2 t = at(0.34f), u = at(0.45f);
            if (weapon == kWeaponTrident) {
                for (float o : {-0.05f, 0.0f, 0.05f})
                    L.Fill(Seg(f.X(t.x - sa * o), f.Y(t.y + ca * o), f.X(u.x - sa * o), f.Y(u.y + ca * o), f.S(0.02f) + 0.3f), steel);
            } else {
                Poly head{{{f.X(u.x), f.Y(u.y)}, {f.X(t.x - sa * 0.05f), f.Y(t.y + ca * 0.05f)}, {f.X(t.x + sa * 0.05f), f.Y(t.y - ca * 0.05f)}}};
                Part(L, f, head, steel, 0.02f, 0.6f);
                if (weapon == kWeaponPolearm) {
                    const V2 b = at(0.34f);
                    Part(L, f, Circle(f.X(b.x - sa * 0.06f), f.Y(b.y + ca * 0.06f), f.S(0.06f)), steel, 0.02f, 0.6f);
                }
            }
            break;
        }
        case kWeaponStaff:
        case kWeaponWand: {
            const float len = weapon == kWeaponStaff ? 0.4f : 0.2f;
            line(weapon == kWeaponStaff ? -0.18f : -0.02f, len, weapon == kWeaponStaff ? 0.022f : 0.018f, C(0x7A5030));
            const V2 p = at(len);
            L.Fill(Circle(f.X(p.x), f.Y(p.y), f.S(0.07f)), kInk);
            L.Fill(Circle(f.X(p.x), f.Y(p.y), f.S(0.055f)), C(0x80E0FF));
            break;
        }
        case kWeaponScythe: {
            line(-0.14f, 0.36f, 0.022f, wood);
            const V2 p = at(0.36f);
            Path blade{{{f.X(p.x), f.Y(p.y)}, {f.X(p.x + 0.12f), f.Y(p.y - 0.02f)}, {f.X(p.x + 0.2f), f.Y(p.y + 0.1f)}}, f.S(0.025f)};
            L.Fill(Grow(blade, 0.6f), kInk);
            L.Fill(blade, steel);
            break;
        }
        case kWeaponBow: {
            const float r = 0.22f;
            const V2 c = at(0.0f);
            auto arc = Inter(Ring(Circle(f.X(c.x - ca * 0.12f), f.Y(c.y - sa * 0.12f), f.S(r)), f.S(0.02f)),
                             Rotate(Box(f.X(c.x - ca * 0.12f), f.Y(c.y) - 100, f.X(c.x - ca * 0.12f) + 100, f.Y(c.y) + 100), f.X(c.x - ca * 0.12f), f.Y(c.y - sa * 0.12f), deg));
            L.Fill(Grow(arc, 0.6f), kInk);
            L.Fill(arc, C(0x8A5A2A));
            break;
        }
        case kWeaponWhip: {  // a driver's whip: a short stock, the lash curling back from its tip
            line(-0.04f, 0.22f, 0.02f, wood);
            const V2 p = at(0.22f);
            Path lash{{{f.X(p.x), f.Y(p.y)}, {f.X(p.x + 0.1f), f.Y(p.y - 0.05f)}, {f.X(p.x + 0.17f), f.Y(p.y + 0.04f)},
                       {f.X(p.x + 0.13f), f.Y(p.y + 0.16f)}, {f.X(p.x + 0.04f), f.Y(p.y + 0.2f)}},
                      f.S(0.012f) + 0.3f};
            L.Fill(lash, C(0x3A2414));
            break;
        }
        case kWeaponClaws:
            for (int k = -1; k <= 1; ++k) {
                const V2 p = at(0.0f);
                L.Fill(Seg(f.X(p.x), f.Y(p.y + 0.03f * float(k)), f.X(p.x + ca * 0.1f), f.Y(p.y + sa * 0.1f + 0.04f * float(k)), f.S(0.012f) + 0.3f), C(0xF0F0E0));
            }
            break;
        default: break;
    }
}

// ---------------------------------------------------------------- two legs

struct Stance {
    float backFootU, frontFootU;  // where the feet stand
    float handU, handV;           // the weapon hand
    float weaponDeg;
    float backHandU, backHandV;
    float lean;                   // the body's tilt forward, in units
};

Stance StanceOf(Pose pose, bool bow) {
    switch (pose) {
        case kPoseStrike: return {0.30f, 0.72f, 0.80f, 0.40f, -10, 0.30f, 0.50f, 0.05f};
        case kPoseCast: return {0.40f, 0.60f, 0.72f, 0.12f, -80, 0.28f, 0.14f, 0.0f};
        case kPoseAim: return {0.36f, 0.64f, 0.80f, 0.38f, 0, 0.58f, 0.38f, 0.0f};
        case kPoseShoot: return {0.34f, 0.66f, 0.82f, 0.38f, 0, 0.42f, 0.42f, 0.02f};
        case kPoseDanger: return {0.32f, 0.68f, 0.84f, 0.12f, -60, 0.16f, 0.12f, -0.03f};
        default: return {0.42f, 0.58f, bow ? 0.66f : 0.66f, 0.56f, -75, 0.36f, 0.60f, 0.0f};
    }
}

void Head(Layer& L, const Fr& f, const Look& k, float cx, float cy, float r, bool open) {
    const Col skin = k.skin;
    switch (k.head) {
        case kHeadSkull:
            Part(L, f, Union(f.Ci(cx, cy, r), f.Bx(cx - r * 0.55f, cy, cx + r * 0.75f, cy + r * 1.15f, r * 0.3f)), kBone, 0.05f);
            L.Fill(f.Ci(cx + r * 0.35f, cy - r * 0.05f, r * 0.32f), kInk);
            L.Fill(f.Bx(cx + r * 0.2f, cy + r * 0.7f, cx + r * 0.8f, cy + r * 0.85f), kInk);
            if (k.extras & kGlow) L.Fill(f.Ci(cx + r * 0.35f, cy - r * 0.05f, r * 0.16f), k.detail);
            return;
        case kHeadWolf:
        case kHeadCat:
        case kHeadPig:
        case kHeadBull:
        case kHeadLizard:
        case kHeadBird: {
            const float snout = k.head == kHeadBird ? 1.1f : k.head == kHeadLizard ? 1.3f : k.head == kHeadCat || k.head == kHeadPig ? 0.5f : 1.0f;
            Part(L, f, f.Ci(cx, cy, r), skin, 0.05f);
            if (k.head == kHeadBird) {
                Part(L, f, f.Pg({{cx + r * 0.6f, cy - r * 0.3f}, {cx + r * (0.6f + snout), cy + r * 0.2f}, {cx + r * 0.6f, cy + r * 0.5f}}), k.detail, 0.02f);
            } else {
                Part(L, f, f.El(cx + r * (0.4f + snout * 0.5f), cy + r * (open ? 0.15f : 0.3f), r * (0.3f + snout * 0.5f), r * 0.45f), skin, 0.04f);
                L.Fill(f.Ci(cx + r * (0.4f + snout), cy + r * 0.15f, r * 0.16f), kInk);  // the nose
                if (open) L.Fill(f.Pg({{cx + r * 0.5f, cy + r * 0.55f}, {cx + r * (0.6f + snout), cy + r * 0.45f}, {cx + r * (0.5f + snout), cy + r * 0.85f}}), C(0x8A1A14));
            }
            if (k.head == kHeadWolf || k.head == kHeadCat)
                L.Fill(Grow(f.Pg({{cx - r * 0.6f, cy - r * 0.4f}, {cx - r * 0.2f, cy - r * 1.5f}, {cx + r * 0.1f, cy - r * 0.6f}}), 0.5f), Darken(skin, 0.2f));
            if (k.head == kHeadBull)
                Part(L, f, f.Pa({{cx - r * 0.2f, cy - r * 0.6f}, {cx - r * 0.3f, cy - r * 1.5f}, {cx + r * 0.4f, cy - r * 1.7f}}, r * 0.14f), kBone, 0.02f);
            if (k.head == kHeadPig) Part(L, f, f.Pa({{cx + r * 0.7f, cy + r * 0.5f}, {cx + r * 0.9f, cy}}, r * 0.1f), kBone, 0.02f);
            Eye(L, f, cx + r * 0.25f, cy - r * 0.25f, r * 0.2f, k.extras & kGlow ? k.detail : kInk);
            return;
        }
        case kHeadInsect:
            Part(L, f, f.El(cx, cy, r * 1.05f / f.w * f.S(1), r * 0.9f / f.h * f.S(1)), skin, 0.05f);
            Eye(L, f, cx + r * 0.35f, cy - r * 0.15f, r * 0.42f, C(0xC02020));
            L.Fill(f.Sg(cx + r * 0.5f, cy + r * 0.6f, cx + r * 1.1f, cy + r * (open ? 1.0f : 0.8f), r * 0.1f), kInk);
            L.Fill(f.Sg(cx, cy - r * 0.8f, cx + r * 0.6f, cy - r * 1.8f, r * 0.06f), kInk);
            return;
        case kHeadBlock:
            Part(L, f, f.Bx(cx - r, cy - r, cx + r, cy + r, r * 0.2f), skin, 0.05f, 0.55f);
            L.Fill(f.Bx(cx + r * 0.1f, cy - r * 0.3f, cx + r * 0.9f, cy, r * 0.05f), k.detail);
            return;
        case kHeadWrapped:
            Part(L, f, f.Ci(cx, cy, r), C(0xD8CCB0), 0.05f);
            for (int i = -1; i <= 1; ++i) L.Fill(f.Sg(cx - r, cy + r * 0.35f * float(i), cx + r, cy + r * 0.35f * float(i) - r * 0.2f, r * 0.05f), C(0x9A8A6A));
            L.Fill(f.Ci(cx + r * 0.4f, cy - r * 0.1f, r * 0.18f), k.extras & kGlow ? k.detail : kInk);
            return;
        default: break;
    }
    // human-shaped heads
    const bool green = k.head == kHeadGoblin || k.head == kHeadOrc;
    Part(L, f, f.Ci(cx, cy, r), skin, 0.05f);
    if (k.head == kHeadGoblin) L.Fill(Grow(f.Pg({{cx - r * 0.3f, cy - r * 0.2f}, {cx - r * 1.6f, cy - r * 0.7f}, {cx - r * 0.6f, cy + r * 0.2f}}), 0.5f), skin);
    if (k.head == kHeadOrc && (k.extras & kTusks)) L.Fill(f.Pg({{cx + r * 0.5f, cy + r * 0.6f}, {cx + r * 0.65f, cy + r * 0.1f}, {cx + r * 0.8f, cy + r * 0.6f}}), kBone);
    // hair, hat or helmet
    if (k.head == kHeadHelm) {
        Part(L, f, Inter(f.Ci(cx, cy, r * 1.12f), f.Bx(cx - r * 2, cy - r * 2, cx + r * 2, cy + r * 0.15f)), C(0xA8ACB8), 0.04f, 0.6f);
        L.Fill(f.Bx(cx + r * 0.15f, cy - r * 0.15f, cx + r * 1.1f, cy + r * 0.05f), kInk);
        if (k.extras & kHorns) {
            Part(L, f, f.Pa({{cx - r * 0.6f, cy - r * 0.6f}, {cx - r * 1.1f, cy - r * 1.5f}}, r * 0.15f), kBone, 0.02f);
            Part(L, f, f.Pa({{cx + r * 0.4f, cy - r * 0.7f}, {cx + r * 0.7f, cy - r * 1.6f}}, r * 0.15f), kBone, 0.02f);
        }
        return;
    }
    if (k.head == kHeadHood) {
        Part(L, f, Sub(f.Ci(cx - r * 0.1f, cy - r * 0.05f, r * 1.2f), f.El(cx + r * 0.55f, cy + r * 0.25f, r * 0.55f / f.w * f.S(1), r * 0.7f / f.h * f.S(1))), k.cloth, 0.05f);
        Eye(L, f, cx + r * 0.45f, cy, r * 0.16f, k.extras & kGlow ? k.detail : kInk);
        return;
    }
    if (k.extras & kLongHair) {
        Part(L, f, Union(Inter(f.Ci(cx - r * 0.1f, cy - r * 0.15f, r * 1.08f), f.Bx(cx - r * 2, cy - r * 2, cx + r * 0.5f, cy + r * 2)),
                         f.Bx(cx - r * 1.05f, cy - r * 0.3f, cx - r * 0.1f, cy + r * 1.5f, r * 0.3f)),
             k.detail, 0.04f);
    } else if (!(k.extras & kHat) && k.head != kHeadHorned && !green) {
        L.Fill(Inter(f.Ci(cx - r * 0.08f, cy - r * 0.2f, r * 1.02f), f.Bx(cx - r * 2, cy - r * 2, cx + r * 2, cy - r * 0.25f)), k.detail);
    }
    if (k.extras & kHat) {
        Part(L, f, f.El(cx, cy - r * 0.55f, r * 1.6f / f.w * f.S(1), r * 0.3f / f.h * f.S(1)), k.cloth, 0.03f);
        Part(L, f, f.Bx(cx - r * 0.7f, cy - r * 1.5f, cx + r * 0.7f, cy - r * 0.5f, r * 0.25f), k.cloth, 0.03f);
    }
    if (k.extras & kCrown) sym::Crown(L, f.X(cx), f.Y(cy - r * 0.9f), f.S(r * 1.6f), C(0xE0B840));
    if (k.head == kHeadHorned || (k.extras & kHorns)) {
        Part(L, f, f.Pa({{cx - r * 0.5f, cy - r * 0.7f}, {cx - r * 0.9f, cy - r * 1.6f}}, r * 0.15f), kBone, 0.02f);
        Part(L, f, f.Pa({{cx + r * 0.2f, cy - r * 0.8f}, {cx + r * 0.5f, cy - r * 1.7f}}, r * 0.15f), kBone, 0.02f);
    }
    if (k.extras & kBeard) L.Fill(Grow(f.Pg({{cx - r * 0.2f, cy + r * 0.35f}, {cx + r * 0.95f, cy + r * 0.25f}, {cx + r * 0.4f, cy + r * 1.35f}}), 0.5f), k.detail);
    Eye(L, f, cx + r * 0.45f, cy - r * 0.05f, r * 0.16f, k.extras & kGlow ? k.detail : kInk);
    if (open) L.Fill(f.Ci(cx + r * 0.65f, cy + r * 0.5f, r * 0.15f), C(0x5A1010));
}

void Biped(Layer& L, const Fr& f, const Look& k, Pose pose) {
    const bool bow = k.weapon == kWeaponBow;
    const Stance st = StanceOf(pose, bow);
    const float H = k.height, ground = 0.97f;
    const float hip = ground - 0.38f * H, shoulder = ground - 0.68f * H;
    const float r = 0.12f * H;  // the head's radius
    const float headV = shoulder - r * 0.95f;
    const float cx = 0.5f + st.lean, half = 0.12f * k.bulk;
    const Col legs = k.extras & kArmour ? C(0x9A9EA8) : Darken(k.cloth, 0.35f);
    const Col body = k.extras & kArmour ? C(0xB0B4BE) : k.cloth;
    // behind the body: wings, cape, tail, the far arm
    if (k.extras & kWings) {
        const Col wing = Darken(k.skin, 0.2f);
        Part(L, f, f.Pg({{cx - 0.05f, shoulder + 0.04f}, {cx - 0.42f, shoulder - 0.22f}, {cx - 0.38f, shoulder + 0.06f},
                         {cx - 0.44f, shoulder + 0.18f}, {cx - 0.06f, hip - 0.02f}}),
             wing, 0.05f);
        for (float t : {0.3f, 0.6f}) L.Fill(f.Sg(cx - 0.05f, shoulder + 0.05f, cx - 0.4f, shoulder - 0.2f + t * 0.35f, 0.012f), Darken(wing, 0.4f));
    }
    if (k.extras & kCape)
        Part(L, f, f.Pg({{cx - half * 0.6f, shoulder}, {cx + half * 0.3f, shoulder}, {cx - half - 0.06f, ground - 0.04f}, {cx - half - 0.2f, ground - 0.02f}}),
             k.detail, 0.04f);
    if (k.extras & kTail) Part(L, f, f.Pa({{cx - half, hip}, {cx - half - 0.14f, hip + 0.1f}, {cx - half - 0.22f, hip - 0.06f}}, 0.03f), k.skin, 0.03f);
    const float armR = 0.045f * k.bulk * H;
    Part(L, f, f.Sg(cx - half * 0.5f, shoulder + 0.03f, st.backHandU + st.lean, st.backHandV, armR), Darken(k.extras & kArmour ? body : k.skin, 0.15f), 0.03f);
    // legs, or the skirt of a robe
    if (k.extras & kRobe) {
        Part(L, f, f.Pg({{cx - half, hip - 0.06f}, {cx + half, hip - 0.06f}, {cx + half + 0.08f, ground}, {cx - half - 0.08f, ground}}), body, 0.06f);
    } else {
        const float legR = 0.055f * k.bulk * H;
        Part(L, f, f.Sg(cx - half * 0.45f, hip, st.backFootU, ground - legR, legR), Darken(legs, 0.15f), 0.03f);
        Part(L, f, f.Sg(cx + half * 0.45f, hip, st.frontFootU, ground - legR, legR), legs, 0.03f);
        L.Fill(f.El(st.backFootU + 0.02f, ground - legR * 0.6f, legR * 1.4f, legR * 0.7f), C(0x3A2414));
        L.Fill(f.El(st.frontFootU + 0.03f, ground - legR * 0.6f, legR * 1.4f, legR * 0.7f), C(0x3A2414));
    }
    // the body, the shield, the head
    Part(L, f, f.Bx(cx - half, shoulder, cx + half, hip + 0.02f, 0.06f * H), body, 0.08f);
    if (!(k.extras & kRobe)) L.Fill(f.Bx(cx - half, hip - 0.04f, cx + half, hip - 0.01f), Darken(body, 0.45f));
    if (k.extras & kRags)
        for (int i = 0; i < 3; ++i) L.Fill(f.Pg({{cx - half + 0.08f * float(i), hip + 0.02f}, {cx - half + 0.08f * float(i) + 0.08f, hip + 0.02f}, {cx - half + 0.08f * float(i) + 0.04f, hip + 0.08f}}), body);
    if (k.extras & kShield) {
        const float su = cx - half * 0.2f, sv = (shoulder + hip) * 0.5f;
        Part(L, f, f.Pg({{su - 0.1f, sv - 0.11f}, {su + 0.1f, sv - 0.11f}, {su + 0.1f, sv + 0.02f}, {su, sv + 0.14f}, {su - 0.1f, sv + 0.02f}}), k.detail, 0.06f, 0.55f);
        L.Fill(f.Sg(su, sv - 0.09f, su, sv + 0.1f, 0.012f), Darken(k.detail, 0.4f));
    }
    Head(L, f, k, cx + 0.01f, headV, r, pose == kPoseStrike || pose == kPoseDanger);
    // the near arm and what it holds
    const float hu = st.handU + st.lean, hv = st.handV;
    int weapon = k.weapon;
    if (pose == kPoseCast) weapon = kWeaponNone;
    if ((pose == kPoseAim || pose == kPoseShoot) && weapon != kWeaponBow) weapon = kWeaponBow;
    const bool weaponBehind = weapon == kWeaponBow;
    if (weaponBehind) {
        HeldWeapon(L, f, weapon, hu, hv, 0);
        if (pose == kPoseAim) {  // the string drawn back with an arrow on it
            L.Fill(f.Sg(hu - 0.12f, hv - 0.2f, st.backHandU, st.backHandV, 0.008f), C(0xE8E8E0));
            L.Fill(f.Sg(hu - 0.12f, hv + 0.2f, st.backHandU, st.backHandV, 0.008f), C(0xE8E8E0));
            L.Fill(f.Sg(st.backHandU, st.backHandV, hu + 0.1f, hv, 0.015f), C(0xA07844));
        } else {
            L.Fill(f.Sg(hu - 0.12f, hv - 0.2f, hu - 0.12f, hv + 0.2f, 0.008f), C(0xE8E8E0));
            if (pose == kPoseShoot) L.Fill(f.Sg(hu + 0.1f, hv - 0.02f, 0.98f, hv - 0.05f, 0.015f), C(0xA07844));
        }
    }
    Part(L, f, f.Sg(cx + half * 0.4f, shoulder + 0.03f, hu, hv, armR), k.extras & kArmour ? body : k.skin, 0.03f);
    if (weapon != kWeaponNone && !weaponBehind) HeldWeapon(L, f, weapon, hu, hv, st.weaponDeg);
    if (pose == kPoseCast) {
        sym::StarShape(L, f.X(hu + 0.05f), f.Y(hv - 0.06f), f.S(0.22f), 4, C(0x9AE0FF));
        sym::StarShape(L, f.X(st.backHandU - 0.02f), f.Y(st.backHandV - 0.06f), f.S(0.16f), 4, C(0xC8F0FF));
    }
    if (pose == kPoseStrike && weapon == kWeaponNone)  // a fist flying, with the blow's flash
        sym::StarShape(L, f.X(hu + 0.08f), f.Y(hv), f.S(0.16f), 6, C(0xFFF0A0));
}

// ---------------------------------------------------------------- four legs

void Quadruped(Layer& L, const Fr& f, const Look& k, bool strike) {
    const int beast = k.head;
    const float legLen = beast == kBeastRat || beast == kBeastLizard ? 0.14f : beast == kBeastHorse || beast == kBeastDeer ? 0.36f : 0.26f;
    const float bodyV = 0.95f - legLen - 0.12f * k.bulk;
    const float bodyR = 0.28f, bodyH = 0.14f * k.bulk;
    const float lean = strike ? 0.05f : 0.0f;
    const Col fur = k.skin, far = Darken(k.skin, 0.25f);
    // tail
    switch (beast) {
        case kBeastRat:
        case kBeastLizard:
            Part(L, f, f.Pa({{0.24f, bodyV}, {0.1f, bodyV + 0.12f}, {0.02f, bodyV + 0.06f}}, beast == kBeastLizard ? 0.04f : 0.015f), beast == kBeastRat ? C(0xD8A0A0) : fur, 0.03f);
            break;
        case kBeastBear:
        case kBeastDeer:
        case kBeastBoar: break;
        default:
            Part(L, f, f.Pa({{0.22f, bodyV - 0.02f}, {0.1f, bodyV - 0.06f}, {0.05f, bodyV - 0.2f}}, beast == kBeastDog ? 0.05f : 0.03f), fur, 0.03f);
            break;
    }
    const float legR = 0.045f * k.bulk;
    // far legs, then near legs; a striking beast rears one fore leg
    Part(L, f, f.Sg(0.3f, bodyV, 0.28f, 0.95f - legR, legR), far, 0.03f);
    Part(L, f, f.Sg(0.62f + lean, bodyV, strike ? 0.78f : 0.6f, strike ? 0.72f : 0.95f - legR, legR), far, 0.03f);
    Part(L, f, f.El(0.46f + lean * 0.5f, bodyV, bodyR, bodyH), fur, 0.09f, 0.4f);
    if (k.extras & kSpots)
        for (int i = 0; i < 5; ++i) L.Fill(f.Ci(0.3f + 0.07f * float(i), bodyV - 0.02f + 0.03f * float(i % 2), 0.025f), Darken(fur, 0.4f));
    if (k.extras & kMane) Part(L, f, f.Ci(0.68f + lean, bodyV - 0.08f, 0.13f), k.cloth, 0.06f, 0.3f);
    Part(L, f, f.Sg(0.36f, bodyV, 0.36f, 0.95f - legR, legR), fur, 0.03f);
    Part(L, f, f.Sg(0.66f + lean, bodyV, strike ? 0.86f : 0.68f, strike ? 0.78f : 0.95f - legR, legR), fur, 0.03f);
    // neck and head
    const float hr = beast == kBeastRat ? 0.09f : beast == kBeastBear ? 0.13f : 0.11f;
    const float hu = 0.76f + lean * 2, hv = strike ? bodyV - 0.02f : bodyV - 0.1f - (beast == kBeastHorse || beast == kBeastDeer ? 0.12f : 0.0f);
    if (beast == kBeastHorse || beast == kBeastDeer) Part(L, f, f.Sg(0.66f, bodyV - 0.04f, hu, hv, 0.07f), fur, 0.04f);
    Look head = k;
    head.head = beast == kBeastBear ? kHeadCat : beast == kBeastCat ? kHeadCat : beast == kBeastBoar ? kHeadPig
              : beast == kBeastLizard ? kHeadLizard : beast == kBeastBull ? kHeadBull : kHeadWolf;
    Head(L, f, head, hu, hv, hr, strike);
    if (beast == kBeastDeer && (k.extras & kHorns)) {
        for (float d : {-0.04f, 0.02f}) {
            L.Fill(f.Pa({{hu + d, hv - hr * 0.7f}, {hu + d - 0.04f, hv - hr * 2.2f}, {hu + d - 0.09f, hv - hr * 2.6f}}, 0.012f), C(0x8A6A40));
            L.Fill(f.Sg(hu + d - 0.04f, hv - hr * 1.8f, hu + d + 0.03f, hv - hr * 2.4f, 0.01f), C(0x8A6A40));
        }
    }
    if (beast == kBeastBoar || (k.extras & kTusks)) L.Fill(f.Pg({{hu + hr * 1.1f, hv + hr * 0.6f}, {hu + hr * 1.4f, hv - hr * 0.1f}, {hu + hr * 1.25f, hv + hr * 0.7f}}), kBone);
}

// ---------------------------------------------------------------- serpents and worms

void Serpent(Layer& L, const Fr& f, const Look& k, bool strike, bool worm) {
    const float t = worm ? 0.1f : 0.065f * k.bulk;
    const float headU = strike ? 0.86f : 0.74f, headV = strike ? 0.5f : 0.4f;
    Path body = f.Pa({{0.06f, 0.86f}, {0.25f, 0.74f}, {0.45f, 0.86f}, {0.62f, 0.78f}, {headU - 0.06f, headV + 0.12f}, {headU, headV}}, t);
    L.Fill(Grow(body, std::max(0.8f, f.S(0.03f))), kInk);
    L.Fill(body, k.skin);
    Path belly = f.Pa({{0.06f, 0.87f}, {0.25f, 0.76f}, {0.45f, 0.88f}, {0.62f, 0.8f}}, t * 0.35f);
    L.Fill(Move(belly, 0, f.S(t * 0.4f)), k.cloth);
    if (worm) {
        for (float u : {0.15f, 0.3f, 0.45f, 0.6f}) L.Fill(f.Sg(u, 0.7f, u + 0.02f, 0.95f, 0.01f), Darken(k.skin, 0.35f));
        Part(L, f, f.Ci(headU, headV, 0.13f), k.skin, 0.06f);
        L.Fill(f.Ci(headU + 0.05f, headV, strike ? 0.08f : 0.05f), C(0x3A0A0A));
        for (int i = 0; i < 6; ++i) {
            const float a = float(i) * 1.047f;
            L.Fill(f.Ci(headU + 0.05f + 0.06f * std::cos(a), headV + 0.06f * std::sin(a), 0.015f), kBone);
        }
        return;
    }
    Part(L, f, f.El(headU + 0.03f, headV, 0.1f, 0.07f), k.skin, 0.04f);
    Eye(L, f, headU + 0.05f, headV - 0.03f, 0.025f, k.extras & kGlow ? k.detail : C(0xE8D020));
    if (strike) {
        L.Fill(f.Pg({{headU + 0.06f, headV + 0.02f}, {headU + 0.16f, headV - 0.02f}, {headU + 0.16f, headV + 0.08f}}), C(0x6A1010));
        L.Fill(f.Pg({{headU + 0.1f, headV + 0.01f}, {headU + 0.11f, headV + 0.06f}, {headU + 0.12f, headV + 0.005f}}), kBone);
    }
    L.Fill(f.Pa({{headU + 0.12f, headV + 0.02f}, {headU + 0.2f, headV + 0.02f}, {headU + 0.23f, headV - 0.01f}}, 0.008f), C(0xD02030));
}

// ---------------------------------------------------------------- flyers

void Flyer(Layer& L, const Fr& f, const Look& k, bool strike, bool bat) {
    const float up = strike ? -0.08f : 0.0f;
    const Col wing = bat ? Darken(k.skin, 0.15f) : k.cloth;
    // the far wing, raised
    Part(L, f, f.Pg({{0.46f, 0.46f + up}, {0.2f, 0.08f + up}, {0.06f, 0.2f + up}, {0.3f, 0.5f}}), Darken(wing, 0.25f), 0.04f);
    Part(L, f, f.El(0.5f, 0.52f, bat ? 0.12f : 0.16f, 0.12f), k.skin, 0.07f);
    Look head = k;
    head.head = bat ? kHeadCat : kHeadBird;
    Head(L, f, head, 0.68f, 0.38f, bat ? 0.08f : 0.09f, strike);
    if (bat) {  // the near wing, a membrane on fingers
        Part(L, f, f.Pg({{0.5f, 0.5f}, {0.85f, 0.2f + up}, {0.95f, 0.42f + up}, {0.85f, 0.5f}, {0.78f, 0.45f}, {0.7f, 0.62f}}), wing, 0.04f);
    } else {
        Part(L, f, f.Pg({{0.42f, 0.5f}, {0.2f, 0.3f + up}, {0.1f, 0.44f + up}, {0.34f, 0.62f}}), wing, 0.04f);
        Part(L, f, f.Pg({{0.36f, 0.58f}, {0.16f, 0.66f}, {0.36f, 0.66f}}), Darken(k.cloth, 0.2f), 0.02f);  // tail feathers
    }
    const float talon = strike ? 0.72f : 0.52f;
    L.Fill(f.Sg(0.5f, 0.62f, talon, 0.8f, 0.02f), k.detail);
    L.Fill(f.Sg(0.54f, 0.62f, talon + 0.05f, 0.78f, 0.02f), k.detail);
}

// ---------------------------------------------------------------- many legs

void Bug(Layer& L, const Fr& f, const Look& k, bool strike, BodyPlan plan) {
    const bool spider = plan == kPlanSpider, scorpion = plan == kPlanScorpion;
    const Col shell = k.skin, dark = Darken(k.skin, 0.45f);
    const int pairs = spider ? 4 : 3;
    auto legs = [&](bool near) {
        for (int i = 0; i < pairs; ++i) {
            const float base = 0.45f + 0.07f * float(i);
            const float knee = base + (float(i) - 1.5f) * 0.09f, kneeV = spider ? 0.42f : 0.55f;
            const float footU = knee + (float(i) - 1.5f) * 0.06f + (near ? 0.02f : -0.02f);
            const bool raised = strike && i == pairs - 1;
            // a spider's legs stay a pixel thick however wide its picture
            const float thin = near ? 0.02f : 0.016f;
            const float thick = spider ? std::max(thin, (near ? 1.2f : 1.0f) / std::min(f.w, f.h)) : thin;
            L.Fill(f.Pa({{base, 0.65f}, {knee, raised ? 0.3f : kneeV}, {raised ? footU + 0.1f : footU, raised ? 0.4f : 0.92f}}, thick),
                   near ? dark : Darken(dark, 0.3f));
        }
    };
    legs(false);
    if (scorpion) {  // the tail curled over the back, the sting toward the front
        Path tail = f.Pa({{0.3f, 0.62f}, {0.12f, 0.5f}, {0.14f, 0.24f}, {0.32f, strike ? 0.1f : 0.16f}, {strike ? 0.5f : 0.42f, strike ? 0.22f : 0.24f}}, 0.04f);
        L.Fill(Grow(tail, 0.8f), kInk);
        L.Fill(tail, shell);
        L.Fill(f.Pg({{strike ? 0.5f : 0.42f, strike ? 0.22f : 0.24f}, {strike ? 0.6f : 0.5f, strike ? 0.28f : 0.32f}, {strike ? 0.52f : 0.44f, strike ? 0.3f : 0.3f}}), kInk);
    }
    if (spider) {
        // a round abdomen, also in a picture two squares wide
        const float wide = std::clamp(0.6f + 0.4f * f.w / f.h, 1.0f, 1.45f);
        Part(L, f, f.El(0.34f, 0.56f - 0.04f * (wide - 1.0f), 0.2f / wide, 0.18f * wide), shell, 0.09f, 0.4f);
        L.Fill(f.Sg(0.24f, 0.5f, 0.42f, 0.5f, 0.015f), k.detail);
        Part(L, f, f.El(0.6f, 0.62f, 0.12f, 0.11f), shell, 0.05f);
        for (int i = 0; i < 4; ++i) L.Fill(f.Ci(0.64f + 0.025f * float(i % 2), 0.57f + 0.03f * float(i / 2), 0.016f), C(0xE02020));
        L.Fill(f.Pg({{0.68f, 0.68f}, {0.72f, strike ? 0.84f : 0.78f}, {0.64f, 0.7f}}), kBone);
    } else {
        Part(L, f, f.El(0.3f, 0.6f, 0.17f, 0.11f), shell, 0.07f, 0.5f);
        Part(L, f, f.El(0.5f, 0.6f, 0.08f, 0.08f), Darken(shell, 0.1f), 0.04f);
        Look head = k;
        head.head = kHeadInsect;
        Head(L, f, head, 0.64f, 0.56f, 0.07f, strike);
        if (k.extras & kWings)
            L.Fill(f.El(0.36f, 0.42f, 0.16f, 0.07f), C(0xE0F0F8), 0.7f);
        if (scorpion) {
            Part(L, f, f.Pa({{0.68f, 0.6f}, {0.8f, strike ? 0.5f : 0.58f}, {0.86f, strike ? 0.46f : 0.55f}}, 0.025f), shell, 0.03f);
            L.Fill(f.Ci(0.88f, strike ? 0.44f : 0.54f, 0.04f), dark);
        }
    }
    legs(true);
}

// ---------------------------------------------------------------- shapeless things

void Blob(Layer& L, const Fr& f, const Look& k, bool strike) {
    auto body = [&](float x, float y) {
        float d = Ellipse(f.X(0.48f), f.Y(0.72f), f.w * 0.36f, f.h * 0.26f)(x, y);
        d = std::min(d, Ellipse(f.X(0.5f), f.Y(0.55f), f.w * 0.22f, f.h * 0.2f)(x, y));
        if (strike) d = std::min(d, Seg(f.X(0.5f), f.Y(0.68f), f.X(0.88f), f.Y(0.56f), f.S(0.09f))(x, y));
        return d;
    };
    L.Fill(Grow(body, std::max(0.8f, f.S(0.03f))), Darken(k.skin, 0.6f));
    L.Emboss(body, k.skin, f.S(0.2f), 0.55f);
    L.Fill(f.El(0.38f, 0.52f, 0.06f, 0.05f), Lighten(k.skin, 0.6f), 0.8f);
    for (int i = 0; i < 3; ++i) L.Fill(f.Ci(0.25f + 0.22f * float(i), 0.8f + 0.04f * float(i % 2), 0.02f), Lighten(k.skin, 0.3f));
    Eye(L, f, 0.52f, 0.55f, 0.04f, k.detail);
    Eye(L, f, 0.62f, 0.56f, 0.035f, k.detail);
    if (k.extras & kSpots) L.Fill(f.Ci(0.4f, 0.72f, 0.05f), Darken(k.skin, 0.3f));
}

void Ghost(Layer& L, const Fr& f, const Look& k, bool strike) {
    const float reach = strike ? 0.22f : 0.0f;
    auto body = [&](float x, float y) {
        float d = Ellipse(f.X(0.52f), f.Y(0.3f), f.w * 0.16f, f.h * 0.17f)(x, y);
        d = std::min(d, Poly{{{f.X(0.38f), f.Y(0.32f)}, {f.X(0.66f), f.Y(0.32f)}, {f.X(0.6f), f.Y(0.74f)}, {f.X(0.3f), f.Y(0.95f)}, {f.X(0.24f), f.Y(0.7f)}}}(x, y));
        return d + std::sin(y * 0.9f) * 0.4f;
    };
    L.Fill(Grow(body, 1.0f), Darken(k.skin, 0.55f));
    L.Emboss(body, k.skin, f.S(0.15f), 0.35f);
    Part(L, f, f.Pa({{0.58f, 0.42f}, {0.72f + reach, 0.48f - reach * 0.5f}, {0.8f + reach, 0.44f - reach * 0.4f}}, 0.035f), k.skin, 0.03f, 0.3f);
    L.Fill(f.El(0.56f, 0.28f, 0.035f, 0.05f), kInk);
    L.Fill(f.El(0.64f, 0.28f, 0.03f, 0.045f), kInk);
    L.Fill(f.Ci(0.565f, 0.28f, 0.015f), k.detail);
    L.Fill(f.Ci(0.645f, 0.28f, 0.013f), k.detail);
    L.Fill(f.El(0.61f, 0.38f, 0.03f, strike ? 0.05f : 0.025f), kInk);
    if (k.extras & kRags)
        for (int i = 0; i < 3; ++i) L.Fill(f.Sg(0.3f + 0.08f * float(i), 0.7f, 0.24f + 0.08f * float(i), 0.92f, 0.012f), Darken(k.skin, 0.35f));
}

void Elemental(Layer& L, const Fr& f, const Look& k, bool strike, BodyPlan plan) {
    const float lean = strike ? 0.08f : 0.0f;
    if (plan == kPlanFlame) {
        sym::Flame(L, f.X(0.5f + lean * 0.5f), f.Y(0.55f), f.S(0.95f));
        if (strike) sym::Flame(L, f.X(0.85f), f.Y(0.5f), f.S(0.35f));
    } else if (plan == kPlanWave) {
        Part(L, f, f.Pg({{0.18f, 0.95f}, {0.3f, 0.4f}, {0.5f + lean, 0.12f}, {0.74f + lean, 0.3f}, {0.62f + lean, 0.36f}, {0.82f, 0.95f}}), k.skin, 0.12f, 0.5f);
        for (int i = 0; i < 3; ++i) L.Fill(f.Sg(0.3f + 0.12f * float(i), 0.55f + 0.1f * float(i), 0.42f + 0.12f * float(i), 0.5f + 0.1f * float(i), 0.012f), Lighten(k.skin, 0.6f));
    } else {
        for (int i = 0; i < 4; ++i)
            L.Fill(Ring(f.El(0.5f + lean * float(i) * 0.3f, 0.25f + 0.17f * float(i), 0.1f + 0.06f * float(i), 0.07f), f.S(0.025f)),
                   Mix(k.skin, kWhite, 0.2f * float(i)));
        L.Fill(f.Sg(0.5f, 0.3f, 0.45f, 0.95f, 0.02f), k.skin, 0.7f);
    }
    Eye(L, f, 0.5f + lean, 0.42f, 0.035f, plan == kPlanFlame ? C(0xFFFFC0) : kInk);
    Eye(L, f, 0.6f + lean, 0.42f, 0.03f, plan == kPlanFlame ? C(0xFFFFC0) : kInk);
}

// ---------------------------------------------------------------- dragons

void Dragon(Layer& L, const Fr& f, const Look& k, bool strike) {
    const Col scale = k.skin, belly = k.cloth;
    // far wing, tail, body, legs, near wing, neck and head
    Part(L, f, f.Pg({{0.44f, 0.42f}, {0.3f, 0.05f}, {0.14f, 0.14f}, {0.22f, 0.44f}}), Darken(scale, 0.3f), 0.05f);
    Part(L, f, f.Pa({{0.24f, 0.6f}, {0.1f, 0.72f}, {0.04f, 0.56f}}, 0.05f), scale, 0.04f);
    L.Fill(f.Pg({{0.0f, 0.52f}, {0.07f, 0.5f}, {0.04f, 0.6f}}), Darken(scale, 0.4f));
    Part(L, f, f.Sg(0.32f, 0.62f, 0.3f, 0.92f, 0.05f), Darken(scale, 0.25f), 0.03f);
    Part(L, f, f.Sg(0.56f, 0.62f, 0.58f, 0.92f, 0.05f), Darken(scale, 0.25f), 0.03f);
    Part(L, f, f.El(0.44f, 0.6f, 0.24f, 0.14f), scale, 0.08f);
    L.Fill(f.El(0.46f, 0.68f, 0.18f, 0.05f), belly);
    Part(L, f, f.Sg(0.38f, 0.66f, 0.36f, 0.93f, 0.05f), scale, 0.03f);
    Part(L, f, f.Sg(0.62f, 0.66f, 0.66f, 0.93f, 0.05f), scale, 0.03f);
    Part(L, f, f.Pg({{0.46f, 0.46f}, {0.42f, 0.02f}, {0.26f, 0.12f}, {0.18f, 0.34f}, {0.34f, 0.46f}}), Darken(scale, 0.1f), 0.05f);
    for (float t : {0.35f, 0.6f}) L.Fill(f.Sg(0.45f, 0.45f, 0.42f - t * 0.24f, 0.05f + t * 0.3f, 0.01f), Darken(scale, 0.45f));
    const float hu = strike ? 0.82f : 0.78f, hv = strike ? 0.36f : 0.26f;
    Part(L, f, f.Pa({{0.6f, 0.56f}, {0.7f, 0.4f}, {hu - 0.04f, hv + 0.04f}}, 0.05f), scale, 0.04f);
    Look head = k;
    head.head = kHeadLizard;
    head.extras |= kGlow;
    Head(L, f, head, hu, hv, 0.08f, strike);
    L.Fill(f.Pg({{hu - 0.04f, hv - 0.05f}, {hu - 0.1f, hv - 0.16f}, {hu, hv - 0.07f}}), kBone);
    if (strike) {  // breath
        const Col breath = k.detail;
        L.Fill(f.Pg({{hu + 0.1f, hv + 0.03f}, {1.0f, hv - 0.08f}, {1.0f, hv + 0.16f}}), breath, 0.95f);
        L.Fill(f.Pg({{hu + 0.1f, hv + 0.03f}, {0.98f, hv}, {0.98f, hv + 0.07f}}), Lighten(breath, 0.6f));
    }
}

// ---------------------------------------------------------------- creatures of the water

void Fish(Layer& L, const Fr& f, const Look& k, bool strike) {
    Part(L, f, f.Pg({{0.24f, 0.55f}, {0.06f, 0.36f}, {0.08f, 0.74f}}), Darken(k.skin, 0.15f), 0.03f);
    Part(L, f, f.Pg({{0.44f, 0.42f}, {0.52f, 0.24f}, {0.6f, 0.42f}}), Darken(k.skin, 0.2f), 0.03f);
    Part(L, f, f.El(0.5f, 0.56f, 0.3f, 0.15f), k.skin, 0.09f, 0.5f);
    L.Fill(f.El(0.52f, 0.64f, 0.22f, 0.05f), k.cloth);
    Eye(L, f, 0.68f, 0.5f, 0.035f, kInk);
    if (strike) {
        L.Fill(f.Pg({{0.8f, 0.56f}, {0.9f, 0.48f}, {0.9f, 0.66f}}), C(0x4A0A0A));
        for (int i = 0; i < 3; ++i) L.Fill(f.Pg({{0.8f + 0.03f * float(i), 0.52f}, {0.815f + 0.03f * float(i), 0.57f}, {0.83f + 0.03f * float(i), 0.52f}}), kWhite);
    }
    for (float u : {0.34f, 0.42f}) L.Fill(f.Sg(u, 0.48f, u + 0.02f, 0.62f, 0.008f), Darken(k.skin, 0.3f));
}

void Crab(Layer& L, const Fr& f, const Look& k, bool strike) {
    for (int i = 0; i < 3; ++i) {
        L.Fill(f.Pa({{0.36f, 0.66f}, {0.22f - 0.04f * float(i), 0.6f + 0.08f * float(i)}, {0.16f - 0.04f * float(i), 0.9f}}, 0.02f), Darken(k.skin, 0.3f));
        L.Fill(f.Pa({{0.64f, 0.66f}, {0.78f + 0.04f * float(i), 0.6f + 0.08f * float(i)}, {0.84f + 0.04f * float(i), 0.9f}}, 0.02f), Darken(k.skin, 0.3f));
    }
    Part(L, f, f.El(0.5f, 0.66f, 0.24f, 0.14f), k.skin, 0.08f, 0.5f);
    const float up = strike ? -0.16f : 0.0f;
    for (float s : {-1.0f, 1.0f}) {
        const float u = 0.5f + s * 0.3f;
        Part(L, f, f.Sg(0.5f + s * 0.16f, 0.58f, u, 0.42f + up, 0.025f), k.skin, 0.03f);
        Part(L, f, f.Ci(u, 0.34f + up, 0.08f), Lighten(k.skin, 0.1f), 0.04f);
        L.Fill(f.Pg({{u, 0.34f + up}, {u + s * 0.1f, 0.24f + up}, {u + s * 0.1f, 0.36f + up}}), kInk);
    }
    L.Fill(f.Sg(0.44f, 0.54f, 0.42f, 0.46f, 0.01f), kInk);
    L.Fill(f.Sg(0.56f, 0.54f, 0.58f, 0.46f, 0.01f), kInk);
    Eye(L, f, 0.42f, 0.45f, 0.025f, kInk);
    Eye(L, f, 0.58f, 0.45f, 0.025f, kInk);
}

void Octopus(Layer& L, const Fr& f, const Look& k, bool strike) {
    for (int i = 0; i < 6; ++i) {
        const float u = 0.22f + 0.11f * float(i);
        const float reach = strike && i >= 4 ? 0.2f : 0.0f;
        L.Fill(f.Pa({{u, 0.56f}, {u + 0.05f + reach, 0.78f - reach}, {u - 0.02f + reach * 1.5f, 0.95f - reach}}, 0.035f), Darken(k.skin, 0.1f));
    }
    Part(L, f, Union(f.El(0.5f, 0.38f, 0.22f, 0.28f), f.El(0.5f, 0.56f, 0.26f, 0.08f)), k.skin, 0.12f, 0.5f);
    Eye(L, f, 0.58f, 0.44f, 0.05f, k.detail);
    for (int i = 0; i < 4; ++i) L.Fill(f.Ci(0.4f + 0.06f * float(i), 0.25f + 0.05f * float(i % 2), 0.02f), Lighten(k.skin, 0.3f));
}

// ---------------------------------------------------------------- plants and trees

void Plant(Layer& L, const Fr& f, const Look& k, bool strike) {
    const float hu = strike ? 0.72f : 0.56f, hv = strike ? 0.32f : 0.24f;
    Part(L, f, f.Pa({{0.45f, 0.95f}, {0.42f, 0.7f}, {0.5f, 0.5f}, {hu - 0.08f, hv + 0.08f}}, 0.035f), C(0x4A8A2A), 0.03f);
    for (float s : {-1.0f, 1.0f})
        Part(L, f, f.El(0.45f + s * 0.14f, 0.82f, 0.13f, 0.05f), C(0x3C7A28), 0.04f);
    // the maw: two lobes with teeth, open toward the front when striking
    const float open = strike ? 0.12f : 0.05f;
    Part(L, f, f.El(hu, hv - open, 0.16f, 0.08f), k.skin, 0.05f);
    Part(L, f, f.El(hu, hv + open, 0.16f, 0.08f), k.skin, 0.05f);
    L.Fill(f.El(hu + 0.02f, hv, 0.12f, open), C(0x5A1010));
    for (int i = 0; i < 4; ++i) {
        const float u = hu - 0.08f + 0.055f * float(i);
        L.Fill(f.Pg({{u, hv - open + 0.02f}, {u + 0.025f, hv - open + 0.07f}, {u + 0.05f, hv - open + 0.02f}}), kBone);
        L.Fill(f.Pg({{u, hv + open - 0.02f}, {u + 0.025f, hv + open - 0.07f}, {u + 0.05f, hv + open - 0.02f}}), kBone);
    }
    if (k.extras & kSpots) L.Fill(f.Ci(hu - 0.04f, hv - open - 0.04f, 0.02f), k.detail);
}

void Treant(Layer& L, const Fr& f, const Look& k, bool strike) {
    const Col bark = k.skin;
    Part(L, f, f.Pg({{0.34f, 0.95f}, {0.4f, 0.3f}, {0.6f, 0.3f}, {0.66f, 0.95f}}), bark, 0.08f);
    Part(L, f, f.Pa({{0.58f, 0.4f}, {0.75f, strike ? 0.3f : 0.5f}, {strike ? 0.95f : 0.8f, strike ? 0.28f : 0.62f}}, 0.04f), bark, 0.03f);
    Part(L, f, f.Pa({{0.42f, 0.4f}, {0.26f, 0.5f}, {0.2f, 0.62f}}, 0.04f), Darken(bark, 0.2f), 0.03f);
    Part(L, f, Union(f.Ci(0.5f, 0.2f, 0.2f), Union(f.Ci(0.36f, 0.26f, 0.14f), f.Ci(0.64f, 0.26f, 0.14f))), k.cloth, 0.12f, 0.35f);
    Eye(L, f, 0.52f, 0.42f, 0.025f, k.detail);
    Eye(L, f, 0.6f, 0.42f, 0.025f, k.detail);
    L.Fill(f.Sg(0.52f, 0.52f, 0.6f, 0.52f, 0.015f), kInk);
}

// ---------------------------------------------------------------- the strange and the made

void EyeBeast(Layer& L, const Fr& f, const Look& k, bool strike) {
    for (int i = 0; i < 4; ++i)
        L.Fill(f.Pa({{0.42f + 0.06f * float(i), 0.68f}, {0.38f + 0.08f * float(i), 0.82f}, {0.44f + 0.07f * float(i), 0.95f}}, 0.022f), Darken(k.skin, 0.2f));
    for (int i = 0; i < 3; ++i) {
        const float u = 0.38f + 0.12f * float(i);
        L.Fill(f.Pa({{u, 0.3f}, {u - 0.04f, 0.14f}, {u + 0.02f, 0.06f}}, 0.015f), k.skin);
        Part(L, f, f.Ci(u + 0.02f, 0.06f, 0.035f), kWhite, 0.02f);
        L.Fill(f.Ci(u + 0.03f, 0.06f, 0.015f), kInk);
    }
    Part(L, f, f.Ci(0.5f, 0.48f, 0.24f), k.skin, 0.12f, 0.5f);
    Part(L, f, f.El(0.6f, 0.46f, 0.1f, 0.1f), kWhite, 0.04f);
    L.Fill(f.Ci(0.63f, 0.46f, 0.05f), k.detail);
    L.Fill(f.Ci(0.64f, 0.46f, 0.025f), kInk);
    L.Fill(f.El(0.58f, 0.62f, 0.1f, strike ? 0.05f : 0.02f), C(0x5A1010));
    if (strike) {
        L.Fill(f.Pg({{0.7f, 0.46f}, {1.0f, 0.36f}, {1.0f, 0.56f}}), Lighten(k.detail, 0.3f), 0.9f);
        L.Fill(f.Sg(0.7f, 0.46f, 1.0f, 0.46f, 0.015f), kWhite);
    }
}

void Robot(Layer& L, const Fr& f, const Look& k, bool strike) {
    const Col metal = k.skin;
    Part(L, f, f.Sg(0.42f, 0.66f, 0.38f, 0.93f, 0.05f), Darken(metal, 0.2f), 0.03f, 0.6f);
    Part(L, f, f.Sg(0.58f, 0.66f, 0.62f, 0.93f, 0.05f), metal, 0.03f, 0.6f);
    L.Fill(f.Bx(0.3f, 0.9f, 0.46f, 0.97f, 0.01f), kInk);
    L.Fill(f.Bx(0.55f, 0.9f, 0.72f, 0.97f, 0.01f), kInk);
    Part(L, f, f.Bx(0.3f, 0.36f, 0.7f, 0.7f, 0.04f), metal, 0.08f, 0.6f);
    L.Fill(f.Bx(0.38f, 0.44f, 0.62f, 0.58f, 0.02f), C(0x202830));
    for (int i = 0; i < 3; ++i) L.Fill(f.Ci(0.44f + 0.06f * float(i), 0.51f, 0.018f), Hsv(float(i) * 100, 0.7f, 0.95f));
    Part(L, f, f.Bx(0.38f, 0.14f, 0.66f, 0.34f, 0.04f), Lighten(metal, 0.1f), 0.06f, 0.6f);
    L.Fill(f.Bx(0.5f, 0.2f, 0.66f, 0.26f, 0.01f), k.detail);
    L.Fill(f.Sg(0.46f, 0.14f, 0.44f, 0.04f, 0.01f), kInk);
    L.Fill(f.Ci(0.44f, 0.04f, 0.025f), C(0xE02020));
    const float hu = strike ? 0.92f : 0.74f, hv = strike ? 0.42f : 0.66f;
    Part(L, f, f.Sg(0.66f, 0.42f, hu, hv, 0.04f), Darken(metal, 0.1f), 0.03f, 0.6f);
    if (strike) {
        L.Fill(f.Ci(0.97f, 0.42f, 0.05f), k.detail, 0.9f);
        L.Fill(f.Ci(0.97f, 0.42f, 0.025f), kWhite);
    }
}

void Frog(Layer& L, const Fr& f, const Look& k, bool strike) {
    Part(L, f, f.Pa({{0.3f, 0.8f}, {0.2f, 0.9f}, {0.36f, 0.94f}}, 0.05f), Darken(k.skin, 0.15f), 0.03f);
    Part(L, f, f.El(0.48f, 0.7f, 0.26f, 0.18f), k.skin, 0.1f, 0.45f);
    L.Fill(f.El(0.52f, 0.78f, 0.18f, 0.08f), k.cloth);
    for (float u : {0.5f, 0.64f}) {
        Part(L, f, f.Ci(u, 0.52f, 0.07f), k.skin, 0.04f);
        L.Fill(f.Ci(u + 0.01f, 0.51f, 0.04f), C(0xE8C020));
        L.Fill(f.El(u + 0.01f, 0.51f, 0.025f, 0.01f), kInk);
    }
    L.Fill(f.Sg(0.58f, 0.7f, 0.74f, 0.68f, 0.01f), kInk);
    if (k.extras & kSpots)
        for (int i = 0; i < 4; ++i) L.Fill(f.Ci(0.32f + 0.08f * float(i), 0.66f + 0.04f * float(i % 2), 0.025f), Darken(k.skin, 0.35f));
    if (strike) {
        L.Fill(f.Sg(0.72f, 0.7f, 0.96f, 0.6f, 0.02f), C(0xE04070));
        L.Fill(f.Ci(0.96f, 0.6f, 0.04f), C(0xE04070));
    }
    Part(L, f, f.Sg(0.6f, 0.82f, 0.7f, 0.94f, 0.03f), k.skin, 0.02f);
}

}  // namespace

void DrawCreature(Layer& L, const Look& k, float x0, float y0, float w, float h, bool striking) {
    const Fr f{x0, y0, w, h};
    switch (k.plan) {
        case kPlanBiped: Biped(L, f, k, striking ? kPoseStrike : kPoseStand); break;
        case kPlanQuadruped: Quadruped(L, f, k, striking); break;
        case kPlanSerpent: Serpent(L, f, k, striking, false); break;
        case kPlanWorm: Serpent(L, f, k, striking, true); break;
        case kPlanBird: Flyer(L, f, k, striking, false); break;
        case kPlanBat: Flyer(L, f, k, striking, true); break;
        case kPlanInsect:
        case kPlanSpider:
        case kPlanScorpion: Bug(L, f, k, striking, k.plan); break;
        case kPlanBlob: Blob(L, f, k, striking); break;
        case kPlanGhost: Ghost(L, f, k, striking); break;
        case kPlanFlame:
        case kPlanWave:
        case kPlanWhirl: Elemental(L, f, k, striking, k.plan); break;
        case kPlanDragon: Dragon(L, f, k, striking); break;
        case kPlanFish: Fish(L, f, k, striking); break;
        case kPlanCrab: Crab(L, f, k, striking); break;
        case kPlanOctopus: Octopus(L, f, k, striking); break;
        case kPlanPlant: Plant(L, f, k, striking); break;
        case kPlanTreant: Treant(L, f, k, striking); break;
        case kPlanEye: EyeBeast(L, f, k, striking); break;
        case kPlanRobot: Robot(L, f, k, striking); break;
        case kPlanFrog: Frog(L, f, k, striking); break;
    }
}

void DrawBipedPose(Layer& L, const Look& k, float x0, float y0, float w, float h, Pose pose) {
    Biped(L, Fr{x0, y0, w, h}, k, pose);
}

int ShieldOfItem(int item) {
    const struct {
        int16_t item, kind;
    } kShields[] = {{405, 0}, {406, 1}, {407, 2}, {408, 3},  {409, 4},  {410, 5},  {414, 6},  {427, 6}, {415, 7}, {644, 8},
                    {645, 9}, {646, 9}, {648, 9}, {647, 10}, {650, 10}, {655, 10}, {649, 11}, {651, 11}, {652, 11}};
    for (const auto& s : kShields)
        if (s.item == item) return s.kind;
    return -1;
}

void DrawShield(Layer& L, int kind, float cx, float cy, float size) {
    const Col colours[12] = {C(0x9A6A3A), C(0x2A4A9A), C(0xA02A2A), C(0x7A7A82), C(0xC8CCD4), C(0x3A3A40),
                             C(0xD8B040), C(0x2A2A2E), C(0x2A6AB0), C(0x3A8A3A), C(0x7A3A9A), C(0xD06020)};
    const Col c = colours[kind];
    const float k = size / 14.0f, bevel = 2.5f * k, line = std::max(1.0f, k);
    auto ink = [&](const auto& s) {
        L.Fill(Grow(s, line), kInk);
        L.Emboss(s, c, bevel, 0.6f);
    };
    switch (kind) {
        case 0:
        case 4:
            ink(Circle(cx, cy, (kind == 0 ? 6.5f : 5.5f) * k));
            L.Fill(Circle(cx, cy, 1.6f * k), kIron);
            if (kind == 0) L.Fill(Ring(Circle(cx, cy, 4.5f * k), 0.4f * k), Darken(c, 0.3f));
            break;
        case 3: ink(Box(cx - 5 * k, cy - 7.5f * k, cx + 5 * k, cy + 7.5f * k, 1.5f * k)); L.Fill(Seg(cx, cy - 6 * k, cx, cy + 6 * k, 0.5f * k), Lighten(c, 0.3f)); break;
        case 5:
            ink(Circle(cx, cy, 6 * k));
            L.Fill(Poly{Star(cx, cy, 4.5f * k, 1.2f * k, 4, 45)}, kWhite);
            break;
        default: {
            Poly heater{{{cx - 6 * k, cy - 7 * k}, {cx + 6 * k, cy - 7 * k}, {cx + 6 * k, cy}, {cx, cy + 7.5f * k}, {cx - 6 * k, cy}}};
            ink(heater);
            if (kind >= 6) L.Fill(Poly{Star(cx, cy - 1.5f * k, 3.5f * k, 1.5f * k, 5, 0)}, kind == 6 ? kWhite : kGold);
            else L.Fill(Seg(cx, cy - 6 * k, cx, cy + 6 * k, 0.7f * k), Lighten(c, 0.4f));
            break;
        }
    }
}

void DrawPolearmReach(Layer& L, float x0, float y0, float w, float h) {
    const Fr f{x0, y0, w, h};
    // the haft comes in from the left edge at the height of the striking hand
    L.Fill(f.Sg(-0.05f, 0.42f, 0.5f, 0.38f, 0.035f), kInk);
    L.Fill(f.Sg(-0.05f, 0.42f, 0.5f, 0.38f, 0.022f), C(0x82582F));
    Part(L, f, f.Pg({{0.78f, 0.36f}, {0.46f, 0.3f}, {0.46f, 0.45f}}), C(0xCED2DC), 0.03f, 0.6f);
    Part(L, f, f.Ci(0.44f, 0.46f, 0.08f), C(0xCED2DC), 0.03f, 0.6f);
}

}  // namespace art
