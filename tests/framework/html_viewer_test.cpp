// The HTML viewer library as the framework loads it by name, and the
// messages its windows take.
#include "gui_fixture.h"
#include "html_viewer.h"
#include "library_window.h"
#include "loaded_library.h"

namespace velmora::testing {
namespace {

LParam text(const char16_t* units)
{
    return reinterpret_cast<LParam>(units);
}

std::u16string shownText(LibraryWindow& viewer, std::size_t bufferUnits)
{
    std::u16string buffer(bufferUnits, u'#');
    const LResult copied = viewer.Send(WM_GETTEXT, bufferUnits, reinterpret_cast<LParam>(buffer.data()));
    EXPECT_EQ(buffer[static_cast<std::size_t>(copied)], u'\0');
    return buffer.substr(0, static_cast<std::size_t>(copied));
}

class HtmlViewer : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        ASSERT_TRUE(parent.Create(testWindowClass(), "viewer", nullptr, Rect{0, 0, 240, 320}));
        ASSERT_TRUE(library.Load(kHtmlViewerLibrary));
        const auto initialise = library.Function<ViewerInitFunction>(kViewerInitExport);
        ASSERT_NE(initialise, nullptr);
        ASSERT_NE(initialise(programInstance()), 0);
    }
    void TearDown() override
    {
        viewer.Destroy();
        parent.Destroy();
        GuiTest::TearDown();
    }

    RecordingWindow parent;
    LoadedLibrary library;
    LibraryWindow viewer;
};

TEST_F(HtmlViewer, LoadsByNameOnlyFromTheProgramsFolders)
{
    EXPECT_NE(library.Path().find("libvelmora-htmlview.so"), std::string::npos);
    EXPECT_EQ(library.Function<ViewerInitFunction>("no_such_export"), nullptr);
    LoadedLibrary other;
    for (const char* name : {"", "velmora-no-such-library", "../lib/velmora-htmlview", "/usr/lib/velmora-htmlview"})
        EXPECT_FALSE(other.Load(name)) << name;
    EXPECT_FALSE(other.IsLoaded());
    EXPECT_EQ(other.Path(), "");
    EXPECT_EQ(other.Function<ViewerInitFunction>(kViewerInitExport), nullptr);
}

TEST_F(HtmlViewer, InitialisationWantsTheRunningApplication)
{
    const auto initialise = library.Function<ViewerInitFunction>(kViewerInitExport);
    int notAnApplication = 0;
    EXPECT_EQ(initialise(&notAnApplication), 0);
    EXPECT_EQ(initialise(nullptr), 0);
    EXPECT_FALSE(viewer.Create(library, kHtmlViewerClass, parent, parent.ClientRect()));
    EXPECT_NE(initialise(programInstance()), 0);
    EXPECT_TRUE(viewer.Create(library, kHtmlViewerClass, parent, parent.ClientRect()));
}

TEST_F(HtmlViewer, MakesOnlyItsOwnClassAndAnswersNothingWithoutAWindow)
{
    EXPECT_FALSE(viewer.Create(library, "OTHERCLASS", parent, parent.ClientRect()));
    EXPECT_EQ(viewer.Send(WM_GETTEXTLENGTH), 0);
    ASSERT_TRUE(viewer.Create(library, kHtmlViewerClass, parent, Rect{0, 10, 200, 300}));
    EXPECT_EQ(viewer.WindowRect(), (Rect{0, 10, 200, 300}));
    viewer.SetWindowRect(Rect{0, 0, 240, 320});
    EXPECT_EQ(viewer.WindowRect(), (Rect{0, 0, 240, 320}));
    EXPECT_EQ(viewer.Send(0x7777), 0);
    viewer.Destroy();
    EXPECT_FALSE(viewer.IsCreated());
    EXPECT_EQ(viewer.Send(WM_GETTEXTLENGTH), 0);
}

TEST_F(HtmlViewer, TextAddedInPiecesShowsWhenItsEndIsAnnounced)
{
    ASSERT_TRUE(viewer.Create(library, kHtmlViewerClass, parent, parent.ClientRect()));
    viewer.Send(WM_SETTEXT, 0, text(u"<b>at once</b>"));
    EXPECT_EQ(shownText(viewer, 64), u"at once");
    viewer.Send(WM_SETTEXT, 0, text(u""));
    viewer.Send(DTM_ADDTEXTW, 0, text(u"<b>Object</b><br>Move"));
    viewer.Send(DTM_ADDTEXTW, 1, text(u" <all> & more"));
    EXPECT_EQ(viewer.Send(WM_GETTEXTLENGTH), 0);
    viewer.Send(DTM_ENDOFSOURCE);
    EXPECT_EQ(shownText(viewer, 64), u"Object\nMove <all> & more");
    EXPECT_EQ(viewer.Send(WM_GETTEXTLENGTH), 24);
    // A short buffer gets what fits and its terminator.
    EXPECT_EQ(shownText(viewer, 7), u"Object");
    EXPECT_EQ(viewer.Send(WM_GETTEXT, 0, reinterpret_cast<LParam>(nullptr)), 0);
}

}  // namespace
}  // namespace velmora::testing
