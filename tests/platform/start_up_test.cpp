// The program's start and end around the title, the working folder, and the keyboard map.
#include <SDL2/SDL_scancode.h>

#include <fstream>

#include "data/data_files.h"
#include "data/level.h"
#include "data/options.h"
#include "data/save_slots.h"
#include "platform/display.h"
#include "platform/files.h"
#include "platform/host/sdl_backend.h"
#include "platform/start_up.h"
#include "platform/host/sdl_keymap.h"
#include "platform/working_folder.h"
#include "tests/data/file_bytes.h"
#include "tests/support/headless_test.h"

namespace fs = std::filesystem;

namespace {

class StartUpTest : public HeadlessTest {};

TEST_F(StartUpTest, TitleRunsBetweenTheWindowAndTheRelease) {
    // Title pages trimmed: Esc on the menu quits at once.
    std::vector<uint8_t> option(24, 0);
    option[12] = 1;
    WriteBytes("Mod/GameData/Option.dat", option);
    host.Wait(3).Tap(27);
    int result = -1;
    Run([&] { result = AppMain(); });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(host.windowTitle, "Vexmoor 2");
    EXPECT_TRUE(host.cursorShown);
    ASSERT_GE(host.flips, 1u);
    EXPECT_EQ(std::count(host.posted.begin(), host.posted.end(), host::kMsgClose), 1);
    EXPECT_EQ(DirectDrawObject, nullptr);
    EXPECT_EQ(host.effects, std::vector<std::string>{"Click"});
}

TEST_F(StartUpTest, OneProgramPerPlayerFolder) {
    const fs::path player = folder / "player";
    auto other = std::make_unique<host::Headless>();
    fs::create_directories(player);
    ASSERT_TRUE(other->LockFolder(player.string()));

    testing::internal::CaptureStderr();
    EXPECT_EQ(RunGame(host, player, VEXMOOR_MODULE_DIR), 1);
    const std::string said = testing::internal::GetCapturedStderr();
    const std::string text = "Vexmoor is already running on the folder " + player.string() + ".";
    EXPECT_EQ(said, "vexmoor: " + text + "\n");
    EXPECT_EQ(host.startUpErrors, std::vector<std::string>{text});
    EXPECT_FALSE(fs::exists(player / "Mod")) << "the folder was touched";
    EXPECT_EQ(host.flips, 0u);

    other.reset();  // the other program ends
    std::vector<uint8_t> option(24, 0);
    option[12] = 1;  // title pages trimmed
    WriteBytes(player / "Mod/GameData/Option.dat", option);
    host.Wait(3).Tap(27);
    EXPECT_EQ(RunGame(host, player, VEXMOOR_MODULE_DIR), 0);
    host::Install(&host);
    EXPECT_GE(host.flips, 1u);
}

TEST_F(StartUpTest, NoDisplayEndsLoudlyBeforeAnyScreen) {
    for (bool* knob : {&host.noDisplay, &host.refuseDisplay}) {
        *knob = true;
        testing::internal::CaptureStderr();
        EXPECT_EQ(AppMain(), 1);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "vexmoor: " + host.Failure() + "\n");
        EXPECT_EQ(host.flips, 0u);
        EXPECT_EQ(DirectDrawObject, nullptr);
        EXPECT_EQ(MainWindow, 0u);
        *knob = false;
    }
}

// SDL's own display check, with the environment a player may have.
TEST(SdlDisplay, OnlyARealDisplayOrOneAskedForByName) {
    struct Case {
        const char* display;
        const char* driver;
        bool present;
    };
    const Case cases[] = {
        {nullptr, nullptr, false},  // no X, no Wayland: SDL would pick its offscreen driver
        {":31999", nullptr, false},  // an X display that is not there
        {nullptr, "dummy", true},    // asked for by name, as the tests do
    };
    const std::string keep[] = {getenv("DISPLAY") ? getenv("DISPLAY") : "",
                                getenv("WAYLAND_DISPLAY") ? getenv("WAYLAND_DISPLAY") : "",
                                getenv("SDL_VIDEODRIVER") ? getenv("SDL_VIDEODRIVER") : ""};
    auto set = [](const char* name, const char* value) {
        if (value && *value) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    };
    for (const Case& c : cases) {
        set("DISPLAY", c.display);
        unsetenv("WAYLAND_DISPLAY");
        set("SDL_VIDEODRIVER", c.driver);
        testing::internal::CaptureStderr();  // what the video drivers say while they are tried
        auto sdl = host::MakeSdlBackend();
        EXPECT_EQ(sdl->DisplayPresent(), c.present) << (c.display ? c.display : "no DISPLAY");
        if (!c.present) {
            EXPECT_TRUE(sdl->Failure().starts_with("no graphical display")) << sdl->Failure();
        }
        sdl.reset();
        testing::internal::GetCapturedStderr();
    }
    set("DISPLAY", keep[0].c_str());
    set("WAYLAND_DISPLAY", keep[1].c_str());
    set("SDL_VIDEODRIVER", keep[2].c_str());
}

