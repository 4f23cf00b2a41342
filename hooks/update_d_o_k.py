"""Rewrites the ten keywords (kword_1 to kword_9, kword_a) of a paper; those
not listed become NULL."""

from kt_hooks_common import KWORD_COLUMNS, kwords, update_row


def KT40617395_update_d_o_k(kwords_text, key):
    return update_row("kword_all", KWORD_COLUMNS, kwords(kwords_text), key)
