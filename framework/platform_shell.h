// Services of a handheld's shell that a desktop does not have. The program
// calls them where the handheld needs them; here they do nothing.
#pragma once

namespace velmora {

class CeBaseWnd;

// Initialisation of the shell's extra controls.
inline void InitShellControls() {}
// Closes the soft input panel.
inline void CloseInputPanel() {}
// Hides the input-panel button of a full-screen window.
inline void HideInputPanelButton(CeBaseWnd&) {}
// The shell's standard reaction to a setting change (input panel state).
inline void HandleSettingChange(CeBaseWnd&) {}

}  // namespace velmora
