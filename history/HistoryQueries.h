// What the history knows, as rows for a table or a chart: the one reading
// side that both the history screen and `kirimaki-sim history` use.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class Database;

// A career begun in this folder.
struct CareerSummary {
    std::int64_t career = 0;
    std::string shikona; // the player's
    std::string started; // UTC, ISO 8601
    bool fromStart = false; // false: the history begins within the career
    std::string knownFrom; // the basho the history begins at, e.g. "Hatsu 1"
    int knownFromDay = 1; // and its day
    int basho = 0; // how many basho it holds
    std::string highest; // the player's highest title
    int yusho = 0;
};

// One basho of one wrestler.
struct BashoRow {
    int basho = 0;
    std::string name; // e.g. "Haru 1"
    std::string shikona;
    int wrestler = 0; // his number within the career
    int position = 0; // his roster index at the basho's start
    int rank = 0; // the rank code
    int number = 0; // his Maegashira row, 0 otherwise
    bool east = true;
    std::string title; // e.g. "Maegashira 3 East"
    int wins = 0;
    int losses = 0;
    bool yusho = false;
    bool junyusho = false;
    bool finished = false; // false for the basho being fought
    std::string newTitle; // the next banzuke's title (finished basho)
    std::string change; // "promotion", "demotion", "kadoban" or empty
};

// Totals at the foot of a career table.
struct CareerTotals {
    int basho = 0;
    std::int64_t wins = 0; // a damaged career's counts may be any 32-bit values
    std::int64_t losses = 0;
    double percentage = 0; // wins per bout, 0 to 100
    int yusho = 0;
    int junyusho = 0;
    std::string highest; // the highest title
    int highestFirstBasho = 0; // when he first stood there
    std::string highestFirstName;
};

struct BoutLine {
    int basho = 0;
    int day = 0; // 16: the playoff
    std::string east;
    std::string west;
    std::string winner;
    bool player = false;
    // The player's bouts: his tachiai codes 1..4 (one per set-up) and
    // exchange codes 1..6, comma-separated, the mono-ii and tori-naoshi.
    std::string tachiai;
    std::string strategies;
    int monoii = 0;
    int toriNaoshi = 0;
};

struct ChampionRow {
    int basho = 0;
    std::string name;
    std::string yusho;
    std::vector<std::string> junyusho;
    bool playoff = false;
};

struct HeadToHeadRow {
    std::string opponent;
    int wins = 0;
    int losses = 0;
};

// The player's body and abilities at a basho's start, in the display order
// strength, agility, tachiai, jump, receive, defense, oshi, yotsu, tsuppari,
// tenage, henka, stamina.
struct AbilityRow {
    int basho = 0;
    std::string name;
    int height = 0;
    int weight = 0;
    std::array<int, 12> abilities{};
};

CareerTotals totalsOf(const std::vector<BashoRow>& rows);

class HistoryReader {
public:
    // Opens the history file to read (HistoryError when there is none or
    // it is not one this program can read).
    explicit HistoryReader(const std::string& historyPath);
    ~HistoryReader();

    // Every career, oldest first: the current one last.
    std::vector<CareerSummary> careers();
    // The player's wrestler number in a career; a wrestler's by ring name.
    int player(std::int64_t career);
    std::optional<int> wrestlerNamed(std::int64_t career, const std::string& shikona);

    // The basho of one wrestler, or of every wrestler (wrestler 0), in basho
    // order and, within a basho, banzuke order; the current basho with its
    // record so far.
    std::vector<BashoRow> bashoRows(std::int64_t career, int wrestler);
    std::vector<BoutLine> bouts(std::int64_t career);
    std::vector<ChampionRow> champions(std::int64_t career);
    std::vector<HeadToHeadRow> headToHead(std::int64_t career, int wrestler);
    std::vector<AbilityRow> abilities(std::int64_t career);

private:
    void addCurrentRecords(std::int64_t career, std::vector<BashoRow>& rows);
    std::unique_ptr<Database> m_db;
};
