"""Forty-third English first pages, of kinds the earlier sets lack, in ethnomusicology and cultural
economics subjects of their own."""
from docxkit import Page
from genbase import record, set_meta
from enkit import case_safe_people as _names

SUBJECTS = ['Fuxian Lake Fishing Villages', 'Huize Copper Guild Halls', 'Luoping Beekeepers',
            'Lijiang Dongba Paper Makers', 'Baisha Naxi Music Ensembles', 'Shuhe Old Town Innkeepers',
            'Tonghai Xiushan Temple Fairs', 'Xinping Huayao Dai Embroiderers']
PANEL_FRAMES = ['Sounding Heritage: Performance and Memory among {S}', 'Listening to Tourism: {S} on Stage',
                'Ritual, Market and Song: {S}', 'Archiving Living Traditions: The {S}']
HONORS_FRAMES = ['Tourism Income and Household Labor: Evidence from {S}', 'Cooperatives and Prices: A Study of {S}',
                 'Who Gains from Heritage Listing? {S}', 'Credit Access and Craft Production among {S}']
MEETINGS = ['Society for Asian Performance Studies', 'Pacific Rim Ethnomusicology Forum', 'Intangible Heritage Studies Meeting']
COMMENT_FRAMES = ['Heritage Listing and Household Income among {S}: A Comment',
                  'Do Cooperatives Raise Prices for {S}? Comment', 'Tourism and Labor Supply among {S}: A Reappraisal']
JOURNALS = ['Journal of Rural Development Economics', 'Review of Cultural Economics', 'Asian Economic Policy Letters']
COLLEGES = ['Wexford College', 'Harlan State University', 'Bellmont College', 'St. Alder University']


def panel_paper(rng):
    """A humanities meeting's panel paper: the meeting and year, then the panel's number and theme,
    and "Chair: X · Discussant: Y" (neither is an author) over a rule; the title; each author on a
    line with the institution in italics; the abstract; a do-not-cite note; the opening section."""
    year = rng.randint(2009, 2026)
    title = rng.choice(PANEL_FRAMES).format(S=rng.choice(SUBJECTS[3:5] + SUBJECTS[6:]))
    authors = _names(rng, rng.randint(1, 3))
    chair, disc = _names(rng, 2, authors)
    page = Page(latin=rng.choice(['Liberation Serif', 'Caladea', 'DejaVu Serif', 'Liberation Sans']), size=11, margins=2.5)
    page.para(('%s, %s Annual Meeting' % (rng.choice(MEETINGS), year), {'bold': True}), size=10, align='l', after=1)
    page.para('Panel %d%s \u00b7 %s' % (rng.randint(1, 9), rng.choice('ABCD'),
                                        rng.choice(['Heritage on Stage', 'Sound and Place', 'Music, Markets and Tourism'])),
              size=10, after=1)
    page.para('Chair: %s%sDiscussant: %s' % (chair, rng.choice([' \u00b7 ', '    ', '; ']), disc), size=10, italic=True,
              rule='bottom', after=rng.choice([28, 36]))
    page.para((title, {'size': rng.choice([17, 18, 20]), 'bold': True}), align=rng.choice(['c', 'l']), after=14)
    for a in authors:
        page.para([a, (', %s' % rng.choice(COLLEGES + ['Yuxi Normal University']), {'italic': True})], size=11.5,
                  align='c', after=1)
    page.para('', after=10)
    page.para([('Abstract. ', {'bold': True}), 'This paper follows performers, organisers and audiences over several seasons '
               'and asks how a local tradition is kept, changed and sold when visitors arrive in growing numbers.'],
              size=10, align='j', after=6)
    page.para('Draft prepared for presentation; please do not cite or circulate without the authors\u2019 permission.',
              size=9, italic=True, align='c', after=16)
    page.para(('1. Introduction', {'bold': True}), size=11.5, after=4)
    page.para('Fieldwork for this paper combined participant observation, recorded interviews and a reading of '
              'programmes, posters and local newspapers. ' * 3, size=11, align='j')
    meta = set_meta(page, rng, title, authors, [])
    return page, record(title, authors, year, [], 'en', None, meta=meta)


def comment_paper(rng):
    """An economics journal's comment: the journal, volume and issue with "COMMENT" over a rule, the
    title, the authors with their colleges, a shaded box "Comment on:" citing the paper under
    discussion (whose authors are not the comment's), the JEL codes, and a text that opens on the
    original's claim."""
    year = rng.randint(2008, 2026)
    subject = rng.choice(SUBJECTS[:4] + SUBJECTS[5:6] + SUBJECTS[7:])
    title = rng.choice(COMMENT_FRAMES).format(S=subject)
    authors = _names(rng, rng.randint(1, 3))
    cited = _names(rng, rng.randint(1, 2), authors)
    page = Page(latin=rng.choice(['Liberation Serif', 'Caladea', 'Carlito', 'DejaVu Serif']), size=11, margins=2.5)
    page.table([['%s, Vol. %d, No. %d (%d)' % (rng.choice(JOURNALS), rng.randint(12, 60), rng.randint(1, 4), year),
                 ('COMMENT', {'bold': True})]], widths_cm=[12.0, 4.0], size=9.5, align=['l', 'r'])
    page.para('', rule='bottom', after=rng.choice([24, 30]))
    page.para((title, {'size': rng.choice([16, 18]), 'bold': True}), align='c', after=10)
    page.para([(', '.join(authors[:-1]) + ' and ' + authors[-1] if len(authors) > 1 else authors[0], {'smallcaps': rng.random() < 0.4})],
              size=12, align='c', after=2)
    page.para(', '.join(sorted({rng.choice(COLLEGES) for _ in authors})), size=10, italic=True, align='c', after=14)
    orig = ' and '.join(c.split()[-1] for c in cited)
    page.table([[[('Comment on: ', {'bold': True}), '%s (%d), \u201c%s,\u201d %s.' % (
        orig, year - rng.randint(1, 3), rng.choice(HONORS_FRAMES).format(S=subject), rng.choice(JOURNALS))]]],
               widths_cm=[15.0], size=10, align='l', shade=(0,), fill=rng.choice(['E7E6E6', 'EEF2F7']), grid=rng.random() < 0.5)
    page.para('', after=6)
    page.para('JEL Classification: %s' % ', '.join(rng.sample(['O13', 'Q13', 'Z32', 'L83', 'J43', 'R11'], 3)), size=10, after=14)
    page.para(('I. Introduction', {'bold': True}), size=11.5, after=4)
    page.para('%s argue that the change they study raised household earnings. We revisit their data and show that the '
              'estimate depends on how the sample is drawn and on which prices are used. ' % orig
              + 'Our reanalysis keeps their design but corrects the price series and the weights. ' * 2, size=11, align='j')
    meta = set_meta(page, rng, title, authors, [])
    return page, record(title, authors, year, [], 'en', None, meta=meta)


TEMPLATES = {'gen-en-ethnomusicologymeeting-panelpaper-chairdiscussantline': panel_paper,
             'gen-en-culturaleconjournal-comment-commentonbox-jelline': comment_paper}
