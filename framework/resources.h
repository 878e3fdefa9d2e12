// The program's resources as the window framework uses them.
//
// The program hands its ResourceTable over once at start; every load call
// that takes no table reads from it. Loads of missing or damaged resources
// return empty results, never throw.
#pragma once

#include <optional>
#include <string>

#include "resource_formats.h"

namespace velmora {

// The table stays owned by the caller and must outlive its use; until one is
// set, the program's table is empty.
void setProgramResources(const ResourceTable* table);
const ResourceTable& programResources();

// A string of the program's string table (UTF-8); empty when missing.
std::string LoadString(int id);

}  // namespace velmora
