// Map events run end to end: a level of plain floor with events made as the kit makes them, a
// hero with nothing on level 1, bumps through the dispatcher, and scripted keys.
#pragma once

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <string_view>
#include <tuple>
#include <utility>

#include "data/game_state.h"
#include "data/item_records.h"
#include "data/level.h"
#include "data/text_field.h"
#include "events/event_dispatch.h"
#include "hero/give_item.h"
#include "kit/events/level_records.h"
#include "tests/data/texts_shown.h"
#include "tests/support/headless_test.h"

class EventTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        OpenDisplay();
        NewLevel(1327);
        std::memset(&GameState, 0, sizeof GameState);
        ClearHeroItems();
        std::fill(std::begin(GameState.GameFlags), std::end(GameState.GameFlags), int16_t{-1});
        std::fill(std::begin(GameState.MonsterGrid), std::end(GameState.MonsterGrid), int16_t{-1});
        for (Encounter& e : GameState.EncounterList) e.Kind = -1;
        GameState.CurrentLevelNumber = 1;
        GameState.HeroX = GameState.HeroY = 10;
        GameState.HitPoints = GameState.HitPointsMax = 20;
        for (ItemRecord& r : ItemTable) r = {};
        for (ItemRecord& r : ItemTable) r.ItemType = 34;
    }

    // Nothing carried, worn or on the keyring.
    static void ClearHeroItems() {
        for (ItemInstance& i : GameState.ItemInstances) i = {-1, -1, -1, 0, 0};
        for (auto* grid : {&GameState.Backpack, &GameState.BagOfHolding})
            for (auto& column : *grid) std::fill(std::begin(column), std::end(column), int16_t{-1});
        std::fill(std::begin(GameState.EquipSlots), std::end(GameState.EquipSlots), int16_t{-1});
        std::fill(std::begin(GameState.Keyring), std::end(GameState.Keyring), int16_t{-1});
    }

    // The event of that type on (x, y) with the kit's defaults, then the words given.
    static EventRecord& Put(int16_t x, int16_t y, int16_t type,
                            std::initializer_list<std::pair<int, int16_t>> words = {}) {
        CreateEvent(x, y, type);
        EventRecord& e = *EventGrid[size_t(x * 50 + y)];
        for (auto [w, v] : words) e.Word[w] = v;
        return e;
    }
    static void Text(EventRecord& e, int page, int line, std::string_view text) {
        SetFieldText(e.Text[page][line], text);
    }
    static void Item(int16_t item, int16_t type, const char* name = "") {
        ItemTable[size_t(item)].ItemType = type;
        SetFieldText(ItemTable[size_t(item)].ItemName, name);
    }
    static void Carry(int16_t item) { ASSERT_EQ(GiveItem(item, 0, 0, 1), 1); }

    // The hero bumps (x, y) from the square before it.
    int Bump(int16_t x, int16_t y, int16_t dx = 1, int16_t dy = 0) {
        int result = -1;
        Run([&] { result = RunSquareEvent(x, y, dx, dy); });
        return result;
    }

    bool Shown(std::string_view text) const {
        return std::any_of(host.texts.begin(), host.texts.end(),
                           [&](const host::TextRecord& t) { return t.text == text; });
    }
    bool ShownAt(std::string_view text, int32_t x, int32_t y, int32_t colour = 0) const {
        return TextShownAt(host, text, x, y, colour);
    }
    // A button's label as the button draws it: centred on the 5-piece button at (485, y).
    bool ButtonAt(std::string_view label, int32_t y, int32_t x = 485, int32_t pieces = 5) const {
        return ButtonShownAt(host, label, x, y, pieces);
    }
    size_t CountShown(std::string_view text) const {
        return size_t(std::count_if(host.texts.begin(), host.texts.end(),
                                    [&](const host::TextRecord& t) { return t.text == text; }));
    }
    size_t Played(std::string_view sound) const {
        return size_t(std::count(host.effects.begin(), host.effects.end(), sound));
    }
    void Forget() {
        host.texts.clear();
        host.effects.clear();
    }
};
