// Field assembly on pages whose fields are not where a paper's usually are:
// blocks side by side in two scripts, numbered forms, labels the reader has
// no list entry for, and authors who sign at the end.
#include <gtest/gtest.h>

#include "pdf/FirstPage.h"
#include "pdf/FormFields.h"
#include "pdf/LineFeatures.h"
#include "pdf/LineWords.h"
#include "pdf/TextLines.h"
#include "pdf/PageLines.h"

namespace {

using K = pdf::LineKind;
using pdf::LineLabel;

using namespace pagelines;

TEST(FieldAssembly, ChineseAndEnglishBlocksSideBySideAreReadInTurn) {
    const auto lines = page({
        {word("基于松嫩平原调查的大豆蛋白品质", 60, 110, 15), word("Quality", 306, 105, 12), word("Improvement", 355, 105, 12)},
        {word("Protein", 321, 121, 12), word("in", 370, 121, 12), word("Songnen", 385, 121, 12)},
        {word("改良", 160, 134, 15)},
        {word("叶秀泽，潘然永", 100, 160, 12), word("Ye", 330, 158, 10), word("Xiuze,", 345, 158, 10), word("Pan", 380, 158, 10),
         word("Ranyong", 400, 158, 10)},
    });
    QStringList texts;
    for (const auto& l : lines) texts << l.text;
    EXPECT_EQ(texts, (QStringList{"基于松嫩平原调查的大豆蛋白品质", "改良", "叶秀泽，潘然永", "Quality Improvement",
                                  "Protein in Songnen", "Ye Xiuze, Pan Ranyong"}));
    EXPECT_EQ(readTitled(lines, {"基于松嫩平原调查的大豆蛋白品质", "改良", "Quality Improvement", "Protein in Songnen"}).title,
              QStringLiteral("基于松嫩平原调查的大豆蛋白品质改良"));
    // a short bilingual label keeps its English twin on its line
    EXPECT_EQ(page({{word("论文题目", 60, 100, 13), word("Title：", 130, 100, 13)}}).size(), 1);
}

TEST(FieldAssembly, WordsForTheOneWhoDidTheWorkAndFormFieldNumbersMakeLabels) {
    for (const char* author : {"汇报人：宋一丽", "答辩人 王勇", "(72)发明人 苏勇；武涛晶", "申 请 者：姚安涛", "Prepared by John Roe",
                               "Inventors: Ann Lee", "6. AUTHOR(S)"})
        EXPECT_EQ(pdf::labelOf(QString::fromUtf8(author)), LineLabel::Author) << author;
    for (const char* other : {"代理人 沈秀海", "联系人：王五", "主持人：郭玉颖", "机器人 控制", "Student Engagement in Online Courses",
                              "written by Roeland Kindt and others"})
        EXPECT_NE(pdf::labelOf(QString::fromUtf8(other)), LineLabel::Author) << other;
    EXPECT_EQ(pdf::labelOf(QStringLiteral("(54)发明名称")), LineLabel::Title);
    EXPECT_EQ(pdf::withoutLabel(QStringLiteral("调查题目：哈尼梯田水源管护的比较研究")), QStringLiteral("哈尼梯田水源管护的比较研究"));
    EXPECT_EQ(pdf::labelOf(QStringLiteral("4. TITLE AND SUBTITLE")), LineLabel::Title);
    EXPECT_EQ(pdf::labelOf(QStringLiteral("Supervised by Prof. Lin")), LineLabel::Supervisor);

    // a label it does not know ends the value before it
    const auto grant = page({
        {word("河北省自然科学基金项目", 150, 100, 20)},
        {word("项目名称：综合能源系统协同技术路线的理论与方法", 60, 300, 14)},
        {word("项目编号：202514465274", 60, 316, 14)},
        {word("项目负责人：钱建然", 60, 340, 14), word("电话：0128-52618989", 250, 340, 14)},
    });
    const auto g = read(grant);
    // (a value wrapped under its label stops at the next field, known or not)
    EXPECT_EQ(g.title, QStringLiteral("综合能源系统协同技术路线的理论与方法"));
    EXPECT_EQ(g.authors, QStringList{QStringLiteral("钱建然")});
}

TEST(FieldAssembly, ChineseNamesStartWithAFamilyName) {
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("欧阳晨浩，上官安彬、覃凯春")), (QStringList{"欧阳晨浩", "上官安彬", "覃凯春"}));
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("Laura Fischer, MSc, Pablo Liu, MD, PhD, and Wei Schneider")),
              (QStringList{"Laura Fischer", "Pablo Liu", "Wei Schneider"}));
    // traditional letters, and a magazine's "文／" before its writers
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("莊豪廷、楊涵美、陳穎明")), (QStringList{"莊豪廷", "楊涵美", "陳穎明"}));
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("文／韦薇、雷海冰")), (QStringList{"韦薇", "雷海冰"}));
    EXPECT_EQ(pdf::labelOf(QStringLiteral("考生姓名 李轩子")), pdf::LineLabel::Author);
    EXPECT_EQ(pdf::labelOf(QStringLiteral("撰文：江雨天 叶新艳")), pdf::LineLabel::Author);
    // the supervisor named on the byline after the author
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("贺杰　指导教师：潘新鹏")), QStringList{QStringLiteral("贺杰")});
    for (const char* words : {"案例正文", "实地调研", "统计资料", "分析了存在"})
        EXPECT_TRUE(pdf::namesInLine(QString::fromUtf8(words)).isEmpty()) << words;
    // a case's heading over its title and byline is no author
    const auto teaching = page({
        {word("案例正文", 250, 100, 14)},
        {word("从囊型包虫病到腹腔镜手术：牧区人群的转型", 100, 140, 18)},
        {word("孙芳", 260, 170, 12)},
    });
    std::vector<float> kinds;
    for (K k : {K::Author, K::Title, K::Author})
        for (int i = 0; i < pdf::kLineKinds; ++i) kinds.push_back(i == int(k) ? 0.9f : 0.1f / (pdf::kLineKinds - 1));
    EXPECT_EQ(pdf::readFirstPage(teaching, 842, kinds).authors, QStringList{QStringLiteral("孙芳")});
}

TEST(FieldAssembly, ALabelledTitleInATableStopsAtTheNextLabelOfItsColumn) {
    const auto cover = page({
        {word("项目研究报告", 200, 100, 20)},
        {word("项目名称", 60, 200, 13), word("面向东南太平洋的水产品冷链资源量", 200, 200, 13)},
        {word("评估", 200, 216, 13)},
        {word("项目编号", 60, 240, 13), word("201410824183", 200, 240, 13)},
    });
    EXPECT_EQ(read(cover).title, QStringLiteral("面向东南太平洋的水产品冷链资源量评估"));
}

TEST(FieldAssembly, NumberedFormsGiveTheValuesUnderTheirLabels) {
    // a patent's front page: the title under its label, names wrapped inside the last one
    const auto patent = page({
        {word("(12)发明专利", 60, 80, 16)},
        {word("(54)发明名称", 60, 200, 11), word("(71)申请人", 320, 200, 11), word("滨州学院", 362, 200, 11)},
        {word("一种暗管排盐施工装置", 60, 216, 11)},
        {word("(72)发明人", 60, 250, 11), word("夏晓", 130, 250, 11), word("蒋涛逸", 160, 250, 11), word("万", 200, 250, 11)},
        {word("勇平", 130, 266, 11), word("本发明公开了一种装置，包括底座", 320, 266, 11)},
    });
    const auto p = read(patent);
    EXPECT_EQ(p.title, QStringLiteral("一种暗管排盐施工装置"));
    EXPECT_EQ(p.authors, (QStringList{"夏晓", "蒋涛逸", "万勇平"}));

    // a report form: numbered cells of the next column stand level with the values
    const auto form = page({
        {word("REPORT", 200, 60, 14), word("DOCUMENTATION", 260, 60, 14), word("PAGE", 370, 60, 14)},
        {word("4.", 40, 200, 8), word("TITLE", 52, 200, 8), word("AND", 80, 200, 8), word("SUBTITLE", 100, 200, 8),
         word("5a.", 320, 200, 8), word("CONTRACT", 335, 200, 8), word("NUMBER", 380, 200, 8)},
        {word("INTEGRATING", 40, 214, 10), word("SALINE", 110, 214, 10), word("SOIL", 150, 214, 10)},
        {word("FA9550-04-C-7149", 320, 216, 10)},
        {word("RECLAMATION:", 40, 228, 10), word("FINAL", 110, 228, 10), word("REPORT", 145, 228, 10)},
        {word("6.", 40, 260, 8), word("AUTHOR(S)", 52, 260, 8), word("5d.", 320, 260, 8), word("PROJECT", 335, 260, 8)},
        {word("Takeshi", 40, 274, 10), word("Williams,", 80, 274, 10), word("Mehmet", 130, 274, 10), word("Y.", 168, 274, 10)},
        {word("Papadopoulos,", 40, 287, 10), word("Mary", 110, 287, 10), word("Schneider", 135, 287, 10)},
        {word("7.", 40, 320, 8), word("PERFORMING", 52, 320, 8), word("ORGANIZATION", 110, 320, 8)},
    });
    const auto f = read(form);
    EXPECT_EQ(f.title, QStringLiteral("INTEGRATING SALINE SOIL RECLAMATION: FINAL REPORT"));
    EXPECT_EQ(f.authors, (QStringList{"Takeshi Williams", "Mehmet Y. Papadopoulos", "Mary Schneider"}));
}

