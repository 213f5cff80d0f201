// Painting by tile number and the flood fill within the window.
#include "kit/level/painting.h"

#include "kit/events/level_records.h"
#include "kit/level/editor_state.h"
#include "tests/kit/kit_test.h"

namespace {

class PaintingTest : public KitTest {
protected:
    EditorState editor;
    void Paint(int16_t tile, int x = 3, int y = 4) {
        CurrentTile(editor) = tile;
        PaintSquare(int16_t(x), int16_t(y), editor);
    }
};

// Both sides of every border of the tile number space, with the layer each one paints.
TEST_F(PaintingTest, EveryBorderOfTheNumberSpace) {
    enum Into { kNothing, kBottom, kAccess, kZone, kEvent };
    const struct {
        int16_t tile;
        Into into;
    } cases[] = {
        {-1, kNothing},    {0, kBottom},      {255, kBottom},    {256, kEvent},     {257, kBottom},
        {406, kBottom},    {407, kAccess},    {409, kAccess},    {410, kBottom},    {1219, kBottom},
        {1220, kZone},     {1225, kZone},     {1226, kEvent},    {1290, kEvent},    {1291, kAccess},
        {1301, kAccess},   {1302, kNothing},  {1311, kNothing},  {1312, kAccess},   {1313, kNothing},
        {1327, kNothing},  {1328, kEvent},    {1339, kEvent},    {1340, kNothing},  {1398, kNothing},
        {1399, kEvent},    {1400, kBottom},   {1627, kBottom},   {1628, kEvent},    {1629, kBottom},
        {1663, kBottom},   {1664, kEvent},    {1665, kBottom},   {1958, kBottom},   {1959, kAccess},
        {1960, kBottom},   {1978, kBottom},   {1979, kAccess},   {1980, kBottom},   {2138, kBottom},
        {2139, kEvent},    {2140, kBottom},   {2394, kBottom},   {2395, kNothing},
    };
    for (const auto& c : cases) {
        NewLevel(1);
        editor = EditorState{};
        editor.access = editor.events = editor.tile2 = 0;
        Paint(c.tile);
        EXPECT_EQ(Bottom(3, 4), c.into == kBottom ? c.tile : 1) << c.tile;
        EXPECT_EQ(Access(3, 4), c.into == kAccess ? c.tile : 1295) << c.tile;
        EXPECT_EQ(Zone(3, 4), c.into == kZone ? c.tile - 1220 : 0) << c.tile;
        const EventRecord* event = EventAt(3, 4);
        EXPECT_EQ(event ? event->Word[0] : -1, c.into == kEvent ? c.tile : -1) << c.tile;
        EXPECT_EQ(Top(3, 4), 0) << c.tile;
        // The overlay that shows what was painted is switched on.
        EXPECT_EQ(editor.access, c.into == kAccess ? 1u : 0u) << c.tile;
        EXPECT_EQ(editor.zones, c.into == kZone ? 1u : 0u) << c.tile;
        EXPECT_EQ(editor.events, c.into == kEvent ? 1u : 0u) << c.tile;
    }
}

TEST_F(PaintingTest, LayersAutoAccessAndEvents) {
    Paint(1294);  // "Map Border Exit" leaves the tile layers alone
    EXPECT_EQ(Access(3, 4), 1294);
    EXPECT_EQ(Bottom(3, 4), 1);

    editor.layer = 2;
    editor.tile2 = 0;
    Paint(18);  // without AutoAcc the access stays
    EXPECT_EQ(Top(3, 4), 18);
    EXPECT_EQ(Access(3, 4), 1294);
    EXPECT_EQ(editor.tile2, 1u);
    editor.autoAcc = 1;
    Paint(18);
    EXPECT_EQ(Access(3, 4), 1297);
    editor.layer = 1;
    Paint(28);
    EXPECT_EQ(Bottom(3, 4), 28);
    EXPECT_EQ(Access(3, 4), 1298);

    CreateEvent(5, 5, 1248);
    Paint(1247, 5, 5);  // a square's event is never replaced
    EXPECT_EQ(EventAt(5, 5)->Word[29], 100);
    Paint(200, 5, 5);  // but its layers are painted
    EXPECT_EQ(Bottom(5, 5), 200);
    EXPECT_EQ(Access(5, 5), 1299);
    EXPECT_EQ(EventAt(5, 5)->Word[0], 1248);
}

TEST_F(PaintingTest, FloodStaysInTheWindowAndOffDiagonals) {
    // A floor area of tile 1 reaching past the window (view at (10, 10)); a diagonal pocket.
    for (int x = 0; x < 50; ++x) Bottom(x, 14) = 80;  // a wall row through the window
    Bottom(12, 16) = 80, Bottom(13, 15) = 80, Bottom(11, 15) = 80;  // walls around (12, 15)
    Bottom(12, 15) = 1;
    FloodFill(300, 1, 0, 0, 0, 5, 10, 10);  // from square (10, 15)
    EXPECT_EQ(Bottom(10, 15), 300);
    EXPECT_EQ(Bottom(22, 22), 300);  // the window's far corner
    EXPECT_EQ(Bottom(23, 20), 1);    // beyond the window
    EXPECT_EQ(Bottom(9, 15), 1);
    EXPECT_EQ(Bottom(12, 15), 1);    // walled in
    EXPECT_EQ(Bottom(10, 13), 1);    // above the wall row
    EXPECT_EQ(Access(10, 15), 1295); // never AutoAcc

    Bottom(30, 30) = 5;  // a diagonal neighbour is not connected
    Bottom(31, 31) = 5;
    FloodFill(7, 1, 0, 0, 0, 0, 30, 30);
    EXPECT_EQ(Bottom(30, 30), 7);
    EXPECT_EQ(Bottom(31, 31), 5);
    EXPECT_EQ(GetLayerCell(1, 0, 0, 30, 30, 1, 1), 5);

    FloodFill(1222, 1, 0, 1, 0, 0, 0, 0);  // a zone fills its number
    EXPECT_EQ(Zone(12, 12), 2);
    EXPECT_EQ(Zone(13, 12), 0);
    FloodFill(1959, 1, 1, 0, 6, 6, 0, 0);
    EXPECT_EQ(Access(0, 0), 1959);
}

TEST_F(PaintingTest, FloodRefusalsAndSwitches) {
    const struct {
        int16_t tile, layer;
        const char* line;
    } refusals[] = {{1328, 1, " Cannot flood event tiles!"}, {80, 2, "  Flooding function only"}};
    for (const auto& r : refusals) {
        CurrentTile(editor) = r.tile;
        editor.layer = r.layer;
        TapKey(13);
        Run([&] { FloodAtCell(0, 0, editor); });
        EXPECT_EQ(Shown(r.line), 1u) << r.tile;
        EXPECT_EQ(Bottom(0, 0), 1);
        EXPECT_EQ(Top(0, 0), 0);
    }
    EXPECT_EQ(SecondLineOfBox(host, "  Flooding function only"), "available on Bottom layer!");

    // Access and zone tiles flood on either layer; a zone switches the zones on.
    editor.zones = 0;
    CurrentTile(editor) = 1221;
    FloodAtCell(0, 0, editor);
    EXPECT_EQ(Zone(12, 12), 1);
    EXPECT_EQ(editor.zones, 1u);
    Zone(12, 12) = 0;  // the same zone again changes nothing
    CurrentTile(editor) = 1220;
    FloodAtCell(12, 12, editor);
    EXPECT_EQ(Zone(12, 12), 0);
    EXPECT_EQ(Zone(0, 0), 1);
}

}  // namespace
