"""Small helpers over python-docx for writing first pages: fonts, rules, columns, label fields."""
from docx import Document
from docx.enum.section import WD_SECTION
from docx.enum.table import WD_TABLE_ALIGNMENT
from docx.enum.text import WD_ALIGN_PARAGRAPH
from docx.oxml import OxmlElement
from docx.oxml.ns import qn
from docx.shared import Cm, Pt

ALIGN = {'l': WD_ALIGN_PARAGRAPH.LEFT, 'c': WD_ALIGN_PARAGRAPH.CENTER, 'r': WD_ALIGN_PARAGRAPH.RIGHT,
         'j': WD_ALIGN_PARAGRAPH.JUSTIFY}


class Page:
    """A document being written, with a Latin and a CJK font chosen for it."""

    def __init__(self, latin='Liberation Serif', cjk='Noto Sans CJK SC', size=10.5, margins=2.5):
        self.doc = Document()
        self.latin, self.cjk, self.size = latin, cjk, size
        sec = self.doc.sections[0]
        sec.page_width, sec.page_height = Cm(21.0), Cm(29.7)
        for side in ('left_margin', 'right_margin', 'top_margin', 'bottom_margin'):
            setattr(sec, side, Cm(margins))
        style = self.doc.styles['Normal']
        style.font.name = latin
        style.font.size = Pt(size)
        style.element.get_or_add_rPr().get_or_add_rFonts().set(qn('w:eastAsia'), cjk)

    def para(self, runs, align='l', size=None, bold=False, font=None, cjk=None, before=0, after=4,
             italic=False, rule=None, indent=None, line=None):
        """A paragraph of runs; a run is a text or (text, {'sup':, 'bold':, 'size':, 'u':, 'italic':,
        'smallcaps':})."""
        p = self.doc.add_paragraph()
        p.alignment = ALIGN[align]
        fmt = p.paragraph_format
        fmt.space_before, fmt.space_after = Pt(before), Pt(after)
        if indent is not None:
            fmt.first_line_indent = Pt(indent)
        if line:
            fmt.line_spacing = line
        if isinstance(runs, (str, tuple)):
            runs = [runs]
        for r in runs:
            text, opt = (r, {}) if isinstance(r, str) else r
            run = p.add_run(text)
            f = run.font
            f.size = Pt(opt.get('size', size or self.size))
            f.bold = opt.get('bold', bold)
            f.italic = opt.get('italic', italic)
            if opt.get('sup'):
                f.superscript = True
            if opt.get('smallcaps'):
                f.small_caps = True
            if opt.get('u'):
                run.underline = True
            name = opt.get('font', font or self.latin)
            f.name = name
            run._element.get_or_add_rPr().get_or_add_rFonts().set(qn('w:eastAsia'), opt.get('cjk', cjk or self.cjk))
            if opt.get('break'):
                run.add_break()
        if rule:
            self.rule(p, rule)
        return p

    def rule(self, p, where='bottom', size=8):
        """A horizontal rule under (or over) a paragraph."""
        ppr = p._p.get_or_add_pPr()
        bdr = OxmlElement('w:pBdr')
        for side in (['top', 'bottom'] if where == 'both' else [where]):
            e = OxmlElement('w:%s' % side)
            e.set(qn('w:val'), 'single')
            e.set(qn('w:sz'), str(size))
            e.set(qn('w:space'), '1')
            e.set(qn('w:color'), '000000')
            bdr.append(e)
        ppr.append(bdr)

    def columns(self, n, space_cm=0.8):
        """Start a new section (on the same page) with n columns."""
        sec = self.doc.add_section(WD_SECTION.CONTINUOUS)
        cols = sec._sectPr.xpath('./w:cols')
        c = cols[0] if cols else OxmlElement('w:cols')
        if not cols:
            sec._sectPr.append(c)
        c.set(qn('w:num'), str(n))
        c.set(qn('w:space'), str(int(space_cm * 567)))
        return sec

    def table(self, rows, widths_cm=None, size=None, grid=False, align='c', bold_first=False, font=None,
              shade=(), fill='D9D9D9'):
        """A table of texts (or run lists) without borders unless grid; the columns in shade get a
        grey (or fill) background."""
        t = self.doc.add_table(rows=len(rows), cols=max(len(r) for r in rows))
        if grid:
            t.style = self.doc.styles['Table Grid']
        t.alignment = WD_TABLE_ALIGNMENT.CENTER
        for i, row in enumerate(rows):
            for j, val in enumerate(row):
                cell = t.cell(i, j)
                if widths_cm:
                    cell.width = Cm(widths_cm[j])
                if j in shade:
                    shd = OxmlElement('w:shd')
                    shd.set(qn('w:val'), 'clear')
                    shd.set(qn('w:color'), 'auto')
                    shd.set(qn('w:fill'), fill)
                    cell._tc.get_or_add_tcPr().append(shd)
                p = cell.paragraphs[0]
                p.alignment = ALIGN[align if not isinstance(align, (list, tuple)) else align[j]]
                runs = [val] if isinstance(val, (str, tuple)) else val
                for r in runs:
                    text, opt = (r, {}) if isinstance(r, str) else r
                    for k, line in enumerate(text.split('\n')):
                        run = p.add_run(line)
                        if k < len(text.split('\n')) - 1:
                            run.add_break()
                        run.font.size = Pt(opt.get('size', size or self.size))
                        run.font.bold = opt.get('bold', bold_first and j == 0)
                        run.font.name = opt.get('font', font or self.latin)
                        if opt.get('sup'):
                            run.font.superscript = True
                        if opt.get('u'):
                            run.underline = True
                        run._element.get_or_add_rPr().get_or_add_rFonts().set(qn('w:eastAsia'), opt.get('cjk', self.cjk))
        return t

    def meta(self, title='', author='', keywords='', subject=''):
        cp = self.doc.core_properties
        cp.title, cp.author, cp.keywords, cp.subject = title, author, keywords, subject
        cp.last_modified_by = author or ''

    def save(self, path):
        self.doc.save(path)
