// The player steps' text form and application, the solver's move finder, and
// the solver on Klondike and on small games built to be won, lost or shuffled.
#include <algorithm>
#include <cstring>
#include <random>

#include <gtest/gtest.h>

#include "engine_fixture.h"
#include "small_games.h"
#include "solver.h"
#include "solver_moves.h"
#include "solver_progress.h"

namespace velmora {
namespace {

using namespace velmora::testing;

// --- step text -----------------------------------------------------------------

TEST(StepText, RoundTripsAndAcceptsSpaces)
{
    std::vector<ParsedStep> steps;
    std::string error;
    ASSERT_TRUE(parseSteps(" t 0 ;m 12   9;u;  m 0 65534 ", steps, error)) << error;
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps[0], (ParsedStep{ParsedStep::tap, Step::tapOn(0)}));
    EXPECT_EQ(steps[1], (ParsedStep{ParsedStep::move, Step::moveOnto(12, 9)}));
    EXPECT_EQ(steps[2].kind, ParsedStep::undo);
    EXPECT_EQ(steps[3].step, Step::moveOnto(0, 65534));
    EXPECT_EQ(formatSteps(steps), "t 0;m 12 9;u;m 0 65534");

    const std::vector<Step> plain = {Step::tapOn(3), Step::moveOnto(51, 12)};
    ASSERT_TRUE(parseSteps(formatSteps(plain), steps, error));
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].step, plain[0]);
    EXPECT_EQ(steps[1].step, plain[1]);

    EXPECT_TRUE(parseSteps("  ", steps, error));
    EXPECT_TRUE(steps.empty());
    EXPECT_EQ(formatSteps(std::vector<Step>{}), "");
}

TEST(StepText, ErrorsNameTheBadStep)
{
    const std::pair<const char*, const char*> bad[] = {
        {"t 1;x 2", "step 2 \"x 2\": unknown step kind \"x\""},
        {"t", "step 1 \"t\": a tap needs one pile number"},
        {"t 1 2", "step 1 \"t 1 2\": a tap needs one pile number"},
        {"t -1", "a tap needs one pile number"},
        {"t 65535", "a tap needs one pile number"},
        {"t 99999999999", "a tap needs one pile number"},
        {"m 1", "step 1 \"m 1\": a move needs a card number and a pile number"},
        {"m 1 2x", "a move needs a card number and a pile number"},
        {"u 1", "an undo takes no numbers"},
        {"t 1;;t 2", "step 2 \"\": the step is empty"},
        {"t 1;", "step 2 \"\": the step is empty"},
    };
    for (const auto& [text, message] : bad) {
        std::vector<ParsedStep> steps = {ParsedStep{}};
        std::string error;
        EXPECT_FALSE(parseSteps(text, steps, error)) << text;
        EXPECT_NE(error.find(message), std::string::npos) << text << " -> " << error;
        EXPECT_TRUE(steps.empty()) << text;
    }
}

// --- applying steps ------------------------------------------------------------

TEST(ApplyStep, TakesLegalStepsAsTheGameFieldDoes)
{
    Engine engine;
    dealGame(engine, klondikeDefinition(), 11);
    const Snapshot dealt(engine);

    // A face-down card may not be picked up; a refused step changes nothing.
    EXPECT_FALSE(applyStep(engine, Step::moveOnto(engine.cardAt(kFirstTableau + 6, 0), kFirstTableau), nullptr));
    EXPECT_FALSE(applyStep(engine, Step::tapOn(99), nullptr));
    EXPECT_FALSE(applyParsedStep(engine, ParsedStep{ParsedStep::undo, {}}, nullptr));
    EXPECT_TRUE(Snapshot(engine) == dealt);

    RecordingSink sink;
    ASSERT_TRUE(applyStep(engine, Step::tapOn(kStock), &sink));
    EXPECT_EQ(engine.state().piles[kWaste].count, 6);
    EXPECT_EQ(sink.changes.size(), 2u);
    ASSERT_TRUE(applyParsedStep(engine, ParsedStep{ParsedStep::undo, {}}, nullptr));
    EXPECT_TRUE(Snapshot(engine) == dealt);
}

