#include "record_loader.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <zlib.h>

namespace velmora {
namespace {

// The size table, or nothing when it is missing or not a whole number of
// u16 entries (a damaged table would give every later record a wrong size).
std::optional<ByteView> sizeTable(const ResourceTable& resources)
{
    const std::optional<ByteView> table = resources.find(kSizeTableResourceType, kSizeTableId);
    if (!table || table->size() % 2 != 0)
        return std::nullopt;
    return table;
}

std::size_t recordSize(ByteView table, int index)
{
    const auto at = static_cast<std::size_t>(index) * 2;
    return static_cast<std::size_t>(table[at] | (table[at + 1] << 8));
}

// One zlib inflate stream over a compressed chunk, always ended.
class ChunkInflater {
public:
    explicit ChunkInflater(ByteView chunk)
    {
        stream_.next_in = const_cast<Bytef*>(chunk.data());
        stream_.avail_in = static_cast<uInt>(chunk.size());
        ready_ = inflateInit(&stream_) == Z_OK;
    }
    ~ChunkInflater()
    {
        if (ready_)
            inflateEnd(&stream_);
    }
    ChunkInflater(const ChunkInflater&) = delete;
    ChunkInflater& operator=(const ChunkInflater&) = delete;

    // Produces exactly `length` bytes (at most buffer.size() at a time) into
    // the buffer, overwriting it portion by portion. The stream ending early,
    // running out of input or reporting an error is a failure.
    bool produce(std::size_t length, Bytes& buffer)
    {
        if (!ready_)
            return false;
        while (length > 0) {
            const std::size_t portion = std::min(length, buffer.size());
            stream_.next_out = buffer.data();
            stream_.avail_out = static_cast<uInt>(portion);
            const int result = inflate(&stream_, Z_NO_FLUSH);
            length -= portion - stream_.avail_out;
            if (result == Z_STREAM_END)
                return length == 0;
            if (result != Z_OK)
                return false;
        }
        return true;
    }

private:
    z_stream stream_{};
    bool ready_ = false;
};

}  // namespace

int gameCount(const ResourceTable& resources)
{
    const std::optional<ByteView> table = sizeTable(resources);
    if (!table)
        return 0;
    return static_cast<int>(std::min<std::size_t>(table->size() / 2, kMaxGames));
}

std::optional<Bytes> loadRuleRecord(const ResourceTable& resources, RecordIndex index)
{
    const std::optional<ByteView> table = sizeTable(resources);
    if (!table || index >= gameCount(resources))
        return std::nullopt;

    const int chunkNumber = index / kRecordsPerChunk;
    const std::optional<ByteView> chunk = resources.find(kDatabaseResourceType, kFirstChunkId + chunkNumber);
    if (!chunk || chunk->size() > UINT_MAX)
        return std::nullopt;

    std::size_t offset = 0;
    for (int earlier = chunkNumber * kRecordsPerChunk; earlier < index; ++earlier)
        offset += recordSize(*table, earlier);
    const std::size_t length = recordSize(*table, index);
    if (length == 0)
        return std::nullopt;

    // One buffer of the record's size serves both for discarding the records
    // before it and for the record itself: the chunk is never held whole.
    Bytes record(length);
    ChunkInflater inflater(*chunk);
    if (!inflater.produce(offset, record) || !inflater.produce(length, record))
        return std::nullopt;
    return record;
}

}  // namespace velmora
