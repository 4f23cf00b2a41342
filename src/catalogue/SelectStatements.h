#pragma once

#include <QString>
#include <array>

#include "db/Query.h"

// The two paper searches: the quick search by title, first author and
// publication time, and the detailed query over all five paper tables. The
// statements are built from texts and flags only; the handler flows run them
// on a query object and say which message, if any, the window shows.
namespace catalogue::search {

// What a search handler tells its window to show: nothing when rows came
// back, else a message box with this caption and text.
struct Outcome {
    bool found = false;
    QString caption;
    QString text;
};

// ---- quick search ----

// "select title '论文题目',... from main m,address a where ... order by m.Paperid"
// with the like patterns of the three texts.
QString quickStatement(const QString& title, const QString& firstAuthor, const QString& pubTime);

// Runs the quick search on the query object (its result stays open for the
// grid); "未找到"/"未找到对应地址" when no paper matches.
Outcome runQuick(db::Query& query, const QString& connection, const QString& title,
                 const QString& firstAuthor, const QString& pubTime);

// ---- detailed query ----

// The eleven groups of output columns, in the order they appear in a result.
enum Output {
    OutTitle,        // CheckBox1  论文题目
    OutFirstAuthor,  // CheckBox2  论文一作
    OutPubTime,      // CheckBox3  发表时间
    OutFileName,     // CheckBox4  论文文件名
    OutDir,          // CheckBox5  保存文件夹
    OutCatalog,      // CheckBox6  论文分类
    OutAllAuthors,   // CheckBox7  所有作者 (five columns)
    OutAllKeywords,  // CheckBox8  所有关键词 (ten columns)
    OutTypist,       // CheckBox10 录入者
    OutTypeTime,     // CheckBox11 录入时间
    OutRemark,       // CheckBox12 备注
    kOutputCount
};

// The nine criteria, in the order their patterns enter the statement.
enum Criterion {
    ByTitle,
    ByFirstAuthor,
    ByPubTime,
    ByKeyword,
    ByCatalog,
    ByFileName,
    ByDir,
    ByTypist,
    ByTypeTime,
    kCriterionCount
};

using Outputs = std::array<bool, kOutputCount>;
using Ticks = std::array<bool, kCriterionCount>;
using Texts = std::array<QString, kCriterionCount>;

// The output boxes as a new window has them: title, first author and
// publication time ticked.
Outputs defaultOutputs();

// A criterion is in use when its box is ticked and its text has at least one
// character (blanks count).
bool inUse(bool ticked, const QString& text);

// The select statement of the detailed query. Criteria out of use compare with
// "%" alone; keywords and category out of use also let NULL columns through.
QString detailedStatement(const Outputs& outputs, const Ticks& ticks, const Texts& texts);

// Runs the detailed query (its result stays open for the grid);
// "查询失败"/"未查询到/未知查询错误" when no paper matches.
Outcome runDetailed(db::Query& query, const QString& connection, const Outputs& outputs,
                    const Ticks& ticks, const Texts& texts);

}  // namespace catalogue::search
