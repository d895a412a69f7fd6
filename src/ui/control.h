#pragma once
// The controls a screen is built from. Both hosts address them by name
// ("lblPlayer[2]", "cmdButton1"): the window host draws them and routes mouse
// and keys to them, the script host drives them from a script.
#include <functional>
#include <string>
#include <vector>

#include "ui/canvas.h"
#include "ui/color.h"

namespace duskmoor {

enum class ControlKind {
    Label,        // lbl: text, may be clickable
    ImageButton,  // img: a picture resource with a pressed look
    Button,       // cmd: a push button with a caption
    TextBox,      // txt: editable text, one line or (multi_line) a page
    List,         // cmb: a drop-down list of entries
    Line,         // lin: a line from (x, y) to (x + width, y + height)
    Picture,      // pic: a drawing area with its own canvas
    Timer,        // tmr: invisible, fires `on_tick` every `interval` ms while enabled
};

enum class TextAlign { Left, Center, Right };

struct Control {
    std::string name;
    ControlKind kind = ControlKind::Label;
    int x = 0, y = 0, width = 0, height = 0;
    bool visible = true;
    bool enabled = true;

    // Caption of a label or button, text of a text box: UTF-8.
    std::string caption;
    int font_size = 10;
    bool bold = false;
    TextAlign align = TextAlign::Left;
    bool word_wrap = false;
    Color fore = colors::White;
    Color back = colors::Black;
    bool back_visible = false;  // labels are transparent unless this is set
    bool border = false;        // a single-line border (the pressed look of picture buttons)
    bool shadow = false;        // text drawn with a dark shadow, as headings are

    // Picture buttons and pictures: the resource shown.
    std::string picture;
    bool pressed = false;  // the mouse button is down on it

    // Lists.
    std::vector<std::string> items;
    int selected = -1;
    // Text boxes: the most characters that may be typed (0: no limit).
    int max_length = 0;
    bool password_chars = false;
    // A multi-line text box wraps its text, takes Enter as a line break, moves
    // its caret with the arrow keys and scrolls; a one-line box types at its end.
    bool multi_line = false;
    int caret = -1;      // byte offset of the caret in `caption`; -1 at the end
    int first_line = 0;  // the first shown line of a multi-line box

    // Pictures draw into their own canvas, sized to the control.
    Canvas canvas;

    // Timers.
    int interval = 0;
    bool timer_enabled = false;
    long long due_ms = 0;

    std::function<void()> on_click;
    std::function<void()> on_dblclick;
    std::function<void()> on_mouse_down;
    std::function<void()> on_mouse_up;
    std::function<void()> on_change;  // text typed or list entry chosen
    std::function<void()> on_tick;
    // Holds while a tick would change nothing (a safeguard with nothing to
    // guard): a long scripted wait passes such ticks by without running them.
    std::function<bool()> tick_is_idle;

    bool Clickable() const { return visible && enabled; }
};

}  // namespace duskmoor
