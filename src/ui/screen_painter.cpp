#include "ui/screen_painter.h"

#include <algorithm>

#include "ui/control_input.h"
#include "ui/resources.h"
#include "ui/text_editing.h"
#include "ui/widget_style.h"
#include "ui/window_layout.h"

namespace duskmoor {

namespace {

constexpr int kArrowWidth = 16;
constexpr int kScrollBarWidth = 10;
// The rim of a button: the dark outline, two pixels of bronze, a dark groove.
constexpr int kRimWidth = 4;

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
    return control.enabled ? control.fore : palette::Dimmed;
}

// Text in a control's font, with the heading's shadow when the control asks for it.
void ControlText(Canvas& canvas, const Control& control, int x, int y, std::string_view text, Color color) {
    if (control.shadow) {
        DrawShadowedText(canvas, x, y, text, control.font_size, color, control.bold);
    } else {
        canvas.DrawText(x, y, text, control.font_size, color, control.bold);
    }
}

// The longest start of a text that fits `width` pixels, so that an entry never
// runs out of its box onto the next field.
std::string FittedText(const std::string& text, int width, int size, bool bold) {
    if (MeasureText(text, size, bold) <= width) return text;
    std::string fitted = text;
    while (!fitted.empty() && MeasureText(fitted + "...", size, bold) > width) {
        size_t cut = fitted.size() - 1;
        while (cut > 0 && (static_cast<unsigned char>(fitted[cut]) & 0xC0) == 0x80) --cut;
        fitted.erase(cut);
    }
    return fitted + "...";
}

// A small, steady grain for stone faces: the same pixel always gets the same value.
int Grain(int x, int y) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return static_cast<int>((h ^ (h >> 16)) & 15u) - 8;
}

Color Mix(Color from, Color to, int step, int steps) {
    auto channel = [&](uint8_t a, uint8_t b) {
        return static_cast<uint8_t>(a + (static_cast<int>(b) - a) * step / std::max(1, steps));
    };
    return Rgb(channel(from.r, to.r), channel(from.g, to.g), channel(from.b, to.b));
}

Color Lighten(Color color, int amount) {
    auto channel = [amount](uint8_t value) {
        return static_cast<uint8_t>(std::clamp(value + amount, 0, 255));
    };
    return Rgb(channel(color.r), channel(color.g), channel(color.b));
}

// Weathered stone, lighter at the top, its grain fixed to the control.
void FillStone(Canvas& canvas, int x, int y, int width, int height) {
    for (int row = 0; row < height; ++row) {
        const Color base = Mix(palette::StoneTop, palette::StoneBottom, row, height - 1);
        for (int column = 0; column < width; ++column)
            canvas.SetPixel(x + column, y + row, Lighten(base, Grain(column, row)));
    }
}

// The bronze rim of a plate: an outline, two lit or shaded bronze pixels, a groove.
// Sunken, the light falls the other way.
void BronzeRim(Canvas& canvas, int x, int y, int width, int height, bool sunken, Color outline) {
    canvas.Rect(x, y, x + width - 1, y + height - 1, 1, outline);
    const Color lit[2] = {palette::BronzeLit, palette::BronzeMid};
    const Color shade[2] = {palette::BronzeShade, Mix(palette::BronzeShade, palette::BronzeMid, 1, 2)};
    for (int depth = 1; depth <= 2; ++depth) {
        const Color top_left = sunken ? shade[depth - 1] : lit[depth - 1];
        const Color bottom_right = sunken ? lit[depth - 1] : shade[depth - 1];
        Bevel(canvas, x + depth, y + depth, width - 2 * depth, height - 2 * depth, top_left, bottom_right);
    }
    canvas.Rect(x + 3, y + 3, x + width - 4, y + height - 4, 1, palette::BronzeDark);
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
        ControlText(canvas, control, AlignedX(control.align, x, width, text_width), y, lines[index], color);
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
        DrawShadowedText(canvas, x + (width - text_width) / 2, top + static_cast<int>(index) * line_height,
                         lines[index], control.font_size, color, control.bold);
    }
}

