// The game's one random generator: a 32-bit linear congruential generator.
#pragma once

#include <cstdint>

// seed := seed * 22695477 + 1 (mod 2^32); a draw is bits 16 to 30 of the new
// seed, 0 to 32767. Nothing else in the program makes random numbers for the
// game. Take one draw per statement: C++ leaves the order of two calls in one
// expression unspecified, and the order of draws is part of the rules.
class Rng {
public:
    void seed(std::uint32_t s) { m_seed = s; }
    std::uint32_t state() const { return m_seed; }

    int next()
    {
        m_seed = m_seed * 22695477u + 1u;
        return static_cast<int>((m_seed >> 16) & 0x7fffu);
    }

    // One draw divided by n with integer division: the rules' "rand()/n".
    int draw(int n) { return next() / n; }

private:
    std::uint32_t m_seed = 0;
};
