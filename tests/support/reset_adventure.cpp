#include "adventure/adventure_loop.h"
#include "adventure/cheat_menu.h"
#include "adventure/hero_step.h"
#include "adventure/upkeep.h"
#include "adventure/wilderness.h"
#include "tests/support/global_state.h"

void KeepAdventureState() {
    KeepInitial(QuitAdventure);
    KeepInitial(TestPlayMode);
    KeepInitial(ShowIdleThought);
    KeepInitial(IdleCounter);
    KeepInitial(BumpSoundPending);
    KeepInitial(ScavengePending);
    KeepInitial(ScavengedItem);
    KeepInitial(PadClickPending);
    KeepInitial(PadClickX);
    KeepInitial(PadClickY);
    KeepInitial(WildCombatMonsters);
    KeepInitial(BattleReturnPlace);
    KeepInitial(VictoryFlagChange);
    KeepInitial(FlightFlagChange);
    KeepInitial(BattleTune);
    KeepInitial(FleeChance);
    KeepInitial(MonitoredFlag);
    KeepInitial(FreezeMonsters);
    KeepInitial(CheatFlagNumber);
}
