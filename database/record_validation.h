// Consistency checks of a rule record, used by the decoder.
//
// The header counts are checked before any part is read; the decoded tables
// are checked afterwards: value sets, every index the engine follows, the
// shape of every program and whether the deal can place every card.
#pragma once

#include <optional>
#include <string>

#include "game_definition.h"
#include "record_decoder.h"

namespace velmora {

struct RecordProblem {
    RecordFault fault;
    std::string message;
};

using RecordCheck = std::optional<RecordProblem>;

// Counts the engine cannot work with: no cards (at most 1024), no piles (at
// most 255), no event key, more than 16 counters or more programs than an
// i16 program field can name. A game without move permissions is allowed (it
// permits no card move), and so is any number of won actions: the rules of a
// game are its author's business, only what could break the engine is refused.
RecordCheck checkHeaderCounts(const RecordHeader& header);

// Value sets, indices, programs and the deal of a fully read definition
// (coordinates not yet adapted).
RecordCheck checkDefinition(const GameDefinition& definition);

}  // namespace velmora
