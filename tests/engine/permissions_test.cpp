#include <algorithm>
#include <random>

#include <gtest/gtest.h>

#include "move_permissions.h"

namespace velmora {
namespace {

constexpr int kPiles = 13;

bool contains(const PermissionList& list, MovePermission entry)
{
    return std::find(list.begin(), list.end(), entry) != list.end();
}

TEST(MovePermissions, AnyToAnyPermitsEveryMove)
{
    const PermissionList list{{kAnyPile, kAnyPile}};
    for (int from = 0; from < kPiles; ++from)
        for (int to = 0; to < kPiles; ++to)
            EXPECT_TRUE(permitsMove(list, from, to));
    EXPECT_FALSE(permitsMove(PermissionList{}, 0, 1));
}

TEST(MovePermissions, ForbiddingOnePairSplitsAnyToAny)
{
    PermissionList list{{kAnyPile, kAnyPile}};
    EXPECT_TRUE(forbidMoves(list, 3, 5, kPiles));
    // (j, any) for every j other than 3, and (3, j) for every j other than 3 and 5.
    EXPECT_EQ(list.size(), static_cast<std::size_t>((kPiles - 1) + (kPiles - 2)));
    EXPECT_FALSE(contains(list, {kAnyPile, kAnyPile}));
    for (std::uint16_t j = 0; j < kPiles; ++j) {
        EXPECT_EQ(contains(list, {j, kAnyPile}), j != 3) << j;
        EXPECT_EQ(contains(list, {3, j}), j != 3 && j != 5) << j;
    }
    // Moves from a pile onto itself never happen, and the split does not keep them.
    for (int from = 0; from < kPiles; ++from)
        for (int to = 0; to < kPiles; ++to)
            if (from != to) {
                EXPECT_EQ(permitsMove(list, from, to), !(from == 3 && to == 5)) << from << "->" << to;
            }
}

TEST(MovePermissions, ForbiddingFromAnyOrToAny)
{
    PermissionList toFive{{kAnyPile, kAnyPile}};
    EXPECT_TRUE(forbidMoves(toFive, kAnyPile, 5, kPiles));
    PermissionList fromThree{{kAnyPile, kAnyPile}};
    EXPECT_TRUE(forbidMoves(fromThree, 3, kAnyPile, kPiles));
    for (int from = 0; from < kPiles; ++from)
        for (int to = 0; to < kPiles; ++to) {
            EXPECT_EQ(permitsMove(toFive, from, to), to != 5);
            EXPECT_EQ(permitsMove(fromThree, from, to), from != 3);
        }
}

TEST(MovePermissions, ForbiddingSplitsPartialWildcards)
{
    PermissionList list{{3, kAnyPile}, {kAnyPile, 7}, {1, 2}};
    EXPECT_TRUE(forbidMoves(list, 3, 7, kPiles));
    EXPECT_FALSE(permitsMove(list, 3, 7));
    EXPECT_TRUE(permitsMove(list, 3, 4));
    EXPECT_TRUE(permitsMove(list, 6, 7));
    EXPECT_TRUE(permitsMove(list, 1, 2));
    EXPECT_FALSE(contains(list, {3, kAnyPile}));
    EXPECT_FALSE(contains(list, {kAnyPile, 7}));
}

TEST(MovePermissions, ForbiddingNothingOrTheSamePileChangesNothing)
{
    PermissionList list{{1, 2}};
    EXPECT_FALSE(forbidMoves(list, 4, 5, kPiles));
    EXPECT_FALSE(forbidMoves(list, 2, 2, kPiles));
    PermissionList single{{kAnyPile, kAnyPile}};
    EXPECT_FALSE(forbidMoves(single, 0, 1, 1));
    EXPECT_EQ(list, (PermissionList{{1, 2}}));
    EXPECT_EQ(single, (PermissionList{{kAnyPile, kAnyPile}}));
}

TEST(MovePermissions, PermittingACoveredPairAddsNothing)
{
    for (MovePermission cover : {MovePermission{kAnyPile, kAnyPile}, MovePermission{3, kAnyPile},
                                 MovePermission{kAnyPile, 5}, MovePermission{3, 5}}) {
        PermissionList list{cover};
        EXPECT_FALSE(permitMoves(list, 3, 5));
        EXPECT_EQ(list.size(), 1u);
    }
    PermissionList list{{1, 2}};
    EXPECT_TRUE(permitMoves(list, 3, 5));
    EXPECT_TRUE(permitsMove(list, 3, 5));
}

TEST(MovePermissions, PermitAfterForbidAllowsEverythingAgain)
{
    PermissionList list{{kAnyPile, kAnyPile}};
    forbidMoves(list, 3, 5, kPiles);
    EXPECT_TRUE(permitMoves(list, 3, 5));
    for (int from = 0; from < kPiles; ++from)
        for (int to = 0; to < kPiles; ++to)
            if (from != to) {
                EXPECT_TRUE(permitsMove(list, from, to));
            }
}

TEST(MovePermissions, PermittedMovesDependOnWhatIsPermittedNotOnTheEntries)
{
    std::vector<std::uint64_t> original, restored, other;
    PermissionList list{{kAnyPile, kAnyPile}};
    permittedMoves(list, kPiles, original);
    forbidMoves(list, 3, 5, kPiles);
    permittedMoves(list, kPiles, other);
    EXPECT_NE(original, other);
    permitMoves(list, 3, 5);
    permittedMoves(list, kPiles, restored);
    EXPECT_EQ(original, restored);

    PermissionList some{{1, 2}, {kAnyPile, 4}};
    permittedMoves(some, kPiles, other);
    for (int from = 0; from < kPiles; ++from)
        for (int to = 0; to < kPiles; ++to) {
            const std::size_t bit = static_cast<std::size_t>(from * kPiles + to);
            EXPECT_EQ((other[bit / 64] >> (bit % 64)) & 1, from != to && permitsMove(some, from, to) ? 1u : 0u);
        }
}

TEST(MovePermissions, ForbiddingFromAnyPileOrToAnyPileSplitsTheOtherWildcard)
{
    // (3, any) still reached 5 after forbidding (any, 5); (any, 7) still left 3
    // after forbidding (3, any).
    PermissionList toFive{{3, kAnyPile}, {5, kAnyPile}};
    EXPECT_TRUE(forbidMoves(toFive, kAnyPile, 5, kPiles));
    PermissionList fromThree{{kAnyPile, 7}, {kAnyPile, 3}};
    EXPECT_TRUE(forbidMoves(fromThree, 3, kAnyPile, kPiles));
    for (int other = 0; other < kPiles; ++other) {
        EXPECT_TRUE(other == 5 || !permitsMove(toFive, other, 5)) << other;
        EXPECT_TRUE(other == 3 || !permitsMove(fromThree, 3, other)) << other;
    }
    EXPECT_TRUE(permitsMove(toFive, 3, 4));
    EXPECT_TRUE(permitsMove(fromThree, 4, 7));
    // Entries that permit no move from a to b stay where they are.
    EXPECT_EQ(toFive.front(), (MovePermission{5, kAnyPile}));
    EXPECT_EQ(fromThree.front(), (MovePermission{kAnyPile, 3}));
}

// Random lists over a few piles: forbidding takes away exactly the moves from
// a to b, and taking back its removals in reverse order, or withdrawing a
// permit, gives back the list as it was, entry for entry.
TEST(MovePermissions, ForbidAndPermitChangeExactlyTheirMovesAndAreTakenBackExactly)
{
    constexpr int piles = 5;
    std::mt19937 random(12);
    const auto pileOrAny = [&] {
        const int value = static_cast<int>(random() % (piles + 1));
        return value == piles ? kAnyPile : static_cast<std::uint16_t>(value);
    };
    for (int round = 0; round < 2000; ++round) {
        PermissionList list;
        for (std::size_t size = random() % 6; list.size() < size;)
            list.push_back({pileOrAny(), pileOrAny()});
        std::uint16_t a = pileOrAny();
        std::uint16_t b = pileOrAny();
        if (a == b)
            continue;
        const PermissionList original = list;

        std::vector<PermissionRemoval> removals;
        const bool removed = forbidMoves(list, a, b, piles, &removals);
        EXPECT_EQ(removed, !removals.empty());
        for (int from = 0; from < piles; ++from)
            for (int to = 0; to < piles; ++to) {
                if (from == to)
                    continue;
                const bool forbidden = (a == kAnyPile || a == from) && (b == kAnyPile || b == to);
                ASSERT_EQ(permitsMove(list, from, to), permitsMove(original, from, to) && !forbidden)
                    << "round " << round << ": " << from << " -> " << to;
            }
        for (auto removal = removals.rbegin(); removal != removals.rend(); ++removal)
            restoreForbidden(list, a, b, piles, *removal);
        ASSERT_EQ(list, original) << "round " << round;

        if (permitMoves(list, a, b))
            withdrawPermit(list, a, b);
        ASSERT_EQ(list, original) << "round " << round;
    }
}

}  // namespace
}  // namespace velmora
