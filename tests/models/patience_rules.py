"""One game's rules as settings (see `Rules`), the cards and the building
rules the settings name."""

STOCK, WASTE, TABLEAU, CELL, RESERVE, FOUNDATION = "stock", "waste", "tableau", "cell", "reserve", "foundation"
# An empty stock left over from the deal, in games that have no stock in play.
SPENT = "spent stock"
# An empty pile after the foundations that the program keeps for its own
# bookkeeping (which pass through the stock it is on); no card goes there.
MARKER = "marker"
KEPT = "kept"


def colour(suit):
    return 0 if suit in (1, 2) else 1


def rank_step(a, b, wrap):
    """How far b's rank lies above a's: -1 for one below. With wrap the
    ranks turn the corner, so a King lies one below an Ace."""
    step = b.rank - a.rank
    return (step + 6) % 13 - 6 if wrap else step


# The suit that follows each in the cycle spades, hearts, clubs, diamonds.
NEXT_SUIT = {1: 4, 4: 2, 2: 3, 3: 1}
# Whether card b may lie on card a in a tableau pile, by building rule: the
# suits' relation and the rank steps allowed.
SUITS = {
    "suit_cycle": lambda a, b: NEXT_SUIT[a.suit] == b.suit,
    "alt": lambda a, b: colour(a.suit) != colour(b.suit),
    "suit": lambda a, b: a.suit == b.suit,
    "colour": lambda a, b: colour(a.suit) == colour(b.suit),
    "other_suit": lambda a, b: a.suit != b.suit,
    "rank": lambda a, b: True,
}
STEPS = {"": (-1,), "_up": (1,), "_updown": (-1, 1)}
BUILDS = {suits + direction: (match, steps) for suits, match in SUITS.items() for direction, steps in STEPS.items()}


def fits(build, a, b, wrap=False, step=1):
    """Whether b may lie on a; step: how many ranks apart built cards lie."""
    if build in ("none", "any"):
        return build == "any"
    match, steps = BUILDS[build]
    return match(a, b) and rank_step(a, b, wrap) in [s * step for s in steps]


def by_suit(setting, card):
    """A setting that is one number, or one number per suit."""
    return setting[card.suit] if isinstance(setting, dict) else setting


class Card:
    __slots__ = ("id", "suit", "rank", "up")

    def __init__(self, id, suit, rank, up):
        self.id, self.suit, self.rank, self.up = id, suit, rank, up

    def key(self):
        return (self.id, self.suit, self.rank, self.up)


# Every setting of a row and its value unless the row says otherwise.
DEFAULTS = dict(
    decks=1, suits=4, stock=True, waste=True, draw=1, start_waste=None, deal_to="waste", redeals=0, relay=False,
    waste_out=False, waste_size=None, stock_open=False, stock_reserve=False, deal_each=1, deal_rounds=1,
    deal_aces_out=False, short_deal=None, deal_waits=False, last_to_reserves=False, last_to_rows=False, build="alt",
    build_step=1, wrap=False, ace_high=False, walled=0, group="seq", blind=False, sources=None, space="king",
    space_single=False, fill=None, space_sources=None, fill_faces="U", lone_cards=False, onto_card_single=False,
    pile_size=None, waste_refill=False, cells=0, cell_rank=None, cell_size=1, cell_late=False, cell_sources=None,
    cell_groups=False, reserves=(), reserve_blocks=None, locked_reserves=False, waking_reserves=False,
    reserve_fill=False, foundations=None, foundation_aces=0, found_dealt=None, found_base=1, found_dir=1,
    found_build="suit", found_suit=None, found_sources=None, found_size=13, found_whole=False, found_back=False,
    found_across=False, won_rows=None, won_laid_out=False, markers=0, last_two_open=False, ranks=None,
    stock_last=False, kept_apart=False, differs=())