TEST(ApplyStep, ATapThatChangesNothingStillCountsButNoStepAfterTheWin)
{
    GameDefinition d = smallGame(1);
    const std::uint16_t source = addPile(d, 1, kAlways, kNever);
    const std::uint16_t target = addPile(d, 0, kNever, kAlways);
    addWinPile(d, source);
    // A key with neither conditions nor actions: the tap is allowed, does nothing.
    d.triggerTypes.push_back(static_cast<std::uint8_t>(TriggerType::never));
    d.piles[target].emptyTapKey = static_cast<std::uint16_t>(d.triggerTypes.size() - 1);

    Engine engine;
    deal(engine, d, 1);
    ASSERT_TRUE(engine.canTap(target));
    EXPECT_FALSE(engine.tapPile(target, nullptr));  // the engine reports no change
    EXPECT_TRUE(applyStep(engine, Step::tapOn(target), nullptr));
    EXPECT_FALSE(applyStep(engine, Step::tapOn(source), nullptr));  // key 0 never passes

    ASSERT_TRUE(applyStep(engine, Step::moveOnto(0, target), nullptr));
    ASSERT_TRUE(engine.isWon());
    EXPECT_FALSE(applyStep(engine, Step::moveOnto(0, source), nullptr));
    EXPECT_FALSE(applyStep(engine, Step::tapOn(target), nullptr));
}

// --- move finder -----------------------------------------------------------------

// Through random play with undo the solver's list must be exactly what
// forEachMove lists, in the same order.
TEST(SolverMoveList, ListsWhatTheEngineListsThroughRandomPlay)
{
    for (GameNumber number : {2u, 31337u}) {
        Engine engine;
        dealGame(engine, klondikeDefinition(), number);
        SolverMoveList finder(engine);
        std::mt19937 random(number);
        std::vector<Step> listed;
        for (int step = 0; step < 150 && !engine.isWon(); ++step) {
            std::vector<Step> expected;
            engine.forEachMove([&](const Move& move) {
                expected.push_back(stepFor(move));
                return true;
            });
            finder.list(listed);
            ASSERT_EQ(listed, expected) << "game " << number << " step " << step;
            if (listed.empty() || random() % 5 == 0) {
                engine.undoStep();
                continue;
            }
            ASSERT_TRUE(applyStep(engine, listed[random() % listed.size()], nullptr));
        }
    }
}

// --- solver on Klondike ------------------------------------------------------------

// Both ways of searching: best-first, and a beam narrow enough to win the
// same deals of Klondike within the same budget.
SolveOptions searchMethod(std::uint32_t beamWidth, std::uint64_t maxStates)
{
    SolveOptions options;
    options.beamWidth = beamWidth;
    options.maxStates = maxStates;
    return options;
}

constexpr std::uint32_t kBestFirst = 0;
constexpr std::uint32_t kBeam = 20;

// At least three of the first ten deals are won (searching stops at three to
// keep the test quick under sanitizers).
TEST(Solver, WinsKlondikeDealsThatReplayFromAFreshDeal)
{
    const GameDefinition klondike = klondikeDefinition();
    for (std::uint32_t width : {kBestFirst, kBeam}) {
        SCOPED_TRACE(::testing::Message() << "beam width " << width);
        const SolveOptions options = searchMethod(width, 2500);
        int won = 0;
        for (GameNumber number = 1; number <= 10 && won < 3; ++number) {
            Engine engine;
            deal(engine, klondike, number);
            const Snapshot dealt(engine);
            const SolveResult result = solve(engine, options);
            EXPECT_TRUE(Snapshot(engine) == dealt) << "game " << number;
            EXPECT_LE(result.statesExpanded, options.maxStates);
            ASSERT_NE(result.status, SolveStatus::inconsistent) << "game " << number;
            if (result.status != SolveStatus::won)
                continue;
            ++won;
            EXPECT_TRUE(replayWins(klondike, number, result.steps)) << "game " << number;
        }
        EXPECT_GE(won, 3);
    }
}

