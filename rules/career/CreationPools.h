// The creation screen's two point pools: the rules behind its scroll bars.
#pragma once

#include "rules/career/CreationValues.h"
#include "rules/core/Game.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// The finished captions of the screen's value and pool labels.
struct CreationTexts {
    std::string height;
    std::string weight;
    std::string hwPoints;
    std::string statPoints;
    std::array<std::string, kAbilityCount> abilities;
};

// Height and weight trade against each other through the height-and-weight
// pool (starting at 0); the twelve abilities are bought from a pool of 25.
// Each scroll event takes the position the bar proposes and returns the one
// it must take (the old value when the move is refused).
//
// A rise is refused only while its pool is at 0 or below, so a rise of
// several steps at once (a drag, a page step) is taken whole while the pool
// is above 0, even when that leaves the pool negative; further rises are
// then refused until falls bring the pool above 0 again.
class CreationPools {
public:
    explicit CreationPools(BodyScrollMemory& memory);

    // Back to the opening values; the bar memory is kept.
    void reset();

    // A scroll event of the height bar. When the positions last proposed for
    // both bars add up to more than the body total, the weight is first
    // lowered to make room, exactly as a scroll of the weight bar would.
    std::int32_t scrollHeight(std::int32_t proposed);
    // The mirror image for the weight bar; a rise that would need a height
    // below the bar's range is refused.
    std::int32_t scrollWeight(std::int32_t proposed);
    // A scroll event of ability bar `index` (display order); an index out of
    // range changes nothing and returns the proposal.
    std::int32_t scrollAbility(std::size_t index, std::int32_t proposed);

    // Moves the bars from where they stand to the body and abilities of
    // `values` one step at a time, as a player clicking the arrows would:
    // the falls first, so that every rise finds the points the falls gave
    // back. False when a step is refused; the bars then stay where the
    // refusal left them, as the player's would.
    bool setUp(const CreationValues& values);

    std::int32_t chosenHeight() const { return m_height; }
    std::int32_t chosenWeight() const { return m_weight; }
    std::int32_t hwPoints() const { return m_hwPoints; }
    std::int32_t statPoints() const { return m_statPoints; }
    std::int32_t ability(std::size_t index) const { return index < kAbilityCount ? m_abilities[index] : 0; }

    CreationTexts texts() const;
    // The chosen body and abilities with the two names, ready for a new career.
    CreationValues values(const std::string& shikona, const std::string& realName) const;

private:
    struct BodyBar;
    static const BodyBar kHeightBar;
    static const BodyBar kWeightBar;
    std::int32_t scrollBody(const BodyBar& own, const BodyBar& partner, std::int32_t proposed);

    BodyScrollMemory& m_memory;
    std::int32_t m_height = 0;
    std::int32_t m_weight = 0;
    std::int32_t m_hwPoints = 0;
    std::int32_t m_statPoints = 0;
    std::array<std::int32_t, kAbilityCount> m_abilities{};
};
