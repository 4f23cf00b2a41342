#include "shell/windows/TForm_login.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "db/Messages.h"
#include "db/OdbcQuery.h"
#include "shell/Program.h"
#include "shell/Settings.h"
#include "shell/SignIn.h"
#include "shell/windows/TForm_main.h"

TForm_login::TForm_login(TForm_main* mainWindow, QWidget* parent)
    : QDialog(parent), main_(mainWindow) {
    setObjectName(QStringLiteral("Form_login"));
    setWindowTitle(tr("登录"));
    ADOQuery1 = new db::OdbcQuery(this);
    ADOQuery1->setObjectName(QStringLiteral("ADOQuery1"));

    Button_yes = new QPushButton(tr("确定"), this);
    Button_yes->setObjectName(QStringLiteral("Button_yes"));
    Button_yes->setDefault(true);
    Button_no = new QPushButton(tr("清空"), this);
    Button_no->setObjectName(QStringLiteral("Button_no"));
    Edit_username = new QLineEdit(QStringLiteral("guest"), this);
    Edit_username->setObjectName(QStringLiteral("Edit_username"));
    Edit_password = new QLineEdit(this);
    Edit_password->setObjectName(QStringLiteral("Edit_password"));
    Edit_password->setEchoMode(QLineEdit::Password);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("用户名："), this), 0, 0);
    grid->addWidget(Edit_username, 0, 1);
    grid->addWidget(new QLabel(tr("密码："), this), 1, 0);
    grid->addWidget(Edit_password, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button_yes);
    buttons->addWidget(Button_no);
    grid->addLayout(buttons, 2, 0, 1, 2);
    Edit_username->setMinimumWidth(200);

    setTabOrder(Button_yes, Button_no);
    setTabOrder(Button_no, Edit_username);
    setTabOrder(Edit_username, Edit_password);
    Button_yes->setFocus();

    connect(Button_yes, &QPushButton::clicked, this, &TForm_login::Button_yesClick);
    connect(Button_no, &QPushButton::clicked, this, &TForm_login::Button_noClick);
}

void TForm_login::Button_yesClick() {
    db::guarded([this] {
        const shell::Settings settings = shell::readSettings();
        const shell::SignInOutcome outcome = shell::signIn(
            *ADOQuery1, Edit_username->text(), Edit_password->text(), settings);
        if (!outcome.accepted) {
            db::messages::show(tr("请检查您的用户名和密码"), tr("登录错误"));
            return;
        }
        main_->applyAccess(outcome.access);
        main_->setSession(outcome.userName, outcome.paperConnection);
        main_->show();
        hide();
    });
}

void TForm_login::Button_noClick() {
    Edit_username->clear();
    Edit_password->clear();
}

void TForm_login::closeEvent(QCloseEvent* event) {
    event->accept();
    shell::endProgram();
}
