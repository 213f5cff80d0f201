#include "events/dungeon_devices.h"

#include <algorithm>
#include <array>
#include <string>

#include "adventure/encounters.h"
#include "adventure/rest.h"
#include "data/square_kinds.h"
#include "adventure/square_triggers.h"
#include "data/game_state.h"
#include "data/options.h"
#include "data/square_kinds.h"
#include "events/event_screen.h"
#include "events/get_answer.h"
#include "platform/fonts.h"
#include "platform/sound.h"
#include "platform/text_entry.h"
#include "script/flags.h"
#include "view/play_screen.h"

namespace {

constexpr int16_t kPushObject = 1;
constexpr int16_t kNormalBridge = 0, kIceBridge = 1, kLilyBridge = 2;
constexpr int16_t kAnswerChars = 12;
constexpr size_t kComparedChars = 25;

enum DeviceAction : int16_t { kLeave, kAct };

// The letters a..z of the first 25 characters as capitals; nothing else is forgiven.
std::string AnswerKey(std::string_view text) {
    std::string key(text.substr(0, kComparedChars));
    for (char& c : key)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return key;
}

void ShowRightAnswer(const EventRecord& w) {
    Screen screen("right answer");
    RunEventChoice(screen,
                   [&] {
                       DrawEventBackground();
                       if (EventLine(w, 1, 0).empty()) {
                           DrawPageLines({{120, "Your answer is correct!", kSmallBlue},
                                          {156, "You hear a faint click.", kSmallBlue}});
                           return;
                       }
                       for (int16_t i = 0; i < 9; ++i)
                           DrawSmallText(465, int16_t(120 + 12 * i), EventLine(w, 1, i), kSmallBlack);
                   },
                   {kLeaveOrEscButton});
}

void RemovePushObjectAt(int16_t x, int16_t y) {
    int16_t& square = GameState.MonsterGrid[x * 50 + y];
    if (square < 0 || square >= kEncounterCount) return;
    Encounter& object = GameState.EncounterList[square];
    if (object.Kind != kPushObject) return;
    object.Kind = -1;
    object.Extra = -1;
    object.Active = 0;
    square = -1;
}

}  // namespace

void RunMushroomEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    const int16_t flag = e->Word[1];
    result = 0;
    if (!IsFlagNumber(flag)) return;  // a mushroom that cannot count its blows stands for good
    if (GameFlag(flag) >= 1) {
        result = 1;
        return;
    }
    AssignFlag(flag, 1, 1);
    PlaySoundEffect("Hit");
    DrawPlayScreen(1, 1, 1, -1, -1, 1);
    Delay(uint32_t(std::max<int32_t>(0, Options.GameDelay) * 4));
}

bool BridgeOpen(const EventRecord* e) {
    if (!e || e->Word[0] != kBridgeEvent) return false;
    const int16_t type = e->Word[1];
    if (type == kNormalBridge) return CheckFlagCondition(e->Word[2], e->Word[3], e->Word[4]) != 0;
    if (type == kIceBridge || type == kLilyBridge) return GameFlag(e->Word[6]) == 1;
    return false;
}

void RunBridgeEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    result = BridgeOpen(e) ? 1 : 0;
}

void RunGetAnswerEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    result = 0;
    if (!CheckFlagCondition(e->Word[1], e->Word[2], e->Word[3])) return;
    Screen screen("get answer");
    const EventRecord w = *e;
    PlaySoundEffect("Text");
    auto draw = [&] { DrawGetAnswerScreen(x, y, 0, 0); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        if (ButtonClicked(485, 282, 10, 'L', kEsc, 1, 1)) return;
        if (ButtonClicked(485, 260, 10, 'A', 0, 1, 1)) break;
    }
    const int16_t fieldY = int16_t(120 + 12 * (LastEventLine(w, 0, 8) + 2));
    DrawGetAnswerScreen(x, y, 1, fieldY);
    std::array<char, kAnswerChars + 1> typed{};
    EnterText(485, fieldY, typed, 0, kAnswerChars, 1, 0, 4, x, y, fieldY);
    if (AnswerKey(typed.data()) == AnswerKey(EventLine(w, 1, 9))) {
        ShowRightAnswer(w);
        PlaySoundEffect("Spell");
        Delay(100);
        SetGameFlag(w.Word[4], 1);
        return;
    }
    ShowEventMessage({{120, "Your answer illicits no", kSmallRed},
                      {132, "discernable response.", kSmallRed},
                      {156, "It appears that you have", kSmallRed},
                      {168, "answered incorrectly!", kSmallRed}},
                     kLeaveButton);
}

void RunResetPushEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const std::optional<EventRecord> open = OpenEvent(x, y, result);
    if (!open) return;
    const EventRecord& w = *open;
    Screen screen("reset push");
    if (RunEventChoice(screen, [&] { DrawEventTextPage(x, y, 0); },
                       {{.action = kAct, .label = "Reset", .y = 260, .hotkey1 = 'R', .sound = 0}, kLeaveOrEscButton}) !=
        kAct)
        return;
    // The rectangle comes from the file: only its part on the map is reset.
    const int16_t fromX = std::max<int16_t>(w.Word[2], 0), fromY = std::max<int16_t>(w.Word[3], 0);
    const int16_t toX = std::min<int16_t>(w.Word[4], 49), toY = std::min<int16_t>(w.Word[5], 49);
    for (int16_t sx = fromX; sx <= toX; ++sx)
        for (int16_t sy = fromY; sy <= toY; ++sy) RemovePushObjectAt(sx, sy);
    for (int16_t sx = fromX; sx <= toX; ++sx)
        for (int16_t sy = fromY; sy <= toY; ++sy) {
            const EventRecord* push = EventAt(sx, sy);
            if (push && push->Word[0] == kPushEvent) AddPushEncounter(kPushObject, push->Word[1], sx, sy);
        }
    SetGameFlag(w.Word[6], -1);
    PlaySoundEffect("Lever");
}

void RunAltTileEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    const bool first = e->Word[1] < 1 || CheckFlagCondition(e->Word[1], e->Word[2], e->Word[3]);
    const int16_t access = first ? e->Word[5] : e->Word[7];
    const int16_t page = first ? 0 : 1;
    if (access < 2) {
        result = 1;
        return;
    }
    result = 0;
    if (EventLine(*e, page, 0).empty()) return;
    PlaySoundEffect("Text");
    ShowEventText(x, y, page);
}

void RunBedEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    if (!CheckFlagConditionStrict(e->Word[3], e->Word[4], e->Word[5])) {
        result = 0;
        PlaySoundEffect("Text");
        if (GameState.HeroFood == 0) RestWithoutFood();
        else RestWithFood(1);
        return;
    }
    if (EventLine(*e, 0, 0).empty()) return;
    result = 0;
    PlaySoundEffect("Text");
    ShowEventText(x, y, 0);
}
