// A hero with nothing: every instance free, empty grids and slots, no gems or keys, and an
// item table of plain 1 x 1 items of type 34 (junk). The tables are put back afterwards.
#pragma once

#include <cstring>
#include <memory>

#include "data/game_state.h"
#include "data/item_records.h"
#include "data/options.h"
#include "data/skill_bonus.h"
#include "data/text_field.h"
#include "tests/support/headless_test.h"

class HeroTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        saved_->state = GameState;
        saved_->items = ItemTable;
        saved_->skills = SkillBonus;
        saved_->options = Options;
        std::memset(&GameState, 0, sizeof GameState);
        for (ItemInstance& i : GameState.ItemInstances) i = {-1, -1, -1, 0, 0};
        Fill(GameState.Backpack);
        Fill(GameState.BagOfHolding);
        for (int16_t& s : GameState.EquipSlots) s = -1;
        for (int16_t& k : GameState.Keyring) k = -1;
        for (ItemRecord& r : ItemTable) r = {};
        for (ItemRecord& r : ItemTable) r.ItemType = 34;
        SkillBonus = {};
        Options = {};
        Options.Difficulty = 2;
    }
    void TearDown() override {
        GameState = saved_->state;
        ItemTable = saved_->items;
        SkillBonus = saved_->skills;
        Options = saved_->options;
        HeadlessTest::TearDown();
    }

    static void Fill(int16_t (&grid)[9][9]) {
        for (auto& column : grid)
            for (int16_t& cell : column) cell = -1;
    }
    static ItemRecord& Item(int16_t item, int16_t type, int16_t picture = 0, const char* name = "") {
        ItemRecord& r = ItemTable[item];
        r.ItemType = type;
        r.ItemPicture = picture;
        SetFieldText(r.ItemName, name);
        return r;
    }
    // Puts an instance straight into a slot, as the equipment code would.
    static int16_t Wear(int slot, int16_t instance, int16_t item, int16_t x = 0, int16_t y = 0, uint32_t known = 0) {
        GameState.ItemInstances[instance] = {item, x, y, 0, known};
        GameState.EquipSlots[slot] = instance;
        return instance;
    }
    static int16_t Cell(const int16_t (&grid)[9][9], int col, int row) { return grid[col][row]; }

private:
    struct Saved {
        GameStateRecord state;
        std::array<ItemRecord, kItemCount> items;
        SkillBonusRecord skills;
        OptionsRecord options;
    };
    std::unique_ptr<Saved> saved_ = std::make_unique<Saved>();
};
