#include "test_play.h"

#include <string>
#include <vector>

#include "adventure/adventure_loop.h"
#include "adventure/encounters.h"
#include "data/game_state.h"
#include "data/level.h"
#include "data/restore_screen.h"
#include "kit/level/level_files.h"
#include "platform/message_boxes.h"
#include "platform/widgets.h"

void TestLevel(int16_t n, int16_t viewX, int16_t viewY) {
    // The edited level as saved: put back whenever its file cannot be read again.
    const std::vector<uint8_t> edited = LevelFileImage();
    if (!SaveAndListLevel(n, 0)) return;
    if (!RunRestoreScreen()) return;
    TestPlayMode = 1;
    if (!LoadLevel(n, 1, 0)) {
        ReadLevelImage(edited);
        TestPlayMode = 0;
        ShowLevelFileTrouble(n, "be read: no test played!");
        return;
    }
    GameState.CurrentLevelNumber = n;
    GameState.HeroX = int16_t(viewX + 6);
    GameState.HeroY = int16_t(viewY + 6);
    PopulateEncounters();
    AdventureLoop();
    if (GameState.CurrentLevelNumber != n) ShowMessage(50, 50, "mapnum=", NumberText(n));
    // Play changed the level in memory (doors opened, events used up): the editor gets the
    // saved level back, so that the next save does not keep what play did.
    if (!LoadLevel(n, 1, 0)) ReadLevelImage(edited);
    TestPlayMode = 0;
}
