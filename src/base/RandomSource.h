#pragma once

#include <cstdint>
#include <random>

namespace korvani::base {

// The one source of randomness of a naming run: the random samples of the name pools and the
// draws of each page come from it, so that a seed repeats a run exactly.
class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed) : m_engine(seed) {}
    // A source seeded from the system's entropy, different at each start.
    static RandomSource Fresh() {
        return RandomSource((static_cast<std::uint64_t>(std::random_device{}()) << 32) ^ std::random_device{}());
    }

    // A seed for one random sample of a query.
    std::int64_t NextSeed() { return static_cast<std::int64_t>(m_engine() >> 1); }
    // A number drawn uniformly from first..last.
    std::size_t Uniform(std::size_t first, std::size_t last) {
        return std::uniform_int_distribution<std::size_t>(first, last)(m_engine);
    }

private:
    std::mt19937_64 m_engine;
};

} // namespace korvani::base
