// Every built-in sheet, painted and added to the pack under its resource name.
#include "sheets.h"

namespace art {

PlayArt BuildPlayArt() { return PlayArt{BuildTileArt()}; }

void BuildSheets(Pack& pack, const std::string& fontDir, const PlayArt& art) {
    pack.AddSheet("VFONT", BuildFontSheet(fontDir));
    pack.AddSheet("VBOX", BuildBoxSheet());
    pack.AddSheet("VLSCROLL", BuildSmallScroll());
    pack.AddSheet("VMSCROLL", BuildMediumScroll());
    pack.AddSheet("VBSCROLL", BuildBigScroll());
    pack.AddSheet("VLONGSCROLL", BuildLongScroll());
    pack.AddSheet("VSLATE", BuildSlate());
    pack.AddSheet("VSLATE2", BuildSlate2());
    pack.AddSheet("VDEAD", BuildDeathPage());
    pack.AddSheet("VCHAR", BuildHeroScreen());
    pack.AddSheet("VBOOK", BuildBook());
    pack.AddSheet("VMAN", BuildHeroFigure());
    pack.AddSheet("VCREDIT", BuildCreditPicture());
    pack.AddSheet("VMODULE", BuildModuleSheet());
    pack.AddSheet("VWALL", BuildWallSheet(art.tiles));
    pack.AddSheet("VMINIWALL", BuildMiniWallSheet(art.tiles));
    pack.AddSheet("VMONST", BuildMonsterSheet());
    pack.AddSheet("VEQUIP", BuildEquipSheet());
    // the default of the module's custom sheet, shown when a module has none
    pack.AddSheet("VCUSTOM", BuildCustomSheet(art));
}

}  // namespace art
