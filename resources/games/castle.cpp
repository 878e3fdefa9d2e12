// Castle games: the whole pack dealt face up into rows that spread to the
// right on both sides of a column of foundations, and cards moved only one
// at a time.
//
// The left rows' fans stop short of the foundations, and the right rows get
// the same length, so the board fits portrait and landscape screens; a long
// row is squeezed rather than run into its neighbour.
#include <algorithm>
#include <vector>

#include "game_parts.h"
#include "game_registry.h"

namespace velmora::gamedb {
namespace {

using namespace velmora::rules;

struct CastleVariant {
    SolitaireId id;
    const char* name;
    const char* description;
    Build build;
    EmptyTakes spaces;
    std::vector<int> rowCards;  // cards dealt to each row: the left side top down, then the right side
    int leftRows;
    bool acesOnFoundations;  // the deal puts the four Aces on the foundations
    bool kingsToBottom;      // after the deal, Kings go beneath the other cards of their row
};

constexpr int kLeftRowX = 10;
constexpr int kFoundationX = 78;
constexpr int kRightRowX = 94;
constexpr int kFanLimit = 52;
constexpr int kTopY = 13;
constexpr int kAceClass = 1;

// Rows lie a card height (21 units) and a little apart. Seven rows a side
// fit the height of a turned handheld screen (240 pixels less the menu bar)
// only this close together.
int rowPitch(int rowsPerSide) { return rowsPerSide > 5 ? 23 : 26; }

struct CastlePiles {
    std::vector<int> rows;
    std::vector<int> foundations;
};

CastlePiles addPiles(RecordBuilder& b, const CastleVariant& v, const CommonPrograms& common)
{
    const int rowCount = static_cast<int>(v.rowCards.size());
    const int rowsPerSide = std::max(v.leftRows, rowCount - v.leftRows);
    const int pitch = rowPitch(rowsPerSide);
    // A row that can never be refilled disappears when it is cleared.
    const PileStyle rowStyle = v.spaces == EmptyTakes::nothing ? kStyleHiddenWhenEmpty : kStylePlain;
    const int rowAccept = addRule(b, acceptsBuilt(v.build, v.spaces, 1));
    CastlePiles piles;
    for (int row = 0; row < rowCount; ++row) {
        const bool left = row < v.leftRows;
        const int place = left ? row : row - v.leftRows;
        piles.rows.push_back(b.addPile(makePile({.x = left ? kLeftRowX : kRightRowX, .y = kTopY + pitch * place,
                                                 .spread = Spread::right, .style = rowStyle,
                                                 .dealCount = v.rowCards[static_cast<std::size_t>(row)],
                                                 .pickUp = common.topCardOnly, .accept = rowAccept,
                                                 .fanLimit = kFanLimit})));
    }

    // The foundations stand in a column centred on the rows.
    const int middle = kTopY + pitch * (rowsPerSide - 1) / 2;
    const int foundationAccept = addRule(b, acceptsOnFoundation());
    for (int k = 0; k < 4; ++k)
        piles.foundations.push_back(b.addPile(makePile(
            {.x = kFoundationX, .y = middle + pitch * (2 * k - 3) / 2, .style = kStyleBaseCard,
             .dealCount = v.acesOnFoundations ? 1 : 0, .dealClass = v.acesOnFoundations ? kAceClass : 0,
             .pickUp = common.never, .accept = foundationAccept, .baseRank = 1})));
    return piles;
}

void addCards(RecordBuilder& b, const CastleVariant& v)
{
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 13; ++rank)
            b.addCard(suit, rank, v.acesOnFoundations && rank == 1 ? kAceClass : 0);
}

// One key per row and position above the bottom, from the bottom up: a King
// found there moves to the bottom, which keeps the order of the other cards.
void addKingsToBottomKeys(RecordBuilder& b, const CastleVariant& v, const CastlePiles& piles)
{
    for (std::size_t row = 0; row < piles.rows.size(); ++row) {
        const int cards = v.rowCards[row];
        for (int position = 1; position < cards; ++position) {
            const int depth = cards - 1 - position;  // counted from the top card
            const int key = b.addKey(TriggerType::afterDeal);
            b.addCondition(key, addRule(b, count(first) == cards && rank(at(first, depth)) == 13), piles.rows[row]);
            b.addAction(key, moveCardsAction(piles.rows[row], Range::fromTop, depth, 1, piles.rows[row],
                                             Insert::fromBottom, 0));
        }
    }
}

GameDefinition castleGame(const CastleVariant& v)
{
    RecordBuilder b(v.id, v.name);
    b.category(Category::castle).skill(3).playTime(2);
    b.description(v.description);
    addCards(b, v);
    const CommonPrograms common = addCommonPrograms(b);
    const CastlePiles piles = addPiles(b, v, common);
    b.permit(kAnyPile, kAnyPile);
    if (v.kingsToBottom)
        addKingsToBottomKeys(b, v, piles);
    addWinWhenFull(b, piles.foundations, 13);
    return b.build();
}

constexpr Build kDownAnySuit{Direction::down, Suits::any};

}  // namespace

