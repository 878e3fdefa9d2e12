// Decoding and validation of one rule record into a GameDefinition.
//
// Records are part of the program, but a damaged one must never crash it or
// make the engine read outside its tables. Decoding therefore checks that the
// parts end exactly at the record's size and that every index the engine
// follows (piles, cards, programs, conditions, counters, actions, keys) is in
// range, and that the deal can complete. A record that fails gets a fault
// and a message naming what is wrong.
#pragma once

#include <optional>
#include <string>

#include "game_definition.h"
#include "resource_table.h"
#include "screen_metrics.h"

namespace velmora {

enum class RecordFault {
    none,
    truncated,        // a part runs past the end of the record
    trailingBytes,    // the parts end before the record does
    badCount,         // a header count outside what the engine supports
    badValue,         // a field outside its value set (suit, rank, anchor, ...)
    indexOutOfRange,  // a pile, card, program, condition, counter, action or key index
    badProgram,       // a program whose last instruction is cut off
    dealIncomplete,   // the deal cannot place every card
};

struct DecodedRecord {
    std::optional<GameDefinition> definition;
    RecordFault fault = RecordFault::none;
    std::string message;  // empty when the record is good

    explicit operator bool() const { return definition.has_value(); }
};

// Decodes, validates and adapts the coordinates to the screen.
DecodedRecord decodeRuleRecord(ByteView record, const ScreenMetrics& screen);

const char* describe(RecordFault fault);

}  // namespace velmora
