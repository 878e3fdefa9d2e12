#include "html_view_dialog.h"

#include "html_viewer.h"
#include "resource_ids.h"
#include "resources.h"

namespace velmora {

HtmlViewContent::HtmlViewContent(std::u16string html, std::string viewerLibrary)
    : DialogContent(ids::kDlgHtmlView), html_(std::move(html)), viewerLibrary_(std::move(viewerLibrary))
{
}

HtmlViewContent::~HtmlViewContent()
{
    viewer_.Destroy();
}

bool HtmlViewContent::OnInitDialog()
{
    // Without a viewer the page stays empty; the dialog opens all the same.
    if (OpenViewer()) {
        viewer_.SetFocus();
        viewer_.Send(WM_SETTEXT, 0, reinterpret_cast<LParam>(u""));
        viewer_.Send(DTM_ENABLECONTEXTMENU, 0, 1);
        viewer_.Send(DTM_ADDTEXTW, 0, reinterpret_cast<LParam>(html_.c_str()));
        viewer_.Send(DTM_ENDOFSOURCE, 0, 0);
    }
    return true;
}

bool HtmlViewContent::OpenViewer()
{
    if (!library_.Load(viewerLibrary_))
        return false;
    const auto initialise = library_.Function<ViewerInitFunction>(kViewerInitExport);
    if (initialise == nullptr || initialise(programInstance()) == 0)
        return false;
    return viewer_.Create(library_, kHtmlViewerClass, *this, ClientRect());
}

void HtmlViewContent::ContentSized(int width, int height)
{
    viewer_.SetWindowRect(Rect{0, 0, width, height});
}

void HtmlViewContent::OnDestroy()
{
    viewer_.Destroy();
}

HtmlViewDialog::HtmlViewDialog(int titleStringId, std::u16string html)
    : titleStringId_(titleStringId), html_(std::move(html)), viewerLibrary_(kHtmlViewerLibrary)
{
}

HtmlViewDialog::HtmlViewDialog(int titleStringId, int textStringId)
    : HtmlViewDialog(titleStringId, LoadWideString(textStringId))
{
}

int HtmlViewDialog::Run(CeBaseWnd* owner)
{
    HtmlViewContent content(html_, viewerLibrary_);
    DialogFrame frame(content, titleStringId_, ids::kBarClose);
    return frame.Run(owner);
}

}  // namespace velmora
