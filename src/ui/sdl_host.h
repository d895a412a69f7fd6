#pragma once
// The game in a window: one SDL window holding the 640 x 480 picture of the
// screens, scaled with its aspect kept over the dark blue backdrop, with
// modal screens centred over the main screen and the screens below dimmed.
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/canvas.h"
#include "ui/host.h"
#include "ui/screen_painter.h"
#include "ui/sdl_audio.h"
#include "ui/window_layout.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Cursor;
union SDL_Event;

namespace duskmoor {

class Autopilot;

class SdlHost : public Host {
  public:
    // Opens the window; null with `error` set when there is no display.
    static std::unique_ptr<SdlHost> Create(std::string& error);
    ~SdlHost() override;
    SdlHost(const SdlHost&) = delete;
    SdlHost& operator=(const SdlHost&) = delete;

    void RunModal(Screen& screen) override;
    void DoEvents() override;
    bool WaitUntil(const std::function<bool()>& condition) override;
    long long NowMs() override;
    [[noreturn]] void Quit() override;
    const std::vector<Screen*>& OpenScreens() const override { return screens_; }
    void Invalidate() override { dirty_ = true; }

    bool PlayWave(const std::string& path) override;
    void StopWave() override;

    void MessageBox(const std::string& text) override;
    std::string FileDialog(const FileDialogRequest& request) override;
    bool PrintPage(const std::string& text) override;

    // Called once, right after the first frame is on the screen (start-up timing).
    std::function<void()> first_frame_shown;
    // How many frames have been put on the screen so far.
    long long frames_presented() const { return frames_presented_; }

    // Lets `autopilot` play the player's part (a replayed script) until it has
    // nothing more to play; then `handed_over` is called and the player plays,
    // the clock going on from the autopilot's. Meanwhile the mouse and keys are
    // not the player's: only closing the window and full screen are.
    void SetAutopilot(Autopilot* autopilot, std::function<void()> handed_over = nullptr);
    bool piloted() const { return autopilot_ != nullptr; }

  private:
    SdlHost(SDL_Window* window, SDL_Renderer* renderer, SDL_Texture* texture);

    // Event loop.
    void Forget(Screen& screen);  // takes the top screen off the stack
    // Waits for the next event, or until the next timer is due (false then).
    bool NextEvent(SDL_Event& event);
    void WaitForEvents();
    void HandlePendingEvents();
    void HandleEvent(const SDL_Event& event);
    void RunTimersAndSound();
    void PresentIfChanged();
    void Present();
    // The texture the frame is copied from: the canvas itself, or for a
    // smooth fractional scale the canvas enlarged by a whole multiple first.
    SDL_Texture* FrameTexture(const Viewport& viewport);

    // The autopilot (sdl_host_autopilot.cpp).
    void PilotStep(const std::function<bool()>& stop);
    void ShowPilotedStep(long long real_ms);
    void HandlePilotedEvent(const SDL_Event& event);
    void HandOver();

    // Input.
    void HandleKeyDown(const SDL_Event& event);
    void HandleKeyUp(const SDL_Event& event);
    void HandleTextInput(const char* text);
    void PasteInto(Control& box);
    void HandleMouseDown(const SDL_Event& event);
    void HandleMouseUp(const SDL_Event& event);
    void HandleMouseWheel(const SDL_Event& event);
    bool HandleDropDownKey(int key);
    void ChooseDropDownEntry(int entry);
    void CloseDropDown();
    // How many entries the open list shows at once.
    int DropDownRows() const;
    bool ToLogical(int window_x, int window_y, Point& logical) const;
    Screen* TopScreen() const { return screens_.empty() ? nullptr : screens_.back(); }
    Point ScreenOrigin(size_t index) const;
    void ToggleFullScreen();

    // Looks.
    void UpdateCursor();
    void SetWindowIcon();

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    SDL_Texture* enlarged_texture_ = nullptr;
    int enlarged_factor_ = 0;
    std::vector<uint32_t> enlarged_pixels_;
    Canvas canvas_;
    std::vector<Screen*> screens_;
    bool dirty_ = true;
    bool first_frame_done_ = false;
    long long frames_presented_ = 0;
    std::chrono::steady_clock::time_point start_;

    // The control the left button went down on, and the screen it belongs to.
    Screen* pressed_screen_ = nullptr;
    Control* pressed_control_ = nullptr;
    int pressed_clicks_ = 0;
    DropDown drop_down_;
    // The screen each held key went down on: its release goes there alone.
    std::map<int, Screen*> keys_down_on_;

    std::string cursor_name_;
    SDL_Cursor* cursor_ = nullptr;
    std::map<std::string, SDL_Cursor*> cursors_;

    SdlAudio audio_;

    Autopilot* autopilot_ = nullptr;
    std::function<void()> handed_over_;
    std::chrono::steady_clock::time_point last_piloted_frame_;
};

}  // namespace duskmoor
