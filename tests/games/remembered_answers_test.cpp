// The engine remembers rule programs' answers from position to position. On
// random play in every shipped game, with undos, a new deal, an installed
// state and a reloaded record in between, every answer it gives must be the
// one worked out afresh: each program run by a plain rule machine on
// sequences built here, around the fixed checks of the rules.
#include <random>

#include <gtest/gtest.h>

#include "game_database.h"
#include "engine_fixture.h"
#include "game_fixture.h"
#include "move_permissions.h"
#include "player_steps.h"
#include "record_loader.h"

namespace velmora {
namespace {

using namespace velmora::testing;

// The legality questions answered from the state alone, every program run.
class PlainRules {
public:
    explicit PlainRules(const Engine& engine) : engine_(engine), state_(engine.state()) {}

    bool canPickUp(int card)
    {
        const Card& picked = state_.cards[static_cast<std::size_t>(card)];
        if (!picked.movable)
            return false;
        const int count = state_.piles[picked.pile].count;
        const auto group = sequence(picked.pile, count - 1, count - picked.position);
        const auto under = sequence(picked.pile, picked.position - 1, picked.position);
        return holds(state_.piles[picked.pile].pickUpProgram, group, &under);
    }

    bool canDrop(int card, int pile)
    {
        const Card& moved = state_.cards[static_cast<std::size_t>(card)];
        const Pile& target = state_.piles[static_cast<std::size_t>(pile)];
        if (moved.pile == pile || !target.interactive)
            return false;
        const std::uint16_t top = engine_.topCard(pile);
        if (top == kNone
                ? engine_.definition().piles[static_cast<std::size_t>(pile)].style == kStyleHiddenWhenEmpty
                : !state_.cards[top].open)
            return false;
        if (!permitsMove(state_.permissions, moved.pile, pile))
            return false;
        const int count = state_.piles[moved.pile].count;
        const auto group = sequence(moved.pile, count - 1, count - moved.position);
        const auto onto = sequence(pile, target.count - 1, target.count);
        return holds(target.acceptProgram, group, &onto);
    }

    bool canTap(int pile)
    {
        const Pile& tapped = state_.piles[static_cast<std::size_t>(pile)];
        const PileDefinition& defined = engine_.definition().piles[static_cast<std::size_t>(pile)];
        if (!tapped.interactive)
            return false;
        const std::uint16_t top = engine_.topCard(pile);
        if (top == kNone && defined.style == kStyleHiddenWhenEmpty)
            return false;
        if (top != kNone && !state_.cards[top].movable)
            return false;
        return keyPasses(top == kNone ? defined.emptyTapKey : defined.tapKey);
    }

    // forEachMove's list: taps, top cards, inner cards, each onto every pile.
    std::vector<Move> moves()
    {
        std::vector<Move> listed;
        const int piles = static_cast<int>(state_.piles.size());
        for (int pile = 0; pile < piles; ++pile)
            if (canTap(pile))
                listed.push_back(Move{true, static_cast<std::uint16_t>(pile), kNone, kNone});
        for (const bool tops : {true, false})
            for (std::size_t c = 0; c < state_.cards.size(); ++c) {
                const Card& card = state_.cards[c];
                const Pile& pile = state_.piles[card.pile];
                const bool isTop = card.position + 1 == pile.count;
                if (isTop != tops || !pile.interactive || (!isTop && pile.spread == 0) ||
                    !canPickUp(static_cast<int>(c)))
                    continue;
                for (int target = 0; target < piles; ++target)
                    if (canDrop(static_cast<int>(c), target))
                        listed.push_back(Move{false, kNone, static_cast<std::uint16_t>(c),
                                              static_cast<std::uint16_t>(target)});
            }
        return listed;
    }

private:
    // `count` cards from `from` downwards, then the terminator.
    std::vector<SequenceElement> sequence(int pile, int from, int count) const
    {
        std::vector<SequenceElement> elements;
        for (int position = from; position > from - count; --position) {
            const std::uint16_t card = engine_.cardAt(pile, position);
            const CardDefinition& face = engine_.definition().cards[card];
            elements.push_back(state_.cards[card].faceUp ? SequenceElement{face.suit, face.rank}
                                                         : SequenceElement{kFaceDownSuit, kFaceDownRank});
        }
        elements.push_back({0, 0});
        return elements;
    }

