// Extraction of one rule record from the compressed database chunks.
//
// Records are stored in chunks of up to 64, each chunk one zlib stream. A
// record is found by inflating its chunk from the start into a buffer of the
// record's own size, discarding everything before the record: the whole chunk
// is never held in memory.
#pragma once

#include <optional>

#include "record_layout.h"
#include "resource_table.h"

namespace velmora {

// Number of games in the database: the size table holds one u16 per game.
int gameCount(const ResourceTable& resources);

// The record's bytes, exactly its size-table length; nothing when the index is
// out of range, a resource is missing or the chunk does not inflate.
std::optional<Bytes> loadRuleRecord(const ResourceTable& resources, RecordIndex index);

}  // namespace velmora
