#include <gtest/gtest.h>

#include <set>

#include "resource_formats.h"
#include "resource_ids.h"
#include "text_resources.h"

namespace velmora::testing {
namespace {

DialogTemplate sampleDialog()
{
    DialogTemplate dialog;
    dialog.width = 161;
    dialog.height = 166;
    dialog.controls = {
        ControlTemplate{ControlKind::label, 6000, "Dialog Title", 5, 3, 135, 8, TextAlign::right, kControlBold},
        ControlTemplate{ControlKind::tabControl, 6005, "", 0, 154, 161, 12, TextAlign::left, kControlHidden},
    };
    return dialog;
}

TEST(ResourceFormatsTest, EveryKindRoundTrips)
{
    const MenuResource menu{{{40005, "New Game", false}, {0, "", true}, {40011, "About\u2026", false}}};
    const std::optional<MenuResource> menuBack = decodeMenu(encodeMenu(menu));
    ASSERT_TRUE(menuBack);
    ASSERT_EQ(menuBack->items.size(), 3u);
    EXPECT_EQ(menuBack->items[2].text, "About\u2026");
    EXPECT_TRUE(menuBack->items[1].separator);

    MenuBarResource bar{129, {MenuBarButton{-1, 40002, true, false, 40002, 40002, false},
                              MenuBarButton{3, 40004, false, true, 40004, 0, false}, MenuBarButton{}}};
    bar.buttons[2].separator = true;
    const std::optional<MenuBarResource> barBack = decodeMenuBar(encodeMenuBar(bar));
    ASSERT_TRUE(barBack);
    EXPECT_EQ(barBack->menuId, 129);
    EXPECT_EQ(barBack->buttons[1].image, 3);
    EXPECT_FALSE(barBack->buttons[1].enabled);
    EXPECT_TRUE(barBack->buttons[1].dropdown);
    EXPECT_TRUE(barBack->buttons[2].separator);

    const std::optional<DialogTemplate> dialogBack = decodeDialog(encodeDialog(sampleDialog()));
    ASSERT_TRUE(dialogBack);
    EXPECT_EQ(dialogBack->fontFace, "Tahoma");
    ASSERT_EQ(dialogBack->controls.size(), 2u);
    EXPECT_EQ(dialogBack->controls[0].text, "Dialog Title");
    EXPECT_EQ(dialogBack->controls[0].align, TextAlign::right);
    EXPECT_EQ(dialogBack->controls[1].kind, ControlKind::tabControl);
    EXPECT_EQ(dialogBack->controls[1].style, kControlHidden);

    const std::optional<AcceleratorTable> accelBack =
        decodeAccelerators(encodeAccelerators({{{kAccelControl, 'A', 40011}}}));
    ASSERT_TRUE(accelBack);
    EXPECT_EQ(accelBack->entries[0].virtualKey, 'A');
}

TEST(ResourceFormatsTest, EveryTruncationOrExtensionOfAnEncodingIsRefused)
{
    const std::vector<Bytes> encodings = {
        encodeMenu({{{40005, "New Game", false}}}), encodeMenuBar({107, {MenuBarButton{}}}),
        encodeDialog(sampleDialog()), encodeAccelerators({{{kAccelControl, 'A', 40011}}})};
    const auto decodes = [](std::size_t kind, ByteView bytes) {
        switch (kind) {
        case 0: return decodeMenu(bytes).has_value();
        case 1: return decodeMenuBar(bytes).has_value();
        case 2: return decodeDialog(bytes).has_value();
        default: return decodeAccelerators(bytes).has_value();
        }
    };
    for (std::size_t kind = 0; kind < encodings.size(); ++kind) {
        const Bytes& whole = encodings[kind];
        ASSERT_TRUE(decodes(kind, whole));
        for (std::size_t length = 0; length < whole.size(); ++length)
            EXPECT_FALSE(decodes(kind, ByteView(whole.data(), length))) << kind << " cut at " << length;
        Bytes longer = whole;
        longer.push_back(0);
        EXPECT_FALSE(decodes(kind, longer)) << kind;
        Bytes otherVersion = whole;
        otherVersion[0] = 2;
        EXPECT_FALSE(decodes(kind, otherVersion)) << kind;
    }
    // A count far larger than the bytes is refused without allocating.
    EXPECT_FALSE(decodeMenu(Bytes{1, 0xFF, 0xFF}));
}

TEST(ResourceFormatsTest, BitmapsMustHaveExactlyTheirSize)
{
    const BitmapData bitmap{3, 2, {0x010203, 0x040506, 0x070809, 0x0A0B0C, 0x0D0E0F, 0xFFFFFF}};
    const Bytes bytes = encodeBitmap(bitmap);
    ASSERT_EQ(bytes.size(), 4u + 3 * 2 * 3);
    EXPECT_EQ(bytes[4], 0x01);  // red first
    const std::optional<BitmapData> back = decodeBitmap(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->pixels, bitmap.pixels);
    EXPECT_FALSE(decodeBitmap(Bytes(bytes.begin(), bytes.end() - 1)));
    Bytes longer = bytes;
    longer.push_back(0);
    EXPECT_FALSE(decodeBitmap(longer));
    EXPECT_FALSE(decodeBitmap(Bytes{0, 0, 0, 0}));
    EXPECT_FALSE(decodeBitmap(Bytes{1, 0}));
}

TEST(TextResourcesTest, MenusUseTheEllipsisAndEveryBarRefersToTextsAndMenusThatExist)
{
    ResourceTable table;
    addTextResources(table);
    EXPECT_EQ(findString(table, ids::kStrAppTitle), "Velmora");
    EXPECT_EQ(findString(table, ids::kStrOk), "OK");
    EXPECT_EQ(findString(table, ids::kStrCancel), "Cancel");
    EXPECT_EQ(findString(table, ids::kStrGameRules), "Game Rules");
    EXPECT_EQ(findString(table, ids::kStrUndoNotAvailable), "Undo not available.");

    const std::optional<MenuResource> toolbar = findMenu(table, ids::kMenuToolbar);
    ASSERT_TRUE(toolbar);
    ASSERT_EQ(toolbar->items.size(), 9u);
    EXPECT_EQ(toolbar->items[2].text, "Select Solitaire\u2026");
    EXPECT_TRUE(toolbar->items[3].separator);
    EXPECT_EQ(toolbar->items[4].text, "Options\u2026");
    EXPECT_EQ(toolbar->items[5].text, "Show Best Times\u2026");
    EXPECT_EQ(toolbar->items[8].command, ids::kCmdAbout);
    const std::optional<MenuResource> softkey = findMenu(table, ids::kMenuSoftkey);
    ASSERT_EQ(softkey->items.size(), 10u);
    EXPECT_EQ(softkey->items[4].command, ids::kCmdHelp);
    EXPECT_TRUE(softkey->items[5].separator);

    const int bars[] = {107, 109, 123, 124, 125, 126, 127, 128, 130};
    for (const int id : bars) {
        const std::optional<MenuBarResource> bar = findMenuBar(table, id);
        ASSERT_TRUE(bar) << id;
        if (bar->menuId != 0) {
            EXPECT_TRUE(findMenu(table, bar->menuId)) << id;
        }
        for (const MenuBarButton& button : bar->buttons) {
            if (!button.separator) {
                EXPECT_TRUE(findString(table, button.labelStringId)) << id << " button " << button.command;
            }
        }
    }
    EXPECT_EQ(findMenuBar(table, ids::kBarMainSoftkeys)->menuId, ids::kMenuSoftkey);
    EXPECT_EQ(findString(table, findMenuBar(table, ids::kBarClose)->buttons[0].labelStringId), "Close");

    for (int id = 600; id <= 610; ++id) {
        EXPECT_TRUE(findDialog(table, id)) << id;
    }
    const std::optional<AcceleratorTable> accelerators = findAccelerators(table, ids::kAccelMain);
    ASSERT_TRUE(accelerators);
    EXPECT_EQ(accelerators->entries.size(), 1u);
    EXPECT_EQ(accelerators->entries[0].command, ids::kCmdAbout);
}

}  // namespace
}  // namespace velmora::testing
