// Opaque tile textures: ground, masonry, water. Each repeats every 32 pixels so that a tile
// laid beside itself shows no seam.
#include "tile_art.h"

namespace art::tiles {
namespace {

constexpr int N = kTileSize;

// Noise over the tile with `cells` lattice cells across, wrapping at the tile's edge.
float PNoise(float x, float y, uint32_t seed, int cells) {
    const float k = float(cells) / N;
    return ValueNoise(x * k, y * k, seed, cells, cells);
}
float PFbm(float x, float y, uint32_t seed, int cells, int octaves) {
    const float k = float(cells) / N;
    return Fbm(x * k, y * k, seed, octaves, cells, cells);
}

// Nearest and second-nearest of jittered points on a g x g grid over the tile (wrapping).
struct Cell {
    int id;
    float d1, d2;
    float px, py;  // the nearest point
};
Cell Voronoi(float x, float y, uint32_t seed, int g, float jitter) {
    const float step = float(N) / float(g);
    const int cx = int(std::floor(x / step)), cy = int(std::floor(y / step));
    Cell best{0, 1e9f, 1e9f, 0, 0};
    for (int j = -1; j <= 1; ++j)
        for (int i = -1; i <= 1; ++i) {
            const int gx = cx + i, gy = cy + j;
            const int wx = ((gx % g) + g) % g, wy = ((gy % g) + g) % g;
            const float ox = (Hash01(wx, wy, seed) - 0.5f) * jitter + 0.5f;
            const float oy = (Hash01(wx, wy, seed + 77) - 0.5f) * jitter + 0.5f;
            const float px = (float(gx) + ox) * step, py = (float(gy) + oy) * step;
            const float d = sdf::Len(x - px, y - py);
            if (d < best.d1) {
                best.d2 = best.d1;
                best.d1 = d;
                best.id = wy * g + wx;
                best.px = px;
                best.py = py;
            } else if (d < best.d2) {
                best.d2 = d;
            }
        }
    return best;
}

Col Grain(Col c, int x, int y, uint32_t seed, float amount) {
    return Add(c, (Hash01(x & (N - 1), y & (N - 1), seed) - 0.5f) * amount);
}

void Each(Image& img, const std::function<Col(int, int)>& f) {
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) img.Set(x, y, ToRgb(f(x, y)));
}

}  // namespace

void Shade(Image& img, int x0, int y0, int x1, int y1, float k) {
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            if (!img.Inside(x, y) || img.Get(x, y) == kKeyColour) continue;
            Col c = Rgb(img.Get(x, y));
            img.Set(x, y, ToRgb(k > 0 ? Lighten(c, k) : Darken(c, -k)));
        }
}

void Specks(Image& img, uint32_t seed, Col c, float density, bool overKeyToo) {
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            if (Hash01(x, y, seed) >= density) continue;
            if (!overKeyToo && img.Get(x, y) == kKeyColour) continue;
            img.Set(x, y, ToRgb(c));
        }
}

void Grass(Image& img, uint32_t seed, Col base, float flowers) {
    Each(img, [&](int x, int y) {
        const float n = PFbm(float(x), float(y), seed, 4, 3);
        Col c = Mix(Darken(base, 0.22f), Lighten(base, 0.12f), n);
        // blades: short dark and light strokes
        const float h = Hash01(x, y / 2, seed + 3);
        if (h < 0.16f) c = Darken(c, 0.25f);
        else if (h > 0.9f) c = Lighten(Mix(c, Col{200, 220, 90}, 0.25f), 0.15f);
        return c;
    });
    if (flowers > 0) {
        Rng r(seed + 11);
        const Col petals[4] = {{240, 230, 90}, {245, 245, 240}, {220, 90, 160}, {120, 150, 240}};
        const int n = int(flowers * 10);
        for (int i = 0; i < n; ++i) {
            int fx = r.Int(0, N - 1), fy = r.Int(0, N - 1);
            Col p = petals[r.Int(0, 3)];
            img.Set(fx, fy, ToRgb(p));
            img.Set((fx + 1) % N, fy, ToRgb(Darken(p, 0.15f)));
            img.Set(fx, (fy + 1) % N, ToRgb(Darken(p, 0.25f)));
        }
    }
}

