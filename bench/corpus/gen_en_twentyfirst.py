"""Twenty-first English first pages, of kinds the earlier sets lack, in subjects of their own."""
from docxkit import Page
from genbase import LATIN_FONTS, MONTHS, en_person, record, set_meta
import vocab

SUBJECTS = ['Selenium Enriched Tea Leaves', 'Walnut Green Husks', 'Soybean Seedlings at Low Temperature',
            'Grotto Mural Flaking', 'Apple Orchard Soil Nutrients', 'Volcanic Mineral Springs',
            'Flower Drum Opera Audiences', 'Lava Plateau Lichens']
PATENT_FRAMES = ['METHOD FOR DETECTING {S}', 'APPARATUS AND METHOD FOR PROCESSING {S}',
                 'SYSTEM FOR MONITORING {S}', 'DEVICE FOR SAMPLING {S} AND METHOD OF USE']
ABSTRACT_FRAMES = ['Seasonal Patterns in {S}', '{S}: A Three Year Field Study', 'Mapping {S} with Drone Imagery',
                   'Community Knowledge of {S}', 'A Low Cost Survey of {S}']
MEETINGS = ['Annual Meeting of the Society for Mountain Research', 'International Congress on Heritage Science',
            'Asian Conference on Agricultural Sustainability', 'Joint Meeting on Arid Land Ecology']
CITIES = [('Madison', 'WI', 'US'), ('Ithaca', 'NY', 'US'), ('Guelph', None, 'CA'), ('Leeds', None, 'GB'),
          ('Xi\'an', None, 'CN'), ('Heihe', None, 'CN'), ('Davis', 'CA', 'US')]


def _names(rng, n):
    """n distinct names; none with a hyphen, which a narrow cell may break at the line's end."""
    out = []
    while len(out) < n:
        p = en_person(rng)
        if '-' not in p and p not in out:
            out.append(p)
    return out


def _place(rng):
    c = rng.choice(CITIES)
    return '%s, %s(%s)' % (c[0], c[1] + ' ' if c[1] else '', c[2])


def patent_front(rng):
    """The front page of a patent: the office's line, the numbered fields (54) title, (71)
    applicant, (72) inventors with their towns, (22) filed, (45) date of patent, then the abstract."""
    year = rng.randint(2009, 2026)
    title = rng.choice(PATENT_FRAMES).format(S=rng.choice(SUBJECTS).upper())
    inventors = _names(rng, rng.randint(1, 4))
    univ = rng.choice(vocab.EN_UNIVS)
    page = Page(latin=rng.choice(['Liberation Serif', 'Liberation Sans', 'DejaVu Serif']), size=9.5, margins=2.0)
    first = inventors[0].split()[-1]
    pub = '%s. %d, %d' % (rng.choice(['Jan', 'Mar', 'May', 'Jul', 'Sep', 'Nov']), rng.randint(1, 28), year)
    page.table([[('(12) United States Patent\n%s%s' % (first, ' et al.' if len(inventors) > 1 else ''),
                  {'bold': True, 'size': 13}),
                 '(10) Patent No.:\u2003US %d,%03d,%03d B%d\n(45) Date of Patent:\u2003%s' % (
                     rng.randint(8, 12), rng.randint(0, 999), rng.randint(0, 999), rng.choice([1, 2]), pub)]],
               widths_cm=[8.5, 8.5], size=10, align=['l', 'l'])
    page.para('', rule='bottom', after=6)
    left = [('(54) %s\n\n' % title, {'bold': True}),
            '(71) Applicant: %s, %s\n\n' % (univ[0], _place(rng)),
            '(72) Inventors: %s\n\n' % ';\n'.join('%s, %s' % (p, _place(rng)) for p in inventors),
            '(21) Appl. No.: %d/%03d,%03d\n\n' % (rng.randint(13, 18), rng.randint(0, 999), rng.randint(0, 999)),
            '(22) Filed: %s. %d, %d\n\n' % (rng.choice(['Feb', 'Apr', 'Jun', 'Aug', 'Oct', 'Dec']), rng.randint(1, 28),
                                            year - rng.randint(1, 3)),
            '(51) Int. Cl.\n%s %d/%02d (2006.01)' % (rng.choice(['G01N', 'A01G', 'A23F', 'B09B']), rng.randint(1, 40),
                                                    rng.randint(0, 99))]
    right = [('(57)\u2003ABSTRACT\n', {'bold': True}),
             'A method and an apparatus are disclosed. Samples are taken, prepared and measured in a closed chamber, '
             'and the readings are compared with a stored reference to give a grade for each sample. ' * 3]
    page.table([[left, right]], widths_cm=[8.5, 8.5], size=9.5, align=['l', 'j'])
    page.para('%d Claims, %d Drawing Sheets' % (rng.randint(6, 24), rng.randint(2, 9)), size=9, align='r', before=8)
    meta = set_meta(page, rng, title, inventors)
    return page, record(title, inventors, year, [], 'en', None, meta=meta)


def abstract_receipt(rng):
    """The receipt a conference's submission system prints for an abstract: the meeting, a grid of
    Abstract ID, Title, Presenting Author, Authors, Affiliations, Session and Submitted, then the
    abstract's text."""
    year = rng.randint(2010, 2026)
    title = rng.choice(ABSTRACT_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 5))
    univs = rng.sample(vocab.EN_UNIVS, 2)
    page = Page(latin=rng.choice(LATIN_FONTS), size=10, margins=rng.choice([1.8, 2.2]))
    page.para(('%s %d' % (rng.choice(MEETINGS), year), {'bold': True, 'size': 13}), align='l', after=2)
    page.para(rng.choice(['Abstract Submission Receipt', 'Abstract Submission: Confirmation', 'Submitted Abstract']),
              size=11, align='l', rule='bottom', after=12)
    presenter = rng.choice(authors)
    rows = [['Abstract ID', '%s%d-%04d' % (rng.choice(['A', 'ABS', '']), year % 100, rng.randint(1, 9999))],
            ['Title', (title, {'bold': True})], ['Presenting Author', presenter],
            ['Authors', ', '.join(authors)],
            ['Affiliations', '; '.join(u[0] for u in univs[:1 + (len(authors) > 2)])],
            ['Session', rng.choice(['Poster', 'Oral', 'Lightning talk']) + ': ' + rng.choice(
                ['Landscapes and Livelihoods', 'Crop Physiology', 'Heritage Conservation', 'Water and Soil'])],
            ['Submitted', '%s %d, %d %02d:%02d' % (rng.choice(MONTHS), rng.randint(1, 28), year, rng.randint(0, 23),
                                                   rng.randint(0, 59))]]
    page.table(rows, widths_cm=[3.8, 13.2], size=10, grid=rng.random() < 0.6, align=['l', 'l'],
               bold_first=rng.random() < 0.6, shade=(0,) if rng.random() < 0.4 else (), fill='F2F2F2')
    page.para('', after=8)
    page.para(('Abstract', {'bold': True}), size=11, after=3)
    page.para('Background. The study asks how the matter varies from place to place and season to season. '
              'Methods. Plots were visited monthly. Results. The differences were large and consistent. ' * 2,
              size=10, align='j', after=8)
    page.para('You can edit this abstract until the submission deadline. This receipt was generated automatically.',
              size=8.5, italic=True)
    meta = set_meta(page, rng, title, authors)
    return page, record(title, authors, year, [], 'en', None, meta=meta)


TEMPLATES = {'gen-en-patent-inid': patent_front, 'gen-en-abstract-receipt': abstract_receipt}
