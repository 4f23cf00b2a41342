#include "Corpus.h"

#include <QRegularExpression>
#include <cmath>

namespace corpus {
namespace {

const QStringList kChinese = {QStringLiteral("的"),QStringLiteral("了"),QStringLiteral("在"),QStringLiteral("是"),QStringLiteral("和"),QStringLiteral("与"),QStringLiteral("及"),QStringLiteral("对"),QStringLiteral("中"),QStringLiteral("为"),QStringLiteral("本文"),QStringLiteral("研究"),QStringLiteral("方法"),QStringLiteral("模型"),QStringLiteral("数据"),QStringLiteral("分析"),QStringLiteral("系统"),QStringLiteral("基于"),QStringLiteral("结果"),QStringLiteral("提出"),QStringLiteral("实验"),QStringLiteral("问题"),QStringLiteral("网络"),QStringLiteral("学习"),QStringLiteral("深度"),QStringLiteral("算法"),QStringLiteral("性能"),QStringLiteral("特征"),QStringLiteral("训练"),QStringLiteral("图像"),QStringLiteral("识别"),QStringLiteral("分类"),QStringLiteral("检测"),QStringLiteral("优化"),QStringLiteral("设计"),QStringLiteral("实现"),QStringLiteral("提高"),QStringLiteral("有效"),QStringLiteral("表明"),QStringLiteral("通过"),QStringLiteral("进行"),QStringLiteral("利用"),QStringLiteral("采用"),QStringLiteral("影响"),QStringLiteral("因素"),QStringLiteral("发展"),QStringLiteral("技术"),QStringLiteral("应用"),QStringLiteral("理论"),QStringLiteral("过程"),QStringLiteral("环境"),QStringLiteral("控制"),QStringLiteral("信息"),QStringLiteral("结构"),QStringLiteral("参数"),QStringLiteral("计算"),QStringLiteral("误差"),QStringLiteral("精度"),QStringLiteral("速度"),QStringLiteral("数量"),QStringLiteral("质量"),QStringLiteral("评价"),QStringLiteral("指标"),QStringLiteral("样本"),QStringLiteral("测试"),QStringLiteral("验证"),QStringLiteral("比较"),QStringLiteral("传统"),QStringLiteral("现有"),QStringLiteral("改进"),QStringLiteral("融合"),QStringLiteral("注意力"),QStringLiteral("机制"),QStringLiteral("卷积"),QStringLiteral("神经"),QStringLiteral("循环"),QStringLiteral("语义"),QStringLiteral("文本"),QStringLiteral("语言"),QStringLiteral("中文"),QStringLiteral("分词"),QStringLiteral("检索"),QStringLiteral("索引"),QStringLiteral("全文"),QStringLiteral("查询"),QStringLiteral("排序"),QStringLiteral("相关"),QStringLiteral("文献"),QStringLiteral("论文"),QStringLiteral("作者"),QStringLiteral("期刊"),QStringLiteral("会议"),QStringLiteral("引用"),QStringLiteral("关键词"),QStringLiteral("摘要"),QStringLiteral("标题"),QStringLiteral("领域"),QStringLiteral("科学"),QStringLiteral("工程"),QStringLiteral("材料"),QStringLiteral("化学"),QStringLiteral("生物"),QStringLiteral("医学"),QStringLiteral("临床"),QStringLiteral("患者"),QStringLiteral("治疗"),QStringLiteral("蛋白"),QStringLiteral("基因"),QStringLiteral("细胞"),QStringLiteral("分子"),QStringLiteral("能量"),QStringLiteral("温度"),QStringLiteral("压力"),QStringLiteral("流体"),QStringLiteral("土壤"),QStringLiteral("水资源"),QStringLiteral("气候"),QStringLiteral("变化"),QStringLiteral("城市"),QStringLiteral("交通"),QStringLiteral("经济"),QStringLiteral("政策"),QStringLiteral("企业"),QStringLiteral("管理"),QStringLiteral("教育"),QStringLiteral("学生"),QStringLiteral("教师"),QStringLiteral("课程"),QStringLiteral("社会"),QStringLiteral("文化"),QStringLiteral("历史"),QStringLiteral("空间"),QStringLiteral("时间"),QStringLiteral("区域"),QStringLiteral("分布"),QStringLiteral("模拟"),QStringLiteral("预测"),QStringLiteral("估计"),QStringLiteral("统计"),QStringLiteral("概率"),QStringLiteral("随机"),QStringLiteral("线性"),QStringLiteral("非线性"),QStringLiteral("矩阵"),QStringLiteral("向量"),QStringLiteral("函数"),QStringLiteral("方程"),QStringLiteral("求解"),QStringLiteral("收敛"),QStringLiteral("稳定"),QStringLiteral("鲁棒"),QStringLiteral("噪声"),QStringLiteral("信号"),QStringLiteral("频率"),QStringLiteral("传感器"),QStringLiteral("机器人"),QStringLiteral("路径"),QStringLiteral("规划"),QStringLiteral("调度"),QStringLiteral("资源"),QStringLiteral("分配"),QStringLiteral("安全"),QStringLiteral("隐私"),QStringLiteral("加密"),QStringLiteral("攻击"),QStringLiteral("防御"),QStringLiteral("协议"),QStringLiteral("通信"),QStringLiteral("无线"),QStringLiteral("节点"),QStringLiteral("集群"),QStringLiteral("并行"),QStringLiteral("分布式"),QStringLiteral("存储"),QStringLiteral("数据库"),QStringLiteral("事务"),QStringLiteral("一致性"),QStringLiteral("复制"),QStringLiteral("延迟"),QStringLiteral("吞吐量"),QStringLiteral("高效"),QStringLiteral("显著"),QStringLiteral("明显"),QStringLiteral("主要"),QStringLiteral("重要"),QStringLiteral("新的"),QStringLiteral("不同"),QStringLiteral("多个"),QStringLiteral("一种"),QStringLiteral("我们"),QStringLiteral("其中"),QStringLiteral("同时"),QStringLiteral("因此"),QStringLiteral("但是"),QStringLiteral("然而"),QStringLiteral("如果"),QStringLiteral("所以"),QStringLiteral("可以"),QStringLiteral("能够"),QStringLiteral("需要"),QStringLiteral("已经"),QStringLiteral("具有"),QStringLiteral("存在"),QStringLiteral("包括"),QStringLiteral("由于"),QStringLiteral("随着"),QStringLiteral("根据"),QStringLiteral("关于"),QStringLiteral("之间"),QStringLiteral("以及"),QStringLiteral("或者"),QStringLiteral("并且"),QStringLiteral("龘"),QStringLiteral("鬱"),QStringLiteral("彧")};
const QStringList kEnglish = {QStringLiteral("the"),QStringLiteral("of"),QStringLiteral("and"),QStringLiteral("to"),QStringLiteral("in"),QStringLiteral("a"),QStringLiteral("is"),QStringLiteral("that"),QStringLiteral("for"),QStringLiteral("on"),QStringLiteral("with"),QStringLiteral("as"),QStringLiteral("by"),QStringLiteral("we"),QStringLiteral("are"),QStringLiteral("this"),QStringLiteral("be"),QStringLiteral("from"),QStringLiteral("an"),QStringLiteral("which"),QStringLiteral("our"),QStringLiteral("at"),QStringLiteral("these"),QStringLiteral("it"),QStringLiteral("can"),QStringLiteral("or"),QStringLiteral("model"),QStringLiteral("data"),QStringLiteral("method"),QStringLiteral("results"),QStringLiteral("using"),QStringLiteral("based"),QStringLiteral("network"),QStringLiteral("learning"),QStringLiteral("paper"),QStringLiteral("system"),QStringLiteral("performance"),QStringLiteral("proposed"),QStringLiteral("approach"),QStringLiteral("two"),QStringLiteral("set"),QStringLiteral("time"),QStringLiteral("used"),QStringLiteral("show"),QStringLiteral("also"),QStringLiteral("training"),QStringLiteral("each"),QStringLiteral("more"),QStringLiteral("than"),QStringLiteral("between"),QStringLiteral("such"),QStringLiteral("their"),QStringLiteral("has"),QStringLiteral("have"),QStringLiteral("not"),QStringLiteral("been"),QStringLiteral("new"),QStringLiteral("its"),QStringLiteral("deep"),QStringLiteral("neural"),QStringLiteral("analysis"),QStringLiteral("information"),QStringLiteral("problem"),QStringLiteral("algorithm"),QStringLiteral("different"),QStringLiteral("number"),QStringLiteral("one"),QStringLiteral("both"),QStringLiteral("where"),QStringLiteral("other"),QStringLiteral("into"),QStringLiteral("study"),QStringLiteral("large"),QStringLiteral("high"),QStringLiteral("however"),QStringLiteral("only"),QStringLiteral("then"),QStringLiteral("use"),QStringLiteral("features"),QStringLiteral("first"),QStringLiteral("well"),QStringLiteral("task"),QStringLiteral("tasks"),QStringLiteral("image"),QStringLiteral("images"),QStringLiteral("text"),QStringLiteral("language"),QStringLiteral("retrieval"),QStringLiteral("index"),QStringLiteral("search"),QStringLiteral("query"),QStringLiteral("ranking"),QStringLiteral("documents"),QStringLiteral("document"),QStringLiteral("corpus"),QStringLiteral("words"),QStringLiteral("word"),QStringLiteral("phrase"),QStringLiteral("chinese"),QStringLiteral("english"),QStringLiteral("evaluation"),QStringLiteral("experiments"),QStringLiteral("experiment"),QStringLiteral("accuracy"),QStringLiteral("precision"),QStringLiteral("recall"),QStringLiteral("baseline"),QStringLiteral("state"),QStringLiteral("art"),QStringLiteral("attention"),QStringLiteral("transformer"),QStringLiteral("convolutional"),QStringLiteral("recurrent"),QStringLiteral("layer"),QStringLiteral("layers"),QStringLiteral("representation"),QStringLiteral("representations"),QStringLiteral("embedding"),QStringLiteral("embeddings"),QStringLiteral("semantic"),QStringLiteral("structure"),QStringLiteral("graph"),QStringLiteral("node"),QStringLiteral("nodes"),QStringLiteral("edge"),QStringLiteral("edges"),QStringLiteral("cluster"),QStringLiteral("replication"),QStringLiteral("consistency"),QStringLiteral("latency"),QStringLiteral("throughput"),QStringLiteral("storage"),QStringLiteral("database"),QStringLiteral("transaction"),QStringLiteral("protein"),QStringLiteral("gene"),QStringLiteral("cell"),QStringLiteral("clinical"),QStringLiteral("patients"),QStringLiteral("treatment"),QStringLiteral("temperature"),QStringLiteral("pressure"),QStringLiteral("energy"),QStringLiteral("climate"),QStringLiteral("urban"),QStringLiteral("traffic"),QStringLiteral("policy"),QStringLiteral("economic"),QStringLiteral("education"),QStringLiteral("students"),QStringLiteral("learning-based"),QStringLiteral("fine-tuning"),QStringLiteral("pre-trained"),QStringLiteral("résumé"),QStringLiteral("naïve"),QStringLiteral("café"),QStringLiteral("Zürich")};

// A rank from 0 to size-1 with probability falling as 1/rank.
int zipf(std::mt19937& r, int size) {
    std::uniform_real_distribution<double> u(0.0, 1.0);
    return std::min(size - 1, int(std::exp(u(r) * std::log(double(size) + 1.0))) - 1);
}

// The rarer words: made up from their rank, the same rank always the same word.
QString madeUpWord(int rank, bool chinese) {
    std::mt19937 r(unsigned(rank) * 2654435761u + (chinese ? 17u : 0u));
    QString w;
    if (chinese) {
        const int n = 2 + int(r() % 2);
        for (int i = 0; i < n; ++i) w += QChar(char16_t(0x4E00 + zipf(r, 6000)));
        return w;
    }
    static const char* consonants = "bcdfghklmnprstvz";
    static const char* vowels = "aeiou";
    const int n = 2 + int(r() % 3);
    for (int i = 0; i < n; ++i) {
        w += QLatin1Char(consonants[r() % 16]);
        w += QLatin1Char(vowels[r() % 5]);
    }
    return w;
}

}  // namespace

QString Generator::word(const QStringList& vocabulary) {
    const bool chinese = &vocabulary == &kChinese;
    if (random_() % 10 < 7) return vocabulary[zipf(random_, int(vocabulary.size()))];
    return madeUpWord(zipf(random_, 50000), chinese);
}

QString Generator::page(int chars, double chinese) {
    QString out;
    std::uniform_real_distribution<double> u(0.0, 1.0);
    int line = 0;
    while (out.size() < chars) {
        const bool zh = u(random_) < chinese;
        const int words = 6 + int(random_() % 16);
        for (int i = 0; i < words; ++i) {
            QString w;
            if (zh && u(random_) < 0.05) {
                w = word(kEnglish).toUpper();
                w = random_() % 2 ? QLatin1Char(' ') + w + QLatin1Char(' ') : w;
            } else {
                w = word(zh ? kChinese : kEnglish);
                if (!zh && i == 0) w[0] = w[0].toUpper();
                if (!zh && i > 0) w.prepend(random_() % 25 == 0 ? QStringLiteral(", ") : QStringLiteral(" "));
            }
            out += w;
            line += int(w.size());
            if (line > (zh ? 38 : 75)) {
                out += QLatin1Char('\n');
                line = 0;
            }
        }
        out += zh ? (random_() % 3 ? QStringLiteral("，") : QStringLiteral("。")) : QStringLiteral(". ");
    }
    return out;
}

QStringList Generator::paper(int pages, int charsPerPage, double chinese) {
    QStringList out;
    for (int p = 0; p < pages; ++p) out.append(page(charsPerPage, chinese));
    return out;
}

QString scanForm(const QString& text) {
    static const QRegularExpression unit(
        QStringLiteral("(?=[\\p{L}\\p{N}])[\\p{Han}\\p{Hiragana}\\p{Katakana}\\p{Hangul}]|"
                       "(?:(?![\\p{Han}\\p{Hiragana}\\p{Katakana}\\p{Hangul}])[\\p{L}\\p{M}\\p{N}])+"),
        QRegularExpression::UseUnicodePropertiesOption);
    QString out(QChar(0x1F));
    for (auto it = unit.globalMatch(text); it.hasNext();)
        out += it.next().captured().normalized(QString::NormalizationForm_C).toCaseFolded() + QChar(0x1F);
    return out;
}

bool scanHolds(const QString& textScanForm, const QString& query) {
    const QString q = scanForm(query);
    return q.size() > 1 && textScanForm.contains(q);
}

}  // namespace corpus
