// The cheat menu's pages as tables of controls: labels, number fields, choice fields, toggles,
// check boxes and buttons, each over one value, drawn and hit-tested by one engine.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// What one opening of the menu keeps.
struct CheatMenuState {
    int16_t page = 6;
    int16_t teleportLevel = 0, teleportX = 0, teleportY = 0;
    int16_t questNumber = 0;
};

// Where a control's value lives: a word of the game, a value of the menu, or one behind a rule.
struct CheatValue {
    int16_t* i16 = nullptr;
    int32_t* i32 = nullptr;
    uint32_t* u32 = nullptr;
    int16_t CheatMenuState::*menu = nullptr;
    int32_t (*get)(const CheatMenuState&) = nullptr;
    void (*set)(CheatMenuState&, int32_t) = nullptr;

    int32_t Get(const CheatMenuState& m) const;
    void Set(CheatMenuState& m, int32_t v) const;
};

enum class CheatControlKind : uint8_t {
    kLabel,   // the label only
    kText,    // a text from text() at (x, y), drawn only when not empty
    kNumber,  // a number field: click, then the number entry
    kChoice,  // a field showing names[value]: click, then the list of names
    kToggle,  // a button showing names[1] while the value is above 0, else names[0]: click flips 0/1
    kCheck,   // a check box over a 0/1 word
    kButton,  // a button labelled with label, which acts
    kIcon,    // the icon numbered index at (x, y), a 15 x 15 click area, which acts
};

struct CheatControl {
    CheatControlKind kind = CheatControlKind::kLabel;
    std::string_view label{};
    int16_t labelX = 0, labelY = 0;
    int16_t x = 0, y = 0;
    int16_t pieces = 3;  // as drawn
    CheatValue value{};
    int16_t min = 0, max = 0;
    int16_t entryPieces = 0;  // of the number entry; 0: as drawn
    std::span<const std::string_view> names{};
    int16_t listPieces = 0;  // width of the choice's list
    int16_t units = 0;       // click width in tens of pixels; 0: twice the pieces
    int16_t colour = 0;      // of the label or text
    int16_t index = 0;       // which one of a row of alike controls; an icon's number
    // After a number was stored.
    void (*after)(const CheatControl&) = nullptr;
    // In place of what a click does by default; 1 ends the menu.
    int (*act)(CheatMenuState&) = nullptr;
    std::string (*text)(const CheatControl&) = nullptr;
};

// A page's controls in a list of fixed room.
struct CheatControlList {
    std::array<CheatControl, 64> items{};
    size_t count = 0;
    void Add(const CheatControl& c) {
        if (count < items.size()) items[count++] = c;
    }
    std::span<const CheatControl> Controls() const { return {items.data(), count}; }
};

// The controls as the pages' tables give them.
inline CheatControl CheatLabel(std::string_view text, int16_t x, int16_t y, int16_t colour = 0) {
    return {.kind = CheatControlKind::kLabel, .label = text, .labelX = x, .labelY = y, .colour = colour};
}
inline CheatControl CheatNumber(std::string_view label, int16_t lx, int16_t ly, int16_t x, int16_t y, int16_t pieces,
                                CheatValue value, int16_t min, int16_t max) {
    return {.kind = CheatControlKind::kNumber, .label = label, .labelX = lx, .labelY = ly, .x = x, .y = y,
            .pieces = pieces, .value = value, .min = min, .max = max};
}
// A number field with no label of its own (one that shares its row's label).
inline CheatControl CheatField(int16_t x, int16_t y, int16_t pieces, CheatValue value, int16_t min, int16_t max) {
    return CheatNumber("", 0, 0, x, y, pieces, value, min, max);
}
inline CheatControl CheatToggle(std::string_view label, int16_t lx, int16_t ly, int16_t x, int16_t y,
                                CheatValue value, std::span<const std::string_view> names) {
    return {.kind = CheatControlKind::kToggle, .label = label, .labelX = lx, .labelY = ly, .x = x, .y = y,
            .value = value, .names = names};
}
inline CheatControl CheatCheck(int16_t x, int16_t y, uint32_t& word) {
    return {.kind = CheatControlKind::kCheck, .x = x, .y = y, .value = {.u32 = &word}};
}
inline CheatControl CheatButton(std::string_view label, int16_t x, int16_t y, int16_t pieces,
                                int (*act)(CheatMenuState&)) {
    return {.kind = CheatControlKind::kButton, .label = label, .x = x, .y = y, .pieces = pieces, .act = act};
}

// The controls of a page 0..5, and of the Functions page (6).
std::span<const CheatControl> CheatPageControls(int16_t page);
std::span<const CheatControl> FunctionsPageControls();

void DrawCheatControls(std::span<const CheatControl> controls, const CheatMenuState& m);
// One pass of hit tests; 1 when a control ended the menu.
int PollCheatControls(std::span<const CheatControl> controls, CheatMenuState& m);
// Redraws the menu with flip, as after every change.
void RedrawCheatMenu(const CheatMenuState& m, uint32_t flip = 1);
