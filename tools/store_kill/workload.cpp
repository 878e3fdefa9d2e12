#include "workload.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "game_database.h"
#include "record_loader.h"

namespace velmora::storekill {
namespace {

constexpr int kGames = 8;

template <class T>
void hashInto(std::uint64_t& hash, const T& value)
{
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&value);
    for (std::size_t i = 0; i < sizeof value; ++i) {
        hash ^= bytes[i];
        hash *= 0x100000001B3ull;
    }
}

constexpr std::uint64_t kHashStart = 0xCBF29CE484222325ull;

}  // namespace

Workload::Workload()
{
    addGameDatabase(resources_);
    const int count = velmora::gameCount(resources_);
    for (int n = 0; n < kGames && count > 0; ++n)
        games_.push_back(static_cast<RecordIndex>(count * n / kGames));
}

bool Workload::loadGame(Engine& engine, int n) const
{
    const std::optional<Bytes> record = loadRuleRecord(resources_, games_[static_cast<std::size_t>(n)]);
    return record && engine.loadDefinition(*record) == RecordFault::none;
}

bool Workload::loadGameWithId(Engine& engine, SolitaireId id) const
{
    for (int n = 0; n < gameCount(); ++n)
        if (loadGame(engine, n) && engine.definition().id == id)
            return true;
    return false;
}

void setPreferencesFor(Preferences& p, std::uint64_t seq)
{
    static constexpr std::uint32_t limits[] = {1, 3, 5, 10};
    p.timedGame = seq & 1;
    p.timeLimit = limits[seq % 4];
    p.animation = (seq >> 1) & 1;
    p.playMode = static_cast<std::uint8_t>(seq % 4);
    p.bgColor = static_cast<std::uint32_t>(seq * 2654435761u) & 0xFFFFFF;
    p.softkeyMenu = (seq >> 2) & 1;
    p.cardBack = static_cast<std::uint32_t>((seq / 3) % 4);
    p.showTimer = (seq >> 3) & 1;
    p.curSolId = static_cast<std::int32_t>(seq % kMaxGames);
    p.curSolitaireId = static_cast<std::int32_t>((seq * 7) % kMaxGames);
    p.curGameNumber = static_cast<std::uint32_t>(seq);
    char name[kLastEnteredNameUnits] = {};
    std::snprintf(name, sizeof name, "P%llu", static_cast<unsigned long long>(seq % 100000000000000ull));
    setLastEnteredName(p, std::u16string(name, name + std::strlen(name)));
    p.filterCat = static_cast<std::int32_t>(seq % 12);
    p.filterSkill = static_cast<std::int32_t>(seq % 4);
    p.filterTime = static_cast<std::int32_t>(seq % 5);
    p.filterLetter = static_cast<std::int32_t>(seq % 27);
    p.filterFav = (seq >> 4) & 1;
    p.favourites = {};
    // Lists of 1 to 7 ids: a count and a list from two different saves
    // would not load.
    for (std::uint64_t i = 0; i <= seq % 7; ++i)
        p.favourites.add(static_cast<SolitaireId>((seq + 97 * i) % kMaxGames));
}

bool playFor(const Workload& workload, Engine& engine, std::uint64_t seq)
{
    if (!workload.loadGame(engine, static_cast<int>(seq % static_cast<std::uint64_t>(workload.gameCount()))))
        return false;
    GameNumber number = static_cast<GameNumber>(seq) | 1;
    if (!engine.newDeal(number))
        return false;
    engine.runDealEvents();
    for (std::uint64_t step = 0; step < seq % 19; ++step) {
        const std::optional<Move> move = engine.findMove(static_cast<int>(step % 3));
        if (!move)
            break;
        if (move->isTap)
            engine.tapPile(move->pile, nullptr);
        else
            engine.moveCards(move->card, move->destination, nullptr);
        engine.runAfterMoveEvents(nullptr);
    }
    return true;
}

BestTimes bestTimesFor(std::uint64_t seq)
{
    BestTimes record;
    const auto used = static_cast<std::size_t>(1 + seq % kBestTimesEntries);
    for (std::size_t i = 0; i < used; ++i) {
        BestTimeEntry& entry = record.entries[i];
        entry.seconds = static_cast<std::uint32_t>(1 + seq % 97 + 13 * i);
        char name[kBestTimeNameUnits] = {};
        std::snprintf(name, sizeof name, "N%llu.%zu", static_cast<unsigned long long>(seq % 1000000000ull), i);
        std::copy(name, name + std::strlen(name), entry.name.begin());
    }
    return record;
}

std::uint64_t hashBytes(std::span<const std::uint8_t> bytes)
{
    std::uint64_t hash = kHashStart;
    for (const std::uint8_t byte : bytes)
        hashInto(hash, byte);
    return hash;
}

std::uint64_t preferencesHash(const Preferences& p)
{
    std::uint64_t hash = kHashStart;
    hashInto(hash, p.timedGame), hashInto(hash, p.timeLimit), hashInto(hash, p.animation);
    hashInto(hash, p.playMode), hashInto(hash, p.bgColor), hashInto(hash, p.softkeyMenu);
    hashInto(hash, p.cardBack), hashInto(hash, p.showTimer), hashInto(hash, p.curSolId);
    hashInto(hash, p.curSolitaireId), hashInto(hash, p.curGameNumber), hashInto(hash, p.lastEnteredName);
    hashInto(hash, p.filterCat), hashInto(hash, p.filterSkill), hashInto(hash, p.filterTime);
    hashInto(hash, p.filterLetter), hashInto(hash, p.filterFav);
    for (const SolitaireId id : p.favourites.elements())
        hashInto(hash, id);
    return hash;
}

std::uint64_t slotTimesHash(const Preferences& p)
{
    std::uint64_t hash = kHashStart;
    hashInto(hash, p.lastPlayed);
    return hash;
}

std::string slotKind(SolitaireId id)
{
    return "slot" + std::to_string(id);
}

std::string statisticsKind(int n)
{
    return "stats" + std::to_string(n);
}

std::string bestTimesKind(int n)
{
    return "best" + std::to_string(n);
}

Journal::Journal(const std::string& path) : fd_(::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644)) {}

Journal::~Journal()
{
    if (fd_ >= 0)
        ::close(fd_);
}

// One write() per line: a kill leaves whole lines and at most one cut short.
// The kernel keeps what was written when the process is killed, so no sync
// is needed (the test kills processes; it does not cut the power).
void Journal::append(char mark, const std::string& kind, std::uint64_t hash)
{
    char line[96];
    const int length = std::snprintf(line, sizeof line, "%c %s %016llx\n", mark, kind.c_str(),
                                     static_cast<unsigned long long>(hash));
    if (fd_ < 0 || ::write(fd_, line, static_cast<std::size_t>(length)) != length) {
        std::perror("journal");
        ::_exit(20);
    }
}

std::map<std::string, Expected> readJournal(const std::string& path)
{
    std::map<std::string, Expected> expected;
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
        if (file.eof())
            break;  // no newline: cut short by the kill
        std::istringstream fields(line);
        char mark = 0;
        std::string kind, hex;
        if (!(fields >> mark >> kind >> hex) || hex.size() != 16)
            continue;
        const std::uint64_t hash = std::stoull(hex, nullptr, 16);
        Expected& entry = expected[kind];
        if (mark == 'B') {
            entry.pending = hash;
        } else if (mark == 'E') {
            entry.done = hash;
            entry.pending.reset();
        } else if (mark == 'A') {
            entry.pending.reset();
        }
    }
    return expected;
}

}  // namespace velmora::storekill
