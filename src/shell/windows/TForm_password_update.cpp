#include "shell/windows/TForm_password_update.h"

#include <QGridLayout>
#include <QHBoxLayout>

#include "window/FormRegistry.h"
#include "db/Messages.h"
#include "shell/OwnAccount.h"
#include "db/RetryOnConflict.h"

namespace {
QLineEdit* passwordBox(QWidget* parent, const QString& name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setEchoMode(QLineEdit::Password);
    return edit;
}
}  // namespace

TForm_password_update::TForm_password_update(QWidget* parent)
    : db::Form(QStringLiteral("Form_password_update"), parent) {
    setWindowTitle(tr("修改密码"));

    Edit_pre_password = passwordBox(this, QStringLiteral("Edit_pre_password"));
    Edit_new_password = passwordBox(this, QStringLiteral("Edit_new_password"));
    Edit_cof_password = passwordBox(this, QStringLiteral("Edit_cof_password"));
    Button_yes = new QPushButton(tr("确定"), this);
    Button_yes->setObjectName(QStringLiteral("Button_yes"));
    Button_ret = new QPushButton(tr("返回"), this);
    Button_ret->setObjectName(QStringLiteral("Button_ret"));
    Label_password_update = new QLabel(QStringLiteral("guest"), this);
    Label_password_update->setObjectName(QStringLiteral("Label_password_update"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("用户名："), this), 0, 0);
    grid->addWidget(Label_password_update, 0, 1);
    grid->addWidget(new QLabel(tr("原始密码"), this), 1, 0);
    grid->addWidget(Edit_pre_password, 1, 1);
    grid->addWidget(new QLabel(tr("新密码"), this), 2, 0);
    grid->addWidget(Edit_new_password, 2, 1);
    grid->addWidget(new QLabel(tr("确认新密码："), this), 3, 0);
    grid->addWidget(Edit_cof_password, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button_yes);
    buttons->addWidget(Button_ret);
    grid->addLayout(buttons, 4, 0, 1, 2);
    Edit_pre_password->setMinimumWidth(200);

    setTabOrder(Edit_pre_password, Edit_new_password);
    setTabOrder(Edit_new_password, Edit_cof_password);
    setTabOrder(Edit_cof_password, Button_yes);
    setTabOrder(Button_yes, Button_ret);

    connect(Button_yes, &QPushButton::clicked, this, &TForm_password_update::Button_yesClick);
    connect(Button_ret, &QPushButton::clicked, this, &TForm_password_update::Button_retClick);
}

void TForm_password_update::FormShow() { Label_password_update->setText(userName()); }

void TForm_password_update::Button_yesClick() {
    handle([&] {
        query().setConnectionString(connectionString());
        const shell::AccountOutcome out =
            db::retryOnConflict([&] {
                return shell::changePassword(query(), userName(), Edit_pre_password->text(),
                                             Edit_new_password->text(), Edit_cof_password->text());
            });
        shell::show(out.notices);
        if (out.closeWindow) close();
    });
}

void TForm_password_update::Button_retClick() { close(); }

PAPER_MENU_ROUTE(menu11, TForm_password_update)
