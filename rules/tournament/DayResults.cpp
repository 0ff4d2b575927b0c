// Producing a day's lines, and taking the player's bout back into the roster.
#include "rules/tournament/DayResults.h"

#include "rules/core/BodyRatings.h"
#include "rules/core/Game.h"
#include "rules/core/Wrap.h"
#include "rules/tournament/ComputerBout.h"
#include "rules/tournament/Torikumi.h"
#include "rules/core/CurrentDay.h"

#include <string>

namespace {

std::int32_t boutsThisBasho(const Rikishi& r)
{
    return wrap::add(r.cbw, r.cbl);
}

Rikishi& at(Roster& roster, int slot)
{
    return roster[static_cast<std::size_t>(slot)];
}

} // namespace

bool computerBoutsRecorded(const Roster& roster, std::int32_t day)
{
    const int player = findPlayer(roster);
    if (player < 0 || !isScheduledDay(day))
        return false;
    const std::int32_t decided = wrap::add(boutsThisBasho(roster[static_cast<std::size_t>(player)]), 1);
    for (int k = 0; k < kLinesPerDay; ++k) {
        const SlotPair p = linePair(day, k);
        const Rikishi& a = roster[static_cast<std::size_t>(p.a)];
        const Rikishi& b = roster[static_cast<std::size_t>(p.b)];
        if (a.isPlayer == 1 || b.isPlayer == 1)
            continue;
        if (boutsThisBasho(a) != decided || boutsThisBasho(b) != decided)
            return false;
    }
    return true;
}

DaySheet produceDay(Game& game)
{
    DaySheet sheet;
    sheet.kind = DaySheetKind::Bouts;
    sheet.day = game.curDay;
    sheet.dayText = std::to_string(game.curDay);
    if (!isScheduledDay(game.curDay))
        return sheet; // callers check the career first; never read outside the table
    sheet.resumed = computerBoutsRecorded(game.roster, game.curDay);

    for (int k = 0; k < kLinesPerDay; ++k) {
        const SlotPair p = linePair(game.curDay, k);
        Rikishi& a = at(game.roster, p.a);
        Rikishi& b = at(game.roster, p.b);
        ResultLine& line = sheet.lines[static_cast<std::size_t>(k)];
        if (a.isPlayer == 1 || b.isPlayer == 1) {
            if (game.captionsWanted)
                line = {shikonaOf(a), "VS.", shikonaOf(b)};
            sheet.playerLine = k;
            game.playerCopy = a.isPlayer == 1 ? a : b;
            game.opponentCopy = a.isPlayer == 1 ? b : a;
        } else if (sheet.resumed) {
            if (game.captionsWanted)
                line = {shikonaOf(a), "VS.", shikonaOf(b)};
        } else {
            line = decideComputerBout(a, b, game.rng, game.captionsWanted);
        }
    }
    return sheet;
}

bool copyBoutBack(Game& game)
{
    if (!isScheduledDay(game.curDay))
        return false;
    for (int k = 0; k < kLinesPerDay; ++k) {
        const SlotPair p = linePair(game.curDay, k);
        if (at(game.roster, p.a).isPlayer == 1) {
            at(game.roster, p.a) = game.playerCopy;
            at(game.roster, p.b) = game.opponentCopy;
            return true;
        }
        if (at(game.roster, p.b).isPlayer == 1) {
            at(game.roster, p.b) = game.playerCopy;
            at(game.roster, p.a) = game.opponentCopy;
            return true;
        }
    }
    return false;
}

void advanceDay(Game& game)
{
    for (Rikishi& r : game.roster)
        r.day = wrap::add(r.day, 1);
    computeBodyRatings(game.roster);
    followRosterDay(game);
}
