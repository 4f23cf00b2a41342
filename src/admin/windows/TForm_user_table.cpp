#include "admin/windows/TForm_user_table.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "admin/windows/AccountWidgets.h"
#include "window/FormRegistry.h"

TForm_user_table::TForm_user_table(QWidget* parent)
    : db::Form(QStringLiteral("Form_user_table"), parent) {
    setWindowTitle(tr("所有用户信息"));
    resize(620, 340);

    DBGrid1 = new db::ResultGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->bind(&query());
    connect(this, &db::Form::queryReplaced, this, [this] { DBGrid1->bind(&query()); });
    Button_re = new QPushButton(tr("返回"), this);
    Button_re->setObjectName(QStringLiteral("Button_re"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DBGrid1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button_re);
    layout->addLayout(buttons);

    setTabOrder(DBGrid1, Button_re);
    connect(Button_re, &QPushButton::clicked, this, &TForm_user_table::Button_reClick);
}

void TForm_user_table::FormShow() {
    handle([&] {
        query().setConnectionString(connectionString());
        query().openSql(admin::userListSql());
    });
}

void TForm_user_table::Button_reClick() { close(); }

PAPER_MENU_ROUTE(menu610, TForm_user_table)
