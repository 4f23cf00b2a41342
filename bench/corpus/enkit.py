"""What the later sets of English first pages share: their people, and the page finished with its
metadata and its truth record."""
from genbase import en_person, record, set_meta


def case_safe_people(rng, n, avoid=()):
    """n distinct names without hyphens whose letters survive a change of case (a page may set them
    in capitals)."""
    out = []
    while len(out) < n:
        p = en_person(rng)
        if '-' not in p and p.upper().lower() == p.lower() and p not in out and p not in avoid:
            out.append(p)
    return out


def en_finish(page, rng, title, authors, year, kws=()):
    meta = set_meta(page, rng, title, authors, kws)
    return page, record(title, authors, year, kws, 'en', None, meta=meta)
