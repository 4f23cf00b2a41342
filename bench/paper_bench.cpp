// The program's side of the benchmarks: one measurement per process, its
// figures printed as one line "RESULT {json}" for bench/run.py.
//
//   paper_bench select    --dsn DSN --statement quick|detailed [--screenshot PNG]
//   paper_bench entry     --dsn DSN --input entry.tsv [--count N] [--user NAME] [--record FILE] [--together 0|1]
//   paper_bench hooks     [--count N]
//   paper_bench import    --dsn DSN --input FILE.bib [--user NAME] [--record FILE] [--per-commit N] [--together 0|1]
//   paper_bench startup
//   paper_bench statement --statement quick|detailed   (prints the statement text)
//   paper_bench responsive --dsn DSN --search quick|keyword [--cancel-after MS] [--screenshot PNG]
//
// ODBCINI / ODBCSYSINI must point at the data source DSN. The program sits
// beside paper_catalogue, where the hook modules are.

// Python's headers use "slots" as a name, which Qt defines as a macro.
#pragma push_macro("slots")
#undef slots
#include <pybind11/embed.h>
#pragma pop_macro("slots")

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <vector>

#include "Workloads.h"
#include "window/BusyIndicator.h"
#include "window/BusyWait.h"
#include "catalogue/InsertPaper.h"
#include "catalogue/windows/TForm_select_d.h"
#include "catalogue/windows/TForm_select_d_c.h"
#include "db/ConnectionString.h"
#include "db/Credentials.h"
#include "db/DbError.h"
#include "db/Messages.h"
#include "db/OdbcQuery.h"
#include "exchange/FileImport.h"
#include "exchange/PaperWriter.h"
#include "exchange/PreviewModel.h"
#include "scripting/ScriptEngine.h"
#include "shell/windows/TForm_login.h"
#include "shell/windows/TForm_main.h"

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
    if (which == QLatin1String("quick")) return bench::quickSearchStatement();
    if (which == QLatin1String("detailed")) return bench::detailedAllColumnsStatement();
    throw std::runtime_error("unknown statement " + which.toStdString());
}

// A title no generated paper has: the warm-up search finds nothing.
const QString kNoSuchTitle = QStringLiteral("（预热：没有这篇论文）");

