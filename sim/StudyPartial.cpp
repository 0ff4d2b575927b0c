// Shards of a study, their partials, and the merge of the partials.
#include "sim/StudyPartial.h"

#include "sim/Args.h"
#include "sim/StudyBuilds.h"

#include <fstream>
#include <map>
#include <optional>

namespace {

const char* const kMagic = "kirimaki-sim study partial 1";

// A partial as read: the header's fields but the shard, the build lines and
// the career lines, each line still text.
struct Partial {
    std::string path;
    Shard shard;
    std::vector<std::string> fields; // "seed 2026", "careers 200", ...
    std::vector<std::string> builds; // the options of each build, as written
    std::vector<std::string> lines; // the career lines, then the end line
    int firstLine = 0; // the number of lines[0] in the file
};

std::vector<std::string> splitTabs(const std::string& line)
{
    std::vector<std::string> fields(1);
    for (char c : line) {
        if (c == '\t')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

std::string headerLine(const StudySettings& s, bool bestFirst, Shard shard)
{
    return std::string(kMagic) + "\tshard " + std::to_string(shard.k) + "/" + std::to_string(shard.n) + "\tseed " +
           std::to_string(s.master) + "\tcareers " + std::to_string(s.careers) + "\tbasho " +
           std::to_string(s.basho) + "\ttachiai " + listText(s.tachiai) + "\tmoves " + listText(s.moves) +
           "\ttrain " + listText(s.train) + "\torder " + (bestFirst ? "best first" : "as given") + "\tbuilds " +
           std::to_string(s.builds.size());
}

std::string valueOf(const Partial& p, const std::string& key)
{
    for (const std::string& field : p.fields)
        if (field.compare(0, key.size() + 1, key + " ") == 0)
            return field.substr(key.size() + 1);
    throw UsageError(p.path + " is not a study partial: its first line names no " + key);
}

void readHeader(Partial& p, const std::string& line)
{
    const std::vector<std::string> fields = splitTabs(line);
    if (fields.size() < 2 || fields[0] != kMagic)
        throw UsageError(p.path + " is not a study partial (its first line is not \"" + kMagic + " ...\")");
    bool shardGiven = false;
    for (std::size_t i = 1; i < fields.size(); ++i) {
        if (fields[i].compare(0, 6, "shard ") == 0) {
            p.shard = parseShard(p.path + ": shard", fields[i].substr(6));
            shardGiven = true;
        } else {
            p.fields.push_back(fields[i]);
        }
    }
    if (!shardGiven)
        throw UsageError(p.path + " is not a study partial: its first line names no shard");
}

Partial readPartial(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw FileError("cannot open the partial " + path + " for reading");
    Partial p;
    p.path = path;
    std::string line;
    if (!std::getline(in, line))
        throw UsageError(path + " is not a study partial: it is empty");
    readHeader(p, line);
    const auto builds = parseNumber(path + ": builds", valueOf(p, "builds"), 1, 100000);
    int number = 1;
    while (static_cast<std::int64_t>(p.builds.size()) < builds && std::getline(in, line)) {
        ++number;
        const std::string head = "build\t" + std::to_string(p.builds.size() + 1) + "\t";
        if (line.compare(0, head.size(), head) != 0)
            throw UsageError(path + " line " + std::to_string(number) + ": build " +
                             std::to_string(p.builds.size() + 1) + " was expected");
        p.builds.push_back(line.substr(head.size()));
    }
    p.firstLine = number + 1;
    while (std::getline(in, line))
        p.lines.push_back(line);
    if (in.bad())
        throw FileError("cannot read the partial " + path);
    return p;
}

std::vector<int> listValue(const std::string& where, const std::string& text, int lo, int hi)
{
    std::vector<int> list;
    std::string item;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == ',') {
            list.push_back(static_cast<int>(parseNumber(where, item, lo, hi)));
            item.clear();
        } else {
            item += text[i];
        }
    }
    return list;
}

// The study the first partial names: its options and its builds.
MergedStudy studyOf(const Partial& p)
{
    MergedStudy m;
    StudySettings& s = m.settings;
    const std::string where = p.path + ": ";
    s.master = static_cast<std::uint32_t>(parseNumber(where + "seed", valueOf(p, "seed"), 0, 4294967295LL));
    s.careers = static_cast<int>(parseNumber(where + "careers", valueOf(p, "careers"), 1, 1000000));
    s.basho = static_cast<int>(parseNumber(where + "basho", valueOf(p, "basho"), 1, 10000));
    s.tachiai = listValue(where + "tachiai", valueOf(p, "tachiai"), 1, 4);
    s.moves = listValue(where + "moves", valueOf(p, "moves"), 1, 6);
    s.train = listValue(where + "train", valueOf(p, "train"), 1, 12);
    m.bestFirst = valueOf(p, "order") == "best first";
    for (std::size_t b = 0; b < p.builds.size(); ++b) {
        bool unclosed = false;
        const std::vector<std::string> words = splitWords(p.builds[b], unclosed);
        const std::string at = where + "build " + std::to_string(b + 1) + ": ";
        if (unclosed || words.empty())
            throw UsageError(at + "not the options of new");
        s.builds.push_back(buildFromWords(words, at));
    }
    return m;
}

// The same study as the first partial, and a shard of the same split.
void checkSameStudy(const Partial& p, const Partial& first)
{
    for (std::size_t i = 0; i < std::max(p.fields.size(), first.fields.size()); ++i) {
        const std::string mine = i < p.fields.size() ? p.fields[i] : "nothing";
        const std::string theirs = i < first.fields.size() ? first.fields[i] : "nothing";
        if (mine != theirs)
            throw UsageError(p.path + " is a partial of another study: " + mine + ", but " + first.path + " has " +
                             theirs);
    }
    for (std::size_t b = 0; b < p.builds.size(); ++b)
        if (p.builds[b] != first.builds[b])
            throw UsageError(p.path + " is a partial of another study: its build " + std::to_string(b + 1) +
                             " is not that of " + first.path);
    if (p.shard.n != first.shard.n)
        throw UsageError(p.path + " is shard " + std::to_string(p.shard.k) + "/" + std::to_string(p.shard.n) +
                         ", but " + first.path + " is one of " + std::to_string(first.shard.n) + " shards");
}

std::string ranksText(const std::vector<std::uint8_t>& ranks)
{
    std::string text;
    for (std::uint8_t r : ranks)
        text += static_cast<char>('0' + r);
    return text;
}

std::vector<std::uint8_t> ranksFrom(const std::string& where, const std::string& text, int basho)
{
    std::vector<std::uint8_t> ranks;
    for (char c : text) {
        if (c < '0' || c > '4')
            throw UsageError(where + "a rank is not 0 to 4");
        ranks.push_back(static_cast<std::uint8_t>(c - '0'));
    }
    if (static_cast<int>(ranks.size()) != basho)
        throw UsageError(where + "the ranks are not those of " + std::to_string(basho) + " basho");
    return ranks;
}

using Outcomes = std::vector<std::optional<CareerResult>>;

// One career line into its place; the career must belong to the file's shard.
void readCareer(const std::string& where, const std::vector<std::string>& f, const StudySettings& s, Shard shard,
                Outcomes& outcomes)
{
    const auto b = static_cast<int>(parseNumber(where + "build", f[1], 1, static_cast<std::int64_t>(s.builds.size())));
    const auto k = static_cast<int>(parseNumber(where + "career", f[2], 1, s.careers));
    const auto yusho = static_cast<int>(parseNumber(where + "yusho", f[3], 0, s.basho));
    const auto kachiKoshi = static_cast<int>(parseNumber(where + "kachi-koshi", f[4], 0, s.basho));
    const CareerNumber number = careerNumber(s, b, k);
    const std::string name = "career " + std::to_string(b) + "," + std::to_string(k);
    if (number % shard.n != shard.k - 1)
        throw UsageError(where + name + " is not of shard " + std::to_string(shard.k) + "/" + std::to_string(shard.n));
    std::optional<CareerResult>& slot = outcomes[static_cast<std::size_t>(number)];
    if (slot)
        throw UsageError(where + name + " again");
    slot = careerOutcome(ranksFrom(where, f[5], s.basho), yusho, kachiKoshi);
}

void readCareers(const Partial& p, const StudySettings& s, Outcomes& outcomes)
{
    const std::size_t expected = shardCareers(s, p.shard).size();
    std::size_t count = 0;
    bool ended = false;
    for (std::size_t i = 0; i < p.lines.size(); ++i) {
        const std::string where = p.path + " line " + std::to_string(p.firstLine + static_cast<int>(i)) + ": ";
        const std::vector<std::string> f = splitTabs(p.lines[i]);
        if (ended)
            throw UsageError(where + "a line after the end line");
        if (f.size() == 2 && f[0] == "end") {
            if (parseNumber(where + "end", f[1], 0, 1000000000000LL) != static_cast<std::int64_t>(count))
                throw UsageError(where + "the end line does not count the " + std::to_string(count) + " careers");
            ended = true;
        } else if (f.size() == 6 && f[0] == "career") {
            readCareer(where, f, s, p.shard, outcomes);
            ++count;
        } else {
            throw UsageError(where + "not a career line");
        }
    }
    if (!ended || count != expected)
        throw UsageError(p.path + " is cut short: it holds " + std::to_string(count) + " of the " +
                         std::to_string(expected) + " careers of shard " + std::to_string(p.shard.k) + "/" +
                         std::to_string(p.shard.n));
}

} // namespace

