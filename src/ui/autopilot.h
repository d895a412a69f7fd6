#pragma once
// Something that plays the player's part for a while: a script replayed in
// the window. While it plays it keeps the game's clock, fires the screens'
// timers itself and answers everything the game asks of the world outside
// its screens, so the game goes exactly as it went where the script was made.
#include <functional>
#include <string>

#include "ui/host.h"

namespace duskmoor {

class Screen;

class Autopilot {
  public:
    virtual ~Autopilot() = default;

    // The game's clock while the autopilot plays: it moves only as it plays.
    virtual long long NowMs() const = 0;
    // Plays one step on (an action, or a stretch of a wait, cut short when
    // `stop` holds). Returns how many real milliseconds the window should show
    // what happened before the next step, or -1 once there is nothing more to
    // play: from then on the player plays.
    virtual long long Step(const std::function<bool()>& stop) = 0;

    // A screen was shown modally (after its Load) or has closed.
    virtual void ScreenOpened(const Screen& screen) = 0;
    virtual void ScreenClosed(const Screen& screen) = 0;
    // A wave starts; false when it is not a wave that can be played. Its end
    // is reported through the host's `sound_finished` on the autopilot's clock.
    virtual bool StartSound(const std::string& path) = 0;
    virtual void StopSound() = 0;
    // A wave started has not yet played to its end on the autopilot's clock.
    virtual bool SoundPlaying() const = 0;
    virtual void MessageBox(const std::string& text) = 0;
    virtual std::string FileDialog(const FileDialogRequest& request) = 0;
    virtual bool PrintPage(const std::string& text) = 0;
};

}  // namespace duskmoor
