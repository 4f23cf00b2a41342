"""Seventeenth English first pages, of kinds the earlier sets lack, in subjects of their own."""
from docxkit import Page
from genbase import LATIN_FONTS, MONTHS, distinct, en_person, record, set_meta
import vocab

SUBJECTS = ['Navel Orange Greening', 'Drip-Irrigated Cotton', 'Red-Fleshed Kiwifruit', 'Wintering Waterbirds',
            'Rosa roxburghii Processing', 'Oasis Salinity Management']
HONORS_FRAMES = ['{S}: A Field Study', 'Understanding {S} through Participatory Mapping', 'Costs and Benefits of {S}',
                 'Farmer Perceptions of {S}', 'Spatial Variation in {S}']
MEMO_FRAMES = ['Preliminary Results on {S}', 'Sampling Protocol for {S}', 'Instrument Calibration for {S} Trials',
               'Data Quality Review: {S}', 'Season Summary of {S} Measurements']
BODY = 'This document records the purpose of the work, the methods followed and the main findings to date. '


def honors_cover(rng):
    """The cover of an undergraduate honors thesis: title, "by" or "A thesis presented by", the
    student, the honors college statement, the thesis advisor, the month and year."""
    year = rng.randint(2007, 2026)
    title = rng.choice(HONORS_FRAMES).format(S=rng.choice(SUBJECTS))
    student, advisor, reader = distinct(rng, en_person, 3)
    univ = rng.choice(vocab.EN_UNIVS)
    page = Page(latin=rng.choice(LATIN_FONTS), size=12, margins=rng.choice([2.5, 3.0]))
    page.para((title, {'size': rng.choice([16, 18, 20]), 'bold': rng.random() < 0.6}), align='c', before=40, after=24)
    page.para(rng.choice(['by', 'A thesis presented by', 'An Honors Thesis by']), align='c', after=6)
    page.para((student, {'size': 14}), align='c', after=30)
    page.para('Submitted to the %s of %s in partial fulfillment of the requirements for graduation with %s'
              % (rng.choice(['Honors College', 'Honors Program', 'Department of Biology']), univ[0],
                 rng.choice(['Honors', 'University Honors', 'Distinction in Research'])), size=11, align='c', after=40)
    if rng.random() < 0.5:
        page.para('Thesis Advisor: %s' % advisor, align='c', after=2)
        if rng.random() < 0.5:
            page.para('Second Reader: %s' % reader, align='c', after=2, size=11)
    else:
        page.table([['Approved:', ''], ['%s, Thesis Advisor' % advisor, '_' * 24], ['%s, Honors Director' % reader, '_' * 24]],
                   widths_cm=[8.0, 6.0], size=11, align=['l', 'l'])
    page.para('%s %d' % (rng.choice(MONTHS), year), align='c', before=40)
    meta = set_meta(page, rng, title, [student])
    return page, record(title, [student], year, [], 'en', None, meta=meta, supervisor=advisor)


def tech_memo(rng):
    """A lab's technical memorandum: its series number, To/From/Date/Subject lines, a rule, the text."""
    year = rng.randint(2005, 2026)
    title = rng.choice(MEMO_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = distinct(rng, en_person, rng.randint(1, 3))
    univ = rng.choice(vocab.EN_UNIVS)
    page = Page(latin=rng.choice(LATIN_FONTS), size=11, margins=rng.choice([2.0, 2.5]))
    page.para(('%s Field Research Station' % univ[0], {'bold': True}), size=10, align=rng.choice(['l', 'c']), after=2)
    page.para(('TECHNICAL MEMORANDUM' if rng.random() < 0.5 else 'Technical Memo', {'size': 18, 'bold': True}),
              align=rng.choice(['l', 'c']), after=2)
    page.para('No. %s-%02d' % (rng.choice(['TM', 'FRS', str(year)]), rng.randint(1, 40)), size=10,
              align=rng.choice(['l', 'c']), after=18)
    rows = [['To:', rng.choice(['Project Team', 'Station Director', 'File'])], ['From:', ', '.join(authors)],
            ['Date:', '%s %d, %d' % (rng.choice(MONTHS), rng.randint(1, 28), year)], ['Subject:', title]]
    if rng.random() < 0.5:
        page.table(rows, widths_cm=[2.5, 12.0], size=11, align=['l', 'l'])
    else:
        for k, v in rows:
            page.para([(k, {'bold': True}), ('\t' + v, {})], size=11, after=2)
    page.para('', rule='bottom', after=12)
    page.para(('1. Purpose', {'bold': True}), size=11.5, after=4)
    page.para(BODY * 6, size=10.5, align='j')
    meta = set_meta(page, rng, title, authors)
    return page, record(title, authors, year, [], 'en', None, meta=meta)


TEMPLATES = {'gen-en-honors-thesiscover': honors_cover, 'gen-en-techmemo-header': tech_memo}