// A search click in its window: "查询" pressed, the grid bound to the window's
// query object takes the rows and paints; timed up to the painted grid. Before
// it, one search that finds nothing has connected and painted the window, as
// in any session.
int runSelect(const Args& args) {
    const QString conn = paperConnection(args.need(QStringLiteral("dsn")));
    const QString which = args.need(QStringLiteral("statement"));
    QList<db::messages::Shown> shown;
    db::messages::setRecorder([&](const db::messages::Shown& m) { shown.append(m); });

    db::Form* window = nullptr;
    db::ResultGrid* grid = nullptr;
    QPushButton* button = nullptr;
    std::function<void()> everyPaper;
    if (which == QLatin1String("quick")) {
        auto* w = db::Form::open<TForm_select_d>(QStringLiteral("bench"), conn);
        w->Edit_title->setText(kNoSuchTitle);
        everyPaper = [w] { w->Edit_title->clear(); };
        window = w, grid = w->DBGrid1, button = w->Button_scan;
    } else if (which == QLatin1String("detailed")) {
        auto* w = db::Form::open<TForm_select_d_c>(QStringLiteral("bench"), conn);
        w->CheckBox_title->setChecked(true);
        w->Edit_title->setText(kNoSuchTitle);
        everyPaper = [w] {
            w->CheckBox_title->setChecked(false);
            w->Edit_title->clear();
            for (QCheckBox* box : {w->CheckBox1, w->CheckBox2, w->CheckBox3, w->CheckBox4, w->CheckBox5,
                                   w->CheckBox6, w->CheckBox7, w->CheckBox8, w->CheckBox10, w->CheckBox11,
                                   w->CheckBox12})
                box->setChecked(true);
        };
        window = w, grid = w->DBGrid1, button = w->Button_yes;
    } else {
        throw std::runtime_error("unknown statement " + which.toStdString());
    }
    window->resize(1100, 800);
    QApplication::processEvents();
    button->click();
    if (shown.size() != 1 || shown[0].kind != db::messages::Kind::Message)
        throw std::runtime_error("the warm-up search did not end in its not-found message");
    shown.clear();
    everyPaper();
    QApplication::processEvents();

    const qint64 rssBefore = statusKb("VmRSS");
    resetPeak();
    const auto t0 = Clock::now();
    button->click();
    grid->viewport()->repaint();
    QApplication::processEvents();
    const double ms = msSince(t0);
    const qint64 rssAfter = statusKb("VmRSS");
    const qint64 peak = statusKb("VmHWM");

    if (!shown.isEmpty())
        throw std::runtime_error(("the search reported: " + shown[0].caption + "/" + shown[0].text).toStdString());
    const qint64 rows = window->query().recordCount();
    const auto result = window->query().result();
    qint64 raw = 0;
    for (qint64 r = 0; r < result->rowCount(); ++r)
        for (int c = 0; c < result->columnCount(); ++c) raw += qint64(result->bytes(r, c).size());
    const int gridRows = grid->model()->rowCount();
    if (gridRows != rows) throw std::runtime_error("the grid does not hold every row");
    const QString screenshot = args.get(QStringLiteral("screenshot"));
    if (!screenshot.isEmpty() && !window->grab().save(screenshot))
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

// Notes the time of every paint of the grid's rows.
class PaintProbe : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && running) {
            const auto now = Clock::now();
            maxGapMs = std::max(maxGapMs, std::chrono::duration<double, std::milli>(now - last).count());
            last = now;
            ++paints;
        }
        return QObject::eventFilter(watched, event);
    }
    void start() {
        last = Clock::now();
        running = true;
    }
    void stop() {
        // The gap up to the end counts too.
        maxGapMs = std::max(maxGapMs, msSince(last));
        running = false;
    }
    bool running = false;
    Clock::time_point last;
    double maxGapMs = 0;
    qint64 paints = 0;
};

