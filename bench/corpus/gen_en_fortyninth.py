"""Forty-ninth English first pages, of kinds the earlier sets lack, in folk arts, heritage,
education and regional economics subjects of their own."""
from docxkit import Page
from enkit import case_safe_people as _names, en_finish as _finish

SUBJECTS = ['Longde Brick Carvers', 'Jingyuan Tajiao Dancers', 'Xumishan Grotto Keepers', 'Tonghua Mountain Vintners',
            'Changbai Manchu Papercutters', 'Xiuyan Jade Carvers', 'Haicheng Stilt Yangge Troupes', 'Qianshan Temple Couplet Writers']
BRIEF_FRAMES = ['Teaching with Local Heritage: Lessons from {S}', 'What Schools Can Learn from {S}',
                'Apprenticeship and Schooling among {S}', 'Bringing {S} into the Classroom']
DP_FRAMES = ['Prices, Middlemen and Margins: The Trade of {S}', 'Collective Brands and Household Income among {S}',
             'Tourism Demand and the Livelihoods of {S}', 'Informal Credit and Investment among {S}']
FONTS = ['Liberation Serif', 'Caladea', 'DejaVu Serif', 'Liberation Sans', 'Carlito']
CENTRES = ['Northeast Asia Heritage Education Centre', 'Liupanshan Institute for Rural Schooling',
           'Centre for Borderland Cultural Policy']
DP_INSTITUTES = ['Liaodong Institute of Applied Economics', 'Changbai Regional Economics Lab', 'Ningxia Economy and Society Unit']


def research_brief(rng):
    """An education centre's research brief: a band "RESEARCH BRIEF | Vol. N, No. M | Month YYYY",
    then one row of two cells: a shaded sidebar on the left with "IN THIS BRIEF" points and, under
    "AUTHORS" (or "ABOUT THE AUTHORS"), the authors one per line with their posts; on the right the
    title and the text. The authors stand only in the sidebar."""
    year = rng.randint(2010, 2026)
    title = rng.choice(BRIEF_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 3))
    page = Page(latin=rng.choice(FONTS), size=10.5, margins=rng.choice([1.8, 2.0]))
    page.table([[('RESEARCH BRIEF', {'bold': True}), 'Vol. %d, No. %d' % (rng.randint(2, 14), rng.randint(1, 6)),
                 '%s %d' % (rng.choice(['January', 'May', 'September', 'November']), year)]],
               widths_cm=[6.0, 5.0, 6.0], size=10, align=['l', 'c', 'r'], shade=(0, 1, 2), fill=rng.choice(['DEEAF6', 'E2EFD9']))
    page.para(rng.choice(CENTRES), size=9, italic=True, after=14)
    points = rng.sample(['Local crafts motivate pupils who find textbooks remote.', 'Teachers need time and training to use them.',
                         'Partnerships with craft workshops are cheap to run.', 'Assessment rarely rewards this kind of learning.'], 3)
    side = [('IN THIS BRIEF\n', {'bold': True, 'size': 10}), ('\n'.join('\u2022 ' + p for p in points) + '\n\n', {'size': 9}),
            (rng.choice(['AUTHORS', 'ABOUT THE AUTHORS']) + '\n', {'bold': True, 'size': 10})]
    for a in authors:
        side += [(a + '\n', {'bold': True, 'size': 9.5}), (rng.choice(['Senior Researcher', 'Research Fellow', 'Lecturer in Education'])
                                                             + '\n\n', {'size': 8.5})]
    main = [(title + '\n\n', {'size': rng.choice([18, 20]), 'bold': True}),
            ('Schools in the region have begun to bring local craft and performance into lessons. This brief reports what '
             'teachers, pupils and craftspeople told us, and what it would take to make such lessons last. ' * 3, {'size': 10.5})]
    t = page.table([[side, main]], widths_cm=[5.0, 12.0], align=['l', 'l'], shade=(0,), fill=rng.choice(['F2F2F2', 'FFF2CC', 'EDEDED']))
    t.autofit = False
    return _finish(page, rng, title, authors, year)


def discussion_paper(rng):
    """An economics unit's discussion paper cover: "DP No. YY-NN" large at top right over a thin
    rule, the unit's name left, the title, and the authors in a two-column grid of cells (name,
    affiliation, e-mail), then the date line, a short abstract and "JEL:" and "Keywords:" lines."""
    year = rng.randint(2009, 2026)
    title = rng.choice(DP_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 4))
    kws = rng.sample(['rural markets', 'craft industries', 'collective trademarks', 'tourism', 'household finance', 'Northeast China',
                      'Ningxia'], rng.randint(3, 4))
    page = Page(latin=rng.choice(FONTS), size=10.5, margins=2.4)
    page.table([[(rng.choice(DP_INSTITUTES), {'bold': True}), ('DP No. %02d-%02d' % (year % 100, rng.randint(1, 40)),
                                                             {'bold': True, 'size': rng.choice([16, 18])})]],
               widths_cm=[10.0, 6.0], size=10, align=['l', 'r'])
    page.para('', rule='bottom', after=rng.choice([30, 40]))
    page.para((title, {'size': rng.choice([18, 20, 22]), 'bold': True}), align='c', after=20)
    cells = ['%s\n%s\n%s' % (a, rng.choice(['Anshan Normal University', 'Tonghua Normal University', 'Ningxia Normal University']),
                             a.split()[-1].lower() + rng.choice(['@dp-mail.org', '@econ-unit.net'])) for a in authors]
    if len(cells) % 2:
        cells.append('')
    rows = [[(cells[i].split('\n', 1)[0] + '\n', {'bold': True}), cells[i].split('\n', 1)[1] if cells[i] else ''] for i in
            range(len(cells))]
    grid = [rows[i] + rows[i + 1] if cells[i + 1] else rows[i] + ['', ''] for i in range(0, len(rows), 2)]
    page.table([[[r[0], r[1]], [r[2], r[3]]] for r in grid], widths_cm=[8.0, 8.0], size=10, align='c')
    page.para('', after=14)
    page.para('This version: %s %d' % (rng.choice(['February', 'July', 'December']), year), size=9.5, italic=True, align='c', after=16)
    page.para([('Abstract. ', {'bold': True}), 'We study how households that live from a local craft or performance earn, '
               'sell and borrow, using a survey of workshops and troupes and their trading partners. ' * 2], size=10, align='j',
              after=8)
    page.para([('JEL: ', {'bold': True}), ', '.join(rng.sample(['D13', 'L26', 'O17', 'Z11', 'R11'], 3))], size=9.5, after=2)
    page.para([('Keywords: ', {'bold': True}), ', '.join(kws)], size=9.5)
    return _finish(page, rng, title, authors, year, kws)


TEMPLATES = {'gen-en-educentre-researchbrief-sidebarauthors-inthisbrief': research_brief,
             'gen-en-econunit-discussionpaper-dpnumberright-authorgrid': discussion_paper}
