// Engines loaded with test records, and a change sink that keeps what it got.
#pragma once

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine.h"
#include "klondike_record.h"

namespace velmora::testing {

class RecordingSink : public ChangeSink {
public:
    void actionApplied(const AppliedAction& change) override { changes.push_back(change); }
    std::vector<AppliedAction> changes;
};

// Loads a definition (encoded and decoded like a real record) into the engine.
void loadDefinition(Engine& engine, const GameDefinition& definition);

// Loads the definition, deals the number and runs the deal events.
void dealGame(Engine& engine, const GameDefinition& definition, GameNumber number);

// Every card's (pile, position) is unique and matches the engine's pile index.
void expectConsistent(const Engine& engine);

// Two tables of plain records hold the same bytes (empty tables included).
template <typename T>
bool sameBytes(const std::vector<T>& a, const std::vector<T>& b)
{
    return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(T)) == 0);
}

// The cards of a pile, bottom first, as (suit, rank) text like "1/13".
std::vector<std::string> pileFaces(const Engine& engine, int pile);

// The first legal move (in the engine's order) of a single top card onto
// another pile, if there is one.
std::optional<Move> firstTopCardMove(Engine& engine);

}  // namespace velmora::testing
