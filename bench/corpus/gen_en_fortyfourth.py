"""Forty-fourth English first pages, of kinds the earlier sets lack, in medicine, energy and
engineering subjects of their own."""
from docxkit import Page
from genbase import MONTHS, record, set_meta
from enkit import case_safe_people as _names
import vocab

SUBJECTS = ['Qaidam Basin Brine Lakes', 'Golmud Permafrost Corridor', 'Dunhuang Solar Thermal Plants',
            'Guazhou Wind Farms', 'Shule River Irrigation Canals', 'Yushu Yak Herders',
            'Delingha Black Goji Orchards', 'Qinghai Lake Naked Carp Spawning Streams']
IMAGE_FRAMES = ['Clubbed Fingers in a Herder from {S}', 'Facial Plethora in a Worker at {S}',
                'Retinal Haemorrhage After Ascent to {S}', 'Chilblains in a Labourer at {S}']
THESIS_FRAMES = ['Design and Testing of a Monitoring System for {S}', 'Performance Modelling of {S}',
                 'Reliability Assessment of Structures Serving {S}', 'Data-Driven Forecasting for {S}']
NOTE_FRAMES = ['Settlement of Embankments near {S}', 'Scour Protection for Structures at {S}',
               'Frost Heave Measurements along {S}', 'Seepage Losses in {S}']
DEGREES = ['MD', 'MB BS', 'MD, PhD', 'MSc']


def clinical_image(rng):
    """A high-altitude medicine journal's clinical image: the series name in capitals over a rule,
    the title, a framed image area, the caption as the text, then the authors, each on a line of
    their own flush right in italics with degree and hospital, and a do-not-confuse line naming the
    patient's physician, who is no author."""
    year = rng.randint(2010, 2026)
    title = rng.choice(IMAGE_FRAMES).format(S=rng.choice(SUBJECTS[:4] + SUBJECTS[5:6]))
    authors = _names(rng, rng.randint(1, 3))
    physician = _names(rng, 1, authors)[0]
    univ = rng.choice(vocab.EN_UNIVS)
    page = Page(latin=rng.choice(['Liberation Serif', 'Caladea', 'Liberation Sans']), size=10, margins=2.2)
    page.para('%s \u2022 %s %d' % (rng.choice(['IMAGES IN HIGH-ALTITUDE MEDICINE', 'CLINICAL IMAGES FROM THE PLATEAU']),
                                   rng.choice(MONTHS), year), size=9, bold=True, rule='bottom', after=14)
    page.para((title, {'size': rng.choice([16, 18]), 'bold': True}), align=rng.choice(['l', 'c']), after=10)
    page.table([['\n\n\n[Figure] Photograph of the patient\n\n\n']], widths_cm=[12.0], size=9, grid=True)
    page.para('', after=8)
    page.para('A patient presented with symptoms that had developed over several months of work at high '
              'altitude. Examination and laboratory findings are shown; the condition improved after descent and '
              'treatment. ' * 2, align='j', after=12)
    for a in authors:
        page.para((('%s, %s' % (a, rng.choice(DEGREES))), {'italic': True}), align='r', after=0)
    page.para((univ[0], {'italic': True}), size=9, align='r', after=8)
    page.para('The patient was under the care of Dr %s, who gave consent for publication.' % physician, size=8.5,
              rule='top', after=0)
    meta = set_meta(page, rng, title, authors, [])
    return page, record(title, authors, year, [], 'en', None, meta=meta)


def prose_thesis(rng):
    """A master of engineering thesis's title page on which the people stand inside sentences: the
    title, then "A thesis submitted by <Name> to <University> in partial fulfilment of ...", then
    "Carried out under the supervision of <rank> <Name>, <Department>", the place and the month."""
    year = rng.randint(2009, 2026)
    title = rng.choice(THESIS_FRAMES).format(S=rng.choice(SUBJECTS))
    author = _names(rng, 1)[0]
    sup = _names(rng, 1, [author])[0]
    univ = rng.choice(vocab.EN_UNIVS)
    page = Page(latin=rng.choice(['Liberation Serif', 'Caladea', 'DejaVu Serif']), size=12, margins=2.8)
    page.para('', after=rng.choice([60, 90]))
    page.para((title, {'size': rng.choice([18, 20, 22]), 'bold': rng.random() < 0.7}), align='c', after=50, line=1.3)
    page.para('A thesis submitted by %s to %s in partial fulfilment of the requirements for the degree of %s' % (
        author, univ[0], rng.choice(['Master of Engineering', 'Master of Engineering Science', 'Master of Applied Science'])),
        align='c', after=30, line=1.4)
    page.para('%s under the supervision of %s%s, %s' % (
        rng.choice(['Carried out', 'Research conducted', 'Work carried out']), rng.choice(['Professor ', 'Dr ', 'Associate Professor ']),
        sup, rng.choice(['School of Energy and Power Engineering', 'Department of Civil Engineering',
                         'School of Hydraulic Engineering'])), align='c', italic=rng.random() < 0.5, after=70, line=1.4)
    page.para('%s, %s' % (univ[1], univ[2]), align='c', after=4)
    page.para('%s %d' % (rng.choice(MONTHS), year), align='c')
    meta = set_meta(page, rng, title, [author], [])
    return page, record(title, [author], year, [], 'en', None, meta=meta, supervisor=sup)


