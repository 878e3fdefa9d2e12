#include "game_fixture.h"

#include "catalogue.h"
#include "game_database.h"
#include "player_steps.h"
#include "record_loader.h"

namespace velmora::testing {

void forEachEmbeddedGame(Engine& engine, const std::function<bool()>& visit)
{
    ResourceTable resources;
    addGameDatabase(resources);
    for (int index = 0; index < gameCount(resources); ++index) {
        const std::optional<Bytes> record = loadRuleRecord(resources, static_cast<RecordIndex>(index));
        ASSERT_TRUE(record.has_value()) << "record " << index << " does not load";
        if (engine.loadDefinition(*record) != RecordFault::none)
            FAIL() << "record " << index << ": " << engine.loadError();
        if (!visit())
            return;
    }
}

// Finds the game through the catalogue and loads its record alone, so that
// a test dealing many games does not decode every record before each one.
void loadEmbeddedGame(Engine& engine, const std::string& name)
{
    ResourceTable resources;
    addGameDatabase(resources);
    for (const CatalogueEntry& entry : readCatalogue(resources)) {
        if (entry.name != name)
            continue;
        const std::optional<Bytes> record = loadRuleRecord(resources, entry.index);
        ASSERT_TRUE(record.has_value()) << name << ": the record does not load";
        ASSERT_EQ(engine.loadDefinition(*record), RecordFault::none) << name << ": " << engine.loadError();
        ASSERT_EQ(engine.definition().name, name) << "the catalogue names record " << entry.index << " differently";
        return;
    }
    FAIL() << "no game named " << name;
}

void dealEmbeddedGame(Engine& engine, const std::string& name, GameNumber number)
{
    loadEmbeddedGame(engine, name);
    ASSERT_TRUE(engine.hasDefinition());
    ASSERT_TRUE(engine.newDeal(number));
    engine.random().seed(number);
    engine.runDealEvents();
}

void expectRecordedWin(const std::string& name, GameNumber number, std::string_view steps)
{
    SCOPED_TRACE(name);
    Engine engine;
    dealEmbeddedGame(engine, name, number);
    std::vector<ParsedStep> parsed;
    std::string error;
    ASSERT_TRUE(parseSteps(steps, parsed, error)) << error;
    for (std::size_t i = 0; i < parsed.size(); ++i) {
        ASSERT_FALSE(engine.isWon()) << "won early, before step " << i + 1;
        ASSERT_TRUE(applyParsedStep(engine, parsed[i], nullptr)) << "step " << i + 1 << ": " << formatSteps({parsed[i]});
    }
    EXPECT_TRUE(engine.isWon());
}

int cardOf(const Engine& engine, int suit, int rank)
{
    const auto& cards = engine.definition().cards;
    for (std::size_t c = 0; c < cards.size(); ++c)
        if (cards[c].suit == suit && cards[c].rank == rank)
            return static_cast<int>(c);
    ADD_FAILURE() << "no card " << suit << "/" << rank;
    return 0;
}

int cardsOn(const Engine& engine, int pile) { return static_cast<int>(engine.cardsOn(pile).size()); }

bool isFaceUp(const Engine& engine, int card)
{
    return engine.state().cards[static_cast<std::size_t>(card)].faceUp != 0;
}

std::vector<int> suitOfPack(const Engine& engine, int suit, int pack)
{
    std::vector<int> suitCards(13, -1);
    std::vector<int> seen(14, 0);
    const auto& cards = engine.definition().cards;
    for (std::size_t c = 0; c < cards.size(); ++c)
        if (cards[c].suit == suit && seen[cards[c].rank]++ == pack)
            suitCards[static_cast<std::size_t>(cards[c].rank - 1)] = static_cast<int>(c);
    return suitCards;
}

void arrangeBoard(Engine& engine, const std::vector<PileContent>& piles, int rest)
{
    GameState state = engine.state();
    std::vector<bool> placed(state.cards.size(), false);
    for (Pile& pile : state.piles)
        pile.count = 0;
    bool laidTwice = false;
    auto lay = [&](int pileNumber, int card, bool faceUp) {
        if (placed[static_cast<std::size_t>(card)]) {
            ADD_FAILURE() << "arrangeBoard: card " << card << " is laid twice";
            laidTwice = true;
            return;
        }
        Card& c = state.cards[static_cast<std::size_t>(card)];
        Pile& pile = state.piles[static_cast<std::size_t>(pileNumber)];
        c.pile = static_cast<std::uint16_t>(pileNumber);
        c.position = pile.count++;
        c.faceUp = faceUp ? 1 : 0;
        c.movable = 1;
        placed[static_cast<std::size_t>(card)] = true;
    };
    for (const PileContent& content : piles)
        for (int card : content.cards)
            lay(content.pile, card, content.faceUp);
    // A card on two piles would leave the engine a board it cannot play.
    if (laidTwice)
        return;
    for (std::size_t card = 0; card < state.cards.size(); ++card)
        if (!placed[card])
            lay(rest, static_cast<int>(card), false);
    for (Card& card : state.cards)
        card.open = card.position + 1 == state.piles[card.pile].count ? 1 : 0;
    state.history.clear();
    engine.installState(std::move(state));
}

void expectDrop(const DropCase& drop)
{
    SCOPED_TRACE(std::string(drop.game) + ": " + drop.why);
    Engine engine;
    dealEmbeddedGame(engine, drop.game, 1);
    std::vector<int> onto;
    for (auto [suit, rank] : drop.ontoCards)
        onto.push_back(cardOf(engine, suit, rank));
    const int card = cardOf(engine, drop.card.first, drop.card.second);
    // The other cards go face down onto the last pile, or the one before it
    // when the drop uses the last.
    const int last = engine.definition().pileCount() - 1;
    const int rest = last == drop.onto || last == drop.from ? last - 1 : last;
    arrangeBoard(engine, {{drop.from, {card}}, {drop.onto, onto}}, rest);
    EXPECT_EQ(engine.canDrop(card, drop.onto), drop.legal);
}

}  // namespace velmora::testing
