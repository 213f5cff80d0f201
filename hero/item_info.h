// The item description panel: name, type line, bonuses and effects, curse, strength
// requirement and prices, in the small font one line every 15 pixels.
#pragma once

#include <array>
#include <cstdint>
#include <string>

constexpr int16_t kPlainText = 0, kWarningText = 91, kHighlightText = 182;

struct ItemTextLine {
    int16_t y;
    int16_t colour;
    std::string text;  // empty for a blank line
};

// The lines of a panel or of the notes, in drawing order.
struct ItemText {
    std::array<ItemTextLine, 48> lines;
    int count = 0;
    void Add(int16_t y, int16_t colour, std::string text);
};

// The effect lines of an item from y down, each 15 lower; returns how many lines follow the
// first one.
int ItemNoteLines(int16_t type, int16_t item, int16_t y, int16_t x, int16_t yValue, ItemText& out);
int WriteItemNotes(int16_t type, int16_t item, int16_t x, int16_t y, int16_t X, int16_t Y);

// Every line of the panel at (x, y); percent -1 prices at the item value itself.
void ItemInfoLines(int16_t y, int16_t item, int16_t X, int16_t Y, uint32_t curseKnown, int16_t showSell,
                   int16_t showPrice, int16_t percent, int16_t rechargeMode, ItemText& out);
// Draws the panel into the back buffer (no flip).
void ShowItemInfo(int16_t x, int16_t y, int16_t item, int16_t X, int16_t Y, uint32_t curseKnown,
                  int16_t drawBackground, int16_t showSell, int16_t showPrice, int16_t percent,
                  int16_t rechargeMode);

// Where the panel's lines start, right of its x.
constexpr int16_t kItemInfoTextInset = 10;
