#pragma once
// A small fixed generator (SplitMix64): generated test cases do not depend on the library's
// generators and come out the same on every machine.
#include <array>
#include <cstddef>
#include <cstdint>

namespace rebanto::testing {

class Draws {
public:
    explicit Draws(std::uint64_t state) : state_(state) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    template <class T, std::size_t N>
    const T& pick(const std::array<T, N>& items) {
        return items[static_cast<std::size_t>(below(static_cast<int>(N)))];
    }

private:
    std::uint64_t state_;
};

}  // namespace rebanto::testing
