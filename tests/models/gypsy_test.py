"""Checks every Gypsy-family game in the database against its rules model."""

import gypsy_model
import model_check

if __name__ == "__main__":
    model_check.main(gypsy_model.ROWS, "gypsy.tsv")