def technical_note(rng):
    """A civil engineering journal's technical note: "TECHNICAL NOTE" over the title, the authors on
    one line without affiliations, the abstract and keywords, the first section, and at the foot
    over a short rule each author's position and address as a numbered note, then the
    submission line with the discussion period and the journal's copyright line."""
    year = rng.randint(2008, 2026)
    title = rng.choice(NOTE_FRAMES).format(S=rng.choice(SUBJECTS[1:2] + SUBJECTS[4:5] + SUBJECTS[2:4]))
    authors = _names(rng, rng.randint(1, 4))
    univs = [rng.choice(vocab.EN_UNIVS) for _ in authors]
    kws = rng.sample(['permafrost', 'embankment', 'irrigation canal', 'scour', 'frost heave', 'seepage',
                      'field measurement', 'arid region'], rng.randint(3, 5))
    page = Page(latin=rng.choice(['Liberation Serif', 'Liberation Sans', 'Caladea']), size=10, margins=2.3)
    page.para(('TECHNICAL NOTE', {'bold': True}), size=10, align='c', after=10)
    page.para((title, {'size': rng.choice([15, 16, 17]), 'bold': True}), align='c', after=8)
    runs = []
    for k, a in enumerate(authors):
        # a raised blank keeps the note number off the name in the text layer
        runs.append(a)
        runs.append((' %d' % (k + 1), {'sup': True}))
        if k < len(authors) - 1:
            runs.append(' and ' if k == len(authors) - 2 else ', ')
    page.para(runs, size=11, align='c', after=12)
    page.para([('Abstract: ', {'bold': True}), 'Field measurements over several seasons are reported and compared '
               'with design assumptions. A simple correction is proposed and checked against the observations. ' * 2],
              size=9.5, align='j', after=4)
    page.para([('Author keywords: ', {'bold': True}), '; '.join(kws)], size=9.5, after=12)
    page.para(('Introduction', {'bold': True}), size=10.5, after=3)
    page.para('Structures in cold and arid regions face loads that standard methods describe poorly. ' * 4,
              align='j', after=rng.choice([20, 36]))
    page.para('', rule='bottom', after=2)
    for k, (a, u) in enumerate(zip(authors, univs)):
        page.para([('%d' % (k + 1), {'sup': True}), '%s, %s, %s, %s. Email: %s@example.edu' % (
            rng.choice(['Professor', 'Associate Professor', 'Graduate Student', 'Research Engineer']),
            rng.choice(['Dept. of Civil Engineering', 'School of Water Resources']), u[0], u[1],
            a.split()[-1].lower())], size=8, after=0)
    page.para('Note. This manuscript was submitted on %s %d, %d; approved on %s %d, %d. Discussion period open until '
              'six months after publication. This technical note is part of the Journal of Cold and Arid Region '
              'Engineering, \u00a9 %d.' % (rng.choice(MONTHS), rng.randint(1, 28), year - 1, rng.choice(MONTHS),
                                            rng.randint(1, 28), year, year), size=8, after=0)
    meta = set_meta(page, rng, title, authors, kws)
    return page, record(title, authors, year, kws, 'en', None, meta=meta)


TEMPLATES = {'gen-en-highaltmed-clinicalimage-imageframe-authorsrightafter-physiciannote': clinical_image,
             'gen-en-aridenergy-methesis-peopleinsentences': prose_thesis,
             'gen-en-coldaridcivil-technicalnote-rolefootnotes-discussionperiod': technical_note}
