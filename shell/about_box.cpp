#include "about_box.h"

#include <cmath>

#include "dialog_frame.h"
#include "resource_ids.h"
#include "resources.h"
#include "screen.h"

namespace velmora {

namespace {

class AboutContent : public DialogContent {
public:
    AboutContent() : DialogContent(ids::kDlgAbout) {}

protected:
    bool OnInitDialog() override
    {
        // A missing logo leaves the picture empty; the box opens anyway.
        if (logo_.LoadBitmap(isVga() ? ids::kLogoVga : ids::kLogoStandard))
            SetPicture(kLogo, &logo_);
        SetControlFont(kTitle, FontRequest{"Tahoma", static_cast<int>(std::lround(11 * dpiScale())), 700, false});
        SetControlText(kTitle, LoadString(ids::kStrAppTitle));
        return true;
    }

private:
    static constexpr int kLogo = 1016;
    static constexpr int kTitle = 1017;
    Surface logo_;
};

}  // namespace

void RunAboutBox(CeBaseWnd* owner)
{
    AboutContent content;
    DialogFrame frame(content, ids::kStrAbout, ids::kBarClose);
    frame.Run(owner);
}

}  // namespace velmora
