#include <gtest/gtest.h>

#include "resource_table.h"

namespace velmora {
namespace {

Bytes bytesOf(std::initializer_list<std::uint8_t> values) { return Bytes(values); }

std::vector<std::uint8_t> contents(std::optional<ByteView> view)
{
    return view ? std::vector<std::uint8_t>(view->begin(), view->end()) : std::vector<std::uint8_t>{};
}

TEST(ResourceTable, FindsByTypeAndIdOnly)
{
    ResourceTable table;
    table.add("SOLDB", 3920, bytesOf({1, 2, 3}));
    EXPECT_EQ(contents(table.find("SOLDB", 3920)), bytesOf({1, 2, 3}));
    EXPECT_FALSE(table.find("SOLDB", 3921));
    EXPECT_FALSE(table.find("SOLSIZE", 3920));
    EXPECT_FALSE(table.find("soldb", 3920));
}

TEST(ResourceTable, AddingAgainReplacesOwnedAndStaticEntries)
{
    static const std::uint8_t embedded[] = {9, 8};
    ResourceTable table;
    table.add("SOLDB", 1, bytesOf({1}));
    table.addStatic("SOLDB", 1, embedded);
    EXPECT_EQ(table.find("SOLDB", 1)->data(), embedded);
    table.add("SOLDB", 1, bytesOf({4, 5}));
    EXPECT_EQ(contents(table.find("SOLDB", 1)), bytesOf({4, 5}));
}

TEST(ResourceTable, EmptyResourceIsFoundButEmpty)
{
    ResourceTable table;
    table.add("SOLSIZE", 3915, {});
    ASSERT_TRUE(table.find("SOLSIZE", 3915));
    EXPECT_TRUE(table.find("SOLSIZE", 3915)->empty());
}

TEST(ResourceTable, CopyOwnsItsBytesAfterTheOriginalIsGone)
{
    std::optional<ResourceTable> original(std::in_place);
    original->add("SOLDB", 7, bytesOf({1, 2, 3, 4}));
    const ResourceTable copy = *original;
    original.reset();
    EXPECT_EQ(contents(copy.find("SOLDB", 7)), bytesOf({1, 2, 3, 4}));
}

}  // namespace
}  // namespace velmora
