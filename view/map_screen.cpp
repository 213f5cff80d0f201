#include "map_screen.h"

#include <string>

#include "city_map.h"
#include "data/campaign_tables.h"
#include "data/game_state.h"
#include "data/square_kinds.h"
#include "data/text_field.h"
#include "frontend/world_map.h"
#include "hero/item_use.h"
#include "hud.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/message_boxes.h"
#include "platform/sound.h"
#include "platform/text_entry.h"
#include "platform/widgets.h"
#include "script/flags.h"
#include "sight.h"
#include "view_pictures.h"

namespace {

constexpr int16_t kBlank = 320, kYou = 1380, kNpc = 1381, kExit = 1382;
constexpr int16_t kGiveQuest = 11;
constexpr int kNoteCount = 500;

int32_t CellX(int32_t x) { return 20 + 8 * x; }

// Zones 0 and 1 count as one while the level's zone-1 flag is set above 0.
bool SameMapZone(int16_t z, int16_t heroZone) {
    if (z == heroZone) return true;
    return CurrentLevel.ZoneSuppressFlag[1] > 0 && (z == 0 || z == 1) && (heroZone == 0 || heroZone == 1);
}

bool IsFlagNumber(int16_t n) { return n >= 0 && n < kGameFlagCount; }

// The script of a SCRIPT EVENT's slot (word 4); null when the slot is empty or no slot.
const LevelScript* ScriptOfSlot(int16_t slot) {
    return slot >= 0 && slot < kScriptSlots ? ScriptTable[size_t(slot)].get() : nullptr;
}

// A SCRIPT EVENT on (x, y) that the map shows as an NPC (word 12 set hides it).
const EventRecord* MapNpc(int16_t x, int16_t y) {
    const EventRecord* e = EventOfType(x, y, kScriptEvent);
    return e && e->Word[12] == 0 ? e : nullptr;
}

bool CursorIn(int32_t x, int32_t y, int32_t w, int32_t h) {
    return CursorPos.x >= x && CursorPos.x < x + w && CursorPos.y >= y && CursorPos.y < y + h;
}

}  // namespace

void DrawAutomapSecretDoor(int16_t x, int16_t y, int16_t px, int16_t py) {
    const int16_t* w = EventAt(x, y)->Word;
    if (w[3] == 0) DrawMiniTile(w[1], px, py);
}

void DrawAutomapToggle(int16_t x, int16_t y, int16_t px, int16_t py) {
    const int16_t* w = EventAt(x, y)->Word;
    if (EventCondition(w, 1) && !(IsFlagNumber(w[1]) && GameFlag(w[1]) == 9999)) DrawMiniTile(w[4], px, py);
}

void DrawAutomapAltTile(int16_t x, int16_t y, int16_t px, int16_t py) {
    const int16_t* w = EventAt(x, y)->Word;
    DrawMiniTile(EventCondition(w, 1) ? w[4] : w[6], px, py);
}

void DrawAutomapCrack(int16_t x, int16_t y, int16_t px, int16_t py) {
    const int16_t* w = EventAt(x, y)->Word;
    if (IsFlagNumber(w[3]) && GameFlag(w[3]) == -1) DrawMiniTile(w[1], px, py);
}

void DrawAutomapMarkers(int16_t x, int16_t y, int16_t px, int16_t py) {
    const int16_t* w = EventAt(x, y)->Word;
    bool exit = false;
    switch (w[0]) {
        case kScriptEvent:
            if (EventCondition(w, 1) && w[12] == 0) DrawMiniTile(kNpc, px, py);
            return;
        case 1239:  // PENTA-PORTAL
        case 1290:  // ELEVATOR
            exit = true;
            break;
        case 1236: exit = EventCondition(w, 1) || w[21] == 0; break;                     // PORTAL
        case 1237: exit = IsFlagNumber(w[3]) && GameFlag(w[3]) > -1; break;  // DIG PORTAL
        default: break;
    }
    if (exit) DrawMiniTile(kExit, px, py);
}

void DrawAutomapCell(int16_t x, int16_t y, int16_t px, int16_t py, int16_t hideTop) {
    const int32_t s = Square(x, y);
    DrawMiniTile(CurrentLevel.BottomLayer[s], px, py, kBltOpaque);
    if (!hideTop) DrawMiniTile(CurrentLevel.TopLayer[s], px, py);
    const EventRecord* e = EventAt(x, y);
    if (e) {
        switch (e->Word[0]) {
            case 1235: DrawAutomapSecretDoor(x, y, px, py); break;
            case 1261: DrawAutomapToggle(x, y, px, py); break;
            case 1266: DrawAutomapCrack(x, y, px, py); break;
            case 1281: DrawAutomapAltTile(x, y, px, py); break;
            default: break;
        }
    }
    if (x == GameState.HeroX && y == GameState.HeroY) DrawMiniTile(kYou, px, py);
    if (e) DrawAutomapMarkers(x, y, px, py);
    if (CurrentLevel.AccessLayer[s] == kBorderAccess) {
        // Border exits: arrows outside the frame.
        if (y == 0) DrawMiniTile(1382, px, py - 18);
        if (y == 49) DrawMiniTile(1383, px, py + 18);
        if (x == 49) DrawMiniTile(1384, px + 18, py);
        if (x == 0) DrawMiniTile(1385, px - 18, py);
    }
}

