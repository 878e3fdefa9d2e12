// Builds an in-memory rule database from record bytes, the way the program's
// resources carry it: SOLDB chunks of up to 64 records, each one zlib stream,
// and the SOLSIZE table of record sizes.
#pragma once

#include <span>
#include <vector>

#include "resource_table.h"

namespace velmora::testing {

// One zlib stream (compress2, level 9) of the records laid end to end.
Bytes compressChunk(std::span<const Bytes> records);

// The u16 size of every record, in order. Throws when a record is larger
// than a u16 can say.
Bytes sizeTable(std::span<const Bytes> records);

// Adds the chunks (ids 3920 onward) and the size table (id 3915) to a table.
void addDatabase(ResourceTable& resources, std::span<const Bytes> records);

ResourceTable buildDatabase(std::span<const Bytes> records);

}  // namespace velmora::testing
