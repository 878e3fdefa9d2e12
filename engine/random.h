// The engine's pseudo-random generator: a linear congruential generator with
// 15-bit outputs, identical on every machine so that chosen game numbers and
// shuffles can be reproduced in tests.
#pragma once

#include <cstdint>

namespace velmora {

class RandomGenerator {
public:
    explicit RandomGenerator(std::uint32_t seed = 1) : state_(seed) {}

    void seed(std::uint32_t seed) { state_ = seed; }

    // Next output, 0 to 0x7FFF.
    std::uint16_t next()
    {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<std::uint16_t>((state_ >> 16) & 0x7FFF);
    }

private:
    std::uint32_t state_;
};

}  // namespace velmora
