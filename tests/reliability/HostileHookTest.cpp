#include <gtest/gtest.h>

#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QLineEdit>
#include <QTemporaryDir>

#include "Reliability.h"
#include "ServerSupport.h"
#include "catalogue/windows/TForm_insert_d.h"
#include "catalogue/windows/TForm_update_d_o.h"
#include "db/Schema.h"
#include "scripting/ScriptEngine.h"
#include "support/EntryForm.h"

// Hook modules that misbehave: raise, return no text or a number, return two
// statements, return a statement that is no insert or update of their own
// table (a "commit" that would end the paper's transaction half-way), take
// seconds. Each ends as the error report with nothing of the paper changed
// (the slow one just works), and the window's next click works.
namespace {

// A folder on the interpreter's module path for the test modules.
QString moduleDir() {
    static QTemporaryDir dir;
    static bool onPath = false;
    if (!onPath) {
        scripting::ScriptEngine engine;
        engine.call(QStringLiteral("site"), QStringLiteral("addsitedir"), {dir.path()});
        onPath = true;
    }
    return dir.path();
}

// A module whose four hook functions all run `body` (Python, with the
// arguments in `args`).
void writeModule(const QString& name, const QString& body) {
    QFile f(moduleDir() + QLatin1Char('/') + name + QStringLiteral(".py"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QString source = QStringLiteral("import time\nimport insert_d_a, insert_d_k, update_d_o_a, update_d_o_k\n"
                                    "def body(real, *args):\n");
    for (const QString& line : body.split(QLatin1Char('\n'))) source += QStringLiteral("    ") + line + QLatin1Char('\n');
    for (const char* hook : {"insert_d_a", "insert_d_k", "update_d_o_a", "update_d_o_k"})
        source += QStringLiteral("def KT40617395_%1(*args):\n    return body(%1.KT40617395_%1, *args)\n").arg(QLatin1String(hook));
    f.write(source.toUtf8());
    f.close();
    scripting::ScriptEngine engine;
    engine.call(QStringLiteral("importlib"), QStringLiteral("invalidate_caches"), {});
}

// The real script engine with every hook module replaced by one test module.
class Routed : public scripting::HookCaller {
public:
    explicit Routed(QString module) : module_(std::move(module)) {}
    QString call(const QString&, const QString& function, const QStringList& args) override {
        return engine_.call(module_, function, args);
    }

private:
    QString module_;
    scripting::ScriptEngine engine_;
};

struct Hostile {
    const char* name;
    const char* body;
    bool works;  // the click still succeeds
};

const Hostile kHostile[] = {
    {"hostile_raise", "raise ValueError('坏的列表')", false},
    {"hostile_none", "return None", false},
    {"hostile_number", "return 42", false},
    {"hostile_bytes", "return real(*args).encode()", false},
    {"hostile_two", "return real(*args) + '; delete from main'", false},
    {"hostile_two_inserts", "s = real(*args)\nreturn s + ';' + s", false},
    {"hostile_commit", "return 'commit'", false},
    {"hostile_rollback", "return 'rollback'", false},
    {"hostile_begin", "return 'begin'", false},
    {"hostile_ddl", "return 'create table hook_made (a int)'", false},
    {"hostile_other_table", "return \"update main set title='被钩子改了'\"", false},
    {"hostile_nul", "return real(*args).replace(' values', '\\0 values').replace(' set', '\\0 set')", false},
    {"hostile_empty", "return ''", false},
    {"hostile_slow", "time.sleep(2)\nreturn real(*args)", true},
};

class HostileHooks : public ::testing::Test {
protected:
    void SetUp() override {
        testdb::loadSample();
        recorder::clear();
        for (const Hostile& h : kHostile) writeModule(QLatin1String(h.name), QLatin1String(h.body));
    }
    void TearDown() override { EXPECT_EQ(rel::tableList().size(), 10); }  // eight and the finder's two
};

TEST_F(HostileHooks, AnEntryWithAMisbehavingHookLeavesNoPaperBehind) {
    rel::Window<TForm_insert_d> w;
    entryform::type(*w, {QStringLiteral("钩子论文"), QStringLiteral("张伟"), QStringLiteral("2024-01-02"),
                         QStringLiteral("a.pdf"), QStringLiteral("D:\\论文"), QStringLiteral("李娜；王强")});
    w->CheckBox1->setChecked(true);
    w->Edit_kwords->setText(QStringLiteral("深度学习；图像"));
    const QString key = schema::paperKey(QStringLiteral("钩子论文"), QStringLiteral("张伟"), QStringLiteral("2024-01-02"));
    const QList<qint64> before = {testdb::count(schema::kMain)};
    for (const Hostile& h : kHostile) {
        SCOPED_TRACE(h.name);
        rel::add(QStringLiteral("hooks.insert_d.tried"));
        w->setHooks(std::make_unique<Routed>(QLatin1String(h.name)));
        QElapsedTimer timer;
        timer.start();
        const QStringList shown = rel::click(w->Button_yes);
        if (h.works) {
            EXPECT_EQ(shown, QStringList{QStringLiteral("成功/插入成功")});
            EXPECT_GE(timer.elapsed(), 2000);
            EXPECT_EQ(rel::rowsOf(key), (QList<qint64>{1, 1, 1, 1, 1}));
            testdb::exec(QStringLiteral("delete from main where Paperid='钩子论文$张伟$2024-01-02'"));
            for (const QString& t : schema::kPaperTables)
                testdb::exec(QStringLiteral("delete from ") + t + QStringLiteral(" where Paperid='钩子论文$张伟$2024-01-02'"));
        } else {
            EXPECT_TRUE(rel::isErrorReport(shown)) << shown.join(QLatin1Char('|')).toStdString();
            const bool clean = rel::rowsOf(key) == QList<qint64>{0, 0, 0, 0, 0} && rel::partialPapers() == 0 &&
                               QList<qint64>{testdb::count(schema::kMain)} == before &&
                               testdb::count(schema::kMain, QStringLiteral("title='被钩子改了'")) == 0;
            if (!clean) rel::add(QStringLiteral("hooks.insert_d.half_done"));
            EXPECT_TRUE(clean) << "rows of the paper: " << rel::rowsOf(key)[0] << rel::rowsOf(key)[1] << rel::rowsOf(key)[2]
                               << rel::rowsOf(key)[3] << rel::rowsOf(key)[4] << ", partial papers " << rel::partialPapers();
        }
        // The next click with the real hooks works.
        w->setHooks(std::make_unique<scripting::ScriptEngine>());
        EXPECT_EQ(rel::click(w->Button_yes), QStringList{QStringLiteral("成功/插入成功")});
        for (const QString& t : schema::kPaperTables)
            testdb::exec(QStringLiteral("delete from ") + t + QStringLiteral(" where Paperid='钩子论文$张伟$2024-01-02'"));
    }
    rel::report(QStringLiteral("hooks.insert_d."));
}

TEST_F(HostileHooks, AnUpdateWithAMisbehavingHookChangesNothing) {
    const rel::Paper p;
    rel::Window<TForm_update_d_o> w;
    w->Edit_title->setText(p.title);
    w->Edit_author_1->setText(p.author);
    w->Edit_date->setText(p.date);
    w->CheckBox1->setChecked(true);
    w->Edit_filename->setText(QStringLiteral("new.pdf"));
    w->CheckBox5->setChecked(true);
    w->Edit_kwords->setText(QStringLiteral("甲；乙"));
    w->CheckBox4->setChecked(true);
    w->Edit_authors->setText(QStringLiteral("丙；丁"));
    for (const Hostile& h : kHostile) {
        SCOPED_TRACE(h.name);
        rel::add(QStringLiteral("hooks.update_d_o.tried"));
        rel::clearPapers();
        ASSERT_TRUE(rel::storePaper(p));
        const QStringList before = rel::row(QStringLiteral("select filename,kword_1,author_2,title from main,address,kword_all,author_all"));
        w->setHooks(std::make_unique<Routed>(QLatin1String(h.name)));
        const QStringList shown = rel::click(w->Button_yes);
        const QStringList after = rel::row(QStringLiteral("select filename,kword_1,author_2,title from main,address,kword_all,author_all"));
        if (h.works) {
            EXPECT_TRUE(shown.isEmpty()) << shown.join(QLatin1Char('|')).toStdString();
            EXPECT_EQ(after, (QStringList{QStringLiteral("new.pdf"), QStringLiteral("甲"), QStringLiteral("丙"), p.title}));
        } else {
            EXPECT_TRUE(rel::isErrorReport(shown)) << shown.join(QLatin1Char('|')).toStdString();
            const bool clean = after == before && rel::partialPapers() == 0;
            if (!clean) rel::add(QStringLiteral("hooks.update_d_o.half_done"));
            EXPECT_TRUE(clean) << after.join(QLatin1Char('|')).toStdString();
        }
        w->setHooks(std::make_unique<scripting::ScriptEngine>());
        EXPECT_TRUE(rel::click(w->Button_yes).isEmpty());
        EXPECT_EQ(rel::row(QStringLiteral("select filename,kword_1 from address,kword_all")),
                  (QStringList{QStringLiteral("new.pdf"), QStringLiteral("甲")}));
    }
    rel::report(QStringLiteral("hooks.update_d_o."));
}

}  // namespace
