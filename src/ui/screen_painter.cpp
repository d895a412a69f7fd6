#include "ui/screen_painter.h"

#include <algorithm>

#include "ui/control_input.h"
#include "ui/resources.h"
#include "ui/text_editing.h"
#include "ui/window_layout.h"

namespace duskmoor {

namespace {

// The game's push buttons are bronze plates with a bevel.
constexpr Color kButtonFace = Rgb(120, 98, 66);
constexpr Color kButtonLight = Rgb(196, 170, 122);
constexpr Color kButtonShadow = Rgb(58, 44, 28);
constexpr Color kButtonInnerLight = Rgb(158, 132, 92);
constexpr Color kButtonInnerShadow = Rgb(88, 70, 46);
constexpr Color kOutline = Rgb(0, 0, 0);
constexpr Color kGreyedText = Rgb(128, 128, 128);
constexpr Color kFieldFace = Rgb(255, 255, 255);
constexpr Color kFieldShadow = Rgb(96, 96, 96);
constexpr Color kFieldLight = Rgb(212, 212, 212);
constexpr Color kSelection = Rgb(0, 0, 128);
constexpr Color kTitleBar = Rgb(28, 36, 96);
constexpr Color kFrameLight = Rgb(200, 180, 130);
constexpr int kArrowWidth = 16;

void FillBox(Canvas& canvas, int x, int y, int width, int height, Color color) {
    if (width <= 0 || height <= 0) return;
    canvas.FillRect(x, y, x + width - 1, y + height - 1, color);
}

// A one-pixel bevel: `top_left` on the top and left edges, `bottom_right` on the others.
void Bevel(Canvas& canvas, int x, int y, int width, int height, Color top_left, Color bottom_right) {
    if (width <= 0 || height <= 0) return;
    const int right = x + width - 1;
    const int bottom = y + height - 1;
    canvas.Line(x, y, right, y, 1, top_left);
    canvas.Line(x, y, x, bottom, 1, top_left);
    canvas.Line(x, bottom, right, bottom, 1, bottom_right);
    canvas.Line(right, y, right, bottom, 1, bottom_right);
}

Color TextColor(const Control& control) {
    return control.enabled ? control.fore : kGreyedText;
}

int AlignedX(TextAlign align, int x, int width, int text_width) {
    switch (align) {
        case TextAlign::Center:
            return x + (width - text_width) / 2;
        case TextAlign::Right:
            return x + width - text_width;
        case TextAlign::Left:
            break;
    }
    return x;
}

std::vector<std::string> SplitLines(std::string_view utf8) {
    std::vector<std::string> lines(1);
    for (char c : utf8) {
        if (c == '\r') continue;
        if (c == '\n') {
            lines.emplace_back();
        } else {
            lines.back() += c;
        }
    }
    return lines;
}

void WrapLine(const std::string& line, int width, int size, bool bold, std::vector<std::string>& out) {
    std::string current;
    size_t position = 0;
    while (position <= line.size()) {
        size_t space = line.find(' ', position);
        if (space == std::string::npos) space = line.size();
        const std::string word = line.substr(position, space - position);
        const std::string joined = current.empty() ? word : current + " " + word;
        if (!current.empty() && MeasureText(joined, size, bold) > width) {
            out.push_back(current);
            current = word;
        } else {
            current = joined;
        }
        position = space + 1;
    }
    out.push_back(current);
}

// Lines of text stacked from `top`, each placed by the alignment; lines that
// would fall below `bottom` are not drawn (the first always is).
void DrawLines(Canvas& canvas, const std::vector<std::string>& lines, int x, int top, int width, int bottom,
               const Control& control, Color color) {
    const int line_height = TextLineHeight(control.font_size, control.bold);
    for (size_t index = 0; index < lines.size(); ++index) {
        const int y = top + static_cast<int>(index) * line_height;
        if (index > 0 && y + line_height > bottom) break;
        const int text_width = MeasureText(lines[index], control.font_size, control.bold);
        canvas.DrawText(AlignedX(control.align, x, width, text_width), y, lines[index], control.font_size,
                        color, control.bold);
    }
}

// A caption centred both ways in a box, as on a push button.
void DrawCentredCaption(Canvas& canvas, const Control& control, int x, int y, int width, int height,
                        Color color) {
    const std::vector<std::string> lines =
        WrapText(control.caption, width - 4, control.font_size, control.bold);
    const int line_height = TextLineHeight(control.font_size, control.bold);
    const int top = y + (height - line_height * static_cast<int>(lines.size())) / 2;
    for (size_t index = 0; index < lines.size(); ++index) {
        const int text_width = MeasureText(lines[index], control.font_size, control.bold);
        canvas.DrawText(x + (width - text_width) / 2, top + static_cast<int>(index) * line_height,
                        lines[index], control.font_size, color, control.bold);
    }
}

void PaintLabel(const Control& control, Canvas& canvas, int x, int y) {
    if (control.back_visible) FillBox(canvas, x, y, control.width, control.height, control.back);
    const std::vector<std::string> lines =
        control.word_wrap ? WrapText(control.caption, control.width, control.font_size, control.bold)
                          : SplitLines(control.caption);
    DrawLines(canvas, lines, x, y, control.width, y + control.height, control, TextColor(control));
}

void PaintPlate(const Control& control, Canvas& canvas, int x, int y) {
    const int width = control.width;
    const int height = control.height;
    FillBox(canvas, x, y, width, height, kOutline);
    FillBox(canvas, x + 1, y + 1, width - 2, height - 2, kButtonFace);
    const int shift = control.pressed ? 1 : 0;
    if (control.pressed) {
        Bevel(canvas, x + 1, y + 1, width - 2, height - 2, kButtonShadow, kButtonFace);
        Bevel(canvas, x + 2, y + 2, width - 4, height - 4, kButtonInnerShadow, kButtonFace);
    } else {
        Bevel(canvas, x + 1, y + 1, width - 2, height - 2, kButtonLight, kButtonShadow);
        Bevel(canvas, x + 2, y + 2, width - 4, height - 4, kButtonInnerLight, kButtonInnerShadow);
    }
    DrawCentredCaption(canvas, control, x + shift, y + shift, width, height, TextColor(control));
}

void PaintImageButton(const Control& control, Canvas& canvas, int x, int y) {
    const Bitmap* picture = control.picture.empty() ? nullptr : ResourceBitmap(control.picture);
    if (!picture) {
        PaintPlate(control, canvas, x, y);
        return;
    }
    if (!control.border && !control.pressed) {
        canvas.BlitScaled(*picture, x, y, control.width, control.height);
        return;
    }
    // The pressed look: a single line round the picture, which sinks by a pixel.
    canvas.Rect(x, y, x + control.width - 1, y + control.height - 1, 1, kOutline);
    const int shift = control.pressed ? 1 : 0;
    canvas.BlitScaled(*picture, x + 1 + shift, y + 1 + shift, control.width - 2 - shift,
                      control.height - 2 - shift);
}

void PaintField(const Control& control, Canvas& canvas, int x, int y) {
    FillBox(canvas, x, y, control.width, control.height, kFieldFace);
    Bevel(canvas, x, y, control.width, control.height, kFieldShadow, kFieldLight);
}

Color FieldTextColor(const Control& control) {
    if (!control.enabled) return kGreyedText;
    return control.fore == kFieldFace ? kOutline : control.fore;
}

// A page of text: its wrapped lines from the first one scrolled to, the caret
// where the typing goes, and a scroll bar when the page is longer than the box.
void PaintMultiLineTextBox(const Control& control, const Screen& screen, Canvas& canvas, int x, int y) {
    PaintField(control, canvas, x, y);
    const std::vector<TextSpan> lines = LayOutTextBox(control);
    const int count = static_cast<int>(lines.size());
    const int visible = VisibleLines(control);
    const int first = std::clamp(control.first_line, 0, std::max(0, count - visible));
    const int line_height = TextLineHeight(control.font_size, control.bold);
    const int text_x = x + kTextBoxPadding;
    const std::string_view text = control.caption;
    const Color color = FieldTextColor(control);
    for (int row = 0; row < visible && first + row < count; ++row) {
        const TextSpan& line = lines[first + row];
        canvas.DrawText(text_x, y + kTextBoxPadding + row * line_height,
                        std::string(text.substr(line.begin, line.end - line.begin)), control.font_size, color,
                        control.bold);
    }
    const int caret_line = CaretLine(lines, CaretOffset(control));
    if (screen.focus == &control && control.enabled && caret_line >= first && caret_line < first + visible) {
        const TextSpan& line = lines[caret_line];
        const size_t caret = std::max(CaretOffset(control), line.begin);
        const int caret_x =
            text_x + MeasureText(text.substr(line.begin, caret - line.begin), control.font_size, control.bold);
        const int caret_y = y + kTextBoxPadding + (caret_line - first) * line_height;
        canvas.Line(caret_x, caret_y, caret_x, caret_y + line_height - 1, 1, color);
    }
    if (count <= visible) return;
    const int track_x = x + control.width - 8, track_y = y + 3, track_height = control.height - 6;
    FillBox(canvas, track_x, track_y, 5, track_height, kFieldLight);
    const int thumb_height = std::max(8, track_height * visible / count);
    const int thumb_y = track_y + (track_height - thumb_height) * first / std::max(1, count - visible);
    FillBox(canvas, track_x, thumb_y, 5, thumb_height, kFieldShadow);
}

void PaintTextBox(const Control& control, const Screen& screen, Canvas& canvas, int x, int y) {
    if (control.multi_line) return PaintMultiLineTextBox(control, screen, canvas, x, y);
    PaintField(control, canvas, x, y);
    std::string text =
        control.password_chars ? std::string(CharacterCount(control.caption), '*') : control.caption;
    const int room = control.width - 8;
    // A text longer than the box shows its end, where the typing is.
    while (!text.empty() && MeasureText(text, control.font_size, control.bold) > room) {
        size_t cut = 1;
        while (cut < text.size() && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) ++cut;
        text.erase(0, cut);
    }
    const int line_height = TextLineHeight(control.font_size, control.bold);
    const int text_x = x + 4;
    const int text_y = y + (control.height - line_height) / 2;
    canvas.DrawText(text_x, text_y, text, control.font_size, FieldTextColor(control), control.bold);
    if (screen.focus == &control && control.enabled) {
        const int caret_x = text_x + MeasureText(text, control.font_size, control.bold) + 1;
        canvas.Line(caret_x, text_y, caret_x, text_y + line_height - 1, 1, FieldTextColor(control));
    }
}

void PaintArrowButton(Canvas& canvas, int x, int y, int width, int height) {
    FillBox(canvas, x, y, width, height, kButtonFace);
    Bevel(canvas, x, y, width, height, kButtonLight, kButtonShadow);
    const int centre_x = x + width / 2;
    const int top = y + height / 2 - 2;
    for (int row = 0; row < 4; ++row) {
        canvas.Line(centre_x - 3 + row, top + row, centre_x + 3 - row, top + row, 1, kOutline);
    }
}

void PaintList(const Control& control, const Screen& screen, Canvas& canvas, int x, int y) {
    PaintField(control, canvas, x, y);
    const int arrow_width = std::min(kArrowWidth, control.height - 2);
    PaintArrowButton(canvas, x + control.width - arrow_width - 1, y + 1, arrow_width, control.height - 2);
    const bool has_entry = control.selected >= 0 && control.selected < static_cast<int>(control.items.size());
    if (!has_entry) return;
    Color color = FieldTextColor(control);
    const int line_height = TextLineHeight(control.font_size, control.bold);
    if (screen.focus == &control && control.enabled) {
        FillBox(canvas, x + 2, y + 2, control.width - arrow_width - 4, control.height - 4, kSelection);
        color = colors::White;
    }
    canvas.DrawText(x + 4, y + (control.height - line_height) / 2, control.items[control.selected],
                    control.font_size, color, control.bold);
}

void PaintOpenList(const DropDown& open, const Screen& screen, Canvas& canvas, int origin_x, int origin_y) {
    const Control& list = *open.list;
    const DropDownLayout layout = LayoutDropDown(list, screen.height());
    const int x = origin_x + layout.x;
    const int y = origin_y + layout.y;
    FillBox(canvas, x, y, layout.width, layout.rows * layout.row_height + 2, kOutline);
    FillBox(canvas, x + 1, y + 1, layout.width - 2, layout.rows * layout.row_height, kFieldFace);
    for (int row = 0; row < layout.rows; ++row) {
        const int entry = open.first + row;
        if (entry >= static_cast<int>(list.items.size())) break;
        const int row_y = y + 1 + row * layout.row_height;
        Color color = kOutline;
        if (entry == open.highlighted) {
            FillBox(canvas, x + 1, row_y, layout.width - 2, layout.row_height, kSelection);
            color = colors::White;
        }
        canvas.DrawText(x + 4, row_y + 1, list.items[entry], list.font_size, color, list.bold);
    }
}

void PaintControl(const Control& control, const Screen& screen, Canvas& canvas, int x, int y) {
    switch (control.kind) {
        case ControlKind::Label:
            PaintLabel(control, canvas, x, y);
            break;
        case ControlKind::ImageButton:
            PaintImageButton(control, canvas, x, y);
            break;
        case ControlKind::Button:
            PaintPlate(control, canvas, x, y);
            break;
        case ControlKind::TextBox:
            PaintTextBox(control, screen, canvas, x, y);
            break;
        case ControlKind::List:
            PaintList(control, screen, canvas, x, y);
            break;
        case ControlKind::Line:
            canvas.Line(x, y, x + control.width, y + control.height, 1, control.fore);
            break;
        case ControlKind::Picture:
            canvas.BlitCanvas(control.canvas, x, y);
            if (control.border) canvas.Rect(x, y, x + control.width - 1, y + control.height - 1, 1, kOutline);
            break;
        case ControlKind::Timer:
            break;
    }
}

}  // namespace

int MeasureText(std::string_view utf8, int size, bool bold) {
    if (FontEngine* engine = DefaultFontEngine()) return engine->TextWidth(utf8, size, bold);
    return CharacterCount(utf8) * std::max(1, size * 3 / 4);
}

int TextLineHeight(int size, bool bold) {
    if (FontEngine* engine = DefaultFontEngine()) return std::max(1, engine->LineHeight(size, bold));
    return std::max(1, size * 3 / 2 + 2);
}

std::vector<std::string> WrapText(std::string_view utf8, int width, int size, bool bold) {
    std::vector<std::string> wrapped;
    for (const std::string& line : SplitLines(utf8)) WrapLine(line, width, size, bold, wrapped);
    return wrapped;
}

DropDownLayout LayoutDropDown(const Control& list, int screen_height) {
    DropDownLayout layout;
    layout.x = list.x;
    layout.width = list.width;
    layout.row_height = TextLineHeight(list.font_size, list.bold) + 2;
    layout.rows = std::min(static_cast<int>(list.items.size()), kDropDownRows);
    const int height = layout.rows * layout.row_height + 2;
    layout.y = list.y + list.height;
    // Near the bottom of the screen the entries open upwards instead.
    if (layout.y + height > screen_height && list.y - height >= 0) layout.y = list.y - height;
    return layout;
}

int DropDownEntryAt(const DropDown& open, const DropDownLayout& layout, int x, int y) {
    if (!open.list || layout.row_height <= 0) return -1;
    const int top = layout.y + 1;
    if (x < layout.x || x >= layout.x + layout.width || y < top ||
        y >= top + layout.rows * layout.row_height) {
        return -1;
    }
    const int entry = open.first + (y - top) / layout.row_height;
    return entry < static_cast<int>(open.list->items.size()) ? entry : -1;
}

void MoveDropDownHighlight(DropDown& open, int step) {
    if (!open.list || open.list->items.empty()) return;
    const int count = static_cast<int>(open.list->items.size());
    const int start = open.highlighted < 0 ? (step > 0 ? -1 : count) : open.highlighted;
    open.highlighted = std::clamp(start + step, 0, count - 1);
    const int rows = std::min(count, kDropDownRows);
    if (open.highlighted < open.first) open.first = open.highlighted;
    if (open.highlighted >= open.first + rows) open.first = open.highlighted - rows + 1;
}

void PaintScreen(Screen& screen, Canvas& canvas, int origin_x, int origin_y) {
    PaintScreen(screen, canvas, origin_x, origin_y, nullptr);
}

void PaintScreen(Screen& screen, Canvas& canvas, int origin_x, int origin_y, const DropDown* open) {
    FillBox(canvas, origin_x, origin_y, screen.width(), screen.height(), screen.background);
    for (const auto& control : screen.controls()) {
        if (!control->visible || control->kind == ControlKind::Timer) continue;
        PaintControl(*control, screen, canvas, origin_x + control->x, origin_y + control->y);
    }
    if (open && open->list && open->list->visible) PaintOpenList(*open, screen, canvas, origin_x, origin_y);
}

void PaintModalFrame(const Screen& screen, Canvas& canvas, int origin_x, int origin_y, bool with_title_bar) {
    const int title = with_title_bar ? kTitleBarHeight : 0;
    const int left = origin_x - 2;
    const int top = origin_y - title - 2;
    const int right = origin_x + screen.width() + 1;
    const int bottom = origin_y + screen.height() + 1;
    canvas.Rect(left, top, right, bottom, 1, kOutline);
    canvas.Rect(left + 1, top + 1, right - 1, bottom - 1, 1, kFrameLight);
    if (!with_title_bar) return;
    FillBox(canvas, origin_x, origin_y - title, screen.width(), title, kTitleBar);
    const int line_height = TextLineHeight(10, true);
    canvas.DrawText(origin_x + 6, origin_y - title + (title - line_height) / 2, screen.title, 10,
                    colors::White, true);
}

}  // namespace duskmoor
