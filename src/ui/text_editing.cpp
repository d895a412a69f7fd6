#include "ui/text_editing.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "ui/control_input.h"
#include "ui/screen.h"
#include "ui/screen_painter.h"

namespace duskmoor {
namespace {

// Room on the right of a multi-line box for its scroll bar.
constexpr int kScrollBarRoom = 10;

bool IsContinuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

size_t NextCharacter(std::string_view text, size_t at) {
    if (at >= text.size()) return text.size();
    ++at;
    while (at < text.size() && IsContinuation(text[at])) ++at;
    return at;
}

size_t PreviousCharacter(std::string_view text, size_t at) {
    if (at == 0) return 0;
    --at;
    while (at > 0 && IsContinuation(text[at])) --at;
    return at;
}

int TextRoom(const Control& box) {
    return std::max(1, box.width - 2 * kTextBoxPadding - kScrollBarRoom);
}

int Width(const Control& box, std::string_view text, size_t begin, size_t end) {
    return MeasureText(text.substr(begin, end - begin), box.font_size, box.bold);
}

// Wraps the paragraph text[begin, end) at spaces; a word wider than the box
// is broken between two characters.
void WrapParagraph(const Control& box, std::string_view text, size_t begin, size_t end,
                   std::vector<TextSpan>& lines) {
    const int room = TextRoom(box);
    const std::string_view paragraph = text.substr(0, end);
    size_t start = begin;
    while (true) {
        size_t best_break = std::string_view::npos;
        bool rest_fits = false;
        size_t space = paragraph.find(' ', start + 1);
        while (true) {
            const size_t stop = space == std::string_view::npos ? end : space;
            if (Width(box, text, start, stop) > room) break;
            if (stop == end) {
                rest_fits = true;
                break;
            }
            best_break = stop;
            space = paragraph.find(' ', stop + 1);
        }
        if (rest_fits || start >= end) {
            lines.push_back({start, end});
            return;
        }
        if (best_break != std::string_view::npos) {
            lines.push_back({start, best_break});
            start = best_break + 1;
            continue;
        }
        size_t fit = NextCharacter(text, start);
        while (fit < end) {
            const size_t next = NextCharacter(text, fit);
            if (next > end || Width(box, text, start, next) > room) break;
            fit = next;
        }
        lines.push_back({start, fit});
        start = fit;
    }
}

std::vector<TextSpan> WrapAll(const Control& box) {
    std::vector<TextSpan> lines;
    const std::string_view text = box.caption;
    size_t begin = 0;
    while (true) {
        size_t end = text.find('\n', begin);
        if (end == std::string_view::npos) end = text.size();
        WrapParagraph(box, text, begin, end, lines);
        if (end == text.size()) break;
        begin = end + 1;
    }
    return lines;
}

void SetCaret(Control& box, size_t offset) {
    box.caret = static_cast<int>(std::min(offset, box.caption.size()));
}

// The position on `line` whose distance from the line's start comes closest
// to `x` pixels.
size_t ClosestOnLine(const Control& box, const TextSpan& line, int x) {
    const std::string_view text = box.caption;
    size_t best = line.begin;
    int best_gap = std::abs(x);
    for (size_t at = line.begin; at < line.end;) {
        at = NextCharacter(text, at);
        const int width = Width(box, text, line.begin, at);
        const int gap = std::abs(width - x);
        if (gap < best_gap) {
            best = at;
            best_gap = gap;
        }
        if (width > x) break;
    }
    return best;
}

void MoveCaretByLines(Control& box, int delta) {
    const std::vector<TextSpan> lines = LayOutTextBox(box);
    const size_t caret = CaretOffset(box);
    const int line = CaretLine(lines, caret);
    const int target = line + delta;
    // Beyond the first or last line the caret goes to the text's start or end.
    if (target < 0) return SetCaret(box, 0);
    if (target >= static_cast<int>(lines.size())) return SetCaret(box, box.caption.size());
    const int x = Width(box, box.caption, lines[line].begin, caret);
    SetCaret(box, ClosestOnLine(box, lines[target], x));
}

void MoveCaretInLine(Control& box, bool to_end) {
    const std::vector<TextSpan> lines = LayOutTextBox(box);
    const TextSpan& line = lines[CaretLine(lines, CaretOffset(box))];
    SetCaret(box, to_end ? line.end : line.begin);
}

bool EraseCharacter(Control& box, bool before_caret) {
    const size_t caret = CaretOffset(box);
    const std::string_view text = box.caption;
    const size_t from = before_caret ? PreviousCharacter(text, caret) : caret;
    const size_t to = before_caret ? caret : NextCharacter(text, caret);
    if (from == to) return false;
    box.caption.erase(from, to - from);
    SetCaret(box, from);
    return true;
}

// Typed text as the box takes it: one "\n" per line break in a multi-line box,
// none in a one-line box; tabs become spaces and other control characters go.
std::string Normalised(std::string_view typed, bool multi_line) {
    std::string out;
    for (size_t at = 0; at < typed.size(); ++at) {
        const char c = typed[at];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && at + 1 < typed.size() && typed[at + 1] == '\n') ++at;
            if (multi_line) out += '\n';
        } else if (c == '\t') {
            out += ' ';
        } else if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) {
            out += c;
        }
    }
    return out;
}

}  // namespace

