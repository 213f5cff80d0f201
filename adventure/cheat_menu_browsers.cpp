// The two browsers of the cheat menu: the hero's item instances and the level's encounters.
#include <array>
#include <string>
#include <string_view>

#include "cheat_menu.h"
#include "combat/monster_lookup.h"
#include "data/game_state.h"
#include "data/text_field.h"
#include "hero/equipment.h"
#include "hero/item_instances.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/message_boxes.h"
#include "platform/number_entry.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"

namespace {

constexpr int16_t kLastInstance = kInstanceCount - 1;
constexpr int16_t kLastEncounter = kEncounterCount - 1;

// In the order of the equipment slots.
constexpr std::array<std::string_view, kEquipSlotCount> kSlotTags = {
    "(IN ARMOUR SLOT)", "(IN HELMET SLOT)", "(IN GLOVES SLOT)", "(IN BOOTS SLOT)", "(IN AMULET SLOT)",
    "(IN RING1 SLOT)",  "(IN RING2 SLOT)",  "(IN WEAPON SLOT)", "(IN SHIELD SLOT)", "(IN WAND SLOT)",
    "(IN BOW SLOT)",    "(IN AMMO SLOT)",   "(IN BELT SLOT)"};

// The frame both browsers share: the panel, the heading with the index, the arrows and the
// index field, and "Done".
void DrawBrowserFrame(std::string_view title, std::string_view heading, int16_t indexX, int16_t index) {
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    DrawPanel(15, 15, 21, 16, 1, title);
    DrawBigText(50, 70, heading, kBigBlue);
    DrawBigText(indexX, 72, NumberText(index), kBigBlue);
    DrawIcon(BackSurface, 100, 250, 34);
    DrawTextField(150, 250, 3, NumberText(index));
    DrawIcon(BackSurface, 230, 250, 35);
    DrawDivider(25, 275, 20);
    DrawButton(120, 295, 5, "Done");
}

// The browser's loop from index 0: the index field, the arrows and "Done" of the frame, and
// what else the browser tests (answering true when it changed something).
template <class Draw, class Poll>
void RunBrowser(const char* name, int16_t last, Draw&& draw, Poll&& poll) {
    Screen screen(name);
    int16_t index = 0;
    auto redraw = [&] { draw(index, 1); };
    redraw();
    for (;;) {
        LoopPass(screen, redraw);
        bool changed = poll(index);
        if (ButtonClicked(150, 250, 6, 0, 0, 1, 1)) {
            index = EnterNumber(150, 250, 3, 0, last);
            changed = true;
        }
        if (AreaClicked(100, 250, 20, 20, 'P', 1, 1, 0) && index > 0) {
            --index;
            changed = true;
        }
        if (AreaClicked(230, 250, 20, 20, 'N', 1, 1, 0) && index < last) {
            ++index;
            changed = true;
        }
        if (ButtonClicked(120, 295, 10, 'C', kEsc, 1, 1)) return;
        if (changed) redraw();
    }
}

// Where an instance lies: the tag of every slot holding it, else the first grid cell found,
// else a vault (or any other keeper).
std::string LocationTags(int16_t instance) {
    std::string tags;
    for (size_t slot = 0; slot < kSlotTags.size(); ++slot)
        if (GameState.EquipSlots[slot] == instance) tags += kSlotTags[slot];
    if (!tags.empty()) return tags;
    for (int16_t cell : BackpackGrid())
        if (cell == instance) return "(IN BACKPACK)";
    for (int16_t cell : BagGrid())
        if (cell == instance) return "(IN BAG OF HOLDING)";
    return "(IN VAULT)";
}

std::string ItemLine(int16_t instance, const ItemInstance& i) {
    const ItemRecord* record = ItemRecordOf(i.ItemNumber);
    const std::string name = record ? std::string(FieldText(record->ItemName)) : std::string();
    return "(" + std::to_string(i.ItemNumber) + ") " + name + " " + LocationTags(instance);
}

}  // namespace

void DrawHeroCarryList(int16_t index, uint32_t flip) {
    DrawBrowserFrame("Hero Carry List", "Carry Index:", 180, index);
    DrawSmallText(50, 120, "Item Number:", kSmallBlack);
    if (const ItemInstance* i = InstanceAt(index)) {
        if (i->ItemNumber == kNone) DrawSmallText(150, 120, "Empty slot!", kSmallRed);
        else DrawSmallText(150, 120, ItemLine(index, *i), kSmallBlue);
        DrawSmallText(50, 140, "Power:", kSmallBlack);
        DrawSmallText(150, 140, NumberText(i->X), kSmallBlue);
        DrawSmallText(50, 160, "Charges:", kSmallBlack);
        DrawSmallText(150, 160, NumberText(i->Y), kSmallBlue);
        DrawSmallText(50, 180, "Curse Known?", kSmallBlack);
        DrawSmallText(150, 180, i->CurseKnown ? "TRUE" : "FALSE", kSmallBlue);
    }
    DrawButton(80, 215, 5, "Delete");
    if (flip) Flip();
}

void ShowHeroCarryList() {
    RunBrowser("carry list", kLastInstance, DrawHeroCarryList, [](int16_t index) {
        if (InstanceItem(index) == kNone || !ButtonClicked(80, 215, 10, 0, 0, 1, 1)) return false;
        DrawHeroCarryList(index, 0);
        // Every keeper lets go of it, so that no vault or pile names a free instance.
        if (Confirm(100, 120, "Really delete item?")) DeleteInstance(index);
        return true;
    });
}

void DrawEncounterList(int16_t index, uint32_t flip) {
    DrawBrowserFrame("Current Encounter List", "Encounter Index:", 230, index);
    DrawSmallText(50, 120, "Type:", kSmallBlack);
    if (const Encounter* e = EncounterOf(index)) {
        switch (e->Kind) {
            case -1: DrawSmallText(100, 120, "Empty Slot!", kSmallRed); break;
            case 1: DrawSmallText(100, 120, "Push Object", kSmallBlack); break;
            case 2: DrawSmallText(100, 120, "Boat", kSmallBlack); break;
            case kMonsterKind: DrawSmallText(100, 120, "Monster", kSmallBlack); break;
            default: break;  // a barrier has no word
        }
        if (e->Extra >= 0 && size_t(e->Extra) < WallTiles.size())
            BltFast(BackSurface, 100, 150, WallTiles[size_t(e->Extra)], TileRect, kBltKeyed);
        if (e->Monster != -1) {
            if (const MonsterRecord* r = MonsterRecordOf(e->Monster))
                DrawSmallText(50, 150, MonsterNameText(*r), kSmallRed);
            DrawSmallText(50, 170, "Hp: " + std::to_string(e->Hp) + " / " + std::to_string(e->HpMax), kSmallBlack);
            DrawSmallText(50, 190, "Status Flag: " + std::to_string(e->KillFlag), kSmallBlack);
        }
    }
    if (flip) Flip();
}

void ShowEncounterList() {
    RunBrowser("encounter list", kLastEncounter, DrawEncounterList, [](int16_t) { return false; });
}