void Dirt(Image& img, uint32_t seed, Col base, float pebbles) {
    Each(img, [&](int x, int y) {
        const float n = PFbm(float(x), float(y), seed, 4, 3);
        Col c = Mix(Darken(base, 0.18f), Lighten(base, 0.1f), n);
        return Grain(c, x, y, seed + 1, 14);
    });
    Rng r(seed + 5);
    const int n = int(pebbles * 12);
    for (int i = 0; i < n; ++i) {
        int px = r.Int(0, N - 1), py = r.Int(0, N - 1);
        Col p = Lighten(base, r.Range(0.15f, 0.35f));
        img.Set(px, py, ToRgb(p));
        img.Set((px + 1) % N, py, ToRgb(Darken(p, 0.1f)));
        img.Set(px, (py + 1) % N, ToRgb(Darken(base, 0.35f)));
    }
}

void Sand(Image& img, uint32_t seed, Col base) {
    Each(img, [&](int x, int y) {
        const float n = PFbm(float(x), float(y), seed, 2, 3);
        const float ripple = std::sin((float(y) + PNoise(float(x), float(y), seed + 9, 4) * 6.0f) * 6.2831853f / 8.0f);
        Col c = Mix(Darken(base, 0.1f), Lighten(base, 0.1f), n);
        c = Add(c, ripple * 6.0f);
        return Grain(c, x, y, seed + 2, 10);
    });
}

void Snow(Image& img, uint32_t seed, Col base) {
    Each(img, [&](int x, int y) {
        const float n = PFbm(float(x), float(y), seed, 4, 3);
        Col c = Mix(Mix(base, Col{150, 175, 215}, 0.35f), base, n);
        if (Hash01(x, y, seed + 4) > 0.985f) c = Col{255, 255, 255};
        return c;
    });
}

void Mud(Image& img, uint32_t seed, Col base) {
    Each(img, [&](int x, int y) {
        const float n = PFbm(float(x), float(y), seed, 4, 3);
        const float wet = PNoise(float(x), float(y), seed + 3, 2);
        Col c = Mix(Darken(base, 0.25f), Lighten(base, 0.08f), n);
        if (wet > 0.62f) c = Mix(c, Col{70, 80, 60}, std::min(1.0f, (wet - 0.62f) * 5.0f));
        if (wet > 0.7f && Hash01(x, y, seed + 8) > 0.93f) c = Lighten(c, 0.3f);
        return Grain(c, x, y, seed + 1, 10);
    });
}

void Flagstones(Image& img, uint32_t seed, Col base, int cells) {
    Each(img, [&](int x, int y) {
        const Cell c = Voronoi(float(x) + 0.5f, float(y) + 0.5f, seed, cells, 0.75f);
        const float edge = c.d2 - c.d1;
        const float tone = Hash01(c.id, 0, seed + 1);
        Col stone = Mix(Darken(base, 0.12f), Lighten(base, 0.1f), tone);
        stone = Add(stone, (PFbm(float(x), float(y), seed + 2, 8, 2) - 0.5f) * 16.0f);
        if (edge < 1.2f) return Darken(base, 0.55f);
        // bevel: lit toward the top left of each slab, shaded toward the bottom right
        const float dx = float(x) + 0.5f - c.px, dy = float(y) + 0.5f - c.py;
        const float dl = sdf::Len(dx, dy) + 1e-3f;
        if (edge < 2.6f) stone = (dx + dy) / dl < 0 ? Lighten(stone, 0.18f) : Darken(stone, 0.2f);
        return Grain(stone, x, y, seed + 3, 8);
    });
}

