#include "admin/windows/TForm_account_del.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "admin/windows/AccountWidgets.h"
#include "window/FormRegistry.h"
#include "db/RetryOnConflict.h"

TForm_account_del::TForm_account_del(QWidget* parent)
    : db::Form(QStringLiteral("Form_account_del"), parent) {
    setWindowTitle(tr("删除用户"));

    ComboBox_user = admin::newUserBox(this, QStringLiteral("ComboBox_user"));
    Button_yes = new QPushButton(tr("删除"), this);
    Button_yes->setObjectName(QStringLiteral("Button_yes"));
    Button_no = new QPushButton(tr("返回"), this);
    Button_no->setObjectName(QStringLiteral("Button_no"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("用户选择："), this), 0, 0);
    grid->addWidget(ComboBox_user, 0, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button_yes);
    buttons->addWidget(Button_no);
    grid->addLayout(buttons, 1, 0, 1, 2);
    ComboBox_user->setMinimumWidth(200);

    setTabOrder(ComboBox_user, Button_yes);
    setTabOrder(Button_yes, Button_no);

    connect(Button_yes, &QPushButton::clicked, this, &TForm_account_del::Button_yesClick);
    connect(Button_no, &QPushButton::clicked, this, &TForm_account_del::Button_noClick);
}

void TForm_account_del::FormShow() {
    handle([&] {
        query().setConnectionString(connectionString());
        admin::fillUserBox(ComboBox_user, admin::loadUserChoices(query()));
    });
}

void TForm_account_del::Button_yesClick() {
    handle([&] {
        query().setConnectionString(connectionString());
        const admin::Outcome out =
            db::retryOnConflict([&] { return admin::deleteAccount(query(), ComboBox_user->currentText()); });
        admin::show(out.notices);
        if (out.closeWindow) close();
    });
}

void TForm_account_del::Button_noClick() { close(); }

PAPER_MENU_ROUTE(menu613, TForm_account_del)
