"""Sixteenth English first pages, of kinds the earlier sets lack, in subjects of their own."""
from docxkit import Page
from genbase import LATIN_FONTS, MONTHS, distinct, en_person, record, set_meta
import vocab

SUBJECTS = ['Dark Tea Fermentation', 'Steppe Desertification', 'Karst Forest Restoration', 'Pear Orchard Disease Control',
            'Leymus Grassland Recovery', 'Golden Snub-Nosed Monkey Habitat']
THESIS_FRAMES = ['{S}: Evidence from Field Plots', 'Modelling {S} with Remote Sensing Data', 'An Assessment of {S}',
                 'Drivers of {S} in a Changing Climate', '{S} and Smallholder Livelihoods']
DEGREES = ['Master of Science', 'Master of Science in Agriculture', 'Doctor of Philosophy', 'Master of Environmental Studies']
BULLETIN_FRAMES = ['{S}: What Growers Need to Know', 'A Field Guide to {S}', '{S} — Best Management Practices',
                   'Getting Started with {S}', 'Frequently Asked Questions about {S}']
EXT_ROLES = ['Extension Specialist', 'Extension Educator', 'Professor and Extension Specialist', 'County Extension Agent',
             'Research Associate']
BODY = 'This publication explains the problem, summarises recent trials and gives practical recommendations. '


def approval_page(rng):
    """A thesis's approval page: the title, "by" and the candidate, the degree statement, and the
    committee's signature lines, the chair (advisor) first."""
    year = rng.randint(2008, 2026)
    title = rng.choice(THESIS_FRAMES).format(S=rng.choice(SUBJECTS))
    people = distinct(rng, en_person, 4)
    student, committee = people[0], people[1:1 + rng.randint(2, 3)]
    univ = rng.choice(vocab.EN_UNIVS)
    page = Page(latin=rng.choice(LATIN_FONTS), size=12, margins=rng.choice([2.5, 3.0]))
    if rng.random() < 0.5:
        page.para((rng.choice(['APPROVAL PAGE', 'Thesis Approval', 'SIGNATURE PAGE']), {'bold': True}), align='c', after=24)
    page.para((title, {'size': rng.choice([14, 16]), 'bold': rng.random() < 0.7}), align='c', after=18)
    page.para('by', align='c', after=6)
    page.para(student, align='c', after=24, size=13)
    page.para('A %s submitted in partial fulfillment of the requirements for the degree of %s, %s, %s %d'
              % (rng.choice(['thesis', 'dissertation']), rng.choice(DEGREES), univ[0], MONTHS[rng.randrange(12)], year),
              size=11, align='c', after=30)
    page.para(('Approved by the %s:' % rng.choice(['Examining Committee', 'Thesis Committee', 'Supervisory Committee']),
               {'italic': rng.random() < 0.5}), after=18)
    labels = [rng.choice(['Major Professor and Chair', 'Advisor', 'Chair, Thesis Committee'])] + ['Committee Member'] * 3
    for p, lab in zip(committee, labels):
        page.para('_' * 36, after=0)
        page.para('%s, %s' % (p, lab) if rng.random() < 0.5 else '%s\n%s' % (p, lab), size=11, after=12)
    page.para('Date of defense: %s %d, %d' % (MONTHS[rng.randrange(12)], rng.randint(1, 28), year), size=10, before=12)
    meta = set_meta(page, rng, title, [student])
    return page, record(title, [student], year, [], 'en', None, meta=meta, supervisor=committee[0])


def extension_bulletin(rng):
    """A university extension fact sheet: the service's line and the sheet's number, the title, the
    authors with their extension roles, a short introduction, the publication date."""
    year = rng.randint(2006, 2026)
    title = rng.choice(BULLETIN_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = distinct(rng, en_person, rng.randint(1, 3))
    univ = rng.choice(vocab.EN_UNIVS)
    page = Page(latin=rng.choice(LATIN_FONTS), size=11, margins=rng.choice([1.8, 2.0, 2.5]))
    page.para([('%s Cooperative Extension' % univ[0], {'bold': True}),
               ('\t%s %s-%d' % (rng.choice(['Fact Sheet', 'Bulletin', 'Publication']), rng.choice(['FS', 'EB', 'AG']),
                                rng.randint(100, 999)), {})], size=9.5, rule='bottom' if rng.random() < 0.7 else None, after=24)
    page.para((title, {'size': rng.choice([20, 24, 26]), 'bold': True}), align=rng.choice(['l', 'l', 'c']), after=10)
    if rng.random() < 0.5:
        for a in authors:
            page.para([(a, {'bold': True}), (', %s' % rng.choice(EXT_ROLES), {'italic': True})], size=10, after=0)
    else:
        page.para(', '.join(authors), size=11, after=2)
        page.para(rng.choice(EXT_ROLES) + ('s' if len(authors) > 1 else ''), size=9.5, after=0)
    page.para(('Introduction', {'bold': True, 'size': 13}), before=20, after=4)
    if rng.random() < 0.5:
        page.columns(2)
    page.para(BODY * 5, size=10.5, align='j')
    page.para('Published %s %d. %s is an equal opportunity provider.' % (MONTHS[rng.randrange(12)], year, univ[0]),
              size=7.5, before=20, rule='top')
    meta = set_meta(page, rng, title, authors)
    return page, record(title, authors, year, [], 'en', None, meta=meta)


TEMPLATES = {'gen-en-thesis-approvalpage': approval_page, 'gen-en-extension-factsheet': extension_bulletin}
