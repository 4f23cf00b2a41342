"""Twenty-eighth English first pages: a forestry agency's general technical report cover with its
series in a shaded side column, and an engineering final-year project report cover naming the
supervisor and the second marker, in subjects of their own."""
from docxkit import Page
from genbase import MONTHS, en_person, record, set_meta
from zhkit import sized_table
import vocab

# titles carry no hyphens: a word broken at its hyphen at the end of a line loses it in the text layer
GTR_SUBJECTS = ['Debris Flow Warning', 'Matsutake Harvesting', 'Coseismic Landslide Deposits',
                'Alpine Grassland Restoration', 'Rockfall Barrier']
FYP_SUBJECTS = ['Groundwater Overdraft Recharge', 'Land Subsidence Monitoring', 'Diabetic Foot Ulcer Imaging',
                'Tibetan Pig Feeding', 'Gastric Cancer Screening']
SUBJECTS = sorted(set(GTR_SUBJECTS + FYP_SUBJECTS))
GTR_FRAMES = ['Guidelines for {S} in Mountain Watersheds', '{S}: A Field Guide for Managers',
              'Assessing {S} on Public Lands', 'A Monitoring Protocol for {S}', 'Ten Years of {S} Research']
FYP_FRAMES = ['Design of a Low Cost System for {S}', 'A Software Tool for {S}', 'Prototype Sensors for {S}',
              'Data Analysis Pipeline for {S}', 'An Embedded Controller for {S}']
STATIONS = [('Rocky Mountain Research Station', 'RMRS'), ('Pacific Northwest Research Station', 'PNW'),
            ('Southern Research Station', 'SRS'), ('Northern Research Station', 'NRS')]


def _names(rng, n):
    """n distinct names without hyphens whose letters survive a change of case."""
    out = []
    while len(out) < n:
        p = en_person(rng)
        if '-' not in p and p.upper().lower() == p.lower() and p not in out:
            out.append(p)
    return out


def gtr_cover(rng):
    """A general technical report cover: a narrow shaded column on the left holds the department, the
    agency, the station, the series number and the date; the wide right cell holds the title large
    and the authors, one a line or joined; an abstract follows under the table."""
    year = rng.randint(2000, 2026)
    title = rng.choice(GTR_FRAMES).format(S=rng.choice(GTR_SUBJECTS))
    authors = _names(rng, rng.randint(1, 4))
    station, short = rng.choice(STATIONS)
    page = Page(latin=rng.choice(['Liberation Sans', 'DejaVu Sans', 'Carlito', 'Liberation Serif']), size=10,
                margins=1.8)
    left = [('United States\nDepartment of\nAgriculture\n\n', {'bold': True, 'size': 10}),
            ('Forest Service\n\n%s\n\n' % station, {'size': 9}),
            ('General Technical Report\n%s\u2011GTR\u2011%d\n\n%s %d' % (short, rng.randint(100, 450),
                                                                        rng.choice(MONTHS), year), {'size': 9})]
    if rng.random() < 0.5:
        byline = [(a + '\n', {'size': 12, 'italic': rng.random() < 0.3}) for a in authors]
    else:
        byline = [((', '.join(authors[:-1]) + ' and ' + authors[-1]) if len(authors) > 1 else authors[0],
                   {'size': 12})]
    right = [('\n' + title + '\n\n\n', {'bold': True, 'size': rng.choice([22, 24, 26])})] + byline
    sized_table(page, [[left, right]], [4.5, 12.9], align=['l', 'l'], shade=(0,),
                fill=rng.choice(['D9D9D9', 'C5E0B3', 'DEEAF6']))
    page.para('', after=30)
    page.para([('Abstract', {'bold': True}), '\u2003This report summarizes field observations and gives practical '
               'guidance for land managers. Methods, costs and limits of each approach are described.'],
              size=9.5, align='j', after=6)
    page.para([('Keywords: ', {'bold': True}), 'public lands, field methods, monitoring'], size=9.5)
    meta = set_meta(page, rng, title, authors)
    return page, record(title, authors, year, [], 'en', None, meta=meta)


def fyp_cover(rng):
    """A final-year project report cover of an engineering school: the school and the module code,
    "Final Year Project Report", the title, the student and his number, then the supervisor and the
    second marker (who is not an author) in a two-column table, the degree statement and the date."""
    year = rng.randint(2005, 2026)
    title = rng.choice(FYP_FRAMES).format(S=rng.choice(FYP_SUBJECTS))
    student, sup, marker = _names(rng, 3)
    univ = rng.choice(vocab.EN_UNIVS)
    page = Page(latin=rng.choice(['Liberation Serif', 'Caladea', 'DejaVu Serif', 'Carlito']), size=12, margins=2.5)
    page.para((univ[0], {'bold': True, 'size': rng.choice([16, 18])}), align=rng.choice(['c', 'l']), after=2)
    page.para('School of %s\u2003\u2003Module %s%d' % (
        rng.choice(['Engineering', 'Computing and Engineering', 'Electronic and Electrical Engineering']),
        rng.choice(['EE', 'ENG', 'CS']), rng.randint(3000, 3999)), size=10, align=rng.choice(['c', 'l']),
        rule='bottom', after=50)
    page.para((rng.choice(['Final Year Project Report', 'FINAL YEAR PROJECT REPORT', 'Final Year Project']),
               {'size': 14, 'bold': rng.random() < 0.5}), align='c', after=30)
    page.para((title, {'bold': True, 'size': rng.choice([18, 20, 22])}), align='c', after=40)
    page.para(student, size=14, align='c', after=2)
    page.para('Student ID: %d' % rng.randint(10000000, 99999999), size=10, align='c', after=40)
    rows = [(rng.choice(['Supervisor:', 'Project Supervisor:']), rng.choice(['', 'Dr ', 'Prof. ']) + sup),
            (rng.choice(['Second Marker:', 'Second marker:']), rng.choice(['', 'Dr ']) + marker)]
    sized_table(page, [[(k, {'bold': True}), v] for k, v in rows], [5.0, 9.0], size=12, align=['l', 'l'],
                grid=rng.random() < 0.3)
    page.para('', after=30)
    page.para('Submitted in part fulfilment of the requirements for the degree of %s' % rng.choice(
        ['BEng (Hons)', 'MEng', 'BSc (Hons)']), size=11, align='c', italic=True, after=6)
    page.para('%s %d' % (rng.choice(MONTHS), year), size=11, align='c')
    meta = set_meta(page, rng, title, [student])
    return page, record(title, [student], year, [], 'en', None, meta=meta, supervisor=sup)


TEMPLATES = {'gen-en-forestservice-gtr-sidecolumn': gtr_cover,
             'gen-en-engineering-finalyearproject-secondmarker': fyp_cover}