TEST(FieldAssembly, AuthorsWhoSignAtTheEndAndAboutTheAuthorsBoxes) {
    const auto theory = page({
        {word("以价值评价推动古建筑木结构高质量发展", 80, 120, 20)},
        {word("本文梳理了相关研究的进展，结合实地调研与统计资料。", 60, 200, 10)},
        {word("（作者：孙欣子，系北京建筑大学教授；梁蕾，系鲁东大学副教授）", 60, 700, 10)},
    });
    EXPECT_EQ(read(theory).authors, (QStringList{"孙欣子", "梁蕾"}));
    const auto consult = page({{word("苍梧县茶园酸化香气成分面临的问题及建议", 80, 120, 18)},
                             {word("（执笔人：邹鑫芳、龚晨）", 60, 700, 10)}});
    EXPECT_EQ(read(consult).authors, (QStringList{"邹鑫芳", "龚晨"}));

    const auto commentary = page({
        {word("What", 60, 120, 20), word("the", 110, 120, 20), word("Oasis", 150, 120, 20), word("Teaches", 210, 120, 20)},
        {word("We", 60, 200, 10), word("report", 80, 200, 10), word("early", 120, 200, 10), word("results.", 150, 200, 10)},
        {word("Kwame", 60, 700, 10), word("van", 95, 700, 10), word("der", 115, 700, 10), word("Berg", 135, 700, 10),
         word("School", 165, 700, 10), word("of", 200, 700, 10), word("Marine", 215, 700, 10), word("Science,", 250, 700, 10),
         word("Delft", 295, 700, 10), word("University,", 325, 700, 10), word("The", 385, 700, 10)},
        {word("Netherlands", 60, 714, 10)},
        {word("Kevin", 60, 728, 10), word("Taylor,", 90, 728, 10), word("College", 130, 728, 10), word("of", 170, 728, 10),
         word("Food", 185, 728, 10), word("Science,", 210, 728, 10), word("Monash", 255, 728, 10), word("University", 295, 728, 10)},
        {word("e-mail:", 60, 742, 10), word("k.berg@example.org", 100, 742, 10)},
    });
    EXPECT_EQ(read(commentary).authors, (QStringList{"Kwame van der Berg", "Kevin Taylor"}));

    const auto brief = page({
        {word("Scaling", 60, 120, 20), word("Up", 140, 120, 20), word("Green", 175, 120, 20), word("Bonds", 240, 120, 20)},
        {word("KEY", 60, 200, 12), word("MESSAGES", 90, 200, 12)},
        {word("About", 60, 600, 11), word("the", 95, 600, 11), word("authors", 117, 600, 11)},
        {word("Elizabeth", 60, 615, 9), word("Lewis", 105, 615, 9), word("is", 135, 615, 9), word("a", 147, 615, 9),
         word("Senior", 155, 615, 9), word("Researcher.", 185, 615, 9), word("J.", 240, 615, 9), word("Tran", 252, 615, 9),
         word("is", 277, 615, 9), word("Director.", 289, 615, 9)},
    });
    EXPECT_EQ(read(brief).authors, (QStringList{"Elizabeth Lewis", "J. Tran"}));
}

TEST(FieldAssembly, TeamsEditorsAndSupervisorsRows) {
    // numbered members of a team, one a line, and the supervisor apart
    const auto team = page({
        {word("题", 60, 200, 12), word("目：库岸滑坡变形监测的数学模型与求解", 84, 200, 12)},
        {word("参赛队员", 60, 230, 12), word("1：韦林亮", 110, 230, 12)},
        {word("参赛队员", 60, 250, 12), word("2：沈强梓", 110, 250, 12)},
        {word("指导教师：邓春", 60, 270, 12)},
    });
    EXPECT_EQ(read(team).authors, (QStringList{"韦林亮", "沈强梓"}));
    // a review's editors and reviewers in the side column are none of its authors; the title
    // goes on past the side column's lines
    const auto review = page({
        {word("EDITED", 56, 80, 7), word("BY", 85, 80, 7)},
        {word("Yuki", 56, 90, 7), word("Gupta,", 75, 90, 7), word("University", 100, 90, 7), word("of", 140, 90, 7),
         word("Leeds,", 150, 90, 7), word("UK", 175, 90, 7)},
        {word("Woodblock", 300, 100, 20), word("print", 400, 100, 20)},
        {word("REVIEWED", 56, 110, 7), word("BY", 95, 110, 7)},
        {word("Chen", 56, 120, 7), word("Tanaka,", 75, 120, 7), word("Kyoto", 105, 120, 7), word("University,", 128, 120, 7),
         word("Japan", 170, 120, 7)},
        {word("conservation", 300, 125, 20), word("today", 430, 125, 20)},
        {word("*CORRESPONDENCE", 56, 135, 7)},
        // a last word the model doubts, after another side-column line
        {word("revisited", 300, 150, 20)},
        {word("Mark", 300, 175, 11), word("Garcia", 330, 170, 11), word("and", 370, 170, 11), word("Arjun", 395, 170, 11),
         word("Lewis", 430, 170, 11)},
    });
    std::vector<float> kinds;
    for (const auto& l : review) {
        const K k = l.size > 15 && l.text != QStringLiteral("revisited") ? K::Title : l.text.startsWith(QStringLiteral("Mark")) ? K::Author : K::Other;
        for (int i = 0; i < pdf::kLineKinds; ++i) kinds.push_back(i == int(k) ? 0.9f : 0.1f / (pdf::kLineKinds - 1));
    }
    const auto r = pdf::readFirstPage(review, 842, kinds);
    EXPECT_EQ(r.title, QStringLiteral("Woodblock print conservation today revisited"));
    EXPECT_EQ(r.authors, (QStringList{"Mark Garcia", "Arjun Lewis"}));
    // an edited volume with no author gives its editor
    const auto volume = page({{word("Sample", 100, 100, 20), word("volume", 180, 100, 20)},
                              {word("Edited", 100, 200, 12), word("by", 140, 200, 12)},
                              {word("Jane", 100, 216, 12), word("Doe", 130, 216, 12)}});
    EXPECT_EQ(read(volume).authors, QStringList{QStringLiteral("Jane Doe")});
}

TEST(FieldAssembly, RunInUnitsDashSubtitlesAndBracketsThatAreNoUnits) {
    const auto runin = page({
        {word("Seagrass", 60, 120, 18), word("Recovery", 150, 120, 18), word("at", 235, 120, 18), word("Sea", 260, 120, 18)},
        {word("David", 60, 150, 11), word("Zhang", 95, 150, 11), word("(School", 135, 150, 11), word("of", 180, 150, 11),
         word("Materials,", 195, 150, 11), word("University", 255, 150, 11), word("of", 320, 150, 11), word("Leeds),", 335, 150, 11),
         word("and", 380, 150, 11), word("Ann", 405, 150, 11), word("Lee", 430, 150, 11), word("(Oxford", 455, 150, 11),
         word("University).", 500, 150, 11)},
    });
    EXPECT_EQ(read(runin).authors, (QStringList{"David Zhang", "Ann Lee"}));
    // a line whose brackets hold no unit is read as before, and the reading ends
    const auto plain = page({
        {word("Results", 60, 120, 18), word("Overview", 140, 120, 18)},
        {word("Ann", 60, 150, 11), word("Lee", 90, 150, 11), word("(see", 120, 150, 11), word("Table", 150, 150, 11),
         word("1)", 185, 150, 11), word("(University", 200, 150, 11), word("of", 260, 150, 11), word("Leeds)", 275, 150, 11)},
    });
    EXPECT_EQ(read(plain).title, QStringLiteral("Results Overview"));

    // a subtitle after a dash, right-aligned and smaller, follows its title; a document type does not
    const auto review = page({
        {word("稻油轮作研究的新视野", 85, 140, 18)},
        {word("——评《油菜效益分析论》", 366, 160, 12)},
        {word("廖伟建", 280, 189, 12)},
    });
    EXPECT_EQ(read(review).title, QStringLiteral("稻油轮作研究的新视野——评《油菜效益分析论》"));
    const auto report = page({{word("雷山县苗绣纹样传承路径初探", 100, 140, 18)}, {word("——研究报告", 200, 160, 14)}});
    EXPECT_EQ(read(report).title, QStringLiteral("雷山县苗绣纹样传承路径初探"));
}

}  // namespace

TEST(FieldAssembly, MemoHeadsGroupLeadersAndLabelsSetApartLetterByLetter) {
    // a memorandum: the kind and its number are no title or name; From names the authors, Subject the title
    const auto memo = page({
        {word("Tsinghua", 72, 60, 12), word("University", 130, 60, 12), word("Field", 200, 60, 12), word("Station", 240, 60, 12)},
        {word("TECHNICAL", 72, 90, 18), word("MEMORANDUM", 180, 90, 18)},
        {word("No.", 72, 110, 11), word("TM-20", 95, 110, 11)},
        {word("To:", 72, 130, 11), word("Project", 110, 130, 11), word("Team", 160, 130, 11)},
        {word("From:", 72, 146, 11), word("Rebecca", 110, 146, 11), word("C.", 160, 146, 11), word("Robinson,", 175, 146, 11),
         word("Chen", 240, 146, 11), word("Tran", 272, 146, 11)},
        {word("Date:", 72, 162, 11), word("July", 110, 162, 11), word("13,", 140, 162, 11), word("2022", 160, 162, 11)},
        {word("Subject:", 72, 178, 11)},
        {word("Season", 72, 194, 11), word("Summary", 115, 194, 11), word("of", 170, 194, 11), word("Wintering", 185, 194, 11),
         word("Waterbirds", 245, 194, 11)},
        {word("1.", 72, 230, 11), word("Purpose", 90, 230, 11)},
    });
    const auto m = read(memo);
    EXPECT_EQ(m.title, QStringLiteral("Season Summary of Wintering Waterbirds"));
    EXPECT_EQ(m.authors, (QStringList{"Rebecca C. Robinson", "Chen Tran"}));
    EXPECT_EQ(pdf::labelOf(QStringLiteral("Technical Memo")), LineLabel::DocumentType);
    EXPECT_EQ(pdf::labelOf(QStringLiteral("No. 2026-29")), LineLabel::JournalField);
    EXPECT_NE(pdf::labelOf(QStringLiteral("From Data to Knowledge")), LineLabel::Author);
    EXPECT_NE(pdf::labelOf(QStringLiteral("Regarding Method: A Reply")), LineLabel::Title);

    // a task group: its leader, then the members on the same row
    const auto survey = page({
        {word("调研报告", 60, 80, 12)},
        {word("石台县皖南古村落景观变迁调研报告", 80, 120, 20)},
        {word("池州学院课题组", 200, 160, 12)},
        {word("组长：范子", 140, 180, 12), word("成员：陈磊、黎健德", 260, 180, 12)},
        {word("一、调研的背景", 60, 230, 14)},
    });
    EXPECT_EQ(pdf::readFirstPage(survey, 842, titleFirst(int(survey.size()))).authors, (QStringList{"范子", "陈磊", "黎健德"}));

    // a cover's label set apart letter by letter ends the labelled title
    const auto cover = page({
        {word("昌吉职业技术学院", 150, 100, 24)},
        {word("题", 80, 300, 14), word("目", 110, 300, 14), word("基于推广模式视角的昌吉州戈壁设施农业研究", 150, 300, 14)},
        {word("系", 80, 330, 14), word("部：农林系", 110, 330, 14)},
        {word("学生姓名：姜逸轩", 80, 360, 14)},
    });
    const auto c = read(cover);
    EXPECT_EQ(c.title, QStringLiteral("基于推广模式视角的昌吉州戈壁设施农业研究"));
    EXPECT_EQ(c.authors, QStringList{"姜逸轩"});
}

