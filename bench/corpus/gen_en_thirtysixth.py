"""Thirty-sixth English first pages, of kinds the earlier sets lack, in hydrology, robotics, soil
science and other natural science, engineering and medical subjects of their own."""
from docx.shared import RGBColor

from docxkit import Page
from genbase import MONTHS, record, set_meta
from enkit import case_safe_people as _names
import vocab

SUBJECTS = ['Chaohu Icefish Recruitment', 'Tongling Copper Tailings Revegetation', 'Daye Open Pit Slope Creep',
            'Cihu Lake Microplastics', 'Zhanghe Reservoir Thermal Stratification', 'Phosphogypsum Stack Seepage',
            'Oncomelania Snail Habitats', 'Peony Seed Oil Extraction', 'Ginger Bacterial Wilt']
HYDRO = SUBJECTS[:6]
HYDRO_FRAMES = ['Hydrogeologic Framework of {S}', 'Water Quality Conditions near {S}, 2015\u20132019',
                'Streamflow and Sediment Transport at {S}', 'Groundwater Age Dating beneath {S}',
                'Simulation of Nutrient Loads to {S}']
ROBO_FRAMES = ['A Legged Robot for Sampling {S}', 'Autonomous Drone Surveys of {S}',
               'Visual Servoing for Inspection of {S}', 'A Soft Gripper for Handling {S} Samples']
SOIL_FRAMES = ['Nitrogen Cycling in Soils Affected by {S}', 'Rhizosphere Microbial Ecology of {S}',
               'Soil Carbon Responses to {S}', 'Mapping Soil Contaminants around {S}']
COOPERATORS = ['Anhui Provincial Water Resources Bureau', 'Huangshi Municipal Ecology Office',
               'Jingmen Water Conservancy Administration', 'Chaohu Basin Authority']


def _joined(names):
    return names[0] if len(names) == 1 else ', '.join(names[:-1]) + (',' if len(names) > 2 else '') + ' and ' + names[-1]


def openfile_report(rng):
    """A survey agency's open-file report cover: the series and number white on a dark band at the
    top left, the title large flush left, "By A, B, and C", an italic "Prepared in cooperation with"
    line naming the partner office (no author), and the agency's name and address over a rule at the
    foot."""
    year = rng.randint(2008, 2026)
    title = rng.choice(HYDRO_FRAMES).format(S=rng.choice(HYDRO))
    authors = _names(rng, rng.randint(1, 4))
    page = Page(latin=rng.choice(['Liberation Sans', 'DejaVu Sans', 'Carlito']), size=11, margins=2.2)
    band = page.table([[('Open-File Report %d\u2013%04d' % (year, rng.randint(1000, 1199)), {'bold': True})]],
                      widths_cm=[8.0], size=12, align=['l'], shade=(0,), fill=rng.choice(['1F3864', '203864', '3A3A3A']))
    for run in band.cell(0, 0).paragraphs[0].runs:
        run.font.color.rgb = RGBColor(0xFF, 0xFF, 0xFF)
    page.para('', after=60)
    page.para((title, {'size': rng.choice([22, 24, 26]), 'bold': rng.random() < 0.7}), align='l', after=16)
    page.para('By ' + _joined(authors), size=12, align='l', after=10)
    page.para(('Prepared in cooperation with the ' + rng.choice(COOPERATORS), {'italic': True}), size=11, align='l', after=160)
    page.para('', rule='bottom', after=4)
    page.para(rng.choice(['Regional Geological and Hydrological Survey', 'Basin Water Science Center']), size=10, bold=True, after=2)
    page.para('%s %d' % (rng.choice(MONTHS), year), size=9)
    meta = set_meta(page, rng, title, authors, [])
    return page, record(title, authors, year, [], 'en', None, meta=meta)


