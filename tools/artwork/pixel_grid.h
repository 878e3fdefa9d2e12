// Hand-drawn pixel art kept as text, one character per pixel.
//
// A grid file holds colour definitions and grids:
//
//   colour r CC0000        character r stands for 0xCC0000 in this file
//   grid suit heart 8x8    a grid named "suit heart", then 8 rows of 8
//   ..#..#..
//
// '.' leaves the pixel alone and '#' is the ink chosen when the grid is
// painted (black, red or grey for the same shape); other characters must be
// defined by a colour line of the same file before use. Lines starting with
// "//" and blank lines between grids are ignored. One name may have grids
// of several sizes.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "image.h"

namespace velmora::artwork {

class GridError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Grid {
    std::string name;
    int width = 0;
    int height = 0;
    std::vector<std::string> rows;
    std::map<char, Rgb> palette;

    bool isInk(int x, int y) const { return rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#'; }
};

class GridLibrary {
public:
    // Reads every *.txt file of the folder in name order. Throws GridError
    // naming the file and line of any fault.
    static GridLibrary load(const std::filesystem::path& folder);
    // Adds the grids of one file's text; `origin` names it in errors.
    void parse(std::string_view text, const std::string& origin);

    const Grid* find(const std::string& name, int width, int height) const;
    // Throws GridError when there is no such grid.
    const Grid& get(const std::string& name, int width, int height) const;

    // "NAME WxH" of every grid never asked for: a grid the drawing code
    // does not know by that name, probably misnamed.
    std::vector<std::string> unusedGrids() const;

private:
    using Key = std::tuple<std::string, int, int>;
    std::map<Key, Grid> grids_;
    mutable std::set<Key> used_;
};

// Paints the grid with its top-left corner at (x, y). A grid using '#'
// needs an ink.
void paintGrid(Image& image, const Grid& grid, int x, int y, std::optional<Rgb> ink);

}  // namespace velmora::artwork
