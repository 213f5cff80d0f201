// Numbered stand-ins for the wall tiles, monster and item pictures and the module's custom
// sheet: each shows its number on a colour chosen by its hundred, so a wrong index shows.
#include "sheets.h"

namespace art {

uint32_t PlaceholderColour(int number, int family) {
    float hue = std::fmod(float(number / 100) * 47.0f + float(family) * 23.0f, 360.0f);
    float val = 0.62f + float((number / 10) % 10) * 0.025f;
    float sat = family == 0 ? 0.45f : 0.6f;
    return ToRgb(Hsv(hue, sat, val));
}

void DrawPlaceholder(Image& img, int x, int y, int w, int h, int number, int family) {
    const uint32_t base = PlaceholderColour(number, family);
    const Col b = Rgb(base);
    FillRect(img, x, y, w, h, base);
    const uint32_t edge = ToRgb(Darken(b, 0.45f));
    FillRect(img, x, y, w, 1, edge);
    FillRect(img, x, y + h - 1, w, 1, edge);
    FillRect(img, x, y, 1, h, edge);
    FillRect(img, x + w - 1, y, 1, h, edge);
    // families differ in their inner mark: tiles a plain square, monsters a disc, items a diamond
    const uint32_t mark = ToRgb(Lighten(b, 0.3f));
    const int cx = x + w / 2, cy = y + h / 2, r = std::min(w, h) / 2 - 3;
    for (int j = y + 1; j < y + h - 1; ++j)
        for (int i = x + 1; i < x + w - 1; ++i) {
            int dx = i - cx, dy = j - cy;
            bool in = family == 1 ? dx * dx + dy * dy <= r * r : (family == 2 ? std::abs(dx) + std::abs(dy) <= r : false);
            if (in) img.Set(i, j, mark);
        }
    const int tw = Digits3x5Width(number), th = 5;
    const int tx = x + (w - tw) / 2, ty = y + (h - th) / 2;
    FillRect(img, tx - 1, ty - 1, tw + 2, th + 2, 0x181410);
    DrawDigits3x5(img, tx, ty, number, 0xFFFFFF);
}

namespace {
struct Grid {
    int first, rows, cols, w, h, pitchX, pitchY, x0, y0;
};
void DrawGrid(Image& img, const Grid& g, int family) {
    for (int r = 0; r < g.rows; ++r)
        for (int c = 0; c < g.cols; ++c)
            DrawPlaceholder(img, g.x0 + g.pitchX * c, g.y0 + g.pitchY * r, g.w, g.h, g.first + r * g.cols + c, family);
}
}  // namespace

Image BuildMonsterSheet() {
    Image img(745, 3039, kKeyColour);
    const Grid grids[] = {
        {0, 42, 24, 30, 30, 31, 31, 1, 1},        {1008, 11, 12, 61, 30, 62, 31, 1, 1303},
        {1140, 4, 24, 30, 61, 31, 62, 1, 1644},   {1236, 10, 12, 61, 61, 62, 62, 1, 1892},
        {1356, 1, 8, 92, 92, 93, 0, 1, 2512},     {1364, 14, 24, 30, 30, 31, 31, 1, 2605},
    };
    for (const Grid& g : grids) DrawGrid(img, g, 1);
    return img;
}

Image BuildEquipSheet() {
    Image img(807, 1520, kKeyColour);
    const Grid grids[] = {
        {0, 9, 26, 30, 30, 31, 31, 1, 1},       {234, 1, 13, 61, 30, 62, 0, 1, 280},   {247, 3, 26, 30, 61, 31, 62, 1, 311},
        {325, 1, 26, 30, 92, 31, 0, 1, 497},    {351, 1, 26, 30, 123, 31, 0, 1, 590},  {377, 1, 26, 30, 185, 31, 0, 1, 714},
        {403, 2, 13, 61, 61, 62, 62, 1, 900},   {429, 1, 13, 61, 123, 62, 0, 1, 1024}, {442, 1, 13, 61, 92, 62, 0, 1, 1148},
        {455, 6, 26, 30, 30, 31, 31, 1, 1241},  {643, 1, 13, 61, 61, 62, 0, 1, 1427},  {688, 1, 26, 30, 30, 31, 0, 1, 1489},
    };
    for (const Grid& g : grids) DrawGrid(img, g, 2);
    return img;
}

Image BuildCustomSheet(const PlayArt& art) {
    Image img(530, 792, kKeyColour);
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 15; ++c) {
            const size_t t = size_t(2240 + 15 * r + c);
            Blit(art.tiles.tiles[t], 0, 0, 32, 32, img, 33 * c + 15, 33 * r + 26);
            Blit(art.tiles.minis[t], 0, 0, 8, 8, img, 9 * c + 15, 9 * r + 195);
        }
    DrawGrid(img, {611, 2, 16, 30, 30, 31, 31, 15, 321}, 2);
    DrawGrid(img, {656, 2, 16, 30, 30, 31, 31, 15, 259}, 2);
    DrawGrid(img, {1700, 3, 16, 30, 30, 31, 31, 15, 411}, 1);
    DrawGrid(img, {1748, 2, 8, 61, 30, 62, 31, 15, 508}, 1);
    DrawGrid(img, {1764, 1, 16, 30, 61, 31, 0, 15, 574}, 1);
    DrawGrid(img, {1780, 2, 8, 61, 61, 62, 62, 15, 640}, 1);
    KeepOffKey(img);
    return img;
}

}  // namespace art
