#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

#include "db/Messages.h"
#include "db/SqlText.h"
#include "scripting/ScriptEngine.h"
#include "support/Recorder.h"

namespace {

using scripting::HookError;

QString errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const HookError& e) {
        return e.message();
    }
    return QStringLiteral("(no error)");
}

// Probe modules in a folder of their own, added to the module search path
// through the engine itself (site.addsitedir).
QTemporaryDir& probeDir() {
    static QTemporaryDir dir;
    return dir;
}

void writeProbe(const QString& name, const QByteArray& source) {
    QFile f(probeDir().filePath(name + QStringLiteral(".py")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(source);
}

class ScriptEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        static bool ready = false;
        if (ready) return;
        writeProbe(QStringLiteral("kt_probe"),
                   "import builtins, sys\n"
                   "def path0(): return sys.path[0]\n"
                   "def argv0(): return sys.argv[0]\n"
                   "def set_marker(v): builtins.kt_marker = v\n"
                   "def marker(): return builtins.kt_marker\n"
                   "def raise_empty(): raise RuntimeError()\n"
                   "def raise_key(): raise KeyError('\u8bba\u6587')\n"
                   "def nothing(): return None\n");
        engine.call(QStringLiteral("site"), QStringLiteral("addsitedir"), {probeDir().path()});
        ready = true;
    }
    QString probe(const char* function, const QStringList& args = {}) {
        return engine.call(QStringLiteral("kt_probe"), QString::fromLatin1(function), args);
    }
    scripting::ScriptEngine engine;
};

TEST_F(ScriptEngineTest, RunsOneInterpreterWithTheProgramFolderFirstOnThePath) {
    EXPECT_TRUE(scripting::interpreterRunning());
    EXPECT_EQ(probe("path0"), QCoreApplication::applicationDirPath());
    EXPECT_EQ(probe("argv0"), QCoreApplication::applicationFilePath());
    // a second engine shares the interpreter and what it has loaded
    probe("set_marker", {QStringLiteral("shared")});
    scripting::ScriptEngine second;
    EXPECT_EQ(second.call(QStringLiteral("kt_probe"), QStringLiteral("marker"), {}), QStringLiteral("shared"));
}

TEST_F(ScriptEngineTest, PassesTextsByPositionAndReturnsStrOfTheResult) {
    EXPECT_EQ(engine.call(QStringLiteral("builtins"), QStringLiteral("len"), {QStringLiteral("论文abc")}),
              QStringLiteral("5"));
    EXPECT_EQ(engine.call(QStringLiteral("operator"), QStringLiteral("concat"),
                          {QStringLiteral("张伟；"), QStringLiteral("😀'\\")}),
              QStringLiteral("张伟；😀'\\"));
    EXPECT_EQ(probe("nothing"), QStringLiteral("None"));
}

TEST_F(ScriptEngineTest, ReusesALoadedModule) {
    writeProbe(QStringLiteral("kt_reuse_probe"), "def answer():\n    return 'first'\n");
    engine.call(QStringLiteral("importlib"), QStringLiteral("invalidate_caches"), {});
    EXPECT_EQ(engine.call(QStringLiteral("kt_reuse_probe"), QStringLiteral("answer"), {}), QStringLiteral("first"));
    writeProbe(QStringLiteral("kt_reuse_probe"), "def answer():\n    return 'second'\n");
    EXPECT_EQ(engine.call(QStringLiteral("kt_reuse_probe"), QStringLiteral("answer"), {}), QStringLiteral("first"));
}

TEST_F(ScriptEngineTest, PythonErrorsBecomeTypeNameAndMessage) {
    EXPECT_EQ(errorOf([&] { engine.call(QStringLiteral("no_such_hook_module"), QStringLiteral("f"), {}); }),
              QStringLiteral("ModuleNotFoundError: No module named 'no_such_hook_module'"));
    EXPECT_EQ(errorOf([&] { engine.call(QStringLiteral("insert_d_a"), QStringLiteral("no_such_function"), {}); }),
              QStringLiteral("AttributeError: module 'insert_d_a' has no attribute 'no_such_function'"));
    EXPECT_EQ(errorOf([&] { probe("raise_empty"); }), QStringLiteral("RuntimeError"));
    EXPECT_EQ(errorOf([&] { probe("raise_key"); }), QStringLiteral("KeyError: '论文'"));
    // the wrong number of arguments is a TypeError of the call
    EXPECT_TRUE(errorOf([&] { engine.call(scripting::kInsertAuthors, {QStringLiteral("x")}); })
                    .startsWith(QStringLiteral("TypeError: ")));
    // the interpreter goes on working after an error
    EXPECT_EQ(probe("nothing"), QStringLiteral("None"));
}

// ---- The four hook modules ----

QString q(const QString& value) { return QLatin1Char('\'') + db::sqlQuote(value) + QLatin1Char('\''); }

