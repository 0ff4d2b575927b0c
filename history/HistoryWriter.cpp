// The history's rows, written step by step.
#include "history/HistoryWriter.h"

#include "history/Naming.h"
#include "history/Now.h"
#include "history/Sqlite.h"
#include "rules/core/Wrap.h"

#include <cstring>
#include <string>

namespace {

constexpr const char* kTablesOfSteps[] = {"steps", "wrestlers", "basho", "banzuke", "outcomes", "bouts", "abilities"};
constexpr std::int32_t kKachiKoshi = 8;

bool freshCareer(const Roster& roster)
{
    for (const Rikishi& r : roster)
        if (r.day != 1 || r.gmw != 0 || r.gml != 0)
            return false;
    return true;
}

void insertStep(Database& db, const Roster& roster, HistoryPosition& at)
{
    ++at.step;
    Statement(db, "INSERT INTO steps(career, step, basho, day, roster) VALUES(?, ?, ?, ?, ?)")
        .bind(at.career)
        .bind(at.step)
        .bind(at.basho)
        .bind(roster[0].day)
        .bindBlob(roster.data(), sizeof roster)
        .run();
}

void insertAbilities(Database& db, const Rikishi& p, const HistoryPosition& at)
{
    Statement(db, "INSERT OR REPLACE INTO abilities VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
        .bind(at.career)
        .bind(at.basho)
        .bind(p.height)
        .bind(p.weight)
        .bind(p.strength)
        .bind(p.agility)
        .bind(p.tachiai)
        .bind(p.jump)
        .bind(p.receive)
        .bind(p.defense)
        .bind(p.oshi)
        .bind(p.yotsu)
        .bind(p.tsuppari)
        .bind(p.tenage)
        .bind(p.hatakikomi)
        .bind(p.stamina)
        .bind(at.step)
        .run();
}

// The basho's own rows at its first step: its name, the banzuke, the
// player's abilities.
void insertBashoStart(Database& db, const Roster& roster, HistoryPosition& at)
{
    Statement(db, "INSERT OR REPLACE INTO basho VALUES(?, ?, ?, ?)")
        .bind(at.career)
        .bind(at.basho)
        .bind(bashoName(at.basho))
        .bind(at.step)
        .run();
    const auto places = rankPlaces(roster);
    for (std::size_t i = 0; i < kRosterSize; ++i) {
        Statement(db, "INSERT OR REPLACE INTO banzuke VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)")
            .bind(at.career)
            .bind(at.basho)
            .bind(at.wrestlerAt[i])
            .bind(static_cast<std::int64_t>(i))
            .bind(roster[i].rank)
            .bind(places[i].number)
            .bind(places[i].east ? 1 : 0)
            .bind(places[i].title)
            .bind(at.step)
            .run();
    }
    const int player = findPlayer(roster);
    if (player >= 0)
        insertAbilities(db, roster[static_cast<std::size_t>(player)], at);
    at.bashoStart = roster;
}

std::string rankChange(const Rikishi& old, const RankPlace& was, const RankPlace& now)
{
    if (was.rank == kOzeki && now.rank == kOzeki && old.cbw < kKachiKoshi)
        return "kadoban";
    RankPlace wasRow = was;
    wasRow.east = now.east; // a change of side alone is no change of rank
    if (higherPlace(now, wasRow))
        return "promotion";
    if (higherPlace(wasRow, now))
        return "demotion";
    return "";
}

void insertOutcomes(Database& db, const Roster& before, const Roster& after,
                    const std::array<int, kRosterSize>& origin, const HistoryPosition& at)
{
    const auto was = rankPlaces(before);
    const auto now = rankPlaces(after);
    for (std::size_t j = 0; j < kRosterSize; ++j) {
        const std::size_t i = static_cast<std::size_t>(origin[j]);
        const Rikishi& r = before[i];
        const Rikishi& start = at.bashoStart[i];
        Statement(db, "INSERT OR REPLACE INTO outcomes VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
            .bind(at.career)
            .bind(at.basho)
            .bind(at.wrestlerAt[i])
            .bind(r.cbw)
            .bind(r.cbl)
            .bind(wrap::sub(r.yusho, start.yusho) > 0 ? 1 : 0)
            .bind(wrap::sub(r.junyusho, start.junyusho) > 0 ? 1 : 0)
            .bind(now[j].title)
            .bind(rankChange(r, was[i], now[j]))
            .bind(at.step)
            .run();
    }
}

void loadPosition(Database& db, HistoryPosition& at)
{
    Statement places(db, "SELECT position, wrestler FROM banzuke WHERE career = ? AND basho = ?");
    places.bind(at.career).bind(at.basho);
    at.wrestlerAt.fill(0);
    while (places.step()) {
        const std::int64_t position = places.integer(0);
        if (position >= 0 && position < static_cast<std::int64_t>(kRosterSize))
            at.wrestlerAt[static_cast<std::size_t>(position)] = static_cast<int>(places.integer(1));
    }
    Statement first(db, "SELECT roster FROM steps WHERE career = ? AND basho = ? ORDER BY step LIMIT 1");
    first.bind(at.career).bind(at.basho);
    if (first.step()) {
        const auto bytes = first.blob(0);
        if (bytes.size() == sizeof at.bashoStart)
            std::memcpy(at.bashoStart.data(), bytes.data(), bytes.size());
    }
}

} // namespace

void beginCareer(Database& db, const Roster& roster, HistoryPosition& at)
{
    const int playerIndex = findPlayer(roster);
    const Rikishi& p = roster[static_cast<std::size_t>(playerIndex < 0 ? 0 : playerIndex)];
    Statement(db, "INSERT INTO careers(shikona, real_name, height, weight, started, from_start, first_day) "
                  "VALUES(?, ?, ?, ?, ?, ?, ?)")
        .bind(shikonaOf(p))
        .bind(realNameOf(p))
        .bind(p.height)
        .bind(p.weight)
        .bind(nowText("%Y-%m-%dT%H:%M:%SZ", TimeZone::Utc))
        .bind(freshCareer(roster) ? 1 : 0)
        .bind(roster[0].day)
        .run();
    at.career = db.lastInsertId();
    at.step = 0;
    at.basho = 1;
    insertStep(db, roster, at);
    for (std::size_t i = 0; i < kRosterSize; ++i) {
        at.wrestlerAt[i] = static_cast<int>(i) + 1;
        Statement(db, "INSERT INTO wrestlers VALUES(?, ?, ?, ?, ?, ?)")
            .bind(at.career)
            .bind(at.wrestlerAt[i])
            .bind(shikonaOf(roster[i]))
            .bind(realNameOf(roster[i]))
            .bind(roster[i].isPlayer == 1 ? 1 : 0)
            .bind(at.step)
            .run();
    }
    insertBashoStart(db, roster, at);
}

namespace {

// Playoff bouts are numbered on from those a save during the playoff (the
// bout screen's own) has written already.
std::int64_t playoffBoutsWritten(Database& db, const HistoryPosition& at)
{
    Statement q(db, "SELECT count(*) FROM bouts WHERE career = ? AND basho = ? AND day = 16");
    q.bind(at.career).bind(at.basho);
    q.step();
    return q.integer(0);
}

} // namespace

void recordWithinBasho(Database& db, const Roster& roster, const std::vector<BoutRow>& bouts, HistoryPosition& at)
{
    insertStep(db, roster, at);
    std::int64_t playoffSeq = playoffBoutsWritten(db, at);
    for (const BoutRow& b : bouts) {
        auto id = [&at](int index) { return at.wrestlerAt[static_cast<std::size_t>(index)]; };
        Statement(db, "INSERT OR REPLACE INTO bouts VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
            .bind(at.career)
            .bind(at.basho)
            .bind(b.day)
            .bind(b.day == 16 ? playoffSeq++ : b.seq)
            .bind(id(b.east))
            .bind(id(b.west))
            .bind(id(b.winner))
            .bind(b.player ? 1 : 0)
            .bind(b.choices.tachiai)
            .bind(b.choices.strategies)
            .bind(b.choices.monoii)
            .bind(b.choices.toriNaoshi)
            .bind(at.step)
            .run();
    }
}

void recordRevision(Database& db, const Roster& before, const Roster& after, HistoryPosition& at)
{
    std::array<int, kRosterSize> origin{};
    if (!revisionOrigins(before, after, origin))
        throw HistoryError("the new banzuke does not follow from the last");
    ++at.step;
    insertOutcomes(db, before, after, origin, at);
    --at.step;
    const auto wrestlerWas = at.wrestlerAt;
    for (std::size_t j = 0; j < kRosterSize; ++j)
        at.wrestlerAt[j] = wrestlerWas[static_cast<std::size_t>(origin[j])];
    ++at.basho;
    insertStep(db, after, at);
    insertBashoStart(db, after, at);
    // What reconciling needs: the steps of this basho and the last.
    Statement(db, "DELETE FROM steps WHERE career = ? AND basho < ?").bind(at.career).bind(at.basho - 1).run();
}

bool returnToStep(Database& db, const Roster& roster, HistoryPosition& at)
{
    Statement find(db, "SELECT career, step, basho FROM steps WHERE career = (SELECT max(career) FROM careers) "
                       "AND roster = ? ORDER BY step DESC LIMIT 1");
    find.bindBlob(roster.data(), sizeof roster);
    if (!find.step())
        return false;
    at.career = find.integer(0);
    at.step = find.integer(1);
    at.basho = static_cast<int>(find.integer(2));
    dropStepsAfter(db, at);
    loadPosition(db, at);
    return true;
}

void dropStepsAfter(Database& db, const HistoryPosition& at)
{
    for (const char* table : kTablesOfSteps)
        Statement(db, (std::string("DELETE FROM ") + table + " WHERE career = ? AND step > ?").c_str())
            .bind(at.career)
            .bind(at.step)
            .run();
    if (at.step == 0)
        Statement(db, "DELETE FROM careers WHERE career = ?").bind(at.career).run();
}
