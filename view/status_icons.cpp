#include "status_icons.h"

#include "data/game_state.h"
#include "hero/item_use.h"
#include "view_pictures.h"

namespace {

const GameStateRecord& G() { return GameState; }

int Unlifted(uint32_t condition) { return condition && !AntimagicExcused(HeroZone()); }

constexpr int16_t kBeastFormIcon = 52;  // Snake; Falcon, Wolf and Bear follow

}  // namespace

const std::array<StatusIcon, 17> AfflictionIcons = {{
    {8, 1, [] { return int(CurrentLevel.WildernessLevel == 1 && G().HeroFood <= 0 && G().HitPoints > 1); }},
    {120, 2, [] { return int(G().Exhausted != 0); }},
    {122, 4, [] { return int(G().Poisoned != 0); }},
    {123, 5, [] { return int(G().Diseased != 0); }},
    {124, 6, [] { return int(G().Drained != 0); }},
    {125, 7, [] { return int(G().Cursed != 0); }},
    {126, 8, [] { return int(G().Feebleminded != 0); }},
    {144, 10, [] { return Unlifted(G().Biohazard); }},
    {145, 9, [] { return Unlifted(G().Radiation); }},
    {146, 11, [] { return int(G().Aged != 0); }},
    {147, 12, [] { return int(G().Clutz != 0); }},
    {148, 13, [] { return Unlifted(G().ExtremeHeat); }},
    {149, 14, [] { return Unlifted(G().ExtremeCold); }},
    {68, 16, [] { return int(G().Fear != 0); }},
    {51, 17, [] { return int(G().HeroIsUndead != 0); }},
    {142, 15, [] { return HeroZoneCondition(kAntimagicZone); }},
    {30, 18, [] { return Unlifted(G().Drowning); }},
}};

const std::array<StatusIcon, 18> EnhancementIcons = {{
    {127, 1, [] { return int(G().BlessTurns > 0); }},
    {128, 2, [] { return int(G().Heroism[1] > 0); }},
    {29, 20, [] { return int(G().CombatBonusTurns > 0); }},
    {129, 3, [] { return int(G().MagicShield[1] > 0); }},
    {133, 7, [] { return int(G().TrueSight[1] > 0); }},
    {134, 8, [] { return int(G().InvisibleTurns > 0); }},
    {135, 9, [] { return int(G().WaterWalkTurns > 0); }},
    {136, 10, [] { return int(G().AcidShield[1] > 0); }},
    {137, 11, [] { return int(G().ColdShield[1] > 0); }},
    {138, 12, [] { return int(G().ElectShield[1] > 0); }},
    {139, 13, [] { return int(G().FireShield[1] > 0); }},
    {140, 14, [] { return int(G().MindShield[1] > 0); }},
    {141, 15, [] { return int(G().BodyShield[1] > 0); }},
    {kBeastFormIcon, 16, [] { return int(G().FormTurns > 0 && G().HeroForm >= 1 && G().HeroForm <= 4); }},
    {143, 17, [] { return int(G().GillsTurns > 0); }},
    {119, 18, [] { return int(G().Hidden != 0); }},
    {89, 19, [] { return int(G().LifeDrain[1] > 0); }},
    {31, 21, [] { return int(G().ActiveAura > -1); }},
}};

int16_t StatusIconPicture(const StatusIcon& icon) {
    return icon.Icon == kBeastFormIcon ? int16_t(kBeastFormIcon + G().HeroForm - 1) : icon.Icon;
}

int16_t NthActiveTopic(std::span<const StatusIcon> icons, int32_t k) {
    for (const StatusIcon& icon : icons)
        if (icon.Active() && --k == 0) return icon.HelpTopic;
    return 0;
}
