#include "statistics_dialog.h"

#include "chooser_dialogs.h"
#include "common_dialogs.h"
#include "resource_ids.h"
#include "resources.h"
#include "statistics_text.h"

namespace velmora {

namespace ctl = statistics_control;

StatisticsContent::StatisticsContent(const StatisticsRecord& record, StatisticsStore& store, std::string gameName)
    : DialogContent(ids::kDlgStatistics), record_(record), store_(store), gameName_(std::move(gameName))
{
}

bool StatisticsContent::OnInitDialog()
{
    const StatisticsFigures figures = statisticsFigures(record_);
    SetControlText(ctl::kGamesPlayed, figures.gamesPlayed);
    SetControlText(ctl::kGamesWon, figures.gamesWon);
    SetControlText(ctl::kWinRate, figures.winRate);
    SetControlText(ctl::kTotalTime, figures.totalTime);
    SetControlText(ctl::kAverageTime, figures.averageTime);
    return true;
}

bool StatisticsContent::OnCommand(int id)
{
    if (id != ids::kCmdClear)
        return DialogContent::OnCommand(id);
    Clear();
    return true;
}

void StatisticsContent::Clear()
{
    const int answer = MessageBox(Frame(), LoadString(ids::kStrClearStatistics), LoadString(ids::kStrConfirmation),
                                  mb::yesNo);
    if (answer != IDYES)
        return;
    if (!gameName_.empty())
        store_.clear(gameName_);
    if (DialogFrame* frame = Frame())
        frame->End(IDOK);
}

void RunStatisticsDialog(CeBaseWnd* owner, Registry& registry, std::string_view storeRoot,
                         std::string_view gameName)
{
    StatisticsStore store(registry, std::string(storeRoot));
    const StatisticsRecord record = gameName.empty() ? StatisticsRecord{} : store.read(gameName);
    StatisticsContent content(record, store, std::string(gameName));
    DialogFrame frame(content, ids::kStrStatistics, ids::kBarBestTimes);
    frame.Run(owner);
}

}  // namespace velmora
