#include "ui/file_dialog_screen.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <ctime>
#include <system_error>

#include "core/safe_file.h"
#include "ui/widget_style.h"

namespace duskmoor {
namespace {

constexpr int kWidth = 440, kSavingHeight = 340;
// Without a name box the buttons move up into its place.
constexpr int kNameBoxRoom = 42;
constexpr int kListX = 16, kListY = 62, kListWidth = 378;
constexpr int kRowHeight = 22, kRows = 8;
constexpr int kScrollX = kListX + kListWidth + 6, kScrollWidth = 26;
constexpr int kDateWidth = 130;
constexpr int kButtonWidth = 100, kButtonHeight = 32;
constexpr int kPageUp = 33, kPageDown = 34, kEnd = 35, kHome = 36;

char Folded(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool MatchesFrom(const std::string& name, size_t at, const std::string& pattern, size_t from) {
    while (from < pattern.size()) {
        const char wanted = pattern[from];
        if (wanted == '*') {
            // A run of stars is one star; then try every place the rest could start.
            while (from < pattern.size() && pattern[from] == '*') ++from;
            if (from == pattern.size()) return true;
            for (size_t start = at; start <= name.size(); ++start) {
                if (MatchesFrom(name, start, pattern, from)) return true;
            }
            return false;
        }
        if (at == name.size()) return false;
        if (wanted != '?' && Folded(wanted) != Folded(name[at])) return false;
        ++at;
        ++from;
    }
    return at == name.size();
}

std::string TimeText(std::filesystem::file_time_type modified) {
    const auto system = std::chrono::file_clock::to_sys(modified);
    const std::time_t seconds = std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(system));
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

std::string Trimmed(const std::string& text) {
    const size_t start = text.find_first_not_of(' ');
    if (start == std::string::npos) return {};
    return text.substr(start, text.find_last_not_of(' ') - start + 1);
}

std::string Description(const std::string& filter) {
    const size_t bar = filter.find('|');
    return bar == std::string::npos ? filter : filter.substr(0, bar);
}

}  // namespace

std::vector<std::string> FilterPatterns(const std::string& filter) {
    const size_t bar = filter.find('|');
    if (bar == std::string::npos) return {"*"};
    const size_t end = filter.find('|', bar + 1);
    const std::string patterns = filter.substr(bar + 1, end == std::string::npos ? end : end - bar - 1);
    std::vector<std::string> result;
    size_t start = 0;
    while (start <= patterns.size()) {
        size_t stop = patterns.find(';', start);
        if (stop == std::string::npos) stop = patterns.size();
        const std::string pattern = Trimmed(patterns.substr(start, stop - start));
        if (!pattern.empty()) result.push_back(pattern);
        start = stop + 1;
    }
    if (result.empty()) result.push_back("*");
    return result;
}

bool MatchesPattern(const std::string& name, const std::string& pattern) {
    return MatchesFrom(name, 0, pattern, 0);
}

std::vector<FileEntry> ListMatchingFiles(const std::string& folder, const std::string& filter) {
    const std::vector<std::string> patterns = FilterPatterns(filter);
    std::vector<FileEntry> entries;
    std::error_code error;
    std::filesystem::directory_iterator files(folder, error);
    if (error) return entries;
    for (const auto& file : files) {
        if (!file.is_regular_file(error)) continue;
        const std::string name = file.path().filename().string();
        // "*.chr*" would also list the backups kept beside each file.
        if (IsBackupFile(name)) continue;
        const bool wanted =
            std::any_of(patterns.begin(), patterns.end(),
                        [&name](const std::string& pattern) { return MatchesPattern(name, pattern); });
        if (!wanted) continue;
        const auto modified = file.last_write_time(error);
        if (error) continue;
        entries.push_back({name, modified});
    }
    std::sort(entries.begin(), entries.end(), [](const FileEntry& a, const FileEntry& b) {
        if (a.modified != b.modified) return a.modified > b.modified;
        return a.name < b.name;
    });
    return entries;
}

std::string PathInFolder(const std::string& folder, const std::string& name) {
    if (!name.empty() && name.front() == '/') return name;
    if (folder.empty() || folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

FileDialogScreen::FileDialogScreen(Host& host, const FileDialogRequest& request)
    : Screen(host, "FileDialog", kWidth, request.saving ? kSavingHeight : kSavingHeight - kNameBoxRoom),
      request_(request) {
    title = request.saving ? "Save As" : "Open";
    entries_ = ListMatchingFiles(request.folder, request.filter);
    Control& heading = Add(ControlKind::Label, "lblFilter", 16, 12, kWidth - 32, 22);
    heading.caption = Description(request.filter);
    heading.font_size = 13;
    heading.bold = true;
    heading.fore = palette::Heading;
    heading.shadow = true;
    Control& folder = Add(ControlKind::Label, "lblFolder", 16, 36, kWidth - 32, 18);
    folder.caption = request.folder;
    folder.font_size = 9;
    folder.fore = palette::Caption;
    BuildList();
    BuildButtons();
    if (request.saving) focus = &(*this)["txtFileName"];
    Select(entries_.empty() || request.saving ? -1 : 0);
}

void FileDialogScreen::BuildList() {
    Control& field = Add(ControlKind::Label, "lblListFrame", kListX - 1, kListY - 1, kListWidth + 2,
                         kRows * kRowHeight + 2);
    field.back_visible = true;
    field.back = palette::BronzeShade;
    Control& inside = Add(ControlKind::Label, "lblListField", kListX, kListY, kListWidth, kRows * kRowHeight);
    inside.back_visible = true;
    inside.back = palette::Field;
    Control& empty =
        Add(ControlKind::Label, "lblEmpty", kListX, kListY + 2 * kRowHeight, kListWidth, kRowHeight);
    empty.caption = "No files here yet.";
    empty.font_size = 11;
    empty.align = TextAlign::Center;
    empty.fore = palette::FieldDimmed;
    empty.visible = entries_.empty();
    for (int row = 0; row < kRows; ++row) {
        const int y = kListY + row * kRowHeight;
        auto cell = [this, row, y](const std::string& name, int x, int width) -> Control& {
            Control& label =
                Add(ControlKind::Label, name + "[" + std::to_string(row) + "]", x, y, width, kRowHeight);
            label.font_size = 11;
            label.on_click = [this, row] { Select(first_ + row); };
            label.on_dblclick = [this, row] {
                Select(first_ + row);
                Accept();
            };
            return label;
        };
        cell("lblFile", kListX, kListWidth - kDateWidth);
        cell("lblDate", kListX + kListWidth - kDateWidth, kDateWidth).align = TextAlign::Right;
    }
    Control& up = AddButton(*this, "cmdScrollUp", "\u25B2", kScrollX, kListY - 1, kScrollWidth, 40);
    up.on_click = [this] { ScrollTo(first_ - kRows); };
    Control& down = AddButton(*this, "cmdScrollDown", "\u25BC", kScrollX, kListY + kRows * kRowHeight - 39,
                              kScrollWidth, 40);
    down.on_click = [this] { ScrollTo(first_ + kRows); };
}

void FileDialogScreen::BuildButtons() {
    const int name_y = kListY + kRows * kRowHeight + 14;
    Control& caption = AddCaption(*this, "lblFileName", "File name:", 16, name_y + 5, 78, 20);
    Control& name = AddTextBox(*this, "txtFileName", 100, name_y, kListWidth - 84, 28);
    name.caption = request_.default_name;
    caption.visible = name.visible = request_.saving;

    const int buttons_y = height() - kButtonHeight - 14;
    Control& ok = AddDefaultButton(*this, "cmdOK", request_.saving ? "Save" : "Open",
                                   kWidth - 2 * kButtonWidth - 30, buttons_y, kButtonWidth, kButtonHeight);
    ok.on_click = [this] { Accept(); };
    Control& cancel = AddButton(*this, "cmdCancel", "Cancel", kWidth - kButtonWidth - 16, buttons_y,
                                kButtonWidth, kButtonHeight);
    cancel.on_click = [this] { Cancel(); };
}

void FileDialogScreen::Select(int entry) {
    const int count = static_cast<int>(entries_.size());
    if (entry >= count) return;
    selected_ = entry < 0 ? -1 : entry;
    if (selected_ >= 0) {
        if (selected_ < first_) first_ = selected_;
        if (selected_ >= first_ + kRows) first_ = selected_ - kRows + 1;
        // Saving over a listed file starts from its name.
        if (request_.saving) (*this)["txtFileName"].caption = entries_[selected_].name;
    }
    ShowRows();
}

void FileDialogScreen::ScrollTo(int first) {
    const int count = static_cast<int>(entries_.size());
    first_ = std::clamp(first, 0, std::max(0, count - kRows));
    ShowRows();
}

void FileDialogScreen::ShowRows() {
    const int count = static_cast<int>(entries_.size());
    for (int row = 0; row < kRows; ++row) {
        const int entry = first_ + row;
        Control& name = At("lblFile", row);
        Control& date = At("lblDate", row);
        const bool used = entry < count;
        const bool chosen = used && entry == selected_;
        name.caption = used ? " " + entries_[entry].name : std::string();
        date.caption = used ? TimeText(entries_[entry].modified) + " " : std::string();
        name.enabled = date.enabled = used;
        name.back_visible = date.back_visible = chosen;
        name.back = date.back = palette::Selection;
        name.fore = chosen ? palette::SelectionText : palette::FieldText;
        date.fore = chosen ? palette::SelectionText : palette::FieldDimmed;
    }
    (*this)["cmdScrollUp"].enabled = first_ > 0;
    (*this)["cmdScrollDown"].enabled = first_ + kRows < count;
    host().Invalidate();
}

// Each notch of the wheel moves the list three rows.
void FileDialogScreen::MouseWheel(int steps) {
    ScrollTo(first_ - 3 * steps);
}

void FileDialogScreen::KeyDown(int key) {
    const int count = static_cast<int>(entries_.size());
    switch (key) {
        case keys::Up:
            if (count > 0) Select(selected_ < 0 ? 0 : std::max(0, selected_ - 1));
            break;
        case keys::Down:
            if (count > 0) Select(std::min(count - 1, selected_ + 1));
            break;
        case kPageUp:
            if (count > 0) Select(std::max(0, selected_ - kRows));
            break;
        case kPageDown:
            if (count > 0) Select(std::min(count - 1, std::max(0, selected_) + kRows));
            break;
        case kHome:
            if (count > 0 && !request_.saving) Select(0);
            break;
        case kEnd:
            if (count > 0 && !request_.saving) Select(count - 1);
            break;
        case keys::Enter:
            Accept();
            break;
        case keys::Escape:
            Cancel();
            break;
        default:
            // Without a name box, a letter or digit goes to the next file starting with it.
            if (!request_.saving) JumpToLetter(key);
            break;
    }
}

void FileDialogScreen::JumpToLetter(int key) {
    const bool letter = (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9');
    const int count = static_cast<int>(entries_.size());
    if (!letter || count == 0) return;
    for (int step = 1; step <= count; ++step) {
        const int entry = (std::max(selected_, -1) + step) % count;
        const std::string& name = entries_[entry].name;
        if (!name.empty() && Folded(name.front()) == Folded(static_cast<char>(key))) {
            Select(entry);
            return;
        }
    }
}

void FileDialogScreen::Accept() {
    std::string name;
    if (request_.saving) {
        name = Trimmed((*this)["txtFileName"].caption);
    } else if (selected_ >= 0) {
        name = entries_[selected_].name;
    }
    if (name.empty()) return;
    // A save may be the first file of its folder.
    if (request_.saving) EnsureFolder(request_.folder);
    result_ = PathInFolder(request_.folder, name);
    Close();
}

void FileDialogScreen::Cancel() {
    result_.clear();
    Close();
}

}  // namespace duskmoor