TEST(FieldAssembly, RecordFieldsLabReportCellsAndScribes) {
    // a check report's record: the title after "篇名", never the report's own name
    for (const char* title : {"篇名：客家山歌传承人培养及其影响因素", "实验名称石灰岩地区水样总硬度的测定", "实验项目", "题名：海伦市黑土地耕层保护"})
        EXPECT_EQ(pdf::labelOf(QString::fromUtf8(title)), LineLabel::Title) << title;
    EXPECT_EQ(pdf::withoutLabel(QStringLiteral("实验名称石灰岩地区水样总硬度的测定")), QStringLiteral("石灰岩地区水样总硬度的测定"));
    // a course's name is a field of the cover, run into its value or not
    EXPECT_EQ(pdf::labelOf(QStringLiteral("课程名称生物化学实验")), LineLabel::CoverField);
    EXPECT_EQ(pdf::labelOf(QStringLiteral("课程名称")), LineLabel::CoverField);
    // a title that merely starts like a label is none
    EXPECT_EQ(pdf::labelOf(QStringLiteral("实验名称")), LineLabel::Title);
    EXPECT_NE(pdf::labelOf(QStringLiteral("项目名称的由来")), LineLabel::Title);

    // a lab report's cover as a table, label over value: the course is not the title
    const auto lab = page({
        {word("嘉应学院", 200, 100, 26)},
        {word("课程实验报告", 180, 150, 28)},
        {word("课程名称", 96, 200, 14)},
        {word("仪器分析实验", 96, 220, 14)},
        {word("实验项目", 96, 245, 14)},
        {word("柚皮果胶的提取及其凝胶性测定", 96, 265, 14)},
        {word("姓", 96, 290, 12), word("名", 130, 290, 12)},
        {word("陆然宇", 96, 305, 12)},
    });
    EXPECT_EQ(read(lab).title, QStringLiteral("柚皮果胶的提取及其凝胶性测定"));

    // scribes are the authors of lecture notes, the lecturer is not; a name wraps after its initial
    const auto notes = page({
        {word("Field", 72, 120, 16), word("Methods", 110, 120, 16), word("for", 180, 120, 16), word("Horse", 210, 120, 16)},
        {word("Lecturer:", 72, 150, 11), word("Pierre", 125, 150, 11), word("D.", 160, 150, 11), word("Lewis", 175, 150, 11)},
        {word("Scribes:", 72, 166, 11), word("Jessica", 120, 166, 11), word("Nguyen,", 162, 166, 11), word("Omar", 210, 166, 11),
         word("Z.", 240, 166, 11)},
        {word("Bianchi", 72, 180, 11)},
    });
    EXPECT_EQ(read(notes).authors, (QStringList{"Jessica Nguyen", "Omar Z. Bianchi"}));
    EXPECT_EQ(pdf::labelOf(QStringLiteral("Lecturer: Pierre D. Lewis")), LineLabel::Supervisor);
    // or wraps after a given name, the initial going with the last name
    const auto wrapped = page({
        {word("Drivers", 72, 120, 16), word("of", 140, 120, 16), word("Horse", 170, 120, 16), word("Breeding", 230, 120, 16)},
        {word("Scribes:", 72, 166, 11), word("Chloé", 120, 166, 11), word("Moreau,", 152, 166, 11), word("Matthew", 200, 166, 11)},
        {word("W.", 72, 180, 11), word("Harris", 88, 180, 11)},
    });
    EXPECT_EQ(read(wrapped).authors, (QStringList{"Chloé Moreau", "Matthew W. Harris"}));
}

TEST(FieldAssembly, ProposalCoverSheetsAndInterviews) {
    // a proposal's cover sheet as a table of labels and values: the investigators are the authors,
    // the co-investigators' column under the first; "None" is no name
    auto sheet = [](bool team) {
        QList<QList<pdf::Word>> rows{
            {word("Cover", 62, 60, 14), word("Sheet", 110, 60, 14), word("for", 160, 60, 14), word("Proposal", 190, 60, 14)},
            {word("Proposal", 62, 80, 10), word("No.", 110, 80, 10), word("RF16-18494", 135, 80, 10)},
            {word("Project", 62, 108, 10), word("Title", 100, 108, 10), word("Mechanisms", 303, 108, 10), word("of", 370, 108, 10),
             word("Antiphonal", 385, 108, 10), word("Singing", 445, 108, 10)},
            {word("Principal", 62, 122, 10), word("Investigator", 110, 122, 10), word("Joshua", 303, 122, 10),
             word("White,", 340, 122, 10), word("University", 380, 122, 10), word("of", 435, 122, 10), word("Edinburgh", 450, 122, 10)},
        };
        if (team) {
            rows << QList<pdf::Word>{word("Co-Principal", 62, 135, 10), word("Investigators", 130, 135, 10), word("Susan", 303, 135, 10),
                                     word("U.", 335, 135, 10), word("Robinson", 350, 135, 10)};
            rows << QList<pdf::Word>{word("Ayşe", 303, 148, 10), word("Miller", 330, 148, 10)};
            rows << QList<pdf::Word>{word("Jessica", 303, 161, 10), word("Mensah", 345, 161, 10)};
        } else {
            rows << QList<pdf::Word>{word("Co-Principal", 62, 135, 10), word("Investigator", 130, 135, 10), word("None", 303, 135, 10)};
        }
        rows << QList<pdf::Word>{word("Submitting", 62, 174, 10), word("Institution", 120, 174, 10), word("University", 303, 174, 10),
                                 word("of", 360, 174, 10), word("Edinburgh", 375, 174, 10)};
        return page(rows);
    };
    const auto team = read(sheet(true));
    EXPECT_EQ(team.title, QStringLiteral("Mechanisms of Antiphonal Singing"));
    EXPECT_EQ(team.authors, (QStringList{"Joshua White", "Susan U. Robinson", "Ayşe Miller", "Jessica Mensah"}));
    EXPECT_EQ(read(sheet(false)).authors, QStringList{QStringLiteral("Joshua White")});
    EXPECT_EQ(pdf::labelOf(QStringLiteral("Proposal No. RF16-18494")), LineLabel::JournalField);

    // an interview: the one who took it down is its author, the one interviewed is not
    EXPECT_EQ(pdf::labelOf(QStringLiteral("采访整理：蒋立")), LineLabel::Author);
    EXPECT_EQ(pdf::withoutLabel(QStringLiteral("采访整理：韦艳军 郭涛天")), QStringLiteral("韦艳军 郭涛天"));
    EXPECT_NE(pdf::labelOf(QStringLiteral("受访者：尹子")), LineLabel::Author);
}

TEST(FieldAssembly, RecordPrintoutsCertificatesHandoutsAndStudentHeadings) {
    // labels in brackets, spaced with a half-width colon, or named for the kind of patent
    EXPECT_EQ(pdf::labelOf(QStringLiteral("【作者】 姜斌涵；潘雨峰")), LineLabel::Author);
    EXPECT_EQ(pdf::withoutLabel(QStringLiteral("【题名】 星村镇武夷岩茶焙火工艺调查")), QStringLiteral("星村镇武夷岩茶焙火工艺调查"));
    EXPECT_EQ(pdf::labelOf(QStringLiteral("[1] 张三. 论文")), LineLabel::None);
    EXPECT_EQ(pdf::withoutLabel(QStringLiteral("发 明 人: 郭海，肖安雅")), QStringLiteral("郭海，肖安雅"));
    EXPECT_EQ(pdf::withoutLabel(QStringLiteral("实用新型名称: 一种辅助方法")), QStringLiteral("一种辅助方法"));
    EXPECT_EQ(pdf::labelOf(QStringLiteral("主讲教师")), LineLabel::Author);
    EXPECT_EQ(pdf::labelOf(QStringLiteral("Creators")), LineLabel::Author);

    // a handout's row of fields with a label set apart letter by letter
    const auto handout = page({
        {word("九曲溪竹筏游客承载量研究思路", 100, 100, 18)},
        {word("汇报人：董轩", 60, 130, 11), word("导", 150, 130, 11), word("师：杨梓平", 165, 130, 11), word("日期：2021-11-01", 240, 130, 11)},
    });
    EXPECT_EQ(read(handout).authors, QStringList{QStringLiteral("董轩")});
    // a speaker named with his unit and post after a blank
    const auto keynote = page({
        {word("建盏烧制釉色形成机理：回顾与展望", 100, 100, 18)},
        {word("白蕾", 150, 130, 11), word("武夷学院茶与食品学院院长、教授", 190, 130, 11)},
    });
    std::vector<float> kinds = titleFirst(2);
    for (int k = 0; k < pdf::kLineKinds; ++k) kinds[pdf::kLineKinds + k] = k == int(K::Author) ? 0.9f : 0.01f;
    EXPECT_EQ(pdf::readFirstPage(keynote, 842, kinds).authors, QStringList{QStringLiteral("白蕾")});

    // a repository's cover: names beside their label wrap in their cell; the next row is another field
    const auto cover = page({
        {word("Article", 76, 100, 10), word("title", 110, 100, 10), word("Long", 303, 100, 10), word("Records", 330, 100, 10)},
        {word("Creators", 76, 158, 10), word("Ananya", 303, 158, 10), word("Garcia;", 340, 158, 10), word("Matthew", 380, 158, 10),
         word("Petrova;", 420, 158, 10), word("Agnieszka", 462, 158, 10)},
        {word("Garcia;", 303, 170, 10), word("Michael", 336, 170, 10), word("Anderson", 372, 170, 10)},
        {word("Year", 76, 183, 10), word("2018", 303, 183, 10)},
    });
    EXPECT_EQ(read(cover).authors, (QStringList{"Ananya Garcia", "Matthew Petrova", "Agnieszka Garcia", "Michael Anderson"}));
    // its title cell gives the title; a "Title" cell over a note on type is no title's label
    EXPECT_EQ(read(cover).title, QStringLiteral("Long Records"));
    const auto guide = page({{word("Paper", 100, 100, 18), word("template", 160, 100, 18)},
                             {word("Title", 76, 200, 10), word("16", 200, 200, 10), word("pt.,", 215, 200, 10), word("bold", 240, 200, 10)}});
    EXPECT_EQ(read(guide).title, QStringLiteral("Paper template"));

    // a student paper's heading: the student, not the teacher; the title after the date, not the running head
    const auto essay = page({
        {word("Silva", 480, 40, 11), word("1", 510, 40, 11)},
        {word("Wei", 72, 72, 11), word("Silva", 95, 72, 11)},
        {word("Professor", 72, 86, 11), word("Takeshi", 125, 86, 11), word("Huang", 165, 86, 11)},
        {word("ENVS", 72, 100, 11), word("310:", 102, 100, 11), word("Landscapes", 125, 100, 11), word("of", 185, 100, 11),
         word("Asia", 200, 100, 11)},
        {word("May", 72, 114, 11), word("23,", 95, 114, 11), word("2026", 115, 114, 11)},
        {word("Reading", 200, 128, 11), word("the", 245, 128, 11), word("Landscape", 265, 128, 11)},
    });
    const auto e = pdf::readFirstPage(essay, 842, std::vector<float>(essay.size() * pdf::kLineKinds, 0.01f));
    EXPECT_EQ(e.title, QStringLiteral("Reading the Landscape"));
    EXPECT_EQ(e.authors, QStringList{QStringLiteral("Wei Silva")});
}

