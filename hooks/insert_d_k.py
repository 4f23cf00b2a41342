"""Builds the kword_all row of a new paper: key and up to ten keywords (NULL
for those not given)."""

from kt_hooks_common import insert_row, kwords


def KT40617395_insert_d_k(kwords_text, key):
    return insert_row("kword_all", [key] + kwords(kwords_text))
