#include "record_validation.h"

#include <algorithm>
#include <initializer_list>
#include <cstdint>
#include <map>

namespace velmora {
namespace {

constexpr long kMaxCards = 1024;
constexpr long kMaxPiles = 255;
// Pile program fields are i16, so a larger program index could not be stored.
constexpr long kMaxPrograms = 32767;
constexpr long kMaxCounters = 16;
constexpr long kMaxDealClass = 12;
constexpr long kMaxAnchor = 3;
constexpr long kMaxSpread = 4;
constexpr long kMaxStyle = 3;
constexpr long kMaxTriggerType = 3;
constexpr long kMaxActionKind = 6;
constexpr long kMaxBaseRank = 13;  // style-2 display value; 0 shows no base card
constexpr long kMaxBaseSuit = 4;

constexpr std::uint8_t kPushCode = 0x01;
constexpr std::uint8_t kPushClose = 0x01;

std::string where(const char* part, std::size_t number) { return std::string(part) + " " + std::to_string(number); }

RecordCheck countOutside(const char* name, long value, long low, long high)
{
    if (value >= low && value <= high)
        return std::nullopt;
    return RecordProblem{RecordFault::badCount, std::string(name) + " " + std::to_string(value) + " outside " +
                                                    std::to_string(low) + ".." + std::to_string(high)};
}

RecordCheck valueOutside(const std::string& at, const char* field, long value, long low, long high)
{
    if (value >= low && value <= high)
        return std::nullopt;
    return RecordProblem{RecordFault::badValue, at + ": " + field + " " + std::to_string(value) + " outside " +
                                                    std::to_string(low) + ".." + std::to_string(high)};
}

RecordCheck indexOutside(const std::string& at, const char* field, long value, std::size_t count,
                         const char* unit)
{
    if (value >= 0 && static_cast<std::size_t>(value) < count)
        return std::nullopt;
    return RecordProblem{RecordFault::indexOutOfRange, at + ": " + field + " " + std::to_string(value) +
                                                           " out of range (" + std::to_string(count) + " " +
                                                           unit + ")"};
}

RecordCheck pileIndex(const GameDefinition& d, const std::string& at, const char* field, long value)
{
    return indexOutside(at, field, value, d.piles.size(), "piles");
}

// A pile field where 0xFFFF stands for no pile or any pile.
RecordCheck pileOrNone(const GameDefinition& d, const std::string& at, const char* field, std::uint16_t value)
{
    if (value == kNone)
        return std::nullopt;
    return pileIndex(d, at, field, value);
}

RecordCheck keyIndex(const GameDefinition& d, const std::string& at, const char* field, long value)
{
    return indexOutside(at, field, value, d.triggerTypes.size(), "keys");
}

RecordCheck programIndex(const GameDefinition& d, const std::string& at, const char* field, long value)
{
    return indexOutside(at, field, value, d.programs.size(), "programs");
}

RecordCheck firstOf(std::initializer_list<RecordCheck> checks)
{
    for (const RecordCheck& check : checks)
        if (check)
            return check;
    return std::nullopt;
}

template <typename Entry, typename Check>
RecordCheck eachEntry(const std::vector<Entry>& entries, const char* part, Check check)
{
    for (std::size_t number = 0; number < entries.size(); ++number)
        if (RecordCheck problem = check(entries[number], where(part, number)))
            return problem;
    return std::nullopt;
}

RecordCheck checkHeaderValues(const GameDefinition& d)
{
    const std::string at = "header";
    return firstOf({valueOutside(at, "id", d.id, 0, kMaxGames - 1), valueOutside(at, "category", d.category, 0, 10),
                    valueOutside(at, "skill", d.skill, 0, 2), valueOutside(at, "play time", d.playTime, 0, 3),
                    valueOutside(at, "large cards", d.largeCards, 0, 1)});
}

RecordCheck checkExtraCategories(const GameDefinition& d)
{
    return eachEntry(d.extraCategories, "extra category", [](std::int32_t category, const std::string& at) {
        return valueOutside(at, "category", category, 2, 10);
    });
}

RecordCheck checkCards(const GameDefinition& d)
{
    return eachEntry(d.cards, "card", [](const CardDefinition& card, const std::string& at) {
        return firstOf({valueOutside(at, "deal class", card.dealClass, 0, kMaxDealClass),
                        valueOutside(at, "suit", card.suit, 1, 4), valueOutside(at, "rank", card.rank, 1, 13)});
    });
}

// A base-card display value: low byte the base rank, high byte the base suit.
RecordCheck baseCardOutside(const std::string& at, const char* field, std::uint8_t rank, std::uint8_t suit)
{
    return firstOf({valueOutside(at, (std::string(field) + " base rank").c_str(), rank, 0, kMaxBaseRank),
                    valueOutside(at, (std::string(field) + " base suit").c_str(), suit, 0, kMaxBaseSuit)});
}

// The run-time piles copy the flags and a saved game holds only 0 or 1 in
// them, so any other value would make every save of the game unreadable.
RecordCheck checkPiles(const GameDefinition& d)
{
    return eachEntry(d.piles, "pile", [&d](const PileDefinition& p, const std::string& at) {
        return firstOf({
            valueOutside(at, "x anchor", p.xAnchor, 0, kMaxAnchor),
            valueOutside(at, "y anchor", p.yAnchor, 0, kMaxAnchor),
            valueOutside(at, "spread", p.spread, 0, kMaxSpread),
            valueOutside(at, "style", p.style, 0, kMaxStyle),
            valueOutside(at, "deal count", p.dealCount, 0, INT16_MAX),
            valueOutside(at, "interactive", p.interactive, 0, 1),
            valueOutside(at, "fixed open", p.fixedOpen, 0, 1),
            valueOutside(at, "enabled", p.enabled, 0, 1),
            p.style == kStyleBaseCard ? baseCardOutside(at, "display", p.displayValue[0], p.displayValue[1])
                                      : std::nullopt,
            programIndex(d, at, "pick-up program", p.pickUpProgram),
            programIndex(d, at, "accept program", p.acceptProgram),
            keyIndex(d, at, "tap key", p.tapKey),
            keyIndex(d, at, "empty tap key", p.emptyTapKey),
            keyIndex(d, at, "drop key", p.dropKey),
        });
    });
}

RecordCheck checkPileAttribute(const GameDefinition& d, const ActionDefinition& a, const std::string& at)
{
    if (RecordCheck problem = pileIndex(d, at, "target pile", a.pileA))
        return problem;
    if (a.attribute == kPileAcceptProgram || a.attribute == kPilePickUpProgram)
        return programIndex(d, at, "program value", a.value);
    if (a.attribute == kPileDisplayValue && d.piles[a.pileA].style == kStyleBaseCard)
        return baseCardOutside(at, "value", static_cast<std::uint8_t>(a.value & 0xFF),
                               static_cast<std::uint8_t>(a.value >> 8));
    return std::nullopt;
}

RecordCheck checkAction(const GameDefinition& d, const ActionDefinition& a, const std::string& at)
{
    switch (static_cast<ActionKind>(a.kind)) {
    case ActionKind::moveCards:
        // Cards are inserted counted from the top (1) or from the bottom (2);
        // undo can only find them again in these two modes.
        return firstOf({pileIndex(d, at, "source pile", a.pileA), pileIndex(d, at, "destination pile", a.pileB),
                        valueOutside(at, "insert mode", a.insertMode, 1, 2)});
    case ActionKind::setPileAttribute:
        return checkPileAttribute(d, a, at);
    case ActionKind::setCardAttribute:
        return pileIndex(d, at, "target pile", a.pileA);
    case ActionKind::forbidMoves:
    case ActionKind::permitMoves:
        return firstOf({pileOrNone(d, at, "from pile", a.pileA), pileOrNone(d, at, "to pile", a.pileB)});
    case ActionKind::declareWon:
        return std::nullopt;
    case ActionKind::resetCounter:
        return indexOutside(at, "counter", a.pileA, d.counters.size(), "counters");
    }
    return valueOutside(at, "kind", a.kind, 0, kMaxActionKind);
}

RecordCheck checkActions(const GameDefinition& d)
{
    return eachEntry(d.actions, "action",
                     [&d](const ActionDefinition& a, const std::string& at) { return checkAction(d, a, at); });
}

RecordCheck checkPermissions(const GameDefinition& d)
{
    return eachEntry(d.permissions, "move permission", [&d](const MovePermission& m, const std::string& at) {
        return firstOf({pileOrNone(d, at, "from pile", m.fromPile), pileOrNone(d, at, "to pile", m.toPile)});
    });
}

RecordCheck checkPlacements(const GameDefinition& d)
{
    return eachEntry(d.placements, "card placement", [&d](const CardPlacement& c, const std::string& at) {
        return firstOf({pileIndex(d, at, "pile", c.pile), indexOutside(at, "card", c.card, d.cards.size(), "cards")});
    });
}

RecordCheck checkPilePositions(const GameDefinition& d)
{
    const auto check = [&d](const PilePosition& p, const std::string& at) { return pileIndex(d, at, "pile", p.pile); };
    return firstOf({eachEntry(d.faceToggles, "face toggle", check), eachEntry(d.locks, "lock", check),
                    eachEntry(d.openFlags, "open flag", check)});
}

RecordCheck checkTriggerTypes(const GameDefinition& d)
{
    return eachEntry(d.triggerTypes, "key", [](std::uint8_t type, const std::string& at) {
        return valueOutside(at, "trigger type", type, 0, kMaxTriggerType);
    });
}

RecordCheck checkActionLinks(const GameDefinition& d)
{
    return eachEntry(d.actionLinks, "action link", [&d](const ActionLink& link, const std::string& at) {
        return firstOf({keyIndex(d, at, "key", link.key),
                        indexOutside(at, "action", link.action, d.actions.size(), "actions")});
    });
}

// Walks the bytecode instruction by instruction up to its first end code: a
// PUSH must carry its value byte and its closing byte inside the program, or
// the machine would step past the program's end.
RecordCheck checkProgram(const std::string& program, const std::string& at)
{
    const std::size_t length = program.size() - 1;  // without the closing NUL
    for (std::size_t offset = 0; offset < length && program[offset] != '\0';) {
        if (static_cast<std::uint8_t>(program[offset]) != kPushCode) {
            ++offset;
            continue;
        }
        const std::string push = at + ": PUSH at byte " + std::to_string(offset);
        if (offset + 2 >= length)
            return RecordProblem{RecordFault::badProgram,
                                 push + " is cut off by the end (" + std::to_string(length) + " bytes)"};
        if (static_cast<std::uint8_t>(program[offset + 2]) != kPushClose)
            return RecordProblem{RecordFault::badProgram, push + " does not end in 01"};
        offset += 3;
    }
    return std::nullopt;
}

RecordCheck checkPrograms(const GameDefinition& d)
{
    return eachEntry(d.programs, "program", checkProgram);
}

RecordCheck checkConditions(const GameDefinition& d)
{
    return eachEntry(d.conditions, "condition", [&d](const ConditionDefinition& c, const std::string& at) {
        return firstOf({programIndex(d, at, "program", c.program), pileIndex(d, at, "pile", c.pile),
                        pileOrNone(d, at, "other pile", c.otherPile)});
    });
}

RecordCheck checkConditionLinks(const GameDefinition& d)
{
    return eachEntry(d.conditionLinks, "condition link", [&d](const ConditionLink& link, const std::string& at) {
        return firstOf({keyIndex(d, at, "key", link.key),
                        indexOutside(at, "condition", link.condition, d.conditions.size(), "conditions")});
    });
}

// A saved game never holds a negative counter, and a counter starts and is
// reset at its initial value.
RecordCheck checkCounters(const GameDefinition& d)
{
    return eachEntry(d.counters, "counter", [&d](const CounterDefinition& c, const std::string& at) {
        return firstOf({valueOutside(at, "initial", c.initial, 0, INT16_MAX), keyIndex(d, at, "zero key", c.zeroKey)});
    });
}

RecordCheck checkCounterLinks(const GameDefinition& d)
{
    return eachEntry(d.counterLinks, "counter link", [&d](const CounterLink& link, const std::string& at) {
        return firstOf({keyIndex(d, at, "key", link.key),
                        indexOutside(at, "counter", link.counter, d.counters.size(), "counters")});
    });
}

RecordProblem dealProblem(std::string message) { return {RecordFault::dealIncomplete, std::move(message)}; }

// Counts what the deal will do: piles are filled in pile order until every
// card is placed, and a pile only takes cards of its own deal class. The
// deal's probe finds a card only while one of the pile's class is left, so
// every class must have at least as many cards as its piles receive.
RecordCheck checkDeal(const GameDefinition& d)
{
    std::map<int, long> cardsOfClass;
    for (const CardDefinition& card : d.cards)
        ++cardsOfClass[card.dealClass];

    std::map<int, long> dealtOfClass;
    long left = d.cardCount();
    for (const PileDefinition& pile : d.piles) {
        const long received = std::min<long>(pile.dealCount, left);
        dealtOfClass[pile.dealClass] += received;
        left -= received;
    }
    if (left > 0)
        return dealProblem("deal counts add up to " + std::to_string(d.cardCount() - left) + " of " +
                           std::to_string(d.cardCount()) + " cards");

    for (std::size_t number = 0; number < d.piles.size(); ++number) {
        const int dealClass = d.piles[number].dealClass;
        if (dealtOfClass[dealClass] > cardsOfClass[dealClass])
            return dealProblem(where("pile", number) + ": deal class " + std::to_string(dealClass) + " receives " +
                               std::to_string(dealtOfClass[dealClass]) + " cards, the deck has " +
                               std::to_string(cardsOfClass[dealClass]));
    }
    return std::nullopt;
}

}  // namespace

RecordCheck checkHeaderCounts(const RecordHeader& h)
{
    return firstOf({countOutside("card count", h.cardCount, 1, kMaxCards),
                    countOutside("pile count", h.pileCount, 1, kMaxPiles),
                    countOutside("trigger count", h.triggerCount, 1, 0xFFFF),
                    countOutside("program count", h.programCount, 0, kMaxPrograms),
                    countOutside("counter count", h.counterCount, 0, kMaxCounters)});
}

RecordCheck checkDefinition(const GameDefinition& d)
{
    using Check = RecordCheck (*)(const GameDefinition&);
    for (Check check : {checkHeaderValues, checkExtraCategories, checkCards, checkPiles, checkActions,
                        checkPermissions, checkPlacements, checkPilePositions, checkTriggerTypes, checkActionLinks,
                        checkPrograms, checkConditions, checkConditionLinks, checkCounters, checkCounterLinks,
                        checkDeal})
        if (RecordCheck problem = check(d))
            return problem;
    return std::nullopt;
}

}  // namespace velmora
