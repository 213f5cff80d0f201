#include "data/restore_screen.h"

#include "data/save_slots.h"
#include "data/slot_rows.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/message_boxes.h"

void DrawRestoreScreen(int16_t, int16_t selection) {
    DrawSlotScreen("Restore Character", kBigBlack, selection, -1, {"Load", "Delete", "Cancel"},
                   {{100, "To restore a character save game,"},
                    {115, "select the save game slot then "},
                    {130, "click on the 'load' button."},
                    {160, "There are nine save game slots"},
                    {175, "available. If you try to create"},
                    {190, "a new character when all nine  "},
                    {205, "slots are full, you will get an"},
                    {220, "error message. To resolve this"},
                    {235, "you must first delete a saved"},
                    {250, "game slot."},
                    {280, "To delete a saved game, select"},
                    {295, "the slot then click the 'delete'"},
                    {310, "button."}});
    Flip();
}

uint32_t RunRestoreScreen() {
    Screen screen("restore character");
    LoadSaveList();
    int16_t used = CountUsedSlots();
    int16_t selection = -1;
    auto draw = [&] { DrawRestoreScreen(used, selection); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        if (PollSlotRows(selection)) draw();
        if (SlotIsUsed(selection)) {
            if (ButtonClicked(80, 364, 6, 'L', 13, 1, 1)) {
                const RestoreResult result = RestoreCharacter(selection);
                if (result == RestoreResult::Restored) return 1;
                // The game in memory is unchanged; the player may pick another slot.
                ShowMessage(210, 175,
                            result == RestoreResult::LevelMissing ? "  Level does not exist!"
                                                                  : "  Save game unreadable!",
                            "");
                draw();
            }
            if (ButtonClicked(150, 364, 6, 'D', 0, 1, 1)) {
                draw();
                DeleteCharacter(selection, used);
                draw();
            }
        }
        if (ButtonClicked(220, 364, 6, 27, 'C', 1, 3)) return 0;
    }
}
