// velmora-dbgen: builds the rule database from the game sources compiled into
// it and writes it as C++ source. Fails (exit status 1) on any fault in a
// game, naming the game.
#include <fstream>
#include <iostream>
#include <sstream>

#include "database_image.h"
#include "game_registry.h"
#include "resource_source.h"

int main(int argc, char** argv)
{
    // An option is never taken for the output file's name.
    if (argc != 2 || argv[1][0] == '-') {
        std::cerr << "usage: velmora-dbgen OUTPUT.cpp\n";
        return 2;
    }
    try {
        const velmora::gamedb::DatabaseImage image =
            velmora::gamedb::buildDatabaseImage(velmora::gamedb::collectGames());
        std::ostringstream source;
        velmora::gamedb::writeResourceSource(image, source);
        // Write only when the content changed, so that an unchanged database
        // does not rebuild everything that embeds it.
        std::ifstream existing(argv[1], std::ios::binary);
        std::ostringstream old;
        old << existing.rdbuf();
        if (old.str() == source.str())
            return 0;
        std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
        out << source.str();
        if (!out) {
            std::cerr << "velmora-dbgen: cannot write " << argv[1] << '\n';
            return 1;
        }
        std::cout << "velmora-dbgen: " << image.names.size() << " games\n";
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "velmora-dbgen: " << error.what() << '\n';
        return 1;
    }
}
