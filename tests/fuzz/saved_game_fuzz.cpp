// Any bytes as a stored Klondike game: decoding either rejects them or yields
// a state the engine can play on and undo through without faults.
#include <cstddef>
#include <cstdint>

#include "klondike_record.h"
#include "saved_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const velmora::Bytes record = velmora::testing::klondikeRecord();
    velmora::Engine engine;
    if (engine.loadDefinition(record) != velmora::RecordFault::none)
        return 0;
    std::optional<velmora::DecodedGame> game =
        velmora::decodeSavedGame(engine.definition(), velmora::ByteView(data, size));
    if (!game)
        return 0;
    engine.installState(std::move(game->state));
    if (const std::optional<velmora::Move> move = engine.findMove(0)) {
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
