#include <gtest/gtest.h>

#include "duplicates/Identifiers.h"
#include "duplicates/PersonName.h"
#include "duplicates/TitleText.h"

namespace {

using namespace duplicates;

TEST(TitleFolding, CapitalsPunctuationWidthAndLatexFoldAlike) {
    const QString plain = foldText(QStringLiteral("Deep Learning for Graphs"));
    EXPECT_EQ(plain, QStringLiteral("deep learning for graphs"));
    EXPECT_EQ(foldText(QStringLiteral("DEEP  learning, for graphs.")), plain);
    EXPECT_EQ(foldText(QStringLiteral("Ｄｅｅｐ　Ｌｅａｒｎｉｎｇ　ｆｏｒ　Ｇｒａｐｈｓ")), plain);
    EXPECT_EQ(foldText(QStringLiteral("{D}eep \\emph{Learning} for {G}raphs")), plain);
    EXPECT_EQ(foldText(QStringLiteral("Sch\\\"{o}nhage and Stra\\ss{}en")), QStringLiteral("schonhage and strassen"));
    EXPECT_EQ(foldText(QStringLiteral("Schönhage")), QStringLiteral("schonhage"));
    EXPECT_EQ(foldText(QStringLiteral("The \\TeX{}book")), QStringLiteral("the tex book"));
    // Chinese punctuation, full-width or not, is a blank; the characters stay
    EXPECT_EQ(compact(foldText(QStringLiteral("基于深度学习的图像分割：综述"))),
              compact(foldText(QStringLiteral("基于深度学习的图像分割:综述"))));
    // Letters of other scripts fold by their own rules; Han characters, also
    // those beyond the first plane, stay as they are
    EXPECT_EQ(foldText(QStringLiteral("ÉCOLE ΣΟΦΙΑ Ǆ 中文𠀀X 2024")), QStringLiteral("ecole σοφια dz 中文𠀀x 2024"));
}

TEST(TitleFolding, SubtitleVersionMarkAndLeadingArticleLeaveTheMainTitle) {
    EXPECT_EQ(titleForms(QStringLiteral("Attention is all you need: a study")).main,
              QStringLiteral("attention is all you need"));
    EXPECT_TRUE(titleForms(QStringLiteral("Attention is all you need: a study")).subtitle);
    EXPECT_EQ(titleForms(QStringLiteral("Attention is all you need (v2)")).full,
              QStringLiteral("attention is all you need"));
    EXPECT_EQ(titleForms(QStringLiteral("The art of computer programming")).main,
              QStringLiteral("art of computer programming"));
    EXPECT_EQ(titleForms(QStringLiteral("基于深度学习的图像分割——方法与应用")).mainKey,
              QStringLiteral("基于深度学习的图像分割"));
    EXPECT_EQ(titleForms(QStringLiteral("图像分割方法研究（修订版）")).fullKey, QStringLiteral("图像分割方法研究"));
    // a one-word head is no title: the subtitle stays
    EXPECT_FALSE(titleForms(QStringLiteral("Ulysses: a novel")).subtitle);
}

TEST(TitleFolding, FiguresAndMarkersTellPartsAndErrataApart) {
    EXPECT_EQ(titleForms(QStringLiteral("Sorting networks, Part II")).numbers, QStringList{"2"});
    EXPECT_EQ(titleForms(QStringLiteral("Sorting networks, part 2")).numbers, QStringList{"2"});
    EXPECT_EQ(titleForms(QStringLiteral("量子力学讲义 第十二章")).numbers, QStringList{"12"});
    EXPECT_EQ(titleForms(QStringLiteral("中国古代数学史（上）")).numbers, QStringList{"上"});
    EXPECT_TRUE(titleForms(QStringLiteral("Attention is all you need v3")).numbers.isEmpty());
    EXPECT_EQ(titleForms(QStringLiteral("Erratum: Fast sorting")).marker, QStringLiteral("erratum"));
    EXPECT_EQ(titleForms(QStringLiteral("Corrigendum to \"Fast sorting\"")).marker, QStringLiteral("erratum"));
    EXPECT_EQ(titleForms(QStringLiteral("关于《快速排序》一文的勘误")).marker, QStringLiteral("erratum"));
    EXPECT_TRUE(titleForms(QStringLiteral("Fast sorting")).marker.isEmpty());
}

TEST(AuthorKeys, LatinNamesInEitherOrderChineseNamesWhole) {
    EXPECT_TRUE(sameAuthor(nameKeys(QStringLiteral("Zhang, San")), nameKeys(QStringLiteral("San Zhang"))));
    EXPECT_TRUE(sameAuthor(nameKeys(QStringLiteral("Zhang San")), nameKeys(QStringLiteral("San Zhang"))));
    EXPECT_TRUE(sameAuthor(nameKeys(QStringLiteral("Knuth, Donald E.")), nameKeys(QStringLiteral("D. E. Knuth"))));
    EXPECT_TRUE(sameAuthor(nameKeys(QStringLiteral("van der Berg, Jan")), nameKeys(QStringLiteral("Jan van der Berg"))));
    EXPECT_TRUE(sameAuthor(nameKeys(QStringLiteral("Müller, Hans")), nameKeys(QStringLiteral("H. Muller"))));
    EXPECT_TRUE(sameAuthor(nameKeys(QStringLiteral("Smith, Jr., John")), nameKeys(QStringLiteral("John Smith Jr."))));
    EXPECT_FALSE(sameAuthor(nameKeys(QStringLiteral("Zhang, Wei")), nameKeys(QStringLiteral("Zhang, San"))));
    EXPECT_FALSE(sameAuthor(nameKeys(QStringLiteral("Smith, John")), nameKeys(QStringLiteral("Jones, John"))));
    EXPECT_TRUE(sameAuthor(nameKeys(QStringLiteral("张三")), nameKeys(QStringLiteral("张 三"))));
    EXPECT_FALSE(sameAuthor(nameKeys(QStringLiteral("张三")), nameKeys(QStringLiteral("张伟"))));
    EXPECT_FALSE(sameAuthor(nameKeys(QString()), nameKeys(QString())));
}

TEST(PaperIdentifiers, DoiAndArxivFromARemark) {
    Identifiers ids = identifiers(QStringLiteral("见 https://doi.org/10.1145/3065386. 另有 arXiv:1706.03762v5"));
    EXPECT_EQ(ids.doi, QStringLiteral("10.1145/3065386"));
    EXPECT_EQ(ids.arxiv, QStringLiteral("1706.03762"));
    EXPECT_EQ(identifiers(QStringLiteral("doi:10.1000/ABC-1；备注")).doi, QStringLiteral("10.1000/abc-1"));
    EXPECT_EQ(identifiers(QStringLiteral("https://arxiv.org/abs/hep-th/9711200")).arxiv, QStringLiteral("hep-th/9711200"));
    ids = identifiers(QStringLiteral("10.48550/arXiv.2101.00001"));
    EXPECT_TRUE(ids.doi.isEmpty());
    EXPECT_EQ(ids.arxiv, QStringLiteral("2101.00001"));
    EXPECT_TRUE(identifiers(QStringLiteral("第10.5页")).empty());
}

}  // namespace
