#include "data/save_slot_screen.h"

#include "data/game_state.h"
#include "data/save_slots.h"
#include "data/slot_rows.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/message_boxes.h"
#include "platform/text_entry.h"
#include "view/play_screen.h"

void DrawSaveSlotScreen(int16_t selection, int16_t namingSlot, uint32_t flip) {
    DrawSlotScreen("Save Character", kBigBlue, selection, namingSlot, {"Save", "Delete", "Quit"},
                   {{100, "Select a save game slot then"},
                    {115, "click on the 'save' button."},
                    {145, "An alternative saving method is"},
                    {160, "the 'fast save'. In-game, press"},
                    {175, "<CONTROL+F> to fast save to your"},
                    {190, "default slot."},
                    {280, "To delete a saved game, select"},
                    {295, "the slot then click the 'delete'"},
                    {310, "button."}});
    if (flip) Flip();
}

namespace {

// Names the slot, then saves the running game into it. The slot becomes the game's own
// only when the save was written.
void SaveIntoSlot(int16_t slot) {
    const int16_t previousSlot = GameState.CurrentSaveSlot;
    GameState.CurrentSaveSlot = slot;
    if (!SlotIsUsed(slot)) SaveList.SaveSlotName[slot][0] = '\0';
    DrawSaveSlotScreen(slot, slot, 1);
    EnterText(100, static_cast<int16_t>(114 + 25 * slot), SaveList.SaveSlotName[slot], 1, 25, 0, 0, 3, slot, slot,
              0);
    WaitUntilUp(13);
    DrawPlayScreen(1, 1, 0, -1, -1, 0);
    if (SaveGameToSlot(1, slot)) {
        SaveList.SaveSlotUsed[slot] = 1;
        WriteSaveList();
    } else {
        GameState.CurrentSaveSlot = previousSlot;
        LoadSaveList();  // the typed name goes with the failed save
    }
}

}  // namespace

uint32_t RunSaveSlotScreen() {
    Screen screen("save character");
    int16_t selection = GameState.CurrentSaveSlot;
    if (selection < 0 || selection >= kSaveSlots) selection = -1;
    LoadSaveList();
    int16_t used = CountUsedSlots();
    auto draw = [&] { DrawSaveSlotScreen(selection, -1, 1); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        if (PollSlotRows(selection)) draw();
        if (SlotIsUsed(selection) && ButtonClicked(150, 364, 6, 'D', 0, 1, 1)) {
            DrawSaveSlotScreen(selection, -1, 0);
            if (selection == GameState.CurrentSaveSlot) {
                ShowMessage(210, 175, "Can't delete current save!", "");
            } else {
                DeleteCharacter(selection, used);
            }
            draw();
        }
        if (selection >= 0 && ButtonClicked(80, 364, 6, 'S', 0, 1, 1)) {
            SaveIntoSlot(selection);
            return 1;
        }
        if (ButtonClicked(220, 364, 6, 27, 'Q', 1, 3)) return 1;
    }
}
