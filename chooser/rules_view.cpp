#include "rules_view.h"

#include "html_view_dialog.h"
#include "resource_ids.h"
#include "rules_html.h"

namespace velmora {

void ShowRules(CeBaseWnd* owner, std::string_view description)
{
    HtmlViewDialog(ids::kStrGameRules, rulesHtml(description)).Run(owner);
}

}  // namespace velmora
