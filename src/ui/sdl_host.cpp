#include "ui/sdl_host.h"

#include <SDL.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "ui/autopilot.h"
#include "ui/control_input.h"
#include "ui/file_dialog_screen.h"
#include "ui/message_box_screen.h"
#include "ui/resources.h"
#include "ui/sdl_font.h"
#include "ui/sdl_keys.h"
#include "ui/text_editing.h"
#include "ui/timer_schedule.h"
#include "ui/window_layout.h"

namespace duskmoor {

namespace {

constexpr char kWindowTitle[] = "The Duskmoor";
constexpr char kNoDisplay[] = "no display (DISPLAY and WAYLAND_DISPLAY are not set)";
// Everything below the top screen is dimmed by this much per screen above it.
constexpr int kDimAmount = 96;
// Room left for the window's frame and a desktop panel when choosing the first size.
constexpr int kDecorationAllowance = 64;

// A surface over a bitmap's pixels (which must outlive it).
SDL_Surface* SurfaceOver(const Bitmap& bitmap) {
    return SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(bitmap.pixels.data()), bitmap.width,
                                              bitmap.height, 32, bitmap.width * 4, SDL_PIXELFORMAT_ARGB8888);
}

bool CommandOnPath(const char* name) {
    const char* path = std::getenv("PATH");
    if (!path) return false;
    std::string folders = path;
    size_t start = 0;
    while (start <= folders.size()) {
        size_t end = folders.find(':', start);
        if (end == std::string::npos) end = folders.size();
        const std::string candidate = folders.substr(start, end - start) + "/" + name;
        if (end > start && access(candidate.c_str(), X_OK) == 0) return true;
        start = end + 1;
    }
    return false;
}

// Every pixel becomes a square of factor x factor pixels.
void EnlargePixels(const std::vector<uint32_t>& source, int width, int height, int factor,
                   std::vector<uint32_t>& out) {
    const size_t out_width = static_cast<size_t>(width) * factor;
    out.resize(out_width * height * factor);
    for (int y = 0; y < height; ++y) {
        uint32_t* row = out.data() + static_cast<size_t>(y) * factor * out_width;
        const uint32_t* in = source.data() + static_cast<size_t>(y) * width;
        for (int x = 0; x < width; ++x) std::fill_n(row + static_cast<size_t>(x) * factor, factor, in[x]);
        for (int copy = 1; copy < factor; ++copy) std::copy_n(row, out_width, row + copy * out_width);
    }
}

bool ContainsScreen(const std::vector<Screen*>& screens, const Screen* screen) {
    return std::find(screens.begin(), screens.end(), screen) != screens.end();
}

// Without a display SDL falls back to drawing nowhere; a player who started
// the game would get an invisible window that never ends. Those drivers are
// for tests, which ask for them by name.
bool RealDisplayOrAskedFor() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver) return false;
    const std::string name = driver;
    if (name != "offscreen" && name != "dummy") return true;
    return std::getenv("SDL_VIDEODRIVER") != nullptr;
}

// Picks the window system the desktop runs, so that a display that cannot be
// reached is reported as such rather than tried under every other driver.
bool ChooseWindowSystem(std::string& error) {
    if (std::getenv("SDL_VIDEODRIVER")) return true;
    const bool x11 = std::getenv("DISPLAY") != nullptr;
    const bool wayland = std::getenv("WAYLAND_DISPLAY") != nullptr;
    if (!x11 && !wayland) {
        error = kNoDisplay;
        return false;
    }
    if (!wayland) SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    if (!x11) SDL_SetHint(SDL_HINT_VIDEODRIVER, "wayland");
    return true;
}

}  // namespace

