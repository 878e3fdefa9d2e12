#include "check_settings.h"

namespace velmora::cli {
namespace {

constexpr CheckSettings kSettings[] = {
    // Accordion: long games whose every move changes little; the default
    // search wins each of deals 1 to 3 within 200,000 states.
    {485, 200'000, 0},
    // Spider, four suits: best first and depth first lose themselves in
    // early deals of the stock; a beam of 500 wins deal 1 in about 80,000.
    {349, 100'000, 500},
    // Eight Off: the default search decides none of deals 1 to 3 within
    // 20,000 states; its best-first half wins deal 1 in about 26,000.
    {421, 60'000, 0},
    // Spiderette: like Spider, the default search loses itself in early
    // deals of the stock; a beam of 200 wins deal 1 in about 14,000 states.
    {440, 20'000, 200},
    // King Albert, Somerset, Lanes and Eight Times Eight: single-card moves
    // or many open cards make the early search wide; the default search
    // wins one of deals 1 to 3 within 300,000 states.
    {367, 300'000, 0},
    {661, 300'000, 0},
    {392, 300'000, 0},
    {229, 300'000, 0},
    // Ten Across: ten open columns and two cells give every position many
    // moves; the default search wins one of deals 1 to 3 within 300,000.
    {703, 300'000, 0},
    // Aunt Mary, Double Kingsley and Gold Mine: no second pass (Gold Mine
    // deals its whole tableau from the stock), so best first spends its
    // budget on early stock turns; a beam finds a win of deal 1.
    {39, 50'000, 500},
    {198, 200'000, 500},
    {308, 400'000, 3000},
    // Stonewall, Phoenix and American Canister: no stock, and most deals
    // are blocked from the start; the solver proves deals 1 to 5 (American
    // Canister: 1 to 27) lost, and wins the next.
    {680, 300'000, 0, 6},
    {536, 300'000, 0, 6},
    {23, 300'000, 0, 28},
    // Kingsley: no redeal, and the first win the solver finds is deal 21.
    {377, 20'000, 0, 21},
    // Yukonic Plague: the thirteen reserve cards come out one at a time and
    // best first loses itself among the tableau's moves; a beam of 200 wins
    // deal 3 in about 16,000 states.
    {795, 30'000, 200},
    // Outback Patience and Bim Bom: two packs through a stock without a
    // redeal, where an early wrong turn of the stock is never undone; a beam
    // of 300 wins Outback's deal 1 in about 50,000 states, one of 200 Bim
    // Bom's deal 3 in about 40,000.
    {516, 100'000, 300},
    {73, 100'000, 200},
    // Russian Solitaire and Odessa: building in suit with only Kings in the
    // spaces blocks most deals at once; the solver proves Russian Solitaire's
    // deals 1 to 39 and Odessa's 1 to 12 lost, and wins the next.
    {405, 20'000, 0, 40},
    {507, 20'000, 0, 13},
    // Russian Spider: the same building with only whole suits leaving, so
    // nearly every card has a single place to go; the solver proves deals 1
    // to 698 lost, each within a few thousand states, and wins deal 699.
    {611, 20'000, 0, 699},
    // Double Russian Spider: two packs on ten piles, too many positions for
    // a complete search. No search found a win of deals 1 to 191 (best first
    // within 2,000,000 states and beams of 2,000 within 4,000,000 on the
    // first forty, a beam of 500 within 1,000,000 from 41 on); that beam
    // wins deal 192, where the check starts.
    {208, 1'000'000, 500, 192, 192},
    // Yukon Kings: with no foundations nothing leaves the tableau, and the
    // progress measure sees little until runs close; a beam of 1,000 wins
    // deal 1 in about 40,000 states.
    {794, 60'000, 1000},
    // Agnes Two: ten open columns, ten reserves and a stock dealt only to
    // them; the default search wins none of deals 1 to 3 within 300,000
    // states, a beam of 500 wins deal 1 in about 66,000.
    {14, 100'000, 500},
    // Vegas Klondike: a single pass through the stock leaves few winnable
    // deals; the default search wins deal 2 in about 128,000 of its best-first
    // half.
    {767, 300'000, 0},
    // Scarp: thirteen open columns fed by rows from the stock; best first and
    // depth first lose themselves among the deals, a beam of 300 wins deal 1.
    {619, 100'000, 300},
    // Moving Left and Souter: each space pulls the next pile's group left,
    // so a move reshapes the whole row; the default search wins deal 3 of
    // Moving Left within 400,000 states and deal 2 of Souter within 100,000.
    {469, 400'000, 0},
    {662, 100'000, 0},
    // Taking Silk and Six by Six: a single pass through the stock, where an
    // early wrong turn is never undone; the default search wins none of
    // deals 1 to 3 (Taking Silk's not even within 200,000 states), a beam of
    // 300 wins Taking Silk's deal 2 in about 69,000 states and Six by Six's
    // deal 1 in about 29,000.
    {699, 100'000, 300},
    {649, 100'000, 300},
    // Quadruple Yukon: sixteen columns give every position a great many
    // moves; the default search wins none of deals 1 to 3 within 20,000
    // states, a beam of 100 wins deal 2 in about 31,000.
    {558, 60'000, 100},
    // Little Gate: four tableau piles and a single pass through the stock;
    // deal 3 is proved lost, 1, 2 and 4 stay undecided within 1,000,000
    // states, and the default search wins deal 5 in about 88,000.
    {411, 200'000, 0, 5},
    // Seven Devils, Topsy-Turvy Queens, Napoleon Leaves Moscow and Royal
    // Aids: two packs, moves of one card at a time, and a stock whose early
    // turns decide the game; best first wins none of deals 1 to 3 within
    // 80,000 states, a beam of 300 wins Topsy-Turvy Queens' deal 1, Seven
    // Devils' deal 3, Napoleon Leaves Moscow's deal 4 and Royal Aids' deal 5
    // within 80,000.
    {633, 100'000, 300, 3},
    {728, 100'000, 300},
    {475, 100'000, 300, 4},
    {601, 100'000, 300, 5},
    // Q.C.: two packs, single cards on the tableau and the waste playing out
    // by itself; the beam of 300 wins none of deals 1 to 5 within 80,000
    // states, and deal 6.
    {553, 100'000, 300, 6},
    // Brush: two packs, one pass through the stock, and suits that leave the
    // tableau only whole; the default search wins none of deals 1 to 3
    // within 20,000 states, a beam of 300 wins deal 2 in about 76,000 (and
    // deal 1 not within 200,000).
    {101, 100'000, 300},
    // Batsford: two packs, one pass through the stock, and a cell of Kings;
    // a beam of 1,000 within 400,000 states wins none of deals 1 to 7 (each
    // about 25 seconds) and wins deal 8, where the check starts.
    {50, 400'000, 1000, 8, 8},
    // Locked Cards: two packs, seven locked reserve cards and two redeals;
    // a beam of 1,000 wins none of deals 1 and 2 within 400,000 states and
    // wins deal 3 in about 222,000.
    {413, 400'000, 1000},
    // King's Secrets: locked reserve cards under foundations built from the
    // King, and only Queens in the spaces; the same beam wins none of deals
    // 1 to 5 and wins deal 6 in about 214,000 states, where the check starts.
    {371, 400'000, 1000, 6, 6},
    // Gloucestershire: two packs in the open, single cards only, and 52
    // reserve cards to choose from; a beam of 1,000 does not win deal 1
    // within 400,000 states and wins deal 2 in about 172,000.
    {306, 400'000, 1000},
    // Agnes Sorel: one pass through a stock dealt in rows, building in
    // colour, and spaces that only the stock fills; a beam of 1,000 within
    // 400,000 states wins none of deals 1 to 109 and wins deal 110 in about
    // 73,000, where the check starts.
    {13, 400'000, 1000, 110, 110},
    // Gypsy: two packs dealt a row at a time onto the columns, with no
    // redeal; the default search wins none of deals 1 to 3 within 20,000
    // states, a beam of 300 wins deal 1 in about 200,000 (2 seconds).
    {323, 200'000, 300},
    // Single Rail, Double Rail, Final Battle and Triple Rail: a few columns
    // of one card, built regardless of suit, and a single pass through the
    // stock; the default search wins none of deals 1 to 3 within 20,000
    // states, a beam of 300 wins one of them within 200,000 (Double Rail's
    // deal 1, the others' deal 2). Final Battle's and Triple Rail's deal 1
    // take that beam its whole budget (about 20 and 40 seconds) without a
    // win, so their check starts at deal 2.
    {647, 200'000, 300},
    {206, 200'000, 300},
    {254, 200'000, 300, 2, 2},
    {742, 200'000, 300, 2, 2},
    // Maria: nine columns in alternating colours played one card at a time;
    // the default search wins none of deals 1 to 3, a beam of 300 wins deal
    // 1 within 200,000 states.
    {432, 200'000, 300},
    // Unlimited and Triple Interchange: deep columns with every other card
    // face down, and a stock gone through as often as one likes, which best
    // first turns again and again; a beam of 300 wins Unlimited's deal 1 and
    // Triple Interchange's deal 3 within 200,000 states.
    {759, 200'000, 300},
    {739, 200'000, 300},
    // Famous Fifty: Forty Thieves with fifty cards in the tableau and one
    // pass through the stock; neither a beam of 300 within 200,000 states
    // nor one of 1,000 within 400,000 wins deals 1 and 2, and the latter
    // wins deal 3, where the check starts.
    {247, 400'000, 1000, 3, 3},
    // Marie Rose: three packs and one pass through the stock; a beam of 300
    // within 200,000 states wins none of deals 1 to 7 (nor one of 1,000
    // within 400,000 deals 1 to 3) and wins deal 8, where the check starts.
    {433, 200'000, 300, 8, 8},
    // Diplomat: two packs, one pass through the stock and single cards built
    // regardless of suit; the default search wins none of deals 1 to 3
    // within 20,000 states, a beam of 300 wins deal 1 within 200,000.
    {183, 200'000, 300},
    // McClellan and Dieppe: two packs through one pass of the stock, with
    // three cards face down in each of McClellan's columns and only three
    // cards in each of Dieppe's. Beams of 300 (within 200,000 states) win
    // none of deals 1 to 6, and a beam of 1,000 (within 400,000) none of 1
    // to 3 of McClellan and 1 to 5 of Dieppe. The default search within
    // 60,000 wins McClellan's deal 6 and, after none of 4 to 13, Dieppe's
    // deal 14, where their checks start.
    {448, 60'000, 0, 6, 6},
    {181, 60'000, 0, 14, 14},
    // Floradora: six columns built one card at a time regardless of suit,
    // and one pass through a stock of 68 cards; beams of 300 and 1,000 win
    // none of deals 1 to 3, the default search within 60,000 states none of
    // 4 to 12, and it wins deal 13, where the check starts.
    {261, 60'000, 0, 13, 13},
    // Blind Patience: forty face-down cards that turn up only when tapped,
    // one card moving at a time, and one pass through the stock; the default
    // search wins none of deals 1 to 3, a beam of 300 wins deal 1 within
    // 200,000 states.
    {80, 200'000, 300},
    // Hypotenuse and Eternal Triangle: Gypsy deals with Kings alone in the
    // spaces; the default search wins none of deals 1 to 3 within 20,000
    // states, a beam of 300 wins one of them within 200,000.
    {340, 200'000, 300},
    {241, 200'000, 300},
    // Yeast Dough, Millie, Milligan Harp, Miss Milligan, Imperial Guards and
    // Giant: Gypsy deals of nine or more rows from the stock; neither the
    // default search nor a beam of 300 within 200,000 states wins any of
    // deals 1 to 3, a beam of 1,000 wins one of them within 400,000.
    {791, 400'000, 1000},
    {452, 400'000, 1000},
    {454, 400'000, 1000},
    {456, 400'000, 1000},
    {344, 400'000, 1000},
    {302, 400'000, 1000},
    // Small Triangle: one pack on seven columns with Kings alone in the
    // spaces; neither the default search nor a beam of 300 within 200,000
    // states wins any of deals 1 to 4, and the beam wins deal 5.
    {657, 200'000, 300, 5},
    // Trusty Twelve: no foundations, so the progress measure sees only the
    // stock shrink as spaces are made; the default search wins none of deals
    // 1 to 3 within 20,000 states, a beam of 300 wins deal 1 within that.
    {747, 20'000, 300},
    // Colorado: every card turned must be placed before the next, on any of
    // twenty piles, so each step has some twenty moves much alike and the
    // game runs over two hundred steps; narrower searches win none of deals
    // 1 to 6, a beam of 5,000 wins deal 1 within 3,000,000 states (a minute).
    {148, 3'000'000, 5000},
    // Kingsdown Eights: single cards fed from eight reserves that grow by
    // four cards a tap; the default search wins none of deals 1 to 3 within
    // 20,000 states, and deal 2 within 100,000.
    {376, 100'000, 0},
    // Carthage: single cards built in suit, six reserves dealt two rounds a
    // tap; the default search wins none of deals 1 and 2 within 200,000
    // states, and deal 3 within that.
    {114, 200'000, 0},
    // Die Koenigsbergerin: Gypsy on open columns whose foundations keep
    // their cards; neither the default search nor a beam of 1,000 wins any
    // of deals 1 to 3 within 400,000 states, beams widening from 300 win
    // deal 3 within 1,000,000, where the check starts.
    {180, 1'000'000, 300, 3, 3},
    // The Red and the Black: four single cards, and four cells that take
    // only the waste's card; the default search wins none of deals 1 to 3
    // within 20,000 states, and deal 1 within 200,000.
    {711, 200'000, 0},
    // Ladies Battle: six single cards on one pack, the Jacks held back on
    // reserves; the default search wins none of deals 1 to 3 within 200,000
    // states, nor a beam of 200 deal 1 within 300,000; that beam wins deal 2
    // within 130,000, where the check starts.
    {384, 300'000, 200, 0, 2},
    // Cicely: four rows a tap onto eight columns beside eight cells; the
    // default search wins none of deals 1 to 4 within 200,000 states (nor
    // beams of up to 2,000 deals 1 to 3 within 1,000,000), and deal 5 within
    // 110,000, where the check starts.
    {139, 200'000, 0, 5, 5},
    // Big Deal: the default search wins none of deals 1 to 3 within 20,000
    // states, nor deal 4 within 200,000; it wins deal 5 within 110,000,
    // where the check starts.
    {63, 200'000, 0, 5, 5},
};

}  // namespace

std::optional<CheckSettings> checkSettingsFor(SolitaireId id)
{
    for (const CheckSettings& settings : kSettings)
        if (settings.id == id)
            return settings;
    return std::nullopt;
}

}  // namespace velmora::cli
