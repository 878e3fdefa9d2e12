#include "best_times_dialog.h"

#include "best_times_layout.h"
#include "common_dialogs.h"
#include "resource_ids.h"
#include "resources.h"
#include "screen.h"
#include "time_text.h"
#include "utf16_text.h"

namespace velmora {

namespace {

constexpr int kList = ids::kCtlBestTimesList;
constexpr int kNameColumn = 0;
constexpr int kTimeColumn = 1;
constexpr const char* kEmptyText = "---";

}  // namespace

BestTimeRow bestTimeRow(const BestTimeEntry& entry)
{
    if (entry.isEmpty())
        return {kEmptyText, kEmptyText};
    return {utf8FromUtf16(entryName(entry)), formatMinutesSeconds(entry.seconds)};
}

BestTimesContent::BestTimesContent(BestTimesLocation location)
    : DialogContent(ids::kDlgBestTimes), location_(std::move(location)), record_(LoadBestTimes(location_))
{
}

bool BestTimesContent::OnInitDialog()
{
    AddColumn(kList, LoadString(ids::kStrNameColumn), ScaleX(140), TextAlign::centre);
    AddColumn(kList, LoadString(ids::kStrTimeColumn), bestTimesTimeWidth(screenMetrics()), TextAlign::centre);
    for (const BestTimeEntry& entry : record_.entries) {
        const BestTimeRow row = bestTimeRow(entry);
        const int index = AddItem(kList, row.name);
        SetItemText(kList, index, kTimeColumn, row.time);
    }
    return true;
}

void BestTimesContent::ContentSized(int width, int height)
{
    const BestTimesListLayout layout = bestTimesListLayout(width, height, screenMetrics());
    MoveControl(kList, layout.list);
    SetColumnWidth(kList, kNameColumn, layout.nameWidth);
    SetColumnWidth(kList, kTimeColumn, layout.timeWidth);
}

bool BestTimesContent::OnCommand(int id)
{
    if (id != ids::kCmdClear)
        return DialogContent::OnCommand(id);
    Clear();
    return true;
}

void BestTimesContent::Clear()
{
    const int answer = MessageBox(Frame(), LoadString(ids::kStrClearBestTimes), LoadString(ids::kStrConfirmation),
                                  mb::yesNo);
    if (answer != IDYES)
        return;
    ClearBestTimes(record_, location_);
    if (DialogFrame* frame = Frame())
        frame->End(IDOK);
}

void RunBestTimesDialog(CeBaseWnd* owner, const BestTimesLocation& location)
{
    BestTimesContent content(location);
    DialogFrame frame(content, ids::kStrBestTimes, ids::kBarBestTimes);
    frame.Run(owner);
}

}  // namespace velmora
