#include "field_window_fixture.h"

#include "artwork_entries.h"
#include "card_flight.h"
#include "game_fixture.h"
#include "resources.h"
#include "screen.h"
#include "test_driver.h"

namespace velmora::testing {

void addConfigurationArtwork(ResourceTable& resources, BuildConfiguration configuration)
{
    const auto entries =
        configuration == BuildConfiguration::vga ? artwork::vgaEntries() : artwork::standardEntries();
    for (const artwork::Entry& entry : entries)
        resources.addStatic(entry.type, entry.id, entry.bytes);
}

std::optional<LResult> MainWindowDouble::OnMessage(const Message& message)
{
    if (message.id != WM_SOL_CHECKEND)
        return std::nullopt;
    ++checkEnds;
    if (onCheckEnd)
        onCheckEnd();
    return 0;
}

void FieldWindowTest::SetUp()
{
    ensureApplication();
    setProgramClock(&clock);
    setProgramResources(&resources);
    useConfiguration(ScreenMetrics{96, 96, BuildConfiguration::standard});
}

void FieldWindowTest::TearDown()
{
    field.Destroy();
    mainWindow.Destroy();
    processEvents();
    setProgramResources(nullptr);
    setProgramClock(nullptr);
}

void FieldWindowTest::useConfiguration(const ScreenMetrics& screen)
{
    setScreenMetrics(screen);
    addConfigurationArtwork(resources, screen.configuration);
}

void FieldWindowTest::openField(int width, int height, const FieldSettings& settings)
{
    RegisterWindowClass(WindowClass{"VelmoraFieldTestMain", 0xFFFFFF, 0});
    ASSERT_TRUE(mainWindow.Create("VelmoraFieldTestMain", "Velmora", nullptr, Rect::fromSize(0, 0, width, height)));
    ASSERT_TRUE(field.CreateChild(mainWindow));
    field.SetSettings(settings);
    processEvents();
}

void FieldWindowTest::showGame()
{
    field.BuildView();
    field.PrepareCards();
    field.ShowField();
    art.Prepare(resources, screenMetrics(), field.View().card, field.View().largeCards);
}

void FieldWindowTest::openKlondike(GameNumber number, const FieldSettings& settings, int width, int height)
{
    dealEmbeddedGame(engine, "Klondike", number);
    openField(width, height, settings);
    showGame();
}

Point FieldWindowTest::pointOn(int pile, int card)
{
    for (const HitItem& item : field.HitItems().items()) {
        if (item.pile != pile || item.card != card)
            continue;
        for (int y = item.rect.top; y < item.rect.bottom; ++y)
            for (int x = item.rect.left; x < item.rect.right; ++x) {
                const std::optional<Hit> hit = field.HitTest({x, y});
                if (hit && hit->pile == pile && hit->card == card)
                    return {x, y};
            }
    }
    ADD_FAILURE() << "no point hits card " << card << " of pile " << pile;
    return {-1, -1};
}

Point FieldWindowTest::pointOnTop(int pile)
{
    const int count = field.View().piles[static_cast<std::size_t>(pile)].count();
    return pointOn(pile, count > 0 ? count - 1 : kEmptyPileItem);
}

FieldWindowTest::Place FieldWindowTest::placeOf(int cardId) const
{
    const FieldView& view = field.View();
    for (int p = 0; p < view.pileCount(); ++p)
        for (int i = 0; i < view.piles[static_cast<std::size_t>(p)].count(); ++i)
            if (view.piles[static_cast<std::size_t>(p)].cards[static_cast<std::size_t>(i)].cardId == cardId)
                return {p, i};
    return {};
}

void FieldWindowTest::tapMove(int cardId, int pile)
{
    const Place from = placeOf(cardId);
    ASSERT_GE(from.pile, 0) << "card " << cardId << " is not on the field";
    tap(field, pointOn(from.pile, from.index));
    tap(field, pointOnTop(pile));
}

void FieldWindowTest::dragMove(int cardId, int pile)
{
    const Place from = placeOf(cardId);
    ASSERT_GE(from.pile, 0) << "card " << cardId << " is not on the field";
    const Point press = pointOn(from.pile, from.index);
    const Point target = pointOnTop(pile);
    // The drop point lies half a card right of and below the drag image's
    // corner, which starts where the picked card is drawn in the image.
    const ViewPile& source = field.View().piles[static_cast<std::size_t>(from.pile)];
    const GroupImage group = groupImage(field.View().card, source.spread, source.count() - from.index);
    const std::optional<Hit> picked = field.HitTest(press);
    ASSERT_TRUE(picked.has_value());
    const Point corner{picked->rect.left - group.pickedOffset.x, picked->rect.top - group.pickedOffset.y};
    const Point dropPoint{corner.x + field.View().card.width / 2, corner.y + field.View().card.height / 2};
    // The image keeps the distance to the pointer that the card had at the press.
    const Point start{press.x + 10, press.y + 10};
    const Point end{press.x + target.x - dropPoint.x, press.y + target.y - dropPoint.y};
    pointerDown(field, press);
    pointerMove(field, start);
    pointerMove(field, end);
    pointerUp(field, end);
}

void FieldWindowTest::tapPile(int pile) { tap(field, pointOnTop(pile)); }

void FieldWindowTest::expectViewMatchesEngine()
{
    const FieldView& view = field.View();
    ASSERT_EQ(view.pileCount(), engine.definition().pileCount());
    for (int p = 0; p < view.pileCount(); ++p) {
        const std::vector<std::uint16_t>& ids = engine.cardsOn(p);
        const ViewPile& pile = view.piles[static_cast<std::size_t>(p)];
        ASSERT_EQ(pile.count(), static_cast<int>(ids.size())) << "pile " << p;
        for (int i = 0; i < pile.count(); ++i) {
            const ViewCard& card = pile.cards[static_cast<std::size_t>(i)];
            EXPECT_EQ(card.cardId, ids[static_cast<std::size_t>(i)]) << "pile " << p << " card " << i;
            EXPECT_EQ(card.faceUp, engine.state().cards[card.cardId].faceUp != 0) << "pile " << p << " card " << i;
        }
    }
}

bool FieldWindowTest::bufferShows(Point at, const Surface& image) const
{
    const Surface& buffer = field.BackBuffer();
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (buffer.Pixel(at.x + x, at.y + y) != image.Pixel(x, y))
                return false;
    return true;
}

}  // namespace velmora::testing
