// Fan games: the whole pack dealt face up into eighteen short fans, built on
// one card at a time, with the Aces going out to the foundations.
//
// The fans are spread to the right in rows of four, with their length
// limited so that the grid fits portrait and landscape screens; the
// foundations (and the redeal pile) share the last row with the last two
// fans. A redeal gathers the fans onto a hidden pile, shuffles it and deals
// it out again in threes.
#include <stdexcept>
#include <string>
#include <vector>

#include "game_parts.h"
#include "game_registry.h"

namespace velmora::gamedb {
namespace {

using namespace velmora::rules;

struct FanVariant {
    SolitaireId id;
    const char* name;
    const char* description;
    int fansOfThree;  // the first fans get three cards, the rest share the remainder equally
    Suits tableauSuits;
    Suits foundationSuits;
    EmptyTakes spaces;
    int redeals;  // 0: none; at most 2
};

constexpr int kFans = 18;
constexpr int kFoundation = kFans;
constexpr int kFoundations = 4;
constexpr int kFansPerRow = 4;
constexpr int kRowPitch = 26;
constexpr int kLastRowY = 14 + kRowPitch * ((kFans - 1) / kFansPerRow);

int fanDealCount(const FanVariant& v, int fan)
{
    if (fan < v.fansOfThree)
        return 3;
    return (52 - 3 * v.fansOfThree) / (kFans - v.fansOfThree);
}

void addFans(RecordBuilder& b, const FanVariant& v, int pickUp, int accept)
{
    // A fan that can never be refilled disappears when it is cleared.
    const PileStyle style = v.spaces == EmptyTakes::nothing ? kStyleHiddenWhenEmpty : kStylePlain;
    for (int fan = 0; fan < kFans; ++fan)
        b.addPile(makePile({.x = 8 + 40 * (fan % kFansPerRow), .y = 14 + kRowPitch * (fan / kFansPerRow),
                            .spread = Spread::right, .style = style, .dealCount = fanDealCount(v, fan),
                            .pickUp = pickUp, .accept = accept, .fanLimit = 24}));
}

void addFoundations(RecordBuilder& b, const FanVariant& v, const CommonPrograms& common)
{
    const int accept = addRule(b, acceptsOnFoundation(1, Direction::up, false, v.foundationSuits));
    for (int k = 0; k < kFoundations; ++k)
        b.addPile(makePile({.x = 86 + 15 * k, .y = kLastRowY, .style = kStyleBaseCard, .pickUp = common.never,
                            .accept = accept, .baseRank = 1}));
}

// The redeal pile shows how many redeals are left and is tapped to redeal;
// the hidden gathering pile is where the fans are collected and shuffled.
// The mark tells more than one redeal left from the last and from none, and
// a key's actions set fixed values: a variant has at most two redeals.
void addGatherRedeal(RecordBuilder& b, const FanVariant& v)
{
    if (v.redeals < 1 || v.redeals > 2)
        throw std::invalid_argument(std::string(v.name) + ": a fan game redeals once or twice");
    const int redealPile = b.pileCount();
    const int gather = redealPile + 1;
    const int key = b.addKey(TriggerType::never);
    b.addPile(makePile({.x = 148, .y = kLastRowY, .style = kStyleRedealMark, .emptyTapKey = key,
                        .displayValue = redealMark(v.redeals)}));
    b.addPile(makePile({.x = 148, .y = kLastRowY, .style = kStyleHiddenWhenEmpty, .interactive = false}));

    for (int fan = 0; fan < kFans; ++fan)
        b.addAction(key, moveCardsAction(fan, Range::between, 0, 0, gather));
    b.addAction(key, setPileAction(gather, kPileShuffle, 0));
    for (int fan = 0; fan < kFans; ++fan)
        b.addAction(key, moveCardsAction(gather, Range::fromTop, 0, 3, fan));

    // Every redeal but the last leaves one (the red arrow); the last, when
    // the counter is used up, leaves none.
    if (v.redeals == 2)
        b.addAction(key, setPileAction(redealPile, kPileDisplayValue, redealMark(1)));
    const int lastRedeal = b.addKey(TriggerType::never);
    b.addAction(lastRedeal, setPileAction(redealPile, kPileDisplayValue, redealMark(0)));
    b.addCounter(key, v.redeals, lastRedeal);
}

void addFanGame(GameList& games, const FanVariant& v)
{
    RecordBuilder b(v.id, v.name);
    b.category(Category::fan).skill(3).playTime(2);
    b.description(v.description);
    b.addPacks(1);

    const CommonPrograms common = addCommonPrograms(b);
    const int accept = addRule(b, acceptsBuilt({Direction::down, v.tableauSuits, false}, v.spaces, 1));
    addFans(b, v, common.topCardOnly, accept);
    addFoundations(b, v, common);
    if (v.redeals > 0)
        addGatherRedeal(b, v);
    b.permit(kAnyPile, kAnyPile);

    std::vector<int> fans;
    for (int fan = 0; fan < kFans; ++fan)
        fans.push_back(fan);
    addWinWhenEmpty(b, common, fans);
    games.push_back(b.build());
}

constexpr const char* kFanText =
    "A pure game of skill: every card is on view from the start.\n"
    "<b>Object</b>\nMove all 52 cards to the four foundations.\n"
    "<b>Layout</b>\nSeventeen fans of three cards and one of a single card, all face up.\n"
    "<b>Rules</b>\nOnly the top card of each fan is in play, and cards move one at a time.\n"
    "Build the fans down in suit. An empty fan may be filled only with a King.\n"
    "Move the Aces to the foundations as they come free and build them up in suit to the King.\n"
    "There is no stock and no redeal.";

constexpr const char* kScotchText =
    "A fan game in which ranks matter on the tableau and colours on the foundations.\n"
    "<b>Object</b>\nMove all 52 cards to the four foundations.\n"
    "<b>Layout</b>\nSixteen fans of three cards and two of two cards, all face up.\n"
    "<b>Rules</b>\nOnly the top card of each fan is in play, and cards move one at a time.\n"
    "Build the fans down regardless of suit. An empty fan stays empty.\n"
    "Start the foundations with the Aces and build them up to the King in alternating colours: a black "
    "Two on a red Ace, a red Three on it, and so on.\n"
    "There is no stock and no redeal.";

constexpr const char* kLucieText =
    "The most famous of the fans, with two chances to shuffle the cards left on the tableau.\n"
    "<b>Object</b>\nMove all 52 cards to the four foundations.\n"
    "<b>Layout</b>\nSeventeen fans of three cards and one of a single card, all face up.\n"
    "<b>Rules</b>\nOnly the top card of each fan is in play, and cards move one at a time.\n"
    "Build the fans down in suit. An empty fan stays empty.\n"
    "Move the Aces to the foundations as they come free and build them up in suit to the King.\n"
    "Tap the redeal mark to gather all the cards left in the fans, shuffle them and deal them out again "
    "in fans of three (the last fan may be shorter). You may redeal twice.";

}  // namespace

VELMORA_GAME_FAMILY(fan)
{
    addFanGame(games, {463, "Fan", kFanText, 17, Suits::same, Suits::same, EmptyTakes::kings, 0});
    addFanGame(games, {464, "Scotch Patience", kScotchText, 16, Suits::any, Suits::alternate, EmptyTakes::nothing, 0});
    addFanGame(games, {465, "La Belle Lucie", kLucieText, 17, Suits::same, Suits::same, EmptyTakes::nothing, 2});
}

}  // namespace velmora::gamedb
