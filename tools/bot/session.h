#pragma once
// The bot's seat at the game: it sends the player's actions, remembers every
// one of them for the record, and reads what the screens and the state show.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "runner_pipe.h"

namespace duskmoor::bot {

// Lines of a transcript the bot cares about.
struct DialogLine {
    int mode = 0;
    std::string text;
};
// The dialog a line announces ("dialog 2 Load default party?"), mode 0 for other lines.
DialogLine ParseDialogLine(const std::string& line);
// "NAME=VALUE" answers of `get` and `show NAME`, by name.
std::map<std::string, std::string> ParseAnswers(const std::vector<std::string>& lines);

class Session {
  public:
    explicit Session(RunnerPipe& runner);

    // One player action (click, key, type, choose, wait, file); recorded.
    void Act(const std::string& action);
    // The same, reading values of the state after it in the same exchange.
    std::map<std::string, std::string> Act(const std::string& action, const std::vector<std::string>& names);
    // Several actions in one exchange, then `queries` ("get NAME", "show NAME"),
    // whose answers come back by name. Actions meant for a screen that an
    // earlier one closed go to whatever screen is on top then.
    std::map<std::string, std::string> ActAll(const std::vector<std::string>& actions,
                                              const std::vector<std::string>& queries = {});
    // Values of the state by name, unrecorded; batched through the pipe.
    std::map<std::string, std::string> GetMany(const std::vector<std::string>& names);
    std::string Get(const std::string& name);
    // Answers to queries ("get NAME", "show NAME") by name, unrecorded.
    std::map<std::string, std::string> Query(const std::vector<std::string>& queries);
    int GetInt(const std::string& name);
    // The caption of a control of the top screen, unrecorded.
    std::string Show(const std::string& name);

    const std::string& top() const { return top_; }
    bool ended() const { return ended_; }
    const DialogLine& dialog() const { return dialog_; }
    // Transcript lines of the last action.
    const std::vector<std::string>& last_lines() const { return last_lines_; }
    long actions() const { return static_cast<long>(record_.size()); }
    const std::vector<std::string>& record() const { return record_; }
    // Called with every transcript line an action caused.
    void OnLine(std::function<void(const std::string&)> listener) { listener_ = std::move(listener); }
    // Called after every action; it may read the state but not act.
    void AfterEachAction(std::function<void()> check) { check_ = std::move(check); }

    long exchanges() const { return exchanges_; }

  private:
    Exchange Send(const std::vector<std::string>& actions);

    RunnerPipe& runner_;
    std::string top_;
    bool ended_ = false;
    DialogLine dialog_;
    std::vector<std::string> last_lines_;
    std::vector<std::string> record_;
    std::function<void(const std::string&)> listener_;
    std::function<void()> check_;
    long exchanges_ = 0;
};

}  // namespace duskmoor::bot
