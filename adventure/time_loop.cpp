#include "time_loop.h"

#include <vector>

#include "adventure_loop.h"
#include "data/file_io.h"
#include "data/game_state.h"
#include "data/level.h"
#include "data/options.h"
#include "data/save_slots.h"
#include "data/square_kinds.h"
#include "hero/derived_stats.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/message_boxes.h"
#include "platform/music.h"
#include "platform/sound.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"
#include "script/flags.h"
#include "view/map_view.h"
#include "view/play_screen.h"
#include "wilderness.h"

namespace {

constexpr int16_t kFirstSplatTile = 1160;
constexpr int16_t kSnapshotSlotOffset = 10;
constexpr size_t kSlainSkullPicture = 604;  // the first of the quest items' skulls

bool ReadSnapshot() {
    std::vector<uint8_t> bytes;
    return ReadWholeFile(SaveFilePath(GameState.TimeLoopSaveSlot), bytes) &&
           RestoreGameImage(bytes) == RestoreResult::Restored;
}

void DrawSlainBox() {
    BltFast(BackSurface, 0, 0, DeathPicture, FullScreenRect, kBltOpaque);
    BltFast(BackSurface, 180, 170, SmallScroll, SmallScrollRect, kBltKeyed);
    DrawSmallText(210, 210, "   You have been slain.", kSmallBlack);
    DrawSmallText(210, 230, "", kSmallBlack);
    BltFast(BackSurface, 275, 230, ItemPictures[kSlainSkullPicture], ViewPieceRects[0], kBltKeyed);
    DrawButton(260, 270, 3, "OK");
    Flip();
}

}  // namespace

void RunTimeLoopEvent(int16_t x, int16_t y) {
    const EventRecord* e = EventAt(x, y);
    if (!e || !CheckFlagCondition(e->Word[1], e->Word[2], e->Word[3]) || GameState.TimeLoopCountdown >= 1) return;
    const int16_t slot = GameState.CurrentSaveSlot;
    if (slot < 0 || slot >= kSaveSlots) return;
    // The snapshot holds the running countdown and the changed flag; without it, no loop.
    const int16_t countdown = GameState.TimeLoopCountdown, savedSlot = GameState.TimeLoopSaveSlot;
    const int16_t flag = e->Word[6], flagValue = GameFlag(flag);
    GameState.TimeLoopCountdown = e->Word[4];
    ChangeFlag(e->Word[6], e->Word[7], e->Word[8]);
    GameState.TimeLoopSaveSlot = int16_t(slot + kSnapshotSlotOffset);
    if (SaveGameToSlot(0, GameState.TimeLoopSaveSlot)) return;
    GameState.TimeLoopCountdown = countdown;
    GameState.TimeLoopSaveSlot = savedSlot;
    SetGameFlag(flag, flagValue);
}

void ExplodeTimeDevice(int16_t expired) {
    if (expired) {
        PlaySoundFile("sound/Nuke.WAV");
        for (int i = 0; i < 15; ++i) {
            FillScreenWithTile(400);
            Flip();
            Delay(30);
            DrawPlayScreen(1, 1, 0, -1, -1, 1);
            Delay(30);
        }
        FillScreenWithTile(320);
        Flip();
        ShowMessage(100, 120, "   Zidori's Time Device", "   explodes!");
        FillScreenWithTile(320);
        ShowMessage(100, 120, "   You are vapourized", "   in the explosion!");
    }
    FillScreenWithTile(320);
    ShowMessage(100, 120, "   Time folds back upon", "   itself!");
    if (!ReadSnapshot()) {
        GameState.TimeLoopCountdown = -1;
        QuitAdventure = 1;
        ShowSlainScreen();
        return;
    }
    // The snapshot's level is loaded with its doors opened under encounters; no battle survives.
    LeaveBattleState();
    RecalcHero();  // as after loading a game: the options may have changed since
}

void FallIntoAbyss() {
    DrawPlayScreen(1, 1, 0, -1, -1, 1);
    PlaySoundEffect(GameState.HeroSex != 0 ? "FemaleFall" : "MaleFall");
    Delay(1500);
    DrawPlayScreen(1, 1, 0, -1, -1, 0);
    if (GameState.TimeLoopCountdown >= 1) return ExplodeTimeDevice(0);
    const int16_t x = GameState.HeroX, y = GameState.HeroY;
    const bool chasm = OnMap(x, y) && CurrentLevel.AccessLayer[x * 50 + y] == kChasmAccess;
    ShowMessage(100, 120, chasm ? "You plunge into the abyss." : "You plunge into the maw!", " Your adventure is over!");
    QuitAdventure = 1;
}

void ShowSlainScreen() {
    Screen screen("slain");
    int16_t ox = 0, oy = 0;
    ComputeViewOrigin(ox, oy);
    BltFast(FrontSurface, (GameState.HeroX - ox) * 32 + 15, (GameState.HeroY - oy) * 32 + 12,
            WallTiles[kFirstSplatTile], TileRect, kBltKeyed);
    PlaySoundEffect("Splat");
    Delay(1000);
    if (GameState.CurrentTune > -1) StopTune();
    if (Options.MusicVolume > 0) PlayTune(0, 0);
    DrawSlainBox();
    for (;;) {
        LoopPass(screen, DrawSlainBox);
        if (ButtonClicked(260, 270, 6, 13, 27, 1, 1)) break;
    }
    ClearBattleReturn();
    StopTune();
    GameState.CurrentTune = -1;
}
