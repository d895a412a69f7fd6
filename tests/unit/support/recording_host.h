#pragma once
// A host for tests of single screens and rules: nothing is shown, the clock
// stands where the test puts it, and message boxes are written down.
#include <string>
#include <vector>

#include "ui/host.h"

namespace duskmoor {

class RecordingHost : public Host {
  public:
    void RunModal(Screen&) override {}
    void DoEvents() override {}
    // No player acts here: what is not true already never comes true.
    bool WaitUntil(const std::function<bool()>& condition) override { return condition(); }
    long long NowMs() override { return now; }
    [[noreturn]] void Quit() override { throw ProgramExit{}; }
    const std::vector<Screen*>& OpenScreens() const override { return screens_; }
    bool PlayWave(const std::string&) override { return false; }
    void StopWave() override {}
    void MessageBox(const std::string& text) override { messages.push_back(text); }
    std::string FileDialog(const FileDialogRequest&) override { return ""; }
    bool PrintPage(const std::string& page) override {
        if (print_works) printed.push_back(page);
        return print_works;
    }

    long long now = 0;
    std::vector<std::string> messages;
    std::vector<std::string> printed;
    bool print_works = true;

  private:
    std::vector<Screen*> screens_;
};

}  // namespace duskmoor