std::unique_ptr<SdlHost> SdlHost::Create(std::string& error) {
    InstallSdlFontEngine();
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (!ChooseWindowSystem(error)) return nullptr;
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        error = SDL_GetError();
        if (const char* display = std::getenv("DISPLAY")) error += std::string(" (DISPLAY=") + display + ")";
        return nullptr;
    }
    if (!RealDisplayOrAskedFor()) {
        error = kNoDisplay;
        SDL_Quit();
        return nullptr;
    }
    int scale = 1;
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(0, &usable) == 0) {
        scale = LargestWholeScale(usable.w, usable.h - kDecorationAllowance, kLogicalWidth, kLogicalHeight);
    }
    SDL_Window* window =
        SDL_CreateWindow(kWindowTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kLogicalWidth * scale,
                         kLogicalHeight * scale, SDL_WINDOW_RESIZABLE);
    if (!window) {
        error = SDL_GetError();
        SDL_Quit();
        return nullptr;
    }
    // The picture is drawn by our own canvas; the renderer only scales it into
    // the window. The software renderer over the window system's own frame
    // buffer does that without loading OpenGL, which costs more start-up time
    // than everything else together.
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer) renderer = SDL_CreateRenderer(window, -1, 0);
    SDL_Texture* texture = renderer
                               ? SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                                   SDL_TEXTUREACCESS_STREAMING, kLogicalWidth, kLogicalHeight)
                               : nullptr;
    if (!texture) {
        error = SDL_GetError();
        if (renderer) SDL_DestroyRenderer(renderer);
        SDL_DestroyWindow(window);
        SDL_Quit();
        return nullptr;
    }
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_NONE);
    SDL_SetWindowMinimumSize(window, kMinimumWindowWidth, kMinimumWindowHeight);
    return std::unique_ptr<SdlHost>(new SdlHost(window, renderer, texture));
}

SdlHost::SdlHost(SDL_Window* window, SDL_Renderer* renderer, SDL_Texture* texture)
    : window_(window),
      renderer_(renderer),
      texture_(texture),
      canvas_(kLogicalWidth, kLogicalHeight, colors::Backdrop),
      start_(std::chrono::steady_clock::now()) {
    SetWindowIcon();
}

SdlHost::~SdlHost() {
    audio_.Close();
    SDL_SetCursor(SDL_GetDefaultCursor());
    for (auto& [name, cursor] : cursors_) SDL_FreeCursor(cursor);
    if (enlarged_texture_) SDL_DestroyTexture(enlarged_texture_);
    SDL_DestroyTexture(texture_);
    SDL_DestroyRenderer(renderer_);
    SDL_DestroyWindow(window_);
    SDL_Quit();
}

// ---- The modal loop ----

void SdlHost::RunModal(Screen& screen) {
    screen.Reopen();
    CloseDropDown();
    screens_.push_back(&screen);
    {
        // Taken off the stack however the screen ends, ProgramExit included.
        struct PopOnExit {
            SdlHost& host;
            ~PopOnExit() { host.Forget(*host.screens_.back()); }
        } pop_on_exit{*this};
        screen.Load();
        // A replay leaves the focus where the script puts it, as the runner does.
        if (autopilot_) {
            autopilot_->ScreenOpened(screen);
        } else if (!screen.focus) {
            Control* first = FirstFocusable(screen);
            if (first && first->kind == ControlKind::TextBox) screen.focus = first;
        }
        dirty_ = true;
        const auto closed = [&screen] { return screen.closing(); };
        while (!screen.closing()) {
            if (autopilot_) {
                PilotStep(closed);
                continue;
            }
            PresentIfChanged();
            if (screen.closing()) break;
            WaitForEvents();
        }
        if (autopilot_) autopilot_->ScreenClosed(screen);
    }
    screen.Unload();
}

// The screen that waits stays drawn and its timers keep running; every event
// goes where it would outside the wait, so the player acts as usual.
bool SdlHost::WaitUntil(const std::function<bool()>& condition) {
    Screen* waiting = TopScreen();
    dirty_ = true;
    const auto closed = [this, waiting] {
        return !waiting || !ContainsScreen(screens_, waiting) || waiting->closing();
    };
    while (!condition()) {
        if (closed()) return false;
        if (autopilot_) {
            PilotStep([&] { return condition() || closed(); });
            continue;
        }
        PresentIfChanged();
        // One event at a time: the rule goes on as soon as its condition holds,
        // and the events after it find the screen as the rule leaves it.
        SDL_Event event;
        if (NextEvent(event)) HandleEvent(event);
        if (!condition()) RunTimersAndSound();
    }
    // An autopilot shows its steps at its own pace.
    if (!autopilot_) PresentIfChanged();
    return true;
}

void SdlHost::Forget(Screen& screen) {
    screens_.pop_back();
    CloseDropDown();
    if (pressed_screen_ == &screen) {
        pressed_screen_ = nullptr;
        pressed_control_ = nullptr;
    }
    std::erase_if(keys_down_on_, [&screen](const auto& entry) { return entry.second == &screen; });
    dirty_ = true;
}

void SdlHost::DoEvents() {
    if (autopilot_) {
        ShowPilotedStep(0);
        return;
    }
    HandlePendingEvents();
    RunTimersAndSound();
    PresentIfChanged();
}