// The window kept painting while a search runs: a timer on the window thread
// asks for a repaint of the grid every 10 ms, and the longest time between
// two paints from the click to the end of its handler is the figure. With
// --cancel-after, "取消" on the busy indicator is pressed that long after the
// click, and the time from there until the handler has returned is taken.
int runResponsive(const Args& args) {
    const QString conn = paperConnection(args.need(QStringLiteral("dsn")));
    const QString which = args.need(QStringLiteral("search"));
    const int cancelAfter = args.get(QStringLiteral("cancel-after"), QStringLiteral("0")).toInt();
    QList<db::messages::Shown> shown;
    db::messages::setRecorder([&](const db::messages::Shown& m) { shown.append(m); });

    db::Form* window = nullptr;
    db::ResultGrid* grid = nullptr;
    QPushButton* button = nullptr;
    if (which == QLatin1String("quick")) {
        auto* w = db::Form::open<TForm_select_d>(QStringLiteral("bench"), conn);
        window = w, grid = w->DBGrid1, button = w->Button_scan;
    } else if (which == QLatin1String("keyword")) {
        auto* w = db::Form::open<TForm_select_d_c>(QStringLiteral("bench"), conn);
        w->CheckBox_kword->setChecked(true);
        w->Edit_kword->setText(QStringLiteral("深度学习"));
        window = w, grid = w->DBGrid1, button = w->Button_yes;
    } else {
        throw std::runtime_error("unknown search " + which.toStdString());
    }
    window->resize(1100, 800);
    QApplication::processEvents();
    // Connected beforehand, as in any session.
    window->query().setConnectionString(conn);
    window->query().openSql(QStringLiteral("select 1"));
    window->query().close();

    QPointer<busy::BusyIndicator> indicator;
    double indicatorAtMs = -1;
    const auto t0 = Clock::now();
    busy::BusyWait::setIndicatorShown([&](QWidget* w) {
        indicator = qobject_cast<busy::BusyIndicator*>(w);
        indicatorAtMs = msSince(t0);
        const QString screenshot = args.get(QStringLiteral("screenshot"));
        if (!screenshot.isEmpty())
            QTimer::singleShot(300, window, [window, screenshot] { window->grab().save(screenshot); });
    });
    Clock::time_point cancelledAt;
    bool cancelPressed = false;
    QTimer cancelTimer;
    cancelTimer.setSingleShot(true);
    QObject::connect(&cancelTimer, &QTimer::timeout, [&] {
        if (!indicator) return;
        cancelledAt = Clock::now();
        cancelPressed = true;
        indicator->cancelButton()->click();
    });
    if (cancelAfter > 0) cancelTimer.start(cancelAfter);

    PaintProbe probe;
    grid->viewport()->installEventFilter(&probe);
    QTimer ask;
    QObject::connect(&ask, &QTimer::timeout, grid->viewport(), [grid] { grid->viewport()->update(); });
    ask.start(10);
    probe.start();
    const auto clickAt = Clock::now();
    button->click();
    const double ms = msSince(clickAt);
    const double cancelMs = cancelPressed ? msSince(cancelledAt) : -1;
    probe.stop();
    ask.stop();
    busy::BusyWait::setIndicatorShown({});

    const bool cancelled = !shown.isEmpty() && shown[0].text.contains(QStringLiteral("已取消"));
    if (cancelAfter > 0 && (!cancelPressed || !cancelled))
        throw std::runtime_error("the search was not cancelled");
    if (cancelAfter == 0 && !shown.isEmpty())
        throw std::runtime_error(("the search reported: " + shown[0].caption + "/" + shown[0].text).toStdString());

    QJsonObject o;
    o[QStringLiteral("ms")] = ms;
    o[QStringLiteral("max_gap_ms")] = probe.maxGapMs;
    o[QStringLiteral("paints")] = probe.paints;
    o[QStringLiteral("indicator_ms")] = indicatorAtMs;
    o[QStringLiteral("cancel_ms")] = cancelMs;
    o[QStringLiteral("rows")] = cancelAfter > 0 ? qint64(-1) : window->query().recordCount();
    report(o);
    return 0;
}

// A query object that keeps every statement it is given.
class RecordingQuery : public db::OdbcQuery {
public:
    void setSql(const QString& statement) override {
        sent.append(statement);
        db::OdbcQuery::setSql(statement);
    }
    QVector<qint64> execAll(const QStringList& statements) override {
        sent.append(statements);
        return db::OdbcQuery::execAll(statements);
    }
    bool execAllThenEnd(const QStringList& statements, const RunCheck& commitWhen, QVector<qint64>& counts) override {
        return execMadeThenEnd(addingAll(statements), commitWhen, counts);
    }
    bool execMadeThenEnd(const Maker& make, const RunCheck& commitWhen, QVector<qint64>& counts) override {
        QStringList made;
        const bool commit = db::OdbcQuery::execMadeThenEnd(
            [&](db::StatementFeed& feed) {
                make(feed);
                made = feed.made();
            },
            commitWhen, counts);
        sent.append(made);
        sent.append(commit ? QStringLiteral("commit") : QStringLiteral("rollback"));
        return commit;
    }
    // Only the runs that went: those done and the failing one up to its failure.
    void execRuns(const QVector<QStringList>& runs, const RunCheck& goOn, QVector<QVector<qint64>>& counts,
                  const std::function<void()>& meanwhile) override {
        try {
            db::OdbcQuery::execRuns(runs, goOn, counts, meanwhile);
        } catch (...) {
            for (qsizetype i = 0; i < counts.size(); ++i) sent.append(runs[i]);
            for (const QString& s : runs[counts.size()]) {
                sent.append(s);
                if (s == sql()) break;
            }
            throw;
        }
        for (qsizetype i = 0; i < counts.size(); ++i) sent.append(runs[i]);
    }
    QStringList sent;
};

