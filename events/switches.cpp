#include "events/switches.h"

#include <array>
#include <string>
#include <vector>

#include "adventure/encounters.h"
#include "adventure/square_triggers.h"
#include "data/game_state.h"
#include "events/event_screen.h"
#include "platform/fonts.h"
#include "platform/sound.h"
#include "script/flags.h"

namespace {

// How a turn moves the state: a two-position switch, a dial counting up to its last position
// and back to -1, or the two-way dial.
enum TurnRule : uint8_t { kTwoPositions, kDial, kTwoWayDial };
// When the target is set or undone: the new state 1 sets it, anything else undoes it; or the
// dial reaching the critical value sets it and leaving it undoes it.
enum EffectRule : uint8_t { kOnAtOne, kOnAtCritical };

struct SwitchKind {
    TurnRule turn;
    EffectRule effect;
    int16_t last;                 // a dial's last position
    std::string_view restLine;    // the position line at -1
    std::string_view setLine;     // at any other position; empty: the dial's number or colour
    std::string_view restButton;  // the action while at -1
    int16_t restKey;
    std::string_view setButton;  // the action at any other position
    int16_t setKey;
};

constexpr std::array<SwitchKind, 10> kSwitchKinds = {{
    {kTwoPositions, kOnAtOne, 0, "The lever is LEFT.", "The lever is RIGHT.", "Toggle Lever", 'T', "Toggle Lever", 'T'},
    {kTwoPositions, kOnAtOne, 0, "The button is set to OFF.", "The button is set to ON.", "Push Button", 'P',
     "Push Button", 'P'},
    {kDial, kOnAtCritical, 9, "", "", "Turn Dial", 'T', "Turn Dial", 'T'},
    {kDial, kOnAtCritical, 5, "The dial is unset.", "", "Turn Dial", 'T', "Turn Dial", 'T'},
    {kTwoPositions, kOnAtOne, 0, "The valve is OPEN.", "The valve is CLOSED.", "Close Valve", 'C', "Open Valve", 'O'},
    {kTwoPositions, kOnAtOne, 0, "The valve is CLOSED.", "The valve is OPEN.", "Open Valve", 'O', "Close Valve", 'C'},
    {kTwoPositions, kOnAtOne, 0, "The button is set to OFF.", "The button is set to ON.", "Push Button", 'P',
     "Push Button", 'P'},
    {kTwoWayDial, kOnAtCritical, 49, "The dial is not set.", "", "Forward Turn", 'F', "Backward Turn", 'B'},
    {kTwoPositions, kOnAtOne, 0, "The button is set to OFF.", "The button is set to ON.", "Push Button", 'P',
     "Push Button", 'P'},
    {kTwoPositions, kOnAtOne, 0, "The flame is UNLIT.", "The flame is LIT.", "Turn on", 'T', "Turn off", 'T'},
}};
constexpr int16_t kNumberDial = 2, kColourDial = 3, kFlame = 9;
constexpr std::array<std::string_view, 6> kDialColours = {"RED", "GREEN", "BLUE", "YELLOW", "WHITE", "BLACK"};

std::string PositionLine(int16_t kind, int16_t state) {
    const SwitchKind& k = kSwitchKinds[size_t(kind)];
    if (kind == kNumberDial) return "The dial is set to " + std::to_string(state) + ".";
    if (state == -1) return std::string(k.restLine);
    if (!k.setLine.empty()) return std::string(k.setLine);
    if (kind == kColourDial) {
        if (state < 0 || state > 5) return "";
        return "The dial is set to " + std::string(kDialColours[size_t(state)]) + ".";
    }
    return "The dial is set to " + std::to_string(state) + ".";
}

enum SwitchAction : int16_t { kLeave, kTurn, kTurnBack };

int16_t Turned(const SwitchKind& k, int16_t state, int16_t action) {
    switch (k.turn) {
        case kTwoPositions: return state == -1 ? int16_t(1) : int16_t(-1);
        case kDial: return state >= k.last ? int16_t(-1) : int16_t(state + 1);
        case kTwoWayDial:
            if (action == kTurn) return state >= k.last ? int16_t(-1) : int16_t(state + 1);
            return state <= -1 ? k.last : int16_t(state - 1);
    }
    return state;
}

}  // namespace

