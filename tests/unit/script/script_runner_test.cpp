// The script runner as other programs use it: numbers out of range are script
// errors, long lines and long waits cost what they hold, and a program can
// drive the runner through a pipe one action at a time.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <sstream>
#include <string>

#include "core/random.h"
#include "script/script_host.h"
#include "shell/game_main.h"

namespace duskmoor {
namespace {

struct ScriptRun {
    int status = 0;
    std::string transcript;
    std::string errors;
    double seconds = 0;
};

ScriptRun RunGameScript(const std::string& script) {
    std::istringstream input(script);
    std::ostringstream transcript, errors;
    ScriptHost host(input, transcript, "/nonexistent/");
    ScriptRun run;
    const auto start = std::chrono::steady_clock::now();
    run.status = host.Run([&] { RunGame(host, "/nonexistent/"); }, errors);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.transcript = transcript.str();
    run.errors = errors.str();
    return run;
}

TEST(ScriptRunner, UnknownNamesAreErrorsWithTheirLine) {
    ScriptRun unknown_action = RunGameScript("wait 10\n\n# comment\njump imgOptions\n");
    EXPECT_EQ(unknown_action.status, 2);
    EXPECT_NE(unknown_action.errors.find("line 4"), std::string::npos);
    EXPECT_NE(unknown_action.errors.find("jump"), std::string::npos);

    EXPECT_EQ(RunGameScript("get NoSuchVariable\n").status, 2);
    EXPECT_EQ(RunGameScript("set GameHour 99999\n").status, 2);
    EXPECT_EQ(RunGameScript("key Hyper\n").status, 2);
    EXPECT_EQ(RunGameScript("rnd 1.0\n").status, 2);
    EXPECT_EQ(RunGameScript("wait soon\n").status, 2);
    EXPECT_EQ(RunGameScript("echo \"unterminated\n").status, 2);
}

TEST(ScriptRunner, ControlsAPlayerCouldNotUseAreIgnored) {
    ScriptRun run =
        RunGameScript("click imgNoSuchPicture\nclick lblSearch\necho \"two\\nlines \\\"quoted\\\"\"\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.transcript,
              "open frmMain\n"
              "ignored click imgNoSuchPicture (no such control on frmMain)\n"
              "ignored click lblSearch (hidden)\n"
              "two\\nlines \"quoted\"\n"
              "end\n");
}

TEST(ScriptRunner, ExitEndsTheRunAndLaterActionsAreNotRead) {
    ScriptRun run = RunGameScript("wait 4500\nclick imgOptions\nclick imgExit\njump\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.transcript, "open frmMain\nopen frmGame\nquit\n");
}

TEST(ScriptRunner, EnterPressesTheDefaultButtonOfEachScreen) {
    // The credits' default and the prompt's is Done; on the message Enter
    // answers with its first button.
    ScriptRun run = RunGameScript(
        "wait 4500\nclick imgOptions\nclick imgCredits\nkey Enter\n"
        "click imgNewGame\nkey Enter\nkey Enter\n");
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.transcript.substr(0, run.transcript.find("dialog")),
              "open frmMain\nopen frmGame\nopen frmCredits\nclose frmCredits\nclose frmGame\nopen frmPrompt\n"
              "close frmPrompt\n");
    EXPECT_NE(run.transcript.find("dialog 3 You must load at least one character to begin.\n"),
              std::string::npos);
}

TEST(ScriptRunner, NumbersBeyondTheirRangeAreScriptErrors) {
    // The virtual clock stops at 2^53 ms; a wait past it is refused, not wrapped.
    EXPECT_EQ(RunGameScript("wait 9223372036854775807\n").status, 2);
    EXPECT_EQ(RunGameScript("wait 99999999999999999999\n").status, 2);
    EXPECT_EQ(RunGameScript("wait 9007199254740992\nwait 0\necho ok\n").status, 0);
    ScriptRun past = RunGameScript("wait 9007199254740000\nwait 993\n");
    EXPECT_EQ(past.status, 2);
    EXPECT_NE(past.errors.find("line 2"), std::string::npos);
    EXPECT_EQ(RunGameScript("wait -1\n").status, 2);
    EXPECT_EQ(RunGameScript("wait 10 20\n").status, 2);

    // 4294967296 would wrap to block 0 in 32 bits.
    for (const char* line : {"goto 4294967296 4 10 3\n", "goto 0 4294967300 10 3\n",
                             "goto 0 4 10 -4294967293\n", "goto 0 4 10\n", "goto 0 4 10 3 9\n"}) {
        ScriptRun run = RunGameScript(line);
        EXPECT_EQ(run.status, 2) << line;
        EXPECT_NE(run.errors.find("line 1: goto"), std::string::npos) << line << run.errors;
    }
}

TEST(ScriptRunner, ALongLineOfDrawsIsReadInLinearTime) {
    // The queued draws come before the seeded ones, in order. Splitting the
    // line word by word from the front copied the rest of the line for every
    // value: tens of gigabytes for 50000 values.
    std::string line = "rnd";
    for (int i = 0; i < 50000; ++i) line += i % 2 ? " 0.125" : "\t0.75";
    ScriptRun run = RunGameScript(line + "\necho ok\n");
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_LT(run.seconds, 5.0);
    int forced = 0;
    while (forced < 50000 && Random().Next() == (forced % 2 ? 0.125 : 0.75)) ++forced;
    EXPECT_EQ(forced, 50000);
    Random().Seed(1);
}

TEST(ScriptRunner, ALongWaitCostsTheTimersItHoldsNotItsLength) {
    // Once the title is over nothing ticks on the main screen until the party
    // moves: a wait of a hundred thousand years costs nothing.
    ScriptRun run = RunGameScript("wait 20000\nwait 3000000000000000\necho done\n");
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.transcript, "open frmMain\ndone\nend\n");
    EXPECT_LT(run.seconds, 5.0);
}

// The runner as a child process, its script and transcript on pipes.
class PipedRunner {
  public:
    PipedRunner() {
        int to_child[2];
        int from_child[2];
        if (pipe(to_child) != 0 || pipe(from_child) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(to_child[0], 0);
            dup2(from_child[1], 1);
            close(to_child[1]);
            close(from_child[0]);
            execl(DUSKMOOR_GAME_DIR "/duskmoor-script", "duskmoor-script", "--data", DUSKMOOR_GAME_DIR, "-",
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        close(to_child[0]);
        close(from_child[1]);
        input_ = to_child[1];
        output_ = from_child[0];
    }
    ~PipedRunner() {
        CloseInput();
        if (output_ >= 0) close(output_);
        if (pid_ > 0 && !reaped_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    PipedRunner(const PipedRunner&) = delete;
    PipedRunner& operator=(const PipedRunner&) = delete;

    bool started() const { return pid_ > 0 && input_ >= 0; }

    void Send(const std::string& line) {
        std::string text = line + "\n";
        ASSERT_EQ(write(input_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }
    void CloseInput() {
        if (input_ >= 0) close(input_);
        input_ = -1;
    }

    // The transcript up to and including the line `wanted`, or empty when the
    // runner writes no such line within the time (or ends first).
    std::string ReadThrough(const std::string& wanted) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        std::string seen;
        while (std::chrono::steady_clock::now() < deadline) {
            size_t end = 0;
            while ((end = pending_.find('\n')) != std::string::npos) {
                std::string line = pending_.substr(0, end);
                pending_.erase(0, end + 1);
                seen += line + "\n";
                if (line == wanted) return seen;
            }
            pollfd ready{output_, POLLIN, 0};
            if (poll(&ready, 1, 100) <= 0) continue;
            char buffer[4096];
            ssize_t got = read(output_, buffer, sizeof buffer);
            if (got <= 0) return {};
            pending_.append(buffer, static_cast<size_t>(got));
        }
        return {};
    }

    int ExitStatus() {
        int status = 0;
        if (waitpid(pid_, &status, 0) != pid_) return -1;
        reaped_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

  private:
    pid_t pid_ = -1;
    int input_ = -1;
    int output_ = -1;
    bool reaped_ = false;
    std::string pending_;
};

TEST(ScriptRunner, AProgramDrivesItThroughAPipeOneActionAtATime) {
    PipedRunner runner;
    ASSERT_TRUE(runner.started());
    // Each answer arrives while the runner still waits for the next line.
    runner.Send("echo first");
    std::string opening = runner.ReadThrough("first");
    EXPECT_EQ(opening.rfind("open frmMain\n", 0), 0u) << opening;
    runner.Send("set GameHour 7");
    runner.Send("get GameHour");
    EXPECT_EQ(runner.ReadThrough("GameHour=7"), "GameHour=7\n");
    runner.Send("wait 20000");
    runner.Send("click imgOptions");
    EXPECT_NE(runner.ReadThrough("open frmGame"), "");
    runner.CloseInput();
    EXPECT_EQ(runner.ReadThrough("end"), "end\n");
    EXPECT_EQ(runner.ExitStatus(), 0);
}

}  // namespace
}  // namespace duskmoor
