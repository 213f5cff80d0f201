#include "kit/events/event_dialogs.h"

#include <array>
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
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"

namespace {

constexpr int16_t kEmptyTile = 1652;     // shown for a tile button of 0 or less
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
        return !editing || AreaClicked(group.held.x, group.held.y, group.held.w, group.held.h, 0, 1, 0, 0) != 0;
    const int16_t v = w.source == kChestPageSource ? ChestEditorPage : WordValue(e, w.source);
    return (v >= w.lo && v <= w.hi) != (w.negate != 0);
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

std::span<char> TextLine(EventRecord& e, int32_t text, int32_t line) {
    if (text < 0 || text > 1 || line < 0 || line > 9) return {};
    return {e.Text[text][line], sizeof e.Text[text][line]};
}

// The bytes a row's field is bound to: its word (dice: three words), a line of a text, or, for
// a row without a word, a scratch value that reads 0 and keeps nothing.
FieldValue Bound(const DialogRow& r, EventRecord& e, const Placed& at, std::array<int16_t, 3>& scratch) {
    if (r.field.kind == FieldKind::kText) {
        const std::span<char> line = TextLine(e, r.word, r.line + at.dword);
        return {reinterpret_cast<std::byte*>(line.data()), line.size()};
    }
    const int32_t word = Moved(r.word, at);
    const int32_t last = r.field.kind == FieldKind::kDice ? word + 2 : word;
    if (word >= 1 && last <= 32) return {reinterpret_cast<std::byte*>(&e.Word[word])};
    scratch = {};
    return {reinterpret_cast<std::byte*>(scratch.data())};
}

int16_t RunPicker(const DialogRow& r, int16_t x, int16_t y, int16_t type, int16_t v, int16_t& tileCategory) {
    const auto offset = int16_t(type - kFirstType);
    switch (r.picker) {
        case Picker::kWallTile: {
            int16_t category = 0;  // every Browse opens on the first category
            return PickWallTile(v, category);
        }
        case Picker::kNpcPicture: return PickNpcPicture(v, r.pickFlag);
        case Picker::kKeyItem: return PickKeyItem(x, y, v, r.pickFirst, offset, 1);
        case Picker::kItemNumber: return PickItem(x, y, v, r.pickFirst, offset, r.pickFlag);
        case Picker::kMonster: return PickMonster(x, y, v, offset);
        case Picker::kScript:
            if (v >= 0 && v < kScriptSlots) RunScriptEditor(v);
            return v;
        case Picker::kItem: return PickItemInEditor(v);
        case Picker::kTileInPass: return PickWallTile(v, tileCategory);
    }
    return v;
}

// The whole of one click on a field: 1 when the row was hit (and its word edited). The tile
// buttons of one pass share one picker category.
int EditRow(const DialogRow& r, const Placed& at, int16_t x, int16_t y, int16_t type, int16_t& tileCategory) {
    EventRecord* e = EventAt(x, y);
    if (!e || r.field.kind == FieldKind::kNone) return 0;
    std::array<int16_t, 3> scratch{};
    const FieldRedraw redraw = [&](uint32_t flip) { DrawEventEditor(x, y, type, flip); };
    const FieldPick pick = [&](int16_t v) { return RunPicker(r, x, y, type, v, tileCategory); };
    const Edit edit = EditField(r.field, Bound(r, *e, at, scratch), redraw, pick, {at.dx, at.dy});
    if (edit == Edit::kNone) return 0;
    const bool resets = r.field.kind == FieldKind::kToggle || r.field.kind == FieldKind::kChoice;
    if (edit == Edit::kStored && resets && r.resetWord) e->Word[r.resetWord] = 0;
    if (r.kind == RowKind::kEditText) EditEventText(x, y, r.word, r.lines);
    if (r.after) {
        if (EventRecord* now = EventAt(x, y)) r.after(*now);
    }
    return 1;
}

}  // namespace

void DrawEventDialog(int16_t x, int16_t y, DialogRows rows) {
    auto draw = [&](const DialogRow& r, const Placed& at) {
        EventRecord* e = EventAt(x, y);
        if (!e) return false;
        const int16_t v = WordValue(*e, Moved(r.word, at));
        const FieldShift shift{at.dx, at.dy};
        const auto fx = int16_t(r.field.x + at.dx), fy = int16_t(r.field.y + at.dy);
        const auto lx = int16_t(r.label.x + at.dx), ly = int16_t(r.label.y + at.dy);
        if (r.kind != RowKind::kName && r.kind != RowKind::kValueLine && r.kind != RowKind::kNumberText)
            DrawLabel(r.label, shift, at.index);
        switch (r.kind) {
            case RowKind::kDivider: DrawDivider(fx, fy, r.field.pieces); break;
            case RowKind::kNumberText:
                DrawSmallText(lx, ly, std::string(r.label.text) + std::to_string(v + r.offset + at.index),
                              r.label.colour);
                break;
            case RowKind::kValueLine: DrawSmallText(lx, ly, r.field.labels(v), r.label.colour); break;
            case RowKind::kName: DrawName(r, *e, v, at); break;
            case RowKind::kPicture: DrawPicture(r, *e, v, fx, fy); break;
            case RowKind::kTileButton: {
                const int16_t tile = v > 0 && size_t(v) < WallTiles.size() ? v : kEmptyTile;
                BltFast(BackSurface, fx, fy, WallTiles[size_t(tile)], TileRect, kBltOpaque);
                break;
            }
            case RowKind::kField:
            case RowKind::kEditText: {
                std::array<int16_t, 3> scratch{};
                DrawField(r.field, Bound(r, *e, at, scratch), shift);
                break;
            }
            case RowKind::kGroup: break;
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