// A beam one state wide dies out on Klondike deal 2; the beams that follow,
// each twice as wide, win it. A single beam of one would have expanded one
// state per step of its win. On deal 5 the safe moves leave one line of
// play, so the second beam leaves out nothing and is the last.
TEST(Solver, ABeamThatDiesOutStartsAgainTwiceAsWide)
{
    const GameDefinition klondike = klondikeDefinition();
    Engine engine;
    deal(engine, klondike, 2);
    const SolveResult won = solve(engine, searchMethod(1, 2500));
    ASSERT_EQ(won.status, SolveStatus::won);
    EXPECT_GT(won.statesExpanded, won.steps.size());
    EXPECT_TRUE(replayWins(klondike, 2, won.steps));

    deal(engine, klondike, 5);
    const SolveResult lost = solve(engine, searchMethod(1, 2500));
    EXPECT_EQ(lost.status, SolveStatus::notFound);
    EXPECT_LT(lost.statesExpanded, 100u);
}

TEST(Solver, SameGameSameResult)
{
    for (std::uint32_t width : {kBestFirst, kBeam}) {
        SCOPED_TRACE(::testing::Message() << "beam width " << width);
        const SolveOptions options = searchMethod(width, 1000);
        SolveResult results[2];
        for (SolveResult& result : results) {
            Engine engine;
            deal(engine, klondikeDefinition(), 3);
            result = solve(engine, options);
        }
        EXPECT_EQ(results[0].status, results[1].status);
        EXPECT_EQ(results[0].steps, results[1].steps);
        EXPECT_EQ(results[0].statesExpanded, results[1].statesExpanded);
        EXPECT_EQ(results[0].statesSeen, results[1].statesSeen);
    }
}

TEST(Solver, BudgetAndStopEndTheSearchWithTheGameUntouched)
{
    for (std::uint32_t width : {kBestFirst, kBeam}) {
        SCOPED_TRACE(::testing::Message() << "beam width " << width);
        Engine engine;
        deal(engine, klondikeDefinition(), 7);
        ASSERT_TRUE(applyStep(engine, Step::tapOn(kStock), nullptr));  // the search may start mid-game
        const Snapshot before(engine);

        SolveOptions options = searchMethod(width, 10);
        SolveResult result = solve(engine, options);
        EXPECT_EQ(result.status, SolveStatus::notFound);
        EXPECT_EQ(result.statesExpanded, 10u);
        EXPECT_TRUE(result.steps.empty());
        EXPECT_TRUE(Snapshot(engine) == before);

        options.maxStates = 1000;
        options.stop = [](std::uint64_t expanded) { return expanded >= 4; };
        result = solve(engine, options);
        EXPECT_EQ(result.status, SolveStatus::notFound);
        EXPECT_EQ(result.statesExpanded, 4u);
        EXPECT_TRUE(Snapshot(engine) == before);
        EXPECT_TRUE(engine.undoStep());  // the player's own step is still there
    }
}

TEST(Solver, KlondikeWithNoMoveAtAllIsUnwinnable)
{
    GameDefinition d = klondikeDefinition();
    d.piles[kStock].dealCount = 0;
    d.piles[kWaste].dealCount = 0;
    for (int p = 0; p < 7; ++p) {
        d.piles[kFirstTableau + p].dealCount = p < 3 ? 7 : 8;
        d.piles[kFirstTableau + p].dealFaceUp = 0;
    }
    d.faceToggles.clear();
    Engine engine;
    deal(engine, d, 4);
    const SolveResult result = solve(engine, {});
    EXPECT_EQ(result.status, SolveStatus::unwinnable);
    // The search for a win takes the columns as interchangeable, so its end
    // proves nothing; the proof search then finds no move either.
    EXPECT_EQ(result.statesExpanded, 2u);
    // A beam drops states, so running out of them proves nothing.
    EXPECT_EQ(solve(engine, searchMethod(kBeam, 1000)).status, SolveStatus::notFound);
}

