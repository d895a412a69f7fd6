#include "ui/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>
#include <vector>

#include "ui/wave_file.h"

namespace duskmoor {

namespace {

constexpr int kChannel = 0;

// Set on the mixer's own thread when a wave ends; read on the event thread.
std::atomic<bool> wave_finished{false};
std::atomic<Uint32> wake_event_type{0};

// Runs on the mixer's thread (or inside a halt): no mixer calls here, only
// the flag and a wake-up for a loop that may be waiting for events.
void OnChannelFinished(int channel) {
    if (channel != kChannel) return;
    wave_finished.store(true);
    const Uint32 type = wake_event_type.load();
    if (type == 0) return;
    SDL_Event event{};
    event.type = type;
    SDL_PushEvent(&event);
}

}  // namespace

SdlAudio::~SdlAudio() {
    Close();
}

void SdlAudio::Close() {
    if (!opened_) return;
    opened_ = false;
    Mix_ChannelFinished(nullptr);
    Mix_HaltChannel(-1);
    if (chunk_) Mix_FreeChunk(chunk_);
    chunk_ = nullptr;
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudio::EnsureOpen() {
    if (opened_) return true;
    if (failed_) return false;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        failed_ = true;
        return false;
    }
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        failed_ = true;
        return false;
    }
    const Uint32 type = SDL_RegisterEvents(1);
    if (type != static_cast<Uint32>(-1)) wake_event_type.store(type);
    Mix_ChannelFinished(OnChannelFinished);
    opened_ = true;
    return true;
}

bool SdlAudio::Play(const std::string& path) {
    Stop();
    if (!EnsureOpen()) return false;
    // Read here rather than by the mixer, which would wait on a FIFO.
    std::vector<uint8_t> bytes;
    if (!ReadWaveFile(path, bytes)) return false;
    chunk_ = Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1);
    if (!chunk_) return false;
    if (Mix_PlayChannel(kChannel, chunk_, 0) < 0) {
        Mix_FreeChunk(chunk_);
        chunk_ = nullptr;
        return false;
    }
    return true;
}

void SdlAudio::Stop() {
    if (!opened_) return;
    Mix_HaltChannel(kChannel);
    // The halt reports itself as a finish; a stopped wave did not finish.
    wave_finished.store(false);
    if (chunk_) {
        Mix_FreeChunk(chunk_);
        chunk_ = nullptr;
    }
}

bool SdlAudio::TakeFinished() {
    return wave_finished.exchange(false);
}

}  // namespace duskmoor
