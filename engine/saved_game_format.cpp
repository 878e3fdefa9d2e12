// The byte form of a saved game, and the checks a stored game must pass
// before the engine uses it.
#include <algorithm>
#include <cstring>

#include "saved_game.h"

namespace velmora {
namespace {

constexpr std::size_t kFixedPart = 17;

class Reader {
public:
    explicit Reader(ByteView data) : data_(data) {}

    template <typename T>
    T read()
    {
        T value{};
        std::memcpy(&value, data_.data() + offset_, sizeof(T));
        offset_ += sizeof(T);
        return value;
    }

    template <typename T>
    std::vector<T> readTable(std::size_t count)
    {
        std::vector<T> table(count);
        if (count > 0)
            std::memcpy(table.data(), data_.data() + offset_, count * sizeof(T));
        offset_ += count * sizeof(T);
        return table;
    }

    void skip(std::size_t bytes) { offset_ += bytes; }

private:
    ByteView data_;
    std::size_t offset_ = 0;
};

template <typename T>
void append(Bytes& out, const T& value)
{
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&value);
    out.insert(out.end(), bytes, bytes + sizeof(T));
}

template <typename T>
void appendTable(Bytes& out, const std::vector<T>& table)
{
    if (table.empty())
        return;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(table.data());
    out.insert(out.end(), bytes, bytes + table.size() * sizeof(T));
}

bool isFlag(std::uint32_t value) { return value <= 1; }

bool pileOrAny(std::uint16_t pile, std::size_t pileCount) { return pile == kAnyPile || pile < pileCount; }

bool validProgram(std::int16_t program, const GameDefinition& d)
{
    return program >= 0 && static_cast<std::size_t>(program) < d.programs.size();
}

// Every card lies on a pile at a position below that pile's count, and every
// such place holds exactly one card.
bool cardsConsistent(const GameState& s)
{
    std::vector<std::vector<bool>> taken(s.piles.size());
    for (std::size_t p = 0; p < s.piles.size(); ++p) {
        if (s.piles[p].count < 0)
            return false;
        taken[p].assign(static_cast<std::size_t>(s.piles[p].count), false);
    }
    std::size_t placed = 0;
    for (const Card& card : s.cards) {
        if (!isFlag(card.faceUp) || !isFlag(card.movable) || !isFlag(card.open))
            return false;
        if (card.pile >= s.piles.size() || card.position < 0 ||
            card.position >= s.piles[card.pile].count)
            return false;
        std::vector<bool>& pileTaken = taken[card.pile];
        const auto position = static_cast<std::size_t>(card.position);
        if (pileTaken[position])
            return false;
        pileTaken[position] = true;
        ++placed;
    }
    std::size_t slots = 0;
    for (const Pile& pile : s.piles)
        slots += static_cast<std::size_t>(pile.count);
    return placed == slots;
}

bool pilesValid(const GameState& s, const GameDefinition& d)
{
    return std::all_of(s.piles.begin(), s.piles.end(), [&](const Pile& pile) {
        return pile.spread <= 4 && isFlag(pile.interactive) && isFlag(pile.enabled) &&
               isFlag(pile.fixedOpen) && validProgram(pile.acceptProgram, d) &&
               validProgram(pile.pickUpProgram, d);
    });
}

bool historyEntryValid(const HistoryEntry& e, const GameState& s, const GameDefinition& d)
{
    if (!isFlag(e.groupStart))
        return false;
    switch (static_cast<HistoryKind>(e.kind)) {
    case HistoryKind::playerMove:
        return e.subject < s.piles.size() && e.destination < s.piles.size() &&
               e.subject != e.destination && e.destinationCount >= 0;
    case HistoryKind::actionApplied: return e.subject < d.actions.size();
    case HistoryKind::openFlagChanged: return e.subject < s.cards.size();
    case HistoryKind::counterUsed: return e.subject < s.counters.size();
    }
    return false;
}

bool stateValid(const GameState& s, const GameDefinition& d)
{
    if (!cardsConsistent(s) || !pilesValid(s, d) || !isFlag(s.gameOver))
        return false;
    for (const MovePermission& permission : s.permissions)
        if (!pileOrAny(permission.fromPile, s.piles.size()) || !pileOrAny(permission.toPile, s.piles.size()))
            return false;
    for (const Counter& counter : s.counters)
        if (counter.remaining < 0 || counter.zeroKey >= d.triggerTypes.size())
            return false;
    return std::all_of(s.history.begin(), s.history.end(),
                       [&](const HistoryEntry& e) { return historyEntryValid(e, s, d); });
}

}  // namespace

Bytes encodeSavedGame(const GameDefinition& definition, const GameState& state,
                      std::uint32_t elapsedSeconds)
{
    Bytes out;
    out.reserve(kFixedPart + 8 * state.cards.size() + 32 * state.piles.size() +
                4 * (state.permissions.size() + state.counters.size()) + 16 * state.history.size());
    append(out, definition.id);
    append(out, elapsedSeconds);
    appendTable(out, state.cards);
    appendTable(out, state.piles);
    append(out, static_cast<std::uint16_t>(state.permissions.size()));
    appendTable(out, state.permissions);
    appendTable(out, state.counters);
    append(out, std::uint32_t{0});
    append(out, state.gameOver);
    append(out, static_cast<std::uint32_t>(state.history.size()));
    appendTable(out, state.history);
    return out;
}

std::optional<DecodedGame> decodeSavedGame(const GameDefinition& d, ByteView data)
{
    const std::size_t m = d.cards.size();
    const std::size_t p = d.piles.size();
    const std::size_t k = d.counters.size();
    const std::size_t permissionsAt = 6 + 8 * m + 32 * p;
    if (data.size() < kFixedPart + 8 * m + 32 * p + 4 * k)
        return std::nullopt;
    std::uint16_t q = 0;
    std::memcpy(&q, data.data() + permissionsAt, sizeof q);
    const std::size_t historyCountAt = permissionsAt + 2 + 4 * q + 4 * k + 4 + 1;
    if (historyCountAt + 4 > data.size())
        return std::nullopt;
    std::uint32_t h = 0;
    std::memcpy(&h, data.data() + historyCountAt, sizeof h);
    if ((data.size() - historyCountAt - 4) / 16 != h || (data.size() - historyCountAt - 4) % 16 != 0)
        return std::nullopt;

    Reader in(data);
    DecodedGame game;
    if (in.read<std::uint16_t>() != d.id)
        return std::nullopt;
    game.elapsedSeconds = in.read<std::uint32_t>();
    game.state.cards = in.readTable<Card>(m);
    game.state.piles = in.readTable<Pile>(p);
    in.skip(2);
    game.state.permissions = in.readTable<MovePermission>(q);
    game.state.counters = in.readTable<Counter>(k);
    in.skip(4);
    game.state.gameOver = in.read<std::uint8_t>();
    in.skip(4);
    game.state.history = in.readTable<HistoryEntry>(h);
    if (!stateValid(game.state, d))
        return std::nullopt;
    return game;
}

}  // namespace velmora
