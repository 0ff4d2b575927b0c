// Reading the history back.
#include "history/HistoryQueries.h"

#include "history/HistoryFile.h"
#include "history/Naming.h"
#include "history/Sqlite.h"
#include "rules/core/Rikishi.h"
#include "rules/core/Wrap.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace {

bool rosterOf(const Statement& q, int column, Roster& roster)
{
    const auto bytes = q.blob(column);
    if (bytes.size() != sizeof roster)
        return false;
    std::memcpy(roster.data(), bytes.data(), bytes.size());
    return true;
}

RankPlace placeOf(const BashoRow& r)
{
    RankPlace p;
    p.rank = r.rank;
    p.number = r.number;
    p.east = r.east;
    p.listed = true;
    return p;
}

BashoRow bashoRowFrom(const Statement& q)
{
    BashoRow r;
    r.basho = static_cast<int>(q.integer(0));
    r.name = q.text(1);
    r.shikona = q.text(2);
    r.wrestler = static_cast<int>(q.integer(3));
    r.position = static_cast<int>(q.integer(4));
    r.rank = static_cast<int>(q.integer(5));
    r.number = static_cast<int>(q.integer(6));
    r.east = q.integer(7) != 0;
    r.title = q.text(8);
    r.finished = q.integer(9) != 0;
    r.wins = static_cast<int>(q.integer(10));
    r.losses = static_cast<int>(q.integer(11));
    r.yusho = q.integer(12) != 0;
    r.junyusho = q.integer(13) != 0;
    r.newTitle = q.text(14);
    r.change = q.text(15);
    return r;
}

} // namespace

CareerTotals totalsOf(const std::vector<BashoRow>& rows)
{
    CareerTotals t;
    const BashoRow* best = nullptr;
    for (const BashoRow& r : rows) {
        ++t.basho;
        t.wins += r.wins;
        t.losses += r.losses;
        t.yusho += r.yusho ? 1 : 0;
        t.junyusho += r.junyusho ? 1 : 0;
        if (!best || higherPlace(placeOf(r), placeOf(*best)))
            best = &r;
    }
    if (t.wins + t.losses > 0)
        t.percentage = 100.0 * static_cast<double>(t.wins) / static_cast<double>(t.wins + t.losses);
    if (best) {
        t.highest = best->title;
        t.highestFirstBasho = best->basho;
        t.highestFirstName = best->name;
    }
    return t;
}

HistoryReader::HistoryReader(const std::string& historyPath) : m_db(openHistoryForReading(historyPath)) {}

HistoryReader::~HistoryReader() = default;

std::vector<CareerSummary> HistoryReader::careers()
{
    std::vector<CareerSummary> list;
    Statement q(*m_db, "SELECT career, shikona, started, from_start, first_day FROM careers ORDER BY career");
    while (q.step()) {
        CareerSummary c;
        c.career = q.integer(0);
        c.shikona = q.text(1);
        c.started = q.text(2);
        c.fromStart = q.integer(3) != 0;
        c.knownFrom = bashoName(1);
        c.knownFromDay = static_cast<int>(q.integer(4));
        list.push_back(c);
    }
    for (CareerSummary& c : list) {
        const CareerTotals t = totalsOf(bashoRows(c.career, player(c.career)));
        c.basho = t.basho;
        c.highest = t.highest;
        c.yusho = t.yusho;
    }
    return list;
}

int HistoryReader::player(std::int64_t career)
{
    Statement q(*m_db, "SELECT wrestler FROM wrestlers WHERE career = ? AND player = 1 ORDER BY wrestler LIMIT 1");
    q.bind(career);
    return q.step() ? static_cast<int>(q.integer(0)) : 0;
}

std::optional<int> HistoryReader::wrestlerNamed(std::int64_t career, const std::string& shikona)
{
    Statement q(*m_db, "SELECT wrestler FROM wrestlers WHERE career = ? AND shikona = ? ORDER BY wrestler LIMIT 1");
    q.bind(career).bind(shikona);
    if (!q.step())
        return std::nullopt;
    return static_cast<int>(q.integer(0));
}

std::vector<BashoRow> HistoryReader::bashoRows(std::int64_t career, int wrestler)
{
    Statement q(*m_db, "SELECT b.basho, s.name, w.shikona, b.wrestler, b.position, b.rank, b.number, b.east, b.title, "
                       "o.wrestler IS NOT NULL, o.wins, o.losses, o.yusho, o.junyusho, o.new_title, o.change "
                       "FROM banzuke b JOIN basho s USING(career, basho) JOIN wrestlers w USING(career, wrestler) "
                       "LEFT JOIN outcomes o USING(career, basho, wrestler) "
                       "WHERE b.career = ? AND (? = 0 OR b.wrestler = ?) ORDER BY b.basho, b.position");
    q.bind(career).bind(wrestler).bind(wrestler);
    std::vector<BashoRow> rows;
    while (q.step())
        rows.push_back(bashoRowFrom(q));
    addCurrentRecords(career, rows);
    return rows;
}

