"""The Klondike family's rules, one row per game: a stock and waste (or a
stock dealing to the rows or reserves, or none), tableau piles built down,
reserves and cells, foundations built up in suit from the ace unless a row
says otherwise. Rows for games not yet in the database are played alone
until their records land."""

from patience_rules import Rules, triangle


def klondike(name, deal=None, **settings):
    """A game played like Klondike unless a setting says otherwise: seven
    piles of 1..7 cards with the top one face up, one card per tap, unlimited
    redeals, built down in alternate colours, a space takes a king, and
    foundation cards may be played back."""
    defaults = dict(draw=1, redeals=-1, build="alt", group="seq", space="king", found_back=True)
    defaults.update(settings)
    return Rules(name, deal or triangle(7), **defaults)


def face_up_triangle(columns):
    return ["U" * (i + 1) for i in range(columns)]


def harp(columns):
    """Pile i holds i face-down cards under one face-up card."""
    return triangle(columns)


def reversed_triangle(columns):
    return list(reversed(triangle(columns)))


EASTCLIFF = ["ddU"] * 7
AUNT_MARY = ["d" * j + "U" * (6 - j) for j in range(5)] + ["dddddU"]
LEGION = ["U", "UdU", "UdUdU", "UdUdUdU", "UdUdUdU", "UdUdU", "UdU", "U"]
KING_ALBERT = dict(stock=False, waste=False, redeals=0, build="alt", group="single", space="any",
                   reserves=["U"] * 7)

# The castle-like games: everything dealt face up, no stock.
OPEN_DEAL = dict(stock=False, waste=False, redeals=0, space="any")
CANISTER = ["U" * n for n in (6, 6, 7, 7, 7, 7, 6, 6)]
SOMERSET = ["U" * min(n, 8) for n in range(1, 11)]
RAGLAN = dict(KING_ALBERT, reserves=["U"] * 6, foundation_aces=4)
# Six piles of six with sixteen single-card reserves.
BOUQUET = dict(OPEN_DEAL, reserves=["U"] * 16)
# Built up from the ace, onto foundations from the king down.
KINGSLEY = dict(redeals=0, build="alt_up", space="ace", found_base=13, found_dir=-1)

# A base card dealt to a foundation sets the rank all of them start from;
# everything builds round the corner.
DEALT_BASE = dict(found_base="dealt", foundation_aces=1, wrap=True)
# Spaces take the rank below the foundations', and the stock deals a card to
# each reserve.
BERNAUER = dict(DEALT_BASE, stock=True, waste=False, deal_to="reserves", start_waste=0, redeals=0,
                space="below_base")
SENATE = dict(waste=False, deal_to="reserves", start_waste=0, redeals=0, build="suit", group="suit_seq", space="any",
              decks=2, foundation_aces=8)
# Aces pulled out to the foundations while dealing leave piles of any length.
THIRTY_SIX = dict(redeals=0, build="rank", space="any", found_back=False, foundation_aces="any")
# Shrinking draws: three cards a tap on the first pass, two, then one.
# The program counts the passes with four empty marker piles after the
# foundations.
RUSH = dict(draw=(3, 2, 1), redeals=2, markers=4)

# Sixteen reserve cards in a tree of rows of one and two cards, each freed
# once the cards of the row below that overlap it are gone.
FIR_TREE_BLOCKS = [[1, 2], [3], [3], [4, 5], [6], [6], [7, 8], [9], [9], [10, 11], [12], [12], [13, 14], [15], [15], []]
NAPOLEON = dict(decks=2, redeals=2, build="suit", reserves=["U"] * 16, reserve_blocks=FIR_TREE_BLOCKS)
# Seven face-down reserve cards, each unlocked by filling the foundation
# below it; foundations of any suit, their cards staying there.
LOCKED = dict(decks=2, redeals=2, space="any", reserves=["d"] * 7, locked_reserves=True, found_back=False)
# Foundations from the king, then ace up to queen; builds turn the corner.
TOPSY_TURVY = dict(LOCKED, build="suit", wrap=True, found_base=13, found_back=False)

