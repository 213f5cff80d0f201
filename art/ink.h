// The ink every drawn thing shares: outline and material colours, and the outlined fill lit
// from the upper left that tiles, creatures and items are made of.
#pragma once

#include "draw.h"

namespace art {

inline Col C(uint32_t rgb) { return Rgb(rgb); }
const Col kInk{28, 20, 14};  // outlines
const Col kIron{74, 74, 82};
const Col kWood{128, 86, 48};
const Col kStone{150, 146, 138};
const Col kGold{214, 172, 60};
const Col kBone{226, 216, 188};
const Col kWhite{250, 248, 240};

// A shape outlined in ink and filled with light from the upper left.
template <class S>
void Solid(Layer& L, const S& s, Col c, float bevel = 3.0f, float strength = 0.45f) {
    L.Fill(sdf::Grow(s, 1.0f), kInk);
    L.Emboss(s, c, bevel, strength);
}

// The picture mirrored left to right (figures are drawn facing right).
Image Mirrored(const Image& img);

}  // namespace art
