// Landscape painting for the large pictures (title, menu, win, death and objective pages).
#pragma once

#include "draw.h"

namespace art::scene {

// Vertical sky gradient through three colours (top, horizon band at `mid`, bottom).
void Sky(Image& img, int x, int y, int w, int h, Col top, Col mid, Col bottom, float midAt);
void Stars(Image& img, int x, int y, int w, int h, uint32_t seed, int count, float maxBrightness);
void Clouds(Image& img, int x, int y, int w, int h, uint32_t seed, Col tint, float amount);
// A ridge of hills: everything below baseline + noise offset is filled with the colour
// (lightly graded downward).
void Ridge(Image& img, int y0, float baseline, float amplitude, float scale, uint32_t seed, Col c, Col below);
// Silhouette of a castle on a hill, anchored at its base centre (cx, baseY), roughly `size` wide.
void Castle(Image& img, float cx, float baseY, float size, Col c, Col windows, uint32_t seed);
void DeadTree(Image& img, float x, float baseY, float height, Col c, uint32_t seed);
void PineTree(Layer& L, float x, float baseY, float height, Col c);
void Moon(Image& img, float cx, float cy, float r, Col c, float glow);
void Vignette(Image& img, float strength);

}  // namespace art::scene
