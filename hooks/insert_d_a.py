"""Builds the author_all row of a new paper: key, first author and up to four
further authors (NULL for those not given)."""

from kt_hooks_common import further_authors, insert_row


def KT40617395_insert_d_a(authors, first_author, key):
    return insert_row("author_all", [key, first_author] + further_authors(authors))
