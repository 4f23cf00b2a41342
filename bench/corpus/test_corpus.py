#!/usr/bin/env python3
"""Checks of the corpus builder's labelling: fields read from TeX, markup cleaning, the page check,
the split rule. Fast, and independent of the documentation packages and LibreOffice."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import firstpage  # noqa: E402
from firstpage import Page  # noqa: E402
import splits  # noqa: E402
import summary  # noqa: E402
import texlabels  # noqa: E402

try:
    import pylatexenc  # noqa: F401
    HAVE_L2T = True
except ImportError:
    HAVE_L2T = False


class CleaningTest(unittest.TestCase):
    def test_furniture_macros_are_dropped(self):
        cases = {
            r'A Study of Things\thanks{Supported by grant 42.}': 'A Study of Things',
            r'Deep \\ Learning\footnote{x}': 'Deep Learning',
            r'\bfseries The \textsf{xprintlen} package\thanks{v1.0}': 'The xprintlen package',
            r'\texorpdfstring{$\alpha$-Stable}{alpha-Stable} Laws': '\u03b1-Stable Laws',
            r'On \LaTeX{} and \TeX\ Fonts': 'On LaTeX and TeX Fonts',
            r'Title\\[2pt] {\large continued}': 'Title continued',
            r'Designing B\kern-.05em I\kern-.025em B\kern-.08em\TeX\ Styles': 'Designing BIBTeX Styles',
            r'\begin{center}Notes\end{center}': 'Notes',
        }
        for src, want in cases.items():
            with self.subTest(src=src):
                self.assertEqual(texlabels.clean_markup(src), want)

    @unittest.skipUnless(HAVE_L2T, 'python3-pylatexenc not installed')
    def test_grave_accents_are_not_quotes(self):
        self.assertEqual(texlabels.clean_markup(r"Herv\'e Pag\`es, Pag\`{e}s and ``q''"), 'Hervé Pagès, Pagès and \u201cq\u201d')

    def test_accents_and_quotes_become_unicode(self):
        self.assertEqual(texlabels.clean_markup(r"Caf\'e na\"{\i}ve --- G\"odel's ``Theorem''"),
                         'Caf\u00e9 na\u00efve \u2014 G\u00f6del\'s \u201cTheorem\u201d')
        self.assertEqual(texlabels.clean_markup(r'Ji\v{r}\'{\i} Ko\v{s}ka and Ren\'e Dubois'),
                         'Ji\u0159\u00ed Ko\u0161ka and Ren\u00e9 Dubois')

    def test_unknown_bare_macro_makes_a_field_unusable(self):
        self.assertTrue(texlabels.lossy(r'The \pkgname\ package'))
        self.assertFalse(texlabels.lossy(r'The \textsf{x} package\thanks{y}'))
        fields = texlabels.extract_fields(r'\title{The \mypkg\ package}\author{A B}\begin{document}')
        self.assertEqual(fields['title'], [])


class AuthorTest(unittest.TestCase):
    def test_and_inst_orcid_email_and_address_lines(self):
        raw = [r'Jane Roe\inst{1}\orcidID{0000-0001-2345-6789} \and John Q. Public\inst{2}'
               r'\thanks{Corresponding.} \and Ana Lima\\ Dept. of X \\ \email{ana@x.org}']
        self.assertEqual(texlabels.author_names(raw), ['Jane Roe', 'John Q. Public', 'Ana Lima'])

    def test_lists_in_one_author_field(self):
        self.assertEqual(texlabels.author_names([r'A. One, B. Two and C. Three']), ['A. One', 'B. Two', 'C. Three'])
        self.assertEqual(texlabels.author_names([r'张三、李四']), ['张三', '李四'])
        self.assertEqual(texlabels.author_names([r'Donald Arseneau (asnd@triumf.ca)']), ['Donald Arseneau'])
        self.assertEqual(texlabels.author_names([r'Scott Pakin <scott@pakin.org>']), ['Scott Pakin'])
        self.assertEqual(texlabels.author_names([r'Christian Dietrich 2013-2016']), ['Christian Dietrich'])
        self.assertEqual(texlabels.author_names([r'Arne Henningsen, Institute of Food, Rolighedsvej 25, Denmark']),
                         ['Arne Henningsen'])
        self.assertEqual(texlabels.author_names([r'Vorname Nachname, BA MA']), ['Vorname Nachname'])
        self.assertEqual(texlabels.author_names([r'Concept by Zebb Prime \and Abby Lee']), ['Zebb Prime', 'Abby Lee'])
        self.assertEqual(texlabels.author_names([r'\IEEEauthorblockN{Ann Lee}\IEEEauthorblockA{MIT}']), ['Ann Lee'])

    def test_organisations_and_labels_are_not_names(self):
        for n in ('Department of Physics', 'x@y.org', '学生：杨敬轩', 'University of Oslo', 'Canada',
                  'based on macros in TUGBoat', 'Academy of Lagado'):
            self.assertFalse(texlabels.plausible_name(n), n)
        for n in ('Jürgen Müller', '欧阳明', 'J. R. R. Tolkien'):
            self.assertTrue(texlabels.plausible_name(n), n)


class FieldsTest(unittest.TestCase):
    def test_article_fields(self):
        src = texlabels.strip_comments(r'''\documentclass{elsarticle}
\title{Robust Forecasting\tnoteref{t1}} % a comment \title{Wrong}
\author[a]{Mary Major\corref{c1}}
\author[b]{Li Wei}
\begin{document}
\begin{keyword} traffic \sep graphs \sep learning \end{keyword}
\maketitle''')
        f = texlabels.extract_fields(src)
        self.assertEqual(f['title'], ['Robust Forecasting'])
        self.assertEqual(f['authors'][0], ['Mary Major', 'Li Wei'])
        self.assertEqual(f['keywords'][0], ['traffic', 'graphs', 'learning'])

    def test_thesis_setup_fields(self):
        src = r'''\documentclass{thuthesis}
\thusetup{
  title = {基于图的\\检索方法研究},
  title* = {Graph Based Retrieval},
  author = {王小明},
  supervisor = {李四教授},
}
\hypersetup{pdftitle={Not This}}
\begin{document}
\begin{tcolorbox}[title=Example] x \end{tcolorbox}'''
        f = texlabels.extract_fields(src)
        self.assertEqual(f['title'], ['基于图的检索方法研究'])
        self.assertEqual(f['title_en'], ['Graph Based Retrieval'])
        self.assertEqual(f['authors'][0], ['王小明'])
        self.assertIn('李四教授', f['supervisor'])

    def test_macro_fields_of_chinese_classes(self):
        f = texlabels.extract_fields(r'\ctitle{中文题目}\etitle{English Title}\cauthor{张三}\begin{document}')
        self.assertEqual(f['title'][0], '中文题目')
        self.assertEqual(f['title_en'], ['English Title'])
        self.assertEqual(f['authors'][0], ['张三'])

    def test_every_author_command_counts(self):
        f = texlabels.extract_fields(r'\author*{John Smith}\address{U}\author{Tom F. Johnson}\title{T}')
        self.assertEqual(f['authors'], [['John Smith', 'Tom F. Johnson']])

    def test_definitions_are_not_uses(self):
        f = texlabels.extract_fields(r'\renewcommand{\title}[1]{x}\def\author#1{y}\title{Real}\author{R. Eal}')
        self.assertEqual(f['title'], ['Real'])
        self.assertEqual(f['authors'][0], ['R. Eal'])

    def test_inputs_and_gzip_sources_are_read(self):
        d = tempfile.mkdtemp()
        try:
            import gzip
            with gzip.open(os.path.join(d, 'setup.tex.gz'), 'wt', encoding='utf-8') as g:
                g.write('\\title{From Setup}\n')
            with open(os.path.join(d, 'main.tex'), 'w', encoding='utf-8') as g:
                g.write('\\input{setup}\n\\author{A. B}\n% \\title{commented}\n')
            f = texlabels.extract_fields(texlabels.load_source(os.path.join(d, 'main.tex')))
            self.assertEqual(f['title'], ['From Setup'])
        finally:
            shutil.rmtree(d)


def tiny_pdf(lines):
    """A one-page PDF printing the given ASCII lines (no outside tools needed to write it)."""
    ops = ['BT /F1 12 Tf 72 720 Td 16 TL']
    for ln in lines:
        ops.append('(%s) Tj T*' % ln.replace('\\', '\\\\').replace('(', '\\(').replace(')', '\\)'))
    ops.append('ET')
    stream = zlib.compress('\n'.join(ops).encode('latin-1'))
    objs = [b'<< /Type /Catalog /Pages 2 0 R >>', b'<< /Type /Pages /Kids [3 0 R] /Count 1 >>',
            b'<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Contents 4 0 R '
            b'/Resources << /Font << /F1 5 0 R >> >> >>',
            b'<< /Length %d /Filter /FlateDecode >>\nstream\n' % len(stream) + stream + b'\nendstream',
            b'<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>']
    out = b'%PDF-1.4\n'
    offsets = []
    for i, o in enumerate(objs):
        offsets.append(len(out))
        out += b'%d 0 obj\n' % (i + 1) + o + b'\nendobj\n'
    xref = len(out)
    out += b'xref\n0 %d\n0000000000 65535 f \n' % (len(objs) + 1)
    out += b''.join(b'%010d 00000 n \n' % off for off in offsets)
    out += b'trailer\n<< /Size %d /Root 1 0 R >>\nstartxref\n%d\n%%%%EOF\n' % (len(objs) + 1, xref)
    return out


class FirstPageTest(unittest.TestCase):
    def test_names_in_printed_order(self):
        page = firstpage.Page('Trees\nMatt Taddy\nAmazon\nRobert B. Gramacy\nVirginia Tech\n')
        self.assertTrue(page.in_order(['Matt Taddy', 'Robert B. Gramacy']))
        self.assertFalse(page.in_order(['Robert B. Gramacy', 'Matt Taddy']))

    def test_whole_lines_and_names(self):
        page = firstpage.Page('Journal of Things 12 (2020)\nA Study of Robust\nForecasting Methods*\n'
                              'Mary Major, J. R. Smith and Li Wei\n\fAbstract\n')
        self.assertTrue(page.has_lines('A Study of Robust Forecasting Methods'))
        self.assertFalse(page.has_lines('Robust Forecasting'), 'a fragment of a title line is not a title')
        self.assertFalse(page.has_lines('The Study of Robust Forecasting Methods'))
        self.assertTrue(Page('Of Things, Places,\nand People\n').has_lines('Of Things, Places, and People'))
        self.assertTrue(Page('The L ATEX Companion\n').has_lines('The LaTeX Companion'))
        self.assertFalse(Page('BibTeXing\n').has_lines('B I BTeX ing'), 'blanks are not taken from the label')
        self.assertTrue(page.has_name('J.R. Smith'))
        self.assertTrue(page.has_name('li wei'))
        self.assertFalse(page.has_name('Wei Li'))
        self.assertFalse(page.has_name('Smit'), 'a name must match whole words')
        self.assertEqual(page.years(), [2020])

    def test_chinese_compare_ignores_blanks_and_width(self):
        page = firstpage.Page('基于 深度学习 的\n图像检索\n王　伟１，李娜\n')
        self.assertTrue(page.has_lines('基于深度学习的图像检索'))
        self.assertTrue(page.has_name('王伟'))
        self.assertTrue(page.has_name('李娜'))

    def test_identifiers(self):
        self.assertEqual(firstpage.doi_of('see https://doi.org/10.1016/j.patrec.2020.01.002.'),
                         '10.1016/j.patrec.2020.01.002')
        self.assertEqual(firstpage.arxiv_of('arXiv:2105.01234v2 [cs.LG]'), '2105.01234v2')
        self.assertIsNone(firstpage.doi_of('no identifier here'))

    @unittest.skipUnless(shutil.which('pdftotext'), 'poppler-utils not installed')
    def test_check_on_a_real_pdf(self):
        d = tempfile.mkdtemp()
        try:
            fn = os.path.join(d, 'p.pdf')
            with open(fn, 'wb') as f:
                f.write(tiny_pdf(['Proceedings of Nothing 2019', 'Efficient Sparse Regression',
                                  'for Crop Yields', 'Ann Lee and Bo Chen']))
            page = firstpage.Page(firstpage.page_text(fn))
            self.assertTrue(page.has_lines('Efficient Sparse Regression for Crop Yields'))
            self.assertTrue(page.has_name('Bo Chen'))
            self.assertFalse(page.has_lines('Sparse Regression for Crop Yields'))
            self.assertEqual(firstpage.page_text(os.path.join(d, 'missing.pdf')), '')
        finally:
            shutil.rmtree(d)


class SplitTest(unittest.TestCase):
    def test_whole_families_fill_parts_by_share(self):
        fams = {'f%02d' % i: ('tex-en', 10) for i in range(20)}
        fams.update({'z%d' % i: ('gen-zh', 30) for i in range(8)})
        parts = splits.assign(fams, forced={'f00': 'train'})
        self.assertEqual(parts['f00'], 'train')
        for group, total in (('tex-en', 200), ('gen-zh', 240)):
            share = {p: sum(n for f, (g, n) in fams.items() if g == group and parts[f] == p) / total
                     for p in splits.PARTS}
            self.assertAlmostEqual(share['train'], 0.6, delta=0.13)
            self.assertGreater(share['dev'], 0)
            self.assertGreater(share['heldout'], 0.1)
        self.assertEqual(parts, splits.assign(fams, forced={'f00': 'train'}), 'the rule is stable')
        fixed = dict(parts, f05='heldout')
        self.assertEqual(splits.assign(fams, fixed=fixed)['f05'], 'heldout')

    def test_split_file_keeps_families_a_build_did_not_see(self):
        d = tempfile.mkdtemp()
        try:
            fn = os.path.join(d, 'split.tsv')
            splits.write({'a': 'train', 'b': 'heldout'}, {'a': ('tex-en', 3), 'b': ('tex-en', 2)}, fn)
            splits.write({'a': 'train', 'c': 'dev'}, {'a': ('tex-en', 3), 'c': ('gen-zh', 9)}, fn)
            self.assertEqual(splits.load(fn), {'a': 'train', 'b': 'heldout', 'c': 'dev'})
            self.assertEqual(splits.load_rows(fn)['c'], ('dev', 'gen-zh', 9))
        finally:
            shutil.rmtree(d)

    def test_summary_counts(self):
        truth = [{'split': 'train', 'lang': 'zh', 'source': 'generated', 'family': 'a'},
                 {'split': 'heldout', 'lang': 'en', 'source': 'tex', 'family': 'b'},
                 {'split': 'heldout', 'lang': 'en', 'source': 'tex', 'family': 'b'}]
        text = summary.render(truth, families=True)
        self.assertIn('files: 3', text)
        self.assertRegex(text, r'heldout\s+2 /\s+1')


try:
    import docx  # noqa: F401
    HAVE_DOCX = True
except ImportError:
    HAVE_DOCX = False


@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class GeneratorTest(unittest.TestCase):
    """Every template writes a document whose text carries its record's labels."""

    def doc_text(self, page):
        d = page.doc
        parts = [p.text for p in d.paragraphs]
        for t in d.tables:
            for row in t.rows:
                parts.extend(c.text for c in row.cells)
        return re.sub(r'\s+', '', ''.join(parts))

    def test_templates_print_their_labels(self):
        import random
        import gen_pages
        for fam, make in sorted(gen_pages.TEMPLATES.items()):
            for i in range(3):
                with self.subTest(family=fam, i=i):
                    page, rec = make(random.Random('%s/%d' % (fam, i)))
                    text = self.doc_text(page)
                    # a title or byline may be set in capitals
                    self.assertIn(re.sub(r'\s+', '', rec['title']).casefold(), text.casefold())
                    for a in rec['authors']:
                        self.assertTrue(all(ch in text.casefold() for ch in a.replace(' ', '').casefold()), a)
                    self.assertEqual(rec['first_author'], rec['authors'][0] if rec['authors'] else None)
                    self.assertEqual(rec['lang'], 'zh' if fam.startswith('gen-zh') else 'en')
                    self.assertEqual(firstpage.is_cjk(rec['title']), rec['lang'] == 'zh')
                    if rec['year'] is not None:
                        self.assertTrue(1990 <= rec['year'] <= 2030)

    def test_same_seed_same_page(self):
        import random
        import gen_zh
        a = gen_zh.thesis_doctor(random.Random(7))[1]
        b = gen_zh.thesis_doctor(random.Random(7))[1]
        self.assertEqual(a, b)

    def test_double_blind_prints_no_author_but_may_leak_one(self):
        import random
        import gen_en
        page, rec = gen_en.double_blind(random.Random(3))
        self.assertEqual(rec['authors'], [])
        self.assertIsNone(rec['first_author'])

    def test_two_line_titles_and_chinese_dates(self):
        import random
        import genbase
        rng = random.Random(1)
        a, b = genbase.split_two('A Study of Robust Forecasting Methods', rng, False)
        self.assertEqual(a + ' ' + b, 'A Study of Robust Forecasting Methods')
        a, b = genbase.split_two('基于深度学习的遥感影像分类方法', rng, True)
        self.assertEqual(a + b, '基于深度学习的遥感影像分类方法')
        self.assertTrue(a and b)
        self.assertEqual(genbase.zh_date(2023, 5), '二〇二三年五月')


class BuildTest(unittest.TestCase):
    def test_hand_lists_and_swap(self):
        import build
        d = tempfile.mkdtemp()
        try:
            tsv = os.path.join(d, 'hand.tsv')
            with open(tsv, 'w', encoding='utf-8') as f:
                f.write('# comment\nlatex/x/x.pdf\tA Title\tAnn Lee; Bo Chen\nxelatex/y/y.pdf\t中文题目\t张三\n')
            recs = build.read_hand([tsv], root=d)
            self.assertEqual([r['authors'] for r in recs], [['Ann Lee', 'Bo Chen'], ['张三']])
            self.assertEqual([r['lang'] for r in recs], ['en', 'zh'])
            self.assertEqual([r['family'] for r in recs], ['x', 'y'])
            out = build.finish(dict(recs[0], split='hand'), 'hand/latex/x/x.pdf')
            self.assertEqual(list(out)[:12], list(build.FIELDS))
            # the new corpus takes the place of the old one, which stays beside it
            outdir, new = os.path.join(d, 'corpus'), os.path.join(d, 'corpus.new')
            os.makedirs(outdir)
            open(os.path.join(outdir, 'old'), 'w').close()
            os.makedirs(new)
            open(os.path.join(new, 'truth.json'), 'w').close()
            build.swap_in(new, outdir)
            self.assertTrue(os.path.exists(os.path.join(outdir, 'truth.json')))
            self.assertTrue(os.path.exists(os.path.join(d, 'corpus.prev', 'old')))
        finally:
            shutil.rmtree(d)


@unittest.skipUnless(shutil.which('pdftotext'), 'poppler-utils not installed')
class LabelPairTest(unittest.TestCase):
    """A source and the PDF beside it, as the documentation packages ship them."""

    def setUp(self):
        self.dir = tempfile.mkdtemp()

    def tearDown(self):
        shutil.rmtree(self.dir)

    def pair(self, name, source, lines):
        pdf = os.path.join(self.dir, name + '.pdf')
        with open(pdf, 'wb') as f:
            f.write(tiny_pdf(lines))
        src = os.path.join(self.dir, name + '.tex')
        with open(src, 'w', encoding='utf-8') as f:
            f.write(source)
        return pdf, src

    def test_a_printed_title_and_authors_make_a_record(self):
        import tex_part
        pdf, src = self.pair('paper', r"""\documentclass{article}
\title{Efficient Sparse Regression\\ for Crop Yields\thanks{Grant 7.}}
\author{Ann Lee\inst{1} \and Bo Chen\inst{2}}
\date{May 2019}
\keywords{sparse models, crops}
\begin{document}\maketitle""", ['Efficient Sparse Regression', 'for Crop Yields*', 'Ann Lee and Bo Chen',
                                  'May 2019', 'Keywords: sparse models, crops', 'doi:10.1000/xyz.123'])
        rec, why = tex_part.label_one(pdf, src)
        self.assertEqual(why, 'ok')
        self.assertEqual(rec['title'], 'Efficient Sparse Regression for Crop Yields')
        self.assertEqual(rec['authors'], ['Ann Lee', 'Bo Chen'])
        self.assertEqual((rec['first_author'], rec['year'], rec['lang']), ('Ann Lee', 2019, 'en'))
        self.assertEqual(rec['keywords'], ['sparse models', 'crops'])
        self.assertEqual(rec['doi'], '10.1000/xyz.123')

    def test_labels_not_on_page_one_drop_the_file(self):
        import tex_part
        pdf, src = self.pair('a', r'\title{A Title Here}\author{Ann Lee \and Carl Mohr}\begin{document}',
                             ['A Title Here', 'Ann Lee'])
        rec, why = tex_part.label_one(pdf, src)
        self.assertIsNone(rec)
        self.assertIn('authors not on page 1', why)
        pdf, src = self.pair('b', r'\title{Another Title}\author{Ann Lee}\begin{document}',
                             ['Another Title of Something', 'Ann Lee'])
        self.assertIn('title not on page 1', tex_part.label_one(pdf, src)[1])
        pdf, src = self.pair('c', r'\author{Ann Lee}\begin{document}', ['Ann Lee'])
        self.assertEqual(tex_part.label_one(pdf, src), (None, 'no title in source'))

    def test_unprinted_keywords_are_left_empty_and_years_offered(self):
        import tex_part
        pdf, src = self.pair('k', r'\title{Plain Title}\author{Ann Lee}\keywords{alpha, beta}\begin{document}',
                             ['Plain Title', 'Ann Lee', 'Printed 2021', 'alpha'])
        rec, _ = tex_part.label_one(pdf, src)
        self.assertEqual(rec['keywords'], [])
        self.assertIsNone(rec['year'])
        self.assertEqual(rec['alt']['year'], [2021, None])

    def test_pairs_are_found_by_name(self):
        import tex_part
        self.pair('x', r'\title{T}', ['T'])
        open(os.path.join(self.dir, 'lonely.pdf'), 'wb').close()
        pairs = tex_part.find_pairs(self.dir)
        self.assertEqual([os.path.basename(p) for p, _ in pairs], ['x.pdf'])
        self.assertEqual(tex_part.family_of('latex/acmart/samples/x.pdf'), 'acmart')

    def test_generated_page_check(self):
        import gen_pages
        pdf, _ = self.pair('g', '', ['Journal of Things', 'Robust Forecasting', 'Ann Lee, Bo Chen'])
        rec = {'title': 'Robust Forecasting', 'authors': ['Ann Lee', 'Bo Chen']}
        self.assertIsNone(gen_pages.verify(pdf, rec))
        self.assertIn('Carl Mohr', gen_pages.verify(pdf, dict(rec, authors=['Carl Mohr'])))


class NewPartTest(unittest.TestCase):
    """Families a build has not seen before can make a part of their own, fixed in the split file."""

    def setUp(self):
        self.dir = tempfile.mkdtemp()
        self.split_file = os.path.join(self.dir, 'split.tsv')
        splits.write({'old-tex': 'train', 'old-gen': 'heldout'},
                     {'old-tex': ('tex-en', 4), 'old-gen': ('gen-zh', 9)}, self.split_file)

    def tearDown(self):
        shutil.rmtree(self.dir)

    def records(self):
        def rec(fam, source, lang='en'):
            return {'family': fam, 'source': source, 'lang': lang}
        return [rec('old-tex', 'tex'), rec('old-gen', 'generated', 'zh'), rec('new-tex', 'tex'), rec('new-tex', 'tex'),
                rec('new-gen', 'generated', 'zh'), rec('handpkg', 'tex'), rec('handpkg', 'hand')]

    def test_unseen_families_go_to_the_new_part_and_are_written(self):
        import build
        recs = self.records()
        log = open(os.devnull, 'w')
        build.assign_splits(recs, True, log, new_part='heldout2', split_file=self.split_file)
        log.close()
        got = {(r['family'], r['source']): r['split'] for r in recs}
        self.assertEqual(got[('old-tex', 'tex')], 'train', 'a known family keeps its part')
        self.assertEqual(got[('old-gen', 'generated')], 'heldout')
        self.assertEqual(got[('new-tex', 'tex')], 'heldout2')
        self.assertEqual(got[('new-gen', 'generated')], 'heldout2')
        self.assertEqual(got[('handpkg', 'tex')], 'train', 'a hand-labelled package stays in training')
        self.assertEqual(got[('handpkg', 'hand')], 'hand')
        rows = splits.load_rows(self.split_file)
        self.assertEqual(rows['new-tex'], ('heldout2', 'tex-en', 2))
        self.assertEqual(rows['new-gen'], ('heldout2', 'gen-zh', 1))
        self.assertEqual(rows['old-gen'][0], 'heldout')
        # a later build without the option reads the new part back instead of placing the families again
        again = self.records()
        build.assign_splits(again, False, open(os.devnull, 'w'), split_file=self.split_file)
        self.assertEqual([r['split'] for r in again], [r['split'] for r in recs])

    def test_without_a_new_part_unseen_families_follow_the_share_rule(self):
        import build
        recs = self.records()
        build.assign_splits(recs, False, open(os.devnull, 'w'), split_file=self.split_file)
        self.assertIn(recs[2]['split'], splits.PARTS)
        self.assertNotIn('new-tex', splits.load(self.split_file), 'nothing written without --write-split')

    def test_summary_lists_every_part_present(self):
        truth = [{'split': p, 'lang': 'zh', 'source': 'generated', 'family': p + '-f'}
                 for p in ('train', 'heldout2', 'extra')]
        text = summary.render(truth)
        self.assertRegex(text, r'heldout2\s+1 /\s+1')
        self.assertRegex(text, r'extra\s+1 /\s+1')
        self.assertNotRegex(text, r'\bdev\b', 'a part with no files is not listed')


@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class LaterTemplatesTest(unittest.TestCase):
    """The later templates: other layouts and other wording than the first set."""

    def make(self, fn, i):
        import random
        return fn(random.Random('later/%d' % i))

    def test_wording_is_not_the_first_sets(self):
        import gen_en_extra
        import gen_zh_extra
        import vocab
        first_terms = vocab.ZH_METHODS + vocab.ZH_OBJECTS + vocab.EN_METHODS + vocab.EN_OBJECTS
        for mod in (gen_zh_extra, gen_en_extra):
            for fam, fn in mod.TEMPLATES.items():
                for i in range(6):
                    title = self.make(fn, i)[1]['title']
                    with self.subTest(family=fam, title=title):
                        self.assertFalse([t for t in first_terms if t in title])

    def test_third_set_is_new_in_names_and_wording(self):
        import gen_en
        import gen_en_extra
        import gen_en_more
        import gen_zh
        import gen_zh_extra
        import gen_zh_more
        import vocab
        earlier = [gen_zh, gen_en, gen_zh_extra, gen_en_extra]
        later = [gen_zh_more, gen_en_more]
        names = [f for m in earlier + later for f in m.TEMPLATES]
        self.assertEqual(len(names), len(set(names)), 'a template name given twice replaces the earlier one')
        terms = (vocab.ZH_METHODS + vocab.ZH_OBJECTS + vocab.EN_METHODS + vocab.EN_OBJECTS + gen_zh_extra.FIELDS +
                 gen_zh_extra.ASPECTS + gen_zh_extra.PLACES + gen_en_extra.OBJECTS + gen_en_extra.DRIVERS +
                 gen_en_extra.PLACES)
        for mod in later:
            for fam, fn in mod.TEMPLATES.items():
                for i in range(8):
                    page, rec = self.make(fn, i)
                    with self.subTest(family=fam, title=rec['title']):
                        self.assertFalse([t for t in terms if t in rec['title']])
                        text = '\n'.join(p.text for p in page.doc.paragraphs)
                        text += '\n'.join(c.text for t in page.doc.tables for r in t.rows for c in r.cells)
                        self.assertIn(rec['title'], text)
                        for a in rec['authors']:
                            self.assertIn(a.upper() if fam == 'gen-en-caps-byline' else a, text)

    def test_english_first_cover_labels_the_chinese_title(self):
        import gen_zh_extra
        for i in range(6):
            page, rec = self.make(gen_zh_extra.thesis_english_first, i)
            paras = [p.text for p in page.doc.paragraphs if p.text.strip()]
            self.assertTrue(firstpage.is_cjk(rec['title']))
            self.assertFalse(firstpage.is_cjk(rec['title_en']))
            self.assertLess(paras.index(rec['title_en']), min(k for k, p in enumerate(paras) if rec['title'] in p),
                            'the English title comes first')
            self.assertNotIn(rec['supervisor'], rec['authors'])

    def test_table_cover_keeps_title_and_names_in_ruled_cells(self):
        import gen_zh_extra
        page, rec = self.make(gen_zh_extra.thesis_table_cover, 2)
        cells = {}
        for t in page.doc.tables:
            for row in t.rows:
                if len(row.cells) == 2:
                    cells[re.sub(r'\s+', '', row.cells[0].text)] = row.cells[1].text
        self.assertIn(rec['title'], cells.values())
        self.assertIn(rec['authors'][0], cells.values())
        self.assertTrue(any(v.startswith(rec['supervisor']) for v in cells.values()))

    def test_wide_cover_title_over_two_lines_joins_back(self):
        import gen_zh_extra
        seen_two = False
        for i in range(12):
            page, rec = self.make(gen_zh_extra.thesis_wide_cover, i)
            paras = [p.text for p in page.doc.paragraphs]
            k = next(n for n, p in enumerate(paras) if re.match(r'^(题\s*目|论文题目|题目)：', p.replace('\u3000', ' ')))
            first = paras[k].split('：', 1)[1]
            if first != rec['title']:
                seen_two = True
                self.assertEqual(first + paras[k + 1], rec['title'])
        self.assertTrue(seen_two)

    def test_english_bylines(self):
        import gen_en_extra
        page, rec = self.make(gen_en_extra.newsletter_byline, 1)
        by = [p.text for p in page.doc.paragraphs if p.text.startswith('By ')][0]
        self.assertEqual(re.split(r', | and ', by[3:]), rec['authors'])
        page, rec = self.make(gen_en_extra.banner_article, 4)
        names = [p for p in page.doc.paragraphs if '|' in p.text and 'Received' not in p.text][0]
        printed = [re.sub(r'\d+$', '', n.strip()) for n in names.text.split('|')]
        self.assertEqual(printed, rec['authors'])

    def test_page_counts_per_template(self):
        import gen_pages
        self.assertEqual(gen_pages.pages_of('gen-zh-journal-classic'), 36)
        self.assertEqual(gen_pages.pages_of('gen-zh-thesis-tablecover'), 36)
        self.assertEqual(gen_pages.pages_of('gen-en-thesis-uk'), 18)
        self.assertEqual(gen_pages.pages_of('gen-en-thesis-uk', {'gen-en-thesis-uk': 2}), 2)


FAKE_SOFFICE = r"""#!/usr/bin/python3
# Stands in for LibreOffice: prints each document's paragraphs and table cells into a tiny PDF.
# The first run leaves the last document unconverted, as a real run stopping early would.
import os, sys
sys.path.insert(0, %(here)r)
import docx
from test_corpus import tiny_pdf
args = sys.argv[1:]
out = args[args.index('--outdir') + 1]
docs = [a for a in args if a.endswith('.docx')]
mark = os.path.join(out, '.ran')
if not os.path.exists(mark):
    open(mark, 'w').close()
    docs = docs[:-1]
for d in docs:
    doc = docx.Document(os.path.join(out, d))
    lines = [p.text for p in doc.paragraphs]
    for t in doc.tables:
        for row in t.rows:
            lines.extend(c.text for c in row.cells)
    lines = [l.encode('latin-1', 'replace').decode('latin-1') for l in lines if l.strip()]
    with open(os.path.join(out, d[:-5] + '.pdf'), 'wb') as f:
        f.write(tiny_pdf(lines[:40]))
"""


@unittest.skipUnless(HAVE_DOCX and shutil.which('pdftotext'), 'python3-docx or poppler-utils not installed')
class GeneratedBuildTest(unittest.TestCase):
    """The generated part end to end, with a stand-in for LibreOffice on the PATH."""

    def setUp(self):
        self.dir = tempfile.mkdtemp()
        bindir = os.path.join(self.dir, 'bin')
        os.makedirs(bindir)
        fake = os.path.join(bindir, 'soffice')
        with open(fake, 'w') as f:
            f.write(FAKE_SOFFICE % {'here': os.path.dirname(os.path.abspath(__file__))})
        os.chmod(fake, 0o755)
        self.old_path = os.environ['PATH']
        os.environ['PATH'] = bindir + os.pathsep + self.old_path

    def tearDown(self):
        os.environ['PATH'] = self.old_path
        shutil.rmtree(self.dir)

    def test_pages_are_converted_checked_and_recorded(self):
        import io
        import gen_pages
        fams = {'gen-en-thesis-uk', 'gen-en-workshop-stacked'}
        log = io.StringIO()
        out = os.path.join(self.dir, 'gen')
        recs = gen_pages.build(out, log=log, counts={f: 3 for f in fams}, families=fams)
        self.assertEqual(sorted({r['family'] for r in recs}), sorted(fams))
        self.assertEqual(len(recs), 6, 'a document the first run missed is converted by the second: ' + log.getvalue())
        for r in recs:
            self.assertTrue(os.path.isfile(os.path.join(out, r['rel'])))
            self.assertEqual((r['source'], r['lang']), ('generated', 'en'))
        self.assertIn('gen gen-en-thesis-uk: 3 of 3 kept', log.getvalue())
        self.assertFalse(os.path.exists(os.path.join(out, '.stage')), 'the stage is cleared')

    def test_only_listed_documents_of_the_tex_part_are_read(self):
        import tex_part
        root = os.path.join(self.dir, 'doc')
        for pkg in ('alpha', 'beta'):
            d = os.path.join(root, 'latex', pkg)
            os.makedirs(d)
            with open(os.path.join(d, pkg + '.pdf'), 'wb') as f:
                f.write(tiny_pdf(['Notes on %s Things' % pkg.title(), 'Ann Lee']))
            with open(os.path.join(d, pkg + '.tex'), 'w') as f:
                f.write(r'\title{Notes on %s Things}\author{Ann Lee}\begin{document}' % pkg.title())
        self.assertEqual(len(tex_part.build(root)), 2)
        recs = tex_part.build(root, only={'latex/beta/beta.pdf'})
        self.assertEqual([(r['family'], r['title']) for r in recs], [('beta', 'Notes on Beta Things')])

    @unittest.skipUnless(shutil.which('dpkg'), 'not a Debian system')
    def test_a_packages_documents_are_its_files_under_the_root(self):
        import tex_part
        files = tex_part.package_files(['dpkg'], root='/usr/share/doc')
        self.assertIn('dpkg/copyright', files)
        self.assertFalse([f for f in files if f.startswith('/')], 'paths are relative to the root')
        self.assertEqual(tex_part.package_files(['dpkg']), set(), 'dpkg puts nothing under the TeX documentation')


JSS_SOURCE = r"""\documentclass[article]{jss}
\author{Ann Lee\\University of Innsbruck \And
        Karl M\"uller\\Vienna University \\ of Economics \AND
        Mary Smith\\Texas A\&M University}
\title{\pkg{zoox}: Ordered Observations in \proglang{R}}
\Plainauthor{Ann Lee, Karl M\"uller, Mary Smith}
\Plaintitle{zoox: Ordered Observations in R}
\Shorttitle{Ordered Observations}
\Keywords{time series, \proglang{R}, ordering}
\Plainkeywords{time series, R, ordering}
\Abstract{We write about \pkg{zoox}.}
\Address{Ann Lee\\ E-mail: \email{ann@example.org}}
\begin{document}
<<setup, echo=FALSE>>=
options(prompt = "R> ", title = "\\title{Not this}")
@
\section{Introduction}
"""


