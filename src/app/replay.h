#pragma once
// A runner script replayed in the game's window: the same actions, clock and
// random draws as `duskmoor-script`, shown at a pace a person can follow. Each
// action is printed as it plays ("> click imgOptions"), followed by the lines
// the runner's transcript would have for it.
#include <iosfwd>
#include <string>

#include "script/script_player.h"

namespace duskmoor {

class WindowReplay final : public ScriptPlayer {
  public:
    WindowReplay(Host& host, std::istream& script, const std::string& data_folder, std::ostream& out,
                 std::ostream& errors);

    // A line that cannot be carried out ends the replay there, with the line
    // and the reason on `errors`: the player plays on from where it stopped.
    long long Step(const std::function<bool()>& stop) override;
    bool failed() const { return failed_; }

  private:
    std::ostream& out_;
    std::ostream& errors_;
    bool failed_ = false;
};

}  // namespace duskmoor