// Writes the statements the program sent, one a line, for the client to send
// the same; nothing when no file is named.
void writeRecord(const QString& path, const QStringList& sent) {
    if (path.isEmpty()) return;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) throw std::runtime_error("cannot write record");
    for (const QString& s : sent) f.write(s.toUtf8() + ";\n");
}

// Paper entry through the entry logic, as the entry window's "插入" runs it.
int runEntry(const Args& args) {
    const QString conn = paperConnection(args.need(QStringLiteral("dsn")));
    QList<catalogue::entry::PaperEntry> entries = bench::readEntries(args.need(QStringLiteral("input")));
    const qsizetype count = args.get(QStringLiteral("count"), QString::number(entries.size())).toLongLong();
    if (count < entries.size()) entries.resize(count);
    const QString user = args.get(QStringLiteral("user"), QStringLiteral("bench"));
    const QString today = catalogue::entry::today();

    auto t = Clock::now();
    scripting::ScriptEngine engine;  // what creating the entry window starts
    const double engineStartMs = msSince(t);

    RecordingQuery query;
    // As the entry window sets it; "--together 0" sends each statement alone.
    query.setRunsTogether(args.get(QStringLiteral("together"), QStringLiteral("1")) != QLatin1String("0"));
    qint64 committed = 0;
    const auto t0 = Clock::now();
    for (const catalogue::entry::PaperEntry& e : entries) {
        query.setConnectionString(conn);
        if (catalogue::entry::insertPaper(query, engine, e, user, today).text == catalogue::entry::kSuccess.text)
            ++committed;
    }
    const double ms = msSince(t0);

    writeRecord(args.get(QStringLiteral("record")), query.sent);
    QJsonObject o;
    o[QStringLiteral("ms")] = ms;
    o[QStringLiteral("papers")] = qint64(entries.size());
    o[QStringLiteral("committed")] = committed;
    o[QStringLiteral("statements")] = qint64(query.sent.size());
    o[QStringLiteral("interpreter_start_ms")] = engineStartMs;
    report(o);
    return 0;
}

// Batch import of a BibTeX file: the parser alone on the file's text (pybtex
// in the embedded interpreter, as the import runs it), then the import as the
// window runs it: read the file into records, mark them against the catalogue
// and fill the preview, then write every ready paper through the entry logic.
int runImport(const Args& args) {
    namespace py = pybind11;
    const QString conn = paperConnection(args.need(QStringLiteral("dsn")));
    const QString input = args.need(QStringLiteral("input"));
    scripting::ScriptEngine engine;

    double parseMs = 0;
    {
        QFile f(input);
        if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read input");
        const QByteArray bytes = f.readAll();
        py::module_ errors = py::module_::import("pybtex.errors");
        errors.attr("set_strict_mode")(false);
        py::object parser = py::module_::import("pybtex.database.input.bibtex").attr("Parser");
        py::str text(bytes.constData(), size_t(bytes.size()));
        const auto t = Clock::now();
        py::object data = parser().attr("parse_string")(text);
        parseMs = msSince(t);
    }

    const auto t0 = Clock::now();
    const exchange::FileRead read = exchange::readFile(input);
    if (!read.error.isEmpty()) throw std::runtime_error(read.error.toStdString());
    const double readMs = msSince(t0);
    RecordingQuery query;
    // As the import windows set it; "--together 0" sends each statement alone.
    query.setRunsTogether(args.get(QStringLiteral("together"), QStringLiteral("1")) != QLatin1String("0"));
    query.setConnectionString(conn);
    exchange::PreviewModel model;
    model.setOptions(exchange::MappingOptions{QStringLiteral("D:\\papers")});
    model.setPresentKeys(exchange::catalogueKeys(query));
    model.setRecords(read.records);
    const double previewMs = msSince(t0);

    const QVector<exchange::WriteJob> jobs = model.jobs();
    exchange::WriteOptions options;
    options.typist = args.get(QStringLiteral("user"), QStringLiteral("bench"));
    options.date = catalogue::entry::today();
    options.papersPerCommit = args.get(QStringLiteral("per-commit"), QStringLiteral("500")).toInt();
    exchange::PaperWriter writer(query, engine, options);
    query.sent.clear();
    const auto t1 = Clock::now();
    writer.write(jobs);
    const double writeMs = msSince(t1);
    const double totalMs = msSince(t0);

    writeRecord(args.get(QStringLiteral("record")), query.sent);
    QJsonObject o;
    o[QStringLiteral("parse_ms")] = parseMs;
    o[QStringLiteral("read_ms")] = readMs;
    o[QStringLiteral("preview_ms")] = previewMs;
    o[QStringLiteral("write_ms")] = writeMs;
    o[QStringLiteral("ms")] = totalMs;
    o[QStringLiteral("entries")] = qint64(read.records.size());
    o[QStringLiteral("ready")] = qint64(jobs.size());
    o[QStringLiteral("imported")] = writer.summary().imported;
    o[QStringLiteral("failed")] = writer.summary().failed;
    o[QStringLiteral("statements")] = qint64(query.sent.size());
    report(o);
    return 0;
}

