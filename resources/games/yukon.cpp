// Yukon and its relatives: every card is dealt to seven tableau piles, and
// any face-up card may be moved together with all the cards lying on it,
// whether they are in sequence or not; only the card moved has to fit where
// it lands. The games differ only in how that card must fit.
#include <string>

#include "game_parts.h"
#include "game_registry.h"

namespace velmora::gamedb {
namespace {

using namespace velmora::rules;

struct YukonRules {
    SolitaireId id = 0;
    const char* name = "";
    int skill = 2;
    int playTime = 2;
    Build build;  // how the card moved lands on a tableau card
    const char* intro = "";      // the first line of the description
    const char* buildRule = "";  // the description's building rule
};

// The description: the game's own lines around the layout and play that
// every game of the family shares.
std::string yukonDescription(const YukonRules& rules)
{
    return std::string(rules.intro) +
           "\n<b>Object</b>\nMove all 52 cards to the four foundations.\n"
           "<b>Layout</b>\nSeven tableau piles: the first holds one card, the others one to six face-down "
           "cards under five face-up ones; four foundations. There is no stock.\n"
           "<b>Rules</b>\n" +
           rules.buildRule +
           "\nAny face-up card may be moved together with all the cards on it, in sequence or not; only "
           "the card moved must fit the card it lands on. Only a King, with whatever lies on it, may fill "
           "an empty pile. A face-down card that comes to the top turns face up.\n"
           "Build the foundations up in suit from the Ace, one card at a time; cards played there stay "
           "there.";
}

constexpr int kColumns = 7;
constexpr int kFaceUpPerPile = 5;  // on every pile but the first, which has one card

GameDefinition yukonGame(const YukonRules& rules)
{
    RecordBuilder b(rules.id, rules.name);
    b.category(Category::yukon).skill(rules.skill).playTime(rules.playTime).largeCards(true);
    b.description(yukonDescription(rules));
    b.addPacks(1);

    const CommonPrograms common = addCommonPrograms(b);
    const int tableauPickUp = addRule(b, faceUp(bottom(first)));
    const int tableauAccept = addRule(b, acceptsBuilt(rules.build, EmptyTakes::kings));
    const int foundationAccept = addRule(b, acceptsOnFoundation());

    // Pile k (from 0) holds k face-down cards under five face-up ones; the
    // first pile holds a single face-up card.
    std::vector<int> tableau;
    for (int k = 0; k < kColumns; ++k) {
        const int pile = b.addPile(makePile({.x = 14 + 22 * k,
                                             .y = 42,
                                             .spread = Spread::down,
                                             .dealCount = k == 0 ? 1 : k + kFaceUpPerPile,
                                             .pickUp = tableauPickUp,
                                             .accept = tableauAccept}));
        for (int position = 0; position < k; ++position)
            b.addFaceToggle(pile, position);
        tableau.push_back(pile);
    }
    // Cards on the foundations stay there.
    std::vector<int> foundations;
    for (int k = 0; k < 4; ++k)
        foundations.push_back(b.addPile(makePile({.x = 80 + 22 * k,
                                                  .y = 14,
                                                  .style = kStyleBaseCard,
                                                  .pickUp = common.never,
                                                  .accept = foundationAccept,
                                                  .baseRank = 1})));
    b.permit(kAnyPile, kAnyPile);
    addTurnUpKeys(b, common, tableau);
    addWinWhenFull(b, foundations, 13);
    return b.build();
}

}  // namespace

VELMORA_GAME_FAMILY(yukon)
{
    games.push_back(yukonGame({
        .id = 404,
        .name = "Yukon",
        .build = {Direction::down, Suits::alternate},
        .intro = "The classic game of moving whole stacks, ordered or not.",
        .buildRule = "Build the tableau down in alternating colours.",
    }));
    games.push_back(yukonGame({
        .id = 405,
        .name = "Russian Solitaire",
        .build = {Direction::down, Suits::same},
        .intro = "Yukon built in suit, which makes it much harder.",
        .buildRule = "Build the tableau down in suit.",
    }));
    games.push_back(yukonGame({
        .id = 406,
        .name = "Alaska",
        .build = {Direction::either, Suits::same},
        .intro = "Russian Solitaire with room to turn: build in suit, up or down.",
        .buildRule = "Build the tableau up or down in suit: a Six of hearts on the Five or the Seven of "
                     "hearts.",
    }));
    games.push_back(yukonGame({
        .id = 407,
        .name = "Moosehide",
        .skill = 3,
        .build = {Direction::down, Suits::different},
        .intro = "Yukon built on any suit but the card's own.",
        .buildRule = "Build the tableau down in any suit other than the card's own: a Six of spades on a "
                     "Seven of clubs, hearts or diamonds.",
    }));
}

}  // namespace velmora::gamedb
