// The chanko visit: the player spends his chanko points on playerCopy.
#pragma once

#include "rules/core/StatRows.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

struct Game;

// The fifteen purchases of a chanko visit: the twelve statistic rows in
// display order, then height, weight up and weight down.
constexpr std::size_t kChankoHeight = kStatRowCount;
constexpr std::size_t kChankoWeightUp = kStatRowCount + 1;
constexpr std::size_t kChankoWeightDown = kStatRowCount + 2;
constexpr std::size_t kChankoButtonCount = kStatRowCount + 3;

// What the chanko screen shows: finished captions and the enabled buttons.
struct ChankoView {
    std::string message; // where the points come from
    std::string title;
    std::string pointsLeft;
    std::string height;
    std::string weight;
    std::array<std::string, kStatRowCount> values; // the statistics, in row order
    std::array<bool, kChankoButtonCount> enabled{};
};

// One visit of the chanko screen. Works on game.playerCopy and
// game.pointPool only; draws nothing and writes no file. A statistic costs
// 1 point up to its ceiling (13 for strength and agility, 15 for the others),
// a kilogram up or down 2, and the one centimetre of height a visit allows 3.
// A button once disabled stays disabled for the rest of the visit.
class ChankoVisit {
public:
    // Fills the view on opening.
    void open(const Game& game);
    // A click on button `button` (an index above). A disabled button is not
    // clickable; returns whether the click was taken.
    bool click(Game& game, std::size_t button);

    const ChankoView& view() const { return m_view; }

private:
    void refresh(const Game& game);

    ChankoView m_view;
};

// The chanko points a basho earns: max(cbw - 6, 0) + potential, so 7 wins
// earn the first point.
int chankoPoints(int cbw, int potential);
