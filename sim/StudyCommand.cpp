// kirimaki-sim study: which build reaches Yokozuna? Many careers of each
// build, played in memory on every core, summed up in a table and a chart.
#include "sim/Args.h"
#include "sim/BuildOptions.h"
#include "sim/Commands.h"
#include "sim/Session.h"
#include "sim/ShowLine.h"
#include "sim/Study.h"
#include "sim/StudyBuilds.h"
#include "sim/StudyPartial.h"
#include "sim/StudyRace.h"
#include "sim/StudyTable.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <memory>
#include <thread>
#include <unistd.h>

namespace {

void writeOut(const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
}

// The two command lines that play career k of build b from a file, then the
// player's record as the study left it, as `show` prints it.
void writeReplay(const StudySettings& settings, int b, int k)
{
    const ReplayLines lines = replayLines(settings, b, k);
    const CareerResult career = playStudyCareer(settings, b, k);
    writeOut(lines.newLine + "\n" + lines.playLine + "\n" + showLine(career.finalRecord) + "\n");
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

// The progress line on a terminal, or nothing; `careers` is at most what
// the study plays.
StudyProgress progressLine(const StudySettings& settings, long careers)
{
    if (!isatty(STDERR_FILENO))
        return {};
    auto line = std::make_shared<ProgressLine>(static_cast<int>(settings.builds.size()), careers);
    return [line](int b, long c) {
        (*line)(b, c);
        return true;
    };
}

// Plays the study and writes its table, and the chart when one was asked for.
void playAndReport(const Args& args, const StudySettings& settings, const std::string& chartPath)
{
    const long careers = static_cast<long>(settings.builds.size()) * settings.careers;
    std::vector<BuildSummary> rows;
    if (args.has("--race")) {
        rows = playRace(settings, progressLine(settings, careers));
    } else {
        rows = playStudy(settings, progressLine(settings, careers));
        if (args.has("--search"))
            sortBestFirst(rows);
    }
    writeStudyReport(rows, settings.builds, settings.basho, chartPath);
}

// Plays one shard of the study and writes its partial.
void playShard(const Args& args, const StudySettings& settings, const std::string& path)
{
    const Shard shard = args.has("--shard") ? parseShard("option --shard", args.text("--shard", "")) : Shard{};
    const std::vector<CareerNumber> which = shardCareers(settings, shard);
    const std::vector<CareerResult> results =
        playCareers(settings, which, progressLine(settings, static_cast<long>(which.size())));
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << partialText(settings, args.has("--search"), shard, which, results);
    out.close();
    if (!out)
        throw FileError("cannot write the partial " + path);
}

// --shard and --partial go together, with a seed, and make no table.
void checkShardOptions(const Args& args)
{
    if (!args.has("--shard") && !args.has("--partial"))
        return;
    if (!args.has("--partial") || args.text("--partial", "").empty())
        throw UsageError("option --shard needs --partial FILE, where the shard's careers are written");
    if (args.has("--shard"))
        parseShard("option --shard", args.text("--shard", ""));
    if (!args.has("--seed"))
        throw UsageError("option --partial needs the study's --seed, the same for every shard");
    for (const char* other : {"--replay", "--chart", "--race"})
        if (args.has(other))
            throw UsageError(std::string("option --partial does not go with ") + other +
                             " (study-merge draws the chart)");
}

// The study's options but its builds.
StudySettings settingsFrom(const Args& args)
{
    const Autopilot lists = autopilotFrom(args);
    StudySettings settings;
    settings.careers = static_cast<int>(args.number("--careers", 1, 1000000, 200));
    settings.basho = static_cast<int>(args.number("--basho", 1, 10000, 30));
    settings.tachiai = lists.tachiai();
    settings.moves = lists.moves();
    settings.train = lists.train();
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    settings.threads = static_cast<unsigned>(args.number("--threads", 1, 1024, cores));
    settings.master = static_cast<std::uint32_t>(args.has("--seed") ? args.number("--seed", 0, 4294967295LL, 0)
                                                                    : static_cast<std::int64_t>(std::time(nullptr)));
    return settings;
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
                                                                       {"--chart", true},
                                                                       {"--shard", true},
                                                                       {"--partial", true},
                                                                       {"--race", false}});
    if (args.has("--builds") == args.has("--search"))
        throw UsageError("study takes exactly one of --builds FILE and --search N");
    StudySettings settings = settingsFrom(args);
    const bool seedGiven = args.has("--seed");
    std::vector<int> replay;
    if (args.has("--replay")) {
        replay = args.list("--replay", 1, 1000000, {});
        if (replay.size() != 2)
            throw UsageError("option --replay takes a build and a career, e.g. 3,17");
    }
    const std::string chartPath = args.text("--chart", "");
    if (args.has("--chart") && chartPath.empty())
        throw UsageError("option --chart needs a file name");
    checkShardOptions(args);

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
    if (args.has("--partial")) {
        playShard(args, settings, args.text("--partial", ""));
        return 0;
    }
    if (!seedGiven)
        std::fprintf(stderr, "kirimaki-sim study: master seed %u (give it with --seed to replay a career)\n",
                     settings.master);

    playAndReport(args, settings, chartPath);
    return 0;
}
