"""Thirty-second English first pages: an aerospace research centre's technical memorandum cover with
its series number at the very top, and a computing conference paper whose title stands between two
rules over a grid of authors, in subjects of their own."""
import unicodedata

from docxkit import Page
from genbase import MONTHS, en_person, record, set_meta
from zhkit import sized_table

# titles carry no hyphens: a word broken at its hyphen at the end of a line loses it in the text layer
TM_SUBJECTS = ['Rotorcraft Noise Footprints', 'Tailings Dam Seepage', 'Mangrove Carbon Flux',
               'Propeller Wake Ingestion', 'Runway Friction Degradation']
CONF_SUBJECTS = ['Radar Gesture Sensing', 'Edge Task Offloading', 'Pneumoconiosis Radiograph Grading',
                 'Hip Fracture Triage', 'Knowledge Distillation for Microcontrollers']
SUBJECTS = sorted(set(TM_SUBJECTS + CONF_SUBJECTS))
TM_FRAMES = ['Measurements of {S} in a Subscale Facility', 'A Reduced Order Model of {S}',
             'Flight Test Results on {S}', 'Uncertainty Analysis of {S}', '{S}: Data Report']
CONF_FRAMES = ['Learning {S} from Sparse Labels', 'Towards Robust {S}', 'A Benchmark for {S}',
               'Efficient {S} with Lightweight Networks', 'Revisiting {S} under Distribution Shift']
CENTERS = [('Glenn Research Center', 'Cleveland, Ohio'), ('Langley Research Center', 'Hampton, Virginia'),
           ('Ames Research Center', 'Moffett Field, California'), ('Armstrong Flight Research Center',
                                                                   'Edwards, California')]
VENUES = ['Conference on Neural Information Processing Systems', 'International Conference on Embedded Sensing',
          'Conference on Medical Imaging with Deep Learning', 'Symposium on Edge Computing Systems']
UNIVS = [('Chongqing University of Posts and Telecommunications', 'cqupt.edu.cn'),
         ('North Sichuan Medical College', 'nsmc.edu.cn'), ('Beibu Gulf University', 'bbgu.edu.cn'),
         ('Hunan University of Science and Technology', 'hnust.edu.cn')]


def _names(rng, n):
    """n distinct names without hyphens whose letters survive a change of case."""
    out = []
    while len(out) < n:
        p = en_person(rng)
        if '-' not in p and p.upper().lower() == p.lower() and p not in out:
            out.append(p)
    return out


def techmemo_cover(rng):
    """A technical memorandum cover: the series number (NASA/TM—YYYY–NNNNNNN) alone at the top left,
    the title large, then each author with his centre and its city in italics under the name, a wide
    gap, and the month and year at the foot."""
    year = rng.randint(2001, 2026)
    title = rng.choice(TM_FRAMES).format(S=rng.choice(TM_SUBJECTS))
    authors = _names(rng, rng.randint(1, 4))
    page = Page(latin=rng.choice(['Liberation Sans', 'DejaVu Sans', 'Carlito', 'Liberation Serif']), size=11,
                margins=rng.choice([2.0, 2.5]))
    page.para(('NASA/%s\u2014%d\u2013%d' % (rng.choice(['TM', 'CR', 'TP']), year, rng.randint(2000000, 2999999)),
               {'bold': True, 'size': rng.choice([12, 14])}), align='l', after=60, rule='bottom' if rng.random() < 0.5 else None)
    page.para((title, {'bold': True, 'size': rng.choice([22, 24, 26])}), align='l', after=30, line=1.1)
    centre = rng.choice(CENTERS)
    for a in authors:
        c = centre if rng.random() < 0.7 else rng.choice(CENTERS)
        page.para(a, size=13, align='l', after=0)
        page.para('%s, %s' % c, size=11, align='l', italic=True, after=10)
    page.para('', after=160)
    page.para('%s %d' % (rng.choice(MONTHS), year), size=12, align='l', bold=rng.random() < 0.5)
    meta = set_meta(page, rng, title, authors)
    return page, record(title, authors, year, [], 'en', None, meta=meta)


def conference_rulebox(rng):
    """A computing conference paper: the title centred between a heavy rule over it and a thin rule
    under it, the authors in a grid (name bold, affiliation, e-mail in a fixed font), the abstract
    indented as a block, the opening section, and the venue's line at the foot of the page."""
    year = rng.randint(2016, 2026)
    title = rng.choice(CONF_FRAMES).format(S=rng.choice(CONF_SUBJECTS))
    n = rng.randint(1, 5)
    authors = _names(rng, n)
    page = Page(latin=rng.choice(['Liberation Serif', 'DejaVu Serif', 'Caladea']), size=10, margins=2.5)
    page.para('', rule='bottom', after=8)
    page.para((title, {'bold': True, 'size': rng.choice([16, 17])}), align='c', after=6)
    page.para('', rule='top', after=10)
    cells = []
    for a in authors:
        univ, dom = rng.choice(UNIVS)
        surname = unicodedata.normalize('NFKD', a.split()[-1]).encode('ascii', 'ignore').decode()
        mail = '%s@%s' % (surname.lower(), dom)
        cells.append([(a + '\n', {'bold': True, 'size': 10}), (univ + '\n', {'size': 9}),
                      (mail, {'size': 8.5, 'font': 'DejaVu Sans Mono'})])
    per = 3 if n > 3 else n
    rows = [cells[k:k + per] + [''] * (per - len(cells[k:k + per])) for k in range(0, n, per)]
    sized_table(page, rows, [16.0 / per] * per, align=['c'] * per)
    page.para('', after=10)
    page.para(('Abstract', {'bold': True, 'size': 12}), align='c', after=4)
    page.para('We study the problem on field data, propose a compact model and show on three datasets that it '
              'is accurate and cheap to run. Code and data will be released.', size=9.5, align='j', after=10)
    page.para(('1\u2003Introduction', {'bold': True, 'size': 12}), after=4)
    page.para('Recent work has made progress on this task, but deployments remain limited by cost. ' * 4,
              size=10, align='j', after=40)
    page.para('%dth %s (%s %d).' % (rng.randint(4, 20), rng.choice(VENUES),
                                     rng.choice(['Singapore', 'Vancouver', 'Lisbon', 'Kyoto']), year),
              size=8, align='l', italic=rng.random() < 0.5)
    meta = set_meta(page, rng, title, authors)
    return page, record(title, authors, year, [], 'en', None, meta=meta)


TEMPLATES = {'gen-en-aerospace-techmemo-seriesnumbertop': techmemo_cover,
             'gen-en-computingconf-titlebetweenrules-authorgrid': conference_rulebox}