@unittest.skipUnless(HAVE_L2T, 'python3-pylatexenc not installed')
class VignetteLabelTest(unittest.TestCase):
    """Fields of R package vignettes: the Journal of Statistical Software front matter and plain
    Sweave articles."""

    def test_jss_front_matter(self):
        import rnwlabels
        f = rnwlabels.extract_fields(JSS_SOURCE)
        self.assertEqual(f['title'][0], 'zoox: Ordered Observations in R')
        self.assertNotIn('Not this', ' '.join(f['title']), 'R code chunks are not read')
        # \And between authors, \AND before a new row, affiliations after \\ (even over two lines)
        self.assertEqual(f['authors'][0], ['Ann Lee', 'Karl Müller', 'Mary Smith'])
        self.assertIn(['time series', 'R', 'ordering'], f['keywords'])

    def test_plain_sweave_article(self):
        import rnwlabels
        src = (r"\documentclass{article}\title{A Package for \textsf{Survival} Analysis\thanks{Version 3.}}"
               "\n" r"\author{Terry M Therneau\footnote{Mayo Clinic}, Cynthia Crowson \\ and Beth Atkinson"
               r"\\ Mayo Clinic \\ \email{t@mayo.edu}}" "\n" r"\begin{document}\maketitle")
        f = rnwlabels.extract_fields(src)
        self.assertEqual(f['title'], ['A Package for Survival Analysis'])
        self.assertEqual(f['authors'][0], ['Terry M Therneau', 'Cynthia Crowson', 'Beth Atkinson'],
                         'a break before "and" continues the list; the unit after the next break is dropped')
        src = (r"\title{Simulation}\author{Christophe Dutang \\ Universit\'e Paris \\[3ex] Vincent Goulet \\ "
               r"Universit\'e Laval}\begin{document}")
        self.assertEqual(rnwlabels.extract_fields(src)['authors'][0], ['Christophe Dutang', 'Vincent Goulet'],
                         'a break with a skip starts the next author of a stack')
        src = (r"\title{MNP}\author{Kosuke Imai\thanks{Harvard University.}\\" "\n"
               r"  David A. van Dyk\thanks{Imperial College.}\\ Version 3}\begin{document}")
        self.assertEqual(rnwlabels.extract_fields(src)['authors'][0], ['Kosuke Imai', 'David A. van Dyk'],
                         'a name with a footnote of its own after a break is the next author')
        src = r"\title{edge}\author{Yunshun Chen, Aaron Lun,\\" "\n" r"Gordon K.\ Smyth}\begin{document}"
        self.assertEqual(rnwlabels.extract_fields(src)['authors'][0], ['Yunshun Chen', 'Aaron Lun', 'Gordon K. Smyth'])
        src = r"\title{Break Tests}\author{Achim Zeileis \hspace{0.4cm} Kurt Hornik \quad Ann Lee}\begin{document}"
        self.assertEqual(rnwlabels.extract_fields(src)['authors'][0], ['Achim Zeileis', 'Kurt Hornik', 'Ann Lee'])

    def test_a_smaller_line_after_the_title_is_not_part_of_it(self):
        import rnwlabels
        for tail in (r"{\small Updated May 2021, with a new section}", r"\normalsize{for BMS Version 0.3.5}"):
            src = r"\title{Bayesian Averaging with BMS\\ " + tail + r"}\author{Ann Lee}\begin{document}"
            self.assertEqual(rnwlabels.extract_fields(src)['title'], ['Bayesian Averaging with BMS'])

    def test_fields_filled_in_by_r_are_not_used(self):
        import rnwlabels
        src = (r"\title{Using pkg version \Sexpr{packageVersion('pkg')}}\author{\Sexpr{me}}"
               r"\Plaintitle{Using pkg}\begin{document}")
        f = rnwlabels.extract_fields(src)
        self.assertEqual(f['title'], ['Using pkg'], 'only the plain title is left')
        self.assertEqual(f['authors'], [])

    def test_vignette_pairs_families_and_package_filter(self):
        import rnw_part
        root = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, root)
        lib = os.path.join(root, 'site-library')
        for pkg, ext in (('alpha', '.Rnw'), ('beta', '.Rtex'), ('gamma', '.Rmd')):
            d = os.path.join(lib, pkg, 'doc')
            os.makedirs(d)
            with open(os.path.join(d, 'intro.pdf'), 'wb') as f:
                f.write(tiny_pdf(['Notes on %s Things' % pkg.title(), 'Ann Lee and Bo Chen']))
            with open(os.path.join(d, 'intro' + ext), 'w') as f:
                f.write('\\title{Notes on %s Things}\\author{Ann Lee \\and Bo Chen}\\begin{document}' % pkg.title())
        pairs = rnw_part.find_pairs([lib])
        self.assertEqual([p[2] for p in pairs], ['site-library/alpha/doc/intro.pdf', 'site-library/beta/doc/intro.pdf'],
                         'an R Markdown vignette has no LaTeX source')
        recs = rnw_part.build([lib])
        self.assertEqual([(r['family'], r['source'], r['authors']) for r in recs],
                         [('r-alpha', 'rnw', ['Ann Lee', 'Bo Chen']), ('r-beta', 'rnw', ['Ann Lee', 'Bo Chen'])])
        self.assertEqual(len(rnw_part.build([lib], packages={'beta'})), 1)


class ShareOutTest(unittest.TestCase):
    def test_seeded_shuffle_fills_parts_by_files(self):
        fams = {'r-%02d' % i: 1 + i % 4 for i in range(40)}
        got = splits.share_out(fams, {'heldout4': 0.6, 'dev': 0.4})
        self.assertEqual(got, splits.share_out(dict(reversed(list(fams.items()))), {'heldout4': 0.6, 'dev': 0.4}),
                         'the order the families come in does not matter')
        files = {p: sum(n for f, n in fams.items() if got[f] == p) for p in ('heldout4', 'dev')}
        total = sum(fams.values())
        self.assertAlmostEqual(files['heldout4'] / total, 0.6, delta=0.06)
        self.assertNotEqual(got, splits.share_out(fams, {'heldout4': 0.6, 'dev': 0.4}, seed=1), 'the seed decides')

    def test_build_shares_unseen_vignette_families_and_keeps_known_ones(self):
        import build
        d = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, d)
        split_file = os.path.join(d, 'split.tsv')
        with open(split_file, 'w') as f:
            f.write('r-old\ttrain\trnw-en\t3\n')
        recs = [{'family': 'r-old', 'source': 'rnw', 'lang': 'en'}] + \
            [{'family': 'r-p%d' % i, 'source': 'rnw', 'lang': 'en'} for i in range(10)]
        with open(os.devnull, 'w') as log:
            build.assign_splits(recs, True, log, split_file=split_file, new_shares={'heldout4': 0.6, 'dev': 0.4})
            # a later build with new templates: the vignette families keep their parts, the rest go whole
            later = [dict(r, split=None) for r in recs] + [{'family': 'gen-zh-new', 'source': 'generated', 'lang': 'zh'}]
            build.assign_splits(later, True, log, new_part='heldout4', split_file=split_file)
        self.assertEqual([r['split'] for r in later[:11]], [r['split'] for r in recs])
        self.assertEqual(recs[0]['split'], 'train')
        self.assertEqual(sum(r['split'] == 'dev' for r in recs[1:11]), 4)
        rows = splits.load_rows(split_file)
        self.assertEqual(rows['r-p0'][1], 'rnw-en')
        self.assertEqual(rows['gen-zh-new'][0], 'heldout4')


@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class FourthTemplatesTest(unittest.TestCase):
    """The fourth set: names no earlier template has, wording of its own, labels printed."""

    def test_fourth_set_is_new_in_names_and_wording(self):
        import random
        import gen_en
        import gen_en_extra
        import gen_en_fresh
        import gen_en_more
        import gen_zh
        import gen_zh_extra
        import gen_zh_fresh
        import gen_zh_more
        import vocab
        earlier = [gen_zh, gen_en, gen_zh_extra, gen_en_extra, gen_zh_more, gen_en_more]
        names = [f for m in earlier + [gen_zh_fresh, gen_en_fresh] for f in m.TEMPLATES]
        self.assertEqual(len(names), len(set(names)))
        terms = (vocab.ZH_METHODS + vocab.ZH_OBJECTS + vocab.EN_METHODS + vocab.EN_OBJECTS + gen_zh_extra.FIELDS +
                 gen_zh_extra.ASPECTS + gen_zh_extra.PLACES + gen_en_extra.OBJECTS + gen_en_extra.PLACES +
                 gen_zh_more.TOPICS + gen_zh_more.ANGLES + gen_zh_more.SETTINGS + gen_en_more.TOPICS +
                 gen_en_more.PLACES)
        old_schools = {s[0] for s in gen_zh_extra.SCHOOLS + gen_zh_more.SCHOOLS}
        self.assertFalse(old_schools & {s[0] for s in gen_zh_fresh.SCHOOLS})
        for mod in (gen_zh_fresh, gen_en_fresh):
            for fam, fn in mod.TEMPLATES.items():
                for i in range(8):
                    page, rec = fn(random.Random('fourth/%d' % i))
                    with self.subTest(family=fam, title=rec['title']):
                        self.assertFalse([t for t in terms if t in rec['title']])
                        _assert_labels_printed(self, page, rec)

def _page_text(page):
    """All the text a generated document holds, paragraphs and table cells."""
    text = ''.join(p.text for p in page.doc.paragraphs)
    return text + ''.join(c.text for t in page.doc.tables for r in t.rows for c in r.cells)


def _assert_labels_printed(case, page, rec):
    text = _page_text(page)
    case.assertIn(rec['title'], re.sub(r'\s', '', text) if rec['lang'] == 'zh'
                  else re.sub(r'\s+', ' ', text.replace('\n', ' ')) + text)
    for a in rec['authors']:
        case.assertIn(a, text)


@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class FifthTemplatesTest(unittest.TestCase):
    """The fifth set (blind part heldout5): new names, new wording, labels printed, whole part."""

    def setUp(self):
        import gen_en_fifth
        import gen_pages
        import gen_zh_fifth
        self.mod = gen_zh_fifth
        self.en = gen_en_fifth
        self.earlier = [m for m in (gen_pages.gen_zh, gen_pages.gen_en, gen_pages.gen_zh_extra,
                                    gen_pages.gen_en_extra, gen_pages.gen_zh_more, gen_pages.gen_en_more,
                                    gen_pages.gen_zh_fresh, gen_pages.gen_en_fresh)]

    def samples(self, n=8):
        import random
        for fam, fn in self.mod.TEMPLATES.items():
            for i in range(n):
                yield fam, fn(random.Random('fifth/%s/%d' % (fam, i)))

    def test_names_and_wording_are_new(self):
        import gen_zh_fresh
        import vocab
        names = [f for m in self.earlier + [self.mod] for f in m.TEMPLATES]
        self.assertEqual(len(names), len(set(names)))
        e = {m.__name__: m for m in self.earlier}
        terms = (vocab.ZH_METHODS + vocab.ZH_OBJECTS + e['gen_zh_extra'].FIELDS + e['gen_zh_extra'].ASPECTS +
                 e['gen_zh_extra'].PLACES + e['gen_zh_more'].TOPICS + e['gen_zh_more'].ANGLES +
                 e['gen_zh_more'].SETTINGS + gen_zh_fresh.SUBJECTS + gen_zh_fresh.ANGLES + gen_zh_fresh.CONTEXTS)
        old_schools = {s[0] for s in e['gen_zh_extra'].SCHOOLS + e['gen_zh_more'].SCHOOLS + gen_zh_fresh.SCHOOLS}
        self.assertFalse(old_schools & {s[0] for s in self.mod.SCHOOLS})
        self.assertFalse(set(gen_zh_fresh.FORMS) & set(self.mod.FORMS))
        for fam, (page, rec) in self.samples():
            with self.subTest(family=fam, title=rec['title']):
                self.assertFalse([t for t in terms if t in rec['title']])
                _assert_labels_printed(self, page, rec)

    def test_layout_marks(self):
        """Each template prints the mark of its layout: circled numbers and a 〔〕 bracket, a grid of
        paired fields, a class block and a framed title, an e-mail note, a 开题报告 kind, numbered units."""
        want = {'gen-zh-journal-circledmarks': ['①', '〔'], 'gen-zh-cover-gridfields': ['学　　号', '职　　称'],
                'gen-zh-cover-classbox': ['分类号', 'U D C'], 'gen-zh-conference-emailnote': ['E-mail', '*通信作者'],
                'gen-zh-proposal-opening': ['开题报告', '开题日期'], 'gen-zh-journal-numberedunits': ['（1.', '；2.']}
        self.assertEqual(set(want), set(self.mod.TEMPLATES))
        for fam, (page, rec) in self.samples(3):
            text = _page_text(page)
            for w in want[fam]:
                self.assertIn(w, text, fam)
            if fam == 'gen-zh-cover-classbox':
                self.assertTrue(any(rec['title'] in c.text for t in page.doc.tables for r in t.rows for c in r.cells))

    def test_english_page_is_new(self):
        import random
        e = {m.__name__: m for m in self.earlier}
        names = [f for m in self.earlier + [self.mod, self.en] for f in m.TEMPLATES]
        self.assertEqual(len(names), len(set(names)))
        terms = (e['gen_en_extra'].OBJECTS + e['gen_en_more'].TOPICS + e['gen_en_fresh'].SUBJECTS +
                 e['gen_en_fresh'].CONTEXTS)
        for fam, fn in self.en.TEMPLATES.items():
            for i in range(8):
                page, rec = fn(random.Random('fifth/%s/%d' % (fam, i)))
                with self.subTest(family=fam, title=rec['title']):
                    self.assertFalse([t for t in terms if t in rec['title']])
                    _assert_labels_printed(self, page, rec)
                    self.assertIn('Received:', _page_text(page))
                    self.assertRegex(_page_text(page), '%s\\d [\u00b7\u2022] ' % re.escape(rec['authors'][0]))

    def test_whole_set_is_in_heldout5(self):
        rows = splits.load_rows()
        for fam in list(self.mod.TEMPLATES) + list(self.en.TEMPLATES):
            self.assertEqual(rows[fam][0], 'heldout5', fam)


@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class SixthTemplatesTest(unittest.TestCase):
    """The sixth set (blind part heldout6): new names, schools and wording, labels printed, the mark
    of each layout, the whole set in its part."""

    def setUp(self):
        import gen_en_sixth
        import gen_pages
        import gen_zh_sixth
        self.mod, self.en = gen_zh_sixth, gen_en_sixth
        self.earlier = [gen_pages.gen_zh, gen_pages.gen_en, gen_pages.gen_zh_extra, gen_pages.gen_en_extra,
                        gen_pages.gen_zh_more, gen_pages.gen_en_more, gen_pages.gen_zh_fresh, gen_pages.gen_en_fresh,
                        gen_pages.gen_zh_fifth, gen_pages.gen_en_fifth]

    def samples(self, mods, n=8):
        import random
        for mod in mods:
            for fam, fn in mod.TEMPLATES.items():
                for i in range(n):
                    yield fam, fn(random.Random('sixth/%s/%d' % (fam, i)))

    def test_names_schools_and_wording_are_new(self):
        import vocab
        e = {m.__name__: m for m in self.earlier}
        names = [f for m in self.earlier + [self.mod, self.en] for f in m.TEMPLATES]
        self.assertEqual(len(names), len(set(names)))
        zh_terms = (vocab.ZH_METHODS + vocab.ZH_OBJECTS + e['gen_zh_extra'].FIELDS + e['gen_zh_extra'].ASPECTS +
                    e['gen_zh_extra'].PLACES + e['gen_zh_more'].TOPICS + e['gen_zh_more'].ANGLES +
                    e['gen_zh_more'].SETTINGS)
        for m in (e['gen_zh_fresh'], e['gen_zh_fifth']):
            zh_terms += m.SUBJECTS + m.ANGLES + m.CONTEXTS
        en_terms = (vocab.EN_METHODS + vocab.EN_OBJECTS + e['gen_en_extra'].OBJECTS + e['gen_en_more'].TOPICS +
                    e['gen_en_fresh'].SUBJECTS + e['gen_en_fresh'].CONTEXTS + e['gen_en_fifth'].SUBJECTS +
                    e['gen_en_fifth'].CONTEXTS)
        old_schools = {s[0] for s in vocab.ZH_SCHOOLS}
        for m in ('gen_zh_extra', 'gen_zh_more', 'gen_zh_fresh', 'gen_zh_fifth'):
            old_schools |= {s[0] for s in e[m].SCHOOLS}
        self.assertFalse(old_schools & {s[0] for s in self.mod.SCHOOLS})
        for m in ('gen_zh_fresh', 'gen_zh_fifth'):
            self.assertFalse(set(e[m].FORMS) & set(self.mod.FORMS))
        for fam, (page, rec) in self.samples([self.mod, self.en]):
            with self.subTest(family=fam, title=rec['title']):
                terms = zh_terms if rec['lang'] == 'zh' else en_terms
                self.assertFalse([t for t in terms if t in rec['title']])
                if rec['title'] in _page_text(page) or rec['lang'] == 'zh':
                    _assert_labels_printed(self, page, rec)
                else:  # a title set in capitals
                    self.assertIn(rec['title'].upper(), _page_text(page))

    def test_layout_marks(self):
        """Each template prints what makes its layout: school code and stretched labels, letter
        units, a 楷体 byline with a star and a 引用格式 line, two underlined title lines, names and
        units alternating, postdoctoral and sign-off labels, an online-first cover with its DOI, pinyin
        names, a "By" byline."""
        want = {'gen-zh-thesis-codecorner': ['学校代码', '研究方向', '学科专业'],
                'gen-zh-journal-letterunits': [' a. ', '；b. ', '*通信作者'],
                'gen-zh-review-kaibyline': ['引用格式：', '[J]'], 'gen-zh-design-underlined': ['班　　级', '学生姓名'],
                'gen-zh-journal-interleaved': ['作者简介'], 'gen-zh-postdoc-report': ['博士后姓名', '合作导师'],
                'gen-zh-techreport-signoff': ['报告编号'], 'gen-en-pinyin-journal': ['CLC number', '(1. '],
                'gen-en-communicated-by': ['Communicated by', 'By '],
                'gen-zh-online-firstcover': ['网络首发日期', '引用格式', '[J/OL]']}
        self.assertEqual(set(want), set(self.mod.TEMPLATES) | set(self.en.TEMPLATES))
        for fam, (page, rec) in self.samples([self.mod, self.en], 4):
            text = _page_text(page)
            for w in want[fam]:
                self.assertIn(w, text, fam)
            lines = [p.text for p in page.doc.paragraphs]
            if fam == 'gen-zh-thesis-codecorner':
                self.assertTrue(re.search('(作　　者|研 究 生|导　　师|指导教师)', text), text)
            elif fam == 'gen-zh-journal-interleaved':
                at = [i for i, line in enumerate(lines) if line.startswith(rec['authors'][0])][0]
                self.assertRegex(lines[at + 1], r'\d{6}$', 'the unit follows the name on the next line')
            elif fam == 'gen-zh-design-underlined':
                under = [r.text for p in page.doc.paragraphs for r in p.runs if r.underline]
                self.assertEqual(''.join(under[:2]).replace('\u3000', ''), rec['title'])
            elif fam == 'gen-zh-techreport-signoff':
                rows = [[c.text for c in r.cells] for t in page.doc.tables for r in t.rows]
                signed = [r for r in rows if r[0].startswith(('编', '审', '校', '批'))]
                self.assertEqual(len(signed), 3)
                self.assertEqual(re.split('[、，\u3000]', signed[0][1]), rec['authors'], 'the writers are the authors')
                self.assertFalse({signed[1][1], signed[2][1]} & set(rec['authors']), 'reviewers are not authors')
            elif fam == 'gen-zh-online-firstcover':
                self.assertIn(rec['doi'], text)
                self.assertEqual(rec['keywords'], [], 'the cover prints no keywords')
            elif fam == 'gen-en-pinyin-journal':
                for a in rec['authors']:
                    self.assertRegex(a, r'^[A-ZÜ]+ [A-Z][a-zü]+(-[a-zü]+)?$')
            elif fam == 'gen-en-communicated-by':
                editor = re.search(r'Communicated by ([^;]+);', text).group(1)
                self.assertNotIn(editor, rec['authors'], 'the editor is not an author')

    def test_labels_are_stretched_to_four_characters(self):
        stretch = self.mod._stretch
        self.assertEqual([stretch(w) for w in ('作者', '导师', '研究生', '学科专业', '流动站名称')],
                         ['作\u3000\u3000者', '导\u3000\u3000师', '研 究 生', '学科专业', '流动站名称'])

    def test_school_unit_and_journal_follow_the_title(self):
        """A page names a school, unit, class number and journal of the title's own field, never
        another field's."""
        for fam, (page, rec) in self.samples([self.mod, self.en], 6):
            text = _page_text(page)
            if rec['lang'] == 'zh':
                field = next(d for d in self.mod.DOMAINS if any(w in rec['title'] for w in d[0]))[3]
                others = [u for d in self.mod.DOMAINS if d[3] is not field for u in d[3]['units']
                          if u not in field['units']]
                with self.subTest(family=fam, title=rec['title']):
                    if fam != 'gen-zh-online-firstcover':  # a database's cover sheet names no school
                        self.assertTrue(any(self.mod.SCHOOLS[i][0] in text for i in field['schools']))
                    if 'journal' in fam or fam in ('gen-zh-review-kaibyline', 'gen-zh-design-underlined'):
                        self.assertTrue(any(u in text for u in field['units'] + [field['lab']]), text)
                    self.assertFalse([u for u in others if u in text])
                    codes = [self.mod.CLC[j] for j in field['journal']]
                    self.assertFalse([c for c in self.mod.CLC if c in text and c not in codes and
                                      not any(c in k for k in codes)])
                    if fam in ('gen-zh-journal-letterunits', 'gen-zh-review-kaibyline', 'gen-zh-online-firstcover'):
                        self.assertTrue(any(self.mod.JOURNALS[j] in text for j in field['journal']))
            elif fam == 'gen-en-communicated-by':
                field = next(d for d in self.en.DOMAINS if any(w in rec['title'] for w in d[0]))
                self.assertIn(field[3], text)

    def test_whole_set_is_in_heldout6(self):
        rows = splits.load_rows()
        for fam in list(self.mod.TEMPLATES) + list(self.en.TEMPLATES):
            self.assertEqual(rows[fam][0], 'heldout6', fam)


@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class SeventhTemplatesTest(unittest.TestCase):
    """The seventh set (blind part heldout7): new schools and wording, labels printed, the mark of
    each layout, the whole set in its part."""

    def setUp(self):
        import gen_en_seventh
        import gen_pages
        import gen_zh_seventh
        self.mod, self.en = gen_zh_seventh, gen_en_seventh
        self.earlier = [gen_pages.gen_zh, gen_pages.gen_en, gen_pages.gen_zh_extra, gen_pages.gen_en_extra,
                        gen_pages.gen_zh_more, gen_pages.gen_en_more, gen_pages.gen_zh_fresh, gen_pages.gen_en_fresh,
                        gen_pages.gen_zh_fifth, gen_pages.gen_en_fifth, gen_pages.gen_zh_sixth, gen_pages.gen_en_sixth]

    def samples(self, n=8):
        import random
        for mod in (self.mod, self.en):
            for fam, fn in mod.TEMPLATES.items():
                for i in range(n):
                    yield fam, fn(random.Random('seventh/%s/%d' % (fam, i)))

    def test_names_schools_and_wording_are_new(self):
        import vocab
        e = {m.__name__: m for m in self.earlier}
        names = [f for m in self.earlier + [self.mod, self.en] for f in m.TEMPLATES]
        self.assertEqual(len(names), len(set(names)))
        zh_terms = (vocab.ZH_METHODS + vocab.ZH_OBJECTS + e['gen_zh_extra'].FIELDS + e['gen_zh_extra'].ASPECTS +
                    e['gen_zh_extra'].PLACES + e['gen_zh_more'].TOPICS + e['gen_zh_more'].SETTINGS)
        for m in ('gen_zh_fresh', 'gen_zh_fifth', 'gen_zh_sixth'):
            zh_terms += e[m].SUBJECTS + e[m].CONTEXTS
        en_terms = (vocab.EN_METHODS + vocab.EN_OBJECTS + e['gen_en_extra'].OBJECTS + e['gen_en_more'].TOPICS)
        for m in ('gen_en_fresh', 'gen_en_fifth', 'gen_en_sixth'):
            en_terms += e[m].SUBJECTS + e[m].CONTEXTS
        source = ''.join(s[0] for s in vocab.ZH_SCHOOLS)
        for m in self.earlier:
            with open(m.__file__, encoding='utf-8') as f:
                source += f.read()
        self.assertFalse([s[0] for s in self.mod.SCHOOLS if s[0] in source])
        for m in ('gen_zh_fresh', 'gen_zh_fifth', 'gen_zh_sixth'):
            self.assertFalse(set(e[m].FORMS) & set(self.mod.FORMS))
        for fam, (page, rec) in self.samples():
            with self.subTest(family=fam, title=rec['title']):
                terms = zh_terms if rec['lang'] == 'zh' else en_terms
                self.assertFalse([t for t in terms if t in rec['title']])
                _assert_labels_printed(self, page, rec)

    def test_layout_marks(self):
        """Each template prints what makes its layout: a 学报 head with the byline in the left column,
        bilingual labels, an author table, a framed abstract, 姓名/学号/班级 on one line, a title over
        three lines with the English in italics, names with their units in brackets, the notes on top,
        authors in capitals with an address note, and no name under a blind title."""
        want = {'gen-zh-xuebao-leftbyline': ['学报', '中图分类号'],
                'gen-zh-thesis-bilinguallabels': ["MASTER'S PROFESSIONAL DEGREE", 'Author', 'Supervisor'],
                'gen-zh-proceedings-authortable': ['论文集', '@'], 'gen-zh-journal-framedabstract': ['关键词：'],
                'gen-zh-coursework-oneline': ['姓名：', '学号：', '班级：'], 'gen-zh-flyleaf-threeline': ['申 请 人'],
                'gen-zh-journal-parenunits': ['作者：', '［摘要］'], 'gen-zh-journal-receivedtop': ['收稿日期：', '作者简介：'],
                'gen-en-acm-caps': ['ACM Reference Format:', "Authors' addresses:"],
                'gen-en-anonymous-smallcaps': ['Anonymous authors', 'Paper under double-blind review']}
        self.assertEqual(set(want), set(self.mod.TEMPLATES) | set(self.en.TEMPLATES))
        for fam, (page, rec) in self.samples(4):
            text = _page_text(page)
            for w in want[fam]:
                self.assertIn(w, text, fam)
            paras = page.doc.paragraphs
            lines = [p.text for p in paras]
            cells = [[c.text for c in r.cells] for t in page.doc.tables for r in t.rows]
            with self.subTest(family=fam, title=rec['title']):
                if fam == 'gen-zh-xuebao-leftbyline':
                    self.assertEqual(len(page.doc.sections), 2, 'head and title across, then two columns')
                    at = [i for i, line in enumerate(lines) if rec['authors'][0] in line][0]
                    self.assertRegex(lines[at + 1], r'^（.*\d{6}）$', 'the unit under the byline')
                    self.assertIn('哲学社会科学版' if '侨' in rec['title'] or '华侨' in rec['title'] else '自然科学版',
                                  lines[0])
                elif fam == 'gen-zh-thesis-bilinguallabels':
                    row = [r for r in cells if r[0].startswith('作者姓名')][0]
                    self.assertIn('Author', row[0])
                    self.assertEqual(row[1], rec['authors'][0])
                elif fam == 'gen-zh-proceedings-authortable':
                    self.assertEqual([r[0] for r in cells[1:]], rec['authors'], 'one row an author, in order')
                    self.assertTrue(all('@' in r[2] for r in cells[1:]))
                elif fam == 'gen-zh-journal-framedabstract':
                    self.assertEqual(len(cells), 1, 'one framed cell')
                    self.assertIn('摘要：', cells[0][0])
                    self.assertNotIn('摘要', ''.join(lines))
                elif fam == 'gen-zh-coursework-oneline':
                    one = [line for line in lines if line.startswith('姓名：')]
                    self.assertEqual(len(one), 1)
                    self.assertIn('学号：', one[0])
                    self.assertIn('班级：', one[0])
                    self.assertIn(rec['authors'][0], one[0])
                elif fam == 'gen-zh-flyleaf-threeline':
                    at = [p for p in paras if p.text.replace('\n', '') == rec['title']][0]
                    self.assertEqual(len([r for r in at.runs if r.text]), 3)
                    en = [p for p in paras if p.text == rec['title_en']][0]
                    self.assertTrue(en.runs[0].font.italic)
                elif fam == 'gen-zh-journal-parenunits':
                    line = [line for line in lines if line.startswith('作者：')][0]
                    self.assertEqual(re.findall(r'([^；：（]+)（', line), rec['authors'])
                elif fam == 'gen-zh-journal-receivedtop':
                    self.assertTrue(lines[0].startswith('收稿日期：'))
                    self.assertLess(max(i for i, line in enumerate(lines) if line.startswith('作者简介')),
                                    lines.index(rec['title']))
                elif fam == 'gen-en-acm-caps':
                    for a in rec['authors']:
                        self.assertTrue(any(line.startswith(a.upper() + ', ') for line in lines), a)
                elif fam == 'gen-en-anonymous-smallcaps':
                    self.assertEqual(rec['authors'], [])
                    self.assertIsNone(rec['first_author'])
                    title = [p for p in paras if p.text == rec['title']][0]
                    self.assertTrue(title.runs[0].font.small_caps)
                    self.assertEqual(bool(rec['keywords']), 'Keywords: ' in text)

    def test_school_unit_and_journal_follow_the_title(self):
        """A Chinese page names a school and units of the title's own field, never another field's."""
        for fam, (page, rec) in self.samples(6):
            if rec['lang'] != 'zh':
                continue
            text = _page_text(page)
            field = next(d for d in self.mod.DOMAINS if any(w in rec['title'] for w in d[0]))[3]
            others = [u for d in self.mod.DOMAINS if d[3] is not field for u in d[3]['units'] if u not in field['units']]
            with self.subTest(family=fam, title=rec['title']):
                self.assertTrue(any(self.mod.SCHOOLS[i][0] in text for i in field['schools'])
                                or fam == 'gen-zh-journal-framedabstract' and rec['title'] in text)
                self.assertFalse([u for u in others if u in text])
                self.assertFalse([j for j in self.mod.JOURNALS if j in text and j != self.mod.JOURNALS[field['journal']]])

    def test_three_line_title_breaks_between_words(self):
        thirds = self.mod._thirds
        self.assertEqual(thirds('天然橡胶发生规律的观测与讨论——以热带山地为例'), (9, 14))
        self.assertEqual(thirds('闽南侨乡侨批档案整理与利用及其成因'), (4, 8), 'not inside 整理与利用')
        self.assertEqual(thirds('小浪底库区堤防渗流演变规律分析'), (5, 9))
        for fam, (page, rec) in self.samples(12):
            if fam == 'gen-zh-flyleaf-threeline':
                a, b = thirds(rec['title'])
                self.assertTrue(0 < a < b < len(rec['title']))
                self.assertNotIn(rec['title'][a], '的与—')

    def test_whole_set_is_in_heldout7(self):
        rows = splits.load_rows()
        for fam in list(self.mod.TEMPLATES) + list(self.en.TEMPLATES):
            self.assertEqual(rows[fam][0], 'heldout7', fam)


def _modules_before(round_):
    """The generator modules of the sets before the named one: every set from it on is left out
    (a set's name may hold an earlier one's: "twentyeighth" holds "eighth")."""
    import gen_pages
    rounds = ('eighth', 'ninth', 'tenth', 'eleventh', 'twelfth', 'thirteenth', 'fourteenth') + _LaterTemplatesChecks.LATER
    later = rounds[rounds.index(round_):]
    return [getattr(gen_pages, n) for n in dir(gen_pages) if n.startswith('gen_')
            and not any(w in n for w in later) and hasattr(getattr(gen_pages, n), 'TEMPLATES')]


class EighthTemplatesTest(unittest.TestCase):
    """The eighth set (blind part heldout8): new schools and wording, labels printed, the mark of
    each layout, the whole set in its part."""

    def setUp(self):
        import gen_en_eighth
        import gen_zh_eighth
        self.mod, self.en = gen_zh_eighth, gen_en_eighth
        self.earlier = _modules_before('eighth')

    def samples(self, n=8):
        import random
        for mod in (self.mod, self.en):
            for fam, fn in mod.TEMPLATES.items():
                for i in range(n):
                    yield fam, fn(random.Random('eighth/%s/%d' % (fam, i)))

    def test_names_schools_and_wording_are_new(self):
        import vocab
        self.assertEqual(len(self.earlier), 14)
        names = [f for m in self.earlier + [self.mod, self.en] for f in m.TEMPLATES]
        self.assertEqual(len(names), len(set(names)))
        source = ''.join(s[0] for s in vocab.ZH_SCHOOLS)
        for m in self.earlier:
            with open(m.__file__, encoding='utf-8') as f:
                source += f.read()
        with open(vocab.__file__, encoding='utf-8') as f:
            source += f.read()
        self.assertFalse([s[0] for s in self.mod.SCHOOLS if s[0] in source])
        terms = self.mod.SUBJECTS + self.mod.CONTEXTS + self.en.SUBJECTS + self.en.CONTEXTS
        self.assertFalse([t for t in terms if t in source], 'subjects and settings of their own')
        for m in self.earlier:
            self.assertFalse(set(getattr(m, 'FORMS', ())) & set(self.mod.FORMS))
            self.assertFalse(set(getattr(m, 'FRAMES', ())) & set(self.en.FRAMES))
        for fam, (page, rec) in self.samples():
            with self.subTest(family=fam, title=rec['title']):
                _assert_labels_printed(self, page, rec)
                if rec['lang'] == 'zh':
                    i = [k for k, d in enumerate(self.mod.DOMAINS) if any(w in rec['title'] for w in d[0])][0]
                    self.assertIn(self.mod.SCHOOLS[i][0], _page_text(page), 'the school of the field')

    def test_layout_marks(self):
        """Each template prints what makes its layout: shaded label cells with the title across the
        row, a right-aligned byline under a left-aligned title, the lead and then the members, 研究生
        and 指导教师 on one line, ranks in brackets, a shaded banner title, notes that hold the
        affiliations."""
        from docx.enum.text import WD_ALIGN_PARAGRAPH
        self.assertEqual(set(splits.load_rows()[f][0] for f in list(self.mod.TEMPLATES) + list(self.en.TEMPLATES)),
                         {'heldout8'})
        for fam, (page, rec) in self.samples(4):
            paras = [p for p in page.doc.paragraphs if p.text]
            lines = [p.text for p in paras]
            tables = page.doc.tables
            with self.subTest(family=fam, title=rec['title']):
                if fam == 'gen-zh-thesis-shadedgrid':
                    cells = [[c.text.strip() for c in r.cells] for r in tables[0].rows]
                    self.assertEqual(cells[0][1:], [rec['title']] * 3, 'title across the row')
                    self.assertEqual(cells[1][:2], ['作者姓名', rec['authors'][0]])
                    shaded = tables[0].cell(1, 0)._tc.tcPr.xpath('./w:shd')
                    self.assertTrue(shaded and not tables[0].cell(1, 1)._tc.tcPr.xpath('./w:shd'))
                elif fam in ('gen-zh-journal-rightbyline', 'gen-en-journal-rightbyline'):
                    t = lines.index(rec['title'])
                    self.assertEqual(paras[t].alignment, WD_ALIGN_PARAGRAPH.LEFT)
                    self.assertEqual(paras[t + 1].alignment, WD_ALIGN_PARAGRAPH.RIGHT)
                    self.assertTrue(all(a in lines[t + 1] for a in rec['authors']))
                elif fam == 'gen-zh-report-groupmembers':
                    lead = [x for x in lines if x.startswith('课题负责人：')][0]
                    self.assertIn(rec['authors'][0], lead)
                    after = ''.join(lines[lines.index(lead) + 1:])
                    self.assertTrue(after.startswith('课题组成员：'))
                    self.assertTrue(all(a in after for a in rec['authors'][1:]))
                elif fam == 'gen-zh-doctor-sameline':
                    one = [x for x in lines if x.startswith('研究生：')][0]
                    self.assertRegex(one, '^研究生：%s\\s+指导教师：%s' % (rec['authors'][0], rec['supervisor']))
                elif fam == 'gen-zh-journal-rankbrackets':
                    line = [x for x in lines if x.startswith(rec['authors'][0] + '（')][0]
                    self.assertEqual(re.findall(r'([^，\u3000（）]+)（(?:%s)）' % '|'.join(self.mod.RANKS), line),
                                     rec['authors'])
                elif fam == 'gen-zh-bulletin-banner':
                    self.assertEqual(tables[0].cell(0, 0).text, rec['title'])
                    self.assertTrue(tables[0].cell(0, 0)._tc.tcPr.xpath('./w:shd'))
                    self.assertNotIn(rec['title'], lines)
                elif fam == 'gen-en-workingpaper-footaffil':
                    notes = [x for x in lines if 'Email: ' in x]
                    self.assertEqual(len(notes), len(rec['authors']))
                    self.assertTrue(any(x.startswith('JEL Classification: ') for x in lines))


