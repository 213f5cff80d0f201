// The level's exits and zone settings dialogs, with the music selector.
#include <vector>

#include "data/text_field.h"
#include "kit/level/exits_editor.h"
#include "kit/level/zone_names_editor.h"
#include "tests/kit/kit_test.h"

namespace {

class LevelDialogsTest : public KitTest {
protected:
    // The texts drawn at (x, y), each time they changed.
    std::vector<std::string> TextsAt(int32_t x, int32_t y) const {
        std::vector<std::string> seen;
        for (const auto& t : host.texts) {
            if (t.x == x && t.y == y && (seen.empty() || seen.back() != t.text)) seen.push_back(t.text);
        }
        return seen;
    }
    // A click on a field at (x, y), then a number typed into it.
    void EnterAt(int32_t x, int32_t y, const char* digits) {
        ClickAt(x + 15, y + 8);
        host.Wait(2).Type(digits).Tap(13);
    }
};

TEST_F(LevelDialogsTest, ExitsFieldsAndComparison) {
    for (int i = 0; i < 6; ++i) ClickAt(345, 90 + 78);  // South's comparison, round once
    EnterAt(130, 70 + 180, "999");  // East's exit level
    EnterAt(262, 70, "6000");       // North's flag: at most 5000
    EnterAt(400, 115 + 270, "60");  // West's Y: at most 49
    EnterAt(206, 90 + 90, "7");     // South's alternative level
    TapKey('D');
    Run(RunExitsEditor);
    EXPECT_EQ(TextsAt(343, 166), (std::vector<std::string>{" >", " <", ">=", "<=", "!=", "==", " >"}));
    EXPECT_EQ(CurrentLevel.ExitFlagOp[1], 0);
    EXPECT_EQ(CurrentLevel.ExitLevel[2], 999);
    EXPECT_EQ(CurrentLevel.ExitFlag[0], 5000);
    EXPECT_EQ(CurrentLevel.ExitY[3], 49);
    EXPECT_EQ(CurrentLevel.AltExitLevel[1], 7);
    EXPECT_EQ(LastTextAt(140, 256), "999");
}

TEST_F(LevelDialogsTest, ZoneNamesConditionsAndFlags) {
    SetFieldText(CurrentLevel.ZoneNames[0], "");
    for (int i = 0; i < 8; ++i) ClickAt(380, 205 + 8);  // zone 2's condition, round once
    host.MoveMouse(175, 205 + 28).Wait(100).Hold(1, 100);  // zone 2 has no flag line
    EnterAt(155, 145 + 20, "7999");                    // zone 1's flag
    EnterAt(225, 325 + 20, "12");                      // zone 4's value
    ClickAt(160, 85 + 8);
    host.Wait(2).Type("ABCDEFGHIJKLMNOPQRSTUVWXYZ").Tap(13);
    TapKey(27);
    Run(RunZoneNamesEditor);
    EXPECT_EQ(TextsAt(340, 211), (std::vector<std::string>{"Normal", "Very Cold", "Very Hot", "Radiation", "Biohazard",
                                                           "Underwater", "Antimagic", "No teleport", "Normal"}));
    EXPECT_EQ(CurrentLevel.ZoneSuppressFlag[1], 7999);
    EXPECT_EQ(CurrentLevel.ZoneConditionOffValue[1], 12);
    EXPECT_EQ(CurrentLevel.ZoneConditionOffFlag[0], -1);
    EXPECT_EQ(CurrentLevel.ZoneSuppressValue[1], -1);
    EXPECT_EQ(FieldText(CurrentLevel.ZoneNames[0]), "ABCDEFGHIJKLMNOPQRSTUVWXY");
}

// The selector opens at the zone's tune: listening and Done keep it.
TEST_F(LevelDialogsTest, MusicSelectorPlaysStopsAndKeepsTheTune) {
    CurrentLevel.ZoneTunes[3] = 2;  // "Quest"
    ClickAt(560, 265 + 8);
    Keys({'P', 'S', 'D'});
    ClickAt(560, 85 + 8);  // zone 0 at "None": Play plays nothing
    host.Wait(100).Hold('P', 100);
    Keys({'D', 'D'});
    Run(RunZoneNamesEditor);
    EXPECT_EQ(CurrentLevel.ZoneTunes[3], 2);
    EXPECT_EQ(CurrentLevel.ZoneTunes[0], 0);
    EXPECT_EQ(host.mediaCommands,
              (std::vector<std::string>{"open music/tune1.mp3 alias currtune", "play currtune REPEAT",
                                        "setaudio currtune left volume to 600",
                                        "setaudio currtune right volume to 600", "stop currtune", "close currtune"}));
    EXPECT_TRUE(ButtonShownAt(host, "Stop", 350, 105, 3));
}

}  // namespace
