// Keyboard play on the field window with real games: the cursor walks real
// layouts with the direction keys and Return plays the moves, the field
// showing every step.
#include <set>

#include "engine_fixture.h"
#include "field_window_fixture.h"
#include "game_fixture.h"
#include "klondike_record.h"
#include "test_driver.h"

namespace velmora::testing {
namespace {

constexpr Colour kCursorBlue = 0x0000FF;
constexpr CursorPlace kNoCursor{kNone, kNone};

FieldSettings keyboard(FieldPlayMode mode)
{
    FieldSettings settings;
    settings.playMode = mode;
    settings.animation = false;
    return settings;
}

class KeyboardPlay : public FieldWindowTest {
protected:
    void openGame(const std::string& name, GameNumber number, FieldPlayMode mode)
    {
        dealEmbeddedGame(engine, name, number);
        startPlay(mode);
    }

    // Shows the dealt game and asks for the source candidates, as the main
    // window does after a deal and after every completed action.
    void startPlay(FieldPlayMode mode, int width = 240, int height = 294)
    {
        openField(width, height, keyboard(mode));
        showGame();
        mainWindow.onCheckEnd = [this] {
            field.FindCandidates(CandidatePurpose::source);
            field.ShowField();
        };
        field.FindCandidates(CandidatePurpose::source);
        field.ShowField();
    }

    CursorPlace cursor() const { return field.Finder().CursorTarget().value_or(kNoCursor); }

    // Walks Right and then Down until the cursor is on the place.
    bool walkTo(CursorPlace place)
    {
        for (const CursorDirection direction : {CursorDirection::right, CursorDirection::down})
            for (int press = 0; press < 80 && cursor() != place; ++press)
                field.MoveCursor(direction);
        return cursor() == place;
    }

    // The top card of the pile, or its empty place.
    CursorPlace topOf(int pile) const
    {
        const int count = field.View().piles[static_cast<std::size_t>(pile)].count();
        return CursorPlace{static_cast<std::uint16_t>(pile),
                           count > 0 ? static_cast<std::uint16_t>(count - 1) : kEmptyPileItem};
    }

    CursorPlace placeOfCard(int cardId) const
    {
        const Place place = placeOf(cardId);
        return CursorPlace{static_cast<std::uint16_t>(place.pile), static_cast<std::uint16_t>(place.index)};
    }

    // A move by the action key: the card, then the destination's top.
    void playByKeys(int cardId, int pile)
    {
        ASSERT_TRUE(walkTo(placeOfCard(cardId))) << "card " << cardId;
        field.ActionKey();
        ASSERT_EQ(field.CurrentHighlight().pile, placeOf(cardId).pile);
        ASSERT_TRUE(walkTo(topOf(pile))) << "pile " << pile;
        field.ActionKey();
    }

    // The two-pixel blue outline lies round the cursor item's visible part.
    void expectCursorDrawn()
    {
        const std::optional<Rect> rect = field.Finder().CursorRect();
        ASSERT_TRUE(rect.has_value());
        const Surface& buffer = field.BackBuffer();
        for (const Point corner : {Point{rect->left, rect->top}, Point{rect->right, rect->top},
                                   Point{rect->left, rect->bottom}, Point{rect->right, rect->bottom}})
            for (const Point at : {Point{corner.x - 1, corner.y - 1}, corner})
                EXPECT_EQ(buffer.Pixel(at.x, at.y), kCursorBlue) << at.x << "," << at.y;
        EXPECT_EQ(buffer.Pixel((rect->left + rect->right) / 2, rect->top), kCursorBlue);
        EXPECT_NE(buffer.Pixel((rect->left + rect->right) / 2, rect->top + 2), kCursorBlue);
    }

