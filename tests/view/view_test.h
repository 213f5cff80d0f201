// The view's tests: an open level of plain floor with the hero in its middle, the display
// held, and pictures compared with the surfaces themselves.
#pragma once

#include <algorithm>
#include <string_view>

#include "combat/monster_death.h"
#include "data/game_state.h"
#include "data/level.h"
#include "kit/events/level_records.h"
#include "platform/display.h"
#include "tests/data/texts_shown.h"
#include "tests/support/headless_test.h"
#include "tests/support/level_events.h"
#include "tests/support/surface_match.h"
#include "view/map_view.h"

class ViewTest : public HeadlessTest {
protected:
    static constexpr int16_t kFloor = 5;

    void SetUp() override {
        HeadlessTest::SetUp();
        OpenDisplay();
        LevelRecord& level = CurrentLevel;
        for (int s = 0; s < kSquareCount; ++s) {
            level.BottomLayer[s] = kFloor;
            level.TopLayer[s] = -1;  // draws nothing
            level.AccessLayer[s] = 1295;
            level.ZoneLayer[s] = 0;
        }
        GameStateRecord& g = GameState;
        g.HeroX = g.HeroY = 20;
        g.HeroLevel = 1;
        g.Beacon[0] = -1;
        g.ActiveAura = -1;
        for (int16_t e = 0; e < 50; ++e) ClearMonster(e);
        std::fill(std::begin(g.MonsterGrid), std::end(g.MonsterGrid), int16_t{-1});
        std::fill(std::begin(g.DamageFloor), std::end(g.DamageFloor), int16_t{-1});
        std::fill(&g.AutomapSeen[0][0], &g.AutomapSeen[0][0] + sizeof g.AutomapSeen, uint8_t{'U'});
        std::fill(std::begin(g.EquipSlots), std::end(g.EquipSlots), int16_t{-1});
        for (ItemInstance& i : g.ItemInstances) i = {-1, -1, -1, 0, 0};
        for (MapNote& n : g.MapNotes) n = {-1, -1, -1, {}};
    }

    static void SetAccess(int x, int y, int16_t tile) { CurrentLevel.AccessLayer[x * 50 + y] = tile; }

    // Leaves a picture see-through but for a mark of its own colour in one of 16 places, so
    // that pictures drawn over each other all stay visible.
    static void Hollow(Surface* s, int place) {
        static uint16_t colour = 0x0841;
        colour = uint16_t(colour + 0x0823);
        if (colour == s->key) ++colour;
        std::fill(s->pixels.get(), s->pixels.get() + size_t(s->width) * s->height, s->key);
        const int x = 2 + (place % 4) * 7, y = 2 + (place / 4) * 7;
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 5; ++c) s->Row(y + r)[x + c] = colour;
    }

    static bool TileAt(int32_t x, int32_t y, int32_t tile) { return Shows(BackSurface, x, y, WallTiles[size_t(tile)]); }
    // The tile at window cell (i, j).
    static bool CellShows(int i, int j, int32_t tile) { return TileAt(CellPixel(i), CellPixel(j), tile); }
    static bool FigureAt(int32_t x, int32_t y, int32_t picture) {
        return Shows(BackSurface, x, y, MonsterPictures[size_t(picture)]);
    }
    // A part of a picture, as a drawer with a source rectangle puts it.
    static bool PartAt(int32_t x, int32_t y, const Surface* picture, const Rect& part) {
        if (!picture || x < 0 || y < 0 || x + part.Width() > 640 || y + part.Height() > 480) return false;
        for (int32_t r = 0; r < part.Height(); ++r)
            for (int32_t c = 0; c < part.Width(); ++c) {
                const uint16_t p = picture->Row(part.top + r)[part.left + c];
                if (picture->keyed && p == picture->key) continue;
                if (BackSurface->Row(y + r)[x + c] != p) return false;
            }
        return true;
    }
    bool Drawn(std::string_view text) const { return TextShown(host, text); }
    // The latest text drawn at (x, y).
    const host::TextRecord* TextAt(int32_t x, int32_t y) const {
        for (auto it = host.texts.rbegin(); it != host.texts.rend(); ++it)
            if (it->x == x && it->y == y) return &*it;
        return nullptr;
    }
    const host::TextRecord* Text(std::string_view text) const {
        for (const auto& t : host.texts)
            if (t.text == text) return &t;
        return nullptr;
    }
};
