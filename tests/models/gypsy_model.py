"""The Gypsy family's rules, one row per game: a stock that deals one card
face up onto every tableau pile, with no waste and no redeal, tableau piles
built down in alternate colours with groups in sequence moving together,
and foundations built up in suit from the ace, unless a row says otherwise.
Rows for games not yet in the database are played alone until their records
land."""

from patience_rules import Rules, triangle


def gypsy(name, deal=None, **settings):
    """A game played like Gypsy unless a setting says otherwise: two packs,
    eight piles of two face-down cards under one face-up card, any card or
    group in a space, and foundation cards that may be played back."""
    defaults = dict(decks=2, waste=False, deal_to="rows", start_waste=0, redeals=0, build="alt", group="seq",
                    space="any", found_back=True)
    defaults.update(settings)
    return Rules(name, deal or ["ddU"] * 8, **defaults)


def face_up(deal):
    return ["U" * len(pattern) for pattern in deal]


def peaked(columns, peak):
    """Piles whose face-down cards grow by one towards the middle pile, up to
    `peak`, each under one face-up card."""
    return ["d" * min(j, columns - 1 - j, peak) + "U" for j in range(columns)]


# The harp games, pile i dealt i face-down cards under a face-up one:
# foundation cards stay.
HARP = dict(found_back=False)
# Only a king, or a group from one, goes into a space.
KINGS = dict(space="king")
# Every space is filled at once from the stock.
BLOCKADE = dict(build="suit", fill="stock")
# Built down in suit by twos; the aces and twos start sixteen foundations,
# built up in suit by twos (A 3 5 ... K and 2 4 ... Q), whose cards stay.
# Each space is filled at once from the stock.
OLYMPUS = dict(build="suit", build_step=2, fill="stock", foundations=16, found_dealt=[1] * 8 + [2] * 8,
               found_dir=2, found_size=[7] * 8 + [6] * 8, found_back=False)
# Six reserves of four cards, dealt two rounds at a tap; the stock's last
# eight cards go one to each pile.
CARTHAGE = dict(reserves=["UUUU"] * 6, deal_to="reserves", deal_rounds=2, last_to_rows=True)
# One cell that opens once the stock is spent and takes a group in
# sequence; foundation cards stay.
MILLIGAN = dict(cells=1, cell_late=True, cell_groups=True, found_back=False)
# Thirteen piles of face-down and face-up cards by turns; no foundations: the
# game is won with every card in piles from king to ace in alternate
# colours.
TRILLIUM = dict(won_rows="alt")

