"""Twenty-third English first pages, of kinds the earlier sets lack, in subjects of their own."""
from docxkit import Page
from genbase import LATIN_FONTS, MONTHS, en_person, record, set_meta
import vocab

SUBJECTS = ['Li Brocade Motifs', 'Tricolor Glazed Pottery Recipes', 'Coconut Shell Carving Livelihoods',
            'Graphite Tailings Reuse', 'Lakeside Migratory Bird Stopovers', 'Cloud Mist Tea Cultivars',
            'Cave Temple Inscriptions', 'Tanka Fishing Songs']
FRAMES = ['{S} across Three Decades', 'Recording {S}: Methods and Pitfalls', 'The Economics of {S}',
          'An Open Dataset of {S}', '{S} in Transition']
DATA_FRAMES = ['Dataset: {S} Survey Records', '{S}: Field Measurements and Photographs',
               'Interview Transcripts on {S}', 'Replication Data for: {S} across Three Decades']
COMPANIES = ['Linguaedit Academic Services', 'ScholarPolish Ltd.', 'Clear Manuscript Editing', 'ProofRoom Scientific']


def _names(rng, n):
    """n distinct names without hyphens whose letters survive a change of case."""
    out = []
    while len(out) < n:
        p = en_person(rng)
        if '-' not in p and p.upper().lower() == p.lower() and p not in out:
            out.append(p)
    return out


def editing_certificate(rng):
    """The certificate a language-editing firm issues for a manuscript: the firm's name over a rule,
    EDITING CERTIFICATE, "This document certifies that the manuscript" with the title in quotes and
    its authors, the editing date, a verification key and the firm's signature."""
    year = rng.randint(2012, 2026)
    title = rng.choice(FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 5))
    firm = rng.choice(COMPANIES)
    page = Page(latin=rng.choice(LATIN_FONTS), size=11, margins=rng.choice([2.0, 2.5]))
    page.para((firm, {'bold': True, 'size': rng.choice([16, 18])}), align=rng.choice(['l', 'c']), rule='bottom',
              after=30)
    page.para((rng.choice(['EDITING CERTIFICATE', 'Certificate of English Editing', 'LANGUAGE EDITING CERTIFICATE']),
               {'bold': True, 'size': rng.choice([20, 22, 24])}), align='c', after=24)
    page.para('This document certifies that the manuscript', size=12, align='c', after=6)
    page.para(('\u201c%s\u201d' % title if rng.random() < 0.6 else title, {'bold': True, 'size': 13,
                                                                      'italic': rng.random() < 0.4}),
              align='c', after=6)
    joined = ', '.join(authors[:-1]) + ' and ' + authors[-1] if len(authors) > 1 else authors[0]
    page.para('prepared by the author%s %s' % ('s' if len(authors) > 1 else '', joined), size=12, align='c', after=6)
    page.para('was edited for proper English language, grammar, punctuation, spelling, and overall style by one or more '
              'of the highly qualified native English speaking editors at %s.' % firm, size=12, align='c', after=20)
    page.table([['Date of editing:', '%s %d, %d' % (rng.choice(MONTHS), rng.randint(1, 28), year)],
                ['Verification key:', '%04X-%04X-%04X' % (rng.randrange(65536), rng.randrange(65536), rng.randrange(65536))]],
               widths_cm=[5.0, 8.0], size=11, align=['r', 'l'], bold_first=True)
    page.para('', after=30)
    page.para('%s\nChief Executive Officer' % en_person(rng), size=10.5, align='r')
    meta = set_meta(page, rng, title, authors)
    return page, record(title, authors, year, [], 'en', None, meta=meta)


def datarepo_landing(rng):
    """A data repository's record page printed from a browser: the print date and page name, a line
    of badges (publication date, version, resource type, access), the title, the creators with their
    affiliations, the description, keywords and the DOI."""
    year = rng.randint(2014, 2026)
    subject = rng.choice(SUBJECTS)
    title = rng.choice(DATA_FRAMES).format(S=subject)
    kws = [subject.lower()] + rng.sample(['field survey', 'open data', 'rural China', 'heritage', 'photographs'], 2)
    creators = _names(rng, rng.randint(1, 4))
    univs = rng.sample(vocab.EN_UNIVS, 2)
    page = Page(latin=rng.choice(['Liberation Sans', 'DejaVu Sans', 'Carlito']), size=10, margins=1.6)
    page.table([['%d/%d/%d, %d:%02d %s' % (rng.randint(1, 12), rng.randint(1, 28), rng.randint(year, 2026),
                                         rng.randint(1, 12), rng.randint(0, 59), rng.choice(['AM', 'PM'])),
                 rng.choice(['Data record', 'Dataset page', 'Open data archive'])]],
               widths_cm=[8.0, 9.8], size=8, align=['l', 'r'])
    page.para('', after=8)
    page.para('Published %s %d, %d\u2002|\u2002Version v%d\u2002|\u2002Dataset\u2002|\u2002%s' % (
        rng.choice(MONTHS), rng.randint(1, 28), year, rng.randint(1, 4), rng.choice(['Open', 'Open Access'])),
        size=9, align='l', after=10)
    page.para((title, {'bold': True, 'size': rng.choice([18, 20])}), align='l', after=6)
    if rng.random() < 0.5:
        page.para(';\u2002'.join('%s (%s)' % (c, univs[k % 2][0]) for k, c in enumerate(creators)), size=10, align='l',
                  after=12)
    else:
        page.table([['Creators', '\n'.join('%s\u2002\u2013\u2002%s' % (c, univs[k % 2][0])
                                           for k, c in enumerate(creators))]],
                   widths_cm=[3.0, 14.8], size=10, grid=True, align=['l', 'l'], shade=(0,), fill='EEEEEE')
        page.para('', after=8)
    page.para(('Description', {'bold': True}), size=11, after=3)
    page.para('The files hold field sheets, coordinates and photographs gathered over several seasons, with a '
              'readme describing each column and the units used. ' * 2, size=10, align='j', after=8)
    page.para([('Keywords: ', {'bold': True}), ', '.join(kws)], size=9.5, after=8)
    page.para('DOI 10.%d/zenodo.%d' % (rng.choice([5281, 5061]), rng.randint(1000000, 9999999)), size=9.5, after=4)
    page.para('License: Creative Commons Attribution 4.0 International', size=9, italic=True)
    meta = set_meta(page, rng, title, creators, kws)
    return page, record(title, creators, year, kws, 'en', None, meta=meta)


TEMPLATES = {'gen-en-editing-certificate': editing_certificate, 'gen-en-datarepo-landing': datarepo_landing}
