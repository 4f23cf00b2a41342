"""Thirteenth English first pages: a study protocol ("STUDY PROTOCOL") whose authors carry letter
marks, with the trial's registration and a structured abstract (Background, Methods, Discussion)
and keywords; and a review whose side column names the handling editor and the reviewers (who are
not authors), the correspondence, the dates and how to cite it, beside the title, the authors and
the abstract. Subjects: citrus greening, urban greenways, woodblock prints, reservoir landslides,
public audit and a fermented-food diet trial."""
from docxkit import Page
from genbase import LATIN_FONTS, MONTHS, distinct, en_person, record, set_meta
import vocab

TRIALS = [('a fermented vegetable diet', 'adults with prediabetes'),
          ('a forest walking programme', 'older city dwellers'),
          ('community evacuation drills', 'reservoir villages'), ('heat stress screening', 'outdoor farm labourers'),
          ('a lactic acid bacteria supplement', 'children with eczema'),
          ('guided greenway cycling', 'office workers with low back pain'),
          ('printmaking workshops', 'people living with mild dementia')]
TRIAL_FRAMES = ['Effect of {i} in {p}: protocol for a randomised controlled trial',
                '{I} for {p}: study protocol of a pilot trial',
                'A cluster randomised trial of {i} among {p}: protocol',
                '{I} versus usual care in {p}: protocol for a multicentre trial',
                'Feasibility of {i} for {p}: a study protocol']
REVIEWS = [('citrus greening disease', ['management', 'vector control', 'resistant rootstocks']),
           ('urban greenway use', ['health outcomes', 'planning tools', 'equity of access']),
           ('woodblock print conservation', ['materials', 'pigment analysis', 'digital archives']),
           ('reservoir bank landslides', ['early warning', 'deformation monitoring', 'failure mechanisms']),
           ('public sector audit', ['accountability', 'data analytics', 'internal control'])]
REVIEW_FRAMES = ['{S} and {t}: a review', 'Advances in {t} of {s}', 'What do we know about {s}? A review of {t}',
                 '{S}: {t} over two decades', 'Recent progress in {t} for {s}',
                 '{S} in a changing climate: {t} revisited']
BODY = ('We set out the background and the questions, the design and the measures, and how the results will '
        'be reported. ')


def _marks(rng, people, n):
    marks = ['a'] + [chr(97 + rng.randrange(n)) for _ in people[1:]]
    for k in range(1, n):
        if chr(97 + k) not in marks:
            marks[min(k, len(marks) - 1)] = chr(97 + k)
    return marks


def protocol(rng):
    """A study protocol: journal and "STUDY PROTOCOL" tag, the title, authors with letter marks and
    lettered affiliations, the trial registration, a structured abstract and Keywords."""
    year = rng.randint(2013, 2026)
    i, p = rng.choice(TRIALS)
    title = rng.choice(TRIAL_FRAMES).format(i=i, I=i[0].upper() + i[1:], p=p)
    people = distinct(rng, en_person, rng.randint(3, 8))
    univs = rng.sample(vocab.EN_UNIVS, rng.randint(1, 3))
    marks = _marks(rng, people, len(univs))
    page = Page(latin=rng.choice(LATIN_FONTS), size=10, margins=rng.choice([1.8, 2.0, 2.5]))
    journal = rng.choice(['Trials and Protocols', 'BMJ Open Research', 'Contemporary Clinical Trials Reports'])
    page.para('%s (%d) %d:%d' % (journal, year, rng.randint(5, 25), rng.randint(1, 900)) if rng.random() < 0.5
              else '%s %d;%d:e%05d' % (journal, year, rng.randint(5, 25), rng.randint(1, 99999)),
              size=8.5, align=rng.choice(['l', 'r']), after=8)
    page.para(('STUDY PROTOCOL' if rng.random() < 0.5 else 'Study protocol', {'bold': True, 'size': 9}),
              rule='bottom' if rng.random() < 0.5 else None, after=10)
    page.para((title, {'size': rng.choice([16, 17, 19]), 'bold': True}), align=rng.choice(['l', 'c']), after=8)
    runs = []
    for k, person in enumerate(people):
        runs += [person, (marks[k] + ('*' if k == len(people) - 1 else ''), {'sup': True, 'size': 7})]
        if k < len(people) - 1:
            runs.append(', ' if k < len(people) - 2 else rng.choice([' and ', ', ']))
    page.para(runs, size=10.5, align='l', after=6)
    for k, u in enumerate(univs):
        page.para([(chr(97 + k), {'sup': True, 'size': 6}), ' %s, %s, %s' % u], size=8, after=0)
    page.para('*Correspondence: %s' % people[-1], size=8, before=4, after=8)
    reg = 'NCT0%07d' % rng.randint(1000000, 9999999) if rng.random() < 0.6 \
        else 'ChiCTR%d%07d' % (year - 1, rng.randint(1, 9999999))
    for head in ('Background', 'Methods', 'Discussion'):
        page.para([(head + ': ', {'bold': True}), BODY], size=9.5, align='j', after=2)
    page.para([('Trial registration: ', {'bold': True}), '%s, registered %d %s %d.' % (
        reg, rng.randint(1, 28), MONTHS[rng.randrange(12)], year - 1)], size=9.5, after=4)
    kws = rng.sample(['randomised controlled trial', 'protocol', 'feasibility', 'primary care', 'quality of life',
                      'cost-effectiveness', i.split()[-1]], rng.randint(3, 5))
    page.para([('Keywords: ', {'bold': True}), rng.choice(['; ', ', ']).join(kws)], size=9.5, after=10)
    page.para([('Background', {'bold': True}), '\n', BODY * 3], size=10, align='j')
    meta = set_meta(page, rng, title, people, kws)
    return page, record(title, people, year, kws, 'en', None, meta=meta)


