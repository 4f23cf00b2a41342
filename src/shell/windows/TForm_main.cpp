#include "shell/windows/TForm_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QVBoxLayout>

#include "window/FormRegistry.h"
#include "exchange/windows/ExportMenu.h"
#include "shell/Program.h"

TForm_main::TForm_main(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form_main"));
    setWindowTitle(tr("论文管理系统"));
    resize(640, 360);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    Label_welcome = new QLabel(tr("欢迎使用论文管理系统"), central);
    Label_welcome->setObjectName(QStringLiteral("Label_welcome"));
    QFont big = Label_welcome->font();
    big.setPointSize(big.pointSize() * 2);
    Label_welcome->setFont(big);
    Label_user = new QLabel(tr("guest 您好，"), central);
    Label_user->setObjectName(QStringLiteral("Label_user"));
    layout->addStretch();
    layout->addWidget(Label_user);
    layout->addWidget(Label_welcome, 0, Qt::AlignCenter);
    layout->addStretch(2);
    setCentralWidget(central);

    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu_main"));
    bar->setNativeMenuBar(false);

    QMenu* system = addMenu(nullptr, tr("系统"), "menu1");
    addCommand(system, tr("修改密码"), "menu11");
    addCommand(system, tr("用户注销"), "menu12");

    QMenu* tables = addMenu(nullptr, tr("管理表"), "menu3");
    addCommand(tables, tr("查询"), "menu31");
    addCommand(tables, tr("插入"), "menu32");
    addCommand(tables, tr("删除（元组）"), "menu33");
    addCommand(tables, tr("更新"), "menu34");
    addCommand(tables, tr("全文检索"), "menu36");
    addCommand(tables, tr("查找重复论文"), "menu39");

    addCommand(nullptr, tr("存储过程"), "menu4");

    QMenu* ddl = addMenu(nullptr, tr("增/删表"), "menu2");
    addCommand(ddl, tr("生成表"), "menu21");
    addCommand(ddl, tr("删除表"), "menu22");

    QMenu* extra = addMenu(nullptr, tr("扩展功能"), "menu5");
    addCommand(extra, tr("使用SQL语言操作"), "menu51");
    addCommand(extra, tr("从文件批量插入元组到数据库"), "menu52");
    addCommand(extra, tr("自动解析论文并导入数据库"), "menu53");

    QMenu* admin = addMenu(nullptr, tr("管理员功能"), "menu6");
    QMenu* accounts = addMenu(admin, tr("用户帐户管理"), "menu61");
    addCommand(accounts, tr("查看所有用户"), "menu610");
    addCommand(accounts, tr("添加用户"), "menu611");
    addCommand(accounts, tr("修改用户"), "menu612");
    addCommand(accounts, tr("删除用户"), "menu613");
    addCommand(admin, tr("数据库更改"), "menu62");

    addCommand(nullptr, tr("退出"), "menu_exit");

    // Every result grid of the program can save its rows.
    exchange::ExportMenu::install();
}

QMenu* TForm_main::addMenu(QMenu* parent, const QString& title, const char* name) {
    QMenu* menu = parent ? parent->addMenu(title) : menuBar()->addMenu(title);
    menu->setObjectName(QString::fromLatin1(name) + QStringLiteral("_popup"));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* TForm_main::addCommand(QMenu* parent, const QString& title, const char* name) {
    QAction* action = parent ? parent->addAction(title) : menuBar()->addAction(title);
    action->setObjectName(QString::fromLatin1(name));
    const QString item = QString::fromLatin1(name);
    connect(action, &QAction::triggered, this, [this, item] { menuClick(item); });
    return action;
}

void TForm_main::setSession(const QString& userName, const QString& paperConnection) {
    userName_ = userName;
    paperConnection_ = paperConnection;
}

void TForm_main::applyAccess(shell::Access access) {
    const QHash<QString, bool> visible = shell::menuVisibility(access);
    for (auto it = visible.begin(); it != visible.end(); ++it) {
        if (QAction* action = findChild<QAction*>(it.key())) action->setVisible(it.value());
    }
}

void TForm_main::menuClick(const QString& item) {
    if (item == QLatin1String("menu_exit")) {
        shell::endProgram();
        return;
    }
    const db::FormRegistry::Factory* factory = db::FormRegistry::find(item);
    if (!factory) return;  // the two commands still to come do nothing
    db::Form* form = (*factory)();
    // The database change window gets the connection string only.
    const bool withUser = item != QLatin1String("menu62");
    form->setSession(withUser ? userName_ : QString(), paperConnection_);
    form->show();
}

void TForm_main::showEvent(QShowEvent* event) {
    Label_user->setText(userName_ + tr(" 您好，"));
    QMainWindow::showEvent(event);
}

void TForm_main::closeEvent(QCloseEvent* event) {
    event->accept();
    shell::endProgram();
}
