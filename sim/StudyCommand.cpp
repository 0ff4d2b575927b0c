// kirimaki-sim study: which build reaches Yokozuna? Many careers of each
// build, played in memory on every core, summed up in a table and a chart.
#include "sim/Args.h"
#include "sim/BuildOptions.h"
#include "sim/Commands.h"
#include "sim/Session.h"
#include "sim/ShowLine.h"
#include "sim/Study.h"
#include "sim/StudyChart.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <thread>
#include <unistd.h>

namespace {

// A line of a builds file split as a shell would split it: blanks separate
// words, and single or double quotes keep a name with blanks in one word.
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

// The builds of a file, one a line; blank lines and lines starting with #
// are skipped. A build that `new` or the creation screen would refuse is a
// usage error naming its line.
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
        builds.push_back(std::move(build));
    }
    if (in.bad())
        throw FileError("cannot read the builds file " + path);
    if (builds.empty())
        throw UsageError("the builds file " + path + " holds no build");
    return builds;
}

// A word as a shell reads it back: quoted unless it is plainly safe.
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

std::string listText(const std::vector<int>& list)
{
    std::string text;
    for (int v : list)
        text += (text.empty() ? "" : ",") + std::to_string(v);
    return text;
}

std::string decimal(double v, int places)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.*f", places, v);
    return text;
}

void writeOut(const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
}

void writeTable(const std::vector<BuildSummary>& rows, const std::vector<Build>& builds)
{
    writeOut("build\tnew options\tcareers\tkomusubi\tsekiwake\tozeki\tyokozuna\tmedian basho to ozeki\t"
             "mean yusho\tkachi-koshi rate\n");
    for (const BuildSummary& r : rows) {
        std::string options;
        for (const std::string& word : builds[static_cast<std::size_t>(r.build - 1)].options)
            options += (options.empty() ? "" : " ") + shellWord(word);
        writeOut(std::to_string(r.build) + "\t" + options + "\t" + std::to_string(r.careers) + "\t" +
                 decimal(r.reached[kKomusubi], 3) + "\t" + decimal(r.reached[kSekiwake], 3) + "\t" +
                 decimal(r.reached[kOzeki], 3) + "\t" + decimal(r.reached[kYokozuna], 3) + "\t" +
                 (r.medianBashoToOzeki ? decimal(*r.medianBashoToOzeki, 1) : std::string()) + "\t" +
                 decimal(r.meanYusho, 2) + "\t" + decimal(r.kachiKoshiRate, 3) + "\n");
    }
}

// The two command lines that play career k of build b from a file, then the
// player's record as the study left it, as `show` prints it.
void writeReplay(const StudySettings& settings, int b, int k)
{
    std::string newLine = "kirimaki-sim new";
    for (const std::string& word : settings.builds[static_cast<std::size_t>(b - 1)].options)
        newLine += " " + shellWord(word);
    const std::string playLine =
        "kirimaki-sim play --basho " + std::to_string(settings.basho) + " --seed " +
        std::to_string(careerSeed(settings.master, static_cast<std::uint32_t>(b), static_cast<std::uint32_t>(k))) +
        " --tachiai " + listText(settings.tachiai) + " --moves " + listText(settings.moves) + " --train " +
        listText(settings.train);
    const CareerResult career = playStudyCareer(settings, b, k);
    writeOut(newLine + "\n" + playLine + "\n" + showLine(career.finalRecord) + "\n");
}

// "builds 3/10, 1234 careers/s, 12 s left", rewritten in place.
class ProgressLine {
public:
    ProgressLine(int builds, long careers) : m_builds(builds), m_careers(careers) {}
    void operator()(int buildsDone, long careersDone)
    {
        const double seconds = std::chrono::duration<double>(Clock::now() - m_start).count();
        const double rate = seconds > 0 ? careersDone / seconds : 0;
        const std::string left = rate > 0 ? std::to_string(static_cast<long>((m_careers - careersDone) / rate + 0.5)) : "?";
        std::fprintf(stderr, "\rbuilds %d/%d, %.0f careers/s, %s s left   ", buildsDone, m_builds, rate, left.c_str());
        if (careersDone == m_careers)
            std::fputc('\n', stderr);
        std::fflush(stderr);
    }

private:
    using Clock = std::chrono::steady_clock;
    int m_builds;
    long m_careers;
    Clock::time_point m_start = Clock::now();
};

