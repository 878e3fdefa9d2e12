"""Checks every Yukon-family game in the database against its rules model."""

import model_check
import yukon_model

if __name__ == "__main__":
    model_check.main(yukon_model.ROWS, "yukon.tsv")
