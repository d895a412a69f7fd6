#include "script/script_player.h"

#include <algorithm>
#include <cstdint>
#include <istream>

#include "core/random.h"
#include "ui/bitmap.h"
#include "ui/control_input.h"
#include "ui/host.h"
#include "ui/screen.h"
#include "ui/text_editing.h"
#include "ui/wave_file.h"

namespace duskmoor {
namespace {

// The virtual clock stops short of where adding a timer's interval could overflow.
constexpr long long kClockLimitMs = 1LL << 53;

std::string BaseName(const std::string& path) {
    size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool TickIsIdle(const Control& timer) {
    return timer.tick_is_idle && timer.tick_is_idle();
}

// What a player does with the mouse and keys is shown at the pace; reading
// the state, queuing draws and answers are not seen and take no time.
bool PlayerSeesIt(const std::string& verb) {
    static const char* const kSeen[] = {"click", "dblclick", "key",    "keydown",
                                        "keyup", "type",     "choose", "goto"};
    return std::any_of(std::begin(kSeen), std::end(kSeen),
                       [&verb](const char* seen) { return verb == seen; });
}

}  // namespace

ScriptPlayer::ScriptPlayer(Host& host, std::istream& script, std::string data_folder, Emit emit)
    : host_(host), reader_(script), data_folder_(std::move(data_folder)), emit_(std::move(emit)) {
    if (!data_folder_.empty() && data_folder_.back() != '/') data_folder_ += '/';
}

void ScriptPlayer::Fail(const std::string& message) const {
    throw ScriptError{next_action_.line, message};
}

Screen& ScriptPlayer::Top() {
    return *host_.OpenScreens().back();
}

// A wait under way (perhaps cut short when a rule's condition came true)
// goes on before the next action is read.
long long ScriptPlayer::Step(const std::function<bool()>& stop) {
    if (wait_end_ms_ < 0) {
        // The window shows the game as it stands for the pace before the
        // player's next action: the action itself may open a screen that
        // stays until a later action closes it.
        if (!holding_) {
            if (!reader_.Next(next_action_)) return -1;
            if (pace_ms_ > 0 && PlayerSeesIt(next_action_.verb)) {
                holding_ = true;
                ShowPressed(true);
                return pace_ms_;
            }
        }
        if (holding_) ShowPressed(false);
        holding_ = false;
        if (action_played) action_played(next_action_);
        Perform(next_action_);
        if (wait_end_ms_ < 0) return 0;
    }
    if (pace_ms_ <= 0) {
        ContinueWait(stop, wait_end_ms_);
        return 0;
    }
    ContinueWait(stop, std::min(wait_end_ms_, now_ms_ + wait_stride_ms_));
    return wait_frame_ms_;
}

// A button about to be clicked is shown pressed while the click is held, so
// whoever watches sees where it lands.
void ScriptPlayer::ShowPressed(bool pressed) {
    if (next_action_.verb != "click" && next_action_.verb != "dblclick") return;
    std::string rest = next_action_.rest;
    Control* control = Top().Find(TakeWord(rest));
    if (control && control->Clickable() &&
        (control->kind == ControlKind::Button || control->kind == ControlKind::ImageButton))
        control->pressed = pressed;
}

void ScriptPlayer::ScreenOpened(const Screen& screen) {
    std::string line = screen.TranscriptOpenLine();
    if (!line.empty()) emit_(line);
}

void ScriptPlayer::ScreenClosed(const Screen& screen) {
    std::string line = screen.TranscriptCloseLine();
    if (!line.empty()) emit_(line);
}

bool ScriptPlayer::StartSound(const std::string& path) {
    long long duration = WaveDurationMs(path);
    if (duration < 0) return false;
    emit_("sound " + BaseName(path));
    sound_end_ms_ = now_ms_ + duration;
    return true;
}

void ScriptPlayer::MessageBox(const std::string& text) {
    emit_("msgbox " + EscapeLineBreaks(text));
}

std::string ScriptPlayer::FileDialog(const FileDialogRequest& /*request*/) {
    if (file_answers_.empty()) return {};
    std::string answer = file_answers_.front();
    file_answers_.pop_front();
    return answer;
}

bool ScriptPlayer::PrintPage(const std::string& text) {
    emit_("print " + EscapeLineBreaks(text));
    return true;
}

void ScriptPlayer::Perform(const ScriptAction& action) {
    const std::string& verb = action.verb;
    std::string rest = action.rest;
    bool ok = true;
    if (verb == "click" || verb == "dblclick") {
        Click(verb, TakeWord(rest), verb == "dblclick");
    } else if (verb == "key" || verb == "keydown" || verb == "keyup") {
        PressKey(TakeWord(rest), verb != "keyup", verb != "keydown");
    } else if (verb == "type") {
        TypeText(rest);
    } else if (verb == "choose") {
        Choose(rest);
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
        GetOrSet(verb, rest);
    } else if (verb == "show") {
        Show(TakeWord(rest));
    } else if (verb == "goto") {
        Goto(rest);
    } else if (verb == "snapshot") {
        Snapshot(rest);
    } else if (verb == "echo") {
        std::string text = TextArgument(rest, ok);
        if (!ok) Fail("malformed text argument");
        emit_(EscapeLineBreaks(text));
    } else {
        Fail("unknown action '" + verb + "'");
    }
}

void ScriptPlayer::TypeText(std::string rest) {
    std::string name = TakeWord(rest);
    bool ok = true;
    std::string text = TextArgument(rest, ok);
    if (!ok) Fail("malformed text argument");
    Control* box = ControlFor("type", name);
    if (!box) return;
    if (box->kind != ControlKind::TextBox) Fail(name + " is not a text box");
    if (box->max_length > 0 && static_cast<int>(text.size()) > box->max_length) text.resize(box->max_length);
    box->caption = text;
    box->caret = -1;
    if (box->multi_line) KeepCaretVisible(*box);
    if (box->on_change) box->on_change();
}

void ScriptPlayer::Choose(std::string rest) {
    std::string name = TakeWord(rest);
    long long index = 0;
    if (!ParseInteger(TakeWord(rest), index)) Fail("choose needs an entry number");
    Control* list = ControlFor("choose", name);
    if (!list) return;
    if (index < 0 || index >= static_cast<long long>(list->items.size())) {
        emit_("ignored choose " + name + " " + std::to_string(index) + " (no such entry)");
        return;
    }
    list->selected = static_cast<int>(index);
    if (list->on_change) list->on_change();
}

void ScriptPlayer::GetOrSet(const std::string& verb, std::string rest) {
    if (!access_) Fail("no game to " + verb);
    std::string name = TakeWord(rest);
    std::string value;
    std::string error;
    if (verb == "set") {
        bool ok = true;
        value = TextArgument(rest, ok);
        if (!ok) Fail("malformed value");
        error = access_->Set(name, value);
    } else {
        error = access_->Get(name, value);
    }
    if (!error.empty()) Fail(error);
    if (verb == "get") emit_(name + "=" + EscapeLineBreaks(value));
}

void ScriptPlayer::Show(const std::string& name) {
    Control* control = Top().Find(name);
    if (!control) {
        emit_("ignored show " + name + " (no such control on " + Top().name() + ")");
        return;
    }
    // A picture button shows its picture, a list its chosen entry.
    std::string shown = control->kind == ControlKind::ImageButton ? control->picture : control->caption;
    if (control->kind == ControlKind::List)
        shown = control->selected >= 0 && control->selected < static_cast<int>(control->items.size())
                    ? control->items[control->selected]
                    : std::string();
    emit_("show " + name + "=" + EscapeLineBreaks(shown));
}

Control* ScriptPlayer::ControlFor(const std::string& verb, const std::string& name) {
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
    emit_("ignored " + verb + " " + name + " (" + why + ")");
    return nullptr;
}

void ScriptPlayer::Click(const std::string& verb, const std::string& name, bool twice) {
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

void ScriptPlayer::PressKey(const std::string& key_text, bool down, bool up) {
    int code = ScriptKeyCode(key_text);
    if (code < 0) Fail("unknown key '" + key_text + "'");
    const std::vector<Screen*>& screens = host_.OpenScreens();
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
        if (code == keys::Escape && screens.size() > 1 && &Top() == screen && !screen->closing())
            screen->CloseRequested();
    }
    // A key released after its press opened or closed a screen belongs to
    // neither screen: the new one did not see it go down.
    if (up && !screens.empty() && &Top() == screen && !screen->closing()) {
        screen->KeyUp(code);
        if (code == keys::Enter && &Top() == screen) PressDefaultButton(*screen);
    }
}

void ScriptPlayer::StartWait(const std::string& argument) {
    const std::vector<std::string> words = Words(argument);
    long long milliseconds = 0;
    if (words.size() != 1 || !ParseInteger(words[0], milliseconds) || milliseconds < 0)
        Fail("wait needs milliseconds");
    if (milliseconds > kClockLimitMs - now_ms_)
        Fail("wait: the clock cannot pass " + std::to_string(kClockLimitMs) + " ms");
    wait_end_ms_ = now_ms_ + milliseconds;
    // Watched, the wait plays out in frames over its real length.
    const long long watched_ms = std::min(milliseconds, kLongestWatchedWaitMs) * pace_ms_ / kRealTimePaceMs;
    const long long frames = std::max(1LL, (watched_ms + kWaitFrameMs - 1) / kWaitFrameMs);
    wait_frame_ms_ = watched_ms / frames;
    wait_stride_ms_ = (milliseconds + frames - 1) / frames;
}

// Moves the clock from one due timer or sound end to the next, so a long wait
// costs what happens in it, not its length.
void ScriptPlayer::ContinueWait(const std::function<bool()>& stop, long long until) {
    while (wait_end_ms_ >= 0 && !stop()) {
        const long long limit = std::min(until, wait_end_ms_);
        if (FireNextDue(limit)) continue;
        now_ms_ = std::max(now_ms_, limit);
        if (limit == wait_end_ms_) wait_end_ms_ = -1;
        return;
    }
}

// Fires the earliest timer or sound end due by `until`; false when none is.
// Ticks of an idle timer change nothing, so those before the next tick or
// sound end that does something are passed by at once.
bool ScriptPlayer::FireNextDue(long long until) {
    Control* next_timer = nullptr;
    long long next_due = until + 1;
    long long next_busy = until + 1;
    for (Screen* screen : host_.OpenScreens()) {
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
        if (host_.sound_finished) host_.sound_finished();
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

void ScriptPlayer::QueueDraws(const std::string& values) {
    const std::vector<std::string> words = Words(values);
    if (words.empty()) Fail("rnd needs at least one value");
    for (const std::string& word : words) {
        double value = 0;
        if (!ParseUnitDraw(word, value)) Fail("rnd values must lie in [0, 1)");
        Random().Force(value);
    }
}

void ScriptPlayer::Goto(const std::string& arguments) {
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

void ScriptPlayer::Snapshot(const std::string& rest) {
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
