#pragma once
// The headless host: input comes from a script, the clock is virtual, and
// everything a player would have seen is written to a transcript.
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "script/script_player.h"
#include "ui/host.h"

namespace duskmoor {

class Screen;

class ScriptHost : public Host {
  public:
    ScriptHost(std::istream& script, std::ostream& transcript, std::string data_folder);

    void SetGameAccess(ScriptGameAccess* access) { player_.SetGameAccess(access); }
    // Runs the program to its end or the script's; returns the exit status.
    int Run(const std::function<void()>& program, std::ostream& errors);

    void RunModal(Screen& screen) override;
    void DoEvents() override {}
    bool WaitUntil(const std::function<bool()>& condition) override;
    long long NowMs() override { return player_.NowMs(); }
    [[noreturn]] void Quit() override;
    const std::vector<Screen*>& OpenScreens() const override { return screens_; }
    bool PlayWave(const std::string& path) override { return player_.StartSound(path); }
    void StopWave() override { player_.StopSound(); }
    void MessageBox(const std::string& text) override { player_.MessageBox(text); }
    std::string FileDialog(const FileDialogRequest& request) override { return player_.FileDialog(request); }
    bool PrintPage(const std::string& text) override { return player_.PrintPage(text); }

  private:
    // The script's next step; the end of the script unwinds every open screen.
    void Step(const std::function<bool()>& stop);

    std::ostream& transcript_;
    std::vector<Screen*> screens_;
    ScriptPlayer player_;
};

}  // namespace duskmoor
