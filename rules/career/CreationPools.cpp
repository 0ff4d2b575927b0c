// Point allocation of the creation screen.
#include "rules/career/CreationPools.h"

#include "rules/core/Wrap.h"

CreationPools::CreationPools(BodyScrollMemory& memory) : m_memory(memory)
{
    reset();
}

void CreationPools::reset()
{
    const CreationValues opening;
    m_height = opening.height;
    m_weight = opening.weight;
    m_hwPoints = wrap::sub(wrap::sub(kBodyTotal, opening.height), opening.weight);
    m_abilities = opening.abilities;
    m_statPoints = kStartingStatPoints;
}

// The height and the weight bar follow one rule, each with the other as its
// partner: a bar's chosen value, its memory and its range.
struct CreationPools::BodyBar {
    std::int32_t CreationPools::*chosen;
    std::int32_t BodyScrollMemory::*lastPos;
    std::int32_t min;
    std::int32_t max;
};

const CreationPools::BodyBar CreationPools::kHeightBar{&CreationPools::m_height, &BodyScrollMemory::lastHeightPos,
                                                       kMinHeight, kMaxHeight};
const CreationPools::BodyBar CreationPools::kWeightBar{&CreationPools::m_weight, &BodyScrollMemory::lastWeightPos,
                                                       kMinWeight, kMaxWeight};

std::int32_t CreationPools::scrollBody(const BodyBar& own, const BodyBar& partner, std::int32_t p)
{
    std::int32_t& value = this->*own.chosen;
    m_memory.*own.lastPos = p;
    if (m_hwPoints <= 0 && p > value) {
        p = value;
    } else if (wrap::add(m_memory.lastHeightPos, m_memory.lastWeightPos) > kBodyTotal) {
        // Make room by moving the partner as if its own bar had been scrolled.
        // That inner run leaves the two memories summing to exactly the
        // total, so it never calls back into this one.
        const std::int32_t room = wrap::sub(kBodyTotal, m_memory.*own.lastPos);
        if (room >= partner.min && room <= partner.max)
            scrollBody(partner, own, room);
        else
            p = value;
    }
    m_hwPoints = wrap::sub(m_hwPoints, wrap::sub(p, value));
    value = p;
    return p;
}

std::int32_t CreationPools::scrollHeight(std::int32_t p)
{
    return scrollBody(kHeightBar, kWeightBar, p);
}

std::int32_t CreationPools::scrollWeight(std::int32_t p)
{
    return scrollBody(kWeightBar, kHeightBar, p);
}

std::int32_t CreationPools::scrollAbility(std::size_t index, std::int32_t p)
{
    if (index >= kAbilityCount)
        return p;
    std::int32_t& value = m_abilities[index];
    if (m_statPoints <= 0 && p > value)
        p = value;
    m_statPoints = wrap::sub(m_statPoints, wrap::sub(p, value));
    value = p;
    return p;
}

namespace {

// Moves one bar a step at a time towards target; false when the pools refuse a step.
template <typename Scroll>
bool stepTo(std::int32_t from, std::int32_t target, Scroll scroll)
{
    const std::int32_t step = target < from ? -1 : 1;
    for (std::int32_t v = from; v != target;) {
        v += step;
        if (scroll(v) != v)
            return false;
    }
    return true;
}

} // namespace

bool CreationPools::setUp(const CreationValues& values)
{
    // No bar proposes a position outside its range.
    const auto inRange = [](std::int32_t v, std::int32_t lo, std::int32_t hi) { return v >= lo && v <= hi; };
    if (!inRange(values.height, kMinHeight, kMaxHeight) || !inRange(values.weight, kMinWeight, kMaxWeight))
        return false;
    for (const std::int32_t a : values.abilities)
        if (!inRange(a, kMinAbility, kMaxAbility))
            return false;
    const auto height = [this](std::int32_t p) { return scrollHeight(p); };
    const auto weight = [this](std::int32_t p) { return scrollWeight(p); };
    bool ok = true;
    if (values.height < m_height)
        ok = ok && stepTo(m_height, values.height, height);
    if (values.weight < m_weight)
        ok = ok && stepTo(m_weight, values.weight, weight);
    if (values.height > m_height)
        ok = ok && stepTo(m_height, values.height, height);
    if (values.weight > m_weight)
        ok = ok && stepTo(m_weight, values.weight, weight);
    for (const bool falls : {true, false})
        for (std::size_t i = 0; i < kAbilityCount; ++i)
            if ((values.abilities[i] < m_abilities[i]) == falls && values.abilities[i] != m_abilities[i])
                ok = ok && stepTo(m_abilities[i], values.abilities[i],
                                  [this, i](std::int32_t p) { return scrollAbility(i, p); });
    return ok && m_height == values.height && m_weight == values.weight && m_abilities == values.abilities;
}

CreationTexts CreationPools::texts() const
{
    CreationTexts t;
    t.height = std::to_string(m_height);
    t.weight = std::to_string(m_weight);
    t.hwPoints = std::to_string(m_hwPoints);
    t.statPoints = std::to_string(m_statPoints);
    for (std::size_t i = 0; i < kAbilityCount; ++i)
        t.abilities[i] = std::to_string(m_abilities[i]);
    return t;
}

CreationValues CreationPools::values(const std::string& shikona, const std::string& realName) const
{
    CreationValues v;
    v.shikona = shikona;
    v.realName = realName;
    v.height = m_height;
    v.weight = m_weight;
    v.abilities = m_abilities;
    return v;
}
