#include "engine_sequences.h"

namespace velmora {

void SequenceBuilder::reserve(int cardCount)
{
    for (auto& buffer : buffers_)
        buffer.assign(static_cast<std::size_t>(cardCount) + 1, SequenceElement{0, 0});
}

SequenceElement SequenceBuilder::element(std::uint16_t card) const
{
    if (!state_->cards[card].faceUp)
        return {kFaceDownSuit, kFaceDownRank};
    const CardDefinition& face = definition_->cards[card];
    return {face.suit, face.rank};
}

CardSequence SequenceBuilder::run(int slot, const std::vector<std::uint16_t>& pile, int from, int count)
{
    std::vector<SequenceElement>& buffer = buffers_[slot];
    std::size_t length = 0;
    for (int position = from; position > from - count; --position)
        buffer[length++] = element(pile[static_cast<std::size_t>(position)]);
    buffer[length++] = SequenceElement{0, 0};
    return CardSequence(buffer.data(), length);
}

}  // namespace velmora
