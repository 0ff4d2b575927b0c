// The yusho decision and the playoff (kettei-sen) of a tie.
#include "rules/bashoend/YushoDecision.h"

#include "rules/bashoend/YushoSearch.h"
#include "rules/bout/PlayerBout.h"
#include "rules/core/Game.h"
#include "rules/core/Wrap.h"
#include "rules/core/CurrentDay.h"

#include <string>

namespace {

const char* const kSeparator = "    ";

Rikishi& at(Game& game, int index) { return game.roster[static_cast<std::size_t>(index)]; }
std::string nameAt(const Game& game, int index) { return shikonaOf(game.roster[static_cast<std::size_t>(index)]); }

} // namespace

void YushoDecision::setUp(Game& game)
{
    m_view = YushoView{};
    m_view.junYusho = "Jun-Yusho:  ";
    followRosterDay(game);
    m_count = 0;
    m_streak = {0, 0, 0};
    m_yushoWinner = -1;
    m_junYushoCredits.clear();

    m_topWins = highestTotalFrom(game.roster, 15);
    for (std::size_t i = 0; i < game.roster.size() && m_count < 6; ++i) {
        if (game.roster[i].cbw == m_topWins)
            m_entrants[static_cast<std::size_t>(m_count++)] = static_cast<int>(i);
    }

    if (m_count > 1) {
        m_state = State::Tie;
        m_view.announcement = "Kettei sen participants:   ";
        for (int e = 0; e < m_count; ++e)
            m_view.announcement += nameAt(game, m_entrants[static_cast<std::size_t>(e)]) + kSeparator;
        m_view.announcementVisible = true;
        m_view.beginVisible = true;
        return;
    }

    m_state = State::Decided;
    Rikishi& winner = at(game, m_entrants[0]);
    m_view.announcement = shikonaOf(winner) + " takes the yusho with a " + std::to_string(winner.cbw) + " - " +
                          std::to_string(winner.cbl) + " record!";
    winner.yusho = wrap::add(winner.yusho, 1);

    // Everybody on the second-best total is jun-yusho, however many they are.
    const std::int32_t second = highestTotalFrom(game.roster, wrap::sub(m_topWins, 1));
    for (Rikishi& r : game.roster) {
        if (r.cbw == second && &r != &winner) {
            m_view.junYusho += shikonaOf(r) + kSeparator;
            r.junyusho = wrap::add(r.junyusho, 1);
        }
    }
    m_view.announcementVisible = true;
    m_view.junYushoVisible = true;
    m_view.okVisible = true;
}

std::vector<int> YushoDecision::entrants() const
{
    return std::vector<int>(m_entrants.begin(), m_entrants.begin() + m_count);
}

bool YushoDecision::fightBout(Game& game, int a, int b, PlayerBout& bout, PlayoffHost& host, bool& decided)
{
    const bool aWins = decideBout(game, a, b, bout, host, decided);
    // A bout abandoned by a program that quits was never fought.
    if (game.witness && (decided || !host.stopped()))
        game.witness->playoffBout(a, b, aWins);
    return aWins;
}

bool YushoDecision::decideBout(Game& game, int a, int b, PlayerBout& bout, PlayoffHost& host, bool& decided)
{
    const bool aIsPlayer = at(game, a).isPlayer == 1;
    if (aIsPlayer || at(game, b).isPlayer == 1) {
        decided = false;
        if (host.stopped())
            return false;
        game.playerCopy = at(game, aIsPlayer ? a : b);
        game.opponentCopy = at(game, aIsPlayer ? b : a);
        // Cleared before every one of his bouts: a counter left from an
        // earlier bout of the same stage must not count as this one's win.
        game.playoffWins = 0;
        game.playoffLosses = 0;
        bout.fight(game);
        const bool playerWon = game.playoffWins >= 1;
        return aIsPlayer == playerWon;
    }
    decided = true;
    const std::int32_t drawA = game.rng.draw(3276);
    const std::int32_t scoreA = wrap::add(drawA, at(game, a).power);
    const std::int32_t drawB = game.rng.draw(3276);
    const std::int32_t scoreB = wrap::add(drawB, at(game, b).power);
    return !(scoreA < scoreB); // equal scores go to the first-named
}

void YushoDecision::creditJunYusho(const Game& game, int index, const char* separator)
{
    m_view.junYusho += nameAt(game, index) + separator;
    m_junYushoCredits.push_back(index);
}