def extended_abstract_banner(rng):
    """A robotics meeting's two-page extended abstract: "Extended Abstract" and the meeting right over
    the title set in a shaded full-width banner, the authors on one line keyed with daggers (\u2020, \u2021),
    the affiliations one a line under their marks, then Index Terms, a short abstract and I. Motivation."""
    year = rng.randint(2015, 2026)
    title = rng.choice(ROBO_FRAMES).format(S=rng.choice(SUBJECTS))
    authors = _names(rng, rng.randint(1, 5))
    kws = [rng.choice(['field robotics', 'legged locomotion', 'aerial robotics']),
           rng.choice(['environmental sampling', 'inspection', 'manipulation']), rng.choice(['mine sites', 'lakes', 'farms'])]
    page = Page(latin=rng.choice(['Liberation Serif', 'DejaVu Serif', 'Linux Libertine O']), size=10, margins=2.0)
    page.para('Extended Abstract \u2014 %s %d' % (rng.choice(['Field Robotics Forum', 'Workshop on Robots in the Wild',
                                                            'Symposium on Environmental Robotics']), year),
              size=8.5, align='r', italic=True, after=6)
    page.table([[(title, {'bold': True, 'size': rng.choice([16, 17, 18])})]], widths_cm=[17.0], size=16, align=['c'],
               shade=(0,), fill=rng.choice(['D9E2F3', 'E2EFD9', 'EDEDED']))
    page.para('', after=6)
    univs = rng.sample(vocab.EN_UNIVS, 2 if len(authors) > 1 and rng.random() < 0.6 else 1)
    keys = [rng.randrange(len(univs)) for _ in authors]
    line = []
    for k, a in enumerate(authors):
        line += [(('' if k == 0 else (', ' if k < len(authors) - 1 else ' and ')) + a, {}), ('\u2020\u2021\u00a7'[keys[k]], {'sup': True})]
    page.para(line, size=11, align='c', after=4)
    for k, u in enumerate(univs):
        page.para([('\u2020\u2021\u00a7'[k], {'sup': True}), '%s, %s' % (u[0], u[2])], size=8.5, align='c', italic=True, after=1)
    page.para('', after=10)
    page.para([('Index Terms\u2014', {'bold': True, 'italic': True}), ', '.join(kws)], size=9, align='j', after=6)
    page.para([('Abstract\u2014', {'bold': True}), 'We report a field trial of a robot built for a dirty, wet and '
               'uneven site, and the lessons learned over two seasons of use. ' * 2], size=9, align='j', after=10)
    page.para(('I. Motivation', {'bold': True}), size=10, align='c', after=4)
    page.para('Sampling in the field is slow and sometimes dangerous for people. ' * 4, size=10, align='j')
    meta = set_meta(page, rng, title, authors, kws)
    return page, record(title, authors, year, kws, 'en', None, meta=meta)


def dissertation_oralcommittee(rng):
    """A doctoral dissertation title page in the American state university style: the title in
    capitals, "by", the candidate, "A dissertation submitted in partial fulfillment ... (Soil Science)
    at the UNIVERSITY OF ...", the date of the final oral examination, then the approving committee one
    a line as "Name, Professor, Department" with the advisor marked; the advisor is the supervisor."""
    year = rng.randint(2008, 2026)
    title = rng.choice(SOIL_FRAMES).format(S=rng.choice(SUBJECTS))
    author = _names(rng, 1)[0]
    members = _names(rng, rng.randint(3, 5), [author])
    adv = rng.randrange(len(members) if rng.random() < 0.3 else 1)
    univ = rng.choice(vocab.EN_UNIVS)
    page = Page(latin=rng.choice(['Liberation Serif', 'DejaVu Serif', 'Linux Libertine O']), size=12, margins=2.8)
    page.para('', after=30)
    page.para((title, {'bold': rng.random() < 0.5}), size=rng.choice([13, 14]), align='c', after=30)
    page.para('by', align='c', after=10)
    page.para(author, align='c', after=40)
    page.para('A dissertation submitted in partial fulfillment of\nthe requirements for the degree of', align='c', after=10)
    page.para('Doctor of Philosophy', align='c', after=4)
    page.para('(%s)' % rng.choice(['Soil Science', 'Environmental Chemistry and Technology', 'Agroecology', 'Plant Pathology']),
              align='c', after=20)
    page.para('at the\n%s\n%d' % (univ[0].upper(), year), align='c', after=40)
    page.para('Date of final oral examination: %d/%d/%d' % (rng.randint(1, 12), rng.randint(1, 28), year), size=10,
              align='l', after=6)
    page.para('The dissertation is approved by the following members of the Final Oral Committee:', size=10, align='l', after=4)
    depts = ['Soil Science', 'Agronomy', 'Bacteriology', 'Civil and Environmental Engineering', 'Geography']
    for k, m in enumerate(members):
        page.para('%s, %s, %s%s' % (m, rng.choice(['Professor', 'Associate Professor', 'Assistant Professor']),
                                    rng.choice(depts), ' (Advisor)' if k == adv else ''), size=10, align='l', indent=20, after=1)
    meta = set_meta(page, rng, title, [author], [])
    return page, record(title, [author], year, [], 'en', None, meta=meta, supervisor=members[adv])


TEMPLATES = {'gen-en-hydrosurvey-openfilereport-darkseriesband-cooperationline': openfile_report,
             'gen-en-fieldrobotics-extendedabstract-titlebanner-daggerkeyedaffils': extended_abstract_banner,
             'gen-en-soilscience-dissertation-finaloralcommittee-advisormarked': dissertation_oralcommittee}
