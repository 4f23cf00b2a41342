#include "pdf/PdfSamples.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPdfWriter>

namespace samples {
namespace {

QFont font(double size, bool bold, const QString& family) {
    QFont f(family.isEmpty() ? QStringLiteral("DejaVu Serif") : family);
    f.setPointSizeF(size);
    f.setBold(bold);
    return f;
}

double width(QPainter& p, double size, const QStringList& parts, bool bold, const QString& family) {
    double w = 0;
    for (const QString& part : parts) {
        const bool mark = part.startsWith(QLatin1Char('^'));
        p.setFont(font(mark ? size * 0.6 : size, bold, family));
        w += p.fontMetrics().horizontalAdvance(mark ? part.mid(1) : part);
    }
    return w;
}

}  // namespace

void writePdf(const QString& path, const std::function<void(QPainter&, int)>& draw, int pages, const Meta& meta) {
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(72);
    if (!meta.title.isEmpty()) writer.setTitle(meta.title);
    if (!meta.creator.isEmpty()) writer.setCreator(meta.creator);
    if (!meta.xmp.isEmpty()) writer.setDocumentXmpMetadata(meta.xmp);
    QPainter p(&writer);
    for (int i = 0; i < pages; ++i) {
        if (i > 0) writer.newPage();
        draw(p, i);
    }
}

void run(QPainter& p, double x, double y, double size, const QStringList& parts, bool bold, const QString& family) {
    for (const QString& part : parts) {
        const bool mark = part.startsWith(QLatin1Char('^'));
        const QString text = mark ? part.mid(1) : part;
        p.setFont(font(mark ? size * 0.6 : size, bold, family));
        p.drawText(QPointF(x, mark ? y - size * 0.4 : y), text);
        x += p.fontMetrics().horizontalAdvance(text);
    }
}

void centred(QPainter& p, double y, double size, const QStringList& parts, bool bold, const QString& family) {
    run(p, (595 - width(p, size, parts, bold, family)) / 2, y, size, parts, bold, family);
}

void body(QPainter& p, double x, double y, double width, double bottom, const QString& family) {
    static const QString words = QStringLiteral(
        "the method we describe reads records from files and stores them in tables while keeping every key "
        "unique and every change whole so that readers never see half of an update ");
    const bool chinese = family.contains(QLatin1String("WenQuanYi"));
    const QString text = chinese ? QStringLiteral("本文提出一种从文件读取记录并写入数据表的方法，保证每个键唯一，每次修改完整。")
                                 : words;
    p.setFont(font(9, false, family));
    const QFontMetricsF fm = p.fontMetrics();
    int start = 0;
    for (double line = y; line < bottom; line += 11) {
        QString s;
        while (fm.horizontalAdvance(s + text[start % text.size()]) < width) s += text[start++ % text.size()];
        p.drawText(QPointF(x, line), s);
    }
}

QByteArray xmp(const QString& title, const QStringList& creators, const QString& date) {
    QString li;
    for (const QString& c : creators) li += QStringLiteral("<rdf:li>%1</rdf:li>").arg(c);
    return QStringLiteral(
               "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>"
               "<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>"
               "<rdf:Description rdf:about='' xmlns:dc='http://purl.org/dc/elements/1.1/' "
               "xmlns:xmp='http://ns.adobe.com/xap/1.0/'>"
               "<dc:title><rdf:Alt><rdf:li xml:lang='x-default'>%1</rdf:li></rdf:Alt></dc:title>"
               "<dc:creator><rdf:Seq>%2</rdf:Seq></dc:creator>"
               "<xmp:CreateDate>%3</xmp:CreateDate>"
               "</rdf:Description></rdf:RDF></x:xmpmeta><?xpacket end='w'?>")
        .arg(title, li, date)
        .toUtf8();
}

namespace {
QString hei() { return QStringLiteral("WenQuanYi Zen Hei"); }
}  // namespace

// One column: a two-line title, authors with affiliation marks, e-mails,
// a footnote, a Keywords line and a copyright line.
void englishArticle(QPainter& p, int) {
    centred(p, 90, 17, {QStringLiteral("Reading Paper Records from Scanned")}, true);
    centred(p, 112, 17, {QStringLiteral("Catalogues of Small Libraries")}, true);
    centred(p, 145, 11,
                     {QStringLiteral("Alice M. Smith"), QStringLiteral("^1,*"), QStringLiteral(", Bob Jones"),
                      QStringLiteral("^2"), QStringLiteral(" and Carol van der Berg"), QStringLiteral("^1")});
    centred(p, 165, 9, {QStringLiteral("^1"), QStringLiteral("Department of Computing, Example University, Springfield, USA")});
    centred(p, 177, 9, {QStringLiteral("^2"), QStringLiteral("Institute of Records, Shelbyville")});
    centred(p, 189, 9, {QStringLiteral("alice@example.edu, bob@records.org")});
    run(p, 72, 220, 10, {QStringLiteral("Abstract")}, true);
    body(p, 72, 235, 450, 300);
    run(p, 72, 315, 9, {QStringLiteral("Keywords: record linkage; library catalogues; OCR")});
    body(p, 72, 340, 450, 720);
    run(p, 72, 760, 7, {QStringLiteral("* Corresponding author. Copyright © 2019 the authors.")});
}

// Two columns under a heading that spans the page, author blocks side by
// side with their affiliations, an "Index Terms" line and a conference line.
void conferencePaper(QPainter& p, int) {
    run(p, 72, 40, 8, {QStringLiteral("Proceedings of the Workshop on Catalogues, Springfield, 2021")});
    centred(p, 90, 20, {QStringLiteral("Fast Import of Bibliographic Data")});
    const char* names[] = {"Wei Zhang", "Maria Garcia", "John O'Neil"};
    for (int i = 0; i < 3; ++i) {
        const double x = 90 + i * 160;
        run(p, x, 130, 11, {QString::fromLatin1(names[i])});
        run(p, x, 144, 9, {QStringLiteral("Dept. of Informatics")});
        run(p, x, 156, 9, {QStringLiteral("Example University")});
        run(p, x, 168, 9, {QStringLiteral("name%1@example.org").arg(i)});
    }
    run(p, 50, 200, 9, {QStringLiteral("Abstract—We import many records at once.")}, true);
    body(p, 50, 215, 235, 280);
    run(p, 50, 292, 9, {QStringLiteral("Index Terms—databases, import, PDF")}, true);
    body(p, 50, 310, 235, 780);
    body(p, 310, 200, 235, 780);
}

void chineseArticle(QPainter& p, int) {
    centred(p, 90, 18, {QStringLiteral("基于版面分析的论文元数据自动提取")}, true, hei());
    centred(p, 125, 11,
                     {QStringLiteral("张三"), QStringLiteral("^1"), QStringLiteral("，李四"), QStringLiteral("^2"),
                      QStringLiteral("，王小五"), QStringLiteral("^1")},
                     false, hei());
    centred(p, 145, 9, {QStringLiteral("（1. 清华大学 计算机科学与技术系，北京 100084；2. 北京大学 信息学院，北京 100871）")},
                     false, hei());
    run(p, 72, 175, 9, {QStringLiteral("摘要：本文研究从论文文件中自动提取题目、作者和关键词的方法。")}, false, hei());
    run(p, 72, 195, 9, {QStringLiteral("关键词：元数据；版面分析；文献管理")}, false, hei());
    body(p, 72, 220, 450, 700, hei());
    run(p, 72, 760, 7, {QStringLiteral("收稿日期：2020年3月5日")}, false, hei());
}

}  // namespace samples

