#pragma once
// The headless host: input comes from a script, the clock is virtual, and
// everything a player would have seen is written to a transcript.
#include <deque>
#include <iosfwd>
#include <string>
#include <vector>

#include "ui/host.h"

namespace duskmoor {

class Screen;
struct Control;

// A line of the script the runner cannot carry out.
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

class ScriptHost : public Host {
  public:
    ScriptHost(std::istream& script, std::ostream& transcript, std::string data_folder);

    void SetGameAccess(ScriptGameAccess* access) { access_ = access; }
    // Runs the program to its end or the script's; returns the exit status.
    int Run(const std::function<void()>& program, std::ostream& errors);

    void RunModal(Screen& screen) override;
    void DoEvents() override {}
    bool WaitUntil(const std::function<bool()>& condition) override;
    long long NowMs() override { return now_ms_; }
    [[noreturn]] void Quit() override;
    const std::vector<Screen*>& OpenScreens() const override { return screens_; }
    bool PlayWave(const std::string& path) override;
    void StopWave() override;
    void MessageBox(const std::string& text) override;
    std::string FileDialog(const FileDialogRequest& request) override;
    bool PrintPage(const std::string& text) override;

  private:
    struct Action {
        std::string verb;
        std::string rest;  // everything after the verb, leading spaces removed
    };

    void Step(const std::function<bool()>& stop);
    bool ReadAction(Action& action);
    void Perform(const Action& action);
    void StartWait(const std::string& argument);
    void ContinueWait(const std::function<bool()>& stop);
    bool FireNextDue(long long until);
    void QueueDraws(const std::string& values);
    void Goto(const std::string& arguments);
    Control* ControlFor(const std::string& verb, const std::string& name);
    void Click(const std::string& verb, const std::string& name, bool twice);
    void PressKey(const std::string& key_text, bool down, bool up);
    void Snapshot(const std::string& rest);
    void Emit(const std::string& line);
    [[noreturn]] void Fail(const std::string& message) const;
    Screen& Top();

    std::istream& script_;
    std::ostream& transcript_;
    std::string data_folder_;
    ScriptGameAccess* access_ = nullptr;
    std::vector<Screen*> screens_;
    std::deque<std::string> file_answers_;
    long long now_ms_ = 0;
    // Where the clock stops at the end of the `wait` under way, -1 when none is.
    long long wait_end_ms_ = -1;
    long long sound_end_ms_ = -1;
    int line_number_ = 0;
};

// Splits "NAME rest" into the first word and the rest; "quoted \"text\"" and
// bare rest-of-line text arguments are both understood.
std::string TakeWord(std::string& rest);
// The words of a line, split at spaces and tabs.
std::vector<std::string> Words(const std::string& text);
std::string TextArgument(const std::string& rest, bool& ok);
// Key names of scripts ("Up", "Enter", "A", "Ctrl+Q", "38") to key codes; -1 if unknown.
int ScriptKeyCode(const std::string& name);
// Milliseconds a PCM wave file plays, or -1 when it is not a readable wave.
long long WaveDurationMs(const std::string& path);

}  // namespace duskmoor
