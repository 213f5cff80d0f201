// The event dialogs as data: each type's dialog is a list of rows (labels, fields, notes,
// pictures and names). A row's field is one of the kit's field kinds bound to a word of the
// event (or a line of its text), drawn and edited by the field engine; the row's kind says
// what else it shows. Groups show their rows only while a word allows it, and repeat them
// with a stride in place and word.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "kit/events/operator_labels.h"
#include "platform/field_kinds.h"
#include "platform/join_rows.h"

struct EventRecord;

// What a row shows; its field (when it has one) is bound to its word, or for a text field to
// line `line` of text `word`.
enum class RowKind : uint8_t {
    kGroup,       // the next `span` rows: shown while `when` holds, `repeat` times
    kField,       // the label and the field
    kDivider,     // the field's pieces of rule at its place
    kNumberText,  // the label's text followed by word + offset + row index, no field
    kValueLine,   // the field's label of the word's value, at the label's place and colour
    kName,        // a name of the word's value, at the label's place and colour
    kPicture,     // a picture of the word's value at the field's place (a field may cycle it)
    kEditText,    // "Edit": the text editor on text `word` with `lines` lines
    kTileButton,  // a wall tile picture (0 or less shows 1652) that opens the tile picker
};

// The picker behind a picker field. kItem: the item editor's picker; kTileInPass: the tile
// picker, whose category the tile buttons of one pass share.
enum class Picker : uint8_t {
    kWallTile, kNpcPicture, kKeyItem, kItemNumber, kMonster, kScript, kItem, kTileInPass
};

enum class Sheet : uint8_t { kWallTile, kNpcCorner, kNpcWhole, kItem, kRune, kHieroglyph, kHeraldry, kIcon, kMonster };

// kItemRow: an item's name, then " +power" while the power is above 0 and " (charges)" while
// the charges are, after one blank.
enum class NameOf : uint8_t { kItem, kItemShown, kMonster, kQuest, kScript, kItemRow };

// A group's condition: the source's value lies in lo..hi (outside it with negate). Source 0
// always holds; 1..32 are the record's words; kChestPageSource the chest dialog's page.
// kHeldSource: always while drawing; while editing, only while the left button is held inside
// the group's `held` area, tested without waiting or sound.
constexpr int8_t kChestPageSource = 33, kHeldSource = 34;
struct When {
    int8_t source = 0;
    int16_t lo = 0, hi = 0;
    uint8_t negate = 0;
};
struct Area {
    int16_t x = 0, y = 0, w = 0, h = 0;
};

using RowHook = void (*)(EventRecord& event);

struct DialogRow {
    RowKind kind = RowKind::kField;
    int8_t word = 0;   // the word (1..32), or the text (0, 1) of the text kinds
    int8_t line = 0;   // the line of a text field
    int8_t word2 = 0;  // item names: the power word; monster pictures: the facing word
    int8_t word3 = 0;  // item names: the charges word
    Label label{};
    Field field{};     // the control, or the place of a picture or divider
    Picker picker = Picker::kWallTile;
    int16_t pickFirst = 0;  // the first item the picker shows
    int16_t pickFlag = 0;   // the picker's limit: items limited, pictures single-square only
    Show show = Show::kAlways;  // which values a picture or name is shown for
    Sheet sheet = Sheet::kWallTile;
    NameOf name = NameOf::kItem;
    std::span<const int16_t> values{};  // a picture's index by value; -1 none
    int16_t offset = 0;                 // added to the value (pictures, number texts); with values, the
                                        // picture of a value outside them
    int16_t lines = 0;                  // the text editor's
    int8_t resetWord = 0;               // set to 0 after a row was chosen or a toggle
    RowHook after = nullptr;            // runs after the row's edit (a choice: also after Esc)
    When when{};                        // groups
    Area held{};
    int16_t span = 0, repeat = 1, from = 0, dx = 0, dy = 0, dword = 0;

