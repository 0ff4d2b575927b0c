// Load and save of the whole roster, the save file rikishi.r.
#pragma once

#include "rules/core/Rikishi.h"

#include <cstdint>
#include <functional>
#include <string>

#if !defined(__BYTE_ORDER__) || __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "The save file is the little-endian memory image of the roster."
#endif

constexpr const char* kSaveFileName = "rikishi.r";

// What a program last read from or wrote to the save file: enough to tell,
// before the next save, whether another program has written it since.
struct FileStamp {
    bool exists = false; // false: there was no file to read
    std::int64_t size = 0; // its length in bytes
    std::int64_t mtimeNs = 0; // its modification time, in nanoseconds
    std::uint64_t hash = 0; // of its first 8000 bytes (64-bit FNV-1a)

    bool operator==(const FileStamp& o) const
    {
        return exists == o.exists && size == o.size && mtimeNs == o.mtimeNs && hash == o.hash;
    }
    bool operator!=(const FileStamp& o) const { return !(*this == o); }
};

// The stamp of the file at path as it is now (exists = false when it cannot
// be opened).
FileStamp stampOfFile(const std::string& path);

enum class LoadResult {
    Loaded, // the first 8000 bytes (or all a shorter file holds) are in the roster
    OpenFailed, // nothing changed; the caller shows the file-error box and stops
};

// Reads the file into the roster in one read. A shorter file fills only what
// it holds and leaves the rest of the roster as it was; a longer one gives its
// first 8000 bytes. No field is validated. When `seen` is given it receives
// the stamp of the bytes just read (and exists = false when there is no file).
LoadResult loadRoster(Roster& roster, const std::string& path = kSaveFileName, FileStamp* seen = nullptr);

// The stage of a save that went wrong.
enum class SaveFailure {
    None, // the file holds the new roster
    CreateTemporary, // the temporary file could not be created (folder read-only, say)
    Write, // fewer bytes than the roster were written (a full disk)
    Flush, // the data could not be flushed to the disk
    Rename, // the finished file could not replace the old one
    Read, // the file to keep as the backup could not be read
    FileChanged, // another program wrote the file since it was last read or
                 // saved here: nothing was written, the newer file is kept
};

struct SaveResult {
    SaveFailure failure = SaveFailure::None;
    std::string file; // the file that could not be written
    explicit operator bool() const { return failure == SaveFailure::None; }
};

// Writes the 8000 bytes to a temporary file of its own beside the save file
// (a unique name, so that two writers never share one), flushes it to the
// disk, renames it over the old one and flushes the folder, so that neither a
// crash, a full disk nor a power cut leaves a short, mixed or older career:
// the old file stays intact until the new one is complete. On a failure this
// save's own temporary file is removed and the old file is untouched.
// When `seen` is given, the file must still be the one it stamps (or be gone):
// a file that another program wrote meanwhile is kept and nothing is written
// (FileChanged). After a save, `seen` stamps the new file.
SaveResult saveRoster(const Roster& roster, const std::string& path = kSaveFileName, FileStamp* seen = nullptr);

// The name pattern of saveRoster's temporary files: the save file's name, a
// dot and six characters that make it unique.
std::string temporarySavePattern(const std::string& path);

// The one backup of a career that a new one replaced.
std::string backupSavePath(const std::string& path);

// Before a new career replaces the one at path: copies the existing file,
// byte for byte, to backupSavePath(path), written the same safe way (the
// previous backup is replaced). Nothing to keep when there is no file; a
// file that cannot be read is reported as such (Read).
SaveResult keepBackupOf(const std::string& path);

// Saves a new career over whatever path holds: the old file is first kept
// with keepBackupOf, and when that fails nothing is replaced. A new career is
// meant to replace the file, whoever wrote it: `seen`, when given, only
// receives the new file's stamp.
SaveResult saveNewCareer(const Roster& roster, const std::string& path = kSaveFileName, FileStamp* seen = nullptr);

// The full path of a file, as messages name it (the path as given when it
// cannot be made absolute).
std::string fullPathOf(const std::string& path);

// What the player is told after a failed save: what failed, the file's full
// path, and what the file holds now (the last step saved, or another
// program's newer career, which the last step is not in).
std::string saveFailureMessage(const SaveResult& result);

// The test seam of saveRoster: when set, the hook is asked before each save
// with the roster about to be written and names the failure to stage (None
// lets the save run). Each staged failure takes the save's real failure path.
// An empty function removes the hook.
using SaveFaultHook = std::function<SaveFailure(const Roster&)>;
void setSaveFaultHook(SaveFaultHook hook);
