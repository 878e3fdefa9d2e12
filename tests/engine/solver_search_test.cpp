// The solver's searches for a win take shortcuts; only the proof search,
// which takes none, may call a game lost.
#include <gtest/gtest.h>

#include "small_games.h"

namespace velmora {
namespace {

using namespace velmora::testing;

// SUIT; IF the pile is empty PUSH 1 ELSE PUSH 0: holds on a pile with cards.
constexpr const char* kNotEmptyProgram = "1C 16 01 01 01 15 01 00 01 14";
// SWITCH SUIT RANK ADD: holds when the second sequence (the target) is empty.
constexpr const char* kOntoEmptyProgram = "1D 1C 19 06";

// An Ace and a Two in two piles that must both be emptied, a foundation and
// a holding pile that takes one card. Once the foundation has a card while
// the Two is still in its pile, the Two may never move again: the only win
// puts the Two away first. Nothing can be built on the Ace, so the search
// for a win takes the Ace's move to the foundation alone, and loses.
struct TrappedGame {
    GameDefinition definition = smallGame(1);
    std::uint16_t ace = 0, two = 0, foundation = 0, holding = 0;

    TrappedGame()
    {
        GameDefinition& d = definition;
        d.cards.push_back({2, 1, 2});
        d.programs.push_back(program(kNotEmptyProgram));
        d.programs.push_back(program(kOntoEmptyProgram));
        const auto notEmpty = static_cast<std::uint16_t>(d.programs.size() - 2);
        const auto ontoEmpty = static_cast<std::int16_t>(d.programs.size() - 1);
        ace = addPile(d, 1, kAlways, kNever);
        two = addPile(d, 1, kAlways, kNever);
        d.piles[two].dealClass = 2;
        foundation = addPile(d, 0, kNever, kFoundation);
        holding = addPile(d, 0, kNever, ontoEmpty);
        addDump(d, 8);
        addWinPile(d, ace);
        addWinPile(d, two);

        d.triggerTypes.push_back(static_cast<std::uint8_t>(TriggerType::afterEveryStep));
        const auto trap = static_cast<std::uint16_t>(d.triggerTypes.size() - 1);
        for (std::uint16_t pile : {foundation, two}) {
            d.conditions.push_back({notEmpty, pile, kNone});
            d.conditionLinks.push_back({trap, static_cast<std::uint16_t>(d.conditions.size() - 1)});
        }
        ActionDefinition forbid{};
        forbid.kind = static_cast<std::uint8_t>(ActionKind::forbidMoves);
        forbid.pileA = two;
        forbid.pileB = kAnyPile;
        d.actions.push_back(forbid);
        d.actionLinks.push_back({trap, static_cast<std::uint16_t>(d.actions.size() - 1)});
    }
};

TEST(SolverSearch, AWinTheShortcutsMissIsFoundByTheProofSearch)
{
    const TrappedGame game;
    Engine engine;
    deal(engine, game.definition, 3);
    ASSERT_EQ(engine.topCard(game.ace), 0);  // the Ace
    const SolveResult result = solve(engine, {});
    ASSERT_EQ(result.status, SolveStatus::won);
    EXPECT_EQ(result.steps, (std::vector<Step>{Step::moveOnto(engine.topCard(game.two), game.holding),
                                               Step::moveOnto(0, game.foundation)}));
    EXPECT_TRUE(replayWins(game.definition, 3, result.steps));

    // The searches for a win alone run out of states without it: a beam
    // says nothing more than that.
    SolveOptions beam;
    beam.beamWidth = 100;
    EXPECT_EQ(solve(engine, beam).status, SolveStatus::notFound);
}

// Without the trap the same game is won by the shortcut at once, and with the
// Two's pile forbidden from the start it is lost, which only the proof search
// may say.
TEST(SolverSearch, OnlyTheProofSearchCallsAGameLost)
{
    TrappedGame game;
    ActionDefinition forbid = game.definition.actions.back();
    game.definition.actions.pop_back();
    game.definition.actionLinks.pop_back();
    Engine engine;
    deal(engine, game.definition, 3);
    const SolveResult free = solve(engine, {});
    ASSERT_EQ(free.status, SolveStatus::won);

    game.definition.triggerTypes.push_back(static_cast<std::uint8_t>(TriggerType::afterDeal));
    game.definition.actions.push_back(forbid);
    game.definition.actionLinks.push_back({static_cast<std::uint16_t>(game.definition.triggerTypes.size() - 1),
                                           static_cast<std::uint16_t>(game.definition.actions.size() - 1)});
    deal(engine, game.definition, 3);
    EXPECT_EQ(solve(engine, {}).status, SolveStatus::unwinnable);
    SolveOptions beam;
    beam.beamWidth = 100;
    EXPECT_EQ(solve(engine, beam).status, SolveStatus::notFound);
}

// Two empty piles alike in every rule but that the win wants the card on the
// second: the search for a win tries only the first of two such targets, so
// it runs dry, and the proof search finds the win.
TEST(SolverSearch, ATargetLeftOutAsATwinIsTriedByTheProofSearch)
{
    GameDefinition d = smallGame(1);
    d.programs.push_back(program(kNotEmptyProgram));
    const auto notEmpty = static_cast<std::uint16_t>(d.programs.size() - 1);
    const std::uint16_t source = addPile(d, 1, kAlways, kNever);
    addPile(d, 0, kNever, kAlways);
    const std::uint16_t wanted = addPile(d, 0, kNever, kAlways);
    addDump(d, 8);
    d.conditions.push_back({notEmpty, wanted, kNone});
    d.conditionLinks.push_back({kSmallWinKey, static_cast<std::uint16_t>(d.conditions.size() - 1)});
    Engine engine;
    deal(engine, d, 2);
    ASSERT_EQ(engine.cardsOn(source).size(), 1u);
    const SolveResult result = solve(engine, {});
    ASSERT_EQ(result.status, SolveStatus::won);
    EXPECT_EQ(result.steps, std::vector<Step>{Step::moveOnto(0, wanted)});
}

}  // namespace
}  // namespace velmora
