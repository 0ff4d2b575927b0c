// The one seed search: the first seed whose draws take the branch a test needs.
#pragma once

#include "rules/core/Rng.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

// The first seed on whose generator `holds` is true, or 0 when none below 50 million is.
inline std::uint32_t seedWhere(const std::function<bool(Rng&)>& holds)
{
    for (std::uint32_t s = 1; s < 50000000u; ++s) {
        Rng rng;
        rng.seed(s);
        if (holds(rng))
            return s;
    }
    return 0;
}

// A draw a test wants to see: generator output number `index` (0 is the
// first after seeding) divided by `divisor` lies within [lo, hi].
struct Pin {
    int index;
    int divisor;
    int lo;
    int hi;
};

inline std::uint32_t seedWhere(const std::vector<Pin>& pins)
{
    int last = 0;
    for (const Pin& p : pins)
        last = std::max(last, p.index);
    return seedWhere([&](Rng& rng) {
        std::array<int, 32> raw{};
        for (int i = 0; i <= last; ++i)
            raw[static_cast<std::size_t>(i)] = rng.next();
        return std::all_of(pins.begin(), pins.end(), [&](const Pin& p) {
            const int v = raw[static_cast<std::size_t>(p.index)] / p.divisor;
            return v >= p.lo && v <= p.hi;
        });
    });
}

// How many draws lie between two generator states (-1 when more than 1000).
inline int drawsBetween(std::uint32_t from, std::uint32_t to)
{
    Rng rng;
    rng.seed(from);
    for (int n = 0; n <= 1000; ++n) {
        if (rng.state() == to)
            return n;
        rng.next();
    }
    return -1;
}
