// The rule database as program resources: compressed record chunks, the size
// table, the catalogue tables and the names, built from the games' definitions.
//
// Records are ordered by name (RecordIndex), chunked 64 to a zlib stream at
// the best compression, and every record is checked to decode to exactly its
// own size. The same games always give the same bytes.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "catalogue.h"
#include "game_definition.h"
#include "resource_table.h"

namespace velmora::gamedb {

struct DatabaseImage {
    // (type, id) -> bytes, in a fixed order so that output is reproducible.
    std::map<std::pair<std::string, int>, Bytes> resources;
    std::vector<std::string> names;  // in RecordIndex order
};

class DatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws DatabaseError on duplicate ids or names, ids outside 0..799, more
// than 800 games, or a record that does not decode to its exact size.
DatabaseImage buildDatabaseImage(std::vector<GameDefinition> games);

// Puts every resource of the image into a table (owned copies).
void addToTable(const DatabaseImage& image, ResourceTable& table);

}  // namespace velmora::gamedb