    bool holds(int program, const std::vector<SequenceElement>& first,
               const std::vector<SequenceElement>* second)
    {
        const auto& programs = engine_.definition().programs;
        if (program < 0 || program >= static_cast<int>(programs.size()))
            return false;
        const CardSequence other = second ? CardSequence(*second) : CardSequence();
        return runRule(machine_, programs[static_cast<std::size_t>(program)], CardSequence(first),
                       second ? &other : nullptr);
    }

    bool keyPasses(int key)
    {
        const GameDefinition& definition = engine_.definition();
        if (key < 0 || key >= definition.keyCount())
            return false;
        for (const ConditionLink& link : definition.conditionLinks) {
            if (link.key != key)
                continue;
            const ConditionDefinition& condition = definition.conditions[link.condition];
            if (!state_.piles[condition.pile].enabled)
                return false;
            const int count = state_.piles[condition.pile].count;
            const auto first = sequence(condition.pile, count - 1, count);
            std::vector<SequenceElement> second;
            if (condition.otherPile != kNone) {
                const int otherCount = state_.piles[condition.otherPile].count;
                second = sequence(condition.otherPile, otherCount - 1, otherCount);
            }
            if (!holds(condition.program, first, condition.otherPile != kNone ? &second : nullptr))
                return false;
        }
        for (const CounterLink& link : definition.counterLinks)
            if (link.key == key)
                return state_.counters[link.counter].remaining > 0;
        return true;
    }

