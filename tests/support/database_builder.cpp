#include "database_builder.h"

#include <algorithm>
#include <stdexcept>
#include <zlib.h>

#include "record_layout.h"

namespace velmora::testing {

Bytes compressChunk(std::span<const Bytes> records)
{
    Bytes plain;
    for (const Bytes& record : records)
        plain.insert(plain.end(), record.begin(), record.end());
    uLongf packedSize = compressBound(static_cast<uLong>(plain.size()));
    Bytes packed(packedSize);
    if (compress2(packed.data(), &packedSize, plain.data(), static_cast<uLong>(plain.size()), 9) != Z_OK)
        throw std::runtime_error("compress2 failed");
    packed.resize(packedSize);
    return packed;
}

Bytes sizeTable(std::span<const Bytes> records)
{
    Bytes table;
    for (const Bytes& record : records) {
        if (record.size() > 0xFFFF)
            throw std::length_error("a record is longer than its u16 size entry can say");
        table.push_back(static_cast<std::uint8_t>(record.size() & 0xFF));
        table.push_back(static_cast<std::uint8_t>(record.size() >> 8));
    }
    return table;
}

void addDatabase(ResourceTable& resources, std::span<const Bytes> records)
{
    for (std::size_t first = 0, chunk = 0; first < records.size(); first += kRecordsPerChunk, ++chunk) {
        const std::size_t count = std::min<std::size_t>(kRecordsPerChunk, records.size() - first);
        resources.add(kDatabaseResourceType, kFirstChunkId + static_cast<int>(chunk),
                      compressChunk(records.subspan(first, count)));
    }
    resources.add(kSizeTableResourceType, kSizeTableId, sizeTable(records));
}

ResourceTable buildDatabase(std::span<const Bytes> records)
{
    ResourceTable resources;
    addDatabase(resources, records);
    return resources;
}

}  // namespace velmora::testing
