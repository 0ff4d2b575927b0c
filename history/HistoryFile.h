// The history's file beside the save file, opened for writing or reading.
#pragma once

#include "history/Sqlite.h"

#include <memory>
#include <string>

// rikishi.history for rikishi.r: the save file's name without its
// extension, and ".history".
std::string historyPathFor(const std::string& savePath);

// The history opened for writing, with what the player is to be told about it.
struct OpenedHistory {
    std::unique_ptr<Database> db; // null: no history is written this run
    std::string notice; // empty, or the one message for the player
};

// Opens (creating on first use) and migrates the history at `path`. A file
// that is damaged or holds something else is renamed aside, with the date
// and time in its name, and a new history begins; one written by a newer
// version is left untouched and nothing is written to it. Never throws.
OpenedHistory openHistoryForWriting(const std::string& path);

// Opens an existing history to read it; throws HistoryError when there is
// none or it is not one this program can read.
std::unique_ptr<Database> openHistoryForReading(const std::string& path);
