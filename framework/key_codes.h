// Translation between Qt key codes and virtual key codes (framework only).
#pragma once

namespace velmora {

// The virtual key for a Qt key, 0 when it has none.
int virtualKeyFromQt(int qtKey);
// The Qt key for a virtual key, 0 when it has none.
int qtKeyFromVirtualKey(int virtualKey);

}  // namespace velmora