bool SdlHost::NextEvent(SDL_Event& event) {
    const long long due = NextTimerDue(screens_);
    if (due < 0) return SDL_WaitEvent(&event) != 0;
    const long long wait = std::clamp(due - NowMs(), 0LL, static_cast<long long>(INT_MAX));
    return SDL_WaitEventTimeout(&event, static_cast<int>(wait)) != 0;
}

void SdlHost::WaitForEvents() {
    SDL_Event event;
    if (NextEvent(event)) HandleEvent(event);
    HandlePendingEvents();
    RunTimersAndSound();
}

void SdlHost::HandlePendingEvents() {
    SDL_Event event;
    while (TopScreen() && !TopScreen()->closing() && SDL_PollEvent(&event)) HandleEvent(event);
}

void SdlHost::RunTimersAndSound() {
    if (FireDueTimers(screens_, NowMs())) dirty_ = true;
    if (audio_.TakeFinished()) {
        dirty_ = true;
        if (sound_finished) sound_finished();
    }
}

long long SdlHost::NowMs() {
    if (autopilot_) return autopilot_->NowMs();
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_)
        .count();
}

void SdlHost::Quit() {
    throw ProgramExit{};
}

void SdlHost::HandleEvent(const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT:
            // Closing the window is closing the main screen.
            if (!screens_.empty()) screens_.front()->CloseRequested();
            dirty_ = true;
            break;
        case SDL_WINDOWEVENT:
            dirty_ = true;
            break;
        case SDL_KEYDOWN:
            HandleKeyDown(event);
            break;
        case SDL_KEYUP:
            HandleKeyUp(event);
            break;
        case SDL_TEXTINPUT:
            HandleTextInput(event.text.text);
            break;
        case SDL_MOUSEBUTTONDOWN:
            HandleMouseDown(event);
            break;
        case SDL_MOUSEBUTTONUP:
            HandleMouseUp(event);
            break;
        case SDL_MOUSEWHEEL:
            HandleMouseWheel(event);
            break;
        default:
            break;
    }
}

// ---- Drawing ----

Point SdlHost::ScreenOrigin(size_t index) const {
    const Screen& screen = *screens_[index];
    if (index == 0) return CentredOrigin(kLogicalWidth, kLogicalHeight, screen.width(), screen.height());
    bool with_title_bar = false;
    return ModalOrigin(screen.width(), screen.height(), with_title_bar);
}

void SdlHost::PresentIfChanged() {
    if (!dirty_) return;
    dirty_ = false;
    Present();
    UpdateCursor();
    if (!first_frame_done_) {
        first_frame_done_ = true;
        if (first_frame_shown) first_frame_shown();
    }
}

void SdlHost::Present() {
    canvas_.Clear(colors::Backdrop);
    for (size_t index = 0; index < screens_.size(); ++index) {
        Screen& screen = *screens_[index];
        const Point origin = ScreenOrigin(index);
        if (index > 0) {
            canvas_.Tint(colors::Black, kDimAmount);
            bool with_title_bar = false;
            ModalOrigin(screen.width(), screen.height(), with_title_bar);
            PaintModalFrame(screen, canvas_, origin.x, origin.y, with_title_bar);
        }
        const bool top = index + 1 == screens_.size();
        PaintScreen(screen, canvas_, origin.x, origin.y, top && drop_down_.list ? &drop_down_ : nullptr);
    }
    SDL_SetRenderDrawColor(renderer_, colors::Backdrop.r, colors::Backdrop.g, colors::Backdrop.b, 255);
    SDL_RenderClear(renderer_);
    int output_width = 0;
    int output_height = 0;
    SDL_GetRendererOutputSize(renderer_, &output_width, &output_height);
    const Viewport viewport = FitToWindow(output_width, output_height, kLogicalWidth, kLogicalHeight);
    const SDL_Rect target{viewport.x, viewport.y, viewport.width, viewport.height};
    SDL_RenderCopy(renderer_, FrameTexture(viewport), nullptr, &target);
    SDL_RenderPresent(renderer_);
    ++frames_presented_;
}