def review(rng):
    """A review in two cells: the side column (OPEN ACCESS, EDITED BY, REVIEWED BY, CORRESPONDENCE,
    the dates, CITATION) and the main one (article type and DOI, the title, the authors, their
    affiliations, the abstract and KEYWORDS)."""
    year, month = rng.randint(2016, 2026), rng.randint(1, 12)
    s, ts = rng.choice(REVIEWS)
    t = rng.choice(ts)
    title = rng.choice(REVIEW_FRAMES).format(s=s, S=s[0].upper() + s[1:], t=t)
    people = distinct(rng, en_person, rng.randint(2, 6))
    others = [x for x in distinct(rng, en_person, 8) if x not in people][:3]
    univs = rng.sample(vocab.EN_UNIVS, rng.randint(1, min(3, len(people))) + 3)
    mine, theirs = univs[:-3], univs[-3:]
    marks = [1] + [rng.randint(1, len(mine)) for _ in people[1:]]
    for k in range(2, len(mine) + 1):
        if k not in marks:
            marks[k - 1] = k
    doi = '10.%d/%s.%d.%07d' % (rng.choice([3389, 3390]), rng.choice(['fenvs', 'fpls', 'feart']), year,
                                rng.randint(1000000, 1999999))
    cite = '%s%s (%d) %s. Front. Res. %d:%d. doi: %s' % (
        people[0].split()[-1], ' et al.' if len(people) > 2 else '', year, title, rng.randint(5, 15),
        rng.randint(1000000, 1999999), doi)
    tiny = {'size': 7}
    side = [('OPEN ACCESS', {'bold': True, 'size': 8}), '\n\n', ('EDITED BY', {'bold': True, 'size': 7}), '\n',
            ('%s, %s, %s' % (others[0], theirs[0][0], theirs[0][2]), tiny), '\n\n',
            ('REVIEWED BY', {'bold': True, 'size': 7}), '\n',
            ('%s, %s, %s\n%s, %s, %s' % (others[1], theirs[1][0], theirs[1][2], others[2], theirs[2][0], theirs[2][2]),
             tiny), '\n\n', ('*CORRESPONDENCE', {'bold': True, 'size': 7}), '\n', (people[0], tiny), '\n\n',
            ('RECEIVED %d %s %d\nACCEPTED %d %s %d\nPUBLISHED %d %s %d' % (
                rng.randint(1, 28), MONTHS[(month + 5) % 12], year - (month <= 7), rng.randint(1, 28),
                MONTHS[(month + 10) % 12], year - (month <= 2), rng.randint(1, 28), MONTHS[month - 1], year), tiny),
            '\n\n', ('CITATION', {'bold': True, 'size': 7}), '\n', (cite, tiny)]
    byline = []
    for k, person in enumerate(people):
        byline += [(person, {'size': 11, 'bold': True}),
                   ('%d%s' % (marks[k], '*' if k == 0 else ''), {'sup': True, 'size': 7})]
        if k < len(people) - 1:
            byline.append((', ' if k < len(people) - 2 else ' and ', {'size': 11, 'bold': True}))
    affil = '\n'.join('%d %s, %s, %s' % (k + 1, u[0], u[1], u[2]) for k, u in enumerate(mine))
    kws = rng.sample([w for w in s.split() + t.split() if len(w) > 4] + ['review', 'meta-analysis', 'China',
                                                                        'policy', 'long-term monitoring'], 4)
    main = [('TYPE Review\u2003PUBLISHED %d %s %d\u2003DOI %s' % (rng.randint(1, 28), MONTHS[month - 1], year, doi),
             {'size': 7.5}), '\n\n', (title, {'size': rng.choice([18, 20]), 'bold': True}), '\n\n'] + byline + \
        ['\n', (affil, {'size': 8}), '\n\n', (BODY * 3, {'size': 9.5}), '\n\n',
         ('KEYWORDS', {'bold': True, 'size': 8}), '\n', (', '.join(kws), {'size': 8.5})]
    page = Page(latin=rng.choice(LATIN_FONTS), size=10, margins=rng.choice([1.5, 1.8]))
    page.table([[side, main]], widths_cm=[4.5, 12.8], align='l', shade=(0,) if rng.random() < 0.4 else (),
               fill='EDEDED')
    meta = set_meta(page, rng, title, people, kws)
    return page, record(title, people, year, kws, 'en', doi, meta=meta, editors=others)


TEMPLATES = {'gen-en-protocol-trialreg': protocol, 'gen-en-review-editedby': review}
