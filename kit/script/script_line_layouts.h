// How each script code's line is laid out on its row of the script editor: its labels, its
// fields with the operand each one holds, the field's kind and bounds, and the names it
// shows. One engine (script_lines.cpp) draws a row and edits it from the same entry, so what
// is drawn and what answers a click cannot drift apart.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

enum class RowPieceKind : uint8_t {
    Label,        // text at (x, 105 + 22r) in its colour
    Number,       // the operand in a field; number entry lo..hi
    Names,        // the operand's name in a field; cycles 0..hi
    Toggle,       // names(0) for 0, names(1) for anything else; 0 becomes 1, anything else 0
    CompareOp,    // the comparison's label; cycles 0..5
    AssignOp,     // the assignment's label; cycles 0..2
    GlyphKind,    // like Names, and operand 1 goes back to 0 on every click
    GlyphChoice,  // choice field: the rune or hieroglyph (by operand 0) named by operand 1; a list
    Dice,         // operands op..op+2 as dice; the dice dialog
    Text,         // the line's text in a field; text entry of at most hi characters
    ChainText,    // as Text, and Tab goes on in a new line of the same code below
    ItemIcon,     // browse icon at (x, 99 + 22r); the item picker into the operand
    MonsterIcon,  // browse icon; the monster picker into the operand
    ImportIcon,   // import icon at (x, 100 + 22r); the script import onto this line
    NameText,     // the operand's name as text at (x, 105 + 22r), when it has one
    NumberText,   // the operand in decimal as text at (x, 104 + 22r)
};

using RowNames = std::string_view (*)(int32_t index);

struct RowPiece {
    RowPieceKind kind;
    int16_t x;
    int16_t pieces;  // the field's width; 0 for texts and icons
    int16_t op;      // operand 0..4
    int16_t lo, hi;  // entry bounds; a cycle's last value; a text's length
    RowNames names;
    std::string_view label;
    int16_t colour;
    int16_t clickX, clickUnits;  // the click area, where it is not the field as drawn
};

// The pieces of a code's row, in drawing order, which is also the order clicks are tested
// in; empty for a code outside 0..66.
std::span<const RowPiece> ScriptLineLayout(int16_t code);

// The name lists the rows show. Every one gives an empty name outside its range.
std::string_view QuestStateName(int32_t i);
std::string_view StatBonusName(int32_t i);
std::string_view ScriptSkillName(int32_t i);
std::string_view AfflictionName(int32_t i);
std::string_view ShapeName(int32_t i);
std::string_view HealTypeName(int32_t i);
std::string_view WinTextName(int32_t i);
std::string_view DamageTypeName(int32_t i);
std::string_view GlyphKindName(int32_t i);
std::string_view MonsterAreaName(int32_t i);
std::string_view QuestSkillName(int32_t i);
std::string_view ItemNameOf(int32_t item);
std::string_view MonsterNameOf(int32_t monster);
std::string_view QuestTitleOf(int32_t quest);
