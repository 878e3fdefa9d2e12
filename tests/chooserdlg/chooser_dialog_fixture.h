// The chooser's dialogs run over the program's own database and texts,
// plain one-colour icons of the artwork's sizes and preferences in a store on
// a temporary folder; the test drives the running dialog from the answerer.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "game_database.h"
#include "modal_answerer.h"
#include "resource_ids.h"
#include "resources.h"
#include "screen.h"
#include "select_solitaire_dialog.h"
#include "store_fixture.h"
#include "test_driver.h"
#include "text_resources.h"

namespace velmora::testing {

// Unique per bitmap id, never the transparent green or white.
constexpr Colour plainIconColour(int id) { return 0x400000 + static_cast<Colour>(id); }

inline void addPlainChooserIcons(ResourceTable& resources, BuildConfiguration configuration)
{
    const int k = configuration == BuildConfiguration::vga ? 2 : 1;
    const auto add = [&](int id, int width, int height) {  // id 0: a value without an icon
        if (id != 0)
            resources.add(kBitmapType, id,
                      encodeBitmap({width * k, height * k,
                                    std::vector<std::uint32_t>(static_cast<std::size_t>(width * height * k * k),
                                                               plainIconColour(id))}));
    };
    const int sizes[][3] = {{int(ChooserIcon::folder), 16, 15},      {int(ChooserIcon::stars), 15, 15},
                            {int(ChooserIcon::clock), 13, 15},       {int(ChooserIcon::all), 11, 13},
                            {int(ChooserIcon::favouriteStar), 16, 15}, {int(ChooserIcon::leftArrow), 12, 11},
                            {int(ChooserIcon::rightArrow), 12, 11}};
    for (const auto& [icon, width, height] : sizes)
        add(chooserIconId(static_cast<ChooserIcon>(icon), configuration), width, height);
    for (int value = 1; value <= 10; ++value) {
        add(categoryIconId(value, configuration), 16, 15);
        add(skillIconId(value, configuration), 10 * value, 15);
        add(timeIconId(value, configuration), 11, 15);
    }
}

// The chooser, with the test standing in for its controls' events.
class ChooserUnderTest : public SelectSolitaireContent {
public:
    using SelectSolitaireContent::SelectSolitaireContent;
    bool Notify(int id, ControlEvent event, int key = 0) { return OnNotify(ControlNotification{id, event, -1, key}); }
    void PressKey(int id, int key) { Notify(id, ControlEvent::key, key); }
    void Command(int id) { Frame()->Command(id); }
    // A tap on a row of a list.
    void Choose(int id, int row)
    {
        SetSelection(id, row);
        Notify(id, id == chooser_control::kGameList ? ControlEvent::selectionChanged : ControlEvent::activated);
    }
    std::vector<int> Listed() const
    {
        std::vector<int> values;
        for (int row = 0; row < ItemCount(chooser_control::kGameList); ++row)
            values.push_back(static_cast<int>(ItemValue(chooser_control::kGameList, row)));
        return values;
    }
    int RowOf(std::string_view name) const
    {
        const std::vector<int> values = Listed();
        for (std::size_t row = 0; row < values.size(); ++row)
            if (const CatalogueEntry* entry = Games().entry(values[row]); entry && entry->name == name)
                return static_cast<int>(row);
        return -1;
    }
    int SelectedRow() const { return Selection(chooser_control::kGameList); }
    bool FavouriteShown() const { return IsControlVisible(chooser_control::kFavouriteButton); }
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

    // drive answers each round with a command (asked again while the dialog
    // stays open); one that ended the dialog itself answers 0.
    int RunChooser(const std::function<int(ChooserUnderTest&, int attempt)>& drive)
    {
        ChooserUnderTest content(preferences_, resources_);
        DialogFrame frame(content, 0, ids::kBarSelectSolitaire);
        ScopedModalAnswerer answerer([&](const ModalRequest& request) -> std::optional<int> {
            if (request.dialog != &frame)
                return std::nullopt;
            if (request.attempt == 0)
                processEvents();  // the dialog just shown becomes the active window
            return drive(content, request.attempt);
        });
        return frame.Run(nullptr);
    }

    ResourceTable resources_;
    std::unique_ptr<RegistryStore> store_;
    Preferences preferences_;
};

}  // namespace velmora::testing
