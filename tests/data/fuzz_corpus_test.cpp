// Every input the fuzzers keep goes through its reader again in the normal build.
#include <filesystem>

#include "fuzz/fuzz_checks.h"
#include "fuzz/game_checks.h"
#include "fuzz/key_taps_checks.h"
#include "tests/data/file_bytes.h"
#include "tests/support/headless_test.h"

namespace fs = std::filesystem;

namespace {

class FuzzCorpusTest : public HeadlessTest {
protected:
    template <class Check>
    void RunCorpus(const char* target, Check&& check) {
        const fs::path dir = fs::path(VEXMOOR_SOURCE_DIR) / "fuzz/corpus" / target;
        int inputs = 0;
        for (const auto& entry : fs::directory_iterator(dir)) {
            const auto bytes = FileBytes(entry.path());
            EXPECT_TRUE(check(std::span<const uint8_t>(bytes))) << entry.path();
            ++inputs;
        }
        EXPECT_GT(inputs, 0) << dir;
    }
};

TEST_F(FuzzCorpusTest, Levels) { RunCorpus("level", fuzz::CheckLevelInput); }

TEST_F(FuzzCorpusTest, Saves) {
    fs::create_directories("Mod/LevelData");
    fuzz::WriteSaveFuzzLevels();
    RunCorpus("save", fuzz::CheckSaveInput);
}

TEST_F(FuzzCorpusTest, DataFiles) { RunCorpus("data_files", fuzz::CheckDataFileInput); }

TEST_F(FuzzCorpusTest, PlayedLevelsAndSaves) {
    OpenDisplay();
    RunCorpus("play", fuzz::CheckPlayInput);
}

TEST_F(FuzzCorpusTest, EventsAndScripts) {
    OpenDisplay();
    RunCorpus("events", fuzz::CheckEventInput);
}

TEST_F(FuzzCorpusTest, ScriptImports) { RunCorpus("script_import", fuzz::CheckScriptImportInput); }

TEST_F(FuzzCorpusTest, KeyStreams) { RunCorpus("key_taps", fuzz::CheckKeyTapsInput); }

}  // namespace
