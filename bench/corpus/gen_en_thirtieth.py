"""Thirtieth English first pages, of kinds the earlier sets lack, in law, economics and humanities subjects
of their own."""
from docxkit import Page
from genbase import MONTHS, en_person, record, set_meta
import vocab

SUBJECTS = ['Bronze Drum Rituals', 'Liu Sanjie Ballads', 'Baiku Yao Costume', 'Anshun Dixi Masks',
            'Tunpu Garrison Villages', 'Zhuang Opera Troupes', 'Sibao Book Printing', 'Hakka Lineage Estates']
LAW_FRAMES = ['Custom, Contract and {S}', 'Who Owns {S}? Property Rules in Rural China',
              'Courts, Villages and {S}', 'Regulating {S}: Law in the Field']
ECON_FRAMES = ['The Market for {S}', 'Heritage Rents: {S} and Local Growth', '{S} and Household Livelihoods',
               'Tourism Demand and {S}: Evidence from Southwest China']
SERIES = ['Southwest Economic Research', 'Pacific Institute for Development Studies', 'Lingxi Centre for Economic Policy']


def _names(rng, n):
    """n distinct names without hyphens whose letters survive a change of case."""
    out = []
    while len(out) < n:
        p = en_person(rng)
        if '-' not in p and p.upper().lower() == p.lower() and p not in out:
            out.append(p)
    return out


def _joined(names):
    return ', '.join(names[:-1]) + ' and ' + names[-1] if len(names) > 1 else names[0]


def ssrn_paper(rng):
    """A law and economics working paper's first page as posted: the title, the authors with footnote
    marks on one line, the draft's date in italics, Abstract as a heading over an indented paragraph,
    keywords and JEL codes, the marked notes on the authors, and the repository's copy line at the foot."""
    year = rng.randint(2009, 2026)
    subject = rng.choice(SUBJECTS)
    title = rng.choice(LAW_FRAMES + ECON_FRAMES).format(S=subject)
    authors = _names(rng, rng.randint(1, 3))
    marks = ['*', '\u2020', '\u2021']
    kws = [subject.lower()] + rng.sample(['customary law', 'property rights', 'intangible heritage', 'rural China',
                                          'collective action', 'tourism'], rng.randint(2, 3))
    page = Page(latin=rng.choice(['Liberation Serif', 'Caladea', 'DejaVu Serif', 'Linux Libertine O']), size=11,
                margins=2.5)
    page.para('', after=30)
    page.para((title, {'size': rng.choice([16, 17, 18]), 'bold': True}), align='c', after=14)
    runs = []
    for k, a in enumerate(authors):
        runs += [a, (marks[k], {'sup': True})]
        if k < len(authors) - 1:
            runs.append(' and ' if k == len(authors) - 2 else ', ')
    page.para(runs, size=12, align='c', after=8)
    page.para(rng.choice(['This draft: %s %d, %d', 'This version: %s %d, %d', 'Draft of %s %d, %d']) %
              (rng.choice(MONTHS), rng.randint(1, 28), year), size=10.5, italic=True, align='c', after=24)
    page.para(('Abstract', {'bold': True}), size=11, align='c', after=6)
    page.para('Drawing on court files, village records and interviews, this paper studies how %s are governed '
              'by custom and by state law, and what follows for the people who make a living from them. ' %
              subject.lower() * 2, size=10.5, align='j', after=10)
    page.para([('Keywords: ', {'italic': True}), ', '.join(kws)], size=10.5, after=3)
    if rng.random() < 0.6:
        page.para([('JEL Classification: ', {'italic': True}), rng.choice(['K11, Z10', 'K42, O17', 'Z11, R11'])],
                  size=10.5, after=3)
    page.para('', after=40)
    page.para('', rule='bottom', after=2)
    univs = rng.sample(vocab.EN_UNIVS, len(authors))
    for k, (a, u) in enumerate(zip(authors, univs)):
        page.para([(marks[k], {'sup': True}), ' %s, %s. ' % (rng.choice(['School of Law', 'Department of Economics',
                                                                           'Faculty of Law']), u[0]),
                   'I thank seminar participants for comments.' if k == 0 else ''], size=8.5, after=0)
    page.para('Electronic copy available at: https://ssrn.com/abstract=%d' % rng.randint(1000000, 4999999),
              size=8, align='c', before=8)
    meta = set_meta(page, rng, title, authors, kws)
    return page, record(title, authors, year, kws, 'en', None, meta=meta)


def series_titlepage(rng):
    """A working paper series' title page set all centred: the series name in capitals, the title in
    small capitals, the authors one a line, the paper's number and address, the institute's address,
    the month and year, then a paragraph of thanks and the usual disclaimer."""
    year = rng.randint(2006, 2026)
    subject = rng.choice(SUBJECTS)
    title = rng.choice(ECON_FRAMES).format(S=subject)
    authors = _names(rng, rng.randint(1, 4))
    series = rng.choice(SERIES)
    page = Page(latin=rng.choice(['Liberation Serif', 'DejaVu Serif', 'Caladea']), size=11, margins=2.5)
    page.para('', after=24)
    page.para('%s WORKING PAPER SERIES' % series.upper(), size=11, align='c', after=30)
    page.para((title, {'smallcaps': rng.random() < 0.7, 'size': rng.choice([13, 14, 15]), 'bold': rng.random() < 0.3}),
              align='c', after=24)
    for a in authors:
        page.para((a, {'smallcaps': rng.random() < 0.5}), size=12, align='c', after=2)
    page.para('', after=22)
    number = rng.randint(1000, 29999)
    page.para('Working Paper %d' % number, size=11, align='c', after=2)
    page.para('http://www.%s.org/papers/w%d' % (''.join(w[0] for w in series.split()).lower(), number), size=10,
              align='c', after=18)
    page.para(series, size=10.5, align='c', after=0)
    page.para('%d %s Road' % (rng.randint(10, 999), rng.choice(['Minzu', 'Xueyuan', 'Harbour'])), size=10.5, align='c',
              after=0)
    page.para(rng.choice(['Nanning', 'Kunming', 'Xiamen']), size=10.5, align='c', after=14)
    page.para('%s %d' % (rng.choice(MONTHS), year), size=11, align='c', after=30)
    page.para('We thank the county archives and the village committees for their help, and seminar audiences for '
              'comments. The views expressed herein are those of the authors and do not necessarily reflect the '
              'views of the %s.' % series, size=9.5, align='j')
    meta = set_meta(page, rng, title, authors, [])
    return page, record(title, authors, year, [], 'en', None, meta=meta)


TEMPLATES = {'gen-en-ssrn-lawecon-draftdate': ssrn_paper, 'gen-en-econ-seriescentred-titlepage': series_titlepage}
