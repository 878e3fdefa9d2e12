// The Statistics dialog: games played, games won, win rate, total and
// average playing time of the current solitaire, with "Clear".
//
// The main window runs it through RunStatisticsDialog (chooser_dialogs.h).
// The figures are read once, before the dialog opens; the dialog itself only
// writes, when the player confirms Clear (which also closes it).
#pragma once

#include <string>
#include <string_view>

#include "dialog_frame.h"
#include "statistics.h"

namespace velmora {

// Value fields of the dialog's template, in the order of the figures.
namespace statistics_control {
inline constexpr int kGamesPlayed = 1031;
inline constexpr int kGamesWon = 1032;
inline constexpr int kWinRate = 1033;
inline constexpr int kTotalTime = 1034;
inline constexpr int kAverageTime = 1035;
}  // namespace statistics_control

class StatisticsContent : public DialogContent {
public:
    // Shows record; Clear empties gameName's record in store.
    StatisticsContent(const StatisticsRecord& record, StatisticsStore& store, std::string gameName);

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id) override;

private:
    void Clear();

    StatisticsRecord record_;
    StatisticsStore& store_;
    std::string gameName_;
};

}  // namespace velmora
