// Point allocation of the creation screen.
#include "career/CreationPools.h"

#include "core/Wrap.h"

BodyScrollMemory& bodyScrollMemory()
{
    static BodyScrollMemory memory;
    return memory;
}

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

std::int32_t CreationPools::scrollHeight(std::int32_t p)
{
    m_memory.lastHeightPos = p;
    if (m_hwPoints <= 0 && p > m_height) {
        p = m_height;
    } else if (wrap::add(m_memory.lastHeightPos, m_memory.lastWeightPos) > kBodyTotal) {
        const std::int32_t w = wrap::sub(kBodyTotal, m_memory.lastHeightPos);
        // The inner run leaves the two memories summing to exactly the total,
        // so it never calls back into this handler.
        if (w >= kMinWeight && w <= kMaxWeight)
            scrollWeight(w);
        else
            p = m_height;
    }
    m_hwPoints = wrap::sub(m_hwPoints, wrap::sub(p, m_height));
    m_height = p;
    return p;
}

std::int32_t CreationPools::scrollWeight(std::int32_t p)
{
    m_memory.lastWeightPos = p;
    if (m_hwPoints <= 0 && p > m_weight) {
        p = m_weight;
    } else if (wrap::add(m_memory.lastHeightPos, m_memory.lastWeightPos) > kBodyTotal) {
        const std::int32_t h = wrap::sub(kBodyTotal, m_memory.lastWeightPos);
        if (h >= kMinHeight && h <= kMaxHeight)
            scrollHeight(h);
        else
            p = m_weight;
    }
    m_hwPoints = wrap::sub(m_hwPoints, wrap::sub(p, m_weight));
    m_weight = p;
    return p;
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
