#include "cli_json.h"

namespace velmora::cli {
namespace {

void writeCard(JsonWriter& json, const Engine& engine, std::uint16_t card)
{
    const Card& c = engine.state().cards[card];
    const CardDefinition& face = engine.definition().cards[card];
    json.beginObject().key("card").value(card).key("suit").value(face.suit).key("rank").value(face.rank);
    json.key("faceUp").value(c.faceUp != 0).key("movable").value(c.movable != 0);
    json.key("open").value(c.open != 0).endObject();
}

}  // namespace

void writePiles(JsonWriter& json, const Engine& engine)
{
    json.key("piles").beginArray();
    const GameState& state = engine.state();
    for (std::size_t pile = 0; pile < state.piles.size(); ++pile) {
        const Pile& run = state.piles[pile];
        const PileDefinition& def = engine.definition().piles[pile];
        json.beginObject().key("pile").value(static_cast<int>(pile)).key("x").value(run.x).key("y").value(run.y);
        json.key("xAnchor").value(def.xAnchor).key("yAnchor").value(def.yAnchor).key("spread").value(run.spread);
        json.key("style").value(def.style).key("interactive").value(run.interactive != 0);
        json.key("enabled").value(run.enabled != 0).key("cards").beginArray();
        for (std::uint16_t card : engine.cardsOn(static_cast<int>(pile)))
            writeCard(json, engine, card);
        json.endArray().endObject();
    }
    json.endArray();
}

void writeCounters(JsonWriter& json, const Engine& engine)
{
    json.key("counters").beginArray();
    for (const Counter& counter : engine.state().counters)
        json.value(counter.remaining);
    json.endArray();
}

std::vector<Move> legalMoves(Engine& engine)
{
    std::vector<Move> moves;
    engine.forEachMove([&](const Move& move) {
        moves.push_back(move);
        return true;
    });
    return moves;
}

void writeMoves(JsonWriter& json, const Engine& engine, const std::vector<Move>& moves)
{
    json.key("moves").beginArray();
    for (const Move& move : moves) {
        if (move.isTap) {
            json.beginObject().key("tap").value(move.pile).endObject();
        } else {
            json.beginObject().key("card").value(move.card);
            json.key("from").value(engine.state().cards[move.card].pile).key("to").value(move.destination);
            json.endObject();
        }
    }
    json.endArray();
}

}  // namespace velmora::cli