    const Engine& engine_;
    const GameState& state_;
    RuleMachine machine_;
};

std::vector<Move> listedMoves(Engine& engine)
{
    std::vector<Move> moves;
    engine.forEachMove([&](const Move& move) {
        moves.push_back(move);
        return true;
    });
    return moves;
}

std::string describe(const std::vector<Move>& moves)
{
    std::string text;
    for (const Move& move : moves)
        text += formatStep(stepFor(move)) + "; ";
    return text;
}

// The cards whose pick-up and drop questions are asked at a position: every
// card, or every `stride`th from `first`. Moving `first` from step to step
// asks about every card along the play while asking a share at each step.
struct AskedCards {
    int stride = 1;
    int first = 0;
};

// The engine's answers against the plain ones: first the listing and the
// first move, as the field and the loss test ask them after a step, then
// every tap and each asked card's questions on every pile.
void expectPlainAnswers(Engine& engine, const std::string& where, AskedCards asked = {})
{
    SCOPED_TRACE(where);
    PlainRules plain(engine);
    const std::vector<Move> expected = plain.moves();
    const std::vector<Move> listed = listedMoves(engine);
    ASSERT_EQ(describe(listed), describe(expected));
    const std::optional<Move> first = engine.findMove(0);
    ASSERT_EQ(first.has_value(), !expected.empty());
    const int piles = static_cast<int>(engine.state().piles.size());
    const int cards = static_cast<int>(engine.state().cards.size());
    for (int pile = 0; pile < piles; ++pile)
        ASSERT_EQ(engine.canTap(pile), plain.canTap(pile)) << "tap " << pile;
    for (int card = asked.first % asked.stride; card < cards; card += asked.stride) {
        ASSERT_EQ(engine.canPickUp(card), plain.canPickUp(card)) << "pick up " << card;
        for (int pile = 0; pile < piles; ++pile)
            ASSERT_EQ(engine.canDrop(card, pile), plain.canDrop(card, pile))
                << "drop " << card << " on " << pile;
    }
}

std::vector<std::string> shippedGames()
{
    ResourceTable resources;
    addGameDatabase(resources);
    std::vector<std::string> names;
    Engine engine;
    for (int index = 0; index < gameCount(resources); ++index) {
        const std::optional<Bytes> record = loadRuleRecord(resources, static_cast<RecordIndex>(index));
        if (record && engine.loadDefinition(*record) == RecordFault::none)
            names.push_back(engine.definition().name);
    }
    return names;
}

// Random steps of each stretch of play, and the share of cards asked about
// after each step. The sanitized build plays fewer steps and asks about a
// quarter of the cards at each: it looks for memory faults along the way,
// while the normal build compares every answer at every position of the
// longer play.
#ifdef VELMORA_SANITIZED_BUILD
constexpr int kFirstDealSteps = 7, kLaterSteps = 3, kAskedCardStride = 4;
#else
constexpr int kFirstDealSteps = 20, kLaterSteps = 10, kAskedCardStride = 1;
#endif

// Random steps, a quarter of them undos, each followed by the comparison.
void playAndCompare(Engine& engine, std::mt19937& random, int steps, const std::string& game)
{
    for (int step = 0; step < steps && !engine.isWon(); ++step) {
        const std::vector<Move> moves = listedMoves(engine);
        const bool undo = !engine.state().history.empty() && (moves.empty() || random() % 4 == 0);
        if (undo)
            ASSERT_TRUE(engine.undoStep());
        else if (moves.empty())
            return;
        else
            ASSERT_TRUE(applyStep(engine, stepFor(moves[random() % moves.size()]), nullptr));
        ASSERT_NO_FATAL_FAILURE(expectPlainAnswers(engine, game + " step " + std::to_string(step),
                                                   AskedCards{kAskedCardStride, step}));
    }
}

// Klondike with a tableau that takes a card only onto a pile of exactly one
// card: the accept program reads the second card of the pile (SWITCH NEXT
// SUIT; a pile of one card ends there, reading suit 0).
TEST(RememberedAnswers, HoldOnlyForPilesThatAgreeOnEveryCardTheProgramRead)
{
    constexpr int kStock = 0, kTableau = 2;
    Engine engine;
    loadEmbeddedGame(engine, "Klondike");
    GameDefinition oneCardTableau = engine.definition();
    const std::size_t accept = static_cast<std::size_t>(oneCardTableau.piles[kTableau].acceptProgram);
    oneCardTableau.programs[accept] = program("1D 17 1C");
    loadDefinition(engine, oneCardTableau);
    GameNumber number = 1;
    ASSERT_TRUE(engine.newDeal(number));
    const int king = cardOf(engine, 4, 13), queen = cardOf(engine, 1, 12);
    // Three face-down piles, whose top cards all look alike: one card, two
    // cards, one card.
    arrangeBoard(engine,
                 {{kTableau, {cardOf(engine, 1, 1)}, false},
                  {kTableau + 1, {cardOf(engine, 1, 2), cardOf(engine, 1, 3)}, false},
                  {kTableau + 2, {cardOf(engine, 1, 4)}, false},
                  {kTableau + 3, {king}},
                  {kTableau + 4, {queen}}},
                 kStock);
    EXPECT_TRUE(engine.canDrop(king, kTableau));
    EXPECT_FALSE(engine.canDrop(king, kTableau + 1)) << "the same top card, but a second card under it";
    EXPECT_FALSE(engine.canDrop(queen, kTableau + 1));
    EXPECT_TRUE(engine.canDrop(queen, kTableau + 2)) << "the same top card, and nothing under it";
}

class RememberedAnswers : public ::testing::TestWithParam<std::string> {};

TEST_P(RememberedAnswers, AreThePlainAnswersThroughPlayUndoAndNewStates)
{
    const std::string game = GetParam();
    Engine engine;
    dealEmbeddedGame(engine, game, 1);
    std::mt19937 random(11);
    ASSERT_NO_FATAL_FAILURE(expectPlainAnswers(engine, game + " dealt"));
    ASSERT_NO_FATAL_FAILURE(playAndCompare(engine, random, kFirstDealSteps, game));
    const GameState midGame = engine.state();

    // A new deal keeps what the engine remembered from the old one.
    GameNumber number = 2;
    ASSERT_TRUE(engine.newDeal(number));
    engine.runDealEvents();
    ASSERT_NO_FATAL_FAILURE(expectPlainAnswers(engine, game + " second deal"));
    ASSERT_NO_FATAL_FAILURE(playAndCompare(engine, random, kLaterSteps, game));

    // Back to the earlier position, as a saved game is restored.
    engine.installState(midGame);
    ASSERT_NO_FATAL_FAILURE(expectPlainAnswers(engine, game + " installed"));
    ASSERT_NO_FATAL_FAILURE(playAndCompare(engine, random, kLaterSteps, game));

    // The record loaded again, and the same position installed.
    loadEmbeddedGame(engine, game);
    engine.installState(midGame);
    ASSERT_NO_FATAL_FAILURE(expectPlainAnswers(engine, game + " reloaded"));
}

INSTANTIATE_TEST_SUITE_P(EveryGame, RememberedAnswers, ::testing::ValuesIn(shippedGames()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             // Letters and digits only; a plus is spelt out, so
                             // that "Senate +" and "Senate" stay apart.
                             std::string name;
                             for (char c : info.param)
                                 if (std::isalnum(static_cast<unsigned char>(c)))
                                     name += c;
                                 else if (c == '+')
                                     name += "Plus";
                             return name;
                         });

}  // namespace
}  // namespace velmora
