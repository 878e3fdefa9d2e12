#include "solver_safe_moves.h"

#include <set>

#include "solver_hash.h"

namespace velmora {
namespace {

int faceIndex(const CardDefinition& card)
{
    if (card.suit < 1 || card.suit > 4 || card.rank < 1 || card.rank > 13)
        return -1;
    return (card.suit - 1) * 13 + (card.rank - 1);
}

SequenceElement faceElement(int face) { return {face / 13 + 1, face % 13 + 1}; }

// Every accept program that a pile other than a foundation has at the start
// or may be given by an action.
std::set<int> acceptProgramsOffFoundations(const Engine& engine, const std::vector<bool>& isFoundation)
{
    std::set<int> programs;
    const auto& piles = engine.state().piles;
    for (std::size_t pile = 0; pile < piles.size(); ++pile)
        if (!isFoundation[pile])
            programs.insert(piles[pile].acceptProgram);
    for (const ActionDefinition& action : engine.definition().actions)
        if (action.kind == static_cast<std::uint8_t>(ActionKind::setPileAttribute) &&
            action.attribute == kPileAcceptProgram && !(action.pileA < isFoundation.size() && isFoundation[action.pileA]))
            programs.insert(action.value);
    return programs;
}

}  // namespace

SafeMoves::SafeMoves(const Engine& engine, const std::vector<bool>& foundations)
    : isFoundation_(foundations.size(), false),
      builtOn_(kFaces),
      cardsOfFace_(kFaces),
      jumps_(engine.definition().programs.size()),
      acceptedKey_(foundations.size(), 0),
      accepted_(foundations.size())
{
    bool anyFoundation = false;
    for (std::size_t pile = 0; pile < foundations.size(); ++pile) {
        isFoundation_[pile] = foundations[pile];
        anyFoundation = anyFoundation || foundations[pile];
    }
    usable_ = anyFoundation;
    for (const CardDefinition& card : engine.definition().cards) {
        faceOfCard_.push_back(faceIndex(card));
        if (faceOfCard_.back() < 0)
            usable_ = false;
        else
            cardsOfFace_[static_cast<std::size_t>(faceOfCard_.back())].push_back(
                static_cast<std::uint16_t>(faceOfCard_.size() - 1));
    }
    if (usable_)
        findBases(engine);
}

void SafeMoves::findBases(const Engine& engine)
{
    const auto& programs = engine.definition().programs;
    for (int program : acceptProgramsOffFoundations(engine, isFoundation_)) {
        if (program < 0 || program >= static_cast<int>(programs.size()))
            continue;
        auto& jumps = jumps_[static_cast<std::size_t>(program)];
        for (int base = 0; base < kFaces; ++base) {
            const SequenceElement onto[2] = {faceElement(base), {0, 0}};
            for (int face = 0; face < kFaces; ++face) {
                const SequenceElement group[2] = {faceElement(face), {0, 0}};
                const CardSequence second(onto);
                if (runRule(machine_, programs[static_cast<std::size_t>(program)], jumps, CardSequence(group),
                            &second))
                    builtOn_[static_cast<std::size_t>(base)].set(static_cast<std::size_t>(face));
            }
        }
    }
}

int SafeMoves::find(const Engine& engine, const std::vector<Step>& steps)
{
    if (!usable_)
        return -1;
    for (std::size_t at = 0; at < steps.size(); ++at) {
        const Step& step = steps[at];
        if (step.kind == Step::move && isFoundation_[step.destination] && isSafe(engine, step.card, step.destination))
            return static_cast<int>(at);
    }
    return -1;
}

bool SafeMoves::isSafe(const Engine& engine, int card, int foundation)
{
    const Card& moved = engine.state().cards[static_cast<std::size_t>(card)];
    if (isFoundation_[moved.pile] || moved.position + 1 != engine.state().piles[moved.pile].count)
        return false;
    return needsNoBase(engine, card) && takesNoPlace(engine, card, foundation);
}

bool SafeMoves::needsNoBase(const Engine& engine, int card) const
{
    const FaceSet& builders = builtOn_[static_cast<std::size_t>(faceOfCard_[static_cast<std::size_t>(card)])];
    const auto& cards = engine.state().cards;
    for (int face = 0; face < kFaces; ++face) {
        if (!builders.test(static_cast<std::size_t>(face)))
            continue;
        for (std::uint16_t other : cardsOfFace_[static_cast<std::size_t>(face)])
            if (other != card && !isFoundation_[cards[other].pile])
                return false;
    }
    return true;
}

bool SafeMoves::takesNoPlace(const Engine& engine, int card, int foundation)
{
    FaceSet contested;
    const auto& cards = engine.state().cards;
    for (std::size_t other = 0; other < cards.size(); ++other)
        if (static_cast<int>(other) != card && !isFoundation_[cards[other].pile])
            contested.set(static_cast<std::size_t>(faceOfCard_[other]));
    contested &= acceptedBy(engine, foundation);
    if (contested.none())
        return true;
    FaceSet elsewhere;
    for (std::size_t pile = 0; pile < isFoundation_.size(); ++pile)
        if (isFoundation_[pile] && static_cast<int>(pile) != foundation)
            elsewhere |= acceptedBy(engine, static_cast<int>(pile));
    return (contested & ~elsewhere).none();
}

SafeMoves::FaceSet SafeMoves::acceptedBy(const Engine& engine, int foundation)
{
    const Pile& runtime = engine.state().piles[static_cast<std::size_t>(foundation)];
    const auto& programs = engine.definition().programs;
    const auto program = static_cast<std::size_t>(runtime.acceptProgram);
    if (runtime.acceptProgram < 0 || program >= programs.size())
        return {};
    // The pile top card first, as the engine hands piles to programs.
    pile_.clear();
    HashBuilder key;
    key.add(program);
    const auto& cards = engine.cardsOn(foundation);
    for (auto it = cards.rbegin(); it != cards.rend(); ++it) {
        const Card& held = engine.state().cards[*it];
        const CardDefinition& face = engine.definition().cards[*it];
        pile_.push_back(held.faceUp ? SequenceElement{face.suit, face.rank}
                                    : SequenceElement{kFaceDownSuit, kFaceDownRank});
        key.add((static_cast<std::uint64_t>(pile_.back().suit) << 8) | static_cast<std::uint64_t>(pile_.back().rank));
    }
    pile_.push_back({0, 0});
    const std::uint64_t wanted = key.value() | 1;
    auto& known = accepted_[static_cast<std::size_t>(foundation)];
    if (acceptedKey_[static_cast<std::size_t>(foundation)] == wanted)
        return known;
    known.reset();
    const CardSequence onto(pile_);
    for (int face = 0; face < kFaces; ++face) {
        const SequenceElement group[2] = {faceElement(face), {0, 0}};
        if (runRule(machine_, programs[program], jumps_[program], CardSequence(group), &onto))
            known.set(static_cast<std::size_t>(face));
    }
    acceptedKey_[static_cast<std::size_t>(foundation)] = wanted;
    return known;
}

}  // namespace velmora
