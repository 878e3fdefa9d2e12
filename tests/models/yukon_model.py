"""The Yukon family's standard rules, one row per game: no stock, tableau
piles built down, any face-up cards moving together whatever lies on the
one moved, foundations built up in suit from the ace."""

from patience_model import Rules


def yukon_deal(columns=7, up=5):
    """The first pile holds one face-up card; pile i holds i face-down cards
    under `up` face-up ones."""
    return ["U"] + ["d" * i + "U" * up for i in range(1, columns)]


def yukon(name, deal=None, **settings):
    """A game played like Yukon unless a setting says otherwise: built down
    in alternate colours, a space takes a king, and foundation cards stay."""
    defaults = dict(stock=False, waste=False, build="alt", group="any", space="king", found_back=False)
    defaults.update(settings)
    return Rules(name, deal or yukon_deal(), **defaults)


ROWS = [
    yukon("Yukon"),
    yukon("Russian Solitaire", build="suit"),
    yukon("Alaska", build="suit_updown"),
    yukon("Moosehide", build="other_suit"),
]