bool YushoDecision::pairStage(Game& game, PlayerBout& bout, PlayoffHost& host)
{
    game.playoffWins = 0;
    game.playoffLosses = 0;
    std::array<int, 6> next{};
    int nextCount = 0;
    for (int first = 0; first + 1 < m_count; first += 2) {
        const int a = m_entrants[static_cast<std::size_t>(first)];
        const int b = m_entrants[static_cast<std::size_t>(first) + 1];
        bool decided = false;
        const bool aWins = fightBout(game, a, b, bout, host, decided);
        if (!decided && host.stopped())
            return false;
        creditJunYusho(game, aWins ? b : a, kSeparator);
        next[static_cast<std::size_t>(nextCount++)] = aWins ? a : b;
        if (decided)
            host.pause(1000); // the pair results are not shown
    }
    if (m_count == 5)
        next[static_cast<std::size_t>(nextCount++)] = m_entrants[4]; // had no bout
    m_entrants = next;
    m_count = nextCount;
    return true;
}

namespace {

// More bouts than a three-way playoff between sound records ever needs: each
// bout is a fresh chance for the champion to win twice in a row, so going on
// this long by chance is vanishingly unlikely.
constexpr int kMaxThreeWayBouts = 100;

} // namespace

bool YushoDecision::threeWayStage(Game& game, PlayerBout& bout, PlayoffHost& host)
{
    game.playoffWins = 0;
    game.playoffLosses = 0;
    int champion = 0;
    int challenger = 1;
    for (int bouts = 0; m_streak[0] < 2 && m_streak[1] < 2 && m_streak[2] < 2; ++bouts) {
        // With sound records the bouts are chancy and a champion soon wins
        // twice in a row. Damaged records (powers and genki that wrap around)
        // can make the three beat each other in a fixed circle for ever: then
        // the champion of the last bout allowed takes the yusho. The other
        // two have lost or sat out that bout, so their streaks are 0.
        if (bouts == kMaxThreeWayBouts) {
            m_streak[static_cast<std::size_t>(champion)] = 2;
            break;
        }
        const int a = m_entrants[static_cast<std::size_t>(champion)];
        const int b = m_entrants[static_cast<std::size_t>(challenger)];
        bool decided = false;
        const bool aWins = fightBout(game, a, b, bout, host, decided);
        if (!decided && host.stopped())
            return false;
        const int winner = aWins ? champion : challenger;
        const int loser = aWins ? challenger : champion;
        if (decided) {
            m_view.announcement = nameAt(game, m_entrants[static_cast<std::size_t>(winner)]) + " defeats " +
                                  nameAt(game, m_entrants[static_cast<std::size_t>(loser)]);
            m_view.announcementVisible = true;
            host.announce(m_view.announcement);
            host.pause(3000);
        }
        ++m_streak[static_cast<std::size_t>(winner)];
        m_streak[static_cast<std::size_t>(loser)] = 0;
        champion = winner;
        // The next challenger is the one who sat this bout out.
        for (int step = 0; step < 3; ++step) {
            challenger = (challenger + 1) % 3;
            if (challenger != loser && challenger != champion)
                break;
        }
    }

    int winner = 0;
    while (m_streak[static_cast<std::size_t>(winner)] < 2)
        ++winner;
    m_yushoWinner = m_entrants[static_cast<std::size_t>(winner)];
    m_view.announcement = "As the dust from the yusho playoff battle settles, " + nameAt(game, m_yushoWinner) +
                          " emerges victorious as Yusho winner!";
    for (int e = 0; e < 3; ++e) {
        if (m_streak[static_cast<std::size_t>(e)] == 0)
            creditJunYusho(game, m_entrants[static_cast<std::size_t>(e)], kSeparator);
    }
    m_count = 0;
    return true;
}

bool YushoDecision::finalStage(Game& game, PlayerBout& bout, PlayoffHost& host)
{
    game.playoffWins = 0;
    game.playoffLosses = 0;
    const int a = m_entrants[0];
    const int b = m_entrants[1];
    bool decided = false;
    const bool aWins = fightBout(game, a, b, bout, host, decided);
    if (!decided && host.stopped())
        return false;
    m_yushoWinner = aWins ? a : b;
    m_view.announcement = nameAt(game, m_yushoWinner) + " takes the yusho!";
    creditJunYusho(game, aWins ? b : a, "");
    m_count = 0;
    return true;
}

bool YushoDecision::runPlayoff(Game& game, PlayerBout& bout, PlayoffHost& host)
{
    if (m_state != State::Tie)
        return false;
    m_view.beginVisible = false;
    m_state = State::Abandoned; // until every stage has run

    if (m_count >= 4 && !pairStage(game, bout, host))
        return false;
    if (m_count == 3 && !threeWayStage(game, bout, host))
        return false;
    if (m_count == 2 && !finalStage(game, bout, host))
        return false;

    at(game, m_yushoWinner).yusho = wrap::add(at(game, m_yushoWinner).yusho, 1);
    for (int index : m_junYushoCredits)
        at(game, index).junyusho = wrap::add(at(game, index).junyusho, 1);

    m_view.announcementVisible = true;
    m_view.junYushoVisible = true;
    m_view.okVisible = true;
    m_state = State::Finished;
    return true;
}
