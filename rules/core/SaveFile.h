// Load and save of the whole roster, the save file rikishi.r.
#pragma once

#include "rules/core/Rikishi.h"

#include <functional>
#include <string>

#if !defined(__BYTE_ORDER__) || __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "The save file is the little-endian memory image of the roster."
#endif

constexpr const char* kSaveFileName = "rikishi.r";

enum class LoadResult {
    Loaded,      // the first 8000 bytes (or all a shorter file holds) are in the roster
    OpenFailed,  // nothing changed; the caller shows the file-error box and stops
};

// Reads the file into the roster in one read. A shorter file fills only what
// it holds and leaves the rest of the roster as it was; a longer one gives its
// first 8000 bytes. No field is validated.
LoadResult loadRoster(Roster& roster, const std::string& path = kSaveFileName);

// The stage of a save that went wrong.
enum class SaveFailure {
    None,             // the file holds the new roster
    CreateTemporary,  // the temporary file could not be created (folder read-only, say)
    Write,            // fewer bytes than the roster were written (a full disk)
    Flush,            // the data could not be flushed to the disk
    Rename,           // the finished file could not replace the old one
};

struct SaveResult {
    SaveFailure failure = SaveFailure::None;
    std::string file;  // the file that could not be written
    explicit operator bool() const { return failure == SaveFailure::None; }
};

// Writes the 8000 bytes to a temporary file beside the save file, flushes it
// to the disk, renames it over the old one and flushes the folder, so that
// neither a crash, a full disk nor a power cut leaves a short, mixed or older
// career: the old file stays intact until the new one is complete. On a
// failure the temporary file is removed and the old file is untouched.
SaveResult saveRoster(const Roster& roster, const std::string& path = kSaveFileName);

// The temporary file that saveRoster writes before the rename.
std::string temporarySavePath(const std::string& path);

// The one backup of a career that a new one replaced.
std::string backupSavePath(const std::string& path);

// Before a new career replaces the one at path: copies the existing file,
// byte for byte, to backupSavePath(path), written the same safe way (the
// previous backup is replaced). Nothing to keep when there is no file.
SaveResult keepBackupOf(const std::string& path);

// Saves a new career over whatever path holds: the old file is first kept
// with keepBackupOf, and when that fails nothing is replaced.
SaveResult saveNewCareer(const Roster& roster, const std::string& path = kSaveFileName);

// What the player is told after a failed save: what failed, the file's full
// path, and that the save file still holds the last step that was saved.
std::string saveFailureMessage(const SaveResult& result);

// The test seam of saveRoster: when set, the hook is asked before each save
// with the roster about to be written and names the failure to stage (None
// lets the save run). Each staged failure takes the save's real failure path.
// An empty function removes the hook.
using SaveFaultHook = std::function<SaveFailure(const Roster&)>;
void setSaveFaultHook(SaveFaultHook hook);
