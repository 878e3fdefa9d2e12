// Klondike: the classic game with a three-card deal and unlimited redeals.
// Its record keeps the layout, wiring and programs of the original database
// byte for byte; the programs are therefore given as bytes.
#include "assembler.h"
#include "game_registry.h"
#include "record_builder.h"

namespace velmora::gamedb {
namespace {

constexpr const char* kPrograms[] = {
    // 0 is the builder's "always false".
    "01 00 01",  // 1: always true
    // 2: tableau pick-up: the picked card is face up.
    "02 01 00 01 04 1C 16 13 14 1C 19 17 05 01 00 01 04 10 0B 16 0D 0D 01 00 01 01 00 01 1A 1B 14 "
    "10 0B 16 13 14 01 01 01 07 0E 0D 0D 0F 05 0D 0E 0E 04 16 13 14 0D 05 0F 0F 1A 1B 03 01 0F 01 "
    "07 0A 10 01 06 01 07 0A 06 16 01 01 01 15 01 00 01 14",
    // 3: tableau accept: a King on a space, or one lower in the other colour.
    "02 1D 01 00 01 04 1C 16 0D 01 00 01 01 00 01 13 14 0B 16 0D 1C 19 13 14 01 01 01 07 17 05 1A "
    "1D 1B 03 02 01 00 01 11 03 0A 10 0A 06 02 01 00 01 04 1C 16 13 14 1C 19 17 05 01 00 01 04 10 "
    "0B 16 0D 0D 01 00 01 01 00 01 1A 1B 14 10 0B 16 13 14 01 01 01 07 0E 0D 0D 0F 05 0D 0E 0E 04 "
    "16 13 14 0D 05 0F 0F 1A 1B 03 02 01 01 01 11 03 10 0D 01 0D 01 07 0A 06 16 01 00 01 1B 14 02 "
    "01 00 01 18 03 02 01 01 01 18 03 02 10 0D 07 01 01 01 07 16 01 00 01 15 01 01 01 14 10 0D 1B "
    "03 02 01 00 01 18 03 02 01 01 01 18 03 02 0D 10 0D 01 01 01 07 01 02 01 09 0E 01 01 01 07 01 "
    "02 01 09 0F 07 0A 01 01 01 07 0A 1B 03 06",
    // 4: foundation pick-up: another card lies under the picked one.
    "02 1D 01 00 01 04 1C 16 0D 01 00 01 01 00 01 13 14 0B 16 0D 1C 19 13 14 01 01 01 07 17 05 1A "
    "1D 1B 03 0A 10 0A 06 16 01 01 01 15 01 00 01 14",
    // 5: foundation accept: one card, an Ace on a space or one higher in suit.
    "02 01 01 01 04 1C 16 0D 01 00 01 01 00 01 13 14 0B 16 0D 1C 19 13 14 01 01 01 07 17 05 1A 1B "
    "03 0A 10 0A 06 16 15 01 01 01 1B 14 02 1D 01 00 01 04 1C 16 0D 01 00 01 01 00 01 13 14 0B 16 "
    "0D 1C 19 13 14 01 01 01 07 17 05 1A 1D 1B 03 02 01 00 01 11 03 0A 10 0A 06 02 01 00 01 04 1C "
    "16 13 14 1C 19 17 05 01 00 01 04 10 0B 16 0D 0D 01 00 01 01 00 01 1A 1B 14 10 0B 16 13 14 01 "
    "01 01 07 0E 0D 0D 0F 05 0D 0E 0E 04 16 13 14 0D 05 0F 0F 1A 1B 03 02 01 01 01 11 03 10 0D 01 "
    "01 01 07 0A 06 16 01 00 01 1B 14 02 01 00 01 18 03 02 01 01 01 18 03 02 10 0D 07 01 01 01 06 "
    "16 01 00 01 15 01 01 01 14 10 0D 1B 03 02 01 00 01 18 03 02 01 01 01 18 03 02 0D 10 0D 07 0A "
    "1B 03 06",
    "1C 19 06",  // 6: pile is empty
    // 7: top card is face down.
    "02 01 00 01 04 1C 16 0D 01 00 01 01 00 01 13 14 0B 16 0D 1C 19 13 14 01 01 01 07 17 05 1A 1B "
    "03 01 0F 01 07 0A 10 01 06 01 07 0A 06",
    "1C 19 06 16 01 01 01 15 01 00 01 14",  // 8: pile is not empty
};

PileDefinition klondikePile(int x, int y, Spread spread, std::uint8_t style, bool faceUp, int dealCount,
                            int pickUp, int accept)
{
    PileDefinition p{};
    p.x = static_cast<std::int16_t>(x);
    p.y = static_cast<std::int16_t>(y);
    p.xAnchor = 1;
    p.spread = static_cast<std::uint8_t>(spread);
    p.style = style;
    p.dealFaceUp = faceUp ? 1 : 0;
    p.interactive = 1;
    p.dealCount = static_cast<std::int16_t>(dealCount);
    p.pickUpProgram = static_cast<std::int16_t>(pickUp);
    p.acceptProgram = static_cast<std::int16_t>(accept);
    p.enabled = 1;
    p.fanLimitAnchor = 1;
    return p;
}

}  // namespace

VELMORA_GAME_FAMILY(klondike)
{
    RecordBuilder b(212, "Klondike");
    b.category(Category::klondike).skill(1).playTime(2).largeCards(true);
    b.description(
        "The best-known patience: a three-card deal from the stock and as many passes as you like.\n"
        "<b>Object</b>\nMove all 52 cards to the four foundations.\n"
        "<b>Layout</b>\nSeven tableau piles of one to seven cards, the top card of each face up; the "
        "stock, a waste of three cards, and four foundations.\n"
        "<b>Rules</b>\nBuild the tableau down in alternating colours. Any face-up card may be moved "
        "with the cards on it. Only a King may fill an empty pile. A face-down card that comes to the "
        "top turns face up.\nBuild the foundations up in suit from the Ace, one card at a time.\n"
        "Tap the stock to deal three cards onto the waste; only the top card of the waste is in play. "
        "Tap the empty stock to turn the waste over and deal it again, as often as you like.");
    b.addPacks(1);
    for (const char* hex : kPrograms)
        b.addProgram(rules::assembleHex(hex));

    PileDefinition stock = klondikePile(14, 14, Spread::squared, kStylePlain, false, 21, 0, 0);
    stock.tapKey = 1;
    stock.emptyTapKey = 10;
    b.addPile(stock);
    b.addPile(klondikePile(36, 14, Spread::squared, kStyleHiddenWhenEmpty, true, 3, 1, 0));
    for (int k = 0; k < 7; ++k)
        b.addPile(klondikePile(14 + 22 * k, 42, Spread::down, kStylePlain, k == 0, k + 1, 2, 3));
    for (int k = 0; k < 4; ++k) {
        PileDefinition foundation = klondikePile(80 + 22 * k, 14, Spread::squared, kStyleBaseCard, true, 0, 4, 5);
        foundation.displayValue[0] = 1;  // an Ace starts each foundation
        b.addPile(foundation);
    }
    b.permit(kAnyPile, kAnyPile);
    for (int p = 3; p <= 8; ++p)
        b.addFaceToggle(p, p - 2);

    const int deal = b.addKey(TriggerType::never);
    const int win = b.addKey(TriggerType::afterEveryStep);
    b.addAction(deal, setCardsAction(0, Range::fromBottom, 0, 3, kCardFaceUp, 1));
    b.addAction(deal, moveCardsAction(0, Range::fromBottom, 0, 3, 1));
    b.addAction(win, declareWonAction());
    for (int p = 0; p <= 8; ++p)
        b.addCondition(win, 6, p);
    for (int p = 2; p <= 8; ++p) {
        const int turnUp = b.addKey(TriggerType::afterEveryStep);
        b.addAction(turnUp, setCardsAction(p, Range::fromTop, 0, 1, kCardFaceUp, 1));
        b.addCondition(turnUp, 7, p);
    }
    const int redeal = b.addKey(TriggerType::never);
    b.addAction(redeal, setCardsAction(1, Range::between, 0, 0, kCardFaceUp, 0));
    b.addAction(redeal, moveCardsAction(1, Range::between, 0, 0, 0));
    b.addCondition(redeal, 8, 1);
    games.push_back(b.build());
}

}  // namespace velmora::gamedb