VELMORA_GAME_FAMILY(castle)
{
    games.push_back(castleGame(
        {423, "Baker's Dozen",
         "Thirteen rows of four, with every King sent to the bottom of its row.\n"
         "<b>Object</b>\nMove all 52 cards to the four foundations.\n"
         "<b>Layout</b>\nThirteen rows of four cards, all face up, seven on the left and six on the "
         "right of the foundations. Any King is placed beneath the other cards of its row.\n"
         "<b>Rules</b>\nOnly the last card of a row may be moved, one card at a time. Build the rows "
         "down regardless of suit. An emptied row stays empty.\n"
         "Build the foundations up in suit from the Ace. Cards on the foundations stay there.",
         kDownAnySuit, EmptyTakes::nothing, std::vector<int>(13, 4), 7, false, true}));
    games.push_back(castleGame(
        {424, "Beleaguered Castle",
         "The Aces start on the foundations and eight rows of six lay siege to them.\n"
         "<b>Object</b>\nMove all 52 cards to the four foundations.\n"
         "<b>Layout</b>\nThe four Aces form the foundations; the other 48 cards are dealt face up in "
         "eight rows of six, four on each side.\n"
         "<b>Rules</b>\nOnly the last card of a row may be moved, one card at a time. Build the rows "
         "down regardless of suit. Any card may fill an empty row.\n"
         "Build the foundations up in suit. Cards on the foundations stay there.",
         kDownAnySuit, EmptyTakes::anything, std::vector<int>(8, 6), 4, true, false}));
    games.push_back(castleGame(
        {425, "Streets and Alleys",
         "Beleaguered Castle with the Aces shuffled in among the rows.\n"
         "<b>Object</b>\nMove all 52 cards to the four foundations.\n"
         "<b>Layout</b>\nEight rows, all face up: four of seven cards on the left and four of six on "
         "the right of the foundations, which start empty.\n"
         "<b>Rules</b>\nOnly the last card of a row may be moved, one card at a time. Build the rows "
         "down regardless of suit. Any card may fill an empty row.\n"
         "Build the foundations up in suit from the Ace. Cards on the foundations stay there.",
         kDownAnySuit, EmptyTakes::anything, {7, 7, 7, 7, 6, 6, 6, 6}, 4, false, false}));
    games.push_back(castleGame(
        {426, "Fortress",
         "Ten rows built up or down in suit.\n"
         "<b>Object</b>\nMove all 52 cards to the four foundations.\n"
         "<b>Layout</b>\nTen rows, all face up, five on each side of the foundations: the top row on "
         "each side has six cards, the others five.\n"
         "<b>Rules</b>\nOnly the last card of a row may be moved, one card at a time. Build the rows up "
         "or down in suit; a row may change direction. Any card may fill an empty row.\n"
         "Build the foundations up in suit from the Ace. Cards on the foundations stay there.",
         {Direction::either, Suits::same}, EmptyTakes::anything, {6, 5, 5, 5, 5, 6, 5, 5, 5, 5}, 5, false,
         false}));
}

}  // namespace velmora::gamedb
