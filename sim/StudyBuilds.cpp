// A study's builds read from words and written back as words.
#include "sim/StudyBuilds.h"

#include "sim/Args.h"
#include "sim/BuildOptions.h"

#include <fstream>

std::vector<std::string> splitWords(const std::string& line, bool& unclosed)
{
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    char quote = 0;
    for (char c : line) {
        if (quote) {
            if (c == quote)
                quote = 0;
            else
                word += c;
        } else if (c == '\'' || c == '"') {
            quote = c;
            inWord = true;
        } else if (c == ' ' || c == '\t' || c == '\r') {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(word);
    unclosed = quote != 0;
    return words;
}

std::string shellWord(const std::string& word)
{
    bool plain = !word.empty();
    for (char c : word)
        plain = plain && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                          c == ',' || c == '.' || c == '-' || c == '_' || c == '/');
    if (plain)
        return word;
    std::string quoted = "'";
    for (char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string buildLine(const Build& build)
{
    std::string line;
    for (const std::string& word : build.options)
        line += (line.empty() ? "" : " ") + shellWord(word);
    return line;
}

Build buildFromWords(const std::vector<std::string>& words, const std::string& where)
{
    Build build;
    try {
        build.values = creationValuesFrom(Args(words, buildOptions()));
    } catch (const UsageError& e) {
        throw UsageError(where + e.what());
    }
    const std::string refusal = buildRefusal(build.values);
    if (!refusal.empty())
        throw UsageError(where + "the creation screen refuses this build: " + refusal);
    build.options = words;
    return build;
}

std::vector<Build> readBuilds(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw FileError("cannot open the builds file " + path + " for reading");
    std::vector<Build> builds;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const std::string where = path + " line " + std::to_string(number) + ": ";
        bool unclosed = false;
        const std::vector<std::string> words = splitWords(line, unclosed);
        if (words.empty() || words.front().front() == '#')
            continue;
        if (unclosed)
            throw UsageError(where + "a quote is not closed");
        builds.push_back(buildFromWords(words, where));
    }
    if (in.bad())
        throw FileError("cannot read the builds file " + path);
    if (builds.empty())
        throw UsageError("the builds file " + path + " holds no build");
    return builds;
}

std::string listText(const std::vector<int>& list)
{
    std::string text;
    for (int v : list)
        text += (text.empty() ? "" : ",") + std::to_string(v);
    return text;
}

ReplayLines replayLines(const StudySettings& settings, int b, int k)
{
    ReplayLines lines;
    lines.newLine = "kirimaki-sim new " + buildLine(settings.builds[static_cast<std::size_t>(b - 1)]);
    lines.playLine = "kirimaki-sim play --basho " + std::to_string(settings.basho) + " --seed " +
                     std::to_string(careerSeed(settings.master, static_cast<std::uint32_t>(b), static_cast<std::uint32_t>(k))) +
                     " --tachiai " + listText(settings.tachiai) + " --moves " + listText(settings.moves) +
                     " --train " + listText(settings.train);
    return lines;
}
