// The game field: the child window that shows the running game and turns
// the player's taps and drags into engine requests.
//
// The field draws from its own view of the piles (field_view.h), never
// straight from the game state. The shell builds that view after every deal,
// restart, undo and restore with BuildView followed by PrepareCards; from then
// on the view changes only through the engine's reported updates and the
// player's own moves, which the field shows (animated when the settings ask
// for it) before telling the main window that an action is complete.
//
// Every frame is composed in a back buffer of the client size and reaches
// the screen as one whole copy, so nothing flickers.
//
// How the shell uses it:
//
//     GameField field(engine);                 // the engine stays the shell's
//     field.CreateChild(mainWindow);           // covers the main window's client area
//     field.SetSettings(settingsFromPreferences);
//     field.SetClockText([&] { return clock.clockText(); });
//     ...after a deal:  field.BuildView(); field.PrepareCards(); field.ShowField();
//     ...Show Next Move: if (auto move = engine.findMove(n)) field.ShowHint(*move);
//
// After every completed player action the field sends WM_SOL_CHECKEND
// synchronously to its parent window, exactly once; it is the last thing the
// action does, so the parent may rebuild the view in its handler.
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "card_flight.h"
#include "card_images.h"
#include "field_drawing.h"
#include "field_view.h"
#include "hit_items.h"
#include "surface.h"
#include "view_update.h"
#include "window.h"

namespace velmora {

class Engine;
struct Move;

inline constexpr std::string_view kGameFieldClass = "SolGameField";

// The play modes of the "playMode" preference, with its stored values. The
// field takes the pointer only in the first two.
enum class FieldPlayMode : std::uint8_t {
    tapping = 0,       // tap a card to select it, tap a pile to move it there
    dragAndDrop = 1,   // drag a card and the cards above it onto a pile
    keyboardCardWise = 2,
    keyboardPileWise = 3,
};

// What the field shows and how it plays, copied from the preferences by the
// shell after creating the field and after every change in the options.
struct FieldSettings {
    FieldPlayMode playMode = FieldPlayMode::dragAndDrop;
    bool animation = true;
    // 0xRRGGBB. The preferences store 0x00BBGGRR: convert before setting
    // (backgroundRgb of the shell's preferences does).
    Colour background = 0x008000;
    int cardBack = 0;        // back design 0-3; other values show design 0
    bool showTimer = true;   // draw the clock text at the bottom right
    friend bool operator==(const FieldSettings&, const FieldSettings&) = default;
};

// Gives the clock text to draw ("3:07"); an empty text draws nothing.
using ClockTextSource = std::function<std::string()>;

class GameField : public CeWnd {
public:
    // The clock font is sized from the program's screen metrics, which must
    // be set by then.
    explicit GameField(Engine& engine);
    ~GameField() override;

    // Registers the window class and creates the field as a visible child
    // covering the parent's client area.
    bool CreateChild(CeBaseWnd& parent);

    void SetSettings(const FieldSettings& settings);
    const FieldSettings& Settings() const { return settings_; }
    void SetClockText(ClockTextSource source) { clockText_ = std::move(source); }

    // A fresh view of the engine's game (none without a game); discards any
    // drag in progress. Always followed by PrepareCards.
    void BuildView();
    // Card metrics, card images and draw order for the view; clears the
    // highlight. The next repaint redraws everything.
    void PrepareCards();

    // Brings the back buffer up to date (a full redraw when something changed).
    void Repaint();
    // Marks everything changed, repaints and shows the back buffer.
    void ShowField();

    // Flashes a suggested move: the picked card four times, then its
    // destination four times, 200 ms a step; a tap flashes its pile only.
    // Leaves no card highlighted.
    void ShowHint(const Move& move);

    // Applies the engine's reported changes in order, shown one by one with
    // animation on, at once with one redraw with animation off; empties the
    // list.
    void ApplyUpdates(UpdateList& updates);
    // Moves cards [first, first + count) of the source pile to the insertion
    // index of the destination (counted after the cards have left), flying
    // them across the field in four frames when both piles are shown and
    // animation is on. Does nothing when the cards or the place do not exist.
    void FlyCards(int source, int first, int count, int destination, int insertion);