    // Modifiers for the tables.
    constexpr DialogRow Labelled(Label l) const { return With(*this, &DialogRow::label, l); }
    constexpr DialogRow Reset(int8_t w) const { return With(*this, &DialogRow::resetWord, w); }
    constexpr DialogRow After(RowHook hook) const { return With(*this, &DialogRow::after, hook); }
    constexpr DialogRow Drawn(Look l) const { return With(*this, &DialogRow::field, field.Drawn(l)); }
    // The field drawn dy above its click area and list.
    constexpr DialogRow ClickedBelow(int16_t dy) const { return With(*this, &DialogRow::field, field.Raised(dy)); }
};

using DialogRows = std::span<const DialogRow>;

// Draws the rows of `rows` for the event on (x, y), without title or frame.
void DrawEventDialog(int16_t x, int16_t y, DialogRows rows);
// Tests every shown field once in the rows' order; each hit edits its word and repaints the
// frame of `type` with a flip.
void EditEventDialog(int16_t x, int16_t y, int16_t type, DialogRows rows);

// ---- Building the tables -------------------------------------------------------------------

// Rows and arrays of rows, one after the other.
template <class... Parts>
constexpr auto Join(const Parts&... parts) {
    return JoinRows<DialogRow>(parts...);
}

// The rows, shown only while the condition holds.
template <class... Parts>
constexpr auto Only(When when, const Parts&... parts) {
    const auto inner = Join(parts...);
    DialogRow head{.kind = RowKind::kGroup, .when = when, .span = int16_t(inner.size())};
    return Join(head, inner);
}

// The rows `count` times, for row indices from..from + count - 1; each index moves places
// by (dx, dy) and words by dword.
struct Repeating {
    int16_t count;
    int16_t dx = 0, dy = 0, dword = 0, from = 0;
};
template <class... Parts>
constexpr auto Repeat(Repeating r, const Parts&... parts) {
    const auto inner = Join(parts...);
    DialogRow head{.kind = RowKind::kGroup,
                   .span = int16_t(inner.size()),
                   .repeat = r.count,
                   .from = r.from,
                   .dx = r.dx,
                   .dy = r.dy,
                   .dword = r.dword};
    return Join(head, inner);
}

// The rows, tested only while the left button is held inside (x, y, w, h); always drawn.
template <class... Parts>
constexpr auto WhileHeld(int16_t x, int16_t y, int16_t w, int16_t h, const Parts&... parts) {
    const auto inner = Join(parts...);
    DialogRow head{.kind = RowKind::kGroup, .when = {kHeldSource}, .held = {x, y, w, h}, .span = int16_t(inner.size())};
    return Join(head, inner);
}

constexpr When WordIs(int8_t word, int16_t lo, int16_t hi) { return {word, lo, hi, 0}; }
constexpr When WordIsNot(int8_t word, int16_t lo, int16_t hi) { return {word, lo, hi, 1}; }

// A field on a word.
constexpr DialogRow OnWord(int8_t word, Field field, Label label = {}) {
    return {.word = word, .label = label, .field = field};
}

