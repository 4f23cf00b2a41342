// Where a byline stands when it is not under the title: over it, beside it in
// a cell, after the keywords, or after its unit; and what stands beside a title
// on its line without belonging to it.
#include <gtest/gtest.h>

#include "pdf/LineWords.h"
#include "pdf/PageLines.h"
#include "pdf/PersonNames.h"

namespace {

using namespace pagelines;
using K = pdf::LineKind;

QStringList texts(const QList<pdf::Line>& lines) {
    QStringList out;
    for (const auto& l : lines) out << l.text;
    return out;
}

TEST(BylinePlaces, WhatStandsBesideATitleOnItsLineIsALineOfItsOwn) {
    // a poster's code in its own cell, smaller, left of the title
    const auto poster = page({{word("PU-1814", 100, 106, 13), word("荣县井盐卤水种植户农药暴露与肝功能异常", 168, 104, 20)}});
    EXPECT_EQ(texts(poster), (QStringList{"PU-1814", "荣县井盐卤水种植户农药暴露与肝功能异常"}));
    // a headword and its English gloss in smaller type
    const auto entry = page({QList<pdf::Word>{word("秦岭南麓森林", 71, 138, 14)} + row({"forests", "of", "the", "slopes"}, 164, 136, 11)});
    EXPECT_EQ(texts(entry), (QStringList{"秦岭南麓森林", "forests of the slopes"}));
    // a column's note beside the byline, on another baseline
    const auto column = page({{word("注内丘神码，材料翔实，可", 76, 183, 11), word("程兰玉", 195, 177, 15), word("杨凯", 252, 177, 15)}});
    EXPECT_EQ(texts(column), (QStringList{"程兰玉 杨凯", "注内丘神码，材料翔实，可"}));
    // words of one type on one baseline stay one line, Latin in a Chinese title too
    EXPECT_EQ(texts(page({{word("基于", 60, 100, 16), word("Transformer", 98, 100, 16), word("的遥感影像分类", 190, 100, 16)}})).size(), 1);
    EXPECT_EQ(texts(page({{word("COVID-19", 60, 100, 16), word("Vaccination", 140, 100, 16)}})), QStringList{"COVID-19 Vaccination"});
}

TEST(BylinePlaces, NamesOverTheTitleInASideCellOrAfterTheirUnit) {
    // an essay's byline in capitals right over its title, whatever the model says of it
    const auto essay = page({{row({"CHARLES", "F.", "LIU", "AND", "LEI", "WILSON"}, 60, 100, 10)},
                             {row({"Craft,", "Memory", "and", "the", "Market"}, 60, 130, 20)}});
    EXPECT_EQ(readTitled(essay, {"Craft, Memory and the Market"}).authors, (QStringList{"CHARLES F. LIU", "LEI WILSON"}));

    // four names stacked in a cell left of the title, two of them read before it
    const auto cell = page({{word("张然", 76, 129, 14)},
                            {word("徐瑞鑫", 76, 142, 14)},
                            {word("盐池县布鲁氏菌病职业暴露的调查分析", 190, 138, 22)},
                            {word("彭慧", 76, 155, 14)},
                            {word("袁梓", 76, 168, 14)}});
    const auto sideCell = readAs(cell, [&](int i) {
        return cell[i].text.size() > 8 ? K::Title : cell[i].y0 > 135 ? K::Author : K::Other;
    });
    EXPECT_EQ(sideCell.authors, (QStringList{"张然", "徐瑞鑫", "彭慧", "袁梓"}));

    // the unit first, then the names, no box before them
    EXPECT_EQ(pdf::namesAfterUnit(QStringLiteral("隆德县高级中学 方薇晓 贺军")), (QStringList{"方薇晓", "贺军"}));
    EXPECT_EQ(pdf::namesAfterUnit(QStringLiteral("◇ 集安市第一中学 郑鹏国")), QStringList{QStringLiteral("郑鹏国")});
    EXPECT_TRUE(pdf::namesAfterUnit(QStringLiteral("方薇晓 贺军")).isEmpty());
    EXPECT_TRUE(pdf::namesAfterUnit(QStringLiteral("集安市第一中学 地方课程")).isEmpty());
    const auto school = page({{word("集安市第一中学 郑鹏国", 60, 80, 10)}, {word("【校本课程】", 60, 100, 10)},
                              {word("基于通化山葡萄酒业的葡萄酒地理标志保护", 60, 130, 18)}});
    EXPECT_EQ(readTitled(school, {"基于通化山葡萄酒业的葡萄酒地理标志保护"}).authors, QStringList{QStringLiteral("郑鹏国")});
}

TEST(BylinePlaces, NamesAfterTheKeywordsOverTheirUnitAndABodyOverTheTitle) {
    // the byline after the abstract and the keywords, its unit in brackets under it
    const auto journal = page({{word("邯郸钢渣沥青路面抗滑性能衰减试验研究", 60, 100, 18)},
                               {word("摘要：本文以野外观测、室内试验与数值模拟相结合，分析研究对象的时空变化特征。", 60, 130, 10)},
                               {word("关键词：钢渣沥青路面；抗滑性能衰减", 60, 145, 10)},
                               {word("郑振骏，田梓宇，郝怡", 60, 165, 11)},
                               {word("（河北工程大学园林与生态工程学院，邯郸 056038）", 60, 180, 9)}});
    EXPECT_EQ(read(journal).authors, (QStringList{"郑振骏", "田梓宇", "郝怡"}));

    // a network's name over a report's title, doubted; its writers under the title, sure
    const auto report = page({{row({"Wuling", "Hills", "Soil", "Network"}, 60, 80, 12)},
                              {row({"Yield", "Gaps", "of", "Pepper", "Farms"}, 60, 120, 20)},
                              {row({"William", "Jones"}, 60, 160, 12)},
                              {row({"Hao", "Gonzalez"}, 60, 180, 12)}});
    std::vector<float> kinds;
    for (int i = 0; i < int(report.size()); ++i) {
        const float a = i == 0 ? 0.6f : i == 1 ? 0.0f : 0.9f, t = i == 1 ? 0.95f : 0.0f;
        for (int k = 0; k < pdf::kLineKinds; ++k)
            kinds.push_back(k == int(K::Author) ? a : k == int(K::Title) ? t : (1 - a - t) / (pdf::kLineKinds - 2));
    }
    EXPECT_EQ(pdf::readFirstPage(report, 842, kinds).authors, (QStringList{"William Jones", "Hao Gonzalez"}));

    // a label led to its value by full-width points
    EXPECT_EQ(pdf::withoutLabel(QStringLiteral("研究生．．．．．．马洋军")), QStringLiteral("马洋军"));
    EXPECT_EQ(pdf::labelOf(QStringLiteral("研究生．．．．．．马洋军")), pdf::LineLabel::Author);
}

TEST(BylinePlaces, CaptionsUnderTheirValuesCardsBesideTheAbstractAndTeams) {
    // a title page's values over their captions, a rule between, two to a row; under the captions the
    // next row's values, one of which the name rules could take for a name
    const auto cover = page({{word("汤阴岳飞庙与岳庙碑刻整理研究", 100, 240, 20)},
                             QList<pdf::Word>{word("郑涛雅", 142, 288, 15), word("副教授", 195, 288, 15)} + QList<pdf::Word>{word("诸葛嘉骏", 381, 287, 15)},
                             {word("——————————", 151, 297, 8), word("——————————", 364, 295, 8)},
                             {word("指导教师", 173, 308, 9), word("学位申请人", 381, 306, 9)},
                             {word("中国古代史", 153, 338, 15), word("岳庙碑刻整理", 359, 337, 15)}});
    EXPECT_EQ(readTitled(cover, {"汤阴岳飞庙与岳庙碑刻整理研究"}).authors, QStringList{QStringLiteral("诸葛嘉骏")});

    // the authors' card beside the abstract: a long run of text does not go on into it
    const auto card = page({{word("［摘要］本文依据出土材料、传世文献与田野访谈，梳理其源", 76, 170, 11.7), word("田涛", 402, 170, 14.3)}});
    EXPECT_EQ(texts(card), (QStringList{"［摘要］本文依据出土材料、传世文献与田野访谈，梳理其源", "田涛"}));
    // a chapter's numeral set large beside its title
    const auto chapter = page({QList<pdf::Word>{word("6", 107, 146, 62)} + row({"Authority", "and", "Authenticity"}, 161, 110, 26)});
    EXPECT_EQ(texts(chapter), (QStringList{"Authority and Authenticity", "6"}));
    // keywords in full-width brackets
    const auto keywords = page({{word("开元寺石刻的影像书写", 60, 100, 18)}, {word("［关键词］开元寺石刻；寺院碑铭考释", 60, 140, 10)}});
    EXPECT_EQ(read(keywords).keywords, (QStringList{"开元寺石刻", "寺院碑铭考释"}));

    // an expedition's leader and its members
    const auto team = page({{word("舒兰市鲢鳙种群结构考察", 60, 100, 20)}, {word("队 长：于蕾军", 60, 140, 12)},
                            {word("队 员：董一、史欣", 60, 160, 12)}, {word("审核：吴宇 批准：韩颖睿", 60, 180, 12)}});
    EXPECT_EQ(read(team).authors, (QStringList{"于蕾军", "董一", "史欣"}));
}

TEST(BylinePlaces, ReviewsCommentariesEditionsAndWritingGroups) {
    // a book review: the grid of the book's particulars names the book's author, not the review's
    const auto review = page({{word("说书曲目整理的新视野", 60, 100, 18)}, {word("□ 付雪立 毛昊海", 60, 130, 10)},
                              {word("书 名", 60, 160, 9)}, {word("《陕北说书史话》", 60, 175, 10)},
                              {word("著 者", 60, 195, 9)}, {word("杨亮", 60, 210, 10)}});
    EXPECT_EQ(read(review).authors, (QStringList{"付雪立", "毛昊海"}));
    // a commentary's writer after a blank, before the names
    EXPECT_EQ(pdf::withoutLabel(QStringLiteral("评析 江睿、杜秀颖")), QStringLiteral("江睿、杜秀颖"));
    EXPECT_EQ(pdf::labelOf(QStringLiteral("评析课程的设计")), pdf::LineLabel::None);
    // an edition's editors before their part, its reviewer after them none
    const auto edition = page({{word("浑源县所见恒山道乐抄本校注", 60, 100, 18)},
                               {word("董宁瑞 谢世雨 整理校注 龚凯洋 审订", 60, 130, 10)}});
    EXPECT_EQ(read(edition).authors, (QStringList{"董宁瑞", "谢世雨"}));
    // a white paper's writing group: its heading is a label, no title
    EXPECT_EQ(pdf::labelOf(QStringLiteral("编写组")), pdf::LineLabel::Author);
    EXPECT_EQ(pdf::labelOf(QStringLiteral("编写组成员")), pdf::LineLabel::Author);

    // names alone on their line a few lines from the title, after its subtitle and the column's tag
    const auto spaced = page({{word("开花调进课堂的田野考察", 60, 100, 18)}, {word("——以祁县藏本为例", 80, 125, 12)},
                              {word("【地方文化研究】", 60, 150, 10)}, {word("方安雨", 60, 175, 11)}});
    EXPECT_EQ(read(spaced).authors, QStringList{QStringLiteral("方安雨")});

    // a labelled title does not go on into the first letter of the next row's label, set out left of it
    const auto cover = page({{word("题", 244, 228, 12), word("目", 280, 228, 12), word("苍梧县茶园酸化香气成分初探", 303, 228, 12)},
                             {word("请", 256, 241, 12), word("人", 280, 241, 12), word("杨华瑞", 303, 241, 12)},
                             {word("申", 232, 241, 12)}});
    EXPECT_EQ(read(cover).title, QStringLiteral("苍梧县茶园酸化香气成分初探"));

    // a byline's second name read after a column of codes beside the title
    QList<pdf::Word> words{word("基于叶片裂纹图像识别的航空发动机叶片评价", 76, 128, 15), word("叶亮晶", 85, 190, 12),
                           word("中图分类号：TM351", 388, 119, 8), word("文献标志码：A", 388, 129, 8),
                           word("文章编号：4841-5144", 388, 140, 8), word("DOI：10.3969/j.issn", 388, 150, 8),
                           word("段辉国", 133, 190, 12)};
    EXPECT_TRUE(texts(pdf::groupLines(words)).contains(QStringLiteral("叶亮晶 段辉国"))) << texts(pdf::groupLines(words)).join(" / ").toStdString();
}

TEST(BylinePlaces, WritersTablesAndTeamsBesideACellOfFacts) {
    // a report's table of writers: the first cell, centred under its head, wider than it
    const auto table = page({{word("城固县公路隧道通风节能专题研究", 60, 100, 20)},
                             {word("序号", 60, 150, 10.5), word("姓 名", 140, 150, 10.5), word("职 称", 260, 150, 10.5)},
                             {word("1", 66, 170, 10.5), word("胡娜海（项目负责人）", 105, 170, 10.5), word("高级工程师", 250, 170, 10.5)},
                             {word("2", 66, 190, 10.5), word("严雨", 145, 190, 10.5), word("副教授", 255, 190, 10.5)}});
    EXPECT_EQ(read(table).authors, (QStringList{"胡娜海", "严雨"}));

    // the leader's label in the team's cell, its members' label five lines on, the cell of facts beside
    // it read in between
    const auto report = page({{word("锡林郭勒牧户草场流转合同履行的政策评估", 60, 100, 20)},
                              {word("项目类别：一般项目", 60, 150, 10)}, {word("课题负责人", 330, 152, 10)},
                              {word("项目编号：2014ZD172", 60, 166, 10)}, {word("夏涵芳", 330, 168, 10)},
                              {word("立项时间：2013 年 2 月", 60, 182, 10)}, {word("结项时间：2016 年 12 月", 60, 198, 10)},
                              {word("课题组成员", 330, 200, 10)}, {word("责任单位：内蒙古财经大学", 60, 214, 10)},
                              {word("何春凯", 330, 216, 10)}, {word("肖平东", 330, 232, 10)}});
    EXPECT_EQ(read(report).authors, (QStringList{"夏涵芳", "何春凯", "肖平东"}));
}

}  // namespace
