#include "solver_state_hash.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <numeric>

#include "opcodes.h"
#include "program_reads.h"
#include "solver_hash.h"

namespace velmora {
namespace {

// A card as the rules see it, with its flags.
std::uint64_t cardElement(const Card& card, const CardDefinition& face)
{
    return std::uint64_t{face.suit} | std::uint64_t{face.rank} << 8 | std::uint64_t{card.faceUp} << 16 |
           std::uint64_t{card.movable} << 24 | std::uint64_t{card.open} << 32 | std::uint64_t{card.reserved} << 40;
}

// Whether the program ever looks at a card. One that does not gives the same
// answer whatever it is shown.
bool readsCards(const std::string& program)
{
    for (std::size_t at = 0; at < program.size() && program[at] != 0;) {
        const auto op = static_cast<std::uint8_t>(program[at]);
        if (op == static_cast<std::uint8_t>(Opcode::RANK) || op == static_cast<std::uint8_t>(Opcode::SUIT))
            return true;
        at += op == static_cast<std::uint8_t>(Opcode::PUSH) ? kPushLength : 1;
    }
    return false;
}

bool neverHolds(const GameDefinition& definition, int program)
{
    if (program < 0 || program >= static_cast<int>(definition.programs.size()))
        return true;
    const std::string& code = definition.programs[static_cast<std::size_t>(program)];
    if (readsCards(code))
        return false;
    const SequenceElement none[1] = {{0, 0}};
    const CardSequence empty(none);
    RuleMachine machine;
    return !runRule(machine, code, empty, &empty);
}

bool takesCardsOrReorders(const ActionDefinition& action, std::size_t pile, const GameDefinition& definition)
{
    if (action.pileA != pile)
        return false;
    switch (static_cast<ActionKind>(action.kind)) {
    case ActionKind::moveCards:
    case ActionKind::setCardAttribute:
        return true;
    case ActionKind::setPileAttribute:
        switch (action.attribute) {
        case kPileInteractive: return action.value != 0;
        case kPileReverse:
        case kPileShuffle: return true;
        case kPilePickUpProgram: return !neverHolds(definition, action.value);
        default: return false;
        }
    default:
        return false;
    }
}

// --- interchangeable piles ---------------------------------------------------

bool isPileAction(const ActionDefinition& action)
{
    return static_cast<ActionKind>(action.kind) != ActionKind::declareWon &&
           static_cast<ActionKind>(action.kind) != ActionKind::resetCounter;
}

bool hasSecondPile(const ActionDefinition& action)
{
    const auto kind = static_cast<ActionKind>(action.kind);
    return kind == ActionKind::moveCards || kind == ActionKind::forbidMoves || kind == ActionKind::permitMoves;
}

// What a key is, written as numbers, with the piles p and q swapped.
class KeySignatures {
public:
    explicit KeySignatures(const GameDefinition& definition) : definition_(definition)
    {
        const auto keys = static_cast<std::size_t>(definition.keyCount());
        conditions_.resize(keys);
        actions_.resize(keys);
        counters_.assign(keys, kNone);
        for (const ConditionLink& link : definition.conditionLinks)
            if (link.key < keys && link.condition < definition.conditions.size())
                conditions_[link.key].push_back(link.condition);
        for (const ActionLink& link : definition.actionLinks)
            if (link.key < keys && link.action < definition.actions.size())
                actions_[link.key].push_back(link.action);
        for (const CounterLink& link : definition.counterLinks)
            if (link.key < keys)
                counters_[link.key] = link.counter;
    }

    std::size_t keyCount() const { return conditions_.size(); }

    bool mentions(std::size_t key, std::uint16_t pile) const
    {
        for (std::uint16_t number : conditions_[key]) {
            const ConditionDefinition& condition = definition_.conditions[number];
            if (condition.pile == pile || condition.otherPile == pile)
                return true;
        }
        for (std::uint16_t number : actions_[key]) {
            const ActionDefinition& action = definition_.actions[number];
            if (isPileAction(action) && (action.pileA == pile || (hasSecondPile(action) && action.pileB == pile)))
                return true;
        }
        return false;
    }

