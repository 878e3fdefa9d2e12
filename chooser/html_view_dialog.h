// A modal page that shows formatted text (the rules of a solitaire, the
// help pages of the options) in the HTML viewer, under a title, with one
// "Close" softkey. It knows nothing of games: it is given a title string id
// and an HTML text, or the string id of one.
//
//     HtmlViewDialog rules(ids::kStrGameRules, rulesHtml(definition.description));
//     rules.Run(&mainWindow);
//
// The viewer library is loaded by name when the dialog opens and unloaded
// when the dialog object goes. A missing library, a library whose
// initialisation fails or a viewer window that cannot be made leave the page
// empty; the dialog still opens and closes as usual, and nothing is said.
#pragma once

#include <string>

#include "dialog_frame.h"
#include "library_window.h"
#include "loaded_library.h"

namespace velmora {

// The page under the title: the viewer window covering it exactly.
class HtmlViewContent : public DialogContent {
public:
    HtmlViewContent(std::u16string html, std::string viewerLibrary);
    ~HtmlViewContent() override;

    bool HasViewer() const { return viewer_.IsCreated(); }
    LibraryWindow& Viewer() { return viewer_; }
    const std::u16string& Html() const { return html_; }

protected:
    bool OnInitDialog() override;
    void ContentSized(int width, int height) override;
    void OnDestroy() override;

private:
    bool OpenViewer();

    std::u16string html_;
    std::string viewerLibrary_;
    // Declared before the viewer, so that the viewer window is always gone
    // before its library is unloaded.
    LoadedLibrary library_;
    LibraryWindow viewer_;
};

class HtmlViewDialog {
public:
    HtmlViewDialog(int titleStringId, std::u16string html);
    HtmlViewDialog(int titleStringId, int textStringId);

    // The viewer library's base name (the shipped viewer unless changed).
    void SetViewerLibrary(std::string baseName) { viewerLibrary_ = std::move(baseName); }

    // Runs modally over owner; the frame's result (IDOK when closed with
    // "Close", -1 when the page could not be built).
    int Run(CeBaseWnd* owner);

private:
    int titleStringId_;
    std::u16string html_;
    std::string viewerLibrary_;
};

}  // namespace velmora