void PaintLabel(const Control& control, Canvas& canvas, int x, int y) {
    if (control.back_visible) FillBox(canvas, x, y, control.width, control.height, control.back);
    // A bordered label is a panel set into the stone.
    if (control.border)
        Bevel(canvas, x, y, control.width, control.height, palette::InsetShadow, palette::InsetLight);
    const std::vector<std::string> lines =
        control.word_wrap ? WrapText(control.caption, control.width, control.font_size, control.bold)
                          : SplitLines(control.caption);
    DrawLines(canvas, lines, x, y, control.width, y + control.height, control, TextColor(control));
}

void PaintPlate(const Control& control, const Screen& screen, Canvas& canvas, int x, int y) {
    const int width = control.width;
    const int height = control.height;
    FillStone(canvas, x + kRimWidth, y + kRimWidth, width - 2 * kRimWidth, height - 2 * kRimWidth);
    // The button Enter presses wears a gold outline.
    const bool is_default = screen.default_button == &control && control.Clickable();
    BronzeRim(canvas, x, y, width, height, control.pressed,
              is_default ? palette::Focus : palette::BronzeDark);
    const int shift = control.pressed ? 1 : 0;
    DrawCentredCaption(canvas, control, x + shift, y + shift, width, height, TextColor(control));
}

void PaintImageButton(const Control& control, const Screen& screen, Canvas& canvas, int x, int y) {
    const Bitmap* picture = control.picture.empty() ? nullptr : ResourceBitmap(control.picture);
    if (!picture) {
        PaintPlate(control, screen, canvas, x, y);
        return;
    }
    if (!control.border && !control.pressed) {
        canvas.BlitScaled(*picture, x, y, control.width, control.height);
        // The button Enter presses wears a gold outline.
        if (screen.default_button == &control && control.Clickable())
            canvas.Rect(x, y, x + control.width - 1, y + control.height - 1, 1, palette::Focus);
        return;
    }
    // The pressed look: a single line round the picture, which sinks by a pixel.
    canvas.Rect(x, y, x + control.width - 1, y + control.height - 1, 1, colors::Black);
    const int shift = control.pressed ? 1 : 0;
    canvas.BlitScaled(*picture, x + 1 + shift, y + 1 + shift, control.width - 2 - shift,
                      control.height - 2 - shift);
}

// A parchment field sunk into the stone; the one that takes typed keys wears a gold ring.
void PaintField(const Control& control, const Screen& screen, Canvas& canvas, int x, int y) {
    FillBox(canvas, x, y, control.width, control.height, control.enabled ? palette::Field : palette::Dimmed);
    Bevel(canvas, x, y, control.width, control.height, palette::BronzeShade, palette::BronzeLit);
    if (screen.focus == &control && control.enabled) {
        canvas.Rect(x + 1, y + 1, x + control.width - 2, y + control.height - 2, 1, palette::Focus);
    }
}

Color FieldTextColor(const Control& control) {
    if (!control.enabled) return palette::FieldDimmed;
    // Text boxes left in the default white would vanish on parchment.
    return control.fore == colors::White ? palette::FieldText : control.fore;
}

// A page of text: its wrapped lines from the first one scrolled to, the caret
// where the typing goes, and a scroll bar when the page is longer than the box.
void PaintMultiLineTextBox(const Control& control, const Screen& screen, Canvas& canvas, int x, int y) {
    PaintField(control, screen, canvas, x, y);
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
        const int caret_x = text_x + MeasureText(text.substr(line.begin, caret - line.begin),
                                                 control.font_size, control.bold);
        const int caret_y = y + kTextBoxPadding + (caret_line - first) * line_height;
        canvas.Line(caret_x, caret_y, caret_x, caret_y + line_height - 1, 1, color);
    }
    if (count <= visible) return;
    const int track_x = x + control.width - 8, track_y = y + 3, track_height = control.height - 6;
    FillBox(canvas, track_x, track_y, 5, track_height, palette::Inset);
    const ScrollThumb thumb = ScrollBarThumb(count, visible, first, track_height);
    FillBox(canvas, track_x, track_y + thumb.top, 5, thumb.length, palette::BronzeMid);
}

