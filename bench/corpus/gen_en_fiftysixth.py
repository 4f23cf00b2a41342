"""Fifty-sixth English first pages, of kinds the earlier sets lack, in crop and animal science,
farm machinery and computing subjects of their own."""
from docxkit import Page
from enkit import case_safe_people as _names, en_finish as _finish

SUBJECTS = ['Jinggang Pomelo Orchards', 'Suichuan Tea Gardens', 'Taihe Silkie Chickens', 'Yanbian Yellow Cattle',
            'Tumen River Coldwater Fish', 'Dunhua Fritillary Farms', 'Mengyin Peach Orchards', 'Yinan Honeysuckle Fields']
JOURNAL_FRAMES = ['Soil Acidity and Fruit Yield in {S}', 'Nitrogen Supply and Product Quality in {S}',
                  'Seasonal Disease Pressure in {S}', 'Water Use and Growth in {S}']
WORKSHOP_FRAMES = ['Counting Targets in {S} with a Lightweight Detector', 'Drone Imagery Segmentation for {S}',
                   'Few-Shot Disease Recognition in {S}', 'Edge Sensing and Alerts for {S}']
REPORT_FRAMES = ['Field Trials of Low-Cost Practices for {S}', 'Costs and Returns of Mechanised Work in {S}',
                 'Residue and Safety Monitoring in {S}', 'Extension Options for {S}']
FONTS = ['Liberation Serif', 'Caladea', 'DejaVu Serif', 'Liberation Sans', 'Carlito']
SCHOOLS = ['Jinggangshan University', 'Yanbian University', 'Linyi University']
MONTHS = ['January', 'March', 'May', 'June', 'August', 'October', 'December']


def _title_and_people(rng, frames, n):
    return rng.choice(frames).format(S=rng.choice(SUBJECTS)), _names(rng, rng.randint(1, n))


def crop_journal_article(rng):
    """A crop and animal science journal's article: the journal, volume and pages in an italic head,
    the title, the byline with superscript numbers, the received and accepted dates in one line under
    it, ABSTRACT as a centred heading over an abstract set narrower than the text, key words joined by
    dashes, the text, and the numbered affiliations under a rule at the foot."""
    year = rng.randint(2010, 2026)
    title, authors = _title_and_people(rng, JOURNAL_FRAMES, 5)
    n = rng.randint(1, min(3, len(authors)))
    marks = [str(min(k, n - 1) + 1) for k in range(len(authors))]
    kws = rng.sample(['soil acidity', 'fruit quality', 'nitrogen', 'livestock', 'aquaculture', 'medicinal plants', 'field trial'],
                     rng.randint(3, 5))
    page = Page(latin=rng.choice(FONTS), size=10.5, margins=rng.choice([2.2, 2.5]))
    page.para(('Journal of Subtropical and Cold Region Agriculture (%d) %d, %d\u2013%d' % (year, rng.randint(5, 60), rng.randint(1, 400),
                                                                                          rng.randint(401, 800)), {'italic': True}),
              size=8.5, align=rng.choice(['l', 'c']), after=rng.choice([24, 36]))
    page.para((title, {'size': rng.choice([17, 18, 20]), 'bold': True}), align='l', after=12)
    runs = []
    for k, a in enumerate(authors):
        if k:
            runs.append(' and ' if k == len(authors) - 1 else ', ')
        runs += [a + ' ', (marks[k], {'sup': True})] if n > 1 else [a]
    page.para(runs, size=11.5, align='l', after=6)
    dates = [(year, rng.choice(MONTHS[3:]), rng.randint(1, 28)), (year, rng.choice(MONTHS[:3]), rng.randint(1, 28)),
             (year - 1, rng.choice(MONTHS), rng.randint(1, 28))]
    page.para('Accepted %d %s %d. Received %d %s %d; in original form %d %s %d' % sum(dates, ()), size=8.5, italic=True, align='l',
              after=14)
    page.para(('ABSTRACT', {'bold': True}), size=10, align='c', after=4)
    t = page.table([['Plots and herds were followed over several seasons and the measured traits were compared between treatments; '
                     'the results point to simple changes in practice that raise yield and quality. ' * 2]],
                   widths_cm=[12.5], size=9.5, align='j')
    t.autofit = False
    page.para([('Key words: ', {'italic': True}), ' \u2013 '.join(kws)], size=9.5, align='c', before=6, after=16)
    page.para('Smallholders in the region depend on a few crops and animals, and their returns vary with soil, water and disease. ' * 3,
              size=10.5, align='j', indent=18, after=14)
    page.para('\n'.join('%d %s, %s, China' % (k + 1, rng.choice(['College of Agriculture', 'College of Life Sciences',
                                                                      'College of Animal Science']), rng.choice(SCHOOLS))
                        for k in range(n)), size=8, rule='top', after=0)
    return _finish(page, rng, title, authors, year, kws)


