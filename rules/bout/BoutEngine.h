// The player's bout: set-up, tachiai, exchanges, the end of the bout, the
// mono-ii and the recording of the result. The bout screen and the headless
// front-end both drive one engine by the same calls and show its view.
#pragma once

#include "rules/bout/BoutView.h"

#include <array>
#include <cstdint>
#include <string>

class Rng;
struct Rikishi;
struct Game;

// The judges' decision after a mono-ii.
enum class MonoiiDecision {
    NotCalled,
    PlayerWins,
    OpponentWins,
    ToriNaoshi,
};

// One engine serves every bout of the program's run: the player's habits
// (lastUserStrategy, repeatCount) and the bar colours carry over from bout
// to bout. It works on game.playerCopy, game.opponentCopy, game.curDay
// (16 or more: a playoff bout), game.pointPool, game.playoffWins and
// game.playoffLosses, and draws from game.rng.
//
// Each step acts only when its control is offered in the view (the set-up
// always acts); a step called out of turn changes nothing and draws nothing,
// so a result can never be recorded twice.
class BoutEngine {
public:
    // The set-up of a bout (also of a tori-naoshi). Draws the player's genki,
    // then the opponent's.
    void setUp(Game& game);

    // The tachiai with the player's code 1..4. Draws in this order: time,
    // the opponent's choice, the lucky draws, both random additions, both
    // powerful-tachiai tests, both stumble tests, then a bonus for the side
    // whose strategy beats the other's.
    void tachiai(Game& game, int userCode);

    // One exchange with the player's code 1..6, then the end-of-bout test.
    void exchange(Game& game, int userCode);

    // The player confirms the close finish: the mono-ii is called. No draw.
    void callMonoii();
    // The judges decide (one draw). In a playoff a decision for either side
    // is the bout's result and is recorded at once. NotCalled when no mono-ii
    // was waiting for them.
    MonoiiDecision judgesDecide(Game& game);
    // The rematch after a tori-naoshi: a fresh set-up.
    void toriNaoshi(Game& game);

    // Record the player's win or loss (a tournament day changes both
    // records; a playoff only playoffWins / playoffLosses). A loss may run
    // the stat loss, which draws.
    void recordWin(Game& game);
    void recordLoss(Game& game);
    // The bonus points have been offered on the stat increase screen.
    void bonusSpent();
    // The bout is over and the screen goes: Close is no longer offered.
    void close();

    const BoutView& view() const { return m_view; }
    // True from the recording of the result until the next set-up.
    bool resultRecorded() const { return m_recorded; }

    std::int32_t timeElapsed() const { return m_timeElapsed; }
    std::int32_t userPts() const { return m_userPts; }
    std::int32_t compPts() const { return m_compPts; }
    std::int32_t lastUserStrategy() const { return m_lastUserStrategy; }
    std::int32_t repeatCount() const { return m_repeatCount; }
    const std::array<std::int32_t, 4>& strategyHistory() const { return m_strategyHistory; }

private:
    void addTime(Game& game);
    void showBarsAfterPlay(const Game& game);
    void decideBout(Game& game);
    void showResultButtons(bool& button, BoutFocus focus);
    // userPts and compPts each gain rand()/3276, the player's first.
    void addRandomPoints(Rng& rng);
    // The common start of recording: the result button gives way to Close.
    // A playoff bout records only who won; returns true when that was all.
    bool recordPlayoffOnly(Game& game, bool& resultButton, bool playerWon);
    // playoffWins / playoffLosses after the player's playoff bout.
    static void recordPlayoffResult(Game& game, bool playerWon);
    // The steps of an exchange, in the order of their draws.
    // Each caption given is written to; none (nullptr) when nobody reads it.
    void readPlayersHabits(Rng& rng, const Rikishi& opponent, int userCode, std::string* compLabel);
    void balanceAndStumbles(Rng& rng, const Rikishi& player, const Rikishi& opponent, std::string* userLabel,
                            std::string* compLabel);
    // The side with fewer points loses the difference from his genki;
    // `text` tells it (winner, the difference, loser, after the drain) and
    // `even` a draw, into `outcome` when it is read.
    using DrainText = std::string (*)(const Rikishi& winner, std::int32_t d, const Rikishi& loser);
    void drainGenki(Rikishi& player, Rikishi& opponent, std::string* outcome, DrainText text, const char* even) const;
    void drainAtTachiai(Game& game);

    BoutView m_view;
    std::int32_t m_timeElapsed = 0;
    std::int32_t m_userPts = 0;
    std::int32_t m_compPts = 0;
    std::array<std::int32_t, 4> m_strategyHistory{}; // newest first
    std::int32_t m_lastUserStrategy = 0;
    std::int32_t m_repeatCount = 0;
    bool m_recorded = false;
};

// True when a bout at this day is a playoff bout.
inline bool isPlayoffDay(std::int32_t curDay) { return curDay >= 16; }
