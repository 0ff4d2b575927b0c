// Reading a step of the career from two rosters.
#include "history/StepDiff.h"

#include "rules/core/Wrap.h"
#include "rules/tournament/Torikumi.h"

#include <cstring>

namespace {

enum class Side { None,
                  Won,
                  Lost };

Side sideOf(const Rikishi& before, const Rikishi& after)
{
    const bool won = after.gmw == wrap::add(before.gmw, 1) && after.gml == before.gml;
    const bool lost = after.gml == wrap::add(before.gml, 1) && after.gmw == before.gmw;
    return won ? Side::Won : lost ? Side::Lost
                                  : Side::None;
}

bool sameWrestler(const Rikishi& a, const Rikishi& b)
{
    return a.isPlayer == b.isPlayer && std::memcmp(a.shikona, b.shikona, sizeof a.shikona) == 0 &&
           std::memcmp(a.realName, b.realName, sizeof a.realName) == 0;
}

bool revisedFrom(const Rikishi& old, const Rikishi& now)
{
    return sameWrestler(old, now) && old.gmw == now.gmw && old.gml == now.gml && old.rlw == now.rlw &&
           old.rll == now.rll && old.yusho == now.yusho && old.junyusho == now.junyusho && now.lbw == old.cbw &&
           now.tbaw == old.lbw && now.cbw == 0 && now.cbl == 0 && std::memcmp(&old.age, &now.age, sizeof old.age) == 0;
}

bool allOnDay(const Roster& roster, std::int32_t day)
{
    for (const Rikishi& r : roster)
        if (r.day != day)
            return false;
    return true;
}

} // namespace

std::vector<BoutRow> boutsBetween(const Roster& before, const Roster& after)
{
    std::array<Side, kRosterSize> side{};
    for (std::size_t i = 0; i < kRosterSize; ++i)
        side[i] = sideOf(before[i], after[i]);
    std::vector<BoutRow> bouts;
    const std::int32_t day = before[0].day;
    auto take = [&](int seq, int a, int b) {
        Side& sa = side[static_cast<std::size_t>(a)];
        Side& sb = side[static_cast<std::size_t>(b)];
        if (sa == Side::None || sb == Side::None || sa == sb)
            return;
        const bool player = before[static_cast<std::size_t>(a)].isPlayer == 1 ||
                            before[static_cast<std::size_t>(b)].isPlayer == 1;
        bouts.push_back({day, seq, a, b, sa == Side::Won ? a : b, player, {}});
        sa = sb = Side::None;
    };
    if (isScheduledDay(day))
        for (int k = 0; k < 20; ++k) {
            const SlotPair pair = linePair(day, k);
            take(k, pair.a, pair.b);
        }
    for (int a = 0; a < static_cast<int>(kRosterSize); ++a)
        for (int b = a + 1; b < static_cast<int>(kRosterSize); ++b)
            take(20 + a, a, b);
    return bouts;
}

bool revisionOrigins(const Roster& before, const Roster& after, std::array<int, kRosterSize>& origin)
{
    std::array<bool, kRosterSize> used{};
    for (std::size_t now = 0; now < kRosterSize; ++now) {
        origin[now] = -1;
        for (std::size_t old = 0; old < kRosterSize && origin[now] < 0; ++old)
            if (!used[old] && revisedFrom(before[old], after[now])) {
                used[old] = true;
                origin[now] = static_cast<int>(old);
            }
        if (origin[now] < 0)
            return false;
    }
    return true;
}

StepKind stepKind(const Roster& before, const Roster& after)
{
    if (std::memcmp(before.data(), after.data(), sizeof before) == 0)
        return StepKind::Unchanged;
    std::array<int, kRosterSize> origin{};
    if (allOnDay(before, 16) && allOnDay(after, 1) && revisionOrigins(before, after, origin))
        return StepKind::Revision;
    // Career totals never go back within a career.
    for (std::size_t i = 0; i < kRosterSize; ++i)
        if (!sameWrestler(before[i], after[i]) || wrap::sub(after[i].gmw, before[i].gmw) < 0 ||
            wrap::sub(after[i].gml, before[i].gml) < 0)
            return StepKind::OtherCareer;
    const std::int32_t days = wrap::sub(after[0].day, before[0].day);
    return days == 0 || days == 1 ? StepKind::WithinBasho : StepKind::OtherCareer;
}
