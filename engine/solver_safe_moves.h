// Moves to a foundation that the search for a win may take at once, trying
// nothing else from the state: the card is of no more use where it lies.
//
// Foundations are as the progress measure finds them. A single top card
// going onto one is taken alone when
// - no card that could ever be built on it outside the foundations is still
//   outside them (what could be built on it is asked once of every accept
//   program that a pile other than a foundation has, or can be given, with
//   the one card lying alone), so it is needed as nobody's base; and
// - the move takes no place from another card: every other card outside the
//   foundations that this foundation would take now is also taken by another
//   foundation.
// That is the classic rule of putting a card up once both cards that go on it
// are up, found from the record's own programs. It is a guess in general: a
// key's conditions may want the card where it was, so only the search for a
// win uses it, never the search that proves a game cannot be won.
#pragma once

#include <bitset>
#include <cstdint>
#include <vector>

#include "engine.h"
#include "player_steps.h"
#include "rule_machine.h"

namespace velmora {

class SafeMoves {
public:
    // foundations: per pile, whether it is a foundation (foundationPiles).
    SafeMoves(const Engine& engine, const std::vector<bool>& foundations);

    // The index in steps of a move to take alone, or -1.
    int find(const Engine& engine, const std::vector<Step>& steps);

private:
    static constexpr int kFaces = 52;  // four suits of thirteen ranks
    using FaceSet = std::bitset<kFaces>;

    bool isSafe(const Engine& engine, int card, int foundation);
    bool needsNoBase(const Engine& engine, int card) const;
    bool takesNoPlace(const Engine& engine, int card, int foundation);
    // The faces the foundation would take onto its cards as they are now.
    FaceSet acceptedBy(const Engine& engine, int foundation);
    void findBases(const Engine& engine);

    std::vector<bool> isFoundation_;   // per pile
    std::vector<int> faceOfCard_;      // per card, -1: not one of the 52 faces
    std::vector<FaceSet> builtOn_;     // per face: faces some other pile takes onto it
    std::vector<std::vector<std::uint16_t>> cardsOfFace_;
    bool usable_ = false;
    RuleMachine machine_;
    std::vector<JumpTargets> jumps_;
    std::vector<SequenceElement> pile_;
    // The last foundations' contents and what they took, by pile.
    std::vector<std::uint64_t> acceptedKey_;
    std::vector<FaceSet> accepted_;
};

}  // namespace velmora