ROWS = [
    klondike("Klondike", draw=3, differs={"stock_bottom"}),
    klondike("Thumb and Pouch", redeals=0, build="other_suit", space="any"),
    klondike("Whitehead", face_up_triangle(7), redeals=0, build="colour", group="suit_seq", space="any"),
    klondike("Big Forty", ["UUUU"] * 10, build="suit", space="any"),
    klondike("Athena", ["dUdU"] * 7),
    klondike("Klondike (Draw 1)"),
    klondike("Saratoga", face_up_triangle(7), draw=3),
    klondike("Trigon", build="suit"),
    klondike("Small Harp", reversed_triangle(7)),
    klondike("Chinaman", build="other_suit", draw=3, redeals=1),
    klondike("Smokey", build="colour", group="suit_seq", redeals=2),
    klondike("Eastcliff", EASTCLIFF, redeals=0, space="any"),
    klondike("Easthaven", EASTCLIFF, waste=False, deal_to="rows", start_waste=0, redeals=0, space="any"),
    klondike("Westhaven", ["ddU"] * 10, waste=False, deal_to="rows", start_waste=0, redeals=0, space="any",
             found_back=False),
    klondike("Pas Seul", ["U"] * 6, redeals=0, space="any"),
    klondike("Blind Alleys", ["ddU"] * 6, redeals=1, space="any", foundation_aces=4),
    klondike("Aunt Mary", AUNT_MARY, redeals=0),
    klondike("Legion", LEGION, redeals=0),
    klondike("Gold Mine", [""] * 7, draw=3, redeals=0, space="any"),
    klondike("Ali Baba", ["UUUU"] * 10, build="suit", space="any", foundation_aces=4),
    klondike("Cassim", ["UUUU"] * 7, build="suit", space="any", foundation_aces=4),
    klondike("8 x 8", ["U" * 8] * 8, decks=2, space="any"),
    klondike("Eight Times Eight", ["U" * 8] * 8, decks=2, space="any", redeals=2),
    klondike("Double Klondike", harp(9), decks=2),
    klondike("Double Klondike (Draw 3)", harp(9), decks=2, draw=3),
    klondike("Double Trigon", harp(9), decks=2, build="suit"),
    klondike("Gargantua", harp(9), decks=2, redeals=1),
    klondike("Open Gargantua", face_up_triangle(9), decks=2, redeals=1),
    klondike("Pantagruel", harp(9), decks=2, redeals=0, space="any"),
    klondike("Big Harp", reversed_triangle(10), decks=2, redeals=0, space="any"),
    klondike("Steps", harp(7), decks=2, redeals=1, space="any"),
    klondike("Triple Klondike", harp(13), decks=3),
    klondike("Triple Klondike (Draw 3)", harp(13), decks=3, draw=3),
    klondike("Quadruple Klondike", harp(16), decks=4),
    klondike("Quadruple Klondike (Draw 3)", harp(16), decks=4, draw=3),
    klondike("Inquisitor", face_up_triangle(10), decks=2, build="suit", space="any", draw=3, redeals=2),
    klondike("Lanes", ["UUU"] * 6, build="alt", group="single", space="any", redeals=1, foundation_aces=4,
             found_back=False),
    klondike("King Albert", face_up_triangle(9), **KING_ALBERT),
    klondike("Queen Victoria", face_up_triangle(9), **dict(KING_ALBERT, group="seq")),
    klondike("Northwest Territory", triangle(8), **dict(KING_ALBERT, group="seq", space="king", reserves=["U"] * 16)),
    klondike("Artic Garden", face_up_triangle(8), **dict(KING_ALBERT, group="seq", space="king", reserves=["U"] * 16)),
    klondike("American Canister", CANISTER, **OPEN_DEAL),
    klondike("Canister", CANISTER, **dict(OPEN_DEAL, build="rank")),
    klondike("British Canister", CANISTER, **dict(OPEN_DEAL, group="single", space="king")),
    klondike("Somerset", SOMERSET, **dict(OPEN_DEAL, group="single")),
    klondike("Morehead", SOMERSET, **dict(OPEN_DEAL, build="other_suit", group="single")),
    klondike("Phoenix", ["U" * 6] * 6, **BOUQUET),
    klondike("Arizona", ["U" * 6] * 6, **dict(BOUQUET, build="rank")),
    klondike("Stonewall", ["dUdUdU"] * 6, **BOUQUET),
    klondike("Flower Garden", ["U" * 6] * 6, **dict(BOUQUET, build="rank", group="single")),
    klondike("Wildflower", ["U" * 6] * 6, **dict(BOUQUET, build="rank", group="suit_seq")),
    klondike("Raglan", ["U" * min(n, 7) for n in range(1, 10)], **RAGLAN),
    klondike("Relaxed Raglan", ["U" * min(n, 7) for n in range(1, 10)], **dict(RAGLAN, group="seq")),
    klondike("Brigade", ["U" * 5] * 7, **dict(RAGLAN, build="rank", reserves=["U"] * 13)),
    klondike("Kingsley", **KINGSLEY),
    klondike("Double Kingsley", harp(9), decks=2, **KINGSLEY),
    klondike("Lady Jane", face_up_triangle(10), decks=2, draw=3, redeals=1, build="rank", group="suit_seq",
             space="any"),
    klondike("Thieves of Egypt", ["U" * n for n in (1, 3, 5, 7, 9, 10, 8, 6, 4, 2)], decks=2, redeals=1),
    klondike("Westcliff", ["ddU"] * 10, redeals=0, space="any", found_back=False),
    klondike("Boost", triangle(4), redeals=2),
    klondike("Half Klondike", triangle(4), suits=2),
    # Klondike one card a tap, with a single pass through the stock.
    klondike("Vegas Klondike", redeals=0),
    klondike("Casino Klondike", redeals=2),
    klondike("Gold Rush", **RUSH),
    klondike("Eight by Eight", ["U" * 8] * 8, decks=2, build="rank", space="any", space_single=True, **RUSH),
    klondike("Scarp", face_up_triangle(13), decks=3, waste=False, deal_to="rows", start_waste=0, redeals=0,
             space="any"),
    klondike("Big Deal", harp(12), decks=4, redeals=1),
    klondike("Chinese Klondike", harp(12), decks=3, suits=3, build="other_suit"),
    klondike("Arabella", face_up_triangle(13), decks=3, redeals=0, build="rank", group="suit_seq"),
    klondike("Delivery", ["UUU"] * 12, decks=4, redeals=0, build="suit", group="single", space="any"),
    # Three face-down cards under one face-up card on each pile, one card
    # turned onto the waste; whole suits go out from the king down.
    klondike("Brush", ["dddU"] * 10, decks=2, redeals=0, build="rank", group="suit_seq", space="any",
             found_whole=True, found_back=False, differs={"auto_whole"}),
    klondike("Klondike Territory", triangle(7), **dict(KING_ALBERT, group="seq", space="king", reserves=["U"] * 24)),
    # The 52 cards left after the tableau lie on 52 single-card reserves; the
    # four empty places of some layouts' grid of 56, which take nothing, are
    # not laid out.
    klondike("Gloucestershire", ["U" * (3 + j) for j in range(8)], decks=2,
             **dict(OPEN_DEAL, group="single", reserves=["U"] * 52)),
    klondike("Eight Sages", ["U"] * 8, decks=2, redeals=1, space="any", sources={"waste"}),
    klondike("Whitehorse", ["U"] * 7, draw=3, fill="waste"),
    # The program gathers each group on an empty marker pile of its space.
    klondike("Moving Left", triangle(10), decks=2, redeals=0, fill="from_right", markers=9),
    klondike("Souter", triangle(10), decks=2, redeals=1, fill="from_right", markers=9),
    klondike("Batsford", triangle(10), decks=2, redeals=0, cells=1, cell_rank=13, cell_size=3),
    klondike("Batsford Again", triangle(10), decks=2, redeals=1, cells=1, cell_rank=13, cell_size=3),
    klondike("Seven Devils", decks=2, redeals=0, group="single", space="any", reserves=["U"] * 7,
             sources={"waste", "tableau", "foundation"}),
    klondike("Thirty-Six", ["U*"] * 6, **THIRTY_SIX),
    klondike("Taking Silk", ["U*"] * 6, decks=2, **THIRTY_SIX),
    klondike("Six by Six", ["U*"] * 6, waste=False, deal_to="first", start_waste=0, group="suit_seq", **THIRTY_SIX),
    klondike("Eights", ["U*"] * 8, decks=2, waste=False, deal_to="first", start_waste=0, group="suit_seq",
             **THIRTY_SIX),
    klondike("Double Dot", ["U"] * 8, waste=False, deal_to="rows", start_waste=0, redeals=0, build="rank",
             build_step=2, wrap=True, space="any", found_dealt=[1, 1, 2, 2], found_dir=2),
    # The Agnes games' rules texts keep foundation cards in play; some readings
    # lock them there, and the program's Agnes Bernauer and Agnes Two follow
    # those (their descriptions say so).
    klondike("Agnes Sorel", face_up_triangle(7), waste=False, deal_to="rows", start_waste=0, redeals=0, build="colour",
             space="none", **DEALT_BASE),
    klondike("Agnes Bernauer", face_up_triangle(7), reserves=["U"] * 7, **dict(BERNAUER, found_back=False)),
    klondike("Agnes Two", face_up_triangle(10), decks=2, reserves=["U"] * 10, **dict(BERNAUER, found_back=False)),
    klondike("Nine Across", triangle(9), wrap=True, space="below_base", found_base="dealt",
             differs={"base_on_first"}),
    klondike("Senate", ["U"] * 4, reserves=["U"] * 8, **SENATE),
    klondike("Senate +", ["U"] * 5, reserves=["U"] * 8, **SENATE),
    klondike("Simplicity", ["U"] * 12, redeals=0, group="single", space="any", **DEALT_BASE),
    klondike("Duke", ["U"] * 4, redeals=2, space="any", reserves=["UUU"] * 4),
    klondike("Gate", ["U"] * 8, redeals=0, space="any", reserves=["U" * 5] * 2, fill="reserves_then_waste"),
    klondike("Little Gate", ["U"] * 4, redeals=0, space="any", reserves=["U" * 5] * 2, fill="reserves_then_waste"),
    # One cell takes a king, the other a queen.
    klondike("Doorway", ["U"] * 5, redeals=0, build="rank", group="single", space="any", cells=2,
             cell_rank=[13, 12]),
    # The waste plays out to the foundations by itself, and fills each space
    # at once, from the stock if need be: during the deal too.
    klondike("Q.C.", ["UUUU"] * 6, decks=2, redeals=1, build="suit", group="single", space="any", found_back=False,
             fill="waste", waste_out=True, start_waste="any", foundation_aces="any"),
    klondike("Napoleon Takes Moscow", ["U" * 4] * 8, group="single", **NAPOLEON),
    klondike("Napoleon Leaves Moscow", ["U" * 5] * 8, group="suit_seq", **NAPOLEON),
    klondike("Crossroads", ["UdUdUdU"] * 7, decks=4, redeals=0, space="any"),
    # Packs without their Twos to Sixes: the Seven follows the Ace on a
    # foundation, and an Ace goes on no tableau card.
    klondike("Junction", ["U"] * 7, decks=4, redeals=0, space="any", ranks=(1, 7, 8, 9, 10, 11, 12, 13),
             found_size=8),
    # Two empty piles built down in alternate colours from the king, fed from
    # four reserves of ten; the foundations go up in alternate colours.
    klondike("Royal Aids", ["", ""], decks=2, group="single", reserves=["U" * 10] * 4, foundation_aces=8,
             found_build="alt"),
    # The stock deals seven cards to the reserves at a time; the last two are
    # set apart in play, one on the waste and one on the stock.
    klondike("Jane", reserves=["U"] * 7, **dict(BERNAUER, waste=True, last_two_open=True)),
    # Four foundations up from the ace, then four down from the king. Spaces
    # fill from the reserve at once; once it is spent they take a seven.
    klondike("Lafayette", ["U"] * 4, draw=3, space=7, fill="reserves", reserves=["U" * 13], foundations=8,
             found_base=[1] * 4 + [13] * 4, found_dir=[1] * 4 + [-1] * 4),
    klondike("Locked Cards", ["U" * 5] * 8, **LOCKED),
    klondike("Topsy-Turvy Queens", ["U" * 4] * 8, **TOPSY_TURVY),
    klondike("King's Secrets", ["U" * 5] * 8, **dict(TOPSY_TURVY, space="queen")),
    # The one redeal gathers the tableau and deals it out again.
    klondike("Usk", SOMERSET, **dict(OPEN_DEAL, stock=True, space="king", redeals=1, relay=True)),
]
