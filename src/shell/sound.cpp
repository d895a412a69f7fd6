#include "shell/sound.h"

#include "shell/game.h"
#include "ui/host.h"

namespace duskmoor {

void InitializeSound(Game& game) {
    game.host.sound_finished = [&game] { SoundFinished(game); };
}

void PlaySound(Game& game, const std::string& file_name) {
    GameState& state = game.state;
    if (file_name.empty() || !IsSet(state.SoundOn)) return;
    game.host.PlayWave(state.AppPath + "Sounds/" + file_name);
    // Busy even when the file could not be played: the safeguard clears it.
    state.SoundBusy = True;
    if (game.view) game.view->RestartCollisionTimer();
}

void StopSound(Game& game) {
    game.host.StopWave();
    game.state.SoundBusy = False;
}

void PlayPlaceSound(Game& game, int kind) {
    if (!IsSet(game.state.SoundOn) || IsSet(game.state.SoundBusy)) return;
    if (kind == place_sound::Door) PlaySound(game, "Door.wav");
    if (kind == place_sound::Bell) PlaySound(game, "Bell.wav");
}

void SoundFinished(Game& game) {
    game.host.StopWave();
    game.state.SoundBusy = False;
    if (game.view) game.view->SetCollisionInterval(4000);
}

void CollisionTick(Game& game) {
    if (IsSet(game.state.SoundBusy)) game.state.SoundBusy = False;
}

bool CollisionTickIdle(const Game& game) {
    return !IsSet(game.state.SoundBusy);
}

}  // namespace duskmoor
