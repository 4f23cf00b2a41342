"""Forty-sixth English first pages, of kinds the earlier sets lack, in coastal environment, farming,
mining medicine and steel engineering subjects of their own."""
from docxkit import Page
from enkit import case_safe_people as _names, en_finish as _finish

SUBJECTS = ['Qinhuangdao Port Coal Dust', 'Beidaihe Nearshore Red Tides', 'Fuping Shiitake Logs',
            'Mancheng Greenhouse Strawberries', 'Taihang Chestnut Groves', 'Caofeidian Dredged Fill',
            'Tangshan Converter Slag', 'Kailuan Coal Miners']
REGISTERED_FRAMES = ['Does Wind Fencing Reduce Exposure to {S}? A Stage 1 Registered Report',
                     'Predicting Yield Loss in {S}: Protocol for a Preregistered Field Study',
                     'A Preregistered Replication of Drainage Trials on {S}']
SHORT_FRAMES = ['Early Lung Function Decline among {S}', 'Skin and Airway Symptoms Reported around {S}',
                'Pesticide Residues and Farm Worker Health in {S}']
ARTIFACT_FRAMES = ['An Open Toolkit for Sensing {S}', 'Learning to Map {S} from Drone Imagery',
                   'A Reproducible Pipeline for Monitoring {S}']
UNIVS = ['Yanshan University', 'Hebei Agricultural University', 'North China University of Science and Technology',
         'Harrowgate Institute of Technology', 'University of Lenmouth']
FONTS = ['Liberation Serif', 'Caladea', 'DejaVu Serif', 'Liberation Sans', 'Carlito']


def _lettered(authors, rng):
    """The byline with each author's affiliation letter raised after a blank, and the letters used."""
    letters = [rng.choice('ab') if len(authors) > 1 else 'a' for _ in authors]
    runs = []
    for i, (a, k) in enumerate(zip(authors, letters)):
        runs += [a, (' ' + k, {'sup': True})]
        if i < len(authors) - 1:
            runs.append(', ' if i < len(authors) - 2 else (', and ' if len(authors) > 2 else ' and '))
    return runs, sorted(set(letters))


def registered_report(rng):
    """A Stage 1 registered report: "REGISTERED REPORT · STAGE 1" over the title, the authors with
    raised letters and lettered affiliations, a framed box "In-principle acceptance" with the dates
    and the handling editor (no author), the abstract, and "Planned analyses"."""
    year = rng.randint(2016, 2026)
    title = rng.choice(REGISTERED_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 4))
    editor = _names(rng, 1, authors)[0]
    page = Page(latin=rng.choice(FONTS), size=11, margins=2.5)
    page.para((rng.choice(['REGISTERED REPORT \u00b7 STAGE 1', 'Registered Report (Stage 1 Protocol)', 'STAGE 1 REGISTERED REPORT']),
               {'bold': True}), size=10, align=rng.choice(['l', 'c']), after=12)
    page.para((title, {'size': rng.choice([17, 19]), 'bold': True}), align='l', after=10)
    runs, letters = _lettered(authors, rng)
    page.para(runs, size=11.5, after=4)
    for k in letters:
        page.para([(k + ' ', {'sup': True}), rng.choice(UNIVS)], size=9, italic=True, after=1)
    page.para('', after=10)
    box = [[('In-principle acceptance', {'bold': True})],
           ['Received %s %d; in-principle acceptance %s %d' % (rng.choice(['March', 'May', 'July']), year - 1,
                                                            rng.choice(['January', 'February', 'April']), year)],
           ['Handling editor: %s' % editor]]
    page.table(box, widths_cm=[15.0], size=9, align='l', grid=rng.random() < 0.6, shade=(0,) if rng.random() < 0.5 else (),
               fill='EAEAEA')
    page.para('', after=10)
    page.para([('Abstract ', {'bold': True}), 'We describe the questions, the sites, the sampling plan and the analyses of a '
               'study whose methods were reviewed before any data were collected.'], size=10, align='j', after=8)
    page.para(('Planned analyses', {'bold': True}), size=11.5, after=4)
    page.para('All hypotheses, sample sizes and exclusion rules below were fixed in advance. ' * 4, size=11, align='j')
    return _finish(page, rng, title, authors, year)


