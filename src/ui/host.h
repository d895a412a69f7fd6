#pragma once
// The one interface between the game and the platform. `SdlHost` puts the
// game in a window; `ScriptHost` runs it headless from a script.
#include <functional>
#include <string>
#include <vector>

namespace duskmoor {

class Screen;

// Thrown to end the program from inside any number of modal screens.
struct ProgramExit {};

struct FileDialogRequest {
    bool saving = false;
    std::string filter;        // "Character Files (*.chr*)|*.chr*|"
    std::string folder;        // the starting folder
    std::string default_name;  // proposed when saving
};

class Host {
  public:
    virtual ~Host() = default;

    // Shows `screen` over the screens already open and returns when it closes.
    virtual void RunModal(Screen& screen) = 0;
    // One pass of pending window events.
    virtual void DoEvents() = 0;
    // Lets the player act until `condition` holds. False when the screen that waits closed first.
    virtual bool WaitUntil(const std::function<bool()>& condition) = 0;
    // Milliseconds since the host started (virtual in the script host).
    virtual long long NowMs() = 0;
    // Ends the program at once: unwinds every open screen.
    [[noreturn]] virtual void Quit() = 0;
    // The screens open, bottom first.
    virtual const std::vector<Screen*>& OpenScreens() const = 0;
    // Asks for the screens to be drawn again when the host next gets to it.
    virtual void Invalidate() {}

    // Starts playing a wave file; false when nothing could be played. When the
    // wave ends the host calls `sound_finished` on the event thread.
    virtual bool PlayWave(const std::string& path) = 0;
    virtual void StopWave() = 0;
    std::function<void()> sound_finished;

    // The window system's plain message box with one OK button.
    virtual void MessageBox(const std::string& text) = 0;
    // The common file dialog: a full path, or an empty text when cancelled.
    virtual std::string FileDialog(const FileDialogRequest& request) = 0;
    // Sends one page of text to the printer; false when it could not be printed.
    virtual bool PrintPage(const std::string& text) = 0;
};

}  // namespace duskmoor
