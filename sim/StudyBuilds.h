// The builds of a study as words: a builds file, one build a line, and the
// line that gives a build back.
#pragma once

#include "sim/Study.h"

#include <string>
#include <vector>

// A line split as a shell would split it: blanks separate words, and single
// or double quotes keep a name with blanks in one word. unclosed: a quote
// was left open.
std::vector<std::string> splitWords(const std::string& line, bool& unclosed);

// A word as a shell reads it back: quoted unless it is plainly safe.
std::string shellWord(const std::string& word);

// The options of `new` that make the build, as one line a shell reads back.
std::string buildLine(const Build& build);

// The build of a line's words; a build that `new` or the creation screen
// would refuse is a usage error starting with `where`.
Build buildFromWords(const std::vector<std::string>& words, const std::string& where);

// The builds of a file, one a line; blank lines and lines starting with #
// are skipped. A refused build is a usage error naming its line.
std::vector<Build> readBuilds(const std::string& path);

// "1,2,3"
std::string listText(const std::vector<int>& list);

// The two command lines that play career k of build b (both counted from 1)
// of a study again, from a new career's file.
struct ReplayLines {
    std::string newLine;
    std::string playLine;
};
ReplayLines replayLines(const StudySettings& settings, int b, int k);