namespace samples {

void preprintTitle(QPainter& p, int) {
    run(p, 72, 40, 8, {QStringLiteral("Preprint submitted to the Journal of Records, 12 March 2022")});
    centred(p, 100, 16, {QStringLiteral("Preprint Servers and the Speed of")}, true);
    centred(p, 120, 16, {QStringLiteral("Scientific Communication")}, true);
    centred(p, 150, 11, {QStringLiteral("Hannah Arendt"), QStringLiteral("^a"), QStringLiteral(", Kurt Gödel"), QStringLiteral("^b")});
    centred(p, 168, 9, {QStringLiteral("^a"), QStringLiteral("New School, New York, USA")});
    centred(p, 180, 9, {QStringLiteral("^b"), QStringLiteral("Institute for Advanced Study, Princeton, USA")});
    run(p, 72, 215, 10, {QStringLiteral("Abstract")}, true);
    body(p, 72, 230, 450, 740);
}

void runningHead(QPainter& p, int) {
    run(p, 72, 36, 9, {QStringLiteral("Journal of Catalogue Studies, Volume 0 (9999), No. 0")});
    run(p, 470, 36, 9, {QStringLiteral("pp. 1–12")});
    run(p, 72, 70, 10, {QStringLiteral("RESEARCH ARTICLE")}, true);
    run(p, 72, 105, 18, {QStringLiteral("Shelf Marks as Evidence of Reading")}, true);
    run(p, 72, 135, 11, {QStringLiteral("Marta Kowalska"), QStringLiteral("^1"), QStringLiteral(" and Pierre Dubois"),
                         QStringLiteral("^2")});
    run(p, 72, 152, 8, {QStringLiteral("^1"), QStringLiteral("University of Warsaw, Poland")});
    run(p, 72, 163, 8, {QStringLiteral("^2"), QStringLiteral("Sorbonne University, Paris, France")});
    run(p, 72, 195, 10, {QStringLiteral("ABSTRACT")}, true);
    body(p, 72, 210, 450, 300);
    run(p, 72, 320, 10, {QStringLiteral("1 INTRODUCTION")}, true);
    body(p, 72, 335, 450, 740);
}

void authorGrid(QPainter& p, int) {
    centred(p, 90, 17, {QStringLiteral("Learning to Read Title Pages")});
    const char* names[] = {"Olga Petrova", "Tomás Ruiz", "Aiko Tanaka", "Liam Byrne"};
    for (int i = 0; i < 4; ++i) {
        const double x = 110 + (i % 2) * 220, y = 130 + (i / 2) * 60;
        run(p, x, y, 11, {QString::fromUtf8(names[i])});
        run(p, x, y + 13, 9, {QStringLiteral("Example University")});
        run(p, x, y + 25, 9, {QStringLiteral("Springfield, USA")});
    }
    run(p, 72, 270, 10, {QStringLiteral("Abstract")}, true);
    body(p, 72, 285, 450, 740);
}

void vignetteGrid(QPainter& p, int) {
    centred(p, 100, 17, {QStringLiteral("Estimating Mixed Effects in Sparse Panels with")});
    centred(p, 122, 17, {QStringLiteral("the spanel Package")});
    const char* names[] = {"Maria Keller", "Tom R. Hughes", "Li Wei"};
    const char* schools[] = {"University of Basel", "Lancaster University", "Peking University"};
    for (int i = 0; i < 3; ++i) {
        const double x = i < 2 ? 150 + i * 180 : 250, y = i < 2 ? 165 : 210;
        run(p, x, y, 12, {QString::fromUtf8(names[i])});
        run(p, x - 10, y + 15, 12, {QString::fromUtf8(schools[i])});
    }
    centred(p, 255, 12, {QStringLiteral("March 2021")});
    centred(p, 300, 10, {QStringLiteral("Abstract")}, true);
    body(p, 100, 320, 400, 740);
}

void manualFootAuthor(QPainter& p, int) {
    centred(p, 200, 30, {QStringLiteral("pst-sample")});
    centred(p, 240, 14, {QStringLiteral("Drawing sample plots with PSTricks; v.1.2")});
    centred(p, 300, 12, {QStringLiteral("November 3, 2021")});
    run(p, 360, 720, 12, {QStringLiteral("Package author(s):")});
    run(p, 360, 736, 12, {QStringLiteral("Herbert Vogel")});
}

void chineseCover(QPainter& p, int) {
    const QString f = hei();
    centred(p, 90, 14, {QStringLiteral("学校代码：10001　　　　学号：2019123456")}, false, f);
    centred(p, 170, 28, {QStringLiteral("南方理工大学")}, true, f);
    centred(p, 230, 24, {QStringLiteral("本科毕业论文（设计）")}, true, f);
    run(p, 120, 330, 15, {QStringLiteral("题　　目：")}, false, f);
    run(p, 210, 330, 15, {QStringLiteral("城市图书馆藏书的自动编目研究")}, false, f);
    run(p, 120, 370, 15, {QStringLiteral("学生姓名：")}, false, f);
    run(p, 210, 370, 15, {QStringLiteral("陈晓明")}, false, f);
    run(p, 120, 410, 15, {QStringLiteral("指导教师：")}, false, f);
    run(p, 210, 410, 15, {QStringLiteral("刘建国 教授")}, false, f);
    run(p, 120, 450, 15, {QStringLiteral("专　　业：")}, false, f);
    run(p, 210, 450, 15, {QStringLiteral("信息管理与信息系统")}, false, f);
    centred(p, 540, 13, {QStringLiteral("Automatic Cataloguing of City Library Holdings")});
    centred(p, 700, 15, {QStringLiteral("二〇二三年五月")}, false, f);
}

void reportCoverThreeLines(QPainter& p, int) {
    const QString f = hei();
    run(p, 380, 60, 10, {QStringLiteral("编号：KY-2022-117")}, false, f);
    centred(p, 160, 26, {QStringLiteral("开题报告")}, true, f);
    centred(p, 260, 22, {QStringLiteral("城市地下管网渗")}, true, f);
    centred(p, 290, 22, {QStringLiteral("漏检测的声学方")}, true, f);
    centred(p, 320, 22, {QStringLiteral("法与实验验证")}, true, f);
    centred(p, 370, 12, {QStringLiteral("Acoustic Leak Detection in Urban Pipe Networks")});
    run(p, 200, 470, 14, {QStringLiteral("作者　　|　林海涛")}, false, f);
    run(p, 200, 500, 14, {QStringLiteral("导师　　|　郑文博")}, false, f);
    run(p, 200, 530, 14, {QStringLiteral("院系　　|　土木工程学院")}, false, f);
    run(p, 200, 560, 14, {QStringLiteral("日期　　|　2022 年 6 月")}, false, f);
    centred(p, 700, 18, {QStringLiteral("东南工业大学")}, true, f);
}

void journalUnitsAfterDash(QPainter& p, int) {
    const QString f = hei();
    run(p, 60, 40, 9, {QStringLiteral("水利学报 │ 2019 年第 4 期 │ 总第 88 期 │ 研究论文")}, false, f);
    centred(p, 110, 20, {QStringLiteral("黄河下游河道冲淤演变的数值模拟")}, true, f);
    centred(p, 145, 11, {QStringLiteral("周立新　　孙雅琴　　——河海大学水利水电学院，南京")}, false, f);
    run(p, 72, 190, 9, {QStringLiteral("内容提要 │ 本文建立了二维水沙数学模型，模拟了河道冲淤的演变过程。")}, false, f);
    run(p, 72, 210, 9, {QStringLiteral("关 键 词 │ 冲淤演变 │ 数值模拟 │ 黄河下游")}, false, f);
    body(p, 72, 250, 450, 700, f);
}

void journalCircledMarks(QPainter& p, int) {
    const QString f = hei();
    run(p, 200, 40, 9, {QStringLiteral("图书情报工作　　2021 年　第 6 期")}, false, f);
    centred(p, 110, 20, {QStringLiteral("高校图书馆古籍修复人员的")}, true, f);
    centred(p, 136, 20, {QStringLiteral("培养路径研究")}, true, f);
    centred(p, 170, 12, {QStringLiteral("史兰玉①　　　潘欣勇②　　　钱雅①")}, false, f);
    centred(p, 195, 9, {QStringLiteral("〔①青海大学图书馆，西宁 810016；②大连海洋大学图书馆，大连 116023〕")}, false, f);
    run(p, 72, 225, 9, {QStringLiteral("〔摘　要〕文章梳理了古籍修复人员培养的已有成果，提出了改进思路。")}, false, f);
    run(p, 72, 243, 9, {QStringLiteral("〔关键词〕古籍修复　人才培养　高校图书馆")}, false, f);
    run(p, 72, 261, 9, {QStringLiteral("〔中图分类号〕G253　〔文献标识码〕A")}, false, f);
    body(p, 72, 300, 450, 740, f);
}

void proposalCoverWrappedTitle(QPainter& p, int) {
    const QString f = hei();
    centred(p, 120, 20, {QStringLiteral("西北农林大学")}, true, f);
    centred(p, 160, 26, {QStringLiteral("硕士学位论文开题报告")}, true, f);
    // the value runs on to the left margin, under the label
    run(p, 145, 270, 14, {QStringLiteral("课题名称")}, false, f);
    run(p, 215, 270, 14, {QStringLiteral("黄土高原淤地坝拦沙效益与坝系布局的")}, false, f);
    run(p, 85, 286, 14, {QStringLiteral("优化研究")}, false, f);
    run(p, 125, 320, 14, {QStringLiteral("报 告 人　　付志博")}, false, f);
    run(p, 125, 345, 14, {QStringLiteral("指导教师　　孙艳超")}, false, f);
    run(p, 125, 370, 14, {QStringLiteral("开题日期　　二〇一九年九月")}, false, f);
}

void chineseJournal(QPainter& p, int) {
    const QString f = hei();
    run(p, 60, 40, 8, {QStringLiteral("第40卷 第3期　　　　　　　　　　　　情报科学学报　　　　　　　　　　　　Vol.40 No.3")}, false, f);
    run(p, 60, 62, 8, {QStringLiteral("文章编号：1001-0000(2021)03-0001-08　　DOI：10.1234/j.issn.1001-0000.2021.03.001")}, false, f);
    centred(p, 110, 20, {QStringLiteral("面向数字图书馆的题录信息抽取方法")}, true, f);
    centred(p, 145, 12,
            {QStringLiteral("王海燕"), QStringLiteral("^1,2"), QStringLiteral("，周志强"), QStringLiteral("^1"),
             QStringLiteral("，孙丽"), QStringLiteral("^2")}, false, f);
    centred(p, 168, 9, {QStringLiteral("（1. 武汉大学 信息管理学院，武汉 430072；2. 湖北省图书馆，武汉 430071）")}, false, f);
    run(p, 72, 200, 9, {QStringLiteral("摘　要：题录信息抽取是数字图书馆建设的基础工作，本文提出一种新的方法。")}, false, f);
    run(p, 72, 218, 9, {QStringLiteral("关键词：题录抽取；数字图书馆；版面分析")}, false, f);
    run(p, 72, 236, 9, {QStringLiteral("中图分类号：G250　　　文献标识码：A")}, false, f);
    centred(p, 270, 13, {QStringLiteral("Extracting Bibliographic Records for Digital Libraries")}, true);
    centred(p, 290, 10, {QStringLiteral("WANG Haiyan, ZHOU Zhiqiang, SUN Li")});
    body(p, 72, 330, 450, 740, f);
}

namespace {

const char* const kTitles[] = {
    "Indexing Historical Newspapers at Scale", "A Study of Citation Habits in Small Fields",
    "Noise Robust Matching of Author Names", "Graph Methods for Library Loans",
    "Fast Approximate Search in Catalogues", "What Readers Borrow and Why",
};
const char* const kNames[] = {"Ingrid Larsen", "Kofi Mensah", "Elena Rossi", "David Cohen", "Sara Lindqvist",
                              "Ahmed Haddad", "Julia Novak", "Marco Bianchi"};
const char* const kZhTitles[] = {"基于深度学习的古籍版面分析", "高校图书馆借阅数据的聚类研究", "面向学术论文的作者消歧方法",
                                 "数字档案长期保存策略研究"};
const char* const kZhNames[] = {"李明", "赵静", "孙伟", "周婷", "吴刚", "郑丽"};

}  // namespace

QString Generated::title(int i) {
    return i % 4 == 3 ? QString::fromUtf8(kZhTitles[(i / 4) % 4]) : QString::fromUtf8(kTitles[i % 6]);
}

QString Generated::firstAuthor(int i) {
    return i % 4 == 3 ? QString::fromUtf8(kZhNames[i % 6]) : QString::fromUtf8(kNames[i % 8]);
}

void Generated::page(QPainter& p, int i) {
    const double size = 15 + (i * 7) % 6;
    const double top = 70 + (i * 13) % 50;
    const QString second = QString::fromUtf8(i % 4 == 3 ? kZhNames[(i + 1) % 6] : kNames[(i + 3) % 8]);
    if (i % 4 == 3) {  // a Chinese journal page
        const QString f = hei();
        run(p, 60, 40, 8, {QStringLiteral("第%1卷 第%2期　　　　　　图书馆论坛").arg(10 + i).arg(1 + i % 6)}, false, f);
        centred(p, top + 30, size + 2, {title(i)}, true, f);
        centred(p, top + 60, 11, {firstAuthor(i), QStringLiteral("^1"), QStringLiteral("，") + second, QStringLiteral("^2")}, false, f);
        centred(p, top + 80, 9, {QStringLiteral("（1. 南京大学 信息管理学院，南京 210023；2. 江苏省图书馆，南京 210018）")}, false, f);
        run(p, 72, top + 110, 9, {QStringLiteral("摘　要：本文研究图书馆数据的处理方法。")}, false, f);
        run(p, 72, top + 128, 9, {QStringLiteral("关键词：图书馆；数据；方法")}, false, f);
        body(p, 72, top + 160, 450, 740, f);
        return;
    }
    const bool left = i % 3 == 1;
    auto line = [&](double y, double s, const QStringList& parts, bool bold) {
        if (left) run(p, 72, y, s, parts, bold);
        else centred(p, y, s, parts, bold);
    };
    if (i % 2 == 0) run(p, 72, 36, 8, {QStringLiteral("Journal of Library Science, Vol. %1, No. %2, 20%3").arg(i + 3).arg(i % 4 + 1).arg(10 + i)});
    line(top, size, {title(i)}, i % 3 != 2);
    line(top + size + 16, 11, {firstAuthor(i), QStringLiteral("^1"), QStringLiteral(", ") + second, QStringLiteral("^2")}, false);
    line(top + size + 32, 9, {QStringLiteral("^1"), QStringLiteral("Department of Information Science, Example University")}, false);
    line(top + size + 43, 9, {QStringLiteral("^2"), QStringLiteral("National Library, Oslo, Norway")}, false);
    run(p, 72, top + size + 75, 10, {QStringLiteral("Abstract")}, true);
    body(p, 72, top + size + 90, 450, 740);
}

}  // namespace samples
