#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/fsuid.h>

#include "db/DbError.h"
#include "shell/ProfileFile.h"

using namespace shell;

namespace {

QString read(const QByteArray& bytes, const QString& key, const QString& def = QStringLiteral("D")) {
    return profile::readFrom(bytes, QStringLiteral("database_info"), key, def);
}

TEST(ProfileFile, NamesMatchInAnyLetterCaseAndBlanksAndQuotesAreDropped) {
    QByteArray ini =
        "; comment\r\n[Database_Info]\r\n  Provider =  MSDASQL.1  \r\nData Source=\"paper db\"\r\n";
    EXPECT_EQ(read(ini, QStringLiteral("provider")), QStringLiteral("MSDASQL.1"));
    EXPECT_EQ(read(ini, QStringLiteral("data source")), QStringLiteral("paper db"));
    EXPECT_EQ(read("[database_info]\nx='  a  '\n", QStringLiteral("X")), QStringLiteral("  a  "));
    // only one pair of matching quotes is taken away
    EXPECT_EQ(read("[database_info]\nx=\"'a'\"\n", QStringLiteral("x")), QStringLiteral("'a'"));
    EXPECT_EQ(read("[database_info]\nx=\"a'\n", QStringLiteral("x")), QStringLiteral("\"a'"));
}

TEST(ProfileFile, MissingFileSectionOrKeyGivesTheDefaultButAnEmptyValueStaysEmpty) {
    EXPECT_EQ(read("", QStringLiteral("provider")), QStringLiteral("D"));
    EXPECT_EQ(read("[other]\nprovider=x\n", QStringLiteral("provider")), QStringLiteral("D"));
    EXPECT_EQ(read("[database_info]\nprovider=x\n", QStringLiteral("data source")), QStringLiteral("D"));
    EXPECT_EQ(read("[database_info]\ndata source=\n", QStringLiteral("data source")), QString());
    EXPECT_EQ(profile::read(QStringLiteral("/nonexistent/x.ini"), QStringLiteral("a"),
                            QStringLiteral("b"), QStringLiteral("no_source")),
              QStringLiteral("no_source"));
    // a key of a later section with the same name does not count
    EXPECT_EQ(read("[a]\n[database_info]\n[b]\nprovider=x\n", QStringLiteral("provider")),
              QStringLiteral("D"));
}

TEST(ProfileFile, ValuesAreCutAt2047Characters) {
    QByteArray ini = "[database_info]\nprovider=" + QByteArray(3000, 'p') + "\n";
    EXPECT_EQ(read(ini, QStringLiteral("provider")).size(), 2047);
    QByteArray chinese = "[database_info]\nprovider=" + QString(2100, QChar(0x8BBA)).toUtf8() + "\n";
    EXPECT_EQ(read(chinese, QStringLiteral("provider")), QString(2047, QChar(0x8BBA)));
}

TEST(ProfileFile, GbkFilesAreReadAsGbk) {
    // "数据源" in GBK
    QByteArray gbk = "[database_info]\ndata source=\xCA\xFD\xBE\xDD\xD4\xB4\n";
    EXPECT_EQ(read(gbk, QStringLiteral("data source")), QStringLiteral("数据源"));
    EXPECT_EQ(read("[database_info]\ndata source=数据源\n", QStringLiteral("data source")),
              QStringLiteral("数据源"));
}

TEST(ProfileFile, AGbkFileThatIsAlsoValidUtf8IsGbkAndABadByteIsAnError) {
    // "迅" is D1 B8 in GBK, which is also the UTF-8 of "Ѹ"
    EXPECT_EQ(read("[database_info]\ndata source=\xD1\xB8\n", QStringLiteral("data source")), QStringLiteral("迅"));
    EXPECT_EQ(read("[database_info]\ndata source=\xCA\xFD\xD1\xB8\n", QStringLiteral("data source")),
              QStringLiteral("数迅"));
    // UTF-8: Chinese text (three bytes a character), or a byte order mark
    EXPECT_EQ(read("[database_info]\ndata source=数据迅\n", QStringLiteral("data source")), QStringLiteral("数据迅"));
    EXPECT_EQ(read("\xEF\xBB\xBF[database_info]\ndata source=\xD1\xB8\n", QStringLiteral("data source")),
              QStringLiteral("Ѹ"));
    // a byte that is no GBK is not skipped without a word
    EXPECT_THROW(read("[database_info]\ndata source=a\xFFz\n", QStringLiteral("data source")), db::DbError);
    EXPECT_EQ(read("[database_info]\ndata source=a\nx=\xFF\n", QStringLiteral("data source")), QStringLiteral("a"));
    // the 2047 cut keeps a character outside the BMP whole or leaves it out
    QByteArray emoji = "[database_info]\nprovider=" + (QString(2046, QLatin1Char('p')) + QStringLiteral("😀")).toUtf8();
    EXPECT_EQ(read(emoji, QStringLiteral("provider")), QString(2046, QLatin1Char('p')));
}

TEST(ProfileFile, WhatIsWrittenReadsBackInTheSameCodePage) {
    const auto roundTrip = [](const QByteArray& file, const QString& value) {
        return read(profile::writeTo(file, QStringLiteral("database_info"), QStringLiteral("data source"), value),
                    QStringLiteral("data source"));
    };
    EXPECT_EQ(roundTrip("", QStringLiteral("迅")), QStringLiteral("迅"));
    EXPECT_EQ(roundTrip("[database_info]\ndata source=数据\n", QStringLiteral("Ѹ")), QStringLiteral("Ѹ"));
    EXPECT_EQ(roundTrip("[database_info]\nprovider=\xCA\xFD\n", QStringLiteral("迅")), QStringLiteral("迅"));
    EXPECT_EQ(roundTrip("[database_info]\n", QStringLiteral("😀")), QStringLiteral("😀"));
}

TEST(ProfileFile, AFolderThatTakesNoNewFileLeavesTheFileAsItWas) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.ini"));
    const QByteArray before = "[database_info]\ndata source=old\n";
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(before);
    f.close();
    f.setPermissions(QFileDevice::Permissions(0x6666));  // anyone may write the file...
    QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7755));  // ...but not add one beside it
    // as an ordinary user for file access (this thread only), so that root's
    // rights do not open the folder
    const int root = setfsuid(65534);
    EXPECT_THROW(profile::write(path, QStringLiteral("database_info"), QStringLiteral("data source"),
                                QStringLiteral("new")),
                 db::DbError);
    setfsuid(root);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);  // no write in place that a full disk could cut
}

