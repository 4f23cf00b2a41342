// The program's side of the benchmarks: one measurement per process, its
// figures printed as one line "RESULT {json}" for bench/run.py.
//
//   paper_bench select  --dsn DSN --statement quick|detailed [--screenshot PNG]
//   paper_bench entry   --dsn DSN --input entry.tsv [--count N] [--user NAME] [--record FILE]
//   paper_bench hooks   [--count N]
//   paper_bench startup
//   paper_bench statement --statement quick|detailed   (prints the statement text)
//
// ODBCINI / ODBCSYSINI must point at the data source DSN.

#include "PyHooks.h"  // before Qt: Python's headers and Qt's "slots" clash

#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include "Workloads.h"
#include "db/ConnectionString.h"
#include "db/Credentials.h"
#include "db/DbError.h"
#include "db/OdbcQuery.h"
#include "db/ResultGrid.h"
#include "shell/TForm_login.h"
#include "shell/TForm_main.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

// A field of /proc/self/status in kB ("VmRSS", "VmHWM").
qint64 statusKb(const char* field) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(key)) return line.mid(key.size()).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// Starts the peak resident size (VmHWM) afresh from the current size.
void resetPeak() {
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly)) f.write("5");
}

void report(const QJsonObject& o) {
    std::printf("RESULT %s\n", QJsonDocument(o).toJson(QJsonDocument::Compact).constData());
    std::fflush(stdout);
}

struct Args {
    QHash<QString, QString> values;
    QString get(const QString& key, const QString& fallback = {}) const { return values.value(key, fallback); }
    QString need(const QString& key) const {
        if (!values.contains(key)) throw std::runtime_error("missing --" + key.toStdString());
        return values.value(key);
    }
};

Args parse(int argc, char** argv) {
    Args a;
    for (int i = 2; i + 1 < argc; i += 2) {
        QString key = QString::fromLocal8Bit(argv[i]);
        if (!key.startsWith(QLatin1String("--"))) throw std::runtime_error("bad argument " + key.toStdString());
        a.values.insert(key.mid(2), QString::fromLocal8Bit(argv[i + 1]));
    }
    return a;
}

QString paperConnection(const QString& dsn) {
    return db::buildConnectionString(QStringLiteral("MSDASQL.1"), QLatin1String(db::kOpenShelf),
                                     QStringLiteral("paper_user"), dsn);
}

QString searchStatement(const QString& which) {
    if (which == QLatin1String("quick")) return bench::quickSearchStatement({}, {}, {});
    if (which == QLatin1String("detailed")) return bench::detailedAllColumnsStatement();
    throw std::runtime_error("unknown statement " + which.toStdString());
}

// A search click: the query object gets the statement and opens it, the grid
// bound to it takes the rows and paints; timed up to the painted grid.
int runSelect(const Args& args) {
    const QString conn = paperConnection(args.need(QStringLiteral("dsn")));
    const QString statement = searchStatement(args.need(QStringLiteral("statement")));

    db::ResultGrid grid;
    grid.setObjectName(QStringLiteral("DBGrid1"));
    grid.resize(1000, 600);
    grid.show();
    QApplication::processEvents();
    {
        // The session has used the driver (sign-in) and painted Chinese text
        // (every window) before this click: load both outside the measure.
        db::OdbcQuery warm;
        grid.bind(&warm);
        warm.setConnectionString(conn);
        warm.openSql(QStringLiteral("select '论文题目 Title' '论文题目'"));
        grid.viewport()->repaint();
        QApplication::processEvents();
        grid.bind(nullptr);
    }
    auto* query = new db::OdbcQuery(&grid);
    grid.bind(query);
    QApplication::processEvents();

    const qint64 rssBefore = statusKb("VmRSS");
    resetPeak();
    const auto t0 = Clock::now();
    query->setConnectionString(conn);
    query->close();
    query->setSql(statement);
    query->open();
    const qint64 rows = query->recordCount();
    grid.viewport()->repaint();
    QApplication::processEvents();
    const double ms = msSince(t0);
    const qint64 rssAfter = statusKb("VmRSS");
    const qint64 peak = statusKb("VmHWM");

    const auto result = query->result();
    qint64 raw = 0;
    for (qint64 r = 0; r < result->rowCount(); ++r)
        for (int c = 0; c < result->columnCount(); ++c) raw += qint64(result->bytes(r, c).size());
    const int gridRows = grid.model()->rowCount();
    if (gridRows != rows) throw std::runtime_error("the grid does not hold every row");
    const QString screenshot = args.get(QStringLiteral("screenshot"));
    if (!screenshot.isEmpty() && !grid.grab().save(screenshot))
        throw std::runtime_error("cannot write " + screenshot.toStdString());

    QJsonObject o;
    o[QStringLiteral("ms")] = ms;
    o[QStringLiteral("rows")] = rows;
    o[QStringLiteral("grid_rows")] = gridRows;
    o[QStringLiteral("columns")] = result->columnCount();
    o[QStringLiteral("raw_bytes")] = raw;
    o[QStringLiteral("held_bytes")] = qint64(result->bytesReserved());
    o[QStringLiteral("rss_before_kb")] = rssBefore;
    o[QStringLiteral("rss_after_kb")] = rssAfter;
    o[QStringLiteral("peak_kb")] = peak;
    report(o);
    return 0;
}

QStringList hookPath() {
    // The program's hook modules (copied beside the build) first, the
    // benchmarks' stand-ins after them.
    return {QStringLiteral(PAPER_BINARY_DIR), QStringLiteral(BENCH_HOOKS_DIR)};
}

