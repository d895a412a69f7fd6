#include "ui/sdl_keys.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include "ui/screen.h"

namespace duskmoor {
namespace {

TEST(SdlKeysTest, KeysMapToTheGamesCodes) {
    EXPECT_EQ(GameKeyFromSdl(SDLK_a), 65);
    EXPECT_EQ(GameKeyFromSdl(SDLK_z), 90);
    EXPECT_EQ(GameKeyFromSdl(SDLK_0), 48);
    EXPECT_EQ(GameKeyFromSdl(SDLK_9), 57);
    EXPECT_EQ(GameKeyFromSdl(SDLK_LEFT), keys::Left);
    EXPECT_EQ(GameKeyFromSdl(SDLK_UP), 38);
    EXPECT_EQ(GameKeyFromSdl(SDLK_RIGHT), 39);
    EXPECT_EQ(GameKeyFromSdl(SDLK_DOWN), 40);
    EXPECT_EQ(GameKeyFromSdl(SDLK_RETURN), keys::Enter);
    EXPECT_EQ(GameKeyFromSdl(SDLK_KP_ENTER), keys::Enter);
    EXPECT_EQ(GameKeyFromSdl(SDLK_ESCAPE), 27);
    EXPECT_EQ(GameKeyFromSdl(SDLK_SPACE), 32);
    EXPECT_EQ(GameKeyFromSdl(SDLK_BACKSPACE), 8);
    EXPECT_EQ(GameKeyFromSdl(SDLK_TAB), 9);
    EXPECT_EQ(GameKeyFromSdl(SDLK_LSHIFT), 16);
    EXPECT_EQ(GameKeyFromSdl(SDLK_RSHIFT), 16);
    EXPECT_EQ(GameKeyFromSdl(SDLK_LCTRL), keys::Control);
    EXPECT_EQ(GameKeyFromSdl(SDLK_DELETE), keys::Delete);
    EXPECT_EQ(GameKeyFromSdl(SDLK_F1), 112);
    EXPECT_EQ(GameKeyFromSdl(SDLK_F11), keys::F11);
    EXPECT_EQ(GameKeyFromSdl(SDLK_F12), 123);
    EXPECT_EQ(GameKeyFromSdl(SDLK_KP_0), 96);
    EXPECT_EQ(GameKeyFromSdl(SDLK_KP_9), 105);
    EXPECT_EQ(GameKeyFromSdl(SDLK_COMMA), 188);
    EXPECT_EQ(GameKeyFromSdl(SDLK_F13), 0);
    EXPECT_EQ(GameKeyFromSdl(SDLK_UNKNOWN), 0);
}

TEST(SdlKeysTest, CtrlHeldMarksTheKeyButNotItself) {
    EXPECT_EQ(GameKeyWithCtrl('Q', true), 'Q' | keys::CtrlModifier);
    EXPECT_EQ(GameKeyWithCtrl('Q', false), 'Q');
    EXPECT_EQ(GameKeyWithCtrl(keys::Up, true), keys::Up | keys::CtrlModifier);
    EXPECT_EQ(GameKeyWithCtrl(keys::Control, true), keys::Control);
    EXPECT_EQ(GameKeyWithCtrl(0, true), 0);
}

}  // namespace
}  // namespace duskmoor