void Cobbles(Image& img, uint32_t seed, Col base) {
    Each(img, [&](int x, int y) {
        const Cell c = Voronoi(float(x) + 0.5f, float(y) + 0.5f, seed, 6, 0.7f);
        const float edge = c.d2 - c.d1;
        if (edge < 1.0f) return Darken(base, 0.55f);
        const float tone = Hash01(c.id, 1, seed);
        Col stone = Mix(Darken(base, 0.15f), Lighten(base, 0.15f), tone);
        // rounded: brighter toward the upper left of the stone's centre
        const float dx = float(x) + 0.5f - c.px, dy = float(y) + 0.5f - c.py;
        const float l = std::clamp(-(dx + dy) / 6.0f, -1.0f, 1.0f);
        stone = l > 0 ? Lighten(stone, l * 0.2f) : Darken(stone, -l * 0.25f);
        if (edge < 2.0f) stone = Darken(stone, 0.15f);
        return Grain(stone, x, y, seed + 2, 8);
    });
}

void Planks(Image& img, uint32_t seed, Col base, bool vertical) {
    Each(img, [&](int px, int py) {
        const int x = vertical ? py : px, y = vertical ? px : py;
        const int board = y / 8, in = y % 8;
        const float tone = Hash01(board, 0, seed);
        Col c = Mix(Darken(base, 0.12f), Lighten(base, 0.08f), tone);
        // grain along the board
        const float g = PNoise(float(x) * 0.5f, float(y) * 4.0f + float(board) * 13.0f, seed + 1, 8);
        c = Add(c, (g - 0.5f) * 22.0f);
        if (in == 0) return Darken(base, 0.5f);
        if (in == 1) c = Lighten(c, 0.12f);
        if (in == 7) c = Darken(c, 0.2f);
        // butt joints at a different place on each board
        const int joint = int(Hash01(board, 3, seed) * N);
        if (x == joint) return Darken(base, 0.45f);
        if ((x == (joint + 5) % N || x == (joint + 27) % N) && in == 4) return Darken(base, 0.5f);  // nail
        return c;
    });
}

void TileFloor(Image& img, uint32_t seed, Col a, Col b, int pattern) {
    Each(img, [&](int x, int y) {
        Col c;
        switch (pattern) {
            case 0: c = ((x / 8 + y / 8) % 2) ? a : b; break;                       // checker
            case 1: c = (std::abs((x % 16) - 8) + std::abs((y % 16) - 8) < 6) ? b : a; break;  // diamonds
            case 2: c = ((x / 16 + y / 16) % 2) ? a : b; break;                     // big checker
            default: c = ((x % 16 < 2) || (y % 16 < 2)) ? b : a; break;             // squares with bands
        }
        const bool seam = x % 8 == 0 || y % 8 == 0;
        if (pattern != 3 && seam) c = Darken(c, 0.25f);
        c = Add(c, (PFbm(float(x), float(y), seed, 4, 2) - 0.5f) * 14.0f);
        return Grain(c, x, y, seed + 1, 6);
    });
}

void MetalFloor(Image& img, uint32_t seed, Col base, bool grating) {
    Each(img, [&](int x, int y) {
        Col c = Add(base, (PFbm(float(x), float(y), seed, 4, 2) - 0.5f) * 10.0f);
        const int px = x % 16, py = y % 16;
        if (grating) {
            if (py % 4 == 0) return Darken(base, 0.6f);
            if (py % 4 == 1) c = Lighten(c, 0.15f);
        }
        if (px == 0 || py == 0) return Darken(base, 0.45f);
        if (px == 1 || py == 1) c = Lighten(c, 0.2f);
        if ((px == 3 || px == 13) && (py == 3 || py == 13)) return Lighten(base, 0.45f);  // rivets
        return c;
    });
}

