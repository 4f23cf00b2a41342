#pragma once

#include <gtest/gtest.h>

#include <QHash>
#include <QStringList>

#include "db/OdbcQuery.h"
#include "fulltext/IndexWriter.h"

// A catalogue with the index tables (made by the upgrade script, as an
// existing database gets them) and helpers to add papers and index text.
class FulltextDb : public ::testing::Test {
protected:
    void SetUp() override;

    // A paper in all five tables; its file is dir/name.pdf.
    static void addPaper(const QString& title, const QString& dir = QStringLiteral("/nowhere"),
                         const QString& filename = QString());
    static QString keyOf(const QString& title);
    static fulltext::ExtractedFile file(const QString& title, const QStringList& pages,
                                        const QString& dir = QStringLiteral("/nowhere"));
    // Paper key of every indexed document.
    static QHash<quint64, QString> documents();
    // Keys of the papers found, sorted.
    QStringList found(const QString& text);

    db::OdbcQuery q;
};
