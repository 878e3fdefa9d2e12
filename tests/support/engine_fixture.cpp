#include "engine_fixture.h"

#include <string>

#include "record_encoder.h"

namespace velmora::testing {

void loadDefinition(Engine& engine, const GameDefinition& definition)
{
    const Bytes record = encodeRuleRecord(definition);
    const RecordFault fault = engine.loadDefinition(record);
    ASSERT_EQ(fault, RecordFault::none) << engine.loadError();
}

void dealGame(Engine& engine, const GameDefinition& definition, GameNumber number)
{
    loadDefinition(engine, definition);
    ASSERT_TRUE(engine.newDeal(number));
    engine.runDealEvents();
}

void expectConsistent(const Engine& engine)
{
    const GameState& state = engine.state();
    for (std::size_t p = 0; p < state.piles.size(); ++p) {
        const auto& cards = engine.cardsOn(static_cast<int>(p));
        ASSERT_EQ(static_cast<std::size_t>(state.piles[p].count), cards.size()) << "pile " << p;
        for (std::size_t position = 0; position < cards.size(); ++position) {
            const Card& card = state.cards[cards[position]];
            EXPECT_EQ(card.pile, p);
            EXPECT_EQ(card.position, static_cast<int>(position));
        }
    }
    std::size_t onPiles = 0;
    for (const Pile& pile : state.piles)
        onPiles += static_cast<std::size_t>(pile.count);
    EXPECT_EQ(onPiles, state.cards.size());
}

std::vector<std::string> pileFaces(const Engine& engine, int pile)
{
    std::vector<std::string> faces;
    for (std::uint16_t card : engine.cardsOn(pile)) {
        const CardDefinition& face = engine.definition().cards[card];
        faces.push_back(std::to_string(face.suit) + "/" + std::to_string(face.rank));
    }
    return faces;
}

std::optional<Move> firstTopCardMove(Engine& engine)
{
    std::optional<Move> found;
    engine.forEachMove([&](const Move& move) {
        const Card& card = engine.state().cards[move.card];
        if (!move.isTap && card.position + 1 == engine.state().piles[card.pile].count)
            found = move;
        return !found;
    });
    return found;
}

}  // namespace velmora::testing
