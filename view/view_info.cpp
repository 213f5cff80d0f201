#include "view_info.h"

#include <array>
#include <string>
#include <string_view>

#include "adventure/encounters.h"
#include "data/game_state.h"
#include "data/monster_records.h"
#include "data/text_field.h"
#include "hero/derived_stats.h"
#include "hero/hero_names.h"
#include "hero/item_names.h"
#include "map_view.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "platform/widgets.h"
#include "play_screen.h"
#include "view_pictures.h"

namespace {

constexpr std::array<std::string_view, 12> kPowerNames = {
    "None",          "Blast Acid",     "Blast Cold",    "Blast Elect", "Blast Fire", "Drain Charges",
    "Suicide Bomber", "Psionic Blast", "Summon Ally",   "Steal Food",  "Steal Item", "Teleport"};
constexpr std::array<std::string_view, 11> kAfflictionNames = {
    "None", "Poison", "Disease", "Curse", "Drain", "Petrify", "Paralysis", "Feeblemind", "Aged", "Clutz", "Undeath"};
constexpr std::array<std::string_view, 6> kAuraNames = {"Evocation",    "Looting",  "Overcharge",
                                                         "Regeneration", "Vengence", "Wisodm"};

template <size_t N>
std::string_view Named(const std::array<std::string_view, N>& names, int32_t index) {
    return index >= 0 && size_t(index) < N ? names[size_t(index)] : std::string_view{};
}

// "2d6", with "+3" when the bonus is above 0.
std::string Dice(const int16_t (&dice)[3]) {
    std::string text = std::to_string(dice[0]) + "d" + std::to_string(dice[1]);
    if (dice[2] > 0) text += "+" + std::to_string(dice[2]);
    return text;
}

// The second panel: what the hero's Perception reveals.
void DrawMonsterLore(const Encounter& r, const MonsterRecord& m) {
    const int16_t p = GameState.Stats[kPerception];
    if (p < 2) return;
    DrawPanel(350, 50, 10, p >= 6 ? 10 : p >= 4 ? 8 : 5, 1, "Monster Info");
    DrawSmallText(380, 100, "Hit points: " + std::to_string(r.Hp) + " / " + std::to_string(r.HpMax), kSmallBlack);
    DrawSmallText(380, 115, "Damage reduction: " + std::to_string(m.MonsterDr), kSmallBlack);
    if (p < 4) return;
    static constexpr std::string_view kResists[] = {"Acid resist:  ", "Cold resist:  ", "Elect resist: ",
                                                    "Fire resist:  "};
    for (int k = 0; k < 4; ++k)
        DrawSmallText(380, int16_t(140 + 12 * k), std::string(kResists[k]) + std::to_string(m.MonsterResists[k]),
                      kSmallBlue);
    if (p < 6) return;
    int16_t y = 200;
    DrawSmallText(380, y, "Melee Damage: " + Dice(m.MonsterDamage), kSmallBlack);
    if (m.MonsterElement > 0) {
        y += 12;
        const std::string line = "        plus: " + Dice(m.MonsterElementDamage) + " " +
                                 std::string(NameAt(ElementNames, m.MonsterElement - 1));
        DrawSmallText(380, y, line, kSmallBlack);
    }
    if (m.MonsterAffliction > 0) {
        y += 12;
        DrawSmallText(380, y, "        plus: " + std::string(Named(kAfflictionNames, m.MonsterAffliction)), kSmallBlack);
    }
}

}  // namespace

