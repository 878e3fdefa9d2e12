// Where the program keeps its store: one database file in the user's data
// folder.
#pragma once

#include <string>

namespace velmora {

// The store file's path (the folder may not exist yet).
std::string defaultStorePath();

}  // namespace velmora