void DrawNoMapOverview() {
    for (int x = 0; x < 50; ++x)
        for (int y = 0; y < 50; ++y) DrawMiniTile(kBlank, CellX(x), CellX(y));
    DrawBigText(80, 120, "No map overview available!", kBigWhite);
}

void DrawAutomapFrame() {
    for (int k = 0; k < 13; ++k) {
        BltFast(BackSurface, 12 + 32 * k, 12, ViewFramePieces[0], ViewFrameRects[0], kBltOpaque);
        BltFast(BackSurface, 12 + 32 * k, 420, ViewFramePieces[0], ViewFrameRects[0], kBltOpaque);
        BltFast(BackSurface, 12, 12 + 32 * k, ViewFramePieces[1], ViewFrameRects[1], kBltOpaque);
        BltFast(BackSurface, 420, 12 + 32 * k, ViewFramePieces[1], ViewFrameRects[1], kBltOpaque);
    }
    const int32_t corners[4][2] = {{12, 12}, {420, 12}, {12, 420}, {420, 420}};
    for (int c = 0; c < 4; ++c)
        BltFast(BackSurface, corners[c][0], corners[c][1], ViewFramePieces[size_t(2 + c)], ViewFrameRects[2], kBltOpaque);
}

void DrawAutomapLegend() {
    BltFast(BackSurface, 445, 103, MediumScroll, MediumScrollRect, kBltKeyed);
    DrawSmallText(470, 130, "Right click (and hold)", kSmallBlack);
    DrawSmallText(470, 142, "on NPC icons for info.", kSmallBlack);
    DrawSmallText(470, 166, "Left click to add and", kSmallBlue);
    DrawSmallText(470, 178, "remove notes.", kSmallBlue);
    DrawMiniTile(kYou, 470, 200);
    DrawSmallText(485, 200,
                  "You (X=" + std::to_string(GameState.HeroX) + ",Y=" + std::to_string(GameState.HeroY) + ")",
                  kSmallBlack);
    DrawMiniTile(kNpc, 470, 215);
    DrawSmallText(485, 215, "NPC", kSmallBlack);
    DrawMiniTile(kExit, 470, 230);
    DrawSmallText(485, 230, "Map Exit", kSmallBlack);
}

void DrawMapNotes() {
    for (const MapNote& note : GameState.MapNotes) {
        if (note.Level != GameState.CurrentLevelNumber || note.Level == -1) continue;
        DrawIcon(BackSurface, note.X - 2, note.Y - 6, 0);
        DrawIcon(BackSurface, note.X + 18, note.Y - 6, 2);
        DrawSmallText(note.X, note.Y, FieldText(note.Text), kSmallRed);
    }
}

void DrawAutomap(uint32_t flip) {
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    const int16_t zone = HeroZone();
    const int16_t level = GameState.CurrentLevelNumber;
    if (zone == 5) {
        DrawNoMapOverview();
    } else {
        for (int16_t x = 0; x < 50; ++x)
            for (int16_t y = 0; y < 50; ++y) {
                const int32_t s = Square(x, y);
                const bool seen = level >= 0 && level <= kArenaLevel && GameState.AutomapSeen[level][s] == 'R';
                const int16_t px = int16_t(CellX(x)), py = int16_t(CellX(y));
                if (seen && SameMapZone(CurrentLevel.ZoneLayer[s], zone))
                    DrawAutomapCell(x, y, px, py, IsOpenZonePassage(x, y));
                else
                    DrawMiniTile(kBlank, px, py);
            }
    }
    DrawAutomapFrame();
    DrawVitals();
    DrawAutomapLegend();
    DrawBigText(30, 440, ZoneName(zone), kBigWhite);
    if (CustomCampaign.DurwichEnabled) DrawButton(485, 250, 5, "Durwich Map");
    if (CustomCampaign.WorldMapPages != 3) DrawButton(485, 272, 5, "World Maps");
    DrawButton(485, 310, 5, "Back");
    DrawMapNotes();
    if (flip) Flip();
}

