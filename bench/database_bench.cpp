// Loading a solitaire: extracting the record at the far end of a full chunk
// and decoding it into a definition.
#include <benchmark/benchmark.h>

#include "database_builder.h"
#include "klondike_record.h"
#include "record_decoder.h"
#include "record_encoder.h"
#include "record_loader.h"

namespace velmora {
namespace {

// 64 Klondike records with descriptions of different lengths, so that the
// chunk is as long as the largest real ones and does not compress to nothing.
ResourceTable fullChunk()
{
    std::vector<Bytes> records;
    for (int i = 0; i < kRecordsPerChunk; ++i) {
        GameDefinition d = testing::klondikeDefinition();
        d.id = static_cast<SolitaireId>(i);
        for (int line = 0; line < 20 + i; ++line)
            d.description += "\nLine " + std::to_string(line * 7919 % 1000) + " of game " + std::to_string(i);
        records.push_back(encodeRuleRecord(d));
    }
    return testing::buildDatabase(records);
}

void BM_LoadLastRecordOfAChunk(benchmark::State& state)
{
    const ResourceTable resources = fullChunk();
    const ScreenMetrics screen{};
    for (auto _ : state) {
        std::optional<Bytes> record = loadRuleRecord(resources, kRecordsPerChunk - 1);
        DecodedRecord decoded = decodeRuleRecord(*record, screen);
        benchmark::DoNotOptimize(decoded.definition);
    }
}
BENCHMARK(BM_LoadLastRecordOfAChunk)->Unit(benchmark::kMicrosecond);

void BM_DecodeKlondike(benchmark::State& state)
{
    const Bytes record = testing::klondikeRecord();
    const ScreenMetrics screen{};
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeRuleRecord(record, screen).definition);
}
BENCHMARK(BM_DecodeKlondike)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora
