#include <gtest/gtest.h>

#include "common_dialogs.h"
#include "dialog.h"
#include "gui_fixture.h"
#include "menu_bar.h"
#include "resource_ids.h"

namespace velmora::testing {
namespace {

class DialogTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        ASSERT_TRUE(owner.Create(testWindowClass(), "Velmora", nullptr, Rect::fromSize(0, 0, 240, 320)));
    }

    RecordingWindow owner;
};

// The message dialog's content run as a modal dialog of its own.
class TextDialog : public CeDialog {
public:
    TextDialog() : CeDialog(ids::kDlgMessage) {}
    int refusedOks = 0;
    int okCalls = 0;
    int cancelCalls = 0;
    bool destroyed = false;
    std::function<void(TextDialog&)> onInit;

protected:
    bool OnInitDialog() override
    {
        SetTitle("Sorry\u2026");
        SetControlText(ids::kCtlMessageText, "You lose.");
        if (onInit)
            onInit(*this);
        return true;
    }
    bool OnOK() override { return ++okCalls > refusedOks; }
    bool OnCancel() override
    {
        ++cancelCalls;
        return true;
    }
    void OnDestroy() override { destroyed = true; }
};

TEST_F(DialogTest, TheAnswererSeesTheLiveDialogCoveringTheOwnerAndItsAnswerEndsIt)
{
    TextDialog dialog;
    int asked = 0;
    ScopedModalAnswerer answerer([&](const ModalRequest& request) {
        ++asked;
        EXPECT_EQ(request.kind, ModalKind::dialog);
        EXPECT_EQ(request.resourceId, ids::kDlgMessage);
        EXPECT_EQ(request.caption, "Sorry\u2026");
        EXPECT_EQ(request.dialog, &dialog);
        EXPECT_TRUE(dialog.IsRunning());
        EXPECT_TRUE(isModalRunning());
        EXPECT_EQ(dialog.ControlText(ids::kCtlMessageText), "You lose.");
        EXPECT_EQ(dialog.WindowRect(), (Rect{0, 0, 240, 320}));
        EXPECT_TRUE(dialog.IsVisible());
        return std::optional<int>(IDOK);
    });
    EXPECT_EQ(dialog.DoModal(&owner), IDOK);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(dialog.IsCreated());
    EXPECT_TRUE(dialog.destroyed);
    EXPECT_FALSE(isModalRunning());
    EXPECT_TRUE(owner.IsCreated());
}

TEST_F(DialogTest, ARefusedAnswerIsAskedAgainAndAnEndlessRefusalEndsWithZero)
{
    TextDialog dialog;
    dialog.refusedOks = 1;
    std::vector<int> attempts;
    ScopedModalAnswerer answerer([&](const ModalRequest& request) {
        attempts.push_back(request.attempt);
        return std::optional<int>(IDOK);
    });
    EXPECT_EQ(dialog.DoModal(&owner), IDOK);
    EXPECT_EQ(attempts, (std::vector<int>{0, 1}));
    EXPECT_EQ(dialog.okCalls, 2);

    TextDialog stubborn;
    setModalAnswerer([](const ModalRequest&) { return std::optional<int>(ids::kCmdRestart); });
    EXPECT_EQ(stubborn.DoModal(&owner), 0);
}

TEST_F(DialogTest, WithoutAnAnswerTheNestedLoopRunsUntilTheDialogEndsItself)
{
    class TimedDialog : public CeDialog {
    public:
        TimedDialog() : CeDialog(0) {}
        int ticks = 0;

    protected:
        bool OnInitDialog() override { return SetTimer(5, 10); }
        void OnTimer(unsigned) override
        {
            if (++ticks == 3)
                EndDialog(7);
        }
    } dialog;
    owner.PostMessage(WM_USER + 1);
    EXPECT_EQ(dialog.DoModal(&owner), 7);
    EXPECT_EQ(dialog.ticks, 3);
    EXPECT_NE(std::find_if(owner.others.begin(), owner.others.end(),
                           [](const Message& message) { return message.id == WM_USER + 1; }),
              owner.others.end())
        << "the nested loop delivers the owner's messages too";
}

TEST_F(DialogTest, AMissingTemplateOrARefusedInitialisationRunsNothing)
{
    class Missing : public CeDialog {
    public:
        Missing() : CeDialog(9999) {}
    } missing;
    bool asked = false;
    ScopedModalAnswerer answerer([&](const ModalRequest&) {
        asked = true;
        return std::optional<int>(IDOK);
    });
    EXPECT_EQ(missing.DoModal(&owner), -1);

    class Refusing : public CeDialog {
    public:
        Refusing() : CeDialog(ids::kDlgMessage) {}
        bool destroyed = false;

    protected:
        bool OnInitDialog() override { return false; }
        void OnDestroy() override { destroyed = true; }
    } refusing;
    EXPECT_EQ(refusing.DoModal(&owner), -1);
    EXPECT_FALSE(refusing.destroyed);
    EXPECT_FALSE(asked);
}