TEST(FieldAssembly, PatentFrontPagesCertificatesAndTablesOfHeads) {
    // a patent's front page: the title after its code, in capitals, beside the abstract's column;
    // the inventors each with a place
    const auto patent = page({
        {word("(12)", 50, 60, 12), word("United", 80, 60, 12), word("States", 120, 60, 12), word("Patent", 160, 60, 12)},
        {word("(54)", 50, 120, 10), word("APPARATUS", 75, 120, 10), word("FOR", 140, 120, 10), word("(57)", 320, 120, 10),
         word("ABSTRACT", 345, 120, 10)},
        {word("PROCESSING", 75, 132, 10), word("TEA", 140, 132, 10), word("A", 320, 132, 10), word("method", 330, 132, 10),
         word("is", 370, 132, 10), word("disclosed.", 385, 132, 10)},
        {word("(72)", 50, 160, 10), word("Inventors:", 75, 160, 10), word("Ayşe", 130, 160, 10), word("Scott,", 160, 160, 10),
         word("Guelph,", 195, 160, 10), word("(CA);", 235, 160, 10)},
        {word("Joshua", 130, 172, 10), word("Wilson,", 170, 172, 10), word("Davis,", 210, 172, 10), word("CA", 245, 172, 10),
         word("(US)", 262, 172, 10)},
    });
    const auto p = read(patent);
    EXPECT_EQ(p.title, QStringLiteral("APPARATUS FOR PROCESSING TEA"));
    EXPECT_EQ(p.authors, (QStringList{"Ayşe Scott", "Joshua Wilson"}));

    // a certificate: the work it is given for, and its holder without the form of address
    const auto award = page({
        {word("荣誉证书", 200, 100, 26)},
        {word("肖海瑞同志：", 80, 160, 14)},
        {word("论文《商洛核桃嫁接育苗问题研究》", 100, 190, 14)},
        {word("在 2013 年度学术年会论文评选中荣获优秀奖。", 80, 215, 14)},
    });
    std::vector<float> kinds = titleFirst(int(award.size()));
    for (int k = 0; k < pdf::kLineKinds; ++k) kinds[pdf::kLineKinds + k] = k == int(K::Author) ? 0.9f : 0.01f;
    const auto a = pdf::readFirstPage(award, 842, kinds);
    EXPECT_EQ(a.title, QStringLiteral("商洛核桃嫁接育苗问题研究"));
    EXPECT_EQ(a.authors, QStringList{QStringLiteral("肖海瑞")});
    // or named in the sentence of the award, over two lines
    const auto inline_ = page({
        {word("荣誉证书", 200, 100, 26)},
        {word("你们撰写的论文《黑河寒地大豆耐冷", 80, 160, 14)},
        {word("品种筛选路径探析》荣获优秀奖。", 80, 180, 14)},
    });
    EXPECT_EQ(read(inline_).title, QStringLiteral("黑河寒地大豆耐冷品种筛选路径探析"));

    // a notice's table: the first row's cell under the title's head, wrapped in its cell
    const auto notice = page({
        {word("答辩人", 82, 131, 9.5), word("学科专业", 158, 131, 9.5), word("论文题目", 238, 131, 9.5), word("导师", 328, 131, 9.5)},
        {word("侯博玉", 82, 141, 9.5), word("生物技术", 158, 141, 9.5), word("麦积山石窟壁画", 224, 141, 9.5), word("薛艳", 328, 141, 9.5)},
        {word("病害的时空特征", 224, 151, 9.5)},
        {word("李四", 82, 175, 9.5), word("林学", 158, 175, 9.5), word("另一篇论文的题目", 224, 175, 9.5)},
    });
    EXPECT_EQ(read(notice).title, QStringLiteral("麦积山石窟壁画病害的时空特征"));
}

TEST(FieldAssembly, MagazineBylinesLeadInsAndSignedEntries) {
    // "文·甲 乙 图·丙": the writers, not the photographer
    EXPECT_EQ(pdf::labelOf(QStringLiteral("文／罗亮海")), LineLabel::Author);
    const auto piece = page({
        {word("陕西科普", 60, 60, 10)},
        {word("走进商洛核桃", 150, 120, 24)},
        {word("导读：在商洛，有一群人默默守护着商洛核桃。", 60, 160, 11)},
        {word("文·覃泽娜", 60, 185, 11), word("贾洋", 120, 185, 11), word("图·黄佳洋", 160, 185, 11)},
        {word("正文第一段的文字，说明问题的由来。", 60, 210, 11)},
        {word("正文第二段的文字，说明问题的由来。", 60, 225, 11)},
    });
    // no line the model takes for the title: the largest type near the top, never the lead-in
    const auto r = pdf::readFirstPage(piece, 842, std::vector<float>(piece.size() * pdf::kLineKinds, 0.01f));
    EXPECT_EQ(r.title, QStringLiteral("走进商洛核桃"));
    EXPECT_EQ(r.authors, (QStringList{"覃泽娜", "贾洋"}));

    // a newspaper's byline with the second writer set far apart
    const auto column = page({
        {word("做好深加工这篇文章", 150, 120, 22)},
        {word("文／付欣晓", 253, 150, 11), word("韩兰", 320, 150, 11)},
        {word("正文第一段的文字，说明问题的由来。", 60, 180, 11)},
    });
    EXPECT_EQ(read(column).authors, (QStringList{"付欣晓", "韩兰"}));

    // an entry signed with bare names in brackets after its text
    const auto entry = page({
        {word("商洛核桃", 60, 100, 16)},
        {word("正文第一段的文字，说明问题的由来。", 60, 130, 11)},
        {word("正文第二段的文字，说明问题的由来。", 60, 145, 11)},
        {word("正文第三段的文字，说明问题的由来。", 60, 160, 11)},
        {word("（陶宁", 300, 180, 11), word("吴梓红）", 340, 180, 11)},
    });
    EXPECT_EQ(read(entry).authors, (QStringList{"陶宁", "吴梓红"}));

    // an English form with its labels in a column: the next label ends the title beside its own
    const auto form = page({
        {word("Title", 76, 100, 10), word("A", 303, 100, 10), word("Low", 312, 100, 10), word("Cost", 335, 100, 10),
         word("Survey", 362, 100, 10)},
        {word("Presenting", 76, 113, 10), word("Author", 130, 113, 10), word("Eleni", 303, 113, 10), word("O'Connor", 332, 113, 10)},
    });
    EXPECT_EQ(read(form).title, QStringLiteral("A Low Cost Survey"));
}

TEST(FieldAssembly, AgreementsRegistrationFormsPostsAndLetters) {
    EXPECT_EQ(pdf::withoutLabel(QStringLiteral("作者（按署名顺序）：马俊建，邵玉")), QStringLiteral("马俊建，邵玉"));
    EXPECT_EQ(pdf::labelOf(QStringLiteral("主要研制人员：于丽然，顾宁")), LineLabel::Author);
    EXPECT_EQ(pdf::withoutLabel(QStringLiteral("主要完成人: 戴春艳，邹冰")), QStringLiteral("戴春艳，邹冰"));
    // the note wrapped in its cell: "全部作者（按署名顺" / "序）"
    EXPECT_EQ(pdf::labelOf(QStringLiteral("全部作者（按署名顺")), LineLabel::Author);
    EXPECT_EQ(pdf::labelOf(QStringLiteral("Article Title:")), LineLabel::Title);
    EXPECT_EQ(pdf::labelOf(QStringLiteral("Article Author:")), LineLabel::Author);
    EXPECT_NE(pdf::labelOf(QStringLiteral("Journal Title:")), LineLabel::Title);

    // a post printed from its page: the writer after the mark of origin, not the account
    const auto post = page({
        {word("玉州区玉林中药材市场流通溯源的实证考察", 60, 100, 18)},
        {word("原创", 60, 130, 10), word("龚晶强", 90, 130, 10), word("桂东南特色产业研究", 130, 130, 10), word("2024-04-12", 230, 130, 10)},
    });
    EXPECT_EQ(read(post).authors, QStringList{QStringLiteral("龚晶强")});
    const auto shared = page({
        {word("陆川猪种质保存的影响因素分析", 60, 100, 18)},
        {word("何华、谢晨", 60, 130, 10), word("玉林师范学院农学院", 120, 130, 10), word("2019-06-04", 230, 130, 10),
         word("19:11", 290, 130, 10), word("发表于广西", 320, 130, 10)},
    });
    EXPECT_EQ(pdf::readFirstPage(shared, 842, titleFirst(int(shared.size()))).authors, (QStringList{"何华", "谢晨"}));

    // a registration form names the student, then the paper's authors in order
    const auto form = page({
        {word("研究生发表学术论文登记表", 150, 80, 18)},
        {word("姓名：许铭", 60, 120, 11)},
        {word("论文题目：基于田野调查的凤阳花鼓进校园实践研究", 60, 140, 11)},
        {word("作者（按发表顺序）：何安敏、许铭、马婷", 60, 160, 11)},
    });
    EXPECT_EQ(read(form).authors, (QStringList{"何安敏", "许铭", "马婷"}));

    // a letter to the editor, signed after its text in capitals over the affiliations
    const auto letter = page({
        {word("A", 60, 100, 16), word("Note", 75, 100, 16), word("on", 120, 100, 16), word("Drying", 145, 100, 16)},
        {word("Sir,", 60, 130, 10)},
        {word("We", 60, 145, 10), word("read", 80, 145, 10), word("the", 105, 145, 10), word("article", 125, 145, 10),
         word("with", 160, 145, 10), word("interest.", 185, 145, 10)},
        {word("SARAH", 60, 170, 10), word("JONES", 95, 170, 10)},
        {word("University", 60, 182, 10), word("of", 110, 182, 10), word("Washington,", 125, 182, 10), word("Seattle", 190, 182, 10)},
        {word("Arjun", 60, 196, 10), word("Anderson", 90, 196, 10)},
        {word("Sorbonne", 60, 208, 10), word("University,", 110, 208, 10), word("Paris", 170, 208, 10)},
    });
    EXPECT_EQ(read(letter).authors, (QStringList{"Sarah Jones", "Arjun Anderson"}));
}


