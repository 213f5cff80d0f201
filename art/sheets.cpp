// Every built-in sheet, painted and added to the pack under its resource name.
#include "sheets.h"

namespace art {

void PlaceGrid(Image& sheet, const std::vector<Image>& pictures, const SheetGrid& g) {
    for (int r = 0; r < g.rows; ++r)
        for (int c = 0; c < g.cols; ++c) {
            const Image& p = pictures[size_t(g.first + r * g.cols + c)];
            Blit(p, 0, 0, p.width, p.height, sheet, g.x0 + g.pitchX * c, g.y0 + g.pitchY * r);
        }
}

Image GridSheet(int w, int h, const std::vector<Image>& pictures, std::initializer_list<SheetGrid> grids) {
    Image sheet(w, h, kKeyColour);
    for (const SheetGrid& g : grids) PlaceGrid(sheet, pictures, g);
    return sheet;
}

PlayArt BuildPlayArt() { return PlayArt{BuildTileArt(), BuildMonsterPictures(), BuildItemPictures()}; }

void BuildSheets(Pack& pack, const std::string& fontDir, const PlayArt& art) {
    pack.AddSheet("VFONT", BuildFontSheet(fontDir));
    pack.AddSheet("VBOX", BuildBoxSheet());
    pack.AddSheet("VLSCROLL", BuildSmallScroll());
    pack.AddSheet("VMSCROLL", BuildMediumScroll());
    pack.AddSheet("VBSCROLL", BuildBigScroll());
    pack.AddSheet("VLONGSCROLL", BuildLongScroll());
    pack.AddSheet("VSLATE", BuildSlate());
    pack.AddSheet("VSLATE2", BuildSlate2());
    pack.AddSheet("VKITSLATE", BuildKitSlate());
    pack.AddSheet("VDEAD", BuildDeathPage());
    pack.AddSheet("VCHAR", BuildHeroScreen());
    pack.AddSheet("VBOOK", BuildBook());
    pack.AddSheet("VMAN", BuildHeroFigure());
    pack.AddSheet("VCREDIT", BuildCreditPicture());
    pack.AddSheet("VMODULE", BuildModuleSheet());
    pack.AddSheet("VWALL", BuildWallSheet(art.tiles));
    pack.AddSheet("VMINIWALL", BuildMiniWallSheet(art.tiles));
    pack.AddSheet("VMONST", BuildMonsterSheet(art.monsters));
    pack.AddSheet("VEQUIP", BuildEquipSheet(art.items));
    // the default of the module's custom sheet, shown when a module has none
    pack.AddSheet("VCUSTOM", BuildCustomSheet(art));
}

}  // namespace art
