#include "ui/file_dialog_screen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "script/script_host.h"

namespace duskmoor {
namespace {

namespace fs = std::filesystem;
constexpr const char* kCharacters = "Character Files (*.chr*)|*.chr*|";

// A scratch folder with files written oldest first, `age_step` seconds apart.
struct ScratchFolder {
    explicit ScratchFolder(const char* name) : path(fs::temp_directory_path() / name) {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~ScratchFolder() { fs::remove_all(path); }
    void Write(const std::string& name, int seconds_old) {
        std::ofstream(path / name) << "x";
        fs::last_write_time(path / name, now - std::chrono::seconds(seconds_old));
    }
    std::string Folder() const { return path.string() + "/"; }
    fs::path path;
    fs::file_time_type now = fs::file_time_type::clock::now();
};

std::vector<std::string> Names(const std::vector<FileEntry>& entries) {
    std::vector<std::string> names;
    for (const FileEntry& entry : entries) names.push_back(entry.name);
    return names;
}

TEST(FileDialogListing, FilterPatternsAndMatching) {
    EXPECT_EQ(FilterPatterns(kCharacters), std::vector<std::string>{"*.chr*"});
    EXPECT_EQ(FilterPatterns("Duskmoor Save (*.dms*)|*.dms*|"), std::vector<std::string>{"*.dms*"});
    EXPECT_EQ(FilterPatterns("Pictures|*.bmp; *.png|Other|*.*|"),
              (std::vector<std::string>{"*.bmp", "*.png"}));
    EXPECT_EQ(FilterPatterns("no bar"), std::vector<std::string>{"*"});
    EXPECT_EQ(FilterPatterns("Empty||"), std::vector<std::string>{"*"});

    EXPECT_TRUE(MatchesPattern("Evro.chr", "*.chr*"));
    EXPECT_TRUE(MatchesPattern("Evro.chr.bak", "*.chr*"));
    EXPECT_TRUE(MatchesPattern("EVRO.CHR", "*.chr*"));
    EXPECT_TRUE(MatchesPattern(".chr", "*.chr*"));
    EXPECT_FALSE(MatchesPattern("Evro.ch", "*.chr*"));
    EXPECT_FALSE(MatchesPattern("Evrochr", "*.chr*"));
    EXPECT_FALSE(MatchesPattern("Evro.dms", "*.chr*"));
    EXPECT_TRUE(MatchesPattern("a.b", "?.?"));
    EXPECT_FALSE(MatchesPattern("ab.b", "?.?"));
    EXPECT_TRUE(MatchesPattern("anything", "**"));
    EXPECT_TRUE(MatchesPattern("", "*"));
    EXPECT_FALSE(MatchesPattern("", "?"));
}

TEST(FileDialogListing, NewestFirstAndOnlyMatchingFiles) {
    ScratchFolder scratch("duskmoor_file_dialog_listing");
    scratch.Write("Old.chr", 300);
    scratch.Write("Newest.chr", 10);
    scratch.Write("Middle.chr", 100);
    scratch.Write("Middle.chr.bak", 100);  // a backup is never offered
    scratch.Write("TiedB.chr", 200);
    scratch.Write("TiedA.chr", 200);
    scratch.Write("game.dms", 1);
    fs::create_directories(scratch.path / "Folder.chr");
    EXPECT_EQ(Names(ListMatchingFiles(scratch.Folder(), kCharacters)),
              (std::vector<std::string>{"Newest.chr", "Middle.chr", "TiedA.chr", "TiedB.chr", "Old.chr"}));
    EXPECT_EQ(Names(ListMatchingFiles(scratch.path.string(), "Duskmoor Save (*.dms*)|*.dms*|")),
              std::vector<std::string>{"game.dms"});
    EXPECT_TRUE(ListMatchingFiles((scratch.path / "missing").string(), kCharacters).empty());

    EXPECT_EQ(PathInFolder("/games/Characters/", "Evro.chr"), "/games/Characters/Evro.chr");
    EXPECT_EQ(PathInFolder("/games/Characters", "Evro.chr"), "/games/Characters/Evro.chr");
    EXPECT_EQ(PathInFolder("/games/Characters/", "/tmp/x.chr"), "/tmp/x.chr");
}

// Runs the dialog from a script and returns what it answered.
std::string RunDialog(const FileDialogRequest& request, const std::string& script,
                      std::string* transcript_out = nullptr, int* first_row = nullptr) {
    std::istringstream input(script);
    std::ostringstream transcript;
    ScriptHost host(input, transcript, "/nonexistent/");
    FileDialogScreen dialog(host, request);
    host.RunModal(dialog);
    if (transcript_out) *transcript_out = transcript.str();
    if (first_row) *first_row = dialog.FirstRowShown();
    return dialog.Result();
}

TEST(FileDialogScreen, OpensWithKeysAndMouse) {
    ScratchFolder scratch("duskmoor_file_dialog_open");
    for (int file = 0; file < 12; ++file)
        scratch.Write("Hero" + std::to_string(10 + file) + ".chr", 100 - file);
    FileDialogRequest request;
    request.filter = kCharacters;
    request.folder = scratch.Folder();
    const std::string folder = scratch.Folder();

    std::string transcript;
    // The newest file is chosen at first; Enter opens it.
    EXPECT_EQ(RunDialog(request, "show lblFile[0]\ntype txtFileName x\nkey Enter\n", &transcript),
              folder + "Hero21.chr");
    EXPECT_EQ(transcript,
              "open FileDialog\nshow lblFile[0]= Hero21.chr\nignored type txtFileName (hidden)\nclose "
              "FileDialog\n");
    EXPECT_EQ(RunDialog(request, "key Down\nkey Down\nkey Up\nclick cmdOK\n"), folder + "Hero20.chr");
    EXPECT_EQ(RunDialog(request, "click lblFile[3]\nclick cmdOK\n"), folder + "Hero18.chr");
    EXPECT_EQ(RunDialog(request, "dblclick lblDate[2]\n"), folder + "Hero19.chr");
    // End (key 35) goes past the eighth row and scrolls; the rows then show later files.
    int first_row = -1;
    EXPECT_EQ(RunDialog(request, "key 35\nshow lblFile[7]\nkey Enter\n", &transcript, &first_row),
              folder + "Hero10.chr");
    EXPECT_EQ(first_row, 4);
    EXPECT_NE(transcript.find("show lblFile[7]= Hero10.chr"), std::string::npos);
    EXPECT_EQ(RunDialog(request, "click cmdScrollDown\nclick lblFile[0]\nclick cmdOK\n"),
              folder + "Hero17.chr");
    // A letter goes to the next file starting with it.
    EXPECT_EQ(RunDialog(request, "key H\nkey Enter\n"), folder + "Hero20.chr");
    EXPECT_EQ(RunDialog(request, "click cmdCancel\n"), "");
    EXPECT_EQ(RunDialog(request, "key Down\nkey Escape\n"), "");

    // Nothing to open: OK does nothing until the player cancels.
    request.folder = (scratch.path / "missing").string();
    EXPECT_EQ(RunDialog(request, "show lblEmpty\nclick cmdOK\nkey Enter\nclick cmdCancel\n", &transcript),
              "");
    EXPECT_EQ(transcript, "open FileDialog\nshow lblEmpty=No files here yet.\nclose FileDialog\n");
}

TEST(FileDialogScreen, SavesUnderTheTypedName) {
    ScratchFolder scratch("duskmoor_file_dialog_save");
    scratch.Write("Evro.chr", 50);
    FileDialogRequest request;
    request.saving = true;
    request.filter = kCharacters;
    request.folder = (scratch.path / "Characters").string() + "/";
    request.default_name = "Brandor.chr";

    // The folder does not exist yet: the list is empty and saving makes the folder.
    EXPECT_EQ(RunDialog(request, "show txtFileName\nclick cmdOK\n"), request.folder + "Brandor.chr");
    EXPECT_TRUE(fs::is_directory(scratch.path / "Characters"));
    EXPECT_EQ(RunDialog(request, "type txtFileName   Other  \nkey Enter\n"), request.folder + "Other");
    // An empty name saves nothing and keeps the dialog open.
    EXPECT_EQ(RunDialog(request, "type txtFileName \"\"\nclick cmdOK\nclick cmdCancel\n"), "");

    // Choosing a listed file takes its name into the box.
    request.folder = scratch.Folder();
    std::string transcript;
    EXPECT_EQ(RunDialog(request, "click lblFile[0]\nshow txtFileName\nclick cmdOK\n", &transcript),
              scratch.Folder() + "Evro.chr");
    EXPECT_NE(transcript.find("show txtFileName=Evro.chr"), std::string::npos);
}

}  // namespace
}  // namespace duskmoor

namespace duskmoor {
namespace {

TEST(FileDialogScreen, TheWheelScrollsTheListWithinItsEnds) {
    ScratchFolder scratch("duskmoor_file_dialog_wheel");
    for (int file = 0; file < 20; ++file) scratch.Write("Hero" + std::to_string(file) + ".chr", file);
    std::istringstream no_script;
    std::ostringstream transcript;
    ScriptHost host(no_script, transcript, "/nonexistent/");
    FileDialogRequest request;
    request.filter = "Character Files (*.chr*)|*.chr*|";
    request.folder = scratch.Folder();
    FileDialogScreen dialog(host, request);
    EXPECT_EQ(dialog.FirstRowShown(), 0);
    dialog.MouseWheel(-1);  // towards the player: further down the list
    EXPECT_EQ(dialog.FirstRowShown(), 3);
    dialog.MouseWheel(-10);
    const int last_first_row = dialog.FirstRowShown();
    EXPECT_GT(last_first_row, 3);
    EXPECT_LE(last_first_row, 19);
    dialog.MouseWheel(-1);
    EXPECT_EQ(dialog.FirstRowShown(), last_first_row);
    dialog.MouseWheel(10);
    EXPECT_EQ(dialog.FirstRowShown(), 0);
}

}  // namespace
}  // namespace duskmoor