void RockFloor(Image& img, uint32_t seed, Col base) {
    Each(img, [&](int x, int y) {
        const float n = PFbm(float(x), float(y), seed, 4, 4);
        const Cell c = Voronoi(float(x) + 0.5f, float(y) + 0.5f, seed + 5, 3, 0.9f);
        Col col = Mix(Darken(base, 0.25f), Lighten(base, 0.12f), n);
        if (c.d2 - c.d1 < 1.0f) col = Darken(col, 0.3f);
        return Grain(col, x, y, seed + 1, 14);
    });
}

void Ashlar(Image& img, uint32_t seed, Col base, int courseH, int blockW, float rough) {
    Each(img, [&](int x, int y) {
        const int course = y / courseH, in = y % courseH;
        const int shift = (course % 2) * (blockW / 2);
        const int bx = (x + shift) % N, block = (x + shift) / blockW % (N / blockW);
        const int inx = bx % blockW;
        const float tone = Hash01(block, course, seed);
        Col c = Mix(Darken(base, 0.15f), Lighten(base, 0.1f), tone);
        c = Add(c, (PFbm(float(x), float(y), seed + 1, 8, 3) - 0.5f) * 30.0f * rough);
        if (in == 0 || inx == 0) return Darken(base, 0.6f);
        if (in == 1 || inx == 1) c = Lighten(c, 0.22f);                        // lit upper-left rim
        if (in == courseH - 1 || inx == blockW - 1) c = Darken(c, 0.28f);      // shaded lower-right rim
        return Grain(c, x, y, seed + 2, 10);
    });
}

void Bricks(Image& img, uint32_t seed, Col base, Col mortar) {
    Each(img, [&](int x, int y) {
        const int course = y / 4, in = y % 4;
        const int shift = (course % 2) * 4;
        const int inx = (x + shift) % 8;
        if (in == 3 || inx == 7) return Add(mortar, (Hash01(x, y, seed) - 0.5f) * 10.0f);
        const float tone = Hash01((x + shift) / 8, course, seed + 1);
        Col c = Mix(Darken(base, 0.18f), Lighten(base, 0.1f), tone);
        if (in == 0) c = Lighten(c, 0.12f);
        return Grain(c, x, y, seed + 2, 12);
    });
}

void RockWall(Image& img, uint32_t seed, Col base) {
    Each(img, [&](int x, int y) {
        const Cell c = Voronoi(float(x) + 0.5f, float(y) + 0.5f, seed, 3, 0.9f);
        const float n = PFbm(float(x), float(y), seed + 1, 4, 4);
        const float dx = float(x) + 0.5f - c.px, dy = float(y) + 0.5f - c.py;
        // each boulder is a dome lit from the upper left
        const float r = std::max(c.d2 * 0.5f, 1.0f);
        const float l = std::clamp(-(dx + dy) / (r * 1.4f), -1.0f, 1.0f);
        Col col = Mix(Darken(base, 0.2f), Lighten(base, 0.1f), Hash01(c.id, 2, seed));
        col = Add(col, (n - 0.5f) * 36.0f);
        col = l > 0 ? Lighten(col, l * 0.25f) : Darken(col, -l * 0.35f);
        if (c.d2 - c.d1 < 1.3f) col = Darken(base, 0.65f);
        return Grain(col, x, y, seed + 2, 12);
    });
}

void IceWall(Image& img, uint32_t seed, Col base) {
    Each(img, [&](int x, int y) {
        const Cell c = Voronoi(float(x) + 0.5f, float(y) + 0.5f, seed, 3, 0.8f);
        const float n = PFbm(float(x), float(y), seed + 1, 4, 3);
        Col col = Mix(base, Col{235, 248, 255}, n * 0.6f);
        const float streak = PNoise(float(x) * 0.3f + float(y), float(y) * 0.2f, seed + 2, 8);
        if (streak > 0.72f) col = Lighten(col, 0.4f);
        if (c.d2 - c.d1 < 1.1f) col = Mix(base, Col{40, 80, 140}, 0.55f);
        else if (c.d2 - c.d1 < 2.2f) col = Lighten(col, 0.3f);
        return col;
    });
}

