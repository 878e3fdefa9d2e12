// velmora-store-kill: kills a process that writes preferences, saved games,
// slot times, statistics and best times through the program's store code
// with SIGKILL at random moments, and checks the store after every kill
// (check.h says what).
//
//   velmora-store-kill [--kills N] [--max-delay-ms M] [--seed S] [--folder DIR]
//
// Exit code 0 when every check held, 1 when one failed, 2 on bad arguments.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <string>

#include "check.h"
#include "writer.h"

namespace velmora::storekill {
namespace {

struct Options {
    int kills = 300;
    int maxDelayMs = 60;
    unsigned seed = std::random_device{}();
    std::string folder;
};

bool parse(int argc, char** argv, Options& options)
{
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const char* value = argv[i + 1];
        if (name == "--kills")
            options.kills = std::atoi(value);
        else if (name == "--max-delay-ms")
            options.maxDelayMs = std::atoi(value);
        else if (name == "--seed")
            options.seed = static_cast<unsigned>(std::strtoul(value, nullptr, 10));
        else if (name == "--folder")
            options.folder = value;
        else
            return false;
    }
    return argc % 2 == 1 && options.kills > 0 && options.maxDelayMs > 0;
}

std::string temporaryFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "velmora-kill-XXXXXX").string();
    return mkdtemp(pattern.data()) ? pattern : std::string();
}

struct Tally {
    int kills = 0;
    int killsDuringAWrite = 0;
    std::map<std::string, int> interrupted;  // by family of write: "prefs", "slot", "times", "stats", "best"
    std::map<std::string, int> landed;
    int slotsRestored = 0;
    int faultyChecks = 0;
};

std::string family(const std::string& kind)
{
    for (const char* prefix : {"slot", "stats", "best"})
        if (kind.starts_with(prefix))
            return prefix;
    return kind;
}

void count(Tally& tally, const CheckOutcome& outcome)
{
    ++tally.kills;
    if (!outcome.interrupted.empty())
        ++tally.killsDuringAWrite;
    for (const std::string& kind : outcome.interrupted)
        ++tally.interrupted[family(kind)];
    for (const std::string& kind : outcome.landed)
        ++tally.landed[family(kind)];
    tally.slotsRestored += outcome.slotsRestored;
    if (!outcome.faults.empty())
        ++tally.faultyChecks;
}

void report(const Tally& tally, double seconds)
{
    std::printf("kills: %d in %.1f s; kills during a write: %d\n", tally.kills, seconds, tally.killsDuringAWrite);
    std::printf("writes the kills cut into (prefs: all preferences with the slot times; slot: a saved\n"
                "game; times: the slot times, alone or with the preferences; stats: a game's statistics;\n"
                "best: a game's best times), and how many of them had committed before the process died:\n");
    for (const char* kind : {"prefs", "slot", "times", "stats", "best"}) {
        const auto interrupted = tally.interrupted.find(kind);
        const auto landed = tally.landed.find(kind);
        std::printf("  %-5s %4d (committed: %d)\n", kind,
                    interrupted == tally.interrupted.end() ? 0 : interrupted->second,
                    landed == tally.landed.end() ? 0 : landed->second);
    }
    std::printf("slots restored and compared: %d\n", tally.slotsRestored);
    std::printf("checks that failed: %d\n", tally.faultyChecks);
}

// Starts a writer, kills it after a random delay and says whether it was
// still running then (a writer that stopped by itself found a refused write).
bool killWriterAfter(const Workload& workload, const std::string& folder, std::uint64_t firstSeq,
                     std::chrono::microseconds delay)
{
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0)
        runWriter(workload, folder, firstSeq);
    if (pid < 0) {
        std::perror("fork");
        return false;
    }
    usleep(static_cast<useconds_t>(delay.count()));
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
        return true;
    std::fprintf(stderr, "the writer ended by itself (status %d)\n", status);
    return false;
}

int run(const Options& options)
{
    const std::string folder = options.folder.empty() ? temporaryFolder() : options.folder;
    std::filesystem::create_directories(folder);
    if (folder.empty() || std::filesystem::exists(storePath(folder)) || !prepareStore(folder)) {
        std::fprintf(stderr, "cannot prepare a fresh store in %s\n", folder.c_str());
        return 2;
    }
    std::printf("store %s, seed %u\n", storePath(folder).c_str(), options.seed);
    const Workload workload;
    std::mt19937 random(options.seed);
    std::uniform_int_distribution<int> delayUs(0, options.maxDelayMs * 1000);
    Tally tally;
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < options.kills; ++round) {
        const auto firstSeq = static_cast<std::uint64_t>(round + 1) * 1'000'000;
        const bool killed = killWriterAfter(workload, folder, firstSeq, std::chrono::microseconds(delayUs(random)));
        CheckOutcome outcome = checkStore(workload, folder);
        if (!killed)
            outcome.faults.push_back("the writer ended by itself");
        for (const std::string& fault : outcome.faults)
            std::printf("kill %d: %s\n", round + 1, fault.c_str());
        count(tally, outcome);
    }
    report(tally, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    if (tally.faultyChecks == 0 && options.folder.empty())
        std::filesystem::remove_all(folder);
    return tally.faultyChecks == 0 ? 0 : 1;
}

}  // namespace
}  // namespace velmora::storekill

int main(int argc, char** argv)
{
    velmora::storekill::Options options;
    if (!velmora::storekill::parse(argc, argv, options)) {
        std::fprintf(stderr, "usage: velmora-store-kill [--kills N] [--max-delay-ms M] [--seed S] [--folder DIR]\n");
        return 2;
    }
    return velmora::storekill::run(options);
}
