#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>

#include "support/Recorder.h"

namespace recorder {

QList<db::messages::Shown>& shown() {
    static QList<db::messages::Shown> list;
    return list;
}

void clear() { shown().clear(); }

QStringList lines() {
    QStringList out;
    for (const auto& s : shown())
        out << (s.kind == db::messages::Kind::ErrorReport ? QStringLiteral("!") : QString()) +
                   s.caption + QLatin1Char('/') + s.text;
    return out;
}

}  // namespace recorder

namespace {

// Points unixODBC at the test server's data source.
void loadTestEnvironment() {
    QFile f(QStringLiteral(TESTDB_DIR "/env"));
    if (!f.open(QIODevice::ReadOnly)) return;
    for (const QByteArray& line : f.readAll().split('\n')) {
        qsizetype eq = line.indexOf('=');
        if (eq <= 0) continue;
        QByteArray key = line.left(eq);
        if (key == "ODBCINI" || key == "ODBCSYSINI") qputenv(key.constData(), line.mid(eq + 1));
    }
}

}  // namespace

int main(int argc, char** argv) {
    loadTestEnvironment();
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) qputenv("XDG_RUNTIME_DIR", "/tmp");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    db::messages::setRecorder([](const db::messages::Shown& s) { recorder::shown().append(s); });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
