#include "ui/script_host.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <fstream>
#include <istream>
#include <ostream>
#include <string_view>

#include "core/random.h"
#include "ui/bitmap.h"
#include "ui/control_input.h"
#include "ui/screen.h"
#include "ui/text_editing.h"
#include "ui/wave_file.h"

namespace duskmoor {
namespace {

// Unwinds every open screen when the script has no more actions.
struct ScriptEnd {};

// Keeps the stack of open screens right when a modal loop is left by an exception.
class ScreenStackGuard {
  public:
    ScreenStackGuard(std::vector<Screen*>& screens, Screen& screen) : screens_(screens) {
        screens_.push_back(&screen);
    }
    ~ScreenStackGuard() { screens_.pop_back(); }
    ScreenStackGuard(const ScreenStackGuard&) = delete;
    ScreenStackGuard& operator=(const ScreenStackGuard&) = delete;

  private:
    std::vector<Screen*>& screens_;
};

std::string Trim(const std::string& text) {
    size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// The virtual clock stops short of where adding a timer's interval could overflow.
constexpr long long kClockLimitMs = 1LL << 53;

bool ParseInteger(const std::string& text, long long& value) {
    if (text.empty()) return false;
    size_t used = 0;
    try {
        value = std::stoll(text, &used);
    } catch (...) {
        return false;
    }
    return used == text.size();
}

bool ParseUnitDraw(const std::string& text, double& value) {
    if (text.empty()) return false;
    size_t used = 0;
    try {
        value = std::stod(text, &used);
    } catch (...) {
        return false;
    }
    return used == text.size() && value >= 0.0 && value < 1.0;
}

uint32_t LittleEndian(const uint8_t* bytes, int count) {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes[i];
    return value;
}

std::string BaseName(const std::string& path) {
    size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool TickIsIdle(const Control& timer) {
    return timer.tick_is_idle && timer.tick_is_idle();
}

bool Contains(const std::vector<Screen*>& screens, const Screen* screen) {
    return std::find(screens.begin(), screens.end(), screen) != screens.end();
}

}  // namespace

std::vector<std::string> Words(const std::string& text) {
    constexpr const char* kSpaces = " \t\r";
    std::vector<std::string> words;
    size_t start = text.find_first_not_of(kSpaces);
    while (start != std::string::npos) {
        size_t end = text.find_first_of(kSpaces, start);
        words.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        start = end == std::string::npos ? end : text.find_first_not_of(kSpaces, end);
    }
    return words;
}

std::string TakeWord(std::string& rest) {
    rest = Trim(rest);
    size_t end = rest.find_first_of(" \t");
    std::string word = rest.substr(0, end);
    rest = end == std::string::npos ? std::string() : Trim(rest.substr(end));
    return word;
}

std::string TextArgument(const std::string& rest, bool& ok) {
    ok = true;
    std::string text = Trim(rest);
    if (text.empty() || text.front() != '"') return text;
    std::string out;
    for (size_t i = 1; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"') {
            ok = Trim(text.substr(i + 1)).empty();
            return out;
        }
        if (c == '\\' && i + 1 < text.size()) {
            char escaped = text[++i];
            if (escaped == 'n') {
                out += '\n';
            } else if (escaped == '"' || escaped == '\\') {
                out += escaped;
            } else {
                ok = false;
                return out;
            }
        } else {
            out += c;
        }
    }
    ok = false;  // no closing quote
    return out;
}

int ScriptKeyCode(const std::string& name) {
    static const std::pair<std::string_view, int> kNamed[] = {
        {"Up", keys::Up},         {"Down", keys::Down},
        {"Left", keys::Left},     {"Right", keys::Right},
        {"Enter", keys::Enter},   {"Escape", keys::Escape},
        {"Space", keys::Space},   {"Shift", keys::Shift},
        {"Tab", keys::Tab},       {"Backspace", keys::Backspace},
        {"Delete", keys::Delete}, {"F11", keys::F11},
        {"Home", keys::Home},     {"End", keys::End},
        {"PageUp", keys::PageUp}, {"PageDown", keys::PageDown}};
    for (const auto& [key_name, code] : kNamed) {
        if (name == key_name) return code;
    }
    if (name.rfind("Ctrl+", 0) == 0) {
        int code = ScriptKeyCode(name.substr(5));
        return code < 0 ? -1 : code | keys::CtrlModifier;
    }
    if (name.size() == 1 && std::isupper(static_cast<unsigned char>(name[0]))) return name[0];
    if (name.size() == 1 && std::isdigit(static_cast<unsigned char>(name[0]))) return name[0];
    long long code = 0;
    if (ParseInteger(name, code) && code > 0 && code < 256) return static_cast<int>(code);
    return -1;
}

long long WaveDurationMs(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (!ReadWaveFile(path, bytes)) return -1;
    if (bytes.size() < 12 || std::string(bytes.begin(), bytes.begin() + 4) != "RIFF" ||
        std::string(bytes.begin() + 8, bytes.begin() + 12) != "WAVE")
        return -1;
    uint32_t byte_rate = 0;
    size_t position = 12;
    while (position + 8 <= bytes.size()) {
        std::string chunk(bytes.begin() + position, bytes.begin() + position + 4);
        uint32_t size = LittleEndian(&bytes[position + 4], 4);
        size_t body = position + 8;
        if (chunk == "fmt " && size >= 16 && body + 16 <= bytes.size())
            byte_rate = LittleEndian(&bytes[body + 8], 4);
        if (chunk == "data") {
            if (byte_rate == 0) return -1;
            uint64_t available = std::min<uint64_t>(size, bytes.size() - body);
            return static_cast<long long>(available * 1000 / byte_rate);
        }
        position = body + size + (size & 1);
    }
    return -1;
}

ScriptHost::ScriptHost(std::istream& script, std::ostream& transcript, std::string data_folder)
    : script_(script), transcript_(transcript), data_folder_(std::move(data_folder)) {
    if (!data_folder_.empty() && data_folder_.back() != '/') data_folder_ += '/';
}

int ScriptHost::Run(const std::function<void()>& program, std::ostream& errors) {
    try {
        program();
        Emit("quit");
    } catch (const ProgramExit&) {
        Emit("quit");
    } catch (const ScriptEnd&) {
        Emit("end");
    } catch (const ScriptError& error) {
        transcript_.flush();
        errors << "duskmoor-script: line " << error.line << ": " << error.message << "\n";
        return 2;
    }
    transcript_.flush();
    return 0;
}

void ScriptHost::Emit(const std::string& line) {
    transcript_ << line << '\n';
}

void ScriptHost::Fail(const std::string& message) const {
    throw ScriptError{line_number_, message};
}

Screen& ScriptHost::Top() {
    return *screens_.back();
}

void ScriptHost::RunModal(Screen& screen) {
    ScreenStackGuard guard(screens_, screen);
    screen.Reopen();
    screen.Load();
    std::string open_line = screen.TranscriptOpenLine();
    if (!open_line.empty()) Emit(open_line);
    const auto closed = [&screen] { return screen.closing(); };
    while (!screen.closing()) Step(closed);
    std::string close_line = screen.TranscriptCloseLine();
    if (!close_line.empty()) Emit(close_line);
    screen.Unload();
}

// The script's actions go to the waiting screen (the top one), and a `wait`
// under way stops the moment the condition holds, so the rule goes on at
// that time on the virtual clock; the rest of the wait follows.
bool ScriptHost::WaitUntil(const std::function<bool()>& condition) {
    if (screens_.empty()) return condition();
    Screen* waiting = screens_.back();
    const auto closed = [this, waiting] { return !Contains(screens_, waiting) || waiting->closing(); };
    const auto done = [&] { return condition() || closed(); };
    while (!condition()) {
        if (closed()) return false;
        Step(done);
    }
    return true;
}

void ScriptHost::Quit() {
    throw ProgramExit{};
}

bool ScriptHost::PlayWave(const std::string& path) {
    long long duration = WaveDurationMs(path);
    if (duration < 0) return false;
    Emit("sound " + BaseName(path));
    sound_end_ms_ = now_ms_ + duration;
    return true;
}

void ScriptHost::StopWave() {
    sound_end_ms_ = -1;
}

void ScriptHost::MessageBox(const std::string& text) {
    Emit("msgbox " + EscapeLineBreaks(text));
}

std::string ScriptHost::FileDialog(const FileDialogRequest& /*request*/) {
    if (file_answers_.empty()) return {};
    std::string answer = file_answers_.front();
    file_answers_.pop_front();
    return answer;
}

bool ScriptHost::PrintPage(const std::string& text) {
    Emit("print " + EscapeLineBreaks(text));
    return true;
}

bool ScriptHost::ReadAction(Action& action) {
    // Whoever drives the runner through a pipe reads each answer before it
    // writes the next action.
    transcript_.flush();
    std::string line;
    while (std::getline(script_, line)) {
        ++line_number_;
        std::string text = Trim(line);
        if (text.empty() || text.front() == '#') continue;
        action.rest = text;
        action.verb = TakeWord(action.rest);
        return true;
    }
    return false;
}

// Carries the script one step further: the next action, and the `wait` it
// may start, up to its end or until `stop` holds. A wait that `stop` cut short
// goes on first at the next step.
void ScriptHost::Step(const std::function<bool()>& stop) {
    if (wait_end_ms_ < 0) {
        Action action;
        if (!ReadAction(action)) throw ScriptEnd{};
        Perform(action);
    }
    ContinueWait(stop);
}

void ScriptHost::Perform(const Action& action) {
    const std::string& verb = action.verb;
    std::string rest = action.rest;
    bool ok = true;
    if (verb == "click" || verb == "dblclick") {
        Click(verb, TakeWord(rest), verb == "dblclick");
    } else if (verb == "key" || verb == "keydown" || verb == "keyup") {
        PressKey(TakeWord(rest), verb != "keyup", verb != "keydown");
    } else if (verb == "type") {
        std::string name = TakeWord(rest);
        std::string text = TextArgument(rest, ok);
        if (!ok) Fail("malformed text argument");
        Control* box = ControlFor(verb, name);
        if (!box) return;
        if (box->kind != ControlKind::TextBox) Fail(name + " is not a text box");
        if (box->max_length > 0 && static_cast<int>(text.size()) > box->max_length)
            text.resize(box->max_length);
        box->caption = text;
        box->caret = -1;
        if (box->multi_line) KeepCaretVisible(*box);
        if (box->on_change) box->on_change();
    } else if (verb == "choose") {
        std::string name = TakeWord(rest);
        long long index = 0;
        if (!ParseInteger(TakeWord(rest), index)) Fail("choose needs an entry number");
        Control* list = ControlFor(verb, name);
        if (!list) return;
        if (index < 0 || index >= static_cast<long long>(list->items.size())) {
            Emit("ignored choose " + name + " " + std::to_string(index) + " (no such entry)");
            return;
        }
        list->selected = static_cast<int>(index);
        if (list->on_change) list->on_change();
    } else if (verb == "wait") {
        StartWait(rest);
    } else if (verb == "file") {
        std::string path = TextArgument(rest, ok);
        if (!ok) Fail("malformed path");
        if (!path.empty() && path.front() != '/') path = data_folder_ + path;
        file_answers_.push_back(path);
    } else if (verb == "rnd") {
        QueueDraws(rest);
    } else if (verb == "set" || verb == "get") {
        if (!access_) Fail("no game to " + verb);
        std::string name = TakeWord(rest);
        std::string value;
        std::string error;
        if (verb == "set") {
            value = TextArgument(rest, ok);
            if (!ok) Fail("malformed value");
            error = access_->Set(name, value);
        } else {
            error = access_->Get(name, value);
        }
        if (!error.empty()) Fail(error);
        if (verb == "get") Emit(name + "=" + EscapeLineBreaks(value));
    } else if (verb == "show") {
        std::string name = TakeWord(rest);
        Control* control = Top().Find(name);
        if (!control) {
            Emit("ignored show " + name + " (no such control on " + Top().name() + ")");
            return;
        }
        // A picture button shows its picture, a list its chosen entry.
        std::string shown = control->kind == ControlKind::ImageButton ? control->picture : control->caption;
        if (control->kind == ControlKind::List)
            shown = control->selected >= 0 && control->selected < static_cast<int>(control->items.size())
                        ? control->items[control->selected]
                        : std::string();
        Emit("show " + name + "=" + EscapeLineBreaks(shown));
    } else if (verb == "goto") {
        Goto(rest);
    } else if (verb == "snapshot") {
        Snapshot(rest);
    } else if (verb == "echo") {
        std::string text = TextArgument(rest, ok);
        if (!ok) Fail("malformed text argument");
        Emit(EscapeLineBreaks(text));
    } else {
        Fail("unknown action '" + verb + "'");
    }
}

Control* ScriptHost::ControlFor(const std::string& verb, const std::string& name) {
    if (name.empty()) Fail(verb + " needs a control name");
    Control* control = Top().Find(name);
    std::string why;
    if (!control) {
        why = "no such control on " + Top().name();
    } else if (!control->visible) {
        why = "hidden";
    } else if (!control->enabled) {
        why = "disabled";
    }
    if (why.empty()) return control;
    Emit("ignored " + verb + " " + name + " (" + why + ")");
    return nullptr;
}

void ScriptHost::Click(const std::string& verb, const std::string& name, bool twice) {
    Control* control = ControlFor(verb, name);
    if (!control) return;
    // The handlers may close the screen and destroy the control: copy them first.
    auto mouse_down = control->on_mouse_down;
    auto mouse_up = control->on_mouse_up;
    auto click = control->on_click;
    auto double_click = control->on_dblclick;
    if (control->kind == ControlKind::TextBox || control->kind == ControlKind::List) Top().focus = control;
    if (mouse_down) mouse_down();
    if (mouse_up) mouse_up();
    if (click) click();
    if (twice && double_click) double_click();
}

void ScriptHost::PressKey(const std::string& key_text, bool down, bool up) {
    int code = ScriptKeyCode(key_text);
    if (code < 0) Fail("unknown key '" + key_text + "'");
    Screen* screen = &Top();
    // A page of text with the focus takes its editing keys, as in the window.
    Control* focus = screen->focus;
    bool changed = false;
    if (down && focus && focus->kind == ControlKind::TextBox && focus->Clickable() &&
        TextBoxKey(*focus, code, changed)) {
        if (changed && focus->on_change) focus->on_change();
        return;
    }
    if (down) {
        screen->KeyDown(code);
        // Escape is the way out of a modal screen that has no use of its own for
        // it; on the main screen it does not end the game.
        if (code == keys::Escape && screens_.size() > 1 && &Top() == screen && !screen->closing())
            screen->CloseRequested();
    }
    // A key released after its press opened or closed a screen belongs to
    // neither screen: the new one did not see it go down.
    if (up && !screens_.empty() && &Top() == screen && !screen->closing()) {
        screen->KeyUp(code);
        if (code == keys::Enter && &Top() == screen) PressDefaultButton(*screen);
    }
}

void ScriptHost::StartWait(const std::string& argument) {
    const std::vector<std::string> words = Words(argument);
    long long milliseconds = 0;
    if (words.size() != 1 || !ParseInteger(words[0], milliseconds) || milliseconds < 0)
        Fail("wait needs milliseconds");
    if (milliseconds > kClockLimitMs - now_ms_)
        Fail("wait: the clock cannot pass " + std::to_string(kClockLimitMs) + " ms");
    wait_end_ms_ = now_ms_ + milliseconds;
}

// Moves the clock from one due timer or sound end to the next, so a long wait
// costs what happens in it, not its length.
void ScriptHost::ContinueWait(const std::function<bool()>& stop) {
    while (wait_end_ms_ >= 0 && !stop()) {
        if (FireNextDue(wait_end_ms_)) continue;
        now_ms_ = std::max(now_ms_, wait_end_ms_);
        wait_end_ms_ = -1;
    }
}

// Fires the earliest timer or sound end due by `until`; false when none is.
// Ticks of an idle timer change nothing, so those before the next tick or
// sound end that does something are passed by at once.
bool ScriptHost::FireNextDue(long long until) {
    Control* next_timer = nullptr;
    long long next_due = until + 1;
    long long next_busy = until + 1;
    for (Screen* screen : screens_) {
        for (const auto& control : screen->controls()) {
            if (control->kind != ControlKind::Timer || !control->timer_enabled || control->interval <= 0)
                continue;
            if (control->due_ms < next_due) {
                next_due = control->due_ms;
                next_timer = control.get();
            }
            if (control->due_ms < next_busy && !TickIsIdle(*control)) next_busy = control->due_ms;
        }
    }
    const bool sound_due = sound_end_ms_ >= 0 && sound_end_ms_ <= until;
    if (sound_due && sound_end_ms_ <= next_due) {
        now_ms_ = std::max(now_ms_, sound_end_ms_);
        sound_end_ms_ = -1;
        if (sound_finished) sound_finished();
        return true;
    }
    if (!next_timer) return false;
    if (TickIsIdle(*next_timer)) {
        if (sound_due) next_busy = std::min(next_busy, sound_end_ms_);
        const long long interval = next_timer->interval;
        const long long passed = std::max(1LL, (next_busy - next_timer->due_ms + interval - 1) / interval);
        next_timer->due_ms += passed * interval;
        return true;
    }
    now_ms_ = std::max(now_ms_, next_due);
    next_timer->due_ms = now_ms_ + next_timer->interval;
    auto tick = next_timer->on_tick;
    if (tick) tick();
    return true;
}

void ScriptHost::QueueDraws(const std::string& values) {
    const std::vector<std::string> words = Words(values);
    if (words.empty()) Fail("rnd needs at least one value");
    for (const std::string& word : words) {
        double value = 0;
        if (!ParseUnitDraw(word, value)) Fail("rnd values must lie in [0, 1)");
        Random().Force(value);
    }
}

void ScriptHost::Goto(const std::string& arguments) {
    const std::vector<std::string> words = Words(arguments);
    if (words.size() != 4) Fail("goto needs BLOCK X Y FACING");
    int numbers[4] = {};
    for (size_t i = 0; i < words.size(); ++i) {
        long long number = 0;
        if (!ParseInteger(words[i], number)) Fail("goto needs BLOCK X Y FACING");
        if (number < INT16_MIN || number > INT16_MAX) Fail("goto: " + words[i] + " is out of range");
        numbers[i] = static_cast<int>(number);
    }
    if (!access_) Fail("no game to move");
    std::string error = access_->Goto(numbers[0], numbers[1], numbers[2], numbers[3]);
    if (!error.empty()) Fail(error);
}

void ScriptHost::Snapshot(const std::string& rest) {
    std::string arguments = rest;
    std::string name = TakeWord(arguments);
    bool ok = true;
    std::string path = TextArgument(arguments, ok);
    if (!ok || path.empty()) Fail("snapshot needs NAME FILE");
    Control* picture = ControlFor("snapshot", name);
    if (!picture) return;
    if (picture->kind != ControlKind::Picture) Fail(name + " is not a picture");
    if (!SaveBmp24(path, picture->canvas.ToBitmap())) Fail("cannot write " + path);
}

}  // namespace duskmoor