// --- solver on small games -------------------------------------------------------------

TEST(Solver, FindsTheOneMoveThatWins)
{
    GameDefinition d = smallGame(1);
    const std::uint16_t source = addPile(d, 1, kAlways, kNever);
    const std::uint16_t target = addPile(d, 0, kNever, kAlways);
    addWinPile(d, source);
    Engine engine;
    deal(engine, d, 5);
    const SolveResult result = solve(engine, {});
    ASSERT_EQ(result.status, SolveStatus::won);
    EXPECT_EQ(result.steps, std::vector<Step>{Step::moveOnto(0, target)});
    EXPECT_FALSE(engine.isWon());  // the engine is back at the deal

    // A game already won by its deal events needs no step at all.
    d.triggerTypes.push_back(static_cast<std::uint8_t>(TriggerType::afterDeal));
    d.actionLinks.push_back({static_cast<std::uint16_t>(d.triggerTypes.size() - 1), 0});
    deal(engine, d, 5);
    ASSERT_TRUE(engine.isWon());
    const SolveResult dealtWon = solve(engine, {});
    EXPECT_EQ(dealtWon.status, SolveStatus::won);
    EXPECT_TRUE(dealtWon.steps.empty());
}

// Three cards that can only go to and fro between two piles that must both
// be emptied: the search meets every arrangement, cycles included, and proves
// the game lost. Cut by a depth limit it must not claim so.
TEST(Solver, ExhaustsAGameThatCannotBeWon)
{
    GameDefinition d = smallGame(3);
    const std::uint16_t left = addPile(d, 3, kAlways, kAlways);
    const std::uint16_t right = addPile(d, 0, kAlways, kAlways);
    addDump(d, 5);
    d.piles[left].spread = static_cast<std::uint8_t>(Spread::down);
    addWinPile(d, left);
    addWinPile(d, right);
    Engine engine;
    deal(engine, d, 9);
    const Snapshot dealt(engine);

    const SolveResult result = solve(engine, {});
    EXPECT_EQ(result.status, SolveStatus::unwinnable);
    EXPECT_GT(result.statesExpanded, 10u);
    EXPECT_EQ(result.statesSeen, result.statesExpanded);
    EXPECT_TRUE(Snapshot(engine) == dealt);

    SolveOptions shallow;
    shallow.maxDepth = 2;
    EXPECT_EQ(solve(engine, shallow).status, SolveStatus::notFound);
    EXPECT_EQ(solve(engine, {}).status, SolveStatus::unwinnable);

    // Beams widening from one state per depth end with one that leaves out
    // nothing, having met every state, some more than once; they still prove
    // nothing.
    const SolveResult narrow = solve(engine, searchMethod(1, 1000));
    EXPECT_EQ(narrow.status, SolveStatus::notFound);
    EXPECT_GT(narrow.statesExpanded, result.statesExpanded);
    EXPECT_TRUE(Snapshot(engine) == dealt);
}

// Cards under the top of a squared pile wait: taking the top one off to an
// empty pile lowers the measure, undoing the move raises it again.
TEST(ProgressMeasure, CardsWaitingInASquaredPileCount)
{
    GameDefinition d = smallGame(3);
    const std::uint16_t squared = addPile(d, 3, kAlways, kAlways);
    const std::uint16_t spare = addPile(d, 0, kAlways, kAlways);
    addWinPile(d, addPile(d, 0, kNever, kNever));
    addDump(d, 5);
    Engine engine;
    deal(engine, d, 4);
    ProgressMeasure measure(engine);
    const std::int32_t dealt = measure.score(engine);

    ASSERT_TRUE(applyStep(engine, Step::moveOnto(engine.topCard(squared), spare), nullptr));
    EXPECT_LT(measure.score(engine), dealt);
    ASSERT_TRUE(engine.undoStep());
    EXPECT_EQ(measure.score(engine), dealt);
}