constexpr DialogRow Note(int16_t x, int16_t y, std::string_view text, int16_t colour = 0) {
    return {.label = {x, y, text, colour}};
}
constexpr DialogRow Divider(int16_t x, int16_t y, int16_t pieces) {
    return {.kind = RowKind::kDivider, .field = {.x = x, .y = y, .pieces = pieces}};
}
constexpr DialogRow Number(int8_t word, int16_t min, int16_t max, At at, Label label = {}) {
    return OnWord(word, NumberControl(min, max, at), label);
}
constexpr DialogRow ShownNumber(int8_t word, At at, Label label = {}) {
    return OnWord(word, ShownNumberControl(at), label);
}
// The label's text and word + offset + the row index.
constexpr DialogRow NumberText(int8_t word, int16_t offset, Label label) {
    return {.kind = RowKind::kNumberText, .word = word, .label = label, .offset = offset};
}
constexpr DialogRow CompareOp(int8_t word, At at, int16_t choices = 6) {
    return OnWord(word, DrawnCycleControl(choices, DrawCompareOp, at));
}
constexpr DialogRow AssignOp(int8_t word, At at) { return OnWord(word, DrawnCycleControl(3, DrawAssignOp, at)); }
// A check box (15 x 15 unless the width says otherwise) with its click rule.
constexpr DialogRow CheckBox(int8_t word, At at, Label label = {}, Rule rule = Rule::kCycle) {
    return OnWord(word, CheckControl(at, rule), label);
}
// A word cycled 0..length-1 by clicks, drawn with its label (by value, or by a test).
constexpr DialogRow Cycle(int8_t word, int16_t length, LabelFn labels, Look look, At at, Label label = {},
                          Show show = Show::kValue) {
    return OnWord(word, CycleControl(length, labels, look, at, show), label);
}
// A two-state word drawn with label 1 where the test passes and label 0 where not.
constexpr DialogRow TwoState(int8_t word, Rule rule, LabelFn labels, Show show, Look look, At at, Label label = {}) {
    return OnWord(word, TwoStateControl(rule, labels, show, look, at), label);
}
// A list of the first `count` labels, opened over the field.
constexpr DialogRow Choice(int8_t word, LabelFn labels, int16_t count, At at, ListAt list, Label label = {}) {
    return OnWord(word, ChoiceControl(labels, count, at, list), label);
}
constexpr DialogRow Browse(int8_t word, Picker picker, At at, int16_t first = 0, int16_t flag = 0) {
    DialogRow r = OnWord(word, PickerButton("Browse", at, 3));
    r.picker = picker;
    r.pickFirst = first;
    r.pickFlag = flag;
    return r;
}
constexpr DialogRow BrowseTile(int8_t word, At at) { return Browse(word, Picker::kWallTile, at); }
constexpr DialogRow BrowseNpc(int8_t word, At at, int16_t singleSquareOnly) {
    return Browse(word, Picker::kNpcPicture, at, 0, singleSquareOnly);
}
// The item editor's picker behind the picker icon.
constexpr DialogRow ItemIcon(int8_t word, At at) {
    DialogRow r = OnWord(word, PickerIcon(at.x, at.y));
    r.picker = Picker::kItem;
    return r;
}
// clickDy: the click area lies that many pixels below the drawn icon.
constexpr DialogRow ItemIconAt(int8_t word, At at, int16_t clickDy) {
    DialogRow r = ItemIcon(word, at);
    r.field.clickDy = clickDy;
    return r;
}
constexpr DialogRow ItemButton(int8_t word, At at, Label label = {}) {
    DialogRow r = OnWord(word, PickerNumberButton(at), label);
    r.picker = Picker::kItem;
    return r;
}
constexpr DialogRow EditText(int8_t text, At at, Label label = {}, int16_t lines = 10) {
    return {.kind = RowKind::kEditText, .word = text, .label = label, .field = ButtonControl("Edit", at, 3),
            .lines = lines};
}
// Dice over words word..word+2; a click opens the dice dialog at (dialogX, dialogY).
constexpr DialogRow Dice(int8_t word, At at, std::string_view title, int16_t dialogX, int16_t dialogY,
                         Label label = {}) {
    return OnWord(word, DiceControl(title, at, dialogX, dialogY), label);
}
constexpr DialogRow TextEntry(int8_t text, int8_t line, int16_t minLength, int16_t maxLength, At at,
                              Label label = {}) {
    DialogRow r = OnWord(text, TextControl(minLength, maxLength, at), label);
    r.line = line;
    return r;
}
constexpr DialogRow TileButton(int8_t word, int16_t x, int16_t y, Label label = {}) {
    return {.kind = RowKind::kTileButton, .word = word, .label = label, .field = PickerSquare(x, y, 30),
            .picker = Picker::kTileInPass};
}
// Pictures: the value passed through `values` (when given) or plus `offset`, where `show`
// lets it through; an index outside the sheet draws nothing.
constexpr DialogRow Picture(int8_t word, Sheet sheet, Show show, int16_t x, int16_t y, int16_t offset = 0) {
    return {.kind = RowKind::kPicture, .word = word, .field = {.x = x, .y = y}, .show = show, .sheet = sheet,
            .offset = offset};
}
// One tile whatever the record holds.
constexpr DialogRow FixedTile(int16_t tile, int16_t x, int16_t y) {
    return Picture(0, Sheet::kWallTile, Show::kAlways, x, y, tile);
}
constexpr DialogRow TileOf(int8_t word, Show show, int16_t x, int16_t y) {
    return Picture(word, Sheet::kWallTile, show, x, y);
}
// A value outside `values` shows `otherwise` (-1 nothing).
constexpr DialogRow PictureByValue(int8_t word, Sheet sheet, std::span<const int16_t> values, int16_t x, int16_t y,
                                   int16_t otherwise = -1) {
    DialogRow r = Picture(word, sheet, Show::kAlways, x, y);
    r.values = values;
    r.offset = otherwise;
    return r;
}
// The monster's picture of the record the word names, 3 further on while `facing` is 1.
constexpr DialogRow MonsterPicture(int8_t word, int8_t facing, Show show, int16_t x, int16_t y) {
    DialogRow r = Picture(word, Sheet::kMonster, show, x, y);
    r.word2 = facing;
    return r;
}
constexpr DialogRow Name(int8_t word, NameOf name, Show show, Label at) {
    return {.kind = RowKind::kName, .word = word, .label = at, .show = show, .name = name};
}
// ItemDisplayName(item, power, charges, 0): for an item whose power and charges the dialog
// does not show; beside its own Pow and Chr fields an item is named alone (NameOf::kItem).
constexpr DialogRow ItemShownName(int8_t item, int8_t power, int8_t charges, Show show, Label at) {
    return {.kind = RowKind::kName, .word = item, .word2 = power, .word3 = charges, .label = at, .show = show,
            .name = NameOf::kItemShown};
}
// The shop's row: the item's name with its power and charges (NameOf::kItemRow).
constexpr DialogRow ItemRowName(int8_t item, int8_t power, int8_t charges, Show show, Label at) {
    return {.kind = RowKind::kName, .word = item, .word2 = power, .word3 = charges, .label = at, .show = show,
            .name = NameOf::kItemRow};
}
// A button that runs `action` when clicked over `click` pixels.
constexpr DialogRow ActionButton(std::string_view caption, At at, RowHook action) {
    return {.field = ButtonControl(caption, at), .after = action};
}
// The word shown as the wall tile values[word] (none outside the table or for -1); a click on
// the side x side square at (x, y) cycles it through 0..length-1.
constexpr DialogRow TileCycle(int8_t word, int16_t length, std::span<const int16_t> values, int16_t x, int16_t y,
                              int16_t side) {
    DialogRow r = PictureByValue(word, Sheet::kWallTile, values, x, y);
    r.field = SquareCycleControl(length, x, y, side);
    return r;
}
constexpr DialogRow ValueLine(int8_t word, LabelFn labels, Label at) {
    return {.kind = RowKind::kValueLine, .word = word, .label = at, .field = {.labels = labels}};
}

