// Small games built for the solver's tests: cards of one suit, piles added
// by each test, and a win when every pile of addWinPile is empty.
#pragma once

#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "engine_fixture.h"
#include "solver.h"

namespace velmora::testing {

// --- small games -------------------------------------------------------------

// Programs of the small games.
constexpr std::int16_t kNever = 0;
constexpr std::int16_t kAlways = 1;
constexpr std::int16_t kIsEmpty = 2;
constexpr std::int16_t kFoundation = 3;  // an Ace on an empty pile, then up in suit

constexpr std::uint16_t kNoAction = 0;  // key 0: its condition never holds
constexpr std::uint16_t kSmallWinKey = 1;    // after every step: the win piles are empty

// Cards of suit 1, ranks 1 to n; the win key declares the game won when every
// pile of addWinPile is empty. Piles are added by the tests.
inline GameDefinition smallGame(int cards)
{
    GameDefinition d;
    d.id = 1;
    d.name = "Small";
    for (int rank = 1; rank <= cards; ++rank)
        d.cards.push_back({0, 1, static_cast<std::uint8_t>(rank)});
    d.programs = {program("01 01 01"), program("01 00 01"), program("1C 19 06"), program(kKlondikePrograms[5])};
    d.permissions.push_back({kAnyPile, kAnyPile});
    d.triggerTypes = {static_cast<std::uint8_t>(TriggerType::never),
                      static_cast<std::uint8_t>(TriggerType::afterEveryStep)};
    d.conditions.push_back({static_cast<std::uint16_t>(kNever), 0, kNone});
    d.conditionLinks.push_back({kNoAction, 0});
    ActionDefinition won{};
    won.kind = static_cast<std::uint8_t>(ActionKind::declareWon);
    d.actions.push_back(won);
    d.actionLinks.push_back({kSmallWinKey, 0});
    return d;
}

inline std::uint16_t addPile(GameDefinition& d, std::int16_t dealCount, std::int16_t pickUp, std::int16_t accept)
{
    PileDefinition p{};
    p.dealFaceUp = 1;
    p.interactive = 1;
    p.enabled = 1;
    p.dealCount = dealCount;
    p.pickUpProgram = pickUp;
    p.acceptProgram = accept;
    d.piles.push_back(p);
    return static_cast<std::uint16_t>(d.piles.size() - 1);
}

// Eight cards or more keep the deal's probe step below the card count: the
// dump adds cards of their own deal class on a pile of their own that never
// gives them up.
inline void addDump(GameDefinition& d, int cards)
{
    for (int rank = 1; rank <= cards; ++rank)
        d.cards.push_back({1, 2, static_cast<std::uint8_t>(rank)});
    const std::uint16_t dump = addPile(d, static_cast<std::int16_t>(cards), kNever, kNever);
    d.piles[dump].dealClass = 1;
}

inline void addWinPile(GameDefinition& d, std::uint16_t pile)
{
    d.conditions.push_back({static_cast<std::uint16_t>(kIsEmpty), pile, kNone});
    d.conditionLinks.push_back({kSmallWinKey, static_cast<std::uint16_t>(d.conditions.size() - 1)});
}

// A key of type "never" fired by taps on the pile, running the given action.
inline void addTapAction(GameDefinition& d, std::uint16_t pile, const ActionDefinition& action)
{
    d.triggerTypes.push_back(static_cast<std::uint8_t>(TriggerType::never));
    const auto key = static_cast<std::uint16_t>(d.triggerTypes.size() - 1);
    d.actions.push_back(action);
    d.actionLinks.push_back({key, static_cast<std::uint16_t>(d.actions.size() - 1)});
    d.piles[pile].tapKey = key;
}

// Everything of a game but its history.
struct Snapshot {
    std::vector<Card> cards;
    std::vector<Pile> piles;
    std::size_t history;

    explicit Snapshot(const Engine& engine)
        : cards(engine.state().cards), piles(engine.state().piles), history(engine.state().history.size())
    {
    }
    bool operator==(const Snapshot& other) const
    {
        return cards.size() == other.cards.size() && piles.size() == other.piles.size() &&
               std::memcmp(cards.data(), other.cards.data(), cards.size() * sizeof(Card)) == 0 &&
               std::memcmp(piles.data(), other.piles.data(), piles.size() * sizeof(Pile)) == 0 &&
               history == other.history;
    }
};

inline void deal(Engine& engine, const GameDefinition& definition, GameNumber number)
{
    loadDefinition(engine, definition);
    ASSERT_TRUE(dealForSolving(engine, number));
}

// Plays the steps on a fresh deal of the same number: true when every step is
// taken and the game ends won.
inline bool replayWins(const GameDefinition& definition, GameNumber number, const std::vector<Step>& steps)
{
    Engine engine;
    deal(engine, definition, number);
    for (const Step& step : steps)
        if (!applyStep(engine, step, nullptr))
            return false;
    return engine.isWon();
}

}  // namespace velmora::testing