    std::vector<std::uint32_t> of(std::size_t key, std::uint16_t p, std::uint16_t q) const
    {
        const auto swap = [&](std::uint16_t pile) -> std::uint32_t { return pile == p ? q : pile == q ? p : pile; };
        std::vector<std::uint32_t> signature = {definition_.triggerTypes[key], counters_[key]};
        std::vector<std::uint64_t> conditions;
        for (std::uint16_t number : conditions_[key]) {
            const ConditionDefinition& c = definition_.conditions[number];
            conditions.push_back(std::uint64_t{c.program} << 32 | std::uint64_t{swap(c.pile)} << 16 | swap(c.otherPile));
        }
        std::sort(conditions.begin(), conditions.end());  // a key wants all of them, in any order
        for (std::uint64_t condition : conditions) {
            signature.push_back(static_cast<std::uint32_t>(condition >> 32));
            signature.push_back(static_cast<std::uint32_t>(condition));
        }
        for (std::uint16_t number : actions_[key]) {
            ActionDefinition action = definition_.actions[number];
            if (isPileAction(action)) {
                action.pileA = static_cast<std::uint16_t>(swap(action.pileA));
                if (hasSecondPile(action))
                    action.pileB = static_cast<std::uint16_t>(swap(action.pileB));
            }
            std::uint32_t words[4];
            std::memcpy(words, &action, sizeof(words));
            signature.insert(signature.end(), words, words + 4);
        }
        return signature;
    }

private:
    const GameDefinition& definition_;
    std::vector<std::vector<std::uint16_t>> conditions_;
    std::vector<std::vector<std::uint16_t>> actions_;
    std::vector<std::uint16_t> counters_;
};

// The pile's definition without what only places it on the board or deals it.
std::vector<std::uint8_t> ruleBytes(PileDefinition pile)
{
    pile.dealClass = 0;
    pile.x = pile.y = 0;
    pile.xAnchor = pile.yAnchor = 0;
    pile.dealFaceUp = 0;
    pile.dealCount = 0;
    pile.drawOrder = 0;
    pile.fanLimitAnchor = 0;
    pile.fanLimit = 0;
    std::vector<std::uint8_t> bytes(sizeof(pile));
    std::memcpy(bytes.data(), &pile, sizeof(pile));
    return bytes;
}

bool permissionsSwap(const GameDefinition& definition, std::uint16_t p, std::uint16_t q)
{
    const auto swap = [&](std::uint16_t pile) { return pile == p ? q : pile == q ? p : pile; };
    for (const MovePermission& permission : definition.permissions) {
        const MovePermission swapped{swap(permission.fromPile), swap(permission.toPile)};
        if (std::find(definition.permissions.begin(), definition.permissions.end(), swapped) ==
            definition.permissions.end())
            return false;
    }
    return true;
}

bool keysSwap(const KeySignatures& keys, const std::vector<std::size_t>& mentioning, std::uint16_t p, std::uint16_t q)
{
    std::vector<std::vector<std::uint32_t>> before;
    std::vector<std::vector<std::uint32_t>> after;
    for (std::size_t key : mentioning) {
        before.push_back(keys.of(key, kNone, kNone));
        after.push_back(keys.of(key, p, q));
    }
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    return before == after;
}

// The keys a pile's taps and drops fire must be each other's image too.
bool pileKeysSwap(const GameDefinition& definition, const KeySignatures& keys, std::uint16_t p, std::uint16_t q)
{
    const PileDefinition& a = definition.piles[p];
    const PileDefinition& b = definition.piles[q];
    const std::uint16_t pairs[3][2] = {{a.tapKey, b.tapKey}, {a.emptyTapKey, b.emptyTapKey}, {a.dropKey, b.dropKey}};
    for (const auto& pair : pairs) {
        if (pair[0] >= keys.keyCount() || pair[1] >= keys.keyCount()) {
            if (pair[0] != pair[1])
                return false;
            continue;
        }
        if (keys.of(pair[0], p, q) != keys.of(pair[1], kNone, kNone))
            return false;
    }
    return true;
}

}  // namespace

StateHasher::StateHasher(const Engine& engine)
    : classOf_(engine.state().piles.size()),
      discard_(engine.state().piles.size(), false),
      readTopOnly_(engine.state().piles.size(), false)
{
    std::iota(classOf_.begin(), classOf_.end(), std::uint16_t{0});
    findDiscardPiles(engine);
    findInterchangeablePiles(engine);
}

void StateHasher::findDiscardPiles(const Engine& engine)
{
    const GameDefinition& definition = engine.definition();
    const auto& piles = engine.state().piles;
    for (std::size_t pile = 0; pile < piles.size(); ++pile) {
        if (piles[pile].interactive && !neverHolds(definition, piles[pile].pickUpProgram))
            continue;
        const bool touched = std::any_of(definition.actions.begin(), definition.actions.end(),
                                         [&](const ActionDefinition& a) { return takesCardsOrReorders(a, pile, definition); });
        discard_[pile] = !touched;
        readTopOnly_[pile] = discard_[pile] && readOnlyAtTheTop(engine, pile);
        merges_ = merges_ || (discard_[pile] && !readTopOnly_[pile]);
    }
}

// Whether every program that is shown the pile learns nothing of it but its
// top card and how many cards it holds: its accept programs, as the second
// sequence, and the conditions on it (a win that counts the pile).
bool StateHasher::readOnlyAtTheTop(const Engine& engine, std::size_t pile) const
{
    const GameDefinition& definition = engine.definition();
    const auto readsDeeper = [&](int program, int sequence) {
        if (program < 0 || program >= static_cast<int>(definition.programs.size()))
            return false;
        const std::string& code = definition.programs[static_cast<std::size_t>(program)];
        return deepestPossibleRead(code, sequence) > 0 && !readsUnderTheFirstOnlyForLength(code, sequence);
    };
    if (readsDeeper(engine.state().piles[pile].acceptProgram, 1))
        return false;
    for (const ActionDefinition& action : definition.actions)
        if (action.kind == static_cast<std::uint8_t>(ActionKind::setPileAttribute) && action.pileA == pile &&
            action.attribute == kPileAcceptProgram && readsDeeper(action.value, 1))
            return false;
    for (const ConditionDefinition& condition : definition.conditions)
        if ((condition.pile == pile && readsDeeper(condition.program, 0)) ||
            (condition.otherPile == pile && readsDeeper(condition.program, 1)))
            return false;
    return true;
}

void StateHasher::findInterchangeablePiles(const Engine& engine)
{
    const GameDefinition& definition = engine.definition();
    const KeySignatures keys(definition);
    const std::size_t pileCount = definition.piles.size();
    std::vector<std::vector<std::size_t>> mentioning(pileCount);
    for (std::size_t key = 0; key < keys.keyCount(); ++key)
        for (std::size_t pile = 0; pile < pileCount; ++pile)
            if (keys.mentions(key, static_cast<std::uint16_t>(pile)))
                mentioning[pile].push_back(key);
    std::vector<std::vector<std::uint8_t>> rules;
    for (const PileDefinition& pile : definition.piles) {
        rules.push_back(ruleBytes(pile));
        HashBuilder hash;
        hash.addRecords(rules.back());
        ruleHashes_.push_back(hash.value());
    }
    for (std::size_t q = 1; q < pileCount; ++q) {
        for (std::size_t p = 0; p < q; ++p) {
            if (classOf_[p] != p || rules[p] != rules[q] || discard_[p] != discard_[q])
                continue;
            std::vector<std::size_t> both = mentioning[p];
            both.insert(both.end(), mentioning[q].begin(), mentioning[q].end());
            std::sort(both.begin(), both.end());
            both.erase(std::unique(both.begin(), both.end()), both.end());
            const auto a = static_cast<std::uint16_t>(p);
            const auto b = static_cast<std::uint16_t>(q);
            if (permissionsSwap(definition, a, b) && pileKeysSwap(definition, keys, a, b) && keysSwap(keys, both, a, b)) {
                classOf_[q] = a;
                merges_ = true;
                break;
            }
        }
    }
}

std::uint64_t StateHasher::emptyPileKind(const Engine& engine, int pile) const
{
    HashBuilder hash;
    hash.add(ruleHashes_[static_cast<std::size_t>(pile)]);
    std::uint64_t words[4] = {0, 0, 0, 0};
    std::memcpy(words, reinterpret_cast<const unsigned char*>(&engine.state().piles[static_cast<std::size_t>(pile)]) + 4,
                sizeof(Pile) - 4);
    for (std::uint64_t word : words)
        hash.add(word);
    return hash.value();
}

std::uint64_t StateHasher::pileHash(const Engine& engine, std::size_t pile, bool asDiscard) const
{
    const GameState& state = engine.state();
    const GameDefinition& definition = engine.definition();
    HashBuilder hash;
    // The pile's runtime record without its place on the board.
    std::uint64_t words[4] = {0, 0, 0, 0};
    std::memcpy(words, reinterpret_cast<const unsigned char*>(&state.piles[pile]) + 4, sizeof(Pile) - 4);
    for (std::uint64_t word : words)
        hash.add(word);
    const auto& cards = engine.cardsOn(static_cast<int>(pile));
    if (!asDiscard) {
        for (std::uint16_t card : cards)
            hash.add(cardElement(state.cards[card], definition.cards[card]));
        return hash.value();
    }
    std::uint64_t under = 0;
    for (std::size_t position = 0; position + 1 < cards.size(); ++position)
        under += hashMix(cardElement(state.cards[cards[position]], definition.cards[cards[position]]));
    hash.add(under);
    if (!cards.empty())
        hash.add(cardElement(state.cards[cards.back()], definition.cards[cards.back()]));
    return hash.value();
}

std::uint64_t StateHasher::hash(Engine& engine, bool coarse) const
{
    const GameState& state = engine.state();
    const std::size_t pileCount = state.piles.size();
    HashBuilder hash;
    if (coarse) {
        std::vector<std::uint64_t>& classes = classSums_;
        classes.assign(pileCount, 0);
        for (std::size_t pile = 0; pile < pileCount; ++pile)
            classes[classOf_[pile]] += hashMix(pileHash(engine, pile, discard_[pile]));
        for (std::size_t pile = 0; pile < pileCount; ++pile)
            if (classOf_[pile] == pile)
                hash.add(classes[pile]);
    } else {
        for (std::size_t pile = 0; pile < pileCount; ++pile)
            hash.add(pileHash(engine, pile, readTopOnly_[pile]));
    }
    addPermittedMoves(hash, state.permissions, static_cast<int>(pileCount));
    hash.addRecords(state.counters);
    hash.add(state.gameOver);
    hash.add(std::bit_cast<std::uint32_t>(engine.random()));
    return hash.value();
}

std::uint64_t StateHasher::exact(Engine& engine) const { return hash(engine, false); }

std::uint64_t StateHasher::coarse(Engine& engine) const { return hash(engine, true); }

}  // namespace velmora
