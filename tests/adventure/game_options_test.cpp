// The in-game options: the panel's buttons, saving refused in battle, quitting, and the music
// following the settings.
#include "adventure/game_options.h"

#include <variant>

#include "adventure/adventure_loop.h"
#include "adventure/wilderness.h"
#include "data/options.h"
#include "tests/adventure/action_test.h"

namespace {

class GameOptionsTest : public ActionTest {
protected:
    uint32_t RunPanel(std::initializer_list<std::variant<const char*, int>> keys) {
        Keys(keys);
        uint32_t result = 9;
        Run([&] { result = RunGameOptions(1); });
        return result;
    }
    // The settings screen with its volume chosen (row 0 "Off" .. 5), then accepted.
    void SetVolume(int row) {
        TapKey('E');
        ClickAt(410, 175);
        ClickAt(410, 196 + 20 * (row + 1));
        TapKey('A');
    }
    size_t Commands(std::string_view command) const {
        return size_t(std::count(host.mediaCommands.begin(), host.mediaCommands.end(), command));
    }
};

TEST_F(GameOptionsTest, PanelButtonsSaveQuitAndBack) {
    EXPECT_EQ(RunPanel({'B'}), 0u);
    EXPECT_TRUE(ShownAt("Game Options:", 470, 120, 182));
    for (auto [label, y] : {std::pair("Settings", 160), std::pair("Save Game", 185), std::pair("Quit Game", 210),
                            std::pair("Back", 260)})
        EXPECT_TRUE(ButtonAt(label, y, 470, 7)) << label;

    WildCombatMonsters = 2;
    EXPECT_EQ(RunPanel({'S', 13, 'Q', 'N', 27}), 0u);  // refused, then "No": the panel stays
    EXPECT_EQ(Shown("game in wilderness combat!"), 1u);
    EXPECT_EQ(Shown("    Really Quit?"), 1u);
    EXPECT_EQ(QuitAdventure, 0u);

    WildCombatMonsters = -1;
    EXPECT_EQ(RunPanel({'S', 27}), 0u);  // the save screen, after which the panel closes
    EXPECT_EQ(RunPanel({'Q', 'Y'}), 1u);
    EXPECT_EQ(QuitAdventure, 1u);
}

TEST_F(GameOptionsTest, MusicFollowsEachVisitToTheSettings) {
    CurrentLevel.ZoneTunes[0] = 4;  // the hero's zone plays tune 3
    Options.MusicVolume = 3;
    GameState.CurrentTune = 3;
    SetVolume(0);
    SetVolume(2);
    TapKey('B');
    Run([] { RunGameOptions(1); });
    EXPECT_EQ(Commands("stop currtune"), 1u);
    EXPECT_EQ(Commands("open music/tune3.mp3 alias currtune"), 1u);  // started again at volume 2
    EXPECT_EQ(host.mediaCommands.back(), "setaudio currtune right volume to 400");
    EXPECT_EQ(GameState.CurrentTune, 3);
    EXPECT_EQ(Options.MusicVolume, 2);
}

TEST_F(GameOptionsTest, MusicSettingRules) {
    struct Case {
        const char* what;
        int16_t before, after, tuneValue, tune;
        const char* last;  // the last media command; "" none
    };
    const Case cases[] = {
        {"switched off", 3, 0, 4, -1, "close currtune"},
        {"switched on in a zone of tune 0", 0, 2, 0, -1, ""},
        {"switched on", 0, 2, 2, 1, "setaudio currtune right volume to 400"},
        {"louder", 2, 5, 2, 1, "setaudio currtune right volume to 1000"},
    };
    for (const Case& c : cases) {
        host.mediaCommands.clear();
        CurrentLevel.ZoneTunes[0] = c.tuneValue;
        GameState.CurrentTune = c.before > 0 ? int16_t(c.tuneValue - 1) : int16_t{-1};
        Options.MusicVolume = c.after;
        ApplyMusicSetting(c.before);
        EXPECT_EQ(GameState.CurrentTune, c.tune) << c.what;
        EXPECT_EQ(host.mediaCommands.empty() ? std::string() : host.mediaCommands.back(), c.last) << c.what;
    }
}

}  // namespace
