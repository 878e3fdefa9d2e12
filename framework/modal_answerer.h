// A process-wide hook that answers modal dialogs, message boxes, popup menus
// and the colour chooser without a person at the screen (tests).
//
// Before a modal run starts, the framework asks the answerer. A value is the
// answer; std::nullopt lets the real modal run happen. For a dialog the
// answerer is asked once the dialog is created, initialised and shown, with
// the live dialog in the request (so the test can also set its controls);
// the answer is delivered to the dialog as the command id a softkey would
// send, unless the answerer already ended the dialog (by a command or a close
// request of its own). When that command does not end the dialog (for example an OK that the
// dialog refuses), the answerer is asked again with attempt + 1; after 64
// refused answers the dialog is ended with result 0 so a test cannot hang.
//
// Answers by kind:
//   messageBox     the button id (IDOK, IDCANCEL, IDYES, IDNO, ...)
//   dialog         a command id for the dialog (IDOK, IDCANCEL, 40006, ...)
//   popupMenu      the chosen command id, or 0 for a menu dismissed
//   colourChooser  the chosen colour 0xRRGGBB, or -1 for cancelled
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "geometry.h"

namespace velmora {

class CeDialog;

enum class ModalKind { messageBox, dialog, popupMenu, colourChooser };

struct ModalRequest {
    ModalKind kind = ModalKind::messageBox;
    std::string caption;         // message box caption; dialog title
    std::string text;            // message box text
    unsigned style = 0;          // message box style bits (common_dialogs.h)
    int resourceId = 0;          // dialog template id, or popup menu id
    CeDialog* dialog = nullptr;  // the running dialog (kind dialog)
    std::vector<int> commands;   // popup menu: its command ids in order
    Colour colour = 0;           // colour chooser: the initial colour
    int attempt = 0;             // 0 for the first question about this run
};

using ModalAnswerer = std::function<std::optional<int>(const ModalRequest& request)>;

// Installs the answerer (empty removes it) and returns the previous one.
ModalAnswerer setModalAnswerer(ModalAnswerer answerer);
// Asks the installed answerer; std::nullopt when there is none or it passes.
std::optional<int> askModalAnswerer(const ModalRequest& request);

// Installs an answerer for the lifetime of the object and restores the
// previous one afterwards.
class ScopedModalAnswerer {
public:
    explicit ScopedModalAnswerer(ModalAnswerer answerer)
        : previous_(setModalAnswerer(std::move(answerer))) {}
    ~ScopedModalAnswerer() { setModalAnswerer(std::move(previous_)); }
    ScopedModalAnswerer(const ScopedModalAnswerer&) = delete;
    ScopedModalAnswerer& operator=(const ScopedModalAnswerer&) = delete;

private:
    ModalAnswerer previous_;
};

// True while a modal dialog, message box or popup menu is running.
bool isModalRunning();

}  // namespace velmora