TEST_F(StartUpTest, ModuleIsCopiedWholeOnlyIntoAFolderWithoutOne) {
    const fs::path module = folder / "built";
    fs::create_directories(module / "Mod" / "GameData");
    fs::create_directories(module / "Mod" / "LevelData");
    std::ofstream(module / "Mod" / "GameData" / "a.bmp") << "new";
    std::ofstream(module / "Mod" / "LevelData" / "Level3.dat") << "new";

    const fs::path fresh = folder / "fresh";
    ASSERT_TRUE(PrepareWorkingFolder(fresh, module));
    EXPECT_EQ(fs::current_path(), fs::canonical(fresh));
    EXPECT_TRUE(fs::exists(fresh / "Mod" / "GameData" / "a.bmp"));
    EXPECT_TRUE(fs::exists(fresh / "Mod" / "LevelData" / "Level3.dat"));
    for (const auto& entry : fs::directory_iterator(fresh)) EXPECT_EQ(entry.path().filename(), "Mod");

    // The author erased a level and changed a picture: neither comes back at the next start.
    fs::remove(fresh / "Mod" / "LevelData" / "Level3.dat");
    std::ofstream(fresh / "Mod" / "GameData" / "a.bmp") << "mine";
    ASSERT_TRUE(PrepareWorkingFolder(fresh, module));
    EXPECT_FALSE(fs::exists(fresh / "Mod" / "LevelData" / "Level3.dat"));
    std::string a;
    std::ifstream(fresh / "Mod" / "GameData" / "a.bmp") >> a;
    EXPECT_EQ(a, "mine");

    // A module in another spelling is a module too.
    const fs::path other = folder / "other";
    fs::create_directories(other / "mod");
    ASSERT_TRUE(PrepareWorkingFolder(other, module));
    EXPECT_FALSE(fs::exists(other / "Mod" / "GameData"));
}

// A one-colour 24-bit bitmap.
void WriteBmp(const fs::path& path, int32_t w, int32_t h, uint8_t r, uint8_t g, uint8_t b) {
    const uint32_t row = (uint32_t(w) * 3 + 3) & ~3u;
    std::vector<uint8_t> f(54 + row * uint32_t(h), 0);
    f[0] = 'B';
    f[1] = 'M';
    PutU32(f, 2, uint32_t(f.size()));
    PutU32(f, 10, 54);
    PutU32(f, 14, 40);
    PutU32(f, 18, uint32_t(w));
    PutU32(f, 22, uint32_t(h));
    PutI16(f, 26, 1);
    PutI16(f, 28, 24);
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            uint8_t* p = &f[54 + size_t(y) * row + 3 * size_t(x)];
            p[0] = b, p[1] = g, p[2] = r;
        }
    }
    WriteBytes(path, f);
}

TEST_F(StartUpTest, PathsMatchWhatExistsInAnyCase) {
    for (const char* file : {"Mod/GameData/a.bmp", "Mod/LevelData/LevelList.dat", "mod/leveldata/LEVEL40.DAT"})
        WriteBytes(file, {1});
    const std::pair<std::string, std::string> cases[] = {
        {"mod/gamedata/A.BMP", "Mod/GameData/a.bmp"},
        {"Mod/GameData/missing.bmp", "Mod/GameData/missing.bmp"},
        {"MOD/GAMEDATA/new.dat", "Mod/GameData/new.dat"},  // the tail under the folders that match
        {"Mod/SaveGames/save0.sav", "Mod/SaveGames/save0.sav"},
        // Of two spellings of a folder, the one that holds the file.
        {"Mod/LevelData/Level40.dat", "mod/leveldata/LEVEL40.DAT"},
        {"Mod/LevelData/Level41.dat", "Mod/LevelData/Level41.dat"},
        {"mod/leveldata/levellist.dat", "Mod/LevelData/LevelList.dat"},
        {(fs::current_path() / "MOD/GameData/A.bmp").string(), (fs::current_path() / "Mod/GameData/a.bmp").string()},
    };
    for (const auto& [given, found] : cases) EXPECT_EQ(ResolvePath(given), found) << given;
}

