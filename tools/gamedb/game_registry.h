// The list of game sources compiled into the database build.
//
// Each source file defines its games in one function per family and
// registers it with VELMORA_GAME_FAMILY; the database build runs every
// registered family and collects the definitions.
#pragma once

#include <vector>

#include "game_definition.h"

namespace velmora::gamedb {

using GameList = std::vector<GameDefinition>;
using FamilyFunction = void (*)(GameList& games);

struct Family {
    const char* name;
    FamilyFunction define;
};

// Every registered family, in registration order.
std::vector<Family>& registeredFamilies();

// Runs every family and returns all their games.
GameList collectGames();

struct FamilyRegistration {
    FamilyRegistration(const char* name, FamilyFunction define)
    {
        registeredFamilies().push_back({name, define});
    }
};

}  // namespace velmora::gamedb

// Defines and registers a family function: VELMORA_GAME_FAMILY(klondike) { ... games.push_back(...); }
#define VELMORA_GAME_FAMILY(name)                                                         \
    static void defineFamily_##name(::velmora::gamedb::GameList& games);                  \
    static const ::velmora::gamedb::FamilyRegistration registration_##name(#name,         \
                                                                           &defineFamily_##name); \
    static void defineFamily_##name([[maybe_unused]] ::velmora::gamedb::GameList& games)
