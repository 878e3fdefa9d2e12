"""A model of the standard rules shared by the Klondike and Yukon families:
a stock dealing to a waste (or to the rows), tableau piles built down, free
cells, open reserves and foundations built up in suit. Each game is one row
of settings (see `Rules`); the model keeps its own position and says which
steps are legal and what each step does."""

STOCK, WASTE, TABLEAU, CELL, RESERVE, FOUNDATION = "stock", "waste", "tableau", "cell", "reserve", "foundation"
# An empty stock left over from the deal, in games that have no stock in play.
SPENT = "spent stock"


def colour(suit):
    return 0 if suit in (1, 2) else 1


def rank_step(a, b, wrap):
    """How far b's rank lies above a's: -1 for one below. With wrap the
    ranks turn the corner, so a King lies one below an Ace."""
    step = b.rank - a.rank
    return (step + 6) % 13 - 6 if wrap else step


# Whether card b may lie on card a in a tableau pile, by building rule: the
# suits' relation and the rank steps allowed.
SUITS = {
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
    if build == "none":
        return False
    match, steps = BUILDS[build]
    return match(a, b) and rank_step(a, b, wrap) in [s * step for s in steps]


def by_suit(setting, card):
    """A setting that is one number, or one number per suit."""
    return setting[card.suit] if isinstance(setting, dict) else setting


# The piles a tap deals one card each to, by the `deal_to` setting.
DEALT_PILES = {
    "rows": lambda model: model.of(TABLEAU),
    "first": lambda model: model.of(TABLEAU)[:1],
    "reserves": lambda model: model.of(RESERVE),
}
# The rank an empty tableau pile takes, by the `space` setting.
SPACE_RANKS = {"king": 13, "ace": 1}


class Card:
    __slots__ = ("id", "suit", "rank", "up")

    def __init__(self, id, suit, rank, up):
        self.id, self.suit, self.rank, self.up = id, suit, rank, up

    def key(self):
        return (self.id, self.suit, self.rank, self.up)


class Rules:
    """One game's settings.

    deal: per tableau pile a face pattern, bottom first ('d' down, 'U' up; a
    trailing '*' repeats the face before it any number of times). reserves,
    cells: the same per reserve pile and free cell (cells may be a count of
    empty ones); a cell holds cell_size cards, of cell_rank only if set.
    foundation_aces: how many foundation cards are dealt, of found_base
    ('any': as many as the deal turns up);
    found_dealt lists their ranks when they differ. suits: suits per pack.
    foundations: how many (default one per suit and pack); found_suit: the
    suit of every foundation's first card, if one; found_size: cards each
    holds, more than 13 built whatever the suits.
    build: the tableau's building rule (see BUILDS); build_step: ranks
    between built cards (or one per suit); wrap: builds turn the corner.
    group: what moves together from the tableau: 'seq' (built by the rule),
    'suit_seq' (down in suit), 'any' (any face-up cards) or 'single'.
    sources: the roles whose cards may go onto the tableau (default all).
    space: what an empty tableau pile takes: 'any', 'king', 'ace', 'none' or
    'below_base' (the rank below the foundations' first); space_single: one
    card only. fill: what fills a space at once: 'waste' (its top card,
    turning the stock first if need be) or 'from_right' (the built cards
    at the top of the next pile).
    draw: cards per tap to the waste, or a count per pass; deal_to 'rows',
    'first' or 'reserves' deals one card to each tableau pile, to the first
    one, or to each reserve instead. redeals: -1 unlimited.
    Foundations start from found_base ('dealt': the rank of the first card
    on any of them) and go in found_dir (1 up, -1 down, 2 by twos; or a step
    per suit), turning the corner after the King; found_whole: they take
    only a whole suit from King down to Ace at once; found_back: their
    cards may come back. won_rows: the game is won with every tableau pile
    one whole suit built this way, and has no foundations.
    differs: points on which the program is known to differ (see
    MISMATCHES.md)."""

    def __init__(self, name, deal, decks=1, stock=True, waste=True, draw=1, start_waste=None, deal_to="waste",
                 redeals=0, build="alt", wrap=False, group="seq", space="king", cells=0, reserves=(),
                 foundation_aces=0, found_base=1, found_dir=1, found_dealt=None, found_whole=False, found_back=False,
                 build_step=1, sources=None, suits=4, won_rows=None, cell_rank=None, cell_size=1, fill=None,
                 space_single=False, foundations=None, found_suit=None, found_size=13, differs=()):
        self.name, self.deal, self.decks = name, list(deal), decks
        self.stock, self.waste, self.draw, self.deal_to = stock, waste, draw, deal_to
        first_draw = draw[0] if isinstance(draw, (list, tuple)) else draw
        self.start_waste = (first_draw if waste else 0) if start_waste is None else start_waste
        self.redeals, self.build, self.wrap, self.group, self.space = redeals, build, wrap, group, space
        self.cells = list(cells) if isinstance(cells, (list, tuple)) else [""] * cells
        self.reserves, self.foundation_aces = tuple(reserves), foundation_aces
        self.found_base, self.found_dir, self.found_whole = found_base, found_dir, found_whole
        self.found_dealt = found_dealt
        self.found_back, self.differs = found_back, set(differs)
        self.build_step, self.sources, self.suits, self.won_rows = build_step, sources, suits, won_rows
        self.cell_rank, self.cell_size = cell_rank, cell_size
        self.fill, self.space_single = fill, space_single
        self.foundations = self.suits * decks if foundations is None else foundations
        self.found_suit, self.found_size = found_suit, found_size

    def cards(self):
        return 13 * self.suits * self.decks

    def roles(self):
        """Each pile's role, in the record's pile order."""
        roles = []
        if self.stock:
            roles.append(STOCK)
        if self.waste:
            roles.append(WASTE)
        roles += [TABLEAU] * len(self.deal) + [RESERVE] * len(self.reserves) + [CELL] * len(self.cells)
        return roles + ([] if self.won_rows else [FOUNDATION] * self.foundations)

    def patterns(self):
        """The face patterns dealt to the tableau, reserves and cells, in pile order."""
        return list(self.deal) + list(self.reserves) + list(self.cells)

    def dealt(self):
        """How many cards the deal lays out of the stock."""
        laid = sum(len(p.rstrip("*")) for p in self.patterns())
        based = 0 if self.foundation_aces == "any" else self.foundation_aces
        return laid + len(self.found_dealt or [0] * based) + self.start_waste


def triangle(columns, up=1):
    """Pile i holds i face-down cards under `up` face-up ones."""
    return ["d" * i + "U" * up for i in range(columns)]


class Model:
    def __init__(self, rules, cards):
        """cards: the program's opening position, one list of Card per pile."""
        self.rules = rules
        self.roles = rules.roles()
        if not rules.stock and len(cards) == len(self.roles) + 1 and not cards[0]:
            self.roles.insert(0, SPENT)
        self.piles = cards
        self.redeals_left = rules.redeals
        self.passes = 0

    @property
    def base(self):
        """The rank every foundation starts from: a fixed rank, or with
        found_base 'dealt' the rank of the first card on any foundation
        (None while they are all empty)."""
        if self.rules.found_base != "dealt":
            return self.rules.found_base
        return next((self.piles[i][0].rank for i in self.of(FOUNDATION) if self.piles[i]), None)

    def of(self, role):
        return [i for i, r in enumerate(self.roles) if r == role]

    def deal_problems(self):
        """What is wrong with the opening position's shape, as sentences."""
        r, out = self.rules, []
        if len(self.piles) != len(self.roles):
            return ["%d piles, expected %d" % (len(self.piles), len(self.roles))]
        ids = [c.id for p in self.piles for c in p]
        if len(ids) != len(set(ids)) or len(ids) != r.cards():
            out.append("%d cards (%d distinct), expected %d" % (len(ids), len(set(ids)), r.cards()))
        faces = sorted((c.suit, c.rank) for p in self.piles for c in p)
        suits = sorted({suit for suit, _ in faces})
        if len(suits) != r.suits or faces != sorted([(s, k) for s in suits for k in range(1, 14)] * r.decks):
            out.append("the cards are not %d pack(s) of %d suits" % (r.decks, r.suits))
        for i, pattern in zip(self.of(TABLEAU) + self.of(RESERVE) + self.of(CELL), r.patterns()):
            got = "".join("U" if c.up else "d" for c in self.piles[i])
            # A pattern ending in '*' repeats its last face any number of times.
            if got != pattern and not (pattern.endswith("*") and got.rstrip(pattern[-2]) == pattern[:-2]):
                out.append("pile %d dealt %s, expected %s" % (i, got, pattern))
        if r.waste and len(self.piles[self.of(WASTE)[0]]) != r.start_waste:
            out.append("waste starts with %d cards, expected %d" % (len(self.piles[1]), r.start_waste))
        if r.stock and any(c.up for c in self.piles[0]):
            out.append("a stock card is face up")
        found = [c for i in self.of(FOUNDATION) for c in self.piles[i]]
        dealt = len(found) if r.foundation_aces == "any" else r.foundation_aces
        expected = r.found_dealt or [self.base] * dealt
        if sorted(c.rank for c in found) != sorted(expected):
            out.append("foundations start with %s" % [(c.suit, c.rank) for c in found])
        return out

    # ---- legality ----
    def can_tap(self):
        if not self.rules.stock:
            return False
        if self.piles[0]:
            return True
        return self.rules.deal_to == "waste" and bool(self.piles[1]) and self.redeals_left != 0

    def group_ok(self, group):
        if not all(c.up for c in group):
            return False
        kind = self.rules.group
        if kind == "single":
            return len(group) == 1
        if kind == "any":
            return True
        return self.in_sequence(group, self.rules.build if kind == "seq" else "suit")

    def in_sequence(self, cards, build):
        r = self.rules
        return all(fits(build, a, b, r.wrap, by_suit(r.build_step, a)) for a, b in zip(cards, cards[1:]))

    def accepts(self, to, group, source):
        pile, role, base = self.piles[to], self.roles[to], group[0]
        if role == FOUNDATION:
            return self.foundation_accepts(pile, group)
        if role == CELL:
            rank = self.rules.cell_rank
            return len(group) == 1 and len(pile) < self.rules.cell_size and rank in (None, base.rank)
        if role != TABLEAU or (self.rules.sources and source not in self.rules.sources):
            return False
        if not pile:
            return self.space_takes(base) and not (self.rules.space_single and len(group) > 1)
        return pile[-1].up and self.in_sequence([pile[-1], base], self.rules.build)

    def space_takes(self, card):
        space = self.rules.space
        if space == "below_base":
            # Nothing fills a space until the foundations have a rank.
            return self.base is not None and card.rank == (self.base - 2) % 13 + 1
        return space == "any" or SPACE_RANKS.get(space) == card.rank

    def foundation_accepts(self, pile, group):
        r = self.rules
        if r.found_whole:
            return not pile and len(group) == 13 and group[0].rank == 13 and self.in_sequence(group, "suit")
        if len(group) != 1:
            return False
        card = group[0]
        if not pile:
            return (self.base is None or card.rank == self.base) and r.found_suit in (None, card.suit)
        top = pile[-1]
        step = by_suit(r.found_dir, card)
        same_suit = top.suit == card.suit or r.found_size > 13
        return len(pile) < r.found_size and same_suit and (card.rank - top.rank - step) % 13 == 0

    def groups(self):
        """(pile, index) of every card that may start a moving group."""
        for i, role in enumerate(self.roles):
            pile = self.piles[i]
            if not pile:
                continue
            if role == TABLEAU:
                for k in range(len(pile)):
                    if self.group_ok(pile[k:]):
                        yield i, k
            elif role in (WASTE, CELL, RESERVE) and pile[-1].up:
                yield i, len(pile) - 1
            elif role == FOUNDATION and self.rules.found_back and len(pile) > 1:
                # A foundation's first card taken back could hold nothing: only later cards return.
                yield i, len(pile) - 1

    def legal(self):
        out = {"t 0"} if self.can_tap() else set()
        targets = [i for i, r in enumerate(self.roles) if r in (TABLEAU, CELL, FOUNDATION)]
        for i, k in self.groups():
            group = self.piles[i][k:]
            for to in targets:
                # Moving a card from one foundation to another achieves nothing.
                if self.roles[i] == FOUNDATION and self.roles[to] == FOUNDATION:
                    continue
                if to != i and self.accepts(to, group, self.roles[i]):
                    out.add("m %d %d" % (group[0].id, to))
        return out

    def find(self, card_id):
        for i, pile in enumerate(self.piles):
            for k, c in enumerate(pile):
                if c.id == card_id:
                    return i, k
        raise KeyError(card_id)

    # ---- steps ----
    def apply(self, step):
        """Plays a step the model holds legal."""
        words = step.split()
        if words[0] == "t":
            self.tap()
        else:
            i, k = self.find(int(words[1]))
            self.shift(i, k, int(words[2]))
        if "auto_whole" in self.rules.differs:
            self.clear_whole_suits()
        if self.rules.fill == "waste":
            self.fill_spaces_from_waste()
        elif self.rules.fill == "from_right":
            self.fill_spaces_from_right()

    def shift(self, i, k, to):
        """Moves pile i's cards from index k onto pile `to`, turning up the
        tableau card they uncover."""
        group = self.piles[i][k:]
        del self.piles[i][k:]
        self.piles[to] += group
        if self.roles[i] == TABLEAU and self.piles[i] and not self.piles[i][-1].up:
            self.piles[i][-1].up = True

    def clear_whole_suits(self):
        """Moves every whole suit lying at the top of a tableau pile to the
        first empty foundation."""
        for i in self.of(TABLEAU):
            pile = self.piles[i]
            if len(pile) >= 13 and self.group_ok(pile[-13:]) and self.foundation_accepts([], pile[-13:]):
                self.shift(i, len(pile) - 13, next(f for f in self.of(FOUNDATION) if not self.piles[f]))

    def fill_spaces_from_waste(self):
        """Fills each empty tableau pile with the waste's top card, turning
        the stock first when the waste is empty."""
        for i in self.of(TABLEAU):
            if self.piles[i]:
                continue
            if not self.piles[1] and self.piles[0]:
                self.tap()
            if self.piles[1]:
                self.shift(1, len(self.piles[1]) - 1, i)

    def fill_spaces_from_right(self):
        """Fills each empty tableau pile with the built cards at the top of
        the pile to its right, which may empty that one in turn."""
        rows = self.of(TABLEAU)
        for left, right in zip(rows, rows[1:]):
            pile = self.piles[right]
            if self.piles[left] or not pile:
                continue
            k = len(pile) - 1
            while k > 0 and pile[k - 1].up and self.in_sequence(pile[k - 1:], self.rules.build):
                k -= 1
            self.shift(right, k, left)

    def tap(self):
        stock = self.piles[0]
        if not stock:
            waste = self.piles[1]
            # Turning the waste over puts its first card back on top.
            order = waste if "stock_bottom" in self.rules.differs else reversed(waste)
            self.piles[0] = [Card(c.id, c.suit, c.rank, False) for c in order]
            self.piles[1] = []
            self.passes += 1
            if self.redeals_left > 0:
                self.redeals_left -= 1
            return
        if self.rules.deal_to in DEALT_PILES:
            for i in DEALT_PILES[self.rules.deal_to](self):
                if stock:
                    self.piles[i].append(self.take(stock))
            return
        draw = self.rules.draw
        if isinstance(draw, (list, tuple)):
            draw = draw[min(self.passes, len(draw) - 1)]
        for _ in range(min(draw, len(stock))):
            self.piles[1].append(self.take(stock))

    def take(self, stock):
        card = stock.pop(0) if "stock_bottom" in self.rules.differs else stock.pop()
        card.up = True
        return card

    def won(self):
        if self.rules.won_rows:
            rows = [self.piles[i] for i in self.of(TABLEAU) if self.piles[i]]
            return bool(rows) and all(len(p) == 13 and p[0].rank == 13 and all(c.up for c in p)
                                      and self.in_sequence(p, self.rules.won_rows) for p in rows)
        return sum(len(self.piles[i]) for i in self.of(FOUNDATION)) == self.rules.cards()
