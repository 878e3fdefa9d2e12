// What the kill test checks after each kill, on a copy of the store files as
// the killed writer left them: the store opens and passes SQLite's integrity
// check, every completed write (preferences, slot times, saved games,
// statistics, best times) is there whole (the write in progress may or may
// not have landed), and every slot restores or is absent.
#pragma once

#include <string>
#include <vector>

#include "workload.h"

namespace velmora::storekill {

struct CheckOutcome {
    std::vector<std::string> faults;        // empty when everything held
    std::vector<std::string> interrupted;   // kinds of the writes the kill cut into
    std::vector<std::string> landed;        // those of them found stored
    int slotsRestored = 0;
};

// Checks the store in folder against its journal, and journals the values
// of interrupted writes that were found stored, so that later checks expect
// them.
CheckOutcome checkStore(const Workload& workload, const std::string& folder);

}  // namespace velmora::storekill
