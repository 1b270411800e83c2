#pragma once

#include <cstdint>

// SplitMix64 with our own float mapping. The standard distributions are not
// guaranteed bit-for-bit across library implementations, so scattered stars
// and confetti would move between toolchains if we used them.
class SeededRandom {
public:
    explicit SeededRandom(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Uniform in [lo, hi).
    double uniform(double lo, double hi)
    {
        const double unit = static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0);
        return lo + (hi - lo) * unit;
    }

    // Uniform integer in [0, n).
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }

private:
    std::uint64_t m_state;
};
