#include "widgets.h"

#include <algorithm>
#include <cstdio>

#include "display.h"
#include "fonts.h"
#include "source_rects.h"

std::array<char, 12> TextScratch{};

namespace {
constexpr int16_t kFieldLeft = 0, kFieldMiddle = 1, kFieldRight = 2;
constexpr int16_t kCheckEmpty = 3, kCheckTicked = 4;
constexpr int16_t kButtonLeft = 5, kButtonMiddle = 6, kButtonRight = 7;
constexpr int16_t kDividerPiece = 10, kPanelFill = 16, kChoiceMarker = 70;
}  // namespace

void DrawIcon(Surface* dest, int32_t x, int32_t y, int16_t piece) {
    if (piece < 0 || size_t(piece) >= UiIcons.size()) return;
    BltFast(dest, x, y, UiIcons[size_t(piece)], IconRect, kBltKeyed);
}

namespace {

// Whether the piece has no key-coloured pixel, so that it covers its square whole.
bool HidesBeneath(int16_t piece) {
    if (piece < 0 || size_t(piece) >= UiIcons.size() || !UiIcons[size_t(piece)]) return false;
    const Surface& icon = *UiIcons[size_t(piece)];
    if (IconRect.Width() != 20 || IconRect.Height() != 20 || IconRect.left < 0 || IconRect.top < 0 ||
        IconRect.right > icon.width || IconRect.bottom > icon.height)
        return false;
    if (!icon.keyed) return true;
    for (int32_t r = IconRect.top; r < IconRect.bottom; ++r) {
        const uint16_t* row = icon.Row(r);
        if (std::find(row + IconRect.left, row + IconRect.right, icon.key) != row + IconRect.right) return false;
    }
    return true;
}

}  // namespace

void DrawPieceRow(Surface* dest, int32_t x, int32_t y, int16_t widthPieces, int16_t left, int16_t middle,
                  int16_t right) {
    DrawIcon(dest, x, y, left);
    int32_t at = x + 20;
    for (int32_t i = 0; i < widthPieces - 2; ++i, at += 20) DrawIcon(dest, at, y, middle);
    DrawIcon(dest, at, y, right);
}

namespace {
constexpr int32_t kLabelClear = 3;  // pixels at each end of a button or tab that its label keeps off
constexpr int32_t kGlyphInk = kSmallAdvance - 1;  // a small letter's ink: its advance but a blank column

int32_t InkWidth(size_t letters, int32_t advance) {
    return letters == 0 ? 0 : advance * int32_t(letters - 1) + kGlyphInk;
}
}  // namespace

bool LabelFits(int32_t width, std::string_view label) {
    return InkWidth(label.size(), kSmallAdvance) <= width - 2 * kLabelClear;
}

void DrawPieceRowLabel(int32_t x, int32_t width, int32_t indent, int16_t y, std::string_view label) {
    label = label.substr(0, label.find('\0'));
    const int32_t left = x + kLabelClear, room = width - 2 * kLabelClear;
    const int32_t advance = LabelFits(width, label) ? kSmallAdvance : kSmallAdvance - 1;
    const int32_t at = indent < 0 ? x + (width - advance * int32_t(label.size())) / 2 : x + indent;
    const int32_t labelX = std::max(left, std::min(at, left + room - InkWidth(label.size(), advance)));
    DrawSmallTextSpaced(int16_t(labelX), y, label, kSmallBlack, advance);
}

void DrawButton(int16_t x, int16_t y, int16_t widthPieces, std::string_view label) {
    DrawPieceRow(BackSurface, x, y, widthPieces, kButtonLeft, kButtonMiddle, kButtonRight);
    DrawPieceRowLabel(x, 20 * widthPieces, -1, int16_t(y + 6), label);
}

void DrawTextField(int16_t x, int16_t y, int16_t widthPieces, std::string_view text) {
    DrawPieceRow(BackSurface, x, y, widthPieces, kFieldLeft, kFieldMiddle, kFieldRight);
    DrawSmallText(int16_t(x + 10), int16_t(y + 6), text, kSmallBlack);
}

void DrawChoiceField(int16_t x, int16_t y, int16_t widthPieces, std::string_view label) {
    DrawTextField(x, y, widthPieces, label);
    DrawIcon(BackSurface, x + 20 * std::max<int32_t>(widthPieces, 2), y, kChoiceMarker);
}

void DrawCheckBox(int16_t x, int16_t y, uint32_t ticked) {
    DrawIcon(BackSurface, x, y, ticked ? kCheckTicked : kCheckEmpty);
}

void DrawDivider(int16_t x, int16_t y, int16_t count) {
    for (int32_t i = 0; i < count; ++i) DrawIcon(BackSurface, x + 20 * i, y, kDividerPiece);
}

void DrawPanel(int16_t x, int16_t y, int16_t widthPieces, int16_t heightPieces, int16_t style,
               std::string_view title) {
    int32_t row = y;
    if (style == 0) {
        DrawPieceRow(BackSurface, x, row, widthPieces, 43, 44, 45);
    } else {
        DrawPieceRow(BackSurface, x, row, widthPieces, 60, 61, 62);
        row += 20;
        DrawPieceRow(BackSurface, x, row, widthPieces, 63, 64, 65);
    }
    const int32_t bottom = y + 20 * (heightPieces - 1);
    // Middle rows whose pieces hide what lies beneath are alike: each after the first is one
    // copy of the row above, far cheaper than a row of keyed pieces.
    const bool alike = HidesBeneath(48) && HidesBeneath(kPanelFill) && HidesBeneath(50);
    const Rect band{x, row + 20, x + 20 * std::max<int32_t>(widthPieces, 2), row + 40};
    for (row += 20; row < bottom; row += 20) {
        if (!alike || row == band.top || !BltFast(BackSurface, x, row, BackSurface, band, kBltOpaque))
            DrawPieceRow(BackSurface, x, row, widthPieces, 48, kPanelFill, 50);
    }
    DrawPieceRow(BackSurface, x, std::max(row, bottom), widthPieces, 46, 49, 47);
    if (style != 0) {
        title = title.substr(0, title.find('\0'));
        const int32_t titleX = x + 10 * widthPieces - (10 * int32_t(title.size())) / 2;
        DrawBigText(int16_t(titleX), int16_t(y + 13), title, kBigWhite);
    }
}

std::string_view NumberText(int32_t n) {
    const int length = std::snprintf(TextScratch.data(), TextScratch.size(), "%d", n);
    return {TextScratch.data(), size_t(length)};
}