    std::optional<Move> topCardMove() { return firstTopCardMove(engine); }
};

TEST_F(KeyboardPlay, KlondikeCardWiseShowsTheCursorOnCandidatesAndPlaysAMoveWithReturn)
{
    openGame("Klondike", 2, FieldPlayMode::keyboardCardWise);
    ASSERT_TRUE(field.HasNavigationLists());
    expectCursorDrawn();
    // Right runs through every row entry, each a card that may be picked up
    // or a pile that taps.
    const CursorPlace first = cursor();
    int entries = 0;
    do {
        const CursorPlace at = cursor();
        const std::uint16_t id = engine.cardAt(at.pile, at.card);
        EXPECT_TRUE((id != kNone && engine.canPickUp(id)) || engine.canTap(at.pile)) << at.pile << "/" << at.card;
        field.MoveCursor(CursorDirection::right);
        ++entries;
    } while (cursor() != first && entries < 40);
    EXPECT_EQ(cursor(), first);
    EXPECT_GE(entries, 8);  // stock and seven columns at least
    expectCursorDrawn();

    const std::optional<Move> move = topCardMove();
    ASSERT_TRUE(move.has_value());
    playByKeys(move->card, move->destination);
    EXPECT_EQ(engine.state().cards[move->card].pile, move->destination);
    EXPECT_EQ(mainWindow.checkEnds, 1);
    EXPECT_EQ(field.CurrentHighlight().pile, kNone);
    expectViewMatchesEngine();
    // The player chooses a source again, the cursor where the card went.
    EXPECT_TRUE(field.HasNavigationLists());
    EXPECT_EQ(cursor().pile, move->destination);
    expectCursorDrawn();
}

TEST_F(KeyboardPlay, KlondikePileWiseDealsFromTheStockAndMovesACard)
{
    openGame("Klondike", 2, FieldPlayMode::keyboardPileWise);
    ASSERT_TRUE(walkTo(topOf(kStock)));
    const int waste = field.View().piles[kWaste].count();
    field.ActionKey();  // a face-down card that cannot be picked up: the stock's tap
    EXPECT_EQ(field.View().piles[kWaste].count(), waste + 3);
    EXPECT_EQ(mainWindow.checkEnds, 1);
    expectViewMatchesEngine();

    const std::optional<Move> move = topCardMove();
    ASSERT_TRUE(move.has_value());
    playByKeys(move->card, move->destination);
    EXPECT_EQ(engine.state().cards[move->card].pile, move->destination);
    EXPECT_EQ(mainWindow.checkEnds, 2);
    expectViewMatchesEngine();
}

TEST_F(KeyboardPlay, WhileChoosingADestinationReturnOnAnotherCardOfThePileOrLateOnTheCardDeselects)
{
    openGame("Klondike", 2, FieldPlayMode::keyboardPileWise);
    const std::optional<Move> move = topCardMove();
    ASSERT_TRUE(move.has_value());
    ASSERT_TRUE(walkTo(placeOfCard(move->card)));
    field.ActionKey();
    ASSERT_NE(field.CurrentHighlight().pile, kNone);
    // Pile-wise, the cursor rests only on the highlighted card and on tops.
    for (int press = 0; press < 20; ++press) {
        const CursorPlace at = cursor();
        EXPECT_TRUE(at == placeOfCard(move->card) || at == topOf(at.pile)) << at.pile << "/" << at.card;
        field.MoveCursor(press % 2 ? CursorDirection::down : CursorDirection::right);
    }
    ASSERT_TRUE(walkTo(placeOfCard(move->card)));
    clock.advanceSeconds(2);
    field.ActionKey();
    EXPECT_EQ(field.CurrentHighlight().pile, kNone);
    EXPECT_EQ(mainWindow.checkEnds, 0);
    EXPECT_TRUE(field.HasNavigationLists());
    EXPECT_EQ(cursor(), placeOfCard(move->card));
}

// The first tableau pile's tap deals from the stock, so a tap shows.
class TappingTableau : public KeyboardPlay {
protected:
    // Deals the first number whose first tableau card has a destination or
    // not, as asked.
    void dealWhereFirstColumn(bool hasDestination)
    {
        GameDefinition definition = klondikeDefinition();
        definition.piles[kFirstTableau].tapKey = kDealKey;
        for (GameNumber number = 1; number < 200; ++number) {
            dealGame(engine, definition, number);
            const std::uint16_t card = engine.topCard(kFirstTableau);
            bool destination = false;
            for (int pile = 0; pile < definition.pileCount(); ++pile)
                destination = destination || (pile != kFirstTableau && engine.canDrop(card, pile));
            if (destination == hasDestination)
                return;
        }
        FAIL() << "no such deal";
    }
};

TEST_F(TappingTableau, ReturnOnACardWithNowhereToGoFiresItsPilesTap)
{
    dealWhereFirstColumn(false);
    startPlay(FieldPlayMode::keyboardCardWise);
    ASSERT_TRUE(walkTo(topOf(kFirstTableau)));
    const int waste = field.View().piles[kWaste].count();
    field.ActionKey();
    EXPECT_EQ(field.View().piles[kWaste].count(), waste + 3);
    EXPECT_EQ(field.CurrentHighlight().pile, kNone);
    EXPECT_EQ(mainWindow.checkEnds, 1);
}

TEST_F(KeyboardPlay, ReturnOnACardWithNowhereToGoAndNoTapLeavesThePlayerChoosingASource)
{
    openGame("Klondike", 2, FieldPlayMode::keyboardCardWise);
    // A tableau top that fits nowhere.
    std::optional<CursorPlace> stuck;
    for (int pile = kFirstTableau; pile < kFirstTableau + 7 && !stuck; ++pile) {
        const std::uint16_t card = engine.topCard(pile);
        bool destination = false;
        for (int target = 0; target < engine.definition().pileCount(); ++target)
            destination = destination || (target != pile && engine.canDrop(card, target));
        if (!destination)
            stuck = topOf(pile);
    }
    ASSERT_TRUE(stuck.has_value());
    ASSERT_TRUE(walkTo(*stuck));
    const std::vector<HitItem> before = field.HitItems().items();
    field.ActionKey();
    EXPECT_EQ(field.CurrentHighlight().pile, kNone);
    EXPECT_EQ(mainWindow.checkEnds, 0);
    EXPECT_TRUE(field.HasNavigationLists());
    EXPECT_EQ(cursor(), *stuck);
    EXPECT_EQ(field.HitItems().items(), before);  // the source candidates are back
}

TEST_F(TappingTableau, ASecondReturnOnTheCardWithinTwoSecondsTapsItsPileAndLaterOnlyDeselects)
{
    dealWhereFirstColumn(true);
    startPlay(FieldPlayMode::keyboardCardWise);
    ASSERT_TRUE(walkTo(topOf(kFirstTableau)));
    const int waste = field.View().piles[kWaste].count();
    field.ActionKey();
    ASSERT_EQ(field.CurrentHighlight().pile, kFirstTableau);
    ASSERT_EQ(cursor(), topOf(kFirstTableau));  // the card itself is a candidate
    expectCursorDrawn();
    clock.advanceMilliseconds(1999);
    field.ActionKey();
    EXPECT_EQ(field.View().piles[kWaste].count(), waste + 3);
    EXPECT_EQ(field.CurrentHighlight().pile, kNone);
    EXPECT_EQ(mainWindow.checkEnds, 1);

    ASSERT_TRUE(walkTo(topOf(kFirstTableau)));
    field.ActionKey();
    ASSERT_EQ(field.CurrentHighlight().pile, kFirstTableau);
    clock.advanceSeconds(2);
    field.ActionKey();
    EXPECT_EQ(field.CurrentHighlight().pile, kNone);
    EXPECT_EQ(field.View().piles[kWaste].count(), waste + 3);
    EXPECT_EQ(mainWindow.checkEnds, 1);
}

TEST_F(KeyboardPlay, FreeCellCardWisePutsAColumnsTopCardIntoAFreeCell)
{
    openGame("FreeCell", 1, FieldPlayMode::keyboardCardWise);
    constexpr int kFirstCell = 8;
    const std::uint16_t card = engine.topCard(0);
    ASSERT_TRUE(engine.canDrop(card, kFirstCell + 1));
    playByKeys(card, kFirstCell + 1);
    EXPECT_EQ(engine.state().cards[card].pile, kFirstCell + 1);
    EXPECT_EQ(mainWindow.checkEnds, 1);
    expectViewMatchesEngine();
    // Down from a column's top card goes on to the next column; Up comes back.
    ASSERT_TRUE(walkTo(topOf(2)));
    const CursorPlace top = cursor();
    field.MoveCursor(CursorDirection::down);
    EXPECT_NE(cursor().pile, top.pile);
    field.MoveCursor(CursorDirection::up);
    EXPECT_EQ(cursor(), top);
}

TEST_F(KeyboardPlay, SpiderPileWiseVisitsEveryColumnAndDealsWithReturnOnTheStock)
{
    openGame("Spider", 3, FieldPlayMode::keyboardPileWise);
    const int piles = engine.definition().pileCount();
    int stock = -1;
    for (int pile = 0; pile < piles; ++pile)
        if (field.View().piles[static_cast<std::size_t>(pile)].count() == 50)
            stock = pile;
    ASSERT_GE(stock, 0);
    std::set<int> visited;
    for (int press = 0; press < 30; ++press) {
        visited.insert(cursor().pile);
        field.MoveCursor(CursorDirection::right);
    }
    for (int column = 0; column < 10; ++column)
        EXPECT_EQ(visited.count(column), 1u) << "column " << column;
    EXPECT_EQ(visited.count(stock), 1u);

    ASSERT_TRUE(walkTo(topOf(stock)));
    field.ActionKey();
    EXPECT_EQ(field.View().piles[static_cast<std::size_t>(stock)].count(), 40);
    EXPECT_EQ(mainWindow.checkEnds, 1);
    expectViewMatchesEngine();
}

// Klondike with its columns fanned upwards from the bottom of the field.
class UpwardFans : public KeyboardPlay {
protected:
    void SetUp() override
    {
        KeyboardPlay::SetUp();
        GameDefinition definition = klondikeDefinition();
        for (int k = 0; k < 7; ++k) {
            PileDefinition& column = definition.piles[static_cast<std::size_t>(kFirstTableau + k)];
            column.spread = static_cast<std::uint8_t>(Spread::up);
            column.y = 140;
            column.yAnchor = static_cast<std::uint8_t>(Anchor::FromFarEdge);
        }
        dealGame(engine, definition, 2);
        // A run of three on the second column, face up, and a black King
        // alone on the third.
        arrangeBoard(engine,
                     {{kFirstTableau + 1, {klondikeCard(1, 13), klondikeCard(4, 12), klondikeCard(2, 11)}},
                      {kFirstTableau + 2, {klondikeCard(2, 13)}}},
                     kStock);
    }
};

TEST_F(UpwardFans, UpWalksUpTheFanAndDownBackAndOffThePile)
{
    startPlay(FieldPlayMode::keyboardPileWise);
    const int column = kFirstTableau + 1;
    ASSERT_TRUE(walkTo(CursorPlace{static_cast<std::uint16_t>(column), 0}));
    ASSERT_EQ(field.Finder().Span(column)->lowestSelectable, 0);
    field.MoveCursor(CursorDirection::up);
    EXPECT_EQ(cursor(), (CursorPlace{static_cast<std::uint16_t>(column), 1}));
    field.MoveCursor(CursorDirection::up);
    EXPECT_EQ(cursor(), (CursorPlace{static_cast<std::uint16_t>(column), 2}));
    field.MoveCursor(CursorDirection::up);
    EXPECT_NE(cursor().pile, column);  // the top card leaves the pile
    ASSERT_TRUE(walkTo(CursorPlace{static_cast<std::uint16_t>(column), 1}));
    field.MoveCursor(CursorDirection::down);
    EXPECT_EQ(cursor(), (CursorPlace{static_cast<std::uint16_t>(column), 0}));
    field.MoveCursor(CursorDirection::down);
    EXPECT_NE(cursor().pile, column);  // and so does the bottom one
    expectCursorDrawn();
}

TEST_F(UpwardFans, ReturnMovesAWholeRunOntoAnotherColumn)
{
    startPlay(FieldPlayMode::keyboardCardWise);
    const int queen = klondikeCard(4, 12);
    playByKeys(queen, kFirstTableau + 2);
    EXPECT_EQ(engine.state().cards[queen].pile, kFirstTableau + 2);
    EXPECT_EQ(field.View().piles[kFirstTableau + 2].count(), 3);
    EXPECT_EQ(mainWindow.checkEnds, 1);
    expectViewMatchesEngine();
}

TEST_F(UpwardFans, AResizedFieldRebuildsTheSpansAtTheNewPlaces)
{
    startPlay(FieldPlayMode::keyboardPileWise);
    const int column = kFirstTableau + 2;
    ASSERT_TRUE(walkTo(topOf(column)));
    field.SetWindowRect(Rect{0, 0, 240, 250});
    field.ShowField();
    EXPECT_EQ(cursor(), topOf(column));
    const Point corner = field.CardPosition(column, 0);
    EXPECT_EQ(field.Finder().Span(column)->rect.top, corner.y);
    EXPECT_EQ(field.Finder().KeptCursorPosition(), corner);
    expectCursorDrawn();
}

TEST_F(KeyboardPlay, ATurnedFieldKeepsTheCursorOnItsCard)
{
    openGame("Klondike", 2, FieldPlayMode::keyboardCardWise);
    const CursorPlace lastColumn = topOf(kFirstTableau + 6);
    ASSERT_TRUE(walkTo(lastColumn));
    field.SetWindowRect(Rect{0, 0, 320, 240});
    field.ShowField();
    EXPECT_EQ(cursor(), lastColumn);
    const Point corner = field.CardPosition(lastColumn.pile, lastColumn.card);
    EXPECT_EQ(field.Finder().CursorRect()->left, corner.x);
    expectCursorDrawn();
}

TEST_F(KeyboardPlay, AHintLeavesThePlayerChoosingASource)
{
    openGame("Klondike", 2, FieldPlayMode::keyboardCardWise);
    const std::optional<Move> move = topCardMove();
    ASSERT_TRUE(move.has_value());
    ASSERT_TRUE(walkTo(placeOfCard(move->card)));
    field.ActionKey();
    ASSERT_NE(field.CurrentHighlight().pile, kNone);
    field.ShowHint(*move);
    EXPECT_EQ(field.CurrentHighlight().pile, kNone);
    ASSERT_TRUE(field.HasNavigationLists());
    // Source candidates again: the stock, which only taps, is one.
    EXPECT_TRUE(walkTo(topOf(kStock)));
}

TEST_F(KeyboardPlay, PointerModesHaveNoListsAndNoCursor)
{
    openGame("Klondike", 2, FieldPlayMode::keyboardCardWise);
    ASSERT_TRUE(field.HasNavigationLists());
    field.SetSettings(keyboard(FieldPlayMode::tapping));
    EXPECT_FALSE(field.HasNavigationLists());
    field.FindCandidates(CandidatePurpose::source);
    field.ShowField();
    EXPECT_FALSE(field.HasNavigationLists());
    const Surface& buffer = field.BackBuffer();
    for (int y = 0; y < buffer.Height(); ++y)
        for (int x = 0; x < buffer.Width(); ++x)
            ASSERT_NE(buffer.Pixel(x, y), kCursorBlue) << x << "," << y;
}

}  // namespace
}  // namespace velmora::testing
