// The JSON shapes the commands share: a game's piles with their cards, its
// counters, and the list of legal moves.
#pragma once

#include <vector>

#include "engine.h"
#include "json_writer.h"

namespace velmora::cli {

// "piles": every pile with its place, its look and its cards, bottom first.
void writePiles(JsonWriter& json, const Engine& engine);

// "counters": what each counter has left.
void writeCounters(JsonWriter& json, const Engine& engine);

// Every legal move of the position, in the engine's order.
std::vector<Move> legalMoves(Engine& engine);

// "moves": taps as {"tap":P}, moves as {"card":C,"from":P,"to":Q}.
void writeMoves(JsonWriter& json, const Engine& engine, const std::vector<Move>& moves);

}  // namespace velmora::cli
