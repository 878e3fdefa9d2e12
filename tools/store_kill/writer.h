// The process that the kill test kills: it writes preferences, saved games
// and slot times through the program's own store code, in the order the
// program does on closing, then a game's statistics and best times, round
// after round until it is killed.
#pragma once

#include <cstdint>
#include <string>

#include "workload.h"

namespace velmora::storekill {

// Never returns normally: exits with a non-zero code when a write is refused
// (which the kill test reports as a failure).
[[noreturn]] void runWriter(const Workload& workload, const std::string& folder, std::uint64_t firstSeq);

// Creates the store with the default preferences and journals them.
bool prepareStore(const std::string& folder);

std::string storePath(const std::string& folder);
std::string journalPath(const std::string& folder);

}  // namespace velmora::storekill