SDL_Texture* SdlHost::FrameTexture(const Viewport& viewport) {
    SDL_UpdateTexture(texture_, nullptr, canvas_.pixels().data(), kLogicalWidth * 4);
    const int factor = SharpPrescale(viewport, kLogicalWidth, kLogicalHeight);
    if (factor <= 1) {
        SDL_SetTextureScaleMode(texture_,
                                viewport.whole_multiple ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
        return texture_;
    }
    const int width = kLogicalWidth * factor;
    const int height = kLogicalHeight * factor;
    if (factor != enlarged_factor_) {
        if (enlarged_texture_) SDL_DestroyTexture(enlarged_texture_);
        enlarged_texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888,
                                              SDL_TEXTUREACCESS_STREAMING, width, height);
        enlarged_factor_ = enlarged_texture_ ? factor : 0;
        if (!enlarged_texture_) return texture_;  // no memory for it: the plain smooth scale
        SDL_SetTextureBlendMode(enlarged_texture_, SDL_BLENDMODE_NONE);
        SDL_SetTextureScaleMode(enlarged_texture_, SDL_ScaleModeLinear);
    }
    EnlargePixels(canvas_.pixels(), kLogicalWidth, kLogicalHeight, factor, enlarged_pixels_);
    SDL_UpdateTexture(enlarged_texture_, nullptr, enlarged_pixels_.data(), width * 4);
    return enlarged_texture_;
}

void SdlHost::UpdateCursor() {
    const std::string name = TopScreen() ? TopScreen()->mouse_pointer : std::string();
    if (name == cursor_name_) return;
    cursor_name_ = name;
    SDL_Cursor* cursor = nullptr;
    if (!name.empty()) {
        auto cached = cursors_.find(name);
        if (cached != cursors_.end()) {
            cursor = cached->second;
        } else if (const Bitmap* icon = ResourceBitmap(name)) {
            // The custom pointer's hot spot is the middle of its icon.
            if (SDL_Surface* surface = SurfaceOver(*icon)) {
                cursor = SDL_CreateColorCursor(surface, icon->width / 2, icon->height / 2);
                SDL_FreeSurface(surface);
            }
            if (cursor) cursors_[name] = cursor;
        }
    }
    SDL_SetCursor(cursor ? cursor : SDL_GetDefaultCursor());
}

void SdlHost::SetWindowIcon() {
    const Bitmap* icon = ResourceBitmap("DuskIcon");
    if (!icon) return;
    if (SDL_Surface* surface = SurfaceOver(*icon)) {
        SDL_SetWindowIcon(window_, surface);
        SDL_FreeSurface(surface);
    }
}

