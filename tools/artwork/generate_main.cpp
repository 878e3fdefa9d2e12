// velmora-artgen: draws the bitmaps of one configuration and writes them as
// C++ source for the artwork library.
//
//   velmora-artgen standard|vga GRID_FOLDER OUTPUT.cpp
//
// The output depends only on the drawing code and the grid files, so the
// same sources always give the same bytes. Fails (exit status 1) naming the
// fault when a grid file is damaged, a grid is missing, or (standard) a
// grid is never used, which means it is misnamed.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "artwork_set.h"
#include "source_writer.h"

namespace {

// Writes only when the content changed, so an unchanged set does not
// rebuild the libraries that embed it.
bool writeIfChanged(const std::string& path, const std::string& content)
{
    std::ifstream existing(path, std::ios::binary);
    std::ostringstream old;
    old << existing.rdbuf();
    if (existing && old.str() == content)
        return true;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace velmora::artwork;
    const std::string configuration = argc == 4 ? argv[1] : "";
    if (configuration != "standard" && configuration != "vga") {
        std::cerr << "usage: velmora-artgen standard|vga GRID_FOLDER OUTPUT.cpp\n";
        return 2;
    }
    try {
        const GridLibrary grids = GridLibrary::load(argv[2]);
        const auto bitmaps = drawArtwork(
            configuration == "vga" ? velmora::BuildConfiguration::vga : velmora::BuildConfiguration::standard, grids);
        if (configuration == "standard") {
            const auto unused = grids.unusedGrids();
            if (!unused.empty()) {
                std::cerr << "velmora-artgen: grid " << unused.front() << " is not used by any drawing\n";
                return 1;
            }
        }
        std::ostringstream source;
        writeArtworkSource(bitmaps, configuration + "Entries", source);
        if (!writeIfChanged(argv[3], source.str())) {
            std::cerr << "velmora-artgen: cannot write " << argv[3] << '\n';
            return 1;
        }
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "velmora-artgen: " << error.what() << '\n';
        return 1;
    }
}
