#include "game_registry.h"

namespace velmora::gamedb {

std::vector<Family>& registeredFamilies()
{
    static std::vector<Family> families;
    return families;
}

GameList collectGames()
{
    GameList games;
    for (const Family& family : registeredFamilies())
        family.define(games);
    return games;
}

}  // namespace velmora::gamedb
