#pragma once

#include <vector>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include "db/ResultSet.h"

namespace exchange {

// A result as CSV: the column titles, then every row; cells guarded
// (csvGuard), quoted when they hold a comma, a quote, a tab or a line break; CRLF line ends; UTF-8 with a
// BOM so that spreadsheets show Chinese right. NULL is an empty field.
// `order` lists the result's rows in the order the grid shows them (empty:
// the server's order).
using RowOrder = std::vector<int>;

// A cell that a spreadsheet would run as a formula (it starts with "=",
// "+", "-", "@", a tab or a carriage return, after any "'") is saved with
// one more "'" in front, as spreadsheets write a text that looks like a
// formula; csvUnguard takes that one "'" off again when a file is read.
QString csvGuard(const QString& value);
QString csvUnguard(const QString& value);

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

// BibTeX (writeBibtex): one @category{key, ...} per paper, @misc with a
// category field when the category is no entry type of BibTeX (empty,
// "comment", "string", "preamble", not lower-case letters), the publication
// time as date = {...} with year and month beside it, the file as its folder
// and name joined; keys differ even without regard to case.
QString toBibtex(const QVector<PaperRow>& papers);
// RIS: TY, ID, TI, one AU line per author, PY/DA, one KW line per keyword,
// M3 the category, N1 the remark, L1 the file, ER; values as they are. A
// paper with a value RIS cannot hold as it is (a line break, a file name
// with a slash or backslash, a date with a slash) is marked with the line
// "U5  - paper-catalogue: escaped values", and its values are written with a
// backslash doubled, line breaks as backslash-n and backslash-r, and a slash
// of the file name as backslash-slash.
QString toRis(const QVector<PaperRow>& papers);

}  // namespace exchange
