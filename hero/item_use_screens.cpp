#include "item_use_screens.h"

#include <array>
#include <string>
#include <string_view>

#include "combat/combat_report.h"
#include "combat/monster_path.h"
#include "combat/spell_cursor.h"
#include "data/campaign_tables.h"
#include "data/game_state.h"
#include "data/level.h"
#include "data/skill_bonus.h"
#include "data/square_kinds.h"
#include "data/text_field.h"
#include "events/dungeon_devices.h"
#include "hero/derived_stats.h"
#include "hero/help_boxes.h"
#include "hero/hero_names.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"
#include "view/map_view.h"
#include "view/play_screen.h"

namespace {


void DrawTile(Surface* on, int16_t tile, int32_t x, int32_t y) {
    BltFast(on, x, y, WallTiles[tile], TileRect, kBltKeyed);
}

void DrawSlateAndBook() {
    BltFast(BackSurface, 0, 0, Slate2Picture, FullScreenRect, kBltOpaque);
    BltFast(BackSurface, 0, 0, BookPicture, FullScreenRect, kBltKeyed);
}

// A bridge keeps the hero out unless it stands; a grown lily bridge keeps him out too.
bool BridgeBlocks(const EventRecord& ev) { return ev.Word[1] == 2 ? BridgeOpen(&ev) : !BridgeOpen(&ev); }

// A square the teleport may land on: seen, open, free of monsters and events that bar.
bool TeleportTargetFree(int16_t column, int16_t row) {
    int16_t originX, originY;
    ComputeViewOrigin(originX, originY);
    const int32_t x = originX + column, y = originY + row;
    if (SightGrid[column][row] != 1 || !OnMap(x, y)) return false;
    const int16_t access = CurrentLevel.AccessLayer[x * 50 + y];
    return access < kFirstBlockingAccess && access != kChasmAccess && GameState.MonsterGrid[x * 50 + y] == -1 &&
           !TeleportBlockedByEvent(int16_t(x), int16_t(y));
}

// The computer's answers.
constexpr std::array<std::array<std::string_view, 3>, 7> kComputerQuips{{
    {"Greetings, organic unit. I have computed", "your odds of survival. Do not ask.", ""},
    {"Query received. Processing... processing...", "Result: insufficient data. Try again", "after your next mistake."},
    {"I detect a dangerous level of curiosity", "in your vicinity. Recommend caution.", ""},
    {"Power reserves at nine percent. Please", "do not waste them on idle questions.", ""},
    {"Analysis complete: the creatures ahead", "are large, hungry and unimpressed", "by your equipment."},
    {"The stars are aligned. So are the", "traps. Watch where you step.", ""},
    {"Your question has been logged, filed,", "indexed and politely ignored.", ""},
}};

// The brother's letter; an empty entry is a blank line.
constexpr std::array<std::string_view, 16> kBrotherLetter{
    "Dear brother,",
    "I write this by the light of a failing",
    "candle, for the road has been longer than",
    "I ever feared. The old mine beyond the",
    "hills is not as empty as the village folk",
    "say. Something stirs beneath it, and the",
    "miners who went down have not come back.",
    "",
    "If you come looking for me, bring a good",
    "blade and a better lantern. Trust no one",
    "who offers to guide you through the dark,",
    "and keep our father's ring close.",
    "",
    "Ever your brother,",
    "",
    "the one who went first.",
};

constexpr std::array<std::string_view, 9> kThreatLetter{
    "Turn back, stranger.", "You have been seen on", "the old road, asking",
    "questions that are",   "best left unasked.",    "Go home while you",
    "still can. This is",   "your only warning.",    "         - A friend",
};

}  // namespace

int TeleportBlockedByEvent(int16_t x, int16_t y) {
    const EventRecord* ev = EventAt(x, y);
    if (!ev) return 0;
    if (ev->Word[0] == kBridgeEvent) return BridgeBlocks(*ev) ? 1 : 0;
    // The same events keep out a monster without any of the movers' abilities.
    return IsEventBlockingMonster(x, y, -1) ? 1 : 0;
}

