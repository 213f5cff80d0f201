#include "painting.h"

#include "data/level.h"
#include "events/event_dispatch.h"
#include "kit/events/level_records.h"
#include "kit/level/auto_access.h"
#include "kit/level/editor_screen.h"
#include "kit/level/editor_state.h"
#include "platform/message_boxes.h"

namespace {

struct TileRange {
    int16_t first, last;
    TileKind kind;
};

// Tried in order; the event types come from the game's table of them.
constexpr TileRange kAccessAndZoneTiles[] = {
    {1291, 1301, kAccessKind}, {1312, 1312, kAccessKind}, {407, 409, kAccessKind},
    {1959, 1959, kAccessKind}, {1979, 1979, kAccessKind}, {1220, 1225, kZoneKind},
};
constexpr TileRange kWallTiles[] = {{0, 1219, kWallKind}, {1400, 2394, kWallKind}};

int16_t* LayerOf(int16_t layer, int isAccess, int isZone) {
    if (isAccess) return CurrentLevel.AccessLayer;
    if (isZone) return CurrentLevel.ZoneLayer;
    return layer == 2 ? CurrentLevel.TopLayer : CurrentLevel.BottomLayer;
}

}  // namespace

TileKind TileKindOf(int16_t tile) {
    for (const TileRange& r : kAccessAndZoneTiles) {
        if (tile >= r.first && tile <= r.last) return r.kind;
    }
    if (FindEventType(tile)) return kEventKind;
    for (const TileRange& r : kWallTiles) {
        if (tile >= r.first && tile <= r.last) return r.kind;
    }
    return kNoKind;
}

void SetAccessTile(int16_t x, int16_t y, int16_t, int16_t tile) {
    if (!OnMap(x, y) || tile < 0 || size_t(tile) >= AutoAccessTable.size()) return;
    CurrentLevel.AccessLayer[x * 50 + y] = int16_t(1292 + AutoAccessTable[size_t(tile)]);
}

void PaintSquare(int16_t x, int16_t y, EditorState& editor) {
    if (!OnMap(x, y)) return;
    const int square = x * 50 + y;
    const int16_t tile = CurrentTile(editor);
    switch (TileKindOf(tile)) {
        case kAccessKind:
            CurrentLevel.AccessLayer[square] = tile;
            editor.access = 1;
            break;
        case kZoneKind:
            CurrentLevel.ZoneLayer[square] = int16_t(tile - kFirstZoneTile);
            editor.zones = 1;
            break;
        case kWallKind:
            if (editor.layer == 1) {
                CurrentLevel.BottomLayer[square] = tile;
            } else {
                CurrentLevel.TopLayer[square] = tile;
                editor.tile2 = 1;
            }
            if (editor.autoAcc) SetAccessTile(x, y, editor.layer, tile);
            break;
        case kEventKind:
            if (EventAt(x, y)) break;
            CreateEvent(x, y, tile);
            editor.events = 1;
            break;
        case kNoKind: break;
    }
}

int16_t GetLayerCell(int16_t layer, int isAccess, int isZone, int16_t viewX, int16_t viewY, int16_t column,
                     int16_t row) {
    const int32_t x = viewX + column, y = viewY + row;
    return OnMap(x, y) ? LayerOf(layer, isAccess, isZone)[x * 50 + y] : int16_t(-1);
}

void FloodFillCell(int16_t value, int16_t layer, int isAccess, int isZone, int16_t column, int16_t row,
                   int16_t viewX, int16_t viewY, int16_t oldValue) {
    const int32_t x = viewX + column, y = viewY + row;
    if (!OnMap(x, y)) return;
    LayerOf(layer, isAccess, isZone)[x * 50 + y] = value;
    struct Step {
        int16_t dc, dr;
    };
    for (const Step s : {Step{-1, 0}, Step{1, 0}, Step{0, -1}, Step{0, 1}}) {
        const int16_t c = int16_t(column + s.dc), r = int16_t(row + s.dr);
        if (c < 0 || c > 12 || r < 0 || r > 12) continue;
        if (GetLayerCell(layer, isAccess, isZone, viewX, viewY, c, r) == oldValue)
            FloodFillCell(value, layer, isAccess, isZone, c, r, viewX, viewY, oldValue);
    }
}

void FloodFill(int16_t tile, int16_t layer, int isAccess, int isZone, int16_t column, int16_t row, int16_t viewX,
               int16_t viewY) {
    if (column < 0 || column > 12 || row < 0 || row > 12 || !OnMap(viewX + column, viewY + row)) return;
    const int16_t value = isZone ? int16_t(tile - kFirstZoneTile) : tile;
    const int16_t old = GetLayerCell(layer, isAccess, isZone, viewX, viewY, column, row);
    if (old == value) return;
    FloodFillCell(value, layer, isAccess, isZone, column, row, viewX, viewY, old);
}

void FloodAtCell(int16_t column, int16_t row, EditorState& editor) {
    const int16_t tile = CurrentTile(editor);
    const TileKind kind = TileKindOf(tile);
    if (kind == kEventKind || (kind != kAccessKind && kind != kZoneKind && editor.layer == 2)) {
        DrawEditorScreen(editor, 0);
        if (kind == kEventKind) ShowMessage(200, 120, " Cannot flood event tiles!", "");
        else ShowMessage(100, 120, "  Flooding function only", "available on Bottom layer!");
        DrawEditorScreen(editor, 1);
        return;
    }
    if (kind == kZoneKind) editor.zones = 1;
    FloodFill(tile, 1, kind == kAccessKind, kind == kZoneKind, column, row, editor.viewX, editor.viewY);
}
