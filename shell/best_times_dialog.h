// The Best Times dialog: the current solitaire's ten fastest wins, fastest
// first, with "Clear". It reads the record when it is created and writes it
// only when the player confirms Clear (which also closes it).
#pragma once

#include <string>

#include "best_times.h"
#include "dialog_frame.h"

namespace velmora {

// What a row shows: the name and the time as m:ss, or "---" in both columns
// for an empty entry.
struct BestTimeRow {
    std::string name;
    std::string time;

    friend bool operator==(const BestTimeRow&, const BestTimeRow&) = default;
};
BestTimeRow bestTimeRow(const BestTimeEntry& entry);

class BestTimesContent : public DialogContent {
public:
    explicit BestTimesContent(BestTimesLocation location);

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id) override;
    void ContentSized(int width, int height) override;

private:
    void Clear();

    BestTimesLocation location_;
    BestTimes record_;
};

// Runs the dialog over owner for the record at location.
void RunBestTimesDialog(CeBaseWnd* owner, const BestTimesLocation& location);

}  // namespace velmora
