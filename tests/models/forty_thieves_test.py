"""Checks every Forty Thieves-family game in the database against its rules model."""

import forty_thieves_model
import model_check

if __name__ == "__main__":
    model_check.main(forty_thieves_model.ROWS, "forty_thieves.tsv")
