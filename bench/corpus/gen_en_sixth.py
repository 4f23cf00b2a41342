"""Sixth English first pages: an English-language journal of a Chinese university, whose authors
are printed in pinyin with the surname in capitals and a hyphenated given name ("ZHANG Xiao-ming¹")
over numbered units in brackets, with the CLC number and document code under the keywords; and a
society transactions page whose byline starts with "By", set in small capitals, over the
affiliations in italics and a "Communicated by" line naming an editor who is not an author.
Subjects: weather radar, silkworms, honeybees, glazes, translation, fingerprints, permafrost."""
from docxkit import Page
from genbase import LATIN_FONTS, MONTHS, distinct, en_person, record, set_meta
import vocab

# one field each: subjects and settings that go together, the units and the society of the field
DOMAINS = [(['Hail Cells', 'Dust Plumes', 'Lightning Clusters'], ['the Tibetan Plateau', 'Radar Networks'],
            ['School of Atmospheric Physics', 'Institute of Severe Weather'], 'Quarterly Journal of the Hail Research Society'),
           (['Silkworm Pupae', 'Mulberry Leaves'], ['Southwest Sericulture'],
            ['College of Sericulture', 'Institute of Textile Fibres'], 'Transactions of the Sericultural Society'),
           (['Drone Brood', 'Royal Jelly'], ['Highland Apiaries'],
            ['Institute of Apicultural Research', 'College of Bee Science'], 'Proceedings of the Apicultural Society'),
           (['Celadon Crackle', 'Kiln Atmospheres'], ['Imperial Kilns'],
            ['Ceramic Research Institute', 'School of Materials Science'], 'Transactions of the Kiln and Glaze Society'),
           (['Sutra Translation', 'Subtitle Conventions'], ['Monastic Archives', 'Streaming Platforms'],
            ['School of Interpreting and Translation', 'Centre for Translation Studies'],
            'Proceedings of the Society for Translation History'),
           (['Sweat Pores', 'Shoe Impressions'], ['Crime-Scene Casework'],
            ['Department of Trace Evidence', 'School of Forensic Science'], 'Transactions of the Society for Trace Evidence'),
           (['Ice Wedges', 'Rock Glaciers'], ['the Tibetan Plateau', 'the Qilian Mountains'],
            ['Institute of Cryospheric Science', 'School of Geography'], 'Proceedings of the Permafrost Society')]
SUBJECTS = sorted({w for d in DOMAINS for w in d[0]})
FRAMES = ['Observed {s} over {c}', 'A Note on {s} and {t}', 'Seasonal {s} in {c}',
          'Measuring {s}: Methods from {c}', '{s} and {t} Compared']
CONTEXTS = sorted({w for d in DOMAINS for w in d[1]})
CHINA = [('Nanjing University of Information Science and Technology', 'Nanjing 210044'),
         ('Southwest University', 'Chongqing 400715'), ('Jingdezhen Ceramic University', 'Jingdezhen 333403'),
         ('Guangxi University', 'Nanning 530004'), ('Xinjiang University', 'Urumqi 830046')]
BODY = ('Observations from several field seasons are summarised and compared with earlier records. '
        'The differences are traced to a few plain causes, and their practical consequences are set out. ')


def _topic(rng):
    """A title, the units and the society of its field."""
    subjects, contexts, units, society = rng.choice(DOMAINS)
    s, t = rng.sample(subjects, 2)
    return rng.choice(FRAMES).format(s=s, t=t, c=rng.choice(contexts)), units, society


def _keywords(rng, title):
    """The subjects of the title's field (those it names first), then a setting, in lower case."""
    subjects, contexts = next(d[:2] for d in DOMAINS if any(w in title for w in d[0]))
    out = sorted(subjects, key=lambda w: w not in title)
    out.append(rng.choice(contexts).replace('the ', ''))
    return [w.lower() for w in out[:3]]


def _pinyin(rng):
    """A pinyin name as Chinese English-language journals print it: "ZHANG Xiao-ming"."""
    sur = rng.choice(vocab.ZH_SURNAMES)[1]
    given = [rng.choice(vocab.ZH_GIVEN)[1] for _ in range(1 if rng.random() < 0.3 else 2)]
    return '%s %s' % (sur.upper(), '-'.join(given).capitalize())


