// The cards an action selects and where moved cards go, shared by applying
// actions and undoing them.
#pragma once

#include <algorithm>
#include <cstdint>

#include "game_state.h"

namespace velmora {

struct Range {
    int first = 0;
    int count = 0;
};

// The positions of a pile of n cards that an action's range selects; positions
// outside the pile are simply not present.
inline Range selectRange(std::uint8_t mode, int rangeA, int rangeB, int n)
{
    int first = 0;
    int end = 0;
    switch (mode) {
    case 0: first = rangeA; end = n - rangeB; break;
    case 1: first = n - rangeB - rangeA; end = n - rangeA; break;
    case 2: first = rangeA; end = rangeA + rangeB; break;
    default: return {};
    }
    first = std::max(first, 0);
    end = std::min(end, n);
    return end > first ? Range{first, end - first} : Range{};
}

// Where moved cards go in a pile that holds `count` cards without them.
inline int insertionPoint(std::uint8_t insertMode, int offset, int rangeFirst, int count)
{
    int at = rangeFirst;
    if (insertMode == 1)
        at = count - offset;
    else if (insertMode == 2)
        at = offset;
    return std::clamp(at, 0, count);
}

// The card flag a card attribute sets, or nothing for another attribute.
inline std::uint8_t* cardFlag(Card& card, std::uint8_t attribute)
{
    switch (attribute) {
    case kCardFaceUp: return &card.faceUp;
    case kCardMovable: return &card.movable;
    case kCardOpen: return &card.open;
    default: return nullptr;
    }
}

inline std::uint8_t flag(std::uint16_t value) { return value != 0 ? 1 : 0; }

}  // namespace velmora
