#include "move_permissions.h"

#include <algorithm>

namespace velmora {
namespace {

bool matches(std::uint16_t field, int pile) { return field == kAnyPile || field == pile; }

// Appends (j, to) for every pile j other than the two excepted ones.
void appendFromEachPile(PermissionList& list, std::uint16_t to, int pileCount,
                        std::uint16_t exceptA, std::uint16_t exceptB)
{
    for (int j = 0; j < pileCount; ++j)
        if (j != exceptA && j != exceptB)
            list.push_back({static_cast<std::uint16_t>(j), to});
}

// Appends (from, j) for every pile j other than the two excepted ones.
void appendToEachPile(PermissionList& list, std::uint16_t from, int pileCount,
                      std::uint16_t exceptA, std::uint16_t exceptB)
{
    for (int j = 0; j < pileCount; ++j)
        if (j != exceptA && j != exceptB)
            list.push_back({from, static_cast<std::uint16_t>(j)});
}

// The entries that replace (any, any) when a to b is forbidden.
void splitAnyToAny(PermissionList& list, std::uint16_t a, std::uint16_t b, int pileCount)
{
    if (a != kAnyPile && b != kAnyPile) {
        appendFromEachPile(list, kAnyPile, pileCount, a, a);
        appendToEachPile(list, a, pileCount, a, b);
    } else if (a == kAnyPile) {
        appendToEachPile(list, kAnyPile, pileCount, b, b);
    } else {
        appendFromEachPile(list, kAnyPile, pileCount, a, a);
    }
}

// Whether forbidding a to b removes the entry; if so, the entries that keep
// the other moves it permitted are appended to `replacements`. Moves from a
// pile onto itself do not exist, so (b, any) is untouched by forbidding
// (any, b), and (any, a) by forbidding (a, any).
bool replaceForbidden(const MovePermission& entry, std::uint16_t a, std::uint16_t b, int pileCount,
                      PermissionList& replacements)
{
    const bool anyFrom = entry.fromPile == kAnyPile;
    const bool anyTo = entry.toPile == kAnyPile;
    if (anyFrom && anyTo) {
        splitAnyToAny(replacements, a, b, pileCount);
        return true;
    }
    if (a != kAnyPile && entry.fromPile == a && anyTo) {
        if (b != kAnyPile)
            appendToEachPile(replacements, a, pileCount, a, b);
        return true;
    }
    if (b != kAnyPile && anyFrom && entry.toPile == b) {
        if (a != kAnyPile)
            appendFromEachPile(replacements, b, pileCount, a, b);
        return true;
    }
    // (j, any) still reaches b after forbidding (any, b); (any, j) still
    // leaves a after forbidding (a, any).
    if (a == kAnyPile && anyTo && entry.fromPile != b) {
        appendToEachPile(replacements, entry.fromPile, pileCount, entry.fromPile, b);
        return true;
    }
    if (b == kAnyPile && anyFrom && entry.toPile != a) {
        appendFromEachPile(replacements, entry.toPile, pileCount, a, entry.toPile);
        return true;
    }
    return (entry.fromPile == a && entry.toPile == b) || (b == kAnyPile && entry.fromPile == a) ||
           (a == kAnyPile && entry.toPile == b);
}

}  // namespace

bool permitsMove(const PermissionList& list, int from, int to)
{
    return std::any_of(list.begin(), list.end(), [&](const MovePermission& entry) {
        return matches(entry.fromPile, from) && matches(entry.toPile, to);
    });
}

bool permitsEveryMove(const PermissionList& list)
{
    return std::any_of(list.begin(), list.end(), [](const MovePermission& entry) {
        return entry.fromPile == kAnyPile && entry.toPile == kAnyPile;
    });
}

bool permitMoves(PermissionList& list, std::uint16_t a, std::uint16_t b)
{
    const MovePermission covering[] = {{kAnyPile, kAnyPile}, {a, kAnyPile}, {kAnyPile, b}, {a, b}};
    for (const MovePermission& entry : list)
        if (std::find(std::begin(covering), std::end(covering), entry) != std::end(covering))
            return false;
    list.push_back({a, b});
    return true;
}

void withdrawPermit(PermissionList& list, std::uint16_t a, std::uint16_t b)
{
    const MovePermission added{a, b};
    const auto last = std::find(list.rbegin(), list.rend(), added);
    if (last != list.rend())
        list.erase(std::next(last).base());
}

bool forbidMoves(PermissionList& list, std::uint16_t a, std::uint16_t b, int pileCount,
                 std::vector<PermissionRemoval>* removals)
{
    if (a == b || pileCount <= 1)
        return false;
    bool removed = false;
    PermissionList replacements;
    // Entries appended while walking are examined too (no replacement is ever
    // removed again); after a removal the entry that moved into the same place
    // is examined next.
    for (std::size_t i = 0; i < list.size();) {
        replacements.clear();
        if (!replaceForbidden(list[i], a, b, pileCount, replacements)) {
            ++i;
            continue;
        }
        if (removals)
            removals->push_back({list[i], i});
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
        list.insert(list.end(), replacements.begin(), replacements.end());
        removed = true;
    }
    return removed;
}

void restoreForbidden(PermissionList& list, std::uint16_t a, std::uint16_t b, int pileCount,
                      const PermissionRemoval& removal)
{
    PermissionList replacements;
    if (a == b || !replaceForbidden(removal.entry, a, b, pileCount, replacements))
        return;
    const auto tail = static_cast<std::ptrdiff_t>(replacements.size());
    if (replacements.size() <= list.size() && std::equal(replacements.begin(), replacements.end(), list.end() - tail))
        list.resize(list.size() - replacements.size());
    const std::size_t place = std::min(removal.place, list.size());
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(place), removal.entry);
}

void permittedMoves(const PermissionList& list, int pileCount, std::vector<std::uint64_t>& bits)
{
    const auto piles = static_cast<std::size_t>(pileCount);
    bits.assign((piles * piles + 63) / 64, 0);
    auto set = [&](std::size_t from, std::size_t to) {
        const std::size_t bit = from * piles + to;
        bits[bit / 64] |= std::uint64_t{1} << (bit % 64);
    };
    for (const MovePermission& entry : list) {
        const bool anyFrom = entry.fromPile == kAnyPile;
        const bool anyTo = entry.toPile == kAnyPile;
        if ((!anyFrom && entry.fromPile >= piles) || (!anyTo && entry.toPile >= piles))
            continue;
        for (std::size_t from = anyFrom ? 0 : entry.fromPile; from < (anyFrom ? piles : entry.fromPile + 1u); ++from)
            for (std::size_t to = anyTo ? 0 : entry.toPile; to < (anyTo ? piles : entry.toPile + 1u); ++to)
                if (from != to)
                    set(from, to);
    }
}

}  // namespace velmora
