#include "admin/windows/TForm_account_cre.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "admin/windows/AccountWidgets.h"
#include "window/FormRegistry.h"
#include "db/RetryOnConflict.h"

TForm_account_cre::TForm_account_cre(QWidget* parent)
    : db::Form(QStringLiteral("Form_account_cre"), parent) {
    setWindowTitle(tr("添加用户"));

    Edit_user = new QLineEdit(this);
    Edit_user->setObjectName(QStringLiteral("Edit_user"));
    Edit_pass = new QLineEdit(this);
    Edit_pass->setObjectName(QStringLiteral("Edit_pass"));
    Edit_pass->setEchoMode(QLineEdit::Password);
    Button1 = new QPushButton(tr("添加"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(tr("返回"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    ComboBox_priv = admin::newRightBox(this, QStringLiteral("ComboBox_priv"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("用户名："), this), 0, 0);
    grid->addWidget(Edit_user, 0, 1);
    grid->addWidget(new QLabel(tr("密码："), this), 1, 0);
    grid->addWidget(Edit_pass, 1, 1);
    grid->addWidget(new QLabel(tr("权限："), this), 2, 0);
    grid->addWidget(ComboBox_priv, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    grid->addLayout(buttons, 3, 0, 1, 2);
    Edit_user->setMinimumWidth(200);

    setTabOrder(Edit_user, Edit_pass);
    setTabOrder(Edit_pass, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, ComboBox_priv);

    connect(Button1, &QPushButton::clicked, this, &TForm_account_cre::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm_account_cre::Button2Click);
}

void TForm_account_cre::Button1Click() {
    handle([&] {
        query().setConnectionString(connectionString());
        const admin::Outcome out = db::retryOnConflict([&] {
            return admin::createAccount(query(), Edit_user->text(), Edit_pass->text(), ComboBox_priv->currentText());
        });
        admin::show(out.notices);
        if (out.closeWindow) close();
    });
}

void TForm_account_cre::Button2Click() { close(); }

PAPER_MENU_ROUTE(menu611, TForm_account_cre)
