#include "admin/windows/TForm_admin_alt.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "admin/windows/AccountWidgets.h"
#include "db/RetryOnConflict.h"

TForm_admin_alt::TForm_admin_alt(QWidget* parent)
    : db::Form(QStringLiteral("Form_admin_alt"), parent) {
    setWindowTitle(tr("管理员账户修改"));

    Edit_name = new QLineEdit(this);
    Edit_name->setObjectName(QStringLiteral("Edit_name"));
    Edit_pwd = new QLineEdit(this);
    Edit_pwd->setObjectName(QStringLiteral("Edit_pwd"));
    Edit_pwd->setEchoMode(QLineEdit::Password);
    Button_yes = new QPushButton(tr("修改"), this);
    Button_yes->setObjectName(QStringLiteral("Button_yes"));
    Button_no = new QPushButton(tr("返回"), this);
    Button_no->setObjectName(QStringLiteral("Button_no"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("新账户名："), this), 0, 0);
    grid->addWidget(Edit_name, 0, 1);
    grid->addWidget(new QLabel(tr("新密码："), this), 1, 0);
    grid->addWidget(Edit_pwd, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button_yes);
    buttons->addWidget(Button_no);
    grid->addLayout(buttons, 2, 0, 1, 2);
    Edit_name->setMinimumWidth(200);

    setTabOrder(Edit_name, Edit_pwd);
    setTabOrder(Edit_pwd, Button_yes);
    setTabOrder(Button_yes, Button_no);

    connect(Button_yes, &QPushButton::clicked, this, &TForm_admin_alt::Button_yesClick);
    connect(Button_no, &QPushButton::clicked, this, &TForm_admin_alt::Button_noClick);
}

void TForm_admin_alt::Button_yesClick() {
    handle([&] {
        query().setConnectionString(connectionString());
        const admin::Outcome out =
            db::retryOnConflict([&] {
                return admin::renameAdministrator(query(), userName(), Edit_name->text(), Edit_pwd->text());
            });
        admin::show(out.notices);
        if (out.closeWindow) close();
    });
}

void TForm_admin_alt::Button_noClick() { close(); }