// A query object that keeps every statement it is given.
class RecordingQuery : public db::OdbcQuery {
public:
    void setSql(const QString& statement) override {
        sent.append(statement);
        db::OdbcQuery::setSql(statement);
    }
    QStringList sent;
};

int runEntry(const Args& args) {
    const QString conn = paperConnection(args.need(QStringLiteral("dsn")));
    QList<bench::PaperEntry> entries = bench::readEntries(args.need(QStringLiteral("input")));
    const qsizetype count = args.get(QStringLiteral("count"), QString::number(entries.size())).toLongLong();
    if (count < entries.size()) entries.resize(count);
    const QString user = args.get(QStringLiteral("user"), QStringLiteral("bench"));
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));

    auto startHooks = Clock::now();
    bench::PyHooks hooks(hookPath());
    const double hooksStartMs = msSince(startHooks);
    const bench::HookCall call = [&](const QString& m, const QString& f, const QStringList& a) {
        return hooks.call(m, f, a);
    };

    RecordingQuery query;
    qint64 committed = 0;
    const auto t0 = Clock::now();
    for (const bench::PaperEntry& e : entries) {
        query.setConnectionString(conn);
        if (bench::insertPaper(query, call, e, user, today)) ++committed;
    }
    const double ms = msSince(t0);

    const QString record = args.get(QStringLiteral("record"));
    if (!record.isEmpty()) {
        QFile f(record);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) throw std::runtime_error("cannot write record");
        for (const QString& s : query.sent) f.write(s.toUtf8() + ";\n");
    }
    QJsonObject o;
    o[QStringLiteral("ms")] = ms;
    o[QStringLiteral("papers")] = qint64(entries.size());
    o[QStringLiteral("committed")] = committed;
    o[QStringLiteral("statements")] = qint64(query.sent.size());
    o[QStringLiteral("interpreter_start_ms")] = hooksStartMs;
    report(o);
    return 0;
}

int runHooks(const Args& args) {
    const int count = args.get(QStringLiteral("count"), QStringLiteral("20000")).toInt();
    auto t = Clock::now();
    bench::PyHooks hooks(hookPath());
    const double startMs = msSince(t);

    const QString key = QStringLiteral("基于深度学习的图像识别研究$张伟$2019-03-15");
    const QStringList authorArgs{QStringLiteral("李娜；王强；赵敏"), QStringLiteral("张伟"), key};
    const QStringList kwordArgs{QStringLiteral("深度学习；图像识别；卷积神经网络；数据集"), key};
    const QString a = QStringLiteral("insert_d_a"), fa = QStringLiteral("KT40617395_insert_d_a");
    const QString k = QStringLiteral("insert_d_k"), fk = QStringLiteral("KT40617395_insert_d_k");

    t = Clock::now();
    hooks.call(a, fa, authorArgs);
    const double firstMs = msSince(t);

    // Median of batch means; each batch alternates the two entry hooks.
    constexpr int kBatch = 1000;
    std::vector<double> perCall;
    qint64 bytes = 0;
    for (int done = 0; done < count; done += kBatch) {
        t = Clock::now();
        for (int i = 0; i < kBatch; i += 2) {
            bytes += hooks.call(a, fa, authorArgs).size();
            bytes += hooks.call(k, fk, kwordArgs).size();
        }
        perCall.push_back(msSince(t) * 1000.0 / kBatch);
    }
    std::sort(perCall.begin(), perCall.end());
    QJsonObject o;
    o[QStringLiteral("interpreter_start_ms")] = startMs;
    o[QStringLiteral("first_call_ms")] = firstMs;
    o[QStringLiteral("us_per_call")] = perCall[perCall.size() / 2];
    o[QStringLiteral("calls")] = qint64(perCall.size()) * kBatch;
    o[QStringLiteral("statement_chars")] = bytes;
    report(o);
    return 0;
}

// Start-up as the program does it: application, hidden main window, sign-in
// window shown. Prints "SHOWN" when the sign-in window has painted; the
// caller times the process up to that line.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            std::printf("SHOWN\n");
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool done_ = false;
};

int runStartup(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    TForm_main Form_main;
    TForm_login Form_login(&Form_main);
    FirstPaint paint;
    Form_login.installEventFilter(&paint);
    Form_login.show();
    QTimer::singleShot(10000, &app, &QCoreApplication::quit);
    app.exec();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) qputenv("XDG_RUNTIME_DIR", "/tmp");
    if (argc < 2) {
        std::fprintf(stderr, "usage: paper_bench select|entry|hooks|startup|statement [--key value]...\n");
        return 2;
    }
    const QByteArray mode = argv[1];
    try {
        if (mode == "startup") return runStartup(argc, argv);
        const Args args = parse(argc, argv);
        if (mode == "hooks") return runHooks(args);
        if (mode == "statement") {
            std::printf("%s\n", searchStatement(args.need(QStringLiteral("statement"))).toUtf8().constData());
            return 0;
        }
        QApplication app(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
        if (mode == "select") return runSelect(args);
        if (mode == "entry") return runEntry(args);
        std::fprintf(stderr, "unknown mode %s\n", mode.constData());
        return 2;
    } catch (const db::DbError& e) {
        std::fprintf(stderr, "database error: %s\n", e.message().toUtf8().constData());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "error: %s\n", e.what());
    }
    return 1;
}
