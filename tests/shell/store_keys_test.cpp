#include <gtest/gtest.h>

#include "store_keys.h"

namespace velmora {
namespace {

TEST(StoreKeys, GameNamesLoseTheirTopBits)
{
    EXPECT_EQ(gameKeyName("Baker's Dozen"), "Baker's Dozen");
    EXPECT_EQ(gameKeyName("Caf\xE9"), "Cafi");             // 0xE9 -> 0x69
    EXPECT_EQ(gameKeyName("\xC3\xA9t\xC3\xA9"), "C)tC)");  // UTF-8 bytes one by one
    // Bytes that would become a key separator or a NUL cannot name a key.
    EXPECT_EQ(gameKeyName("A\xDC" "B\x80" "C"), "A_B_C");
    EXPECT_EQ(gameKeyName(std::string("A\\B\0C", 5)), "A_B_C");
}

TEST(StoreKeys, PathsOfTheRecords)
{
    const std::string root = storeRoot("Velmora");
    EXPECT_EQ(preferencesPath(root), "SOFTWARE\\Trelk Software\\Velmora\\Velmora\\prefs");
    EXPECT_EQ(statisticsPath(root, "Caf\xE9"), "SOFTWARE\\Trelk Software\\Velmora\\Velmora\\statistics\\Cafi");
    EXPECT_EQ(bestTimesPath(root, "Golf"), "SOFTWARE\\Trelk Software\\Velmora\\Velmora\\bestScores\\Golf");
}

}  // namespace
}  // namespace velmora
