#include "admin/windows/TForm_account_alt.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "admin/windows/AccountWidgets.h"
#include "admin/windows/TForm_admin_alt.h"
#include "window/FormRegistry.h"
#include "db/RetryOnConflict.h"

TForm_account_alt::TForm_account_alt(QWidget* parent)
    : db::Form(QStringLiteral("Form_account_alt"), parent) {
    setWindowTitle(tr("修改用户"));

    ComboBox_user = admin::newUserBox(this, QStringLiteral("ComboBox_user"));
    ComboBox_right = admin::newRightBox(this, QStringLiteral("ComboBox_right"));
    Button_yes = new QPushButton(tr("确定"), this);
    Button_yes->setObjectName(QStringLiteral("Button_yes"));
    Button_no = new QPushButton(tr("返回"), this);
    Button_no->setObjectName(QStringLiteral("Button_no"));
    Button_admin = new QPushButton(tr("管理员账户修改"), this);
    Button_admin->setObjectName(QStringLiteral("Button_admin"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("用户名："), this), 0, 0);
    grid->addWidget(ComboBox_user, 0, 1);
    grid->addWidget(new QLabel(tr("修改权限为："), this), 1, 0);
    grid->addWidget(ComboBox_right, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button_admin);
    buttons->addStretch();
    buttons->addWidget(Button_yes);
    buttons->addWidget(Button_no);
    grid->addLayout(buttons, 2, 0, 1, 2);
    ComboBox_user->setMinimumWidth(200);

    setTabOrder(ComboBox_user, ComboBox_right);
    setTabOrder(ComboBox_right, Button_yes);
    setTabOrder(Button_yes, Button_no);
    setTabOrder(Button_no, Button_admin);

    connect(Button_yes, &QPushButton::clicked, this, &TForm_account_alt::Button_yesClick);
    connect(Button_no, &QPushButton::clicked, this, &TForm_account_alt::Button_noClick);
    connect(Button_admin, &QPushButton::clicked, this, &TForm_account_alt::Button_adminClick);
}

void TForm_account_alt::FormShow() {
    handle([&] {
        query().setConnectionString(connectionString());
        admin::fillUserBox(ComboBox_user, admin::loadUserChoices(query()));
    });
}

void TForm_account_alt::Button_yesClick() {
    handle([&] {
        query().setConnectionString(connectionString());
        const admin::Outcome out =
            db::retryOnConflict([&] {
                return admin::changeRight(query(), ComboBox_user->currentText(), ComboBox_right->currentText());
            });
        admin::show(out.notices);
    });
}

void TForm_account_alt::Button_noClick() { close(); }

void TForm_account_alt::Button_adminClick() {
    handle([&] {
        db::Form::open<TForm_admin_alt>(userName(), connectionString());
        close();
    });
}

PAPER_MENU_ROUTE(menu612, TForm_account_alt)