def short_communication(rng):
    """A short communication in occupational and rural health: the journal and "SHORT COMMUNICATION"
    in a dark-ruled head, the title, "by" and the authors on one line, the affiliations in a run-in
    paragraph, a shaded "Plain language summary" box before the abstract, and the keywords."""
    year = rng.randint(2012, 2026)
    title = rng.choice(SHORT_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 5))
    kws = rng.sample(['occupational health', 'spirometry', 'rural workers', 'dust exposure', 'Hebei', 'cohort',
                      'screening'], rng.randint(3, 5))
    page = Page(latin=rng.choice(FONTS), size=10.5, margins=rng.choice([2.0, 2.5]))
    page.table([['%s %d;%d:%d\u2013%d' % (rng.choice(['Rural Occupational Health', 'Journal of Mine and Farm Medicine']), year,
                                          rng.randint(5, 40), rng.randint(100, 400), rng.randint(401, 420)),
                 ('SHORT COMMUNICATION', {'bold': True})]], widths_cm=[11.0, 5.0], size=9, align=['l', 'r'])
    page.para('', rule='bottom', after=14)
    page.para((title, {'size': rng.choice([16, 18]), 'bold': True}), align=rng.choice(['l', 'c']), after=8)
    byline = authors[0] if len(authors) == 1 else ', '.join(authors[:-1]) + rng.choice([' and ', ', and ']) + authors[-1]
    page.para([(rng.choice(['by ', 'By ']), {'italic': True}), byline], size=11.5, align=rng.choice(['l', 'c']), after=4)
    page.para('From the %s.' % ' and the '.join(sorted({rng.choice(UNIVS) for _ in authors})), size=9, italic=True, after=12)
    page.table([[[('Plain language summary. ', {'bold': True}), 'Workers exposed to dust or chemicals every day may lose lung '
                  'function slowly. We measured how quickly this happens and who is most at risk.']]], widths_cm=[15.0], size=9.5,
               align='l', shade=(0,), fill=rng.choice(['E8EEF4', 'EFEFEF']), grid=rng.random() < 0.4)
    page.para('', after=8)
    page.para([('Abstract: ', {'bold': True}), 'In a small cohort followed for three years, we report symptom rates, lung '
               'function and exposure estimates, and compare them with regional reference values.'], size=10, align='j', after=4)
    page.para([('Key words: ', {'bold': True}), ', '.join(kws)], size=10, after=12)
    page.para('Exposure in these workplaces has rarely been measured directly. ' * 4, size=10.5, align='j')
    return _finish(page, rng, title, authors, year, kws)


def artifact_paper(rng):
    """A computing conference paper whose artifact was evaluated: a row of framed badges top right
    ("Artifacts Available", "Evaluated", "Results Reproduced"), the title, the authors in one row of
    table cells each with institution and e-mail, a "Code and data:" line with the repository, the
    abstract in italics, and the CCS concepts line."""
    year = rng.randint(2017, 2026)
    title = rng.choice(ARTIFACT_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 4))
    page = Page(latin=rng.choice(FONTS), size=10, margins=2.0)
    badges = rng.sample(['Artifacts Available', 'Artifacts Evaluated', 'Results Reproduced'], rng.randint(1, 3))
    page.table([[('%s %d' % (rng.choice(['EnviroSys', 'AgriComp', 'SenSys Asia']), year), {'italic': True})] + badges],
               widths_cm=[16.0 - 3.2 * len(badges)] + [3.2] * len(badges), size=8, align=['l'] + ['c'] * len(badges),
               grid=False, shade=tuple(range(1, len(badges) + 1)), fill=rng.choice(['D6E9D6', 'E0E0F0']))
    page.para('', after=18)
    page.para((title, {'size': rng.choice([18, 20]), 'bold': True}), align='c', after=14)
    cells = []
    for a in authors:
        u = rng.choice(UNIVS)
        cells.append('%s\n%s\n%s@%s.edu' % (a, u, a.split()[-1].lower(), u.split()[0].lower()))
    page.table([cells], widths_cm=[16.0 / len(authors)] * len(authors), size=9.5, align='c')
    page.para('', after=6)
    page.para('%s https://git.%s.example/%s' % (rng.choice(['Code and data:', 'Artifact:', 'Repository:']),
                                                rng.choice(['envlab', 'agrisense', 'minehealth']), title.split()[-1].lower()),
              size=9, align='c', after=14)
    page.para([('Abstract. ', {'bold': True}), ('We present a system and its data, describe how they were collected and '
                                               'checked, and report results that an independent committee reproduced.',
                                               {'italic': True})], size=9.5, align='j', after=6)
    page.para([('CCS Concepts: ', {'bold': True}), 'Computer systems organization \u2192 Sensor networks; '
               'Applied computing \u2192 Environmental sciences.'], size=9, after=10)
    page.para(('1 INTRODUCTION', {'bold': True}), size=10.5, after=4)
    page.para('Monitoring at this scale is costly, and most earlier systems cannot be rerun by others. ' * 3, size=10, align='j')
    return _finish(page, rng, title, authors, year)


TEMPLATES = {'gen-en-registeredreport-stage1head-inprincipleacceptancebox': registered_report,
             'gen-en-occuphealth-shortcommunication-bybyline-plainlanguagebox': short_communication,
             'gen-en-envcomputingconf-artifactbadges-authorcellsrow-codeline': artifact_paper}
