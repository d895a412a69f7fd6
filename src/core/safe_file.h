#pragma once
// Whole-file reading and crash-safe writing for the files a player cares
// about (characters, saved games): a save either lands completely or leaves
// the previous file as it was, and the file it replaces is kept as a backup.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace duskmoor {

// Reads the whole file into `bytes`. Fails (with a reason in `error`) when the
// file cannot be opened or read, or is larger than `max_size` bytes.
bool ReadWholeFile(const std::string& path, size_t max_size, std::vector<uint8_t>& bytes, std::string& error);

// Writes `bytes` to a temporary file in the target's folder, flushes it to the
// disk and renames it over `path`. A file already at `path` is kept beside it
// as `path` + ".bak" (replacing an older backup). On any failure the file at
// `path` is untouched, no temporary file is left behind, and `error` says why.
bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error);

// The name of the backup kept beside `path`.
std::string BackupPath(const std::string& path);
// True for the name of a backup that BackupPath makes.
bool IsBackupFile(const std::string& name);

// Creates `folder` (and its parents) if it does not exist yet; false if it
// cannot be made.
bool EnsureFolder(const std::string& folder);

}  // namespace duskmoor