// The active condition: "Event ACTIVE if Flag", its flag, comparison and value from
// firstWord, moved dx to the side, then the divider.
constexpr auto ActiveCondition(int8_t firstWord = 1, int16_t dividerPieces = 23, int16_t dx = 0) {
    return Join(Number(firstWord, -1, 7999, {int16_t(190 + dx), 75, 60},
                       {int16_t(50 + dx), 80, "Event ACTIVE if Flag", 182}),
                CompareOp(int8_t(firstWord + 1), {int16_t(253 + dx), 75, 40}),
                Number(int8_t(firstWord + 2), -1, 999, {int16_t(296 + dx), 75, 40}), Divider(15, 100, dividerPieces));
}

// Checks at compile time that rows name words 0..32, texts 0..1, lines 0..9, that groups
// end inside their table, and that fields hang together.
constexpr bool ValidDialog(DialogRows rows) {
    for (size_t i = 0; i < rows.size(); ++i) {
        const DialogRow& r = rows[i];
        const bool text = r.kind == RowKind::kEditText || r.field.kind == FieldKind::kText;
        if (r.word < 0 || r.word > 32 || (text && r.word > 1) || r.line < 0 || r.line > 9) return false;
        if (r.word2 < 0 || r.word2 > 32 || r.word3 < 0 || r.word3 > 32 || r.resetWord < 0 || r.resetWord > 32)
            return false;
        if (r.field.kind == FieldKind::kDice && r.word > 30) return false;
        if (r.kind == RowKind::kGroup && (r.span < 0 || r.repeat < 0 || i + size_t(r.span) >= rows.size()))
            return false;
        if (!ValidField(r.field)) return false;
    }
    return true;
}

