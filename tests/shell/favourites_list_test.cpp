#include <gtest/gtest.h>

#include "favourites_list.h"

namespace velmora {
namespace {

using Ids = std::vector<SolitaireId>;

Ids elementsOf(const FavouritesList& list) { return {list.elements().begin(), list.elements().end()}; }

TEST(FavouritesList, AddAndRemoveKeepTheOrderAndTheEmptyMarker)
{
    FavouritesList list;
    EXPECT_EQ(elementsOf(list), (Ids{kNoFavourite}));
    for (SolitaireId id : {30, 614, 0})
        EXPECT_TRUE(list.add(id));
    EXPECT_FALSE(list.add(614));  // already there
    EXPECT_FALSE(list.add(800));  // no such game
    EXPECT_TRUE(list.remove(614));
    EXPECT_FALSE(list.remove(614));
    EXPECT_EQ(elementsOf(list), (Ids{30, 0}));
    EXPECT_TRUE(list.remove(30));
    EXPECT_TRUE(list.remove(0));
    EXPECT_EQ(elementsOf(list), (Ids{kNoFavourite}));
    for (int id = 0; id <= kNoFavourite; ++id)
        ASSERT_FALSE(list.contains(static_cast<SolitaireId>(id)));
}

TEST(FavouritesList, AStoredListIsCleanedWhenTakenIn)
{
    // Nothing behind a marker could be found; a game added later must be.
    FavouritesList list(Ids{5, kNoFavourite, 7});
    EXPECT_EQ(elementsOf(list), (Ids{5}));
    EXPECT_TRUE(list.add(7));
    EXPECT_TRUE(list.contains(7));
    EXPECT_EQ(FavouritesList(Ids{kNoFavourite, 9}), FavouritesList());
    // A repeated id would survive one Remove; an id above 799 names no game.
    FavouritesList repeated(Ids{4, 900, 4, 2});
    EXPECT_EQ(elementsOf(repeated), (Ids{4, 2}));
}

}  // namespace
}  // namespace velmora
