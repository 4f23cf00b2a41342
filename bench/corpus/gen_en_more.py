"""A third set of English first pages: a short communication whose byline is set in capitals with
"and" before the last name, and a report cover with its people after inline labels. Subjects: law,
sport, marine science, music."""
from docxkit import Page
from genbase import LATIN_FONTS, MONTHS, distinct, en_person, record, set_meta

FORMS = ['{T} and the Limits of {U}', 'Revisiting {T} in {P}', 'Notes on {T} among {G}', '{T}: A Case from {P}']
TOPICS = ['Tidal Mixing', 'Contract Interpretation', 'Sprint Performance', 'Choral Intonation', 'Kelp Forest Decline',
          'Sentencing Discretion', 'Muscle Fatigue', 'Baroque Ornamentation']
UMBRELLA = ['Precedent', 'Training Load', 'Notation', 'Upwelling', 'Judicial Review', 'Recovery']
PLACES = ['the North Sea', 'Scottish Courts', 'Elite Rowers', 'Amateur Choirs', 'Tasmania', 'Provincial Orchestras']
GROUPS = ['Masters Athletes', 'Appellate Judges', 'Conservatory Students', 'Fisheries Observers']
ORGS = ['Marine Policy Unit', 'Centre for Sport and Exercise', 'Faculty of Law', 'Royal Academy of Music']
BODY = ('We report observations made over several seasons and relate them to the questions raised in earlier work. '
        'The findings are preliminary but consistent across settings.')


def _setup(rng):
    year = rng.randint(2001, 2025)
    title = rng.choice(FORMS).format(T=rng.choice(TOPICS), U=rng.choice(UMBRELLA), P=rng.choice(PLACES),
                                     G=rng.choice(GROUPS))
    page = Page(latin=rng.choice(LATIN_FONTS), size=rng.choice([10, 11]), margins=rng.choice([2.0, 2.5]))
    return page, year, title


def caps_byline(rng):
    """SHORT COMMUNICATION over the title; the byline in capitals, "AND" before the last name."""
    page, year, title = _setup(rng)
    names = distinct(rng, en_person, rng.randint(1, 4))
    page.para((rng.choice(['SHORT COMMUNICATION', 'Brief Report', 'NOTE']), {'bold': True}), size=9, after=14)
    page.para((title, {'size': rng.choice([16, 18]), 'bold': True}), align='c', after=10)
    by = names[0] if len(names) == 1 else ', '.join(names[:-1]) + ' AND ' + names[-1]
    page.para(by.upper(), align='c', size=10, after=4)
    page.para('%s, %s' % (rng.choice(ORGS), rng.choice(['Aberdeen', 'Hobart', 'Dublin', 'Cardiff'])), align='c',
              size=9, italic=True, after=12)
    page.para('Received %d %s %d' % (rng.randint(1, 28), rng.choice(MONTHS), year), size=8, after=10)
    page.para(BODY * 4, align='j')
    meta = set_meta(page, rng, title, names)
    return page, record(title, names, year, (), 'en', None, meta=meta)


def report_labels(rng):
    """A report cover: organisation, "Report No.", the title, then "Authors:" and "Reviewed by:" inline."""
    page, year, title = _setup(rng)
    names = distinct(rng, en_person, rng.randint(1, 3))
    rev = en_person(rng)
    page.para((rng.choice(ORGS).upper(), {'bold': True}), align='l', size=12, after=4)
    page.para('Report No. %d/%02d' % (year, rng.randint(1, 40)), size=10, rule='bottom', after=50)
    page.para((title, {'size': rng.choice([20, 24]), 'bold': True}), align='l', after=30)
    page.para([('Authors: ' if len(names) > 1 else 'Author: ', {'bold': True}), ', '.join(names)], size=12, after=6)
    page.para([('Reviewed by: ', {'bold': True}), rev], size=12, after=6)
    page.para([('Date: ', {'bold': True}), '%s %d' % (rng.choice(MONTHS), year)], size=12, after=40)
    page.para(BODY, align='j', size=10)
    meta = set_meta(page, rng, title, names)
    return page, record(title, names, year, (), 'en', None, meta=meta)


TEMPLATES = {
    'gen-en-caps-byline': caps_byline,
    'gen-en-report-labels': report_labels,
}
