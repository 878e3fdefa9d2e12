// Running the chooser's dialogs in tests: the program's own database and
// texts, plain one-colour icons of the artwork's sizes, the preferences in a
// store on a temporary folder, and the dialog run modally with the test
// driving it from the modal answerer.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

#include "chooser_icons.h"
#include "game_database.h"
#include "modal_answerer.h"
#include "preferences.h"
#include "resource_formats.h"
#include "resource_ids.h"
#include "resources.h"
#include "screen.h"
#include "select_solitaire_dialog.h"
#include "store_fixture.h"
#include "test_driver.h"
#include "text_resources.h"

namespace velmora::testing {

// The one colour of a plain test icon: unique per bitmap id, never the
// transparent green or white.
constexpr Colour plainIconColour(int id) { return 0x400000 + static_cast<Colour>(id); }

inline void addPlainBitmap(ResourceTable& resources, int id, int width, int height)
{
    BitmapData bitmap{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width * height),
                                                                plainIconColour(id))};
    resources.add(kBitmapType, id, encodeBitmap(bitmap));
}

// Every chooser icon of the configuration, at the artwork's sizes (twice
// as large for VGA).
inline void addPlainChooserIcons(ResourceTable& resources, BuildConfiguration configuration)
{
    const int k = configuration == BuildConfiguration::vga ? 2 : 1;
    const auto add = [&](int id, int width, int height) { addPlainBitmap(resources, id, width * k, height * k); };
    add(chooserIconId(ChooserIcon::folder, configuration), 16, 15);
    add(chooserIconId(ChooserIcon::stars, configuration), 15, 15);
    add(chooserIconId(ChooserIcon::clock, configuration), 13, 15);
    add(chooserIconId(ChooserIcon::all, configuration), 11, 13);
    add(chooserIconId(ChooserIcon::favouriteStar, configuration), 16, 15);
    add(chooserIconId(ChooserIcon::leftArrow, configuration), 12, 11);
    add(chooserIconId(ChooserIcon::rightArrow, configuration), 12, 11);
    for (int category = 1; category <= 10; ++category)
        add(categoryIconId(category, configuration), 16, 15);
    for (int skill = 1; skill <= 3; ++skill)
        add(skillIconId(skill, configuration), 10 * skill, 15);
    for (int timeClass = 1; timeClass <= 4; ++timeClass)
        add(timeIconId(timeClass, configuration), 11, 15);
}

// The Select Solitaire content with its notifications open to the test,
// which stands in for the controls' events.
class ChooserUnderTest : public SelectSolitaireContent {
public:
    using SelectSolitaireContent::SelectSolitaireContent;
    bool Notify(int controlId, ControlEvent event, int key = 0)
    {
        return OnNotify(ControlNotification{controlId, event, -1, key});
    }
    // A tap on a row of the game list: it becomes the selection.
    void SelectRow(int row)
    {
        SetSelection(chooser_control::kGameList, row);
        Notify(chooser_control::kGameList, ControlEvent::selectionChanged);
    }
    void PressKey(int controlId, int key) { Notify(controlId, ControlEvent::key, key); }
    std::vector<int> ListedValues() const
    {
        std::vector<int> values;
        for (int row = 0; row < ItemCount(chooser_control::kGameList); ++row)
            values.push_back(static_cast<int>(ItemValue(chooser_control::kGameList, row)));
        return values;
    }
    int SelectedRow() const { return Selection(chooser_control::kGameList); }
    bool FavouriteButtonShown() const { return IsControlVisible(chooser_control::kFavouriteButton); }
};

class ChooserDialogTest : public StoreTest {
protected:
    static constexpr const char* kRoot = "SOFTWARE\\Trelk Software\\Velmora\\Velmora";

    void SetUp() override
    {
        StoreTest::SetUp();
        ensureApplication();
        addGameDatabase(resources_);
        addTextResources(resources_);
        addPlainChooserIcons(resources_, BuildConfiguration::standard);
        setProgramResources(&resources_);
        setScreenMetrics(ScreenMetrics{96, 96, BuildConfiguration::standard});
        store_ = openStore();
        ASSERT_NE(store_, nullptr);
        preferences_ = LoadPreferences(*store_, kRoot);
    }

    void TearDown() override
    {
        setProgramResources(nullptr);
        store_.reset();
        StoreTest::TearDown();
    }

    // Runs the chooser; drive is asked for the command that ends each round
    // (attempt 0 first; it is asked again while the dialog stays open). A
    // drive that ended the dialog itself answers 0, which changes nothing.
    // Answers the dialog's result.
    int RunChooser(const std::function<int(ChooserUnderTest&, int attempt)>& drive)
    {
        ChooserUnderTest content(preferences_, resources_);
        DialogFrame frame(content, 0, ids::kBarSelectSolitaire);
        ScopedModalAnswerer answerer([&](const ModalRequest& request) -> std::optional<int> {
            if (request.kind != ModalKind::dialog || request.dialog != &frame)
                return std::nullopt;
            // The dialog has just been shown: let it become the active window.
            if (request.attempt == 0)
                processEvents();
            return drive(content, request.attempt);
        });
        return frame.Run(nullptr);
    }

    ResourceTable resources_;
    std::unique_ptr<RegistryStore> store_;
    Preferences preferences_;
};

}  // namespace velmora::testing
