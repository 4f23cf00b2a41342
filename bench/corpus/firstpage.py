"""Whether a label is printed on the first page of a PDF.

The text of page 1 comes from `pdftotext -f 1 -l 1`; label and page are compared after the
same normalisation the scorer applies (NFKC, case-fold, quotes and dashes unified, blanks
collapsed, blanks next to CJK removed), with line ends read as blanks.
"""
import re
import subprocess
import unicodedata

CJK = r'\u2e80-\u2fdf\u3000-\u303f\u3040-\u30ff\u3400-\u4dbf\u4e00-\u9fff\uf900-\ufaff\uff00-\uffef'
_TRANS = str.maketrans({
    '\u2018': "'", '\u2019': "'", '\u201a': "'", '\u201b': "'", '\u2032': "'", '`': "'",
    '\u201c': '"', '\u201d': '"', '\u201e': '"', '\u201f': '"', '\u2033': '"',
    '\u2010': '-', '\u2011': '-', '\u2012': '-', '\u2013': '-', '\u2014': '-', '\u2015': '-',
    '\u2212': '-', '\u2e3a': '-', '\u2e3b': '-',
    '\u00a0': ' ', '\u3000': ' ',
})


def norm(s, ends=True):
    """The scorer's normalisation (without stripping end punctuation when ends is false)."""
    if s is None:
        return ''
    s = unicodedata.normalize('NFKC', str(s)).translate(_TRANS).casefold()
    s = re.sub(r'\s+', ' ', s).strip()
    s = re.sub(r' (?=[%s])' % CJK, '', s)
    s = re.sub(r'(?<=[%s]) ' % CJK, '', s)
    return s.strip(' .,;') if ends else s


def norm_name(s):
    return re.sub(r'\.\s+', '.', norm(s))


def page_text(pdf, page=1, timeout=60):
    """Text of one page, or '' when the PDF cannot be read."""
    try:
        r = subprocess.run(['pdftotext', '-q', '-enc', 'UTF-8', '-f', str(page), '-l', str(page), pdf, '-'],
                           capture_output=True, timeout=timeout)
    except (OSError, subprocess.TimeoutExpired):
        return ''
    return r.stdout.decode('utf-8', 'replace')


class Page:
    """The normalised text of a page, asked whether labels occur on it."""

    def __init__(self, text):
        self.raw = text
        # a word broken by a hyphen at a line end is joined again
        joined = re.sub(r'(?<=[a-z])-\n(?=[a-z])', '', text)
        self.text = norm(joined.replace('\f', ' '))
        self.names = re.sub(r'\.\s+', '.', self.text)
        # the same text with every blank removed, for labels printed with letter spacing
        self.tight = re.sub(r'\s+', '', self.text)

    def lines(self):
        if not hasattr(self, '_lines'):
            raw = re.sub(r'(?<=[a-z])-\n(?=[a-z])', '', self.raw)
            self._lines = [norm(re.sub(r'[\s\u2217*\u2020\u2021\u00a7\u00b6\u22c6\u00b9\u00b2\u00b3\u2070-\u2079]+$', '', l), ends=False)
                           for l in raw.replace('\f', '\n').split('\n')]
            self._lines = [l for l in self._lines if l]
        return self._lines

    def has_lines(self, label, most=6):
        """Whether the label fills whole lines of the page (one to `most` lines in a row)."""
        n = norm(label)
        if len(n) < 2:
            return False
        ls = self.lines()
        # blanks are ignored in a second pass: logos such as LaTeX come out of the text layer
        # as "L ATEX", and letter-spaced headings with a blank between every letter
        for squeeze in (False, True):
            want = re.sub(r'\s+', '', n) if squeeze else n
            for i in range(len(ls)):
                acc = ''
                for j in range(i, min(i + most, len(ls))):
                    acc = (acc + ' ' + ls[j]) if acc else ls[j]
                    got = re.sub(r'\s+', '', norm(acc)) if squeeze else norm(acc)
                    # the squeezed match may only take blanks away from the page, never from the label
                    if got == want and (not squeeze or n.count(' ') <= norm(acc).count(' ')):
                        return True
                    if len(got) > len(want) or not want.startswith(got):
                        break
        return False

    def has(self, label):
        n = norm(label)
        return len(n) >= 2 and n in self.text

    def has_name(self, name):
        n = norm_name(name)
        if len(n) < 2:
            return False
        if re.search(r'(?<!\w)%s(?!\w)' % re.escape(n), self.names):
            return True
        # a Chinese name printed with a blank between its characters
        if re.fullmatch(r'[%s]+' % CJK, n):
            return n in self.tight
        return False

    def in_order(self, names):
        """Whether the names are printed in this order (each first seen after the one before)."""
        pos = -1
        for n in names:
            m = re.search(r'(?<!\w)%s(?!\w)' % re.escape(norm_name(n)), self.names)
            if m is None:
                return True  # printed with blanks inside (a Chinese name): not judged here
            if m.start() < pos:
                return False
            pos = m.start()
        return True

    def years(self):
        return sorted({int(y) for y in re.findall(r'(?<!\d)(19[5-9]\d|20[0-3]\d)(?!\d)', self.raw)})


def is_cjk(s):
    return bool(re.search(r'[%s]' % CJK, s or ''))


def doi_of(text):
    m = re.search(r'\b(10\.\d{4,9}/[^\s"<>]+)', text)
    return m.group(1).rstrip('.,;)') if m else None


def arxiv_of(text):
    m = re.search(r'arXiv:\s*(\d{4}\.\d{4,5}(?:v\d+)?|[a-z\-]+(?:\.[A-Z]{2})?/\d{7}(?:v\d+)?)', text)
    return m.group(1) if m else None