    // A drag image is on screen (the shell's once-a-second clock repaint
    // must wait), or cards are flying or a hint is flashing.
    bool IsDragging() const { return drag_.dragging; }
    bool IsAnimating() const { return animating_; }
    bool IsBusy() const { return IsDragging() || IsAnimating(); }

    // Layout queries at the current client size.
    Point PileOrigin(int pile) const;
    Point CardPosition(int pile, int index) const;
    std::optional<Hit> HitTest(Point point) const;

    const FieldView& View() const { return view_; }
    // The hit items of the last full redraw. Keyboard play freezes them while
    // its cursor moves over an unchanged field.
    HitItemList& HitItems() { return hitItems_; }
    const HitItemList& HitItems() const { return hitItems_; }
    Highlight CurrentHighlight() const { return highlight_; }
    const Surface& BackBuffer() const { return backBuffer_; }
    // How many whole frames have been copied to the screen.
    std::uint64_t FramesPresented() const { return framesPresented_; }

protected:
    bool OnCreate() override;
    void OnPaint(PaintContext& paint) override;
    bool OnLButtonDown(Point point) override;
    bool OnMouseMove(Point point) override;
    bool OnLButtonUp(Point point) override;

private:
    struct PointerState {
        bool down = false;  // a press was accepted and its release is due
        Point pressPoint;
        std::uint16_t selectedPile = kNone;
        std::uint16_t selectedCard = kNone;    // kEmptyPileItem for an empty pile
        std::uint16_t selectedCardId = kNone;  // the card picked or being dragged
        Rect hitRect;
        std::time_t firstTapTime = 0;  // when the highlighted card was selected
    };
    struct DragState {
        bool dragging = false;
        std::vector<ViewCard> lifted;  // taken off the source pile while dragged
        Point offset;                  // drag position minus pointer position
        Rect position;                 // where the drag image lies in the back buffer
        Surface image;
        Surface saveUnder;
    };

    struct CardPlace {
        std::uint16_t pile = 0;
        std::uint16_t index = 0;
    };

    ClientSize clientSize() const { return {clientRect_.width(), clientRect_.height()}; }
    bool updateBackBufferSize();
    void repaint(bool withClock);
    void redrawAll();
    void drawClock();
    void present();
    void setHighlight(std::uint16_t pile, std::uint16_t card) { highlight_ = {pile, card}; }
    void clearHighlight() { highlight_ = {}; }
    std::optional<std::uint16_t> cardIdAt(int pile, int index) const;
    Surface renderGroup(const GroupImage& group, const std::vector<ViewCard>& cards) const;

    // Pointer play.
    void select(const Hit& hit);
    bool tap(Point point);
    bool tapWithHighlight(const Hit& hit);
    void tapPileAction(int pile);
    bool press(Point point);
    void drag(Point point);
    void startDrag(Point point);
    void moveDragImage(Point topLeft);
    void release(Point point);
    bool dropOn(const std::optional<Hit>& hit);
    void endDrag();
    void cancelPointer();
    // Runs the automatic events and tells the parent window the action is
    // complete.
    void completeAction();

    // Hints.
    std::optional<CardPlace> findCard(std::uint16_t cardId) const;
    void flashPileTop(int pile);
    void flash(std::uint16_t pile, std::uint16_t card);

    Engine& engine_;
    FieldSettings settings_;
    ClockTextSource clockText_;
    FieldView view_;
    bool viewPrepared_ = false;  // metrics, images and draw order belong to the view
    HitItemList hitItems_;
    CardArt art_;
    Surface backBuffer_;
    Rect clientRect_;
    bool dirty_ = true;
    Font clockFont_;
    Highlight highlight_;
    PointerState pointer_;
    DragState drag_;
    bool animating_ = false;
    std::uint64_t framesPresented_ = 0;
};

}  // namespace velmora
