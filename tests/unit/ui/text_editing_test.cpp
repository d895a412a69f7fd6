#include "ui/text_editing.h"

#include <gtest/gtest.h>

#include "ui/screen.h"
#include "ui/screen_painter.h"

namespace duskmoor {
namespace {

Control Page(const std::string& text, int width = 200, int height = 60) {
    Control box;
    box.kind = ControlKind::TextBox;
    box.multi_line = true;
    box.width = width;
    box.height = height;
    box.caption = text;
    return box;
}

void Press(Control& box, std::initializer_list<int> keys) {
    for (int key : keys) {
        bool changed = false;
        EXPECT_TRUE(TextBoxKey(box, key, changed)) << key;
    }
}

// Lines follow the text in order, break only at a line break or a space (or
// inside a word too wide for the box), and fit the box.
TEST(TextEditing, WrappedLinesCoverTheTextAndFit) {
    const std::string text =
        "The raiders came over the garden wall\n\nagain " + std::string(90, 'x') + " end";
    Control box = Page(text);
    const std::vector<TextSpan> lines = LayOutTextBox(box);
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines.front().begin, 0u);
    EXPECT_EQ(lines.back().end, text.size());
    const int room = box.width - 2 * kTextBoxPadding;
    for (size_t index = 0; index < lines.size(); ++index) {
        const TextSpan& line = lines[index];
        ASSERT_LE(line.begin, line.end);
        const std::string shown = text.substr(line.begin, line.end - line.begin);
        EXPECT_TRUE(MeasureText(shown, box.font_size, box.bold) <= room || shown.size() == 1) << shown;
        if (index == 0) continue;
        const size_t gap = line.begin - lines[index - 1].end;
        EXPECT_LE(gap, 1u);
        if (gap == 1) {
            EXPECT_TRUE(text[line.begin - 1] == ' ' || text[line.begin - 1] == '\n');
        }
    }
    EXPECT_EQ(LayOutTextBox(Page("")).size(), 1u);
}

TEST(TextEditing, TheCaretMovesByCharacterLineAndPage) {
    Control box = Page("aaa\naa\naaaaa");
    EXPECT_EQ(CaretOffset(box), box.caption.size());  // -1: at the end
    Press(box, {keys::Up});
    EXPECT_EQ(CaretOffset(box), 6u);  // the end of the shorter line above
    Press(box, {keys::Up});
    EXPECT_EQ(CaretOffset(box), 2u);  // the same column
    Press(box, {keys::Up});
    EXPECT_EQ(CaretOffset(box), 0u);  // above the first line: the start
    Press(box, {keys::End, keys::Right});
    EXPECT_EQ(CaretOffset(box), 4u);
    Press(box, {keys::Left, keys::Left, keys::Home});
    EXPECT_EQ(CaretOffset(box), 0u);
    Press(box, {keys::Down, keys::Down, keys::Down});
    EXPECT_EQ(CaretOffset(box), box.caption.size());
    Press(box, {keys::Home | keys::CtrlModifier});
    EXPECT_EQ(CaretOffset(box), 0u);
    Press(box, {keys::Left});
    EXPECT_EQ(CaretOffset(box), 0u);
    Press(box, {keys::PageDown});
    EXPECT_GT(CaretOffset(box), 0u);
    Press(box, {keys::End | keys::CtrlModifier, keys::Right});
    EXPECT_EQ(CaretOffset(box), box.caption.size());
    // A one-line box leaves its keys to the screen.
    Control line = box;
    line.multi_line = false;
    bool changed = true;
    EXPECT_FALSE(TextBoxKey(line, keys::Left, changed));
    EXPECT_FALSE(changed);
    EXPECT_FALSE(TextBoxKey(box, 'A', changed));
}

TEST(TextEditing, TypingBreakingAndErasingHappenAtTheCaret) {
    Control box = Page("h\xC3\xA9llo");  // "héllo": the é is two bytes
    box.caret = 3;                       // after the é
    bool changed = false;
    EXPECT_TRUE(TextBoxKey(box, keys::Backspace, changed));
    EXPECT_TRUE(changed);
    EXPECT_EQ(box.caption, "hllo");
    EXPECT_TRUE(InsertIntoTextBox(box, "\xE2\x82\xAC"));  // the euro sign
    EXPECT_EQ(box.caption, "h\xE2\x82\xACllo");
    Press(box, {keys::Enter, keys::Delete});
    EXPECT_EQ(box.caption, "h\xE2\x82\xAC\nlo");
    box.caret = 2;  // inside the euro sign's bytes: the caret sits before it
    EXPECT_EQ(CaretOffset(box), 1u);
    // Pasted line breaks of every kind become one; tabs become spaces, other
    // control characters go.
    box.caret = -1;
    EXPECT_TRUE(InsertIntoTextBox(box, "a\r\nb\rc\td\x01"));
    EXPECT_EQ(box.caption, "h\xE2\x82\xAC\nloa\nb\nc d");
    EXPECT_FALSE(InsertIntoTextBox(box, "\x02"));
    Control line = box;
    line.multi_line = false;
    line.caption = "x";
    EXPECT_TRUE(InsertIntoTextBox(line, "1\r\n2"));
    EXPECT_EQ(line.caption, "x12");
}

TEST(TextEditing, TheLimitCountsCharacters) {
    Control box = Page("ab");
    box.max_length = 4;
    EXPECT_TRUE(InsertIntoTextBox(box, "\xC3\xA9xyz"));
    EXPECT_EQ(box.caption, "ab\xC3\xA9x");
    EXPECT_FALSE(InsertIntoTextBox(box, "q"));
    bool changed = true;
    EXPECT_TRUE(TextBoxKey(box, keys::Enter, changed));
    EXPECT_FALSE(changed);
}

TEST(TextEditing, ScrollingKeepsTheCaretInView) {
    std::string text;
    for (int line = 0; line < 30; ++line) text += "line " + std::to_string(line) + "\n";
    Control box = Page(text, 200, 60);
    const int visible = VisibleLines(box);
    ASSERT_LT(visible, 31);
    KeepCaretVisible(box);
    EXPECT_EQ(box.first_line, 31 - visible);  // the end is in view
    ScrollTextBox(box, 100);
    EXPECT_EQ(box.first_line, 31 - visible);
    ScrollTextBox(box, -1000);
    EXPECT_EQ(box.first_line, 0);
    Press(box, {keys::Down});  // the caret was at the end: moving it brings it back into view
    EXPECT_EQ(box.first_line, 31 - visible);
    Press(box, {keys::Home | keys::CtrlModifier});
    EXPECT_EQ(box.first_line, 0);
}

}  // namespace
}  // namespace duskmoor
