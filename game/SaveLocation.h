// Where the running game keeps its career.
#pragma once

class QString;

// Points the game's save file at rikishi.r in the player's data folder,
// $XDG_DATA_HOME/kirimaki (~/.local/share/kirimaki when that variable is
// unset, empty or not an absolute path), and creates the folder when it is
// missing. Returns the folder; `created` tells whether it exists now. Without
// this call the save file is rikishi.r in the current directory.
QString useUserDataFolder(bool& created);

// For a check of an installed game: when the save file is missing, writes a
// new career with the creation screen's sample wrestler (an existing career
// is never replaced). Returns false when no career could be written.
bool makeSampleCareerIfMissing();
