// The autopilot's choices: the --tachiai, --moves and --train lists.
#pragma once

#include <cstddef>
#include <vector>

// How many clicks the autopilot gives one bout or one training screen. A
// sound career never comes near it (a bout lasts a few dozen exchanges, a
// training screen offers at most 12 x 15 clicks); a damaged save file may
// hold genki or abilities in the billions, and the autopilot, unlike a
// player, would otherwise click on for hours.
constexpr long kAutopilotPatience = 2000;

// Each list keeps one position for the whole run of the command: after its
// last code it starts again from the first, and it never goes back to the
// start at a new bout, a tori-naoshi, a new day or a new basho.
class Autopilot {
public:
    Autopilot(std::vector<int> tachiai, std::vector<int> moves, std::vector<int> train)
        : m_tachiai(std::move(tachiai)), m_moves(std::move(moves)), m_train(std::move(train)) {}

    int nextTachiai() { return take(m_tachiai, m_tachiaiPos); } // 1..4
    int nextMove() { return take(m_moves, m_movesPos); } // 1..6
    const std::vector<int>& tachiai() const { return m_tachiai; }
    const std::vector<int>& moves() const { return m_moves; }
    // Abilities in the display order strength(1) .. stamina(12), most wanted first.
    const std::vector<int>& train() const { return m_train; }

private:
    static int take(const std::vector<int>& list, std::size_t& pos)
    {
        const int code = list[pos];
        pos = (pos + 1) % list.size();
        return code;
    }

    std::vector<int> m_tachiai;
    std::vector<int> m_moves;
    std::vector<int> m_train;
    std::size_t m_tachiaiPos = 0;
    std::size_t m_movesPos = 0;
};
