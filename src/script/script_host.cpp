#include "script/script_host.h"

#include <algorithm>
#include <ostream>

#include "ui/screen.h"

namespace duskmoor {
namespace {

// Unwinds every open screen when the script has no more actions.
struct ScriptEnd {};

// Keeps the stack of open screens right when a modal loop is left by an exception.
class ScreenStackGuard {
  public:
    ScreenStackGuard(std::vector<Screen*>& screens, Screen& screen) : screens_(screens) {
        screens_.push_back(&screen);
    }
    ~ScreenStackGuard() { screens_.pop_back(); }
    ScreenStackGuard(const ScreenStackGuard&) = delete;
    ScreenStackGuard& operator=(const ScreenStackGuard&) = delete;

  private:
    std::vector<Screen*>& screens_;
};

bool Contains(const std::vector<Screen*>& screens, const Screen* screen) {
    return std::find(screens.begin(), screens.end(), screen) != screens.end();
}

}  // namespace

ScriptHost::ScriptHost(std::istream& script, std::ostream& transcript, std::string data_folder)
    : transcript_(transcript),
      player_(*this, script, std::move(data_folder),
              [&transcript](const std::string& line) { transcript << line << '\n'; }) {}

int ScriptHost::Run(const std::function<void()>& program, std::ostream& errors) {
    try {
        program();
        transcript_ << "quit\n";
    } catch (const ProgramExit&) {
        transcript_ << "quit\n";
    } catch (const ScriptEnd&) {
        transcript_ << "end\n";
    } catch (const ScriptError& error) {
        transcript_.flush();
        errors << "duskmoor-script: line " << error.line << ": " << error.message << "\n";
        return 2;
    }
    transcript_.flush();
    return 0;
}

void ScriptHost::Step(const std::function<bool()>& stop) {
    // Whoever drives the runner through a pipe reads each answer before it
    // writes the next action.
    transcript_.flush();
    if (player_.Step(stop) < 0) throw ScriptEnd{};
}

void ScriptHost::RunModal(Screen& screen) {
    ScreenStackGuard guard(screens_, screen);
    screen.Reopen();
    screen.Load();
    player_.ScreenOpened(screen);
    const auto closed = [&screen] { return screen.closing(); };
    while (!screen.closing()) Step(closed);
    player_.ScreenClosed(screen);
    screen.Unload();
}

// The script's actions go to the waiting screen (the top one), and a `wait`
// under way stops the moment the condition holds, so the rule goes on at
// that time on the virtual clock; the rest of the wait follows.
bool ScriptHost::WaitUntil(const std::function<bool()>& condition) {
    if (screens_.empty()) return condition();
    Screen* waiting = screens_.back();
    const auto closed = [this, waiting] { return !Contains(screens_, waiting) || waiting->closing(); };
    const auto done = [&] { return condition() || closed(); };
    while (!condition()) {
        if (closed()) return false;
        Step(done);
    }
    return true;
}

void ScriptHost::Quit() {
    throw ProgramExit{};
}

}  // namespace duskmoor