// One hook call through the script engine: the two entry hooks alternately
// with typical texts, median of the means of batches of 1,000 calls.
int runHooks(const Args& args) {
    const int count = args.get(QStringLiteral("count"), QStringLiteral("20000")).toInt();
    auto t = Clock::now();
    scripting::ScriptEngine engine;
    const double startMs = msSince(t);

    const QString key = QStringLiteral("基于深度学习的图像识别研究$张伟$2019-03-15");
    const QStringList authorArgs{QStringLiteral("李娜；王强；赵敏"), QStringLiteral("张伟"), key};
    const QStringList kwordArgs{QStringLiteral("深度学习；图像识别；卷积神经网络；数据集"), key};

    t = Clock::now();
    engine.call(scripting::kInsertAuthors, authorArgs);
    const double firstMs = msSince(t);

    constexpr int kBatch = 1000;
    std::vector<double> perCall;
    qint64 chars = 0;
    for (int done = 0; done < count; done += kBatch) {
        t = Clock::now();
        for (int i = 0; i < kBatch; i += 2) {
            chars += engine.call(scripting::kInsertAuthors, authorArgs).size();
            chars += engine.call(scripting::kInsertKwords, kwordArgs).size();
        }
        perCall.push_back(msSince(t) * 1000.0 / kBatch);
    }
    std::sort(perCall.begin(), perCall.end());
    QJsonObject o;
    o[QStringLiteral("interpreter_start_ms")] = startMs;
    o[QStringLiteral("first_call_ms")] = firstMs;
    o[QStringLiteral("us_per_call")] = perCall[perCall.size() / 2];
    o[QStringLiteral("calls")] = qint64(perCall.size()) * kBatch;
    o[QStringLiteral("statement_chars")] = chars;
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
        std::fprintf(stderr, "usage: paper_bench select|entry|hooks|import|startup|statement [--key value]...\n");
        return 2;
    }
    const QByteArray mode = argv[1];
    try {
        if (mode == "startup") return runStartup(argc, argv);
        const Args args = parse(argc, argv);
        if (mode == "statement") {
            std::printf("%s\n", searchStatement(args.need(QStringLiteral("statement"))).toUtf8().constData());
            return 0;
        }
        QApplication app(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
        if (mode == "select") return runSelect(args);
        if (mode == "responsive") return runResponsive(args);
        if (mode == "entry") return runEntry(args);
        if (mode == "hooks") return runHooks(args);
        if (mode == "import") return runImport(args);
        std::fprintf(stderr, "unknown mode %s\n", mode.constData());
        return 2;
    } catch (const db::DbError& e) {
        std::fprintf(stderr, "database error: %s\n", e.message().toUtf8().constData());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "error: %s\n", e.what());
    }
    return 1;
}