def pinyin_journal(rng):
    year = rng.randint(2008, 2026)
    title, units, society = _topic(rng)
    names = distinct(rng, _pinyin, rng.randint(2, 5))
    page = Page(latin=rng.choice(LATIN_FONTS), size=10, margins=2.0)
    page.para('J. %s Univ. (Engl. Ed.), %d, %d(%d): %d-%d' % (
        rng.choice(['Southwest', 'Guangxi', 'Xinjiang', 'Nanjing Inf. Sci. Technol.']), year, rng.randint(10, 40),
        rng.randint(1, 6), rng.randint(1, 200), rng.randint(201, 260)), size=8, align='l', rule='bottom', after=16)
    page.para((title, {'size': rng.choice([16, 17]), 'bold': True}), align='c', after=10)
    runs = []
    for i, n in enumerate(names):
        runs.append(n)
        runs.append(('%d%s' % (1 + i % 2, '*' if i == 0 and rng.random() < 0.5 else ''), {'sup': True, 'size': 7}))
        if i < len(names) - 1:
            runs.append(', ')
    page.para(runs, align='c', size=11, after=4)
    u = rng.sample(CHINA, 2)
    page.para('(1. %s, %s, %s, China; 2. %s, %s, %s, China)' % (
        rng.choice(units), u[0][0], u[0][1], rng.choice(units), u[1][0], u[1][1]), align='c', size=8.5, italic=True,
        after=12)
    kws = _keywords(rng, title)
    page.para([('Abstract: ', {'bold': True}), BODY * 2], size=9, align='j')
    page.para([('Key words: ', {'bold': True}), '; '.join(kws)], size=9, after=2)
    page.para('CLC number: %s    Document code: A    Article ID: %04d-%04d(%d)%02d-%04d-%02d' % (
        rng.choice(['P412', 'S881', 'S893', 'TQ174', 'H059', 'D918']), rng.randint(1000, 9999), rng.randint(1000, 9999),
        year, rng.randint(1, 6), rng.randint(1, 300), rng.randint(5, 9)), size=8.5, after=12)
    page.columns(2)
    page.para(BODY * 3, align='j', after=10)
    page.para('Received date: %d-%02d-%02d' % (year - 1, rng.randint(1, 12), rng.randint(1, 28)), size=7.5,
              rule='top', after=0)
    meta = set_meta(page, rng, title, names, kws)
    return page, record(title, names, year, kws, 'en', None, meta=meta)


def communicated_by(rng):
    year = rng.randint(1998, 2026)
    title, units, society = _topic(rng)
    people = distinct(rng, en_person, rng.randint(1, 4))
    editor = distinct(rng, en_person, 1)[0]
    while editor in people:
        editor = en_person(rng)
    page = Page(latin=rng.choice(LATIN_FONTS), size=10.5, margins=2.5)
    page.para('%s, Vol. %d, No. %d (%s %d), pp. %d-%d' % (
        society, rng.randint(5, 90), rng.randint(1, 4), rng.choice(MONTHS), year,
        rng.randint(1, 300), rng.randint(301, 340)), size=8.5, align='c', italic=True, after=24)
    page.para((title.upper() if rng.random() < 0.4 else title, {'size': rng.choice([14, 16]), 'bold': True}),
              align='c', after=12)
    if len(people) == 1:
        byline = people[0]
    else:
        byline = ', '.join(people[:-1]) + ' and ' + people[-1]
    page.para([('By ', {'italic': True}), (byline, {})], align='c', size=11.5, after=4)
    for k in range(min(2, len(people))):
        page.para('%s, %s' % (rng.choice(units), rng.choice(vocab.EN_UNIVS)[0]), align='c', size=9.5,
                  italic=True, after=0)
    page.para('', after=6)
    page.para('(Communicated by %s; received %d %s %d%s)' % (
        editor, rng.randint(1, 28), rng.choice(MONTHS), year - 1,
        '; revised %d %s %d' % (rng.randint(1, 28), rng.choice(MONTHS), year) if rng.random() < 0.5 else ''),
        align='c', size=9, after=14)
    kws = _keywords(rng, title)
    page.para([('Summary. ', {'bold': True}), BODY], size=9.5, align='j', indent=14)
    page.para([('Keywords: ', {'italic': True}), ', '.join(kws)], size=9.5, after=12)
    page.para('1. Introduction', bold=True, size=11, after=4)
    page.para(BODY * 3, align='j', indent=14)
    meta = set_meta(page, rng, title, people, kws)
    return page, record(title, people, year, kws, 'en', None, meta=meta)


TEMPLATES = {'gen-en-pinyin-journal': pinyin_journal, 'gen-en-communicated-by': communicated_by}