TEST_F(DialogTest, ACloseRequestOrEscapeDuringADialogCancelsTheDialogNotTheOwner)
{
    TextDialog dialog;
    ScopedModalAnswerer answerer([&](const ModalRequest&) {
        closeRequest(owner);
        return std::optional<int>(IDOK);
    });
    EXPECT_EQ(dialog.DoModal(&owner), IDCANCEL);
    EXPECT_EQ(dialog.cancelCalls, 1);
    EXPECT_TRUE(owner.IsCreated());

    TextDialog escaped;
    setModalAnswerer([&](const ModalRequest&) {
        keyPress(escaped, VK_ESCAPE);
        return std::optional<int>(IDOK);
    });
    EXPECT_EQ(escaped.DoModal(&owner), IDCANCEL);
    setModalAnswerer({});

    closeRequest(owner);
    EXPECT_FALSE(owner.IsCreated()) << "without a dialog the owner gets the request";
}

TEST_F(DialogTest, ANestedDialogCoversItsParentAndTheParentsBarReturnsOnRequest)
{
    TextDialog outer;
    CMenuBar outerBar;
    TextDialog inner;
    outer.onInit = [&](TextDialog& self) {
        ASSERT_TRUE(outerBar.Create(self, MenuBarConfig{ids::kBarOptions, ids::kBarOptions, 0, 0, true}));
    };
    ScopedModalAnswerer answerer([&](const ModalRequest& request) {
        if (request.dialog == &outer) {
            EXPECT_EQ(inner.DoModal(&outer), IDCANCEL);
            outerBar.GetWindow()->Hide();
            outer.PostMessage(WM_SOL_MENUBAR);
            processEvents();
            EXPECT_TRUE(outerBar.GetWindow()->IsVisible());
            return std::optional<int>(IDOK);
        }
        EXPECT_EQ(inner.WindowRect(), (Rect{0, 0, 240, 320}));
        EXPECT_EQ(outerBar.ButtonTexts(), (std::vector<std::string>{"OK", "Menu"}));
        closeRequest(owner);  // reaches the innermost dialog
        return std::optional<int>(IDOK);
    });
    EXPECT_EQ(outer.DoModal(&owner), IDOK);
    EXPECT_EQ(inner.cancelCalls, 1);
    EXPECT_EQ(outer.cancelCalls, 0);
}

// The Interface option page, drawn and filled by a test dialog.
class InterfacePage : public CeBaseDialog {
public:
    InterfacePage() : CeBaseDialog(ids::kDlgInterfacePage) {}
    std::vector<DrawItem> drawn;
    std::vector<ControlNotification> notifications;

protected:
    void OnDrawItem(DrawItem& item) override
    {
        drawn.push_back(item);
        item.surface->Fill(item.controlId == 5012 ? 0xFF0000 : 0x0000FF);
    }
    bool OnNotify(const ControlNotification& notification) override
    {
        notifications.push_back(notification);
        return false;
    }
};

TEST_F(DialogTest, ControlsComeFromTheTemplateAtTheirDialogUnitPlacesAndHoldTheirValues)
{
    InterfacePage page;
    ASSERT_TRUE(page.CreateChild(owner, Rect::fromSize(0, 25, 240, 270)));
    EXPECT_TRUE(page.HasControl(5009));
    EXPECT_FALSE(page.HasControl(IDC_STATIC));
    EXPECT_EQ(page.ControlRect(5009), page.DialogUnitsToPixels(Rect::fromSize(5, 52, 140, 10)));
    EXPECT_EQ(page.ControlText(5015), "Show Timer");

    page.SetCheck(5009, true);
    EXPECT_TRUE(page.IsChecked(5009));
    EXPECT_FALSE(page.IsChecked(5015));

    EXPECT_EQ(page.Selection(5010), -1);
    for (const char* item : {"Tapping", "Drag and Drop", "Keyboard CW", "Keyboard PW"})
        page.AddItem(5010, item);
    EXPECT_EQ(page.ItemCount(5010), 4);
    page.SetSelection(5010, 2);
    EXPECT_EQ(page.Selection(5010), 2);
    EXPECT_EQ(page.ControlText(5010), "Keyboard CW");
    page.SetSelection(5010, 9);
    EXPECT_EQ(page.Selection(5010), -1);

    page.ShowControl(5013, false);
    EXPECT_FALSE(page.IsControlVisible(5013));
    page.SetControlText(4242, "nothing there");  // unknown ids are ignored
    EXPECT_EQ(page.ControlText(4242), "");
    EXPECT_TRUE(page.notifications.empty()) << "what the program sets is not reported";
}