class Rules:
    """One game's settings.

    deal: per tableau pile a face pattern, bottom first ('d' down, 'U' up; a
    trailing '*' repeats the face before it any number of times). reserves,
    cells: the same per reserve pile and free cell (cells may be a count of
    empty ones); a cell holds cell_size cards, of cell_rank only if set (one
    rank, or a rank per cell); cell_late: cells take cards only once the stock
    is spent; cell_sources: the roles whose cards they take (default all);
    cell_groups: an empty cell takes a group as the tableau moves it, and its
    cards leave as such groups. reserve_blocks: per reserve pile, the reserve
    piles (counted among the reserves) that cover it until they are empty.
    locked_reserves: each reserve's face-down card may be turned up by a tap
    once the foundation counted alike is full; waking_reserves: while a tableau
    pile is empty, the first reserve's, or one after an empty reserve.
    reserve_fill: an empty reserve takes the waste's top card at once, turning
    the stock first if need be. foundation_aces: how many foundation cards are
    dealt, of found_base ('any': as many as the deal builds there); found_dealt
    lists their ranks when they differ. suits: suits per pack. foundations: how
    many (default one per suit and pack); found_suit: the suit of every
    foundation's first card, if one (or a suit per foundation); found_sources:
    the roles whose cards they take (default all); found_size: cards each holds
    (or a count per foundation). build: the tableau's building rule (see
    BUILDS; 'any': any card on any card, 'none': nothing); build_step: ranks
    between built cards (or one per suit); wrap: builds turn the corner.
    ace_high: in the tableau the ace ranks above the king, and goes on no card.
    walled: the cards of this many first tableau piles go onto none of the
    others. group: what moves together from the tableau: 'seq' (built by the
    rule), 'suit_seq' (down in suit), 'any' (any face-up cards) or 'single'.
    blind: a tableau card uncovered stays face down until a tap on its pile
    turns it up, and any card goes onto a face-down one. sources: the roles
    whose cards may go onto the tableau (default all). space: what an empty
    tableau pile takes: 'any', 'king', 'ace', a rank, a tuple of ranks, 'none'
    or 'below_base' (the rank below the foundations' first); space_single: one
    card only; space_sources: the roles whose cards may fill a space (default
    all). onto_card_single: only single cards go onto a tableau card, groups
    only into spaces. lone_cards: while the stock lasts, a tableau pile of one
    card takes no card, and its card goes onto no other tableau pile.
    pile_size: the most cards a tableau pile may hold. fill: what fills a space
    at once: 'waste' (its top card, turning the stock first if need be),
    'waste_top' (its top card, if any), 'stock' (its top cards, as many as
    fill_faces gives faces, the top one face up), 'reserves' (the top card of
    the longest reserve), 'reserves_then_waste' (then of the waste) or
    'from_right' (the built cards at the top of the next pile). draw: cards per
    tap to the waste, or a count per pass; deal_to 'rows', 'first' or
    'reserves' deals one card to each tableau pile, to the first one, or to
    each reserve instead, and 'none' never (the stock only fills spaces);
    deal_each: the cards each of those piles gets per tap, dealt pile by pile;
    deal_rounds: how many times a tap goes round those piles; deal_aces_out: a
    card of the foundations' first rank dealt so goes to a foundation, and the
    next card takes its place; short_deal 'middle': a last deal too short for
    every pile goes to the middle ones; deal_waits: the stock deals only while
    every tableau pile holds a card; last_to_reserves: once the stock is down
    to as many cards as there are reserves, a tap deals them there.
    last_to_rows: once the stock is down to one card per tableau pile, a tap
    deals them there. waste_refill: an empty waste takes the stock's next card
    at once. redeals: -1 unlimited. start_waste: the waste's cards after the
    deal ('any': however many the deal leaves). waste_out: the waste's top card
    goes to a foundation by itself. waste_size: the most cards the waste holds;
    the stock deals only when they fit. stock_open: the stock's top card lies
    face up and plays like a reserve's. stock_reserve: once spent, the stock
    takes single cards from anywhere and gives back its top one. relay: a tap
    on the empty stock, once per redeal, gathers the tableau and lays it out
    again in an order the model leaves to the program. Foundations start from
    found_base ('dealt': the rank of the first card on any of them; or a rank
    per foundation) and go in found_dir (1 up, -1 down, 2 by twos, 'updown'
    either way card by card; or a step per suit, or per foundation), turning
    the corner after the King, each card related to the one below by
    found_build (see SUITS; or one per foundation); found_whole: they take only
    a whole run from King down to Ace at once, built by found_build (or a
    choice per foundation); found_back: their cards may come back (with
    'stock_spent' only once the stock is). found_across: those cards may also
    go to another foundation. won_rows: the game is won with every tableau pile
    one whole suit built this way, and has no foundations. won_laid_out: the
    game has no foundations and is won with every card in the tableau (and
    every pile that holds any full, with pile_size). markers: empty bookkeeping
    piles the program lists after the foundations. last_two_open: when a deal
    to the reserves leaves two cards, one goes face up onto the waste and the
    other is turned face up in play on the stock. ranks: the ranks of a pack
    stripped of some, lowest first; the foundations climb through them in that
    order (found_size: as many). stock_last: the stock and waste are listed
    after every other pile. kept_apart: the cards of the last deal
    (last_to_reserves, last_to_rows or short_deal 'middle') lie face down on a pile of
    their own after every other, as the program keeps them, and a tap on the
    used-up stock deals them (with last_to_rows, onto the tableau). differs: points on which the program is known to
    differ (see MISMATCHES.md)."""

    def __init__(self, name, deal, **settings):
        unknown = set(settings) - set(DEFAULTS)
        if unknown:
            raise TypeError("%s: unknown settings %s" % (name, sorted(unknown)))
        self.name, self.deal = name, list(deal)
        for key, value in dict(DEFAULTS, **settings).items():
            setattr(self, key, value)
        first_draw = self.draw[0] if isinstance(self.draw, (list, tuple)) else self.draw
        if self.start_waste is None:
            self.start_waste = first_draw if self.waste else 0
        if not isinstance(self.cells, (list, tuple)):
            self.cells = [""] * self.cells
        if self.foundations is None:
            self.foundations = self.suits * self.decks
        self.reserves, self.cells, self.differs = tuple(self.reserves), list(self.cells), set(self.differs)

    def pack_ranks(self):
        return list(self.ranks or range(1, 14))

    def cards(self):
        return len(self.pack_ranks()) * self.suits * self.decks

    def roles(self):
        """Each pile's role, in the record's pile order."""
        dealing = [STOCK] * self.stock + [WASTE] * self.waste
        roles = [TABLEAU] * len(self.deal) + [RESERVE] * len(self.reserves) + [CELL] * len(self.cells)
        roles += [] if self.won_rows or self.won_laid_out else [FOUNDATION] * self.foundations
        roles += [MARKER] * self.markers
        roles += [KEPT] if self.kept_apart else []
        return roles + dealing if self.stock_last else dealing + roles

    def patterns(self):
        """The face patterns dealt to the tableau, reserves and cells, in pile order."""
        return list(self.deal) + list(self.reserves) + list(self.cells)

    def dealt(self):
        """How many cards the deal lays out of the stock."""
        laid = sum(len(p.rstrip("*")) for p in self.patterns())
        based = 0 if self.foundation_aces == "any" else self.foundation_aces
        return laid + len(self.found_dealt or [0] * based) + (0 if self.start_waste == "any" else self.start_waste)


def triangle(columns, up=1):
    """Pile i holds i face-down cards under `up` face-up ones."""
    return ["d" * i + "U" * up for i in range(columns)]
