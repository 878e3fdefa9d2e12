// The chooser's catalogue over the program's own database. The database
// grows as games are added, so these tests check properties and known games
// rather than exact lists.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "game_catalogue.h"
#include "game_database.h"
#include "record_loader.h"

namespace velmora {
namespace {

std::string folded(std::string name)
{
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name;
}

class EmbeddedCatalogueTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        resources = new ResourceTable;
        addGameDatabase(*resources);
        catalogue = new Catalogue(*resources);
    }
    static void TearDownTestSuite()
    {
        delete catalogue;
        delete resources;
    }

    std::set<std::string> namesListed(const ChooserFilter& filter) const
    {
        std::set<std::string> names;
        for (const int index : catalogue->listedGames(filter, favourites))
            if (const CatalogueEntry* entry = catalogue->entry(index))
                names.insert(entry->name);
        return names;
    }

    static inline ResourceTable* resources = nullptr;
    static inline Catalogue* catalogue = nullptr;
    FavouritesList favourites;
};

TEST_F(EmbeddedCatalogueTest, TheUnfilteredListIsEveryGameInNameOrder)
{
    ASSERT_EQ(catalogue->size(), gameCount(*resources));
    const std::vector<int> all = catalogue->listedGames({}, favourites);
    ASSERT_EQ(static_cast<int>(all.size()), catalogue->size());
    for (std::size_t i = 0; i < all.size(); ++i) {
        ASSERT_EQ(all[i], static_cast<int>(i));
        if (i > 0) {
            EXPECT_LT(folded(catalogue->entry(all[i - 1])->name), folded(catalogue->entry(all[i])->name));
        }
    }
}

TEST_F(EmbeddedCatalogueTest, CategoryAndLetterFiltersListTheirGames)
{
    const std::set<std::string> klondikes = namesListed({.category = 7});
    EXPECT_TRUE(klondikes.contains("Klondike") && klondikes.contains("Thumb and Pouch"));
    EXPECT_FALSE(klondikes.contains("FreeCell"));
    EXPECT_TRUE(namesListed({.category = 10}).contains("Moosehide"));
    EXPECT_TRUE(namesListed({.category = kOtherCategory}).contains("Golf"));
    EXPECT_TRUE(namesListed({.letter = 11}).contains("Klondike"));
    // The letters split the names that begin with a letter, each under its
    // own; a name such as "8 x 8" is under none of them.
    std::size_t total = 0;
    for (int index = 0; index < catalogue->size(); ++index)
        if (!std::isalpha(static_cast<unsigned char>(catalogue->entry(index)->name.front())))
            ++total;
    for (std::uint16_t letter = 1; letter <= 26; ++letter)
        for (const std::string& name : namesListed({.letter = letter})) {
            EXPECT_EQ(std::toupper(static_cast<unsigned char>(name.front())), 'A' + letter - 1) << name;
            ++total;
        }
    EXPECT_EQ(total, static_cast<std::size_t>(catalogue->size()));
}

TEST_F(EmbeddedCatalogueTest, FavouritesCombineWithTheOtherFilters)
{
    favourites.add(212);  // Klondike
    favourites.add(176);  // FreeCell
    EXPECT_EQ(namesListed({.favourites = 1}), (std::set<std::string>{"FreeCell", "Klondike"}));
    EXPECT_EQ(namesListed({.letter = 6, .favourites = 1}), (std::set<std::string>{"FreeCell"}));
    EXPECT_EQ(catalogue->listedGames({.category = 8, .favourites = 1}, favourites),
              (std::vector<int>{kNoGameMarker}));
}

}  // namespace
}  // namespace velmora