void PaintTextBox(const Control& control, const Screen& screen, Canvas& canvas, int x, int y) {
    if (control.multi_line) return PaintMultiLineTextBox(control, screen, canvas, x, y);
    PaintField(control, screen, canvas, x, y);
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

// A small bronze plate with a triangle pointing down (or up).
void PaintArrowButton(Canvas& canvas, int x, int y, int width, int height, bool up) {
    FillBox(canvas, x, y, width, height, palette::BronzeMid);
    Bevel(canvas, x, y, width, height, palette::BronzeLit, palette::BronzeShade);
    const int centre_x = x + width / 2;
    const int top = y + height / 2 - 2;
    for (int row = 0; row < 4; ++row) {
        const int line_y = up ? top + 3 - row : top + row;
        canvas.Line(centre_x - 3 + row, line_y, centre_x + 3 - row, line_y, 1, palette::BronzeDark);
    }
}

void PaintList(const Control& control, const Screen& screen, Canvas& canvas, int x, int y) {
    PaintField(control, screen, canvas, x, y);
    const int arrow_width = std::min(kArrowWidth, control.height - 4);
    PaintArrowButton(canvas, x + control.width - arrow_width - 2, y + 2, arrow_width, control.height - 4,
                     false);
    const bool has_entry = control.selected >= 0 && control.selected < static_cast<int>(control.items.size());
    if (!has_entry) return;
    const int line_height = TextLineHeight(control.font_size, control.bold);
    const int room = control.width - arrow_width - 10;
    canvas.DrawText(x + 5, y + (control.height - line_height) / 2,
                    FittedText(control.items[control.selected], room, control.font_size, control.bold),
                    control.font_size, FieldTextColor(control), control.bold);
}

// The scroll bar of an open list with more entries than rows: a groove with a
// bronze thumb whose length and place show the part of the list in view.
void PaintScrollBar(Canvas& canvas, const DropDown& open, const DropDownLayout& layout, int x, int y) {
    const int count = static_cast<int>(open.list->items.size());
    const int height = layout.rows * layout.row_height;
    FillBox(canvas, x, y, kScrollBarWidth, height, palette::Inset);
    const ScrollThumb thumb = ScrollBarThumb(count, layout.rows, open.first, height);
    FillBox(canvas, x + 1, y + thumb.top, kScrollBarWidth - 2, thumb.length, palette::BronzeMid);
    Bevel(canvas, x + 1, y + thumb.top, kScrollBarWidth - 2, thumb.length, palette::BronzeLit,
          palette::BronzeShade);
}

void PaintOpenList(const DropDown& open, const Screen& screen, Canvas& canvas, int origin_x, int origin_y) {
    const Control& list = *open.list;
    const DropDownLayout layout = LayoutDropDown(list, screen.height());
    const int x = origin_x + layout.x;
    const int y = origin_y + layout.y;
    const int rows_height = layout.rows * layout.row_height;
    FillBox(canvas, x, y, layout.width, rows_height + 2, palette::BronzeDark);
    FillBox(canvas, x + 1, y + 1, layout.width - 2, rows_height, palette::Field);
    const int count = static_cast<int>(list.items.size());
    const bool scrolls = count > layout.rows;
    const int row_width = layout.width - 2 - (scrolls ? kScrollBarWidth : 0);
    for (int row = 0; row < layout.rows; ++row) {
        const int entry = open.first + row;
        if (entry >= count) break;
        const int row_y = y + 1 + row * layout.row_height;
        Color color = palette::FieldText;
        if (entry == open.highlighted) {
            FillBox(canvas, x + 1, row_y, row_width, layout.row_height, palette::Selection);
            color = palette::SelectionText;
        }
        canvas.DrawText(x + 4, row_y + 1,
                        FittedText(list.items[entry], row_width - 6, list.font_size, list.bold),
                        list.font_size, color, list.bold);
    }
    if (scrolls) PaintScrollBar(canvas, open, layout, x + layout.width - 1 - kScrollBarWidth, y + 1);
}

void PaintControl(const Control& control, const Screen& screen, Canvas& canvas, int x, int y) {
    switch (control.kind) {
        case ControlKind::Label:
            PaintLabel(control, canvas, x, y);
            break;
        case ControlKind::ImageButton:
            PaintImageButton(control, screen, canvas, x, y);
            break;
        case ControlKind::Button:
            PaintPlate(control, screen, canvas, x, y);
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
            if (control.border)
                canvas.Rect(x, y, x + control.width - 1, y + control.height - 1, 1, colors::Black);
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
    const int count = std::min(static_cast<int>(list.items.size()), kDropDownRows);
    const int below = list.y + list.height;
    const int rows_below = (screen_height - below - 2) / layout.row_height;
    const int rows_above = (list.y - 2) / layout.row_height;
    // All the entries below the box when they fit, else above it; when neither
    // side holds them all, the roomier side with a scroll bar.
    const bool open_below = rows_below >= count || (rows_above < count && rows_below >= rows_above);
    layout.rows = std::max(1, std::min(count, open_below ? rows_below : rows_above));
    const int height = layout.rows * layout.row_height + 2;
    layout.y = open_below ? below : list.y - height;
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

void MoveDropDownHighlight(DropDown& open, int step, int rows) {
    if (!open.list || open.list->items.empty()) return;
    const int count = static_cast<int>(open.list->items.size());
    const int start = open.highlighted < 0 ? (step > 0 ? -1 : count) : open.highlighted;
    open.highlighted = std::clamp(start + step, 0, count - 1);
    rows = std::clamp(rows, 1, count);
    if (open.highlighted < open.first) open.first = open.highlighted;
    if (open.highlighted >= open.first + rows) open.first = open.highlighted - rows + 1;
    open.first = std::clamp(open.first, 0, count - rows);
}

ScrollThumb ScrollBarThumb(int count, int rows, int first, int track) {
    ScrollThumb thumb{0, track};
    if (count <= rows || count <= 0 || track <= 0) return thumb;
    thumb.length = std::max(6, track * rows / count);
    const int travel = track - thumb.length;
    thumb.top = count == rows ? 0 : travel * first / (count - rows);
    thumb.top = std::clamp(thumb.top, 0, travel);
    return thumb;
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
    // A bronze rim round the screen and its caption strip, as round the buttons.
    BronzeRim(canvas, origin_x - kRimWidth, origin_y - title - kRimWidth, screen.width() + 2 * kRimWidth,
              screen.height() + title + 2 * kRimWidth, false, palette::BronzeDark);
    if (!with_title_bar) return;
    const int strip_top = origin_y - title;
    for (int row = 0; row < title; ++row) {
        const Color shade = Mix(palette::BronzeShade, palette::BronzeDark, row, title - 1);
        canvas.Line(origin_x, strip_top + row, origin_x + screen.width() - 1, strip_top + row, 1, shade);
    }
    canvas.Line(origin_x, origin_y - 1, origin_x + screen.width() - 1, origin_y - 1, 1, palette::BronzeDark);
    const int size = text_size::Small;
    const int text_width = MeasureText(screen.title, size, true);
    const int line_height = TextLineHeight(size, true);
    DrawShadowedText(canvas, origin_x + (screen.width() - text_width) / 2,
                     strip_top + (title - line_height) / 2, screen.title, size, palette::ButtonText, true);
}

}  // namespace duskmoor