ROWS = [
    gypsy("Gypsy"),
    gypsy("Gypsy (3 Decks)", ["ddU"] * 12, decks=3),
    gypsy("Yeast Dough", ["UUU"] * 8),
    gypsy("Millie", ["U"] * 8),
    # Foundation cards come back only once the stock is spent.
    gypsy("Giant", ["U"] * 8, found_back="stock_spent", markers=1),
    gypsy("Eclipse", ["UUUU"] * 13, build="suit"),
    gypsy("Elba", ["ddddU"] * 10, **KINGS),
    gypsy("Hypotenuse", triangle(10), **KINGS),
    gypsy("Eternal Triangle", face_up(triangle(10)), **KINGS),
    gypsy("Small Triangle", triangle(7), decks=1, **KINGS),
    # Once the stock is spent, a reserve beside the tableau keeps any number
    # of single cards from anywhere, its top one in play. (One program lets
    # the spent stock itself serve as that reserve; the record lays out a
    # pile of its own, with an empty marker pile after the foundations.)
    gypsy("Right Triangle", triangle(10), cells=1, cell_late=True, cell_size=104, markers=1, **KINGS),
    gypsy("Milligan Harp", triangle(8), **HARP),
    gypsy("Carlton", face_up(triangle(8)), **HARP),
    # Built down whatever the suits; only runs in suit move together.
    gypsy("Steve", face_up(triangle(8)), build="rank", group="suit_seq", **HARP),
    # Any face-up cards move together, whatever lies on the one moved.
    gypsy("Lexington Harp", triangle(8), group="any", **HARP),
    gypsy("Brunswick", face_up(triangle(8)), group="any", **HARP),
    # Four free cells; foundation cards stay.
    gypsy("Milligan Cell", ["U"] * 8, cells=4, found_back=False, **KINGS),
    # Eleven piles, five face-down cards under the middle one's face-up card;
    # a cell of three cards opens once the stock is spent.
    gypsy("Surprise", peaked(11, 5), cells=1, cell_size=3, cell_late=True, **KINGS, markers=1),
    gypsy("Blockade", ["U"] * 12, **BLOCKADE),
    # One rules text calls this Blockade with thirteen piles of three; the
    # fuller dealing builds in alternate colours, a space taking a king and
    # nothing filling it by itself, which is taken here.
    gypsy("Phantom Blockade", ["UUU"] * 13, **KINGS),
    gypsy("Mount Olympus", ["U"] * 9, **OLYMPUS),
    # Only a king or a queen goes into a space once the stock is spent.
    gypsy("Zeus", ["UUUU"] * 9, space=(12, 13), **OLYMPUS),
    # Fourteen single cards built down in suit, one card moving at a time.
    gypsy("Grandee", ["U"] * 14, build="suit", group="single"),
    # One pack: built up or down in alternate colours; the stock only fills
    # spaces, and once it is spent a space stays empty.
    gypsy("Turncoats", ["U"] * 12, decks=1, build="alt_updown", group="single", deal_to="none", fill="stock",
          space="none"),
    # The stock is turned one card at a time onto a waste, which fills every
    # space at once; once both are spent a space stays empty.
    gypsy("Voracious", ["U"] * 12, build="suit", group="single", waste=True, deal_to="waste", start_waste=1,
          fill="waste", space="none"),
    gypsy("Miss Milligan", ["U"] * 8, **dict(MILLIGAN, space="king"), markers=1),
    gypsy("Imperial Guards", ["U"] * 8, **MILLIGAN, markers=1),
    # One pack: the queens start the foundations, which go up round the
    # corner to the jack; the jacks lie on four reserves and go only to the
    # foundations. Built down in alternate colours round the corner, one
    # card at a time; each space is filled at once from the stock.
    gypsy("Ladies Battle", ["U"] * 6, decks=1, wrap=True, group="single", reserves=["U"] * 4,
          sources={"tableau", "foundation"}, fill="stock", found_base=12, foundation_aces=4),
    # Nine piles, up to four face-down cards under the middle one's face-up
    # card; the stock's last seven cards go to the seven middle piles.
    gypsy("Irmgard", peaked(9, 4), short_deal="middle", kept_apart=True, **KINGS),
    # Seven face-up piles of 1 to 4 cards and back; built round the corner.
    # The stock deals only while no pile is empty, and its last four cards go
    # to four reserves; each suit's foundation takes both packs' cards, from
    # the ace up to the king twice over.
    gypsy("Cone", face_up(peaked(7, 3)), wrap=True, reserves=[""] * 4, deal_waits=True, last_to_reserves=True,
          foundations=4, found_size=26, found_suit=[1, 2, 3, 4], kept_apart=True),
    # Every ace the stock deals, in the deal too, goes to the foundations
    # and the next card takes its place; foundation cards stay.
    # (The record gathers each row on an empty marker pile after the
    # foundations.)
    gypsy("Die Koenigsbergerin", ["UUU"] * 8, foundation_aces="any", deal_aces_out=True, found_back=False,
          markers=1),
    # Eight reserves of four cards; the stock deals four more to each, one
    # reserve after another. One card moves at a time.
    gypsy("Kingsdown Eights", ["U"] * 8, group="single", reserves=["UUUU"] * 8, deal_to="reserves", deal_each=4),
    # Twenty single cards, nothing built on them; each space is filled at
    # once from the stock, and once it is spent takes any card. An ace and a
    # king of each suit start the foundations, four built up and four down.
    gypsy("Twenty", ["U"] * 20, build="none", group="single", fill="stock", foundations=8,
          found_dealt=[1] * 4 + [13] * 4, found_base=[1] * 4 + [13] * 4, found_dir=[1] * 4 + [-1] * 4),
    # Twenty-four single cards built up or down in suit, one at a time; each
    # space is filled at once from the stock, and once it is spent stays
    # empty. Four foundations go up from the ace and four down from the
    # king, and their cards may move from one to another.
    gypsy("Marshal", ["U"] * 24, build="suit_updown", group="single", fill="stock", space="none", foundations=8,
          found_base=[1] * 4 + [13] * 4, found_dir=[1] * 4 + [-1] * 4, found_across=True),
    # One pack; the ace ranks above the king in the tableau (built round
    # the corner, an ace going only into a space), and the foundations go
    # from the two up to the ace.
    gypsy("Swiss Patience", peaked(9, 4), decks=1, wrap=True, space="ace", ace_high=True, found_base=2),
    # Eight single cards that take one card at a time, and six reserves of
    # four face-up cards (one rules text; another dealing lays six), which
    # take no cards. The stock deals two rounds of one card to each reserve,
    # and its last eight cards one to each pile. Four kings start
    # foundations built down in suit; four more go up from the ace. The
    # program lists the four going up first, and keeps the last eight cards
    # apart under the stock.
    gypsy("Algerian Patience", ["U"] * 8, build="suit_updown", wrap=True, group="single", kept_apart=True, **dict(
        CARTHAGE, found_dealt=[13] * 4, found_base=[1] * 4 + [13] * 4, found_dir=[1] * 4 + [-1] * 4)),
    gypsy("Carthage", ["U"] * 8, build="suit", group="single", **CARTHAGE),
    # Nine piles of 8, 7, ... 2, 1 and 1 cards, the top one face up, and an
    # empty tenth (one rules text counts the nine down to one). Four
    # foundations go up from the ace in alternate colours; four take only
    # whole runs from king to ace in alternate colours. Foundation cards
    # stay.
    gypsy("Rouge et Noir", ["d" * max(6 - j, 0) + "U" for j in range(-1, 8)] + [""], space="king", foundations=8,
          found_build="alt", found_whole=[False] * 4 + [True] * 4, found_back=False),
    # Eight piles of four built up or down in suit, one card at a time, and
    # eight cells dealt a card each; the stock deals four rounds to the
    # piles at a tap. Four foundations go up from the ace, four down from
    # the king.
    gypsy("Cicely", ["UUUU"] * 8, build="suit_updown", group="single", cells=["U"] * 8, deal_rounds=4,
          foundations=8, found_base=[1] * 4 + [13] * 4, found_dir=[1] * 4 + [-1] * 4),
    gypsy("Trillium", ["dUdU"] * 13, space="any", **TRILLIUM),
    gypsy("Lily", ["dUdU"] * 13, space="king", **TRILLIUM),
]
