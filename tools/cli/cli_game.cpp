#include "cli_game.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "game_database.h"
#include "record_loader.h"
#include "solver.h"

namespace velmora::cli {
namespace {

bool sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

bool parseNumber(std::string_view text, long& number)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

}  // namespace

const Database& database()
{
    static const Database db = [] {
        Database d;
        addGameDatabase(d.resources);
        d.catalogue = readCatalogue(d.resources);
        return d;
    }();
    return db;
}

const CatalogueEntry* findGame(std::string_view wanted, std::string& error)
{
    const auto& games = database().catalogue;
    long number = 0;
    if ((wanted.starts_with('#') || wanted.starts_with('@')) && parseNumber(wanted.substr(1), number)) {
        const bool byIndex = wanted.front() == '#';
        for (const CatalogueEntry& game : games)
            if ((byIndex ? game.index : game.id) == number)
                return &game;
        error = std::string("no game with ") + (byIndex ? "index " : "id ") + std::to_string(number);
        return nullptr;
    }
    for (const CatalogueEntry& game : games)
        if (sameName(game.name, wanted))
            return &game;
    error = "no game named \"" + std::string(wanted) + "\" (try: velmora-cli list)";
    return nullptr;
}

bool loadGame(Engine& engine, const CatalogueEntry& game, std::string& error)
{
    const std::optional<Bytes> record = loadRuleRecord(database().resources, game.index);
    if (!record) {
        error = "the record of " + game.name + " cannot be extracted";
        return false;
    }
    if (engine.loadDefinition(*record) != RecordFault::none) {
        error = "the record of " + game.name + " is damaged: " + engine.loadError();
        return false;
    }
    return true;
}

bool dealGame(Engine& engine, GameNumber number) { return dealForSolving(engine, number); }

GameStatus gameStatus(Engine& engine)
{
    if (engine.isWon())
        return GameStatus::won;
    return engine.findMove(0) ? GameStatus::playing : GameStatus::lost;
}

const char* statusName(GameStatus status)
{
    switch (status) {
    case GameStatus::playing: return "playing";
    case GameStatus::won: return "won";
    case GameStatus::lost: return "lost";
    }
    return "";
}

bool playSteps(Engine& engine, std::string_view moves, std::string& error)
{
    std::vector<ParsedStep> steps;
    if (!parseSteps(moves, steps, error))
        return false;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (!applyParsedStep(engine, steps[i], nullptr)) {
            const std::string text =
                steps[i].kind == ParsedStep::undo ? std::string("u") : formatStep(steps[i].step);
            error = "step " + std::to_string(i + 1) + " (" + text + ") is not allowed";
            return false;
        }
    }
    return true;
}

std::string cardText(const Engine& engine, int card)
{
    if (!engine.state().cards[static_cast<std::size_t>(card)].faceUp)
        return "##";
    static const char* const ranks[] = {"", "A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    static const char suits[] = {'?', 'S', 'C', 'D', 'H'};
    const CardDefinition& face = engine.definition().cards[static_cast<std::size_t>(card)];
    return std::string(ranks[face.rank]) + suits[face.suit];
}

}  // namespace velmora::cli
