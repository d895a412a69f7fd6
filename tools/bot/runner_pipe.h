#pragma once
// The script runner as a child process: one pipe carries the bot's actions in,
// the other the transcript out. Every exchange ends with a probe of the top
// screen, so the bot always knows which screen the player is looking at and
// reads exactly the lines its actions caused.
#include <sys/types.h>

#include <cstdio>
#include <string>
#include <vector>

namespace duskmoor::bot {

struct Exchange {
    std::vector<std::string> lines;  // transcript lines the actions caused, probe excluded
    std::string top;                 // the top screen after the actions ("frmMain")
    bool ended = false;              // the runner quit or its script ended
};

class RunnerPipe {
  public:
    // Starts `runner --seed SEED --data DATA -`.
    RunnerPipe(const std::string& runner, unsigned long long seed, const std::string& data);
    ~RunnerPipe();
    RunnerPipe(const RunnerPipe&) = delete;
    RunnerPipe& operator=(const RunnerPipe&) = delete;

    // Sends the actions, one per line, and reads the transcript they caused.
    Exchange Send(const std::vector<std::string>& actions);
    pid_t pid() const { return pid_; }
    bool running() const { return pid_ > 0 && !ended_; }

  private:
    void Close();

    pid_t pid_ = -1;
    FILE* to_runner_ = nullptr;
    FILE* from_runner_ = nullptr;
    bool ended_ = false;
};

// The probe and what the runner answers to it.
extern const char kTopProbe[];
// The screen named by a probe's answer, or empty when the line is no answer.
std::string TopFromProbeAnswer(const std::string& line);

}  // namespace duskmoor::bot
