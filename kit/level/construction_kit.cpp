#include "construction_kit.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "data/level.h"
#include "data/level_number_dialog.h"
#include "data/options.h"
#include "frontend/title.h"
#include "kit/db/database_editors.h"
#include "kit/db/item_editor.h"
#include "kit/events/event_editor.h"
#include "kit/events/level_records.h"
#include "kit/level/editor_screen.h"
#include "kit/level/editor_state.h"
#include "kit/level/event_clipboard.h"
#include "kit/level/exits_editor.h"
#include "kit/level/flag_conflicts.h"
#include "kit/level/grid_hits.h"
#include "kit/level/level_files.h"
#include "kit/level/level_tools.h"
#include "kit/level/map_overview.h"
#include "kit/level/painting.h"
#include "kit/level/panel_pages.h"
#include "kit/level/search_utility.h"
#include "kit/level/test_play.h"
#include "kit/level/text_dumps.h"
#include "kit/level/tile_pickers.h"
#include "kit/level/tile_sheet.h"
#include "kit/level/zone_names_editor.h"
#include "kit/script/script_editor.h"
#include "platform/display.h"
#include "platform/field_kinds.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/message_boxes.h"
#include "platform/sound.h"
#include "platform/widgets.h"

int16_t KitPreviousLevel = 0;

namespace {

// The editor drawn behind the box, then the question; after a Yes the editor is drawn again,
// so that a box the action shows stands on it and not on this one.
int Ask(const EditorState& e, int16_t x, int16_t y, std::string_view question) {
    DrawEditorScreen(e, 0);
    if (!Confirm(x, y, question)) return 0;
    DrawEditorScreen(e, 0);
    return 1;
}

void AskNewLevel(EditorState& e) {
    if (!Ask(e, 210, 175, "Really New Level?")) return;
    FreeLevelEventsAndScripts(0);
    NewLevel(CurrentTile(e));
    e.levelNumber = 0;
}

void AskWipeScreen(EditorState& e) {
    if (Ask(e, 210, 175, " Really wipe screen?")) WipeScreen(e.viewX, e.viewY, CurrentTile(e));
}

void ExplainFlood(EditorState& e) {
    DrawEditorScreen(e, 0);
    ShowMessage(100, 120, "To flood area, point mouse", "cursor and press CONTROL+F.");
}

void AskSearch(EditorState& e) {
    if (Ask(e, 180, 130, "Really do search?")) RunSearchUtility(e.levelNumber);
}

void AskFlagConflicts(EditorState& e) {
    if (Ask(e, 180, 130, "Really report conflicts?")) ReportFlagConflicts(1, e.levelNumber);
}

// The dumps load every level; the edited one is reloaded after each.
void AskDumpTexts(EditorState& e) {
    if (Ask(e, 100, 130, "Dump script text to file?") && DumpScripts()) ReloadEditedLevel(e.levelNumber);
    if (Ask(e, 120, 150, "Dump event text to file?") && DumpEventTexts()) ReloadEditedLevel(e.levelNumber);
}

void Toggle(uint32_t& flag) { flag = flag ? 0 : 1; }

}  // namespace

constinit const std::array<std::array<PanelButton, 5>, 6> PanelPages = {{
    {{{"Define Zones", 0, [](EditorState&) { RunZoneNamesEditor(); }},
      {"Define Exits", kTab, [](EditorState&) { RunExitsEditor(); }},
      {"Define NPC Scripts", 0, [](EditorState&) { RunScriptEditor(0); }},
      {},
      {}}},
    {{{"View Grid", 0, [](EditorState& e) { Toggle(e.grid); }},
      {"View Access", 0, [](EditorState& e) { Toggle(e.access); }},
      {"View Zones", 0, [](EditorState& e) { Toggle(e.zones); }},
      {"View Events", 0, [](EditorState& e) { Toggle(e.events); }},
      {"View Tile2", 0, [](EditorState& e) { Toggle(e.tile2); }}}},
    {{{"Clear", 0, [](EditorState& e) { RunClearFunctions(CurrentTile(e), e); }},
      {"New Level", 0, AskNewLevel},
      {"Replace", 0, [](EditorState& e) { RunReplaceTile(e); }},
      {"Wipe Screen", 0, AskWipeScreen},
      {"Flood", 0, ExplainFlood}}},
    {{{"Objective", 0, [](EditorState&) { RunGameObjectiveEditor(); }},
      {"Quests", 0, [](EditorState&) { RunQuestTextEditor(); }},
      {"Items", 0, [](EditorState&) { RunItemEditor(0); }},
      {"Monsters", 0, [](EditorState&) { RunMonsterEditor(); }},
      {"Modules", 0, [](EditorState&) { RunModuleEditor(); }}}},
    {{{"Books", 0, [](EditorState&) { RunBookEditor(); }},
      {"Penta Portal", 0, [](EditorState&) { RunPentaEditor(); }},
      {"Forge Recipes", 0, [](EditorState&) { RunForgeEditor(); }},
      {"Skill Editor", 0, [](EditorState&) { RunSkillEditor(); }},
      {"Win Txt Editor", 0, [](EditorState&) { RunWinTextEditor(); }}}},
    {{{"Search X", 0, AskSearch},
      {"Flag Conflicts", 0, AskFlagConflicts},
      {"Tile Order", 0, [](EditorState& e) { CurrentTile(e) = PickTileFromSheet(CurrentTile(e), e.sheetPage); }},
      {"Shift Level", 0, [](EditorState& e) { RunShiftMap(CurrentTile(e)); }},
      {"Dump text", 'R', AskDumpTexts}}},
}};

