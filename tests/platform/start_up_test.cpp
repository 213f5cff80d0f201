// The program's start and end around the title, the working folder, and the keyboard map.
#include <SDL2/SDL_scancode.h>

#include <fstream>

#include "platform/display.h"
#include "platform/files.h"
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

TEST_F(StartUpTest, RefusedDisplayEndsBeforeAnyScreen) {
    host.refuseDisplay = true;
    EXPECT_EQ(AppMain(), 0);
    EXPECT_EQ(host.flips, 0u);
    EXPECT_EQ(DirectDrawObject, nullptr);
}

TEST_F(StartUpTest, WorkingFolderKeepsThePlayersFiles) {
    const fs::path module = folder / "built";
    fs::create_directories(module / "Mod" / "GameData");
    std::ofstream(module / "Mod" / "GameData" / "a.bmp") << "new";
    std::ofstream(module / "Mod" / "GameData" / "b.bmp") << "new";
    const fs::path player = folder / "player";
    fs::create_directories(player / "Mod" / "GameData");
    std::ofstream(player / "Mod" / "GameData" / "a.bmp") << "mine";
    ASSERT_TRUE(PrepareWorkingFolder(player, module));
    EXPECT_EQ(fs::current_path(), fs::canonical(player));
    std::string a, b;
    std::ifstream(player / "Mod" / "GameData" / "a.bmp") >> a;
    std::ifstream(player / "Mod" / "GameData" / "b.bmp") >> b;
    EXPECT_EQ(a, "mine");
    EXPECT_EQ(b, "new");

    EXPECT_EQ(ResolvePath("mod/gamedata/A.BMP"), "Mod/GameData/a.bmp");
    EXPECT_EQ(ResolvePath("Mod/GameData/missing.bmp"), "Mod/GameData/missing.bmp");
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
