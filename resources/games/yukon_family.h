// Yukon and its relatives: any face-up card may be moved together with all
// the cards lying on it, whether they are in sequence or not; only the card
// moved has to fit where it lands. The games differ in packs, deal, building
// rule, what fills a space, free cells or a reserve, a stock, and whether
// the foundations take single cards or whole runs. Each game is a row of
// YukonRules handed to yukonGame.
#pragma once

#include <vector>

#include "game_parts.h"

namespace velmora::gamedb {

// Cards dealt to one tableau pile: face down at the bottom, face up on top.
struct ColumnDeal {
    int down = 0;
    int up = 0;
};

// The classic deal: one card on the first pile, then k face-down cards
// under five face-up ones on pile k.
std::vector<ColumnDeal> yukonDeal(int columns = 7);

enum class YukonStock {
    none,     // every card is dealt at the start
    toWaste,  // a tap turns cards onto a waste
    rows,     // a tap deals one card onto every tableau pile
    redeal,   // an empty stock: a tap gathers the tableau into it, shuffles it and
              // deals it out again round by round (dealRounds), as far as it goes
};

// One round of a deal: a card onto each tableau pile from `first` up to but
// not including `last`, face up or face down.
struct DealRound {
    int first = 0;
    int last = 0;
    bool faceUp = true;
};

enum class YukonFoundations {
    byCard,  // up in suit from the Ace, one card at a time
    byRun,   // complete runs from King down to Ace leave the tableau by themselves
    none,    // no foundations: won when every tableau pile is empty or one complete run
    oneFromAceOfHearts,  // a single foundation from the Ace of hearts, up by rank in any suit
                         // and round the corner from King to Ace, for the whole pack
};

struct YukonRules {
    SolitaireId id = 0;
    const char* name = "";
    Category category = Category::yukon;
    std::vector<Category> extraCategories;
    int skill = 2;
    int playTime = 2;
    int packs = 1;
    std::vector<ColumnDeal> columns = yukonDeal();
    Build build;  // how the card moved lands on a tableau card
    EmptyTakes onEmpty = EmptyTakes::kings;
    YukonStock stock = YukonStock::none;
    int stockDeal = 1;  // toWaste: cards turned by one tap
    int redeals = 0;    // toWaste: -1 no limit; redeal: how often
    std::vector<DealRound> dealRounds;  // redeal: the deal, which must give `columns` at the start
    int cells = 0;      // free cells holding one card each
    int cellCards = 0;  // cards dealt to each cell (0 or 1)
    int reserveCards = 0;  // cards dealt face up to each reserve pile; its top card is in play
    int reserves = 1;      // reserve piles, when reserveCards is set; nothing goes onto them
    YukonFoundations foundations = YukonFoundations::byCard;
    // byCard: ranks step by the suit (yukon_suit_steps.h) in the tableau and
    // on the foundations, which are dealt their base cards.
    bool suitSteps = false;
    const char* intro = "";      // the first line of the description
    const char* layout = "";     // the description's layout; empty: the classic deal's
    const char* buildRule = "";  // the description's building rule
};

GameDefinition yukonGame(const YukonRules& rules);

// The pick-up rule of a Yukon tableau: any face-up card, with every card on
// it, in sequence or not.
rules::Condition yukonPickUp();

}  // namespace velmora::gamedb
