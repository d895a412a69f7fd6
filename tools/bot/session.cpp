#include "session.h"

#include <cstdlib>
#include <stdexcept>

namespace duskmoor::bot {

namespace {
// Enough gets per exchange to be quick, few enough that neither pipe fills
// while the other side waits.
constexpr size_t kBatch = 400;
}  // namespace

DialogLine ParseDialogLine(const std::string& line) {
    DialogLine dialog;
    if (line.rfind("dialog ", 0) != 0) return dialog;
    size_t space = line.find(' ', 7);
    if (space == std::string::npos) return dialog;
    dialog.mode = std::atoi(line.substr(7, space - 7).c_str());
    dialog.text = line.substr(space + 1);
    return dialog;
}

std::map<std::string, std::string> ParseAnswers(const std::vector<std::string>& lines) {
    std::map<std::string, std::string> answers;
    for (const std::string& raw : lines) {
        std::string line = raw.rfind("show ", 0) == 0 ? raw.substr(5) : raw;
        size_t equals = line.find('=');
        if (equals == std::string::npos || equals == 0) continue;
        std::string name = line.substr(0, equals);
        if (name.find(' ') != std::string::npos) continue;
        answers[name] = line.substr(equals + 1);
    }
    return answers;
}

Session::Session(RunnerPipe& runner) : runner_(runner) {}

Exchange Session::Send(const std::vector<std::string>& actions) {
    ++exchanges_;
    Exchange exchange = runner_.Send(actions);
    if (exchange.ended) ended_ = true;
    if (!exchange.top.empty()) top_ = exchange.top;
    return exchange;
}

void Session::Act(const std::string& action) {
    Act(action, {});
}

std::map<std::string, std::string> Session::Act(const std::string& action,
                                                const std::vector<std::string>& names) {
    std::vector<std::string> queries;
    for (const std::string& name : names) queries.push_back("get " + name);
    return ActAll({action}, queries);
}

std::map<std::string, std::string> Session::ActAll(const std::vector<std::string>& actions,
                                                   const std::vector<std::string>& queries) {
    if (ended_ || actions.empty()) return {};
    // Checked after every action, a batch goes one action at a time.
    if (check_ && actions.size() > 1) {
        for (size_t i = 0; i + 1 < actions.size(); ++i) ActAll({actions[i]});
        return ActAll({actions.back()}, queries);
    }
    record_.insert(record_.end(), actions.begin(), actions.end());
    std::vector<std::string> batch = actions;
    batch.insert(batch.end(), queries.begin(), queries.end());
    Exchange exchange = Send(batch);
    last_lines_ = std::move(exchange.lines);
    for (const std::string& line : last_lines_) {
        DialogLine dialog = ParseDialogLine(line);
        if (dialog.mode != 0) dialog_ = dialog;
        if (listener_) listener_(line);
    }
    std::map<std::string, std::string> answers =
        queries.empty() ? std::map<std::string, std::string>{} : ParseAnswers(last_lines_);
    if (check_) check_();
    return answers;
}

std::map<std::string, std::string> Session::GetMany(const std::vector<std::string>& names) {
    std::map<std::string, std::string> values;
    for (size_t start = 0; start < names.size() && !ended_; start += kBatch) {
        std::vector<std::string> batch;
        for (size_t i = start; i < names.size() && i < start + kBatch; ++i)
            batch.push_back("get " + names[i]);
        Exchange exchange = Send(batch);
        auto answers = ParseAnswers(exchange.lines);
        values.insert(answers.begin(), answers.end());
    }
    return values;
}

std::map<std::string, std::string> Session::Query(const std::vector<std::string>& queries) {
    if (ended_) return {};
    return ParseAnswers(Send(queries).lines);
}

std::string Session::Get(const std::string& name) {
    return GetMany({name})[name];
}

int Session::GetInt(const std::string& name) {
    return std::atoi(Get(name).c_str());
}

std::string Session::Show(const std::string& name) {
    Exchange exchange = Send({"show " + name});
    for (const std::string& line : exchange.lines) {
        std::string head = "show " + name + "=";
        if (line.rfind(head, 0) == 0) return line.substr(head.size());
    }
    return {};
}

}  // namespace duskmoor::bot
