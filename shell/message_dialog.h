// A message with softkey answers (the loss and time-up dialogs): a title, a
// text from the string table, a softkey bar carrying the answers, and the
// answer chosen.
#pragma once

#include <vector>

#include "dialog_frame.h"

namespace velmora {

class MessageDialog {
public:
    MessageDialog(int titleStringId, int textStringId, int barId, std::vector<int> answers);

    // The answer command that ended the dialog, or 0 when it ended otherwise.
    int Run(CeBaseWnd* owner);

private:
    int titleStringId_;
    int textStringId_;
    int barId_;
    std::vector<int> answers_;
};

}  // namespace velmora
