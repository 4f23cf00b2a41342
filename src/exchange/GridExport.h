#pragma once

#include <vector>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include "db/ResultSet.h"

namespace exchange {

// A result as CSV: the column titles, then every row; fields quoted when
// they hold a comma, a quote or a line break; CRLF line ends; UTF-8 with a
// BOM so that spreadsheets show Chinese right. NULL is an empty field.
// `order` lists the result's rows in the order the grid shows them (empty:
// the server's order).
using RowOrder = std::vector<int>;
QByteArray csvBytes(const db::ResultSet& result, const RowOrder& order = {});

// A paper as a search result shows it, taken by the grid's column titles
// ("论文题目", "论文一作" ... "论文五作", "发表时间", "关键词1" ... "关键词10",
// "论文分类", "备注", "论文文件名", "保存文件夹").
struct PaperRow {
    QString title;
    QStringList authors;
    QString date;
    QStringList keywords;
    QString category;
    QString remark;
    QString filename;
    QString dir;
    bool hasCategory = false;  // a category column is there (NULL stays NULL)
};

// True when the result has a title, a first author and a publication time.
bool hasPaperColumns(const db::ResultSet& result);
QVector<PaperRow> paperRows(const db::ResultSet& result, const RowOrder& order = {});

// BibTeX: one @category{key, ...} per paper (@misc with category = {} when
// the category is empty), LaTeX's special characters escaped, each author in
// braces unless written "Last, First", the publication time as date = {...}
// with year and month beside it, the file as its folder and name joined.
QString toBibtex(const QVector<PaperRow>& papers);
// RIS: TY, ID, TI, one AU line per author, PY/DA, one KW line per keyword,
// M3 the category, N1 the remark, L1 the file, ER.
QString toRis(const QVector<PaperRow>& papers);

}  // namespace exchange