TEST(FieldAssembly, FormsAboutAPaperAndSentencesThatIntroduceTheTitle) {
    EXPECT_EQ(pdf::labelOf(QStringLiteral("被推荐论文：《洛阳水席的历史考察》")), LineLabel::Title);
    EXPECT_EQ(pdf::labelOf(QStringLiteral("案　由")), LineLabel::Title);
    EXPECT_EQ(pdf::labelOf(QStringLiteral("委 托 人 许刚立")), LineLabel::Author);
    EXPECT_NE(pdf::labelOf(QStringLiteral("论文作者：尹博宇")), LineLabel::Title);

    // a recommendation cites the paper in title marks
    const auto recommendation = page({
        {word("专家推荐意见", 200, 90, 20)},
        {word("被推荐论文：《洛阳水席菜品标准化的历史考察》", 60, 130, 12)},
        {word("作　　者：尹博宇，段刚永", 60, 150, 12)},
    });
    EXPECT_EQ(read(recommendation).title, QStringLiteral("洛阳水席菜品标准化的历史考察"));
    EXPECT_EQ(read(recommendation).authors, (QStringList{"尹博宇", "段刚永"}));

    // a motion's heading spaced out letter by letter is the kind of document; its subject is the title
    const auto motion = page({
        {word("提", 250, 90, 24), word("案", 300, 90, 24)},
        {word("案由", 60, 140, 12), word("关于推进疍家渔歌社区传唱的建议", 140, 140, 12)},
        {word("提案人", 60, 160, 12), word("郑敏轩", 140, 160, 12)},
    });
    EXPECT_EQ(read(motion).title, QStringLiteral("关于推进疍家渔歌社区传唱的建议"));

    // a certificate's sentence names the manuscript and its authors, a name broken over two lines
    const auto certificate = page({
        {row({"Certificate", "of", "English", "Editing"}, 150, 90, 22)},
        {row({"This", "document", "certifies", "that", "the", "manuscript"}, 120, 130, 12)},
        {row({"“Coconut", "Shell", "Carving", "Livelihoods”"}, 130, 150, 13)},
        {row({"prepared", "by", "the", "authors", "Brian", "Kim,", "Andrew", "Horváth,", "José"}, 80, 170, 12)},
        {row({"Tran", "and", "Richard", "Miller"}, 80, 185, 12)},
        {row({"was", "edited", "for", "proper", "English", "language"}, 80, 200, 12)},
        {row({"Eleni", "Williams"}, 400, 300, 12)},
    });
    const auto read1 = read(certificate);
    EXPECT_EQ(read1.title, QStringLiteral("Coconut Shell Carving Livelihoods"));
    EXPECT_EQ(read1.authors, (QStringList{"Brian Kim", "Andrew Horváth", "José Tran", "Richard Miller"}));
}

TEST(FieldAssembly, ReportsWorkingPapersAndTheirTeams) {
    EXPECT_EQ(pdf::labelOf(QStringLiteral("调研成员")), LineLabel::Author);
    EXPECT_EQ(pdf::withoutLabel(QStringLiteral("撰写：潘鹏冰，江秀天")), QStringLiteral("潘鹏冰，江秀天"));

    // a creation report names the work and the report: the report's title is the title
    const auto creation = page({
        {word("毕业作品创作报告", 150, 90, 20)},
        {word("作品名称：《归乡》", 100, 140, 13)},
        {word("报告题目：从摆手舞到舞台的创作报告", 100, 160, 13)},
        {word("作者姓名：张艳杰", 100, 180, 13)},
    });
    EXPECT_EQ(read(creation).title, QStringLiteral("从摆手舞到舞台的创作报告"));

    // a report's title set large over the funding programme's project: the report's own title;
    // a grant application's project name under the programme's banner: the project's name
    const auto report = page({
        {word("科技报告", 200, 90, 22)},
        {word("瓦斯抽采浓度预测模型的试验研究", 80, 130, 18)},
        {word("项目名称：安徽重点研发计划“矿区安全与生态修复”", 60, 170, 11)},
    });
    EXPECT_EQ(readTitled(report, {"瓦斯抽采浓度预测模型的试验研究"}).title, QStringLiteral("瓦斯抽采浓度预测模型的试验研究"));
    const auto grant = page({
        {word("河北省自然科学基金项目", 120, 90, 20)},
        {word("项目名称：综合能源系统协同技术路线的理论与方法", 60, 170, 12)},
    });
    EXPECT_EQ(read(grant).title, QStringLiteral("综合能源系统协同技术路线的理论与方法"));

    // a discussion paper's authors, each in bold with the school after it in plain type,
    // and its keywords up to the next field
    // (the school a blank of one em after the name, as a table's cells set them)
    auto named = [](const QStringList& name, const QStringList& unit, double y) {
        QList<pdf::Word> words = row(name, 200, y, 11);
        for (auto& w : words) w.font = QStringLiteral("Serif-Bold");
        return words + row(unit, words.last().x1 + 11, y, 11);
    };
    const QList<pdf::Word> costa = named({"Mehmet", "Costa"}, {"University", "of", "Copenhagen"}, 180);
    const QList<pdf::Word> tran = named({"Pierre", "Tran"}, {"KAIST"}, 195);
    const auto paper = page({
        {row({"Household", "Income", "and", "Folk", "Opera"}, 100, 140, 24)},
        costa,
        tran,
        {row({"Keywords:", "folk", "opera,", "rural", "income"}, 60, 300, 10)},
        {row({"JEL", "Classification:", "R11,", "J61"}, 60, 312, 10)},
    });
    const auto read2 = readAs(paper, [](int i) { return i == 0 ? K::Title : (i == 1 || i == 2) ? K::Author : K::Other; });
    EXPECT_EQ(read2.authors, (QStringList{"Mehmet Costa", "Pierre Tran"}));
    EXPECT_EQ(read2.keywords, (QStringList{"folk opera", "rural income"}));

    // a post under a name is no name, nor the start of the next one
    const auto bulletin = page({
        {row({"Yield", "Trials", "with", "Peanut", "Screening"}, 100, 140, 20)},
        {row({"Lisa", "Patel"}, 200, 180, 12)},
        {row({"Extension", "Agronomist"}, 200, 194, 10)},
        {row({"Charles", "Thompson"}, 200, 212, 12)},
    });
    EXPECT_EQ(readAs(bulletin, [](int i) { return i == 0 ? K::Title : K::Author; }).authors,
              (QStringList{"Lisa Patel", "Charles Thompson"}));
}

TEST(FieldAssembly, SideCellsOfNamesProjectLeadersAndSpeltOutDegrees) {
    EXPECT_EQ(pdf::labelOf(QStringLiteral("课题主持人:邵亮磊")), LineLabel::Author);
    // a label's note cut where its cell wraps keeps the name after it
    EXPECT_EQ(pdf::withoutLabel(QStringLiteral("研究者（按贡献排 闫琳英")), QStringLiteral("闫琳英"));
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("Kwame Lee, Master of Science")), QStringList{"Kwame Lee"});
    EXPECT_TRUE(pdf::isAffiliation(QStringLiteral("Universidad de Buenos Aires")));

    // a report's field with a label the reader does not know is no title
    const auto trial = page({
        {word("研究类型：随机对照试验", 60, 100, 13)},
        {word("地方性氟中毒尿氟水平的真实世界研究报告", 60, 130, 13)},
    });
    EXPECT_EQ(readTitled(trial, {"研究类型：随机对照试验", "地方性氟中毒尿氟水平的真实世界研究报告"}).title,
              QStringLiteral("地方性氟中毒尿氟水平的真实世界研究报告"));

    // names stacked in a side cell beside the title, the first read before the title
    const auto side = page({
        {word("赵欣磊", 76, 130, 11)},
        {word("龙南市钨尾矿植被重建的调查分析", 200, 140, 16)},
        {word("姜红艳", 76, 144, 11)},
        {word("唐睿", 76, 158, 11)},
    });
    EXPECT_EQ(readAs(side, [&](int i) { return side[i].text.size() > 6 ? K::Title : (i >= 2 ? K::Author : K::Other); }).authors,
              (QStringList{"赵欣磊", "姜红艳", "唐睿"}));
    // one name alone next to the title, that the model does not take for a name
    const auto alone = page({{word("布鲁氏菌病血清学筛查的机理与应用", 200, 100, 16)}, {word("崔国军", 76, 130, 11)}});
    EXPECT_EQ(read(alone).authors, QStringList{"崔国军"});

    // a sentence of the text that ends "… The paper" introduces no title
    const auto text = page({
        {row({"Listening", "to", "Silk", "Weaving"}, 100, 100, 16)},
        {row({"of", "those", "who", "spoke", "them.", "The", "paper"}, 60, 300, 12)},
        {row({"begins", "with", "a", "scene", "from", "the", "field"}, 60, 314, 12)},
        {row({"and", "turns", "to", "the", "archive"}, 60, 328, 12)},
    });
    EXPECT_EQ(read(text).title, QStringLiteral("Listening to Silk Weaving"));
}

