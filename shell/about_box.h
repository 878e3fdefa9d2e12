// The About box: logo, program title, version and publisher.
#pragma once

namespace velmora {

class CeBaseWnd;

void RunAboutBox(CeBaseWnd* owner);

}  // namespace velmora
