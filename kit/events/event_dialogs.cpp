#include "kit/events/event_dialogs.h"

#include <array>
#include <cstring>
#include <string>

#include "adventure/encounters.h"
#include "data/campaign_tables.h"
#include "data/item_records.h"
#include "data/level.h"
#include "data/monster_records.h"
#include "data/text_field.h"
#include "hero/item_names.h"
#include "kit/db/item_editor.h"
#include "kit/db/item_picture.h"
#include "kit/db/picture_pickers.h"
#include "kit/events/event_editor.h"
#include "kit/events/event_text_editor.h"
#include "kit/events/number_pickers.h"
#include "kit/events/operator_labels.h"
#include "kit/level/tile_pickers.h"
#include "kit/script/script_editor.h"
#include "platform/dice.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/list_chooser.h"
#include "platform/number_entry.h"
#include "platform/source_rects.h"
#include "platform/text_entry.h"
#include "platform/widgets.h"

namespace {

constexpr int16_t kItemIconPiece = 35;
constexpr int16_t kEmptyTile = 1652;     // shown for a tile button of 0 or less
constexpr int16_t kEscaped = -32768;     // a list left with Esc
constexpr int16_t kFirstType = 1226;     // pickers name the dialog behind them by type - 1226

// Where a row stands: its repetition and what that moves.
struct Placed {
    int16_t index = 0;
    int16_t dx = 0, dy = 0, dword = 0;
};

int16_t WordValue(const EventRecord& e, int32_t word) { return word >= 1 && word <= 32 ? e.Word[word] : 0; }

// A held-area group holds while drawing, and while editing only while the button is held there.
bool Holds(const DialogRow& group, const EventRecord& e, bool editing) {
    const When& w = group.when;
    if (w.source == 0) return true;
    if (w.source == kHeldSource)
        return !editing || AreaClicked(group.x, group.y, group.click, group.max, 0, 1, 0, 0) != 0;
    const int16_t v = w.source == kChestPageSource ? ChestEditorPage : WordValue(e, w.source);
    return (v >= w.lo && v <= w.hi) != (w.negate != 0);
}

bool Passes(Show show, int16_t v) {
    switch (show) {
        case Show::kNotNone: return v != -1;
        case Show::kAboveNone: return v > -1;
        case Show::kAboveZero: return v > 0;
        case Show::kNonZero: return v != 0;
        case Show::kValue:
        case Show::kAlways: return true;
    }
    return true;
}

// Calls visit(row, placed) for each row that is shown now, groups opened, in order; the
// record is read again for every group, so that an edit earlier in the pass counts.
template <class Visit>
bool Walk(int16_t x, int16_t y, DialogRows rows, Placed at, bool editing, Visit& visit) {
    for (size_t i = 0; i < rows.size(); ++i) {
        const DialogRow& r = rows[i];
        if (r.kind != RowKind::kGroup) {
            if (!visit(r, at)) return false;
            continue;
        }
        const DialogRows inner = rows.subspan(i + 1, size_t(r.span));
        i += size_t(r.span);
        for (int16_t k = 0; k < r.repeat; ++k) {
            const EventRecord* e = EventAt(x, y);
            if (!e) return false;
            if (!Holds(r, *e, editing)) break;
            const auto index = int16_t(r.from + k);
            const Placed in{index, int16_t(at.dx + r.dx * index), int16_t(at.dy + r.dy * index),
                            int16_t(at.dword + r.dword * index)};
            if (!Walk(x, y, inner, in, editing, visit)) return false;
        }
    }
    return true;
}

// The row's word moved by its repetition; 0 stays "no word".
int32_t Moved(int8_t word, const Placed& at) { return word == 0 ? 0 : word + at.dword; }

std::string LabelText(const Label& l, const Placed& at) {
    std::string text(l.text);
    if (l.numbered) text += std::to_string(at.index + 1);
    return text;
}

std::string_view LabelFor(const DialogRow& r, int16_t v) {
    if (!r.labels) return {};
    return r.show == Show::kValue ? r.labels(v) : r.labels(Passes(r.show, v) ? 1 : 0);
}

void DrawPicture(const DialogRow& r, const EventRecord& e, int16_t v, int16_t x, int16_t y) {
    if (!Passes(r.show, v)) return;
    int32_t index = v + r.offset;
    if (!r.values.empty()) index = v >= 0 && size_t(v) < r.values.size() ? r.values[size_t(v)] : r.offset;
    auto blt = [&](const auto& sheet, const Rect& rect) {
        if (index >= 0 && size_t(index) < sheet.size()) BltFast(BackSurface, x, y, sheet[size_t(index)], rect, kBltKeyed);
    };
    switch (r.sheet) {
        case Sheet::kWallTile: blt(WallTiles, TileRect); break;
        case Sheet::kNpcCorner: blt(MonsterPictures, PictureRect); break;
        case Sheet::kNpcWhole:
            if (index >= 0 && size_t(index) < MonsterPictures.size())
                blt(MonsterPictures, ViewPieceRects[size_t(PictureSizeClass(int16_t(index)))]);
            break;
        case Sheet::kItem: DrawItemPicture(int16_t(index), x, y); break;
        case Sheet::kRune: blt(RunePictures, PictureRect); break;
        case Sheet::kHieroglyph: blt(HieroglyphPictures, PictureRect); break;
        case Sheet::kHeraldry: blt(HeraldryPictures, PortraitRect); break;
        case Sheet::kIcon: blt(UiIcons, IconRect); break;
        case Sheet::kMonster:
            if (index >= 0 && index < kMonsterCount) {
                index = MonsterTable[size_t(index)].MonsterPicture + (WordValue(e, r.word2) == 1 ? 3 : 0);
                if (index >= 0 && size_t(index) < MonsterPictures.size())
                    blt(MonsterPictures, ViewPieceRects[size_t(PictureSizeClass(int16_t(index)))]);
            }
            break;
    }
}

void DrawName(const DialogRow& r, const EventRecord& e, int16_t v, const Placed& at) {
    if (!Passes(r.show, v)) return;
    std::string name;
    switch (r.name) {
        case NameOf::kItem:
            if (v >= 0 && v < kItemCount) name = FieldText(ItemTable[size_t(v)].ItemName);
            break;
        case NameOf::kItemShown: {
            std::array<char, kItemNameSize> shown{};
            ItemDisplayName(v, WordValue(e, Moved(r.word2, at)), WordValue(e, Moved(r.word3, at)), 0, shown);
            name = shown.data();
            break;
        }
        case NameOf::kMonster:
            if (v >= 0 && v < kMonsterCount) name = FieldText(MonsterTable[size_t(v)].MonsterName);
            break;
        case NameOf::kQuest:
            if (v >= 0 && size_t(v) < QuestTextTable.size()) name = FieldText(QuestTextTable[size_t(v)].Line[0]);
            break;
        case NameOf::kScript:
            if (v >= 0 && v < kScriptSlots && ScriptTable[size_t(v)])
                name = FieldText(ScriptTable[size_t(v)]->Record.Title);
            break;
        case NameOf::kItemRow: {
            if (v <= 0 || v >= kItemCount) break;
            const int16_t power = WordValue(e, Moved(r.word2, at)), charges = WordValue(e, Moved(r.word3, at));
            name = std::string(FieldText(ItemTable[size_t(v)].ItemName)) + " ";
            if (power > 0) name += " +" + std::to_string(power);
            if (charges > 0) name += " (" + std::to_string(charges) + ")";
            break;
        }
    }
    DrawSmallText(int16_t(r.label.x + at.dx), int16_t(r.label.y + at.dy), name, r.label.colour);
}

void DrawToggle(const DialogRow& r, int16_t v, int16_t x, int16_t y) {
    switch (r.look) {
        case Look::kCheckBox: DrawCheckBox(x, y, v != 0); break;
        case Look::kButton: DrawButton(x, y, r.pieces, LabelFor(r, v)); break;
        case Look::kTextField: DrawTextField(x, y, r.pieces, LabelFor(r, v)); break;
        case Look::kChoiceField: DrawChoiceField(x, y, r.pieces, LabelFor(r, v)); break;
        case Look::kCompareOp: DrawCompareOp(x, y, r.pieces, v); break;
        case Look::kAssignOp: DrawAssignOp(x, y, r.pieces, v); break;
        case Look::kNone: break;
    }
}

std::span<char> TextLine(EventRecord& e, int32_t text, int32_t line) {
    if (text < 0 || text > 1 || line < 0 || line > 9) return {};
    return {e.Text[text][line], sizeof e.Text[text][line]};
}

int16_t NextValue(const DialogRow& r, int16_t v) {
    switch (r.rule) {
        case Rule::kCycle: return v >= 0 && v < r.max - 1 ? int16_t(v + 1) : int16_t(0);
        case Rule::kOneGivesZero: return v == 1 ? 0 : 1;
        case Rule::kPositiveGivesZero: return v > 0 ? 0 : 1;
        case Rule::kNoneSwap: return v == -1 ? 0 : -1;
        case Rule::kRope: return v == 0 ? -1 : 0;
    }
    return 0;
}

int16_t RunPicker(const DialogRow& r, int16_t x, int16_t y, int16_t type, int16_t v) {
    const auto offset = int16_t(type - kFirstType);
    switch (r.picker) {
        case Picker::kWallTile: {
            int16_t category = 0;  // every Browse opens on the first category
            return PickWallTile(v, category);
        }
        case Picker::kNpcPicture: return PickNpcPicture(v, r.flag);
        case Picker::kKeyItem: return PickKeyItem(x, y, v, r.first, offset, 1);
        case Picker::kItemNumber: return PickItem(x, y, v, r.first, offset, r.flag);
        case Picker::kMonster: return PickMonster(x, y, v, offset);
        case Picker::kScript:
            if (v >= 0 && v < kScriptSlots) RunScriptEditor(v);
            return v;
    }
    return v;
}

// The whole of one click on a field: 1 when the row was hit (and its word edited). The tile
// buttons of one pass share one picker category.
int EditRow(const DialogRow& r, const Placed& at, int16_t x, int16_t y, int16_t type, int16_t& tileCategory) {
    EventRecord* e = EventAt(x, y);
    if (!e) return 0;
    const auto fx = int16_t(r.x + at.dx), fy = int16_t(r.y + at.dy);
    const int32_t word = Moved(r.word, at);
    int16_t scratch = 0;
    int16_t& w = word >= 1 && word <= 32 ? e->Word[word] : scratch;
    auto clicked = [&] { return ButtonClicked(fx, int16_t(fy + r.clickDy), int16_t(r.click / 10), 0, 0, 1, 1); };
    auto boxClicked = [&] { return AreaClicked(fx, fy, 15, 15, 0, 1, 1, 1); };
    switch (r.kind) {
        case RowKind::kNumber:
            if (!clicked()) return 0;
            w = EnterNumber(fx, fy, r.pieces, r.min, r.max);
            break;
        case RowKind::kToggle:
            if (!(r.look == Look::kCheckBox && r.click == 15 ? boxClicked() : clicked())) return 0;
            w = NextValue(r, w);
            if (r.resetWord) e->Word[r.resetWord] = 0;
            break;
        case RowKind::kChoice: {
            if (!clicked()) return 0;
            DrawEventEditor(x, y, type, 0);
            for (int16_t i = 0; i < r.count; ++i) {
                auto& row = ListItems[size_t(i)];
                row.fill('\0');
                const std::string_view label = r.labels(i);
                std::memcpy(row.data(), label.data(), std::min(label.size(), row.size() - 1));
            }
            const int16_t chosen =
                ChooseFromList(fx, int16_t(fy + r.clickDy), r.listPieces, r.listRows, kEscaped, r.count, 1);
            // A click past the list's rows is taken as no choice.
            if (chosen >= 0 && chosen < r.count) {
                w = chosen;
                if (r.resetWord) e->Word[r.resetWord] = 0;
            }
            break;
        }
        case RowKind::kBrowse:
            if (!clicked()) return 0;
            w = RunPicker(r, x, y, type, w);
            break;
        case RowKind::kItemIcon:
            if (!AreaClicked(fx, int16_t(fy + r.clickDy), 15, 15, 0, 1, 1, 1)) return 0;
            w = PickItemInEditor(w);
            break;
        case RowKind::kItemButton:
            if (!clicked()) return 0;
            w = PickItemInEditor(w);
            break;
        case RowKind::kEditText:
            if (!clicked()) return 0;
            EditEventText(x, y, r.word, r.max);
            break;
        case RowKind::kDice:
            if (!clicked()) return 0;
            if (word < 1 || word + 2 > 32) return 1;
            DrawEventEditor(x, y, type, 0);
            EditDice(r.first, r.flag, r.title, e->Word[word], e->Word[word + 1], e->Word[word + 2]);
            break;
        case RowKind::kTextEntry: {
            if (!clicked()) return 0;
            const std::span<char> line = TextLine(*e, r.word, r.line + at.dword);
            if (!line.empty()) EnterText(fx, fy, line, r.min, r.max, 1, 0, -1, -1, -1, -1);
            break;
        }
        case RowKind::kTileButton:
            if (!AreaClicked(fx, fy, 30, 30, 0, 1, 1, 1)) return 0;
            w = PickWallTile(w, tileCategory);
            break;
        case RowKind::kPictureCycle:
            if (!AreaClicked(fx, fy, r.click, r.click, 0, 1, 1, 1)) return 0;
            w = NextValue(r, w);
            break;
        case RowKind::kButton:
            if (!clicked()) return 0;
            break;
        default: return 0;
    }
    if (r.after) {
        if (EventRecord* now = EventAt(x, y)) r.after(*now);
    }
    return 1;
}

}  // namespace

