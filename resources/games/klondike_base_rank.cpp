// Klondike-family games whose foundations start from a rank known only once
// play begins: the card dealt to the first foundation, or the first card the
// player puts there. The foundations go on from King to Ace, the tableau
// builds round the corner too, and an empty tableau pile takes the rank just
// below the base.
#include "game_registry.h"
#include "klondike_family.h"

namespace velmora::gamedb {
namespace {

const Build kAlternateDownRound{Direction::down, Suits::alternate, true};

}  // namespace

VELMORA_GAME_FAMILY(klondike_base_rank)
{
    games.push_back(klondikeGame({
        .id = 360,
        .name = "Jane",
        .skill = 2,
        .intro = "Klondike with seven reserve piles fed by the stock, and foundations that start from a "
                 "dealt card.",
        .layout = "Seven tableau piles of one to seven cards, the top card of each face up; seven reserve "
                  "piles of one card; one card on the first foundation; the stock and the waste.",
        .build = kAlternateDownRound,
        .groupBuild = kAlternateDownRound,
        .stock = StockDeal::reservesThenOpen,
        .redeals = 0,
        .reserves = 7,
        .base = FoundationBase::dealtCard,
        .extraCategories = {Category::canfield},
    }));
    games.push_back(klondikeGame({
        .id = 12,
        .name = "Agnes Bernauer",
        .skill = 2,
        .intro = "Jane with the whole tableau face up and a stock dealt only to the reserves; cards on the "
                 "foundations stay there.",
        .layout = "Seven tableau piles of one to seven cards, all face up; seven reserve piles of one card; "
                  "one card on the first foundation; the stock.",
        .faceUp = allCardsUp,
        .build = kAlternateDownRound,
        .groupBuild = kAlternateDownRound,
        .stock = StockDeal::rowToReserves,
        .redeals = 0,
        .reserves = 7,
        .foundationsKeep = true,
        .base = FoundationBase::dealtCard,
        .extraCategories = {Category::canfield},
    }));
    games.push_back(klondikeGame({
        .id = 14,
        .name = "Agnes Two",
        .skill = 2,
        .playTime = 3,
        .intro = "Agnes Bernauer with two packs, ten tableau piles and ten reserves.",
        .layout = "Ten tableau piles of one to ten cards, all face up; ten reserve piles of one card; one "
                  "card on the first of eight foundations; the stock.",
        .packs = 2,
        .columns = 10,
        .faceUp = allCardsUp,
        .build = kAlternateDownRound,
        .groupBuild = kAlternateDownRound,
        .stock = StockDeal::rowToReserves,
        .redeals = 0,
        .reserves = 10,
        .foundationsKeep = true,
        .base = FoundationBase::dealtCard,
        .extraCategories = {Category::canfield},
    }));
    games.push_back(klondikeGame({
        .id = 495,
        .name = "Nine Across",
        .skill = 2,
        .intro = "Klondike across nine piles, in which you choose the foundations' base with the first card "
                 "you play to them.",
        .layout = "Nine tableau piles of one to nine cards, the top card of each face up; the stock, the "
                  "waste with one card, and four foundations.",
        .columns = 9,
        .build = kAlternateDownRound,
        .groupBuild = kAlternateDownRound,
        .base = FoundationBase::firstPlayed,
    }));
}

}  // namespace velmora::gamedb