void ShowKitOptionHelp(int16_t x, int16_t y, int16_t) {
    auto draw = [x, y] {
        DrawPanel(x, y, 12, 9, 1, "Wilderness Lvl");
        const int16_t left = int16_t(x + 20);
        DrawSmallText(left, int16_t(y + 60), "If set, the PC icon is replaced", kSmallBlack);
        DrawSmallText(left, int16_t(y + 72), "with an arrow. Use the wilderness", kSmallBlack);
        DrawSmallText(left, int16_t(y + 84), "tiles to draw overland levels.", kSmallBlack);
        DrawSmallText(left, int16_t(y + 108), "Currently wandering monsters", kSmallRed);
        DrawSmallText(left, int16_t(y + 120), "are not implemented. This", kSmallRed);
        DrawSmallText(left, int16_t(y + 132), "feature is sceduled for a later", kSmallRed);
        DrawSmallText(left, int16_t(y + 144), "update.", kSmallRed);
        Flip();
    };
    draw();
    // A wait for the release, redrawing after a regained focus.
    while (KeyStillDown(2)) {
        if (TakeLoopMessage() && RedrawNeeded) {
            draw();
            RedrawNeeded = 0;
        }
        host::Get().Idle();
    }
}

namespace {

void Draw(const EditorState& e) { DrawEditorScreen(e, 1); }
// The editor as the screen behind a dialog's boxes.
FieldRedraw Behind(const EditorState& e) {
    return [&e](uint32_t flip) { DrawEditorScreen(e, int16_t(flip)); };
}

void PollPickers(EditorState& e) {
    struct Picker {
        int16_t x, key;
        int16_t (*pick)(EditorState&);
    };
    static constexpr Picker kPickers[] = {
        {466, 'T', [](EditorState& s) { return PickWallTile(CurrentTile(s), s.wallCategory); }},
        {501, 'A', [](EditorState& s) { return PickAccessTile(CurrentTile(s)); }},
        {536, 'Z', [](EditorState& s) { return PickZoneTile(CurrentTile(s)); }},
        {571, 'E', [](EditorState& s) { return PickEventTile(CurrentTile(s), s.eventPage); }},
    };
    for (const Picker& p : kPickers) {
        if (!AreaClicked(p.x, 150, 32, 32, p.key, 1, 1, 1)) continue;
        CurrentTile(e) = p.pick(e);
        Draw(e);
    }
}

void PollQuickSlots(EditorState& e) {
    for (int16_t s = 0; s < 8; ++s) {
        if (!AreaClicked(int16_t(448 + 45 * (s % 4)), s < 4 ? 35 : 70, 32, 32, int16_t('1' + s), 1, 1, 0)) continue;
        e.selectedSlot = s;
        Draw(e);
    }
}

// Keys are read while held: a held key repeats at the game delay, two keys go diagonally.
void PollScrolling(EditorState& e) {
    struct Scroll {
        int16_t key, padKey, dx, dy;
    };
    static constexpr Scroll kScrolls[] = {{37, 100, -1, 0}, {39, 102, 1, 0}, {38, 104, 0, -1}, {40, 98, 0, 1}};
    for (const Scroll& s : kScrolls) {
        if (!KeyDown(s.key) && !KeyDown(s.padKey)) continue;
        const int16_t x = int16_t(e.viewX + s.dx), y = int16_t(e.viewY + s.dy);
        if (x < 0 || x > kLastViewOrigin || y < 0 || y > kLastViewOrigin) continue;
        e.viewX = x;
        e.viewY = y;
        Draw(e);
        // A negative delay from the options file would wait for ever.
        Delay(uint32_t(std::max<int16_t>(Options.GameDelay, 0)));
    }
}

// The cells under the cursor, rows outer and columns inner, as the window's order.
template <class F>
void ForCellsUnderCursor(F&& f) {
    const GridHits rows = CellsAt(CursorPos.y, CellY(0), 32, 13);
    const GridHits columns = CellsAt(CursorPos.x, CellX(0), 32, 13);
    for (int16_t r = rows.first; r < rows.first + rows.count; ++r) {
        for (int16_t c = columns.first; c < columns.first + columns.count; ++c) f(c, r);
    }
}

// Left held paints every cell passed over; a right click opens a square's event.
void PollCells(EditorState& e) {
    ForCellsUnderCursor([&e](int16_t c, int16_t r) {
        const int16_t x = int16_t(e.viewX + c), y = int16_t(e.viewY + r);
        if (AreaClicked(CellX(c), CellY(r), 32, 32, 0, 1, 0, 0)) {
            PaintSquare(x, y, e);
            Draw(e);
            Delay(60);
        }
        if (EventAt(x, y) && AreaClicked(CellX(c), CellY(r), 32, 32, 0, 2, 1, 0)) {
            RunEventEditor(x, y, EventClipboardValid);
            Draw(e);
        }
    });
}

void PollPageTabs(EditorState& e) {
    for (int16_t row = 0; row < 2; ++row) {
        for (int16_t i = 0; i < 3; ++i) {
            if (!ButtonClicked(int16_t(475 + 40 * i), int16_t(200 + 20 * row), 4, 0, 0, 1, 1)) continue;
            e.page = int16_t(3 * row + i);
            Draw(e);
        }
    }
}

void PollPageKeys(EditorState& e) {
    int16_t page = e.page;
    if (TabPressed(1)) page = int16_t((page + 1) % 6);
    if (KeyPressed('D', 1, 0, 1)) page = 0;
    if (KeyPressed('V', 1, 0, 1)) page = 1;
    if (!KeyDown(kCtrl) && KeyPressed('C', 1, 0, 1)) page = 2;
    if (KeyPressed('B', 1, 0, 1)) page = page == 3 ? 4 : 3;
    if (KeyPressed('U', 1, 0, 1)) page = 5;
    if (page == e.page) return;
    e.page = page;
    Draw(e);
}

// Page 0's "Wilderness lvl?" box, "View Dist:" and the box's help.
void PollLevelOptions(EditorState& e) {
    LevelRecord& l = CurrentLevel;
    if (AreaClicked(575, 327, 15, 15, 0, 1, 1, 1)) {
        l.WildernessLevel = l.WildernessLevel == 0 ? 1 : 0;
        Draw(e);
    }
    if (ButtonClicked(555, 352, 4, 0, 0, 1, 1)) {
        l.ViewDistance = l.ViewDistance >= 0 && l.ViewDistance < 2 ? int16_t(l.ViewDistance + 1) : int16_t(0);
        Draw(e);
    }
    if (AreaClicked(475, 337, 115, 15, 0, 2, 0, 1)) {
        ShowKitOptionHelp(120, 100, 0);
        Draw(e);
    }
}

void PollPageButtons(EditorState& e) {
    if (e.page < 0 || e.page > 5) return;
    const auto& buttons = PanelPages[size_t(e.page)];
    for (int row = 0; row < 5; ++row) {
        const PanelButton& b = buttons[size_t(row)];
        if (!b.action || !ButtonClicked(kPanelX, PanelRowY(row), 12, b.key, 0, 1, 1)) continue;
        b.action(e);
        Draw(e);
    }
    if (e.page == 0) PollLevelOptions(e);
}

// Ctrl+C copies the event under the cursor, Ctrl+P pastes onto empty squares passed
// over, Ctrl+F floods.
void PollClipboardKeys(EditorState& e) {
    if (!KeyDown(kCtrl)) return;
    ForCellsUnderCursor([&e](int16_t c, int16_t r) {
        const int16_t x = int16_t(e.viewX + c), y = int16_t(e.viewY + r);
        if (KeyDown(kCtrl) && KeyDown('C') && EventAt(x, y)) {
            PlaySoundEffect("click");
            CopyEventToClipboard(*EventAt(x, y));
            PlaySoundEffect("click");
            Draw(e);
            Delay(200);
        }
        if (KeyDown(kCtrl) && KeyDown('P') && !EventAt(x, y) && EventClipboardValid) {
            PasteEvent(x, y);
            PlaySoundEffect("click");
            Draw(e);
        }
        if (KeyDown(kCtrl) && KeyDown('F')) {
            FloodAtCell(c, r, e);
            Draw(e);
        }
    });
}

bool PollFileButtons(EditorState& e) {
    if (ButtonClicked(455, 405, 8, kF1, 0, 1, 1)) {
        e.levelNumber = RunLoadLevel(e.levelNumber);
        if (e.levelNumber > 0) {
            KitPreviousLevel = e.levelNumber;
            EmptyEventClipboard();
        }
        Draw(e);
    }
    if (ButtonClicked(536, 405, 8, 0, 0, 1, 1)) {
        // The dialog writes the typed number at once; it becomes the level's number only
        // when that level was loaded.
        int16_t typed = e.levelNumber;
        DrawEditorScreen(e, 0);
        if (RunLevelNumberDialog(1, typed, Behind(e))) {
            e.levelNumber = typed;
            KitPreviousLevel = typed;
        }
        Draw(e);
    }
    if (ButtonClicked(455, 428, 8, kF4, 0, 1, 1)) {
        if (Ask(e, 210, 175, "Save Level" + std::to_string(e.levelNumber) + ".map?"))
            SaveAndListLevel(e.levelNumber, 1, Behind(e));
        Draw(e);
    }
    if (ButtonClicked(536, 428, 8, 0, 0, 1, 1)) {
        e.levelNumber = RunSaveLevel(e.levelNumber);
        Draw(e);
    }
    if (ButtonClicked(455, 451, 16, kEsc, 'Q', 1, 1)) {
        if (Ask(e, 210, 175, "Really Quit Editor?")) return false;
        Draw(e);
    }
    return true;
}

// One pass of the editor's controls in their order; false when the author leaves.
bool KitPass(EditorState& e, Screen& screen) {
    LoopPass(screen, [&e] { Draw(e); });
    PollPickers(e);
    PollQuickSlots(e);
    if (ButtonClicked(265, 432, 8, 0, 0, 1, 1)) {
        if (Ask(e, 210, 175, "Save and Test Level?")) TestLevel(e.levelNumber, e.viewX, e.viewY);
        if (QuitProgram) return false;
        Draw(e);
    }
    if (ButtonClicked(351, 432, 8, 0, 0, 1, 1)) {
        RunMapOverview(e.viewX, e.viewY, 1);
        Draw(e);
    }
    if (ButtonClicked(265, 453, 8, 0, 0, 1, 1)) {
        RunCustomCampaignEditor();
        Draw(e);
    }
    if (ButtonClicked(455, 115, 8, 'L', kBackQuote, 1, 1)) {
        e.layer = e.layer == 1 ? 2 : 1;
        Draw(e);
    }
    if (ButtonClicked(536, 115, 8, 0, 0, 1, 1)) {
        Toggle(e.autoAcc);
        Draw(e);
    }
    PollScrolling(e);
    PollCells(e);
    PollPageTabs(e);
    if (KeyPressed('S', 1, 0, 1)) {
        AskSearch(e);
        Draw(e);
    }
    PollPageKeys(e);
    if (e.page <= 4) PollPageButtons(e);
    if (KeyPressed('M', 1, 0, 1)) {
        RunMapOverview(e.viewX, e.viewY, 1);
        Draw(e);
    }
    if (e.page == 5) PollPageButtons(e);
    PollClipboardKeys(e);
    return PollFileButtons(e);
}

}  // namespace

void RunConstructionKit() {
    Screen screen("construction kit");
    EditorState editor;
    EmptyEventClipboard();
    NewLevel(1);
    if (KitPreviousLevel > 0) {
        if (Ask(editor, 100, 120, "Reload previous level?")) {
            if (LoadLevel(KitPreviousLevel, 0, 0)) editor.levelNumber = KitPreviousLevel;
        } else {
            KitPreviousLevel = 0;
        }
    }
    Draw(editor);
    while (KitPass(editor, screen)) {
    }
    FreeLevelEventsAndScripts(0);
}
