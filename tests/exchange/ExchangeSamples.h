#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

#include "db/ResultSet.h"
#include "exchange/FileImport.h"
#include "exchange/PaperCheck.h"

// Papers as the catalogue holds them, saved in each format the way a paper
// search saves them and read back the way the batch import reads them.
namespace samples {

struct Paper {
    QString title;
    QStringList authors;  // the first is the first author
    QString date;
    QStringList keywords;
    std::optional<QString> category;  // nullopt: NULL
    std::optional<QString> remark;
    QString filename;
    QString dir;
};

// A plain paper to change one value of.
Paper plain(const QString& title = QStringLiteral("A title"));

// The result of the detailed query with every output ticked, holding the papers.
db::ResultSet detailedResult(const QVector<Paper>& papers);

// The file's bytes as the paper searches save them.
QByteArray exported(const QVector<Paper>& papers, exchange::Format format);

// Saved and read back: the checked papers (what the import would write).
QVector<exchange::CheckedPaper> roundTrip(const QVector<Paper>& papers, exchange::Format format,
                                          exchange::FileRead* read = nullptr);

// The entry values a paper is written with when it is entered as it is.
exchange::CheckedPaper asEntered(const Paper& paper);

// What differs between two checked papers' entry values ("" when nothing).
QString difference(const exchange::CheckedPaper& expected, const exchange::CheckedPaper& got);

// A value with every character visible (code points outside ASCII as \u{...}).
std::string visible(const QString& text);

}  // namespace samples
