// kirimaki-sim history: what the career's history knows, as tab-separated text.
#include "history/HistoryFile.h"
#include "history/HistoryQueries.h"
#include "history/Sqlite.h"
#include "rules/career/NameText.h"
#include "rules/core/SaveFile.h"
#include "sim/Args.h"
#include "sim/Commands.h"
#include "sim/HistoryChart.h"
#include "sim/Transcript.h"

#include <cstdio>
#include <fstream>

namespace {

// The listings; at most one is given, none meaning the player's basho.
const char* const kListings[] = {"--wrestler", "--all", "--bouts", "--champions", "--head-to-head", "--careers"};

void printRow(const std::vector<std::string>& fields)
{
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i)
        line += (i ? "\t" : "") + fields[i];
    line += "\n";
    std::fwrite(line.data(), 1, line.size(), stdout);
}

std::string flag(bool b)
{
    return b ? "1" : "0";
}

std::string listing(const Args& args)
{
    std::string chosen;
    for (const char* option : kListings) {
        if (!args.has(option))
            continue;
        if (!chosen.empty())
            throw UsageError("options " + chosen + " and " + option + " cannot be given together");
        chosen = option;
    }
    if (args.has("--chart") && !chosen.empty() && chosen != "--wrestler")
        throw UsageError("option --chart goes alone or with --wrestler");
    return chosen;
}

// Names on the command line are the shell's UTF-8; the history holds them
// as the save file does.
std::string nameArgument(const Args& args, const std::string& option)
{
    const std::string text = args.text(option, "");
    return latin1NameFromUtf8(text).value_or(text);
}

class HistoryPrinter {
public:
    HistoryPrinter(HistoryReader& reader, std::int64_t career) : m_reader(reader), m_career(career) {}

    int wrestler(const Args& args, const std::string& option)
    {
        const std::string name = nameArgument(args, option);
        const auto found = m_reader.wrestlerNamed(m_career, name);
        if (!found)
            throw FileError("the history knows no wrestler named " + name);
        return *found;
    }

    void basho(int wrestler, bool withNames)
    {
        std::vector<std::string> header = {"basho", "name", "rank", "title", "wins", "losses", "yusho", "junyusho"};
        if (withNames)
            header.insert(header.begin(), "shikona");
        printRow(header);
        for (const BashoRow& r : m_reader.bashoRows(m_career, wrestler)) {
            std::vector<std::string> row = {num(r.basho), r.name, num(r.rank), r.title,
                                            num(r.wins), num(r.losses), flag(r.yusho), flag(r.junyusho)};
            if (withNames)
                row.insert(row.begin(), r.shikona);
            printRow(row);
        }
    }

    void bouts()
    {
        printRow({"basho", "day", "east", "west", "winner", "player"});
        for (const BoutLine& b : m_reader.bouts(m_career))
            printRow({num(b.basho), num(b.day), b.east, b.west, b.winner, flag(b.player)});
    }

    void champions()
    {
        printRow({"basho", "name", "yusho", "junyusho", "playoff"});
        for (const ChampionRow& c : m_reader.champions(m_career)) {
            std::string runnersUp;
            for (const std::string& name : c.junyusho)
                runnersUp += (runnersUp.empty() ? "" : ",") + name;
            printRow({num(c.basho), c.name, c.yusho, runnersUp, flag(c.playoff)});
        }
    }

    void headToHead(int wrestler)
    {
        printRow({"opponent", "wins", "losses"});
        for (const HeadToHeadRow& h : m_reader.headToHead(m_career, wrestler))
            printRow({h.opponent, num(h.wins), num(h.losses)});
    }

    void chart(const std::string& path, int wrestler)
    {
        const std::vector<BashoRow> rows = m_reader.bashoRows(m_career, wrestler);
        std::ofstream out(path, std::ios::binary);
        out << rankChartSvg(rows.empty() ? std::string() : rows.front().shikona, rows);
        if (!out.flush())
            throw FileError("cannot write the chart " + path);
    }

private:
    HistoryReader& m_reader;
    std::int64_t m_career;
};

void printCareers(const std::vector<CareerSummary>& careers)
{
    printRow({"career", "shikona", "basho", "highest", "yusho"});
    for (std::size_t i = 0; i < careers.size(); ++i)
        printRow({num(static_cast<long long>(i) + 1), careers[i].shikona, num(careers[i].basho), careers[i].highest,
                  num(careers[i].yusho)});
}

std::int64_t chosenCareer(const Args& args, const std::vector<CareerSummary>& careers)
{
    if (careers.empty())
        throw FileError("the history holds no career yet");
    const auto n = args.number("--career", 1, static_cast<std::int64_t>(careers.size()),
                               static_cast<std::int64_t>(careers.size()));
    return careers[static_cast<std::size_t>(n - 1)].career;
}

} // namespace

int runHistory(const std::vector<std::string>& argv)
{
    const Args args(argv, {{"--file", true},
                           {"--wrestler", true},
                           {"--all", false},
                           {"--bouts", false},
                           {"--champions", false},
                           {"--head-to-head", true},
                           {"--careers", false},
                           {"--career", true},
                           {"--chart", true}});
    const std::string chosen = listing(args);
    const std::string path = historyPathFor(args.text("--file", kSaveFileName));
    try {
        HistoryReader reader(path);
        const std::vector<CareerSummary> careers = reader.careers();
        if (chosen == "--careers") {
            printCareers(careers);
            return 0;
        }
        // --career is checked against the careers the history holds.
        const std::int64_t career = chosenCareer(args, careers);
        HistoryPrinter printer(reader, career);
        if (chosen == "--all")
            printer.basho(0, true);
        else if (chosen == "--bouts")
            printer.bouts();
        else if (chosen == "--champions")
            printer.champions();
        else if (chosen == "--head-to-head")
            printer.headToHead(printer.wrestler(args, "--head-to-head"));
        else {
            const int wrestler = chosen == "--wrestler" ? printer.wrestler(args, "--wrestler") : reader.player(career);
            printer.basho(wrestler, false);
            if (args.has("--chart"))
                printer.chart(args.text("--chart", ""), wrestler);
        }
    } catch (const HistoryError& e) {
        throw FileError(path + ": " + e.what());
    }
    return 0;
}
