"""The Yukon family's standard rules, one row per game: tableau piles built
down, any face-up cards moving together whatever lies on the one moved,
foundations built up in suit from the ace."""

from patience_model import Rules


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


def australian(name, **settings):
    """Seven piles of four face-up cards and a stock turned one card at a time
    onto a waste, with no redeal."""
    defaults = dict(stock=True, waste=True, draw=1, redeals=0, build="suit")
    defaults.update(settings)
    return yukon(name, ["UUUU"] * 7, **defaults)


def piled_deal(downs, ups):
    return ["d" * d + "U" * u for d, u in zip(downs, ups)]


DOUBLE = piled_deal([min(j, 8) for j in range(10)], [6] * 10)
TRIPLE = piled_deal(range(13), [6] * 13)
QUADRUPLE = piled_deal(range(16), [1] + [6] * 12 + [5] * 3)
# Three face-up rows on the downs, then the last cards one to each pile from the left.
BRISBANE = piled_deal(range(7), [5, 5, 5, 4, 4, 4, 4])

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
]
