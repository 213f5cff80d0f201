#include "global_state.h"

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

}  // namespace

void KeepInitial(void* where, size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(where);
    Snapshots().push_back({where, std::vector<unsigned char>(bytes, bytes + size)});
}

void ResetBeforeEachTest(std::function<void()> reset) { Resets().push_back(std::move(reset)); }

void KeepAllInitialState() {
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

void RestoreInitialState() {
    for (const Snapshot& s : Snapshots()) std::memcpy(s.where, s.initial.data(), s.initial.size());
    for (const auto& reset : Resets()) reset();
}
