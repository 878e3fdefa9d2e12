// Writes a database image as C++ source: one constant array per resource and
// addGameDatabase(), which registers them all in a resource table. The
// program and the tools compile it in, so the database is part of the binary.
#pragma once

#include <ostream>

#include "database_image.h"

namespace velmora::gamedb {

void writeResourceSource(const DatabaseImage& image, std::ostream& out);

}  // namespace velmora::gamedb