int16_t FindNpcQuest(int16_t slot) {
    const LevelScript* script = ScriptOfSlot(slot);
    if (!script) return -1;
    // Every line: a quest given late in a long script counts too.
    for (int line = 0; line < kScriptLines; ++line) {
        if (script->Record.Code[line] != kGiveQuest) continue;
        const int16_t quest = script->Record.Operand[line][0];
        if (quest >= 0 && quest < 200 && GameState.QuestStates[quest] == 1) return quest;
    }
    return -1;
}

void ShowNpcInfo(int16_t x, int16_t y) {
    const EventRecord* e = EventOfType(x, y, kScriptEvent);
    const LevelScript* script = e ? ScriptOfSlot(e->Word[4]) : nullptr;
    if (!script) return;
    PlaySoundEffect("Info");
    DrawAutomap(0);
    const std::string_view title = FieldText(script->Record.Title);
    const std::string where = "Coordinates: X=" + std::to_string(x) + " , Y=" + std::to_string(y);
    const int16_t quest = FindNpcQuest(e->Word[4]);
    if (quest >= 0) {
        const QuestTextRecord& text = QuestTextTable[size_t(quest)];
        int n = 0;
        for (const auto& line : text.Line) n += FieldText(line).empty() ? 0 : 1;
        static constexpr int16_t kHeights[] = {0, 8, 8, 9, 9, 10, 11};
        if (n > 0) DrawPanel(100, 150, 19, kHeights[n], 1, title);
        DrawSmallText(130, 210, where, kSmallBlack);
        DrawSmallText(130, 225, "Active Quest:", kSmallRed);
        for (int k = 0; k < n; ++k)
            DrawSmallText(130, int16_t(250 + 15 * k), FieldText(text.Line[k]), k == 0 ? kSmallBlue : kSmallBlack);
    } else {
        DrawPanel(150, 150, 12, 5, 1, title);
        DrawSmallText(180, 210, where, kSmallBlack);
    }
    Flip();
    WaitUntilUp(2);
    DrawAutomap(1);
}

int16_t FindFreeNote() {
    for (int16_t i = 0; i < kNoteCount; ++i)
        if (GameState.MapNotes[i].Level == -1) return i;
    return -1;
}

int DeleteNotesAt(int16_t x, int16_t y) {
    int deleted = 0;
    for (MapNote& note : GameState.MapNotes) {
        if (note.Level == -1 || note.Level != GameState.CurrentLevelNumber) continue;
        if (x >= note.X - 12 && x <= note.X + 28 && y >= note.Y - 15 && y <= note.Y + 1) {
            note = {-1, -1, -1, {}};
            deleted = 1;
        }
    }
    return deleted;
}

void MapScreen() {
    Screen screen("map screen");
    auto paint = [] { DrawAutomap(1); };
    paint();
    for (;;) {
        LoopPass(screen, paint);
        if (CustomCampaign.DurwichEnabled && ButtonClicked(485, 250, 10, 'D', 0, 1, 1)) {
            DurwichMap();
            paint();
        }
        if (CustomCampaign.WorldMapPages != 3 && ButtonClicked(485, 272, 10, 'W', 0, 1, 1)) {
            ShowWorldMap();
            paint();
        }
        if (AreaClicked(17, 17, 408, 408, 0, 2, 0, 0)) {
            for (int16_t x = 0; x < 50; ++x)
                for (int16_t y = 0; y < 50; ++y)
                    if (CursorIn(CellX(x), CellX(y), 8, 8)) {
                        const EventRecord* npc = MapNpc(x, y);
                        if (npc && ScriptOfSlot(npc->Word[4])) ShowNpcInfo(x, y);
                    }
        }
        if (AreaClicked(17, 17, 408, 408, 0, 1, 0, 1)) {
            const int16_t nx = int16_t(CursorPos.x - 10), ny = int16_t(CursorPos.y - 10);
            if (DeleteNotesAt(nx, ny)) {
                WaitUntilUp(1);
            } else if (const int16_t i = FindFreeNote(); i == -1) {
                ShowMessage(100, 120, "Maximum of 500 notes", "reached. Delete some notes!");
            } else {
                MapNote& note = GameState.MapNotes[i];
                note.Text[0] = '\0';
                EnterText(nx, ny, {note.Text, 7}, 1, 6, 0, 0, -1, 0, 0, 0);
                note.Level = GameState.CurrentLevelNumber;
                note.X = int16_t(nx + 10);
                note.Y = int16_t(ny + 6);
            }
            paint();
        }
        if (ButtonClicked(485, 310, 10, 'B', 27, 1, 3) || KeyPressed('M', 1, 0, 0)) return;
    }
}
