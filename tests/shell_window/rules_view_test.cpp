// The rules view: the Help command's page of rules, the viewer library
// loaded by name (and the page left empty when it cannot be), and the
// viewer following the dialog's size.
#include <gtest/gtest.h>

#include "dialog_frame.h"
#include "html_view_dialog.h"
#include "html_viewer.h"
#include "main_window_fixture.h"
#include "menu_bar.h"
#include "resource_ids.h"
#include "rules_html.h"
#include "screen.h"
#include "test_driver.h"

namespace velmora::testing {
namespace {

constexpr int kHtmlViewContent = 607;

std::u16string viewerText(LibraryWindow& viewer)
{
    std::u16string text(static_cast<std::size_t>(viewer.Send(WM_GETTEXTLENGTH)) + 1, u'\0');
    const LResult copied = viewer.Send(WM_GETTEXT, text.size(), reinterpret_cast<LParam>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

HtmlViewContent& htmlContent(const ModalRequest& request)
{
    return dynamic_cast<HtmlViewContent&>(static_cast<DialogFrame*>(request.dialog)->Content());
}

bool isInk(Colour colour)
{
    return ((colour >> 16) & 0xFF) + ((colour >> 8) & 0xFF) + (colour & 0xFF) < 3 * 0x80;
}

// Dark pixels per row of the area.
std::vector<int> inkPerRow(const Surface& surface, const Rect& area)
{
    std::vector<int> rows;
    for (int y = area.top; y < area.bottom; ++y) {
        int ink = 0;
        for (int x = area.left; x < area.right; ++x)
            ink += isInk(surface.Pixel(x, y)) ? 1 : 0;
        rows.push_back(ink);
    }
    return rows;
}

// The ink of each run of rows that hold ink, top to bottom.
std::vector<int> inkOfLines(const std::vector<int>& rows)
{
    std::vector<int> lines;
    bool inLine = false;
    for (const int ink : rows) {
        if (ink > 0 && !inLine)
            lines.push_back(0);
        if (ink > 0)
            lines.back() += ink;
        inLine = ink > 0;
    }
    return lines;
}

class RulesView : public MainWindowTest {
protected:
    MainWindow& openKlondike()
    {
        chooseGameBeforeStart("Klondike");
        MainWindow& main = openWindow();
        seen.clear();
        return main;
    }

    // Runs a view of html over the main window; inspect sees it open.
    int runView(std::u16string html, const std::string& library,
                const std::function<void(HtmlViewContent&, DialogFrame&)>& inspect)
    {
        answer = [&](const ModalRequest& request, int content) -> std::optional<int> {
            if (content == kHtmlViewContent) {
                processEvents();
                inspect(htmlContent(request), *static_cast<DialogFrame*>(request.dialog));
            }
            return IDOK;
        };
        HtmlViewDialog view(ids::kStrGameRules, std::move(html));
        view.SetViewerLibrary(library);
        return view.Run(window.get());
    }
};

TEST_F(RulesView, HelpShowsTheRulesOfTheRunningGameWhileTheClockStands)
{
    MainWindow& main = openKlondike();
    tick();
    passSeconds(5);
    const std::string& description = main.engine().definition().description;
    ASSERT_NE(description.find("<b>"), std::string::npos);
    std::u16string html;
    std::u16string shown;
    answer = [&](const ModalRequest& request, int content) -> std::optional<int> {
        if (content == kHtmlViewContent) {
            html = htmlContent(request).Html();
            shown = viewerText(htmlContent(request).Viewer());
            clock.advanceSeconds(40);
            tick();
        }
        return IDOK;
    };
    main.SendMessage(WM_COMMAND, ids::kCmdHelp);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].contentTemplate, kHtmlViewContent);
    EXPECT_EQ(seen[0].text, "Game Rules");
    EXPECT_EQ(html, rulesHtml(description));
    // The markup is rendered, not shown.
    EXPECT_NE(shown.find(u"Object"), std::u16string::npos);
    EXPECT_EQ(shown.find(u"<b>"), std::u16string::npos);
    tick();
    passSeconds(1);
    EXPECT_EQ(main.clock().elapsedSeconds(), 6u);
}

TEST_F(RulesView, TheViewerGetsTheWholeTextWithItsLineBreaks)
{
    openKlondike();
    std::u16string shown;
    bool viewerCoversThePage = false;
    runView(rulesHtml("A\nB\n\nC"), kHtmlViewerLibrary, [&](HtmlViewContent& content, DialogFrame&) {
        ASSERT_TRUE(content.HasViewer());
        shown = viewerText(content.Viewer());
        viewerCoversThePage = content.Viewer().WindowRect() == content.ClientRect();
    });
    EXPECT_EQ(shown, u"A\nB\n\nC");
    EXPECT_TRUE(viewerCoversThePage);
}

TEST_F(RulesView, WithoutAWorkingViewerThePageIsEmptyAndStillCloses)
{
    openKlondike();
    for (const char* library : {"velmora-no-such-viewer", "velmora-test-viewer-noinit",
                                "velmora-test-viewer-nowindow", "../lib/velmora-htmlview"}) {
        bool opened = false;
        std::vector<std::string> softkeys;
        const int result = runView(u"<b>text</b>", library, [&](HtmlViewContent& content, DialogFrame& frame) {
            opened = true;
            EXPECT_FALSE(content.HasViewer()) << library;
            softkeys = frame.MenuBar()->ButtonTexts();
        });
        EXPECT_TRUE(opened) << library;
        EXPECT_EQ(softkeys, std::vector<std::string>{"Close"}) << library;
        EXPECT_EQ(result, IDOK) << library;
        EXPECT_TRUE(seen.empty() || seen.back().kind == ModalKind::dialog) << "no message for " << library;
    }
}

TEST_F(RulesView, TheViewerKeepsFillingThePageWhenTheWindowTurns)
{
    MainWindow& main = openKlondike();
    Rect before;
    Rect after;
    bool fillsAfter = false;
    runView(rulesHtml("Rules"), kHtmlViewerLibrary, [&](HtmlViewContent& content, DialogFrame&) {
        before = content.Viewer().WindowRect();
        main.SetWindowRect(Rect{0, 0, 320, 240});
        processEvents();
        after = content.Viewer().WindowRect();
        fillsAfter = after == content.ClientRect();
    });
    EXPECT_EQ(before.width(), 240);
    EXPECT_EQ(after.width(), 320);
    EXPECT_LT(after.height(), before.height());
    EXPECT_TRUE(fillsAfter);
}

TEST_F(RulesView, BoldTextIsDrawnHeavierAndLongTextScrolls)
{
    openKlondike();
    std::vector<int> lines;
    runView(u"<b>MMMMMMMM</b><br>MMMMMMMM", kHtmlViewerLibrary, [&](HtmlViewContent& content, DialogFrame&) {
        const Surface page = grabClient(content);
        lines = inkOfLines(inkPerRow(page, Rect{0, 0, page.Width() / 2 + 40, page.Height() / 2}));
    });
    ASSERT_GE(lines.size(), 2u);
    EXPECT_GT(lines[0], lines[1] * 5 / 4);

    // A scroll bar takes the right edge only when the text is longer than the page.
    const auto rightEdgeInk = [&](const std::u16string& html) {
        int ink = -1;
        runView(html, kHtmlViewerLibrary, [&](HtmlViewContent& content, DialogFrame&) {
            const Surface page = grabClient(content);
            const Rect edge{page.Width() - ScaleX(6), 0, page.Width(), page.Height()};
            ink = 0;
            for (int y = edge.top; y < edge.bottom; ++y)
                for (int x = edge.left; x < edge.right; ++x)
                    ink += page.Pixel(x, y) != 0xFFFFFF ? 1 : 0;
        });
        return ink;
    };
    std::u16string longText;
    for (int line = 0; line < 100; ++line)
        longText += u"A line of the rules<br>";
    EXPECT_EQ(rightEdgeInk(u"short"), 0);
    EXPECT_GT(rightEdgeInk(longText), 0);
}

}  // namespace
}  // namespace velmora::testing