void ShowMonsterInfo(int16_t, int16_t, int16_t e) {
    if (e < 0 || e >= kEncounterCount) return;
    const Encounter& r = GameState.EncounterList[e];
    if (r.Monster < 0 || r.Monster >= kMonsterCount) return;
    const MonsterRecord& m = MonsterTable[size_t(r.Monster)];
    PlaySoundEffect("Info");
    DrawPlayScreen(1, 1, 0, -1, -1, 0);

    const int16_t words[] = {r.AttackPenalty, r.WeakenPercent, r.Silenced, r.DefencePenalty, r.Paralysed, r.PowerUsed};
    int n = 0;
    for (int16_t w : words) n += w > 0;
    static constexpr int16_t kHeight[] = {6, 8, 10, 12, 13, 14, 15};
    static constexpr int16_t kFirstRow[] = {103, 105, 97, 105, 100, 105, 105};
    const int16_t y0 = kFirstRow[n];
    DrawPanel(80, 50, 13, kHeight[n], 1, FieldText(m.MonsterName));
    DrawSmallText(110, y0, "Type: " + std::string(MonsterTypeName(m.MonsterType)), kSmallBlue);
    DrawSmallText(110, y0 + 15, "Combat : " + std::to_string(m.MonsterMeleeSkill), kSmallBlack);
    DrawSmallText(110, y0 + 30, "Power : " + std::string(Named(kPowerNames, m.MonsterPower)), kSmallBlack);

    if (n > 0) {
        struct Effect {
            bool on;
            int16_t tile;
            std::string text;
        };
        const Effect effects[] = {
            {r.AttackPenalty > 0, 1656, "Incompetence (-" + std::to_string(r.AttackPenalty) + " Combat)"},
            {r.Silenced > 0, 1657, "Silence"},
            {r.WeakenPercent > 0, 1658, "Weakness (-" + std::to_string(r.WeakenPercent) + "% Damage)"},
            {r.DefencePenalty > 0, 1657, "Vulnerable (-" + std::to_string(r.DefencePenalty) + " DR)"},
            {r.Paralysed == 1, 1677, "Paralysed"},
        };
        int16_t y = int16_t(y0 + (n == 4 ? 46 : 50));
        for (const Effect& effect : effects) {
            if (!effect.on) continue;
            DrawTile(effect.tile, 110, y);
            DrawSmallText(160, int16_t(y + 10), effect.text, kSmallBlack);
            y = int16_t(y + 30);
        }
    }
    DrawMonsterLore(r, m);
    Flip();
    WaitUntilUp(2);
}

void ShowHeroInfo() {
    const GameStateRecord& g = GameState;
    const bool aura = g.ActiveAura >= 0 && size_t(g.ActiveAura) < kAuraNames.size();
    PlaySoundEffect("Info");
    DrawPlayScreen(1, 1, 0, -1, -1, 0);
    DrawPanel(100, 120, 10, aura ? 8 : 7, 1, FieldText(g.HeroName));
    DrawSmallText(120, 180, "Type: Level " + std::to_string(g.HeroLevel) + " PC", kSmallBlue);
    DrawSmallText(120, 195, "Coordinates: X=" + std::to_string(g.HeroX) + " , Y=" + std::to_string(g.HeroY),
                  kSmallBlack);
    DrawSmallText(120, 223, "Hit Points: " + std::to_string(g.HitPoints) + " / " + std::to_string(g.HitPointsMax),
                  kSmallBlack);
    if (aura) DrawSmallText(120, 247, "Active: Aura of " + std::string(kAuraNames[size_t(g.ActiveAura)]), kSmallBlue);
    Flip();
    WaitUntilUp(2, 'X');
}

void ViewRightClickInfo() {
    int16_t originX, originY;
    ComputeViewOrigin(originX, originY);
    for (int16_t i = 0; i < 13; ++i)
        for (int16_t j = 0; j < 13; ++j) {
            if (!AreaClicked(int16_t(14 + 32 * i), int16_t(14 + 32 * j), 31, 31, 0, 2, 0, 0)) continue;
            const int16_t x = int16_t(originX + i), y = int16_t(originY + j);
            const int16_t e = GameState.MonsterGrid[Square(x, y)];
            if (e >= 0 && e < kEncounterCount && GameState.EncounterList[e].Kind == 3) ShowMonsterInfo(x, y, e);
            if (x == GameState.HeroX && y == GameState.HeroY) ShowHeroInfo();
        }
}
