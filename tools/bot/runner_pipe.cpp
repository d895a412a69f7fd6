#include "runner_pipe.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace duskmoor::bot {

const char kTopProbe[] = "show @top";

std::string TopFromProbeAnswer(const std::string& line) {
    static const std::string head = "ignored show @top (no such control on ";
    if (line.rfind(head, 0) != 0 || line.empty() || line.back() != ')') return {};
    return line.substr(head.size(), line.size() - head.size() - 1);
}

RunnerPipe::RunnerPipe(const std::string& runner, unsigned long long seed, const std::string& data) {
    int in_pipe[2];
    int out_pipe[2];
    if (pipe(in_pipe) != 0 || pipe(out_pipe) != 0) throw std::runtime_error("cannot make pipes");
    pid_ = fork();
    if (pid_ < 0) throw std::runtime_error("cannot start the runner");
    if (pid_ == 0) {
        dup2(in_pipe[0], STDIN_FILENO);
        dup2(out_pipe[1], STDOUT_FILENO);
        close(in_pipe[0]);
        close(in_pipe[1]);
        close(out_pipe[0]);
        close(out_pipe[1]);
        std::string seed_text = std::to_string(seed);
        execl(runner.c_str(), runner.c_str(), "--seed", seed_text.c_str(), "--data", data.c_str(), "-",
              static_cast<char*>(nullptr));
        std::fprintf(stderr, "duskmoor-bot: cannot run %s: %s\n", runner.c_str(), std::strerror(errno));
        _exit(127);
    }
    close(in_pipe[0]);
    close(out_pipe[1]);
    to_runner_ = fdopen(in_pipe[1], "w");
    from_runner_ = fdopen(out_pipe[0], "r");
    // A runner that dies must show up as an ended game, not kill the bot.
    signal(SIGPIPE, SIG_IGN);
}

RunnerPipe::~RunnerPipe() {
    Close();
}

void RunnerPipe::Close() {
    if (to_runner_) fclose(to_runner_);
    if (from_runner_) fclose(from_runner_);
    to_runner_ = from_runner_ = nullptr;
    if (pid_ > 0) {
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
    }
}

Exchange RunnerPipe::Send(const std::vector<std::string>& actions) {
    Exchange exchange;
    if (ended_ || !to_runner_) {
        exchange.ended = true;
        return exchange;
    }
    for (const std::string& action : actions) std::fprintf(to_runner_, "%s\n", action.c_str());
    std::fprintf(to_runner_, "%s\n", kTopProbe);
    std::fflush(to_runner_);
    char* buffer = nullptr;
    size_t capacity = 0;
    for (ssize_t length; (length = getline(&buffer, &capacity, from_runner_)) >= 0;) {
        std::string line(buffer, static_cast<size_t>(length));
        if (!line.empty() && line.back() == '\n') line.pop_back();
        std::string top = TopFromProbeAnswer(line);
        if (!top.empty()) {
            exchange.top = top;
            free(buffer);
            return exchange;
        }
        if (line == "quit" || line == "end") ended_ = true;
        exchange.lines.push_back(std::move(line));
    }
    free(buffer);
    ended_ = true;
    exchange.ended = true;
    return exchange;
}

}  // namespace duskmoor::bot