Shard parseShard(const std::string& option, const std::string& text)
{
    const std::size_t slash = text.find('/');
    if (slash == std::string::npos)
        throw UsageError(option + " takes K/N, e.g. 2/8");
    Shard shard;
    shard.n = static_cast<int>(parseNumber(option, text.substr(slash + 1), 1, 1000000));
    shard.k = static_cast<int>(parseNumber(option, text.substr(0, slash), 1, shard.n));
    return shard;
}

std::vector<CareerNumber> shardCareers(const StudySettings& settings, Shard shard)
{
    const CareerNumber total = static_cast<CareerNumber>(settings.builds.size()) * settings.careers;
    std::vector<CareerNumber> which;
    for (CareerNumber i = shard.k - 1; i < total; i += shard.n)
        which.push_back(i);
    return which;
}

std::string partialText(const StudySettings& settings, bool bestFirst, Shard shard,
                        const std::vector<CareerNumber>& which, const std::vector<CareerResult>& results)
{
    std::string text = headerLine(settings, bestFirst, shard) + "\n";
    for (std::size_t b = 0; b < settings.builds.size(); ++b)
        text += "build\t" + std::to_string(b + 1) + "\t" + buildLine(settings.builds[b]) + "\n";
    for (std::size_t j = 0; j < which.size(); ++j) {
        const CareerResult& r = results[j];
        text += "career\t" + std::to_string(which[j] / settings.careers + 1) + "\t" +
                std::to_string(which[j] % settings.careers + 1) + "\t" + std::to_string(r.yusho) + "\t" +
                std::to_string(r.kachiKoshi) + "\t" + ranksText(r.rankAfter) + "\n";
    }
    return text + "end\t" + std::to_string(which.size()) + "\n";
}

