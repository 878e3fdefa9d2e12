#include "check.h"

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <set>

#include "registry_store.h"
#include "saved_game.h"
#include "statistics.h"
#include "store_keys.h"
#include "writer.h"

namespace velmora::storekill {
namespace {

namespace fs = std::filesystem;

class NoSaveTimes final : public SlotSaveTimes {
public:
    std::uint32_t saveTime(int) const override { return 0; }
    void setSaveTime(int, std::uint32_t) override {}
};

// The store files exactly as the kill left them, in a folder of their own, so
// that checking (a restore sets the slot's marker) changes nothing that the
// next writer sees.
std::string copyStore(const std::string& folder)
{
    const fs::path copy = fs::path(folder) / "check";
    fs::remove_all(copy);
    fs::create_directories(copy);
    for (const char* suffix : {"", "-wal", "-shm"}) {
        const fs::path file = storePath(folder) + suffix;
        if (fs::exists(file))
            fs::copy_file(file, copy / file.filename());
    }
    return (copy / "store.db").string();
}

std::string integrityVerdict(const std::string& path)
{
    sqlite3* db = nullptr;
    std::string verdict = "cannot open";
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        verdict.clear();
        sqlite3_exec(db, "PRAGMA integrity_check",
                     [](void* out, int, char** values, char**) {
                         *static_cast<std::string*>(out) += values[0] ? values[0] : "";
                         return 0;
                     },
                     &verdict, nullptr);
    }
    sqlite3_close(db);
    return verdict;
}

struct StoredSlot {
    bool present = false;
    std::uint32_t size = 0;
    bool sizeRead = false;
    std::uint8_t failed = 0xFF;
    Bytes data;
};

StoredSlot readSlot(Registry& store, const std::string& path)
{
    StoredSlot slot;
    RegistryKey key = 0;
    if (store.openKey(path, key) != RegistryStatus::ok)
        return slot;
    std::uint32_t length = 0;
    const RegistryStatus probe = store.queryValue(key, "data", nullptr, length, nullptr);
    if (probe == RegistryStatus::ok || probe == RegistryStatus::moreData) {
        slot.present = true;
        slot.data.resize(length);
        store.queryValue(key, "data", slot.data.data(), length, nullptr);
        std::uint32_t sizeLength = sizeof slot.size;
        slot.sizeRead = store.queryValue(key, "size", &slot.size, sizeLength, nullptr) == RegistryStatus::ok &&
                        sizeLength == sizeof slot.size;
        std::uint32_t markerLength = 1;
        store.queryValue(key, "failed", &slot.failed, markerLength, nullptr);
    }
    store.closeKey(key);
    return slot;
}

// The bytes of a key's "data" value; nothing when the key or the value is
// missing.
std::optional<Bytes> readData(Registry& store, const std::string& path)
{
    RegistryKey key = 0;
    if (store.openKey(path, key) != RegistryStatus::ok)
        return std::nullopt;
    std::optional<Bytes> data;
    std::uint32_t length = 0;
    const RegistryStatus probe = store.queryValue(key, "data", nullptr, length, nullptr);
    if (probe == RegistryStatus::ok || probe == RegistryStatus::moreData) {
        data.emplace(length);
        if (store.queryValue(key, "data", data->data(), length, nullptr) != RegistryStatus::ok)
            data.reset();
    }
    store.closeKey(key);
    return data;
}

class Checker {
public:
    Checker(const Workload& workload, const std::string& folder)
        : workload_(workload), expected_(readJournal(journalPath(folder))), journal_(journalPath(folder)),
          folder_(folder)
    {
        for (const auto& [kind, entry] : expected_)
            if (entry.pending)
                outcome_.interrupted.push_back(kind);
    }

    CheckOutcome run()
    {
        const std::string copy = copyStore(folder_);
        std::string error;
        std::unique_ptr<RegistryStore> store = RegistryStore::open(copy, error);
        if (!store) {
            outcome_.faults.push_back("the store does not open: " + error);
            return outcome_;
        }
        const std::string verdict = integrityVerdict(copy);
        if (verdict != "ok")
            outcome_.faults.push_back("integrity check: " + verdict);
        checkPreferences(*store);
        checkSlots(*store);
        checkRecords(*store);
        // An interrupted write that did not land never will.
        for (const std::string& kind : outcome_.interrupted)
            if (std::find(outcome_.landed.begin(), outcome_.landed.end(), kind) == outcome_.landed.end())
                journal_.abandon(kind);
        return outcome_;
    }

private:
    // The stored value must be the last completed write or the interrupted
    // one; an interrupted write found stored is journalled as completed.
    void expect(const std::string& kind, std::uint64_t hash, const std::string& what)
    {
        const Expected& entry = expected_[kind];
        if (!entry.allows(hash)) {
            outcome_.faults.push_back(what + " holds neither the completed nor the interrupted write");
            return;
        }
        if (entry.pending && hash == *entry.pending) {
            outcome_.landed.push_back(kind);
            journal_.end(kind, hash);
        }
    }

