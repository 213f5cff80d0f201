// Small pictorial symbols shared by the icons, cards, shields and pages.
#pragma once

#include "draw.h"

namespace art {
// The dark brown of the lines on pages, boxes and interface pieces.
const Col kLine = Rgb(0x1E120A);
}  // namespace art

namespace art::sym {

const Col kOutline{30, 20, 12};

// Fills a shape with a dark outline of width w around it.
template <class S>
void Ink(Layer& L, const S& s, Col fill, Col line = kOutline, float w = 1.0f) {
    L.Fill(sdf::Grow(s, w), line);
    L.Fill(s, fill);
}
template <class S>
void InkEmboss(Layer& L, const S& s, Col fill, float bevel = 2.5f, float strength = 0.5f, Col line = kOutline) {
    L.Fill(sdf::Grow(s, 1.0f), line);
    L.Emboss(s, fill, bevel, strength);
}

// Each draws centred on (cx, cy) at a size that fills about `s` pixels across.
void Skull(Layer& L, float cx, float cy, float s, Col bone);
void Eye(Layer& L, float cx, float cy, float s, Col iris);
void Drop(Layer& L, float cx, float cy, float s, Col c);
void Flame(Layer& L, float cx, float cy, float s);
void Snowflake(Layer& L, float cx, float cy, float s, Col c);
void Bolt(Layer& L, float cx, float cy, float s, Col c);
void Heart(Layer& L, float cx, float cy, float s, Col c);
void StarShape(Layer& L, float cx, float cy, float s, int points, Col c);
void Moon(Layer& L, float cx, float cy, float s, Col c);
void Sun(Layer& L, float cx, float cy, float s, Col c);
void Hourglass(Layer& L, float cx, float cy, float s);
void Sword(Layer& L, float cx, float cy, float s, float angleDeg);
// A long, slim sword for large pictures; `length` from tip to pommel, pointing up at angle 0.
void LongSword(Layer& L, float cx, float cy, float length, float angleDeg);
void Crown(Layer& L, float cx, float cy, float s, Col c);
void Tower(Layer& L, float cx, float cy, float s, Col c);
void Ship(Layer& L, float cx, float cy, float s, Col hull, Col sail);
void Bird(Layer& L, float cx, float cy, float s, Col c);
void Laurel(Layer& L, float cx, float cy, float s, Col c);
void Axe(Layer& L, float cx, float cy, float s);
void HeaterShield(Layer& L, float cx, float cy, float s, Col c);
void Key(Layer& L, float cx, float cy, float s, Col c);
// A hanging lantern, lit; `s` is its height from ring to base.
void Lantern(Layer& L, float cx, float cy, float s, Col frame, Col light);
// A thorny stem lying across, `s` long.
void ThornBranch(Layer& L, float cx, float cy, float s, Col c);
void Potion(Layer& L, float cx, float cy, float s, Col liquid);
void Coin(Layer& L, float cx, float cy, float s);

}  // namespace art::sym
