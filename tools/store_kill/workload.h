// What the kill test writes and how it recognises it afterwards: a fixed set
// of real games, preferences, played deals, statistics and best times that
// follow from a sequence number, their hashes, and a journal of every write
// begun and completed.
#pragma once

#include <cstdint>
#include <fstream>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "best_times.h"
#include "engine.h"
#include "preferences.h"
#include "resource_table.h"

namespace velmora::storekill {

inline constexpr const char* kAppTitle = "Velmora";

// A few games of the real database, each saved into a slot of its own (fewer
// games than slots, so that no completed save may be overwritten by another
// game's).
class Workload {
public:
    Workload();
    int gameCount() const { return static_cast<int>(games_.size()); }
    // Loads game n of the workload into the engine; false when it will not load.
    bool loadGame(Engine& engine, int n) const;
    // Loads the game with this SolitaireId.
    bool loadGameWithId(Engine& engine, SolitaireId id) const;

private:
    ResourceTable resources_;
    std::vector<RecordIndex> games_;
};

// The preferences of write number seq: every field away from its default
// in a way that changes with seq; the slot times are left as they are.
void setPreferencesFor(Preferences& preferences, std::uint64_t seq);
// Deals game (seq modulo the games) with number seq and plays a few steps.
bool playFor(const Workload& workload, Engine& engine, std::uint64_t seq);

// The best-times list of write number seq: 1 to 10 entries, fastest first,
// every name terminated.
BestTimes bestTimesFor(std::uint64_t seq);

std::uint64_t hashBytes(std::span<const std::uint8_t> bytes);
// A stored record's hash: the hash of its bytes.
template <class Record>
std::uint64_t recordHash(const Record& record)
{
    return hashBytes({reinterpret_cast<const std::uint8_t*>(&record), sizeof record});
}
// Every field except the slot times, which are written on their own too.
std::uint64_t preferencesHash(const Preferences& preferences);
std::uint64_t slotTimesHash(const Preferences& preferences);
std::string slotKind(SolitaireId id);
// The statistics and the best times of workload game n.
std::string statisticsKind(int n);
std::string bestTimesKind(int n);

// Lines "B kind hash" before a write and "E kind hash" once it returned (or
// once a check found that value stored); "A kind" when a check found that an
// interrupted write did not land. A killed writer may leave a last line cut
// short; it is ignored.
class Journal {
public:
    explicit Journal(const std::string& path);
    ~Journal();
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;
    void begin(const std::string& kind, std::uint64_t hash) { append('B', kind, hash); }
    void end(const std::string& kind, std::uint64_t hash) { append('E', kind, hash); }
    void abandon(const std::string& kind) { append('A', kind, 0); }

private:
    void append(char mark, const std::string& kind, std::uint64_t hash);
    int fd_ = -1;
};

// What a kind of value may hold now: the last completed write, or the one
// begun after it, which the kill may or may not have let through.
struct Expected {
    std::optional<std::uint64_t> done;
    std::optional<std::uint64_t> pending;
    bool allows(std::uint64_t hash) const { return hash == done || hash == pending; }
};
std::map<std::string, Expected> readJournal(const std::string& path);

}  // namespace velmora::storekill