TEST_F(StartUpTest, ModuleInAnyCaseIsTheOneThatLoads) {
    // A module unpacked by a system that ignores case, before the first start.
    const fs::path player = folder / "player";
    WriteBmp(player / "mod/gamedata/vextitle.bmp", 4, 4, 255, 0, 0);
    WriteBmp(player / "mod/gamedata/Custom.bmp", 4, 4, 0, 0, 255);
    std::vector<uint8_t> option = {77, 0, 3, 0, 1, 0, 0, 0, 0, 0, 2, 0};
    option.resize(24, 0);
    WriteBytes(player / "mod/gamedata/OPTION.DAT", option);
    NewLevel(1300);
    fs::create_directories(player / "mod/leveldata");
    ASSERT_EQ(WriteLevelFile((player / "mod/leveldata/LEVEL40.DAT").string()), 1u);
    NewLevel(1);

    ASSERT_TRUE(PrepareWorkingFolder(player, VEXMOOR_MODULE_DIR));
    EXPECT_FALSE(fs::exists("Mod")) << "a second tree in the game's spelling";
    EXPECT_FALSE(fs::exists("mod/gamedata/VexTitle.bmp")) << "the built title would hide the module's";
    EXPECT_FALSE(fs::exists("mod/gamedata/custom.bmp"));
    EXPECT_FALSE(fs::exists("mod/gamedata/VexMap.bmp"));  // nothing of the build's joins a module

    LoadDataFiles();
    EXPECT_EQ(Options.GameDelay, 77);
    EXPECT_TRUE(fs::exists("mod/gamedata/Item.dat"));
    EXPECT_TRUE(fs::is_directory("mod/SaveGames"));
    EXPECT_FALSE(fs::exists("Mod"));
    EXPECT_EQ(LoadLevel(40, 1, 0), 1u);
    EXPECT_EQ(CurrentLevel.BottomLayer[0], 1300);
    EXPECT_EQ(SaveGameToSlot(0, 2), 1u);
    EXPECT_TRUE(fs::exists("mod/SaveGames/save2.sav"));

    OpenDisplay();
    EXPECT_EQ(TitlePicture->Row(0)[0], RgbTo565(Rgb(255, 0, 0)));
    EXPECT_EQ(WallTiles[2240]->Row(0)[0], RgbTo565(Rgb(0, 0, 255)));
}

TEST(WorkingFolder, FollowsXdgDataHome) {
    const char* saved = std::getenv("XDG_DATA_HOME");
    const std::string keep = saved ? saved : "";
    setenv("XDG_DATA_HOME", "/tmp/xdg-test", 1);
    EXPECT_EQ(WorkingFolderPath(), fs::path("/tmp/xdg-test/vexmoor"));
    setenv("XDG_DATA_HOME", "relative/ignored", 1);
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(WorkingFolderPath(), fs::path("/home/someone/.local/share/vexmoor"));
    if (saved) setenv("XDG_DATA_HOME", keep.c_str(), 1);
    else unsetenv("XDG_DATA_HOME");
}

TEST(KeyMap, VirtualKeysOfAUsKeyboard) {
    EXPECT_EQ(VirtualKeyOfScancode(SDL_SCANCODE_A), 'A');
    EXPECT_EQ(VirtualKeyOfScancode(SDL_SCANCODE_0), '0');
    EXPECT_EQ(VirtualKeyOfScancode(SDL_SCANCODE_KP_0), 96);
    EXPECT_EQ(VirtualKeyOfScancode(SDL_SCANCODE_KP_9), 105);
    EXPECT_EQ(VirtualKeyOfScancode(SDL_SCANCODE_KP_ENTER), 13);
    EXPECT_EQ(VirtualKeyOfScancode(SDL_SCANCODE_LALT), 164);
    EXPECT_EQ(VirtualKeyOfScancode(SDL_SCANCODE_SEMICOLON), 186);
    EXPECT_EQ(VirtualKeyOfScancode(SDL_SCANCODE_APOSTROPHE), 222);
    EXPECT_EQ(VirtualKeyOfScancode(SDL_SCANCODE_PAGEDOWN), 34);
    EXPECT_EQ(GenericVirtualKey(161), 16);
    EXPECT_EQ(GenericVirtualKey(162), 17);
}

}  // namespace
