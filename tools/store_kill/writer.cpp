#include "writer.h"

#include <unistd.h>

#include <cstdio>

#include "best_times.h"
#include "last_played_times.h"
#include "registry_store.h"
#include "saved_game.h"
#include "statistics.h"

namespace velmora::storekill {
namespace {

[[noreturn]] void stop(int code, const char* what, const RegistryStore* store)
{
    std::fprintf(stderr, "writer: %s%s%s\n", what, store ? ": " : "", store ? store->lastError().c_str() : "");
    ::_exit(code);
}

}  // namespace

std::string storePath(const std::string& folder)
{
    return folder + "/store.db";
}

std::string journalPath(const std::string& folder)
{
    return folder + "/journal";
}

bool prepareStore(const std::string& folder)
{
    std::string error;
    std::unique_ptr<RegistryStore> store = RegistryStore::open(storePath(folder), error);
    if (!store) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return false;
    }
    PreferencesOrigin origin = PreferencesOrigin::stored;
    const Preferences defaults = LoadPreferences(*store, storeRoot(kAppTitle), &origin);
    if (origin != PreferencesOrigin::created)
        return false;
    Journal journal(journalPath(folder));
    journal.end("prefs", preferencesHash(defaults));
    journal.end("times", slotTimesHash(defaults));
    return true;
}

void runWriter(const Workload& workload, const std::string& folder, std::uint64_t firstSeq)
{
    std::string error;
    std::unique_ptr<RegistryStore> store = RegistryStore::open(storePath(folder), error);
    if (!store) {
        std::fprintf(stderr, "writer: %s\n", error.c_str());
        ::_exit(10);
    }
    const std::string root = storeRoot(kAppTitle);
    PreferencesOrigin origin = PreferencesOrigin::stored;
    Preferences preferences = LoadPreferences(*store, root, &origin);
    if (origin != PreferencesOrigin::stored)
        stop(11, "the preferences were not read", store.get());
    LastPlayedTimes times(preferences);
    auto clock = static_cast<std::uint32_t>(firstSeq);
    SavedGames saved(*store, root, times, [&clock] { return ++clock; });
    StatisticsStore statistics(*store, root);
    Journal journal(journalPath(folder));

    for (std::uint64_t seq = firstSeq;; ++seq) {
        setPreferencesFor(preferences, seq);
        journal.begin("prefs", preferencesHash(preferences));
        journal.begin("times", slotTimesHash(preferences));
        if (!SavePreferences(preferences, *store, root))
            stop(12, "the preferences were refused", store.get());
        journal.end("prefs", preferencesHash(preferences));
        journal.end("times", slotTimesHash(preferences));

        Engine engine;
        if (!playFor(workload, engine, seq))
            stop(13, "a game did not load or deal", nullptr);
        const auto elapsed = static_cast<std::uint32_t>(seq % 3600);
        const Bytes data = encodeSavedGame(engine.definition(), engine.state(), elapsed);
        const std::string kind = slotKind(engine.definition().id);
        journal.begin(kind, hashBytes(data));
        if (!saved.saveGame(engine, elapsed))
            stop(14, "a saved game was refused", store.get());
        journal.end(kind, hashBytes(data));

        journal.begin("times", slotTimesHash(preferences));
        if (!SaveSlotTimes(preferences, *store, root))
            stop(15, "the slot times were refused", store.get());
        journal.end("times", slotTimesHash(preferences));

        // The deal counted in the game's statistics, then a new best-times
        // list for it, as a won deal does.
        const int n = static_cast<int>(seq % static_cast<std::uint64_t>(workload.gameCount()));
        const std::string& name = engine.definition().name;
        const bool won = (seq & 1) != 0;
        const StatisticsRecord counted = withGame(statistics.read(name), won, elapsed);
        journal.begin(statisticsKind(n), recordHash(counted));
        if (!statistics.recordPlay(name, won, elapsed))
            stop(16, "the statistics were refused", store.get());
        journal.end(statisticsKind(n), recordHash(counted));

        const BestTimes best = bestTimesFor(seq);
        journal.begin(bestTimesKind(n), recordHash(best));
        if (!SaveBestTimes(best, bestTimesLocation(*store, root, name)))
            stop(17, "the best times were refused", store.get());
        journal.end(bestTimesKind(n), recordHash(best));
    }
}

}  // namespace velmora::storekill
