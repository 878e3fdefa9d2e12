// Any bytes as a rule record: decoding either rejects them or yields a
// definition the engine can deal and play without faults.
#include <cstddef>
#include <cstdint>

#include "engine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    velmora::Engine engine;
    if (engine.loadDefinition(velmora::ByteView(data, size)) != velmora::RecordFault::none)
        return 0;
    velmora::GameNumber number = size;
    if (!engine.newDeal(number))
        return 0;
    engine.runDealEvents();
    for (int step = 0; step < 20; ++step) {
        const std::optional<velmora::Move> move = engine.findMove(step % 3);
        if (!move)
            break;
        if (move->isTap)
            engine.tapPile(move->pile, nullptr);
        else
            engine.moveCards(move->card, move->destination, nullptr);
        engine.runAfterMoveEvents(nullptr);
    }
    while (engine.undoStep()) {
    }
    return 0;
}