void SdlHost::ToggleFullScreen() {
    const bool full =
        (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) == SDL_WINDOW_FULLSCREEN_DESKTOP;
    SDL_SetWindowFullscreen(window_, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
    dirty_ = true;
}

// ---- Keyboard ----

void SdlHost::HandleKeyDown(const SDL_Event& event) {
    const SDL_Keycode sym = event.key.keysym.sym;
    const bool alt = (event.key.keysym.mod & KMOD_ALT) != 0;
    if (sym == SDLK_F11 || (alt && (sym == SDLK_RETURN || sym == SDLK_KP_ENTER))) {
        if (!event.key.repeat) ToggleFullScreen();
        return;
    }
    const int key = GameKeyFromSdl(sym);
    Screen* screen = TopScreen();
    if (key == 0 || !screen) return;
    dirty_ = true;
    if (drop_down_.list && HandleDropDownKey(key)) return;
    Control* focus = screen->focus;
    if (key == keys::Tab) {
        screen->focus = NextFocus(*screen, focus, (event.key.keysym.mod & KMOD_SHIFT) != 0);
        return;
    }
    if (focus && focus->kind == ControlKind::List && focus->Clickable() &&
        (key == keys::Up || key == keys::Down)) {
        // Arrows on a closed list step through its entries.
        const int count = static_cast<int>(focus->items.size());
        const int next = std::clamp(focus->selected + (key == keys::Down ? 1 : -1), 0, count - 1);
        if (count > 0 && next != focus->selected) {
            focus->selected = next;
            if (focus->on_change) focus->on_change();
        }
        return;
    }
    if (focus && focus->kind == ControlKind::TextBox && focus->Clickable()) {
        const bool ctrl = (event.key.keysym.mod & KMOD_CTRL) != 0;
        if (ctrl && sym == SDLK_v) {
            PasteInto(*focus);
            return;
        }
        bool changed = false;
        if (TextBoxKey(*focus, ctrl ? key | keys::CtrlModifier : key, changed)) {
            if (changed && focus->on_change) focus->on_change();
            return;
        }
        if (key == keys::Backspace && RemoveLastCharacter(focus->caption) && focus->on_change)
            focus->on_change();
    }
    if (!event.key.repeat) keys_down_on_[key] = screen;
    // Ctrl+Q leaves a battle: screens see a held Ctrl in the key's code.
    screen->KeyDown(GameKeyWithCtrl(key, (event.key.keysym.mod & KMOD_CTRL) != 0));
    // Escape is the way out of a modal screen that has no use of its own for it;
    // on the main screen it does not end the game.
    if (key == keys::Escape && !event.key.repeat && screens_.size() > 1 && TopScreen() == screen &&
        !screen->closing()) {
        screen->CloseRequested();
    }
}

void SdlHost::HandleKeyUp(const SDL_Event& event) {
    const int key = GameKeyFromSdl(event.key.keysym.sym);
    auto pressed = keys_down_on_.find(key);
    if (key == 0 || pressed == keys_down_on_.end()) return;
    Screen* screen = pressed->second;
    keys_down_on_.erase(pressed);
    // A key released after its press opened or closed a screen belongs to
    // neither screen: the new one did not see it go down.
    if (screen != TopScreen()) return;
    dirty_ = true;
    screen->KeyUp(key);
    if (key == keys::Enter && TopScreen() == screen) PressDefaultButton(*screen);
}

void SdlHost::HandleTextInput(const char* text) {
    Screen* screen = TopScreen();
    if (!screen || drop_down_.list) return;
    Control* focus = screen->focus;
    if (!focus || focus->kind != ControlKind::TextBox || !focus->Clickable()) return;
    dirty_ = true;
    if (InsertIntoTextBox(*focus, text) && focus->on_change) focus->on_change();
}

void SdlHost::PasteInto(Control& box) {
    char* pasted = SDL_GetClipboardText();
    if (!pasted) return;
    dirty_ = true;
    if (InsertIntoTextBox(box, pasted) && box.on_change) box.on_change();
    SDL_free(pasted);
}

bool SdlHost::HandleDropDownKey(int key) {
    switch (key) {
        case keys::Up:
            MoveDropDownHighlight(drop_down_, -1, DropDownRows());
            return true;
        case keys::Down:
            MoveDropDownHighlight(drop_down_, 1, DropDownRows());
            return true;
        case keys::Enter:
        case keys::Space:
            ChooseDropDownEntry(drop_down_.highlighted);
            return true;
        case keys::Escape:
        case keys::Tab:
            CloseDropDown();
            return true;
        default:
            return false;
    }
}

void SdlHost::ChooseDropDownEntry(int entry) {
    // The list belongs to the top screen, which is alive while the list is open.
    Control* list = const_cast<Control*>(drop_down_.list);
    CloseDropDown();
    if (!list || entry < 0 || entry >= static_cast<int>(list->items.size())) return;
    const bool changed = list->selected != entry;
    list->selected = entry;
    if (changed && list->on_change) list->on_change();
}

int SdlHost::DropDownRows() const {
    const Screen* screen = TopScreen();
    if (!drop_down_.list || !screen) return 1;
    return LayoutDropDown(*drop_down_.list, screen->height()).rows;
}

void SdlHost::CloseDropDown() {
    if (drop_down_.list) dirty_ = true;
    drop_down_ = DropDown{};
}

// ---- Mouse ----

bool SdlHost::ToLogical(int window_x, int window_y, Point& logical) const {
    int window_width = 0;
    int window_height = 0;
    int output_width = 0;
    int output_height = 0;
    SDL_GetWindowSize(window_, &window_width, &window_height);
    SDL_GetRendererOutputSize(renderer_, &output_width, &output_height);
    if (window_width <= 0 || window_height <= 0) return false;
    // The renderer may count more pixels than the window on a high-density display.
    const int output_x = static_cast<int>(static_cast<long long>(window_x) * output_width / window_width);
    const int output_y = static_cast<int>(static_cast<long long>(window_y) * output_height / window_height);
    const Viewport viewport = FitToWindow(output_width, output_height, kLogicalWidth, kLogicalHeight);
    return WindowToLogical(viewport, kLogicalWidth, kLogicalHeight, output_x, output_y, logical);
}

void SdlHost::HandleMouseDown(const SDL_Event& event) {
    if (event.button.button != SDL_BUTTON_LEFT) return;
    Screen* screen = TopScreen();
    Point logical;
    if (!screen || !ToLogical(event.button.x, event.button.y, logical)) return;
    dirty_ = true;
    const Point origin = ScreenOrigin(screens_.size() - 1);
    const int x = logical.x - origin.x;
    const int y = logical.y - origin.y;
    if (drop_down_.list) {
        // While a list hangs open, a click chooses from it or just closes it.
        const int entry =
            DropDownEntryAt(drop_down_, LayoutDropDown(*drop_down_.list, screen->height()), x, y);
        if (entry >= 0) {
            ChooseDropDownEntry(entry);
        } else {
            CloseDropDown();
        }
        return;
    }
    Control* control = ControlAt(*screen, x, y);
    if (!control) return;
    if (TakesFocus(*control)) screen->focus = control;
    if (control->kind == ControlKind::List) {
        drop_down_.list = control;
        drop_down_.highlighted = control->selected;
        drop_down_.first = 0;
        MoveDropDownHighlight(drop_down_, 0, DropDownRows());
        return;
    }
    if (control->kind == ControlKind::ImageButton || control->kind == ControlKind::Button)
        control->pressed = true;
    pressed_screen_ = screen;
    pressed_control_ = control;
    pressed_clicks_ = event.button.clicks;
    if (control->on_mouse_down) control->on_mouse_down();
}

void SdlHost::HandleMouseUp(const SDL_Event& event) {
    if (event.button.button != SDL_BUTTON_LEFT || !pressed_control_) return;
    Screen* screen = pressed_screen_;
    Control* control = pressed_control_;
    const int clicks = pressed_clicks_;
    pressed_screen_ = nullptr;
    pressed_control_ = nullptr;
    // The screen may have closed (and gone) while the button was down.
    if (!ContainsScreen(screens_, screen)) return;
    dirty_ = true;
    control->pressed = false;
    if (screen != TopScreen()) return;
    if (control->on_mouse_up) control->on_mouse_up();
    Point logical;
    if (!ToLogical(event.button.x, event.button.y, logical)) return;
    const Point origin = ScreenOrigin(screens_.size() - 1);
    if (TopScreen() != screen || ControlAt(*screen, logical.x - origin.x, logical.y - origin.y) != control)
        return;
    // Every second click in quick succession is a double click.
    if (clicks >= 2 && clicks % 2 == 0 && control->on_dblclick) {
        control->on_dblclick();
    } else if (control->on_click) {
        control->on_click();
    }
}

void SdlHost::HandleMouseWheel(const SDL_Event& event) {
    if (event.wheel.y == 0) return;
    if (drop_down_.list) {
        MoveDropDownHighlight(drop_down_, event.wheel.y > 0 ? -1 : 1, DropDownRows());
    } else if (Screen* screen = TopScreen()) {
        // The wheel scrolls a page of text that has the focus; otherwise the screen's own use.
        Control* focus = screen->focus;
        if (focus && focus->kind == ControlKind::TextBox && focus->multi_line && focus->visible) {
            ScrollTextBox(*focus, -3 * event.wheel.y);
        } else {
            screen->MouseWheel(event.wheel.y);
        }
    }
    dirty_ = true;
}

// ---- Sound, dialogs, printer ----

bool SdlHost::PlayWave(const std::string& path) {
    if (!autopilot_) return audio_.Play(path);
    // The player hears it; the game hears of its end on the autopilot's clock.
    if (!autopilot_->StartSound(path)) return false;
    audio_.Play(path);
    return true;
}

void SdlHost::StopWave() {
    if (autopilot_) autopilot_->StopSound();
    audio_.Stop();
}

void SdlHost::MessageBox(const std::string& text) {
    if (autopilot_) return autopilot_->MessageBox(text);
    MessageBoxScreen box(*this, text);
    RunModal(box);
}

std::string SdlHost::FileDialog(const FileDialogRequest& request) {
    if (autopilot_) return autopilot_->FileDialog(request);
    FileDialogScreen dialog(*this, request);
    RunModal(dialog);
    return dialog.Result();
}

bool SdlHost::PrintPage(const std::string& text) {
    if (autopilot_) return autopilot_->PrintPage(text);
    // Without a print system there is no printer to send the page to.
    if (!CommandOnPath("lp")) return false;
    // A printer command that dies early must not take the game with it.
    void (*previous)(int) = std::signal(SIGPIPE, SIG_IGN);
    bool printed = false;
    if (FILE* printer = popen("lp >/dev/null 2>&1", "w")) {
        const bool written = std::fwrite(text.data(), 1, text.size(), printer) == text.size();
        printed = pclose(printer) == 0 && written;
    }
    std::signal(SIGPIPE, previous);
    return printed;
}

}  // namespace duskmoor
