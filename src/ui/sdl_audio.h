#pragma once
// One wave at a time through SDL_mixer. The sound device is opened on the
// first wave, so a game with its sound off never touches it.
#include <string>

struct Mix_Chunk;

namespace duskmoor {

class SdlAudio {
  public:
    SdlAudio() = default;
    ~SdlAudio();
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    // Stops the wave playing, if any, and starts this one. False when the
    // file is missing or there is no sound device: the game goes on silently.
    bool Play(const std::string& path);
    // Stops and forgets the wave; a stopped wave does not report finishing.
    void Stop();
    // Stops any wave and closes the sound device (before SDL shuts down).
    void Close();
    // True once after a wave has played to its end.
    bool TakeFinished();

  private:
    bool EnsureOpen();

    bool opened_ = false;
    bool failed_ = false;
    Mix_Chunk* chunk_ = nullptr;
};

}  // namespace duskmoor