class NinthTemplatesTest(unittest.TestCase):
    """The ninth set (blind part heldout9): new schools and wording, labels printed, the mark of
    each layout, the whole set in its part."""

    def setUp(self):
        import gen_en_ninth
        import gen_zh_ninth
        self.mod, self.en = gen_zh_ninth, gen_en_ninth
        self.earlier = _modules_before('ninth')

    def samples(self, n=8):
        import random
        for mod in (self.mod, self.en):
            for fam, fn in mod.TEMPLATES.items():
                for i in range(n):
                    yield fam, fn(random.Random('ninth/%s/%d' % (fam, i)))

    def test_names_schools_and_wording_are_new(self):
        import vocab
        self.assertEqual(len(self.earlier), 16)
        names = [f for m in self.earlier + [self.mod, self.en] for f in m.TEMPLATES]
        self.assertEqual(len(names), len(set(names)))
        source = ''.join(s[0] for s in vocab.ZH_SCHOOLS)
        for m in self.earlier + [vocab]:
            with open(m.__file__, encoding='utf-8') as f:
                source += f.read()
        self.assertFalse([s[0] for s in self.mod.SCHOOLS if s[0] in source])
        terms = self.mod.SUBJECTS + self.mod.CONTEXTS + self.en.SUBJECTS + self.en.CONTEXTS
        self.assertFalse([t for t in terms if t in source], 'subjects and settings of their own')
        for m in self.earlier:
            self.assertFalse(set(getattr(m, 'FORMS', ())) & set(self.mod.FORMS + self.mod.STANDARD_FORMS))
            self.assertFalse(set(getattr(m, 'FRAMES', ())) & set(self.en.FRAMES))
        for fam, (page, rec) in self.samples():
            with self.subTest(family=fam, title=rec['title']):
                _assert_labels_printed(self, page, rec)
                if rec['lang'] == 'zh':
                    i = [k for k, d in enumerate(self.mod.DOMAINS) if any(w in rec['title'] for w in d[0])][0]
                    self.assertIn(self.mod.SCHOOLS[i][0], _page_text(page), 'the school of the field')

    def test_records_vary_and_covers_name_the_supervisor(self):
        """Metadata right, wrong and empty all occur; covers record the supervisor apart from the
        author; each English title printed beside a Chinese one is the English of its terms."""
        metas, seen = set(), 0
        for fam, (page, rec) in self.samples(10):
            metas.add(rec['meta'])
            with self.subTest(family=fam, title=rec['title']):
                if fam in ('gen-zh-bachelor-underscores', 'gen-zh-opening-titlelabel'):
                    self.assertTrue(rec['supervisor'] and rec['supervisor'] not in rec['authors'])
                    self.assertIn(rec['supervisor'], _page_text(page))
                if rec.get('title_en'):
                    seen += 1
                    self.assertIn(rec['title_en'], _page_text(page))
                    words = [w for w in self.mod.SUBJECTS if w in rec['title']]
                    self.assertTrue(any(self.mod.EN[w] in rec['title_en'] for w in words))
        self.assertEqual(metas, {'right', 'wrong', 'empty'})
        self.assertGreater(seen, 10)

    def test_layout_marks(self):
        """Each template prints what makes its layout: raised marks and a numbered unit list at the
        foot, 起草人 with the drafters, a mail mark after each name, underscore lines, the title after
        论文题目（中文）, side-by-side title cells, a run-in byline, authors signing after the text."""
        self.assertEqual(set(splits.load_rows()[f][0] for f in list(self.mod.TEMPLATES) + list(self.en.TEMPLATES)),
                         {'heldout9'})
        for fam, (page, rec) in self.samples(4):
            lines = [p.text for p in page.doc.paragraphs if p.text]
            with self.subTest(family=fam, title=rec['title']):
                if fam == 'gen-zh-journal-footunitlist':
                    by = [x for x in lines if x.startswith(rec['authors'][0] + '1')][0]
                    self.assertEqual(re.findall(r'([^\d*，\u3000]+)[12]\*?', by), rec['authors'])
                    self.assertTrue(lines[-1].startswith('作者单位：1. ') and '；2. ' in lines[-1])
                elif fam == 'gen-zh-standard-drafters':
                    text = _page_text(page)
                    self.assertRegex(text, '起草人：\\s*' + rec['authors'][0])
                    self.assertIn('起草单位：', text)
                elif fam == 'gen-zh-abstract-mailmarks':
                    by = [x for x in lines if x.startswith(rec['authors'][0])][0]
                    self.assertEqual(by.count(self.mod.MAIL), len(rec['authors']))
                elif fam == 'gen-zh-bachelor-underscores':
                    name = [x for x in lines if x.startswith('姓\u3000\u3000名')][0]
                    self.assertRegex(name, '_+%s_+$' % rec['authors'][0])
                elif fam == 'gen-zh-opening-titlelabel':
                    self.assertIn('论文题目（中文）：' + rec['title'], lines)
                elif fam == 'gen-zh-journal-sidebyside':
                    cells = page.doc.tables[0].rows[0].cells
                    self.assertEqual([c.text for c in cells], [rec['title'], rec['title_en']])
                    self.assertNotIn(rec['title'], lines)
                elif fam == 'gen-en-extabstract-runin':
                    run = [x for x in lines if x.startswith(rec['authors'][0] + ' (')][0]
                    self.assertTrue(all(a + ' (' in run for a in rec['authors']))
                elif fam == 'gen-en-commentary-signed':
                    signed = [i for i, x in enumerate(lines) if any(x.startswith(a) for a in rec['authors'])]
                    self.assertGreater(signed[0], lines.index(rec['title']) + 2, 'names after the text')


@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class TenthTemplatesTest(unittest.TestCase):
    """The tenth set (blind part heldout10): new schools and wording, labels printed, the mark of
    each layout, the whole set in its part."""

    def setUp(self):
        import gen_en_tenth
        import gen_zh_tenth
        self.mod, self.en = gen_zh_tenth, gen_en_tenth
        self.earlier = _modules_before('tenth')

    def samples(self, n=8):
        import random
        for mod in (self.mod, self.en):
            for fam, fn in mod.TEMPLATES.items():
                for i in range(n):
                    yield fam, fn(random.Random('tenth/%s/%d' % (fam, i)))

    def test_names_schools_and_wording_are_new(self):
        import random
        import vocab
        self.assertEqual(len(self.earlier), 18)
        names = [f for m in self.earlier + [self.mod, self.en] for f in m.TEMPLATES]
        self.assertEqual(len(names), len(set(names)))
        source = ''.join(s[0] for s in vocab.ZH_SCHOOLS)
        for m in self.earlier + [vocab]:
            with open(m.__file__, encoding='utf-8') as f:
                source += f.read()
        self.assertFalse([s[0] for s in self.mod.SCHOOLS if s[0] in source])
        terms = self.mod.SUBJECTS + self.mod.CONTEXTS + self.mod.ANGLES + self.en.SUBJECTS + self.en.CONTEXTS
        self.assertFalse([t for t in terms if t in source], 'subjects, angles and settings of their own')
        forms = self.mod.FORMS + self.mod.THEORY_FORMS + self.mod.GRANT_FORMS + self.mod.PATENT_FORMS
        for m in self.earlier:
            self.assertFalse(set(getattr(m, 'FORMS', ())) & set(forms))
            self.assertFalse(set(getattr(m, 'FRAMES', ())) & set(self.en.FRAMES))
        for fam, (page, rec) in self.samples():
            with self.subTest(family=fam, title=rec['title']):
                if fam == 'gen-en-docpage-form':  # the form may print its title in capitals
                    self.assertIn(rec['title'].upper(), _page_text(page).upper())
                    self.assertTrue(all(a in _page_text(page) for a in rec['authors']))
                else:
                    _assert_labels_printed(self, page, rec)
                if rec['lang'] == 'zh':
                    i = [k for k, d in enumerate(self.mod.DOMAINS)
                         if any(w in rec['title'] for w in d[0] + d[2] + d[3]['devices'])][0]
                    self.assertIn(self.mod.SCHOOLS[i][0], _page_text(page), 'the school of the field')
        # the same seed writes the same page
        fn = self.mod.TEMPLATES['gen-zh-patent-frontpage']
        self.assertEqual(_page_text(fn(random.Random('s/1'))[0]), _page_text(fn(random.Random('s/1'))[0]))

    def test_records_vary_and_people_are_kept_apart(self):
        """Metadata right, wrong and empty all occur; defence slides and abstract pages record the
        supervisor apart from the author; the patent agent and the form's sponsor are no authors."""
        metas = set()
        for fam, (page, rec) in self.samples(10):
            metas.add(rec['meta'])
            with self.subTest(family=fam, title=rec['title']):
                self.assertTrue(rec['year'] and str(rec['year']) in _page_text(page))
                if fam in ('gen-zh-defence-slide', 'gen-zh-thesis-abstractpage'):
                    self.assertTrue(rec['supervisor'] and rec['supervisor'] not in rec['authors'])
                    self.assertRegex(_page_text(page), '指导教师：\\s*' + rec['supervisor'])
                if fam == 'gen-zh-patent-frontpage':
                    agent = [p.text for p in page.doc.paragraphs if p.text.startswith('代理人 ')][0][4:]
                    self.assertNotIn(agent, rec['authors'])
                if fam in ('gen-zh-patent-frontpage', 'gen-zh-defence-slide', 'gen-zh-theory-endauthors',
                           'gen-zh-grant-application', 'gen-en-poster-sections'):
                    self.assertEqual(rec['keywords'], [])
        self.assertEqual(metas, {'right', 'wrong', 'empty'})

    def test_layout_marks(self):
        """Each template prints what makes its layout: numbered patent fields with the title after
        (54), a wide slide, bracket labels and starred notes, authors named after the text, the
        abstract page's field lines, the grant form's labels, a poster band, the form's boxes."""
        self.assertEqual(set(splits.load_rows()[f][0] for f in list(self.mod.TEMPLATES) + list(self.en.TEMPLATES)),
                         {'heldout10'})
        for fam, (page, rec) in self.samples(4):
            lines = [p.text for p in page.doc.paragraphs if p.text]
            cells = [c.text for t in page.doc.tables for r in t.rows for c in r.cells]
            sec = page.doc.sections[0]
            with self.subTest(family=fam, title=rec['title']):
                if fam == 'gen-zh-patent-frontpage':
                    self.assertEqual(lines[lines.index('(54)发明名称') + 1], rec['title'])
                    inventors = [x for x in lines if x.startswith('(72)发明人 ')][0]
                    self.assertEqual(re.split('[\u3000；]| {2}', inventors[len('(72)发明人 '):]), rec['authors'])
                    self.assertLess(lines.index(inventors), lines.index('(54)发明名称'))
                elif fam == 'gen-zh-defence-slide':
                    self.assertGreater(sec.page_width, sec.page_height)
                    self.assertRegex(' '.join(lines), '(答辩人|汇报人)：%s' % rec['authors'][0])
                elif fam == 'gen-zh-jikan-bracketlabels':
                    self.assertTrue([x for x in lines if '内容提要' in x[:6] and x[0] in '【［['])
                    notes = [x for x in lines if x.startswith('＊')]
                    self.assertEqual([x.split(' ')[1].split('，')[0] for x in notes], rec['authors'])
                elif fam == 'gen-zh-theory-endauthors':
                    end = [x for x in lines if x.startswith('（作者')][0]
                    self.assertGreater(lines.index(end), lines.index(rec['title']) + 1)
                    if end.startswith('（作者：'):
                        self.assertTrue(all(a + '，系' in end for a in rec['authors']))
                        self.assertFalse([x for x in lines[:lines.index(end)] if rec['authors'][0] in x])
                elif fam == 'gen-zh-thesis-abstractpage':
                    self.assertIn('论文题目：' + rec['title'], lines + [''.join(cells[k:k + 2]) for k in range(len(cells))])
                    self.assertTrue(any(x.startswith('摘') and x.endswith('要') for x in lines))
                elif fam == 'gen-zh-grant-application':
                    flat = [re.sub('[\u3000 ]', '', x) for x in lines]
                    self.assertTrue({'项目名称：' + rec['title'], '课题名称：' + rec['title']} & set(flat))
                    self.assertTrue([x for x in flat if re.match('(申请人|申请者|项目负责人)：%s' % rec['authors'][0], x)])
                elif fam == 'gen-en-poster-sections':
                    self.assertGreater(sec.page_width, sec.page_height)
                    band = cells[0] if cells else '\n'.join(lines[:4])
                    self.assertTrue(band.startswith(rec['title']) and all(a in band for a in rec['authors']))
                elif fam == 'gen-en-docpage-form':
                    box = [c for c in cells if c.startswith('4. TITLE AND SUBTITLE')][0]
                    self.assertEqual(box.split('\n', 1)[1].upper(), rec['title'].upper())
                    names = [c for c in cells if c.startswith('6. AUTHOR(S)')][0]
                    self.assertTrue(all(a in names for a in rec['authors']))
                    self.assertIn('19a. NAME OF RESPONSIBLE PERSON\n' + rec['authors'][0], cells)



@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class EleventhTemplatesTest(unittest.TestCase):
    """The eleventh set (blind part heldout11): new schools and wording, labels printed, the people
    named beside the authors kept apart, the mark of each layout, the whole set in its part."""

    def setUp(self):
        import gen_en_eleventh
        import gen_zh_eleventh
        self.mod, self.en = gen_zh_eleventh, gen_en_eleventh
        self.earlier = _modules_before('eleventh')

    def samples(self, n=8):
        import random
        for mod in (self.mod, self.en):
            for fam, fn in mod.TEMPLATES.items():
                for i in range(n):
                    yield fam, fn(random.Random('eleventh/%s/%d' % (fam, i)))

    def test_names_schools_and_wording_are_new(self):
        import random
        import vocab
        self.assertEqual(len(self.earlier), 20)
        names = [f for m in self.earlier + [self.mod, self.en] for f in m.TEMPLATES]
        self.assertEqual(len(names), len(set(names)))
        source = ''.join(s[0] for s in vocab.ZH_SCHOOLS)
        for m in self.earlier + [vocab]:
            with open(m.__file__, encoding='utf-8') as f:
                source += f.read()
        self.assertFalse([s[0] for s in self.mod.SCHOOLS if s[0] in source])
        terms = self.mod.SUBJECTS + self.mod.CONTEXTS + self.mod.ANGLES + self.en.SUBJECTS + self.en.CONTEXTS
        self.assertFalse([t for t in terms if t in source], 'subjects, angles and settings of their own')
        for m in self.earlier:
            self.assertFalse(set(getattr(m, 'FORMS', ())) & set(self.mod.FORMS + self.mod.REVIEW_FORMS))
            self.assertFalse(set(getattr(m, 'FRAMES', ())) & set(self.en.FRAMES + self.en.TOOL_FRAMES))
        for fam, (page, rec) in self.samples():
            with self.subTest(family=fam, title=rec['title']):
                _assert_labels_printed(self, page, rec)
                if rec['lang'] == 'zh':
                    i = [k for k, d in enumerate(self.mod.DOMAINS) if any(w in rec['title'] for w in d[0] + d[2])][0]
                    self.assertIn(self.mod.SCHOOLS[i][0] if fam != 'gen-zh-bookreview-subtitle' else
                                  self.mod.DOMAINS[i][3]['journal'], _page_text(page), 'the school of the field')
        fn = self.mod.TEMPLATES['gen-zh-journal-osidbox']
        self.assertEqual(_page_text(fn(random.Random('s/1'))[0]), _page_text(fn(random.Random('s/1'))[0]))

    def test_records_vary_and_people_are_kept_apart(self):
        """Metadata right, wrong and empty all occur; the year is printed (in Chinese numerals on some
        covers); the reviewed book's author, the people thanked, the outside tutor and the software
        editor are no authors; briefs, software papers and covers have no keywords."""
        from genbase import zh_date
        metas = set()
        for fam, (page, rec) in self.samples(10):
            metas.add(rec['meta'])
            text = _page_text(page)
            others = rec.get('book_authors', []) + rec.get('thanked', []) + [rec.get('outside_supervisor'),
                                                                            rec.get('editor')]
            with self.subTest(family=fam, title=rec['title']):
                self.assertTrue(str(rec['year']) in text or zh_date(rec['year'], 1)[:5] in text)
                self.assertFalse([p for p in others if p in rec['authors']])
                if fam == 'gen-zh-professional-twotutors':
                    self.assertRegex(text, '(校内导师|学校导师|指导教师)：%s' % rec['supervisor'])
                    self.assertRegex(text, '(校外导师|企业导师|行业导师)：%s' % rec['outside_supervisor'])
                    self.assertNotEqual(rec['supervisor'], rec['outside_supervisor'])
                if fam in ('gen-zh-professional-twotutors', 'gen-en-policybrief-keymessages',
                           'gen-en-software-sidebar'):
                    self.assertEqual(rec['keywords'], [])
        self.assertEqual(metas, {'right', 'wrong', 'empty'})

    def test_layout_marks(self):
        """Each template prints what makes its layout: the ——评《》 line, the OSID box beside the title,
        a chapter number over the title, the platform band and notice, the series and JEL line, two
        tutors, the brief's band and key messages, the software paper's side column."""
        self.assertEqual(set(splits.load_rows()[f][0] for f in list(self.mod.TEMPLATES) + list(self.en.TEMPLATES)),
                         {'heldout11'})
        for fam, (page, rec) in self.samples(4):
            lines = [p.text for p in page.doc.paragraphs if p.text]
            cells = [c.text for t in page.doc.tables for r in t.rows for c in r.cells]
            with self.subTest(family=fam, title=rec['title']):
                if fam == 'gen-zh-bookreview-subtitle':
                    sub = [k for k, x in enumerate(lines) if x.startswith('——评《')][0]
                    self.assertEqual(lines[sub - 1] + lines[sub], rec['title'])
                    self.assertTrue([x for x in lines + cells if rec['title'][rec['title'].index('——评') + 3:] in x
                                     and rec['book_authors'][0] in x])
                elif fam == 'gen-zh-journal-osidbox':
                    self.assertTrue(cells[0].startswith(rec['title']) and 'OSID' in cells[1])
                    self.assertTrue([x for x in lines if x.startswith('中图分类号')])
                elif fam == 'gen-zh-bookchapter-numbered':
                    number = lines[lines.index(rec['title']) - 1]
                    self.assertRegex(number, r'^(B\.\d+|第.+章)$')
                elif fam == 'gen-zh-preprint-platform':
                    notice = [k for k, x in enumerate(lines) if '预印本' in x][0]
                    self.assertLess(notice, lines.index(rec['title']))
                    self.assertTrue([x for x in lines if x.startswith('引用格式') and rec['title'] in x])
                elif fam == 'gen-zh-workingpaper-series':
                    self.assertTrue([x for x in lines + cells if '工作论文' in x])
                    self.assertTrue([x for x in lines if x.startswith('JEL分类号')])
                elif fam == 'gen-en-policybrief-keymessages':
                    self.assertIn('No. ', cells[0])
                    self.assertTrue([c for c in cells if c.upper().startswith('KEY MESSAGES')])
                    self.assertTrue([x for x in lines if all(a in x for a in rec['authors'])]
                                    or [c for c in cells if c.startswith('About the authors')])
                elif fam == 'gen-en-software-sidebar':
                    self.assertIn(rec['title'].split(':')[0], self.en.TOOL_NAMES)
                    side = [c for c in cells if c.startswith('DOI: ')][0]
                    self.assertIn('DOI: ' + rec['doi'], side)
                    self.assertIn('Editor: ' + rec['editor'], side)


@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class TwelfthTemplatesTest(unittest.TestCase):
    """The twelfth set (blind part heldout12): new schools and wording, labels printed, the people
    named beside the authors kept apart, the mark of each layout, the whole set in its part."""

    def setUp(self):
        import gen_en_twelfth
        import gen_zh_twelfth
        self.mod, self.en = gen_zh_twelfth, gen_en_twelfth
        self.earlier = _modules_before('twelfth')

    def samples(self, n=8):
        import random
        for mod in (self.mod, self.en):
            for fam, fn in mod.TEMPLATES.items():
                for i in range(n):
                    yield fam, fn(random.Random('twelfth/%s/%d' % (fam, i)))

    def test_names_schools_and_wording_are_new(self):
        import random
        import vocab
        self.assertEqual(len(self.earlier), 22)
        names = [f for m in self.earlier + [self.mod, self.en] for f in m.TEMPLATES]
        self.assertEqual(len(names), len(set(names)))
        source = ''.join(s[0] for s in vocab.ZH_SCHOOLS)
        for m in self.earlier + [vocab]:
            with open(m.__file__, encoding='utf-8') as f:
                source += f.read()
        self.assertFalse([s[0] for s in self.mod.SCHOOLS if s[0] in source])
        terms = self.mod.SUBJECTS + self.mod.CONTEXTS + self.mod.ANGLES + [w for c in self.mod.CASES for w in c[1:]]
        terms += [w for d in self.en.MED for w in d[0] + d[1]] + [w for d in self.en.DATA for w in d]
        self.assertFalse([t for t in terms if t in source], 'subjects, angles and settings of their own')
        for m in self.earlier:
            forms = self.mod.FORMS + self.mod.MED_FORMS + self.mod.CASE_FORMS
            self.assertFalse(set(getattr(m, 'FORMS', ())) & set(forms))
            self.assertFalse(set(getattr(m, 'FRAMES', ())) & set(self.en.CASE_FRAMES + self.en.DATA_FRAMES))
        for fam, (page, rec) in self.samples():
            with self.subTest(family=fam, title=rec['title']):
                _assert_labels_printed(self, page, rec)
        fn = self.mod.TEMPLATES['gen-zh-thesis-committee']
        self.assertEqual(_page_text(fn(random.Random('s/1'))[0]), _page_text(fn(random.Random('s/1'))[0]))

    def test_records_vary_and_people_are_kept_apart(self):
        """Metadata right, wrong and empty all occur; the year is printed (in Chinese numerals on some
        title pages); the committee and the section's host are neither authors nor supervisors; the
        English pages and the committee pages have no keywords."""
        from genbase import zh_date
        metas = set()
        for fam, (page, rec) in self.samples(10):
            metas.add(rec['meta'])
            text = _page_text(page)
            others = rec.get('committee', []) + ([rec['host']] if 'host' in rec else [])
            with self.subTest(family=fam, title=rec['title']):
                self.assertTrue(str(rec['year']) in text or zh_date(rec['year'], 1)[:5] in text)
                self.assertFalse([p for p in others if p in rec['authors'] or p == rec.get('supervisor')])
                if fam == 'gen-zh-thesis-committee':
                    self.assertRegex(text, '指导教师：%s' % rec['supervisor'])
                    self.assertRegex(text, '答辩委员会主席：%s' % rec['committee'][0])
                if fam in ('gen-zh-thesis-committee', 'gen-en-casereport-degrees', 'gen-en-datadescriptor-glance'):
                    self.assertEqual(rec['keywords'], [])
                for k in rec['keywords']:
                    self.assertIn(k, text)
        self.assertEqual(metas, {'right', 'wrong', 'empty'})

    def test_layout_marks(self):
        """Each template prints what makes its layout: the structured abstract, the case tag over the
        title, the data set's table, the committee, the case library's band and its note, the
        special section and host over the title, degrees after the names, the descriptor's dates."""
        self.assertEqual(set(splits.load_rows()[f][0] for f in list(self.mod.TEMPLATES) + list(self.en.TEMPLATES)),
                         {'heldout12'})
        for fam, (page, rec) in self.samples(4):
            lines = [p.text for p in page.doc.paragraphs if p.text]
            cells = [c.text for t in page.doc.tables for r in t.rows for c in r.cells]
            text = _page_text(page)
            with self.subTest(family=fam, title=rec['title']):
                if fam == 'gen-zh-clinical-structuredabstract':
                    self.assertTrue(all(w in text for w in ('目的', '方法', '结果', '结论', '通信作者')))
                elif fam == 'gen-zh-casereport-columntag':
                    self.assertRegex(lines[lines.index(rec['title']) - 1], '^·.+·$')
                elif fam == 'gen-zh-datapaper-datatable':
                    self.assertIn('数据作者', cells)
                    self.assertEqual(cells[cells.index('数据作者') + 1], '、'.join(rec['authors']))
                elif fam == 'gen-zh-teachingcase-library':
                    self.assertRegex(cells[1], '编号')
                    self.assertTrue([x for x in lines if '仅供课堂讨论' in x])
                elif fam == 'gen-zh-specialsection-host':
                    self.assertIn('主持人：' + rec['host'], text)
                    box = [k for k, x in enumerate(lines) if x.startswith('专题：')]
                    self.assertTrue((box and box[0] < lines.index(rec['title'])) or cells[0].startswith('专题：'))
                elif fam == 'gen-en-casereport-degrees':
                    self.assertRegex(text, re.escape(rec['authors'][0]) + ', (MD|PhD|MBBS|MSc|RN|DO)')
                elif fam == 'gen-en-datadescriptor-glance':
                    self.assertTrue([c for c in cells if c.startswith('Received: ') and rec['doi'] in c])


@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class ThirteenthTemplatesTest(unittest.TestCase):
    """The thirteenth set (blind part heldout13): new schools and wording, labels printed, the people
    named beside the authors kept apart, the mark of each layout, the whole set in its part."""

    def setUp(self):
        import gen_en_thirteenth
        import gen_zh_thirteenth
        self.mod, self.en = gen_zh_thirteenth, gen_en_thirteenth
        self.earlier = _modules_before('thirteenth')

    def samples(self, n=8):
        import random
        for mod in (self.mod, self.en):
            for fam, fn in mod.TEMPLATES.items():
                for i in range(n):
                    yield fam, fn(random.Random('thirteenth/%s/%d' % (fam, i)))

    def test_names_schools_and_wording_are_new(self):
        import random
        import vocab
        self.assertEqual(len(self.earlier), 24)
        names = [f for m in self.earlier + [self.mod, self.en] for f in m.TEMPLATES]
        self.assertEqual(len(names), len(set(names)))
        source = ''.join(s[0] for s in vocab.ZH_SCHOOLS)
        for m in self.earlier + [vocab]:
            with open(m.__file__, encoding='utf-8') as f:
                source += f.read()
        self.assertFalse([s[0] for s in self.mod.SCHOOLS if s[0] in source])
        terms = self.mod.SUBJECTS + self.mod.CONTEXTS + self.mod.ANGLES + [r[0] for r in self.en.REVIEWS]
        self.assertFalse([t for t in terms if t in source], 'subjects, angles and settings of their own')
        for fam, (page, rec) in self.samples():
            with self.subTest(family=fam, title=rec['title']):
                _assert_labels_printed(self, page, rec)
        fn = self.mod.TEMPLATES['gen-zh-poster-banner']
        self.assertEqual(_page_text(fn(random.Random('s/1'))[0]), _page_text(fn(random.Random('s/1'))[0]))

    def test_records_and_layout_marks(self):
        """Metadata right, wrong and empty all occur; the year and keywords are printed; team
        members and students come with their 指导教师, the series editor and the reviewers are not
        authors; each layout prints its mark."""
        from genbase import zh_date
        self.assertEqual(set(splits.load_rows()[f][0] for f in list(self.mod.TEMPLATES) + list(self.en.TEMPLATES)),
                         {'heldout13'})
        metas = set()
        for fam, (page, rec) in self.samples(10):
            metas.add(rec['meta'])
            text = _page_text(page)
            others = rec.get('editors', []) + ([rec['editor']] if 'editor' in rec else [])
            with self.subTest(family=fam, title=rec['title']):
                self.assertTrue(str(rec['year']) in text or zh_date(rec['year'], 1)[:5] in text)
                self.assertFalse([p for p in others if p in rec['authors']])
                for k in rec['keywords']:
                    self.assertIn(k, text)
                if fam in ('gen-zh-contest-teamcover', 'gen-zh-taskbook-table'):
                    self.assertIn(rec['supervisor'], text)
                    self.assertNotIn(rec['supervisor'], rec['authors'])
                    self.assertEqual(rec['keywords'], [])
                marks = {'gen-zh-contest-teamcover': '竞赛', 'gen-zh-taskbook-table': '任务书',
                         'gen-zh-poster-banner': '墙报编号', 'gen-zh-manuscript-submission': '稿件编号',
                         'gen-zh-conference-sessionbox': '分会场', 'gen-zh-monograph-series': '出版社',
                         'gen-en-protocol-trialreg': 'Trial registration', 'gen-en-review-editedby': 'REVIEWED BY'}
                self.assertIn(marks[fam], text)
                if fam == 'gen-en-review-editedby':
                    self.assertIn(rec['doi'], text)
        self.assertEqual(metas, {'right', 'wrong', 'empty'})


@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class FourteenthTemplatesTest(unittest.TestCase):
    """The fourteenth set (blind part heldout14): new schools and wording, labels printed, the
    指导教师 kept apart from the authors, the mark of each layout, the whole set in its part."""

    def setUp(self):
        import gen_en_fourteenth
        import gen_zh_fourteenth
        self.mod, self.en = gen_zh_fourteenth, gen_en_fourteenth
        self.earlier = _modules_before('fourteenth')

    def samples(self, n=8):
        import random
        for mod in (self.mod, self.en):
            for fam, fn in mod.TEMPLATES.items():
                for i in range(n):
                    yield fam, fn(random.Random('fourteenth/%s/%d' % (fam, i)))

    def test_names_schools_and_wording_are_new(self):
        import random
        import vocab
        self.assertEqual(len(self.earlier), 26)
        names = [f for m in self.earlier + [self.mod, self.en] for f in m.TEMPLATES]
        self.assertEqual(len(names), len(set(names)))
        source = ''.join(s[0] for s in vocab.ZH_SCHOOLS)
        for m in self.earlier + [vocab]:
            with open(m.__file__, encoding='utf-8') as f:
                source += f.read()
        self.assertFalse([s[0] for s in self.mod.SCHOOLS if s[0] in source])
        terms = self.mod.SUBJECTS + self.mod.CONTEXTS + self.mod.ANGLES + self.mod.TW_SUBJECTS + self.en.LAW_SUBJECTS
        self.assertFalse([t for t in terms if t in source], 'subjects, angles and settings of their own')
        for fam, (page, rec) in self.samples():
            with self.subTest(family=fam, title=rec['title']):
                _assert_labels_printed(self, page, rec)
        fn = self.mod.TEMPLATES['gen-zh-traditional-journal']
        self.assertEqual(_page_text(fn(random.Random('s/1'))[0]), _page_text(fn(random.Random('s/1'))[0]))

    def test_records_and_layout_marks(self):
        """Metadata right, wrong and empty all occur; the year and keywords are printed; students
        and project teams come with their 指导教师, who is not an author; each layout prints its mark."""
        from genbase import zh_date
        self.assertEqual(set(splits.load_rows()[f][0] for f in list(self.mod.TEMPLATES) + list(self.en.TEMPLATES)),
                         {'heldout14'})
        metas = set()
        marks = {'gen-zh-selfstudy-examcover': '毕业论文', 'gen-zh-excellent-digest': '优秀',
                 'gen-zh-innovation-projectcover': '项目负责人', 'gen-zh-magazine-slashbyline': ('文／', '■', '撰文'),
                 'gen-zh-abstractbook-presenter': '摘要', 'gen-zh-traditional-journal': '關鍵詞',
                 'gen-en-lawreview-starnotes': 'TABLE OF CONTENTS', 'gen-en-talk-titleslide': ('',)}
        for fam, (page, rec) in self.samples(10):
            metas.add(rec['meta'])
            text = _page_text(page)
            with self.subTest(family=fam, title=rec['title']):
                self.assertTrue(str(rec['year']) in text or zh_date(rec['year'], 1)[:5] in text)
                for k in rec['keywords']:
                    self.assertIn(k, text)
                if 'supervisor' in rec:
                    self.assertIn(rec['supervisor'], text)
                    self.assertNotIn(rec['supervisor'], rec['authors'])
                self.assertEqual('supervisor' in rec, fam in ('gen-zh-selfstudy-examcover', 'gen-zh-excellent-digest',
                                                             'gen-zh-innovation-projectcover'))
                mark = marks[fam]
                self.assertTrue(any(m in text for m in mark) if isinstance(mark, tuple) else mark in text)
        self.assertEqual(metas, {'right', 'wrong', 'empty'})



class _LaterTemplatesChecks:
    """What every later set of templates is held to: new schools and wording, labels printed, the
    指导教师 or advisor kept apart from the authors, the mark of each layout, the whole set in its
    part. A set names its round (ROUND, the word in its generators' names), its part, how many
    generators came before it, its own wording (terms), marks and families with a supervisor."""
    ROUND = PART = ''
    EARLIER = 0
    LATER = ('fifteenth', 'sixteenth', 'seventeenth', 'eighteenth', 'nineteenth', 'twentieth', 'twentyfirst', 'twentysecond', 'twentythird', 'twentyfourth', 'twentyfifth', 'twentysixth', 'twentyseventh', 'twentyeighth', 'twentyninth', 'thirtieth', 'thirtyfirst', 'thirtysecond', 'thirtythird', 'thirtyfourth', 'thirtyfifth', 'thirtysixth', 'thirtyseventh', 'thirtyeighth', 'thirtyninth', 'fortieth', 'fortyfirst', 'fortysecond', 'fortythird', 'fortyfourth', 'fortyfifth', 'fortysixth', 'fortyseventh', 'fortyeighth', 'fortyninth', 'fiftieth', 'fiftyfirst', 'fiftysecond', 'fiftythird', 'fiftyfourth', 'fiftyfifth', 'fiftysixth', 'fiftyseventh')
    MARKS, WITH_SUP = {}, ()

    def page(self, mod, fam, tag, i):
        """A page of the set drawn with the set's own seed: the page, its record and its paragraphs' texts."""
        import random
        page, rec = mod.TEMPLATES[fam](random.Random('%s/%s/%s/%d' % (self.ROUND, fam, tag, i)))
        return page, rec, [p.text for p in page.doc.paragraphs]

    @staticmethod
    def at(paras, start):
        """The first paragraph that starts with the given text."""
        return next(j for j, p in enumerate(paras) if p.startswith(start))

    def terms(self):
        """The set's own wording, which no earlier generator may use."""
        return self.mod.SUBJECTS + self.mod.CONTEXTS + self.mod.ANGLES + self.en.SUBJECTS

    def setUp(self):
        import importlib
        self.mod = importlib.import_module('gen_zh_' + self.ROUND)
        self.en = importlib.import_module('gen_en_' + self.ROUND)
        self.earlier = _modules_before(self.ROUND)

    def samples(self, n=8):
        import random
        for mod in (self.mod, self.en):
            for fam, fn in mod.TEMPLATES.items():
                for i in range(n):
                    yield fam, fn(random.Random('%s/%s/%d' % (self.ROUND, fam, i)))

    def test_names_schools_and_wording_are_new(self):
        import vocab
        self.assertEqual(len(self.earlier), self.EARLIER)
        names = [f for m in self.earlier + [self.mod, self.en] for f in m.TEMPLATES]
        self.assertEqual(len(names), len(set(names)))
        source = ''.join(s[0] for s in vocab.ZH_SCHOOLS)
        for m in self.earlier + [vocab]:
            with open(m.__file__, encoding='utf-8') as f:
                source += f.read()
        self.assertFalse([s[0] for s in self.mod.SCHOOLS if s[0] in source])
        self.assertFalse([t for t in self.terms() if t in source], 'subjects, angles and settings of their own')
        for fam, (page, rec) in self.samples():
            with self.subTest(family=fam, title=rec['title']):
                _assert_labels_printed(self, page, rec)

    def test_records_and_layout_marks(self):
        from genbase import zh_date
        self.assertEqual(set(splits.load_rows()[f][0] for f in list(self.mod.TEMPLATES) + list(self.en.TEMPLATES)),
                         {self.PART})
        metas = set()
        for fam, (page, rec) in self.samples(10):
            metas.add(rec['meta'])
            text = _page_text(page)
            with self.subTest(family=fam, title=rec['title']):
                self.assertTrue(str(rec['year']) in text or zh_date(rec['year'], 1)[:5] in text)
                for k in rec['keywords']:
                    self.assertIn(k, text)
                if 'supervisor' in rec:
                    self.assertIn(rec['supervisor'], text)
                    self.assertNotIn(rec['supervisor'], rec['authors'])
                self.assertEqual('supervisor' in rec, fam in self.WITH_SUP)
                self.assertIn(self.MARKS[fam], text)
        self.assertEqual(metas, {'right', 'wrong', 'empty'})


