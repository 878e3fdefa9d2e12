"""The Forty Thieves family's rules, one row per game: a stock turned one
card at a time onto a waste and gone through once, tableau piles dealt face
up and built down in suit, one card moving at a time, and foundations built
up in suit from the ace whose cards stay there, unless a row says
otherwise. Rows for games not yet in the database are played alone until
their records land."""

from patience_rules import Rules


def thieves(name, deal=None, **settings):
    """A game played like Forty Thieves unless a setting says otherwise: two
    packs, ten piles of four face-up cards, and any card in a space."""
    defaults = dict(decks=2, draw=1, redeals=0, build="suit", group="single", space="any", found_back=False)
    defaults.update(settings)
    return Rules(name, ["UUUU"] * 10 if deal is None else deal, **defaults)


def piles(count, cards, down=0):
    """`count` piles of `cards` cards, the lowest `down` of them face down."""
    return ["d" * down + "U" * (cards - down)] * count


def alternating(count, cards):
    """Piles whose cards lie face up and face down by turns, from a face-up
    bottom card."""
    return ["".join("Ud"[k % 2] for k in range(cards))] * count


# Piles that take any card, but only from the waste, and give theirs only
# to the foundations; each space takes the waste's card at once, or the
# stock's when the waste is empty (the rules text: "filled from the stock
# immediately"; one program fills only from a waste that holds a card).
# Four foundations go up from the ace, four down from the king.
NUMERICA = dict(build="any", sources={"waste"}, fill="waste", foundations=8, found_base=[1] * 4 + [13] * 4,
                found_dir=[1] * 4 + [-1] * 4)
# No waste: the stock deals three rounds of one card to each of two open
# piles at a tap, each starting with three.
SPARK = dict(waste=False, deal_to="reserves", deal_rounds=3, start_waste=0, reserves=["UUU"] * 2)
# The program lists the stock and waste after the other piles, and turns
# no card onto the waste before the first tap; each suit has two
# foundations of its own.
SHIPPED = dict(stock_last=True, start_waste=0, found_suit=[1, 2, 3, 4] * 2)
# Seven piles of seven, the second, fourth and sixth cards face down; groups
# move together; a space takes only a king.
INTERCHANGE = dict(group="seq", space="king")
# Eight piles of four built down whatever the suits.
DIPLOMAT = dict(build="rank")
# Eight piles of one card built down whatever the suits, each space filled
# at once from the waste (or the stock when the waste is empty).
CONGRESS = dict(build="rank", fill="waste")
# A pile of one card each, built down whatever the suits, groups moving.
RAIL = dict(build="rank", group="seq")
# No foundations: every card is to be laid out on the piles, built up
# whatever the suits round the corner to thirteen cards each.
LAID_OUT = dict(build="rank_up", wrap=True, pile_size=13, won_laid_out=True)
# One pack and no foundations, built down whatever the suits; the stock
# only fills each space at once, and the game is won once it is spent.
TRUSTY = dict(decks=1, waste=False, deal_to="none", start_waste=0, build="rank", fill="stock", won_laid_out=True)
# Twelve single cards built down in suit; the aces start the foundations
# and a space is filled at once from the waste (from the stock when the
# waste is empty). The rules text says nothing of turning a card onto an
# empty waste by itself, so the player does that, as in Forty Thieves.
FAVOR = dict(decks=1, foundation_aces=4, fill="waste")

