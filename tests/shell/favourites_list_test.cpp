#include <gtest/gtest.h>

#include "favourites_list.h"

namespace velmora {
namespace {

std::vector<SolitaireId> elementsOf(const FavouritesList& list)
{
    return {list.elements().begin(), list.elements().end()};
}

TEST(FavouritesList, TheEmptyListIsOneMarker)
{
    FavouritesList list;
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(list.count(), 1u);
    EXPECT_FALSE(list.contains(kNoFavourite));
    EXPECT_FALSE(list.contains(0));

    EXPECT_TRUE(list.add(68));
    EXPECT_EQ(elementsOf(list), (std::vector<SolitaireId>{68}));
    EXPECT_TRUE(list.remove(68));
    EXPECT_EQ(elementsOf(list), (std::vector<SolitaireId>{kNoFavourite}));
    for (int id = 0; id < kMaxGames; ++id)
        ASSERT_FALSE(list.contains(static_cast<SolitaireId>(id)));
    EXPECT_FALSE(list.remove(68));
}

TEST(FavouritesList, AddingAndRemovingKeepTheOrderOfAddition)
{
    FavouritesList list;
    for (SolitaireId id : {30, 614, 0, 447})
        EXPECT_TRUE(list.add(id));
    EXPECT_FALSE(list.add(614));  // already there
    EXPECT_FALSE(list.add(800));  // no such game
    EXPECT_FALSE(list.add(kNoFavourite));
    EXPECT_EQ(elementsOf(list), (std::vector<SolitaireId>{30, 614, 0, 447}));

    EXPECT_TRUE(list.remove(614));
    EXPECT_FALSE(list.remove(614));
    EXPECT_EQ(elementsOf(list), (std::vector<SolitaireId>{30, 0, 447}));
    EXPECT_TRUE(list.remove(447));
    EXPECT_TRUE(list.remove(30));
    EXPECT_EQ(elementsOf(list), (std::vector<SolitaireId>{0}));
    EXPECT_TRUE(list.contains(0));
}

TEST(FavouritesList, AStoredListIsCleanedWhenTakenIn)
{
    using Ids = std::vector<SolitaireId>;
    // Nothing behind a marker could be found; a game added later must be.
    FavouritesList list(Ids{5, kNoFavourite, 7});
    EXPECT_EQ(elementsOf(list), (Ids{5}));
    EXPECT_TRUE(list.add(7));
    EXPECT_TRUE(list.contains(7));

    EXPECT_EQ(FavouritesList(Ids{kNoFavourite, 9}), FavouritesList());
    EXPECT_EQ(FavouritesList(Ids{}), FavouritesList());
    // A repeated id would survive one Remove; an id above 799 names no game.
    FavouritesList repeated(Ids{4, 900, 4, 2});
    EXPECT_EQ(elementsOf(repeated), (Ids{4, 2}));
    EXPECT_TRUE(repeated.remove(4));
    EXPECT_FALSE(repeated.contains(4));
}

}  // namespace
}  // namespace velmora
