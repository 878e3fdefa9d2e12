"""Checks every Klondike-family game in the database against its rules model."""

import klondike_model
import model_check

if __name__ == "__main__":
    model_check.main(klondike_model.ROWS, "klondike.tsv")
