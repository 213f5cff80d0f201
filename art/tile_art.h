// The wall tiles: what each number shows, painted by its role and style family with shared
// painters, and the pictures the game gives a meaning drawn by their own painters.
#pragma once

#include <vector>

#include "draw.h"
#include "ink.h"
#include "tile_roles.h"

namespace art {

constexpr int kTileSize = 32;

// Every tile (32 x 32) and mini tile (8 x 8) by number 0..2394, custom range included.
struct TileArt {
    std::vector<Image> tiles;
    std::vector<Image> minis;
};
TileArt BuildTileArt();
Image BuildWallSheet(const TileArt& art);      // VWALL
Image BuildMiniWallSheet(const TileArt& art);  // VMINIWALL

namespace tiles {

// What a painter knows of the tile it paints. `variant` counts the tiles of the same role and
// family that come before it in an unbroken run of numbers.
struct Tile {
    int number;
    TileRole role;
    TileFamily family;
    int variant;
    uint32_t seed;
};

// ---------------------------------------------------------------- palettes of the families

struct Palette {
    Col floor, floorAlt;   // ground of the style
    Col wall, wallAlt;     // masonry
    Col trim;              // accents: paint, metal, gold
    Col dark;              // outlines and shadows
};
const Palette& PaletteOf(TileFamily family);

// ---------------------------------------------------------------- opaque textures (whole tile)
// Every texture repeats with a period of 32 pixels, so a tile joins itself on the map.

void Grass(Image& img, uint32_t seed, Col base, float flowers);
void Dirt(Image& img, uint32_t seed, Col base, float pebbles);
void Sand(Image& img, uint32_t seed, Col base);
void Snow(Image& img, uint32_t seed, Col base);
void Mud(Image& img, uint32_t seed, Col base);
void Flagstones(Image& img, uint32_t seed, Col base, int cells);
void Cobbles(Image& img, uint32_t seed, Col base);
void Planks(Image& img, uint32_t seed, Col base, bool vertical);
void TileFloor(Image& img, uint32_t seed, Col a, Col b, int pattern);
void MetalFloor(Image& img, uint32_t seed, Col base, bool grating);
void RockFloor(Image& img, uint32_t seed, Col base);
void Ashlar(Image& img, uint32_t seed, Col base, int courseH, int blockW, float rough);
void Bricks(Image& img, uint32_t seed, Col base, Col mortar);
void RockWall(Image& img, uint32_t seed, Col base);
void IceWall(Image& img, uint32_t seed, Col base);
void MetalWall(Image& img, uint32_t seed, Col base, Col light);
void WaterFill(Image& img, uint32_t seed, Col deep, Col shallow, float waves);
void LavaFill(Image& img, uint32_t seed);
void Darkness(Image& img, uint32_t seed, Col base);

// How far inside the band along the sides and corners in `mask` a pixel lies (> 0 inside):
// bits 1 N, 2 E, 4 S, 8 W for sides, 16 NE, 32 SE, 64 SW, 128 NW for single corners.
float ShoreField(int x, int y, int mask, int depth);

// ---------------------------------------------------------------- painting helpers

// Paints a layer over a key-coloured tile (hard edges) or over an opaque one (blended).
inline void Put(Image& img, const Layer& L) { Stamp(L, img, 0, 0); }
// Per-pixel tone changes of an opaque tile.
void Shade(Image& img, int x0, int y0, int x1, int y1, float k);
// Scattered specks of one colour (deterministic).
void Specks(Image& img, uint32_t seed, Col c, float density, bool overKeyToo);

// ---------------------------------------------------------------- painters by role

void PaintFloor(Image& img, const Tile& t);
void PaintWall(Image& img, const Tile& t);
void PaintRough(Image& img, const Tile& t);
void PaintWater(Image& img, const Tile& t);
// The lake's water and shores, each with the sides where the other lies.
void PaintLakeShore(Image& img, const Tile& t);
void PaintObject(Image& img, const Tile& t);
void PaintOverhang(Image& img, const Tile& t);
void PaintMark(Image& img, const Tile& t);
void PaintWild(Image& img, const Tile& t);
void PaintPath(Image& img, const Tile& t);

// Pictures given a meaning by the game (doors, chests, switches, marks, effects...); 1 when
// the number has one and it was painted.
int PaintSpecial(Image& img, const Tile& t);
// The marks, effects and the screens' pictures among them (the same contract).
int PaintMarkSpecial(Image& img, const Tile& t);
// The default campaign's own tiles at the start of the custom range (the same contract).
int PaintCampaignTile(Image& img, const Tile& t);

// Pictures that span several tiles; each fills the tiles of its numbers.
void PaintCompounds(std::vector<Image>& tiles, std::vector<bool>& done);

// ---------------------------------------------------------------- objects (keyed, on a layer)

// One prop of the named kind in the 32 x 32 square from (ox, oy), in the family's colours;
// v varies it.
enum Prop : int {
    kPropBarrel, kPropCrate, kPropSack, kPropPot, kPropUrn, kPropTable, kPropChair, kPropStool,
    kPropBed, kPropShelf, kPropCupboard, kPropAnvil, kPropWell, kPropFountain, kPropLampPost,
    kPropBrazier, kPropCandles, kPropTorchStand, kPropSignpost, kPropFence, kPropGrave, kPropCoffin,
    kPropPillar, kPropRock, kPropBoulder, kPropBush, kPropStump, kPropLog, kPropCrystal,
    kPropMushroom, kPropSkeleton, kPropBones, kPropSkulls, kPropCorpse, kPropCage, kPropConsole,
    kPropPipe, kPropPod, kPropCauldron, kPropAltar, kPropStandingStone, kPropTotem, kPropObelisk,
    kPropBanner, kPropWeaponRack, kPropArmourStand, kPropCart, kPropHay, kPropVase, kPropBench,
    kPropReeds, kPropFlowers, kPropCactus, kPropPalm, kPropShell, kPropAnchor, kPropStatue,
    kPropBookStack, kPropTent, kPropIdol, kPropChains, kPropLantern, kPropIcicle, kPropSnowman,
    kPropWoodpile, kPropSpinningWheel, kPropCannon, kPropDrum, kPropGenerator, kPropVent,
};
void DrawProp(Layer& L, Prop prop, const Palette& pal, uint32_t v, float ox, float oy);

}  // namespace tiles
}  // namespace art
