#pragma once
// Input for tests of the window host: events pushed onto SDL's queue, as the
// window system would deliver them. The dummy display's window is 640 x 480,
// so window and logical positions are the same.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "ui/sdl_host.h"

namespace duskmoor::sdl_events {

inline void PushMouse(Uint32 type, int x, int y, int clicks) {
    SDL_Event event{};
    event.type = type;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.x = x;
    event.button.y = y;
    event.button.clicks = static_cast<Uint8>(clicks);
    SDL_PushEvent(&event);
}

inline void PushClick(int x, int y, int clicks = 1) {
    PushMouse(SDL_MOUSEBUTTONDOWN, x, y, clicks);
    PushMouse(SDL_MOUSEBUTTONUP, x, y, clicks);
}

inline void PushKey(Uint32 type, SDL_Keycode key, bool repeat = false) {
    SDL_Event event{};
    event.type = type;
    event.key.keysym.sym = key;
    event.key.repeat = repeat ? 1 : 0;
    SDL_PushEvent(&event);
}

inline void PushKeyPress(SDL_Keycode key) {
    PushKey(SDL_KEYDOWN, key);
    PushKey(SDL_KEYUP, key);
}

inline void PushText(const char* text) {
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    std::strncpy(event.text.text, text, sizeof(event.text.text) - 1);
    SDL_PushEvent(&event);
}

// A window host on SDL's dummy drivers, as every test of it needs one.
inline std::unique_ptr<SdlHost> CreateDummyHost(std::string& error) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    return SdlHost::Create(error);
}

// A test that owns a window host on the dummy drivers.
class DummyHostTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        host_ = CreateDummyHost(error);
        ASSERT_NE(host_, nullptr) << error;
    }

    std::unique_ptr<SdlHost> host_;
};

}  // namespace duskmoor::sdl_events