MergedStudy mergePartials(const std::vector<std::string>& paths)
{
    std::vector<Partial> partials;
    for (const std::string& path : paths)
        partials.push_back(readPartial(path));
    const Partial& first = partials.front();
    MergedStudy merged = studyOf(first);
    const StudySettings& s = merged.settings;
    std::map<int, std::string> shardFile;
    for (const Partial& p : partials) {
        checkSameStudy(p, first);
        const auto [at, fresh] = shardFile.emplace(p.shard.k, p.path);
        if (!fresh)
            throw UsageError(p.path + " is shard " + std::to_string(p.shard.k) + "/" + std::to_string(p.shard.n) +
                             " again: " + at->second + " holds it already");
    }
    for (int k = 1; k <= first.shard.n; ++k)
        if (!shardFile.count(k))
            throw UsageError("shard " + std::to_string(k) + "/" + std::to_string(first.shard.n) +
                             " is missing: none of the partials given holds it");
    Outcomes outcomes(s.builds.size() * static_cast<std::size_t>(s.careers));
    for (const Partial& p : partials)
        readCareers(p, s, outcomes);
    for (std::size_t b = 0; b < s.builds.size(); ++b) {
        std::vector<CareerResult> careers;
        for (int k = 1; k <= s.careers; ++k)
            careers.push_back(*outcomes[static_cast<std::size_t>(careerNumber(s, static_cast<int>(b) + 1, k))]);
        merged.rows.push_back(summarise(static_cast<int>(b) + 1, careers, s.basho));
    }
    if (merged.bestFirst)
        sortBestFirst(merged.rows);
    return merged;
}