ROWS = [
    thieves("Forty Thieves", **SHIPPED),
    thieves("Busy Aces", piles(12, 1), **SHIPPED),
    # The aces start the foundations, and thirteen piles of three cards
    # move one card at a time (the older reading; one rules text deals
    # thirteen piles of four with no aces out and lets groups move).
    thieves("Lucas", piles(13, 3), foundation_aces=8, **SHIPPED),
    thieves("Josephine", group="suit_seq"),
    thieves("Streets", build="alt"),
    thieves("Limited", piles(12, 3)),
    thieves("Courtyard", piles(12, 1), group="seq", fill="waste"),
    thieves("Waning Moon", piles(13, 4)),
    thieves("Thirty-Nine Steps", piles(13, 3)),
    thieves("Napoleon's Square", piles(12, 4), group="seq"),
    # The spaces take only a waste card.
    thieves("Napoleon's Shoulder", piles(12, 4), build="rank", space_sources={"waste"}),
    # Each row of the deal is followed by every card that can go to the
    # foundations going there, so the piles hold four cards or fewer.
    thieves("Carre Napoleon", ["U*"] * 12, space="king", foundation_aces="any"),
    thieves("Marie Rose", piles(12, 5), decks=3, group="suit_seq"),
    thieves("Malmaison", piles(10, 8), decks=4, group="suit_seq"),
    thieves("San Juan Hill", foundation_aces=8),
    # Every tableau card dealt face down, built down in alternate colours;
    # a face-down card turns up only when tapped, and takes any card.
    thieves("Blind Patience", piles(10, 4, down=4), build="alt", blind=True),
    thieves("Famous Fifty", piles(10, 5)),
    thieves("Sixty Thieves", piles(12, 5), decks=3),
    thieves("Eighty Thieves", piles(10, 8), decks=4),
    # From the two up to the ace, round the corner.
    thieves("Deuces", piles(10, 1), wrap=True, found_base=2, foundation_aces=8),
    thieves("Pluto", piles(12, 1), wrap=True, found_base=2),
    thieves("Corona", piles(12, 3), fill="waste"),
    # The card after the deal starts a foundation and sets every
    # foundation's first rank; everything builds round the corner.
    thieves("Quadrangle", piles(12, 3), fill="waste", found_base="dealt", foundation_aces=1, wrap=True),
    thieves("Forty and Eight", piles(8, 4), redeals=1),
    # Built down whatever the suits, only runs in suit moving together.
    thieves("Little Forty", build="rank", group="suit_seq", fill="waste", draw=3, redeals=3),
    thieves("Maria", piles(9, 4), build="alt"),
    thieves("Number Ten", piles(10, 4, down=2), build="alt", group="seq"),
    thieves("Rank and File", piles(10, 4, down=3), build="alt", group="seq"),
    thieves("Emperor", piles(10, 4, down=3), build="alt"),
    thieves("Roosevelt", piles(7, 4), build="alt"),
    # The aces start the foundations, which go up in alternate colours.
    thieves("Red and Black", piles(8, 1), build="alt", group="seq", foundation_aces=8, found_build="alt"),
    thieves("Zebra", piles(8, 1), build="alt", fill="waste", redeals=1, foundation_aces=8, found_build="alt"),
    thieves("Napoleon's Folly", build="other_suit"),
    thieves("Indian", piles(10, 3, down=1), build="other_suit"),
    thieves("Midshipman", piles(9, 4, down=2), build="other_suit"),
    # While the stock lasts, a pile of one card takes nothing and its card
    # goes onto no other pile, and a space is filled at once with three
    # stock cards, the lowest face down.
    thieves("Indian Patience", piles(10, 3, down=1), build="other_suit", fill="stock", fill_faces="dUU",
            lone_cards=True),
    thieves("Mumbai", piles(13, 3, down=1), decks=3, build="other_suit"),
    thieves("Double Rail", piles(5, 1), **RAIL),
    thieves("Single Rail", piles(4, 1), decks=1, **RAIL),
    thieves("Triple Rail", piles(9, 1), decks=3, **RAIL),
    thieves("Final Battle", piles(6, 1), **RAIL),
    thieves("Waterloo", piles(6, 1), build="rank", group="suit_seq", foundation_aces=8),
    # One pack, seven piles of five, two free cells; the foundations go up
    # in alternate colours.
    thieves("Cascade", piles(7, 5), decks=1, build="alt", cells=2, found_build="alt"),
    thieves("Squadron", cells=["U"] * 3),
    # Four free cells; the jacks start the foundations, which go up round
    # the corner to the ten, and the piles build round the corner too.
    thieves("Jacks in the Box", piles(6, 1), cells=4, wrap=True, found_base=11, foundation_aces=8),
    thieves("Octagon", piles(4, 5), redeals=3, fill="waste", foundation_aces=8),
    thieves("Fortune's Favor", piles(12, 1), **FAVOR),
    thieves("Preference", piles(8, 1), **FAVOR),
    thieves("Interchange", alternating(7, 7), **INTERCHANGE),
    thieves("Unlimited", alternating(7, 7), redeals=-1, **INTERCHANGE),
    thieves("Breakwater", alternating(7, 7), **dict(INTERCHANGE, build="rank", space="any")),
    # Played like Interchange, whose spaces take only a king; one program
    # lets any card in, but the rules text says no more than "like
    # Interchange".
    thieves("Alternation", alternating(7, 7), **dict(INTERCHANGE, build="alt")),
    # All face up; a group goes only into a space, one card onto another.
    thieves("Forty-Nine", piles(7, 7), build="alt", group="seq", onto_card_single=True),
    # Three packs, nine piles of nine; any card in a space (one rules text
    # says only that it plays like Interchange, whose spaces take a king;
    # the fuller dealing takes any card).
    thieves("Triple Interchange", alternating(9, 9), decks=3, redeals=-1, group="seq"),
    thieves("Diplomat", piles(8, 4), **DIPLOMAT),
    thieves("Lady Palk", piles(8, 4), group="seq", **DIPLOMAT),
    thieves("Rows of Four", piles(8, 4), redeals=2, **DIPLOMAT),
    # Every card that can go to the foundations during the deal goes there
    # before the next card is dealt, so the piles still hold three each.
    # Runs move as a unit: one rules text says only "like Forty Thieves",
    # but the fuller dealing lets whole runs move. The program keeps one
    # empty marker pile after the foundations for its deal.
    thieves("Dieppe", piles(8, 3), foundation_aces="any", markers=1, group="seq", **DIPLOMAT),
    thieves("McClellan", piles(8, 4, down=3), group="suit_seq"),
    thieves("Little Napoleon", piles(8, 4, down=3), build="rank", group="suit_seq"),
    thieves("Congress", piles(8, 1), **CONGRESS),
    thieves("Parliament", piles(8, 1), foundation_aces=8, **CONGRESS),
    # Built up or down in suit, one card at a time; four foundations up
    # from the ace, four down from the king, each of one suit.
    thieves("Wheatsheaf", piles(8, 1), **dict(CONGRESS, build="suit_updown", foundations=8,
                                               found_base=[1] * 4 + [13] * 4, found_dir=[1] * 4 + [-1] * 4,
                                               found_suit=[1, 2, 3, 4] * 2)),
    # Foundations from the king, then the ace up to the queen.
    thieves("Twin Queens", piles(8, 1), fill="waste", redeals=1, found_base=13),
    # One pack; nine empty piles built down whatever the suits, a space
    # taking only the waste's card.
    thieves("Corner Suite", [""] * 9, decks=1, build="rank", space_sources={"waste"}),
    # Twenty-five single cards in rows of 1, 3, 5, 7 and 9 (one rules text
    # counts 24) that take nothing; a space is filled at once from the waste.
    thieves("Khedive", piles(25, 1), build="none", space="none", fill="waste"),
    # One pack; fifteen single-card piles, each empty one taking any card.
    thieves("Phalanx", piles(15, 1), decks=1, build="none"),
    # Eight foundations up in suit from the ace to the queen, and a ninth
    # that takes the eight kings.
    # The foundation of Kings comes first of the nine.
    thieves("Floradora", piles(6, 6), build="rank", foundations=9, found_base=[13] + [1] * 8,
            found_dir=[0] + [1] * 8, found_size=[8] + [12] * 8, found_build=["rank"] + ["suit"] * 8),
    thieves("German Patience", piles(8, 1), **LAID_OUT),
    thieves("Bavarian Patience", piles(10, 1), **LAID_OUT),
    thieves("Trusty Twelve", piles(12, 1), **TRUSTY),
    thieves("Knotty Nines", piles(9, 1), **TRUSTY),
    thieves("Sweet Sixteen", piles(16, 1), **dict(TRUSTY, build="alt")),
    # Built up round the corner; the stock's top card lies face up in play.
    thieves("Up and Up", piles(10, 1), **dict(TRUSTY, build="rank_up", wrap=True, stock_open=True)),
    # Twelve single cards; the kings start the foundations, which go up
    # round the corner to the queen. The stock deals three rounds of one
    # card to each of two open piles at a tap.
    thieves("Kilowatt", piles(12, 1), foundation_aces=8, found_base=13, **SPARK),
    # Built up in suit; the foundations go down in suit from the king.
    thieves("The Spark", piles(12, 1), build="suit_up", found_base=13, found_dir=-1, **SPARK),
    thieves("Single Spark", piles(8, 1), decks=1, build="suit_up", found_base=13, found_dir=-1, **SPARK),
    # Twenty piles that take any waste card and give theirs only to the
    # foundations; an empty one takes the waste's card at once. One card on
    # the waste at a time. An ace and a king of each suit start the
    # foundations, four built up and four down.
    thieves("Colorado", piles(20, 1), waste_size=1, found_dealt=[1] * 4 + [13] * 4, **NUMERICA),
    # As Colorado with nothing dealt to the foundations, two cards at most
    # on each pile, any number on the waste, and one redeal.
    thieves("Grandfather", piles(20, 1), pile_size=2, redeals=1, **NUMERICA),
    thieves("Double Line", piles(20, 1), pile_size=2, **NUMERICA),
    # Built down round the corner, groups moving; two cards a tap onto a
    # waste that must be empty first. Each suit's foundation takes both
    # packs' cards, from the ace up to the king twice over, each its own suit.
    thieves("Glacier", piles(12, 1), build="rank", wrap=True, group="seq", draw=2, waste_size=2, foundations=4,
            found_size=26, found_suit=[1, 2, 3, 4]),
    # No tableau: the fives and sixes start the foundations, the fives going
    # down to the ace and on to the king, the sixes up to the queen; one
    # redeal.
    thieves("Contradance", [], redeals=1, foundations=16, found_dealt=[5] * 8 + [6] * 8,
            found_base=[5] * 8 + [6] * 8, found_dir=[-1] * 8 + [1] * 8, found_size=[6] * 8 + [7] * 8),
    # Four single cards built down in alternate colours, their spaces taking
    # only the cards of four reserves, each of which takes the waste's card
    # at once when empty; the foundations go up in one colour.
    thieves("Shady Lanes", piles(4, 1), build="alt", space_sources={"reserve"}, reserves=["U"] * 4,
            reserve_fill=True, found_build="colour"),
    # Seven queens (all but one of hearts) start foundations built down in
    # suit round the corner to the king, and a king of hearts one built up
    # to the queen. Ten single cards built up round the corner, one at a
    # time; each space is filled at once from the waste, and stays empty
    # once both stock and waste are spent.
    thieves("Catherine the Great", piles(10, 1), build="rank_up", wrap=True, space="none", fill="waste",
            found_dealt=[12] * 7 + [13], found_base=[12] * 7 + [13], found_dir=[-1] * 7 + [1]),
    # Twelve reserves of four face-down cards: while a tableau pile is
    # empty, a tap turns up the first one's top card, or that of one after
    # an empty reserve. The foundations go from the king to the ace and up
    # to the queen; two redeals.
    thieves("Twelve Sleeping Maids", piles(8, 1), group="seq", redeals=2, reserves=["dddd"] * 12,
            waking_reserves=True, found_base=13),
    # Eleven piles of one face-down card under two face-up ones, built down
    # in alternate colours; no card of the first three goes onto the other
    # eight.
    thieves("Club", piles(11, 3, down=1), build="alt", walled=3),
    # One pack; each card's suit follows the one's below it in the cycle
    # spades, hearts, clubs, diamonds, on the six piles (built down, groups
    # moving) and on the foundations alike; one redeal.
    thieves("Following", piles(6, 1), decks=1, build="suit_cycle", group="seq", redeals=1,
            found_build="suit_cycle"),
    # Eight single-card piles that take only the waste's card, and are
    # filled from it at once, as the waste is from the stock. An ace starts
    # a middle foundation built up whatever the suits round the corner to
    # 52 cards; four more go down from a king to the ace.
    thieves("Windmill", piles(8, 1), build="none", sources={"waste"}, fill="waste", waste_refill=True,
            foundations=5, found_dealt=[1], found_base=[1] + [13] * 4, found_dir=[1] + [-1] * 4,
            found_size=[52] + [13] * 4, found_build="rank"),
    # Six piles of ten built up or down whatever the suits, one card at a
    # time; five aces start foundations built up or down whatever the suits
    # round the corner, as far as they go.
    thieves("Dutch Solitaire", piles(6, 10), build="rank_updown", foundations=5, foundation_aces=5,
            found_dir="updown", found_size=104, found_build="rank"),
    # The stock deals one card to each of three open piles at a tap.
    thieves("Three Pirates", waste=False, deal_to="reserves", start_waste=0, reserves=["U"] * 3),
    # Four single cards built down in alternate colours and four cells of
    # one card each, which take only the waste's card and give theirs only
    # to the tableau; the aces start the foundations, which go up in
    # alternate colours.
    thieves("The Red and the Black", piles(4, 1), build="alt", cells=["U"] * 4, cell_sources={"waste"},
            foundation_aces=8, found_build="alt", found_sources={"waste", "tableau"}),
    # Spaces take a queen; a reserve of four cards takes tableau cards only;
    # the foundations go from the king to the ace and up to the queen.
    thieves("Zerline", piles(8, 5), build="rank", space="queen", cells=1, cell_size=4, cell_sources={"tableau"},
            found_base=13),
]
