// What every command of velmora-cli shares: the embedded database and its
// catalogue, finding a game by name, index or id, dealing it as the program
// does, applying a list of player steps, and describing cards and status.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "engine.h"
#include "player_steps.h"

namespace velmora::cli {

struct Database {
    ResourceTable resources;
    std::vector<CatalogueEntry> catalogue;
};

// The embedded database, read once.
const Database& database();

// GAME as the user wrote it: a name (any case), #INDEX or @ID. Null, with a
// message, when no game matches.
const CatalogueEntry* findGame(std::string_view wanted, std::string& error);

// Loads the game's record into the engine. False, with a message, when the
// record does not load or decode.
bool loadGame(Engine& engine, const CatalogueEntry& game, std::string& error);

// Deals the number (and seeds shuffles from it) as the solver and replays do.
bool dealGame(Engine& engine, GameNumber number);

enum class GameStatus { playing, won, lost };
GameStatus gameStatus(Engine& engine);
const char* statusName(GameStatus status);

// Applies the steps in order. On a refused step returns false and names it
// (its number from 1 and its text) in error; the steps before it stay applied.
bool playSteps(Engine& engine, std::string_view moves, std::string& error);

// "AS", "10H", "KD" (suits 1..4: spades, clubs, diamonds, hearts); "##" for a
// face-down card.
std::string cardText(const Engine& engine, int card);

}  // namespace velmora::cli