@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class FifteenthTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The fifteenth set (blind part heldout15): new schools and wording, labels printed, the
    指导教师 or advisor kept apart from the authors, the mark of each layout, the whole set in its part."""
    ROUND, PART, EARLIER = 'fifteenth', 'heldout15', 28
    MARKS = {'gen-zh-practice-reportcover': '报告', 'gen-zh-gradforum-tutorline': '论坛',
             'gen-zh-rapidcomm-brief': '收稿日期', 'gen-zh-teachingreform-projectline': '基金项目',
             'gen-zh-journal-citebox': '引用', 'gen-zh-midterm-checkform': '中期',
             'gen-en-whitepaper-version': 'Executive Summary', 'gen-en-capstone-teamcover': 'Faculty Advisor'}
    WITH_SUP = ('gen-zh-practice-reportcover', 'gen-zh-gradforum-tutorline', 'gen-zh-midterm-checkform',
                'gen-en-capstone-teamcover')

    def terms(self):
        return self.mod.SUBJECTS + self.mod.CONTEXTS + self.mod.ANGLES + self.en.WP_SUBJECTS


@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class SixteenthTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The sixteenth set (blind part heldout16): new schools and wording, labels printed, the
    指导教师 or advisor kept apart from the authors, the mark of each layout, the whole set in its part."""
    ROUND, PART, EARLIER = 'sixteenth', 'heldout16', 30
    MARKS = {'gen-zh-equivalent-degreecover': '学位论文', 'gen-zh-journal-biofoot': '作者简介',
             'gen-zh-consult-writers': '执笔人', 'gen-zh-litreview-coursecover': '课程',
             'gen-zh-journal-issnhead': 'ISSN', 'gen-zh-yearpaper-framed': '指导教师',
             'gen-en-thesis-approvalpage': 'Committee', 'gen-en-extension-factsheet': 'Extension'}
    WITH_SUP = ('gen-zh-equivalent-degreecover', 'gen-zh-yearpaper-framed', 'gen-en-thesis-approvalpage')


@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class SeventeenthTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The seventeenth set (blind part heldout17): new schools and wording, labels printed, the
    指导教师 or advisor kept apart from the authors, the mark of each layout, the whole set in its part."""
    ROUND, PART, EARLIER = 'seventeenth', 'heldout17', 32
    MARKS = {'gen-zh-journal-codesline': '中图分类号', 'gen-zh-thesis-udccorner': 'UDC',
             'gen-zh-proceedings-inlineunit': '论文集', 'gen-zh-vocational-designcover': '职业',
             'gen-zh-survey-taskgroup': '课题', 'gen-zh-readingreport-cover': '读书报告',
             'gen-en-honors-thesiscover': 'partial fulfillment', 'gen-en-techmemo-header': 'Subject:'}
    WITH_SUP = ('gen-zh-thesis-udccorner', 'gen-zh-vocational-designcover', 'gen-en-honors-thesiscover')


@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class EighteenthTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The eighteenth set (blind part heldout18): new schools and wording, labels printed, the
    指导教师 or advisor kept apart from the authors, the mark of each layout, the whole set in its part."""
    ROUND, PART, EARLIER = 'eighteenth', 'heldout18', 34
    MARKS = {'gen-zh-labreport-cover': '实验', 'gen-zh-translation-cover': '原文题目',
             'gen-zh-newspaper-theorypage': '作者单位', 'gen-zh-lecture-minutes': '主讲人',
             'gen-zh-checkreport-cover': '复制比', 'gen-zh-journal-pinyingrid': 'Vol.',
             'gen-en-lecture-scribenotes': 'Lecturer:', 'gen-en-dissertation-prospectus': 'Chair'}
    WITH_SUP = ('gen-zh-labreport-cover', 'gen-zh-translation-cover', 'gen-zh-checkreport-cover',
                'gen-en-lecture-scribenotes', 'gen-en-dissertation-prospectus')


@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class NineteenthTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The nineteenth set (blind part heldout19): new schools and wording, labels printed, the
    指导教师 kept apart from the authors, the mark of each layout, the whole set in its part."""
    ROUND, PART, EARLIER = 'nineteenth', 'heldout19', 36
    MARKS = {'gen-zh-thesis-reviewform': '评阅', 'gen-zh-interview-scholar': '受访者',
             'gen-zh-journal-sidebarmeta': '收稿日期', 'gen-zh-bachelor-verticalband': '指导教师',
             'gen-zh-meeting-review': '综述', 'gen-zh-journal-editornote': '编者按',
             'gen-en-grant-coverpage': 'Principal Investigator', 'gen-en-encyclopedia-entry': 'Synonyms'}
    WITH_SUP = ('gen-zh-thesis-reviewform', 'gen-zh-bachelor-verticalband')


@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class TwentiethTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The twentieth set (blind part heldout20): new schools and wording, labels printed, the
    导师 or instructor kept apart from the authors, the mark of each layout, the whole set in its part."""
    ROUND, PART, EARLIER = 'twentieth', 'heldout20', 38
    MARKS = {'gen-zh-acceptance-notice': '录用', 'gen-zh-patent-certificate': '证书号',
             'gen-zh-lessondesign-table': '教学', 'gen-zh-keynote-transcript': '编者注',
             'gen-zh-groupmeeting-handout': '组会', 'gen-zh-dbrecord-printout': '作者单位',
             'gen-en-repository-coversheet': 'repository', 'gen-en-mla-heading': 'Prof'}
    WITH_SUP = ('gen-zh-groupmeeting-handout', 'gen-en-mla-heading')


@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class TwentyfirstTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The twenty-first set (blind part heldout21): new schools and wording, labels printed, the
    指导教师 or 导师 kept apart from the authors, the mark of each layout, the whole set in its part."""
    ROUND, PART, EARLIER = 'twentyfirst', 'heldout21', 40
    MARKS = {'gen-zh-award-certificate': '证书', 'gen-zh-guidancelog-table': '指导记录',
             'gen-zh-encyclopedia-signed': '百科', 'gen-zh-defense-announcement': '答辩',
             'gen-zh-debate-reply': '商榷', 'gen-zh-popsci-photocredit': '导读',
             'gen-en-patent-inid': '(72)', 'gen-en-abstract-receipt': 'Abstract ID'}
    WITH_SUP = ('gen-zh-guidancelog-table', 'gen-zh-defense-announcement')


@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class TwentysecondTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The twenty-second set (blind part heldout22): new schools and wording, labels printed, the
    导师 kept apart from the authors, the mark of each layout, the whole set in its part."""
    ROUND, PART, EARLIER = 'twentysecond', 'heldout22', 42
    MARKS = {'gen-zh-wechat-printout': '发表于', 'gen-zh-publication-regform': '登记表',
             'gen-zh-galley-proof': '校对', 'gen-zh-copyright-agreement': '转让',
             'gen-zh-revision-response': '审稿意见', 'gen-zh-achievement-certificate': '评价',
             'gen-en-ill-coversheet': 'Article Title:', 'gen-en-letter-signedend': 'read with interest'}
    WITH_SUP = ('gen-zh-publication-regform',)


@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class TwentythirdTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The twenty-third set (blind part heldout23): new schools and wording, labels printed, the
    导师 kept apart from the author, the mark of each layout, the whole set in its part."""
    ROUND, PART, EARLIER = 'twentythird', 'heldout23', 44
    MARKS = {'gen-zh-thesis-depositform': '学位论文', 'gen-zh-reading-card': '记录人',
             'gen-zh-noveltysearch-cover': '查新', 'gen-zh-routing-slip': '稿件',
             'gen-zh-cppcc-motion': '提案人', 'gen-zh-expert-recommendation': '推荐人',
             'gen-en-editing-certificate': 'certifies', 'gen-en-datarepo-landing': 'Dataset'}
    WITH_SUP = ('gen-zh-thesis-depositform',)


@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class TwentyfourthTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The twenty-fourth set (blind part heldout24): new schools and wording, labels printed, the
    导师 or 指导教师 kept apart from the author, the mark of each layout, the whole set in its part."""
    ROUND, PART, EARLIER = 'twentyfourth', 'heldout24', 46
    MARKS = {'gen-zh-sciencereport-gradegrid': '报告作者', 'gen-zh-journal-labelcolumn': '文献标志码',
             'gen-zh-medthesis-barinfo': '培养科室', 'gen-zh-firstpub-urlhead': '通信联系人',
             'gen-zh-designthesis-pairgrid': '毕业设计', 'gen-zh-labtechreport-revtable': '版本记录',
             'gen-en-station-bulletincover': 'Bulletin No.', 'gen-en-clinical-abstractgrid': 'Conclusions'}
    WITH_SUP = ('gen-zh-medthesis-barinfo', 'gen-zh-designthesis-pairgrid')


@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class TwentyfifthTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The twenty-fifth set (blind part heldout25): new schools and wording, labels printed, the
    导师 or major professor kept apart from the author, the mark of each layout, the whole set in its part."""
    ROUND, PART, EARLIER = 'twentyfifth', 'heldout25', 48
    MARKS = {'gen-zh-extabstract-pageframe': '扩展摘要', 'gen-zh-journal-authorsidecell': '收稿日期',
             'gen-zh-doctor-flushleft': '博士', 'gen-zh-annualmeeting-bracketunit': '〔关键词〕',
             'gen-zh-clinicaltrial-reportcover': '方案编号', 'gen-en-manuscript-linenumbered': 'Key Points:',
             'gen-en-asme-papernumber': 'Proceedings of the ASME', 'gen-en-thesis-abstractmajorprof': 'Major Professor'}
    WITH_SUP = ('gen-zh-doctor-flushleft', 'gen-en-thesis-abstractmajorprof')

@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class TwentysixthTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The twenty-sixth set (blind part heldout26): new schools and wording, labels printed, the
    指导教师 kept apart from the authors, the mark of each layout, the whole set in its part."""
    ROUND, PART, EARLIER = 'twentysixth', 'heldout26', 50
    MARKS = {'gen-zh-lawjournal-bracketcolumn': '内容提要', 'gen-zh-artmaster-creationreport': '创作报告',
             'gen-zh-econ-workingpaper-jelband': 'JEL', 'gen-zh-edu-fieldreport-teamgrid': '调研成员',
             'gen-zh-history-circlebyline': '［关键词］', 'gen-zh-socio-conference-draftstamp': '请勿引用',
             'gen-en-humanities-authorsabove': 'ARTICLE', 'gen-en-econ-discussionpaper-cover': 'DP No.'}
    WITH_SUP = ('gen-zh-artmaster-creationreport', 'gen-zh-edu-fieldreport-teamgrid')



@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class TwentyseventhTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The twenty-seventh set (blind part heldout27): new schools and wording, labels printed, the
    指导教师 or committee chair kept apart from the author, the mark of each layout, the whole set in its part."""
    ROUND, PART, EARLIER = 'twentyseventh', 'heldout27', 52
    MARKS = {'gen-zh-lawmaster-leftband': '法律硕士', 'gen-zh-artjournal-englishsubline-twocol': '艺术',
             'gen-zh-teacherproject-leaderlines': '课题主持人', 'gen-zh-econjournal-codeline-doiright': '文章编号',
             'gen-zh-jikan-serialhead-stars': '辑', 'gen-zh-socjournal-pinyinbyline': '［中图分类号］',
             'gen-en-humanities-conferencedraft-italichead': 'Paper presented',
             'gen-en-edd-practice-committeefoot': 'Doctor of Education'}
    WITH_SUP = ('gen-zh-lawmaster-leftband', 'gen-en-edd-practice-committeefoot')



@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class TwentyeighthTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The twenty-eighth set (blind part heldout28): new schools and wording, labels printed, the
    导师 or project supervisor kept apart from the author, the mark of each layout, the whole set in its part."""
    ROUND, PART, EARLIER = 'twentyeighth', 'heldout28', 54
    MARKS = {'gen-zh-hazardenvjournal-bracketedobjective': '【结论】', 'gen-zh-plateauagrimaster-dotleaders': '论文题目',
             'gen-zh-geosurvey-leaderwriters-cover': '编写人员', 'gen-zh-sciencexuebao-englishblockbelow': 'Key words',
             'gen-zh-fieldstation-yearreport-shadedband': '参加人员', 'gen-zh-engdoctor-verticalkindband': '答辩日期',
             'gen-en-forestservice-gtr-sidecolumn': 'General Technical Report',
             'gen-en-engineering-finalyearproject-secondmarker': 'Second'}
    WITH_SUP = ('gen-zh-plateauagrimaster-dotleaders', 'gen-zh-engdoctor-verticalkindband',
                'gen-en-engineering-finalyearproject-secondmarker')



@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class TwentyninthTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The twenty-ninth set (blind part heldout29): new schools and wording, labels printed, the
    导师 or 指导教师 kept apart from the author, the mark of each layout, the whole set in its part."""
    ROUND, PART, EARLIER = 'twentyninth', 'heldout29', 56
    MARKS = {'gen-zh-railwaymarine-meeting-paperidline': '论文编号', 'gen-zh-tropicalpharma-journal-labelledbyline': '通信作者',
             'gen-zh-oceanmaster-labelovervalue-pairs': '研究生姓名', 'gen-zh-projectfinal-membergrid': '项目组成员',
             'gen-zh-bachelor-textpage-studenttutorline': '本科毕业论文',
             'gen-en-healthpreprint-notpeerreviewed-footbox': 'not been certified by peer review',
             'gen-en-publisherstyle-articleinfo-panel': 'Article history', 'gen-en-railinstitute-report-preparedapproved': 'Prepared by'}
    WITH_SUP = ('gen-zh-oceanmaster-labelovervalue-pairs', 'gen-zh-bachelor-textpage-studenttutorline')


@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class ThirtiethTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The thirtieth set (blind part heldout30): new schools and wording, labels printed, the
    指导教师 kept apart from the author, the mark of each layout, the whole set in its part."""
    ROUND, PART, EARLIER = 'thirtieth', 'heldout30', 58
    MARKS = {'gen-zh-philjournal-epigraphquote': '——以', 'gen-zh-lawbachelor-twintitlerows': '外文题目',
             'gen-zh-econ-briefing-thickrule': '（总第', 'gen-zh-edu-teachingpaper-gradestrip': '学段',
             'gen-zh-artjournal-titlenote-slashbyright': 'ISSN', 'gen-zh-law-casecomment-holdingbox': '裁判要旨',
             'gen-en-ssrn-lawecon-draftdate': 'ssrn.com', 'gen-en-econ-seriescentred-titlepage': 'WORKING PAPER SERIES'}
    WITH_SUP = ('gen-zh-lawbachelor-twintitlerows',)


@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class ThirtyfirstTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The thirty-first set (blind part heldout31): new schools and wording, labels printed, the
    指导教师 kept apart from the authors, the mark of each layout, the whole set in its part."""
    ROUND, PART, EARLIER = 'thirtyfirst', 'heldout31', 60
    MARKS = {'gen-zh-artbachelor-designstatement-imageframe': '设计', 'gen-zh-law-statutecommentary-contents': '边码',
             'gen-zh-school-inquiryreport-membertable': '组长', 'gen-zh-econjournal-bracketfindings': '[研究发现]',
             'gen-zh-edmaster-labelabovevalue': '教育硕士', 'gen-zh-edujournal-bioboxbeforeabstract': '［作者简介］',
             'gen-en-humanities-reviewessay-booklisthead': 'pp.',
             'gen-en-commissioned-report-preparedforby': 'Prepared for'}
    WITH_SUP = ('gen-zh-artbachelor-designstatement-imageframe', 'gen-zh-school-inquiryreport-membertable',
                'gen-zh-edmaster-labelabovevalue')


@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class ThirtysecondTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The thirty-second set (blind part heldout32): new schools and wording, labels printed, the
    导师 or 指导教师 kept apart from the author, the checker and approver of a report no authors, the
    mark of each layout, the whole set in its part."""
    ROUND, PART, EARLIER = 'thirtysecond', 'heldout32', 62
    MARKS = {'gen-zh-mangroveminejournal-authorcells-nameoverunit': '中图分类号',
             'gen-zh-coastalsensingmaster-whitetitleband': '研究方向',
             'gen-zh-miningsensing-kejibaogao-codestrip-checker': '校核',
             'gen-zh-clinicalradarjournal-highlightsframe': '【亮点】',
             'gen-zh-pneumomedmaster-tickboxdegreekind': '专业学位（临床医学硕士）',
             'gen-zh-oysterlungjournal-authorsabovetitle': '【关键词】',
             'gen-en-aerospace-techmemo-seriesnumbertop': 'NASA/',
             'gen-en-computingconf-titlebetweenrules-authorgrid': 'Abstract'}
    WITH_SUP = ('gen-zh-coastalsensingmaster-whitetitleband', 'gen-zh-pneumomedmaster-tickboxdegreekind')

    def test_report_writers_are_the_authors_checker_and_approver_are_not(self):
        import random
        fn = self.mod.TEMPLATES['gen-zh-miningsensing-kejibaogao-codestrip-checker']
        for i in range(10):
            page, rec = fn(random.Random('thirtysecond/checker/%d' % i))
            line = next(p.text for p in page.doc.paragraphs if '编写：' in p.text)
            m = re.match(r'编写：(.+?)\s+校核：(\S+)\s+批准：(\S+)$', line)
            self.assertTrue(m, line)
            self.assertEqual(re.split('[、，]', m.group(1)), rec['authors'])
            self.assertNotIn(m.group(2), rec['authors'])
            self.assertNotIn(m.group(3), rec['authors'] + [m.group(2)])


    def test_byline_cells_tick_boxes_and_author_grid(self):
        import random
        for i in range(10):
            rng = lambda fam: random.Random('thirtysecond/%s/cells/%d' % (fam, i))
            page, rec = self.mod.TEMPLATES['gen-zh-mangroveminejournal-authorcells-nameoverunit'](rng('grid'))
            cells = [c.text.split('\n')[0] for c in page.doc.tables[0].rows[0].cells]
            self.assertEqual(cells, rec['authors'], 'one cell per author, the name on top, in order')
            page, rec = self.mod.TEMPLATES['gen-zh-pneumomedmaster-tickboxdegreekind'](rng('tick'))
            kind = next(p.text for p in page.doc.paragraphs if '科学学位' in p.text)
            self.assertEqual(sum(kind.count(m) for m in '■☒√'), 1, kind)
            self.assertEqual(sum(kind.count(m) for m in '□☐'), 1, kind)
            page, rec = self.en.TEMPLATES['gen-en-computingconf-titlebetweenrules-authorgrid'](rng('conf'))
            grid = [c.text for r in page.doc.tables[0].rows for c in r.cells if c.text]
            self.assertEqual([g.split('\n')[0] for g in grid], rec['authors'])
            self.assertTrue(all(re.search(r'^\S+@[a-z.]+$', g.split('\n')[-1]) for g in grid), grid)


class ThirtythirdTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The thirty-third set (blind part heldout33): new schools and wording, labels printed, the
    指导教师, 导师 or principal supervisor kept apart from the author, the chair, discussant and associate
    supervisor kept out of the byline, the mark of each layout, the whole set in its part."""
    ROUND, PART, EARLIER = 'thirtythird', 'heldout33', 64
    MARKS = {'gen-zh-histlawdoctor-titlepage-threedatesbox': '答辩委员会主席',
             'gen-zh-ethnoecon-annualmeeting-discussantline': '评议人',
             'gen-zh-folklorejournal-bilingualtitlecells': 'Abstract',
             'gen-zh-mfa-worklistbox-cover': '毕业作品',
             'gen-zh-policyreport-keypointsbox-authorsunder': '报告要点',
             'gen-en-humanitiesphd-candidacy-capstitlepage': 'candidacy',
             'gen-en-econ-jobmarketpaper-latestversion': 'latest version',
             'gen-en-mfa-exegesis-principalassociate': 'Associate supervisor'}
    WITH_SUP = ('gen-zh-histlawdoctor-titlepage-threedatesbox', 'gen-zh-mfa-worklistbox-cover',
                'gen-en-mfa-exegesis-principalassociate')

    def test_bystanders_are_not_authors(self):
        import re
        for fam, (page, rec) in self.samples(10):
            text = _page_text(page)
            seen = [re.search(pat, text) for pat in (r'答辩委员会主席\s*(\S+)', r'评议人：(\S+?)（',
                                                     r'Associate supervisor: (?:Dr )?([^\n]+)')]
            for m in filter(None, seen):
                with self.subTest(family=fam, name=m.group(1)):
                    self.assertNotIn(m.group(1).strip(), rec['authors'])
                    self.assertNotEqual(m.group(1).strip(), rec.get('supervisor'))


class ThirtyfourthTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The thirty-fourth set (blind part heldout34): new schools and wording, labels printed, the
    导师, 指导教师 or committee supervisor kept apart from the author, the checker, signer, industry
    tutor, committee chair and volume editors kept out of the byline, the mark of each layout, the
    whole set in its part."""
    ROUND, PART, EARLIER = 'thirtyfourth', 'heldout34', 66
    MARKS = {'gen-zh-sichuanscixuebao-sidetagpanel-tiyaozhuticilabels': '主题词',
             'gen-zh-vetagrimaster-fourcolumnfieldgrid-mijicorner': '密级',
             'gen-zh-dryvalleyagrijournal-rightnameemaillines-footunits': '作者单位',
             'gen-zh-envmonitoring-reportno-signaturetable': '报告编号',
             'gen-zh-sciencedoctor-cnentitlelabels-offsetfieldblock': '英文题目',
             'gen-en-civileng-mscthesis-defendedpublicly-committeeblock': 'defended publicly',
             'gen-en-ruralmedjournal-keypointsquestionbox-degreesemicolons': 'Question',
             'gen-en-envml-proceedings-nameemailrows-editorsline': 'Editors:'}
    WITH_SUP = ('gen-zh-vetagrimaster-fourcolumnfieldgrid-mijicorner',
                'gen-zh-sciencedoctor-cnentitlelabels-offsetfieldblock',
                'gen-en-civileng-mscthesis-defendedpublicly-committeeblock')

    def test_bystanders_are_not_authors(self):
        for fam, (page, rec) in self.samples(10):
            text = _page_text(page)
            people = re.findall(r'(?:审\s*核|签\s*发|行业导师)\s*(\S+?)(?:\u2002|\s|$)', text)
            people += re.findall(r'(?:Prof\. dr\.|Ir\.) (.+?), [^,\n]+, (?:chair|daily supervisor)', text)
            m = re.search(r'Editors: (.+) and (.+)', text)
            people += list(m.groups()) if m else []
            for name in people:
                with self.subTest(family=fam, name=name):
                    self.assertNotIn(name.strip(), rec['authors'])
                    self.assertNotEqual(name.strip(), rec.get('supervisor'))

    def test_report_writers_and_committee_supervisor(self):
        import random
        for i in range(10):
            page, rec = self.mod.TEMPLATES['gen-zh-envmonitoring-reportno-signaturetable'](
                random.Random('thirtyfourth/writers/%d' % i))
            cells = {r.cells[0].text.replace('\u3000', ''): r.cells[1].text for r in page.doc.tables[1].rows}
            self.assertEqual(cells['报告编写'].split('、'), rec['authors'], 'the writers in order are the authors')
            self.assertEqual(cells['项目负责人'], rec['authors'][0])
            page, rec = self.en.TEMPLATES['gen-en-civileng-mscthesis-defendedpublicly-committeeblock'](
                random.Random('thirtyfourth/committee/%d' % i))
            roles = [c.text for r in page.doc.tables[0].rows for c in r.cells[1:]]
            sup = [t for t in roles if t.endswith(', supervisor') and 'daily' not in t]
            self.assertEqual(len(sup), 1, roles)
            self.assertIn(rec['supervisor'], sup[0])


    def test_bylines_read_back_in_order(self):
        import random
        fams = dict(self.mod.TEMPLATES, **self.en.TEMPLATES)
        for i in range(10):
            def make(fam):
                page, rec = fams[fam](random.Random('thirtyfourth/bylines/%s/%d' % (fam, i)))
                return page, rec, [p.text for p in page.doc.paragraphs]
            page, rec, _ = make('gen-zh-vetagrimaster-fourcolumnfieldgrid-mijicorner')
            cells = {}
            for r in page.doc.tables[1].rows:
                texts = [c.text for c in r.cells]
                cells.update(zip(texts[::2], texts[1::2]))
            self.assertEqual(cells['研 究 生'], rec['authors'][0])
            self.assertEqual(re.sub('\u2002.*', '', cells['导\u3000\u3000师']), rec['supervisor'])
            self.assertNotIn(re.sub('\u2002.*', '', cells['行业导师']), rec['authors'] + [rec['supervisor']])
            page, rec, paras = make('gen-zh-sciencedoctor-cnentitlelabels-offsetfieldblock')
            self.assertIn('中文题目：' + rec['title'], paras)
            page, rec, paras = make('gen-zh-dryvalleyagrijournal-rightnameemaillines-footunits')
            right = [p.text.split('（')[0] for p in page.doc.paragraphs if p.alignment == 2 and '@' in p.text]
            self.assertEqual(right, rec['authors'], 'one right-aligned line per author, in order')
            self.assertTrue(paras[-2].startswith('作者单位：'), 'the units only at the foot')
            page, rec, paras = make('gen-en-ruralmedjournal-keypointsquestionbox-degreesemicolons')
            byline = next(p for p in paras if '; ' in p or (len(rec['authors']) == 1 and p.startswith(rec['authors'][0] + ',')))
            self.assertEqual([a.split(',')[0] for a in byline.split('; ')], rec['authors'], 'degrees follow the names')
            page, rec, paras = make('gen-en-envml-proceedings-nameemailrows-editorsline')
            rows = [r.cells[0].text for r in page.doc.tables[1].rows]
            self.assertEqual(rows[::2], rec['authors'], 'a name row then an affiliation row per author')
            editors = re.match(r'Editors: (.+) and (.+)', next(p for p in paras if p.startswith('Editors:'))).groups()
            self.assertFalse(set(editors) & set(rec['authors']))


class ThirtyfifthTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The thirty-fifth set (blind part heldout35): new schools and wording, labels printed, the
    导师, 指导教师 kept apart from the author, the mark of each layout, the whole set in its part."""
    ROUND, PART, EARLIER = 'thirtyfifth', 'heldout35', 68
    MARKS = {'gen-zh-calligraphymaster-stackedtitlelabelcell': '论\n文\n题\n目',
             'gen-zh-sociolawjournal-orcidline-shadedabstractbox': '作者ORCID',
             'gen-zh-teachered-conference-threecellheader-corrstar': '分论坛',
             'gen-zh-lawschool-workingpaper-draftnoticefoot': '工作论文',
             'gen-zh-dramabachelor-fourcolumnparticulars-gradecell': '成\u3000绩',
             'gen-en-econinstitute-staffworkingpaper-researchinprogressbox': 'Staff Working Paper No.',
             'gen-en-arthistory-exhibitioncatalogue-essay-platecaption': 'Fig. 1',
             'gen-en-anthropology-preprint-versionband-orcidlines': 'Not peer reviewed'}
    WITH_SUP = ('gen-zh-calligraphymaster-stackedtitlelabelcell', 'gen-zh-dramabachelor-fourcolumnparticulars-gradecell')

    def test_bylines_stand_where_the_layout_puts_them(self):
        import random
        import re
        for i in range(6):
            rng = lambda fam: random.Random('thirtyfifth/%s/bylines/%d' % (fam, i))
            page, rec = self.mod.TEMPLATES['gen-zh-calligraphymaster-stackedtitlelabelcell'](rng('cover'))
            cells = page.doc.tables[0].rows[0].cells
            self.assertEqual(cells[0].text.split('\n'), list('论文题目'))
            self.assertEqual(cells[1].text.split('\n')[0], rec['title'])
            page, rec = self.mod.TEMPLATES['gen-zh-sociolawjournal-orcidline-shadedabstractbox'](rng('orcid'))
            line = next(p.text for p in page.doc.paragraphs if p.text.startswith('作者ORCID'))
            self.assertEqual(re.findall(r'[：；](\S+?)\u2002\d{4}-', line), rec['authors'])
            page, rec = self.mod.TEMPLATES['gen-zh-teachered-conference-threecellheader-corrstar'](rng('conf'))
            note = next(p.text for p in page.doc.paragraphs if p.text.startswith('*通讯作者'))
            self.assertIn(note[6:note.index('，')], rec['authors'])
            page, rec = self.mod.TEMPLATES['gen-zh-dramabachelor-fourcolumnparticulars-gradecell'](rng('grade'))
            grid = [[c.text for c in r.cells] for r in page.doc.tables[0].rows]
            self.assertEqual(grid[1][1], rec['authors'][0])
            self.assertEqual(grid[2][1], rec['supervisor'])
            self.assertEqual(grid[3][3], '', 'the grade is left for the examiners')
            page, rec = self.en.TEMPLATES['gen-en-anthropology-preprint-versionband-orcidlines'](rng('pre'))
            paras = [p.text for p in page.doc.paragraphs]
            named = [paras[k].split(' \u2014 ')[0].rstrip('*') for k in range(len(paras) - 1)
                     if paras[k + 1].startswith('ORCID ')]
            self.assertEqual(named, rec['authors'], 'each author on a line over an ORCID line, in order')
            page, rec = self.en.TEMPLATES['gen-en-arthistory-exhibitioncatalogue-essay-platecaption'](rng('plate'))
            maker = re.search(r'Fig\. 1  ([^,]+),', page.doc.tables[0].rows[1].cells[0].text).group(1)
            self.assertNotIn(maker, rec['authors'], 'the maker in the caption is no author')


class ThirtyseventhTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The thirty-seventh set (blind part heldout37): new schools and wording, labels printed, the
    指导教师 or supervisor kept apart from the author, the mark of each layout, the whole set in its part."""
    ROUND, PART, EARLIER = 'thirtyseventh', 'heldout37', 72
    MARKS = {'gen-zh-musicdesignmaster-sixcodegrid-titlebetweenrules': '学校代码',
             'gen-zh-borderecon-lawjournal-biocolumnbesideabstract': '作者简介',
             'gen-zh-edulawbachelor-topright-idnamebox-cnentitlelines': '英文题目',
             'gen-zh-legalhistory-columntag-dashsubtitle-zhuanwenbyline': '撰文',
             'gen-zh-artforum-extabstract-authorunitemailrows': '扩展摘要',
             'gen-en-customarylawreview-smallcapsbyline-starrednotes': 'of Law, ',
             'gen-en-historyma-titlepage-copyrightfoot': '\u00a9',
             'gen-en-ruraleconmeeting-extabstract-twocolumnauthorgrid': 'Extended Abstract'}
    WITH_SUP = ('gen-zh-musicdesignmaster-sixcodegrid-titlebetweenrules',
                'gen-zh-edulawbachelor-topright-idnamebox-cnentitlelines', 'gen-en-historyma-titlepage-copyrightfoot')

    def test_bylines_stand_where_the_layout_puts_them(self):
        import random
        for i in range(6):
            rng = lambda fam: random.Random('thirtyseventh/%s/bylines/%d' % (fam, i))
            page, rec = self.mod.TEMPLATES['gen-zh-borderecon-lawjournal-biocolumnbesideabstract'](rng('bio'))
            bios = page.doc.tables[0].rows[0].cells[1].text.split('\n')
            self.assertEqual(bios[0], '作者简介')
            self.assertEqual([b.split('，')[0] for b in bios[1:]], rec['authors'], 'one line an author, in order')
            page, rec = self.mod.TEMPLATES['gen-zh-artforum-extabstract-authorunitemailrows'](rng('rows'))
            grid = [[c.text for c in r.cells] for r in page.doc.tables[0].rows]
            self.assertEqual(grid[0], ['作者', '单位', '电子邮箱'])
            self.assertEqual([r[0] for r in grid[1:]], rec['authors'], 'the header row is no author')
            page, rec = self.mod.TEMPLATES['gen-zh-edulawbachelor-topright-idnamebox-cnentitlelines'](rng('box'))
            box = [[c.text for c in r.cells] for r in page.doc.tables[0].rows]
            self.assertEqual(box[1], ['姓名', rec['authors'][0]])
            line = next(p.text for p in page.doc.paragraphs if p.text.startswith('指导教师'))
            self.assertTrue(line[5:].startswith(rec['supervisor']))
            page, rec = self.mod.TEMPLATES['gen-zh-legalhistory-columntag-dashsubtitle-zhuanwenbyline'](rng('sub'))
            paras = [p.text for p in page.doc.paragraphs]
            sub = next(p for p in paras if p.startswith('——'))
            self.assertTrue(rec['title'].endswith(sub), 'the dash line belongs to the title')
            self.assertFalse(any(p.startswith('【') and p in rec['title'] for p in paras), 'the column tag is no title')
            page, rec = self.en.TEMPLATES['gen-en-ruraleconmeeting-extabstract-twocolumnauthorgrid'](rng('grid'))
            cells = [c.text.split('\n')[0] for r in page.doc.tables[1].rows for c in r.cells]
            self.assertEqual([c for c in cells if c], rec['authors'], 'the grid reads row by row')
            page, rec = self.en.TEMPLATES['gen-en-customarylawreview-smallcapsbyline-starrednotes'](rng('law'))
            notes = [p.text for p in page.doc.paragraphs if p.text.startswith('*')]
            self.assertEqual(len(notes), len(rec['authors']), 'one starred note an author')
            page, rec = self.en.TEMPLATES['gen-en-historyma-titlepage-copyrightfoot'](rng('ma'))
            paras = [p.text for p in page.doc.paragraphs]
            self.assertEqual(paras[-1], '\u00a9 %s %d' % (rec['authors'][0], rec['year']))
            self.assertNotIn(rec['supervisor'], rec['authors'])


if __name__ == '__main__':
    unittest.main()


class ThirtysixthTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The thirty-sixth set (blind part heldout36): new schools and wording, labels printed, the
    指导教师 and advisor kept apart from the author, the mark of each layout, the whole set in its part."""
    ROUND, PART, EARLIER = 'thirtysixth', 'heldout36', 70
    MARKS = {'gen-zh-lakesciencexuebao-flushrighthead-boxedabstract-circlednotes': '②作者简介',
             'gen-zh-forestryagrimaster-bracketedtitle-bottomrightfields': '【',
             'gen-zh-miningeng-institutereport-approvalchaintopdown': '审\u3000\u3000定',
             'gen-zh-computingsensingconf-authorcellgrid-unitmailpercell': '学术会议论文集',
             'gen-zh-clinicalmedbachelor-titlecell-hospitalteachertutor': '医院带教老师',
             'gen-en-hydrosurvey-openfilereport-darkseriesband-cooperationline': 'Prepared in cooperation with',
             'gen-en-fieldrobotics-extendedabstract-titlebanner-daggerkeyedaffils': 'Extended Abstract',
             'gen-en-soilscience-dissertation-finaloralcommittee-advisormarked': 'Final Oral Committee'}
    WITH_SUP = ('gen-zh-forestryagrimaster-bracketedtitle-bottomrightfields',
                'gen-zh-clinicalmedbachelor-titlecell-hospitalteachertutor',
                'gen-en-soilscience-dissertation-finaloralcommittee-advisormarked')

    def test_bylines_and_sign_offs_read_back_in_order(self):
        import random
        import re
        for i in range(6):
            rng = lambda fam: random.Random('thirtysixth/%s/bylines/%d' % (fam, i))
            page, rec = self.mod.TEMPLATES['gen-zh-miningeng-institutereport-approvalchaintopdown'](rng('chain'))
            lines = {p.text[:4]: p.text[5:] for p in page.doc.paragraphs if p.text[1:3] == '\u3000\u3000' and p.text[4:5] == '：'}
            self.assertEqual(re.split('[、\u3000，]', lines['编\u3000\u3000写']), rec['authors'], 'the writers in order')
            others = [lines[k] for k in ('批\u3000\u3000准', '审\u3000\u3000定', '审\u3000\u3000核', '校\u3000\u3000核')]
            self.assertFalse(set(others) & set(rec['authors']), 'the sign-off chain writes nothing')
            page, rec = self.mod.TEMPLATES['gen-zh-computingsensingconf-authorcellgrid-unitmailpercell'](rng('grid'))
            cells = [c.text.split('\n')[0] for r in page.doc.tables[0].rows for c in r.cells]
            self.assertEqual([c for c in cells if c], rec['authors'], 'one cell an author, row by row')
            page, rec = self.mod.TEMPLATES['gen-zh-clinicalmedbachelor-titlecell-hospitalteachertutor'](rng('ward'))
            self.assertEqual(page.doc.tables[0].rows[0].cells[1].text, rec['title'])
            fields = {r.cells[0].text: r.cells[1].text for r in page.doc.tables[1].rows}
            self.assertEqual(fields['学生姓名'], rec['authors'][0])
            self.assertTrue(fields['校内指导教师'].startswith(rec['supervisor']))
            self.assertNotIn(rec['supervisor'], fields['医院带教老师'], 'the ward teacher is not the supervisor')
            page, rec = self.en.TEMPLATES['gen-en-hydrosurvey-openfilereport-darkseriesband-cooperationline'](rng('ofr'))
            by = next(p.text for p in page.doc.paragraphs if p.text.startswith('By '))
            self.assertEqual(re.split(r',? and |, ', by[3:]), rec['authors'])
            page, rec = self.en.TEMPLATES['gen-en-soilscience-dissertation-finaloralcommittee-advisormarked'](rng('adv'))
            marked = [p.text.split(',')[0] for p in page.doc.paragraphs if p.text.endswith('(Advisor)')]
            self.assertEqual(marked, [rec['supervisor']], 'exactly one member is the advisor')

    def test_heads_and_bylines_of_the_papers_and_covers(self):
        import random
        import re
        for i in range(6):
            rng = lambda fam: random.Random('thirtysixth/%s/heads/%d' % (fam, i))
            page, rec = self.mod.TEMPLATES['gen-zh-lakesciencexuebao-flushrighthead-boxedabstract-circlednotes'](rng('head'))
            paras = page.doc.paragraphs
            k = next(j for j, p in enumerate(paras) if p.text == rec['title'])
            self.assertEqual(paras[k].alignment, paras[k + 1].alignment, 'title and byline both flush right')
            self.assertEqual(re.sub(r'\d', '', paras[k + 1].text).split('，'), rec['authors'])
            note = next(p.text for p in paras if p.text.startswith('②作者简介'))
            self.assertEqual(note[6:note.index('，')], rec['authors'][0], 'the note is about the first author')
            page, rec = self.mod.TEMPLATES['gen-zh-forestryagrimaster-bracketedtitle-bottomrightfields'](rng('corner'))
            self.assertIn('【%s】' % rec['title'], [p.text for p in page.doc.paragraphs])
            rows = [[c.text for c in r.cells] for r in page.doc.tables[0].rows]
            self.assertEqual({r[0] for r in rows}, {''}, 'the fields stand off to the right')
            self.assertEqual(rows[0][2], rec['authors'][0])
            self.assertTrue(rows[1][2].startswith(rec['supervisor']))
            page, rec = self.en.TEMPLATES['gen-en-fieldrobotics-extendedabstract-titlebanner-daggerkeyedaffils'](rng('ext'))
            self.assertEqual(page.doc.tables[0].rows[0].cells[0].text, rec['title'], 'the title in the banner')
            byline = next(p.text for p in page.doc.paragraphs if rec['authors'][0] in p.text)
            self.assertEqual(re.split(r', | and ', re.sub('[\u2020\u2021\u00a7]', '', byline)), rec['authors'])
            page, rec = self.en.TEMPLATES['gen-en-hydrosurvey-openfilereport-darkseriesband-cooperationline'](rng('coop'))
            coop = next(p.text for p in page.doc.paragraphs if p.text.startswith('Prepared in cooperation'))
            self.assertFalse([a for a in rec['authors'] if a in coop], 'the partner office is no author')


class ThirtyeighthTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The thirty-eighth set (blind part heldout38): new schools and wording, labels printed, the
    指导教师 or guide kept apart from the authors, the mark of each layout, the whole set in its part."""
    ROUND, PART, EARLIER = 'thirtyeighth', 'heldout38', 74
    MARKS = {'gen-zh-cropenvjournal-unitlinenamesauthors-postcodefirst': '作者单位：',
             'gen-zh-hydrochemdoctor-titlefirst-cosupervisorline': '副指导教师',
             'gen-zh-geriatricmedreview-expertcomment-photobiobox': '述评',
             'gen-zh-portengmaster-titlepage-supervisionprose': '硕士学位',
             'gen-zh-coastalengreview-contentslist-afterkeywords': '目\u3000次',
             'gen-en-atmoswaterlab-releasecoversheet-intendedforgrid': 'Intended for:',
             'gen-en-iotengproject-btechcover-guidecolumn-rollnumbers': 'Under the guidance of',
             'gen-en-envhealth-authormanuscript-publicaccesshead': 'Published in final edited form as:'}
    WITH_SUP = ('gen-zh-hydrochemdoctor-titlefirst-cosupervisorline', 'gen-zh-portengmaster-titlepage-supervisionprose',
                'gen-en-iotengproject-btechcover-guidecolumn-rollnumbers')

    def made(self, fam, i, what):
        import random
        mod = self.mod if fam.startswith('gen-zh') else self.en
        return mod.TEMPLATES[fam](random.Random('thirtyeighth/%s/%s/%d' % (fam, what, i)))

    def test_chinese_people_read_back_where_the_layout_puts_them(self):
        for i in range(6):
            page, rec = self.made('gen-zh-cropenvjournal-unitlinenamesauthors-postcodefirst', i, 'units')
            paras = [p.text for p in page.doc.paragraphs]
            k = paras.index(rec['title'])
            self.assertEqual(re.split('[\u3000，\u2002]', paras[k + 1]), rec['authors'], 'the byline holds the names alone')
            groups = paras[k + 2][len('作者单位：'):].split('；')
            named = [n for g in groups for n in re.split('[、\u2002]', g.split('（')[-1].rstrip('）') if '（' in g
                                                        else g.split('\u2002', 1)[1])]
            self.assertEqual(sorted(named), sorted(rec['authors']), 'each author named once, under his unit')
            self.assertIn(rec['authors'][0], re.split('[、\u2002（）]', groups[0]), 'the first unit is the first author\'s')
            page, rec = self.made('gen-zh-hydrochemdoctor-titlefirst-cosupervisorline', i, 'co')
            self.assertEqual(next(p.text for p in page.doc.paragraphs if p.text), rec['title'], 'the title comes first')
            rows = {r.cells[0].text.rstrip('：'): r.cells[1].text for r in page.doc.tables[0].rows}
            self.assertEqual(rows['博士研究生'], rec['authors'][0])
            self.assertTrue(rows['指导教师'].startswith(rec['supervisor']))
            self.assertFalse(rows['副指导教师'].startswith(rec['supervisor']), 'the co-supervisor is not the supervisor')
            page, rec = self.made('gen-zh-geriatricmedreview-expertcomment-photobiobox', i, 'bio')
            photo, bio = page.doc.tables[0].rows[0].cells
            self.assertEqual(photo.text.strip(), '', 'the photograph\'s frame is empty')
            self.assertTrue(re.sub('^(作者简介：|【作者简介】)', '', bio.text).startswith(rec['authors'][0] + '，'))
            page, rec = self.made('gen-zh-portengmaster-titlepage-supervisionprose', i, 'prose')
            prose = page.doc.tables[0].rows[0].cells[1].text
            self.assertLess(prose.index(rec['authors'][0]), prose.index(rec['supervisor']), 'the writer, then his guide')
            self.assertTrue(prose.endswith('硕士学位。') or prose.endswith('学位论文。'))
            page, rec = self.made('gen-zh-coastalengreview-contentslist-afterkeywords', i, 'toc')
            paras = [p.text for p in page.doc.paragraphs]
            self.assertEqual(re.sub(r'\d', '', paras[paras.index(rec['title']) + 1]).split('，'), rec['authors'])
            toc = [c.text for r in page.doc.tables[0].rows for c in r.cells if c.text]
            self.assertEqual([c.split('\u2002')[0] for c in toc], [str(n + 1) for n in range(len(toc))], 'the parts in order')
            self.assertLess(paras.index('目\u3000次'), paras.index('1\u2002引言'))

    def test_english_people_and_dates_read_back(self):
        for i in range(6):
            page, rec = self.made('gen-en-atmoswaterlab-releasecoversheet-intendedforgrid', i, 'lab')
            rows = {r.cells[0].text: r.cells[1].text for r in page.doc.tables[0].rows}
            self.assertEqual(rows['Title:'], rec['title'])
            self.assertEqual(rows['Author(s):'].split('\n'), rec['authors'], 'one author a line, in order')
            self.assertFalse([a for a in rec['authors'] if a in rows['Intended for:']], 'the venue is no author')
            page, rec = self.made('gen-en-iotengproject-btechcover-guidecolumn-rollnumbers', i, 'btech')
            left, right = [c.text.split('\n') for c in page.doc.tables[0].rows[0].cells]
            self.assertEqual(left[0], 'Submitted by')
            self.assertEqual([re.sub(r' \(\w+\)$', '', x) for x in left[1:] if x], rec['authors'])
            self.assertEqual(right[0], 'Under the guidance of')
            self.assertTrue(right[1].endswith(rec['supervisor']))
            self.assertNotIn(rec['supervisor'], rec['authors'])
            page, rec = self.made('gen-en-envhealth-authormanuscript-publicaccesshead', i, 'pmc')
            paras = [p.text for p in page.doc.paragraphs]
            free = next(p for p in paras if 'available in PMC' in p)
            self.assertIn('available in PMC %d ' % (rec['year'] + 1), free, 'free a year after print')
            printed = paras[paras.index('Published in final edited form as:') + 1]
            self.assertIn('. %d ' % rec['year'], printed)
            byline = paras[paras.index(rec['title']) + 1]
            self.assertEqual(re.findall(r'(?:^|, )([^,]+?), (?:MD|PhD|MPH|MS|DrPH)', re.sub(r'\d', ' ', byline)), rec['authors'])

    def test_heads_and_feet_say_what_their_layout_says(self):
        from genbase import zh_date
        for i in range(6):
            page, rec = self.made('gen-zh-cropenvjournal-unitlinenamesauthors-postcodefirst', i, 'head')
            self.assertTrue(page.doc.tables[0].rows[0].cells[1].text.startswith('%d，' % rec['year']), 'year, volume (issue): pages')
            for fam in ('gen-zh-hydrochemdoctor-titlefirst-cosupervisorline', 'gen-zh-portengmaster-titlepage-supervisionprose'):
                page, rec = self.made(fam, i, 'foot')
                paras = [p.text for p in page.doc.paragraphs if p.text]
                self.assertIn(paras[-1], [zh_date(rec['year'], m) for m in (5, 6, 12)] +
                              ['%d年%d月' % (rec['year'], m) for m in (5, 6, 12)], 'the date closes the page')
                school = next(s[0] for s in self.mod.SCHOOLS if s[0] in paras[-2])
                self.assertFalse([p for p in paras[:paras.index(rec['title'])] if school in p], 'no school over the title')
            page, rec = self.made('gen-zh-coastalengreview-contentslist-afterkeywords', i, 'units')
            paras = [p.text for p in page.doc.paragraphs]
            marks = set(re.findall(r'\d', paras[paras.index(rec['title']) + 1]))
            self.assertEqual(marks, set(re.findall(r'(\d)\. ', paras[paras.index(rec['title']) + 2])), 'a unit for every mark')
            page, rec = self.made('gen-en-atmoswaterlab-releasecoversheet-intendedforgrid', i, 'number')
            paras = [p.text for p in page.doc.paragraphs if p.text]
            self.assertRegex(paras[0], r'^[A-Z]+-UR-%02d-\d{5}$' % (rec['year'] % 100))
            self.assertFalse([a for a in rec['authors'] if a in paras[-1]], 'the fine print names no author')
            page, rec = self.made('gen-en-iotengproject-btechcover-guidecolumn-rollnumbers', i, 'foot')
            paras = [p.text for p in page.doc.paragraphs if p.text]
            self.assertTrue(paras[-1].endswith(str(rec['year'])), 'the month or the academic year ends in the year')
            branch = paras[paras.index('in') + 1]
            self.assertIn('DEPARTMENT OF ' + branch, paras)
class ThirtyninthTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The thirty-ninth set (blind part heldout39): new schools and wording, labels printed, the
    指导教师 or supervisor kept apart from the author, the mark of each layout, the whole set in its part."""
    ROUND, PART, EARLIER = 'thirtyninth', 'heldout39', 76
    MARKS = {'gen-zh-mgmtxuebao-darktitleband-circledunits-twocolbody': '学报（社会科学版）',
             'gen-zh-mpamaster-titlefirst-schoolatfoot': '专业学位类别',
             'gen-zh-sociologyworkingpaper-wpnumbercell-authortablebelowabstract': '作者信息',
             'gen-zh-designbachelor-landscapecover-titleleftfieldsright': '完成日期',
             'gen-zh-artsjournal-flushlefthead-contributionstatementfoot': '作者贡献声明',
             'gen-zh-tourismmgmtconf-headinframedcell-abstractoutside': '通讯作者',
             'gen-en-educationpolicy-researchreport-suggestedcitationbox-authorpostlines': 'Suggested citation',
             'gen-en-businessadmin-thesistitlepage-submittedsupervisedcolumns': 'Supervised by'}
    WITH_SUP = ('gen-zh-mpamaster-titlefirst-schoolatfoot', 'gen-zh-designbachelor-landscapecover-titleleftfieldsright',
                'gen-en-businessadmin-thesistitlepage-submittedsupervisedcolumns')

    def page(self, mod, fam, tag, i):
        import random
        return mod.TEMPLATES[fam](random.Random('thirtyninth/%s/%s/%d' % (fam, tag, i)))

    def test_heads_stand_where_the_layout_puts_them(self):
        import re
        for i in range(6):
            page, rec = self.page(self.mod, 'gen-zh-mgmtxuebao-darktitleband-circledunits-twocolbody', 'band', i)
            self.assertEqual(page.doc.tables[0].rows[0].cells[0].text, rec['title'], 'the title on the dark band')
            byline = next(p.text for p in page.doc.paragraphs if rec['authors'][0] in p.text)
            self.assertEqual(re.split('[，\u3000]', re.sub('[①②]', '', byline)), rec['authors'])
            self.assertEqual(len(page.doc.sections), 2, 'the text in a section of its own, in two columns')
            page, rec = self.page(self.mod, 'gen-zh-mpamaster-titlefirst-schoolatfoot', 'first', i)
            paras = [p.text for p in page.doc.paragraphs if p.text]
            k = next(j for j, p in enumerate(paras) if p == rec['title'])
            self.assertLessEqual(k, 1, 'the title stands first, under the code line at most')
            school = next(j for j, p in enumerate(paras) if p.endswith('学院'))
            fields = {p.split('：')[0]: p.split('：')[1] for p in paras if '：' in p and '学号' not in p}
            self.assertGreater(school, k + len(fields), 'the school at the foot, under the fields')
            self.assertEqual(fields['申\u2002请\u2002人'], rec['authors'][0])
            self.assertTrue(fields['指导教师'].startswith(rec['supervisor']))
            self.assertFalse('校外导师' in fields and rec['supervisor'] in fields['校外导师'])
            page, rec = self.page(self.mod, 'gen-zh-designbachelor-landscapecover-titleleftfieldsright', 'wide', i)
            sec = page.doc.sections[0]
            self.assertGreater(sec.page_width, sec.page_height, 'a landscape page')
            left, right = page.doc.tables[0].rows[0].cells
            self.assertEqual(left.text.split('\n')[-1], rec['title'])
            lines = dict(l.split('：', 1) for l in right.text.split('\n'))
            self.assertEqual(lines['学生姓名'], rec['authors'][0])
            self.assertEqual(lines['指导教师'].split('（')[0], rec['supervisor'])
            page, rec = self.page(self.en, 'gen-en-businessadmin-thesistitlepage-submittedsupervisedcolumns', 'cols', i)
            left, right = page.doc.tables[0].rows[0].cells
            self.assertEqual(left.text.split('\n')[:2], ['Submitted by', rec['authors'][0]])
            self.assertTrue(right.text.split('\n')[1].endswith(rec['supervisor']))
            self.assertEqual(right.text.split('\n')[2], '(Principal Supervisor)', 'a co-supervisor comes after')

    def test_authors_read_back_in_order_from_tables_notes_and_citations(self):
        import re
        for i in range(6):
            page, rec = self.page(self.mod, 'gen-zh-sociologyworkingpaper-wpnumbercell-authortablebelowabstract', 'wp', i)
            self.assertEqual([r.cells[0].text for r in page.doc.tables[1].rows], rec['authors'], 'no header row')
            paras = [p.text for p in page.doc.paragraphs]
            self.assertTrue(paras.index('作者信息') > next(j for j, p in enumerate(paras) if p.startswith('摘要')))
            page, rec = self.page(self.mod, 'gen-zh-artsjournal-flushlefthead-contributionstatementfoot', 'credit', i)
            note = next(p.text for p in page.doc.paragraphs if p.text.startswith('作者贡献声明'))
            self.assertEqual(re.findall(r'[：；](\S+?)负责', note), rec['authors'], 'one duty an author, in order')
            self.assertEqual({p.alignment for p in page.doc.paragraphs if p.text == rec['title']}, {0})
            page, rec = self.page(self.mod, 'gen-zh-tourismmgmtconf-headinframedcell-abstractoutside', 'frame', i)
            cell = page.doc.tables[0].rows[0].cells[0].text.split('\n')
            self.assertEqual(cell[0], rec['title'], 'the head in the frame')
            self.assertEqual(re.sub(r'\d', '', cell[1]).split('，'), rec['authors'])
            self.assertIn(cell[-1][5:cell[-1].index('，')], rec['authors'], 'the corresponding author is an author')
            self.assertFalse([p.text for p in page.doc.paragraphs if p.text.startswith(rec['title'])], 'nothing outside')
            page, rec = self.page(self.en, 'gen-en-educationpolicy-researchreport-suggestedcitationbox-authorpostlines',
                                  'cite', i)
            cite = page.doc.tables[1].rows[0].cells[0].text
            self.assertTrue(cite.startswith('Suggested citation: '))
            named = cite[20:cite.index(' (%d)' % rec['year'])]
            self.assertEqual(re.findall(r"(\w[\w']*), (?:\w\. ?)+", named),
                             [a.split()[-1] for a in rec['authors']], 'surnames first, in order')
            self.assertIn('(%d). %s.' % (rec['year'], rec['title']), cite)
            posts = [p.text.split(', ')[0] for p in page.doc.paragraphs if p.text.split(', ')[0] in rec['authors']]
            self.assertEqual(posts, rec['authors'], 'one line an author, with the post after a comma')

    def test_unit_marks_point_at_printed_units(self):
        import re
        for i in range(8):
            page, rec = self.page(self.mod, 'gen-zh-mgmtxuebao-darktitleband-circledunits-twocolbody', 'marks', i)
            paras = [p.text for p in page.doc.paragraphs]
            k = next(j for j, p in enumerate(paras) if rec['authors'][0] in p)
            used, units = set(re.findall('[①②]', paras[k])), paras[k + 1]
            self.assertTrue(units.startswith('（') and units.endswith('）'), 'the units in brackets under the byline')
            self.assertEqual(used, set(re.findall('[①②]', units)), 'every mark a unit, every unit marked')
            page, rec = self.page(self.mod, 'gen-zh-tourismmgmtconf-headinframedcell-abstractoutside', 'marks', i)
            cell = page.doc.tables[0].rows[0].cells[0].text.split('\n')
            self.assertEqual(set(re.findall(r'\d', cell[1])), set(re.findall(r'(\d)\. ', cell[2])))


class FortiethTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The fortieth set (blind part heldout40): new schools and wording, labels printed, the 指导教师
    or supervisor kept apart from the author, the mark of each layout, the whole set in its part."""
    ROUND, PART, EARLIER = 'fortieth', 'heldout40', 78
    MARKS = {'gen-zh-agritechmagazine-headinsidefirstcolumn': '\u258c',
             'gen-zh-foodscimeeting-keynoteabstract-photoframebeside': '报告人简介',
             'gen-zh-hydroenvmaster-labelrowvaluerowstrip': '学科专业',
             'gen-zh-mecheng-designcover-drawingtitleblock': '图号',
             'gen-zh-chemxuebao-graphicalabstractbox-twocolbody': '学报（自然科学版）',
             'gen-en-energysystems-mscthesis-supervisorexaminerlines-placeyearfoot': 'Examiner: ',
             'gen-en-wetlandsoils-meetingabstract-sessioncodestrip-parennumberedaffils': 'Session: ',
             'gen-en-bioenergylab-technicalreport-reportnumberfootblock-supnumberedaffils': 'Technical Report'}
    WITH_SUP = ('gen-zh-hydroenvmaster-labelrowvaluerowstrip', 'gen-zh-mecheng-designcover-drawingtitleblock',
                'gen-en-energysystems-mscthesis-supervisorexaminerlines-placeyearfoot')

    def page(self, mod, fam, tag, i):
        import random
        return mod.TEMPLATES[fam](random.Random('fortieth/%s/%s/%d' % (fam, tag, i)))

    @staticmethod
    def body(page):
        """The document's blocks in reading order: ('p', text, element) or ('t', table text, element)."""
        from docx.table import Table
        from docx.text.paragraph import Paragraph
        out = []
        for el in page.doc.element.body.iterchildren():
            if el.tag.endswith('}p'):
                out.append(('p', Paragraph(el, page.doc).text, el))
            elif el.tag.endswith('}tbl'):
                t = Table(el, page.doc)
                out.append(('t', '|'.join(c.text for r in t.rows for c in r.cells), el))
        return out

    def test_heads_and_fields_stand_where_the_layout_puts_them(self):
        import re
        for i in range(6):
            page, rec = self.page(self.mod, 'gen-zh-agritechmagazine-headinsidefirstcolumn', 'col', i)
            blocks = self.body(page)
            brk = next(k for k, b in enumerate(blocks) if b[2].xpath('./w:pPr/w:sectPr'))
            k = next(j for j, b in enumerate(blocks) if b[1] == rec['title'])
            self.assertGreater(k, brk, 'the title stands inside the two-column section')
            self.assertEqual(page.doc.sections[-1]._sectPr.xpath('./w:cols/@w:num'), ['2'])
            self.assertEqual(re.split('[，\u3000\u2002]+', blocks[k + 1][1]), rec['authors'])
            page, rec = self.page(self.mod, 'gen-zh-hydroenvmaster-labelrowvaluerowstrip', 'strip', i)
            labels, values = [[c.text for c in r.cells] for r in page.doc.tables[0].rows]
            self.assertEqual(labels, ['研究生', '指导教师', '学科专业', '研究方向', '完成时间'], 'a row of labels')
            self.assertEqual(values[0], rec['authors'][0])
            self.assertEqual(values[1].split('\n')[0], rec['supervisor'], 'the rank under the name, if any')
            kinds = [b[0] for b in self.body(page) if b[1]]
            self.assertEqual(kinds[-2:], ['t', 'p'], 'the strip, then only the unit at the foot')
            page, rec = self.page(self.mod, 'gen-zh-mecheng-designcover-drawingtitleblock', 'block', i)
            self.assertEqual(page.doc.tables[0].rows[0].cells[1].text, rec['title'], 'the title in the title block')
            signed = {r.cells[0].text: r.cells[1].text for r in page.doc.tables[1].rows}
            self.assertEqual((signed['设计'], signed['指导']), (rec['authors'][0], rec['supervisor']))
            self.assertFalse({signed['审核'], signed['批准']} & {rec['authors'][0], rec['supervisor']})
            self.assertTrue(page.doc.sections[0]._sectPr.xpath('./w:pgBorders'), 'a frame round the sheet')
            page, rec = self.page(self.en, 'gen-en-energysystems-mscthesis-supervisorexaminerlines-placeyearfoot', 'ex', i)
            paras = [p.text for p in page.doc.paragraphs if p.text]
            self.assertEqual(paras[0], rec['title'], 'the title first')
            sup = next(p for p in paras if p.startswith('Supervisor: '))
            exam = next(p for p in paras if p.startswith('Examiner: '))
            self.assertEqual(sup[12:].split(', ')[0], rec['supervisor'])
            self.assertNotIn(rec['supervisor'], exam, 'the examiner is someone else')
            self.assertTrue(paras[-1].endswith(str(rec['year'])), 'place and year at the foot')

    def test_bylines_read_back_with_their_unit_numbers(self):
        import re
        for i in range(8):
            page, rec = self.page(self.mod, 'gen-zh-chemxuebao-graphicalabstractbox-twocolbody', 'ga', i)
            blocks = self.body(page)
            k = next(j for j, b in enumerate(blocks) if b[1] == rec['title'])
            self.assertEqual(re.split('[，\u3000]', re.sub(r'\d', '', blocks[k + 1][1])), rec['authors'])
            units = [b[1] for b in blocks[k + 2:] if b[1].startswith('（')]
            used = set(re.findall(r'\d', blocks[k + 1][1]))
            self.assertEqual(used, {u[1] for u in units if u[2:3] == '.'}, 'every number a unit, every unit used')
            box = next(j for j, b in enumerate(blocks) if b[0] == 't')
            self.assertTrue(blocks[box - 1][1].startswith('关键词'), 'the graphical abstract after the keywords')
            page, rec = self.page(self.mod, 'gen-zh-foodscimeeting-keynoteabstract-photoframebeside', 'talk', i)
            head, photo = page.doc.tables[0].rows[0].cells
            lines = head.text.split('\n')
            self.assertEqual(lines[0], rec['title'])
            self.assertEqual(re.split('[，\u3000]', lines[1]), rec['authors'])
            self.assertIn('照片', photo.text)
            bio = next(p.text for p in page.doc.paragraphs if p.text.startswith('报告人简介'))
            self.assertEqual(bio[6:bio.index('，')], rec['authors'][0], 'the speaker is the first author')
            page, rec = self.page(self.en, 'gen-en-wetlandsoils-meetingabstract-sessioncodestrip-parennumberedaffils', 'ab', i)
            paras = [p.text for p in page.doc.paragraphs if p.text]
            byline = paras[paras.index(rec['title']) + 1]
            self.assertEqual(re.sub(r' \(\d\)', '', byline).split(', '), rec['authors'])
            used = set(re.findall(r'\((\d)\)', byline))
            affils = set(re.findall(r'^\((\d)\) ', '\n'.join(paras), re.M))
            self.assertEqual(used, affils)
            self.assertEqual(paras[-1], 'Keywords: ' + ', '.join(rec['keywords']))
            page, rec = self.page(self.en, 'gen-en-bioenergylab-technicalreport-reportnumberfootblock-supnumberedaffils',
                                  'tr', i)
            paras = [p for p in page.doc.paragraphs if p.text]
            by = paras[paras.index(next(p for p in paras if p.text == rec['title'])) + 1]
            names = ''.join(r.text for r in by.runs if not r.font.superscript).replace('\u2009', '')
            self.assertEqual(re.split(', and |, | and ', names), rec['authors'])
            marks = {r.text for r in by.runs if r.font.superscript}
            self.assertEqual(marks, {p.runs[0].text for p in paras if p.runs[0].font.superscript}, 'each number placed')
            foot = page.doc.tables[0].rows[0].cells[0].text.split('\n')
            self.assertEqual(foot[0], 'Technical Report')
            self.assertTrue(foot[2].endswith(str(rec['year'])))
class FortyfirstTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The forty-first set (blind part heldout41): new schools and wording, labels printed, the
    导师 or supervisor kept apart from the author, the mark of each layout, the whole set in its part."""
    ROUND, PART, EARLIER = 'fortyfirst', 'heldout41', 80
    MARKS = {'gen-zh-econreprint-digesthead-yuanwenchuchu-bracketblocks': '【原文出处】',
             'gen-zh-philosophymaster-schooldegreeheadrow-barsepfootline': '专业：',
             'gen-zh-mgmtconf-twocolfromabstract-unitsinpagefooter': '县域管理学术年会',
             'gen-zh-eduxuebao-blackjournaltab-bylineafterkeywords': '中图分类号',
             'gen-zh-thinktank-policybrief-issueblock-authorsatfoot': '本期作者',
             'gen-zh-artedjournal-oneauthorperline-unitbeside-doicorner': 'DOI：10.',
             'gen-en-heritagelaw-llmdissertation-particularstable-wordcount': 'Word count',
             'gen-en-managementcase-productnumber-wrotethiscasestatement': 'wrote this case'}
    WITH_SUP = ('gen-zh-philosophymaster-schooldegreeheadrow-barsepfootline',
                'gen-en-heritagelaw-llmdissertation-particularstable-wordcount')

    def test_heads_and_bylines_stand_where_the_layout_puts_them(self):
        import re
        for i in range(6):
            page, rec, paras = self.page(self.mod, 'gen-zh-econreprint-digesthead-yuanwenchuchu-bracketblocks', 'digest', i)
            k = paras.index(rec['title'])
            self.assertEqual(re.split('\u3000+', paras[k + 1]), rec['authors'], 'the byline under the title')
            order = [self.at(paras, b) for b in ('【原文出处】', '【作者简介】', '【内容提要】', '【关 键 词】')]
            self.assertEqual(order, sorted(order))
            self.assertGreater(order[0], k + 1)
            self.assertIn('学报》', paras[order[0]])
            self.assertEqual(re.findall(r'(?:】|；)(\S+?)，', paras[order[1]]), rec['authors'], 'one post an author')
            page, rec, paras = self.page(self.mod, 'gen-zh-philosophymaster-schooldegreeheadrow-barsepfootline', 'bar', i)
            school, kind = page.doc.tables[0].rows[0].cells
            self.assertTrue(school.text.endswith('学院') and kind.text.endswith('论文'), 'school and kind in one row')
            foot = dict(f.split('：') for f in re.split('｜| \\| |\u3000/\u3000', paras[-1]) if '：' in f)
            self.assertIn(foot.get('作者', foot.get('研究生')), rec['authors'])
            self.assertEqual(foot.get('导师', foot.get('指导教师')).split('\u2002')[0], rec['supervisor'])
            self.assertEqual([p for p in paras if p][-2:-1], [rec['title']], 'the title just above the foot line')
            page, rec, paras = self.page(self.mod, 'gen-zh-eduxuebao-blackjournaltab-bylineafterkeywords', 'tab', i)
            tab = page.doc.tables[0].rows[0].cells[0]
            self.assertIn(tab.text, ['%s学报' % s[0] for s in self.mod.SCHOOLS])
            self.assertEqual({str(r.font.color.rgb) for r in tab.paragraphs[0].runs}, {'FFFFFF'}, 'white on the tab')
            by = self.at(paras, '作')
            self.assertLess(self.at(paras, '关键词'), by)
            self.assertLess(by, self.at(paras, '中图分类号'))
            self.assertEqual(re.findall(r'(?:：|；)(\S+?)（', paras[by]), rec['authors'], 'each name before its unit')
            self.assertFalse([a for a in rec['authors'] for p in paras[:by] if a in p], 'no byline above')

    def test_authors_apart_from_units_reviewers_and_protagonists(self):
        import re
        for i in range(6):
            page, rec, paras = self.page(self.mod, 'gen-zh-mgmtconf-twocolfromabstract-unitsinpagefooter', 'foot', i)
            foot = page.doc.sections[0].footer.paragraphs[0].text
            self.assertTrue(foot.startswith('作者单位：'))
            self.assertEqual(re.findall(r'(?:：|；)(\S+?)，', foot), rec['authors'], 'the units in the footer, in order')
            brk = next(j for j, p in enumerate(page.doc.paragraphs) if p._p.pPr is not None and p._p.pPr.sectPr is not None)
            self.assertLess(paras.index(rec['title']), brk)
            self.assertLess(brk, self.at(paras, '摘要'), 'the abstract opens the two columns')
            page, rec, paras = self.page(self.mod, 'gen-zh-thinktank-policybrief-issueblock-authorsatfoot', 'brief', i)
            by = paras[self.at(paras, '本期作者')]
            self.assertEqual(by[5:by.index('（')].split('、'), rec['authors'])
            others = re.findall(r'(?:审核|责任编辑)：(\S+)', paras[self.at(paras, '审核')])
            self.assertEqual(len(others), 2)
            self.assertFalse(set(others) & set(rec['authors']), 'the reviewer and the editor are no authors')
            page, rec, paras = self.page(self.mod, 'gen-zh-artedjournal-oneauthorperline-unitbeside-doicorner', 'lines', i)
            self.assertEqual([p.runs[0].text for p in page.doc.paragraphs if '）' in p.text and p.runs[0].text in rec['authors']],
                             rec['authors'], 'one author a line, in order')
            doi = page.doc.tables[0].rows[0].cells[1].text
            self.assertTrue(doi.startswith('DOI：10.') and '.%d.' % rec['year'] in doi)
            page, rec, paras = self.page(self.en, 'gen-en-heritagelaw-llmdissertation-particularstable-wordcount', 'llm', i)
            rows = {r.cells[0].text: r.cells[1].text for r in page.doc.tables[0].rows}
            self.assertEqual(rows['Candidate'], rec['authors'][0])
            self.assertTrue(rows['Supervisor'].endswith(rec['supervisor']))
            self.assertTrue(rows['Date of submission'].endswith(str(rec['year'])))
            self.assertIn('Academic year %d\u2013%02d' % (rec['year'] - 1, rec['year'] % 100), paras, 'the year of submission ends the academic year')
            page, rec, paras = self.page(self.en, 'gen-en-managementcase-productnumber-wrotethiscasestatement', 'case', i)
            said = paras[self.at(paras, rec['authors'][0])]
            self.assertTrue(said.startswith(self.en.joined(rec['authors']) + ' wrote this case solely'))
            hero = re.match(r'In \w+ \d{4}, (.+?), the general manager', paras[self.at(paras, 'In ')]).group(1)
            self.assertNotIn(hero, rec['authors'], 'the protagonist is no author')
            self.assertRegex(page.doc.tables[0].rows[0].cells[1].text, r'^\dB%02dM\d{3}$' % (rec['year'] % 100))


class FortysecondTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The forty-second set (blind part heldout42): new schools and wording, labels printed, the
    导师组's head or advisor kept apart from the authors, the mark of each layout, the whole set in its part."""
    ROUND, PART, EARLIER = 'fortysecond', 'heldout42', 82
    MARKS = {'gen-zh-coldagrieng-proceedingspage-prevpaperreferencestail': '参考文献：',
             'gen-zh-clinicaldoctor-supervisorgroupline-hospitalunit': '导 师 组：',
             'gen-zh-coldenvjournal-graphicalabstractbox-beforeabstract': '图文摘要',
             'gen-zh-computingxuebao-equalcontributiondagger-corrstarfootnotes': '*通信作者：',
             'gen-zh-coldmeteojournal-datesribbon-editorlineunderunits': '（责任编辑：',
             'gen-en-coldregionmed-researchletter-authorsaftertext-articleinfo': 'Author Affiliations: ',
             'gen-en-envcomputing-srcabstract-advisorline-twocolumn': 'Student Research Competition',
             'gen-en-wetlandscience-manuscripttitlepage-runningtitle-wordcounts': 'Running title: '}
    WITH_SUP = ('gen-zh-clinicaldoctor-supervisorgroupline-hospitalunit',
                'gen-en-envcomputing-srcabstract-advisorline-twocolumn')

    @staticmethod
    def byline(paras, rec):
        """The byline's names without their marks, as the house prints them."""
        import re
        k = paras.index(rec['title']) + 1
        return [n for n in re.split('[，\u3000\u2002]', re.sub(r'[\d†*]', '', paras[k])) if n], paras[k + 1]

    def test_heads_stand_where_the_layout_puts_them(self):
        import re
        for i in range(6):
            page, rec, paras = self.page(self.mod, 'gen-zh-coldagrieng-proceedingspage-prevpaperreferencestail', 'proc', i)
            head = page.doc.tables[0].rows[0].cells[0].text
            self.assertIn(str(rec['year']), head)
            self.assertIn('论文集', head)
            refs = [p for p in paras if re.match(r'\[\d+\] ', p)]
            self.assertGreaterEqual(len(refs), 2)
            self.assertLess(self.at(paras, '['), paras.index(rec['title']), "the paper before ends above the title")
            self.assertFalse([a for a in rec['authors'] for r in refs if a in r], 'the cited are not the authors')
            self.assertFalse([r for r in refs if int(re.search(r'，(\d{4})，', r).group(1)) >= rec['year']])
            names, units = self.byline(paras, rec)
            self.assertEqual(names, rec['authors'])
            self.assertTrue(units.startswith('（') and units.endswith('）'))
            page, rec, paras = self.page(self.mod, 'gen-zh-clinicaldoctor-supervisorgroupline-hospitalunit', 'group', i)
            group = paras[self.at(paras, '导 师 组')].split('：', 1)[1]
            named = re.split('[、；]', re.sub(r'（组长）|组长\u2002|成员\u2002', '', group))
            self.assertEqual(named[0], rec['supervisor'], 'the head of the group first')
            self.assertTrue('%s（组长）' % rec['supervisor'] in group or group.startswith('组长\u2002' + rec['supervisor']))
            self.assertGreaterEqual(len(named), 2)
            self.assertNotIn(rec['authors'][0], named)
            self.assertEqual(paras[self.at(paras, '研 究 生')].split('：')[1], rec['authors'][0])
            self.assertLess(paras.index(rec['title']), self.at(paras, '研 究 生'), 'the title above the particulars')
            page, rec, paras = self.page(self.mod, 'gen-zh-coldenvjournal-graphicalabstractbox-beforeabstract', 'ga', i)
            names, units = self.byline(paras, rec)
            self.assertEqual(names, rec['authors'])
            ga = paras.index('图文摘要')
            self.assertLess(paras.index(units), ga)
            self.assertLess(ga, self.at(paras, '摘'), 'the graphical abstract before 摘要')
            self.assertIn('[图]', page.doc.tables[1].rows[0].cells[0].text)
            self.assertIn('%d年' % rec['year'], page.doc.tables[0].rows[0].cells[0].text)

    def test_authors_apart_from_notes_editors_and_advisors(self):
        import re
        for i in range(6):
            page, rec, paras = self.page(self.mod, 'gen-zh-computingxuebao-equalcontributiondagger-corrstarfootnotes', 'star', i)
            names, units = self.byline(paras, rec)
            self.assertEqual(names, rec['authors'])
            corr = re.match(r'\*通信作者：(\S+?)，', paras[self.at(paras, '*通信作者')]).group(1)
            self.assertIn(corr, rec['authors'])
            k = paras.index(rec['title']) + 1
            self.assertEqual(paras[k].count('*'), 1, 'one corresponding author')
            if '†' in paras[k]:
                self.assertEqual(paras[self.at(paras, '†')], '†共同第一作者（%s与%s对本文贡献相同）' % tuple(rec['authors'][:2]))
            self.assertLess(self.at(paras, '收稿日期'), self.at(paras, '*通信作者'), 'the notes close the page')
            page, rec, paras = self.page(self.mod, 'gen-zh-coldmeteojournal-datesribbon-editorlineunderunits', 'ed', i)
            names, units = self.byline(paras, rec)
            self.assertEqual(names, rec['authors'])
            ed = paras.index(units) + 1
            editor = re.fullmatch(r'（责任编辑：(\S+)）', paras[ed]).group(1)
            self.assertNotIn(editor, rec['authors'], 'the editor is no author')
            ribbon = page.doc.tables[0].rows[0].cells
            self.assertIn('%d年第' % rec['year'], ribbon[0].text)
            self.assertTrue(ribbon[1].text.startswith('收稿日期：%d-' % (rec['year'] - 1)), 'received the year before')
            page, rec, paras = self.page(self.en, 'gen-en-coldregionmed-researchletter-authorsaftertext-articleinfo', 'rl', i)
            k = self.at(paras, 'Discussion') + 1
            self.assertEqual([n.split(', ')[0] for n in paras[k].split('; ')],
                             rec['authors'], 'the names after the text, each with degrees')
            self.assertFalse([a for a in rec['authors'] for p in paras[:k] if a in p], 'no byline above')
            self.assertIn(str(rec['year']), paras[self.at(paras, 'Accepted for Publication')])
            page, rec, paras = self.page(self.en, 'gen-en-envcomputing-srcabstract-advisorline-twocolumn', 'src', i)
            k = paras.index(rec['title'])
            self.assertEqual(paras[k + 1:k + 1 + len(rec['authors'])], rec['authors'], 'one student a line')
            adv = paras[self.at(paras, next(w for w in ('Advisor', 'Research Advisor', 'Supervised by')
                                           if any(p.startswith(w) for p in paras)))]
            self.assertTrue(adv.endswith(' ' + rec['supervisor']))
            self.assertIn(str(rec['year']), paras[0])
            page, rec, paras = self.page(self.en, 'gen-en-wetlandscience-manuscripttitlepage-runningtitle-wordcounts', 'ms', i)
            k = paras.index(rec['title']) + 1
            self.assertEqual(re.findall(r'([^,*\d]+?),?\*?\d ?', paras[k]), rec['authors'], 'names with their marks in order')
            self.assertIn('*', paras[k])
            self.assertTrue(paras[self.at(paras, 'Corresponding author')].startswith('Corresponding author: ' + rec['authors'][-1]))
            self.assertEqual(paras[self.at(paras, 'Keywords')], 'Keywords: ' + '; '.join(rec['keywords']))
            self.assertTrue(paras[-1].endswith(str(rec['year'])))


class FortythirdTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The forty-third set (blind part heldout43): new schools and wording, labels printed, the
    指导教师 or advisor kept apart from the authors, the translators, teachers, curators, chairs and
    cited authors who stand on the page and are none, the whole set in its part."""
    ROUND, PART, EARLIER = 'fortythird', 'heldout43', 84
    MARKS = {'gen-zh-museologyjournal-translatedarticle-zhuyiline-translatorfoot': '译者简介',
             'gen-zh-econmaster-labelrowtable-valuesbelow-rankundername': '学科专业',
             'gen-zh-mediaforum-meetingcellleft-titlecellright': '论文编号',
             'gen-zh-teachingjournal-lessonstudy-pingxibyline-zhijiaogrid': '课例研究',
             'gen-zh-artcriticism-exhibitionreview-exhibitiongrid-curatornotauthor': '展览名称',
             'gen-zh-ethnologyfieldwork-reportcover-diaochafields': '调查地点',
             'gen-en-ethnomusicologymeeting-panelpaper-chairdiscussantline': 'Discussant: ',
             'gen-en-culturaleconjournal-comment-commentonbox-jelline': 'Comment on: '}
    WITH_SUP = ('gen-zh-econmaster-labelrowtable-valuesbelow-rankundername',
                'gen-zh-ethnologyfieldwork-reportcover-diaochafields')

    def test_heads_grids_and_bylines_stand_where_the_layout_puts_them(self):
        import re
        for i in range(6):
            page, rec, paras = self.page(self.mod, 'gen-zh-museologyjournal-translatedarticle-zhuyiline-translatorfoot', 'tr', i)
            by = paras[paras.index(rec['title']) + 1]
            self.assertEqual(re.findall('〔.〕([^〔\u3000、／]+)', by), rec['authors'], 'each author after the country')
            translator = re.search('([^\u3000／]+)(?:\u3000|／)译', by).group(1)
            self.assertNotIn(translator, rec['authors'])
            self.assertTrue(paras[self.at(paras, '译者简介')].startswith('译者简介：%s，' % translator))
            page, rec, paras = self.page(self.mod, 'gen-zh-econmaster-labelrowtable-valuesbelow-rankundername', 'row', i)
            labels, values = ([c.text for c in r.cells] for r in page.doc.tables[0].rows)
            self.assertEqual(labels[:2], ['研究生', '指导教师'])
            self.assertEqual(values[0], rec['authors'][0])
            self.assertEqual(values[1].split('\n')[0], rec['supervisor'], 'the rank under the name, not beside it')
            self.assertIn(labels[-1], '完成时间')
            page, rec, paras = self.page(self.mod, 'gen-zh-mediaforum-meetingcellleft-titlecellright', 'cell', i)
            meeting, head = (c.text.split('\n') for c in page.doc.tables[0].rows[0].cells)
            self.assertTrue(meeting[-1].startswith('论文编号') and str(rec['year']) in meeting[2])
            self.assertEqual(head[0], rec['title'])
            self.assertEqual(re.split('\u3000|，|、', head[1]), rec['authors'])
            self.assertNotIn(rec['title'], paras, 'the title only in the head cell')
            page, rec, paras = self.page(self.mod, 'gen-zh-teachingjournal-lessonstudy-pingxibyline-zhijiaogrid', 'lesson', i)
            by = paras[paras.index(rec['title']) + 1]
            self.assertEqual(re.split('\u3000|、', re.sub('^(?:课例)?评析[：\u3000]', '', by)), rec['authors'])
            grid = page.doc.tables[1].rows[0].cells
            self.assertEqual(grid[2].text, '执\u3000教')
            self.assertNotIn(grid[3].text, rec['authors'], 'the teacher of the lesson is no author')
            self.assertTrue(paras[-1].startswith('（作者单位：'))

    def test_people_beside_the_authors_are_none_of_them(self):
        import re
        for i in range(6):
            page, rec, paras = self.page(self.mod, 'gen-zh-artcriticism-exhibitionreview-exhibitiongrid-curatornotauthor', 'show', i)
            by = paras[paras.index(rec['title']) + 1]
            self.assertEqual(re.split('\u3000|、', re.sub('^(?:撰文[：\u3000]|文　)', '', by)), rec['authors'])
            rows = {r.cells[0].text: r.cells[1].text for r in page.doc.tables[1].rows}
            self.assertNotIn(rows['策\u2002展\u2002人'], rec['authors'], 'the curator is no author')
            self.assertTrue(rows['展\u3000\u3000期'].startswith(str(rec['year'])))
            page, rec, paras = self.page(self.mod, 'gen-zh-ethnologyfieldwork-reportcover-diaochafields', 'field', i)
            fields = dict(p.split('：', 1) for p in paras if '：' in p)
            self.assertEqual(fields['调\u2002查\u2002人'].split('、'), rec['authors'])
            self.assertTrue(fields['指导教师'].startswith(rec['supervisor']))
            self.assertLess(paras.index(rec['title']), self.at(paras, '调\u2002查\u2002人'), 'the title above the fields')
            page, rec, paras = self.page(self.en, 'gen-en-ethnomusicologymeeting-panelpaper-chairdiscussantline', 'panel', i)
            chair, disc = re.match(r'Chair: (.+?)(?: \u00b7 |    |; )Discussant: (.+)$', paras[2]).groups()
            self.assertFalse({chair, disc} & set(rec['authors']), 'the chair and the discussant are no authors')
            k = paras.index(rec['title'])
            self.assertEqual([p.split(', ')[0] for p in paras[k + 1:k + 1 + len(rec['authors'])]], rec['authors'])
            page, rec, paras = self.page(self.en, 'gen-en-culturaleconjournal-comment-commentonbox-jelline', 'comment', i)
            box = page.doc.tables[1].rows[0].cells[0].text
            self.assertTrue(box.startswith('Comment on: '))
            cited = re.match(r'Comment on: (.+?) \(\d{4}\)', box).group(1).split(' and ')
            self.assertFalse(set(cited) & {a.split()[-1] for a in rec['authors']}, 'the commented paper\'s authors are not ours')
            self.assertTrue(page.doc.tables[0].rows[0].cells[0].text.endswith('(%d)' % rec['year']))
            self.assertIn(' '.join(rec['authors'][-1:]), paras[paras.index(rec['title']) + 1])


class FortyfourthTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The forty-fourth set (blind part heldout44): new schools and wording, labels printed, the
    指导教师 or supervisor kept apart from the authors, the hosts, speakers and physicians who stand
    on the page and are none, the whole set in its part."""
    ROUND, PART, EARLIER = 'fortyfourth', 'heldout44', 86
    MARKS = {'gen-zh-saltlakechemnote-authorsinparensaftertitle-journallinefoot': '关键词',
             'gen-zh-aridenergyjournal-datescitecellbesideabstract-doitopright': '引用格式：',
             'gen-zh-plateauengmaster-headedinfobox-blanksignaturelines': '学位论文信息',
             'gen-zh-plateaubulletin-researchhighlight-gonggaoendline': '研究进展',
             'gen-zh-plateaumedjournal-cpcdiscussion-hostandzhengliline': '主持人：',
             'gen-en-highaltmed-clinicalimage-imageframe-authorsrightafter-physiciannote': '[Figure]',
             'gen-en-aridenergy-methesis-peopleinsentences': 'A thesis submitted by ',
             'gen-en-coldaridcivil-technicalnote-rolefootnotes-discussionperiod': 'Discussion period open until'}
    WITH_SUP = ('gen-zh-plateauengmaster-headedinfobox-blanksignaturelines',
                'gen-en-aridenergy-methesis-peopleinsentences')

    @staticmethod
    def at(paras, start):
        return next(j for j, p in enumerate(paras) if start in p)

    def test_titles_bylines_and_boxes_stand_where_the_layout_puts_them(self):
        import re
        for i in range(6):
            page, rec, paras = self.page(self.mod, 'gen-zh-saltlakechemnote-authorsinparensaftertitle-journallinefoot', 'note', i)
            head = next(p for p in paras if p.startswith(rec['title']))
            self.assertEqual(re.split('[，、\u3000]', re.fullmatch('（(.+)）', head[len(rec['title']):]).group(1)),
                             rec['authors'], 'the names in brackets after the title')
            self.assertTrue(paras[-1].startswith(tuple(self.mod.JOURNALS)) and str(rec['year']) in paras[-1],
                            'the journal line only at the foot')
            self.assertFalse([p for p in paras[:-1] if str(rec['year']) in p])
            page, rec, paras = self.page(self.mod, 'gen-zh-aridenergyjournal-datescitecellbesideabstract-doitopright', 'cell', i)
            self.assertTrue(paras[0].startswith('DOI：'))
            dates, abstract = (c.text for c in page.doc.tables[0].rows[0].cells)
            self.assertIn('网络出版：%d-' % rec['year'], dates)
            self.assertIn('引用格式：%s' % rec['authors'][0], dates)
            self.assertTrue(abstract.startswith('摘　要：') and abstract.endswith('；'.join(rec['keywords'])))
            by = paras[paras.index(rec['title']) + 1]
            self.assertEqual(re.sub(r'\d', '', by).split('，'), rec['authors'])
            page, rec, paras = self.page(self.mod, 'gen-zh-plateauengmaster-headedinfobox-blanksignaturelines', 'box', i)
            rows = [[c.text for c in r.cells] for r in page.doc.tables[0].rows]
            self.assertEqual(rows[0][0], '学位论文信息')
            fields = dict(r for r in rows[1:])
            self.assertEqual(fields['作者姓名'], rec['authors'][0])
            self.assertEqual(fields['指导教师'].split('\u2002')[0], rec['supervisor'])
            sign = paras[self.at(paras, '作者签名')]
            self.assertFalse([n for n in rec['authors'] + [rec['supervisor']] if n in sign], 'the signature lines are blank')
            self.assertTrue(paras[-1].endswith('月'))

    def test_people_beside_the_authors_are_none_of_them(self):
        import re
        for i in range(6):
            page, rec, paras = self.page(self.mod, 'gen-zh-plateaubulletin-researchhighlight-gonggaoendline', 'hl', i)
            m = re.fullmatch('（(?:供稿：|供稿　|供稿人：)([^，）]+)(?:，.+)?）', paras[-1])
            self.assertEqual(m.group(1).split('\u3000'), rec['authors'], 'the authors only at the end')
            self.assertFalse([a for a in rec['authors'] for p in paras[:-1] if a in p])
            self.assertIn('%d年第' % rec['year'], page.doc.tables[0].rows[0].cells[0].text)
            page, rec, paras = self.page(self.mod, 'gen-zh-plateaumedjournal-cpcdiscussion-hostandzhengliline', 'cpc', i)
            text = '\n'.join(paras)
            host = re.search('主持人：(\\S+?)(?:\u3000|\n)', text).group(1)
            written = re.search('(?:记录整理|整理)[：\u3000](.+)', text).group(1)
            self.assertEqual(written.split('\u3000'), rec['authors'])
            speakers = re.findall('(\\S+?)医师：', text)
            self.assertFalse(({host} | set(speakers)) & set(rec['authors']), 'host and speakers are no authors')
            self.assertLess(paras.index(rec['title']), self.at(paras, '主持人'))
            page, rec, paras = self.page(self.en, 'gen-en-highaltmed-clinicalimage-imageframe-authorsrightafter-physiciannote', 'img', i)
            k = self.at(paras, 'treatment.') + 1
            self.assertEqual([p.split(', ')[0] for p in paras[k:k + len(rec['authors'])]], rec['authors'])
            doctor = re.search('care of Dr (.+?), who', paras[-1]).group(1)
            self.assertNotIn(doctor, rec['authors'], 'the physician is no author')
            self.assertIn(str(rec['year']), paras[0])
            page, rec, paras = self.page(self.en, 'gen-en-aridenergy-methesis-peopleinsentences', 'prose', i)
            self.assertRegex(paras[self.at(paras, 'A thesis submitted by')], '^A thesis submitted by %s to ' % re.escape(rec['authors'][0]))
            self.assertIn('supervision of', paras[self.at(paras, 'supervision of')])
            self.assertRegex(paras[self.at(paras, 'supervision of')], '(Professor|Dr) %s, ' % re.escape(rec['supervisor']))
            self.assertTrue(paras[-1].endswith(str(rec['year'])))
            page, rec, paras = self.page(self.en, 'gen-en-coldaridcivil-technicalnote-rolefootnotes-discussionperiod', 'tn', i)
            self.assertEqual(paras[0], 'TECHNICAL NOTE')
            by = paras[paras.index(rec['title']) + 1]
            self.assertEqual(re.split(r' \d(?:, | and )?', by)[:-1], rec['authors'])
            notes = [p for p in paras if re.match(r'\d(Professor|Associate|Graduate|Research)', p)]
            self.assertEqual(len(notes), len(rec['authors']), 'one numbered note per author')
            self.assertIn('approved on', paras[-1])
            self.assertIn(str(rec['year']), paras[-1])


class FortyfifthTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The forty-fifth set (blind part heldout45): new schools and wording, labels printed, the
    narrators, speakers and recorders who are authors, the reviewers, transcribers, book authors,
    honorees, editors and translators who stand on the page and are none, the whole set in its part."""
    ROUND, PART, EARLIER = 'fortyfifth', 'heldout45', 88
    MARKS = {'gen-zh-oralhistoryjournal-koushuzhengliline-zhenglizheannotebox': '口述',
             'gen-zh-humanitiesjournal-dialogue-duihuarenblock-speakerturns': '对话人',
             'gen-zh-musicjournal-pulibox-transcriberincaption': '记谱',
             'gen-zh-ruralsurveyreport-neibuziliaotop-zhuangaoshendinglines': '（之',
             'gen-zh-historyjikan-zhajinotes-quanbylineright': '◎',
             'gen-zh-artsbookreview-bookinfogrid-reviewerright': '著\u3000者',
             'gen-en-festschriftchapter-honoreerunninghead-chapternumber': ', ed. ',
             'gen-en-translationjournal-originallypublishedbox-translatedbyline': 'Originally published as: '}
    WITH_SUP = ()

    def test_bylines_name_the_authors_in_order(self):
        import re
        for i in range(6):
            page, rec, paras = self.page(self.mod, 'gen-zh-oralhistoryjournal-koushuzhengliline-zhenglizheannotebox', 'oral', i)
            by = paras[paras.index(rec['title']) + 1]
            m = re.match('^(?:口述[：\u3000])?(.+?)(?:\u3000口述)?\u3000\u3000(?:整理[：\u3000])?(.+?)(?:\u3000整理)?$', by)
            self.assertEqual([m.group(1)] + re.split('\u3000|、', m.group(2)), rec['authors'], 'the narrator, then the recorders')
            note = page.doc.tables[1].rows[0].cells[0].text
            self.assertRegex(note, '^(【整理者按】|整理者按：|【编者按】)' + rec['authors'][0], 'the note opens on the narrator')
            self.assertTrue(paras[-1].startswith('整理者简介：' + rec['authors'][1]))
            page, rec, paras = self.page(self.mod, 'gen-zh-humanitiesjournal-dialogue-duihuarenblock-speakerturns', 'talk', i)
            k = next(j for j, p in enumerate(paras) if '对话人' in p)
            self.assertEqual([p.split('\u3000')[0] for p in paras[k + 1:k + 1 + len(rec['authors'])]], rec['authors'])
            turns = [p.split('：')[0] for p in paras if p.split('：')[0] in rec['authors']]
            self.assertEqual(turns[:len(rec['authors'])], rec['authors'], 'the turns go round the speakers in order')
            page, rec, paras = self.page(self.mod, 'gen-zh-historyjikan-zhajinotes-quanbylineright', 'notes', i)
            self.assertEqual(paras[paras.index(rec['title']) + 1], '◎\u2002' + '\u3000'.join(rec['authors']))
            self.assertIn('第', paras[0])
            self.assertIn('（%d年）' % rec['year'], paras[0])
            page, rec, paras = self.page(self.en, 'gen-en-translationjournal-originallypublishedbox-translatedbyline', 'tr', i)
            k = paras.index(rec['title'])
            self.assertEqual(paras[k + 1].split(', '), rec['authors'])
            translator = re.match(r'(?:Translated by|Translated from the Chinese by|Translation:) (.+)$', paras[k + 2]).group(1)
            self.assertNotIn(translator, rec['authors'], 'the translator is no author')
            self.assertTrue(page.doc.tables[1].rows[0].cells[0].text.startswith('Originally published as: ' + rec['authors'][0]))
            self.assertIn('Keywords: ' + '; '.join(rec['keywords']), paras)

    def test_people_beside_the_authors_are_none_of_them(self):
        import re
        for i in range(6):
            page, rec, paras = self.page(self.mod, 'gen-zh-musicjournal-pulibox-transcriberincaption', 'score', i)
            cap = next(p for p in paras if p.startswith('谱例'))
            self.assertNotIn(re.search('（(.+)记谱）', cap).group(1), rec['authors'], 'the transcriber is no author')
            self.assertTrue(page.doc.tables[1].rows[0].cells[0].text.startswith('1＝'))
            self.assertLess(paras.index(rec['title']), paras.index(cap))
            page, rec, paras = self.page(self.mod, 'gen-zh-ruralsurveyreport-neibuziliaotop-zhuangaoshendinglines', 'survey', i)
            fields = dict(p.split('：', 1) for p in paras if '：' in p)
            self.assertEqual(fields.get('撰\u3000稿', fields.get('撰稿人')).split('\u3000'), rec['authors'])
            chief = fields.get('审\u3000定', fields.get('审定人')).split('\u3000')[0]
            self.assertNotIn(chief, rec['authors'], 'the director who signs it off is no author')
            self.assertTrue(page.doc.tables[0].rows[0].cells[1].text.startswith(str(rec['year'])))
            page, rec, paras = self.page(self.mod, 'gen-zh-artsbookreview-bookinfogrid-reviewerright', 'book', i)
            by = paras[paras.index(rec['title']) + 1]
            self.assertEqual(re.sub('^(?:□\u2002|文／|□ )', '', by).split('\u3000'), rec['authors'])
            rows = {r.cells[0].text: r.cells[1].text for r in page.doc.tables[1].rows}
            self.assertNotIn(rows['著\u3000者'].replace('\u2002著', ''), rec['authors'], 'the book\'s author is no author')
            self.assertTrue(paras[-1].startswith('（作者单位：'))
            page, rec, paras = self.page(self.en, 'gen-en-festschriftchapter-honoreerunninghead-chapternumber', 'fest', i)
            head = paras[0]
            self.assertTrue(head.endswith('(%d)' % rec['year']))
            editors = re.search(r', ed\. (.+) \(\d{4}\)$', head).group(1).split(' and ')
            self.assertFalse(set(editors) & set(rec['authors']), 'the editors are no authors')
            honoree = re.match(r'(?:Essays in Honour of|Festschrift for|Studies Presented to) (.+?), ed\.', head).group(1)
            self.assertNotIn(honoree, rec['authors'])
            k = paras.index(rec['title'])
            self.assertRegex(paras[k - 1], r'^(Chapter |CHAPTER )?\d+$', 'the chapter number just above the title')
            self.assertEqual(re.split(', | and ', paras[k + 1]), rec['authors'])


@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class FortysixthTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The forty-sixth set (blind part heldout46): new schools and wording in the sciences,
    engineering, medicine and farming, labels printed, the writers, completers and students who are
    authors, the reviewers, tutors, editors and committees who stand on the page and are none, the
    whole set in its part."""
    ROUND, PART, EARLIER = 'fortysixth', 'heldout46', 90
    MARKS = {'gen-zh-occupmedjournal-guidelinereading-zhibishenjiaolines': '校：',
             'gen-zh-agritrial-summarycover-zhuchizhibicanshilines': '参试单位：',
             'gen-zh-gradsymposium-shadedband-studenttutorbyline': '研究生学术年会',
             'gen-zh-contractresearch-techreport-wanchengrenstatementbox': '合同编号：',
             'gen-zh-computingjournal-algorithmbox-tongxinzuozhesuffix': '（通信作者）',
             'gen-en-registeredreport-stage1head-inprincipleacceptancebox': 'In-principle acceptance',
             'gen-en-occuphealth-shortcommunication-bybyline-plainlanguagebox': 'Plain language summary. ',
             'gen-en-envcomputingconf-artifactbadges-authorcellsrow-codeline': 'CCS Concepts: '}
    WITH_SUP = ('gen-zh-gradsymposium-shadedband-studenttutorbyline',)

    def test_bylines_name_the_authors_in_order(self):
        import re
        for i in range(6):
            page, rec, paras = self.page(self.mod, 'gen-zh-occupmedjournal-guidelinereading-zhibishenjiaolines', 'guide', i)
            by = paras[paras.index(rec['title']) + 1]
            m = re.match('^执笔人?：(.+?)(?:\u3000\u3000审\u3000?校：(.+))?$', by)
            self.assertEqual(re.split('\u3000|，', m.group(1)), rec['authors'], 'the 执笔 names are the authors')
            checker = m.group(2) or re.match('^审\u3000?校：(.+)$', paras[paras.index(rec['title']) + 2]).group(1)
            self.assertNotIn(checker, rec['authors'], 'the reviewer is no author')
            page, rec, paras = self.page(self.mod, 'gen-zh-computingjournal-algorithmbox-tongxinzuozhesuffix', 'algo', i)
            by = paras[paras.index(rec['title']) + 1]
            self.assertEqual(by.count('（通信作者）'), 1)
            self.assertEqual(re.split('\u3000|，', by.replace('（通信作者）', '')), rec['authors'])
            self.assertTrue(any(t.rows[0].cells[0].text.startswith('算法') for t in page.doc.tables), 'the algorithm box')
            page, rec, paras = self.page(self.mod, 'gen-zh-contractresearch-techreport-wanchengrenstatementbox', 'contract', i)
            box = page.doc.tables[-1].rows[0].cells[0].text
            m = re.search('项目负责人：(.+?)(?:教授|副教授)?。(?:主要完成人员?|报告完成人)：(.+)。$', box)
            self.assertEqual(re.split('、|，', m.group(2)), rec['authors'], 'the completers are the authors')
            self.assertEqual(m.group(1), rec['authors'][0], 'the leader is the first of them')
            self.assertTrue(page.doc.tables[0].rows[0].cells[1].text.startswith('合同编号：'))
            page, rec, paras = self.page(self.en, 'gen-en-registeredreport-stage1head-inprincipleacceptancebox', 'rr', i)
            by = paras[paras.index(rec['title']) + 1]
            self.assertEqual(re.split(', and |, | and ', re.sub(r' [ab](?=,| and|$)', '', by)), rec['authors'])
            box = [r.cells[0].text for r in page.doc.tables[0].rows]
            self.assertEqual(box[0], 'In-principle acceptance')
            self.assertNotIn(box[2].replace('Handling editor: ', ''), rec['authors'], 'the editor is no author')
            self.assertIn(str(rec['year']), box[1])
            page, rec, paras = self.page(self.en, 'gen-en-occuphealth-shortcommunication-bybyline-plainlanguagebox', 'sc', i)
            by = paras[paras.index(rec['title']) + 1]
            self.assertEqual(re.split(', and |, | and ', re.sub('^[bB]y ', '', by)), rec['authors'])
            self.assertIn('Key words: ' + ', '.join(rec['keywords']), paras)

    def test_people_beside_the_authors_are_none_of_them(self):
        import re
        for i in range(6):
            page, rec, paras = self.page(self.mod, 'gen-zh-gradsymposium-shadedband-studenttutorbyline', 'grad', i)
            k = paras.index(rec['title'])
            by = ''.join(paras[k + 1:k + 3])
            self.assertTrue(by.startswith(rec['authors'][0] + '（'), 'the student first, with the kind of student')
            self.assertRegex(by, '(?:指导教师|导师)：' + rec['supervisor'])
            self.assertEqual(len(rec['authors']), 1)
            self.assertIn('研究生学术年会', page.doc.tables[0].rows[0].cells[0].text)
            page, rec, paras = self.page(self.mod, 'gen-zh-agritrial-summarycover-zhuchizhibicanshilines', 'trial', i)
            fields = dict(p.split('：', 1) for p in paras if '：' in p)
            writers = fields.get('执\u2002笔\u2002人', fields.get('执笔人'))
            self.assertEqual(re.split('、|\u3000', writers), rec['authors'])
            self.assertTrue(fields['主持单位'].endswith('学院'), 'the leading unit names no person')
            self.assertTrue(paras[0].startswith(str(rec['year'])))
            page, rec, paras = self.page(self.en, 'gen-en-envcomputingconf-artifactbadges-authorcellsrow-codeline', 'art', i)
            cells = [c.text.split('\n')[0] for c in page.doc.tables[1].rows[0].cells]
            self.assertEqual(cells, rec['authors'], 'one cell per author, in order')
            badges = [c.text for c in page.doc.tables[0].rows[0].cells[1:]]
            self.assertTrue(set(badges) <= {'Artifacts Available', 'Artifacts Evaluated', 'Results Reproduced'})
            self.assertTrue(page.doc.tables[0].rows[0].cells[0].text.endswith(str(rec['year'])))
            code = paras[paras.index(rec['title']) + 2]
            self.assertRegex(code, r'^(Code and data:|Artifact:|Repository:) https://')


class FortyseventhTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The forty-seventh set (blind part heldout47): new schools and wording, labels printed, bylines
    with the role after the names or only at the end, the revisers, elders, directors and series
    editors who stand on the page and are no authors, the whole set in its part."""
    ROUND, PART, EARLIER = 'fortyseventh', 'heldout47', 92
    MARKS = {'gen-zh-gujijournal-jiaozhu-rolesafternames-dibenbox': '参校',
             'gen-zh-wenshijournal-greytab-zhuanbylineright-fujithanksfoot': '附记',
             'gen-zh-disciplineyearbook-survey-bandhead-zhibiendline': '年鉴',
             'gen-zh-humanitiesdoctor-darksidebar-flushrightcolumn': '博士',
             'gen-zh-artjournal-titlecell-framedbylinecell': '[内容摘要]',
             'gen-zh-culturalindustry-consultingreport-weituochengdanblock': '承担方：',
             'gen-en-devfund-staffnote-preparedby-authorizedforby': 'Authorized for distribution by',
             'gen-en-historyinstitute-occasionalpaper-seriescolumn-serieseditorline': 'OCCASIONAL PAPER'}
    WITH_SUP = ('gen-zh-humanitiesdoctor-darksidebar-flushrightcolumn',)

    def test_bylines_name_the_authors_in_order(self):
        import re
        for i in range(6):
            page, rec, paras = self.page(self.mod, 'gen-zh-gujijournal-jiaozhu-rolesafternames-dibenbox', 'guji', i)
            by = paras[paras.index(rec['title']) + 1]
            m = re.match('^(.+?)\u3000(?:校注|点校|整理校注)(?:\u3000\u3000(.+)\u3000审订)?$', by)
            self.assertEqual(m.group(1).split('\u3000'), rec['authors'], 'the names before the role')
            self.assertNotIn(m.group(2), rec['authors'], 'the reviser is no author')
            self.assertIn('参校', page.doc.tables[0].rows[0].cells[0].text)
            page, rec, paras = self.page(self.mod, 'gen-zh-wenshijournal-greytab-zhuanbylineright-fujithanksfoot', 'wenshi', i)
            k = paras.index(rec['title'])
            self.assertTrue(paras[k + 1].startswith('——'), 'the subtitle is not part of the title')
            self.assertEqual(re.sub('[\u3000\u2002](?:谨)?撰$', '', paras[k + 2]).split('\u3000'), rec['authors'])
            elder = re.search('承(.+?)先生', paras[-2]).group(1)
            self.assertNotIn(elder, rec['authors'], 'the scholar thanked in the 附记 is no author')
            page, rec, paras = self.page(self.mod, 'gen-zh-disciplineyearbook-survey-bandhead-zhibiendline', 'yearbook', i)
            end = re.match('^（(?:执笔：|撰稿人：)?(.+?)(?:\u3000执笔)?）$', paras[-1]).group(1)
            self.assertEqual(re.split('[、\u3000，]', end), rec['authors'])
            self.assertFalse([p for p in paras[:-1] if any(a in p for a in rec['authors'])], 'named only at the end')
            self.assertTrue(page.doc.tables[0].rows[0].cells[0].text.endswith('（%d）' % rec['year']))
            page, rec, paras = self.page(self.mod, 'gen-zh-artjournal-titlecell-framedbylinecell', 'art', i)
            title_cell, by_cell = page.doc.tables[0].rows[0].cells
            self.assertEqual(title_cell.text, rec['title'])
            self.assertEqual(by_cell.text.split('\n')[:len(rec['authors'])], rec['authors'])
            self.assertIn('tcBorders', by_cell._tc.xml, 'the byline cell is framed')
            self.assertIn('[关键词]' + '\u3000'.join(rec['keywords']), paras)

    def test_people_beside_the_authors_are_none_of_them(self):
        import re
        for i in range(6):
            page, rec, paras = self.page(self.mod, 'gen-zh-humanitiesdoctor-darksidebar-flushrightcolumn', 'doctor', i)
            bar, right = page.doc.tables[0].rows[0].cells
            school = next(s for s in self.mod.SCHOOLS if s[1].upper() == ' '.join(bar.text.split()))
            self.assertEqual(right.text.split('\n')[0], school[0], 'the bar spells the school named on top')
            lines = right.text.split('\n')
            student = next(ln for ln in lines if ln.startswith(('申 请 人', '博 士 生', '作者姓名')))
            tutor = next(ln for ln in lines if ln.startswith(('指导教师', '导\u3000\u3000师')))
            self.assertEqual(student.split('\u3000')[-1], rec['authors'][0])
            self.assertEqual(tutor.split('\u3000')[-2], rec['supervisor'], 'the supervisor without the rank')
            self.assertLess(lines.index(rec['title']), lines.index(student))
            page, rec, paras = self.page(self.mod, 'gen-zh-culturalindustry-consultingreport-weituochengdanblock', 'consult', i)
            rows = {r.cells[0].text: r.cells[1].text for r in page.doc.tables[0].rows}
            self.assertEqual(list(rows)[:2], ['委托方：', '承担方：'])
            self.assertEqual(re.split('[、\u3000]', list(rows.values())[2]), rec['authors'])
            self.assertTrue(paras[0].startswith('报告编号：') and str(rec['year']) in paras[0])
            page, rec, paras = self.page(self.en, 'gen-en-devfund-staffnote-preparedby-authorizedforby', 'note', i)
            prepared = next(p for p in paras if p.startswith('Prepared by'))
            self.assertEqual(re.split(', | and ', re.sub('^Prepared by:? ', '', prepared)), rec['authors'])
            director = re.sub('^Authorized for distribution by:? ', '', paras[paras.index(prepared) + 1])
            self.assertNotIn(director, rec['authors'], 'the director who authorises the note is no author')
            self.assertEqual(paras[paras.index(prepared) - 1], rec['title'])
            page, rec, paras = self.page(self.en, 'gen-en-historyinstitute-occasionalpaper-seriescolumn-serieseditorline', 'occ', i)
            series, cover = page.doc.tables[0].rows[0].cells
            self.assertRegex(series.text, r'^OCCASIONAL PAPER.*\n\n(No\.|Number) \d+')
            lines = [ln for ln in cover.text.split('\n') if ln]
            self.assertEqual(lines[1], rec['title'])
            self.assertEqual(re.split(', | and ', re.sub('^[Bb]y ', '', lines[2])), rec['authors'])
            editor = re.sub('^(Series [Ee]ditor:|Edited for the series by) ', '', lines[3])
            self.assertNotIn(editor, rec['authors'], 'the series editor is no author')
            self.assertTrue(lines[4].endswith(str(rec['year'])))


@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class FortyninthTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The forty-ninth set (blind part heldout49): new schools and wording, labels printed, bylines
    above the title, one to a line, in a sidebar or a grid, and the outside tutors and photographers
    who stand on the page and are no authors, the whole set in its part."""
    ROUND, PART, EARLIER = 'fortyninth', 'heldout49', 96
    MARKS = {'gen-zh-edumaster-threecolumnlabels-englishlabelright': 'Co-supervisor',
             'gen-zh-artmagazine-pictureframefirst-photographercaption-wenbyline': '摄）',
             'gen-zh-humanitiesbachelor-studentiddigitcells-ruledtitlelines': '学\u3000号',
             'gen-zh-teacherjournal-bylineabovetitle-projectfoot': '教育科学规划课题',
             'gen-zh-econinstitute-workingpaper-wpnumbercell-jelbox-starnotes': 'JEL分类号：',
             'gen-zh-lawsociety-proceedings-bylineperline-unitinparens-folio': '年年会论文集',
             'gen-en-educentre-researchbrief-sidebarauthors-inthisbrief': 'IN THIS BRIEF',
             'gen-en-econunit-discussionpaper-dpnumberright-authorgrid': 'DP No.'}
    WITH_SUP = ('gen-zh-edumaster-threecolumnlabels-englishlabelright',
                'gen-zh-humanitiesbachelor-studentiddigitcells-ruledtitlelines')

    def page(self, mod, fam, tag, i):
        import random
        page, rec = mod.TEMPLATES[fam](random.Random('fortyninth/%s/%s/%d' % (fam, tag, i)))
        return page, rec, [p.text for p in page.doc.paragraphs]

    def test_bylines_name_the_authors_in_order(self):
        import re
        for i in range(6):
            page, rec, paras = self.page(self.mod, 'gen-zh-artmagazine-pictureframefirst-photographercaption-wenbyline', 'art', i)
            k = paras.index(rec['title'])
            self.assertEqual(re.split('[\u3000、]', paras[k + 2][2:]), rec['authors'], 'the 文／ line under the rule')
            caption = next(p for p in paras[:k] if p.endswith('摄）'))
            self.assertNotIn(re.search('（(.+)\u3000摄）', caption).group(1), rec['authors'], 'the photographer is no author')
            self.assertIn('［图］', page.doc.tables[0].rows[0].cells[0].text, 'the picture frame comes first')
            page, rec, paras = self.page(self.mod, 'gen-zh-teacherjournal-bylineabovetitle-projectfoot', 'teacher', i)
            k = paras.index(rec['title'])
            self.assertTrue(paras[k - 1].startswith('【') and paras[k - 1].endswith('】'), 'the column tag over the title')
            self.assertEqual(paras[k - 2].split('\u3000')[1:], rec['authors'], 'the byline stands above the title')
            self.assertIn('【关键词】' + '；'.join(rec['keywords']), paras)
            self.assertTrue(paras[-1].startswith('本文系'))
            page, rec, paras = self.page(self.mod, 'gen-zh-econinstitute-workingpaper-wpnumbercell-jelbox-starnotes', 'wp', i)
            k = paras.index(rec['title'])
            self.assertEqual(re.split('[★☆※\u3000]+', paras[k + 1].strip('★☆※')), rec['authors'])
            notes = [p for p in paras if p and p[0] in '★☆※']
            self.assertEqual([re.match('.\u2002(.+?)，', p).group(1) for p in notes], rec['authors'], 'one note per author')
            self.assertIn('WP No. %d-' % rec['year'], page.doc.tables[0].rows[0].cells[1].text)
            self.assertIn('JEL分类号：', page.doc.tables[1].rows[0].cells[0].text)
            page, rec, paras = self.page(self.mod, 'gen-zh-lawsociety-proceedings-bylineperline-unitinparens-folio', 'law', i)
            k = paras.index(rec['title'])
            lines = paras[k + 1:k + 1 + len(rec['authors'])]
            self.assertEqual([ln.split('（')[0] for ln in lines], rec['authors'], 'one author to a line, the unit after')
            self.assertIn(paras[0].split('法学会')[0], [s[4] for s in self.mod.SCHOOLS], 'the province\'s law society')
            self.assertIn('%d年年会论文集' % rec['year'], paras[0])
            self.assertRegex(paras[-1], r'^·\d+·$')

    def test_people_beside_the_authors_are_none_of_them(self):
        import re
        for i in range(6):
            page, rec, paras = self.page(self.mod, 'gen-zh-edumaster-threecolumnlabels-englishlabelright', 'edu', i)
            rows = [[c.text for c in r.cells] for r in page.doc.tables[0].rows]
            self.assertEqual([r[2] for r in rows[:3]], ['Candidate', 'Supervisor', 'Co-supervisor'], 'English labels at the right')
            self.assertEqual(rows[0][1], rec['authors'][0])
            self.assertEqual(rows[1][1].split('\u3000')[0], rec['supervisor'])
            outside = rows[2][1].split('\u3000')[0]
            self.assertNotIn(outside, rec['authors'] + [rec['supervisor']], 'the outside tutor is neither')
            page, rec, paras = self.page(self.mod, 'gen-zh-humanitiesbachelor-studentiddigitcells-ruledtitlelines', 'ba', i)
            cells = [c.text for c in page.doc.tables[0].rows[0].cells]
            self.assertEqual(cells[0], '学\u3000号')
            self.assertTrue(all(len(c) == 1 and c.isdigit() for c in cells[1:]), 'one digit to a cell')
            self.assertEqual(int(''.join(cells[1:5])), rec['year'] - 4, 'the number starts with the year of entry')
            self.assertIn('题\u3000目：' + rec['title'], paras)
            rows = {r.cells[0].text: r.cells[1].text for r in page.doc.tables[1].rows}
            self.assertEqual(rows['姓\u3000\u3000名'], rec['authors'][0])
            self.assertEqual(rows['指导教师'].split('\u3000')[0], rec['supervisor'])
            page, rec, paras = self.page(self.en, 'gen-en-educentre-researchbrief-sidebarauthors-inthisbrief', 'brief', i)
            side, main = page.doc.tables[1].rows[0].cells
            lines = side.text.split('\n')
            k = next(j for j, ln in enumerate(lines) if ln in ('AUTHORS', 'ABOUT THE AUTHORS'))
            self.assertEqual(lines[k + 1::3][:len(rec['authors'])], rec['authors'], 'name, post, blank for each author')
            self.assertTrue(main.text.startswith(rec['title']))
            self.assertFalse([a for a in rec['authors'] if a in main.text or any(a in p for p in paras)], 'named only in the sidebar')
            page, rec, paras = self.page(self.en, 'gen-en-econunit-discussionpaper-dpnumberright-authorgrid', 'dp', i)
            self.assertTrue(page.doc.tables[0].rows[0].cells[1].text.startswith('DP No. %02d-' % (rec['year'] % 100)))
            grid = [c.text.split('\n')[0] for r in page.doc.tables[1].rows for c in r.cells]
            self.assertEqual([g for g in grid if g], rec['authors'], 'the grid reads left to right, row by row')
            self.assertEqual(paras[paras.index(rec['title']) + 1:][:1], [''])


class FortyeighthTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The forty-eighth set (blind part heldout48): new schools and wording, labels printed, codes,
    ranks and grades beside the names, and the photographers, recommending tutors, editors and
    guiding offices who stand on the page and are no authors; the whole set in its part."""
    ROUND, PART, EARLIER = 'fortyeighth', 'heldout48', 94
    MARKS = {'gen-zh-engxuebao-titlecellleft-framedcodescellright': '文章编号：',
             'gen-zh-nursingjournal-bracketcolumnhead-ranksinparensafternames': '护',
             'gen-zh-wetlandjournal-coverstorytag-fengmianshuomingbox': '封面说明：',
             'gen-zh-agriaeroxuebao-youngscholarband-tuijianyubox': '导师推荐语：',
             'gen-zh-computingwhitepaper-bianxiezugrid-zhidaodanwei': '白皮书',
             'gen-en-civiljournal-technicalnote-flushright-gradesafternames-footnoteaffils': 'Email:',
             'gen-en-dataarticle-specificationstable-valueofdatabullets': 'Specifications Table',
             'gen-en-appnote-categorytag-associateeditorline-labelledabstract': 'Availability and implementation:'}
    WITH_SUP = ('gen-zh-agriaeroxuebao-youngscholarband-tuijianyubox',)

    def page(self, mod, fam, i):
        import random
        page, rec = mod.TEMPLATES[fam](random.Random('fortyeighth/%s/t/%d' % (fam, i)))
        return page, rec, [p.text for p in page.doc.paragraphs]

    def test_chinese_bylines_and_the_people_beside_them(self):
        import re
        for i in range(6):
            page, rec, paras = self.page(self.mod, 'gen-zh-engxuebao-titlecellleft-framedcodescellright', i)
            title_cell, codes = page.doc.tables[0].rows[0].cells
            self.assertEqual(title_cell.text, rec['title'])
            self.assertEqual([ln.split('：')[0] for ln in codes.text.split('\n')], ['中图分类号', '文献标志码', '文章编号'])
            self.assertIn('(%d)' % rec['year'], codes.text)
            self.assertEqual(re.split('[\u3000，]', paras[2]), rec['authors'], 'the byline follows the ruled head')
            page, rec, paras = self.page(self.mod, 'gen-zh-nursingjournal-bracketcolumnhead-ranksinparensafternames', i)
            by = paras[paras.index(rec['title']) + 1]
            self.assertEqual(re.findall('([^（）\u3000，]+)（(?:%s)）' % '|'.join(self.mod.NURSE_RANKS), by), rec['authors'],
                             'the names without their ranks')
            self.assertTrue(page.doc.tables[0].rows[0].cells[0].text.startswith('【'))
            page, rec, paras = self.page(self.mod, 'gen-zh-wetlandjournal-coverstorytag-fengmianshuomingbox', i)
            box = page.doc.tables[0].rows[0].cells[0].text
            shooter = re.search('(?:图片提供|摄影)：(.+)$', box).group(1)
            self.assertNotIn(shooter, rec['authors'], 'the photographer is no author')
            self.assertEqual(re.split('[\u3000，]', paras[paras.index(rec['title']) + 1]), rec['authors'])
            self.assertIn('封面', paras[1])
            page, rec, paras = self.page(self.mod, 'gen-zh-agriaeroxuebao-youngscholarband-tuijianyubox', i)
            rows = page.doc.tables[1].rows
            self.assertTrue(rows[0].cells[0].text.startswith('导师推荐语：'))
            self.assertIn(rec['supervisor'], rows[1].cells[0].text)
            self.assertTrue(rows[1].cells[0].text.startswith(('推荐人：', '推荐导师：')))
            self.assertEqual(paras[paras.index(rec['title']) + 1].split('\u3000'), rec['authors'])
            page, rec, paras = self.page(self.mod, 'gen-zh-computingwhitepaper-bianxiezugrid-zhidaodanwei', i)
            grid = [c.text for r in page.doc.tables[0].rows for c in r.cells[1:] if c.text]
            self.assertEqual(grid, rec['authors'], 'the 编写组, 组长 first, is the authors')
            self.assertTrue(rec['title'].endswith('白皮书'))
            self.assertLess(paras.index(rec['title']), [k for k, p in enumerate(paras) if p.startswith('指导单位：')][0])
            self.assertFalse([p for p in paras if any(a in p for a in rec['authors'])], 'named only in the grid')

    def test_english_bylines_and_the_people_beside_them(self):
        import re
        for i in range(6):
            page, rec, paras = self.page(self.en, 'gen-en-civiljournal-technicalnote-flushright-gradesafternames-footnoteaffils', i)
            by = paras[paras.index(rec['title']) + 1]
            names = [re.sub(r'(, (M\.ASCE|S\.M\.ASCE|F\.ASCE|Ph\.D\., P\.E\.))? \d$', '', x) for x in by.split('; ')]
            self.assertEqual(names, rec['authors'], 'the names without their grades')
            feet = [p for p in paras if 'Email:' in p]
            self.assertEqual(len(feet), len(rec['authors']), 'one footnote per author')
            page, rec, paras = self.page(self.en, 'gen-en-dataarticle-specificationstable-valueofdatabullets', i)
            facts = page.doc.tables[1]
            self.assertEqual(facts.rows[0].cells[0].text, 'Subject')
            self.assertEqual(facts.rows[-1].cells[0].text, 'Data accessibility')
            self.assertEqual(re.sub(r' \d', '', paras[paras.index(rec['title']) + 1]).split(', '), rec['authors'])
            self.assertIn('Keywords: ' + '; '.join(rec['keywords']), paras)
            self.assertLess(paras.index('Specifications Table'), paras.index('Value of the Data'))
            page, rec, paras = self.page(self.en, 'gen-en-appnote-categorytag-associateeditorline-labelledabstract', i)
            by = re.sub(r' \d', '', paras[paras.index(rec['title']) + 1])
            self.assertEqual(re.split(', | and ', by), rec['authors'])
            editor = next(p for p in paras if p.lower().startswith('associate editor: '))[len('Associate Editor: '):]
            self.assertNotIn(editor, rec['authors'], 'the associate editor is no author')
            self.assertTrue(paras[0].lower().startswith('application'))
            self.assertLess(paras.index(rec['title']), [k for k, p in enumerate(paras) if p.startswith('Summary:')][0])

    def test_units_name_the_sets_own_schools_and_the_year(self):
        from genbase import zh_date
        schools = [s[0] for s in self.mod.SCHOOLS]
        for fam in self.mod.TEMPLATES:
            for i in range(4):
                page, rec, paras = self.page(self.mod, fam, i)
                text = _page_text(page)
                with self.subTest(family=fam, i=i):
                    self.assertEqual(len([s for s in schools if s in text]), 1, 'one school of the set per page')
                    self.assertTrue(str(rec['year']) in text or zh_date(rec['year'], 1)[:5] in text)
                    self.assertNotIn('', rec['authors'])


@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class FiftiethTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The fiftieth set (blind part heldout50): new schools and wording, labels printed, titles and
    bylines where each layout puts them (the title last, the byline after the keywords, the English
    abstract first, the authors grouped by unit), and the people beside the authors who are none of
    them; the whole set in its part."""
    ROUND, PART, EARLIER = 'fiftieth', 'heldout50', 98
    MARKS = {'gen-zh-sciencedoctor-particularsfirst-titlecelllast': '论\u2002文\u2002题\u2002目',
             'gen-zh-waterjournal-bylineafterkeywords-unitparenbelow': '中图分类号：',
             'gen-zh-agrijournal-photobiorow-beforeabstract': '［照片］',
             'gen-zh-medassoc-posterabstract-pucodecell-bracketsections': 'PU-',
             'gen-zh-computingconf-englishabstractfirst-emailperunit': 'Key words:',
             'gen-en-medjournal-summarypanel-affilcolumnbesideintro': 'Interpretation',
             'gen-en-chemcommunication-receivedcellbesideabstract-graphicframe': 'Graphical abstract',
             'gen-en-cropreport-reportnumbertop-authorsgroupedbyunit': 'Prepared for:'}
    WITH_SUP = ('gen-zh-sciencedoctor-particularsfirst-titlecelllast',)

    def test_chinese_titles_and_bylines_where_the_layouts_put_them(self):
        import re
        for i in range(6):
            page, rec, paras = self.page(self.mod, 'gen-zh-sciencedoctor-particularsfirst-titlecelllast', 'doc', i)
            rows = {r.cells[0].text: r.cells[1].text for r in page.doc.tables[0].rows}
            self.assertEqual(rows['论文作者'], rec['authors'][0], 'the particulars come first')
            self.assertEqual(rows['指导教师'].split('\u3000')[0], rec['supervisor'])
            last = [r.cells[0].text for r in page.doc.tables[1].rows]
            self.assertEqual(last, ['论\u2002文\u2002题\u2002目', rec['title']], 'the title stands last, in its cell')
            self.assertNotIn(rec['title'], paras)
            page, rec, paras = self.page(self.mod, 'gen-zh-waterjournal-bylineafterkeywords-unitparenbelow', 'water', i)
            kw = self.at(paras, '关键词：')
            self.assertLess(paras.index(rec['title']), kw)
            self.assertEqual(re.split('[\u3000，]', paras[kw + 1]), rec['authors'], 'the byline after the keywords')
            self.assertTrue(paras[kw + 2].startswith('（') and any(s[0] in paras[kw + 2] for s in self.mod.SCHOOLS))
            page, rec, paras = self.page(self.mod, 'gen-zh-agrijournal-photobiorow-beforeabstract', 'photo', i)
            by = paras[paras.index(rec['title']) + 1]
            self.assertEqual(re.sub(r'[\d,]', '', by).split('，'), rec['authors'])
            photo, bio = (c.text for c in page.doc.tables[0].rows[0].cells)
            self.assertIn('［照片］', photo)
            self.assertTrue(bio.startswith('作者简介：%s（' % rec['authors'][0]), 'the life is the first author\'s')
            page, rec, paras = self.page(self.mod, 'gen-zh-medassoc-posterabstract-pucodecell-bracketsections', 'poster', i)
            code, title = (c.text for c in page.doc.tables[0].rows[0].cells)
            self.assertRegex(code, r'^壁报交流\nPU-\d{4}$')
            self.assertEqual(title, rec['title'])
            by = paras[self.at(paras, '【目的】') - 2]
            self.assertLessEqual(by.count('*'), 1)
            self.assertEqual(by.replace('*', '').split('，'), rec['authors'], 'the star marks no other name')
            self.assertIn('%d年学术年会' % rec['year'], paras[0])
            page, rec, paras = self.page(self.mod, 'gen-zh-computingconf-englishabstractfirst-emailperunit', 'conf', i)
            k = paras.index(rec['title'])
            self.assertEqual(re.sub(r'\d', '', paras[k + 1]).split('\u2003'), rec['authors'])
            self.assertTrue(paras[k + 2].startswith('1. ') and 'E-mail：' in paras[k + 2], 'a unit line with its e-mail')
            self.assertLess(self.at(paras, 'Abstract: '), self.at(paras, '摘\u2002要：'), 'the English abstract first')
            self.assertIn('关键词：' + '；'.join(rec['keywords']), paras)

    def test_english_bylines_and_the_people_beside_them(self):
        import re
        for i in range(6):
            page, rec, paras = self.page(self.en, 'gen-en-medjournal-summarypanel-affilcolumnbesideintro', 'med', i)
            by = paras[paras.index(rec['title']) + 1]
            self.assertEqual(by.replace('*', '').split(', '), rec['authors'])
            panel = page.doc.tables[0].rows[0].cells[0].text
            self.assertLess(panel.index('Findings'), panel.index('Interpretation'))
            side, main = (c.text for c in page.doc.tables[1].rows[0].cells)
            corr = re.search('Correspondence to: (.+?), ', side).group(1)
            self.assertIn(corr, rec['authors'], 'the corresponding author is one of them')
            self.assertTrue(main.startswith('Introduction'))
            page, rec, paras = self.page(self.en, 'gen-en-chemcommunication-receivedcellbesideabstract-graphicframe', 'chem', i)
            by = paras[paras.index(rec['title']) + 1]
            self.assertEqual([re.sub(r' [ab]\*?$', '', x) for x in re.split(', | and ', by)], rec['authors'], 'one letter after each name')
            dates, abstract = (c.text for c in page.doc.tables[1].rows[0].cells)
            self.assertTrue(dates.startswith('Received') and str(rec['year']) in dates)
            self.assertIn('[Graphical abstract]', page.doc.tables[2].rows[0].cells[0].text)
            self.assertFalse([a for a in rec['authors'] if a in abstract])
            page, rec, paras = self.page(self.en, 'gen-en-cropreport-reportnumbertop-authorsgroupedbyunit', 'crop', i)
            self.assertTrue(paras[0].startswith('Report No. %d/' % rec['year']))
            k, end = paras.index(rec['title']), self.at(paras, 'Prepared for: ')
            block = [p for p in paras[k + 1:end - 1] if p]
            units = [p for p in block if p in self.en.UNITS]
            self.assertTrue(1 <= len(units) <= 2 and block[0] in units, 'each group starts with its unit')
            self.assertEqual([p for p in block if p not in units], rec['authors'], 'the groups read in order')


class FiftyfirstTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The fifty-first set (blind part heldout51): new schools and wording, labels printed, bylines
    flush right, numbered, starred, in a member grid, in a cell beside a column's host or above the
    title, and the editors, hosts and tutors who stand on the page and are no authors; the whole set
    in its part."""
    ROUND, PART, EARLIER = 'fiftyfirst', 'heldout51', 100
    MARKS = {'gen-zh-socscixuebao-titleleft-bylineunitsflushright-notesinfootframe': '收稿日期：',
             'gen-zh-lawmaster-titleinframedcell-underlinedvaluelines-studentnotopright': '专业学位类别',
             'gen-zh-folkheritagesymposium-oralpaper-sessioncell-numberedunitlines-twocolbody': '报告形式：口头报告',
             'gen-zh-editedvolume-chapter-bookeditorbanner-asteriskbyline-notefoot': '主编',
             'gen-zh-teamsurvey-reportcover-membergrid-leaderfirst-tutorline': '项目负责人',
             'gen-zh-hostedcolumn-article-hostcellleft-titlebylineabstractright': '栏目主持人：',
             'gen-en-humanitiesjournal-essay-kicker-capsbylinebeforetitle-italicnotesfoot': ' teaches ',
             'gen-en-lawschool-researchpaperseries-numberframe-smallcapsauthorlines-downloadbox': 'Research Paper No.'}
    WITH_SUP = ('gen-zh-lawmaster-titleinframedcell-underlinedvaluelines-studentnotopright',
                'gen-zh-teamsurvey-reportcover-membergrid-leaderfirst-tutorline')

    def test_chinese_bylines_name_the_authors_in_order(self):
        import re
        for i in range(6):
            page, rec, paras = self.page(self.mod, 'gen-zh-socscixuebao-titleleft-bylineunitsflushright-notesinfootframe', 'xb', i)
            k = paras.index(rec['title'])
            self.assertEqual(re.split('[，\u3000]', paras[k + 1]), rec['authors'], 'the byline right under the title')
            self.assertEqual(page.doc.paragraphs[k + 1].alignment, page.doc.paragraphs[k + 2].alignment, 'units as the byline')
            self.assertTrue(paras[k + 2].startswith('（') and paras[k + 2].endswith('）'))
            notes = page.doc.tables[-1].rows[0].cells[0].text
            self.assertTrue(notes.startswith('收稿日期：'))
            self.assertEqual(re.findall('([^；：]+?)（\\d{4}—）', notes), rec['authors'], 'one note per author, in order')
            page, rec, paras = self.page(self.mod, 'gen-zh-folkheritagesymposium-oralpaper-sessioncell-numberedunitlines-twocolbody',
                                         'conf', i)
            k = paras.index(rec['title'])
            self.assertEqual(re.sub('\\d', '', paras[k + 1]).split('，'), rec['authors'], 'numbers after the names')
            self.assertEqual([p[:2] for p in paras[k + 2:k + 4]], ['1.', '2.'], 'the units numbered, one to a line')
            self.assertIn('分会场', page.doc.tables[0].rows[0].cells[0].text)
            self.assertIn('通讯作者：%s，' % rec['authors'][-1], paras[-1])
            page, rec, paras = self.page(self.mod, 'gen-zh-editedvolume-chapter-bookeditorbanner-asteriskbyline-notefoot', 'ch', i)
            banner = page.doc.tables[0].rows[0].cells[0].text
            editors = re.search('辑\u3000\u3000(.+)\u2002主编', banner).group(1).split('　')
            self.assertFalse(set(editors) & set(rec['authors']), 'the editors are no authors')
            self.assertIn(str(rec['year']), banner)
            k = paras.index(rec['title'])
            self.assertEqual(paras[k + 1].replace('＊', '').split('\u3000'), rec['authors'])
            self.assertEqual([n.split('，')[0] for n in paras[-1][1:].split('；')], rec['authors'], 'the asterisk note')
            page, rec, paras = self.page(self.mod, 'gen-zh-hostedcolumn-article-hostcellleft-titlebylineabstractright', 'host', i)
            side, main = page.doc.tables[0].rows[0].cells
            host = re.search('栏目主持人：(\\S+)', side.text).group(1)
            self.assertNotIn(host, rec['authors'], 'the host is no author')
            lines = main.text.split('\n')
            self.assertEqual((lines[0], lines[2].split('\u3000')), (rec['title'], rec['authors']), 'title, then the byline')
            self.assertTrue(paras[self.at(paras, '作者单位：')].startswith('作者单位：' + rec['authors'][0]))

    def test_covers_keep_tutors_apart_and_english_bylines(self):
        import re
        for i in range(6):
            page, rec, paras = self.page(self.mod, 'gen-zh-lawmaster-titleinframedcell-underlinedvaluelines-studentnotopright', 'lm', i)
            self.assertEqual(page.doc.tables[0].rows[0].cells[0].text, rec['title'], 'the title in its framed cell')
            self.assertTrue(paras[0].startswith('学号：%d' % (rec['year'] - 3)))
            self.assertEqual(paras[self.at(paras, '申')].split('：')[1].strip(), rec['authors'][0])
            self.assertEqual(paras[self.at(paras, '指导教师：')].split('：')[1].split('\u3000')[0].strip(), rec['supervisor'])
            page, rec, paras = self.page(self.mod, 'gen-zh-teamsurvey-reportcover-membergrid-leaderfirst-tutorline', 'team', i)
            rows = [[c.text for c in r.cells] for r in page.doc.tables[0].rows][1:]
            self.assertEqual([r[1] for r in rows], rec['authors'], 'the team in grid order')
            self.assertEqual([r[0] for r in rows], ['项目负责人'] + ['成员'] * (len(rows) - 1), 'the leader first')
            self.assertEqual(paras[self.at(paras, '指导教师：')][5:].split('\u3000')[0], rec['supervisor'])
            self.assertNotIn(rec['supervisor'], rec['authors'])
            self.assertIn('调研题目：' + rec['title'], paras)
            page, rec, paras = self.page(self.en, 'gen-en-humanitiesjournal-essay-kicker-capsbylinebeforetitle-italicnotesfoot', 'es', i)
            k = paras.index(rec['title'])
            self.assertEqual(re.split(', | AND ', paras[k - 1]), [a.upper() for a in rec['authors']], 'the byline above the title')
            self.assertEqual(paras[k - 2].replace(' ', ''), paras[k - 2].replace(' ', '').upper(), 'the kicker')
            self.assertEqual([n.split(' teaches ')[0] for n in paras[-1].split('; ')], rec['authors'])
            page, rec, paras = self.page(self.en, 'gen-en-lawschool-researchpaperseries-numberframe-smallcapsauthorlines-downloadbox',
                                         'rp', i)
            self.assertTrue(page.doc.tables[0].rows[0].cells[0].text.startswith('Research Paper No. %d-' % rec['year']))
            k = paras.index(rec['title'])
            self.assertEqual(paras[k + 1:k + 1 + len(rec['authors'])], rec['authors'], 'one author to a line')
            self.assertTrue(paras[k + 1 + len(rec['authors'])].endswith(str(rec['year'])), 'the date under the last')
            self.assertIn('without charge', page.doc.tables[1].rows[0].cells[0].text)


@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class FiftysecondTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The fifty-second set (blind part heldout52): new schools and wording, labels printed, bylines in
    a cell beside a stacked journal name, with role tags, as a team's leader and members, on a badge
    cover's one line, after "by", with "&", and the reviewers and supervisors who stand on the page
    and are no authors; the whole set in its part."""
    ROUND, PART, EARLIER = 'fiftysecond', 'heldout52', 102
    MARKS = {'gen-zh-limnoforestjournal-verticalnamestripcell-circledfootunits': '收稿日期：',
             'gen-zh-animalsoilmeeting-meetinggridtopright-roletaggedbyline': '通讯作者',
             'gen-zh-forestgeomaster-codegridtopleft-titleovertwounderlinedlines': '研究方向',
             'gen-zh-fieldexpedition-reportcover-leadermembersline-reviewerapprover': '批准：',
             'gen-zh-teanutbachelor-classbadgecell-oneparticularsline': '届',
             'gen-en-limnologyjournal-citethisbandtop-italicbybyline-highlightsframe': 'Cite this article:',
             'gen-en-fieldphotometry-proceedings-ampersandbyline-italicnumberedaffils-copyrightfoot': '\u00a9',
             'gen-en-agriphd-titlepage-priordegreesundername-crestframe-supervisorsfoot': 'Co-supervisor:'}
    WITH_SUP = ('gen-zh-forestgeomaster-codegridtopleft-titleovertwounderlinedlines',
                'gen-zh-teanutbachelor-classbadgecell-oneparticularsline',
                'gen-en-agriphd-titlepage-priordegreesundername-crestframe-supervisorsfoot')

    def test_chinese_bylines_and_the_people_beside_them(self):
        import re
        for i in range(6):
            page, rec, paras = self.page(self.mod, 'gen-zh-limnoforestjournal-verticalnamestripcell-circledfootunits', 'strip', i)
            side, main = page.doc.tables[0].rows[0].cells
            self.assertIn(str(rec['year']), side.text)
            self.assertTrue(all(len(line) == 1 for line in side.text.split('\n\n')[0].split('\n')), 'one character to a line')
            lines = main.text.split('\n')
            self.assertEqual(lines[0], rec['title'])
            self.assertEqual(re.sub('[①-⑤]', '', lines[2]).split('，'), rec['authors'], 'circled numbers after the names')
            self.assertTrue(paras[-1].startswith('收稿日期：') and '\n①' in paras[-1], 'the units as circled notes')
            page, rec, paras = self.page(self.mod, 'gen-zh-animalsoilmeeting-meetinggridtopright-roletaggedbyline', 'meet', i)
            self.assertIn(str(rec['year']), page.doc.tables[0].rows[0].cells[1].text)
            k = paras.index(rec['title'])
            self.assertEqual(re.sub('（[^）]*）', '', paras[k + 1]).split('\u3000'), rec['authors'], 'the role tags are no names')
            self.assertTrue(paras[k + 1].endswith('（通讯作者）'))
            self.assertTrue(paras[k + 2].startswith('（') and any(s[0] in paras[k + 2] for s in self.mod.SCHOOLS), 'the unit line')
            page, rec, paras = self.page(self.mod, 'gen-zh-fieldexpedition-reportcover-leadermembersline-reviewerapprover', 'exp', i)
            leader = paras[self.at(paras, '队\u3000长：')][4:]
            members = paras[self.at(paras, '队\u3000员：')][4:].split('、')
            self.assertEqual([leader] + members, rec['authors'], 'the leader, then the members')
            people = re.findall('(?:审核|批准)：(\\S+)', paras[self.at(paras, '审核：')])
            self.assertEqual(len(people), 2)
            self.assertFalse(set(people) & set(rec['authors']), 'reviewer and approver are no authors')
            self.assertTrue(paras[0].startswith('报告编号：') and str(rec['year']) in paras[0])

    def test_covers_and_english_bylines(self):
        import re
        for i in range(6):
            page, rec, paras = self.page(self.mod, 'gen-zh-forestgeomaster-codegridtopleft-titleovertwounderlinedlines', 'ms', i)
            k = next(j for j, p in enumerate(paras) if p.startswith(('题\u3000目：', '论文题目：')))
            self.assertEqual(paras[k].split('：', 1)[1] + paras[k + 1], rec['title'], 'the title over two lines')
            self.assertTrue(all(r.underline for r in page.doc.paragraphs[k + 1].runs))
            fields = {r.cells[0].text.rstrip('：').replace('\u2002', ''): r.cells[1].text for r in page.doc.tables[1].rows}
            self.assertEqual(fields['研究生'], rec['authors'][0])
            self.assertEqual(fields['指导教师'].split('\u3000')[0], rec['supervisor'])
            self.assertIn('UDC', page.doc.tables[0].rows[1].cells[0].text)
            page, rec, paras = self.page(self.mod, 'gen-zh-teanutbachelor-classbadgecell-oneparticularsline', 'ba', i)
            self.assertEqual(page.doc.tables[0].rows[0].cells[0].text, '%d届' % rec['year'])
            line = paras[self.at(paras, '学生：')]
            self.assertEqual(re.match('学生：(\\S+)\u3000学号', line).group(1), rec['authors'][0])
            self.assertEqual(re.search('指导教师：(\\S+?)（', line).group(1), rec['supervisor'])
            page, rec, paras = self.page(self.en, 'gen-en-limnologyjournal-citethisbandtop-italicbybyline-highlightsframe', 'cite', i)
            cite = page.doc.tables[0].rows[0].cells[0].text
            self.assertIn('(%d) %s.' % (rec['year'], rec['title']), cite)
            self.assertTrue(all(a.split()[-1] in cite for a in rec['authors']))
            k = paras.index(rec['title'])
            self.assertEqual(re.split(', | and ', paras[k + 1][3:]), rec['authors'], 'the byline after "by"')
            self.assertTrue(page.doc.tables[1].rows[0].cells[0].text.startswith('Highlights'))
            page, rec, paras = self.page(self.en, 'gen-en-fieldphotometry-proceedings-ampersandbyline-italicnumberedaffils-copyrightfoot',
                                         'proc', i)
            k = paras.index(rec['title'])
            self.assertEqual(re.split(' \\d(?:, | & |$)', paras[k + 1])[:-1], rec['authors'], 'numbers and "&" between the names')
            self.assertEqual(len(rec['authors']) > 1, ' & ' in paras[k + 1])
            self.assertTrue(paras[-1].startswith('\u00a9 %d' % rec['year']))
            page, rec, paras = self.page(self.en, 'gen-en-agriphd-titlepage-priordegreesundername-crestframe-supervisorsfoot', 'phd', i)
            k = paras.index(rec['title'])
            self.assertEqual(paras[k + 1:k + 3], ['by', rec['authors'][0]], 'the candidate after "by"')
            self.assertRegex(paras[k + 3], '^B[A-Za-z]+', 'the earlier degrees under the name')
            self.assertTrue(paras[-2].endswith(' ' + rec['supervisor']) and paras[-2].startswith('Principal supervisor:'))
            co = paras[-1].split(': ', 1)[1].split(' ', 1)[1]
            self.assertTrue(paras[-1].startswith('Co-supervisor:'))
            self.assertNotIn(co, rec['authors'] + [rec['supervisor']], 'the co-supervisor is neither author nor supervisor')
class FiftythirdTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The fifty-third set (blind part heldout53): new schools and wording, labels printed, writers
    named at the end of a brief, names over their pinyin, in a card beside the abstract, over their
    captions, after a grant number or on one line with marks, and the dig leaders, thinkers and
    editors who stand on the page and are no authors; the whole set in its part."""
    ROUND, PART, EARLIER = 'fiftythird', 'heldout53', 104
    MARKS = {'gen-zh-archaeologybrief-institutionbyline-writersinparensattextend': '（执笔：',
             'gen-zh-literaturejournal-columntagonly-abstractframe-journalfolioatfoot': '内容提要：',
             'gen-zh-linguisticsconf-paperidright-englishsubline-pinyinrowundernames': '论文编号：',
             'gen-zh-religiondoctor-titlepage-valuesovercaptions-twobytwogrid': '学位申请人',
             'gen-zh-fundproject-finalreportcover-grantnoframe-leaderthenmembers': '项目批准号：',
             'gen-zh-filmjournal-abstractleft-shadedauthorcardright': '［摘要］',
             'gen-en-musicologyconf-paperidcell-middotbyline-keywordsbeforeabstract': 'Paper ID ',
             'gen-en-philosophychapter-numeralcellbesidetitle-epigraph-starredfootnote': 'edited by '}
    WITH_SUP = ('gen-zh-religiondoctor-titlepage-valuesovercaptions-twobytwogrid',)

    def test_chinese_bylines_where_the_layouts_put_them(self):
        import re
        for i in range(6):
            page, rec, paras = self.page(self.mod, 'gen-zh-archaeologybrief-institutionbyline-writersinparensattextend', 'dig', i)
            self.assertEqual(re.split('[\u3000、]', paras[-1][4:-1]), rec['authors'], 'the writers at the end of the text')
            self.assertTrue(paras[-2].startswith('发掘领队：'))
            self.assertNotIn(paras[-2][5:], rec['authors'], 'the leader is no author')
            byline = paras[paras.index(rec['title']) + 1]
            self.assertTrue(byline.startswith(tuple(s[0] for s in self.mod.SCHOOLS)), 'the school digging first')
            self.assertFalse([a for a in rec['authors'] if a in byline], 'institutions, not people, under the title')
            page, rec, paras = self.page(self.mod, 'gen-zh-literaturejournal-columntagonly-abstractframe-journalfolioatfoot', 'lit', i)
            k = paras.index(rec['title'])
            self.assertEqual(paras[k + 1].split('\u3000'), rec['authors'])
            self.assertTrue(page.doc.tables[0].rows[0].cells[0].text.startswith('内容提要：'))
            self.assertIn('%d年第' % rec['year'], paras[-1], 'the journal and the year at the foot')
            self.assertFalse([p for p in paras[:-1] if str(rec['year']) in p], 'and nowhere else')
            page, rec, paras = self.page(self.mod, 'gen-zh-linguisticsconf-paperidright-englishsubline-pinyinrowundernames', 'ling', i)
            names, pinyin = [[c.text for c in r.cells] for r in page.doc.tables[1].rows]
            self.assertEqual(names, rec['authors'], 'the names in the first row')
            self.assertTrue(all(re.fullmatch('[A-Za-z ]+', p) for p in pinyin), 'their pinyin under them')
            self.assertTrue(page.doc.tables[0].rows[0].cells[1].text.startswith('论文编号：'))
            page, rec, paras = self.page(self.mod, 'gen-zh-filmjournal-abstractleft-shadedauthorcardright', 'film', i)
            left, card = page.doc.tables[0].rows[0].cells
            self.assertTrue(left.text.startswith('［摘要］'))
            self.assertEqual(card.text.split('\n')[::2], rec['authors'], 'one name a line, each over its unit')
            self.assertIn(str(rec['year']), paras[0])

    def test_covers_keep_tutors_apart_and_english_bylines(self):
        import re
        for i in range(6):
            page, rec, paras = self.page(self.mod, 'gen-zh-religiondoctor-titlepage-valuesovercaptions-twobytwogrid', 'dr', i)
            blocks = {c.text.split('\n')[-1]: c.text.split('\n')[0] for r in page.doc.tables[0].rows for c in r.cells}
            self.assertEqual(blocks['学位申请人'], rec['authors'][0], 'the value over its caption')
            self.assertEqual(blocks['指导教师'].split('\u2002')[0], rec['supervisor'])
            self.assertNotIn(rec['supervisor'], rec['authors'])
            page, rec, paras = self.page(self.mod, 'gen-zh-fundproject-finalreportcover-grantnoframe-leaderthenmembers', 'fund', i)
            self.assertTrue(page.doc.tables[0].rows[0].cells[0].text.startswith('项目批准号：'))
            self.assertIn('项目名称：' + rec['title'], paras)
            team = [paras[self.at(paras, '项目负责人：')][6:]]
            if len(rec['authors']) > 1:
                team += re.split('[、\u3000]', paras[self.at(paras, '课题组成员：')][6:])
            self.assertEqual(team, rec['authors'], 'the leader, then the members')
            page, rec, paras = self.page(self.en, 'gen-en-musicologyconf-paperidcell-middotbyline-keywordsbeforeabstract', 'mus', i)
            byline = paras[paras.index(rec['title']) + 1]
            self.assertEqual(re.sub('[\u2020\u2021\u00a7\u00b6]', '', byline).split(' \u00b7 '), rec['authors'])
            self.assertLess(self.at(paras, 'Keywords: '), self.at(paras, 'Abstract. '), 'the keywords first')
            self.assertEqual(len(paras[paras.index(rec['title']) + 2:self.at(paras, 'Keywords: ')]), len(rec['authors']),
                             'one affiliation a line')
            page, rec, paras = self.page(self.en, 'gen-en-philosophychapter-numeralcellbesidetitle-epigraph-starredfootnote', 'ch', i)
            number, title = page.doc.tables[0].rows[0].cells
            self.assertTrue(number.text.isdigit())
            self.assertEqual(title.text, rec['title'])
            self.assertEqual(paras[1], ' and '.join(rec['authors']), 'the author under the title')
            self.assertNotIn(paras[3][2:], rec['authors'], 'the thinker quoted is no author')
            editors = re.search('edited by (.+) \\(', paras[-1]).group(1).split(' and ')
            self.assertFalse(set(editors) & set(rec['authors']), 'the editors are no authors')
            self.assertTrue(paras[-1].startswith('* ' + rec['authors'][0]))


@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class FiftyfourthTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The fifty-fourth set (blind part heldout54): new schools and wording, labels printed, bylines
    beside a column tag, under a conference head, on a landscape page and in a transactions style,
    the writers of a report in their table, the particulars of a thesis in two languages or in a
    form's numbered boxes, and the supervisors and checkers who are no authors; the whole set in its
    part."""
    ROUND, PART, EARLIER = 'fiftyfourth', 'heldout54', 106
    MARKS = {'gen-zh-nursingmaster-bilingualtitlepage-cnblockleft-enblockright': 'Candidate: ',
             'gen-zh-engproject-researchreport-projectnoband-writerchaptertable-shendingline': '撰写章节',
             'gen-zh-pharmacyjournal-columntagbesidetitle-trianglecorr-bracketcodesline': '【文章编号】',
             'gen-zh-minenetconf-acceptnohead-titleleft-framedabstractcell-twocol': '录用编号：',
             'gen-zh-envgeomeeting-landscapeextabstract-threecolumns': '扩展摘要',
             'gen-en-healthmphil-thesistitlepage-crestframe-primarycosupervisorlines': 'Primary supervisor: ',
             'gen-en-highwayresearch-reportdocumentationpage-numberedboxgrid': 'Technical Report Documentation Page',
             'gen-en-powertransactions-gradedbyline-dashabstract-manuscriptreceivedfoot': 'Manuscript received'}
    WITH_SUP = ('gen-zh-nursingmaster-bilingualtitlepage-cnblockleft-enblockright',
                'gen-en-healthmphil-thesistitlepage-crestframe-primarycosupervisorlines')

    def byline_after(self, paras, title, marks='[\\d△]'):
        """The names of the paragraph right after the title, their marks taken off."""
        import re
        return re.split('[，\u3000]', re.sub(marks, '', paras[paras.index(title) + 1]))

    def test_chinese_bylines_and_the_people_beside_them(self):
        import re
        for i in range(6):
            page, rec, paras = self.page(self.mod, 'gen-zh-nursingmaster-bilingualtitlepage-cnblockleft-enblockright', 'ns', i)
            cn, en = (c.text for c in page.doc.tables[0].rows[0].cells)
            self.assertTrue(cn.startswith(rec['title']), 'the Chinese block opens with the title')
            self.assertIn('研\u2002究\u2002生：%s\n指导教师：%s\u3000' % (rec['authors'][0], rec['supervisor']), cn)
            self.assertTrue('Candidate: ' in en and 'Supervisor: Prof. ' in en and str(rec['year']) in en)
            self.assertNotIn(rec['title'], paras)
            page, rec, paras = self.page(self.mod, 'gen-zh-engproject-researchreport-projectnoband-writerchaptertable-shendingline',
                                         'rep', i)
            rows = [[c.text for c in r.cells] for r in page.doc.tables[1].rows]
            self.assertEqual(rows[0][3], '撰写章节')
            self.assertEqual([r[1].replace('（项目负责人）', '') for r in rows[1:]], rec['authors'], 'the writers in table order')
            self.assertTrue(rows[1][1].endswith('（项目负责人）'), 'the leader first')
            self.assertEqual([r[3] for r in rows[1:]], ['第%d章' % (k + 1) for k in range(len(rec['authors']))])
            self.assertNotIn(paras[self.at(paras, '审\u3000定：')][4:], rec['authors'], 'the checker is no author')
            self.assertTrue(page.doc.tables[0].rows[0].cells[0].text.startswith('项目编号：'))
            page, rec, paras = self.page(self.mod, 'gen-zh-pharmacyjournal-columntagbesidetitle-trianglecorr-bracketcodesline', 'ph', i)
            tag, title = (c.text for c in page.doc.tables[0].rows[0].cells)
            self.assertEqual(title, rec['title'], 'the title beside the column tag')
            self.assertIn(tag, ['论\u2002著', '药学研究', '临床护理'])
            by = paras[paras.index('') + 1]
            self.assertEqual(re.split('[，\u3000]', re.sub('[\\d△]', '', by)), rec['authors'])
            self.assertEqual(by.count('△'), int(len(rec['authors']) > 1), 'one triangle, on the corresponding author')
            self.assertIn('△通信作者：%s，' % rec['authors'][-1], paras[-1])
            self.assertTrue(paras[self.at(paras, '【中图分类号】')].split('【文章编号】')[1].startswith('1009-'))
            page, rec, paras = self.page(self.mod, 'gen-zh-minenetconf-acceptnohead-titleleft-framedabstractcell-twocol', 'mn', i)
            self.assertTrue(page.doc.tables[0].rows[0].cells[1].text.startswith('录用编号：MNS%d-' % rec['year']))
            self.assertEqual(self.byline_after(paras, rec['title']), rec['authors'])
            units = paras[paras.index(rec['title']) + 2]
            self.assertEqual(units.startswith('（1. '), len(rec['authors']) > 1, 'numbered units for numbered names')
            box = page.doc.tables[1].rows[0].cells[0].text
            self.assertTrue(box.startswith('摘\u3000要：') and box.endswith('关键词：' + '；'.join(rec['keywords'])), 'the framed abstract')
            page, rec, paras = self.page(self.mod, 'gen-zh-envgeomeeting-landscapeextabstract-threecolumns', 'eg', i)
            first = page.doc.sections[0]
            self.assertGreater(first.page_width, first.page_height, 'a landscape page')
            self.assertEqual(len(page.doc.sections), 2)
            self.assertEqual(self.byline_after(paras, rec['title'], '\\d'), rec['authors'])
            self.assertLess(self.at(paras, '摘\u2002要'), self.at(paras, '关键词：'))
            self.assertIn('%d年' % rec['year'], page.doc.tables[0].rows[0].cells[0].text)

    def test_english_bylines_boxes_and_supervisors(self):
        import re
        for i in range(6):
            page, rec, paras = self.page(self.en, 'gen-en-healthmphil-thesistitlepage-crestframe-primarycosupervisorlines', 'mp', i)
            k = paras.index(rec['title'])
            self.assertEqual(paras[k + 1:k + 3], ['by', rec['authors'][0]], 'the candidate after "by"')
            primary = paras[self.at(paras, 'Primary supervisor: ')]
            co = paras[self.at(paras, 'Co-supervisor: ')]
            self.assertTrue(primary.endswith(' ' + rec['supervisor']), 'the primary supervisor is the supervisor')
            self.assertNotIn(rec['supervisor'], co)
            self.assertFalse([a for a in rec['authors'] if a in co], 'the co-supervisor is no author')
            self.assertEqual(page.doc.tables[0].rows[0].cells[0].text, '[University crest]')
            page, rec, paras = self.page(self.en, 'gen-en-highwayresearch-reportdocumentationpage-numberedboxgrid', 'dp', i)
            boxes = {c.text.split('\n')[0]: c.text.split('\n')[1:] for t in page.doc.tables for c in t.rows[0].cells}
            self.assertEqual(boxes['4. Title and Subtitle'], [rec['title']])
            self.assertEqual(re.split(', | and ', boxes['7. Author(s)'][0]), rec['authors'], 'the authors in box 7')
            self.assertEqual(boxes['17. Key Words'][0].split(', '), rec['keywords'])
            self.assertTrue(boxes['5. Report Date'][0].endswith(str(rec['year'])))
            self.assertEqual(boxes['2. Government Accession No.'], [], 'empty boxes stay empty')
            self.assertEqual(len(boxes), 18)
            page, rec, paras = self.page(self.en, 'gen-en-powertransactions-gradedbyline-dashabstract-manuscriptreceivedfoot', 'tr', i)
            by = paras[paras.index(rec['title']) + 1]
            names = re.split(', and | and |, ', re.sub(', (Student |Senior )?Member, IEEE', '', by))
            self.assertEqual(names, rec['authors'], 'the grades are no names')
            self.assertTrue(paras[self.at(paras, 'Index Terms\u2014')].endswith(', '.join(rec['keywords']) + '.'))
            note = paras[-1]
            self.assertTrue(note.startswith('Manuscript received ') and str(rec['year']) in note)
            at = [note.find(a + ' is with ') for a in rec['authors']]
            self.assertEqual(at, sorted(at), 'one affiliation per author, in order')
            self.assertNotIn(-1, at)


class FiftyfifthTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The fifty-fifth set (blind part heldout55): new schools and wording, labels printed, bylines
    with circled notes, over units in a side cell, after a call-for-papers grid, a leader apart from
    the members and one author to a line with a dash; particulars low in a side cell or in a
    four-column grid; the tutors and seminar leaders kept apart from the authors; the whole set in its
    part."""
    ROUND, PART, EARLIER = 'fiftyfifth', 'heldout55', 108
    MARKS = {'gen-zh-fiscalcentre-workingpaper-threecellstrip-circlednotes-draftnoticeframe': '本文为工作论文',
             'gen-zh-journalismmaster-particularscellleft-titlecellright': '新闻与传播硕士',
             'gen-zh-libraryscimeeting-callpaper-submissiongrid-postcodeunit': '征文编号：',
             'gen-zh-socialworkbachelor-classyearcorner-kindtagundertitle-fourcolgrid': '职\u2002\u2002称',
             'gen-zh-auditjournal-pagefirsthead-nameoverunitcell-abstractright': '中图分类号：F',
             'gen-zh-socscifund-finalreport-factscellleft-teamcellright': '结项时间：',
             'gen-en-businessschool-workingpaper-numberschoolrow-authordashaffiliationlines-jelline': 'JEL Classification: ',
             'gen-en-publicpolicy-policyanalysisexercise-preparedforclient-advisorleaderlines': 'Seminar Leader: '}
    WITH_SUP = ('gen-zh-journalismmaster-particularscellleft-titlecellright',
                'gen-zh-socialworkbachelor-classyearcorner-kindtagundertitle-fourcolgrid',
                'gen-en-publicpolicy-policyanalysisexercise-preparedforclient-advisorleaderlines')

    def cells(self, page, k=0):
        return [[c.text for c in r.cells] for r in page.doc.tables[k].rows]

    def test_chinese_papers_name_their_authors_in_order(self):
        import re
        for i in range(6):
            page, rec, paras = self.page(self.mod, 'gen-zh-fiscalcentre-workingpaper-threecellstrip-circlednotes-draftnoticeframe', 'wp', i)
            self.assertTrue(self.cells(page)[0][1].startswith('WP No. %d-' % rec['year']), 'the number carries the year')
            k = paras.index(rec['title'])
            self.assertEqual(re.sub('[①-⑤]', '', paras[k + 2]).split('\u3000'), rec['authors'], 'the byline under the English line')
            notes = paras[-1].split('\n')
            self.assertEqual([n.split(' ')[1].split('，')[0] for n in notes], rec['authors'], 'one circled note per author, in order')
            self.assertTrue(self.cells(page, 2)[0][0].startswith('本文为工作论文'))
            page, rec, paras = self.page(self.mod, 'gen-zh-libraryscimeeting-callpaper-submissiongrid-postcodeunit', 'lib', i)
            grid = self.cells(page)
            self.assertTrue(grid[0][0].startswith('征文编号：%d' % rec['year']) and str(rec['year']) in grid[0][1])
            self.assertEqual(grid[1][0][:5], '论文类别：')
            k = paras.index(rec['title'])
            self.assertEqual(re.split('[\u3000，、]', paras[k + 1]), rec['authors'])
            self.assertRegex(paras[k + 2], '^（.+—\\d{6}）$', 'the unit with its postcode after a dash')
            page, rec, paras = self.page(self.mod, 'gen-zh-auditjournal-pagefirsthead-nameoverunitcell-abstractright', 'audit', i)
            self.assertRegex(paras[0], '^·\\d+·\u3000.+\u3000%d年第\\d+期$' % rec['year'], 'the page number first in the head')
            left, right = self.cells(page)[0]
            self.assertEqual([x for x in left.split('\n') if x and not x.startswith('（')], rec['authors'], 'each name over its unit')
            self.assertEqual(len(re.findall('（[^）]+）', left)), len(rec['authors']))
            self.assertTrue(right.startswith('摘\u2002要：') and '；'.join(rec['keywords']) in right)
            page, rec, paras = self.page(self.mod, 'gen-zh-socscifund-finalreport-factscellleft-teamcellright', 'fund', i)
            facts, crew = self.cells(page)[0]
            self.assertEqual([f[:5] for f in facts.split('\n')], ['项目类别：', '项目编号：', '立项时间：', '结项时间：', '责任单位：'])
            crew = crew.split('\n')
            self.assertEqual((crew[:2], [c for c in crew[2:] if c and c != '课题组成员']), (['课题负责人', rec['authors'][0]], rec['authors'][1:]),
                             'the leader over the members, one to a line')
            self.assertEqual(paras[paras.index(rec['title']) - 1][-4:], '研究报告')

    def test_covers_keep_tutors_apart_and_english_bylines(self):
        for i in range(6):
            page, rec, paras = self.page(self.mod, 'gen-zh-journalismmaster-particularscellleft-titlecellright', 'jm', i)
            left, right = self.cells(page)[0]
            lines = left.split('\n')
            self.assertEqual(lines[lines.index('研\u2002究\u2002生') + 1], rec['authors'][0])
            self.assertEqual(lines[lines.index('指导教师') + 1].split('\u2002')[0], rec['supervisor'])
            self.assertGreater(lines.index('研\u2002究\u2002生'), 12, 'the particulars stand low in their cell')
            self.assertEqual(right.split('\n')[-1], rec['title'], 'the title last in the right cell')
            page, rec, paras = self.page(self.mod, 'gen-zh-socialworkbachelor-classyearcorner-kindtagundertitle-fourcolgrid', 'sw', i)
            self.assertEqual((self.cells(page)[0][0], page.doc.tables[0].alignment), ('%d届' % rec['year'], 0), 'the class year at left')
            grid = self.cells(page, 1)
            self.assertEqual((grid[0][1], grid[2][1]), (rec['authors'][0], rec['supervisor']))
            self.assertEqual([r[0] for r in grid], ['学生姓名', '学\u2002\u2002院', '指导教师'])
            k = paras.index(rec['title'])
            self.assertTrue(paras[k + 1].startswith('（') and paras[k + 1].endswith('类）'), 'the kind under the title')
            page, rec, paras = self.page(self.en, 'gen-en-businessschool-workingpaper-numberschoolrow-authordashaffiliationlines-jelline',
                                         'bwp', i)
            self.assertTrue(self.cells(page)[0][0].startswith('Working Paper No. %d-' % rec['year']))
            k = paras.index(rec['title'])
            self.assertEqual([p.split(' \u2014 ')[0] for p in paras[k + 1:k + 1 + len(rec['authors'])]], rec['authors'],
                             'one author to a line, then a dash and the affiliation')
            self.assertTrue(paras[k + 1 + len(rec['authors'])].startswith('This draft: '))
            self.assertIn('Corresponding author: %s,' % rec['authors'][0], paras[-1])
            page, rec, paras = self.page(self.en, 'gen-en-publicpolicy-policyanalysisexercise-preparedforclient-advisorleaderlines',
                                         'pae', i)
            self.assertEqual(paras[self.at(paras, 'Author')].split(': ', 1)[1].split(' and '), rec['authors'])
            self.assertEqual(paras[self.at(paras, 'Faculty Advisor: ')][17:], rec['supervisor'])
            leader = paras[self.at(paras, 'Seminar Leader: ')][16:]
            self.assertNotIn(leader, rec['authors'] + [rec['supervisor']], 'the seminar leader is neither')
            self.assertEqual(paras[paras.index(rec['title']) + 1][:14], 'Prepared for: ')


class FiftysixthTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The fifty-sixth set (blind part heldout56): new schools and wording, labels printed, bylines
    with unit numbers, in a framed box, one person to a line or joined by "and"; particulars under
    a strip of codes or in a grid of two-language labels; the tutors kept apart from the authors;
    the whole set in its part."""
    ROUND, PART, EARLIER = 'fiftysixth', 'heldout56', 110
    MARKS = {'gen-zh-lifescimedjournal-columntagdoistrip-corrlineunderunits-jijinbracketlabel': '【基金项目】',
             'gen-zh-smartagriconf-titlebylineunitsinonebox-cnenabstractcellpair': '智慧农业与信息技术学术会议',
             'gen-zh-engdoctor-fourcodestriptop-shenqingrenrows-tutornamerankonevalue': '导师姓名及职称',
             'gen-zh-agrimaster-stampcelltopright-bilinguallabelgrid-firstindustrytutors': 'Industry Supervisor',
             'gen-zh-keylab-openfundreport-onelineperperson-summaryleft-factsboxright': '资助经费：',
             'gen-en-cropanimaljournal-acceptedreceivedline-centredabstractheading-narrowabstract-numberedfootaffils':
             'in original form',
             'gen-en-farmvisionworkshop-nameanglemaillines-oneaffilline-nonarchivalfoot': 'Non-archival',
             'gen-en-agstation-researchreport-shadednumberstrip-bybyline-abouttheauthorsbox': 'About the authors'}
    WITH_SUP = ('gen-zh-engdoctor-fourcodestriptop-shenqingrenrows-tutornamerankonevalue',
                'gen-zh-agrimaster-stampcelltopright-bilinguallabelgrid-firstindustrytutors')

    def cells(self, page, k=0):
        return [[c.text for c in r.cells] for r in page.doc.tables[k].rows]

    def test_chinese_papers_name_their_authors_in_order(self):
        import re
        for i in range(6):
            page, rec, paras = self.page(self.mod, 'gen-zh-lifescimedjournal-columntagdoistrip-corrlineunderunits-jijinbracketlabel', 'med', i)
            tag, doi = self.cells(page)[0]
            self.assertTrue(tag.startswith('·') and ('-%d' % rec['year']) in doi, 'the column tag and a DOI with the year')
            k = paras.index(rec['title'])
            self.assertEqual(re.sub('\\d', '', paras[k + 1]).split('\u2003'), rec['authors'], 'names with unit numbers')
            self.assertIn(paras[k + 3][5:].split('，')[0], rec['authors'], 'the corresponding author under the units')
            self.assertTrue(paras[k + 3].startswith('通信作者：') and paras[k + 4].startswith('【摘要】目的'))
            self.assertEqual(paras[k + 5], '【关键词】' + '；'.join(rec['keywords']))
            page, rec, paras = self.page(self.mod, 'gen-zh-smartagriconf-titlebylineunitsinonebox-cnenabstractcellpair', 'conf', i)
            self.assertIn('（%d）' % rec['year'], paras[0])
            box = self.cells(page)[0][0].split('\n')
            self.assertEqual(box[0], rec['title'], 'the title first in the box')
            self.assertEqual([re.sub('\\d$', '', a) for a in box[1].split('\u2002\u2002')], rec['authors'])
            self.assertTrue(all('，' in u for u in box[2:]), 'units with their places under the names')
            cn, en = self.cells(page, 1)[0]
            self.assertTrue(cn.startswith('摘\u2002要：') and cn.endswith('；'.join(rec['keywords'])) and en.startswith('Abstract: '))
            page, rec, paras = self.page(self.mod, 'gen-zh-keylab-openfundreport-onelineperperson-summaryleft-factsboxright', 'lab', i)
            self.assertTrue(self.cells(page)[0][1].startswith('报告编号：KF-%d-' % rec['year']))
            k = paras.index(rec['title'])
            people = paras[k + 1:k + 1 + len(rec['authors'])]
            self.assertEqual([p[4:].split('（')[0] for p in people], rec['authors'], 'one person to a line, in order')
            self.assertEqual([p[:4] for p in people], ['负责人：'] + ['参加人：'] * (len(people) - 1))
            summary, facts = self.cells(page, 1)[0]
            self.assertTrue(summary.startswith('报告摘要'))
            self.assertRegex(facts, '^课题编号：.+\n资助经费：\\d+万元\n执行期限：\\d{4}\\.\\d{2}—%d\\.\\d{2}$' % rec['year'], 'the term ends in the year')

    def test_covers_keep_tutors_apart_and_english_bylines(self):
        import re
        for i in range(6):
            page, rec, paras = self.page(self.mod, 'gen-zh-engdoctor-fourcodestriptop-shenqingrenrows-tutornamerankonevalue', 'doc', i)
            self.assertEqual([c[:2] for c in self.cells(page)[0]], ['分类', 'UD', '密级', '学号'], 'the four codes on top')
            rows = dict(map(tuple, self.cells(page, 1)))
            self.assertEqual(rows['申请人姓名'], rec['authors'][0])
            self.assertIn(rows['导师姓名及职称'].split('\u2002'), [[rec['supervisor'], r] for r in self.mod.RANKS], 'name and rank in one value')
            self.assertTrue(rows['论文提交日期'].startswith('%d年' % rec['year']))
            self.assertEqual(paras[paras.index(rec['title']) - 1], 'DOCTORAL DISSERTATION', 'the title under the degree')
            page, rec, paras = self.page(self.mod, 'gen-zh-agrimaster-stampcelltopright-bilinguallabelgrid-firstindustrytutors', 'agm', i)
            self.assertEqual(page.doc.tables[0].alignment, 2, 'the stamp at the right')
            grid = self.cells(page, 1)
            self.assertEqual([r[0].split('\n')[1] for r in grid], ['Name', 'First Supervisor', 'Industry Supervisor', 'Degree', 'Field',
                                                                       'Defence Date'])
            self.assertEqual((grid[0][1], grid[1][1].split('\u2002')[0]), (rec['authors'][0], rec['supervisor']))
            self.assertNotIn(grid[2][1].split('\u2002')[0], rec['authors'] + [rec['supervisor']], 'the industry tutor is neither')
            page, rec, paras = self.page(self.en, 'gen-en-cropanimaljournal-acceptedreceivedline-centredabstractheading-narrowabstract-numberedfootaffils',
                                         'crop', i)
            k = paras.index(rec['title'])
            self.assertEqual(re.split(', | and ', re.sub(' \\d', '', paras[k + 1])), rec['authors'])
            self.assertTrue(paras[k + 2].startswith('Accepted %d ' % rec['year']) and paras[k + 3] == 'ABSTRACT')
            self.assertTrue(paras[-1].startswith('1 College of '), 'numbered units at the foot')
            page, rec, paras = self.page(self.en, 'gen-en-farmvisionworkshop-nameanglemaillines-oneaffilline-nonarchivalfoot', 'ws', i)
            k = paras.index(rec['title'])
            lines = paras[k + 1:k + 1 + len(rec['authors'])]
            self.assertEqual([p.split('  <')[0] for p in lines], rec['authors'], 'one author to a line before the mail')
            self.assertTrue(all(p.endswith('.edu.cn>') for p in lines))
            self.assertIn(str(rec['year']), paras[-1])
            page, rec, paras = self.page(self.en, 'gen-en-agstation-researchreport-shadednumberstrip-bybyline-abouttheauthorsbox', 'rr', i)
            self.assertTrue(self.cells(page)[0][0].startswith('Research Report RR-%d-' % rec['year']))
            by = paras[paras.index(rec['title']) + 1]
            self.assertEqual(re.split(',? and |, ', by[3:]), rec['authors'], 'the By line joined by commas and "and"')
            about = self.cells(page, 1)[0][0].split('\n')
            self.assertEqual([a.split(' is ')[0] for a in about[1:]], rec['authors'], 'each author\'s post in the box')


@unittest.skipUnless(HAVE_DOCX, 'python3-docx not installed')
class FiftyseventhTemplatesTest(_LaterTemplatesChecks, unittest.TestCase):
    """The fifty-seventh set (blind part heldout57): new schools and wording, labels printed, a name
    and its unit to a line, names in a row of cells, names with their posts in brackets, names split
    by bars and names in a table low on the page; particulars two to a line, flush right or in a
    six-column grid; the tutors kept apart from the authors; the whole set in its part."""
    ROUND, PART, EARLIER = 'fiftyseventh', 'heldout57', 112
    MARKS = {'gen-zh-artsxuebao-volumeblockright-namewithunitlines-squarebracketlabels': '[文献标识码]',
             'gen-zh-lawdoctor-englishcapsschool-pairedparticularslines': 'DOCTORAL DISSERTATION',
             'gen-zh-eduhistoryconf-sessionlinetop-authorcellsrow-unitundername': '分会场：',
             'gen-zh-econmaster-titleshadedband-particularsflushrightfoot': '学校代码：',
             'gen-zh-socinstitute-researchreport-seriesboxright-authorspostparens-summarybox': '内容摘要：',
             'gen-zh-artsbachelor-titlelabelbox-sixcolgrid': '题目：',
             'gen-en-artseducationjournal-doiheadright-pipebyline-smallcapsheadings-articlehistory': 'https://doi.org/10.',
             'gen-en-socialpolicyunit-researchreport-seriesband-summaryframe-authorsaffiliationtablelow': 'Commissioned by '}
    WITH_SUP = ('gen-zh-lawdoctor-englishcapsschool-pairedparticularslines',
                'gen-zh-econmaster-titleshadedband-particularsflushrightfoot', 'gen-zh-artsbachelor-titlelabelbox-sixcolgrid')

    def cells(self, page, k=0):
        return [[c.text for c in r.cells] for r in page.doc.tables[k].rows]

    def test_papers_and_reports_name_their_authors_in_order(self):
        import re
        for i in range(6):
            page, rec, paras = self.page(self.mod, 'gen-zh-artsxuebao-volumeblockright-namewithunitlines-squarebracketlabels', 'xb', i)
            journal, issue = self.cells(page)[0]
            self.assertTrue(journal.endswith('学报') and issue.endswith('%d年%s月' % (rec['year'], issue.split('年')[-1][:-1])))
            k = paras.index(rec['title'])
            lines = paras[k + 1:k + 1 + len(rec['authors'])]
            self.assertEqual([p.split('\u3000（')[0] for p in lines], rec['authors'], 'one name and its unit to a line')
            self.assertTrue(all(re.search('\\d{6}）$', p) for p in lines), 'each unit ends with its postcode')
            self.assertIn(rec['keywords'][0], paras[self.at(paras, '[关键词]')])
            page, rec, paras = self.page(self.mod, 'gen-zh-eduhistoryconf-sessionlinetop-authorcellsrow-unitundername', 'conf', i)
            row = self.cells(page)[0]
            self.assertEqual([c.split('\n')[0] for c in row], rec['authors'], 'a cell per author, the name first')
            self.assertTrue(all(c.split('\n')[1].endswith('学院') for c in row), 'the unit under the name')
            self.assertLess(self.at(paras, '分会场：'), paras.index(rec['title']))
            self.assertIn('（%d）' % rec['year'], paras[1])
            page, rec, paras = self.page(self.mod, 'gen-zh-socinstitute-researchreport-seriesboxright-authorspostparens-summarybox', 'rep', i)
            byline = paras[self.at(paras, '作者：')][3:]
            self.assertEqual(re.sub('（[^）]+）', '', byline).split('；'), rec['authors'], 'names with their posts in brackets')
            self.assertTrue(self.cells(page)[0][0].startswith('研究报告\n%d年' % rec['year']))
            self.assertEqual(page.doc.tables[0].alignment, 2, 'the series box at the right')
            page, rec, paras = self.page(self.en, 'gen-en-artseducationjournal-doiheadright-pipebyline-smallcapsheadings-articlehistory',
                                         'art', i)
            k = paras.index(rec['title'])
            self.assertEqual([re.sub('[*\u2020\u2021\u00a7]', '', a).strip() for a in paras[k + 1].split('|')], rec['authors'])
            self.assertEqual(len([p for p in paras[k + 2:k + 7] if p and p[0] in '*\u2020\u2021\u00a7']), len(rec['authors']),
                             'one keyed affiliation per author')
            self.assertIn('Accepted', paras[self.at(paras, 'Article history')])
            self.assertEqual(paras[self.at(paras, 'Keywords') + 1].split(' \u2022 '), rec['keywords'])
            page, rec, paras = self.page(self.en, 'gen-en-socialpolicyunit-researchreport-seriesband-summaryframe-authorsaffiliationtablelow',
                                         'spr', i)
            self.assertTrue(self.cells(page)[0][0].startswith('RESEARCH REPORT %d/' % rec['year']))
            self.assertTrue(self.cells(page, 1)[0][0].startswith('Summary'))
            self.assertEqual([r[0] for r in self.cells(page, 2)], rec['authors'], 'the authors in the table low on the page')
            self.assertGreater(self.at(paras, 'Authors'), paras.index(rec['title']))

    def test_covers_keep_tutors_apart(self):
        for i in range(6):
            page, rec, paras = self.page(self.mod, 'gen-zh-lawdoctor-englishcapsschool-pairedparticularslines', 'law', i)
            line = paras[self.at(paras, '作者姓名')]
            self.assertEqual(line.split('指导教师')[0][5:].rstrip('\u3000'), rec['authors'][0], 'the student beside the tutor')
            self.assertEqual(line.split('指导教师')[1][1:].split('\u2002')[0], rec['supervisor'])
            self.assertEqual(paras.index(rec['title']), self.at(paras, 'DOCTORAL DISSERTATION') + 1)
            self.assertTrue(paras[0].isupper())
            page, rec, paras = self.page(self.mod, 'gen-zh-econmaster-titleshadedband-particularsflushrightfoot', 'econ', i)
            self.assertEqual(self.cells(page, 1), [[rec['title']]], 'the title alone in its band')
            self.assertTrue(paras[self.at(paras, '研究生')].endswith(rec['authors'][0]))
            self.assertEqual(paras[self.at(paras, '指导教师')][5:].split('\u2002')[0], rec['supervisor'])
            self.assertEqual(page.doc.paragraphs[self.at(paras, '研究生')].alignment, 2, 'the particulars flush right')
            page, rec, paras = self.page(self.mod, 'gen-zh-artsbachelor-titlelabelbox-sixcolgrid', 'ba', i)
            self.assertEqual(self.cells(page)[0][0].split('\n')[0], '题目：' + rec['title'])
            grid = self.cells(page, 1)
            self.assertEqual([grid[0][0], grid[0][2], grid[0][4], grid[1][0], grid[1][2], grid[1][4]],
                             ['学院', '专业', '年级', '学生姓名', '学号', '指导教师'])
            self.assertEqual((grid[1][1], grid[1][5]), (rec['authors'][0], rec['supervisor']))
            self.assertEqual(grid[0][5], '%d级' % (rec['year'] - 4))
