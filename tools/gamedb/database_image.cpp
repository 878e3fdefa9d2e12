#include "database_image.h"

#include <algorithm>
#include <cctype>
#include <set>

#include <zlib.h>

#include "record_decoder.h"
#include "record_encoder.h"

namespace velmora::gamedb {
namespace {

std::string folded(const std::string& name)
{
    std::string result = name;
    for (char& c : result)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

void appendU16(Bytes& out, std::uint16_t value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

Bytes compress(const Bytes& data)
{
    uLongf length = compressBound(static_cast<uLong>(data.size()));
    Bytes out(length);
    if (compress2(out.data(), &length, data.data(), static_cast<uLong>(data.size()), Z_BEST_COMPRESSION) != Z_OK)
        throw DatabaseError("zlib could not compress a chunk");
    out.resize(length);
    return out;
}

void checkIdentities(const std::vector<GameDefinition>& games)
{
    if (games.size() > static_cast<std::size_t>(kMaxGames))
        throw DatabaseError(std::to_string(games.size()) + " games; the database holds at most 800");
    std::set<SolitaireId> ids;
    std::set<std::string> names;
    for (const GameDefinition& game : games) {
        if (game.id >= kMaxGames)
            throw DatabaseError("game \"" + game.name + "\": id " + std::to_string(game.id) + " outside 0..799");
        if (game.name.empty() || game.name.size() > static_cast<std::size_t>(kMaxNameLength))
            throw DatabaseError("game id " + std::to_string(game.id) + ": name must have 1 to 32 characters");
        if (!ids.insert(game.id).second)
            throw DatabaseError("id " + std::to_string(game.id) + " is used twice (again by \"" + game.name + "\")");
        if (!names.insert(folded(game.name)).second)
            throw DatabaseError("name \"" + game.name + "\" is used twice");
    }
}

Bytes checkedRecord(const GameDefinition& game)
{
    Bytes record = encodeRuleRecord(game);
    if (record.size() > 0xFFFF)
        throw DatabaseError("game \"" + game.name + "\": record of " + std::to_string(record.size()) +
                            " bytes is too large");
    const DecodedRecord decoded = decodeRuleRecord(record, ScreenMetrics{});
    if (!decoded)
        throw DatabaseError("game \"" + game.name + "\": " + decoded.message);
    return record;
}

}  // namespace

DatabaseImage buildDatabaseImage(std::vector<GameDefinition> games)
{
    checkIdentities(games);
    std::sort(games.begin(), games.end(), [](const GameDefinition& a, const GameDefinition& b) {
        const std::string fa = folded(a.name);
        const std::string fb = folded(b.name);
        return fa != fb ? fa < fb : a.name < b.name;
    });

    DatabaseImage image;
    Bytes sizes, ids, categories, extraCategories, skills, times, chunk;
    for (std::size_t index = 0; index < games.size(); ++index) {
        const GameDefinition& game = games[index];
        const Bytes record = checkedRecord(game);
        appendU16(sizes, static_cast<std::uint16_t>(record.size()));
        appendU16(ids, game.id);
        appendU16(categories, static_cast<std::uint16_t>(game.category));
        for (std::int32_t extra : game.extraCategories) {
            appendU16(extraCategories, game.id);
            appendU16(extraCategories, static_cast<std::uint16_t>(extra));
        }
        skills.push_back(static_cast<std::uint8_t>(game.skill));
        times.push_back(static_cast<std::uint8_t>(game.playTime));
        image.names.push_back(game.name);
        image.resources[{kStringResourceType, kFirstGameNameString + static_cast<int>(index)}] =
            Bytes(game.name.begin(), game.name.end());

        chunk.insert(chunk.end(), record.begin(), record.end());
        const bool chunkFull = (index + 1) % kRecordsPerChunk == 0;
        if (chunkFull || index + 1 == games.size()) {
            const int chunkId = kFirstChunkId + static_cast<int>(index / kRecordsPerChunk);
            image.resources[{kDatabaseResourceType, chunkId}] = compress(chunk);
            chunk.clear();
        }
    }
    image.resources[{kSizeTableResourceType, kSizeTableId}] = sizes;
    image.resources[{kIdTableType, kIdTableId}] = ids;
    image.resources[{kCategoryTableType, kCategoryTableId}] = categories;
    image.resources[{kExtraCategoryTableType, kExtraCategoryTableId}] = extraCategories;
    image.resources[{kSkillTableType, kSkillTableId}] = skills;
    image.resources[{kTimeTableType, kTimeTableId}] = times;
    return image;
}

void addToTable(const DatabaseImage& image, ResourceTable& table)
{
    for (const auto& [key, bytes] : image.resources)
        table.add(key.first, key.second, bytes);
}

}  // namespace velmora::gamedb
