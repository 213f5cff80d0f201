#include "city_map.h"

#include <array>
#include <initializer_list>
#include <string_view>

#include "data/campaign_tables.h"
#include "hud.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"
#include "view_pictures.h"

namespace {

struct District {
    int16_t boxX, boxY;
    int16_t icon;  // ItemPictures
    std::string_view label;
    int16_t labelX, labelY;
    int16_t areaX, areaY;  // the right-click area, 74 x 74
    std::string_view title;
    int16_t height;  // in 20-pixel pieces
    std::initializer_list<std::string_view> places;
};

const std::array<District, 9> kDistricts = {{
    {150, 50, 528, "King's", 170, 100, 150, 50, "Kings Quarter", 8,
     {"Castle Steadfast (X=16, Y=25)", "King's royal Guard Barracks (X=38, Y=29)", "Arc Tower (X=23, Y=33)",
      "Royal Stables (X=5, Y=38)", "Lake Placid (X=12, Y=39)"}},
    {240, 50, 474, "Admin", 260, 100, 240, 50, "Administration District", 7,
     {"High Council of Administrative Affairs (X=28, Y=38)", "The Phalanx Training Hall (X=38, Y=34)",
      "Durwich Jailhouse (X=36, Y=12)", "Entrance to King's quarter (X=5, Y=30)"}},
    {150, 140, 96, "Temple", 170, 190, 150, 140, "Temple District", 9,
     {"Sacred Church of the Eternal Harvest (X=18, Y=20)", "Holy Avenger's Gift Shop (X=9, Y=32)",
      "The Rabbit's Foot (X=8, Y=44)", "Reverend Graham's Estate (X=38, Y=24)", "Graveyard (X=33, Y=17)",
      "Durwich Mausoleum (X=40, Y=7)"}},
    {240, 140, 231, "Merchant", 253, 190, 240, 140, "Merchant District", 13,
     {"Durwich Vaults (X=41, Y=17)", "Grand Bank of Durwich (X=27, Y=22)", "Barracks (X=15, Y=21)",
      "The Gilded Axe (X=13, Y=42", "The Knight's Helm (X=34, Y=39)", "The Durwich Emerald (X=7, Y=6)",
      "Karen's Cures (X=8, Y=10)", "Leather Goods (X=12, Y=5)", "Cheapass Weapons (X=13, Y=10)",
      "Nutritional Requirements (X=18, Y=5)", "Adventurer's Supplies (X=22, Y=5)"}},
    {330, 140, 94, "Harbour", 345, 190, 330, 140, "Harbour District", 9,
     {"The Lucky Pirate Casino (X=14, Y=9)", "The Horny Wench Inn (X=26, Y=34)",
      "Daniel's Second Hand Goods (X=28, Y=25)", "Sea Mystic (Ship) (X=38, Y=34)", "Far Horizon (Ship) (X=32, Y=9)",
      "Thieves Guild (X=?, Y=?)"}},
    {60, 230, 458, "Rural", 80, 280, 60, 230, "Rural District", 8,
     {"The Wagon Wheel Coach Services (X=16, Y=27)", "Cattle Ranch (X=41, Y=9)", "Sheep Ranch (X=40, Y=36)",
      "Poltry Farm (X=12, Y=10)", "Fields (X=13, Y=42)"}},
    {150, 230, 232, "Resident", 163, 280, 150, 230, "Residential District", 7,
     {"Your Home (X=7, Y=40)", "Black Stallion Inn (X=14, Y=21)", "Gardens (X=42, Y=31)"}},
    {240, 230, 68, "Academic", 253, 280, 240, 240, "Academic District", 9,
     {"Guild of Wizardry (X=24, Y=10)", "Durwich Library (X=9, Y=9)", "Melendel's Exotic Managery (X=16, Y=40)",
      "The Bard's Song (X=10, Y=46)", "The Warlock's Gem (X=41, Y=4)"}},
    {240, 320, 498, "River", 260, 370, 240, 330, "River District", 7,
     {"Barrow Estate (X=23, Y=12)", "Manifest Destiny (X=42, Y=6)", "Residence for sale (X=41, Y=34)",
      "Wayward River (X=25, Y=18)"}},
}};

}  // namespace

void DrawDurwichMap(uint32_t flip) {
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    BltFast(BackSurface, 10, 10, BigScroll, BigScrollRect, kBltKeyed);
    for (const District& d : kDistricts) {
        BltFast(BackSurface, d.boxX, d.boxY, CityMapMarker, CityMapMarkerRect, kBltOpaque);
        BltFast(BackSurface, d.boxX + 20, d.boxY + 20, ItemPictures[size_t(d.icon)], PictureRect, kBltKeyed);
        DrawSmallText(d.labelX, d.labelY, d.label, kSmallBlack);
    }
    static constexpr int16_t kConnectors[][3] = {{289, 224, 86},  {289, 224, 176}, {289, 224, 266},
                                                 {289, 134, 266}, {289, 314, 176}, {288, 276, 124},
                                                 {288, 276, 214}, {288, 186, 214}, {288, 276, 304}};
    for (const auto& c : kConnectors) BltFast(BackSurface, c[1], c[2], WallTiles[size_t(c[0])], PictureRect, kBltKeyed);
    DrawSmallText(80, 350, "City of Durwich", kSmallBlack);
    DrawBigText(80, 365, "Districts", kBigBlack);
    DrawVitals();
    BltFast(BackSurface, 445, 103, MediumScroll, MediumScrollRect, kBltKeyed);
    DrawSmallText(470, 130, "Right click (and hold)", kSmallBlack);
    DrawSmallText(470, 142, "on district box to", kSmallBlack);
    DrawSmallText(470, 154, "display shops/locations.", kSmallBlack);
    DrawSmallText(470, 188, "NOTE: You can fast travel", kSmallBlue);
    DrawSmallText(470, 200, "between Durwich districts", kSmallBlue);
    DrawSmallText(470, 212, "by pressing 'Z' in-game.", kSmallBlue);
    DrawButton(485, 310, 5, "Back");
    if (flip) Flip();
}

void ShowDurwichDistrict(int16_t district) {
    if (district < 0 || size_t(district) >= kDistricts.size()) return;
    const District& d = kDistricts[size_t(district)];
    DrawDurwichMap(0);
    DrawPanel(50, 100, 18, d.height, 1, d.title);
    int16_t y = 160;
    for (std::string_view place : d.places) {
        DrawSmallText(70, y, place, kSmallBlack);
        y = int16_t(y + 15);
    }
    Flip();
    WaitUntilUp(2);
    DrawDurwichMap(1);
}

void DurwichMap() {
    if (!CustomCampaign.DurwichEnabled) return;
    Screen screen("city map");
    auto paint = [] { DrawDurwichMap(1); };
    paint();
    for (;;) {
        LoopPass(screen, paint);
        for (int16_t d = 0; d < int16_t(kDistricts.size()); ++d) {
            const District& district = kDistricts[size_t(d)];
            if (AreaClicked(district.areaX, district.areaY, 74, 74, 0, 2, 0, 4)) ShowDurwichDistrict(d);
        }
        if (ButtonClicked(485, 310, 10, 'B', 27, 1, 3)) return;
    }
}
