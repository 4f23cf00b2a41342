"""Rewrites the further authors (author_2 to author_5) of a paper; those not
listed become NULL."""

from kt_hooks_common import AUTHOR_COLUMNS, further_authors, update_row


def KT40617395_update_d_o_a(authors, key):
    return update_row("author_all", AUTHOR_COLUMNS, further_authors(authors), key)