TEST(FieldAssembly, BriefingsAndWorkingPaperTitlePages) {
    // a briefing names its writers in brackets under the title, each with unit and post
    const auto briefing = page({
        {word("安顺地戏村落演剧组织的经济账", 100, 100, 18)},
        {word("（沈思蕾，安顺学院经济管理学院副研究员；林骏琳，安顺学院经济管理学院副研究员；龚轩欣，", 60, 130, 10)},
        {word("安顺学院经济管理学院副研究员）", 60, 143, 10)},
    });
    EXPECT_EQ(read(briefing).authors, (QStringList{"沈思蕾", "林骏琳", "龚轩欣"}));

    // a working paper series' name is no title, its number no name
    EXPECT_FALSE(pdf::isPersonName(QStringLiteral("Working Paper")));
    const auto cover = page({
        {row({"PACIFIC", "INSTITUTE", "WORKING", "PAPER", "SERIES"}, 100, 80, 12)},
        {row({"Tourism", "Demand", "and", "Liu", "Sanjie", "Ballads"}, 100, 130, 16)},
    });
    EXPECT_EQ(readTitled(cover, {"PACIFIC INSTITUTE WORKING PAPER SERIES", "Tourism Demand and Liu Sanjie Ballads"}).title,
              QStringLiteral("Tourism Demand and Liu Sanjie Ballads"));
}

TEST(FieldAssembly, LeadersVerticalBandsProjectLeadersAndMarkers) {
    EXPECT_EQ(pdf::withoutLabel(QStringLiteral("研究生……………林华世")), QStringLiteral("林华世"));
    EXPECT_EQ(pdf::labelOf(QStringLiteral("Project Supervisor:")), LineLabel::Supervisor);
    EXPECT_EQ(pdf::labelOf(QStringLiteral("Second Marker:")), LineLabel::Supervisor);
    EXPECT_FALSE(pdf::isPersonName(QStringLiteral("Final Year Project")));
    EXPECT_TRUE(pdf::isAffiliation(QStringLiteral("Forest Service")));

    // a project's leader heads its members; a host alone is no author
    const auto report = page({
        {word("高原草甸退化恢复年度进展报告", 100, 100, 18)},
        {word("主持人：顾明健", 100, 140, 12)},
        {word("参加人员：卢国浩 赵晶", 100, 158, 12)},
    });
    EXPECT_EQ(read(report).authors, (QStringList{"顾明健", "卢国浩", "赵晶"}));

    // the kind of thesis set down a band, one letter a line, beside the title: left out, while
    // labels spaced out letter by letter, stacked, stay
    QList<pdf::Word> words;
    const QString band = QStringLiteral("工程博士学位论文");
    for (int k = 0; k < band.size(); ++k) words << word(band.mid(k, 1), 95, 76 + 20 * k, 15);
    words << word("白洋淀沉积物重金属的影响因素", 139, 156, 20);
    for (const auto& [label, y] : {std::pair{QStringLiteral("学号"), 300}, {QStringLiteral("专业"), 318},
                                   {QStringLiteral("导师"), 336}, {QStringLiteral("学院"), 354}})
        words << word(label.left(1), 165, y, 13) << word(label.mid(1), 204, y, 13) << word("某某", 391, y, 13);
    QStringList texts;
    for (const auto& l : pdf::groupLines(words)) texts << l.text;
    EXPECT_TRUE(texts.contains(QStringLiteral("白洋淀沉积物重金属的影响因素"))) << texts.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(texts.filter(QRegularExpression(QStringLiteral("^[学专导]\\s+[号业师院]"))).size(), 4)
        << texts.join(QLatin1Char('|')).toStdString();
}

TEST(FieldAssembly, SmallLabelsOverValuesAndNamesWithPosts) {
    // a small label with its value set tight under it, broken before a document type's word
    const auto cover = page({
        {word("毕业设计（创作）说明书", 71, 129, 20)},
        {word("设计题目", 360, 166, 9)},
        {word("景迈山古茶林元素的入股分红", 360, 178.7, 12)},
        {word("设计", 360, 190.7, 12)},
        {word("学生姓名", 360, 212, 9)},
        {word("白玉振", 360, 224.6, 12)},
    });
    EXPECT_EQ(read(cover).title, QStringLiteral("景迈山古茶林元素的入股分红设计"));

    // a report prepared for an office by people named with their posts
    EXPECT_TRUE(pdf::isAffiliation(QStringLiteral("Rural Revitalization Office")));
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("James Zhang, Lecturer A. Martin, Research Assistant")),
              (QStringList{"James Zhang", "A. Martin"}));
}

TEST(FieldAssembly, BylinesOverTheTitleDiscussantsAndWritersWithUnits) {
    // the byline over the title, which the model does not take for names
    const auto journal = page({
        {word("任娜琳、方安雨、汪倩梓", 60, 100, 11)},
        {word("尘肺病患者肺康复训练的临床研究", 60, 130, 18)},
    });
    EXPECT_EQ(readTitled(journal, {"尘肺病患者肺康复训练的临床研究"}).authors, (QStringList{"任娜琳", "方安雨", "汪倩梓"}));

    // a meeting paper's discussant is no author
    EXPECT_NE(pdf::labelOf(QStringLiteral("评议人：夏立晓")), LineLabel::Author);

    // a report's writers one a line with their units, under its key points
    const auto report = page({
        {word("中越边贸互市边民合作社现状与对策研究报告", 60, 100, 18)},
        {word("报告要点", 60, 130, 12)},
        {word("1. 本文依据田野访谈与统计资料，梳理相关现象。", 60, 150, 10)},
        {word("董帆海，广西民族师范学院艺术学院教授", 60, 180, 10)},
        {word("董薇刚，广西民族师范学院艺术学院讲师", 60, 194, 10)},
    });
    EXPECT_EQ(read(report).authors, (QStringList{"董帆海", "董薇刚"}));
}

TEST(FieldAssembly, ALabelSpacedAcrossItsCellIsReadWholeWhateverTheOrder) {
    // the library gives the label's second letter, with the value, after the cells below it
    const auto lines = pdf::groupLines({word("题", 170, 244, 15), word("学", 110, 314, 12), word("院", 134, 314, 12),
                                        word("学生姓名", 104, 331, 12), word("目：浅析龙泉青瓷烧制的窑口谱系", 200, 244, 15)});
    EXPECT_EQ(lines.first().text, QStringLiteral("题 目：浅析龙泉青瓷烧制的窑口谱系"));
    EXPECT_EQ(read(lines).title, QStringLiteral("浅析龙泉青瓷烧制的窑口谱系"));
}

TEST(FieldAssembly, TitlesInBracketsSmallDashSubtitlesAndTitlesBrokenAfterSince) {
    // a cover's title between lenticular brackets is read without them
    EXPECT_EQ(read(page({{word("【凤丹牡丹籽油脂肪酸组成研究】", 100, 200, 22)}})).title, QStringLiteral("凤丹牡丹籽油脂肪酸组成研究"));

    // a dash subtitle set much smaller than the title is the title's still
    const auto journal = page({
        {word("洮南市镇赉渔猎习俗冬捕仪式纠纷的解决", 80, 120, 22)},
        {word("——以洮南市为例", 200, 142, 12)},
        {word("撰文 黎志新 袁磊建", 160, 170, 11)},
    });
    EXPECT_EQ(read(journal).title, QStringLiteral("洮南市镇赉渔猎习俗冬捕仪式纠纷的解决——以洮南市为例"));

    // a title line does not end on "since": the year on the next line is the title's
    const auto thesis = page({
        {row({"Performing", "the", "Past:", "Pottery", "since"}, 100, 150, 20)},
        {word("1949", 250, 174, 20)},
        {word("by", 270, 210, 12)},
    });
    EXPECT_EQ(read(thesis).title, QStringLiteral("Performing the Past: Pottery since 1949"));
}

TEST(FieldAssembly, AnApprovalChainOfSpacedLabelsIsNoBandOfLetters) {
    // "批　准：…" down to "编　写：…", each label spaced across its cell, stacked on the left
    QList<pdf::Word> words{word("矿区边坡雷达监测科研报告", 120, 150, 20)};
    const QStringList labels{"批准", "审定", "审核", "校核", "编写"};
    for (int k = 0; k < labels.size(); ++k)
        words << word(labels[k].left(1), 150, 300 + 20 * k, 14)
              << word(labels[k].mid(1) + QStringLiteral("：") + (k < 4 ? QStringLiteral("某甲") : QStringLiteral("上官雨然、韦睿子")),
                      180, 300 + 20 * k, 14);
    const auto lines = pdf::groupLines(words);
    QStringList texts;
    for (const auto& l : lines) texts << l.text;
    EXPECT_TRUE(texts.contains(QStringLiteral("编 写：上官雨然、韦睿子"))) << texts.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(read(lines).authors, (QStringList{"上官雨然", "韦睿子"}));
}

