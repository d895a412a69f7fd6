#pragma once
// The common file dialog of the window host, drawn in the game's own style:
// the files of the starting folder that match the filter, newest first, a
// name box when saving, and OK and Cancel. It answers a full path, or an
// empty text when cancelled.
#include <filesystem>
#include <string>
#include <vector>

#include "ui/host.h"
#include "ui/screen.h"

namespace duskmoor {

// The patterns of a filter text "Description|pattern[;pattern]|": the part
// after the first bar. A filter without a bar matches everything.
std::vector<std::string> FilterPatterns(const std::string& filter);
// Whole-name matching with * (any run) and ? (one character), ignoring the
// case of letters as the file dialogs of the game always have.
bool MatchesPattern(const std::string& name, const std::string& pattern);

struct FileEntry {
    std::string name;
    std::filesystem::file_time_type modified;
};
// The plain files of `folder` that match the filter, newest first (equal
// times by name). A missing or unreadable folder has none.
std::vector<FileEntry> ListMatchingFiles(const std::string& folder, const std::string& filter);
// `name` inside `folder`; a name that is already an absolute path stays as it is.
std::string PathInFolder(const std::string& folder, const std::string& name);

class FileDialogScreen : public Screen {
  public:
    FileDialogScreen(Host& host, const FileDialogRequest& request);

    // The chosen file's full path; empty until OK, and after Cancel.
    const std::string& Result() const { return result_; }
    int SelectedEntry() const { return selected_; }
    int FirstRowShown() const { return first_; }

    void MouseWheel(int steps) override;
    void KeyDown(int key) override;
    void CloseRequested() override { Cancel(); }

  private:
    void BuildList();
    void BuildButtons();
    void Select(int entry);
    void ScrollTo(int first);
    void ShowRows();
    void JumpToLetter(int key);
    void Accept();
    void Cancel();

    FileDialogRequest request_;
    std::vector<FileEntry> entries_;
    int selected_ = -1;
    int first_ = 0;
    std::string result_;
};

}  // namespace duskmoor