void DrawEventDialog(int16_t x, int16_t y, DialogRows rows) {
    auto draw = [&](const DialogRow& r, const Placed& at) {
        const EventRecord* e = EventAt(x, y);
        if (!e) return false;
        const int16_t v = WordValue(*e, Moved(r.word, at));
        const auto fx = int16_t(r.x + at.dx), fy = int16_t(r.y + at.dy);
        const auto lx = int16_t(r.label.x + at.dx), ly = int16_t(r.label.y + at.dy);
        if (r.kind != RowKind::kName && r.kind != RowKind::kValueLine && r.kind != RowKind::kNumberText &&
            (!r.label.text.empty() || r.label.numbered))
            DrawSmallText(lx, ly, LabelText(r.label, at), r.label.colour);
        switch (r.kind) {
            case RowKind::kDivider: DrawDivider(fx, fy, r.pieces); break;
            case RowKind::kNumberText:
                DrawSmallText(lx, ly, std::string(r.label.text) + std::to_string(v + r.offset + at.index),
                              r.label.colour);
                break;
            case RowKind::kValueLine: DrawSmallText(lx, ly, r.labels(v), r.label.colour); break;
            case RowKind::kName: DrawName(r, *e, v, at); break;
            case RowKind::kPicture:
            case RowKind::kPictureCycle: DrawPicture(r, *e, v, fx, fy); break;
            case RowKind::kButton: DrawButton(fx, fy, r.pieces, r.title); break;
            case RowKind::kShownNumber:
            case RowKind::kNumber: DrawTextField(fx, fy, r.pieces, NumberText(v)); break;
            case RowKind::kToggle: DrawToggle(r, v, fx, fy); break;
            case RowKind::kChoice: {
                // Only the offered rows are named; a file's value past them shows an empty field.
                const std::string_view label = v >= 0 && v < r.count ? r.labels(v) : std::string_view();
                if (r.look == Look::kChoiceField) DrawChoiceField(fx, fy, r.pieces, label);
                if (r.look == Look::kTextField) DrawTextField(fx, fy, r.pieces, label);
                break;
            }
            case RowKind::kBrowse: DrawButton(fx, fy, 3, "Browse"); break;
            case RowKind::kItemIcon: DrawIcon(BackSurface, fx, fy, kItemIconPiece); break;
            case RowKind::kItemButton: DrawButton(fx, fy, r.pieces, NumberText(v)); break;
            case RowKind::kEditText: DrawButton(fx, fy, 3, "Edit"); break;
            case RowKind::kDice: {
                const int32_t w = Moved(r.word, at);
                DrawDiceButton(fx, fy, r.pieces, WordValue(*e, w), WordValue(*e, w + 1), WordValue(*e, w + 2));
                break;
            }
            case RowKind::kTextEntry:
                if (r.word >= 0 && r.word <= 1 && r.line + at.dword >= 0 && r.line + at.dword <= 9)
                    DrawTextField(fx, fy, r.pieces, FieldText(e->Text[r.word][r.line + at.dword]));
                break;
            case RowKind::kTileButton: {
                const int16_t tile = v > 0 && size_t(v) < WallTiles.size() ? v : kEmptyTile;
                BltFast(BackSurface, fx, fy, WallTiles[size_t(tile)], TileRect, kBltOpaque);
                break;
            }
            case RowKind::kGroup:
            case RowKind::kNote: break;
        }
        return true;
    };
    Walk(x, y, rows, {}, false, draw);
}

void EditEventDialog(int16_t x, int16_t y, int16_t type, DialogRows rows) {
    int16_t tileCategory = 0;
    auto edit = [&](const DialogRow& r, const Placed& at) {
        if (EditRow(r, at, x, y, type, tileCategory)) DrawEventEditor(x, y, type, 1);
        return EventAt(x, y) != nullptr;
    };
    Walk(x, y, rows, {}, true, edit);
}
