#pragma once
// Whole-file reading and crash-safe writing for the files a player cares
// about (characters, saved games): a save either lands completely or leaves
// the previous file as it was, and the file it replaces is kept as a backup.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace duskmoor {

// Reads the whole file into `bytes`. Fails (with a reason in `error`) when the
// file cannot be opened or read, is not a regular file (a folder, a FIFO, a
// device: never waited on), or is larger than `max_size` bytes.
bool ReadWholeFile(const std::string& path, size_t max_size, std::vector<uint8_t>& bytes, std::string& error);
// The same, but a longer file is not an error: only its first `max_size`
// bytes are read (map files keep a fixed size and ignore what follows).
bool ReadFileStart(const std::string& path, size_t max_size, std::vector<uint8_t>& bytes, std::string& error);

// Writes `bytes` to a temporary file in the target's folder, flushes it to the
// disk and renames it over `path`. A file already at `path` is kept beside it
// as `path` + ".bak" (replacing an older backup). On any failure the file at
// `path` is untouched, no temporary file is left behind, and `error` says why.
//
// A write killed at any point leaves `path` and its ".bak" each a complete
// file: `path` the old or the new save, the ".bak" an older one than `path`.
// What a killed write left behind is tidied up by the next write into the
// same folder: half-written files are removed, and a backup that was on its
// way to the ".bak" name gets there.
bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error);

// The steps of a write, in order. A test can stop a write before any of them,
// as if the program had been killed there.
enum class SaveStep {
    WriteNewFile,     // the new contents into a temporary file, flushed
    HoldOldFile,      // a second name for the file being replaced
    ReplaceTarget,    // the new file renamed over the target
    MoveOldToBackup,  // the held old file renamed over the ".bak"
};
// Called before each step; returning false stops the write right there,
// leaving every file as it stands.
using SaveStepCheck = std::function<bool(SaveStep)>;
bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error,
                         const SaveStepCheck& before_step);

// The name of the backup kept beside `path`.
std::string BackupPath(const std::string& path);
// True for the name of a backup that BackupPath makes.
bool IsBackupFile(const std::string& name);

// Creates `folder` (and its parents) if it does not exist yet; false if it
// cannot be made.
bool EnsureFolder(const std::string& folder);

}  // namespace duskmoor
