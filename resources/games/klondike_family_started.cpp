#include "klondike_family_started.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace velmora::gamedb {

using namespace rules;

namespace {

bool sameKind(const FoundationStart& a, const FoundationStart& b)
{
    return a.rank == b.rank && a.suit == b.suit && a.pack == b.pack;
}

// The distinct kinds of starting card, in the order the foundations first
// name them.
std::vector<FoundationStart> startKinds(const KlondikeRules& rules)
{
    std::vector<FoundationStart> kinds;
    for (const FoundationStart& start : rules.startedFoundations)
        if (std::none_of(kinds.begin(), kinds.end(), [&](const FoundationStart& k) { return sameKind(k, start); }))
            kinds.push_back(start);
    return kinds;
}

int kindClass(const std::vector<FoundationStart>& kinds, const FoundationStart& start)
{
    const auto found =
        std::find_if(kinds.begin(), kinds.end(), [&](const FoundationStart& k) { return sameKind(k, start); });
    return static_cast<int>(found - kinds.begin()) + 1;
}

const char* const kSuitNames[] = {"", "Spades", "Clubs", "Diamonds", "Hearts"};

std::string countText(int n)
{
    static const char* const kNumbers[] = {"no", "one", "two", "three", "four", "five", "six", "seven", "eight"};
    return n >= 0 && n <= 8 ? kNumbers[n] : std::to_string(n);
}

std::string rankText(int rank)
{
    static const char* const kRanks[] = {"Ace", "Two", "Three", "Four", "Five", "Six", "Seven",
                                         "Eight", "Nine", "Ten", "Jack", "Queen", "King"};
    return rank >= 1 && rank <= 13 ? kRanks[rank - 1] : std::to_string(rank);
}

// Where a foundation's building ends: at the rank its last card has, round
// the corner when it passes the King or the Ace.
std::string endText(const FoundationStart& start)
{
    const bool up = start.direction == Direction::up;
    const int steps = start.cards - 1;
    const int last = ((start.rank - 1 + (up ? steps : 13 * 13 - steps)) % 13) + 1;
    const bool turns = up ? start.rank + steps > 13 : start.rank - steps < 1;
    if (!turns)
        return " to the " + rankText(last);
    const std::string corner = up ? "King" : "Ace";
    const std::string after = up ? "Ace" : "King";
    if (rankText(last) == after)
        return " to the " + corner + " and then the " + after;
    return " to the " + corner + ", then on from the " + after + " to the " + rankText(last);
}

}  // namespace

int startedDealClass(const KlondikeRules& rules, int pack, int suit, int rank)
{
    const std::vector<FoundationStart> kinds = startKinds(rules);
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        const FoundationStart& kind = kinds[k];
        if (kind.rank == rank && (kind.suit == 0 || kind.suit == suit) && (kind.pack < 0 || kind.pack == pack))
            return static_cast<int>(k) + 1;
    }
    return 0;
}

int startedFoundationClass(const KlondikeRules& rules, int foundation)
{
    return kindClass(startKinds(rules), rules.startedFoundations[static_cast<std::size_t>(foundation)]);
}

Condition startedFoundationAccept(const KlondikeRules& rules, int foundation)
{
    const FoundationStart& start = rules.startedFoundations[static_cast<std::size_t>(foundation)];
    return acceptsOnFoundation(start.rank, start.direction, true) && count(second) < start.cards;
}

std::string startedFoundationsConflict(const KlondikeRules& rules)
{
    if (rules.startedFoundations.empty())
        return "";
    if (rules.acesDealt || !rules.dealtBases.empty() || rules.foundationsByTwos || rules.kingsHalf ||
        rules.kingsDealtDown || rules.reserveRank != 0 || rules.baseCardDealt || rules.foundationBase != 0 ||
        rules.splitFoundations || rules.foundationPerSuit || !rules.packRanks.empty() || !rules.packSuits.empty())
        return "foundations dealt their own starting cards are built from them alone, from full packs";
    // Each kind of starting card must be dealt to exactly as many
    // foundations as there are such cards.
    const std::vector<FoundationStart> kinds = startKinds(rules);
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        int cards = 0;
        for (int pack = 0; pack < rules.packs; ++pack)
            for (int suit = 1; suit <= 4; ++suit)
                cards += startedDealClass(rules, pack, suit, kinds[k].rank) == static_cast<int>(k) + 1 ? 1 : 0;
        const auto foundations = std::count_if(rules.startedFoundations.begin(), rules.startedFoundations.end(),
                                               [&](const FoundationStart& s) { return sameKind(s, kinds[k]); });
        if (cards != foundations)
            return "each kind of starting card must go to as many foundations as there are such cards";
    }
    return "";
}

// Runs of foundations with the same starting rank and direction, each
// described once: how many, what they start with, which way they go.
std::string startedFoundationsText(const KlondikeRules& rules)
{
    std::string text;
    const auto& starts = rules.startedFoundations;
    for (std::size_t k = 0; k < starts.size();) {
        std::size_t end = k;
        bool oneSuit = starts[k].suit != 0;
        while (end < starts.size() && starts[end].rank == starts[k].rank &&
               starts[end].direction == starts[k].direction && starts[end].cards == starts[k].cards) {
            oneSuit = oneSuit && starts[end].suit == starts[k].suit;
            ++end;
        }
        const int n = static_cast<int>(end - k);
        const std::string card = rankText(starts[k].rank);
        const std::string what = oneSuit ? "the " + card + " of " + kSuitNames[starts[k].suit]
                                         : (card == "Ace" || card == "Eight" ? "an " : "a ") + card;
        const bool up = starts[k].direction == Direction::up;
        std::string sentence = n == 1 ? "one foundation starts with " + what + " and is built "
                                      : countText(n) + " foundations start with " + what + " each and are built ";
        sentence += std::string(up ? "up" : "down") + " in suit from it" + endText(starts[k]) + ".";
        sentence[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(sentence[0])));
        text += (text.empty() ? "" : " ") + sentence;
        k = end;
    }
    return text + " These starting cards are dealt to the foundations at the start.";
}

}  // namespace velmora::gamedb
