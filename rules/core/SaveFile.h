// Load and save of the whole roster, the save file rikishi.r.
#pragma once

#include "rules/core/Rikishi.h"

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

// Writes the 8000 bytes to a temporary file beside the save file and renames
// it over the old one, so a crash or a full disk never leaves a short or mixed
// career: the old file stays intact until the new one is complete.
// Returns false when the new file could not be written (the old one is kept).
bool saveRoster(const Roster& roster, const std::string& path = kSaveFileName);

// The temporary file that saveRoster writes before the rename.
std::string temporarySavePath(const std::string& path);