void MetalWall(Image& img, uint32_t seed, Col base, Col light) {
    Each(img, [&](int x, int y) {
        Col c = Add(base, (PFbm(float(x), float(y), seed, 4, 2) - 0.5f) * 12.0f);
        const int py = y % 16, px = x % 32;
        if (py == 0 || px == 0) return Darken(base, 0.55f);
        if (py == 1 || px == 1) c = Lighten(c, 0.25f);
        if (py == 15 || px == 31) c = Darken(c, 0.3f);
        if (py >= 6 && py <= 9 && px >= 10 && px <= 21) c = (py == 6 || py == 9) ? Darken(base, 0.4f) : Darken(base, 0.2f);
        if (py == 8 && (px == 4 || px == 27)) return light;  // lamps
        if ((px == 3 || px == 28) && (py == 3 || py == 12)) return Lighten(base, 0.4f);
        return c;
    });
}

void WaterFill(Image& img, uint32_t seed, Col deep, Col shallow, float waves) {
    Each(img, [&](int x, int y) {
        const float n = PFbm(float(x), float(y), seed, 2, 3);
        Col c = Mix(deep, shallow, n * 0.8f);
        // wave crests: thin bright arcs from a wrapped sine field
        const float w = std::sin((float(x) * 0.5f + float(y) + PNoise(float(x), float(y), seed + 5, 4) * 10.0f) *
                                 6.2831853f / 16.0f);
        if (w > 1.0f - 0.12f * waves) c = Lighten(c, 0.35f);
        else if (w < -0.9f) c = Darken(c, 0.12f);
        if (Hash01(x, y, seed + 9) > 0.992f) c = Lighten(c, 0.6f);
        return c;
    });
}

void LavaFill(Image& img, uint32_t seed) {
    Each(img, [&](int x, int y) {
        const Cell c = Voronoi(float(x) + 0.5f, float(y) + 0.5f, seed, 3, 0.9f);
        const float n = PFbm(float(x), float(y), seed + 1, 4, 3);
        const float crack = c.d2 - c.d1;
        Col crust = Mix(Col{40, 20, 16}, Col{90, 40, 24}, n);
        if (crack < 2.5f) {
            float t = 1.0f - crack / 2.5f;
            return Mix(Col{220, 80, 20}, Col{255, 220, 80}, t);
        }
        if (crack < 4.0f) return Mix(crust, Col{200, 60, 16}, 0.4f);
        return Grain(crust, x, y, seed + 2, 10);
    });
}

void Darkness(Image& img, uint32_t seed, Col base) {
    Each(img, [&](int x, int y) { return Add(base, (PFbm(float(x), float(y), seed, 4, 2) - 0.5f) * 6.0f); });
}

float ShoreField(int x, int y, int mask, int depth) {
    // The line wanders a little, the same way on both tiles of a shared edge (it depends only
    // on the position along the edge, and repeats every 32 pixels).
    auto wobble = [](float t) { return (ValueNoise(t / 8.0f, 0.5f, 4242, 4, 0) - 0.5f) * 4.0f; };
    float in = -1e9f;
    const float fx = float(x) + 0.5f, fy = float(y) + 0.5f;
    const float d = float(depth), r = d + 2.0f;
    if (mask & 1) in = std::max(in, d + wobble(fx) - fy);
    if (mask & 4) in = std::max(in, fy - (N - d) + wobble(fx));
    if (mask & 8) in = std::max(in, d + wobble(fy) - fx);
    if (mask & 2) in = std::max(in, fx - (N - d) + wobble(fy));
    if (mask & 16) in = std::max(in, r - sdf::Len(fx - N, fy));
    if (mask & 32) in = std::max(in, r - sdf::Len(fx - N, fy - N));
    if (mask & 64) in = std::max(in, r - sdf::Len(fx, fy - N));
    if (mask & 128) in = std::max(in, r - sdf::Len(fx, fy));
    return in;
}

}  // namespace art::tiles
