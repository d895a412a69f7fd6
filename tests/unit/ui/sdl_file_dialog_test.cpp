#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "support/sdl_events.h"
#include "ui/file_dialog_screen.h"
#include "ui/sdl_host.h"
#include "ui/window_layout.h"

namespace duskmoor {
namespace {

namespace fs = std::filesystem;

using namespace sdl_events;

class SdlFileDialogTest : public DummyHostTest {
  protected:
    void SetUp() override {
        DummyHostTest::SetUp();
        if (HasFatalFailure()) return;
        SDL_PumpEvents();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        folder_ = fs::temp_directory_path() / "duskmoor_sdl_file_dialog";
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        const auto now = fs::file_time_type::clock::now();
        for (int file = 0; file < 3; ++file) {
            const fs::path path = folder_ / ("Hero" + std::to_string(file) + ".chr");
            std::ofstream(path) << "x";
            fs::last_write_time(path, now - std::chrono::minutes(file));
        }
        request_.filter = "Character Files (*.chr*)|*.chr*|";
        request_.folder = folder_.string() + "/";
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
    FileDialogRequest request_;
};

TEST_F(SdlFileDialogTest, TheWindowHostAsksWithTheInGameDialog) {
    PushKeyPress(SDLK_DOWN);
    PushKeyPress(SDLK_RETURN);
    EXPECT_EQ(host_->FileDialog(request_), request_.folder + "Hero1.chr");

    PushKeyPress(SDLK_ESCAPE);
    EXPECT_EQ(host_->FileDialog(request_), "");

    // A double click on the third row opens its file. The dialog is the only
    // screen, centred on the 640 x 480 window.
    FileDialogScreen measure(*host_, request_);
    const Point origin = CentredOrigin(kLogicalWidth, kLogicalHeight, measure.width(), measure.height());
    const Control& row = measure.At("lblFile", 2);
    PushClick(origin.x + row.x + 20, origin.y + row.y + 5, 1);
    PushClick(origin.x + row.x + 20, origin.y + row.y + 5, 2);
    EXPECT_EQ(host_->FileDialog(request_), request_.folder + "Hero2.chr");

    // Saving: the default name is there to be edited.
    request_.saving = true;
    request_.default_name = "Brandor.chr";
    for (int letter = 0; letter < 4; ++letter) PushKeyPress(SDLK_BACKSPACE);
    SDL_Event text{};
    text.type = SDL_TEXTINPUT;
    std::strncpy(text.text.text, "-new", sizeof(text.text.text) - 1);
    SDL_PushEvent(&text);
    PushKeyPress(SDLK_RETURN);
    EXPECT_EQ(host_->FileDialog(request_), request_.folder + "Brandor-new");
    EXPECT_TRUE(host_->OpenScreens().empty());
}

}  // namespace
}  // namespace duskmoor
