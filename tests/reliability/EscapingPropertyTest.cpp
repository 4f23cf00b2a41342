#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>

#include "db/SqlText.h"
#include "shell/ProfileFile.h"
#include "support/TestDb.h"

namespace {

// Random text drawn from the characters that matter to a statement.
QString randomText(QRandomGenerator& rng, int maxLength) {
    static const QList<char16_t> alphabet = {u'\'', u'\\', u'"', u'%', u'_', u';', u'-', u'#', u'/',
                                             u'*', u' ',  u'\n', u'\r', u'\t', 0,   u'a', u'Z', u'0',
                                             u'论', u'文', u'＇', u'’', u'$', u'`', u'\u3000', u'\u200b'};
    QString s;
    int n = int(rng.bounded(maxLength + 1));
    for (int i = 0; i < n; ++i) s += QChar(alphabet[rng.bounded(int(alphabet.size()))]);
    return s;
}

QStringList payloads() {
    QFile f(QStringLiteral(SOURCE_DIR "/tests/reliability/payloads.json"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    QStringList out;
    for (const QJsonValue& v : QJsonDocument::fromJson(f.readAll()).array()) out << v.toString();
    return out;
}

class EscapingTest : public ::testing::Test {
protected:
    void SetUp() override { testdb::reset(); }
};

// Every value is stored exactly as typed and found again by equality and by
// its like pattern, whatever characters it holds.
TEST_F(EscapingTest, RandomAndHostileValuesRoundTripExactly) {
    QRandomGenerator rng(40617395);
    QStringList values = payloads();
    for (int i = 0; i < 300; ++i) values << randomText(rng, 40);
    int stored = 0;
    for (const QString& v : values) {
        if (v.size() > 250) continue;  // longer than the column
        testdb::exec(QStringLiteral("delete from author_info"));
        ASSERT_EQ(testdb::exec(QStringLiteral("insert into author_info values ('") + db::sqlQuote(v) +
                               QStringLiteral("','e')")),
                  1)
            << v.toStdString();
        EXPECT_EQ(testdb::scalar(QStringLiteral("select author from author_info")), v) << v.toStdString();
        EXPECT_EQ(testdb::count(QStringLiteral("author_info"),
                                QStringLiteral("author='") + db::sqlQuote(v) + QLatin1Char('\'')),
                  1)
            << v.toStdString();
        EXPECT_EQ(testdb::count(QStringLiteral("author_info"),
                                QStringLiteral("author like '") + db::likePattern(v) + QLatin1Char('\'')),
                  1)
            << v.toStdString();
        ++stored;
    }
    EXPECT_GT(stored, 450);
}

// A like pattern made from a text with a backslash does not match the same
// text without it.
TEST_F(EscapingTest, ABackslashInAPatternMatchesOnlyABackslash) {
    testdb::exec(QStringLiteral("insert into author_info values ('C:\\\\papers\\\\2019','a'),('C:papers2019','b')"));
    EXPECT_EQ(testdb::column(QStringLiteral("select email from author_info where author like '") +
                             db::likePattern(QStringLiteral("C:\\papers")) + QLatin1Char('\'')),
              QStringList{QStringLiteral("a")});
}

// The settings reader never crashes and never returns more than 2047
// characters, whatever bytes the file holds.
TEST(ProfileFuzz, RandomBytesNeverBreakTheReaderOrTheWriter) {
    QRandomGenerator rng(7395);
    const QByteArray pieces[] = {"[", "]", "=", "\n", "\r\n", "\"", "'", " ", "\t", ";", "database_info",
                                 "DATA SOURCE", "provider", "\xC0", "\xFF", "\xCA\xFD", "论", "\x00"};
    for (int i = 0; i < 3000; ++i) {
        QByteArray bytes;
        int n = int(rng.bounded(60));
        for (int k = 0; k < n; ++k) {
            if (rng.bounded(4) == 0) bytes += char(rng.bounded(256));
            else bytes += pieces[rng.bounded(int(std::size(pieces)))];
        }
        QString v = shell::profile::readFrom(bytes, QStringLiteral("database_info"),
                                             QStringLiteral("data source"), QStringLiteral("no_source"));
        EXPECT_LE(v.size(), 2047);
        QByteArray written = shell::profile::writeTo(bytes, QStringLiteral("database_info"),
                                                     QStringLiteral("data source"), QStringLiteral("ds"));
        EXPECT_EQ(shell::profile::readFrom(written, QStringLiteral("database_info"),
                                           QStringLiteral("data source"), QStringLiteral("no_source")),
                  QStringLiteral("ds"))
            << bytes.toHex().toStdString();
    }
}

}  // namespace