// The engine remembers a program's answer on empty piles (the solver asks
// such conditions after every step); alone and beside a second empty pile
// are different questions: SWITCH then SUIT reads the second sequence, which
// holds beside one and faults alone.
TEST(Solver, ConditionsOnEmptyPilesKeepTheirAnswers)
{
    GameDefinition d = smallGame(2);
    d.programs.push_back(program("1D 1C"));
    const auto readsSecond = static_cast<std::uint16_t>(d.programs.size() - 1);
    const std::uint16_t watched = addPile(d, 0, kAlways, kAlways);
    const std::uint16_t second = addPile(d, 0, kNever, kNever);
    const std::uint16_t alone = addPile(d, 1, kNever, kNever);
    const std::uint16_t beside = addPile(d, 1, kNever, kNever);
    addDump(d, 6);
    ActionDefinition shuffle{};
    shuffle.kind = static_cast<std::uint8_t>(ActionKind::setPileAttribute);
    shuffle.attribute = kPileShuffle;
    for (const std::uint16_t tapped : {alone, beside}) {
        shuffle.pileA = tapped;
        addTapAction(d, tapped, shuffle);
        d.conditions.push_back({readsSecond, watched, tapped == beside ? second : kNone});
        d.conditionLinks.push_back({d.piles[tapped].tapKey, static_cast<std::uint16_t>(d.conditions.size() - 1)});
    }
    Engine engine;
    deal(engine, d, 3);
    for (int round = 0; round < 2; ++round) {
        EXPECT_TRUE(engine.canTap(beside)) << "round " << round;
        EXPECT_FALSE(engine.canTap(alone)) << "round " << round;
    }
}

// The cards must reach the foundation Ace first, and the only way to bring
// another card to the top is to shuffle the pile. The win replays only if the
// generator is seeded with the game number right after the deal.
TEST(Solver, WinsThroughShufflesThatReplay)
{
    GameDefinition d = smallGame(4);
    const std::uint16_t source = addPile(d, 4, kAlways, kNever);
    addPile(d, 0, kNever, kFoundation);
    addDump(d, 4);
    addWinPile(d, source);
    ActionDefinition shuffle{};
    shuffle.kind = static_cast<std::uint8_t>(ActionKind::setPileAttribute);
    shuffle.attribute = kPileShuffle;
    shuffle.pileA = source;
    addTapAction(d, source, shuffle);
    d.placements.push_back({source, 0, 0});  // the Ace at the bottom

    for (GameNumber number : {1u, 2u, 3u}) {
        Engine engine;
        deal(engine, d, number);
        RandomGenerator before = engine.random();
        const SolveResult result = solve(engine, {});
        ASSERT_EQ(result.status, SolveStatus::won) << "game " << number;
        EXPECT_NE(std::find(result.steps.begin(), result.steps.end(), Step::tapOn(source)), result.steps.end());
        EXPECT_EQ(engine.random().next(), before.next()) << "the generator is restored";
        EXPECT_TRUE(replayWins(d, number, result.steps)) << "game " << number;
    }
}

TEST(Solver, ReportsAnEngineWithoutAGame)
{
    Engine engine;
    EXPECT_EQ(solve(engine, {}).status, SolveStatus::noGame);
    loadDefinition(engine, klondikeDefinition());
    EXPECT_EQ(solve(engine, {}).status, SolveStatus::noGame);
}

}  // namespace
}  // namespace velmora
