// Code for allAdjacent and allCards.
//
// A loop walks its sequence with the sequence's cursor and keeps the fields
// of the cards it hands the predicate at the bottom of the stack (ROTDOWN
// puts the top entry there, ROTUP brings the bottom entry back), so the
// predicate can copy them to the top whatever it has stacked meanwhile.
//
// Reads of the loop's own sequence in the predicate (an element at an index,
// the bottom, the count) would move the cursor, so they are done once before
// the loop and kept at the bottom too. Only a loop over the same sequence
// inside the predicate still needs the cursor: the outer loop then
// "rewalks", keeping the index of its card on the stack and stepping the
// cursor from the top to that card on every round.
#include "rule_generator.h"

#include <algorithm>

namespace velmora::rules::detail {

namespace {

bool loopsOver(const ConditionNode& node, Sequence sequence);

bool loopsOver(const ValueNode& node, Sequence sequence)
{
    if (node.condition && loopsOver(*node.condition, sequence))
        return true;
    return (node.left && loopsOver(*node.left, sequence)) || (node.right && loopsOver(*node.right, sequence));
}

// True when the tree holds a loop over `sequence`.
bool loopsOver(const ConditionNode& node, Sequence sequence)
{
    const bool isLoop = node.kind == ConditionKind::allAdjacent || node.kind == ConditionKind::allCards;
    if (isLoop && node.sequence == sequence)
        return true;
    if ((node.left && loopsOver(*node.left, sequence)) || (node.right && loopsOver(*node.right, sequence)))
        return true;
    return std::any_of(node.parts.begin(), node.parts.end(),
                       [&](const auto& part) { return part && loopsOver(*part, sequence); });
}

using Reads = std::vector<const ValueNode*>;

void collectReads(const ConditionNode& node, Sequence sequence, Reads& found);

// The reads of `sequence` in the tree that do not depend on a loop's card.
void collectReads(const ValueNode& node, Sequence sequence, Reads& found)
{
    const bool read = (node.kind == ValueKind::count && node.sequence == sequence) ||
                      ((node.kind == ValueKind::suit || node.kind == ValueKind::rank) &&
                       node.element->kind != ElementKind::loopElement && node.element->sequence == sequence);
    if (read) {
        if (std::find(found.begin(), found.end(), &node) == found.end())
            found.push_back(&node);
        return;
    }
    if (node.condition)
        collectReads(*node.condition, sequence, found);
    if (node.left)
        collectReads(*node.left, sequence, found);
    if (node.right)
        collectReads(*node.right, sequence, found);
}

// A nested loop over the same sequence is left out: it keeps its own reads.
void collectReads(const ConditionNode& node, Sequence sequence, Reads& found)
{
    const bool isLoop = node.kind == ConditionKind::allAdjacent || node.kind == ConditionKind::allCards;
    if (isLoop && node.sequence == sequence)
        return;
    if (node.left) {
        collectReads(*node.left, sequence, found);
        collectReads(*node.right, sequence, found);
    }
    for (const auto& part : node.parts)
        if (part)
            collectReads(*part, sequence, found);
}

}  // namespace

void Generator::allAdjacent(const ConditionNode& node)
{
    const Sequence sequence = node.sequence;
    const int hoisted = hoistReads(node);
    const bool rewalk = loopsOver(*node.parts[0], sequence);
    if (rewalk)
        out_.push(0);  // index of the upper card
    keepCurrentCard(sequence, node.loop, 0);
    onSequence(sequence, Opcode::SUIT);
    branch([&] { out_.push(0); },  // no cards: holds
           [&] {
               loop([&] {
                   advance(sequence, rewalk);
                   onSequence(sequence, Opcode::SUIT);
                   leaveLoopWhenZero([&] { out_.push(0); });  // no lower card: every pair held
                   keepCurrentCard(sequence, node.loop, 1);
                   if (rewalk)
                       onSequence(sequence, Opcode::RESET);
                   predicate(node, rewalk);
                   const std::vector<Slot> frame = frame_;
                   leaveLoopUnlessZero([&] {
                       release();
                       release();
                       out_.push(1);
                   });
                   frame_ = frame;
                   lowerBecomesUpper(node.loop);
               });
           });
    release();
    release();
    if (rewalk) {
        out_.emit(Opcode::SWAP);
        out_.emit(Opcode::DROP);
    }
    onSequence(sequence, Opcode::RESET);
    for (int k = 0; k < hoisted; ++k)
        release();
}

void Generator::allCards(const ConditionNode& node)
{
    const Sequence sequence = node.sequence;
    const int hoisted = hoistReads(node);
    const bool rewalk = loopsOver(*node.parts[0], sequence);
    if (rewalk)
        out_.push(0);  // index of the card
    loop([&] {
        onSequence(sequence, Opcode::SUIT);
        leaveLoopWhenZero([&] { out_.push(0); });  // the end: every card held
        keepCurrentCard(sequence, node.loop, 0);
        if (rewalk)
            onSequence(sequence, Opcode::RESET);
        predicate(node, rewalk);
        const std::vector<Slot> frame = frame_;
        leaveLoopUnlessZero([&] {
            release();
            release();
            out_.push(1);
        });
        frame_ = frame;
        release();
        release();
        advance(sequence, rewalk);
    });
    if (rewalk) {
        out_.emit(Opcode::SWAP);
        out_.emit(Opcode::DROP);
    }
    onSequence(sequence, Opcode::RESET);
    for (int k = 0; k < hoisted; ++k)
        release();
}

// Without a rewalk the predicate must leave the loop's cursor alone, which
// element reads check.
void Generator::predicate(const ConditionNode& loop, bool rewalk)
{
    bool& walked = cursorWalked_[loop.sequence == Sequence::first ? 0 : 1];
    const bool wasWalked = walked;
    walked = !rewalk;
    condition(*loop.parts[0]);
    walked = wasWalked;
}

// Moves the cursor one card on. A rewalk adds 1 to the index on top of the
// stack and steps there from the top card.
void Generator::advance(Sequence sequence, bool rewalk)
{
    if (!rewalk) {
        onSequence(sequence, Opcode::NEXT);
        return;
    }
    out_.push(1);
    out_.emit(Opcode::ADD);
    out_.emit(Opcode::DUP);
    enter(sequence);
    loop([&] {
        out_.emit(Opcode::DUP);
        leaveLoopWhenZero([&] { out_.emit(Opcode::DROP); });
        out_.push(1);
        out_.emit(Opcode::SUB);
        out_.emit(Opcode::NEXT);
    });
    enter(sequence);
}

void Generator::keepCurrentCard(Sequence sequence, int loop, int position)
{
    onSequence(sequence, Opcode::SUIT);
    keep({loop, position, false, nullptr});
    onSequence(sequence, Opcode::RANK);
    keep({loop, position, true, nullptr});
}

// The kept lower card's fields become the upper card's: the four kept
// entries come up, the upper pair is dropped, the lower pair goes back down.
void Generator::lowerBecomesUpper(int loop)
{
    for (int k = 0; k < 4; ++k)
        out_.emit(Opcode::ROTUP);
    out_.emit(Opcode::DROP);
    out_.emit(Opcode::DROP);
    out_.emit(Opcode::ROTDOWN);
    out_.emit(Opcode::ROTDOWN);
    frame_.resize(frame_.size() - 4);
    frame_.push_back({loop, 0, false, nullptr});
    frame_.push_back({loop, 0, true, nullptr});
}

void Generator::keep(Slot slot)
{
    out_.emit(Opcode::ROTDOWN);
    frame_.push_back(slot);
}

void Generator::release()
{
    out_.emit(Opcode::ROTUP);
    out_.emit(Opcode::DROP);
    frame_.pop_back();
}

// Does the predicate's reads of the loop's own sequence and keeps them.
int Generator::hoistReads(const ConditionNode& loop)
{
    Reads reads;
    collectReads(*loop.parts[0], loop.sequence, reads);
    for (const ValueNode* read : reads) {
        value(*read);
        keep({0, 0, false, read});
    }
    return static_cast<int>(reads.size());
}

bool Generator::readHoisted(const ValueNode& node)
{
    const auto kept =
        std::find_if(frame_.rbegin(), frame_.rend(), [&](const Slot& slot) { return slot.hoisted == &node; });
    if (kept == frame_.rend())
        return false;
    copySlot(static_cast<std::size_t>(kept - frame_.rbegin()));
    return true;
}

void Generator::readSlot(const ElementNode& element, bool rank)
{
    const auto kept = std::find_if(frame_.rbegin(), frame_.rend(), [&](const Slot& slot) {
        return !slot.hoisted && slot.loop == element.loop && slot.position == element.index && slot.rank == rank;
    });
    if (kept == frame_.rend())
        throw RuleCompileError("an element handed to an allAdjacent or allCards predicate is used "
                               "outside that predicate");
    copySlot(static_cast<std::size_t>(kept - frame_.rbegin()));
}

// Copies a kept entry, `distance` entries above the bottom, to the top: the
// entries down to it come up, it is doubled, and they all go back down in
// their order.
void Generator::copySlot(std::size_t distance)
{
    for (std::size_t k = 0; k <= distance; ++k)
        out_.emit(Opcode::ROTUP);
    out_.emit(Opcode::DUP);
    out_.emit(Opcode::ROTDOWN);
    for (std::size_t k = 0; k < distance; ++k) {
        out_.emit(Opcode::SWAP);
        out_.emit(Opcode::ROTDOWN);
    }
}

}  // namespace velmora::rules::detail