void DrawTargetSquare(int16_t column, int16_t row, int16_t isDimensionDoor) {
    DrawPlayScreen(0, 1, 0, -1, -1, 0);
    DrawTile(BackSurface, 1302, CellPixel(column), CellPixel(row));
    DrawSmallText(465, 120, isDimensionDoor ? "Dimension Door:" : "Teleport scroll:", kSmallBlue);
    DrawAimLines();
    DrawButton(485, 200, 5, "Teleport");
    DrawButton(485, 225, 5, "Cancel");
    Flip();
}

int PickTargetSquare(int16_t isDimensionDoor) {
    Screen screen("target square");
    int16_t column = 6, row = 6;
    const auto draw = [&] { DrawTargetSquare(column, row, isDimensionDoor); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        bool moved = ViewClicked(column, row);
        moved |= MoveCursorByKeys(column, row, 12);
        if (ButtonClicked(485, 200, 10, 'T', 0, 1, 1)) {
            if (TeleportTargetFree(column, row)) {
                PlaySoundEffect("Scroll");
                DrawTile(FrontSurface, 1322, CellPixel(column), CellPixel(row));
                CombatPause();
                int16_t originX, originY;
                ComputeViewOrigin(originX, originY);
                GameState.HeroX = int16_t(originX + column);
                GameState.HeroY = int16_t(originY + row);
                return 1;
            }
            PlaySoundEffect("No");
            Delay(200);
        }
        if (ButtonClicked(485, 225, 10, 'C', kEsc, 1, 3)) return 0;
        if (moved) draw();
    }
}

void DrawPotionOfStats(const std::array<int16_t, 7>& entryBase) {
    DrawPlayScreen(1, 0, 0, -1, -1, 0);
    DrawBigText(50, 50, "Potion of Stats", kBigBlue);
    DrawBigText(50, 60, "----------------------------------", kBigBlack);
    DrawSmallText(50, 100, "Select a statistic to increase by +1!", kSmallBlack);
    for (int16_t i = 0; i < 6; ++i) {
        const int16_t stat = int16_t(i + 1), y = int16_t(180 + 20 * i);
        DrawIcon(BackSurface, 50, y, 34);
        DrawIcon(BackSurface, 75, y, 35);
        DrawSmallText(110, int16_t(y + 7), StatNames[size_t(stat)], kSmallBlack);
        const int16_t base = GameState.BaseStats[stat];
        DrawSmallText(195, int16_t(y + 7), NumberText(base), base > entryBase[size_t(stat)] ? kSmallGreen : kSmallBlue);
    }
    if (GameState.StatPoints == 0) DrawButton(300, 380, 4, "Done");
    Flip();
}

void RunPotionOfStats() {
    Screen screen("potion of stats");
    GameStateRecord& g = GameState;
    g.StatPoints = LevelUpStatPointCount();
    std::array<int16_t, 7> entryBase{};
    for (size_t s = 0; s < entryBase.size(); ++s) entryBase[s] = g.BaseStats[s];
    const auto draw = [&] { DrawPotionOfStats(entryBase); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        for (int16_t i = 0; i < 6; ++i) {
            const int16_t stat = int16_t(i + 1), y = int16_t(180 + 20 * i);
            if (g.BaseStats[stat] > entryBase[size_t(stat)] && AreaClicked(50, y, 20, 20, 0, 1, 1, 1)) {
                --g.BaseStats[stat];
                --g.Stats[stat];
                ++g.StatPoints;
                draw();
            }
            if (g.StatPoints > 0 && AreaClicked(75, y, 20, 20, 0, 1, 1, 1)) {
                ++g.BaseStats[stat];
                ++g.Stats[stat];
                --g.StatPoints;
                draw();
            }
            if (AreaClicked(110, int16_t(y + 7), 100, 10, 0, 2, 0, 4)) {
                ShowStatHelp(stat, 80, 140);
                draw();
            }
        }
        if (g.StatPoints == 0 && ButtonClicked(300, 380, 8, 'D', 0, 1, 1)) {
            PlaySoundEffect("PowerUp");
            RecalcHero();
            return;
        }
    }
}

