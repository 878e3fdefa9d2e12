// The order in which a game number deals the cards: the first card probed for
// each card dealt, and the step by which the probe moves on from a card that
// is taken or of the wrong deal class.
#pragma once

#include <cstdint>

namespace velmora {

// 1 or a prime that does not divide the card count, so that probing visits
// every card before repeating.
int dealProbeStep(int cardCount);

// The hash whose remainder by the card count is the first card probed for the
// k-th card dealt with game number g. All arithmetic wraps at 32 bits.
std::uint32_t dealHash(std::uint32_t g, std::uint32_t k);

}  // namespace velmora
