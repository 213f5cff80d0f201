#include "global_state.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

struct Snapshot {
    void* where;
    std::vector<unsigned char> initial;
};

std::vector<Snapshot>& Snapshots() {
    static std::vector<Snapshot> list;
    return list;
}
std::vector<std::function<void()>>& Resets() {
    static std::vector<std::function<void()>> list;
    return list;
}

class ResetListener : public ::testing::EmptyTestEventListener {
    void OnTestProgramStart(const ::testing::UnitTest&) override {
        KeepPlatformState();
        KeepDataState();
        KeepHeroState();
        KeepFrontendState();
        KeepViewState();
        KeepAdventureState();
        KeepCombatState();
        KeepScriptState();
        KeepEventsState();
        KeepKitState();
    }
    void OnTestStart(const ::testing::TestInfo&) override {
        for (const Snapshot& s : Snapshots()) std::memcpy(s.where, s.initial.data(), s.initial.size());
        for (const auto& reset : Resets()) reset();
    }
};

// Registered before main runs, so it sees the program start.
const bool registered = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new ResetListener);
    return true;
}();

}  // namespace

void KeepInitial(void* where, size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(where);
    Snapshots().push_back({where, std::vector<unsigned char>(bytes, bytes + size)});
}

void ResetBeforeEachTest(std::function<void()> reset) { Resets().push_back(std::move(reset)); }
