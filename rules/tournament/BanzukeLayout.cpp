// Layout of the banzuke view.
#include "rules/tournament/BanzukeLayout.h"

#include "rules/core/Wrap.h"

namespace {

struct Column {
    int name;
    int wins;
    int dash;
    int losses;
};

constexpr Column kEast{0, 115, 125, 131};
constexpr Column kWest{kBanzukeWestNameX, 413, 423, 429};
// Two-digit win counts stand this much further left, clear of the dash.
constexpr int kTwoDigitShift = 5;
// Labels sit a little lower than the name buttons of their row.
constexpr int kLabelDrop = 4;
constexpr int kRowNumberX = 218;

struct RankWord {
    std::uint8_t code;
    const char* text;
    int x;
    const char* spoken;
};

// The passes, highest rank first.
constexpr RankWord kRanks[] = {
    {kYokozuna, "YOKOZUNA", 180, "Yokozuna"},
    {kOzeki, "OZEKI", 198, "Ozeki"},
    {kSekiwake, "SEKIWAKE", 185, "Sekiwake"},
    {kKomusubi, "KOMUSUBI", 184, "Komusubi"},
    {kMaegashira, "MAEGASHIRA", 177, "Maegashira"},
};

std::string counted(int n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

// "Maegashira 3 East, Tabiji, 4 wins 1 loss": the row's number is said
// wherever the rank has more than one row, as the banzuke numbers them.
std::string spokenEntry(const RankWord& rank, int pos, bool east, const Rikishi& r)
{
    std::string entry = rank.spoken;
    if (rank.code == kMaegashira || pos >= 2)
        entry += " " + std::to_string(pos / 2 + 1);
    entry += east ? " East, " : " West, ";
    return entry + shikonaOf(r) + ", " + counted(r.cbw, "win", "wins") + " " + counted(r.cbl, "loss", "losses");
}

} // namespace

BanzukeLayout banzukeLayout(const Roster& roster)
{
    BanzukeLayout layout;
    layout.title = "The Banzuke through day " + std::to_string(wrap::sub(roster[0].day, 1)) + " of the basho";

    int y = kBanzukeFirstRowY;
    bool anyRow = false;
    for (const RankWord& rank : kRanks) {
        int n = 0;
        for (int s = 0; s < static_cast<int>(roster.size()); ++s) {
            const Rikishi& r = roster[static_cast<std::size_t>(s)];
            if (r.rank != rank.code)
                continue;
            // The Yokozuna count by their slot, so slot 0 begins the list on
            // its first row; every other group opens a row of its own.
            const int pos = rank.code == kYokozuna ? s : n;
            const bool east = pos % 2 == 0;
            if (east && !(rank.code == kYokozuna && s == 0))
                y += kBanzukeRowHeight;
            anyRow = true;
            const Column& c = east ? kEast : kWest;
            const int labelY = y + kLabelDrop;
            layout.items.push_back({BanzukeItem::Name, c.name, y, shikonaOf(r), s, spokenEntry(rank, pos, east, r)});
            layout.items.push_back({BanzukeItem::Wins, r.cbw >= 10 ? c.wins - kTwoDigitShift : c.wins, labelY, std::to_string(r.cbw), s, {}});
            layout.items.push_back({BanzukeItem::Dash, c.dash, labelY, "-", s, {}});
            layout.items.push_back({BanzukeItem::Losses, c.losses, labelY, std::to_string(r.cbl), s, {}});
            if (pos == 0)
                layout.items.push_back({BanzukeItem::RankWord, rank.x, labelY, rank.text, -1, {}});
            if (rank.code == kMaegashira && east && pos > 0)
                layout.items.push_back({BanzukeItem::RowNumber, kRowNumberX, labelY, std::to_string(pos / 2 + 1), -1, {}});
            ++n;
        }
    }
    layout.bottom = (anyRow ? y : kBanzukeFirstRowY) + kBanzukeRowHeight;
    return layout;
}