// The dialogs, by topic file.
extern const DialogRows PushTextDialog, StepTextDialog, SmokeSignalDialog;               // text_dialogs
extern const DialogRows RuneDialog, HieroglyphDialog, HeraldrySignDialog;                // sign_dialogs
extern const DialogRows UseItemFromBackpackDialog, AutoPilotPcDialog, BedDialog, Dmf2Dialog;  // hero_action_dialogs
extern const DialogRows SimpleDoorDialog, ComplexDoorDialog, SecretDoorDialog;           // door_dialogs
extern const DialogRows PortalDialog, DigPortalDialog, ModuleAccessDialog, PentaPortalDialog;  // portal_dialogs
extern const DialogRows OneItemDialog, ItemsCacheDialog;                                 // item_dialogs
extern const DialogRows ChestDialog, SearchDialog, FoodDialog, PriseDialog;               // container_dialogs
extern const DialogRows ScriptDialog, MonsterDialog, ShopDialog, InnDialog;                // person_dialogs
extern const DialogRows BankDialog, VaultDialog, TempleDialog, TrainDialog, SeerDialog, CasinoDialog,
    RechargeWandServiceDialog;                                                             // town_service_dialogs
extern const DialogRows TrapDialog, PitDialog, TriggerDialog, PressurePadDialog;           // floor_trap_dialogs
extern const DialogRows SwitchDialog, ToggleDialog, CrackDialog, ClimbDialog;              // wall_dialogs
extern const DialogRows UseSpellDialog, UseItemDialog, GetAnswerDialog, IfAsleepDialog;    // flag_action_dialogs
extern const DialogRows WildernessCombatDialog, WildPortalDialog, TelexyDialog, CoachDialog, ElevatorDialog,
    BoatDialog;                                                                            // travel_dialogs
extern const DialogRows ActivateScriptDialog, IfGotDialog, HideDialog, TimeLoopDialog, VisionDialog;  // condition_dialogs
extern const DialogRows PushDialog, ResetPushDialog, BeamDialog, UseLensDialog, LampDialog,
    PuzzleDialog;                                                                          // puzzle_dialogs
extern const DialogRows BridgeDialog, ThinCrustDialog, ElementalDamageDialog, AltTileDialog, SplatDialog,
    ChopTreeDialog, WaterRootsDialog;                                                      // terrain_dialogs
extern const DialogRows ForgeDialog, MushroomDialog, StatPlusDialog, BuriedCacheDialog, SwapItemDialog,
    RetrieveDialog, SpawnDialog;                                                           // reward_dialogs
extern const DialogRows FloorTextDialog, GhostTextDialog, ColourTextDialog, RuneRiddleDialog,
    DanceDialog;                                                                           // symbol_text_dialogs
