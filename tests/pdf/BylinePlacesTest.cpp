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

}  // namespace
