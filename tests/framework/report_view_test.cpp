// Report views (columns of text rows under a header) and typing into an
// edit box, on the program's Best Times and win dialog templates.
#include <gtest/gtest.h>

#include "dialog.h"
#include "gui_fixture.h"
#include "resource_ids.h"

namespace velmora::testing {
namespace {

class ReportViewTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        ASSERT_TRUE(owner.Create(testWindowClass(), "Velmora", nullptr, Rect::fromSize(0, 0, 240, 320)));
    }

    RecordingWindow owner;
};

constexpr int kList = ids::kCtlBestTimesList;

TEST_F(ReportViewTest, ColumnsAndRowsHoldTheirTextsAndWidths)
{
    CeBaseDialog dialog(ids::kDlgBestTimes);
    ASSERT_TRUE(dialog.CreateChild(owner, Rect::fromSize(0, 0, 240, 294)));
    // Rows added before the columns keep their first text.
    EXPECT_EQ(dialog.AddItem(kList, "Ann", 7), 0);
    EXPECT_EQ(dialog.AddColumn(kList, "Name", 140, TextAlign::centre), 0);
    EXPECT_EQ(dialog.AddColumn(kList, "Time", 40, TextAlign::centre), 1);
    EXPECT_EQ(dialog.AddItem(kList, "Bob"), 1);
    dialog.SetItemText(kList, 1, 1, "10:00");
    EXPECT_EQ(dialog.ItemCount(kList), 2);
    EXPECT_EQ(dialog.ItemText(kList, 0, 0), "Ann");
    EXPECT_EQ(dialog.ItemValue(kList, 0), 7);
    EXPECT_EQ(dialog.ItemText(kList, 1, 1), "10:00");
    EXPECT_EQ(dialog.ColumnTitle(kList, 1), "Time");
    EXPECT_EQ(dialog.ColumnWidth(kList, 0), 140);
    dialog.SetColumnWidth(kList, 0, 187);
    EXPECT_EQ(dialog.ColumnWidth(kList, 0), 187);

    // Cells and columns that do not exist answer empty and take nothing.
    dialog.SetItemText(kList, 5, 0, "nobody");
    dialog.SetItemText(kList, 0, 2, "nowhere");
    EXPECT_EQ(dialog.ItemText(kList, 5, 0), "");
    EXPECT_EQ(dialog.ItemText(kList, 0, 2), "");
    EXPECT_EQ(dialog.ColumnWidth(kList, 2), 0);
    EXPECT_EQ(dialog.ColumnTitle(kList, -1), "");
    EXPECT_EQ(dialog.AddColumn(4242, "Name", 10, TextAlign::left), -1);

    dialog.ClearItems(kList);
    EXPECT_EQ(dialog.ItemCount(kList), 0);
    EXPECT_EQ(dialog.ColumnTitle(kList, 0), "Name") << "clearing the rows keeps the columns";
}

TEST_F(ReportViewTest, TypingStopsAtTheEditBoxsLimit)
{
    CeBaseDialog dialog(ids::kDlgWin);
    ASSERT_TRUE(dialog.CreateChild(owner, Rect::fromSize(0, 0, 240, 294)));
    dialog.SetTextLimit(ids::kCtlWinNameEdit, 5);
    dialog.FocusControl(ids::kCtlWinNameEdit);
    typeText(dialog, "Z\u00fcrich \U0001F600");
    EXPECT_EQ(dialog.ControlText(ids::kCtlWinNameEdit), "Z\u00fcric");
    dialog.SetControlText(ids::kCtlWinNameEdit, "");
    typeText(dialog, "ab\U0001F600");
    EXPECT_EQ(dialog.ControlText(ids::kCtlWinNameEdit), "ab\U0001F600") << "one character, two units";
}

TEST(ReportViewTemplate, SurvivesEncodingAndUnknownKindsAreRefused)
{
    DialogTemplate dialog;
    dialog.controls.push_back(ControlTemplate{ControlKind::reportView, 1040, "", 5, 5, 150, 130});
    Bytes bytes = encodeDialog(dialog);
    const std::optional<DialogTemplate> back = decodeDialog(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->controls.at(0).kind, ControlKind::reportView);

    // The kind is the first byte of the control, right after the count.
    const std::size_t kindAt = bytes.size() - (1 + 4 + 2 + 4 * 4 + 1 + 4);
    ASSERT_EQ(bytes[kindAt], static_cast<std::uint8_t>(ControlKind::reportView));
    bytes[kindAt] = static_cast<std::uint8_t>(ControlKind::reportView) + 1;
    EXPECT_FALSE(decodeDialog(bytes));
}

}  // namespace
}  // namespace velmora::testing
