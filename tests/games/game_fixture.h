// Games from the embedded database, loaded into an engine the way the
// program loads them, and small helpers for rule tests.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "engine.h"

namespace velmora::testing {

// The embedded record of the named game decoded into the engine; fails the
// test when the game is missing or does not load.
void loadEmbeddedGame(Engine& engine, const std::string& name);

// Decodes the games of the embedded database into the engine in turn (its
// screen metrics adapt the coordinates) and calls visit for each until it
// answers false; fails the test when a record does not load.
void forEachEmbeddedGame(Engine& engine, const std::function<bool()>& visit);

// Loads the game, deals the number and runs the deal events.
void dealEmbeddedGame(Engine& engine, const std::string& name, GameNumber number);

// Replays recorded steps on a fresh deal of the game: every step must be
// legal, the game must not end early, and it must end won.
void expectRecordedWin(const std::string& name, GameNumber number, std::string_view steps);

// Card number of the first card with this suit and rank (1..4, 1..13).
int cardOf(const Engine& engine, int suit, int rank);

// How many cards lie on the pile, and whether a card lies face up.
int cardsOn(const Engine& engine, int pile);
bool isFaceUp(const Engine& engine, int card);

// The card numbers of one suit of one pack, Ace first (pack 0: the first
// copy of each card).
std::vector<int> suitOfPack(const Engine& engine, int suit, int pack);

// Puts the game into a chosen position: clears every pile, then lays the
// given cards (bottom first) face up on the given piles; every other card
// goes face down onto `rest`. Rebuilds counts, positions and open flags, and
// clears the history, so that rule tests can try moves on a known board.
// A card listed twice fails the test and leaves the game as it was.
struct PileContent {
    int pile;
    std::vector<int> cards;  // card numbers, bottom first
    bool faceUp = true;
};
void arrangeBoard(Engine& engine, const std::vector<PileContent>& piles, int rest);

// One drop tried on a chosen board of deal 1: `card` (suit, rank) alone on
// pile `from`, `onto` holding the listed cards, and whether the drop is legal.
struct DropCase {
    const char* game;
    int from;
    int onto;
    std::vector<std::pair<int, int>> ontoCards;
    std::pair<int, int> card;
    bool legal;
    const char* why;
};
void expectDrop(const DropCase& drop);

}  // namespace velmora::testing
