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

bool forbidMoves(PermissionList& list, std::uint16_t a, std::uint16_t b, int pileCount)
{
    if (a == b || pileCount <= 1)
        return false;
    bool removed = false;
    // Entries appended while walking are examined too; after a removal the
    // entry that moved into the same place is examined next.
    for (std::size_t i = 0; i < list.size();) {
        const MovePermission entry = list[i];
        bool remove = false;
        if (entry.fromPile == kAnyPile && entry.toPile == kAnyPile) {
            remove = true;
            list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
            splitAnyToAny(list, a, b, pileCount);
        } else if (a != kAnyPile && entry.fromPile == a && entry.toPile == kAnyPile) {
            remove = true;
            list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
            if (b != kAnyPile)
                appendToEachPile(list, a, pileCount, a, b);
        } else if (b != kAnyPile && entry.fromPile == kAnyPile && entry.toPile == b) {
            remove = true;
            list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
            if (a != kAnyPile)
                appendFromEachPile(list, b, pileCount, a, b);
        } else if ((entry.fromPile == a && entry.toPile == b) ||
                   (b == kAnyPile && entry.fromPile == a) ||
                   (a == kAnyPile && entry.toPile == b)) {
            remove = true;
            list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
        }
        removed = removed || remove;
        if (!remove)
            ++i;
    }
    return removed;
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