void ApplySwitch(int16_t kind, int16_t stateFlag, int16_t oldValue, int16_t targetPosition, int16_t targetFlag,
                 int16_t op, int16_t value) {
    if (kind < 0 || kind >= int16_t(kSwitchKinds.size()) || !IsFlagNumber(targetFlag)) return;
    const int16_t state = GameFlag(stateFlag);
    auto on = [&] {
        const int16_t now = GameFlag(targetFlag);
        if (op == 0) SetGameFlag(targetFlag, value);
        else if (op == 1) SetGameFlag(targetFlag, int16_t(now + value));
        else if (op == 2) SetGameFlag(targetFlag, int16_t(now - value));
        SpawnMonstersOfGroup(targetFlag);
    };
    auto off = [&] {
        const int16_t now = GameFlag(targetFlag);
        if (op == 0) SetGameFlag(targetFlag, -1);
        else if (op == 1) SetGameFlag(targetFlag, int16_t(now - value));
        else if (op == 2) SetGameFlag(targetFlag, int16_t(now + value));
    };
    if (kSwitchKinds[size_t(kind)].effect == kOnAtOne) {
        if (state == 1) on();
        else off();
        return;
    }
    // A dial undoes its target only when it leaves the critical value, so each turn off it does
    // not move the target again.
    if (state == targetPosition) on();
    if (oldValue == targetPosition) off();
}

void RunSwitchEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    const EventRecord w = *e;
    const int16_t kind = w.Word[1], stateFlag = w.Word[6];
    result = 0;
    if (kind < 0 || kind >= int16_t(kSwitchKinds.size()) || !IsFlagNumber(stateFlag)) return;
    const SwitchKind& k = kSwitchKinds[size_t(kind)];
    PlaySoundEffect("Text");
    const char* sound = w.Word[7] == 1 ? "Grate" : "Lever";
    Screen screen("switch");
    for (;;) {
        const int16_t state = GameFlag(stateFlag);
        std::vector<EventButton> buttons{kLeaveOrEscButton};
        if (k.turn == kTwoWayDial) {
            buttons.push_back({.action = kTurn, .label = k.restButton, .y = 238, .hotkey1 = k.restKey, .sound = 0});
            buttons.push_back({.action = kTurnBack, .label = k.setButton, .y = 260, .hotkey1 = k.setKey, .sound = 0});
        } else {
            const bool atRest = state == -1;
            buttons.push_back({.action = kTurn,
                               .label = atRest ? k.restButton : k.setButton,
                               .y = 260,
                               .hotkey1 = atRest ? k.restKey : k.setKey,
                               .sound = 0,
                               .drawnY = 257});
        }
        const std::string position = PositionLine(kind, state);
        const int16_t action = RunEventChoice(
            screen,
            [&] {
                DrawEventTextPage(x, y, 0);
                const EventRecord* now = EventAt(x, y);
                const int16_t last = now ? LastEventLine(*now, 0, 8) : -1;
                DrawSmallText(465, int16_t(150 + 15 * last), position, kSmallBlue);
            },
            buttons);
        if (action == kLeave) return;
        const int16_t turned = Turned(k, state, action);
        PlaySoundEffect(kind == kFlame && turned == 1 ? "fire" : sound);
        SetGameFlag(stateFlag, turned);
        ApplySwitch(kind, stateFlag, state, w.Word[2], w.Word[3], w.Word[4], 1);
    }
}

void RunToggleEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const EventRecord* e = EventAt(x, y);
    // 9999 in the flag word opens the wall whatever the condition says.
    if (!e || e->Word[1] == 9999 || !CheckFlagCondition(e->Word[1], e->Word[2], e->Word[3])) return;
    result = 0;
    if (EventLine(*e, 0, 0).empty()) return;
    PlaySoundEffect("Text");
    ShowEventText(x, y, 0, kLeaveButton);
}