// The builds to study: read from --builds, or drawn from the master seed for --search.
void chooseBuilds(const Args& args, StudySettings& settings)
{
    if (args.has("--builds")) {
        settings.builds = readBuilds(args.text("--builds", ""));
    } else {
        const auto count = static_cast<int>(args.number("--search", 1, 100000, 1));
        // The builds come from the master seed too, so --replay finds them again.
        SearchRng rng(settings.master);
        for (int i = 0; i < count; ++i)
            settings.builds.push_back(randomBuild(rng));
    }
}

// Plays the study and writes its table, and the chart when one was asked for.
void playAndReport(const Args& args, const StudySettings& settings, const std::string& chartPath)
{
    std::vector<BuildSummary> rows;
    if (isatty(STDERR_FILENO)) {
        ProgressLine line(static_cast<int>(settings.builds.size()),
                          static_cast<long>(settings.builds.size()) * settings.careers);
        rows = playStudy(settings, [&line](int b, long c) { line(b, c); });
    } else {
        rows = playStudy(settings);
    }
    if (args.has("--search"))
        sortBestFirst(rows);
    writeTable(rows, settings.builds);
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        throw FileError("cannot write to standard output");
    if (!chartPath.empty()) {
        std::ofstream chart(chartPath, std::ios::binary | std::ios::trunc);
        chart << studyChartSvg(rows, settings.builds, settings.basho);
        chart.close();
        if (!chart)
            throw FileError("cannot write the chart " + chartPath);
    }
}

} // namespace

int runStudy(const std::vector<std::string>& argv)
{
    // Every option is checked before anything is played or written.
    const Args args(argv, autopilotOptions() + std::vector<OptionSpec>{{"--builds", true},
                                                                       {"--search", true},
                                                                       {"--careers", true},
                                                                       {"--basho", true},
                                                                       {"--seed", true},
                                                                       {"--threads", true},
                                                                       {"--replay", true},
                                                                       {"--chart", true}});
    if (args.has("--builds") == args.has("--search"))
        throw UsageError("study takes exactly one of --builds FILE and --search N");
    const Autopilot lists = autopilotFrom(args);
    StudySettings settings;
    settings.careers = static_cast<int>(args.number("--careers", 1, 1000000, 200));
    settings.basho = static_cast<int>(args.number("--basho", 1, 10000, 30));
    settings.tachiai = lists.tachiai();
    settings.moves = lists.moves();
    settings.train = lists.train();
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    settings.threads = static_cast<unsigned>(args.number("--threads", 1, 1024, cores));
    const bool seedGiven = args.has("--seed");
    settings.master = static_cast<std::uint32_t>(
        seedGiven ? args.number("--seed", 0, 4294967295LL, 0) : static_cast<std::int64_t>(std::time(nullptr)));
    std::vector<int> replay;
    if (args.has("--replay")) {
        replay = args.list("--replay", 1, 1000000, {});
        if (replay.size() != 2)
            throw UsageError("option --replay takes a build and a career, e.g. 3,17");
    }
    const std::string chartPath = args.text("--chart", "");
    if (args.has("--chart") && chartPath.empty())
        throw UsageError("option --chart needs a file name");

    chooseBuilds(args, settings);
    if (!replay.empty()) {
        if (replay[0] > static_cast<int>(settings.builds.size()) || replay[1] > settings.careers)
            throw UsageError("option --replay: there are " + std::to_string(settings.builds.size()) + " builds of " +
                             std::to_string(settings.careers) + " careers");
        if (!seedGiven)
            throw UsageError("option --replay needs the study's --seed");
        writeReplay(settings, replay[0], replay[1]);
        if (std::fflush(stdout) != 0 || std::ferror(stdout))
            throw FileError("cannot write to standard output");
        return 0;
    }
    if (!seedGiven)
        std::fprintf(stderr, "kirimaki-sim study: master seed %u (give it with --seed to replay a career)\n",
                     settings.master);

    playAndReport(args, settings, chartPath);
    return 0;
}