TEST(ProfileFile, WritingOneKeyKeepsEveryOtherLineByteForByte) {
    QByteArray ini = "; keep me\r\n[Database_Info]\r\nprovider = MSDASQL.1 \r\nDATA SOURCE=old\r\nx=1\r\n"
                     "\r\n[other]\r\ndata source=other\r\n";
    QByteArray out = profile::writeTo(ini, QStringLiteral("database_info"),
                                      QStringLiteral("data source"), QStringLiteral("new"));
    EXPECT_EQ(out, QByteArray("; keep me\r\n[Database_Info]\r\nprovider = MSDASQL.1 \r\ndata source=new\r\nx=1\r\n"
                              "\r\n[other]\r\ndata source=other\r\n"));
}

TEST(ProfileFile, WritingCreatesTheKeySectionOrFileAsNeeded) {
    EXPECT_EQ(profile::writeTo("[database_info]\nprovider=p\n\n[z]\n", QStringLiteral("database_info"),
                               QStringLiteral("data source"), QStringLiteral("d")),
              QByteArray("[database_info]\nprovider=p\ndata source=d\n\n[z]\n"));
    EXPECT_EQ(profile::writeTo("[z]\na=1", QStringLiteral("database_info"), QStringLiteral("data source"),
                               QStringLiteral("d")),
              QByteArray("[z]\na=1\n[database_info]\ndata source=d\n"));
    EXPECT_EQ(profile::writeTo("", QStringLiteral("database_info"), QStringLiteral("data source"),
                               QStringLiteral("")),
              QByteArray("[database_info]\ndata source=\n"));

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("s.ini"));
    profile::write(path, QStringLiteral("database_info"), QStringLiteral("data source"),
                   QStringLiteral("  新源  "));
    // blanks around the value go at the next read
    EXPECT_EQ(profile::read(path, QStringLiteral("database_info"), QStringLiteral("data source"), {}),
              QStringLiteral("新源"));
}

TEST(ProfileFile, AGbkFileStaysGbkWhenAKeyIsWritten) {
    QByteArray gbk = "[database_info]\nprovider=\xCA\xFD\n";
    QByteArray out = profile::writeTo(gbk, QStringLiteral("database_info"),
                                      QStringLiteral("data source"), QStringLiteral("数据源"));
    EXPECT_EQ(out, QByteArray("[database_info]\nprovider=\xCA\xFD\ndata source=\xCA\xFD\xBE\xDD\xD4\xB4\n"));
}

TEST(ProfileFile, AFileThatCannotBeWrittenIsAnError) {
    QTemporaryDir dir;
    // a folder where the file should be
    QDir(dir.path()).mkdir(QStringLiteral("s.ini"));
    QString path = dir.filePath(QStringLiteral("s.ini"));
    try {
        profile::write(path, QStringLiteral("database_info"), QStringLiteral("data source"),
                       QStringLiteral("x"));
        FAIL();
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Unable to write to ") + path);
    }
}

}  // namespace
