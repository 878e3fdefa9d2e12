// Reading hand-drawn grids: what is accepted, and faults named by file and
// line so that a damaged grid fails the build clearly.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "pixel_grid.h"

namespace velmora::artwork {
namespace {

std::string errorOf(const std::string& text)
{
    GridLibrary library;
    try {
        library.parse(text, "test.txt");
    } catch (const GridError& error) {
        return error.what();
    }
    return "";
}

TEST(PixelGrid, GridsOfOneNameMayHaveSeveralSizes)
{
    GridLibrary library;
    library.parse("// two sizes\ncolour r D00000\n\ngrid dot 1x1\n#\ngrid dot 2x2\nr.\n.#\n", "test.txt");
    ASSERT_NE(library.find("dot", 1, 1), nullptr);
    const Grid& large = library.get("dot", 2, 2);
    EXPECT_EQ(large.rows, (std::vector<std::string>{"r.", ".#"}));
    EXPECT_EQ(library.find("dot", 3, 3), nullptr);
    EXPECT_THROW(library.get("dot", 3, 3), GridError);

    Image image(3, 3, kWhite);
    paintGrid(image, large, 1, 1, kBlack);
    EXPECT_EQ(image.at(1, 1), rgb(0xD00000));
    EXPECT_EQ(image.at(2, 1), kWhite) << "'.' leaves the pixel alone";
    EXPECT_EQ(image.at(2, 2), kBlack) << "'#' takes the ink";
}

TEST(PixelGrid, FaultsNameTheLine)
{
    EXPECT_EQ(errorOf("grid a 2x2\n##\n#\n"), "test.txt:3: row of 1 pixels in grid a");
    EXPECT_EQ(errorOf("grid a 2x2\n##\n"), "test.txt:2: grid a ends after 1 rows");
    EXPECT_EQ(errorOf("grid a 1x1\nz\n"), "test.txt:2: undefined colour 'z' in grid a");
    EXPECT_EQ(errorOf("grid a 1x1\n#\ngrid a 1x1\n.\n"), "test.txt:3: second grid named a of that size");
    EXPECT_EQ(errorOf("colour # 000000\n"), "test.txt:1: '.' and '#' are reserved");
    EXPECT_EQ(errorOf("colour q 12345\n"), "test.txt:1: colour must be six hex digits: 12345");
    EXPECT_EQ(errorOf("grid a 2y2\n"), "test.txt:1: expected: grid NAME WIDTHxHEIGHT");
    EXPECT_EQ(errorOf("grid 2x2\n"), "test.txt:1: expected: grid NAME WIDTHxHEIGHT");
    EXPECT_EQ(errorOf("picture a 1x1\n"), "test.txt:1: expected colour or grid, not: picture a 1x1");
}

TEST(PixelGrid, ColoursBelongToTheirFile)
{
    GridLibrary library;
    library.parse("colour r D00000\ngrid a 1x1\nr\n", "one.txt");
    try {
        library.parse("grid b 1x1\nr\n", "two.txt");
        FAIL() << "a colour of another file was accepted";
    } catch (const GridError& error) {
        EXPECT_STREQ(error.what(), "two.txt:2: undefined colour 'r' in grid b");
    }
}

TEST(PixelGrid, InkIsNeededForInkPixels)
{
    GridLibrary library;
    library.parse("grid a 1x1\n#\n", "test.txt");
    Image image(1, 1, kWhite);
    EXPECT_THROW(paintGrid(image, library.get("a", 1, 1), 0, 0, std::nullopt), GridError);
}

TEST(PixelGrid, LoadsTheTextFilesOfAFolderOnly)
{
    const auto folder = std::filesystem::temp_directory_path() / "velmora_grid_test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "a.txt") << "grid a 1x1\n#\n";
    std::ofstream(folder / "notes.md") << "grid b 1x1\nnot a grid\n";
    const GridLibrary library = GridLibrary::load(folder);
    EXPECT_NE(library.find("a", 1, 1), nullptr);
    EXPECT_EQ(library.find("b", 1, 1), nullptr);
    std::ofstream(folder / "b.txt") << "grid b 2x1\n#\n";
    EXPECT_THROW(GridLibrary::load(folder), GridError);
    std::filesystem::remove_all(folder);
    EXPECT_THROW(GridLibrary::load(folder), GridError);
}

}  // namespace
}  // namespace velmora::artwork
