#include "klondike_record.h"

#include <cstdlib>
#include <stdexcept>

#include "record_encoder.h"

namespace velmora::testing {

const char* const kKlondikePrograms[9] = {
    "01 01 01",
    "01 00 01",
    "02 01 00 01 04 1C 16 13 14 1C 19 17 05 01 00 01 04 10 0B 16 0D 0D 01 00 01 01 00 01 1A 1B 14 "
    "10 0B 16 13 14 01 01 01 07 0E 0D 0D 0F 05 0D 0E 0E 04 16 13 14 0D 05 0F 0F 1A 1B 03 01 0F 01 "
    "07 0A 10 01 06 01 07 0A 06 16 01 01 01 15 01 00 01 14",
    "02 1D 01 00 01 04 1C 16 0D 01 00 01 01 00 01 13 14 0B 16 0D 1C 19 13 14 01 01 01 07 17 05 1A "
    "1D 1B 03 02 01 00 01 11 03 0A 10 0A 06 02 01 00 01 04 1C 16 13 14 1C 19 17 05 01 00 01 04 10 "
    "0B 16 0D 0D 01 00 01 01 00 01 1A 1B 14 10 0B 16 13 14 01 01 01 07 0E 0D 0D 0F 05 0D 0E 0E 04 "
    "16 13 14 0D 05 0F 0F 1A 1B 03 02 01 01 01 11 03 10 0D 01 0D 01 07 0A 06 16 01 00 01 1B 14 02 "
    "01 00 01 18 03 02 01 01 01 18 03 02 10 0D 07 01 01 01 07 16 01 00 01 15 01 01 01 14 10 0D 1B "
    "03 02 01 00 01 18 03 02 01 01 01 18 03 02 0D 10 0D 01 01 01 07 01 02 01 09 0E 01 01 01 07 01 "
    "02 01 09 0F 07 0A 01 01 01 07 0A 1B 03 06",
    "02 1D 01 00 01 04 1C 16 0D 01 00 01 01 00 01 13 14 0B 16 0D 1C 19 13 14 01 01 01 07 17 05 1A "
    "1D 1B 03 0A 10 0A 06 16 01 01 01 15 01 00 01 14",
    "02 01 01 01 04 1C 16 0D 01 00 01 01 00 01 13 14 0B 16 0D 1C 19 13 14 01 01 01 07 17 05 1A 1B "
    "03 0A 10 0A 06 16 15 01 01 01 1B 14 02 1D 01 00 01 04 1C 16 0D 01 00 01 01 00 01 13 14 0B 16 "
    "0D 1C 19 13 14 01 01 01 07 17 05 1A 1D 1B 03 02 01 00 01 11 03 0A 10 0A 06 02 01 00 01 04 1C "
    "16 13 14 1C 19 17 05 01 00 01 04 10 0B 16 0D 0D 01 00 01 01 00 01 1A 1B 14 10 0B 16 13 14 01 "
    "01 01 07 0E 0D 0D 0F 05 0D 0E 0E 04 16 13 14 0D 05 0F 0F 1A 1B 03 02 01 01 01 11 03 10 0D 01 "
    "01 01 07 0A 06 16 01 00 01 1B 14 02 01 00 01 18 03 02 01 01 01 18 03 02 10 0D 07 01 01 01 06 "
    "16 01 00 01 15 01 01 01 14 10 0D 1B 03 02 01 00 01 18 03 02 01 01 01 18 03 02 0D 10 0D 07 0A "
    "1B 03 06",
    "1C 19 06",
    "02 01 00 01 04 1C 16 0D 01 00 01 01 00 01 13 14 0B 16 0D 1C 19 13 14 01 01 01 07 17 05 1A 1B "
    "03 01 0F 01 07 0A 10 01 06 01 07 0A 06",
    "1C 19 06 16 01 01 01 15 01 00 01 14",
};

std::string program(std::string_view hex)
{
    std::string bytes;
    for (std::size_t i = 0; i < hex.size();) {
        if (hex[i] == ' ') {
            ++i;
            continue;
        }
        if (i + 1 >= hex.size())
            throw std::invalid_argument("odd number of hex digits");
        bytes.push_back(static_cast<char>(std::strtoul(std::string(hex.substr(i, 2)).c_str(), nullptr, 16)));
        i += 2;
    }
    bytes.push_back('\0');
    return bytes;
}

namespace {

PileDefinition pile(std::int16_t x, std::int16_t y, std::uint8_t spread, std::uint8_t style,
                    std::uint8_t faceUp, std::int16_t dealCount, std::int16_t pickUp,
                    std::int16_t accept)
{
    PileDefinition p{};
    p.x = x;
    p.y = y;
    p.xAnchor = 1;
    p.yAnchor = 0;
    p.spread = spread;
    p.style = style;
    p.dealFaceUp = faceUp;
    p.interactive = 1;
    p.dealCount = dealCount;
    p.pickUpProgram = pickUp;
    p.acceptProgram = accept;
    p.enabled = 1;
    p.fanLimitAnchor = 1;
    return p;
}

ActionDefinition action(ActionKind kind, std::uint16_t pileA, std::uint8_t rangeMode,
                        std::uint16_t rangeA, std::uint16_t rangeB)
{
    ActionDefinition a{};
    a.kind = static_cast<std::uint8_t>(kind);
    a.pileA = pileA;
    a.rangeMode = rangeMode;
    a.rangeA = rangeA;
    a.rangeB = rangeB;
    return a;
}

ActionDefinition turnCards(std::uint16_t pileA, std::uint8_t rangeMode, std::uint16_t rangeA,
                           std::uint16_t rangeB, std::uint16_t faceUp)
{
    ActionDefinition a = action(ActionKind::setCardAttribute, pileA, rangeMode, rangeA, rangeB);
    a.attribute = kCardFaceUp;
    a.value = faceUp;
    return a;
}

ActionDefinition moveCards(std::uint16_t from, std::uint8_t rangeMode, std::uint16_t rangeA,
                           std::uint16_t rangeB, std::uint16_t to)
{
    ActionDefinition a = action(ActionKind::moveCards, from, rangeMode, rangeA, rangeB);
    a.pileB = to;
    a.insertMode = 1;
    return a;
}

void addPiles(GameDefinition& d)
{
    PileDefinition stock = pile(14, 14, 0, 0, 0, 21, 0, 0);
    stock.tapKey = kDealKey;
    stock.emptyTapKey = kRedealKey;
    d.piles.push_back(stock);
    d.piles.push_back(pile(36, 14, 0, 1, 1, 3, 1, 0));
    for (int k = 0; k < 7; ++k)
        d.piles.push_back(pile(static_cast<std::int16_t>(14 + 22 * k), 42, 4, 0, k == 0 ? 1 : 0,
                               static_cast<std::int16_t>(k + 1), 2, 3));
    for (int k = 0; k < 4; ++k) {
        PileDefinition foundation = pile(static_cast<std::int16_t>(80 + 22 * k), 14, 0, 2, 1, 0, 4, 5);
        foundation.displayValue[0] = 1;
        foundation.displayValue[1] = 0;
        d.piles.push_back(foundation);
    }
}

void addActions(GameDefinition& d)
{
    d.actions.push_back(turnCards(kStock, 2, 0, 3, 1));
    d.actions.push_back(moveCards(kStock, 2, 0, 3, kWaste));
    d.actions.push_back(action(ActionKind::declareWon, 0, 0, 0, 0));
    for (int p = 2; p <= 8; ++p)
        d.actions.push_back(turnCards(static_cast<std::uint16_t>(p), 1, 0, 1, 1));
    d.actions.push_back(turnCards(kWaste, 0, 0, 0, 0));
    d.actions.push_back(moveCards(kWaste, 0, 0, 0, kStock));
}

void addWiring(GameDefinition& d)
{
    d.triggerTypes = {0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 2};
    d.actionLinks = {{1, 0}, {1, 1}, {2, 2}};
    for (std::uint16_t k = 3; k <= 9; ++k)
        d.actionLinks.push_back({k, k});
    d.actionLinks.push_back({10, 10});
    d.actionLinks.push_back({10, 11});

    d.conditions.push_back({0, 0, kNone});
    for (std::uint16_t p = 0; p <= 8; ++p)
        d.conditions.push_back({6, p, kNone});
    for (std::uint16_t p = 2; p <= 8; ++p)
        d.conditions.push_back({7, p, kNone});
    d.conditions.push_back({8, 1, kNone});

    d.conditionLinks.push_back({0, 0});
    for (std::uint16_t c = 1; c <= 9; ++c)
        d.conditionLinks.push_back({2, c});
    for (std::uint16_t k = 3; k <= 9; ++k)
        d.conditionLinks.push_back({k, static_cast<std::uint16_t>(k + 7)});
    d.conditionLinks.push_back({10, 17});
}

}  // namespace

GameDefinition klondikeDefinition()
{
    GameDefinition d;
    d.id = 212;
    d.category = 7;
    d.skill = 0;
    d.playTime = 1;
    d.largeCards = 1;
    d.name = "Klondike";
    d.description =
        "<b>Object</b>\nMove all cards to the four foundations.\n"
        "<b>Rules</b>\nBuild the tableau down in alternating colours; only a King fills a "
        "space. Build the foundations up in suit from the Ace. Tap the stock to turn three "
        "cards onto the waste; tap the empty stock to turn the waste over, as often as you like.";
    for (std::uint8_t suit = 1; suit <= 4; ++suit)
        for (std::uint8_t rank = 1; rank <= 13; ++rank)
            d.cards.push_back({0, suit, rank});
    addPiles(d);
    addActions(d);
    d.permissions.push_back({kAnyPile, kAnyPile});
    for (std::uint16_t p = 3; p <= 8; ++p)
        d.faceToggles.push_back({p, static_cast<std::uint16_t>(p - 2)});
    for (const char* hex : kKlondikePrograms)
        d.programs.push_back(program(hex));
    addWiring(d);
    return d;
}

Bytes klondikeRecord() { return encodeRuleRecord(klondikeDefinition()); }

}  // namespace velmora::testing
