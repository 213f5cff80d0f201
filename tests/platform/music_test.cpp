// Effects by name, the Nuke file, the exact music commands and the zone-music rule.
#include "platform/music.h"

#include <filesystem>
#include <fstream>

#include "data/game_state.h"
#include "data/level.h"
#include "data/options.h"
#include "platform/host/media_command.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "tests/support/headless_test.h"

namespace {

using Commands = std::vector<std::string>;

class MusicTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        savedOptions_ = Options;
        Options.MusicVolume = 3;
        Options.CdMusic = 0;
        GameState.CurrentTune = -1;
        // Zone 1 plays tune 4 (stored as 5) at x 10 to 19; zone 2 has no tune from x 20 on.
        CurrentLevel.ZoneTunes[1] = 5;
        CurrentLevel.ZoneTunes[2] = 0;
        for (int x = 0; x < 50; ++x)
            for (int y = 0; y < 50; ++y) CurrentLevel.ZoneLayer[x * 50 + y] = x < 10 ? 0 : x < 20 ? 1 : 2;
    }
    void TearDown() override {
        Options = savedOptions_;
        GameState.CurrentTune = -1;
        HeadlessTest::TearDown();
    }
    // The hero steps onto (x, y) and the music follows; the commands that sent.
    Commands StepTo(int16_t x, int16_t y) {
        host.mediaCommands.clear();
        GameState.HeroX = x;
        GameState.HeroY = y;
        UpdateZoneMusic();
        return host.mediaCommands;
    }

private:
    OptionsRecord savedOptions_{};
};

TEST_F(MusicTest, VolumesAndCd) {
    Options.MusicVolume = 5;
    SetTuneVolume(0);
    Options.MusicVolume = 0;
    SetTuneVolume(1);  // the title's fixed volume, whatever the option
    EXPECT_EQ(host.mediaCommands[1], "setaudio currtune right volume to 1000");
    EXPECT_EQ(host.mediaCommands[3], "setaudio currtune right volume to 600");

    host.mediaCommands.clear();
    Options.CdMusic = 1;
    PlayTune(3, 1);
    SetTuneVolume(0);
    StopTune();
    EXPECT_EQ(host.mediaCommands, (Commands{"open cdaudio", "set cdaudio time format tmsf",
                                            "play cdaudio from 3 to 4", "stop cdaudio", "close cdaudio"}));
}

TEST_F(MusicTest, ZoneMusicFollowsTheHero) {
    EXPECT_EQ(StepTo(12, 5), (Commands{"open music/tune4.mp3 alias currtune", "play currtune REPEAT",
                                       "setaudio currtune left volume to 600",
                                       "setaudio currtune right volume to 600"}));
    EXPECT_EQ(StepTo(13, 5), Commands{});  // tune 4 into tune 4
    EXPECT_EQ(StepTo(25, 5), (Commands{"stop currtune", "close currtune"}));
    EXPECT_EQ(GameState.CurrentTune, -1);
    EXPECT_EQ(StepTo(12, 5).front(), "open music/tune4.mp3 alias currtune");
    EXPECT_EQ(GameState.CurrentTune, 4);

    // A focus loss stops the tune but keeps its number: coming back, it does not restart.
    OpenDisplay();
    host.mediaCommands.clear();
    host.LoseFocus().Wait(5);
    Run([&] {
        Screen screen("music");
        while (!host.ScriptDone()) TakePass(screen);
    });
    EXPECT_EQ(host.mediaCommands, (Commands{"stop currtune", "close currtune"}));
    EXPECT_EQ(StepTo(13, 5), Commands{});

    // Between two tunes: the old one closes before the new one opens.
    CurrentLevel.ZoneTunes[2] = 1;
    const Commands change = StepTo(30, 5);
    ASSERT_EQ(change.size(), 6u);
    EXPECT_EQ(change[0], "stop currtune");
    EXPECT_EQ(change[2], "open music/tune0.mp3 alias currtune");
}

TEST_F(MusicTest, ZoneMusicOffAndCdAndBadFiles) {
    Options.MusicVolume = 0;
    GameState.CurrentTune = 9;  // started by another screen: it keeps playing
    EXPECT_EQ(StepTo(12, 5), Commands{});
    EXPECT_EQ(GameState.CurrentTune, 9);

    Options.MusicVolume = 2;
    Options.CdMusic = 1;
    GameState.CurrentTune = -1;
    EXPECT_EQ(StepTo(12, 5).back(), "play cdaudio from 4 to 5");
    EXPECT_EQ(StepTo(25, 5), (Commands{"stop cdaudio", "close cdaudio"}));

    // A position off the map changes nothing; a zone or tune out of range is a zone without music.
    Options.CdMusic = 0;
    StepTo(12, 5);
    EXPECT_EQ(StepTo(50, 5), Commands{});
    CurrentLevel.ZoneLayer[40 * 50 + 40] = 300;
    CurrentLevel.ZoneLayer[41 * 50 + 40] = -2;
    EXPECT_EQ(StepTo(40, 40), (Commands{"stop currtune", "close currtune"}));
    EXPECT_EQ(StepTo(41, 40), Commands{});
    CurrentLevel.ZoneTunes[2] = -7;
    EXPECT_EQ(StepTo(30, 5), Commands{});
}

TEST_F(MusicTest, EffectsByNameAndTheNukeFile) {
    for (const char* name : {"WaterWalk", "powerup", "Cheat", "Orac", "Alien"}) PlaySoundEffect(name);
    EXPECT_EQ(host.effects, (Commands{"WaterWalk", "powerup", "default", "default", "default"}));

    host.effects.clear();
    PlaySoundFile("sound/Nuke.WAV");
    EXPECT_TRUE(host.effects.empty());
    std::filesystem::create_directories("SOUND");
    std::ofstream("SOUND/nuke.wav") << "RIFF";
    PlaySoundFile("sound/Nuke.WAV");
    EXPECT_EQ(host.effects, Commands{"SOUND/nuke.wav"});
}

TEST(MediaCommand, ReadsTheTuneCommands) {
    using host::MediaAction;
    const MediaAction open = host::ParseMediaCommand("open music/tune12.mp3 alias currtune");
    EXPECT_EQ(open.kind, MediaAction::kOpen);
    EXPECT_EQ(open.path, "music/tune12.mp3");
    EXPECT_EQ(host::ParseMediaCommand("play currtune REPEAT").kind, MediaAction::kPlayLooped);
    EXPECT_EQ(host::ParseMediaCommand("setaudio currtune right volume to 600").volume, 600);
    EXPECT_EQ(host::ParseMediaCommand("setaudio currtune left volume to 5000").volume, 1000);
    EXPECT_EQ(host::ParseMediaCommand("close currtune").kind, MediaAction::kClose);
    for (const char* other : {"open cdaudio", "play cdaudio from 3 to 4", "setaudio currtune left volume to x",
                              "play othertune REPEAT", "", "open"})
        EXPECT_EQ(host::ParseMediaCommand(other).kind, MediaAction::kNothing) << other;
}

}  // namespace