std::vector<TextSpan> LayOutTextBox(const Control& box) {
    // Painting lays out every frame: the last layout is kept, so that a long
    // page is wrapped again only when its text or its box changes.
    struct Cached {
        std::string text;
        int width = -1, font_size = 0;
        bool bold = false;
        std::vector<TextSpan> lines;
    };
    static Cached cached;
    if (cached.width != box.width || cached.font_size != box.font_size || cached.bold != box.bold ||
        cached.text != box.caption) {
        cached.lines = WrapAll(box);
        cached.text = box.caption;
        cached.width = box.width;
        cached.font_size = box.font_size;
        cached.bold = box.bold;
    }
    return cached.lines;
}

int VisibleLines(const Control& box) {
    return std::max(1, (box.height - 2 * kTextBoxPadding) / TextLineHeight(box.font_size, box.bold));
}

size_t CaretOffset(const Control& box) {
    const std::string_view text = box.caption;
    if (box.caret < 0 || static_cast<size_t>(box.caret) >= text.size()) return text.size();
    size_t at = static_cast<size_t>(box.caret);
    while (at > 0 && IsContinuation(text[at])) --at;
    return at;
}

int CaretLine(const std::vector<TextSpan>& lines, size_t caret) {
    int line = 0;
    for (int index = 0; index < static_cast<int>(lines.size()); ++index) {
        if (lines[index].begin <= caret) line = index;
    }
    return line;
}

bool TextBoxKey(Control& box, int key, bool& changed) {
    changed = false;
    if (!box.multi_line) return false;
    const size_t caret = CaretOffset(box);
    switch (key) {
        case keys::Left:
            SetCaret(box, PreviousCharacter(box.caption, caret));
            break;
        case keys::Right:
            SetCaret(box, NextCharacter(box.caption, caret));
            break;
        case keys::Up:
        case keys::Down:
            MoveCaretByLines(box, key == keys::Up ? -1 : 1);
            break;
        case keys::PageUp:
        case keys::PageDown:
            MoveCaretByLines(box, (key == keys::PageUp ? -1 : 1) * std::max(1, VisibleLines(box) - 1));
            break;
        case keys::Home:
        case keys::End:
            MoveCaretInLine(box, key == keys::End);
            break;
        case keys::Home | keys::CtrlModifier:
            SetCaret(box, 0);
            break;
        case keys::End | keys::CtrlModifier:
            SetCaret(box, box.caption.size());
            break;
        case keys::Enter:
            changed = InsertIntoTextBox(box, "\n");
            break;
        case keys::Backspace:
        case keys::Delete:
            changed = EraseCharacter(box, key == keys::Backspace);
            break;
        default:
            return false;
    }
    KeepCaretVisible(box);
    return true;
}

bool InsertIntoTextBox(Control& box, std::string_view typed) {
    const std::string text = Normalised(typed, box.multi_line);
    if (!box.multi_line) return AppendTyped(box.caption, text, box.max_length);
    int room = 0;  // no limit
    if (box.max_length > 0) {
        room = box.max_length - CharacterCount(box.caption);
        if (room <= 0) return false;
    }
    std::string accepted;
    if (!AppendTyped(accepted, text, room)) return false;
    const size_t caret = CaretOffset(box);
    box.caption.insert(caret, accepted);
    SetCaret(box, caret + accepted.size());
    KeepCaretVisible(box);
    return true;
}

void ScrollTextBox(Control& box, int lines) {
    const int count = static_cast<int>(LayOutTextBox(box).size());
    box.first_line = std::clamp(box.first_line + lines, 0, std::max(0, count - VisibleLines(box)));
}

void KeepCaretVisible(Control& box) {
    const std::vector<TextSpan> lines = LayOutTextBox(box);
    const int line = CaretLine(lines, CaretOffset(box));
    const int visible = VisibleLines(box);
    if (line < box.first_line) box.first_line = line;
    if (line >= box.first_line + visible) box.first_line = line - visible + 1;
    box.first_line = std::clamp(box.first_line, 0, std::max(0, static_cast<int>(lines.size()) - visible));
}

}  // namespace duskmoor