TEST(FieldAssembly, ALandscapeCoverWithItsFieldsBesideAndAnAuthorTableWithUnits) {
    EXPECT_EQ(pdf::labelOf(QStringLiteral("毕业设计说明书")), LineLabel::DocumentType);

    // the school, the kind and the title on the left half, the fields one a line on the right,
    // the title broken under the fields' last line
    const auto cover = page({
        {word("湘南学院", 217, 223, 24), word("学生姓名：何博轩", 490, 209, 14)},
        {word("学号：2009297087", 490, 227, 14)},
        {word("本科毕业设计（论文）", 175, 243, 18), word("专业：音乐学", 490, 245, 14)},
        {word("指导教师：崔丽骏（教授）", 490, 277, 14)},
        {word("桂阳县汝城乡村学校寄宿制管理的视觉", 80, 295, 20), word("完成日期：2016年5月", 490, 295, 14)},
        {word("转化", 230, 319, 20)},
    });
    const auto reading = read(cover);
    EXPECT_EQ(reading.title, QStringLiteral("桂阳县汝城乡村学校寄宿制管理的视觉转化"));
    EXPECT_EQ(reading.authors, QStringList{QStringLiteral("何博轩")});

    // a heading over a table of the authors, a name, its unit and its mail a row
    QList<QList<pdf::Word>> rows{{word("汝城乡村学校教师流动与地方发展", 60, 100, 18)}, {word("作者信息", 57, 293, 10)}};
    const QStringList names{"夏艳", "邓林雅", "周佳健"};
    for (int k = 0; k < names.size(); ++k)
        rows << QList<pdf::Word>{word(names[k], 100, 309 + 11.4 * k, 9.5), word("湘南学院教育学院", 161, 309 + 11.4 * k, 9.5),
                                 word(QStringLiteral("wp%1@hnsyu.edu.cn").arg(k), 360, 309 + 11.4 * k, 9.5)};
    EXPECT_EQ(read(page(rows)).authors, names);
}

TEST(FieldAssembly, ASentenceAboutTheThesisRollNumbersAndAKindOfDegreeInBrackets) {
    EXPECT_EQ(pdf::labelOf(QStringLiteral("博士学位论文（学术学位）")), LineLabel::DocumentType);

    // a title page that tells in a sentence who wrote the thesis: no line of it is the title,
    // and its writer is the author (the teacher under whom it was written is not)
    for (const char* sentence : {"本文是赵子凯于2010年9月至2013年5月在|营口理工学院攻读理学硕士学位期间，|在导师龚亮伟教授的指导下完成的学位论文。",
                                 "作者段逸秀在邓凯教授的悉心指导下完成本论文，谨|呈交河北水利电力学院，以申请农学硕士学位。"}) {
        QList<QList<pdf::Word>> rows{{word("单位代码：12615", 60, 60, 10)}, {word("盖州市鲅鱼圈港区防波堤冲刷试验", 120, 160, 22)}};
        const QStringList parts = QString::fromUtf8(sentence).split(QLatin1Char('|'));
        for (int k = 0; k < parts.size(); ++k) rows << QList<pdf::Word>{word(parts[k], 90, 240 + 20 * k, 14)};
        // (the model leaning to the sentence rather than to the title)
        const auto lines = page(rows);
        const auto reading = readTitled(lines, {lines[2].text, lines[3].text});
        EXPECT_EQ(reading.title, QStringLiteral("盖州市鲅鱼圈港区防波堤冲刷试验")) << sentence;
        EXPECT_EQ(reading.authors.value(0), parts[0].startsWith(QStringLiteral("本文")) ? QStringLiteral("赵子凯") : QStringLiteral("段逸秀"));
    }

    // students listed with their roll numbers under "Submitted by", the guide in a column beside
    const auto cover = page({
        {row({"A", "Mobile", "Application", "for", "Tracking", "Estuary", "Carbon"}, 120, 100, 18)},
        row({"Submitted", "by"}, 76, 275, 11) + row({"Under", "the", "guidance", "of"}, 380, 275, 11),
        row({"Karen", "U.", "King", "(09K1A0110)"}, 76, 290, 11) + row({"Mr.", "Anna", "Y.", "Novak"}, 380, 290, 11),
        row({"Omar", "Davis", "(09B1A0152)"}, 76, 305, 11) + row({"Associate", "Professor"}, 380, 305, 11),
    });
    EXPECT_EQ(read(cover).authors, (QStringList{"Karen U. King", "Omar Davis"}));
}

TEST(FieldAssembly, ACaseSaysWhoWroteItAndASentenceCarriedOntoALineIsNoName) {
    const auto teachingCase = page({
        {row({"Northbridge", "Case", "Centre"}, 60, 60, 10)},
        {row({"Dezhou", "Braised", "Chicken", "Makers:", "Pricing", "an", "Experience"}, 60, 120, 18)},
        {row({"Andrew", "King", "and", "David", "Nowak", "wrote", "this", "case", "solely", "to", "provide", "material"}, 60, 160, 9)},
    });
    EXPECT_EQ(read(teachingCase).authors, (QStringList{"Andrew King", "David Nowak"}));

    // the line that ends the degree's sentence is a programme, not a name, whatever the model says
    const auto thesis = page({
        {row({"Intangible", "Heritage", "and", "Storytellers"}, 60, 120, 20)},
        {row({"Dissertation", "submitted", "in", "part", "fulfilment", "of", "the", "degree", "of", "LLM", "in"}, 60, 160, 11)},
        {row({"Intellectual", "Property", "Law"}, 60, 173, 11)},
        {word("Candidate", 60, 200, 11)},
        {row({"Ingrid", "Miller"}, 60, 215, 11)},
    });
    std::vector<float> kinds;
    for (const auto& l : thesis) {
        const K kind = l.text.startsWith(QStringLiteral("Intangible")) ? K::Title
                       : (l.text == QStringLiteral("Intellectual Property Law") || l.text == QStringLiteral("Ingrid Miller")) ? K::Author
                                                                                                                                  : K::Other;
        for (int k = 0; k < pdf::kLineKinds; ++k) kinds.push_back(k == int(kind) ? 0.9f : 0.1f / (pdf::kLineKinds - 1));
    }
    EXPECT_EQ(pdf::readFirstPage(thesis, 842, kinds).authors, QStringList{QStringLiteral("Ingrid Miller")});
}

TEST(FieldAssembly, ADrawingsTitleBlockGivesTheDesignAndItsDesigner) {
    // school | title | drawing number over the rows 设计 / 指导 / 审核 / 批准, each with a name and a date
    QList<QList<pdf::Word>> rows{{word("周口师范学院", 214, 138, 28)},
                                 {word("本科毕业设计说明书", 199, 170, 22)},
                                 {word("专业：生态学", 184, 208, 12)},
                                 {word("周口师范学院", 115, 401, 9), word("鹿邑老年糖尿病患者足部溃疡风险筛", 208, 406, 13),
                                  word("图号", 459, 401, 9)},
                                 {word("查系统设计", 279, 421, 13)}};
    const QStringList labels{"设计", "指导", "审核", "批准"}, names{"韩玉凯", "曹辉桂", "程薇平", "雷建佳"};
    for (int k = 0; k < labels.size(); ++k)
        rows << QList<pdf::Word>{word(labels[k], 132, 432 + 12.2 * k, 10), word(names[k], 297, 432 + 12.2 * k, 10),
                                 word("2021.04.06", 439, 432 + 12.2 * k, 10)};
    const auto lines = page(rows);
    EXPECT_EQ(pdf::drawingTitleBlock(lines), std::make_pair(QStringLiteral("鹿邑老年糖尿病患者足部溃疡风险筛查系统设计"), QStringLiteral("韩玉凯")));
    const auto reading = read(lines);
    EXPECT_EQ(reading.title, QStringLiteral("鹿邑老年糖尿病患者足部溃疡风险筛查系统设计"));
    EXPECT_EQ(reading.authors, QStringList{QStringLiteral("韩玉凯")});
    // the heads of the columns over the rows, the school's cell on the title's row, and the title's
    // last word "设计" on a line of its own
    QList<QList<pdf::Word>> headed{{word("生物与食品工程学院", 101, 446, 9), word("林州市林州红旗渠灌区渠系渗漏损失工程", 204, 453, 12)},
                                   {word("设计", 300, 465, 12)},
                                   {word("职责", 132, 476, 10), word("姓名", 302, 476, 10), word("日期", 450, 476, 10)}};
    for (int k = 0; k < labels.size(); ++k)
        headed << QList<pdf::Word>{word(labels[k], 132, 490 + 12.2 * k, 10), word(names[k], 297, 490 + 12.2 * k, 10)};
    EXPECT_EQ(pdf::drawingTitleBlock(page(headed)).first, QStringLiteral("林州市林州红旗渠灌区渠系渗漏损失工程设计"));
    EXPECT_EQ(pdf::labelOf(QStringLiteral("工学博士学位论文")), LineLabel::DocumentType);
    // a "设计" alone, as the last word of a broken title, makes no block
    EXPECT_TRUE(pdf::drawingTitleBlock(page({{word("景迈山古茶林元素的入股分红", 60, 100, 16)}, {word("设计", 60, 120, 16)}})).second.isEmpty());
}

