#include "pixel_grid.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace velmora::artwork {
namespace {

class LineReader {
public:
    LineReader(std::string_view text, const std::string& origin) : text_(text), origin_(origin) {}

    bool next(std::string& line)
    {
        if (position_ >= text_.size())
            return false;
        const std::size_t end = std::min(text_.find('\n', position_), text_.size());
        line.assign(text_.substr(position_, end - position_));
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        position_ = end + 1;
        ++number_;
        return true;
    }

    [[noreturn]] void fail(const std::string& message) const
    {
        throw GridError(origin_ + ":" + std::to_string(number_) + ": " + message);
    }

private:
    std::string_view text_;
    const std::string& origin_;
    std::size_t position_ = 0;
    int number_ = 0;
};

Rgb parseColour(const std::string& digits, const LineReader& reader)
{
    if (digits.size() != 6 || digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        reader.fail("colour must be six hex digits: " + digits);
    return rgb(static_cast<std::uint32_t>(std::stoul(digits, nullptr, 16)));
}

void parseColourLine(std::istringstream& words, std::map<char, Rgb>& palette, const LineReader& reader)
{
    std::string symbol;
    std::string digits;
    if (!(words >> symbol >> digits) || symbol.size() != 1)
        reader.fail("expected: colour CHARACTER RRGGBB");
    if (symbol[0] == '.' || symbol[0] == '#')
        reader.fail("'.' and '#' are reserved");
    palette[symbol[0]] = parseColour(digits, reader);
}

// "grid NAME... WxH": the name is every word between "grid" and the size.
Grid parseGridHeader(const std::string& line, const LineReader& reader)
{
    const std::size_t sizeStart = line.find_last_of(' ');
    const std::string size = line.substr(sizeStart + 1);
    const std::size_t cross = size.find('x');
    Grid grid;
    grid.name = line.substr(5, sizeStart > 5 ? sizeStart - 5 : 0);
    try {
        if (cross == std::string::npos)
            throw std::invalid_argument("no x");
        if (size.find_first_not_of("0123456789x") != std::string::npos)
            throw std::invalid_argument("not a size");
        grid.width = std::stoi(size.substr(0, cross));
        grid.height = std::stoi(size.substr(cross + 1));
    } catch (const std::exception&) {
        reader.fail("expected: grid NAME WIDTHxHEIGHT");
    }
    if (grid.name.empty() || grid.width <= 0 || grid.height <= 0)
        reader.fail("expected: grid NAME WIDTHxHEIGHT");
    return grid;
}

void readRows(Grid& grid, LineReader& reader, const std::map<char, Rgb>& palette)
{
    std::string row;
    for (int y = 0; y < grid.height; ++y) {
        if (!reader.next(row))
            reader.fail("grid " + grid.name + " ends after " + std::to_string(y) + " rows");
        if (static_cast<int>(row.size()) != grid.width)
            reader.fail("row of " + std::to_string(row.size()) + " pixels in grid " + grid.name);
        for (char symbol : row)
            if (symbol != '.' && symbol != '#' && !palette.contains(symbol))
                reader.fail(std::string("undefined colour '") + symbol + "' in grid " + grid.name);
        grid.rows.push_back(row);
    }
    grid.palette = palette;
}

}  // namespace

GridLibrary GridLibrary::load(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.path().extension() == ".txt")
            files.push_back(entry.path());
    if (error)
        throw GridError(folder.string() + ": " + error.message());
    std::sort(files.begin(), files.end());
    GridLibrary library;
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        if (!in)
            throw GridError(file.string() + ": cannot read");
        library.parse(text.str(), file.filename().string());
    }
    return library;
}

void GridLibrary::parse(std::string_view text, const std::string& origin)
{
    LineReader reader(text, origin);
    std::map<char, Rgb> palette;
    std::string line;
    while (reader.next(line)) {
        if (line.empty() || line.starts_with("//"))
            continue;
        std::istringstream words(line);
        std::string keyword;
        words >> keyword;
        if (keyword == "colour") {
            parseColourLine(words, palette, reader);
        } else if (keyword == "grid") {
            Grid grid = parseGridHeader(line, reader);
            Key key{grid.name, grid.width, grid.height};
            if (grids_.contains(key))
                reader.fail("second grid named " + grid.name + " of that size");
            readRows(grid, reader, palette);
            grids_.emplace(std::move(key), std::move(grid));
        } else {
            reader.fail("expected colour or grid, not: " + line);
        }
    }
}

const Grid* GridLibrary::find(const std::string& name, int width, int height) const
{
    const auto found = grids_.find(Key{name, width, height});
    if (found == grids_.end())
        return nullptr;
    used_.insert(found->first);
    return &found->second;
}

const Grid& GridLibrary::get(const std::string& name, int width, int height) const
{
    const Grid* grid = find(name, width, height);
    if (grid == nullptr)
        throw GridError("no grid named " + name + " of " + std::to_string(width) + "x" + std::to_string(height));
    return *grid;
}

std::vector<std::string> GridLibrary::unusedGrids() const
{
    std::vector<std::string> unused;
    for (const auto& [key, grid] : grids_)
        if (!used_.contains(key))
            unused.push_back(grid.name + " " + std::to_string(grid.width) + "x" + std::to_string(grid.height));
    return unused;
}

void paintGrid(Image& image, const Grid& grid, int x, int y, std::optional<Rgb> ink)
{
    for (int row = 0; row < grid.height; ++row)
        for (int column = 0; column < grid.width; ++column) {
            const char symbol = grid.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
            if (symbol == '.')
                continue;
            if (symbol == '#') {
                if (!ink)
                    throw GridError("grid " + grid.name + " needs an ink");
                image.set(x + column, y + row, *ink);
            } else {
                image.set(x + column, y + row, grid.palette.at(symbol));
            }
        }
}

}  // namespace velmora::artwork
