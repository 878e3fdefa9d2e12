"""The Yukon family's rules, one row per game: tableau piles built down, any
face-up cards moving together whatever lies on the one moved, foundations
built up in suit from the ace (or taking whole suits) unless a row says
otherwise. Rows for games not yet in the database are played alone until
their records land."""

from patience_rules import Rules


def yukon_deal(columns=7, up=5):
    """The first pile holds one face-up card; pile i holds i face-down cards
    under `up` face-up ones."""
    return ["U"] + ["d" * i + "U" * up for i in range(1, columns)]


def yukon(name, deal=None, **settings):
    """A game played like Yukon unless a setting says otherwise: no stock,
    built down in alternate colours, a space takes a king, and foundation
    cards stay there."""
    defaults = dict(stock=False, waste=False, build="alt", group="any", space="king", found_back=False)
    defaults.update(settings)
    return Rules(name, deal or yukon_deal(), **defaults)


def australian(name, deal=None, **settings):
    """Seven piles of four face-up cards unless `deal` says otherwise, and a
    stock turned one card at a time onto a waste, with no redeal."""
    defaults = dict(stock=True, waste=True, draw=1, redeals=0, build="suit")
    defaults.update(settings)
    return yukon(name, deal or ["UUUU"] * 7, **defaults)


def piled_deal(downs, ups):
    return ["d" * d + "U" * u for d, u in zip(downs, ups)]


DOUBLE = piled_deal([min(j, 8) for j in range(10)], [6] * 10)
TRIPLE = piled_deal(range(13), [6] * 13)
QUADRUPLE = piled_deal(range(16), [1] + [6] * 12 + [5] * 3)
# Three face-up rows on the downs, then the last cards one to each pile from the left.
BRISBANE = piled_deal(range(7), [5, 5, 5, 4, 4, 4, 4])

def dealing(name, deal, **settings):
    """A stock dealing one card to each pile per tap, with no redeal."""
    defaults = dict(stock=True, waste=False, deal_to="rows", start_waste=0, redeals=0)
    defaults.update(settings)
    return yukon(name, deal, **defaults)


CHINESE = ["U" * 7] * 3 + piled_deal(range(3, 7), range(4, 0, -1))
RUSSIAN_POINT = piled_deal([0, 2, 4, 6, 4, 2, 0], [1] * 7)
# Whole suits from the king down go to the foundations, whatever their suits;
# the program moves each one out as soon as it is complete.
SPIDER = dict(found_whole=True, differs={"auto_whole"})
TEN_ACROSS = ["d" * min(j, 9 - j) + "U" * (5 - min(j, 9 - j)) for j in range(10)]

YUKONIC_PLAGUE = ["U"] + ["dd" + "U" * (min(j, 5) + 1) for j in range(1, 7)]
# A face-down row, then three rows face up at both ends and down between,
# then two face-up rows.
PANOPTICON = ["d" + "".join("U" if min(j, 7 - j) < n else "d" for n in range(1, 4)) + "UU" for j in range(8)]
APPLEGATE = ["U" * 7] + ["ddUUUUU"] * 6
# By suit, each suit in its own steps (spades by twos, clubs by ones, diamonds
# by fours, hearts by threes), round the corner from the rank it starts at.
ABACUS_STEPS = {1: 2, 2: 1, 3: 4, 4: 3}
ABACUS = dict(build="suit", build_step=ABACUS_STEPS, wrap=True, space="any", found_dir=ABACUS_STEPS,
              found_dealt=[1, 2, 3, 4])
HEARTS = 4
# One foundation for the whole pack, from the ace of hearts up whatever the
# suits, round the corner.
ACE_OF_HEARTS = dict(build="suit", foundations=1, found_suit=HEARTS, found_size=52, found_build="rank")
# Seven piles of 1, 3, 5, 7, 6, 4 and 2 cards, the last face up, with the
# rest of the pack dealt face up over all but the first. (One rules text
# lists the fifth and sixth piles as 4 and 6 cards; another source's
# dealing gives 6 and 4, taken here.)
GRANDFATHER = piled_deal([0, 2, 4, 6, 5, 3, 1], [1, 5, 5, 5, 5, 5, 5])

ROWS = [
    yukon("Yukon"),
    yukon("Russian Solitaire", build="suit"),
    yukon("Alaska", build="suit_updown"),
    yukon("Moosehide", build="other_suit"),
    yukon("Roslin", build="alt_updown"),
    yukon("Double Yukon", DOUBLE, decks=2),
    yukon("Double Russian Solitaire", DOUBLE, decks=2, build="suit"),
    yukon("Triple Yukon", TRIPLE, decks=3),
    yukon("Triple Russian Solitaire", TRIPLE, decks=3, build="suit"),
    yukon("Quadruple Yukon", QUADRUPLE, decks=4),
    yukon("Odessa", ["dddUUU"] + ["dddUUUUU"] * 5 + ["dddUUU"], build="suit"),
    yukon("Geoffrey", ["U" * 7] * 4 + ["ddddUU"] * 4, build="suit"),
    yukon("Brisbane", BRISBANE, build="rank", space="any"),
    yukon("Queensland", BRISBANE, build="suit", space="any"),
    australian("Australian Patience"),
    australian("Canberra", redeals=1),
    australian("Tasmanian Patience", draw=3, redeals=-1),
    australian("Raw Prawn", space="any"),
    dealing("Chinese Discipline", CHINESE),
    dealing("Chinese Solitaire", CHINESE, space="any"),
    dealing("Queenie", piled_deal([0] * 7, range(1, 8))),
    dealing("Rushdike", piled_deal(range(7), [1] * 7), build="suit"),
    dealing("Russian Point", RUSSIAN_POINT, build="suit"),
    dealing("Kiev", ["dddU"] * 7, build="suit", space="any", **SPIDER),
    dealing("Dnieper", ["dddU"] * 7, build="suit", wrap=True, space="any", **SPIDER),
    dealing("Sevastopol", ["ddU", "dddU"] * 3 + ["ddU"], build="suit", space="any", **SPIDER),
    yukon("Yukon Cells", cells=2),
    yukon("Russian Cell", build="suit", cells=2),
    yukon("Ten Across", TEN_ACROSS, build="suit", cells=["U", "U"], **SPIDER),
    australian("Outback Patience", decks=2, deal=["U" * 7] * 8),
    australian("Bim Bom", decks=2, deal=["U" * 5] * 8, space="any"),
    yukon("Russian Spider", build="suit", **SPIDER),
    yukon("Double Russian Spider", DOUBLE, decks=2, build="suit", **SPIDER),
    yukon("Yukon Kings", won_rows="alt"),
    yukon("Applegate", APPLEGATE, build="suit", wrap=True, reserves=["U"] * 3, won_rows="suit"),
    yukon("Yukonic Plague", YUKONIC_PLAGUE, reserves=["U" * 13]),
    yukon("Panopticon", PANOPTICON, build="suit", cells=["U"] * 4),
    dealing("Abacus", piled_deal([0] * 7, range(1, 8)), **ABACUS),
    dealing("Ace of Hearts", piled_deal([0] * 7, range(1, 8)), **ACE_OF_HEARTS),
    # Two redeals, each gathering the tableau, shuffling it and dealing it out again.
    yukon("Tvete's Grandfather", GRANDFATHER, build="suit", stock=True, redeals=2, relay=True),
]
