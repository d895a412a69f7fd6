#pragma once
// One wave file at a time. A sound asked for while another plays is dropped,
// not queued; the main screen's safeguard timer frees the channel if the
// player never reports the end of a wave.
#include <string>

namespace duskmoor {

struct Game;

namespace place_sound {
constexpr int Door = 2;
constexpr int Bell = 3;
}  // namespace place_sound

void InitializeSound(Game& game);
void PlaySound(Game& game, const std::string& file_name);
void StopSound(Game& game);
void PlayPlaceSound(Game& game, int kind);
// The player reports that the wave has ended.
void SoundFinished(Game& game);
// A tick of the safeguard timer.
void CollisionTick(Game& game);
// True while a tick of the safeguard would find nothing to free.
bool CollisionTickIdle(const Game& game);

}  // namespace duskmoor
