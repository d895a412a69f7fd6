#pragma once
// Plays a script's actions on the screens a host has open, with a clock of
// its own that moves only on `wait`: clicks and keys reach the top screen as
// a player's would, due timers and sound ends fire in time order, and what a
// player would have seen is told line by line to `emit`. The headless runner
// plays every script with it, and the game replays one in its window.
#include <deque>
#include <functional>
#include <iosfwd>
#include <string>

#include "script/script_line.h"
#include "ui/autopilot.h"

namespace duskmoor {

class Host;
class Screen;
struct Control;

// A line of the script that cannot be carried out.
struct ScriptError {
    int line = 0;
    std::string message;
};

// What the script reaches of the game beyond its screens.
class ScriptGameAccess {
  public:
    virtual ~ScriptGameAccess() = default;
    // Each returns an error text, empty on success.
    virtual std::string Get(const std::string& name, std::string& value) = 0;
    virtual std::string Set(const std::string& name, const std::string& value) = 0;
    virtual std::string Goto(int block, int x, int y, int facing) = 0;
};

// The pace that plays a `wait` in real time; a faster pace plays it faster.
constexpr long long kRealTimePaceMs = 400;
// The longest a single `wait` takes to watch at that pace: longer waits (a
// day of rest) are played faster so that they still play out in front of the
// player without keeping them.
constexpr long long kLongestWatchedWaitMs = 4000;
// A watched wait moves the clock on in steps of at most this much real time.
constexpr long long kWaitFrameMs = 40;

class ScriptPlayer : public Autopilot {
  public:
    using Emit = std::function<void(const std::string&)>;
    ScriptPlayer(Host& host, std::istream& script, std::string data_folder, Emit emit);

    void SetGameAccess(ScriptGameAccess* access) { access_ = access; }
    // Real milliseconds a player's action (a click, a key, typed text) is shown
    // before the next; 0 plays the script as fast as it goes.
    void SetPace(long long pace_ms) { pace_ms_ = pace_ms; }
    // Told of each action just before it is carried out.
    std::function<void(const ScriptAction&)> action_played;

    // Throws ScriptError for a line it cannot carry out.
    long long Step(const std::function<bool()>& stop) override;
    long long NowMs() const override { return now_ms_; }

    void ScreenOpened(const Screen& screen) override;
    void ScreenClosed(const Screen& screen) override;
    bool StartSound(const std::string& path) override;
    void StopSound() override { sound_end_ms_ = -1; }
    bool SoundPlaying() const override { return sound_end_ms_ >= 0; }
    void MessageBox(const std::string& text) override;
    // The next `file` answer; an empty text (cancelled) when there is none.
    std::string FileDialog(const FileDialogRequest& request) override;
    bool PrintPage(const std::string& text) override;

  private:
    void Perform(const ScriptAction& action);
    void ShowPressed(bool pressed);
    void StartWait(const std::string& argument);
    // Moves the clock through the wait under way up to `until` (or its end, if
    // sooner), firing what falls due on the way, unless `stop` holds first.
    void ContinueWait(const std::function<bool()>& stop, long long until);
    bool FireNextDue(long long until);
    void TypeText(std::string rest);
    void Choose(std::string rest);
    void GetOrSet(const std::string& verb, std::string rest);
    void Show(const std::string& name);
    void QueueDraws(const std::string& values);
    void Goto(const std::string& arguments);
    Control* ControlFor(const std::string& verb, const std::string& name);
    void Click(const std::string& verb, const std::string& name, bool twice);
    void PressKey(const std::string& key_text, bool down, bool up);
    void Snapshot(const std::string& rest);
    [[noreturn]] void Fail(const std::string& message) const;
    Screen& Top();

    Host& host_;
    ScriptReader reader_;
    std::string data_folder_;
    Emit emit_;
    ScriptGameAccess* access_ = nullptr;
    std::deque<std::string> file_answers_;
    long long pace_ms_ = 0;
    long long now_ms_ = 0;
    // Where the clock stops at the end of the `wait` under way, -1 when none is.
    long long wait_end_ms_ = -1;
    // How far the clock moves in one watched step of that wait.
    long long wait_stride_ms_ = 0;
    long long wait_frame_ms_ = 0;
    long long sound_end_ms_ = -1;
    // The action read and held back for the pace before it is carried out.
    ScriptAction next_action_;
    bool holding_ = false;
};

}  // namespace duskmoor