TEST_F(ScriptEngineTest, InsertHooksSplitTrimAndPadWithNull) {
    EXPECT_EQ(engine.call(scripting::kInsertAuthors,
                          {QStringLiteral(" 李娜；王强;；  ;赵敏 "), QStringLiteral("张伟"), QStringLiteral("T$张伟$D")}),
              QStringLiteral("insert into author_all values ('T$张伟$D','张伟','李娜','王强','赵敏',NULL)"));
    EXPECT_EQ(engine.call(scripting::kInsertAuthors, {QStringLiteral("；"), QStringLiteral("A"), QStringLiteral("K")}),
              QStringLiteral("insert into author_all values ('K','A',NULL,NULL,NULL,NULL)"));
    EXPECT_EQ(engine.call(scripting::kInsertKwords, {QStringLiteral("深度学习；图像识别"), QStringLiteral("K")}),
              QStringLiteral("insert into kword_all values ('K','深度学习','图像识别',NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL)"));
    EXPECT_EQ(engine.call(scripting::kInsertKwords, {QStringLiteral("1;2;3;4;5;6;7;8;9;10"), QStringLiteral("K")}),
              QStringLiteral("insert into kword_all values ('K','1','2','3','4','5','6','7','8','9','10')"));
}

TEST_F(ScriptEngineTest, UpdateHooksSetEveryColumnAndNullTheUnlistedOnes) {
    EXPECT_EQ(engine.call(scripting::kUpdateAuthors, {QStringLiteral("B；C"), QStringLiteral("T$A$D")}),
              QStringLiteral("update author_all set author_2='B',author_3='C',author_4=NULL,author_5=NULL "
                             "where Paperid='T$A$D'"));
    EXPECT_EQ(engine.call(scripting::kUpdateKwords, {QStringLiteral("k1"), QStringLiteral("K")}),
              QStringLiteral("update kword_all set kword_1='k1',kword_2=NULL,kword_3=NULL,kword_4=NULL,"
                             "kword_5=NULL,kword_6=NULL,kword_7=NULL,kword_8=NULL,kword_9=NULL,kword_a=NULL "
                             "where Paperid='K'"));
}

TEST_F(ScriptEngineTest, HooksEscapeEveryValueExactlyLikeTheProgram) {
    const QString author = QStringLiteral("O'Brien \\ D:\\论文\\new");
    const QString withNul = QStringLiteral("a") + QChar(0) + QStringLiteral("b");
    const QString key = QStringLiteral("It's$") + author + QStringLiteral("$2020");
    EXPECT_EQ(engine.call(scripting::kInsertAuthors, {author + QStringLiteral("；") + withNul, author, key}),
              QStringLiteral("insert into author_all values (") + q(key) + QLatin1Char(',') + q(author) +
                  QLatin1Char(',') + q(author) + QLatin1Char(',') + q(withNul) + QStringLiteral(",NULL,NULL)"));
    EXPECT_EQ(engine.call(scripting::kUpdateKwords, {QStringLiteral("'"), key}),
              QStringLiteral("update kword_all set kword_1=") + q(QStringLiteral("'")) +
                  QStringLiteral(",kword_2=NULL,kword_3=NULL,kword_4=NULL,kword_5=NULL,kword_6=NULL,kword_7=NULL,"
                                 "kword_8=NULL,kword_9=NULL,kword_a=NULL where Paperid=") +
                  q(key));
}

TEST_F(ScriptEngineTest, TooManyItemsRaiseAValueErrorInsteadOfACut) {
    EXPECT_EQ(errorOf([&] {
                  engine.call(scripting::kInsertAuthors, {QStringLiteral("1；2；3；4；5"), QStringLiteral("A"),
                                                          QStringLiteral("K")});
              }),
              QStringLiteral("ValueError: 作者（排除一作）最多4项，输入了5项"));
    EXPECT_EQ(errorOf([&] { engine.call(scripting::kUpdateAuthors, {QStringLiteral("1;2;3;4;5;"), QStringLiteral("K")}); }),
              QStringLiteral("ValueError: 作者（排除一作）最多4项，输入了5项"));
    EXPECT_EQ(errorOf([&] {
                  engine.call(scripting::kInsertKwords, {QStringLiteral("1;2;3;4;5;6;7;8;9;10;11"), QStringLiteral("K")});
              }),
              QStringLiteral("ValueError: 关键词最多10项，输入了11项"));
    EXPECT_EQ(errorOf([&] {
                  engine.call(scripting::kUpdateKwords, {QStringLiteral("1;2;3;4;5;6;7;8;9;10;11"), QStringLiteral("K")});
              }),
              QStringLiteral("ValueError: 关键词最多10项，输入了11项"));
}

// ---- An interpreter that cannot start ends the program ----

const char* const kChildVariable = "PAPER_SCRIPT_START_CHILD";

TEST(ScriptEngineStart, AFailedStartIsReportedAndEndsTheProgramWithExitCode1) {
    if (qEnvironmentVariableIsSet(kChildVariable)) {
        // The child: a broken interpreter home makes the start fail.
        db::messages::setRecorder([](const db::messages::Shown& s) {
            std::printf("%s/%s\n", s.caption.toUtf8().constData(), s.text.toUtf8().constData());
            std::fflush(stdout);
        });
        scripting::startInterpreterOrQuit(QStringLiteral("/nonexistent/python-home"));
        std::printf("still running\n");
        return;
    }
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kChildVariable), QStringLiteral("1"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=ScriptEngineStart.AFailedStartIsReportedAndEndsTheProgramWithExitCode1")});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QString out = QString::fromUtf8(child.readAllStandardOutput());
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 1) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("Error/Error: could not start the Python interpreter (")))
        << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("Error/The Python interpreter failed to start; the program must quit.")));
    EXPECT_FALSE(out.contains(QStringLiteral("still running")));
}

}  // namespace
