#include "app/replay.h"

#include <ostream>

namespace duskmoor {

WindowReplay::WindowReplay(Host& host, std::istream& script, const std::string& data_folder,
                           std::ostream& out, std::ostream& errors)
    : ScriptPlayer(host, script, data_folder, [&out](const std::string& line) { out << line << '\n'; }),
      out_(out),
      errors_(errors) {
    action_played = [&out](const ScriptAction& action) { out << "> " << action.text << '\n'; };
}

long long WindowReplay::Step(const std::function<bool()>& stop) {
    long long real_ms = -1;
    try {
        real_ms = ScriptPlayer::Step(stop);
    } catch (const ScriptError& error) {
        errors_ << "duskmoor: replay line " << error.line << ": " << error.message << "\n";
        failed_ = true;
    }
    if (real_ms < 0 && !failed_) out_ << "end\n";
    // Whoever watches the replay from a terminal sees each action as it plays.
    out_.flush();
    return real_ms;
}

}  // namespace duskmoor
