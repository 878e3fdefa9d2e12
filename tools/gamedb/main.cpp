// velmora-dbgen: builds the rule database from the game sources compiled into
// it and writes it as C++ source. Fails (exit status 1) on any fault in a
// game, naming the game. With --digests it writes instead one line per game
// (id, name, record size, a 64-bit FNV-1a digest of the encoded record), so
// that a change to shared game parts can be shown to leave every other
// record byte for byte as it was.
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <sstream>

#include "database_image.h"
#include "game_registry.h"
#include "record_encoder.h"
#include "resource_source.h"

namespace {

std::uint64_t fnv1a(const velmora::Bytes& bytes)
{
    std::uint64_t digest = 0xcbf29ce484222325ULL;
    for (const auto byte : bytes) {
        digest ^= static_cast<std::uint8_t>(byte);
        digest *= 0x100000001b3ULL;
    }
    return digest;
}

int writeDigests()
{
    for (const velmora::GameDefinition& game : velmora::gamedb::collectGames()) {
        const velmora::Bytes record = velmora::encodeRuleRecord(game);
        std::cout << game.id << '\t' << game.name << '\t' << record.size() << '\t' << std::hex
                  << std::setw(16) << std::setfill('0') << fnv1a(record) << std::dec << std::setfill(' ') << '\n';
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--digests") == 0) {
        try {
            return writeDigests();
        } catch (const std::exception& error) {
            std::cerr << "velmora-dbgen: " << error.what() << '\n';
            return 1;
        }
    }
    // An option is never taken for the output file's name.
    if (argc != 2 || argv[1][0] == '-') {
        std::cerr << "usage: velmora-dbgen OUTPUT.cpp | velmora-dbgen --digests\n";
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