TEST(FieldAssembly, TranslatedBylinesCuratorsCommentariesAndLettersSignedWithDegrees) {
    // a translated article: the writers before "著", each after the mark of their country; the
    // translator after it, and the column's name over the title, are none
    for (const char* byline : {"〔法〕让-吕克·贝尔唐 〔澳〕艾米莉·道森 著 肖斌彬 译", "〔法〕让-吕克·贝尔唐　〔澳〕艾米莉·道森／著 肖斌彬／译 吕林华 校"}) {
        const auto lines = page({{word("海外视野", 60, 80, 10)},
                                 {word("束河古镇客栈的物质文化", 60, 110, 18)},
                                 {word(QString::fromUtf8(byline), 60, 135, 10.5)}});
        EXPECT_EQ(readTitled(lines, {"束河古镇客栈的物质文化"}).authors, (QStringList{"让-吕克·贝尔唐", "艾米莉·道森"})) << byline;
    }

    // an exhibition review: "文 甲 乙" are its writers, the curator under "策 展 人" is not
    EXPECT_NE(pdf::labelOf(QStringLiteral("策 展 人")), LineLabel::Author);
    const auto review = page({{word("从澄江市到展厅：花腰傣服饰与刺绣纹样传习", 60, 100, 18)},
                              {word("文 邵永婷 汪鑫红", 60, 125, 10.5)},
                              {word("策 展 人", 60, 150, 10)},
                              {word("何娜", 60, 165, 10)}});
    EXPECT_EQ(read(review).authors, (QStringList{"邵永婷", "汪鑫红"}));
    // a lesson study's commentary is written by the one who comments on it, not the teacher
    EXPECT_EQ(pdf::labelOf(QStringLiteral("评析：林玉斌")), LineLabel::Author);
    EXPECT_EQ(pdf::withoutLabel(QStringLiteral("课例评析：高勇然、薛婷娜")), QStringLiteral("高勇然、薛婷娜"));
    EXPECT_NE(pdf::labelOf(QStringLiteral("执 教 唐兰俊")), LineLabel::Author);

    // a research letter signed after its text, each name with its degrees
    const auto letter = page({
        {row({"Respiratory", "Symptoms", "in", "Sturgeon", "Hatcheries"}, 60, 100, 18)},
        {row({"Results", "We", "analysed", "records", "from", "surveillance", "sites", "and", "clinics."}, 60, 140, 9)},
        {row({"Z.", "Suzuki,", "MPH;", "Fatima", "M.", "O'Connor,", "MSc;", "Lukas", "Weber,", "MD"}, 60, 170, 9)},
        {row({"Article", "Information"}, 60, 190, 9)},
    });
    EXPECT_EQ(readTitled(letter, {"Respiratory Symptoms in Sturgeon Hatcheries"}).authors,
              (QStringList{"Z. Suzuki", "Fatima M. O'Connor", "Lukas Weber"}));

    // a byline with degrees over two lines is read whole, not from its last line
    const auto caseReport = page({
        {row({"Laparoscopic", "Cyst", "Removal:", "Report", "of", "a", "Case"}, 60, 100, 18)},
        {row({"Olga", "Fernández,", "MD,", "MPH;", "Michael", "Park,", "DO;"}, 60, 130, 10)},
        {row({"Ji-woo", "B.", "Liu,", "MBBS"}, 60, 144, 10)},
    });
    EXPECT_EQ(readTitled(caseReport, {"Laparoscopic Cyst Removal: Report of a Case"}).authors.value(0), QStringLiteral("Olga Fernández"));

    // the meeting's cell in small type left of a large title is no part of it
    const auto lines = pdf::groupLines({word("西南传播学论坛", 93, 108, 9), word("短视频中的白沙细乐：细乐乐谱整理的传播分析", 184, 104, 15)});
    EXPECT_EQ(lines.size(), 2);
}

TEST(FieldAssembly, WritersInBracketsOralHistoriesHostsAndThesesSubmittedBy) {
    // a note's writers in brackets after its title, the brackets closed on the next line
    const auto note = page({{word("研究简讯", 60, 70, 10)},
                            {word("大柴旦行委昆仑山多年冻土融区碳释放通量调查（覃静凯，唐", 60, 110, 16)},
                            {word("芳艳）", 60, 130, 16)},
                            {word("（青海师范大学化学化工学院，青海 西宁 810008）", 60, 155, 9)}});
    const auto reading = readTitled(note, {note[1].text});
    EXPECT_EQ(reading.title, QStringLiteral("大柴旦行委昆仑山多年冻土融区碳释放通量调查"));
    EXPECT_EQ(reading.authors, (QStringList{"覃静凯", "唐芳艳"}));
    // a bracketed year or part is the title's own
    EXPECT_EQ(read(page({{word("青海湖水位变化研究（1990—2020）", 60, 110, 16)}})).title, QStringLiteral("青海湖水位变化研究（1990—2020）"));

    // an oral history: the narrator and those who wrote it down, in either order of roles and names
    for (const char* byline : {"潘刚琳 口述 董洋敏 钟睿志 整理", "口述 潘刚琳 整理 董洋敏、钟睿志"}) {
        const auto lines = page({{word("华阴市华阴老腔口述实录", 60, 110, 18)}, {word(QString::fromUtf8(byline), 60, 135, 10.5)}});
        EXPECT_EQ(readTitled(lines, {"华阴市华阴老腔口述实录"}).authors, (QStringList{"潘刚琳", "董洋敏", "钟睿志"})) << byline;
    }
    // a case discussion: its host is none, those who wrote it down are its authors
    const auto discussion = page({{word("高原红细胞增多症临床病理讨论", 60, 110, 18)}, {word("主持人：林慧涛 整理：李瑞 廖斌 曹新健", 60, 135, 10.5)}});
    EXPECT_EQ(readTitled(discussion, {"高原红细胞增多症临床病理讨论"}).authors, (QStringList{"李瑞", "廖斌", "曹新健"}));
    // a news item signed at its end: "（供稿人：甲 乙，…）"
    const auto news = page({{word("疏勒河灌区需水预测取得新进展", 60, 110, 18)},
                            {word("研究采用野外采样、室内分析与模型计算相结合的方法。", 60, 140, 10)},
                            {word("（供稿人：金琪睿 董思欣，兰州理工大学能源与动力工程学院）", 60, 170, 10)}});
    EXPECT_EQ(readTitled(news, {"疏勒河灌区需水预测取得新进展"}).authors, (QStringList{"金琪睿", "董思欣"}));

    // an English thesis that names its writer in the sentence of its degree
    const auto thesis = page({
        {row({"Performance", "Modelling", "of", "Black", "Goji", "Orchards"}, 60, 100, 20)},
        {row({"A", "thesis", "submitted", "by", "A.", "White", "to", "University", "of", "Toronto", "in", "partial"}, 60, 140, 11)},
        {row({"Work", "carried", "out", "under", "the", "supervision", "of", "Dr", "Hans", "Petrova"}, 60, 160, 11)},
    });
    EXPECT_EQ(readTitled(thesis, {"Performance Modelling of Black Goji Orchards"}).authors, QStringList{QStringLiteral("A. White")});
}

TEST(FieldAssembly, NamesWithTheirPartInTheTextAndReportsThatSayWhoDidTheWork) {
    // names before the part each had, the reviewer after them none; or signed at the end in brackets
    for (const auto& [byline, names] : {std::pair{"袁薇 侯春 点校 韦天宁 审订", QStringList{"袁薇", "侯春"}},
                                        {"邱冰勇 沈杰浩 谨撰", QStringList{"邱冰勇", "沈杰浩"}},
                                        {"董晓 撰", QStringList{"董晓"}}}) {
        const auto lines = page({{word("柳林县所见临县伞头秧歌抄本校注", 60, 110, 18)}, {word(QString::fromUtf8(byline), 60, 135, 10.5)}});
        EXPECT_EQ(readTitled(lines, {"柳林县所见临县伞头秧歌抄本校注"}).authors, names) << byline;
    }
    // a review's reviewer before the book it names "甲 著"
    const auto review = page({{word("石狮工艺品定价的新视野", 60, 110, 18)}, {word("钟志宇 撰", 60, 130, 10)}, {word("付雪思 著", 60, 154, 10)}});
    EXPECT_EQ(readTitled(review, {"石狮工艺品定价的新视野"}).authors, QStringList{QStringLiteral("钟志宇")});
    const auto survey = page({{word("碛口古镇商贸研究的新进展（2018）", 60, 110, 18)},
                              {word("本文依据地方文献、田野访谈与档案资料，考察这一地方传统的源流。", 60, 140, 10)},
                              {word("（陆安 执笔）", 60, 170, 10)}});
    EXPECT_EQ(readTitled(survey, {"碛口古镇商贸研究的新进展（2018）"}).authors, QStringList{QStringLiteral("陆安")});

    // who did the work, in the sentences of a statement, the list broken across lines
    const auto report = page({{word("海港区煤尘堆场抑尘网设计研究报告", 60, 110, 18)},
                              {word("本报告由燕山大学机械工程学院承担完成。项目负责人：高琳彬教授。主要完成人员：高", 60, 300, 10)},
                              {word("琳彬，陈子，唐勇玉。", 60, 314, 10)}});
    EXPECT_EQ(read(report).authors, (QStringList{"高琳彬", "陈子", "唐勇玉"}));
    EXPECT_EQ(pdf::withoutLabel(QStringLiteral("执笔人员： 郑国 于明雨")), QStringLiteral("郑国 于明雨"));
    EXPECT_EQ(pdf::labelOf(QStringLiteral("报告撰写： 肖凯骏、蒋立浩")), LineLabel::Author);
    // a note of the author's part after a name is no part of it
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("戴峰，朱冰磊，龚世桂（通信作者）")), (QStringList{"戴峰", "朱冰磊", "龚世桂"}));
}

TEST(FieldAssembly, RanksInBracketsBoxedBylinesAndAuthorsInASidebar) {
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("任强颖（护士长） 周逸辉（护师） 苏天（主任护师）")), (QStringList{"任强颖", "周逸辉", "苏天"}));
    EXPECT_EQ(pdf::namesInLine(QStringLiteral("邵立（主任护师） 钟丽然（副主任护师）")), (QStringList{"邵立", "钟丽然"}));

    // a byline over the title after a box, the school before the names
    const auto journal = page({{word("□ 集安市第一中学 林杰健 范睿超", 60, 80, 10)},
                               {word("基于通化山葡萄酒业的葡萄酒地理标志保护", 60, 120, 18)}});
    EXPECT_EQ(readTitled(journal, {"基于通化山葡萄酒业的葡萄酒地理标志保护"}).authors, (QStringList{"林杰健", "范睿超"}));
    // or the other writers one a line under the box's
    const auto paper = page({{word("关于布依族八音坐唱展演空间的调查与建议", 60, 80, 16)}, {word("□ 钟倩佳", 60, 110, 10)}, {word("韦俊芳", 72, 124, 10)}});
    EXPECT_EQ(readTitled(paper, {"关于布依族八音坐唱展演空间的调查与建议"}).authors, (QStringList{"钟倩佳", "韦俊芳"}));

    // a brief's authors in its sidebar under "ABOUT THE AUTHORS", each over a post, the text of the
    // next column read in between
    const auto brief = page({
        {row({"Teaching", "with", "Local", "Heritage"}, 60, 100, 20)},
        {row({"ABOUT", "THE", "AUTHORS"}, 60, 200, 9)},
        row({"Camille", "Kowalski"}, 60, 214, 9) + row({"Schools", "in", "the", "region", "have", "begun", "to", "bring"}, 220, 218, 10),
        {row({"Senior", "Researcher"}, 60, 226, 9)},
        row({"Chen", "J.", "Johnson"}, 60, 244, 9) + row({"local", "craft", "and", "performance", "into", "lessons."}, 220, 240, 10),
        {row({"Research", "Fellow"}, 60, 256, 9)},
    });
    EXPECT_EQ(readTitled(brief, {"Teaching with Local Heritage"}).authors, (QStringList{"Camille Kowalski", "Chen J. Johnson"}));
}
