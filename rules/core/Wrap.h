// 32-bit wrap-around arithmetic and float truncation on record values.
#pragma once

#include <climits>
#include <cmath>
#include <cstdint>

// Record values come from a file that may hold anything. The rules expect
// 32-bit two's complement arithmetic, so sums and products wrap instead of
// overflowing (which would be undefined behaviour in C++).
namespace wrap {

inline std::int32_t add(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

inline std::int32_t sub(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

inline std::int32_t mul(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}

inline std::int32_t neg(std::int32_t a) { return sub(0, a); }

// Truncating division; INT_MIN / -1 wraps to INT_MIN, and a zero divisor
// (which the rules guard against before dividing) gives 0 rather than a trap.
inline std::int32_t div(std::int32_t a, std::int32_t b)
{
    if (b == 0)
        return 0;
    if (a == INT32_MIN && b == -1)
        return INT32_MIN;
    return a / b;
}

// Half of a value, rounded toward zero (-1 / 2 is 0): never a shift.
inline std::int32_t half(std::int32_t a) { return div(a, 2); }

// Float to int truncation toward zero; NaN and values out of range give
// INT_MIN, as the hardware conversion does.
inline std::int32_t truncate(double x)
{
    if (std::isnan(x) || x >= 2147483648.0 || x <= -2147483649.0)
        return INT32_MIN;
    return static_cast<std::int32_t>(x);
}

// points x factor in double precision, truncated: 45 x 1.4 gives 62.
inline std::int32_t scale(std::int32_t points, double factor)
{
    return truncate(static_cast<double>(points) * factor);
}

} // namespace wrap