def vision_workshop_paper(rng):
    """A computing workshop paper on farm vision: the workshop and its year in a small head over a
    rule, the title, each author on a line of his own as "Name <mail>", the one affiliation line
    under them, a run-in Abstract and Keywords, and a non-archival note under a rule at the foot."""
    year = rng.randint(2015, 2026)
    title, authors = _title_and_people(rng, WORKSHOP_FRAMES, 4)
    school = rng.choice(SCHOOLS)
    host = school.split()[0].lower()
    kws = rng.sample(['object detection', 'segmentation', 'few-shot learning', 'edge computing', 'precision agriculture',
                      'remote sensing'], rng.randint(3, 4))
    page = Page(latin=rng.choice(FONTS), size=10, margins=2.5)
    page.para('Workshop on Computer Vision for Smart Farming (CV4Farm %d)' % year, size=8.5, align=rng.choice(['l', 'r']),
              rule='bottom', after=rng.choice([20, 30]))
    page.para((title, {'size': rng.choice([16, 18]), 'bold': True}), align='c', after=14)
    for a in authors:
        page.para([a, ('  <%s.%s@%s.edu.cn>' % (a.split()[0].lower().strip('.'), a.split()[-1].lower(), host), {'font': 'DejaVu Sans Mono',
                                                                                                              'size': 8.5})],
                  size=11, align='c', after=1)
    page.para((rng.choice(['School of Computer Science', 'College of Information Engineering', 'Smart Agriculture Lab']) + ', ' + school,
               {'italic': True}), size=9.5, align='c', before=4, after=16)
    page.para([('Abstract. ', {'bold': True}), 'We collect and label field images, train a compact network that runs on an '
               'embedded board, and compare it with larger baselines under changing light and occlusion. ' * 2],
              size=9.5, align='j', after=6)
    page.para([('Keywords: ', {'bold': True}), ', '.join(kws)], size=9.5, after=16)
    page.para('Farm work needs fast and cheap perception that can run away from the network. ' * 4, size=10, align='j', after=14)
    page.para('Non-archival extended abstract. Presented at CV4Farm %d; a full version may appear elsewhere.' % year, size=8,
              italic=True, rule='top', after=0)
    return _finish(page, rng, title, authors, year, kws)


def station_research_report(rng):
    """An agricultural research station's report: a shaded strip with the report number and the
    station, the title, a "By" byline with the names joined by commas and "and", the month and year,
    a summary, and an "About the authors" box at the foot giving each author's post."""
    year = rng.randint(2009, 2026)
    title, authors = _title_and_people(rng, REPORT_FRAMES, 4)
    station = rng.choice(['Jinggang Mountain Agricultural Experiment Station', 'Tumen River Basin Field Station',
                          'Yimeng Hills Orchard Research Station'])
    page = Page(latin=rng.choice(FONTS), size=10.5, margins=2.5)
    t = page.table([[('Research Report RR-%d-%02d' % (year, rng.randint(1, 30)), {'bold': True}), station]], widths_cm=[6.0, 10.0],
                   size=9, shade=(0, 1), fill=rng.choice(['D9E2F3', 'E2EFDA', 'EDEDED']), align=['l', 'r'])
    t.autofit = False
    page.para('', after=rng.choice([30, 50]))
    page.para((title, {'size': rng.choice([20, 22, 24]), 'bold': True}), align=rng.choice(['l', 'c']), after=16)
    page.para('By ' + (authors[0] if len(authors) == 1 else ', '.join(authors[:-1]) + (',' if len(authors) > 2 else '') + ' and ' +
                       authors[-1]), size=12, align='l', after=6)
    page.para('%s %d' % (rng.choice(MONTHS), year), size=10.5, align='l', after=30)
    page.para(('Summary', {'bold': True}), size=11, after=4)
    page.para('Trials on cooperating farms compared current practice with cheaper options over two or three seasons; '
              'costs, yields and labour were recorded and are reported here for growers and extension staff. ' * 2,
              size=10, align='j', after=30)
    about = [('About the authors\n', {'bold': True})] + [
        ('%s is %s at %s.%s' % (a, rng.choice(['a research associate', 'an extension specialist', 'an associate professor',
                                                'a field technician']), rng.choice(SCHOOLS + [station]),
                                 '\n' if k < len(authors) - 1 else ''), {}) for k, a in enumerate(authors)]
    t = page.table([[about]], widths_cm=[16.0], size=8.5, grid=True, align='l')
    t.autofit = False
    return _finish(page, rng, title, authors, year)


TEMPLATES = {'gen-en-cropanimaljournal-acceptedreceivedline-centredabstractheading-narrowabstract-numberedfootaffils':
             crop_journal_article,
             'gen-en-farmvisionworkshop-nameanglemaillines-oneaffilline-nonarchivalfoot': vision_workshop_paper,
             'gen-en-agstation-researchreport-shadednumberstrip-bybyline-abouttheauthorsbox': station_research_report}
