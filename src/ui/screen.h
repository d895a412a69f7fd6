#pragma once
// A modal screen of the game: a named form that owns its controls. The game's
// screens derive from it; a host shows one with `Host::RunModal`.
#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"

namespace duskmoor {

class Host;

// Key codes as the game's rules name them.
namespace keys {
constexpr int Backspace = 8, Tab = 9, Enter = 13, Shift = 16, Control = 17, Escape = 27, Space = 32;
constexpr int PageUp = 33, PageDown = 34, End = 35, Home = 36;
constexpr int Left = 37, Up = 38, Right = 39, Down = 40, Delete = 46;
constexpr int F11 = 122;
// Added to a key code while Ctrl is held (Ctrl+Q is 'Q' | CtrlModifier).
constexpr int CtrlModifier = 0x1000;
}  // namespace keys

class Screen {
  public:
    Screen(Host& host, std::string name, int width, int height);
    virtual ~Screen() = default;
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    const std::string& name() const { return name_; }
    int width() const { return width_; }
    int height() const { return height_; }
    Host& host() { return host_; }

    // Called by the host when the screen is shown and after it has closed.
    virtual void Load() {}
    virtual void Unload() {}
    virtual void KeyDown(int /*key*/) {}
    virtual void KeyUp(int /*key*/) {}
    // The mouse wheel turned over the screen: positive `steps` away from the player.
    virtual void MouseWheel(int /*steps*/) {}
    // The window's close box, Alt+F4 or Escape on a screen without its own Escape rule.
    virtual void CloseRequested() {}

    // What the script runner's transcript says when the screen opens and closes.
    virtual std::string TranscriptOpenLine() const { return "open " + name_; }
    virtual std::string TranscriptCloseLine() const { return "close " + name_; }

    void Close() { closing_ = true; }
    bool closing() const { return closing_; }
    void Reopen() { closing_ = false; }

    Control& Add(ControlKind kind, const std::string& name, int x, int y, int width, int height);
    Control* Find(const std::string& name);
    // The control of that name; a missing name is a programming error and throws.
    Control& operator[](const std::string& name);
    Control& At(const std::string& base, int index) {
        return (*this)[base + "[" + std::to_string(index) + "]"];
    }
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    // Timers: (re)start with an interval, stop. Setting an interval restarts the count.
    void StartTimer(Control& timer, int interval_ms);
    void StopTimer(Control& timer);
    // Changes a timer's interval the way a running timer takes it: the count
    // starts again, and a stopped timer stays stopped.
    void SetTimerInterval(Control& timer, int interval_ms);

    std::string title;  // the window caption
    Color background = colors::Panel;
    std::string mouse_pointer;  // icon resource of a custom pointer, empty for the default
    Control* focus = nullptr;   // the text box or list that takes typed keys
    // The button Enter presses when the screen has no use of its own for the key.
    Control* default_button = nullptr;

  private:
    Host& host_;
    std::string name_;
    int width_;
    int height_;
    bool closing_ = false;
    std::vector<std::unique_ptr<Control>> controls_;
};

// Line breaks written as \n, for one-line transcript entries.
std::string EscapeLineBreaks(const std::string& text);

}  // namespace duskmoor
