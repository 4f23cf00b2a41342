#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>

// The data layer's test program: a plain core application, no windows.
int main(int argc, char** argv) {
    QFile f(QStringLiteral(TESTDB_DIR "/env"));
    if (f.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : f.readAll().split('\n')) {
            const qsizetype eq = line.indexOf('=');
            if (eq <= 0) continue;
            const QByteArray key = line.left(eq);
            if (key == "ODBCINI" || key == "ODBCSYSINI") qputenv(key.constData(), line.mid(eq + 1));
        }
    }
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