void DrawBookPages(int16_t book, int16_t pagePair) {
    const BookRecord& b = BookTable[size_t(book)];
    DrawSlateAndBook();
    DrawBigText(90, 80, FieldText(b.Title), kBigBlue);
    DrawBigText(430, 80, "PAGES : " + std::to_string(pagePair + 1) + "," + std::to_string(pagePair + 2), kBigBlue);
    for (int16_t l = 0; l < 11; ++l) {
        const int16_t y = int16_t(130 + 18 * l);
        DrawSmallText(70, y, FieldText(b.Line[pagePair][l]), kSmallBlack);
        DrawSmallText(330, y, FieldText(b.Line[pagePair + 1][l]), kSmallBlack);
    }
    DrawSmallText(120, 395, "Done", kSmallBlack);
    DrawSmallText(375, 395, "Prev", kSmallBlack);
    DrawSmallText(490, 395, "Next", kSmallBlack);
    DrawIcon(BackSurface, 90, 390, 86);
    DrawIcon(BackSurface, 345, 390, 88);
    DrawIcon(BackSurface, 530, 390, 87);
    Flip();
}

void ReadBook(int16_t item) {
    const int16_t book = int16_t(item - 148);
    if (book < 0 || book >= int16_t(BookTable.size())) return;
    Screen screen("book");
    int16_t pagePair = 0;
    const auto draw = [&] { DrawBookPages(book, pagePair); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        if (AreaClicked(340, 390, 70, 20, 'P', 1, 1, 2)) {
            if (pagePair > 0) pagePair = int16_t(pagePair - 2);
            draw();
        }
        if (AreaClicked(485, 390, 70, 20, 'N', 1, 1, 2)) {
            if (pagePair < 6) pagePair = int16_t(pagePair + 2);
            draw();
        }
        if (AreaClicked(90, 390, 70, 20, 'D', 1, 1, 3) || KeyPressed(kEsc, 1, 0, 3)) return;
    }
}

void ConsultComputer() {
    Screen screen("computer");
    PlaySoundEffect("Orac");
    const auto& quip = kComputerQuips[size_t(Random15() % 7)];
    DrawPanel(100, 100, 20, 7, 1, "Orac");
    for (int16_t l = 0; l < 3; ++l) DrawSmallText(130, int16_t(150 + 15 * l), quip[size_t(l)], kSmallBlack);
    DrawButton(250, 200, 4, "Done");
    Flip();
    for (;;) {
        LoopPass(screen, [] {});
        if (ButtonClicked(250, 200, 8, 'D', 0, 1, 1)) return;
    }
}

void DrawBrotherLetter() {
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    BltFast(BackSurface, 90, 10, BigScroll, BigScrollRect, kBltKeyed);
    DrawBigText(150, 80, "You Brother's Letter:", kBigBlue);
    for (size_t l = 0; l < kBrotherLetter.size(); ++l)
        DrawSmallText(150, int16_t(116 + 12 * l), kBrotherLetter[l], kSmallBlack);
    DrawButton(350, 380, 4, "Done");
    Flip();
}

namespace {

// A letter read: drawn until its Done button (x, y, widthUnits, two hotkeys) is clicked.
void ReadLetter(const char* name, void (*draw)(), int16_t x, int16_t y, int16_t widthUnits, int16_t key1,
                int16_t key2) {
    Screen screen(name);
    PlaySoundEffect("Read");
    draw();
    for (;;) {
        LoopPass(screen, draw);
        if (ButtonClicked(x, y, widthUnits, key1, key2, 1, 1)) return;
    }
}

}  // namespace

void ReadBrotherLetter() { ReadLetter("brother's letter", DrawBrotherLetter, 350, 380, 8, 'D', kEsc); }

void DrawThreatLetter() {
    BltFast(BackSurface, 130, 100, MediumScroll, MediumScrollRect, kBltKeyed);
    for (size_t k = 0; k < kThreatLetter.size(); ++k)
        DrawSmallText(150, int16_t(150 + 12 * k), kThreatLetter[k], kSmallBlack);
    DrawButton(170, 300, 5, "Done");
    Flip();
}

void ReadThreatLetter() { ReadLetter("warning note", DrawThreatLetter, 170, 300, 10, kEnter, kEsc); }
