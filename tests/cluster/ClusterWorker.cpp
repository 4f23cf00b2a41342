#include <gtest/gtest.h>

#include <QFile>
#include <QPointer>
#include <QThread>

#include "ClusterSupport.h"
#include "admin/windows/TForm_account_alt.h"
#include "admin/windows/TForm_account_cre.h"
#include "admin/windows/TForm_account_del.h"
#include "catalogue/windows/TForm_insert_d.h"
#include "window/Form.h"
#include "support/Recorder.h"

// One user at another desk, run as a process of its own by the cluster tests
// (startWorker): it clicks through the program's windows and writes what each
// click showed.
namespace {

QString setting(const char* name) { return qEnvironmentVariable(name); }

void pick(QComboBox* box, const QString& text) {
    if (box->findText(text) < 0) box->addItem(text);
    box->setCurrentIndex(box->findText(text));
}

// Paper i: the same texts in every worker, so that workers meet on the same keys.
void enterPaper(TForm_insert_d* w, int i) {
    w->Edit_title->setText(QStringLiteral("集群论文%1").arg(i, 3, 10, QLatin1Char('0')));
    w->Edit_author->setText(QStringLiteral("作者%1").arg(i % 7));
    w->Edit_date->setText(QStringLiteral("2020-01-%1").arg(1 + i % 28, 2, 10, QLatin1Char('0')));
    w->Edit_filename->setText(QStringLiteral("p%1.pdf").arg(i));
    w->Edit_dir->setText(QStringLiteral("D:\\论文\\集群"));
    w->CheckBox2->setChecked(i % 3 == 0);
    w->Edit_authors->setText(QStringLiteral("乙；丙"));
    w->CheckBox1->setChecked(i % 4 == 0);
    w->Edit_kwords->setText(QStringLiteral("复制；冲突"));
    w->Button_yes->click();
}

}  // namespace

TEST(ClusterWorker, DISABLED_Run) {
    cluster::useClusterDataSources();
    const QString kind = setting("CLUSTER_WORKER_KIND");
    const QString connection = setting("CLUSTER_WORKER_DSN");
    const QString user = setting("CLUSTER_WORKER_USER");
    const int count = setting("CLUSTER_WORKER_COUNT").toInt();
    const int pauseMs = setting("CLUSTER_WORKER_PAUSE_MS").toInt();
    QFile out(setting("CLUSTER_WORKER_OUT"));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered));
    auto write = [&](const QString& head, const QStringList& lines) {
        out.write((head + QLatin1Char('\t') + lines.join(QLatin1Char('|')) + QLatin1Char('\n')).toUtf8());
    };

    if (kind == QLatin1String("entries")) {
        QPointer<TForm_insert_d> w = db::Form::open<TForm_insert_d>(user, connection);
        // The node this window's connection reached.
        w->query().setConnectionString(connection);
        write(QStringLiteral("node"), {cluster::scalar(w->query(), QStringLiteral("select @@wsrep_node_name"))});
        for (int i = 0; i < count; ++i) {
            recorder::clear();
            enterPaper(w, i);
            write(QString::number(i), recorder::lines());
            if (pauseMs > 0) QThread::msleep(pauseMs);
        }
        delete w.data();
    } else if (kind == QLatin1String("rights")) {
        QPointer<TForm_account_alt> w = db::Form::open<TForm_account_alt>(user, connection);
        for (int i = 0; i < count; ++i) {
            recorder::clear();
            pick(w->ComboBox_user, QStringLiteral("shared"));
            w->ComboBox_right->setCurrentIndex(w->ComboBox_right->findText(
                i % 2 ? QStringLiteral("高级用户") : QStringLiteral("普通用户")));
            w->Button_yes->click();
            write(QString::number(i), recorder::lines());
        }
        delete w.data();
    } else if (kind == QLatin1String("recreate")) {
        for (int i = 0; i < count; ++i) {
            recorder::clear();
            QPointer<TForm_account_del> del = db::Form::open<TForm_account_del>(user, connection);
            pick(del->ComboBox_user, QStringLiteral("shared"));
            del->Button_yes->click();
            delete del.data();
            QPointer<TForm_account_cre> cre = db::Form::open<TForm_account_cre>(user, connection);
            cre->Edit_user->setText(QStringLiteral("shared"));
            cre->Edit_pass->setText(QStringLiteral("pw%1").arg(i));
            cre->ComboBox_priv->setCurrentIndex(cre->ComboBox_priv->findText(QStringLiteral("高级用户")));
            cre->Button1->click();
            delete cre.data();
            write(QString::number(i), recorder::lines());
        }
    }
}
