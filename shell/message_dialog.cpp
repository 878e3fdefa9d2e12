#include "message_dialog.h"

#include <algorithm>

#include "resource_ids.h"
#include "resources.h"

namespace velmora {

namespace {

class MessageContent : public DialogContent {
public:
    MessageContent(int textStringId, const std::vector<int>& answers)
        : DialogContent(ids::kDlgMessage), textStringId_(textStringId), answers_(answers)
    {
    }

    int answer() const { return answer_; }

protected:
    bool OnInitDialog() override
    {
        SetControlText(ids::kCtlMessageText, LoadString(textStringId_));
        return true;
    }

    bool OnCommand(int id) override
    {
        if (std::find(answers_.begin(), answers_.end(), id) == answers_.end())
            return false;
        answer_ = id;
        Frame()->End(id);
        return true;
    }

private:
    int textStringId_;
    const std::vector<int>& answers_;
    int answer_ = 0;
};

}  // namespace

MessageDialog::MessageDialog(int titleStringId, int textStringId, int barId, std::vector<int> answers)
    : titleStringId_(titleStringId), textStringId_(textStringId), barId_(barId), answers_(std::move(answers))
{
}

int MessageDialog::Run(CeBaseWnd* owner)
{
    MessageContent content(textStringId_, answers_);
    DialogFrame frame(content, titleStringId_, barId_);
    frame.Run(owner);
    return content.answer();
}

}  // namespace velmora