// The basho being fought has no results yet: its record so far is the
// file's, as the history's last step holds it.
void HistoryReader::addCurrentRecords(std::int64_t career, std::vector<BashoRow>& rows)
{
    Statement last(*m_db, "SELECT basho, roster FROM steps WHERE career = ? ORDER BY step DESC LIMIT 1");
    last.bind(career);
    Roster now{};
    if (!last.step() || !rosterOf(last, 1, now))
        return;
    Statement first(*m_db, "SELECT roster FROM steps WHERE career = ? AND basho = ? ORDER BY step LIMIT 1");
    first.bind(career).bind(last.integer(0));
    Roster start{};
    if (!first.step() || !rosterOf(first, 0, start))
        start = now;
    for (BashoRow& r : rows) {
        if (r.finished || r.basho != last.integer(0) || r.position < 0 || r.position >= static_cast<int>(kRosterSize))
            continue;
        const Rikishi& was = start[static_cast<std::size_t>(r.position)];
        const Rikishi& is = now[static_cast<std::size_t>(r.position)];
        r.wins = is.cbw;
        r.losses = is.cbl;
        r.yusho = wrap::sub(is.yusho, was.yusho) > 0;
        r.junyusho = wrap::sub(is.junyusho, was.junyusho) > 0;
    }
}

std::vector<BoutLine> HistoryReader::bouts(std::int64_t career)
{
    Statement q(*m_db, "SELECT b.basho, b.day, e.shikona, w.shikona, v.shikona, b.player, b.tachiai, b.strategies, "
                       "b.monoii, b.tori_naoshi FROM bouts b "
                       "JOIN wrestlers e ON e.career = b.career AND e.wrestler = b.east "
                       "JOIN wrestlers w ON w.career = b.career AND w.wrestler = b.west "
                       "JOIN wrestlers v ON v.career = b.career AND v.wrestler = b.winner "
                       "WHERE b.career = ? ORDER BY b.basho, b.day, b.seq");
    q.bind(career);
    std::vector<BoutLine> lines;
    while (q.step())
        lines.push_back({static_cast<int>(q.integer(0)), static_cast<int>(q.integer(1)), q.text(2), q.text(3),
                         q.text(4), q.integer(5) != 0, q.text(6), q.text(7), static_cast<int>(q.integer(8)),
                         static_cast<int>(q.integer(9))});
    return lines;
}

std::vector<ChampionRow> HistoryReader::champions(std::int64_t career)
{
    std::vector<ChampionRow> list;
    std::map<int, std::size_t> at;
    for (const BashoRow& r : bashoRows(career, 0)) {
        if (!r.finished)
            continue;
        if (!at.count(r.basho)) {
            at[r.basho] = list.size();
            list.push_back({r.basho, r.name, "", {}, false});
        }
        ChampionRow& c = list[at[r.basho]];
        if (r.yusho)
            c.yusho = r.shikona;
        if (r.junyusho)
            c.junyusho.push_back(r.shikona);
    }
    Statement q(*m_db, "SELECT DISTINCT basho FROM bouts WHERE career = ? AND day = 16");
    q.bind(career);
    while (q.step()) {
        const auto found = at.find(static_cast<int>(q.integer(0)));
        if (found != at.end())
            list[found->second].playoff = true;
    }
    return list;
}

std::vector<HeadToHeadRow> HistoryReader::headToHead(std::int64_t career, int wrestler)
{
    Statement q(*m_db, "SELECT o.shikona, sum(b.winner = ?), sum(b.winner <> ?) FROM bouts b "
                       "JOIN wrestlers o ON o.career = b.career AND o.wrestler = (b.east + b.west - ?) "
                       "WHERE b.career = ? AND (b.east = ? OR b.west = ?) GROUP BY o.wrestler ORDER BY o.wrestler");
    q.bind(wrestler).bind(wrestler).bind(wrestler).bind(career).bind(wrestler).bind(wrestler);
    std::vector<HeadToHeadRow> rows;
    while (q.step())
        rows.push_back({q.text(0), static_cast<int>(q.integer(1)), static_cast<int>(q.integer(2))});
    return rows;
}

std::vector<AbilityRow> HistoryReader::abilities(std::int64_t career)
{
    Statement q(*m_db, "SELECT a.basho, s.name, height, weight, strength, agility, tachiai, jump, receive, defense, "
                       "oshi, yotsu, tsuppari, tenage, henka, stamina FROM abilities a JOIN basho s USING(career, basho) "
                       "WHERE a.career = ? ORDER BY a.basho");
    q.bind(career);
    std::vector<AbilityRow> rows;
    while (q.step()) {
        AbilityRow r;
        r.basho = static_cast<int>(q.integer(0));
        r.name = q.text(1);
        r.height = static_cast<int>(q.integer(2));
        r.weight = static_cast<int>(q.integer(3));
        for (std::size_t k = 0; k < r.abilities.size(); ++k)
            r.abilities[k] = static_cast<int>(q.integer(static_cast<int>(k) + 4));
        rows.push_back(r);
    }
    return rows;
}