TEST_F(DialogTest, OwnerDrawnButtonsShowWhatTheDialogDrew)
{
    InterfacePage page;
    ASSERT_TRUE(page.CreateChild(owner, Rect::fromSize(0, 0, 240, 294)));
    const Surface shown = grabClient(page);
    const Rect colour = page.ControlRect(5012);
    const Rect back = page.ControlRect(1003);
    EXPECT_EQ(shown.Pixel(colour.left + 2, colour.top + 2), 0xFF0000u);
    EXPECT_EQ(shown.Pixel(back.left + 2, back.top + 2), 0x0000FFu);
    ASSERT_FALSE(page.drawn.empty());
    EXPECT_EQ(page.drawn.back().item, -1);
    EXPECT_EQ(page.drawn.back().rect.width(), page.ControlRect(page.drawn.back().controlId).width());
}

class ChooserList : public CeBaseDialog {
public:
    ChooserList() : CeBaseDialog(ids::kDlgSelectSolitaire) {}
    std::vector<std::intptr_t> drawnValues;

protected:
    void OnDrawItem(DrawItem& item) override
    {
        if (item.controlId == 5020)
            drawnValues.push_back(item.value);
        item.surface->Fill(item.selected ? 0x000080 : 0xFFFFFF);
    }
};

TEST_F(DialogTest, OwnerDrawnListRowsCarryTheirValuesAndSelection)
{
    ChooserList dialog;
    ASSERT_TRUE(dialog.CreateChild(owner, Rect::fromSize(0, 0, 240, 294)));
    EXPECT_FALSE(dialog.IsControlVisible(5022)) << "popups start hidden";
    dialog.MoveControl(5020, Rect::fromSize(5, 30, 230, 200));
    dialog.SetRowHeight(5020, 15);
    for (int value : {117, 3, 800})
        dialog.AddItem(5020, "", value);
    EXPECT_EQ(dialog.ItemCount(5020), 3);
    EXPECT_EQ(dialog.ItemValue(5020, 2), 800);
    EXPECT_EQ(dialog.ItemValue(5020, 3), 0);
    EXPECT_EQ(dialog.Selection(5020), -1) << "nothing is preselected";
    EXPECT_EQ(dialog.TopIndex(5020), 0);
    dialog.SetSelection(5020, 1);
    EXPECT_EQ(dialog.Selection(5020), 1);

    const Surface shown = grabClient(dialog);
    const Rect list = dialog.ControlRect(5020);
    EXPECT_NE(std::find(dialog.drawnValues.begin(), dialog.drawnValues.end(), 117), dialog.drawnValues.end());
    // The second row, 15 pixels high, is drawn selected.
    EXPECT_EQ(shown.Pixel(list.left + 20, list.top + 1 + 15 + 7), 0x000080u);
    EXPECT_EQ(shown.Pixel(list.left + 20, list.top + 1 + 7), 0xFFFFFFu);

    dialog.ClearItems(5020);
    EXPECT_EQ(dialog.ItemCount(5020), 0);
    EXPECT_EQ(dialog.Selection(5020), -1);
}

TEST_F(DialogTest, ScrollingMovesTheControlsWithinItsRangeAndBack)
{
    InterfacePage page;
    ASSERT_TRUE(page.CreateChild(owner, Rect::fromSize(0, 0, 240, 100)));
    const Rect before = page.ControlRect(5013);
    EXPECT_FALSE(page.HasScrollBar());
    page.SetScrollRange(before.bottom + 10, 100, 5);
    EXPECT_TRUE(page.HasScrollBar());
    page.ScrollTo(1000);
    const int bottom = before.bottom + 10 - 100;
    EXPECT_EQ(page.ScrollPosition(), bottom);
    EXPECT_EQ(page.ControlRect(5013).top, before.top - bottom);
    page.SetScrollRange(0, 0, 0);
    EXPECT_FALSE(page.HasScrollBar());
    EXPECT_EQ(page.ScrollPosition(), 0);
    EXPECT_EQ(page.ControlRect(5013), before);
}

TEST_F(DialogTest, MessageBoxesAndTheColourChooserTakeTheAnswerersWord)
{
    std::vector<ModalRequest> asked;
    ScopedModalAnswerer answerer([&](const ModalRequest& request) {
        asked.push_back(request);
        if (request.kind == ModalKind::colourChooser)
            return std::optional<int>(request.colour == 0x008000 ? 0x123456 : -1);
        return std::optional<int>(IDYES);
    });
    EXPECT_EQ(MessageBox(&owner, "Are you sure?", "Confirmation", mb::yesNo | mb::iconQuestion), IDYES);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].kind, ModalKind::messageBox);
    EXPECT_EQ(asked[0].caption, "Confirmation");
    EXPECT_EQ(asked[0].text, "Are you sure?");
    EXPECT_EQ(asked[0].style, mb::yesNo | mb::iconQuestion);

    EXPECT_EQ(ChooseColour(&owner, 0x008000), std::optional<Colour>(0x123456));
    EXPECT_EQ(ChooseColour(&owner, 0x000000), std::nullopt);
}

}  // namespace
}  // namespace velmora::testing