    void checkPreferences(Registry& store)
    {
        PreferencesOrigin origin = PreferencesOrigin::unreadable;
        const Preferences preferences = LoadPreferences(store, storeRoot(kAppTitle), &origin);
        if (origin != PreferencesOrigin::stored) {
            outcome_.faults.push_back("the preferences were not read back");
            return;
        }
        expect("prefs", preferencesHash(preferences), "the preferences");
        expect("times", slotTimesHash(preferences), "the slot times");
    }

    void checkSlots(Registry& store)
    {
        std::set<std::string> found;
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const std::string name = "slot " + std::to_string(slot);
            const StoredSlot stored = readSlot(store, storeRoot(kAppTitle) + "\\gameState" + std::to_string(slot));
            if (!stored.present)
                continue;
            if (stored.data.size() < 2) {
                outcome_.faults.push_back(name + " holds no game");
                continue;
            }
            if (!stored.sizeRead || stored.size != stored.data.size())
                outcome_.faults.push_back(name + ": size and data disagree");
            if (stored.failed != 0)
                outcome_.faults.push_back(name + ": marker not 0 after a save");
            const auto id = static_cast<SolitaireId>(stored.data[0] | (stored.data[1] << 8));
            const std::string kind = slotKind(id);
            if (!found.insert(kind).second)
                outcome_.faults.push_back(name + ": a second slot of the same game");
            expect(kind, hashBytes(stored.data), name);
            checkRestores(store, id, stored.data, name);
        }
        for (const auto& [kind, entry] : expected_)
            if (kind.starts_with("slot") && entry.done && !found.contains(kind))
                outcome_.faults.push_back(kind + ": a completed save is missing");
    }

    // Each game's statistics and best times: absent until the first write
    // completed, then whole and as written.
    void checkRecords(Registry& store)
    {
        const std::string root = storeRoot(kAppTitle);
        for (int n = 0; n < workload_.gameCount(); ++n) {
            Engine engine;
            if (!workload_.loadGame(engine, n))
                continue;
            const std::string& name = engine.definition().name;
            checkRecord(store, statisticsPath(root, name), statisticsKind(n), sizeof(StatisticsRecord));
            checkRecord(store, bestTimesPath(root, name), bestTimesKind(n), sizeof(BestTimes));
        }
    }

    void checkRecord(Registry& store, const std::string& path, const std::string& kind, std::size_t size)
    {
        const std::optional<Bytes> data = readData(store, path);
        if (!data) {
            if (expected_[kind].done)
                outcome_.faults.push_back(kind + ": a completed write is missing");
            return;
        }
        if (data->size() != size) {
            outcome_.faults.push_back(kind + ": holds " + std::to_string(data->size()) + " bytes");
            return;
        }
        expect(kind, hashBytes(*data), kind);
    }

    void checkRestores(Registry& store, SolitaireId id, const Bytes& data, const std::string& name)
    {
        Engine engine;
        if (!workload_.loadGameWithId(engine, id)) {
            outcome_.faults.push_back(name + ": holds a game that is not in the workload");
            return;
        }
        NoSaveTimes times;
        SavedGames saved(store, storeRoot(kAppTitle), times, [] { return 1u; });
        std::uint32_t elapsed = 0;
        if (!saved.restoreGame(engine, elapsed)) {
            outcome_.faults.push_back(name + ": does not restore");
            return;
        }
        if (encodeSavedGame(engine.definition(), engine.state(), elapsed) != data)
            outcome_.faults.push_back(name + ": restores to another game state");
        else
            ++outcome_.slotsRestored;
    }

    const Workload& workload_;
    std::map<std::string, Expected> expected_;
    Journal journal_;
    std::string folder_;
    CheckOutcome outcome_;
};

}  // namespace

CheckOutcome checkStore(const Workload& workload, const std::string& folder)
{
    return Checker(workload, folder).run();
}

}  // namespace velmora::storekill
