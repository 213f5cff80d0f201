#include "data/game_state.h"

#include "data/text_field.h"

namespace {

constexpr GameStateRecord StartingGameState() {
    GameStateRecord state{};
    state.CurrentTune = -1;  // no tune is playing
    return state;
}

}  // namespace

constinit GameStateRecord GameState = StartingGameState();

void TerminateGameStateTexts(GameStateRecord& state) {
    TerminateField(state.HeroName);
    TerminateField(state.BeaconName);
    for (MapNote& note : state.MapNotes) TerminateField(note.Text);
}
