#include "events/doors.h"

#include <string>
#include <vector>

#include "adventure/square_triggers.h"
#include "data/game_state.h"
#include "data/text_field.h"
#include "events/event_screen.h"
#include "events/keyring.h"
#include "hero/carried_items.h"
#include "hero/derived_stats.h"
#include "hero/item_instances.h"
#include "hero/item_types.h"
#include "platform/fonts.h"
#include "platform/message_boxes.h"
#include "platform/sound.h"
#include "script/flags.h"
#include "view/play_screen.h"

const std::array<std::string_view, 4> DoorStatusNames = {"Open", "Broken", "Closed", "Locked"};

namespace {

constexpr int16_t kAntimagic = 6;

constexpr std::array<std::string_view, 10> kDoorKindEndings = {
    " wooden door.", " reinforced door.", " stone door.",  " iron door.", " ornate door.",
    " portcullis.",  " grate.",           " rotten door.", " boat door.", " boat door."};

enum DoorAction : int16_t { kLeave, kOpen, kRelock, kKnock, kPick, kBash, kUseKey };

// Knocking fails where zone 3 or 4 is antimagic and its lifting flag does not hold.
bool KnockBlockedByZone(int16_t x, int16_t y) {
    const int16_t zone = CurrentLevel.ZoneLayer[x * 50 + y];
    if (zone != 3 && zone != 4) return false;
    if (CurrentLevel.ZoneConditions[zone] != kAntimagic) return false;
    const int16_t flag = CurrentLevel.ZoneConditionOffFlag[zone - 3];
    return !(flag > 0 && GameFlag(flag) == CurrentLevel.ZoneConditionOffValue[zone - 3]);
}

struct DoorScreen {
    int16_t x, y;
    int16_t state;
    int16_t kind;
    int16_t key;  // -1 when the hero holds none for it
};

void DrawDoorScreen(const DoorScreen& d) {
    DrawEventBackground();
    std::string line = "A ";
    line += DoorStatusNames[size_t(d.state)];
    if (d.kind >= 0 && size_t(d.kind) < kDoorKindEndings.size()) line += kDoorKindEndings[size_t(d.kind)];
    DrawSmallText(465, 120, line, kSmallBlack);
    int16_t textY = 144;
    if (d.key >= 0) {
        DrawSmallText(465, 144, "Got " + std::string(FieldText(ItemTable[size_t(d.key)].ItemName)) + "!", kSmallBlue);
        textY = 168;
    }
    const EventRecord* e = EventAt(d.x, d.y);
    if (e && !EventLine(*e, 0, 0).empty())
        for (int16_t i = 0; i < 10; ++i) DrawSmallText(465, int16_t(textY + 12 * i), EventLine(*e, 0, i), kSmallBlack);
}

void SetDoorState(int16_t flag, int16_t state, const char* sound, uint32_t pause) {
    SetGameFlag(flag, state);
    PlaySoundEffect(sound);
    Delay(pause);
}

}  // namespace

void RunSimpleDoorEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    EventRecord* e = EventAt(x, y);
    if (!e) return;
    if (CheckFlagConditionStrict(e->Word[3], e->Word[4], e->Word[5])) {
        result = 0;
        PlaySoundEffect("Text");
        ShowEventText(x, y, 0);
        return;
    }
    if (e->Word[2] == 0) {
        // The open state lives in the record until the level is loaded again.
        e->Word[2] = 1;
        PlaySoundEffect("Door");
        Delay(150);
        result = 0;
    }
}

void RunComplexDoorEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    const int16_t flag = e->Word[7];
    if (!IsFlagNumber(flag)) {
        result = 0;  // a door without a state is shut for good
        return;
    }
    const int16_t kind = e->Word[1], defaultState = e->Word[2], strength = e->Word[3], pickSkill = e->Word[4],
                  keyItem = e->Word[5], knockDisabled = e->Word[6];
    if (GameFlag(flag) > 3) {
        SetGameFlag(flag, defaultState);
        DrawPlayScreen(1, 1, 0, -1, -1, 0);
        ShowMessage(50, 50, "Door flag already used", "elsewhere!");
    } else if (GameFlag(flag) < 0) {
        SetGameFlag(flag, defaultState);  // as at level load
    }
    const int16_t state = GameFlag(flag);
    if (state < kDoorClosed || state > kDoorLocked) {
        if (state == kDoorOpen || state == kDoorBroken) return;
        result = 0;  // a default state outside the four keeps the door shut
        return;
    }
    const bool knockFails = KnockBlockedByZone(x, y) || knockDisabled != 0;
    PlaySoundEffect("Text");
    result = 0;
    const bool hasKnock = HasItem(kKnockItem), hasPick = HasItem(kThievesToolsItem);
    const bool hasKey = IsItemNumber(keyItem) && KeyringHas(keyItem);
    const DoorScreen door{x, y, 0, kind, hasKey ? keyItem : int16_t(-1)};
    Screen screen("door");
    for (;;) {
        DoorScreen d = door;
        d.state = GameFlag(flag);
        std::vector<EventButton> buttons{kLeaveButton};
        if (d.state == kDoorClosed) {
            buttons.push_back({.action = kOpen, .label = "Open Door", .y = 228, .hotkey1 = 'O'});
            buttons.push_back({.action = kRelock, .label = "Relock Door", .y = 250, .hotkey1 = 'R'});
        } else {
            int16_t n = 0;
            auto add = [&](int16_t action, std::string_view label, int16_t key) {
                buttons.push_back({.action = action, .label = label, .y = StackY(250, n++), .hotkey1 = key});
            };
            if (hasKnock) add(kKnock, "Knock Spell", 'K');
            if (hasPick) add(kPick, "Pick Lock", 'P');
            add(kBash, "Bash Open Door", 'B');
            if (hasKey) add(kUseKey, "Use Key", 'U');
        }
        switch (RunEventChoice(
            screen, [&] { DrawDoorScreen(d); }, buttons)) {
            case kOpen: SetDoorState(flag, kDoorOpen, "Door", 150); return;
            case kRelock: SetDoorState(flag, kDoorLocked, "Door", 150); return;
            case kUseKey: SetDoorState(flag, kDoorOpen, "Door", 150); return;
            case kKnock:
                if (knockFails) {
                    PlaySoundEffect("Curse");
                    ShowEventMessage(
                        {{120, "The knock spell fizzles!"}, {150, "The door has not been"}, {165, "unlocked!"}});
                    return;
                }
                TakeItem(kKnockItem);
                SetDoorState(flag, kDoorOpen, "Spell", 500);
                return;
            case kPick:
                if (GameState.Skills[kPickLocks] >= pickSkill) {
                    SetDoorState(flag, kDoorOpen, "Door", 150);
                    return;
                }
                PlaySoundEffect("No");
                Delay(150);
                ShowEventMessage({{120, "(Requires Pick Lock +" + std::to_string(pickSkill) + ")", kSmallBlue},
                                  {150, "You do not have enough"},
                                  {165, "skill to pick the lock!"}});
                break;
            case kBash:
                if (GameState.Stats[kStrength] >= strength) {
                    SetDoorState(flag, kDoorBroken, "Crash", 150);
                    return;
                }
                PlaySoundEffect("No");
                ShowEventMessage({{120, "(Requires Strength +" + std::to_string(strength) + ")", kSmallBlue},
                                  {150, "You are not strong"},
                                  {165, "enough to bash open the"},
                                  {180, "door!"}});
                break;
            default: return;
        }
    }
}

void RunSecretDoorEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    result = 0;
    const int16_t flag = e->Word[8];
    if (!IsFlagNumber(flag)) return;  // a door without a flag is never found
    if (GameFlag(flag) == 1) {
        result = 1;
        return;
    }
    bool canOpen = true;
    if (e->Word[4] != 0) {
        int32_t perception = GameState.Stats[kPerception];
        if (GameState.TrueSight[0] > 0) perception += GameState.TrueSight[0];
        if (perception < e->Word[2]) canOpen = false;
    }
    if (e->Word[5] > 0 && CheckFlagCondition(e->Word[5], e->Word[6], e->Word[7])) canOpen = false;
    if (!canOpen) return;  // it stays a wall
    PlaySoundEffect("Text");
    Screen screen("secret door");
    const int16_t hit =
        RunEventChoice(screen,
                       [] {
                           DrawEventBackground();
                           DrawPageLines({{120, "You find a secret door!"}});
                       },
                       {{.action = 1, .label = "Open", .y = 260, .hotkey1 = 'O', .sound = 0}, kLeaveButton});
    if (hit == 1) {
        PlaySoundEffect("Door");
        Delay(150);
        SetGameFlag(flag, 1);
    }
}
