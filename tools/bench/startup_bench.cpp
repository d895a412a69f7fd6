// Start-up and idle figures of the game: how long until the first frame is on
// the screen, and how much of a core the main screen uses while nothing
// happens. Run it under `xvfb-run -a` on a machine without a display.
//
//   startup_bench [path/to/duskmoor] [runs]
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "core/process_stat.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDefaultRuns = 9;
constexpr auto kRunTimeout = std::chrono::seconds(20);
constexpr auto kTitleTime = std::chrono::seconds(3);
constexpr auto kIdleSample = std::chrono::seconds(5);

struct FirstFrame {
    bool ok = false;
    long long reported_ms = 0;  // as the game measured it from its own start
    long long observed_ms = 0;  // from our fork to the line arriving
    long long cpu_ms = 0;       // processor time the game used, start to exit
};

std::string GamePath(int argc, char** argv) {
    if (argc > 1) return argv[1];
    char buffer[4096];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof(buffer) - 1);
    if (length <= 0) return "./duskmoor";
    std::string path(buffer, static_cast<size_t>(length));
    return path.substr(0, path.rfind('/') + 1) + "duskmoor";
}

// Waits for the child to end by itself for a while, then ends it; returns
// the processor time it used in milliseconds.
long long StopChild(pid_t pid, std::chrono::milliseconds grace) {
    rusage usage{};
    const auto deadline = Clock::now() + grace;
    bool terminated = false;
    for (;;) {
        if (wait4(pid, nullptr, WNOHANG, &usage) == pid) break;
        if (Clock::now() >= deadline) {
            if (terminated) {
                kill(pid, SIGKILL);
                wait4(pid, nullptr, 0, &usage);
                break;
            }
            kill(pid, SIGTERM);
            terminated = true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const auto milliseconds = [](const timeval& time) {
        return static_cast<long long>(time.tv_sec) * 1000 + time.tv_usec / 1000;
    };
    return milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime);
}

FirstFrame TimeFirstFrame(const std::string& game) {
    FirstFrame result;
    int pipe_ends[2];
    if (pipe(pipe_ends) != 0) return result;
    const auto started = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipe_ends[1], STDOUT_FILENO);
        close(pipe_ends[0]);
        close(pipe_ends[1]);
        setenv("DUSKMOOR_BENCH_FIRST_FRAME", "1", 1);
        execl(game.c_str(), game.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipe_ends[1]);
    std::string output;
    pollfd waiting{pipe_ends[0], POLLIN, 0};
    while (Clock::now() - started < kRunTimeout && poll(&waiting, 1, 200) >= 0) {
        if (!(waiting.revents & (POLLIN | POLLHUP))) continue;
        char buffer[256];
        const ssize_t got = read(pipe_ends[0], buffer, sizeof(buffer));
        if (got <= 0) break;
        output.append(buffer, static_cast<size_t>(got));
        const size_t found = output.find("first-frame-ms ");
        if (found != std::string::npos && output.find('\n', found) != std::string::npos) {
            result.observed_ms =
                std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started).count();
            result.reported_ms = std::atoll(output.c_str() + found + 15);
            result.ok = true;
            break;
        }
    }
    close(pipe_ends[0]);
    if (pid > 0) result.cpu_ms = StopChild(pid, std::chrono::seconds(2));
    return result;
}

// utime + stime of a process, in clock ticks; -1 when it is gone.
long long CpuTicks(pid_t pid) {
    const std::string user = duskmoor::ProcessStatField(std::to_string(pid), 14);
    const std::string system = duskmoor::ProcessStatField(std::to_string(pid), 15);
    if (user.empty() || system.empty()) return -1;
    return std::atoll(user.c_str()) + std::atoll(system.c_str());
}

double IdleCpuPercent(const std::string& game) {
    const pid_t pid = fork();
    if (pid == 0) {
        unsetenv("DUSKMOOR_BENCH_FIRST_FRAME");
        execl(game.c_str(), game.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    if (pid < 0) return -1;
    std::this_thread::sleep_for(kTitleTime);
    const long long before = CpuTicks(pid);
    const auto sample_start = Clock::now();
    std::this_thread::sleep_for(kIdleSample);
    const long long after = CpuTicks(pid);
    const double seconds = std::chrono::duration<double>(Clock::now() - sample_start).count();
    StopChild(pid, std::chrono::milliseconds(0));
    if (before < 0 || after < 0) return -1;
    return 100.0 * static_cast<double>(after - before) / static_cast<double>(sysconf(_SC_CLK_TCK)) / seconds;
}

long long Median(std::vector<long long> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void PrintFigures(const char* name, const std::vector<long long>& values) {
    std::printf("%s median %lld min %lld max %lld\n", name, Median(values),
                *std::min_element(values.begin(), values.end()),
                *std::max_element(values.begin(), values.end()));
}

}  // namespace

int main(int argc, char** argv) {
    const std::string game = GamePath(argc, argv);
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : kDefaultRuns;
    std::vector<long long> reported;
    std::vector<long long> observed;
    std::vector<long long> processor;
    for (int run = 0; run < runs; ++run) {
        const FirstFrame frame = TimeFirstFrame(game);
        if (!frame.ok) {
            std::fprintf(stderr, "startup_bench: run %d of %s showed no first frame\n", run + 1,
                         game.c_str());
            continue;
        }
        reported.push_back(frame.reported_ms);
        observed.push_back(frame.observed_ms);
        processor.push_back(frame.cpu_ms);
    }
    if (reported.empty()) return 1;
    std::printf("runs %zu of %d\n", reported.size(), runs);
    PrintFigures("first-frame-ms", reported);
    PrintFigures("spawn-to-first-frame-ms", observed);
    // Processor time does not grow with the machine's load the way waiting does.
    PrintFigures("start-to-exit-cpu-ms", processor);
    const double idle = IdleCpuPercent(game);
    if (idle < 0) {
        std::fprintf(stderr, "startup_bench: the game did not stay up for the idle sample\n");
        return 1;
    }
    std::printf("idle-cpu-percent %.1f\n", idle);
    return 0;
}
