// The player's files: what cannot be read is left alone, links and permissions are kept, and
// a file made read-only is not written.
#include "data/file_io.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "data/data_files.h"
#include "data/game_state.h"
#include "data/item_records.h"
#include "data/options.h"
#include "data/save_slots.h"
#include "tests/data/file_bytes.h"
#include "tests/support/headless_test.h"

namespace fs = std::filesystem;

namespace {

class FileIoTest : public HeadlessTest {
protected:
    static mode_t ModeOf(const fs::path& p) {
        struct stat st {};
        ::lstat(p.c_str(), &st);
        return st.st_mode;
    }
    static std::vector<std::string> Entries(const fs::path& folder) {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(FileIoTest, UnreadableDataFileIsNeitherMissingNorReplaced) {
    struct Case {
        const char* what;
        void (*make)(const fs::path&);
        const char* why;
    };
    const Case cases[] = {
        {"a folder", [](const fs::path& p) { fs::create_directories(p / "inside"); }, "a folder is in its place"},
        {"a pipe", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); }, "it is not a plain file"},
        {"no permission",
         [](const fs::path& p) {
             WriteBytes(p, std::vector<uint8_t>(45696, 7));
             fs::permissions(p, fs::perms::none);
         },
         "Permission denied"},
    };
    const fs::path item = "Mod/GameData/Item.dat";
    for (const Case& c : cases) {
        if (std::string(c.what) == "no permission" && ::geteuid() == 0) continue;  // root reads it anyway
        fs::remove_all(item);
        c.make(item);
        const mode_t mode = ModeOf(item);
        const auto entries = Entries("Mod/GameData");
        ItemTable[5].ItemPicture = 999;
        UnreadableFilesReported.clear();

        testing::internal::CaptureStderr();
        EXPECT_EQ(LoadItemFile(), 0u) << c.what;
        EXPECT_EQ(LoadItemFile(), 0u) << c.what;  // said once
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(said, std::string("vexmoor: cannot read Mod/GameData/Item.dat (") + c.why +
                            "); it is left as it is\n") << c.what;
        EXPECT_EQ(ItemTable[5].ItemPicture, 5) << c.what << ": the defaults are in memory";
        EXPECT_EQ(ItemTable[611].ItemType, 27) << c.what;
        EXPECT_EQ(ModeOf(item), mode) << c.what;
        EXPECT_EQ(Entries("Mod/GameData"), entries) << c.what;
    }
    fs::remove_all(item);
}

TEST_F(FileIoTest, UnreadableSlotListKeepsTheSaves) {
    fs::create_directories("Mod/SaveGames/SaveList.dat");
    WriteBytes("Mod/SaveGames/save0.sav", {1, 2, 3});
    testing::internal::CaptureStderr();
    EXPECT_EQ(LoadSaveList(), 0u);
    EXPECT_EQ(SaveNewCharacter(), 0u);  // slot 0 may hold a hero: nothing is written
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Mod/SaveGames/SaveList.dat"), std::string::npos);
    EXPECT_EQ(FileBytes("Mod/SaveGames/save0.sav"), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_TRUE(fs::is_directory("Mod/SaveGames/SaveList.dat"));
}

TEST_F(FileIoTest, LinkedFileIsWrittenThroughTheLink) {
    fs::create_directories("shared");
    WriteBytes("shared/options.bin", std::vector<uint8_t>(24, 0));
    fs::permissions("shared/options.bin", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_directories("Mod/GameData");
    fs::create_symlink("../../shared/options.bin", "Mod/GameData/Option.dat");
    Options.GameDelay = 42;
    EXPECT_EQ(SaveOptionFile(), 1u);
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status("Mod/GameData/Option.dat")));
    EXPECT_EQ(FileBytes("shared/options.bin").at(0), 42);
    EXPECT_EQ(ModeOf("shared/options.bin") & 07777, 0600u);
    EXPECT_EQ(Entries("shared"), std::vector<std::string>{"options.bin"});  // no temporary file left

    // A link to a file not made yet: the file is made where the link points.
    fs::create_symlink("../../shared/book.bin", "Mod/GameData/Book.dat");
    EXPECT_EQ(SaveBookFile(), 1u);
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status("Mod/GameData/Book.dat")));
    EXPECT_EQ(fs::file_size("shared/book.bin"), 17800u);
}

TEST_F(FileIoTest, PermissionsAreKeptAndReadOnlyIsRefused) {
    const std::vector<uint8_t> old(24, 9);
    const std::vector<uint8_t> changed(24, 1);
    WriteBytes("kept.bin", old);
    fs::permissions("kept.bin", fs::perms(0640));
    EXPECT_TRUE(WriteFileAtomic("kept.bin", changed));
    EXPECT_EQ(ModeOf("kept.bin") & 07777, 0640u);

    const mode_t mask = ::umask(022);
    EXPECT_TRUE(WriteFileAtomic("new.bin", changed));
    ::umask(mask);
    EXPECT_EQ(ModeOf("new.bin") & 07777, 0644u);

    WriteBytes("locked.bin", old);
    fs::permissions("locked.bin", fs::perms(0444));
    EXPECT_FALSE(WriteFileAtomic("locked.bin", changed));
    EXPECT_EQ(FileBytes("locked.bin"), old);
    EXPECT_EQ(ModeOf("locked.bin") & 07777, 0444u);

    // A saved game over a read-only save says so and keeps the old one.
    fs::create_directories("Mod/SaveGames");
    WriteBytes("Mod/SaveGames/save4.sav", old);
    fs::permissions("Mod/SaveGames/save4.sav", fs::perms(0444));
    EXPECT_EQ(SaveGameToSlot(0, 4), 0u);
    EXPECT_EQ(FileBytes("Mod/SaveGames/save4.sav"), old);
}

}  // namespace
