// The yusho: the basho's champion and runners-up, with a playoff on a tie.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct Game;
class PlayerBout;

// What the yusho screen shows: finished captions and which controls are visible.
struct YushoView {
    std::string announcement; // the playoff announcement
    std::string junYusho; // JunYushoWinners
    bool announcementVisible = false;
    bool junYushoVisible = false;
    bool okVisible = false;
    bool beginVisible = false; // "Begin Kettei-Sen" is offered
};

// How a front-end presents the playoff while it runs.
class PlayoffHost {
public:
    virtual ~PlayoffHost() = default;
    // A three-way bout that the game decided: the announcement has just been
    // put into the view; show it at once (it stays up during the pause).
    virtual void announce(const std::string& announcement) = 0;
    // A blocking pause after a bout that the game decided: 1000 ms in the
    // pair stage, 3000 ms in the three-way playoff. It must not let the
    // player act meanwhile.
    virtual void pause(int milliseconds) = 0;
    // True once the program is quitting: the playoff is abandoned before or
    // after a player's bout, and nothing is credited or saved.
    virtual bool stopped() const { return false; }
};

// One yusho decision, from the screen's set-up to the end of any playoff.
// Its state survives the player's playoff bouts.
class YushoDecision {
public:
    enum class State {
        Decided,
        Tie,
        Finished,
        Abandoned,
    };

    // The set-up: curDay := record 0's day; the best total and up to six
    // entrants on it, in roster order. A single winner gets his yusho and
    // every record on the next total a jun-yusho at once (the front-end then
    // saves); a tie waits for runPlayoff. Draws nothing.
    void setUp(Game& game);

    // The whole playoff of a tie, stage after stage: pairs for four to six
    // entrants, the three-way playoff until one entrant wins twice in a row,
    // the final of two. A bout between two computer wrestlers draws twice
    // (the first-named wrestler's score first); the player's bouts go to
    // `bout` with his record in playerCopy, the other in opponentCopy and
    // playoffWins / playoffLosses set to 0 just before. The counters yusho
    // and junyusho change only when the playoff is complete. Returns true
    // when it is (the front-end then saves), false when it was not a tie or
    // the host stopped it.
    bool runPlayoff(Game& game, PlayerBout& bout, PlayoffHost& host);

    State state() const { return m_state; }
    const YushoView& view() const { return m_view; }
    // Roster indices of the entrants still in the playoff, in entrant order.
    std::vector<int> entrants() const;

private:
    // True when the first-named wrestler `a` wins; `decided` tells whether
    // the game (not the player) fought it.
    bool fightBout(Game& game, int a, int b, PlayerBout& bout, PlayoffHost& host, bool& decided);
    bool decideBout(Game& game, int a, int b, PlayerBout& bout, PlayoffHost& host, bool& decided);
    bool pairStage(Game& game, PlayerBout& bout, PlayoffHost& host);
    bool threeWayStage(Game& game, PlayerBout& bout, PlayoffHost& host);
    bool finalStage(Game& game, PlayerBout& bout, PlayoffHost& host);
    void creditJunYusho(const Game& game, int index, const char* separator);

    State m_state = State::Decided;
    YushoView m_view;
    std::int32_t m_topWins = 16;
    std::array<int, 6> m_entrants{};
    int m_count = 0;
    std::array<int, 3> m_streak{};
    // Credits held back until the playoff is complete, so that a save made
    // during a player's bout never holds a half-credited playoff.
    int m_yushoWinner = -1;
    std::vector<int> m_junYushoCredits;
};
