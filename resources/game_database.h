// The embedded rule database: record chunks, size table, catalogue tables and
// game names, generated from the game sources when the program is built.
#pragma once

#include "resource_table.h"

namespace velmora {

// Registers every database resource in the table (no copies are made).
void addGameDatabase(ResourceTable& resources);

}  // namespace velmora
