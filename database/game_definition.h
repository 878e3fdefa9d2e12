// The decoded, in-memory form of one rule record.
//
// The fixed-size tables keep the record's own byte layouts; names, texts and
// programs become owned strings. After decoding, the pile coordinates and fan
// limits are already adapted to the screen (see screen_metrics.h); every other
// value is exactly the record's.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "record_layout.h"

namespace velmora {

struct GameDefinition {
    SolitaireId id = 0;
    std::uint32_t category = 0;
    std::uint32_t skill = 0;
    std::uint32_t playTime = 0;
    std::uint16_t largeCards = 0;

    std::string name;  // at most kMaxNameLength characters
    std::vector<std::int32_t> extraCategories;
    std::string description;

    std::vector<CardDefinition> cards;
    std::vector<PileDefinition> piles;
    std::vector<ActionDefinition> actions;
    std::vector<MovePermission> permissions;
    std::vector<CardPlacement> placements;
    std::vector<PilePosition> faceToggles;
    std::vector<PilePosition> locks;
    std::vector<PilePosition> openFlags;
    std::vector<std::uint8_t> triggerTypes;  // one TriggerType per event key
    std::vector<ActionLink> actionLinks;
    // Each program's bytecode followed by one NUL, the machine's end code.
    std::vector<std::string> programs;
    std::vector<ConditionDefinition> conditions;
    std::vector<ConditionLink> conditionLinks;
    std::vector<CounterDefinition> counters;
    std::vector<CounterLink> counterLinks;

    int cardCount() const { return static_cast<int>(cards.size()); }
    int pileCount() const { return static_cast<int>(piles.size()); }
    int keyCount() const { return static_cast<int>(triggerTypes.size()); }
};

}  // namespace velmora
