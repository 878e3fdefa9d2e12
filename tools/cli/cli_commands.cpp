// list, rules, show, moves and play.
#include "cli_commands.h"

#include <iostream>

#include "cli_game.h"
#include "cli_json.h"
#include "cli_session.h"

namespace velmora::cli {
namespace {

int usage(const std::string& message)
{
    std::cerr << "velmora-cli: " << message << '\n';
    return kExitUsage;
}

int failure(const std::string& message)
{
    std::cerr << "velmora-cli: " << message << '\n';
    return kExitFailure;
}

void writeEntry(JsonWriter& json, const CatalogueEntry& game)
{
    json.beginObject().key("index").value(game.index).key("id").value(game.id).key("name").value(game.name);
    json.key("category").value(categoryName(game.category)).key("extraCategories").beginArray();
    for (int extra : game.extraCategories)
        json.value(categoryName(extra));
    json.endArray().key("skill").value(game.skill).key("time").value(timeClassName(game.timeClass)).endObject();
}

// GAME NUMBER [--play MOVES]: loads, deals and plays; prints errors itself.
struct Prepared {
    const CatalogueEntry* game = nullptr;
    GameNumber number = 0;
    int status = kExitOk;  // non-zero: stop with it
};

Prepared prepare(Engine& engine, const Args& args, bool playRequired)
{
    Prepared prepared;
    if (args.positional.size() != 2 || (playRequired && !args.has("--play"))) {
        prepared.status = usage(playRequired ? "usage: GAME NUMBER --play MOVES [--json]"
                                             : "usage: GAME NUMBER [--play MOVES] [--json]");
        return prepared;
    }
    std::string error;
    unsigned long number = 0;
    if (!parseCount(args.positional[1], number) || number == 0) {
        prepared.status = usage("NUMBER must be a game number from 1 to 4294967295");
        return prepared;
    }
    prepared.number = static_cast<GameNumber>(number);
    prepared.game = findGame(args.positional[0], error);
    if (!prepared.game || !loadGame(engine, *prepared.game, error) || !dealGame(engine, prepared.number)) {
        prepared.status = failure(error);
        return prepared;
    }
    if (auto moves = args.value("--play"); moves && !playSteps(engine, *moves, error)) {
        std::cerr << "velmora-cli: " << error << '\n';
        prepared.status = kExitRefused;
    }
    return prepared;
}

void writeDealJson(Engine& engine, const Prepared& p)
{
    JsonWriter json(std::cout);
    json.beginObject().key("game").value(p.game->name).key("index").value(p.game->index);
    json.key("id").value(p.game->id).key("number").value(p.number);
    json.key("status").value(statusName(gameStatus(engine)));
    writePiles(json, engine);
    writeCounters(json, engine);
    json.endObject();
    std::cout << '\n';
}

void writeDealText(Engine& engine, const Prepared& p)
{
    std::cout << p.game->name << " (#" << p.game->index << ", id " << p.game->id << "), game " << p.number
              << ": " << statusName(gameStatus(engine)) << '\n';
    for (int pile = 0; pile < static_cast<int>(engine.state().piles.size()); ++pile) {
        std::cout << "pile " << pile << ':';
        for (std::uint16_t card : engine.cardsOn(pile))
            std::cout << ' ' << cardText(engine, card) << '[' << card << ']';
        std::cout << '\n';
    }
    if (!engine.state().counters.empty()) {
        std::cout << "counters:";
        for (const Counter& counter : engine.state().counters)
            std::cout << ' ' << counter.remaining;
        std::cout << '\n';
    }
}

}  // namespace

int listGames(const Args& args)
{
    if (!args.positional.empty())
        return usage("usage: list [--json]");
    const auto& games = database().catalogue;
    if (args.has("--json")) {
        JsonWriter json(std::cout);
        json.beginArray();
        for (const CatalogueEntry& game : games)
            writeEntry(json, game);
        json.endArray();
        std::cout << '\n';
        return kExitOk;
    }
    for (const CatalogueEntry& game : games) {
        std::cout << '#' << game.index << "\t@" << game.id << '\t' << game.name << '\t' << categoryName(game.category);
        for (int extra : game.extraCategories)
            std::cout << ',' << categoryName(extra);
        std::cout << "\tskill " << game.skill << '\t' << timeClassName(game.timeClass) << '\n';
    }
    return kExitOk;
}

int showRules(const Args& args)
{
    if (args.positional.size() != 1)
        return usage("usage: rules GAME");
    std::string error;
    const CatalogueEntry* game = findGame(args.positional[0], error);
    Engine engine;
    if (!game || !loadGame(engine, *game, error))
        return failure(error);
    std::cout << engine.definition().description << '\n';
    return kExitOk;
}

int showDeal(const Args& args, bool playRequired)
{
    Engine engine;
    Prepared prepared = prepare(engine, args, playRequired);
    if (prepared.status != kExitOk && prepared.status != kExitRefused)
        return prepared.status;
    if (args.has("--json"))
        writeDealJson(engine, prepared);
    else
        writeDealText(engine, prepared);
    return prepared.status;
}

int listMoves(const Args& args)
{
    Engine engine;
    Prepared prepared = prepare(engine, args, false);
    if (prepared.status != kExitOk)
        return prepared.status;
    const std::vector<Move> moves = legalMoves(engine);
    if (args.has("--json")) {
        JsonWriter json(std::cout);
        json.beginObject();
        writeMoves(json, engine, moves);
        json.endObject();
        std::cout << '\n';
        return kExitOk;
    }
    for (const Move& move : moves) {
        if (move.isTap)
            std::cout << "t " << move.pile << "\ttap pile " << move.pile << '\n';
        else
            std::cout << "m " << move.card << ' ' << move.destination << '\t' << cardText(engine, move.card)
                      << " from pile " << engine.state().cards[move.card].pile << " to pile " << move.destination
                      << '\n';
    }
    return kExitOk;
}

int playSession(const Args& args)
{
    Engine engine;
    Prepared prepared = prepare(engine, args, false);
    if (prepared.status != kExitOk)
        return prepared.status;
    runSession(engine, std::cin, std::cout);
    return kExitOk;
}

}  // namespace velmora::cli
