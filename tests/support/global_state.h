// Every test starts from the program's state at start-up. Each folder's globals are listed in
// tests/support/reset_<folder>.cpp: plain records are copied once when the test program starts
// and copied back before every test; anything else gets a reset function of its own. The fuzz
// targets use the same lists to start every input afresh.
#pragma once

#include <cstddef>
#include <functional>
#include <type_traits>

void KeepInitial(void* where, size_t size);
template <class T>
void KeepInitial(T& global) {
    static_assert(std::is_trivially_copyable_v<T>, "give this global a reset function instead");
    KeepInitial(&global, sizeof global);
}
// Runs before every test, after the plain records are back.
void ResetBeforeEachTest(std::function<void()> reset);

// Once, at start-up: every folder's globals as they are now.
void KeepAllInitialState();
// The kept globals copied back, then every reset function.
void RestoreInitialState();

// One per folder, each in its own reset_<folder>.cpp; called once when the test program starts.
void KeepPlatformState();
void KeepDataState();
void KeepHeroState();
void KeepFrontendState();
void KeepViewState();
void KeepAdventureState();
void KeepCombatState();
void KeepScriptState();
void KeepEventsState();
void KeepKitState();
