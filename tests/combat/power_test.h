// A hero with powers: the combat test's open level, with a Ritual Knife (236) and a Holy Symbol
// (96) among the items, and helpers to run a power behind its scripted target screen.
#pragma once

#include <algorithm>

#include "tests/combat/combat_test.h"

class PowerTest : public CombatTest {
  protected:
    void SetUp() override {
        CombatTest::SetUp();
        Item(236, 40, 0, "Ritual Knife");
        Item(96, 39, 0, "Holy Symbol");
    }
    // Carries the item in the first free backpack column.
    static void Carry(int16_t item) {
        for (int16_t col = 0; col < 9; ++col) {
            if (GameState.Backpack[col][8] != -1) continue;
            const int16_t instance = int16_t(300 + col);
            GameState.ItemInstances[instance] = {item, 0, 0, 0, 0};
            GameState.Backpack[col][8] = instance;
            return;
        }
    }
    // Runs the power; its result.
    template <class Power>
    int Cast(Power&& power) {
        int acted = -1;
        Run([&] { acted = power(); });
        return acted;
    }
    bool Played(std::string_view sound) const {
        return std::find(host.effects.begin(), host.effects.end(), sound) != host.effects.end();
    }
    int16_t TextColour(std::string_view text) const {
        for (const host::TextRecord& t : host.texts)
            if (t.text == text) return int16_t(t.colour);
        return -1;
    }
};
